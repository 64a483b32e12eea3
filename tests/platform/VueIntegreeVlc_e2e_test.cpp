#include "platform/reel/VueIntegreeVlc.h"
#include "support/Attente.h"
#include "support/Ecran.h"
#include "support/FauxBoitier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QWindow>
#include <QWidget>
#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

xcb_connection_t* connexionX()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// What the X server knows of a window: whether it exists, is shown, and its parent.
struct EtatFenetre {
    bool existe = false;
    bool affichee = false;
    quint32 parent = 0;
};
EtatFenetre etatFenetre(quint32 fenetre)
{
    EtatFenetre e;
    xcb_connection_t* c = connexionX();
    if (!c || !fenetre)
        return e;
    xcb_generic_error_t* erreur = nullptr;
    auto* attributs = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, fenetre), &erreur);
    std::free(erreur);
    erreur = nullptr;
    auto* arbre = xcb_query_tree_reply(c, xcb_query_tree(c, fenetre), &erreur);
    std::free(erreur);
    if (attributs && arbre) {
        e.existe = true;
        e.affichee = attributs->map_state == XCB_MAP_STATE_VIEWABLE;
        e.parent = arbre->parent;
    }
    std::free(attributs);
    std::free(arbre);
    return e;
}

QSize tailleFenetre(quint32 fenetre)
{
    xcb_connection_t* c = connexionX();
    auto* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, fenetre), nullptr);
    const QSize taille = g ? QSize(g->width, g->height) : QSize();
    std::free(g);
    return taille;
}

quint32 racineX()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connexionX())).data->root;
}

// The report of one snapshot, as it comes.
struct Ecriture {
    std::optional<bool> ecrit;
    int fois = 0;
    bool fichierLa = false;  // the JPEG was there when it was told
    qint64 apresMs = -1;
};
std::shared_ptr<Ecriture> instantane(VueIntegreeVlc& vue, QString& chemin)
{
    auto e = std::make_shared<Ecriture>();
    auto chrono = std::make_shared<QElapsedTimer>();
    chrono->start();
    auto nom = std::make_shared<QString>();
    chemin = vue.prendreInstantane(Suite<bool>([e, chrono, nom](bool ecrit) {
        e->ecrit = ecrit;
        ++e->fois;
        e->fichierLa = QFile::exists(*nom);
        e->apresMs = chrono->elapsed();
    }));
    *nom = chemin;
    return e;
}

// A still picture of alternate white and black lines, 720 x 576 with square pixels, MPEG-2:
// coded as interlaced (a white field, a black field) or as progressive frames.
bool fabriquerLignes(const QString& chemin, bool entrelace)
{
    QStringList arguments{"-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                          QString("color=c=black:size=720x576:rate=25,format=yuv420p,"
                                  "geq=lum='if(mod(Y\\,2)\\,16\\,235)':cb=128:cr=128,setfield=%1")
                              .arg(entrelace ? "tff" : "prog"),
                          "-t", "30", "-c:v", "mpeg2video", "-q:v", "2", "-g", "12", "-aspect", "5:4", "-an"};
    if (entrelace)
        arguments << "-flags" << "+ilme+ildct" << "-top" << "1";
    arguments << "-f" << "mpegts" << chemin;
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", arguments);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// Over the middle of a picture: the mean brightness, and the mean difference of brightness
// between neighbouring rows (high for alternate lines, nil for a flat picture).
struct Lignes {
    double luminosite = 0;
    double ecart = 0;
};
Lignes lignes(const QImage& image)
{
    Lignes l;
    const QRect milieu = image.rect().adjusted(image.width() / 4, image.height() / 4, -image.width() / 4,
                                               -image.height() / 4);
    int n = 0;
    for (int y = milieu.top(); y < milieu.bottom(); ++y)
        for (int x = milieu.left(); x <= milieu.right(); x += 4) {
            const int ici = qGray(image.pixel(x, y));
            l.luminosite += ici;
            l.ecart += std::abs(ici - qGray(image.pixel(x, y + 1)));
            ++n;
        }
    if (n > 0) {
        l.luminosite /= n;
        l.ecart /= n;
    }
    return l;
}

}  // namespace

