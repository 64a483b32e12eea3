#include "panes/PanneauFavoris.h"

#include "core/ReglesFavoris.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class PanneauFavorisAvecLogos : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        panneau.definirDossierLogos(dossier.path() + "/");
    }
    void image(const QString& fichier, QColor couleur)
    {
        QImage i(62, 48, QImage::Format_RGB32);
        i.fill(couleur);
        ASSERT_TRUE(i.save(dossier.path() + "/" + fichier, "PNG"));
    }
    QTemporaryDir dossier;
    PanneauFavoris panneau;
};
}  // namespace

TEST_F(PanneauFavorisAvecLogos, WithoutAPictureAFavouriteShowsItsNameAsCaption)
{
    panneau.AfficherLogoFavori("TF1", 2);
    EXPECT_EQ(panneau.legende(2), "TF1");
    EXPECT_FALSE(panneau.montreImage(2));
}

TEST_F(PanneauFavorisAvecLogos, APictureInTheFolderReplacesTheCaption)
{
    image("TF1.png", Qt::blue);
    panneau.AfficherLogoFavori("TF1", 2);
    EXPECT_EQ(panneau.legende(2), "");
    EXPECT_TRUE(panneau.montreImage(2));
    panneau.AfficherLogoFavori("M6", 2);
    EXPECT_EQ(panneau.legende(2), "M6");
    EXPECT_FALSE(panneau.montreImage(2));
}

TEST_F(PanneauFavorisAvecLogos, TheFrance3FamilyShowsTheFrance3PictureOrCaption)
{
    panneau.AfficherLogoFavori("France 3 Alsace", 4);
    EXPECT_EQ(panneau.legende(4), "France 3");
    image("France 3.png", Qt::darkBlue);
    panneau.AfficherLogoFavori("France 3 Alsace", 4);
    EXPECT_EQ(panneau.legende(4), "");
    EXPECT_TRUE(panneau.montreImage(4));
}

TEST_F(PanneauFavorisAvecLogos, AnEmptySlotShowsOurOwnPictureWithoutCaption)
{
    panneau.AfficherLogoFavori("", 7);
    EXPECT_EQ(panneau.legende(7), "");
    EXPECT_TRUE(panneau.montreImage(7));
    EXPECT_FALSE(ImageNonAttribue().isNull());
    EXPECT_EQ(ImageNonAttribue().size(), QSize(62, 48));
}

TEST_F(PanneauFavorisAvecLogos, AFileThatIsNoPictureCountsAsNoPicture)
{
    QFile f(dossier.path() + "/M6.png");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("pas une image");
    f.close();
    panneau.AfficherLogoFavori("M6", 1);
    EXPECT_EQ(panneau.legende(1), "M6");
    EXPECT_FALSE(panneau.montreImage(1));
}

TEST(PanneauFavoris, ButtonsCarryTheirNamesAndToolTips)
{
    PanneauFavoris p;
    EXPECT_EQ(p.objectName(), "Favoris");
    for (int i = 0; i <= 8; ++i) {
        QPushButton* b = p.findChild<QPushButton*>(QString("Favori(%1)").arg(i));
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->toolTip(), i == 0 ? "Regarder cette chaîne"
                                       : "Clic gauche pour afficher cette chaîne / Drag & drop droit pour déplacer ce favori");
    }
    EXPECT_EQ(p.findChild<QComboBox*>("FavorisListe")->toolTip(), "Sélectionner le groupe de favoris à afficher");
    EXPECT_EQ(p.findChild<QPushButton*>("FavorisP")->toolTip(), "Sélectionner le groupe de favoris suivant");
    EXPECT_EQ(p.findChild<QPushButton*>("FavorisM")->toolTip(), "Sélectionner le groupe de favoris précédent");
    EXPECT_NE(p.findChild<QLabel*>("FavorisNuméro"), nullptr);
}

TEST(PanneauFavoris, ShowingAGroupTellsNothingBack)
{
    PanneauFavoris p;
    QSignalSpy choix(&p, &PanneauFavoris::groupeChoisi);
    p.definirGroupes({"a", "b", "c"});
    p.afficherGroupe(2, {"TF1"});
    EXPECT_EQ(p.FavorisListe->currentIndex(), 2);
    EXPECT_EQ(p.FavorisNumero->text(), "2");
    EXPECT_EQ(p.legende(1), "TF1");
    EXPECT_EQ(p.legende(2), "");
    EXPECT_EQ(choix.count(), 0);
    p.FavorisListe->setCurrentIndex(1);
    ASSERT_EQ(choix.count(), 1);
    EXPECT_EQ(choix[0][0].toInt(), 1);
}
