#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "support/BancApplication.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QByteArray ligne(const char* heure, const char* id, const char* titre)
{
    return QByteArray("<tr><td width=\"40\"><b>") + heure + "</b></td><td><a href=\"javascript:popup_emission('" + id +
           "')\">" + titre + "</a></td></tr>\n";
}

// The application on the doubles, the guide site serving channel 2's page for today.
struct BancVoletGuide : BancApplication {
    BancVoletGuide()
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"Télé Bleue", "Ciné Été", "Sans Guide"}));
        EXPECT_TRUE(demarrer());
        const QString racine = adresses.racineGuide();
        web.pages[racine + "index.php?canal=1&nb_jour=0"] =
            "<select name=\"nb_jour\"><option value=\"0\" selected>09/12/2026</option>"
            "<option value=\"6\">15/12/2026</option></select>";
        web.pages[racine + "index.php?canal=2&nb_jour=0"] =
            ligne("20:50", "4521", "Les Experts<br>Episode 12") + ligne("22:35", "4522", "Faites entrer l'accus&eacute;") +
            ligne("23:40", "4523", "Nuit");
        web.pages[adresses.racineAudience() + "audience15.xml"] =
            "<?xml version=\"1.0\"?><channel><name>Arts &amp; Co</name><market_share>12.5</market_share>"
            "<epg_title>Opéra</epg_title></channel>";
        dialogues.messages.clear();
    }
    QTabWidget* onglets() const { return fond->findChild<QTabWidget*>("GuiderOnglets"); }
    QListWidget* chaines() const { return fond->findChild<QListWidget*>("Chaînes"); }
    QListWidget* guideListe() const { return fond->findChild<QListWidget*>("GuideListe"); }
    QStringList rangees() const
    {
        QStringList l;
        for (int i = 0; i < guideListe()->count(); ++i)
            l << guideListe()->item(i)->text();
        return l;
    }
};
}  // namespace

TEST(VoletGuide, OpeningThePaneLandsOnTheScheduleTabWithoutFetching)
{
    BancVoletGuide b;
    bouton(*b.fond, "Guider")->click();
    b.attendreForme();
    EXPECT_EQ(b.fond->guide().onglet(), 1);
    EXPECT_TRUE(b.fond->programmation().isVisible());
    EXPECT_TRUE(b.web.demandes.isEmpty());
}

TEST(VoletGuide, AChannelChangeOnTheGuideTabFetchesTheDayListAndThePageOnOtherTabsNothing)
{
    BancVoletGuide b;
    b.chaines()->setCurrentRow(0);
    bouton(*b.fond, "Guider")->click();
    b.attendreForme();
    b.onglets()->setCurrentIndex(1);  // "Guide TV", by the user
    EXPECT_EQ(b.web.demandes.size(), 2);
    EXPECT_EQ(b.rangees(), QStringList({"Le Guide TV ne propose pas cette chaîne."}));

    b.web.demandes.clear();
    b.chaines()->setCurrentRow(1);
    const QString racine = b.adresses.racineGuide();
    EXPECT_EQ(b.web.demandes, QStringList({racine + "index.php?canal=1&nb_jour=0", racine + "index.php?canal=2&nb_jour=0"}));
    EXPECT_EQ(b.rangees(), QStringList({"20:50 > Les Experts : Episode 12", "22:35 > Faites entrer l'accusé", "23:40 > Nuit"}));
    EXPECT_EQ(b.fond->findChild<QComboBox*>("GuideDate")->count(), 8);
    EXPECT_EQ(b.fond->findChild<QComboBox*>("GuideDate")->currentText(), "09/12/2026 (mercredi)");
    EXPECT_TRUE(b.fond->isEnabled());

    b.onglets()->setCurrentIndex(0);
    b.web.demandes.clear();
    b.chaines()->setCurrentRow(2);
    EXPECT_TRUE(b.web.demandes.isEmpty());

    b.onglets()->setCurrentIndex(2);
    EXPECT_EQ(b.web.demandes, QStringList({b.adresses.racineAudience() + "audience15.xml"}));
    b.web.demandes.clear();
    b.chaines()->setCurrentRow(0);
    EXPECT_TRUE(b.web.demandes.isEmpty());
    EXPECT_EQ(b.fond->findChild<QPlainTextEdit*>("Liste15_2")->toPlainText(), "Arts & Co  (Opéra)");
    EXPECT_EQ(b.fond->findChild<QLabel*>("AudienceNow")->text(), "(à 20:00:00)");
}

