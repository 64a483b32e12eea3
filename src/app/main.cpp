#include "app/Application.h"
#include "platform/Adresses.h"
#include "platform/Plateforme.h"
#include "platform/reel/ClientWebQt.h"
#include "platform/reel/DialoguesQt.h"
#include "platform/reel/LecteursVlc.h"
#include "platform/reel/PageReglagesHttp.h"
#include "platform/reel/PlateformeReelle.h"
#include "platform/reel/ServeurDiffereHttp.h"
#include "shell/Fond.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTranslator>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int gSignalFd[2] = {-1, -1};

void surSignal(int)
{
    const char c = 1;
    [[maybe_unused]] auto n = ::write(gSignalFd[1], &c, 1);
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("Kelmor");
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

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
    Plateforme plateforme{dialogues, web,     dossiers,      shell,          horloge, instance,
                          disque,    systeme, lecteurs, pageReglages, serveurDiffere, adresses};

    Fond fond;
    dialogues.setParent(&fond);
    Application app(plateforme, fond);

    // The session ending or a stop signal closes without questions, and still saves.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalFd) == 0) {
        auto* notif = new QSocketNotifier(gSignalFd[0], QSocketNotifier::Read, &fond);
        QObject::connect(notif, &QSocketNotifier::activated, &fond, [&fond, &app] {
            char c;
            [[maybe_unused]] auto n = ::read(gSignalFd[0], &c, 1);
            // Before start-up is over nothing is saved, as for its own endings.
            if (!app.parametresEcrits())
                ::_exit(0);
            fond.fermerSansQuestion();
        });
        std::signal(SIGTERM, surSignal);
        std::signal(SIGINT, surSignal);
        std::signal(SIGHUP, surSignal);
    }
    QObject::connect(&qapp, &QGuiApplication::commitDataRequest, &fond,
                     [&fond](QSessionManager&) { fond.fermerSansQuestion(); });

    QObject::connect(&fond, &Fond::fermee, &qapp, &QApplication::quit);
    if (!app.Form_Load(QApplication::arguments()))
        return 0;
    if (fond.estFermee())  // closed while start-up was still waiting for the player
        return 0;
    if (!app.demarreMinimise() && !fond.isVisible())
        fond.show();
    return qapp.exec();
}
