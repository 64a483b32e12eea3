// The options pane in the real window under Xvfb, with the real platform: a new recording
// folder and a favourite chosen there are in the settings file once the window has closed.
#include "panes/EditeurFavoris.h"
#include "shell/PanneauOptions.h"
#include "support/BancApplication.h"
#include "support/BancReel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {
using OptionsReelles = BancReel;

QString valeur(const QByteArray& fichier, const QString& cle)
{
    for (const QString& l : QString::fromUtf8(fichier).split('\n'))
        if (l.startsWith(cle + "="))
            return l.mid(cle.size() + 1);
    return "<absent>";
}
}  // namespace

TEST_F(OptionsReelles, TheFolderAndTheFavouriteChosenInTheOptionsAreSavedWhenTheWindowCloses)
{
    demarrer("");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    QTest::mouseClick(bouton(fond, "Options"), Qt::LeftButton);
    auto* p = fond.findChild<PanneauOptions*>("Fond2");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_FALSE(fond.findChild<QWidget*>("Fond1")->isVisible());

    const QString dossier = dossiers.racine.path() + "/videos";
    ASSERT_TRUE(QDir().mkpath(dossier));
    p->Onglets_Click(7);
    dialogues.dossiers = {dossier};
    QTest::mouseClick(p->bouton("RECpath0"), Qt::LeftButton);

    p->Onglets_Click(4);
    QComboBox* emplacement3 = p->favoris().ListeFav[2];
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p));
    emplacement3->setFocus();
    QTest::keyClick(emplacement3, Qt::Key_Down);  // the first channel
    QTest::keyClick(emplacement3, Qt::Key_Down);  // the second
    const QString chaine = app->parties().session.chaines.at(1).nom;
    EXPECT_EQ(app->parties().session.parametres.favoris.at(3), chaine);

    QTest::mouseClick(p->Retour, Qt::LeftButton);
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(fond.findChild<QWidget*>("Fond1")->isVisible());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].genre, Message::Information);

    fond.close();
    // The players close first (a single player at a time is the rule here), then the window.
    ASSERT_TRUE(attendreQue([this] { return fond.estFermee(); }, 10000));
    QFile f(dossiers.programme() + "Kelmor.ini");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray ini = f.readAll();
    EXPECT_EQ(valeur(ini, "RECP"), dossier + "/");
    EXPECT_EQ(valeur(ini, "FA03"), chaine);
}

TEST_F(OptionsReelles, ThePlayerResetRunsHiddenSavesThePlayersDefaultsAndEndsByItself)
{
    demarrer("");
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + "/.config") + "/vlc/vlcrc";
    QFile::remove(config);
    app->parties().options.Reinitialiser_Click();
    EXPECT_TRUE(lecteurs->enCours(RoleLecteur::Reinitialisation));
    EXPECT_TRUE(attendreQue([&] { return !lecteurs->enCours(RoleLecteur::Reinitialisation); }, 30000))
        << "the reset player did not quit";
    EXPECT_TRUE(QFile::exists(config)) << config.toStdString();
    // Our control socket's options were given on the command line only: none is saved.
    QFile f(config);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    for (const QByteArray& ligne : f.readAll().split('\n'))
        EXPECT_FALSE(ligne.startsWith("rc-unix=") || ligne.startsWith("extraintf=")) << ligne.toStdString();
    EXPECT_TRUE(dialogues.messages.empty());
}
