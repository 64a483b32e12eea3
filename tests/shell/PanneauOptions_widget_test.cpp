#include "app/Cablage.h"
#include "core/ClesParametres.h"
#include "core/FichierParametres.h"
#include "engine/Options.h"
#include "panes/EditeurFavoris.h"
#include "shell/ControlesOptions.h"
#include "shell/PanneauOptions.h"
#include "shell/Textures.h"
#include "support/Attente.h"
#include "support/BancApplication.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QTabBar>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {
const QStringList kChaines = {"TF1", "France 2", "Arte", "M6"};

QString valeur(const QByteArray& fichier, const QString& cle)
{
    for (const QString& l : QString::fromUtf8(fichier).split('\n'))
        if (l.startsWith(cle + "="))
            return l.mid(cle.size() + 1);
    return "<absent>";
}

void preparer(BancApplication& b, const QByteArray& ini = {})
{
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist(kChaines));
    if (!ini.isEmpty())
        b.ecrire("Kelmor.ini", ini);
    ASSERT_TRUE(b.demarrer());
    b.dialogues.messages.clear();
}

PanneauOptions& ouvrir(BancApplication& b)
{
    bouton(*b.fond, "Options")->click();
    auto* p = b.fond->findChild<PanneauOptions*>("Fond2");
    EXPECT_NE(p, nullptr);
    return *p;
}

// The control's value as the settings file stores it.
QString valeurAffichee(PanneauOptions& p, const ControleOption& r)
{
    QWidget* w = p.controle(NomControle(r));
    switch (r.genre) {
    case GenreControle::Case: return qobject_cast<QCheckBox*>(w)->isChecked() ? "1" : "0";
    case GenreControle::Liste: return QString::number(qobject_cast<QComboBox*>(w)->currentIndex());
    case GenreControle::Curseur: return QString::number(qobject_cast<QSlider*>(w)->value());
    case GenreControle::Saisie: return qobject_cast<QLineEdit*>(w)->text();
    case GenreControle::Valeur: return QString(r.cle) == "RECP" ? p.dossier() : qobject_cast<QLabel*>(w)->text();
    case GenreControle::Paire:
        return w->findChild<QRadioButton*>(NomControle(r) + "(1)")->isChecked() ? "1" : "2";
    default: return {};
    }
}

// Changes the control as the user would; returns the value the file must then hold.
QString changer(BancApplication& b, PanneauOptions& p, const ControleOption& r, const QString& dossier)
{
    QWidget* w = p.controle(NomControle(r));
    switch (r.genre) {
    case GenreControle::Case:
        qobject_cast<QCheckBox*>(w)->click();
        break;
    case GenreControle::Liste: {
        auto* l = qobject_cast<QComboBox*>(w);
        l->setCurrentIndex(l->currentIndex() == l->count() - 1 ? 0 : l->count() - 1);
        emit l->activated(l->currentIndex());
        break;
    }
    case GenreControle::Curseur:
        qobject_cast<QSlider*>(w)->setValue(150);
        break;
    case GenreControle::Saisie: {
        auto* e = qobject_cast<QLineEdit*>(w);
        e->clear();
        QTest::keyClicks(e, "42");
        break;
    }
    case GenreControle::Valeur:
        if (QString(r.cle) == "RECP") {
            b.dialogues.dossiers = {dossier};
            p.bouton("RECpath0")->click();
        } else {
            b.dialogues.fichiers = {"/usr/bin/convertir"};
            p.bouton("AutoSél")->click();
        }
        break;
    case GenreControle::Paire:
        w->findChild<QRadioButton*>(NomControle(r) + (valeurAffichee(p, r) == "1" ? "(2)" : "(1)"))->click();
        break;
    default:
        break;
    }
    return valeurAffichee(p, r);
}
}  // namespace

TEST(PanneauOptions, EveryControlKeepsItsValueThroughOkTheSettingsFileAndANewWindow)
{
    BancApplication b;
    preparer(b, "MONO=0\n");
    PanneauOptions& p = ouvrir(b);
    const QString dossier = b.dossiers.racine.path() + "/enregistrements";
    QDir().mkpath(dossier);

    std::map<QString, QString> attendu;
    for (const ControleOption& r : ControlesOptions()) {
        if (!r.cle)
            continue;
        const QString avant = valeurAffichee(p, r);
        attendu[r.cle] = changer(b, p, r, dossier);
        EXPECT_NE(attendu[r.cle], avant) << r.cle;
    }
    p.Retour->click();
    EXPECT_FALSE(p.isVisible());

    const QByteArray ini = b.lire("Kelmor.ini");
    for (const auto& [cle, v] : attendu)
        EXPECT_EQ(valeur(ini, cle), v) << cle.toStdString();
    EXPECT_EQ(valeur(ini, "MONO"), "0");

    BancApplication b2;
    b2.ecrire("Kelmor.ini", ini);
    preparer(b2);
    PanneauOptions& p2 = ouvrir(b2);
    for (const ControleOption& r : ControlesOptions()) {
        if (r.cle) {
            EXPECT_EQ(valeurAffichee(p2, r), attendu[r.cle]) << r.cle;
        }
    }
}

