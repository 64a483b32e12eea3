// The media pane, in the real application and main window (offscreen) over a 1,000-channel
// list, with an embedded view that only notes what it is asked:
// - from the "Direct" tab chosen to the channel handed to the view: our own share of the time
//   to the first picture (libVLC's own start and the stream's come after, on its thread);
// - the mosaic's timer steps over a full group, each one a single event of the loop: the
//   longest step is how long the mosaic can hold the window (snapshots are real JPEG files,
//   written between the steps as libVLC's thread would; the clock moves one second a step).
#include "DossierUtilisateur.h"
#include "PlateformeVide.h"

#include "app/Application.h"
#include "panes/VoletAfficher.h"
#include "shell/Fond.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTabBar>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using namespace banc;
using Montre = std::chrono::steady_clock;

// A clock moved by hand.
class HorlogePas : public Horloge {
public:
    QDateTime t{QDate::currentDate(), QTime(20, 0)};
    qint64 ecoule = 0;
    QDateTime maintenant() override { return t; }
    qint64 ecouleMs() override { return ecoule; }
    void apres(int ms, Suite<> etape) override
    {
        t = t.addMSecs(ms);
        ecoule += ms;
        etape();
    }
};

// Notes when an item is handed over; snapshots are promised and written by the bench later.
class VueBanc : public VueIntegree {
public:
    Montre::time_point joue{};
    int lectures = 0;
    QString dossier;
    QStringList aEcrire;
    void placerDans(QObject*) override {}
    void arreter() override {}
    void viderListe() override {}
    void ajouterEtJouer(const QString&, const QStringList& options) override
    {
        joue = Montre::now();
        ++lectures;
        for (const QString& o : options)
            if (o.startsWith(":snapshot-path="))
                dossier = o.mid(15);
    }
    void definirVolume(int) override {}
    void definirMuet(bool) override {}
    void placerConteneur(int, int) override {}
    void dimensionnerConteneur(int, int) override {}
    QString prendreInstantane(Suite<bool>) override
    {
        const QString chemin = dossier + QString("/vlcsnap-%1.jpg").arg(++instantanes_);
        aEcrire << chemin;
        return chemin;
    }

private:
    int instantanes_ = 0;
};

void taireMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

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
    s.moyenne /= double(v.size());
    std::sort(v.begin(), v.end());
    s.max = v.back();
    s.mediane = v[v.size() / 2];
    return s;
}

// A PAL-sized picture, as libVLC's snapshots are.
QByteArray imageJpeg()
{
    QImage image(720, 576, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 720, 576);
    g.setColorAt(0, Qt::red);
    g.setColorAt(0.5, Qt::green);
    g.setColorAt(1, Qt::blue);
    p.fillRect(image.rect(), g);
    p.end();
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPG", 90);
    return octets;
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
    HorlogePas horloge;
    Instance0 instance;
    Disque0 disque;
    Systeme0 systeme;
    Lecteurs0Vides lecteurs;
    PageReglages0 pageReglages;
    ServeurDiffere0 serveurDiffere;
    VueBanc vue;
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
    app.Chaines_DblClick();
    while (fond.animationEnCours())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    VoletAfficher& v = fond.afficher();
    auto* onglets = v.findChild<QTabBar*>("AfficherOnglets");
    if (!fond.forme().estOuvert(Volet::Afficher) || vue.lectures != 1) {
        std::fprintf(stderr, "the media pane did not open on the live view\n");
        return 1;
    }

    // The "Direct" tab chosen, from the recordings' tab.
    const int tours = 2000;
    std::vector<double> partNotre, handler, evenements;
    for (int i = 0; i < tours + 20; ++i) {
        onglets->setCurrentIndex(2);
        QApplication::processEvents();
        const int avant = vue.lectures;
        const auto t0 = Montre::now();
        onglets->setCurrentIndex(0);
        const auto t1 = Montre::now();
        QApplication::processEvents();
        const auto t2 = Montre::now();
        if (vue.lectures != avant + 1) {
            std::fprintf(stderr, "the view was not started\n");
            return 1;
        }
        if (i >= 20) {
            partNotre.push_back(us(vue.joue - t0));
            handler.push_back(us(t1 - t0));
            evenements.push_back(us(t2 - t1));
        }
    }
    const Stats p = stats(partNotre), h = stats(handler), e = stats(evenements);
    std::printf("\"Direct\" tab chosen to the channel handed to the view, %d rounds:\n", tours);
    std::printf("  our share (to the view)     mean %8.1f us  median %8.1f us  max %8.1f us  (target: 5 ms)\n",
                p.moyenne, p.mediane, p.max);
    std::printf("  whole tab handler           mean %8.1f us  median %8.1f us  max %8.1f us\n", h.moyenne,
                h.mediane, h.max);
    std::printf("  events it left (repaint)    mean %8.1f us  median %8.1f us  max %8.1f us\n", e.moyenne,
                e.mediane, e.max);

    // The mosaic: eight assigned tiles, ten cycles.
    const QByteArray jpeg = imageJpeg();
    onglets->setCurrentIndex(1);
    QApplication::processEvents();
    Mosaique& mosaique = app.parties().medias.mosaique();
    if (!mosaique.enCours()) {
        std::fprintf(stderr, "the mosaic did not start\n");
        return 1;
    }
    std::vector<double> pas, repeints;
    int images = 0;
    QObject::connect(&mosaique, &Mosaique::tuileChangee, [&](int t) {
        if (mosaique.tuile(t).contenu == TuileMosaique::Contenu::Image)
            ++images;
    });
    while (images < 80) {
        const auto t0 = Montre::now();
        mosaique.DoMosaic0_Timer();
        const auto t1 = Montre::now();
        QApplication::processEvents();  // the tiles' repaints
        const auto t2 = Montre::now();
        pas.push_back(us(t1 - t0));
        repeints.push_back(us(t2 - t1));
        for (const QString& chemin : vue.aEcrire) {
            QFile f(chemin);
            if (f.open(QIODevice::WriteOnly))
                f.write(jpeg);
        }
        vue.aEcrire.clear();
        horloge.t = horloge.t.addSecs(1);
        if (pas.size() > 10000) {
            std::fprintf(stderr, "the mosaic shows no pictures (%d)\n", images);
            return 1;
        }
    }
    const Stats m = stats(pas), r = stats(repeints);
    std::printf("Mosaic timer steps, %zu steps, %d pictures of %d bytes shown:\n", pas.size(), images,
                int(jpeg.size()));
    std::printf("  one step                    mean %8.1f us  median %8.1f us  max %8.1f us  (target: under 16 ms)\n",
                m.moyenne, m.mediane, m.max);
    std::printf("  tiles' repaint after it     mean %8.1f us  median %8.1f us  max %8.1f us\n", r.moyenne,
                r.mediane, r.max);
    app.parties().medias.AfficherOnglets_Click(OngletAfficher::Videos);
    return (p.max < 5000 && m.max < 16000 && r.max < 16000) ? 0 : 2;
}
