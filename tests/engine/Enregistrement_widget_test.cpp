#include "engine/EnregistrementManuel.h"
#include "engine/Programmation.h"
#include "engine/Transport.h"
#include "panes/VoletAfficher.h"
#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "shell/PopupDuree.h"
#include "support/BancApplication.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <utility>

namespace {
struct BancEnregistrement : BancApplication {
    explicit BancEnregistrement(const QByteArray& ini = {})
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6"}));
        if (!ini.isEmpty())
            ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
    }
    EnregistrementManuel& e() { return app->parties().enregistrement; }
    Programmation& prog() { return app->parties().programmation; }
    QPushButton* duree(int i) { return fond->findChild<QFrame*>("DuréeFond")->findChild<QPushButton*>(QString("Durée(%1)").arg(i)); }
    void avancer(int secondes) { horloge.avancer(secondes * 1000LL); }
    QStringList programmes() const { return app->parties().session.programmes.textes(); }
};
}  // namespace

TEST(EnregistrementManuel, StartsARecorderIntoTheRecordingFolder)
{
    BancEnregistrement b("DISP=0\n");
    bouton(*b.fond, "Enregistrer")->click();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    const auto& l = b.lecteurs.lancements[0];
    EXPECT_EQ(l.role, RoleLecteur::Enregistreur);
    EXPECT_EQ(l.arguments.mid(0, 2), QStringList({"-I", "dummy"}));  // DISP unticked: hidden
    EXPECT_TRUE(l.arguments.join(' ').contains(b.app->parties().session.DossierEnregistrement + "Kelmor 2026-12-09 20-00-00 TF1."));
    EXPECT_EQ(b.fond->windowTitle(), "Kelmor - 20:00 - TF1 (enregistrement manuel)");
    EXPECT_TRUE(bouton(*b.fond, "EnregistrerX")->isEnabled());
}

TEST(EnregistrementManuel, AShownRecorderGivesTheFocusBackAsWatchingDoes)
{
    for (const bool affiche : {true, false}) {
        BancEnregistrement b(affiche ? "DISP=1\n" : "DISP=0\n");
        QSignalSpy focus(&b.app->parties().moteur, &Moteur::focusDemande);
        b.horloge.immediat = false;
        b.e().Rec_Click();
        ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
        b.horloge.avancer(Moteur::FocusMs - 1);
        EXPECT_EQ(focus.count(), 0);
        b.horloge.avancer(1);
        EXPECT_EQ(focus.count(), affiche ? 1 : 0) << affiche;
    }
}

TEST(EnregistrementManuel, AFolderThatCannotBeQuotedIsNamedInTheRefusal)
{
    BancEnregistrement b;
    b.app->parties().session.DossierEnregistrement = b.programme() + "a}b/";
    bouton(*b.fond, "Enregistrer")->click();
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith("Le lecteur vlc ne peut pas enregistrer dans le dossier :\n" +
                                                         b.programme() + "a}b/\n"));
}

TEST(EnregistrementManuel, AFolderThatTakesNoFileIsRefusedBeforeAnythingStops)
{
    BancEnregistrement b;
    b.ecrire("pas un dossier", "x");
    const QString dossier = b.programme() + "pas un dossier/";
    b.app->parties().session.DossierEnregistrement = dossier;
    b.app->parties().transport.Play_Click();
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Lecture);
    b.e().Rec_Click();
    EXPECT_EQ(b.dialogues.textes(),
              QStringList{"Le lecteur vlc ne peut pas enregistrer dans le dossier :\n" + dossier +
                          "\n\nAucun fichier ne peut y être créé : ce dossier n'existe pas.\n"
                          "Choisissez un autre dossier d'enregistrement dans les options."});
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Lecture);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Regarder));
    EXPECT_EQ(b.lecteurs.lancements.size(), 1u);
}