TEST(PanneauOptions, EveryControlChangedWithoutOkIsSavedByTheClose)
{
    BancApplication b;
    preparer(b, "MONO=0\n");
    PanneauOptions& p = ouvrir(b);
    const QString dossier = b.dossiers.racine.path() + "/enregistrements";
    QDir().mkpath(dossier);
    std::map<QString, QString> attendu;
    for (const ControleOption& r : ControlesOptions())
        if (r.cle)
            attendu[r.cle] = changer(b, p, r, dossier);
    b.fond->close();
    EXPECT_TRUE(b.fond->estFermee());
    const QByteArray ini = b.lire("Kelmor.ini");
    for (const auto& [cle, v] : attendu)
        EXPECT_EQ(valeur(ini, cle), v) << cle.toStdString();
    EXPECT_EQ(valeur(ini, "MONO"), "0");
    EXPECT_TRUE(b.dialogues.messages.empty()) << "the close tells nothing of what waits for the next start";

    // The session's end saves them too.
    BancApplication b2;
    preparer(b2);
    PanneauOptions& p2 = ouvrir(b2);
    qobject_cast<QCheckBox*>(p2.controle("TRANtag"))->click();
    const bool tran = qobject_cast<QCheckBox*>(p2.controle("TRANtag"))->isChecked();
    b2.fond->fermerSansQuestion();
    EXPECT_EQ(valeur(b2.lire("Kelmor.ini"), "TRAN"), tran ? "1" : "0");
}

TEST(PanneauOptions, OkTellsTheTwoChangesThatWaitForTheNextStartWithTheirExactTexts)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    const QString dossier = b.dossiers.racine.path() + "/ailleurs";
    QDir().mkpath(dossier);
    b.dialogues.dossiers = {dossier};
    p.bouton("RECpath0")->click();
    qobject_cast<QCheckBox*>(p.controle("SORTtag"))->click();
    p.Retour->click();

    ASSERT_EQ(b.dialogues.messages.size(), 2u);
    EXPECT_EQ(b.dialogues.messages[0],
              (Message{Message::Information, "La modification du répertoire de sauvegarde des enregistrements\n"
                                             "sera prise en compte au prochaine lancement d'Kelmor."}));
    EXPECT_EQ(b.dialogues.messages[1],
              (Message{Message::Information, "La modification de l'ordre de tri des chaînes sera\n"
                                             "prise en compte au prochain lancement d'Kelmor."}));
    // The folder in use stays until the next start.
    EXPECT_EQ(b.app->parties().session.DossierEnregistrement, b.dossiers.documentsChemin);
    EXPECT_TRUE(b.fond->findChild<QWidget*>("Fond1")->isVisibleTo(b.fond.get()));
    EXPECT_EQ(p.onglet(), 1);
}

TEST(PanneauOptions, ChangingTheSortOrderTwiceTellsNothing)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    qobject_cast<QCheckBox*>(p.controle("SORTtag"))->click();
    qobject_cast<QCheckBox*>(p.controle("SORTtag"))->click();
    p.Retour->click();
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(PanneauOptions, ASettingsFileThatCannotBeWrittenKeepsThePaneOpen)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    QFile::remove(b.programme() + "Kelmor.ini");
    QDir().mkpath(b.programme() + "Kelmor.ini/occupe");
    qobject_cast<QCheckBox*>(p.controle("SORTtag"))->click();
    p.Retour->click();

    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, kMessageEchecParametres}));
    EXPECT_TRUE(b.fond->etat().optionsOuvertes());
    EXPECT_TRUE(p.isVisibleTo(b.fond.get()));
}

