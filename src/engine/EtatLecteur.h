#pragma once
#include <QString>
#include <QTime>

#include <cstdint>

// The player state: which activity of the external player runs. The values are bit sets
// (watching 1, manual recording 2, time-shift 4, paused 8, scheduled recording 16, a
// scheduled recording ending 32); only these seven combinations occur.
enum class EtatLecteur : std::uint8_t {
    Arret = 0,
    Lecture = 1,
    Enregistrement = 2,
    Differe = 5,  // time-shift playing: time-shift and watching
    Pause = 12,   // time-shift paused: time-shift and paused
    Programme = 16,
    FinProgramme = 32,
};

constexpr int valeur(EtatLecteur e) { return static_cast<int>(e); }
// The bits of the state, as the transport buttons read them.
constexpr bool enLecture(EtatLecteur e) { return valeur(e) & 1; }
constexpr bool enEnregistrement(EtatLecteur e) { return valeur(e) & 2; }
constexpr bool enDiffere(EtatLecteur e) { return valeur(e) & 4; }
constexpr bool enPause(EtatLecteur e) { return valeur(e) & 8; }
constexpr bool enProgramme(EtatLecteur e) { return valeur(e) & 16; }
// A player shows a picture that can be photographed.
constexpr bool avecImage(EtatLecteur e) { return valeur(e) & 15; }
// Something is being recorded (manual or scheduled).
constexpr bool avecEnregistrement(EtatLecteur e) { return valeur(e) & 18; }

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

// The channel being played once the state becomes `etat`: empty when stopped or ending a
// scheduled recording, kept for a scheduled recording (the clock sets it), else the channel
// selected now.
QString ChaineEnCoursPour(EtatLecteur etat, const QString& chaineEnCours, const QString& chaineSelectionnee);

VueEtat CalculerVueEtat(EtatLecteur etat, const QString& chaineEnCours);

// "Kelmor - hh:nn", with the channel for a manual or a scheduled recording.
QString TitreFenetre(const QTime& heure, EtatLecteur etat, const QString& chaineEnCours);
