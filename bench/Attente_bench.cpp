// The longest the window's thread goes without running its event loop while the program
// waits: a channel change, a close with two players running (one of which ignores the
// polite stop), a guide fetch against a site that never answers, and a time-shift start.
// The real application and window (offscreen), the real players' registry starting stand-in
// programs, the real HTTP client and real timers. Target: each under 50 ms.
#include "DossierUtilisateur.h"
#include "PlateformeVide.h"

#include "app/Application.h"
#include "engine/EtatLecteur.h"
#include "panes/VoletGuide.h"
#include "platform/Plateforme.h"
#include "platform/reel/ClientWebQt.h"
#include "platform/reel/LecteursVlc.h"
#include "platform/reel/PlateformeReelle.h"
#include "platform/reel/ServeurDiffereHttp.h"
#include "shell/Fond.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
using namespace banc;

// Every question answered Yes: leaving time-shift asks one.
class DialoguesOui : public Dialogues0 {
public:
    DialoguesOui() { oui = true; }
};

void taireMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// Runs the event loop until `fin` holds or ms pass; returns the longest gap, in ms, between
// two runs of a 1 ms timer meanwhile (-1 when `fin` never held).
qint64 plusLongBlocage(const std::function<void()>& action, const std::function<bool()>& fin, int ms)
{
    QElapsedTimer depuis, total;
    qint64 pire = 0;
    QTimer sonde;
    sonde.setInterval(1);
    sonde.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sonde, &QTimer::timeout, [&] { pire = std::max(pire, depuis.restart()); });
    sonde.start();
    depuis.start();
    total.start();
    action();
    pire = std::max(pire, depuis.restart());
    while (!fin() && total.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    sonde.stop();
    return fin() ? pire : -1;
}

bool ecrireJoueur(const QString& chemin, const QByteArray& script)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(script) != script.size())
        return false;
    f.close();
    return f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qInstallMessageHandler(taireMessages);
    QTemporaryDir racine;
    const QString dossier = racine.path() + "/";
    if (!racine.isValid() || !preparerDossier(dossier, 1000)) {
        std::fprintf(stderr, "cannot prepare the data folder\n");
        return 1;
    }
    // Stand-in players: one leaves on the polite stop, one has to be killed.
    const QString poli = dossier + "vlc";
    const QString sourd = dossier + "vlc-sourd";
    if (!ecrireJoueur(poli, "#!/bin/sh\ntrap 'exit 0' TERM\nwhile :; do sleep 0.1 & wait; done\n")
        || !ecrireJoueur(sourd, "#!/bin/sh\ntrap '' TERM\nwhile :; do sleep 0.1; done\n")) {
        std::fprintf(stderr, "cannot write the stand-in players\n");
        return 1;
    }
    // A guide site that takes the connection and never answers.
    QTcpServer muet;
    if (!muet.listen(QHostAddress::LocalHost)) {
        std::fprintf(stderr, "no loopback port\n");
        return 1;
    }

    DialoguesOui dialogues;
    ClientWebQt web(3000);
    Dossiers0 dossiers(racine.path());
    Shell0 shell;
    HorlogeReelle horloge;
    Instance0 instance;
    Disque0 disque;
    Systeme0 systeme;
    LecteursVlc lecteurs(dossier);
    PageReglages0 pageReglages;
    ServeurDiffereHttp serveurDiffere;
    Vue0 vue;
    Adresses adresses;
    adresses.guide = QStringLiteral("127.0.0.1:%1").arg(muet.serverPort());
    Plateforme plateforme{dialogues, web,     dossiers, shell,        horloge,        instance,
                          disque,    systeme, lecteurs, pageReglages, serveurDiffere, vue, adresses};
    EtatFenetre etatFenetre;
    Fond fond(etatFenetre);
    Application app(plateforme, fond);
    if (app.Form_Load({"/usr/bin/kelmor"}) != true) {
        std::fprintf(stderr, "start-up refused\n");
        return 1;
    }
    fond.show();
    Session& s = app.parties().session;
    s.parametres.cheminVLC = poli;
    auto etat = [&s](EtatLecteur e) { return [&s, e] { return s.Etat == e; }; };
    auto libre = [&fond, &app] { return fond.isEnabled() && !app.parties().moteur.operationEnCours(); };

    std::printf("Longest block of the window's thread (target: under 50 ms):\n");
    bool echec = false;
    auto noter = [&echec](const char* quoi, qint64 ms) {
        std::printf("  %-48s %5lld ms%s\n", quoi, static_cast<long long>(ms), ms < 0 ? "  (never ended)" : "");
        echec = echec || ms < 0 || ms >= 50;
    };

    app.parties().transport.Play_Click();
    noter("channel change while watching",
          plusLongBlocage([&] { app.parties().transport.ChaineP_Click(); },
                          [&] { return s.Etat == EtatLecteur::Lecture && libre() && lecteurs.enCours(RoleLecteur::Regarder); },
                          10000));
    noter("stop of the watching player",
          plusLongBlocage([&] { app.parties().moteur.StopAll_Click(); }, etat(EtatLecteur::Arret), 10000));

    noter("time-shift start (buffering, viewer)",
          plusLongBlocage([&] { app.parties().transport.Shift_Click(); },
                          [&] { return s.Etat == EtatLecteur::Differe && libre(); }, 15000));
    // The recorder of the time-shift now ignores the polite stop: it is killed at the bound.
    s.parametres.cheminVLC = sourd;
    lecteurs.demarrer(RoleLecteur::DiffereEnregistreur, sourd, {});
    if (lecteurs.aucunEnCours())
        std::fprintf(stderr, "the time-shift's players are not running\n");
    noter("close of two players, one killed at the bound",
          plusLongBlocage([&] { app.parties().moteur.StopAll_Click(); }, etat(EtatLecteur::Arret), 15000));
    s.parametres.cheminVLC = poli;

    fond.appliqueur().Guider_Click();
    plusLongBlocage([] {}, [&fond] { return !fond.animationEnCours(); }, 5000);
    auto* onglets = fond.findChild<QTabWidget*>("GuiderOnglets");
    noter("guide fetch against a site that never answers",
          plusLongBlocage([&] { onglets->setCurrentIndex(1); }, [&] { return fond.isEnabled(); }, 10000));

    // Nothing of ours outlives the bench: the close is over once its report came.
    bool fermes = false;
    lecteurs.fermerTous(Suite<>([&fermes] { fermes = true; }));
    plusLongBlocage([] {}, [&fermes] { return fermes; }, 8000);
    return echec ? 1 : 0;
}
