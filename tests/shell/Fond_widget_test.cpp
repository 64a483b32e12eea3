#include "panes/PanneauChaines.h"
#include "panes/VoletProgrammation.h"
#include "panes/VoletGuide.h"
#include "shell/CadreOptions.h"
#include "shell/Fond.h"
#include "shell/PanneauTelecommande.h"
#include "shell/clsSysTray.h"
#include "support/Attente.h"
#include "support/BancApplication.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QGuiApplication>
#include <QStyleHints>
#include <gtest/gtest.h>

namespace {
bool attendreFin(const Fond& f)
{
    return attendreQue([&f] { return !f.animationEnCours(); }, 5000);
}

bool visibleDans(const Fond& f, const char* nom)
{
    const QWidget* w = f.findChild<QWidget*>(QString::fromUtf8(nom));
    return w && w->isVisibleTo(&f);
}

bool gras(const QWidget* w)
{
    return w->font().bold();
}

// Records every client width the window takes.
struct Largeurs : QObject {
    std::vector<int> vues;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            vues.push_back(static_cast<QResizeEvent*>(e)->size().width());
        return QObject::eventFilter(o, e);
    }
};

void presser(QWidget* w, Qt::MouseButton bouton, QPoint global)
{
    QMouseEvent e(QEvent::MouseButtonPress, w->mapFromGlobal(global), global, bouton, bouton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void deplacer(QWidget* w, Qt::MouseButton bouton, QPoint global)
{
    QMouseEvent e(QEvent::MouseMove, w->mapFromGlobal(global), global, Qt::NoButton, bouton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void relacher(QWidget* w, QPoint global)
{
    QMouseEvent e(QEvent::MouseButtonRelease, w->mapFromGlobal(global), global, Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
}  // namespace

TEST(Fond, TheNormalWindowIsTheRemoteControlPanelsFrame)
{
    EtatFenetre etat;
    Fond fond(etat);
    EXPECT_EQ(fond.size(), QSize(297, 345));
    EXPECT_EQ(fond.findChild<QWidget*>("Fond1")->geometry(), QRect(0, 0, 665, 529));
    EXPECT_EQ(fond.findChild<QWidget*>("Fond1bis")->geometry(), QRect(8, 344, 177, 177));
    const QWidget* liste = fond.findChild<QWidget*>("Chaînes");
    EXPECT_EQ(QRect(liste->mapTo(&fond, QPoint(0, 0)), liste->size()), QRect(8, 8, 177, 290));
    // Everything of the remote control lies inside the normal window, right of the column.
    const PanneauTelecommande& t = fond.telecommande();
    for (const QPushButton* b : t.findChildren<QPushButton*>()) {
        const QRect r(b->mapTo(&fond, QPoint(0, 0)), b->size());
        EXPECT_TRUE(QRect(186, 0, 111, 345).contains(r)) << b->objectName().toStdString();
    }
    EXPECT_FALSE(visibleDans(fond, "Fond1bis"));
    EXPECT_FALSE(visibleDans(fond, "Volet"));
}

TEST(Fond, MiniTwiceGoesToTheRemoteControlFormAndBack)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.show();
    fond.appliqueur().Mini_Click();
    EXPECT_FALSE(fond.animationEnCours()) << "the form changes at once";
    EXPECT_EQ(fond.size(), QSize(191, 529));
    EXPECT_TRUE(visibleDans(fond, "Fond1bis"));
    EXPECT_TRUE(fond.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(gras(fond.Mini));
    EXPECT_TRUE(fond.isVisible());

    fond.appliqueur().Mini_Click();
    EXPECT_EQ(fond.size(), QSize(297, 345));
    EXPECT_FALSE(visibleDans(fond, "Fond1bis"));
    EXPECT_FALSE(fond.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(gras(bouton(fond.telecommande(), "TopR")));
    EXPECT_FALSE(gras(fond.Mini));
    EXPECT_TRUE(fond.isVisible()) << "changing the stacking hint must not hide the window";
}

TEST(Fond, WithoutTheOnTopOptionTheRemoteControlFormStaysInTheNormalOrder)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.definirOptionsForme({false, true, true});
    fond.appliqueur().Mini_Click();
    EXPECT_FALSE(fond.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(gras(fond.chaines().Fav)) << "the favourites come in front";
    fond.appliqueur().Mini_Click();
    EXPECT_FALSE(gras(fond.chaines().Fav));
}

TEST(Fond, APaneOpensInElevenTimedWidthsWithTheWindowDisabled)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.show();
    Largeurs l;
    fond.installEventFilter(&l);
    EXPECT_TRUE(fond.appliqueur().Guider_Click());
    EXPECT_TRUE(fond.animationEnCours());
    EXPECT_FALSE(fond.isEnabled());
    EXPECT_LT(fond.width(), 665) << "the widths come one per step, not at once";
    ASSERT_TRUE(attendreFin(fond));
    EXPECT_TRUE(fond.isEnabled());
    EXPECT_EQ(fond.size(), QSize(665, 345));
    EXPECT_EQ(l.vues, (std::vector<int>{334, 371, 407, 444, 481, 518, 555, 591, 628, 665}));
    EXPECT_TRUE(fond.programmation().isVisibleTo(&fond));
    EXPECT_TRUE(gras(bouton(fond.telecommande(), "Guider")));
}

TEST(Fond, OpeningAPaneNearTheRightEdgeMovesTheWindowLeft)
{
    EtatFenetre etat;
    Fond fond(etat);
    const QRect ecran = fond.screen()->availableGeometry();
    fond.show();
    fond.move(ecran.right() - fond.frameGeometry().width() - 10, ecran.top() + 10);
    const int y = fond.pos().y();

    fond.appliqueur().Afficher_Click();
    ASSERT_TRUE(attendreFin(fond));
    EXPECT_EQ(fond.width(), 665);
    EXPECT_TRUE(fond.forme().estOuvert(Volet::Afficher));
    EXPECT_EQ(fond.frameGeometry().right(), ecran.right()) << "its right edge touches the screen's";
    EXPECT_EQ(fond.pos().y(), y);
    EXPECT_TRUE(visibleDans(fond, "Fond1b"));
}

TEST(Fond, DiffuserSwitchesFromTheGuidePaneThenClosesItsOwn)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.appliqueur().Guider_Click();
    ASSERT_TRUE(attendreFin(fond));
    EXPECT_TRUE(fond.appliqueur().Diffuser_Click());
    ASSERT_TRUE(attendreFin(fond));
    const PanneauTelecommande& t = fond.telecommande();
    EXPECT_TRUE(gras(bouton(t, "Diffuser")));
    EXPECT_FALSE(gras(bouton(t, "Guider")));
    EXPECT_EQ(fond.findChild<QStackedWidget*>("Volet")->currentWidget()->objectName(), "Fond1a");
    EXPECT_TRUE(visibleDans(fond, "Logo1"));

    EXPECT_FALSE(fond.appliqueur().Diffuser_Click());
    ASSERT_TRUE(attendreFin(fond));
    EXPECT_EQ(fond.size(), QSize(297, 345));
    EXPECT_FALSE(gras(bouton(t, "Diffuser")));
    EXPECT_FALSE(visibleDans(fond, "Volet"));
}

TEST(Fond, GoGuiderLeavesTheRemoteControlFormForTheScheduleTab)
{
    EtatFenetre etat;
    Fond fond(etat);
    int editeurs = 0;
    QObject::connect(&fond.guide(), &VoletGuide::ongletChoisi, [&editeurs](int onglet) { editeurs += onglet == 1; });
    fond.appliqueur().Mini_Click();
    fond.appliqueur().GoGuider_Click();
    ASSERT_TRUE(attendreFin(fond));
    EXPECT_EQ(fond.size(), QSize(665, 345));
    EXPECT_FALSE(visibleDans(fond, "Fond1bis"));
    EXPECT_FALSE(fond.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(fond.programmation().isVisibleTo(&fond));
    EXPECT_EQ(editeurs, 1);
}

TEST(Fond, TopRTwiceEndsInTheNormalOrder)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.show();
    fond.appliqueur().TopR_Click();
    EXPECT_TRUE(fond.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(gras(bouton(fond.telecommande(), "TopR")));
    fond.appliqueur().TopR_Click();
    EXPECT_FALSE(fond.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(gras(bouton(fond.telecommande(), "TopR")));
    EXPECT_TRUE(fond.isVisible());
}

TEST(Fond, ReduireNeverLeavesTheWindowUnreachable)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.show();
    fond.Reduire_Click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(fond.isMinimized() || fond.SysTray().visible());
}

TEST(Fond, TheLeftButtonDragsTheWindowByItsBackgroundAndTheRightOneDoesNot)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.show();
    fond.move(100, 100);
    QWidget* fond1 = fond.findChild<QWidget*>("Fond1");
    const QPoint depart = fond.mapToGlobal(QPoint(150, 330));

    presser(fond1, Qt::RightButton, depart);
    deplacer(fond1, Qt::RightButton, depart + QPoint(40, 30));
    EXPECT_EQ(fond.pos(), QPoint(100, 100));

    presser(fond1, Qt::LeftButton, depart);
    deplacer(fond1, Qt::LeftButton, depart + QPoint(40, 30));
    EXPECT_EQ(fond.pos(), QPoint(140, 130));
    relacher(fond1, depart + QPoint(40, 30));

    // The options pane's background as well.
    auto* fond2 = new QWidget;
    fond.cadreOptions().installer(fond2);
    presser(fond2, Qt::LeftButton, depart);
    deplacer(fond2, Qt::LeftButton, depart + QPoint(-20, 10));
    EXPECT_EQ(fond.pos(), QPoint(120, 140));
}

TEST(Fond, APlainClickOrAPointerMovedLessThanTheDragDistanceMovesNothing)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.show();
    fond.move(100, 100);
    QWidget* fond1 = fond.findChild<QWidget*>("Fond1");
    const QPoint depart = fond.mapToGlobal(QPoint(150, 330));
    const int distance = QGuiApplication::styleHints()->startDragDistance();

    presser(fond1, Qt::LeftButton, depart);
    relacher(fond1, depart);
    deplacer(fond1, Qt::NoButton, depart + QPoint(40, 30));
    EXPECT_EQ(fond.pos(), QPoint(100, 100)) << "the window follows the pointer after a click";

    presser(fond1, Qt::LeftButton, depart);
    deplacer(fond1, Qt::LeftButton, depart + QPoint(distance - 1, 0));
    EXPECT_EQ(fond.pos(), QPoint(100, 100));
    // Past it, the window follows from where the button went down.
    deplacer(fond1, Qt::LeftButton, depart + QPoint(distance + 5, 2));
    EXPECT_EQ(fond.pos(), QPoint(100 + distance + 5, 102));
    relacher(fond1, depart + QPoint(distance + 5, 2));
    deplacer(fond1, Qt::NoButton, depart + QPoint(80, 80));
    EXPECT_EQ(fond.pos(), QPoint(100 + distance + 5, 102));
}

TEST(Fond, TheChannelListStartsInFrontOfTheFavourites)
{
    EtatFenetre etat;
    Fond fond(etat);
    fond.show();
    const QWidget* liste = fond.findChild<QWidget*>("Chaînes");
    EXPECT_EQ(fond.childAt(liste->mapTo(&fond, QPoint(50, 50))), liste->findChild<QWidget*>("qt_scrollarea_viewport"));
}

namespace {
// What a tool tip shows: Qt reads it as markup whenever it looks like markup.
QString bulleAffichee(const QString& bulle)
{
    return Qt::mightBeRichText(bulle) ? QTextDocumentFragment::fromHtml(bulle).toPlainText() : bulle;
}

// A button's caption as shown: "&&" is one "&", a lone "&" marks a shortcut and is not shown.
QString legendeAffichee(const QAbstractButton& b)
{
    QString t = b.text();
    return t.replace("&&", QString(QChar(1))).remove('&').replace(QChar(1), '&');
}

QRect dansFenetre(const QWidget& w, const Fond& f)
{
    return QRect(w.mapTo(&f, QPoint(0, 0)), w.size());
}
}  // namespace

TEST(Fond, NamesFromOutsideShowAsTheirCharactersAndLeaveTheLayoutAlone)
{
    const QString balises = "<h1><u>GROS</u></h1>";
    const QString esperluette = "Paris & Co [*]";
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1", balises, esperluette}));
    b.ecrire("Kelmor.ini", "TRAN=0\n");
    ASSERT_TRUE(b.demarrer());
    Fond& f = *b.fond;
    f.show();
    const std::vector<const QWidget*> rangee = {bouton(f, "ChaîneM"), bouton(f, "Fav"), bouton(f, "ChaîneP")};
    std::vector<QRect> avant;
    for (const QWidget* w : rangee)
        avant.push_back(dansFenetre(*w, f));

    auto* liste = f.findChild<QListWidget*>("Chaînes");
    liste->setCurrentRow(1);
    QCoreApplication::processEvents();
    // The guide pane, built as the user opens it, shows the channel too.
    bouton(f, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    // Every label that names the channel shows its tags as characters.
    int etiquettes = 0;
    for (const QLabel* l : f.findChildren<QLabel*>()) {
        if (!l->text().contains(balises))
            continue;
        ++etiquettes;
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
    }
    EXPECT_GE(etiquettes, 3);  // ProgChaîne, ProgChaîne3, the schedule editor's channel
    EXPECT_EQ(legendeAffichee(*bouton(f, "ProgChaîne2")), "2 : " + balises);
    // "◀ Favoris ▶" stays where it was, in view, and nothing lies over it.
    const QWidget* etiquette = f.findChild<QLabel*>("ProgChaîne3");
    for (std::size_t i = 0; i < rangee.size(); ++i) {
        EXPECT_TRUE(rangee[i]->isVisibleTo(&f));
        EXPECT_EQ(dansFenetre(*rangee[i], f), avant[i]) << rangee[i]->objectName().toStdString();
        EXPECT_FALSE(dansFenetre(*etiquette, f).intersects(dansFenetre(*rangee[i], f)));
    }

    // Watching it: the stop button's tip names it as it is.
    b.app->parties().transport.Play_Click();
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Lecture);
    EXPECT_EQ(bulleAffichee(bouton(f, "RegarderX")->toolTip()), " Arrêter la lecture de " + balises + " ");

    // "&" marks no shortcut on a caption, and "[*]" stays in the window's title.
    liste->setCurrentRow(2);
    QCoreApplication::processEvents();
    const QPushButton* favori0 = bouton(f, "Favori(0)");
    EXPECT_EQ(legendeAffichee(*favori0), esperluette);
    EXPECT_TRUE(QKeySequence::mnemonic(favori0->text()).isEmpty());
    EXPECT_EQ(legendeAffichee(*bouton(f, "ProgChaîne2")), "3 : " + esperluette);
    EXPECT_TRUE(QKeySequence::mnemonic(bouton(f, "ProgChaîne2")->text()).isEmpty());
    b.dialogues.reponses = {true};
    bouton(f, "Enregistrer")->click();
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
    ASSERT_NE(f.windowHandle(), nullptr);
    EXPECT_EQ(f.windowHandle()->title(), "Kelmor - 20:00 - " + esperluette + " (enregistrement manuel)");
    EXPECT_EQ(bulleAffichee(bouton(f, "EnregistrerX")->toolTip()), " Arrêter l'enregistrement de " + esperluette + " ");
}