TEST(EnregistrementManuel, ScheduledRecordingRefusesIt)
{
    BancEnregistrement b;
    b.app->parties().moteur.ChangerEtat(EtatLecteur::Programme);
    b.e().Rec_Click();
    EXPECT_EQ(b.dialogues.textes(), QStringList{Moteur::kRefusProgramme});
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(EnregistrementManuel, SameChannelOpensTheDurationPopUp)
{
    BancEnregistrement b;
    b.e().Rec_Click();
    b.e().Rec_Click();
    EXPECT_TRUE(b.fond->findChild<QFrame*>("DuréeFond")->isVisibleTo(b.fond.get()));
    EXPECT_EQ(b.fond->findChild<QFrame*>("DuréeFond")->findChild<QLabel*>("TexteEnreg")->text(),
              "Aucune durée n'a été définie actuellement.");
    EXPECT_FALSE(b.duree(9)->isEnabled());
    EXPECT_FALSE(bouton(*b.fond, "Enregistrer")->isEnabled());  // the window behind is disabled

    b.avancer(45 * 60);
    b.duree(2)->click();  // "1:00", counted from the choice
    EXPECT_FALSE(b.fond->findChild<QFrame*>("DuréeFond")->isVisibleTo(b.fond.get()));
    EXPECT_TRUE(bouton(*b.fond, "Enregistrer")->isEnabled());
    EXPECT_EQ(b.app->parties().session.FinEnregistrement, b.horloge.ecouleValeur + 3600 * 1000);

    b.e().Rec_Click();
    EXPECT_TRUE(b.duree(9)->isEnabled());
    b.duree(9)->click();
    EXPECT_FALSE(b.app->parties().session.FinEnregistrement);
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
    EXPECT_EQ(b.lecteurs.lancements.size(), 1u);
}

TEST(EnregistrementManuel, TimeLeftText)
{
    EXPECT_EQ(TexteDureeRestante((3600 + 5 * 60 + 9) * 1000 + 999), "Durée d'enregistrement restante : 01:05:09");
    EXPECT_EQ(TexteDureeRestante(-30 * 1000), "Durée d'enregistrement restante : 00:00:00");
    EXPECT_EQ(TexteDureeRestante(std::nullopt), "Aucune durée n'a été définie actuellement.");
}

TEST(EnregistrementManuel, PopUpStaysInsideTheWindow)
{
    // Pointer, where the pop-up goes: centred, held at the left and top edges, pulled back to
    // the right and bottom edges of the client area (the desktop's frame is outside it).
    const QSize popup(100, 60), fenetre(800, 600);
    const std::pair<QPoint, QPoint> cas[] = {{{400, 300}, {350, 270}}, {{10, 10}, {0, 0}},
                                             {{799, 599}, {700, 540}}, {{760, 20}, {700, 0}},
                                             {{20, 590}, {0, 540}},    {{749, 569}, {699, 539}}};
    for (const auto& [curseur, coin] : cas)
        EXPECT_EQ(placerPopup(curseur, popup, fenetre), coin) << curseur.x() << "," << curseur.y();
}

TEST(EnregistrementManuel, AnotherChannelAsksAndNoKeepsTheRecording)
{
    BancEnregistrement b;
    b.e().Rec_Click();
    b.app->parties().moteur.Chaines_Click(2);
    b.e().Rec_Click();
    EXPECT_EQ(b.dialogues.textes(),
              QStringList{"L'enregistrement en cours va être interrompu\npour enregistrer une autre chaîne.\n\n"
                          "Souhaitez-vous poursuivre ?"});
    EXPECT_EQ(b.lecteurs.lancements.size(), 1u);

    b.dialogues.reponses = {true};
    b.e().Rec_Click();
    EXPECT_EQ(b.lecteurs.lancements.size(), 2u);
    EXPECT_EQ(b.app->parties().session.ChaineEnCours, "M6");
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
}

TEST(EnregistrementManuel, FromTimeShiftOnlyOneQuestionIsAsked)
{
    BancEnregistrement b;
    b.app->parties().transport.Shift_Click();
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Differe);
    b.dialogues.reponses = {true};
    b.e().Rec_Click();
    EXPECT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::DiffereLecteur));
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
}

TEST(EnregistrementManuel, StopOnlyWhileRecordingAndTheClockEndsAChosenDuration)
{
    BancEnregistrement b;
    b.e().EnregistrerX_Click();
    EXPECT_EQ(b.lecteurs.fermeturesTotales, 0);

    b.e().Rec_Click();
    b.e().Rec_Click();
    b.duree(1)->click();  // 30 minutes
    b.avancer(30 * 60);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);  // not passed by a whole second yet
    b.avancer(1);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_FALSE(b.app->parties().session.FinEnregistrement);
}

