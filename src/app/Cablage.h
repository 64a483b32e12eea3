#pragma once

class Application;

// Every connection between the window's controls and the engine's controllers, one
// function per area. The application calls it once, when it is built.
void cabler(Application& app);

// Opens the options pane (building it the first time) on tab `onglet` (1 to 8; 0 keeps the
// last one), its favourites editor on group `groupe`, the focus on slot `emplacement` (1 to 8;
// 0 leaves the focus alone).
void ouvrirOptions(Application& app, int onglet = 0, int groupe = 0, int emplacement = 0);
