// Every caption, label and list item of every form and pane, whole in the application's type.
#include "app/Composition.h"
#include "engine/EtatLecteur.h"
#include "panes/VoletAfficher.h"
#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "shell/PanneauOptions.h"
#include "shell/PanneauTelecommande.h"
#include "shell/Police.h"
#include "support/BancApplication.h"
#include "support/Ecran.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QFontInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <gtest/gtest.h>

namespace {
// The playlist's names; the list cuts the two long ones to 29 characters, the widest its
// names get.
const QStringList kChaines = {"TF1",      "France 2", "France 3",   "Canal+ Décalé",
                              "Arte",     "M6",       "France 5",   "W9",
                              "TMC",      "NRJ 12",   "Gulli",      "France 3 Provence-Alpes-Côte d'Azur",
                              "Télé Bretagne Océan", "Euronews", "Public Sénat - LCP Assemblée nationale"};
const QByteArray kLongue = "France 3 Provence-Alpes-C ...";
const QByteArray kLongue2 = "Public Sénat - LCP Assemb ...";

QString nomDe(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QString taille(const QSize& s)
{
    return QString::number(s.width()) + u'x' + QString::number(s.height());
}

// The text fits in `place` (word-wrapped or line by line), in the application's type or a
// larger one, and every character of it is in the type.
void mesurer(QStringList& coupes, const QWidget* w, QString texte, const QRect& place, const QFont& police,
             bool renvoi = false)
{
    texte.remove(QRegularExpression("&(?!&)"));
    if (texte.isEmpty())
        return;
    const QFontMetrics fm(police);
    QSize besoin = fm.boundingRect(QRect(0, 0, place.width(), 100000), Qt::TextWordWrap, texte).size();
    if (!renvoi) {
        besoin = {0, int(texte.count(u'\n') + 1) * fm.height()};
        for (const QString& l : texte.split(u'\n'))
            besoin.setWidth(std::max(besoin.width(), fm.horizontalAdvance(l)));
    }
    if (besoin.width() > place.width() || besoin.height() > place.height())
        coupes << nomDe(w) + " \"" + texte + "\": " + taille(besoin) + " in " + taille(place.size());
    if (police.pointSizeF() < PoliceApplication().pointSizeF())
        coupes << nomDe(w) + " \"" + texte + "\" in a smaller type";
    for (const uint c : texte.toUcs4())
        if (c != u'\n' && !fm.inFontUcs4(c))
            coupes << nomDe(w) + ": U+" + QString::number(c, 16) + " is not in " + QFontInfo(police).family();
}

// The widget lies inside every frame around it (a scrolling pane may hide it below), and
// no shown sibling lies over it but one that takes its whole place in turn (the channel list
// and the favourites).
void mesurerPlace(QStringList& coupes, const QWidget* w)
{
    bool defile = false;
    for (const QWidget* a = w->parentWidget(); a; a = a->isWindow() ? nullptr : a->parentWidget()) {
        defile = defile || qobject_cast<const QScrollArea*>(a->parentWidget());
        const QRect r(w->mapTo(a, QPoint(0, 0)), w->size());
        if (r.left() < 0 || r.right() >= a->width() || (!defile && (r.top() < 0 || r.bottom() >= a->height()))) {
            coupes << nomDe(w) + " sticks out of " + nomDe(a);
            break;
        }
    }
    const QObjectList& freres = w->parentWidget()->children();
    for (qsizetype i = freres.indexOf(w) + 1; i < freres.size(); ++i)
        if (auto* dessus = qobject_cast<const QWidget*>(freres[i]); dessus && !dessus->isWindow()
            && dessus->isVisible() && dessus->geometry() != w->geometry() && dessus->geometry().intersects(w->geometry()))
            coupes << nomDe(w) + " lies under " + nomDe(dessus);
}

// What is cut among the shown widgets of the window.
QStringList textesCoupes(const QWidget& fenetre)
{
    QStringList coupes;
    for (const QWidget* w : fenetre.findChildren<QWidget*>()) {
        // Out of the window's area (the part of the main panel that a form leaves out): not shown.
        if (!w->isVisible() || w->window() != &fenetre
            || !QRect(w->mapTo(&fenetre, QPoint(0, 0)), w->size()).intersects(fenetre.rect()))
            continue;
        // A scrolling pane scrolls up and down only: nothing may hide to its right.
        if (auto* zone = qobject_cast<const QScrollArea*>(w); zone && zone->widget()->width() > zone->viewport()->width())
            coupes << nomDe(zone->widget()) + " is wider than its pane";
        const int avant = int(coupes.size());
        QStyle* s = w->style();
        QStyleOptionButton ob;
        ob.initFrom(w);
        if (auto* b = qobject_cast<const QPushButton*>(w)) {
            QRect place = s->subElementRect(QStyle::SE_PushButtonContents, &ob, b);
            if (!b->icon().isNull())
                place.setWidth(place.width() - b->iconSize().width() - 4);
            mesurer(coupes, w, b->text(), place, b->font());
        } else if (auto* c = qobject_cast<const QCheckBox*>(w)) {
            mesurer(coupes, w, c->text(), s->subElementRect(QStyle::SE_CheckBoxContents, &ob, c), c->font());
        } else if (auto* r = qobject_cast<const QRadioButton*>(w)) {
            mesurer(coupes, w, r->text(), s->subElementRect(QStyle::SE_RadioButtonContents, &ob, r), r->font());
        } else if (auto* l = qobject_cast<const QLabel*>(w); l && l->textFormat() != Qt::RichText) {
            const int marge = l->margin() + std::max(0, l->indent());
            mesurer(coupes, w, l->text(), l->contentsRect().adjusted(marge, l->margin(), -marge, -l->margin()),
                    l->font(), l->wordWrap());
        } else if (auto* t = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                QStyleOptionTab o;
                o.initFrom(t);
                o.rect = t->tabRect(i);
                o.text = t->tabText(i);
                o.shape = t->shape();
                if (!t->rect().contains(o.rect))
                    coupes << nomDe(t) + " \"" + o.text + "\" out of view";
                mesurer(coupes, w, o.text, s->subElementRect(QStyle::SE_TabBarTabText, &o, t), t->font());
            }
        } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox o;
            o.initFrom(c);
            const QRect champ = s->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
            for (int i = 0; i < c->count(); ++i)
                mesurer(coupes, w, c->itemText(i), champ.adjusted(1, 0, -1, 0), c->font());
        } else if (auto* v = qobject_cast<const QListView*>(w)) {
            // Items drawn with their margins in the width shown.
            const int marge = s->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1;
            for (int i = 0; i < v->model()->rowCount(v->rootIndex()); ++i) {
                const QModelIndex index = v->model()->index(i, v->modelColumn(), v->rootIndex());
                QRect place = v->visualRect(index);
                place.setWidth(std::min(place.width(), v->viewport()->width()) - 2 * marge);
                mesurer(coupes, w, index.data().toString(), place, v->font());
            }
        } else if (auto* sb = qobject_cast<const QAbstractSpinBox*>(w)) {
            // Its line edit keeps 2 pixels a side inside its frame.
            if (const QLineEdit* e = sb->findChild<QLineEdit*>())
                mesurer(coupes, w, sb->text(), e->contentsRect().adjusted(2, 0, -2, 0), sb->font());
        } else {
            continue;
        }
        if (int(coupes.size()) == avant)
            mesurerPlace(coupes, w);
    }
    return coupes;
}