namespace {
// The local time zone of the process, for as long as it lives.
class FuseauHoraire {
public:
    explicit FuseauHoraire(const QByteArray& tz) : avant_(qgetenv("TZ")), avait_(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", tz);
        ::tzset();
    }
    ~FuseauHoraire()
    {
        if (avait_)
            qputenv("TZ", avant_);
        else
            qunsetenv("TZ");
        ::tzset();
    }

private:
    QByteArray avant_;
    bool avait_;
};

QDateTime heureLocale(const char* iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toLocalTime();
}
}  // namespace

TEST(EnregistrementManuel, AChosenDurationIsElapsedTimeAcrossTheAutumnChangeOfHour)
{
    const FuseauHoraire paris("Europe/Paris");
    BancEnregistrement b("DISP=0\n");
    QLabel* texte = b.fond->findChild<QFrame*>("DuréeFond")->findChild<QLabel*>("TexteEnreg");
    auto tic = [&b](int secondes) {
        b.avancer(secondes);
        b.app->Horloge_Timer();
        return b.app->parties().session.Etat;
    };

    // "0:30" chosen at 02:50 summer time: at 03:00 the clocks go back to 02:00.
    b.horloge.maintenantValeur = heureLocale("2026-10-25T02:50:00+02:00");
    b.e().Rec_Click();
    b.e().Rec_Click();
    b.duree(1)->click();
    EXPECT_EQ(tic(5), EtatLecteur::Enregistrement);
    EXPECT_EQ(tic(10 * 60), EtatLecteur::Enregistrement);
    ASSERT_EQ(b.horloge.maintenantValeur.time(), QTime(2, 0, 5));  // winter time now
    b.e().Rec_Click();
    EXPECT_EQ(texte->text(), "Durée d'enregistrement restante : 00:19:55");
    b.duree(0)->click();
    // The date or the hour set by hand moves no duration either.
    b.horloge.maintenantValeur = b.horloge.maintenantValeur.addSecs(3 * 3600);
    EXPECT_EQ(tic(20 * 60 - 5), EtatLecteur::Enregistrement);
    EXPECT_EQ(tic(1), EtatLecteur::Arret);

    // "1:30" chosen at 01:45 summer time ends at 02:15 winter time, not at 02:15 summer time.
    b.horloge.maintenantValeur = heureLocale("2026-10-25T01:45:00+02:00");
    b.e().Rec_Click();
    b.e().Rec_Click();
    b.duree(3)->click();
    EXPECT_EQ(tic(30 * 60 + 1), EtatLecteur::Enregistrement);
    EXPECT_EQ(tic(50 * 60), EtatLecteur::Enregistrement);
    EXPECT_EQ(tic(10 * 60 - 1), EtatLecteur::Enregistrement);
    EXPECT_EQ(b.horloge.maintenantValeur, heureLocale("2026-10-25T02:15:00+01:00"));
    EXPECT_EQ(tic(1), EtatLecteur::Arret);
}

