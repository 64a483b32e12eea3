#include "app/Application.h"
#include "app/SignauxArret.h"
#include "platform/Adresses.h"
#include "platform/Plateforme.h"
#include "platform/reel/ClientWebQt.h"
#include "platform/reel/DialoguesQt.h"
#include "platform/reel/LecteursVlc.h"
#include "platform/reel/PageReglagesHttp.h"
#include "platform/reel/PlateformeReelle.h"
#include "platform/reel/ServeurDiffereHttp.h"
#include "platform/reel/VueIntegreeVlc.h"
#include "engine/EtatFenetre.h"
#include "shell/Fond.h"
#include "shell/Police.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

#include <unistd.h>

namespace {
// The players' own bound (SIGKILL after 4 s) and a little more.
constexpr int kBorneFermetureMs = 6000;
}  // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("Kelmor");
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    appliquerPoliceApplication();

    // The interface is French whatever the system's locale: Qt's own buttons too.
    QTranslator traductionQt;
    if (traductionQt.load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qapp.installTranslator(&traductionQt);

    DossiersReels dossiers;
    DialoguesQt dialogues;
    ClientWebQt web;
    ShellReel shell;
    HorlogeReelle horloge;
    InstanceUniqueReelle instance(dossiers.programme());
    DisqueReel disque;
    SystemeReel systeme;
    LecteursVlc lecteurs(dossiers.programme());
    const Adresses adresses = Adresses::depuisEnvironnement();
    PageReglagesHttp pageReglages(adresses.portReglages, {});
    ServeurDiffereHttp serveurDiffere;
    // Nothing of libVLC starts here: its instance is made when the view first plays.
    VueIntegreeVlc vue;
    Plateforme plateforme{dialogues, web,          dossiers,       shell, horloge, instance, disque,
                          systeme,   lecteurs, pageReglages, serveurDiffere, vue,   adresses};

    // The window-state model outlives the window that shows it.
    EtatFenetre etatFenetre;
    Fond fond(etatFenetre);
    dialogues.setParent(&fond);
    Application app(plateforme, fond);

    // The session ending or a stop signal closes without questions, and still saves: nobody
    // may be there to answer, so the open boxes go and what was to be shown goes to the
    // standard error output. Within the players' bound and a little more, the program ends
    // whatever still waits (the lock goes with it).
    const auto fermerSansPersonne = [&app, &qapp] {
        static bool borne = false;
        if (!borne) {
            borne = true;
            QTimer::singleShot(kBorneFermetureMs, &qapp, [] {
                std::fputs("Kelmor : la fermeture a dépassé son délai, le programme s'arrête.\n", stderr);
                QCoreApplication::exit(0);
            });
        }
        app.fermerSansPersonne();
    };
    installerSignauxArret(&fond, [&app, fermerSansPersonne] {
        // Before start-up is over nothing is saved, as for its own endings.
        if (!app.parametresEcrits())
            ::_exit(0);
        fermerSansPersonne();
    });
    QObject::connect(&qapp, &QGuiApplication::commitDataRequest, &fond,
                     [fermerSansPersonne](QSessionManager&) { fermerSansPersonne(); });

    // What waits for no box to be open (a failure of the close's own work) is shown before
    // the program ends.
    QObject::connect(&fond, &Fond::fermee, &qapp, [&dialogues] { dialogues.quandLibre([] { QApplication::quit(); }); });
    // Start-up may go on inside the event loop (a check of the channel list waits for its
    // answer there): its end shows the window or ends the program, wherever it comes.
    bool enBoucle = false;
    const auto apresDemarrage = [&](bool continuer) {
        if (!continuer || fond.estFermee()) {
            if (enBoucle)
                QCoreApplication::exit(0);
            return false;
        }
        if (!app.demarreMinimise() && !fond.isVisible())
            fond.show();
        return true;
    };
    const std::optional<bool> issue = app.Form_Load(QApplication::arguments(), [&](bool continuer) {
        if (enBoucle)
            apresDemarrage(continuer);
    });
    if (issue && !apresDemarrage(*issue))
        return 0;
    enBoucle = true;
    return qapp.exec();
}
