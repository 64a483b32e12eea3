#pragma once

class Application;

// Every connection between the window's controls and the engine's controllers, one
// function per area. The application calls it once, when it is built.
void cabler(Application& app);

