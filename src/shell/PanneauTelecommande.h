#pragma once
#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
struct VueChaine;
struct VueEtat;

// The remote control of the normal window: the logos, the selected channel, the watching
// and recording buttons, the sound row, the transport row, the scheduled recording's
// progress, and the buttons that open the guide and quit.
class PanneauTelecommande : public QWidget {
    Q_OBJECT
public:
    explicit PanneauTelecommande(QWidget* parent = nullptr);

    void afficherChaine(const VueChaine& vue);
    void afficherEtat(const VueEtat& vue);
    void definirIconeEnregistrement(bool enregistrement);
    // Looks of the two toggles: re-broadcast (TV) and mute.
    void afficherBascules(bool tv, bool muet);
    // Pressed look of the snapshot buttons.
    void afficherPhotoEnCours(bool enCours);
    void afficherProgression(double fraction, const QString& texte);
    // Bold caption of the guide button while its pane is open.
    void afficherGuideOuvert(bool ouvert);

    QPushButton* const ProgChaine2;
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
    QPushButton* const Guider;
    QPushButton* const Options;
    QPushButton* const Quitter;

private:
    QLabel* logo1_;
    QLabel* logo2_;
    QLabel* progChaine_;
    QFrame* progBar_;
    QProgressBar* progBar1_;
    QLabel* progTaille_;
};
