#pragma once
#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
struct VueChaine;
struct VueEtat;

// The remote control of the normal window, right of the channel column: the selected
// channel, the watching and recording buttons, the sound row, the transport row, the window's
// services, the side pane buttons and the scheduled recording's progress. Controls stand in
// fixed rows (twips) inside a 1560 x 4980 panel; inside a row each button is as wide as its
// bold caption needs.
class PanneauTelecommande : public QWidget {
    Q_OBJECT
public:
    explicit PanneauTelecommande(QWidget* parent = nullptr);

    void afficherChaine(const VueChaine& vue);
    void afficherEtat(const VueEtat& vue);
    // Looks of the two toggles: re-broadcast (TV) and mute.
    void afficherBascules(bool tv, bool muet);
    // Pressed look of the snapshot buttons.
    void afficherPhotoEnCours(bool enCours);
    void afficherProgression(double fraction, const QString& texte);
    // The pane buttons are bold while their pane is open; `TopR` while the window stays on top.
    void afficherVolets(bool afficher, bool guider, bool diffuser);
    void afficherAuDessus(bool auDessus);

    // The side pane buttons' events go through `filtre` first.
    void filtrerBoutonsVolets(QObject* filtre);

signals:
    void Regarder_Click();
    void RegarderX_Click();
    void Enregistrer_Click();
    void EnregistrerX_Click();
    void Photographier_Click();
    void VolumeM_Click();
    void Mute_Click();
    void VolumeP_Click();
    void Full_Click();
    void TV_Click();
    void StopAll_Click();
    void Play_Click();
    void Rec_Click();
    void Shift_Click();
    void Pause_Click();
    void Snap_Click();
    void TopR_Click();
    void Reduire_Click();
    void Afficher_Click();
    void Guider_Click();
    void Diffuser_Click();
    void Options_Click();
    void Quitter_Click();

private:
    void creerProgression();
    void placerBoutons();
    void relierBoutons();

    QPushButton* const Regarder;
    QPushButton* const RegarderX;
    QPushButton* const Enregistrer;
    QPushButton* const EnregistrerX;
    QPushButton* const Photographier;
    QPushButton* const VolumeM;
    QPushButton* const Mute;
    QPushButton* const VolumeP;
    QPushButton* const Full;
    QPushButton* const TV;
    QPushButton* const StopAll;
    QPushButton* const Play;
    QPushButton* const Rec;
    QPushButton* const Shift;
    QPushButton* const Pause;
    QPushButton* const Snap;
    QPushButton* const TopR;
    QPushButton* const Reduire;  // `Réduire`
    QPushButton* const Afficher;
    QPushButton* const Guider;
    QPushButton* const Diffuser;
    QPushButton* const Options;
    QPushButton* const Quitter;

    QLabel* progChaine_;
    QFrame* progBar_;
    QProgressBar* progBar1_;
    QLabel* progTaille_;
};
