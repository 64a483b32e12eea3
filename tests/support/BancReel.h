#pragma once
// The real application on the real platform (vlc, loopback HTTP, files) with the simulated
// box, for end-to-end tests. Questions are answered by the test; the clock can be moved.
#include "app/Application.h"
#include "platform/Plateforme.h"
#include "platform/reel/ClientWebQt.h"
#include "platform/reel/LecteursVlc.h"
#include "platform/reel/PageReglagesHttp.h"
#include "platform/reel/PlateformeReelle.h"
#include "platform/reel/ServeurDiffereHttp.h"
#include "platform/reel/VueIntegreeVlc.h"
#include "shell/Fond.h"
#include "support/Attente.h"
#include "support/Doubles.h"
#include "support/FauxBoitier.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

int portLibre();


// Container name and duration (seconds) as ffprobe reads them; "" and -1 when it cannot.
QString ffprobeFormat(const QString& fichier);
double ffprobeDuree(const QString& fichier);
// The kind of each stream of the file ("video", "audio"), in order, as ffprobe reads them.
QStringList ffprobeFlux(const QString& fichier);

// Processes whose command line holds the text (our players carry their socket's name).
int processusContenant(const QString& texte);

// Real time, moved on by a settable offset: as if that much time had passed, both the wall
// clock and the elapsed reading move (a scheduled recording ends on elapsed time).
class HorlogeDecalee : public HorlogeReelle {
public:
    qint64 decalageSecondes = 0;
    QDateTime maintenant() override { return HorlogeReelle::maintenant().addSecs(decalageSecondes); }
    qint64 ecouleMs() override { return HorlogeReelle::ecouleMs() + decalageSecondes * 1000; }
};

class BancReel : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Writes the settings file, then starts the program (the channel list is downloaded).
    void demarrer(const QByteArray& ini);
    QString prefixeSocket() const;
    // Stops and closes go on from the event loop: waits for the state they end in.
    bool attendreEtat(EtatLecteur etat, int ms = 10000)
    {
        return attendreQue([this, etat] { return app->parties().session.Etat == etat; }, ms);
    }

    QString vlc;
    FauxBoitier boitier;
    FauxDialogues dialogues;
    ClientWebQt web;
    FauxDossiers dossiers;
    FauxShell shell;
    HorlogeDecalee horloge;
    FausseInstance instance;
    DisqueReel disque;
    FauxSysteme systeme;
    PageReglagesHttp page;
    ServeurDiffereHttp serveurDiffere;
    VueIntegreeVlc vue;
    Adresses adresses;
    int portUdp = 0, portReglages = 0;
    std::unique_ptr<LecteursVlc> lecteurs;
    std::unique_ptr<Plateforme> plateforme;
    EtatFenetre etat;
    Fond fond{etat};
    std::unique_ptr<Application> app;
};