TEST(Programmation, AddFromTheEditorSavesAndTheClockStartsItWhenDue)
{
    BancEnregistrement b("AUTR=1\nAUTP=/usr/bin/traiter\nAUTL=\"%0\" %1.%2\n");
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    VoletProgrammation* v = &b.fond->programmation();
    ValeursEditeur e = b.fond->programmation().valeurs();
    EXPECT_EQ(e.date, QDate(2026, 12, 9));
    EXPECT_EQ(e.debut, QTime(20, 0));
    EXPECT_EQ(e.fin, QTime(22, 0));
    EXPECT_EQ(e.chaine, "TF1");
    e.debut = QTime(20, 5);
    e.fin = QTime(20, 35);
    e.frequence = 1;  // daily
    b.fond->programmation().definirValeurs(e);
    v->findChild<QPushButton*>("ProgOK")->click();
    EXPECT_EQ(b.programmes(), QStringList{"[A] 09/12/2026 20:05 - 20:35 > TF1 (Q)"});
    EXPECT_TRUE(QString::fromUtf8(b.lire("Kelmor.ini")).contains("\nPROG=[A] 09/12/2026 20:05 - 20:35 > TF1 (Q)\n"));
    EXPECT_TRUE(b.lecteurs.lancements.empty());

    // Due: a hidden recorder starts, whatever the display option.
    b.avancer(5 * 60);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);  // a start has passed only one second after it
    b.avancer(1);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.mid(0, 2), QStringList({"-I", "dummy"}));
    EXPECT_EQ(b.fond->windowTitle(), "Kelmor - 20:05 - TF1 (enregistrement automatique)");  // 20:05:01
    EXPECT_TRUE(b.fond->findChild<QFrame*>("ProgBar")->isVisibleTo(b.fond.get()));
    EXPECT_TRUE(b.programmes()[0].startsWith("[E]"));

    // Manual operations are refused meanwhile.
    b.app->parties().transport.Play_Click();
    EXPECT_EQ(b.dialogues.textes().last(), Moteur::kRefusProgramme);

    // The size shows while it runs.
    const QString fichier = b.app->parties().session.FichierEnregistre;
    b.disque.tailles[fichier] = 3LL * 1024 * 1024 * 1024;
    b.avancer(60);
    b.app->Horloge_Timer();
    EXPECT_TRUE(b.fond->findChild<QLabel*>("ProgTaille")->text().startsWith("3072 Mo (-- 00:"));

    // Ended: the recorder goes, the next occurrence is planned and the user's program runs.
    b.avancer(30 * 60);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_EQ(b.programmes(), QStringList({"[X] 09/12/2026 20:05 - 20:35 > TF1 (Q)",
                                           "[A] 10/12/2026 20:05 - 20:35 > TF1 (Q)"}));
    ASSERT_EQ(b.systeme.programmes.size(), 1u);
    const QFileInfo f(fichier);
    EXPECT_EQ(b.systeme.programmes[0].first, "/usr/bin/traiter");
    EXPECT_EQ(b.systeme.programmes[0].second,
              QStringList({f.absolutePath(), f.completeBaseName() + "." + f.suffix()}));
    EXPECT_TRUE(b.systeme.arrets.isEmpty());
}

TEST(Programmation, ADueEntryIntoAFolderThatTakesNoFileFailsAtOnceAndIsToldOnce)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 20:05 - 20:35 > M6 (Q)\nAUTR=1\nAUTP=/usr/bin/traiter\n");
    b.ecrire("pas un dossier", "x");
    const QString dossier = b.programme() + "pas un dossier/";
    b.app->parties().session.DossierEnregistrement = dossier;
    b.avancer(5 * 60 + 1);
    b.app->Horloge_Timer();
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_EQ(b.programmes(), QStringList({"[X] 09/12/2026 20:05 - 20:35 > M6 (Q)",
                                           "[A] 10/12/2026 20:05 - 20:35 > M6 (Q)"}));
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Exclamation);
    EXPECT_EQ(b.dialogues.messages[0].texte,
              "L'enregistrement programmé de M6 n'a pas pu commencer.\n"
              "Le lecteur vlc ne peut pas enregistrer dans le dossier :\n" + dossier +
                  "\n\nAucun fichier ne peut y être créé : ce dossier n'existe pas.\n"
                  "Choisissez un autre dossier d'enregistrement dans les options.");
    EXPECT_TRUE(b.systeme.programmes.empty());  // nothing was recorded
    b.avancer(10);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.dialogues.messages.size(), 1u);
}

TEST(Programmation, ShutdownAfterTheRecordingCanBeCancelled)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 19:59 - 20:30 > M6 (1)\n");
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);  // the first tick at start-up started it
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    b.fond->programmation().findChild<QCheckBox*>("Extinction")->setChecked(true);
    b.avancer(31 * 60);
    b.app->Horloge_Timer();
    ASSERT_EQ(b.systeme.arrets.size(), 1);
    QPushButton* annuler = b.fond->programmation().findChild<QPushButton*>("ExtinctionOFF");
    EXPECT_TRUE(annuler->isVisibleTo(b.fond.get()));
    annuler->click();
    EXPECT_EQ(b.systeme.annulations, 1);
    EXPECT_FALSE(annuler->isVisibleTo(b.fond.get()));
}