TEST(PanneauOptions, TheEditorsSlotChangeLandsInTheEditedGroup)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    EditeurFavoris& e = p.favoris();
    e.EditerFav->setCurrentIndex(3);
    emit e.EditerFav->activated(3);
    EXPECT_EQ(e.TexteFav->text(), TableFavoris::nomParDefaut(3));
    e.ListeFav[4]->setCurrentIndex(2);
    emit e.ListeFav[4]->activated(2);
    EXPECT_EQ(b.app->parties().session.parametres.favoris.at(35), "Arte");
    EXPECT_EQ(b.app->parties().session.parametres.favoris.at(5), "");

    // Showing the group again selects the slot's channel.
    e.EditerFav->setCurrentIndex(0);
    emit e.EditerFav->activated(0);
    EXPECT_EQ(e.ListeFav[4]->currentIndex(), -1);
    e.EditerFav->setCurrentIndex(3);
    emit e.EditerFav->activated(3);
    EXPECT_EQ(e.ListeFav[4]->currentIndex(), 2);

    e.ListeFav0[4]->click();
    EXPECT_EQ(b.app->parties().session.parametres.favoris.at(35), "");
    emit e.ListeFav[4]->activated(1);
    p.Retour->click();
    EXPECT_EQ(valeur(b.lire("Kelmor.ini"), "FA35"), "France 2");
}

TEST(PanneauOptions, AGroupNameWithAnEqualsSignIsKeptThroughTheSettingsFileAndANewWindow)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    EditeurFavoris& e = p.favoris();
    e.TexteFav->clear();
    QTest::keyClicks(e.TexteFav, "Foot=Rugby");
    EXPECT_EQ(e.TexteFav->text(), "Foot=Rugby");
    e.ModifierFav->click();
    EXPECT_EQ(b.app->parties().session.parametres.favoris.at(0), "Foot=Rugby");
    EXPECT_EQ(e.EditerFav->itemText(0), "Foot=Rugby");
    p.Retour->click();
    const QByteArray ini = b.lire("Kelmor.ini");
    EXPECT_EQ(valeur(ini, "FA00"), "Foot=Rugby");

    BancApplication b2;
    b2.ecrire("Kelmor.ini", ini);
    preparer(b2);
    EXPECT_EQ(b2.app->parties().session.parametres.favoris.at(0), "Foot=Rugby");
    EXPECT_EQ(ouvrir(b2).favoris().TexteFav->text(), "Foot=Rugby");

    // A line break pasted in cannot reach the file.
    e.TexteFav->setText("deux");
    e.TexteFav->insert("\nlignes");
    EXPECT_EQ(e.TexteFav->text(), "deux");
    e.EffacerFav->click();
    EXPECT_EQ(b.app->parties().session.parametres.favoris.at(0), "");
    EXPECT_EQ(e.TexteFav->text(), "");
}

TEST(PanneauOptions, TheWheelOverAListOrASliderScrollsThePaneAndChangesNoSetting)
{
    BancApplication b;
    preparer(b, "VENC=1\nAUTR=1\nAUTP=/usr/bin/convertir\nFA01=TF1\n");
    b.fond->show();
    PanneauOptions& p = ouvrir(b);
    const auto tourner = [](QWidget* w, int crans) {
        const QPointF ici = QRectF(w->rect()).center();
        QWheelEvent e(ici, w->mapToGlobal(ici), {}, QPoint(0, -120 * crans), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w, &e);
    };
    const auto reglages = [&b, &p] {
        ContenuParametres c = b.app->parties().session.parametres;
        p.lire(c);
        return c;
    };
    int vus = 0;
    for (int onglet = 1; onglet <= 8; ++onglet) {
        p.Onglets_Click(onglet);
        QList<QWidget*> valeurs;
        for (QComboBox* l : p.findChildren<QComboBox*>())
            valeurs << l;
        for (QSlider* c : p.findChildren<QSlider*>())
            valeurs << c;
        for (QWidget* w : valeurs) {
            if (!w->isVisible())
                continue;
            ++vus;
            const ContenuParametres avant = reglages();
            auto* l = qobject_cast<QComboBox*>(w);
            const int index = l ? l->currentIndex() : qobject_cast<QSlider*>(w)->value();
            for (int crans : {1, 1, -1, -3})
                tourner(w, crans);
            EXPECT_EQ(l ? l->currentIndex() : qobject_cast<QSlider*>(w)->value(), index) << w->objectName().toStdString();
            EXPECT_EQ(reglages(), avant) << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(vus, 5 + 9 + 5) << "FOND, AVAN, APRE, LACE, ZOOM; the editor's group and slots; the codecs' lists";
    EXPECT_TRUE(b.dialogues.messages.empty());

    // Over a list, the wheel scrolls the tab it lies in.
    p.Onglets_Click(5);
    auto* profils = qobject_cast<QComboBox*>(p.controle("Profils"));
    QScrollBar* barre = nullptr;
    for (QWidget* w = profils; w && !barre; w = w->parentWidget())
        if (auto* zone = qobject_cast<QScrollArea*>(w))
            barre = zone->verticalScrollBar();
    ASSERT_NE(barre, nullptr);
    ASSERT_GT(barre->maximum(), 0);
    barre->setValue(0);
    tourner(profils, 1);
    EXPECT_GT(barre->value(), 0);
    EXPECT_EQ(profils->currentIndex(), 0);
}

TEST(PanneauOptions, AProfileFillsTheInputsAndTheListGoesBackToItsPrompt)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    auto* profils = qobject_cast<QComboBox*>(p.controle("Profils"));
    profils->setCurrentIndex(2);
    emit profils->activated(2);
    EXPECT_EQ(profils->currentIndex(), 0);
    EXPECT_EQ(qobject_cast<QLineEdit*>(p.controle("VDEBtag"))->text(), "256");
    EXPECT_EQ(qobject_cast<QLineEdit*>(p.controle("VECHtag"))->text(), "41");
    EXPECT_EQ(qobject_cast<QComboBox*>(p.controle("ACANtag"))->currentIndex(), 0);
    EXPECT_EQ(p.taille(), "140 Mo");

    profils->setCurrentIndex(3);
    emit profils->activated(3);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(p.controle("AUDOtag"))->isChecked());
    EXPECT_EQ(p.taille(), "84 Mo");
}

