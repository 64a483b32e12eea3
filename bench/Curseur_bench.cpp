// The mini-screen's size slider dragged across its range: each step resizes the window, the
// video frame and the view's own native window. Timed per step: the slider's move through the
// window's layout to the next frame painted (events handled, X requests done), in wall time
// and in this process's CPU time (our own work; under Xvfb the X server's software drawing of
// the large native windows is the rest). Runs on the display given (xvfb-run for X11),
// offscreen without one.
#include "panes/VoletAfficher.h"
#include "platform/reel/VueIntegreeVlc.h"
#include "shell/Fond.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
// CPU time of this process (all threads), ms: our own work, without the waits on the X server.
double tempsProcesseurMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    EtatFenetre etatFenetre;
    Fond fond(etatFenetre);
    VueIntegreeVlc vue;
    VoletAfficher& v = fond.afficher();
    auto* taille = v.findChild<QSlider*>("SizeBar2");
    // As the program wires them: the slider sizes the window, the frame sizes the view.
    QObject::connect(&v, &VoletAfficher::sizeBar2Change, &fond.appliqueur(), &AppliqueurForme::SizeBar2_Scroll);
    QObject::connect(&v, &VoletAfficher::tailleVueChangee, [&](const QSize& t) { vue.dimensionnerConteneur(t.width(), t.height()); });
    QObject::connect(&v, &VoletAfficher::origineVueChangee, [&](const QPoint& t) { vue.placerConteneur(t.x(), t.y()); });
    fond.show();
    fond.appliqueur().Afficher_Click();
    QElapsedTimer attente;
    attente.start();
    while (fond.animationEnCours() && attente.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    v.afficherCadre(CadreAfficher::Direct);
    v.accueillirVue(vue);
    fond.appliqueur().Mini2_Click();
    QApplication::processEvents();

    // Three sweeps 35 -> 500 -> 35 by the slider's small step, as a drag goes.
    std::vector<double> pas, propre;
    for (int tour = 0; tour < 3; ++tour)
        for (int sens : {+1, -1})
            for (int i = 0; i <= 465; ++i) {
                const int valeur = sens > 0 ? 35 + i : 500 - i;
                QElapsedTimer t;
                const double cpu0 = tempsProcesseurMs();
                t.start();
                taille->setValue(valeur);
                QApplication::processEvents();
                QApplication::sync();
                pas.push_back(t.nsecsElapsed() / 1e6);
                propre.push_back(tempsProcesseurMs() - cpu0);
                if (qEnvironmentVariableIsSet("DETAIL") && pas.back() > 16)
                    std::printf("  %d%%: %.1f ms\n", valeur, pas.back());
            }
    const QSize fin = fond.size();
    std::sort(pas.begin(), pas.end());
    std::sort(propre.begin(), propre.end());
    std::printf("size slider, %zu steps (%s): median %.2f ms, 99th percentile %.2f ms, worst %.2f ms "
                "(target: under 16 ms); window at the end %dx%d\n",
                pas.size(), qPrintable(QGuiApplication::platformName()), pas[pas.size() / 2],
                pas[pas.size() * 99 / 100], pas.back(), fin.width(), fin.height());
    std::printf("  of which our own work (CPU time of the process): median %.2f ms, 99th percentile %.2f ms, "
                "worst %.2f ms\n",
                propre[propre.size() / 2], propre[propre.size() * 99 / 100], propre.back());
    return 0;
}