TEST(VoletGuide, ProgrammingARowAddsTheEntryOnTheGuidesChannelAndSavesIt)
{
    BancVoletGuide b;
    b.chaines()->setCurrentRow(1);
    bouton(*b.fond, "Guider")->click();
    b.attendreForme();
    b.onglets()->setCurrentIndex(1);
    ASSERT_EQ(b.guideListe()->count(), 3);
    // 20:00 is before the first start: the first row is selected.
    EXPECT_EQ(b.guideListe()->currentRow(), 0);
    EXPECT_TRUE(bouton(*b.fond, "GuideRésumé")->isEnabled());
    bouton(*b.fond, "GuideRésumé")->click();
    EXPECT_EQ(b.shell.ouverts, QStringList({b.adresses.racineGuide() + "detail.php?id_programme=4521"}));

    bouton(*b.fond, "GuideProg")->click();
    // Default margins: 5 minutes before, 15 after.
    const QString entree = "[A] 09/12/2026 20:45 - 22:50 > Ciné Été (1)";
    EXPECT_EQ(b.app->parties().session.programmes.textes(), QStringList({entree}));
    EXPECT_TRUE(QString::fromUtf8(b.lire("Kelmor.ini")).contains("\nPROG=" + entree + "\n"));
    EXPECT_EQ(b.dialogues.textes(), QStringList({"L'enregistrement de cette émission a été programmé."}));

    // The last row has no known end.
    b.dialogues.messages.clear();
    b.guideListe()->setCurrentRow(2);
    bouton(*b.fond, "GuideProg")->click();
    EXPECT_EQ(b.dialogues.textes(), QStringList({"L'heure de fin de cette émission est inconnue.\n"
                                                 "L'enregistrement de cette émission n'a pas été\nprogrammé."}));
    EXPECT_EQ(b.app->parties().session.programmes.nombre(), 1);
}

TEST(VoletGuide, ADoubleClickOnARowNotYetSelectedProgrammesThatRow)
{
    BancVoletGuide b;
    b.fond->show();
    b.chaines()->setCurrentRow(1);
    bouton(*b.fond, "Guider")->click();
    b.attendreForme();
    b.onglets()->setCurrentIndex(1);
    QListWidget* l = b.guideListe();
    ASSERT_EQ(l->count(), 3);
    ASSERT_EQ(l->currentRow(), 0);

    // What the mouse sends for a double-click: press, release, double-click, release.
    QWidget* vue = l->viewport();
    const QPoint ici = l->visualItemRect(l->item(1)).center();
    QTest::mousePress(vue, Qt::LeftButton, {}, ici);
    QTest::mouseRelease(vue, Qt::LeftButton, {}, ici);
    QTest::mouseDClick(vue, Qt::LeftButton, {}, ici);
    EXPECT_EQ(l->currentRow(), 1);
    EXPECT_EQ(b.app->parties().session.programmes.textes(), QStringList({"[A] 09/12/2026 22:30 - 23:55 > Ciné Été (1)"}));
    EXPECT_EQ(b.dialogues.textes(), QStringList({"L'enregistrement de cette émission a été programmé."}));
}

TEST(VoletGuide, AClickOnProgrammerWhileAPageIsOnItsWayIsDroppedNotReplayed)
{
    BancVoletGuide b;
    b.fond->show();
    b.chaines()->setCurrentRow(1);
    bouton(*b.fond, "Guider")->click();
    b.attendreForme();
    b.onglets()->setCurrentIndex(1);
    ASSERT_EQ(b.guideListe()->currentRow(), 0);

    // The next day's page is slow to come.
    b.web.differer = true;
    auto* date = b.fond->findChild<QComboBox*>("GuideDate");
    date->setCurrentIndex(2);
    emit date->activated(2);
    EXPECT_FALSE(b.fond->isEnabled());
    EXPECT_TRUE(b.fond->findChild<QWidget*>("Connecting")->isVisibleTo(b.fond.get()));
    QTest::mouseClick(bouton(*b.fond, "GuideProg"), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_TRUE(b.web.repondre());
    QCoreApplication::processEvents();
    EXPECT_TRUE(b.fond->isEnabled());
    EXPECT_EQ(b.app->parties().session.programmes.nombre(), 0);
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(VoletGuide, TheConnectingNoticeIsDrawnReadableAndAnUnreachableGuideSaysSoInTheList)
{
    BancVoletGuide b;
    b.web.pages.clear();
    b.fond->show();
    bouton(*b.fond, "Guider")->click();
    b.attendreForme();
    b.web.differer = true;
    b.onglets()->setCurrentIndex(1);
    auto* connexion = b.fond->findChild<QLabel*>("Connecting");
    ASSERT_NE(connexion, nullptr);
    ASSERT_TRUE(connexion->isVisible());
    ASSERT_FALSE(connexion->isEnabled()) << "the window takes no input meanwhile";
    // Its text and background in the colours of an enabled label, not the disabled grey.
    const QPalette actif = QApplication::palette(connexion);
    for (const QPalette::ColorRole r : {QPalette::WindowText, QPalette::Window})
        EXPECT_EQ(connexion->palette().color(QPalette::Disabled, r), actif.color(QPalette::Active, r)) << int(r);
    const QImage image = connexion->grab().toImage();
    bool texteSombre = false;
    for (int y = 0; y < image.height() && !texteSombre; ++y)
        for (int x = 0; x < image.width() && !texteSombre; ++x)
            texteSombre = qGray(image.pixel(x, y)) < 64;
    EXPECT_TRUE(texteSombre) << "the text is drawn dark on its background";

    ASSERT_TRUE(b.web.repondre());
    EXPECT_EQ(b.dialogues.textes(), QStringList({"Le Guide TV est inaccessible."}));
    EXPECT_EQ(b.rangees(), QStringList({"Le Guide TV est inaccessible."}));
}
