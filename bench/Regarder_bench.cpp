// From the watch action to the player started: the real application and main window
// (offscreen) over a 1,000-channel list, with waits that return at once. First with a player
// start that returns at once (our own work alone), then with the real player start of
// LecteursVlc starting a stand-in program ("/bin/true": what is measured is the start of a
// process from this one, whatever it runs).
#include "DossierUtilisateur.h"
#include "PlateformeVide.h"

#include "app/Application.h"
#include "engine/EtatLecteur.h"
#include "platform/Plateforme.h"
#include "platform/reel/LecteursVlc.h"
#include "shell/Fond.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using namespace banc;

// Records the last start and returns at once; with `reel` set, the real players start too.
class Lecteurs0 : public Lecteurs {
public:
    int demarrages = 0;
    QStringList derniersArguments;
    bool regarder = false;
    LecteursVlc* reel = nullptr;
    std::chrono::steady_clock::duration dureeDemarrer{};
    bool demarrer(RoleLecteur role, const QString& programme, const QStringList& arguments) override
    {
        ++demarrages;
        derniersArguments = arguments;
        regarder = role == RoleLecteur::Regarder;
        if (!reel)
            return true;
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = reel->demarrer(role, programme, arguments);
        dureeDemarrer = std::chrono::steady_clock::now() - t0;
        return ok;
    }
    bool enCours(RoleLecteur role) override { return regarder && role == RoleLecteur::Regarder; }
    bool aucunEnCours() override { return !regarder; }
    void envoyerTouche(RoleLecteur, const QString&, Suite<bool> recu) override { recu(regarder); }
    void fermer(RoleLecteur role, Suite<> fin) override
    {
        if (role == RoleLecteur::Regarder)
            regarder = false;
        fin();
    }
    void fermerTous(Suite<> fin) override
    {
        regarder = false;
        if (reel)
            reel->fermerTous({});
        fin();
    }
    void fermerRestes() override {}
};

// The offscreen platform warns on every raise(); writing that out is no work of ours.
void taireMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

using Montre = std::chrono::steady_clock;

// Resident memory of this process in MiB (fork copies its page tables).
double memoireMo()
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

