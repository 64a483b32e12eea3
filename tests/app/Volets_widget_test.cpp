// The side panes with the real application: built when the user first opens them, and then
// showing what happened before they existed.
#include "panes/VoletAfficher.h"
#include "support/ControlesAfficher.h"
#include "shell/VoletsLateraux.h"
#include "support/BancApplication.h"

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct BancVolets : BancApplication {
    explicit BancVolets(const QByteArray& ini = {})
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6", "Arte"}));
        ecrire("Kelmor.ini", "MONO=0\nTRAN=0\n" + ini);
        EXPECT_TRUE(demarrer());
        fond->show();
        dialogues.messages.clear();
    }
    bool construit(const char* cadre) const { return fond->findChild<QWidget*>(cadre) != nullptr; }
    void ouvrir(const char* volet)
    {
        QTest::mouseClick(bouton(*fond, volet), Qt::LeftButton);
        EXPECT_TRUE(attendreForme());
    }
    bool gras(const char* nom) const { return bouton(*fond, nom)->font().bold(); }
};
}  // namespace

TEST(VoletsLateraux, NoSidePaneIsBuiltUntilTheUserOpensIt)
{
    BancVolets b;
    QCoreApplication::processEvents();
    for (const char* cadre : {"Fond1a", "Fond1b", "Fond1c", "Fond2"})
        EXPECT_FALSE(b.construit(cadre)) << cadre;
    EXPECT_FALSE(b.fond->volets().estConstruit(Volet::Afficher));

    b.ouvrir("Diffuser");
    EXPECT_TRUE(b.fond->findChild<QWidget*>("Fond1a")->isVisible());
    EXPECT_FALSE(b.construit("Fond1b"));
    EXPECT_FALSE(b.construit("Fond1c"));
    b.ouvrir("Guider");
    EXPECT_TRUE(b.fond->findChild<QWidget*>("Fond1c")->isVisible());
    EXPECT_FALSE(b.construit("Fond1b"));
    // The remote-control form's own buttons open them too.
    b.ouvrir("Guider");
    b.ouvrir("Mini");
    QTest::mouseClick(bouton(*b.fond, "GoAfficher"), Qt::LeftButton);
    ASSERT_TRUE(b.attendreForme());
    EXPECT_TRUE(b.fond->findChild<QWidget*>("Fond1b")->isVisible());
}

TEST(VoletsLateraux, APaneBuiltLateShowsWhatHappenedBeforeIt)
{
    BancVolets b("FA21=Arte\nFA23=TF1\nPROG=[A] 09/12/2026 21:00 - 21:30 > M6 (1)\n");
    // Before any pane exists: always on top, the last channel selected, the third favourites
    // group, a recording running.
    b.ouvrir("TopR");
    ASSERT_TRUE(b.gras("TopR"));
    b.fond->findChild<QListWidget*>("Chaînes")->setCurrentRow(3);
    QTest::mouseClick(bouton(*b.fond, "FavorisP"), Qt::LeftButton);
    QTest::mouseClick(bouton(*b.fond, "FavorisP"), Qt::LeftButton);
    ASSERT_EQ(b.app->parties().favoris.groupe(), 2);
    b.app->parties().moteur.ChangerEtat(EtatLecteur::Enregistrement);
    ASSERT_FALSE(b.fond->volets().estConstruit(Volet::Afficher));

    b.ouvrir("Afficher");
    const ControlesAfficher v(b.fond->afficher());
    EXPECT_TRUE(b.gras("TopR2"));
    EXPECT_TRUE(b.gras("Rec2"));
    EXPECT_TRUE(bouton(*b.fond, "ChaîneM2")->isEnabled());
    EXPECT_FALSE(bouton(*b.fond, "ChaîneP2")->isEnabled());
    for (int g = 0; g < 10; ++g)
        EXPECT_EQ(v.MosaFavo[std::size_t(g)]->font().bold(), g == 2) << g;
    EXPECT_EQ(v.Mosaic[0]->nom(), "Arte");
    EXPECT_EQ(v.Mosaic[1]->nom(), "");
    EXPECT_EQ(v.Mosaic[2]->nom(), "TF1");

    // The re-broadcast pane shows the recording's logo; the schedule, its entry and the
    // selected channel.
    b.ouvrir("Diffuser");
    EXPECT_TRUE(b.fond->findChild<QWidget*>("Logo2")->isVisible());
    EXPECT_FALSE(b.fond->findChild<QWidget*>("Logo1")->isVisible());
    b.ouvrir("Guider");
    auto* liste = b.fond->findChild<QListWidget*>("ProgListe");
    ASSERT_NE(liste, nullptr);
    ASSERT_EQ(liste->count(), 1);
    EXPECT_TRUE(liste->item(0)->text().contains("M6"));
    EXPECT_TRUE(b.fond->findChild<QLabel*>("ProgChaîne")->text().contains("Arte"));
}