TEST(Programmation, TheShutdownSetBringsTheWindowBackOnTheScheduleWithItsGreenCancelButtonInSight)
{
    // Wherever the window stood when the recording ended.
    const std::pair<const char*, std::function<void(BancEnregistrement&)>> departs[] = {
        {"notification area", [](BancEnregistrement& b) { b.fond->hide(); }},
        {"minimised", [](BancEnregistrement& b) { b.fond->showMinimized(); }},
        {"full screen",
         [](BancEnregistrement& b) {
             bouton(*b.fond, "Afficher")->click();
             ASSERT_TRUE(b.attendreForme());
             bouton(b.fond->afficher(), "Full2")->click();
             ASSERT_EQ(b.fond->forme().forme(), Forme::PleinEcran);
         }},
        {"remote-control form",
         [](BancEnregistrement& b) {
             b.fond->appliqueur().Mini_Click();
             ASSERT_TRUE(b.attendreForme());
             ASSERT_TRUE(b.fond->forme().estTelecommande());
         }},
        {"guide tab", [](BancEnregistrement& b) { b.fond->guide().choisirOnglet(3); }},
        {"options", [](BancEnregistrement& b) { bouton(*b.fond, "Options")->click(); }}};
    for (const auto& [nom, partir] : departs) {
        BancEnregistrement b("PROG=[A] 09/12/2026 19:59 - 20:30 > M6 (1)\n");
        b.fond->show();
        bouton(*b.fond, "Guider")->click();
        ASSERT_TRUE(b.attendreForme());
        b.fond->programmation().findChild<QCheckBox*>("Extinction")->setChecked(true);
        partir(b);
        QCoreApplication::processEvents();
        b.dialogues.messages.clear();  // the audience tab has no feed to show
        b.avancer(31 * 60);
        b.app->Horloge_Timer();
        ASSERT_TRUE(b.attendreForme());
        QCoreApplication::processEvents();
        ASSERT_EQ(b.systeme.arrets.size(), 1) << nom;
        EXPECT_TRUE(b.fond->isVisible()) << nom;
        EXPECT_FALSE(b.fond->isMinimized()) << nom;
        EXPECT_FALSE(b.fond->etat().optionsOuvertes()) << nom;
        EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Guider)) << nom;
        EXPECT_EQ(b.fond->guide().onglet(), 1) << nom;
        QPushButton* annuler = b.fond->programmation().findChild<QPushButton*>("ExtinctionOFF");
        ASSERT_TRUE(annuler->isVisible()) << nom;
        const QRect dansFenetre(annuler->mapTo(b.fond.get(), QPoint(0, 0)), annuler->size());
        EXPECT_TRUE(b.fond->rect().contains(dansFenetre)) << nom;
        // Green, as the notice says.
        const QColor centre = annuler->grab().toImage().pixelColor(annuler->width() / 4, annuler->height() / 2);
        EXPECT_GT(centre.green(), centre.red() + 40) << nom;
        EXPECT_GT(centre.green(), centre.blue() + 40) << nom;
        EXPECT_TRUE(annuler->font().bold()) << nom;
        EXPECT_TRUE(b.dialogues.messages.empty()) << nom;
    }
}