TEST(PanneauOptions, TypingTheVideoRateResetsTheProfileAndUpdatesTheEstimateAtEachKey)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    auto* profils = qobject_cast<QComboBox*>(p.controle("Profils"));
    auto* vdeb = qobject_cast<QLineEdit*>(p.controle("VDEBtag"));
    vdeb->clear();
    profils->setCurrentIndex(1);
    QTest::keyClick(vdeb, '1');
    EXPECT_EQ(profils->currentIndex(), 0);
    EXPECT_EQ(p.taille(), "56 Mo");
    QTest::keyClick(vdeb, '0');
    EXPECT_EQ(p.taille(), "60 Mo");
    QTest::keyClick(vdeb, '2');
    EXPECT_EQ(p.taille(), "101 Mo");
    QTest::keyClicks(vdeb, "x.");
    EXPECT_EQ(vdeb->text(), "102");
    QTest::keyClicks(vdeb, "9999");  // 102999 kbit/s is more than the field takes
    EXPECT_EQ(vdeb->text(), "10299");
}

TEST(PanneauOptions, TickingOneOnTopOptionUnticksTheOther)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    auto* mtop = qobject_cast<QCheckBox*>(p.controle("MTOPtag"));
    auto* otop = qobject_cast<QCheckBox*>(p.controle("OTOPtag"));
    ASSERT_TRUE(mtop->isChecked());
    otop->click();
    EXPECT_TRUE(otop->isChecked());
    EXPECT_FALSE(mtop->isChecked());
    mtop->click();
    EXPECT_FALSE(otop->isChecked());
    mtop->click();
    EXPECT_FALSE(otop->isChecked());
}

TEST(PanneauOptions, TheCheckBoxesShowTheirFramesAndTheZoomItsLabel)
{
    BancApplication b;
    preparer(b, "VENC=1\nZOOM=123\nAUTR=0\n");
    PanneauOptions& p = ouvrir(b);
    EXPECT_FALSE(p.controle("FondEnc")->isHidden());
    EXPECT_TRUE(p.controle("FondAuto")->isHidden());
    EXPECT_EQ(qobject_cast<QLabel*>(p.controle("ZoomTxt"))->text(), "123%");
    p.bouton("Zoom100")->click();
    EXPECT_EQ(qobject_cast<QLabel*>(p.controle("ZoomTxt"))->text(), "100%");
    qobject_cast<QCheckBox*>(p.controle("AUTRtag"))->click();
    EXPECT_FALSE(p.controle("FondAuto")->isHidden());
}

TEST(PanneauOptions, OkWithoutAProgramUnticksItsOptionAndCancellingThePickerKeepsTheProgram)
{
    BancApplication b;
    preparer(b, "AUTR=1\nAUTP=/usr/bin/convertir\n");
    PanneauOptions& p = ouvrir(b);
    p.bouton("AutoSél")->click();  // cancelled
    EXPECT_EQ(p.programme(), "/usr/bin/convertir");
    p.bouton("AutoClear")->click();
    p.Retour->click();
    EXPECT_EQ(valeur(b.lire("Kelmor.ini"), "AUTR"), "0");
    ouvrir(b);
    EXPECT_FALSE(qobject_cast<QCheckBox*>(p.controle("AUTRtag"))->isChecked());
    EXPECT_TRUE(p.controle("FondAuto")->isHidden());
}

