#pragma once
#include <QString>
#include <QTime>

// The player state: which activity of the external player runs. Only the values
// 0, 1, 2, 5, 12, 16 and 32 occur.
namespace EtatLecteur {
constexpr int EtatArret = 0;
constexpr int EtatLecture = 1;
constexpr int EtatEnregistrement = 2;
constexpr int EtatDiffere = 4;
constexpr int EtatPause = 8;
constexpr int EtatProgramme = 16;
constexpr int EtatFinProgramme = 32;
constexpr int MasqueImage = 15;
constexpr int MasqueEnregistrement = 18;
}  // namespace EtatLecteur

// How the window shows a player state: what ChangerEtat applies to the controls.
struct VueEtat {
    bool stopAllGras = false;
    bool playGras = false;      // Play and Regarder
    bool recGras = false;       // Rec, Rec2, SizeBarRec and Enregistrer
    bool shiftGras = false;
    bool pauseGras = false;
    bool regarderXActif = false;
    bool enregistrerXActif = false;
    bool photographierActif = false;
    bool progBarVisible = false;
    bool iconeEnregistrement = false;  // Logo2 / ICOmini2 instead of Logo1 / ICOmini1
    bool remettreProgression = false;  // progress fill to 0 and "0 Mo"
    bool remettreMute = false;         // Mute back to sound on, FinEnregistrement cleared
    QString infoBulleRegarderX;
    QString infoBulleEnregistrerX;

    bool operator==(const VueEtat&) const = default;
};

// The channel being played once the state becomes `etat`: empty for 0 and 32, kept for
// 16 (the clock sets it), else the channel selected now.
QString ChaineEnCoursPour(int etat, const QString& chaineEnCours, const QString& chaineSelectionnee);

VueEtat CalculerVueEtat(int etat, const QString& chaineEnCours);

// "Kelmor - hh:nn", with the channel for a manual or a scheduled recording.
QString TitreFenetre(const QTime& heure, int etat, const QString& chaineEnCours);