TEST(Programmation, AShutdownOrACancellationTheSystemRefusesIsSaidAndNotShownAsDone)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 19:59 - 20:30 > M6 (1)\n");
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    b.fond->programmation().findChild<QCheckBox*>("Extinction")->setChecked(true);
    QPushButton* annuler = b.fond->programmation().findChild<QPushButton*>("ExtinctionOFF");

    // The system answers after the tick: nothing shows as scheduled before it has.
    b.systeme.differer = true;
    b.systeme.arretAccepte = false;
    b.avancer(31 * 60);
    b.app->Horloge_Timer();
    ASSERT_EQ(b.systeme.arrets.size(), 1);
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_FALSE(annuler->isVisibleTo(b.fond.get()));
    EXPECT_TRUE(b.dialogues.messages.empty());
    // Said once no box is open.
    b.dialogues.differer = true;
    ASSERT_TRUE(b.systeme.repondre());
    EXPECT_TRUE(b.dialogues.messages.empty());
    b.dialogues.liberer();
    EXPECT_EQ(b.dialogues.messages, (std::vector<Message>{{Message::Exclamation, Programmation::kEchecExtinction}}));
    EXPECT_FALSE(annuler->isVisibleTo(b.fond.get()));

    // Taken: the button shows; a cancellation refused keeps it, and says so.
    b.dialogues.messages.clear();
    b.systeme.arretAccepte = true;
    b.systeme.differer = false;
    b.app->parties().programmation.AjouterProgramme(ValeursEditeur::De(*LigneProgramme::depuisTexte(
                                              "[A] 09/12/2026 20:31 - 20:45 > M6 (1)")),
                                          false);
    b.avancer(60);
    b.app->Horloge_Timer();
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    b.avancer(15 * 60);
    b.app->Horloge_Timer();
    ASSERT_EQ(b.systeme.arrets.size(), 2);
    EXPECT_TRUE(annuler->isVisibleTo(b.fond.get()));
    b.systeme.annulationAcceptee = false;
    annuler->click();
    EXPECT_EQ(b.systeme.annulations, 1);
    EXPECT_EQ(b.dialogues.textes(), QStringList{Programmation::kEchecAnnulationExtinction});
    EXPECT_TRUE(annuler->isVisibleTo(b.fond.get()));
    b.systeme.annulationAcceptee = true;
    annuler->click();
    EXPECT_EQ(b.systeme.annulations, 2);
    EXPECT_FALSE(annuler->isVisibleTo(b.fond.get()));
    EXPECT_EQ(b.dialogues.messages.size(), 1u);
}

TEST(Programmation, TheShutdownBoxIsDisabledWhileAProgramRunsAfterEachRecording)
{
    BancEnregistrement apres("AUTR=1\nAUTP=/usr/bin/traiter\n");
    bouton(*apres.fond, "Guider")->click();
    apres.attendreForme();
    EXPECT_FALSE(apres.fond->programmation().findChild<QCheckBox*>("Extinction")->isEnabled());

    BancEnregistrement sans("AUTR=0\nAUTP=/usr/bin/traiter\n");
    bouton(*sans.fond, "Guider")->click();
    sans.attendreForme();
    EXPECT_TRUE(sans.fond->programmation().findChild<QCheckBox*>("Extinction")->isEnabled());
}

TEST(Programmation, DueEntryStopsTimeShiftWithoutAQuestion)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 20:02 - 20:30 > M6 (1)\n");
    b.app->parties().transport.Shift_Click();
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Differe);
    b.avancer(121);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::DiffereLecteur));
}

TEST(Programmation, TheClockWaitsForARunningSequence)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 20:02 - 20:30 > M6 (1)\n");
    b.avancer(121);
    {
        const Moteur::Sequence s = b.app->parties().moteur.sequence();
        b.app->Horloge_Timer();
        EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    }
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
}

TEST(Programmation, StoredEntriesGoThroughTheAddRulesAtStart)
{
    BancEnregistrement b(
        "PROG=[X] 01/12/2026 20:00 - 21:00 > TF1 (1)\n"
        "PROG=[E] 12/12/2026 20:00 - 21:00 > TF1 (1)\n"
        "PROG=[A] 12/12/2026 20:00 - 21:00 > TF1 (1)\n"
        "PROG=[A] 18/11/2026 06:00 - 07:00 > M6 (H)\n");
    EXPECT_EQ(b.programmes(), QStringList({"[A] 12/12/2026 20:00 - 21:00 > TF1 (1)",
                                           "[A] 16/12/2026 06:00 - 07:00 > M6 (H)"}));
}

TEST(Programmation, DeletingTheRunningEntryStopsItsRecorder)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 19:59 - 20:30 > M6 (1)\n");
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    b.dialogues.reponses = {true};
    b.fond->programmation().findChild<QPushButton*>("SupprimerSélection")->click();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_TRUE(b.programmes().isEmpty());
    EXPECT_FALSE(QString::fromUtf8(b.lire("Kelmor.ini")).contains("PROG="));
}

