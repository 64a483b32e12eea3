#pragma once
#include "engine/Moteur.h"

#include <QObject>

#include <functional>

struct Plateforme;
struct Session;

// Watching, time-shift and the keystrokes to the external player: the transport
// buttons of the main window.
class Transport : public QObject {
    Q_OBJECT
public:
    static constexpr int FocusMs = Moteur::FocusMs;  // after the watching player starts, the focus comes back

    Transport(Session& session, Moteur& moteur, Plateforme& plateforme)
        : session_(session), moteur_(moteur), plateforme_(plateforme)
    {
    }

    void Play_Click();
    void Regarder_Click() { Play_Click(); }
    void RegarderX_Click();
    void VolumeM_Click();
    void VolumeP_Click();
    void Mute_Click();
    void Full_Click();
    void Snap_Click();
    void Photographier_Click() { Snap_Click(); }
    void ChaineM_Click();
    void ChaineP_Click();
    void TV_Click();
    void Shift_Click();
    void Pause_Click();

signals:
    // Pressed look of the snapshot buttons.
    void photoEnCours(bool enCours);
    // Time-shift buffering bar: step 0 to 30 shows it, -1 hides it.
    void tampon(int etape);

private:
    // `confirme`: the user already said Yes to breaking off the recording; the state is
    // looked at again all the same, as the clock may have run while the question was open.
    void regarder(bool confirme);
    // Time-shift on (or off); `ensuite` runs once it plays (not when refused or stopped).
    void differe(bool confirme, std::function<void()> ensuite);
    void remplirTampon(const Moteur::Sequence& sequence, int etape, std::function<void()> ensuite);
    void lancerVisionneuse(const Moteur::Sequence& sequence, std::function<void()> ensuite);
    void basculerPause();

    Session& session_;
    Moteur& moteur_;
    Plateforme& plateforme_;
};