struct BancPolice : BancApplication {
    BancPolice()
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist(kChaines));
        // A scheduled recording of almost a day, from the next minute on.
        QByteArray ini = "CHA0=1\nCHA1=" + kLongue + "\nVENC=1\nAUTR=1\nAUTP=/usr/local/bin/convertir-video\n"
                         "PROG=[A] 09/12/2026 20:01 - 19:58 > " + kLongue2 + " (1)\n"
                         "PROG=[A] 10/12/2026 20:00 - 21:00 > " + kLongue + " (1)\n"
                         "PROG=[A] 11/12/2026 22:40 - 23:55 > " + kLongue2 + " (H)\n";
        const QByteArray favoris[] = {kLongue, kLongue2, "Télé Bretagne Océan", "Canal+ Décalé", "France 2",
                                      "NRJ 12", "Euronews", "Gulli"};
        for (int s = 1; s <= 8; ++s)
            ini += "FA0" + QByteArray::number(s) + "=" + favoris[s - 1] + "\n";
        ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
        const QString racine = adresses.racineGuide();
        web.pages[racine + "index.php?canal=1&nb_jour=0"] =
            "<select name=\"nb_jour\"><option value=\"0\" selected>09/12/2026</option>"
            "<option value=\"6\">15/12/2026</option></select>";
        web.pages[racine + "index.php?canal=12&nb_jour=0"] =
            "<tr><td width=\"40\"><b>20:50</b></td><td><a href=\"javascript:popup_emission('1')\">Des racines et des "
            "ailes</a></td></tr><tr><td width=\"40\"><b>22:35</b></td><td><a "
            "href=\"javascript:popup_emission('2')\">Soir 3</a></td></tr>";
        QByteArray audience = "<?xml version=\"1.0\"?>";
        for (int i = 0; i < 15; ++i)
            audience += "<channel><name>" + kChaines[i].toUtf8() + "</name><market_share>" + QByteArray::number(25.5 - i * 1.5)
                        + "</market_share><epg_title>Journal de 20 heures</epg_title></channel>";
        web.pages[adresses.racineAudience() + "audience15.xml"] = audience;
        QFile f(app->parties().session.DossierEnregistrement + "Kelmor 2026-12-09 20-50-00 " + kLongue + ".mp4");
        f.open(QIODevice::WriteOnly);
        QFile(app->parties().session.DossierEnregistrement + "vlcsnap-2026-12-09-20h51m07s123.jpg").open(QIODevice::WriteOnly);
        fond->show();
    }

    // What is cut in the window as it stands; its picture under KELMOR_CAPTURES when set.
    void verifier(const QString& etat, QStringList& tout) const
    {
        QCoreApplication::processEvents();
        for (const QString& c : textesCoupes(*fond))
            tout << etat + ": " + c;
        const QString dossier = qEnvironmentVariable("KELMOR_CAPTURES");
        if (!dossier.isEmpty()) {
            QDir().mkpath(dossier);
            fond->grab().save(dossier + "/" + etat + ".png");
            // Under an X server, what the server shows too.
            if (QGuiApplication::platformName() == QLatin1String("xcb"))
                ecranSous(*fond).save(dossier + "/" + etat + "-x11.png");
        }
    }
};
}  // namespace