TEST(Reentree, ATickDuringAWaitRunsOnlyOnceTheOperationIsOver)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 20:01 - 21:00 > M6 (1)\n");
    b.avancer(60);
    // The clock fires while time-shift buffers: it must not start the recording in the middle.
    b.horloge.pendantAttente = [&b] {
        b.app->Horloge_Timer();
        EXPECT_NE(b.app->parties().session.Etat, EtatLecteur::Programme);
    };
    b.app->parties().transport.Pause_Click();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::DiffereLecteur));
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(Reentree, StopRequestWhileTheEntryEndsPlansOneOccurrenceOnly)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 19:59 - 20:30 > M6 (Q)\n");
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    b.dialogues.reponses = {true};
    b.dialogues.pendantQuestion = [&b] {
        b.avancer(31 * 60);
        b.app->Horloge_Timer();
    };
    b.fond->programmation().findChild<QPushButton*>("Stopper")->click();
    b.dialogues.pendantQuestion = nullptr;
    b.app->Horloge_Timer();
    EXPECT_EQ(b.programmes(), QStringList({"[X] 09/12/2026 19:59 - 20:30 > M6 (Q)",
                                           "[A] 10/12/2026 19:59 - 20:30 > M6 (Q)"}));
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
}

TEST(Reentree, CloseDuringAnOperationWaitsForItsEnd)
{
    BancEnregistrement b;
    b.fond->show();
    b.horloge.pendantAttente = [&b] { b.fond->fermerSansQuestion(); };
    b.app->parties().transport.Shift_Click();
    // The close came during the buffering: time-shift finished starting, then everything stopped.
    EXPECT_FALSE(b.fond->isVisible());
    EXPECT_TRUE(b.lecteurs.aucunEnCours());
    EXPECT_TRUE(b.dialogues.messages.empty());
    // And the clock starts nothing any more.
    b.app->parties().programmation.AjouterProgramme({QDate(2026, 12, 9), QTime(19, 0), QTime(23, 0), "TF1", 0}, false);
    b.app->Horloge_Timer();
    EXPECT_TRUE(b.lecteurs.aucunEnCours());
}

namespace {
QStringList exclamations(const FauxDialogues& d)
{
    QStringList l;
    for (const auto& m : d.messages)
        if (m.genre == Message::Exclamation)
            l << m.texte;
    return l;
}
}  // namespace

TEST(Surveillance, AScheduledRecorderThatDiesFailsItsEntryAndIsToldOnce)
{
    BancEnregistrement b("AUTR=1\nAUTP=/usr/bin/traiter\nPROG=[A] 09/12/2026 19:59 - 21:00 > M6 (1)\n");
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    const QString fichier = b.app->parties().session.FichierEnregistre;
    b.disque.tailles[fichier] = 1000;
    b.avancer(10);
    b.app->Horloge_Timer();
    EXPECT_TRUE(b.dialogues.messages.empty());

    b.lecteurs.actifs[RoleLecteur::Enregistreur] = false;
    b.avancer(10);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.programmes(), QStringList{"[X] 09/12/2026 19:59 - 21:00 > M6 (1)"});
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_EQ(exclamations(b.dialogues),
              QStringList{"L'enregistrement programmé de M6 s'est interrompu avant sa fin : le lecteur vlc s'est fermé."
                          "\n\nLe fichier suivant est incomplet :\n" + fichier});
    EXPECT_TRUE(b.systeme.programmes.empty());  // no program on a broken file

    for (int i = 0; i < 10; ++i) {
        b.avancer(10);
        b.app->Horloge_Timer();
    }
    EXPECT_EQ(b.dialogues.messages.size(), 1u);
}

TEST(Surveillance, AScheduledFileThatStopsGrowingForAMinuteFailsAndItsRecorderIsClosed)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 19:59 - 21:00 > M6 (1)\n");
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    const QString fichier = b.app->parties().session.FichierEnregistre;
    for (int i = 1; i <= 3; ++i) {  // it grows for half a minute
        b.disque.tailles[fichier] = i * 1000;
        b.avancer(10);
        b.app->Horloge_Timer();
    }
    for (int i = 0; i < 5; ++i) {  // then the stream stops: less than a minute
        b.avancer(10);
        b.app->Horloge_Timer();
    }
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    EXPECT_TRUE(b.dialogues.messages.empty());
    b.avancer(10);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_TRUE(b.programmes()[0].startsWith("[X]"));
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_TRUE(b.dialogues.messages[0].texte.contains("le fichier ne grossit plus depuis une minute"));
}

