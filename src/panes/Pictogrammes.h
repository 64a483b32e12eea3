#pragma once
#include <QIcon>

#include <array>

// The pictures of the compact row and the ribbon, drawn here: no font of the desktop has to
// hold a symbol for them, and a toggle's two faces differ in shape and colour, not in a bold
// stroke that a small picture cannot show.
enum class Pictogramme {
    MiniEcran,    // the video out of the window
    PleinEcran,   // face 0 enters full screen, face 1 leaves it
    AuDessus,     // always on top
    Precedente,   // previous channel
    Suivante,     // next channel
    Enregistrer,  // face 1: a recording runs
    Photo,
    Son,          // face 1: muted
    Ruban,        // face 0 unfolds the ribbon, face 1 folds it
};

// Face 0 (off) and face 1 (on) of a picture, as a button's hidden picture array holds them;
// the same icons at every call.
std::array<QIcon, 2> FacesPictogramme(Pictogramme p);