TEST(PanneauOptions, ThePaneReopensOnTheLastTabButOkLeavesTheFirst)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    EXPECT_EQ(p.onglet(), 1);
    p.Onglets_Click(5);
    EXPECT_TRUE(p.findChild<QWidget*>("Onglet(5)")->isVisibleTo(&p));
    EXPECT_FALSE(p.findChild<QWidget*>("Onglet(1)")->isVisibleTo(&p));
    p.Retour->click();
    ouvrir(b);
    EXPECT_EQ(p.onglet(), 1);
    b.app->parties().options.Ouvrir(8, 0);
    EXPECT_EQ(p.onglet(), 8);
}

TEST(PanneauOptions, OkFromTheRemoteControlFormGivesTheRemoteControlFormBack)
{
    BancApplication b;
    preparer(b, "MINI=1\n");
    ASSERT_TRUE(b.fond->forme().estTelecommande());
    ASSERT_EQ(b.fond->size(), QSize(191, 529));
    PanneauOptions& p = ouvrir(b);
    ASSERT_TRUE(b.attendreForme());
    EXPECT_EQ(b.fond->size(), QSize(297, 345));
    EXPECT_TRUE(p.isVisibleTo(b.fond.get()));
    p.Retour->click();
    EXPECT_TRUE(b.fond->forme().estTelecommande());
    EXPECT_EQ(b.fond->size(), QSize(191, 529));
}

TEST(PanneauOptions, OkWithASidePaneOpenGivesTheNormalWindowBack)
{
    BancApplication b;
    preparer(b);
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    ASSERT_GT(b.fond->width(), 297);
    ouvrir(b);
    ASSERT_TRUE(b.attendreForme());
    EXPECT_EQ(b.fond->size(), QSize(297, 345));
    b.fond->findChild<PanneauOptions*>("Fond2")->Retour->click();
    EXPECT_TRUE(b.fond->forme().estNormale());
    EXPECT_EQ(b.fond->size(), QSize(297, 345));
}

TEST(PanneauOptions, TheEmptyFavouritesYesOpensTheEditorOnTheShownGroupAndThatSlot)
{
    BancApplication b;
    preparer(b);
    b.app->parties().favoris.selectionnerGroupe(2);
    b.dialogues.reponses = {true};
    b.app->parties().favoris.Favori_Click(6);  // an empty slot: the question, then the editor
    auto* p = b.fond->findChild<PanneauOptions*>("Fond2");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(b.fond->etat().optionsOuvertes());
    EXPECT_EQ(p->onglet(), 4);
    EXPECT_EQ(p->favoris().groupe(), 2);
    EXPECT_EQ(p->favoris().EditerFav->currentIndex(), 2);
}

TEST(PanneauOptions, TheMainPanelFollowsTheTextureChoice)
{
    BancApplication b;
    preparer(b, "FOND=3\n");
    auto* texture = b.fond->findChild<QWidget*>("Fond1")->findChild<ImageTexture*>("Texture");
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->image().toImage(), TextureFond(3, 1, b.programme()).toImage());
    // Two side panes are built before the choice, the media pane after it.
    for (const char* volet : {"Diffuser", "Guider"}) {
        bouton(*b.fond, volet)->click();
        ASSERT_TRUE(b.attendreForme());
    }
    PanneauOptions& p = ouvrir(b);
    qobject_cast<QComboBox*>(p.controle("FONDtag"))->setCurrentIndex(4);
    const QImage quatre = TextureFond(4, 1, b.programme()).toImage();  // a diagonal gradient
    EXPECT_EQ(texture->image().toImage(), quatre);
    b.app->parties().options.Retour_Click();
    ASSERT_TRUE(b.attendreForme());
    bouton(*b.fond, "Afficher")->click();
    ASSERT_TRUE(b.attendreForme());
    // The side panes, the remote-control extension and the favourites frame too, each one
    // continuing the main panel's picture from where it lies in it.
    QWidget* fond1 = b.fond->findChild<QWidget*>("Fond1");
    for (const char* nom : {"Fond1a", "Fond1b", "Fond1c", "Fond1bis", "Favoris"}) {
        SCOPED_TRACE(nom);
        QWidget* cadre = b.fond->findChild<QWidget*>(nom);
        ASSERT_NE(cadre, nullptr);
        auto* t = cadre->findChild<ImageTexture*>("Texture", Qt::FindDirectChildrenOnly);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->image().toImage(), quatre);
        cadre->resize(std::max(cadre->width(), 4), std::max(cadre->height(), 4));
        const QPoint o = cadre->mapTo(fond1, QPoint());
        const QImage rendu = t->grab(QRect(0, 0, 4, 4)).toImage();
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(rendu.pixel(x, y), quatre.pixel((o.x() + x) % quatre.width(), (o.y() + y) % quatre.height()));
    }
    qobject_cast<QComboBox*>(p.controle("FONDtag"))->setCurrentIndex(0);
    EXPECT_TRUE(texture->image().isNull());
    EXPECT_TRUE(texture->isHidden());
}

