#pragma once
#include <QDateTime>
#include <QtGlobal>
#include <qnamespace.h>

// What the window is showing when a key is released: the shortcuts' decision depends on it.
struct EtatRaccourcis {
    bool CLAV = false;             // the keyboard shortcuts option is ticked
    bool optionsOuvertes = false;  // the options pane stands in place of the main panel
    bool guideOuvert = false;      // the guide pane is open
    bool vueDirecte = false;       // the media pane shows the channel in the embedded view
    bool chaineMActive = true;     // `ChaîneM` and `ChaîneP` enabled
    bool chainePActive = true;
    int volume2 = 100;             // the embedded view's volume slider, 0 to 200
};

// One key release as the window system reports it.
struct ToucheRelachee {
    int touche = 0;  // a Qt::Key
    Qt::KeyboardModifiers modificateurs;
    quint32 codeNatif = 0;  // X11 keycode; 0 when unknown
    bool repetition = false;
    QDateTime heure;
};

// The remote's buttons a key can press.
enum class BoutonClavier {
    Aucun,
    ChaineM,
    ChaineP,
    TopR,
    Full,
    Full2,
    Play,
    StopAll,
    Pause,
    Rec,
    Snap,
    VolumeM,
    VolumeP,
    Volume2,  // the embedded view's volume set to `valeur`
    Mute,
    Mute2,
    FavorisM,
    FavorisP,
    FavorisListe,  // favourites group `valeur` selected
    Favori,        // favourite `valeur` (1 to 8) of the current group
};

struct ActionClavier {
    BoutonClavier bouton = BoutonClavier::Aucun;
    int valeur = 0;
    // The release stops here: the focused control never sees it.
    bool consommee = false;

    bool operator==(const ActionClavier&) const = default;
};

// The object name of the window's control that a button press goes to.
const char* nomBouton(BoutonClavier b);

// The key's code in the remote's numbering: F1-F12 112-123, keypad digits 96-105, keypad
// "*" 106, "+" 107, "-" 109, decimal 110, "/" 111, main-row digits 48-57; 0 for any other key.
// The main row is recognised by its X11 keycodes (10-19) whatever the layout prints on it,
// so that the French top row counts without Shift.
int codeTouche(int touche, Qt::KeyboardModifiers modificateurs, quint32 codeNatif);

// `Form_KeyUp`: turns key releases into button presses. It keeps the two-digit favourite
// sequence between releases (a group digit, then a favourite digit within the next second).
class Raccourcis {
public:
    ActionClavier Form_KeyUp(const ToucheRelachee& t, const EtatRaccourcis& etat);

    int DerniereTouche() const { return derniereTouche_; }
    QDateTime HeureTouche() const { return heureTouche_; }

private:
    int derniereTouche_ = 0;
    QDateTime heureTouche_;  // to the second
};
