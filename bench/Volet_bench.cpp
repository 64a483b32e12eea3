// The side pane's fold-out and fold-in: wall time of the eleven widths from the click to the
// window enabled again, and the longest stretch the event loop stays blocked meanwhile (a 1 ms
// timer's longest gap). Runs on the display given (xvfb-run for X11), offscreen without one.
#include "shell/Fond.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// Tells, with DETAIL set, which events take long.
struct Application : QApplication {
    using QApplication::QApplication;
    bool notify(QObject* o, QEvent* e) override
    {
        QElapsedTimer t;
        t.start();
        const int type = e->type();
        const bool r = QApplication::notify(o, e);
        const double ms = t.nsecsElapsed() / 1e6;
        if (ms > 4 && qEnvironmentVariableIsSet("DETAIL"))
            std::printf("  event %d to %s: %.1f ms\n", type, o->metaObject()->className(), ms);
        return r;
    }
};
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    EtatFenetre etatFenetre;
    Fond fond(etatFenetre);
    fond.show();

    const int tours = 20;  // each: open, then close
    std::vector<double> durees;
    double blocageMax = 0;
    QElapsedTimer horloge, battement;
    int n = 0;
    QTimer sonde;
    sonde.setInterval(1);
    bool mesure = false;
    QObject::connect(&sonde, &QTimer::timeout, [&] {
        if (mesure) {
            const double g = battement.nsecsElapsed() / 1e6;
            if (g > 16 && qEnvironmentVariableIsSet("DETAIL"))
                std::printf("gap %.1f ms at %.1f ms of animation %d\n", g, horloge.nsecsElapsed() / 1e6, n);
            blocageMax = std::max(blocageMax, g);
        }
        battement.restart();
    });

    auto suivant = [&] {
        if (n == 2 * tours) {
            app.quit();
            return;
        }
        ++n;
        horloge.start();
        battement.restart();
        mesure = true;
        fond.appliqueur().Guider_Click();
    };
    QObject::connect(&fond.appliqueur(), &AppliqueurForme::animationTerminee, [&] {
        durees.push_back(horloge.nsecsElapsed() / 1e6);
        mesure = false;
        QTimer::singleShot(20, suivant);
    });
    sonde.start();
    QTimer::singleShot(200, suivant);  // the window shown and settled first
    app.exec();

    std::sort(durees.begin(), durees.end());
    std::printf("side pane, %zu animations of 11 widths (%s): median %.1f ms, worst %.1f ms; "
                "event loop blocked at most %.1f ms\n",
                durees.size(), qPrintable(QGuiApplication::platformName()), durees[durees.size() / 2],
                durees.back(), blocageMax);
    return durees.back() <= 150 && blocageMax <= 16 ? 0 : 1;
}
