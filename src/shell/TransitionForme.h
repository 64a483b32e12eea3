#pragma once
#include "engine/EtatFenetre.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

// Where the window stands when a transition is asked, in pixels. A default value (empty screen)
// means "not known yet": the transition then moves nothing.
struct PlacementFenetre {
    QRect ecran;        // available area of the window's screen
    QPoint position;    // top-left of the window's frame (QWidget::pos)
    QMargins cadre;     // the window manager's frame around the client area
    QRect ecranEntier;  // the whole screen, panels included (full screen covers it); empty: `ecran`
};

// The embedded view's forms as the window lays them out: the video alone fills the client area.
struct VueSeule {
    bool actif = false;            // false: back to the media pane's own layout
    bool pleinEcran = false;       // black around the video, the compact row over it
    QRect video;                   // twips, inside the client area
    std::optional<QPoint> rangee;  // full screen: the compact row's top-left, twips
    bool replierRuban = false;     // the mini-screen is entered: its ribbon shows folded
};

// One stretch of a transition. The window applies, in this order: the live view's stop and the
// frames, then the sizes one per animation tick (one size: at once), then the move.
struct PhaseForme {
    bool arreterVue = false;            // the media pane folds: stop its embedded live view
    std::optional<Volet> voletAffiche;  // show this pane's frame, hide the two others
    std::optional<bool> fond1bis;       // show or hide the remote-control extension frame
    std::optional<bool> auDessus;       // keep the window on top, or stop keeping it on top
    // The desktop's full-screen state: true after this phase's size and move, false before them.
    std::optional<bool> pleinEcranBureau;
    std::optional<bool> favorisDevant;  // favourites in front of the channel list, or the list
    std::optional<VueSeule> vueSeule;   // the video alone, or back in its pane
    std::vector<QSize> tailles;         // client sizes, twips
    std::optional<QPoint> position;     // new top-left of the window's frame, pixels

    std::vector<int> largeurs() const;  // the widths of `tailles`, twips
};

// What the window must apply after one event. No phase: nothing changes.
struct TransitionForme {
    std::vector<PhaseForme> phases;
    bool mosaique = false;  // afterwards, select the media pane's "Mosaïque" tab

    bool vide() const { return phases.empty(); }
    // More than one size to apply: the window stays disabled until the last tick.
    bool animee() const;
    // Client size at the end (twips; empty when no size changes) and the same in pixels.
    QSize taille() const;
    QSize taillePixels() const;
    // Where the window's frame ends up (pixels), when it moves.
    std::optional<QPoint> position() const;
};
