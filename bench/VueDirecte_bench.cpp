// The live view once playing: the CPU this process spends a minute while the embedded view
// plays, against vlc (no interface, the same X11 video output, drawing into a window of the
// same size: the view's size in the media pane), on the simulated box's stream and on a PAL
// interlaced MPEG-2 stream like the real box's (made by ffmpeg); then the time from an item
// handed to the view to its first picture on the screen. The view gets the item options of
// the default settings (deinterlaced by blending), as the live view does.
// Needs an X display and an ordinary user (vlc refuses root; as root vlc's rows are left out):
//   runuser -u kelmortest -- xvfb-run -a -s "-screen 0 1280x1024x24" build/VueDirecte_bench [seconds] [rounds]
#include "core/Parametres.h"
#include "engine/OptionsVue.h"
#include "platform/reel/VueIntegreeVlc.h"
#include "support/Attente.h"
#include "support/Ecran.h"
#include "support/FauxBoitier.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// The video area of the media pane in its design frame.
const QSize kTailleVue(337, 249);
constexpr int kChauffeMs = 5000;  // start-up of the player left out of the count

void taireMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

void patienter(int ms)
{
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

double cpuProcessus()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// User and system time of another process, from /proc; -1 once it is gone.
double cpuDe(qint64 pid)
{
    QFile f(QString("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray texte = f.readAll();
    // Fields after the command's closing parenthesis: utime and stime are the 12th and 13th.
    const QList<QByteArray> champs = texte.mid(texte.lastIndexOf(')') + 2).split(' ');
    if (champs.size() < 13)
        return -1;
    return (champs[11].toDouble() + champs[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

double chargeMachine()
{
    QFile f("/proc/loadavg");
    return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').value(0).toDouble() : -1;
}

bool imageSous(const QWidget& w)
{
    return nombreDeCouleurs(ecranSous(w)) > 20;
}

// 720 x 576, 25 interlaced frames a second (top field first), MPEG-2 at a broadcast rate.
bool fabriquerFluxPal(const QString& chemin, int secondes)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start("ffmpeg", {"-nostdin", "-hide_banner", "-loglevel", "error", "-y",
                            "-f", "lavfi", "-i", "testsrc2=size=720x576:rate=50",
                            "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000",
                            "-t", QString::number(secondes),
                            "-vf", "tinterlace=mode=interleave_top,setfield=tff",
                            "-c:v", "mpeg2video", "-flags", "+ilme+ildct", "-top", "1",
                            "-b:v", "4M", "-maxrate", "4M", "-bufsize", "1835k", "-g", "12",
                            "-c:a", "mp2", "-b:a", "192k", "-ac", "2", "-f", "mpegts", chemin});
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

struct Mesure {
    double vue = 0;  // seconds a minute
    double vlc = -1;
};

double mediane(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    qInstallMessageHandler(taireMessages);
    const int secondes = argc > 1 ? std::max(5, atoi(argv[1])) : 60;
    const int tours = argc > 2 ? std::max(1, atoi(argv[2])) : 1;
    if (QGuiApplication::platformName() != u"xcb") {
        std::fprintf(stderr, "needs an X display (xvfb-run -a)\n");
        return 1;
    }
    const bool avecVlc = geteuid() != 0;
    if (!avecVlc)
        std::printf("run as root: vlc refuses it, its rows are left out\n");

    FauxBoitier boitier;
    if (!boitier.demarre() || !boitier.attendreMedia(60000)) {
        std::fprintf(stderr, "the simulated box made no stream\n");
        return 1;
    }
    QTemporaryDir dossier;
    const QString pal = dossier.path() + "/pal.ts";
    if (!dossier.isValid() || !fabriquerFluxPal(pal, secondes + kChauffeMs / 1000 + 10)) {
        std::fprintf(stderr, "ffmpeg could not make the PAL stream\n");
        return 1;
    }
    struct Flux {
        const char* nom;
        QString adresse;
    };
    const Flux flux[] = {{"simulated box (320x240 progressive MPEG-2, 300 kb/s)", boitier.url("/stream/2.ts")},
                         {"PAL interlaced (720x576i MPEG-2, 4 Mb/s, file)", pal}};
    const QStringList options = OptionsElementVue(dossier.path() + "/", Parametres{});

    // The view in its window; vlc draws into a window of the same size beside it.
    QWidget fenetre;
    fenetre.setGeometry(QRect(QPoint(20, 20), kTailleVue));
    QWidget cadreVlc;
    cadreVlc.setAttribute(Qt::WA_NativeWindow);
    cadreVlc.setGeometry(QRect(QPoint(400, 20), kTailleVue));
    fenetre.show();
    cadreVlc.show();
    if (!attendreQue([&] { return fenetre.windowHandle()->isExposed() && cadreVlc.windowHandle()->isExposed(); },
                     5000)) {
        std::fprintf(stderr, "the windows were not shown\n");
        return 1;
    }
    VueIntegreeVlc vue;
    vue.placerDans(&fenetre);
    vue.dimensionnerConteneur(kTailleVue.width() * 15, kTailleVue.height() * 15);

    std::printf("CPU a minute once playing, %d s counted after %d s, %d round(s), window %dx%d, "
                "view options: %s\n",
                secondes, kChauffeMs / 1000, tours, kTailleVue.width(), kTailleVue.height(),
                qPrintable(options.join(' ')));
    std::printf("  load before: %.2f\n", chargeMachine());
    int resultat = 0;
    for (const Flux& f : flux) {
        std::vector<double> vues, vlcs;
        for (int t = 0; t < tours; ++t) {
            vue.ajouterEtJouer(f.adresse, options);
            if (!attendreQue([&] { return imageSous(*vue.surface()); }, 20000)) {
                std::fprintf(stderr, "the view shows no picture of %s\n", f.nom);
                return 1;
            }
            patienter(kChauffeMs);
            const double a = cpuProcessus();
            patienter(secondes * 1000);
            vues.push_back((cpuProcessus() - a) * 60.0 / secondes);
            vue.arreter();
            vue.attendreTravaux();
            if (!avecVlc)
                continue;

            QProcess vlc;
            vlc.setStandardOutputFile(QProcess::nullDevice());
            vlc.setStandardErrorFile(QProcess::nullDevice());
            vlc.start("vlc", {"-I", "dummy", "--no-one-instance", "--no-dbus", "--vout=xcb_x11",
                              "--drawable-xid=" + QString::number(cadreVlc.winId()), "--", f.adresse});
            if (!vlc.waitForStarted(5000) || !attendreQue([&] { return imageSous(cadreVlc); }, 20000)) {
                std::fprintf(stderr, "vlc shows no picture of %s\n", f.nom);
                resultat = 1;
            } else {
                patienter(kChauffeMs);
                const double b = cpuDe(vlc.processId());
                patienter(secondes * 1000);
                const double c = cpuDe(vlc.processId());
                if (b >= 0 && c >= 0)
                    vlcs.push_back((c - b) * 60.0 / secondes);
            }
            vlc.terminate();
            if (!vlc.waitForFinished(5000))
                vlc.kill();
            vlc.waitForFinished(2000);
        }
        Mesure m{mediane(vues), mediane(vlcs)};
        std::printf("  %s\n", f.nom);
        std::printf("    the live view   %6.2f s a minute", m.vue);
        for (double v : vues)
            std::printf("  %.2f", v);
        std::printf("\n");
        if (m.vlc >= 0) {
            std::printf("    vlc             %6.2f s a minute", m.vlc);
            for (double v : vlcs)
                std::printf("  %.2f", v);
            std::printf("\n    ratio           %6.2fx\n", m.vue / m.vlc);
        }
    }

    // First picture: from the item handed over, the window cleared of the last one, to a
    // picture under the view; the stream's key frames come once a second.
    std::vector<double> premieres;
    xcb_connection_t* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    for (int i = 0; i < 20; ++i) {
        vue.arreter();
        vue.attendreTravaux();
        xcb_clear_area(x, 0, vue.fenetreVideo(), 0, 0, 0, 0);
        xcb_flush(x);
        if (!attendreQue([&] { return !imageSous(*vue.surface()); }, 2000)) {
            std::fprintf(stderr, "the view's window was not cleared\n");
            return 1;
        }
        QElapsedTimer chrono;
        chrono.start();
        vue.ajouterEtJouer(boitier.url(i % 2 ? "/stream/3.ts" : "/stream/2.ts"), options);
        if (!attendreQue([&] { return imageSous(*vue.surface()); }, 20000)) {
            std::fprintf(stderr, "no first picture\n");
            return 1;
        }
        premieres.push_back(double(chrono.nsecsElapsed()) / 1e6);
    }
    vue.arreter();
    vue.attendreTravaux();
    std::sort(premieres.begin(), premieres.end());
    std::printf("First picture after the item is handed over, %zu plays of the simulated box's streams:\n",
                premieres.size());
    std::printf("  min %6.0f ms  median %6.0f ms  max %6.0f ms\n", premieres.front(), mediane(premieres),
                premieres.back());
    std::printf("  load after: %.2f\n", chargeMachine());
    return resultat;
}