TEST(Surveillance, AScheduledRecorderThatCannotStartIsToldOnceAndItsEntryEnds)
{
    BancEnregistrement b("PROG=[A] 09/12/2026 20:01 - 21:00 > M6 (1)\n");
    b.lecteurs.echecDemarrage = true;
    b.avancer(61);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.programmes(), QStringList{"[X] 09/12/2026 20:01 - 21:00 > M6 (1)"});
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    b.avancer(10);
    b.app->Horloge_Timer();
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith("L'enregistrement programmé de M6 n'a pas pu commencer."));
}

TEST(Surveillance, AManualRecorderThatDiesStopsTheRecordingAndIsToldOnce)
{
    BancEnregistrement b;
    b.e().Rec_Click();
    ASSERT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
    b.lecteurs.actifs[RoleLecteur::Enregistreur] = false;
    b.avancer(10);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_EQ(b.fond->windowTitle(), "Kelmor - 20:00");
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Exclamation);
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith(
        "L'enregistrement de TF1 s'est interrompu : le lecteur vlc s'est fermé."));
    b.avancer(10);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.dialogues.messages.size(), 1u);
}

TEST(Surveillance, AManualRecordingWhoseFileStopsGrowingIsStopped)
{
    BancEnregistrement b;
    b.e().Rec_Click();
    // The box sends nothing: the file never appears.
    for (int i = 0; i < 5; ++i) {
        b.avancer(10);
        b.app->Horloge_Timer();
    }
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
    b.avancer(10);
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_TRUE(b.dialogues.messages[0].texte.contains("le fichier ne grossit plus"));
}

TEST(Programmation, AClockSetDuringAScheduledRecordingMovesNotItsEndAndIsToldOnce)
{
    for (const int decalage : {3600, -3600}) {
        BancEnregistrement b("PROG=[A] 09/12/2026 20:01 - 21:00 > M6 (1)\n");
        const auto tic = [&b](int secondes) {
            b.avancer(secondes);
            b.app->Horloge_Timer();
            return b.app->parties().session.Etat;
        };
        ASSERT_EQ(tic(70), EtatLecteur::Programme) << decalage;  // 20:01:10, 58:50 to go
        // A time-sync correction: the wall clock moves, elapsed time does not.
        b.horloge.maintenantValeur = b.horloge.maintenantValeur.addSecs(decalage);
        EXPECT_EQ(tic(10), EtatLecteur::Programme) << decalage;
        EXPECT_EQ(tic(10), EtatLecteur::Programme) << decalage;
        EXPECT_EQ(tic(58 * 60 + 50 - 20), EtatLecteur::Programme) << decalage;
        EXPECT_EQ(tic(1), EtatLecteur::Arret) << decalage;
        EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
        EXPECT_EQ(b.programmes(), QStringList{"[X] 09/12/2026 20:01 - 21:00 > M6 (1)"}) << decalage;
        b.dialogues.liberer();
        EXPECT_EQ(b.dialogues.messages,
                  (std::vector<Message>{{Message::Information, MessageSautHorloge("M6", decalage * 1000LL)}}))
            << decalage;
    }
}

TEST(Programmation, AnEntryInTheHourTheSpringChangeSkipsIsToldNotSilentlyEnded)
{
    const FuseauHoraire paris("Europe/Paris");
    if (!QTimeZone("Europe/Paris").isValid())
        GTEST_SKIP() << "no Europe/Paris time zone data";
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1", "M6"}));
    b.ecrire("Kelmor.ini", "PROG=[A] 29/03/2026 02:15 - 02:45 > M6 (H)\n");
    b.horloge.maintenantValeur = heureLocale("2026-03-29T01:59:55+01:00");
    ASSERT_TRUE(b.demarrer());
    b.dialogues.messages.clear();
    b.app->Horloge_Timer();
    b.horloge.avancer(10000);  // 03:00:05, summer time
    ASSERT_EQ(b.horloge.maintenantValeur.time().hour(), 3);
    b.app->Horloge_Timer();
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_EQ(b.app->parties().session.programmes.textes(), (QStringList{"[X] 29/03/2026 02:15 - 02:45 > M6 (H)",
                                           "[A] 05/04/2026 02:15 - 02:45 > M6 (H)"}));
    b.dialogues.liberer();
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Exclamation);
    EXPECT_TRUE(b.dialogues.messages[0].texte.contains("passage à l'heure d'été"));
}