TEST(Textures, AChoiceOutOfRangeGivesTheDefaultTexture)
{
    EXPECT_EQ(TextureFond(99, 1, "/nulle/part/").toImage(), TextureFond(kTextureParDefaut, 1, "/nulle/part/").toImage());
    EXPECT_EQ(TextureFond(-1, 2, "/nulle/part/").toImage(), TextureFond(kTextureParDefaut, 2, "/nulle/part/").toImage());
    EXPECT_NE(TextureFond(3, 1, "").toImage(), TextureFond(3, 2, "").toImage());
}

// The metal's and the wood's lines, drawn by a one-pixel pen over their gradient.
QImage lignesAuStylo(int choix, int jeu)
{
    // The picture's own size and format; every pixel is painted again.
    QImage image = TextureFond(choix, jeu, "").toImage();
    QLinearGradient degrade(0, 0, 128, 128);
    const QColor teintes[2][2] = {{QColor(0xd8, 0xdc, 0xe0), QColor(0x9a, 0xa0, 0xa8)},
                                  {QColor(0xc8, 0x9a, 0x64), QColor(0x8a, 0x5a, 0x2c)}};
    QColor c0 = teintes[choix - 1][0], c1 = teintes[choix - 1][1];
    if (jeu == 2) {
        c0 = c0.lighter(108);
        c1 = c1.lighter(125);
    }
    degrade.setColorAt(0, c0);
    degrade.setColorAt(1, c1);
    QPainter p(&image);
    p.fillRect(image.rect(), degrade);
    if (choix == 1) {
        for (int y = 0; y < 128; y += 3) {
            p.setPen(QColor(255, 255, 255, (y * 37) % 60));
            p.drawLine(0, y, 128, y);
        }
    } else {
        for (int y = 0; y < 128; y += 5) {
            p.setPen(QColor(c1.red(), c1.green(), c1.blue(), 70 + (y * 13) % 80));
            p.drawLine(0, y, 128, y + (y % 3) - 1);
        }
    }
    return image;
}

TEST(Textures, TheMetalsAndTheWoodsLinesAreThePixelsAOnePixelPenDraws)
{
    for (int choix : {1, 2})
        for (int jeu : {1, 2}) {
            SCOPED_TRACE(QString("choice %1, set %2").arg(choix).arg(jeu).toStdString());
            EXPECT_EQ(TextureFond(choix, jeu, "").toImage(), lignesAuStylo(choix, jeu));
        }
}

TEST(Textures, TheUsersPicturesTakeChoiceNoneOnlyWhenBothCanBeRead)
{
    QTemporaryDir d;
    const QString dossier = d.path() + "/";
    EXPECT_TRUE(TextureFond(0, 1, dossier).isNull());
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(dossier + "kelmor1.jpg", "JPG");
    EXPECT_TRUE(TextureFond(0, 1, dossier).isNull());  // only one of the two
    QFile f(dossier + "kelmor2.jpg");
    f.open(QIODevice::WriteOnly);
    f.write("pas une image");
    f.close();
    EXPECT_TRUE(TextureFond(0, 1, dossier).isNull());  // the second cannot be read
    image.scaled(30, 30).save(dossier + "kelmor2.jpg", "JPG");
    EXPECT_EQ(TextureFond(0, 1, dossier).size(), QSize(20, 10));
    EXPECT_EQ(TextureFond(0, 2, dossier).size(), QSize(30, 30));
}

TEST(PanneauOptions, AClickOnTheLogoOpensTheOptionsOnTheirLastTab)
{
    BancApplication b;
    preparer(b);
    bouton(*b.fond, "Diffuser")->click();
    ASSERT_TRUE(b.attendreForme());
    auto* logo = b.fond->findChild<QLabel*>("Logo1");
    ASSERT_NE(logo, nullptr);
    QTest::mouseClick(logo, Qt::LeftButton);
    ASSERT_TRUE(b.fond->etat().optionsOuvertes());
    auto* onglets = b.fond->findChild<PanneauOptions*>("Fond2")->findChild<QTabWidget*>("Onglets");
    ASSERT_NE(onglets, nullptr);
    EXPECT_EQ(onglets->currentIndex(), onglets->count() - 1);
}

