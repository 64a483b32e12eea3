#pragma once
#include <QObject>

class Moteur;
struct Plateforme;
struct Session;

// Watching, time-shift and the keystrokes to the external player: the transport
// buttons of the main window.
class Transport : public QObject {
    Q_OBJECT
public:
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
    Session& session_;
    Moteur& moteur_;
    Plateforme& plateforme_;
};
