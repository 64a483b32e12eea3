#pragma once
#include "core/FichierParametres.h"
#include "core/ListeChaines.h"
#include "engine/EtatLecteur.h"
#include "engine/ProgListe.h"
#include "engine/SurveillanceEnregistreur.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// What the program knows while it runs: the settings, the channel list and its selection,
// the folders, the player state and the schedule. The application owns it; the engine's
// controllers receive it by reference and the window shows it.
struct Session {
    ContenuParametres parametres;
    ListeChaines chaines;
    int chaineSelectionnee = -1;
    EtatLecteur Etat = EtatLecteur::Arret;
    QString ChaineEnCours;
    // End of the manual recording's chosen duration on the clock's elapsed reading (ms):
    // a duration is elapsed time, whatever the wall clock does meanwhile. None = no duration.
    std::optional<qint64> FinEnregistrement;
    QString FichierEnregistrementManuel;  // file of the last manual recording started
    QString DossierProgramme;
    QString DossierEnregistrement;
    QStringList OptionsVLC;
    bool TV = false;    // re-broadcast to the television
    bool Muet = false;  // the player's sound is cut

    // The recording schedule and its editor.
    ProgListe programmes;
    ValeursEditeur editeur;
    bool Extinction = false;    // shut the computer down after the recording
    QString FichierEnregistre;  // file of the running scheduled recording
    QString texteTaille = QStringLiteral("0 Mo");
    // The running scheduled entry's end on the elapsed reading (ms), held from its start.
    std::optional<qint64> FinProgramme;
    // The wall clock (ms since the epoch) and the elapsed reading taken together at its start,
    // or when a change of the wall clock was last told.
    std::optional<std::pair<qint64, qint64>> RepereProgramme;
    // The running recorder (manual or scheduled) and its file, looked at by every tick.
    SurveillanceEnregistreur surveillance;

    QString cheminParametres() const { return DossierProgramme + "Kelmor.ini"; }
    QString cheminListeChaines() const { return DossierProgramme + "Kelmor.cfg"; }
    QString nomChaineSelectionnee() const
    {
        if (chaineSelectionnee < 0 || chaineSelectionnee >= chaines.taille())
            return {};
        return chaines.at(chaineSelectionnee).nom;
    }
};