TEST(PanneauOptions, TheWebLinksToolTipsEndWithTheAddressTheyOpen)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    EXPECT_EQ(p.bouton("AllerSite")->toolTip(), "Aller sur le site web d'Kelmor : " + b.adresses.racineSite());
    EXPECT_EQ(p.bouton("AllerFAQ")->toolTip(), "Aller sur l'aide en ligne d'Kelmor : " + b.adresses.racineSite());
    EXPECT_EQ(p.bouton("AllerForums")->toolTip(), "Aller sur les forums d'Kelmor : " + b.adresses.racineForum());
}

namespace {
// Exactly the frame of `onglet` is shown, and the pane says that tab.
bool pageMontree(PanneauOptions& p, int onglet)
{
    for (int i = 1; i <= 8; ++i)
        if (p.findChild<QWidget*>(QString("Onglet(%1)").arg(i))->isVisibleTo(&p) != (i == onglet))
            return false;
    return p.onglet() == onglet;
}

// A screen reader's "Press" on the widget's accessible child `enfant` (-1: the widget itself).
void presserAccessible(QWidget* w, int enfant = -1)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    if (enfant >= 0)
        a = a->child(enfant);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Presses Tab until `cible` has the focus; every control on the way is in the pane and shown.
bool tabJusqua(PanneauOptions& p, QWidget* cible)
{
    for (int i = 0; i < 80; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == cible)
            return true;
        if (!focus || !p.isAncestorOf(focus) || !focus->isVisible()) {
            ADD_FAILURE() << "Tab went to " << (focus ? focus->objectName().toStdString() : "nothing");
            return false;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return false;
}
}  // namespace

TEST(PanneauOptions, TheArrowKeysAndAScreenReadersPressOnATabChangeThePageBelow)
{
    BancApplication b;
    preparer(b);
    PanneauOptions& p = ouvrir(b);
    ASSERT_TRUE(pageMontree(p, 1));
    // The arrows on either row; on the row without the selected tab they enter it.
    const std::tuple<int, Qt::Key, int> fleches[] = {
        {1, Qt::Key_Right, 2}, {1, Qt::Key_Right, 3}, {1, Qt::Key_Left, 2}, {2, Qt::Key_Right, 5},
        {2, Qt::Key_Right, 6}, {1, Qt::Key_Left, 4},  {2, Qt::Key_Left, 8},
    };
    for (const auto& [rangee, touche, attendu] : fleches) {
        QTest::keyClick(p.rangeeOnglets(rangee), touche);
        EXPECT_TRUE(pageMontree(p, attendu)) << "row " << rangee << ", expected tab " << attendu;
    }
    // "Press" on a tab; first on the one of the other row that was selected before.
    for (int onglet : {4, 7, 1, 5, 5, 8, 2}) {
        presserAccessible(p.rangeeOnglets(onglet <= 4 ? 1 : 2), (onglet - 1) % 4);
        EXPECT_TRUE(pageMontree(p, onglet)) << "tab " << onglet;
    }
    // A screen reader reads each row as its four named tabs, the selected one said so.
    for (int rangee : {1, 2}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(p.rangeeOnglets(rangee));
        ASSERT_EQ(a->childCount(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(a->child(i)->text(QAccessible::Name), kOngletsOptions[4 * (rangee - 1) + i]);
            EXPECT_EQ(a->child(i)->state().selected, rangee == 1 && i == 1);
            EXPECT_EQ(a->child(i)->role(), QAccessible::PageTab);
        }
    }
    EXPECT_EQ(b.fond->findChild<QTabWidget*>("Onglets")->currentIndex(), 1);
}

TEST(PanneauOptions, OptionsTakesTheFocusIntoThePaneAndOkGivesItBackToTheMainPanel)
{
    BancApplication b;
    preparer(b);
    ASSERT_TRUE(activer(*b.fond));
    QPushButton* options = bouton(*b.fond, "Options");
    options->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), options);
    QTest::keyClick(options, Qt::Key_Space);
    auto* p = b.fond->findChild<PanneauOptions*>("Fond2");
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(b.fond->etat().optionsOuvertes());
    EXPECT_EQ(QApplication::focusWidget(), p->rangeeOnglets(1)) << "the row of the selected tab";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(pageMontree(*p, 2));
    ASSERT_TRUE(tabJusqua(*p, p->Retour));
    QTest::keyClick(p->Retour, Qt::Key_Space);
    EXPECT_FALSE(b.fond->etat().optionsOuvertes());
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus->isVisible()) << focus->objectName().toStdString();
    EXPECT_FALSE(p->isAncestorOf(focus));
}