class VueIntegreeVlcE2E : public testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != u"xcb")
            GTEST_SKIP() << "the embedded view needs an X display";
        ASSERT_TRUE(boitier.demarre());
        ASSERT_TRUE(boitier.attendreMedia(60000)) << "the simulated box made no stream";
        ASSERT_TRUE(instantanes.isValid());
        fenetre.resize(320, 240);
        fenetre.show();
        ASSERT_TRUE(attendreQue([this] { return fenetre.isVisible() && fenetre.windowHandle()
                                                 && fenetre.windowHandle()->isExposed(); },
                                5000));
    }

    QStringList options() const
    {
        return {":snapshot-format=jpg", ":snapshot-path=" + instantanes.path(), ""};
    }

    FauxBoitier boitier;
    QTemporaryDir instantanes;
    QWidget fenetre;
    VueIntegreeVlc vue;
};

TEST_F(VueIntegreeVlcE2E, PlaysTheBoxStreamInsideTheWindowAndSnapshotsAsJpeg)
{
    vue.placerDans(&fenetre);
    vue.dimensionnerConteneur(320 * 15, 240 * 15);
    ASSERT_NE(vue.surface(), nullptr);
    EXPECT_TRUE(vue.surface()->testAttribute(Qt::WA_NativeWindow));
    EXPECT_EQ(vue.surface()->size(), QSize(320, 240));
    // The player's own window fills the widget, and follows its size.
    ASSERT_NE(vue.fenetreVideo(), 0u);
    EXPECT_TRUE(attendreQue([&] { return tailleFenetre(vue.fenetreVideo()) == QSize(320, 240); }, 2000));
    vue.dimensionnerConteneur(200 * 15, 100 * 15);
    EXPECT_TRUE(attendreQue([&] { return tailleFenetre(vue.fenetreVideo()) == QSize(200, 100); }, 2000));
    EXPECT_TRUE(etatFenetre(vue.fenetreVideo()).affichee);
    vue.dimensionnerConteneur(320 * 15, 240 * 15);

    vue.definirVolume(0);
    vue.ajouterEtJouer(boitier.url("/stream/2.ts"), options());

    // The test pattern is many colours; the widget alone is plain black.
    int couleurs = 0;
    EXPECT_TRUE(attendreQue([&] { return (couleurs = nombreDeCouleurs(ecranSous(*vue.surface()))) > 20; },
                            20000))
        << "colours seen over the view: " << couleurs;

    QString chemin;
    std::shared_ptr<Ecriture> ecriture;
    // A snapshot needs a picture on screen; the first one may come too early.
    for (int essai = 0; essai < 5 && !(ecriture && ecriture->ecrit == true); ++essai) {
        ecriture = instantane(vue, chemin);
        ASSERT_FALSE(chemin.isEmpty());
        EXPECT_EQ(ecriture->fois, 0) << "told inside the call";
        EXPECT_EQ(vue.instantanesPromis(), 1);
        ASSERT_TRUE(attendreQue([&] { return ecriture->fois > 0; }, VueIntegreeVlc::kAttenteInstantaneMs + 2000));
        EXPECT_EQ(vue.instantanesPromis(), 0) << "a snapshot settled stays promised";
    }
    ASSERT_EQ(ecriture->ecrit, std::optional<bool>(true));
    EXPECT_TRUE(ecriture->fichierLa) << "told written before the JPEG was in place";
    ASSERT_TRUE(QFile::exists(chemin));
    EXPECT_EQ(QFileInfo(chemin).absolutePath(), QDir(instantanes.path()).absolutePath());
    EXPECT_TRUE(QFileInfo(chemin).fileName().startsWith("vlcsnap-"));
    EXPECT_TRUE(chemin.endsWith(".jpg"));
    QImageReader lecteur(chemin);
    EXPECT_EQ(lecteur.format(), "jpeg");
    const QImage image = lecteur.read();
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(nombreDeCouleurs(image), 20);
    // Only the finished picture is left in the folder.
    EXPECT_EQ(QDir(instantanes.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A second snapshot never takes the first one's name; a stop right after it is not
    // held behind it.
    QString second;
    const auto suivante = instantane(vue, second);
    EXPECT_NE(second, chemin);
    QElapsedTimer chrono;
    chrono.start();
    vue.arreter();
    EXPECT_LT(chrono.elapsed(), kAppelImmediatMs) << "the stop waited for the view's thread";
    vue.attendreTravaux();
    EXPECT_LT(chrono.elapsed(), 1500) << "the stop waited behind the snapshot";
    ASSERT_TRUE(attendreQue([&] { return suivante->fois > 0; }, VueIntegreeVlc::kAttenteInstantaneMs + 2000));
    EXPECT_EQ(suivante->fichierLa, suivante->ecrit == true);
    EXPECT_EQ(vue.instantanesPromis(), 0);
    EXPECT_TRUE(VueIntegreeVlc::instanceCreee());
    laisserTourner(300);
    EXPECT_EQ(ecriture->fois, 1);
    EXPECT_EQ(suivante->fois, 1);
}

TEST_F(VueIntegreeVlcE2E, ASnapshotThatNeverComesIsGivenUpAtTheBound)
{
    // The view's private folder for the player's PNG files goes into a folder of this test.
    QTemporaryDir prive;
    ASSERT_TRUE(prive.isValid());
    const QByteArray tmpAvant = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(prive.path()));
    struct Retour {
        QByteArray valeur;
        ~Retour() { valeur.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", valeur); }
    } retour{tmpAvant};

    vue.placerDans(&fenetre);
    vue.dimensionnerConteneur(320 * 15, 240 * 15);
    vue.definirVolume(0);
    vue.ajouterEtJouer(boitier.url("/stream/1.ts"), options());
    ASSERT_TRUE(attendreQue([&] { return nombreDeCouleurs(ecranSous(*vue.surface())) > 20; }, 20000));
    QString chemin;
    std::shared_ptr<Ecriture> premiere;
    for (int essai = 0; essai < 5 && !(premiere && premiere->ecrit == true); ++essai) {
        premiere = instantane(vue, chemin);
        ASSERT_TRUE(attendreQue([&] { return premiere->fois > 0; }, VueIntegreeVlc::kAttenteInstantaneMs + 2000));
    }
    ASSERT_EQ(premiere->ecrit, std::optional<bool>(true));

    // The player can no longer write its PNG: it takes the request and never says more.
    const QStringList dossiers = QDir(prive.path()).entryList({"kelmor-vue-*"}, QDir::Dirs);
    ASSERT_EQ(dossiers.size(), 1);
    const QString dossierPng = prive.filePath(dossiers.first());
    ASSERT_EQ(::chmod(QFile::encodeName(dossierPng).constData(), 0500), 0);
    QString perdu;
    const auto abandon = instantane(vue, perdu);
    ASSERT_TRUE(attendreQue([&] { return abandon->fois > 0; }, VueIntegreeVlc::kAttenteInstantaneMs + 3000));
    ::chmod(QFile::encodeName(dossierPng).constData(), 0700);
    EXPECT_EQ(abandon->ecrit, std::optional<bool>(false));
    EXPECT_GE(abandon->apresMs, VueIntegreeVlc::kAttenteInstantaneMs * 9 / 10);  // a coarse timer
    EXPECT_LT(abandon->apresMs, VueIntegreeVlc::kAttenteInstantaneMs + 1500);
    EXPECT_EQ(vue.instantanesPromis(), 0);
    EXPECT_FALSE(QFile::exists(perdu));
    EXPECT_EQ(QDir(instantanes.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(chemin).fileName()});

    // The view is not stuck: the next one is written.
    QString suivant;
    std::shared_ptr<Ecriture> apres;
    for (int essai = 0; essai < 3 && !(apres && apres->ecrit == true); ++essai) {
        apres = instantane(vue, suivant);
        ASSERT_TRUE(attendreQue([&] { return apres->fois > 0; }, VueIntegreeVlc::kAttenteInstantaneMs + 2000));
    }
    EXPECT_EQ(apres->ecrit, std::optional<bool>(true));
    EXPECT_TRUE(QFile::exists(suivant));
    vue.arreter();
}

TEST_F(VueIntegreeVlcE2E, LosingItsWidgetNeitherWaitsForThePlayerNorLeavesItAWindowThatIsGone)
{
    auto* hote = new QWidget(&fenetre);
    hote->resize(160, 120);
    hote->show();
    vue.placerDans(hote);
    vue.ajouterEtJouer(boitier.url("/stream/3.ts"), options());
    vue.attendreTravaux();
    const quint32 video = vue.fenetreVideo();
    ASSERT_NE(video, 0u);
    EXPECT_EQ(etatFenetre(video).parent, quint32(vue.surface()->winId()));
    ASSERT_TRUE(attendreQue([&] { return nombreDeCouleurs(ecranSous(*hote)) > 20; }, 20000));

    // The widget VLC draws into goes away while it plays. The window's thread does not wait
    // for the player to stop: the player's window is taken out of the widget, hidden,
    // and kept until the view's thread has stopped the player.
    QString chemin;
    instantane(vue, chemin);  // keeps the view's thread busy a moment
    QElapsedTimer chrono;
    chrono.start();
    delete hote;
    EXPECT_LT(chrono.elapsed(), kAppelImmediatMs) << "losing the widget waited for the player";
    EXPECT_EQ(vue.surface(), nullptr);
    EXPECT_EQ(vue.fenetreVideo(), 0u);
    const EtatFenetre sursis = etatFenetre(video);
    EXPECT_TRUE(sursis.existe) << "the player's window went before the player let go of it";
    EXPECT_FALSE(sursis.affichee);
    EXPECT_EQ(sursis.parent, racineX());
    vue.attendreTravaux();
    EXPECT_TRUE(attendreQue([&] { return !etatFenetre(video).existe; }, 2000)) << "the player's window is left over";

    // The view can still play into another widget afterwards.
    vue.placerDans(&fenetre);
    vue.dimensionnerConteneur(320 * 15, 240 * 15);
    vue.ajouterEtJouer(boitier.url("/stream/3.ts"), options());
    EXPECT_TRUE(attendreQue([&] { return nombreDeCouleurs(ecranSous(*vue.surface())) > 20; }, 20000));
}

// libVLC 3 has no audio output from a stop until the next item's sound is up and refuses a
// volume or a mute meanwhile: the view keeps them and gives them to the next item.
TEST_F(VueIntegreeVlcE2E, TheSoundSetBetweenTwoItemsHoldsForTheNextOneAndASilentItemHasNone)
{
    using Son = std::pair<int, int>;
    const auto son = [this] {
        const VueIntegreeVlc::SonLecteur s = vue.sonDuLecteur();
        return Son{s.volume, s.muet};
    };
    const auto attendreSon = [&](Son voulu) {
        Son vu;
        const bool ok = attendreQue([&] { return (vu = son()) == voulu; }, 15000);
        if (!ok)
            ADD_FAILURE() << "libVLC has volume " << vu.first << ", mute " << vu.second << "; expected "
                          << voulu.first << ", " << voulu.second;
        return ok;
    };
    vue.placerDans(&fenetre);
    vue.dimensionnerConteneur(320 * 15, 240 * 15);
    vue.definirVolume(60);
    vue.ajouterEtJouer(boitier.url("/stream/1.ts"), options());
    ASSERT_TRUE(attendreSon({60, 0}));
    vue.definirMuet(true);
    ASSERT_TRUE(attendreSon({60, 1}));

    // Between two items: no audio output, so libVLC itself would refuse these.
    vue.arreter();
    vue.viderListe();
    vue.attendreTravaux();
    EXPECT_EQ(son(), Son(-1, -1)) << "an audio output outlived the stop";
    vue.definirVolume(40);
    vue.definirMuet(false);
    vue.ajouterEtJouer(boitier.url("/stream/2.ts"), options());
    EXPECT_TRUE(attendreSon({40, 0}));

    vue.arreter();
    vue.definirMuet(true);
    vue.ajouterEtJouer(boitier.url("/stream/3.ts"), options());
    EXPECT_TRUE(attendreSon({40, 1}));

    // ":no-audio": the picture plays, and there is no sound to hear at all.
    vue.arreter();
    vue.definirMuet(false);
    vue.ajouterEtJouer(boitier.url("/stream/1.ts"), QStringList(options()) << ":no-audio");
    EXPECT_TRUE(attendreQue([&] { return nombreDeCouleurs(ecranSous(*vue.surface())) > 20; }, 20000));
    laisserTourner(1000);
    EXPECT_EQ(son(), Son(-1, -1));

    // So has one that asks for another deinterlace setting, for which a new player is made.
    vue.ajouterEtJouer(boitier.url("/stream/2.ts"), QStringList(options()).mid(0, 2)
                                                        << ":video-filter=deinterlace" << ":deinterlace-mode=bob"
                                                        << ":no-audio" << "");
    EXPECT_TRUE(attendreQue([&] { return nombreDeCouleurs(ecranSous(*vue.surface())) > 20; }, 20000));
    laisserTourner(1000);
    EXPECT_EQ(son(), Son(-1, -1)) << "the new player's own audio output was left open";
    vue.arreter();
}

// Deinterlacing as VLC does it by default, with the mode asked: the pictures the stream codes
// as interlaced are deinterlaced, progressive ones are shown as they are; without the filter
// nothing is. Alternate lines show it: blended, they become a flat grey.
TEST_F(VueIntegreeVlcE2E, DeinterlacesThePicturesCodedAsInterlacedAndLeavesProgressiveOnesAsTheyAre)
{
    const QString entrelace = instantanes.filePath("entrelace.ts");
    const QString progressif = instantanes.filePath("progressif.ts");
    ASSERT_TRUE(fabriquerLignes(entrelace, true));
    ASSERT_TRUE(fabriquerLignes(progressif, false));
    // The picture's own size: no scaling mixes the lines.
    fenetre.resize(720, 576);
    vue.placerDans(&fenetre);
    vue.dimensionnerConteneur(720 * 15, 576 * 15);
    const QStringList fondu = QStringList(options()).mid(0, 2)
                              << ":video-filter=deinterlace" << ":deinterlace-mode=blend" << ":no-audio" << "";
    const QStringList sans = QStringList(options()) << ":no-audio";
    const auto montre = [&](const char* quoi, bool rayee) {
        Lignes vu;
        const bool ok = attendreQue(
            [&] {
                vu = lignes(ecranSous(*vue.surface()));
                return vu.luminosite > 60 && vu.luminosite < 200 && (rayee ? vu.ecart > 150 : vu.ecart < 30);
            },
            15000);
        if (!ok)
            ADD_FAILURE() << quoi << ": brightness " << vu.luminosite << ", row to row " << vu.ecart << "; "
                          << (rayee ? "alternate lines" : "a flat picture") << " expected";
        return ok;
    };

    vue.ajouterEtJouer(entrelace, fondu);
    EXPECT_TRUE(montre("interlaced, blend", false));
    vue.ajouterEtJouer(progressif, fondu);
    EXPECT_TRUE(montre("progressive, blend", true));
    vue.ajouterEtJouer(entrelace, sans);
    EXPECT_TRUE(montre("interlaced, no filter", true));
    vue.ajouterEtJouer(entrelace, fondu);
    EXPECT_TRUE(montre("interlaced, blend again", false));
    vue.arreter();
}