TEST(Police, TheApplicationsTypeIsDejaVuSans)
{
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "DejaVu Sans");
    EXPECT_EQ(QApplication::font(), PoliceApplication());
}

TEST(Police, EveryCaptionLabelAndListItemOfEveryFormAndPaneIsWhole)
{
    BancPolice b;
    QStringList coupes;
    Fond& f = *b.fond;
    b.verifier("normal", coupes);

    // Every toggle of the remote on: bold captions.
    VueEtat tout;
    tout.stopAllGras = tout.playGras = tout.recGras = tout.shiftGras = tout.pauseGras = true;
    tout.regarderXActif = tout.enregistrerXActif = tout.photographierActif = tout.progBarVisible = true;
    f.telecommande().afficherEtat(tout);
    f.telecommande().afficherBascules(true, true);
    f.telecommande().afficherPhotoEnCours(true);
    f.telecommande().afficherProgression(0.4, "1234 Mo");
    f.appliqueur().TopR_Click();
    f.etat().Fav_Click();
    b.verifier("normal-gras-favoris", coupes);
    f.etat().Fav_Click();
    f.appliqueur().TopR_Click();

    const std::pair<OngletAfficher, const char*> onglets[] = {{OngletAfficher::Direct, "afficher-direct"},
                                                              {OngletAfficher::Mosaique, "afficher-mosaique"},
                                                              {OngletAfficher::Videos, "afficher-videos"},
                                                              {OngletAfficher::Photos, "afficher-photos"}};
    bouton(f, "Afficher")->click();
    ASSERT_TRUE(b.attendreForme());
    for (const auto& [o, nom] : onglets) {
        b.app->parties().medias.AfficherOnglets_Click(o);
        b.verifier(nom, coupes);
    }
    bouton(f, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    for (int o = 1; o <= 3; ++o) {
        f.guide().choisirOnglet(o);
        b.verifier("guider-" + QString::number(o), coupes);
    }
    // The shutdown set: its big cancel button under the schedule.
    f.guide().choisirOnglet(1);
    f.programmation().afficherExtinctionOFF(true);
    b.verifier("guider-extinction", coupes);
    f.programmation().afficherExtinctionOFF(false);
    f.guide().AfficherConnexion(true);
    b.verifier("connexion", coupes);
    f.guide().AfficherConnexion(false);
    bouton(f, "Diffuser")->click();
    ASSERT_TRUE(b.attendreForme());
    b.verifier("diffuser", coupes);
    bouton(f, "Diffuser")->click();
    ASSERT_TRUE(b.attendreForme());

    bouton(f, "Options")->click();
    auto* p = f.findChild<PanneauOptions*>("Fond2");
    ASSERT_NE(p, nullptr);
    for (int o = 1; o <= 8; ++o) {
        p->Onglets_Click(o);
        b.verifier("options-" + QString::number(o), coupes);
    }
    p->Retour->click();

    f.appliqueur().Mini_Click();
    b.verifier("telecommande", coupes);
    f.etat().Fav_Click();
    b.verifier("telecommande-favoris", coupes);
    f.etat().Fav_Click();
    f.appliqueur().Mini_Click();

    f.afficherDuree(true, "Durée d'enregistrement restante : 01:29:59", true);
    b.verifier("duree", coupes);
    f.afficherDuree(false, {}, false);

    bouton(f, "Afficher")->click();
    ASSERT_TRUE(b.attendreForme());
    f.appliqueur().Mini2_Click();
    bouton(f.afficher(), "SizeBar0")->click();
    b.verifier("mini-ecran", coupes);
    f.appliqueur().SizeBarF_Click();
    b.verifier("plein-ecran", coupes);

    EXPECT_TRUE(coupes.isEmpty()) << coupes.join(u'\n').toStdString();
}

// The player's states on the channel of the longest name: watching, time-shift playing and
// paused, a manual recording and its duration, a scheduled recording with the sizes and the
// times left of a real one.
TEST(Police, EveryCaptionAndLabelIsWholeInEachStateOfThePlayer)
{
    BancPolice b;
    QStringList coupes;
    Fond& f = *b.fond;
    Composition& c = b.app->parties();
    const auto etat = [&c] { return c.session.Etat; };
    c.moteur.Chaines_Click(int(kChaines.indexOf("Public Sénat - LCP Assemblée nationale")));
    bouton(f, "Afficher")->click();
    ASSERT_TRUE(b.attendreForme());
    c.medias.AfficherOnglets_Click(OngletAfficher::Videos);

    bouton(f, "Regarder")->click();
    ASSERT_EQ(etat(), EtatLecteur::Lecture);
    b.verifier("lecture", coupes);
    b.dialogues.reponses = {true, true, true};
    c.transport.Shift_Click();
    ASSERT_EQ(etat(), EtatLecteur::Differe);
    b.verifier("differe", coupes);
    f.afficherTampon(15);
    b.verifier("differe-tampon", coupes);
    f.afficherTampon(-1);
    c.transport.Pause_Click();
    ASSERT_EQ(etat(), EtatLecteur::Pause);
    b.verifier("differe-pause", coupes);

    b.dialogues.reponses = {true, true, true};
    bouton(f, "Enregistrer")->click();
    ASSERT_EQ(etat(), EtatLecteur::Enregistrement);
    b.verifier("enregistrement", coupes);
    c.enregistrement.Duree_Click(8);
    bouton(f, "Enregistrer")->click();  // the same channel: its duration
    ASSERT_TRUE(f.findChild<QWidget*>("DuréeFond")->isVisible());
    b.verifier("enregistrement-duree", coupes);
    c.enregistrement.Duree_Click(0);
    c.moteur.StopAll_Click();
    ASSERT_EQ(etat(), EtatLecteur::Arret);

    // The scheduled recording: just started, a few hours in, minutes from its end.
    // The elapsed clock runs with the wall clock: the entry's end is held on it.
    const auto tic = [&b](const QDateTime& quand) {
        b.horloge.ecouleValeur += b.horloge.maintenantValeur.msecsTo(quand);
        b.horloge.maintenantValeur = quand;
        b.app->Horloge_Timer();
    };
    const QDate jour(2026, 12, 9);
    tic(QDateTime(jour, QTime(20, 1, 30)));
    ASSERT_EQ(etat(), EtatLecteur::Programme);
    const QString fichier = c.session.FichierEnregistre;
    auto* taille = f.findChild<QLabel*>("ProgTaille");
    ASSERT_NE(taille, nullptr);
    const struct {
        QDateTime quand;
        std::int64_t octets;
        const char* texte;
    } suivi[] = {{QDateTime(jour, QTime(20, 2, 10)), 2LL << 20, "2 Mo (-- 23:56)"},
                 {QDateTime(jour.addDays(1), QTime(1, 0, 10)), 3LL << 30, "3072 Mo (-- 18:58)"},
                 {QDateTime(jour.addDays(1), QTime(19, 51, 10)), 14LL << 30, "14336 Mo (-- 00:07)"}};
    for (const auto& s : suivi) {
        b.disque.tailles[fichier] = s.octets;
        tic(s.quand);
        ASSERT_EQ(etat(), EtatLecteur::Programme);
        EXPECT_EQ(taille->text(), s.texte);
        b.verifier(QString("programme-") + s.texte, coupes);
    }
    EXPECT_TRUE(coupes.isEmpty()) << coupes.join(u'\n').toStdString();
}