TEST(PanneauOptions, TheListAndVersionChecksAreReachedByTheKeyboardAndPressedByAScreenReader)
{
    const std::tuple<int, Qt::Key, int, const char*> cas[] = {
        {1, Qt::Key_Right, 2, "MAJcfg"},
        {2, Qt::Key_Left, 8, "MAJexe"},
    };
    for (const auto& [rangee, touche, onglet, nom] : cas) {
        BancApplication b;
        preparer(b);
        ASSERT_TRUE(activer(*b.fond));
        PanneauOptions& p = ouvrir(b);
        p.rangeeOnglets(rangee)->setFocus();
        QTest::keyClick(p.rangeeOnglets(rangee), touche);
        ASSERT_TRUE(pageMontree(p, onglet)) << nom;
        QPushButton* verifier = p.bouton(nom);
        ASSERT_TRUE(tabJusqua(p, verifier)) << nom;
        const auto demandes = b.web.demandes.size();
        presserAccessible(verifier);
        EXPECT_TRUE(attendreQue([&b, demandes] { return b.web.demandes.size() > demandes; }, 5000))
            << nom << " asked the site";
    }
}

TEST(PanneauOptions, TheRemoteControlFormsOptionsActFromOkInTheRunWhereTheyAreSet)
{
    BancApplication b;
    preparer(b, "MINI=0\nMTOP=0\nFAVO=0\n");
    const auto cocher = [](PanneauOptions& p, const char* nom) { qobject_cast<QCheckBox*>(p.controle(nom))->click(); };
    const auto auDessus = [&b] { return b.fond->windowFlags().testFlag(Qt::WindowStaysOnTopHint); };
    PanneauOptions& p = ouvrir(b);
    cocher(p, "MTOPtag");
    cocher(p, "FAVOtag");
    p.Retour->click();
    bouton(*b.fond, "Mini")->click();
    ASSERT_TRUE(b.attendreForme());
    ASSERT_TRUE(b.fond->forme().estTelecommande());
    EXPECT_TRUE(auDessus());
    EXPECT_TRUE(b.fond->etat().favorisDevant());

    // In the remote-control form they act as soon as "OK" is pressed.
    ouvrir(b);
    cocher(p, "MTOPtag");
    cocher(p, "FAVOtag");
    EXPECT_TRUE(auDessus()) << "nothing acts before OK";
    p.Retour->click();
    EXPECT_TRUE(b.fond->forme().estTelecommande());
    EXPECT_FALSE(auDessus());
    EXPECT_FALSE(b.fond->etat().favorisDevant());
    ouvrir(b);
    cocher(p, "MTOPtag");
    p.Retour->click();
    EXPECT_TRUE(auDessus());
    EXPECT_FALSE(b.fond->etat().favorisDevant()) << "an unchanged option leaves the list in front";
}

TEST(PanneauOptions, KeepingTheWindowInsideTheScreenActsFromOk)
{
    for (const bool cocher : {false, true}) {
        BancApplication b;
        preparer(b, "CADR=0\n");
        PanneauOptions& p = ouvrir(b);
        if (cocher)
            qobject_cast<QCheckBox*>(p.controle("CADRtag"))->click();
        p.Retour->click();
        b.fond->show();
        const QRect ecran = b.fond->screen()->availableGeometry();
        b.fond->move(ecran.right() - b.fond->frameGeometry().width() - 10, ecran.top() + 10);
        b.fond->appliqueur().Afficher_Click();
        ASSERT_TRUE(b.attendreForme());
        if (cocher)
            EXPECT_EQ(b.fond->frameGeometry().right(), ecran.right());
        else
            EXPECT_GT(b.fond->frameGeometry().right(), ecran.right());
    }
}

TEST(PanneauOptions, StartingWithTheSessionIsWrittenAtOkNotOnlyAtTheClose)
{
    BancApplication b;
    preparer(b, "AUTO=0\n");
    const QString entree = b.dossiers.demarrageChemin + "Kelmor.desktop";
    ASSERT_FALSE(QFileInfo::exists(entree));
    PanneauOptions& p = ouvrir(b);
    qobject_cast<QCheckBox*>(p.controle("AUTOtag"))->click();
    p.Retour->click();
    EXPECT_TRUE(QFileInfo::exists(entree));
    ouvrir(b);
    qobject_cast<QCheckBox*>(p.controle("AUTOtag"))->click();
    p.Retour->click();
    EXPECT_FALSE(QFileInfo::exists(entree));
    EXPECT_TRUE(b.dialogues.messages.empty());
}
