#pragma once

class Application;
class EtatFenetre;
class Fond;
struct Composition;
struct Plateforme;

// What the wiring connects: the window and its state, the platform, the engine's parts, and
// the application's own entry points (the clock, the close, the double-click).
struct Assemblage {
    Application& application;
    Plateforme& plateforme;
    Fond& fond;
    EtatFenetre& etatFenetre;
    Composition& parties;
};

// Every connection between the window's controls and the engine's controllers, one
// function per area. The application calls it once, when it is built.
void cabler(const Assemblage& assemblage);
