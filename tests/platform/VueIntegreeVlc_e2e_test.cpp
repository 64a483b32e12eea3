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
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QWindow>
#include <QWidget>
#include <gtest/gtest.h>

namespace {



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

    vue.definirVolume(0);
    vue.ajouterEtJouer(boitier.url("/stream/2.ts"), options());

    // The test pattern is many colours; the widget alone is plain black.
    int couleurs = 0;
    EXPECT_TRUE(attendreQue([&] { return (couleurs = nombreDeCouleurs(ecranSous(*vue.surface()))) > 20; },
                            20000))
        << "colours seen over the view: " << couleurs;

    QString chemin;
    // A snapshot needs a picture on screen; the first one may come too early.
    for (int essai = 0; essai < 5 && !QFile::exists(chemin); ++essai) {
        chemin = vue.prendreInstantane();
        ASSERT_FALSE(chemin.isEmpty());
        attendreQue([&] { return QFile::exists(chemin); }, 3000);
    }
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

    // A second snapshot never takes the first one's name.
    const QString second = vue.prendreInstantane();
    EXPECT_NE(second, chemin);
    EXPECT_TRUE(attendreQue([&] { return QFile::exists(second); }, 5000));

    vue.arreter();
    vue.attendreTravaux();
    EXPECT_TRUE(VueIntegreeVlc::instanceCreee());
}

TEST_F(VueIntegreeVlcE2E, ClosingTheWindowStopsTheViewFirst)
{
    auto* hote = new QWidget(&fenetre);
    hote->resize(160, 120);
    hote->show();
    vue.placerDans(hote);
    vue.ajouterEtJouer(boitier.url("/stream/3.ts"), options());
    vue.attendreTravaux();
    // The window VLC draws into goes away while it plays: no crash, and the view
    // can still play into another widget afterwards.
    delete hote;
    EXPECT_EQ(vue.surface(), nullptr);
    vue.placerDans(&fenetre);
    vue.dimensionnerConteneur(320 * 15, 240 * 15);
    vue.ajouterEtJouer(boitier.url("/stream/3.ts"), options());
    EXPECT_TRUE(attendreQue([&] { return nombreDeCouleurs(ecranSous(*vue.surface())) > 20; }, 20000));
}