double us(Montre::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Stats {
    double moyenne = 0, max = 0, mediane = 0;
};

Stats stats(std::vector<double> v)
{
    Stats s;
    if (v.empty())
        return s;
    for (double x : v)
        s.moyenne += x;
    s.moyenne /= static_cast<double>(v.size());
    std::sort(v.begin(), v.end());
    s.max = v.back();
    s.mediane = v[v.size() / 2];
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qInstallMessageHandler(taireMessages);
    QTemporaryDir racine;
    constexpr int kChaines = 1000;
    if (!racine.isValid() || !banc::preparerDossier(racine.path() + "/", kChaines)) {
        std::fprintf(stderr, "cannot prepare the data folder\n");
        return 1;
    }

    Dialogues0 dialogues;
    ClientWeb0 web;
    Dossiers0 dossiers(racine.path());
    Shell0 shell;
    Horloge0 horloge;
    Instance0 instance;
    Disque0 disque;
    Systeme0 systeme;
    Lecteurs0 lecteurs;
    PageReglages0 pageReglages;
    ServeurDiffere0 serveurDiffere;
    Vue0 vue;
    Plateforme plateforme{dialogues, web,     dossiers, shell,        horloge,        instance,
                          disque,    systeme, lecteurs, pageReglages, serveurDiffere, vue, Adresses{}};
    EtatFenetre etatFenetre;
    Fond fond(etatFenetre);
    Application app(plateforme, fond);
    if (app.Form_Load({"/usr/bin/kelmor"}) != true) {
        std::fprintf(stderr, "start-up refused (%d messages)\n", dialogues.messages);
        return 1;
    }
    fond.show();
    QApplication::processEvents();
    if (app.parties().session.chaines.taille() != kChaines || app.parties().session.chaineSelectionnee < 0) {
        std::fprintf(stderr, "%d channels read, selection %d\n", app.parties().session.chaines.taille(), app.parties().session.chaineSelectionnee);
        return 1;
    }

    const int tours = 2000;
    std::vector<double> regarder, evenements;
    regarder.reserve(tours);
    evenements.reserve(tours);
    for (int i = 0; i < tours + 20; ++i) {
        const auto t0 = Montre::now();
        app.parties().transport.Play_Click();
        const auto t1 = Montre::now();
        // What the click left for the event loop (repaints of the state and title).
        QApplication::processEvents();
        const auto t2 = Montre::now();
        if (app.parties().session.Etat != EtatLecteur::Lecture || !lecteurs.regarder) {
            std::fprintf(stderr, "the player was not started (state %d, %d messages)\n", valeur(app.parties().session.Etat),
                         dialogues.messages);
            return 1;
        }
        app.parties().moteur.StopAll_Click();
        QApplication::processEvents();
        if (i >= 20) {  // the first rounds warm up
            regarder.push_back(us(t1 - t0));
            evenements.push_back(us(t2 - t1));
        }
    }
    const QString attendu = app.parties().session.chaines.at(app.parties().session.chaineSelectionnee).adresse;
    if (!lecteurs.derniersArguments.contains(attendu)) {
        std::fprintf(stderr, "the player was not given %s\n", qPrintable(attendu));
        return 1;
    }

    const Stats r = stats(regarder), e = stats(evenements);
    std::printf("Play_Click to the player started (player start and waits excluded), %d channels, %d rounds:\n",
                kChaines, tours);
    std::printf("  Play_Click                  mean %8.1f us  median %8.1f us  max %8.1f us  (target: under 20 ms)\n",
                r.moyenne, r.mediane, r.max);
    std::printf("  events it left (repaint)    mean %8.1f us  median %8.1f us  max %8.1f us\n", e.moyenne, e.mediane,
                e.max);
    std::printf("  player arguments: %s\n", qPrintable(lecteurs.derniersArguments.join(' ')));

    // The same with the real start of a player process.
    LecteursVlc reels(racine.path());
    lecteurs.reel = &reels;
    const QString cheminAvant = app.parties().session.parametres.cheminVLC;
    app.parties().session.parametres.cheminVLC = "/bin/true";
    const int toursReels = 300;
    std::vector<double> clics, departs;
    for (int i = 0; i < toursReels + 10; ++i) {
        const auto t0 = Montre::now();
        app.parties().transport.Play_Click();
        const auto t1 = Montre::now();
        if (app.parties().session.Etat != EtatLecteur::Lecture || reels.pid(RoleLecteur::Regarder) == 0) {
            std::fprintf(stderr, "the real player was not started (state %d, %d messages)\n", valeur(app.parties().session.Etat),
                         dialogues.messages);
            return 1;
        }
        QApplication::processEvents();
        app.parties().moteur.StopAll_Click();
        QApplication::processEvents();
        if (i >= 10) {
            clics.push_back(us(t1 - t0));
            departs.push_back(us(lecteurs.dureeDemarrer));
        }
    }
    app.parties().session.parametres.cheminVLC = cheminAvant;
    lecteurs.reel = nullptr;
    const Stats c = stats(clics), d = stats(departs);
    std::printf("Play_Click with the real start of a player process (%s), %d rounds, this process %.0f MiB:\n",
                "/bin/true", toursReels, memoireMo());
    std::printf("  Play_Click                  mean %8.1f us  median %8.1f us  max %8.1f us  (target: under 5 ms)\n",
                c.moyenne, c.mediane, c.max);
    std::printf("  LecteursVlc::demarrer       mean %8.1f us  median %8.1f us  max %8.1f us\n", d.moyenne, d.mediane,
                d.max);
    return 0;
}
