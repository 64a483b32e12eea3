#include "support/Attente.h"
#include "shell/clsSysTray.h"
#include "support/BancApplication.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <deque>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kQuestionListe = "La liste des chaînes est introuvable.\n\nSouhaitez-vous la télécharger ?";

QStringList lignes(const QByteArray& t)
{
    return QString::fromUtf8(t).split('\n', Qt::SkipEmptyParts);
}

QString valeur(const QByteArray& fichier, const QString& cle)
{
    for (const QString& l : lignes(fichier))
        if (l.startsWith(cle + "="))
            return l.mid(cle.size() + 1);
    return "<absent>";
}

QListWidget* listeChaines(BancApplication& b)
{
    return b.fond->findChild<QListWidget*>("Chaînes");
}
}  // namespace

TEST(Demarrage, SecondCopyOnlySaysSoEvenWithReset)
{
    BancApplication b;
    b.instance.seule = false;
    EXPECT_FALSE(b.demarrer({"/r"}));
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, "Kelmor est déjà lancé."}));
}

TEST(Demarrage, ALockThatCannotBeWrittenSaysSoAndNotThatKelmorRuns)
{
    BancApplication b;
    b.instance.seule = false;
    b.instance.echec = InstanceUnique::Resultat::DossierInaccessible;
    EXPECT_FALSE(b.demarrer());
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Exclamation);
    EXPECT_EQ(b.dialogues.messages[0].texte,
              "Kelmor ne peut pas écrire dans son dossier :\n" + b.programme() +
                  "\nVérifiez que ce dossier est accessible en écriture et que le disque n'est pas plein.");
}

TEST(Demarrage, ALockInTheWayIsToldWithWhatToRemoveAndNotAsAnotherCopy)
{
    const QString chemin = "/home/u/.local/share/Kelmor/Kelmor.lock";
    const auto message = [&](InstanceUnique::Resultat r, const QString& machine = {}) {
        BancApplication b;
        b.instance.seule = false;
        b.instance.echec = r;
        b.instance.chemin = chemin;
        b.instance.machine = machine;
        EXPECT_FALSE(b.demarrer({"/r"}));
        EXPECT_FALSE(b.fond->isVisible());
        EXPECT_EQ(b.dialogues.messages.size(), 1u);
        EXPECT_EQ(b.dialogues.messages.at(0).genre, Message::Exclamation);
        return b.dialogues.messages.at(0).texte;
    };
    EXPECT_EQ(message(InstanceUnique::Resultat::VerrouPasUnFichier),
              "Kelmor ne peut pas vérifier s'il est déjà lancé :\n"
              "le nom de son fichier de verrou est pris par un dossier\n"
              "ou un autre élément qui n'est pas un fichier :\n" + chemin +
              "\n\nSupprimez ou renommez cet élément, puis relancez Kelmor.");
    EXPECT_EQ(message(InstanceUnique::Resultat::VerrouIllisible),
              "Le fichier de verrou de Kelmor est endommagé, sans doute par un arrêt brutal :\n" + chemin +
              "\n\nSi Kelmor n'est pas déjà lancé, supprimez ce fichier, puis relancez Kelmor.");
    EXPECT_EQ(message(InstanceUnique::Resultat::VerrouAutreMachine, "salon"),
              "Kelmor semble déjà lancé sur l'ordinateur « salon »\navec le même dossier.\n\n"
              "S'il ne l'est pas (par exemple si cet ordinateur a été renommé\n"
              "depuis), supprimez le fichier suivant, puis relancez Kelmor :\n" + chemin);
    EXPECT_EQ(message(InstanceUnique::Resultat::DejaLancee), "Kelmor est déjà lancé.");
}

TEST(Demarrage, ResetDeletesOnlyTheSettingsAndEnds)
{
    BancApplication b;
    b.ecrire("Kelmor.ini", "SORT=1\n");
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
    b.dialogues.reponses = {true};
    EXPECT_FALSE(b.demarrer({"--x", "A/R/M"}));  // found in capitals, inside a longer argument
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith("La réinitialisation des paramètres d'Kelmor"));
    EXPECT_EQ(b.dialogues.messages.back().texte, "Les paramètres d'Kelmor ont été réinitialisés.");
    EXPECT_FALSE(QFileInfo::exists(b.programme() + "Kelmor.ini"));
    EXPECT_TRUE(QFileInfo::exists(b.programme() + "Kelmor.cfg"));

    BancApplication non;
    non.ecrire("Kelmor.ini", "SORT=1\n");
    EXPECT_FALSE(non.demarrer({"/r"}));
    EXPECT_EQ(non.dialogues.messages.back().texte, "Les paramètres d'Kelmor n'ont pas été réinitialisés.");
    EXPECT_EQ(non.lire("Kelmor.ini"), "SORT=1\n");
}

TEST(Demarrage, SwitchesAreNotReadFromTheProgramPath)
{
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
    EXPECT_TRUE(b.app->Form_Load({"/opt/r/m/kelmor"}));
    EXPECT_FALSE(b.app->demarreMinimise());
}

TEST(Demarrage, MissingChannelListDeclinedEndsWithoutSaving)
{
    BancApplication b;
    b.installerVlc();
    EXPECT_FALSE(b.demarrer());
    ASSERT_EQ(b.dialogues.textes(),
              QStringList({kQuestionListe, "La liste des chaînes est nécessaire à Kelmor.\n\nKelmor va maintenant s'arrêter."}));
    EXPECT_FALSE(QFileInfo::exists(b.programme() + "Kelmor.ini"));
}

TEST(Demarrage, FirstStartDownloadsTheListAndWritesTheSettings)
{
    BancApplication b;
    b.installerVlc();
    b.servirPlaylist(BancApplication::playlist({"France 2", "Télé Bleue"}));
    b.dialogues.reponses = {true};
    ASSERT_TRUE(b.demarrer());
    EXPECT_EQ(b.dialogues.textes(), QStringList{kQuestionListe});
    EXPECT_EQ(listeChaines(b)->count(), 2);
    EXPECT_EQ(listeChaines(b)->item(1)->text(), "Télé Bleue");
    EXPECT_EQ(listeChaines(b)->currentRow(), 0);
    const QByteArray ini = b.lire("Kelmor.ini");
    EXPECT_EQ(valeur(ini, "VERS"), "Version 1.4");
    EXPECT_EQ(valeur(ini, "PATH"), b.dossiers.path["vlc"]);
    EXPECT_EQ(b.lecteurs.fermeturesRestes, 1);
    EXPECT_TRUE(b.app->parties().horloge.isActive());
    EXPECT_TRUE(b.fond->windowTitle().startsWith("Kelmor - "));
}

TEST(Demarrage, UnreachableBoxOnFirstStartEnds)
{
    BancApplication b;
    b.installerVlc();
    b.dialogues.reponses = {true};
    EXPECT_FALSE(b.demarrer());
    EXPECT_EQ(b.dialogues.messages.back().genre, Message::Exclamation);
    EXPECT_TRUE(b.dialogues.messages.back().texte.startsWith("La liste des chaînes Free est absente"));
    EXPECT_FALSE(QFileInfo::exists(b.programme() + "Kelmor.ini"));
}

TEST(Demarrage, AutomaticCheckFetchesTheMissingListWithoutAsking)
{
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.ini", "CFGA=1\n");
    b.servirPlaylist(BancApplication::playlist({"Arte"}));
    ASSERT_TRUE(b.demarrer());
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(listeChaines(b)->count(), 1);
}

TEST(Demarrage, StartUpChecksWaitBrieflyButAMissingListIsAFullDownload)
{
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.ini", "CFGA=1\nEXEA=1\n");
    // The stored list is only compared, and so is the version: a box that never answers
    // holds the start for the short wait, not for a download's.
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"Arte"}));
    ASSERT_TRUE(b.demarrer());
    EXPECT_EQ(b.web.demandes, QStringList({b.adresses.playlist(), b.adresses.fichierVersion()}));
    EXPECT_EQ(b.web.delais, QList<int>({kDelaiVerificationMs, kDelaiVerificationMs}));

    BancApplication sansListe;
    sansListe.installerVlc();
    sansListe.ecrire("Kelmor.ini", "CFGA=1\n");
    sansListe.servirPlaylist(BancApplication::playlist({"Arte"}));
    ASSERT_TRUE(sansListe.demarrer());
    EXPECT_EQ(sansListe.web.delais, QList<int>{0});
}

TEST(Demarrage, LastChannelRules)
{
    const QByteArray liste = BancApplication::playlist({"TF1", "M6", "Arte"});
    {
        BancApplication b;  // not remembered: the first channel, whatever CHA1 says
        b.installerVlc();
        b.ecrire("Kelmor.cfg", liste);
        b.ecrire("Kelmor.ini", "CHA0=0\nCHA1=Arte\n");
        ASSERT_TRUE(b.demarrer());
        EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 0);
    }
    {
        BancApplication b;
        b.installerVlc();
        b.ecrire("Kelmor.cfg", liste);
        b.ecrire("Kelmor.ini", "CHA0=1\nCHA1=Arte\n");
        ASSERT_TRUE(b.demarrer());
        EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 2);
        EXPECT_EQ(b.fond->findChild<QLabel*>("ProgChaîne")->text(), "Arte");
        EXPECT_FALSE(bouton(*b.fond, "ChaîneP")->isEnabled());
        EXPECT_TRUE(bouton(*b.fond, "ChaîneM")->isEnabled());
    }
    {
        BancApplication b;  // remembered channel gone: nothing selected, and it is not written back
        b.installerVlc();
        b.ecrire("Kelmor.cfg", liste);
        b.ecrire("Kelmor.ini", "CHA0=1\nCHA1=Canal disparu\n");
        ASSERT_TRUE(b.demarrer());
        EXPECT_EQ(b.app->parties().session.chaineSelectionnee, -1);
        EXPECT_EQ(listeChaines(b)->currentRow(), -1);
        EXPECT_EQ(valeur(b.lire("Kelmor.ini"), "CHA1"), "");
    }
    {
        BancApplication b;  // a stored playlist without any channel counts as no list at all
        b.installerVlc();
        b.ecrire("Kelmor.cfg", "#EXTM3U\n");
        EXPECT_FALSE(b.demarrer());
        EXPECT_EQ(b.dialogues.messages.front(), (Message{Message::Question, kQuestionListe}));
        EXPECT_EQ(b.lire("Kelmor.cfg"), "#EXTM3U\n");
    }
}

TEST(Demarrage, PlayerSearchOrder)
{
    BancApplication b;
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
    b.ecrire("Kelmor.ini", "PATH=/nulle/part/vlc\n");
    b.installerVlc();
    // One in the program's folder wins over the PATH.
    b.ecrire("vlc", "#!/bin/sh\n");
    QFile(b.programme() + "vlc").setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(b.demarrer());
    EXPECT_EQ(valeur(b.lire("Kelmor.ini"), "PATH"), b.programme() + "vlc");
}

TEST(Demarrage, PlayerDialogAcceptsOnlyAPlayerName)
{
    BancApplication b;
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
    const QString vrai = b.installerVlc();
    b.dossiers.path.clear();
    b.dialogues.reponses = {true};
    b.dialogues.fichiers = {vrai};
    ASSERT_TRUE(b.demarrer());
    EXPECT_EQ(b.dialogues.titresFichier, QStringList{"Sélectionnez le fichier VLC (vlc)"});
    EXPECT_EQ(b.app->parties().session.parametres.cheminVLC, vrai);

    BancApplication refus;
    refus.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
    refus.dialogues.reponses = {true, true};
    refus.dialogues.fichiers = {"/usr/bin/VLC"};
    EXPECT_FALSE(refus.demarrer());
    EXPECT_EQ(refus.dialogues.textes().mid(1),
              QStringList({"Le fichier vlc est introuvable.\n\nSouhaitez-vous télécharger VLC ?",
                           "VLC est nécessaire pour accéder au flux TV de Free.\nInstallez-le avant de relancer "
                           "Kelmor.\n\nKelmor va maintenant s'arrêter."}));
    EXPECT_EQ(refus.shell.ouverts.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(refus.programme() + "Kelmor.ini"));
}

TEST(Demarrage, WindowPosition)
{
    auto demarrerA = [](const QByteArray& ini) {
        auto b = std::make_unique<BancApplication>();
        b->installerVlc();
        b->ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
        b->ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(b->demarrer());
        return b;
    };
    {
        auto b = demarrerA("POS0=1\nCADR=0\nPOS1=-300\nPOS2=150\n");
        EXPECT_EQ(b->fond->position(), QPoint(0, 150));
    }
    {
        auto b = demarrerA("POS0=1\nCADR=1\nPOS1=999999\nPOS2=999999\n");
        const QSize ecran = b->fond->tailleEcran(), taille = b->fond->tailleFenetre();
        EXPECT_EQ(b->app->parties().session.parametres.pos1, ecran.width() - taille.width());
        EXPECT_EQ(b->app->parties().session.parametres.pos2, ecran.height() - taille.height());
    }
    {
        auto b = demarrerA("POS0=1\nCADR=0\nPOS1=45000\nPOS2=30\n");
        EXPECT_EQ(b->app->parties().session.parametres.pos1, 45000);
    }
    {
        auto b = demarrerA("POS0=0\nPOS1=30\nPOS2=30\n");
        const QSize ecran = b->fond->tailleEcran(), taille = b->fond->tailleFenetre();
        EXPECT_NEAR(b->fond->position().x(), (ecran.width() - taille.width()) / 2, 15);
    }
}

TEST(Demarrage, MinimisedStartSkipsTheFadeButSaves)
{
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
    b.ecrire("Kelmor.ini", "TRAN=1\nTVON=1\n");
    ASSERT_TRUE(b.demarrer({"/m"}));
    EXPECT_TRUE(b.app->demarreMinimise());
    EXPECT_TRUE(!b.fond->isVisible() || b.fond->isMinimized()) << "minimised, not faded in";
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_EQ(valeur(b.lire("Kelmor.ini"), "VERS"), "Version 1.4");
    EXPECT_TRUE(b.app->parties().horloge.isActive());
}

TEST(Demarrage, FadeInSteps)
{
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
    ASSERT_TRUE(b.demarrer());
    EXPECT_TRUE(b.fond->isVisible());
    const auto etapes = EtapesFondu();
    ASSERT_EQ(etapes.size(), 32u);
    EXPECT_EQ(etapes.front(), 0);
    EXPECT_EQ(etapes.back(), 248);
    // The steps run from the event loop: start-up is over before the window is opaque.
    EXPECT_LT(b.fond->windowOpacity(), 1.0);
    EXPECT_TRUE(attendreQue([&b] { return b.fond->windowOpacity() == 1.0; }, 3000));
}

TEST(Demarrage, FavouritesInFrontWhenAsked)
{
    for (const bool favi : {false, true}) {
        BancApplication b;
        b.installerVlc();
        b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
        b.ecrire("Kelmor.ini", favi ? "FAVI=1\n" : "FAVI=0\n");
        ASSERT_TRUE(b.demarrer());
        EXPECT_EQ(bouton(*b.fond, "Fav")->font().bold(), favi);
        bouton(*b.fond, "Fav")->click();
        EXPECT_EQ(bouton(*b.fond, "Fav")->font().bold(), !favi);
    }
}

TEST(Demarrage, AFileThatIsNotARegularOneOrTooBigEndsTheStartNamingItAndStaysAsItWas)
{
    struct Cas {
        const char* nom;
        std::function<void(const QString& chemin)> poser;
        const char* raison;
    };
    const std::vector<Cas> cas = {
        {"Kelmor.ini", [](const QString& c) { ASSERT_EQ(::mkfifo(QFile::encodeName(c).constData(), 0600), 0); },
         "ce n'est pas un fichier ordinaire."},
        {"Kelmor.cfg", [](const QString& c) { ASSERT_EQ(::mkfifo(QFile::encodeName(c).constData(), 0600), 0); },
         "ce n'est pas un fichier ordinaire."},
        {"Kelmor.ini", [](const QString& c) { ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(c).constData()), 0); },
         "ce n'est pas un fichier ordinaire."},
        {"Kelmor.cfg",
         [](const QString& c) {
             QFile f(c);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             ASSERT_TRUE(f.resize(8 * 1024 * 1024 + 1));
         },
         "il dépasse 8 Mo."},
    };
    for (const Cas& k : cas) {
        BancApplication b;
        b.installerVlc();
        b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1", "Arte"}));
        b.ecrire("Kelmor.ini", "CFGA=0\nCHA1=Arte\n");
        const QString chemin = b.programme() + k.nom;
        QFile::remove(chemin);
        k.poser(chemin);
        EXPECT_FALSE(b.demarrer()) << k.nom;
        ASSERT_EQ(b.dialogues.messages.size(), 1u) << k.nom;
        EXPECT_EQ(b.dialogues.messages[0],
                  (Message{Message::Exclamation, "Le fichier " + chemin + " ne peut pas être lu :\n" + k.raison +
                                                     "\n\nSupprimez ou renommez ce fichier, puis relancez Kelmor.\n\n"
                                                     "Kelmor va maintenant s'arrêter."}))
            << k.nom;
        // Nothing replaced it: what the user put there is still there.
        EXPECT_FALSE(QFileInfo(chemin).isFile() && QFileInfo(chemin).size() < 1000) << k.nom;
        EXPECT_TRUE(QFileInfo(chemin).exists()) << k.nom;
    }
}

TEST(Demarrage, APlaylistCutInTransitKeepsTheStoredListItsFavouritesAndLastChannel)
{
    BancApplication b;
    b.installerVlc();
    const QByteArray stockee = BancApplication::playlist({"TF1", "France 2", "Arte"});
    b.ecrire("Kelmor.cfg", stockee);
    b.ecrire("Kelmor.ini", "CFGA=1\nCHA0=1\nCHA1=Arte\nFA01=Arte\n");
    // The connection closed in the middle of the last channel's line.
    b.servirPlaylist(stockee.left(stockee.indexOf("Arte") + 2));
    ASSERT_TRUE(b.demarrer());
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(b.lire("Kelmor.cfg"), stockee);
    EXPECT_EQ(listeChaines(b)->count(), 3);
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 2);
    // Start-up's own save keeps what names Arte.
    const QByteArray ini = b.lire("Kelmor.ini");
    EXPECT_EQ(valeur(ini, "CHA1"), "Arte");
    EXPECT_EQ(valeur(ini, "FA01"), "Arte");
}

TEST(Demarrage, APlaylistCutAfterAWholeChannelDropsChannelsInUseOnlyIfTheUserSaysSo)
{
    // Cut by a connection closed right after France 2's address: it looks whole.
    const QByteArray stockee = BancApplication::playlist({"TF1", "France 2", "Arte", "M6"});
    const QByteArray coupee = stockee.left(stockee.indexOf("#EXTINF", stockee.indexOf("France 2")));
    const QString question = "Une nouvelle liste des chaînes Free existe, mais elle ne contient plus\n"
                             "ces chaînes utilisées par vos favoris ou vos programmations :\n\n";
    struct Cas {
        const char* quoi;
        QByteArray ini;
        std::deque<bool> reponses;
        QStringList perdues;  // named by the question; none asked when empty
        bool misAJour;
    };
    const QByteArray prog = "PROG=[A] 01/01/2099 20:00 - 21:00 > M6 (1)\n";
    const std::vector<Cas> cas = {
        {"favourite and last channel, kept", "CFGA=1\nCHA0=1\nCHA1=Arte\nFA01=Arte\n", {false}, {"Arte"}, false},
        {"schedule, kept", "CFGA=1\n" + prog, {false}, {"M6"}, false},
        {"all three, replaced", "CFGA=1\nCHA1=Arte\nFA13=M6\n" + prog, {true}, {"Arte", "M6"}, true},
        {"none in use, replaced unasked", "CFGA=1\nCHA1=TF1\nFA01=France 2\n", {}, {}, true},
    };
    for (const Cas& k : cas) {
        BancApplication b;
        b.installerVlc();
        b.ecrire("Kelmor.cfg", stockee);
        b.ecrire("Kelmor.ini", k.ini);
        b.servirPlaylist(coupee);
        b.dialogues.reponses = k.reponses;
        ASSERT_TRUE(b.demarrer()) << k.quoi;
        std::vector<Message> attendus;
        if (!k.perdues.isEmpty())
            attendus.push_back({Message::Question, question + k.perdues.join('\n') +
                                                       "\n\nSouhaitez-vous tout de même la télécharger ?"});
        b.dialogues.liberer();
        attendus.push_back({Message::Information, k.misAJour ? "La liste des chaînes Free a été mise à jour."
                                                            : "Votre liste des chaînes Free n'a pas été mise à jour."});
        EXPECT_EQ(b.dialogues.messages, attendus) << k.quoi;
        EXPECT_EQ(b.lire("Kelmor.cfg"), k.misAJour ? coupee : stockee) << k.quoi;
        EXPECT_EQ(listeChaines(b)->count(), k.misAJour ? 2 : 4) << k.quoi;
        if (!k.misAJour) {
            // What named the channels is saved as it was.
            const QByteArray ini = b.lire("Kelmor.ini");
            for (const QString& cle : {QString("CHA1"), QString("FA01")}) {
                if (k.ini.contains(cle.toUtf8() + "=")) {
                    EXPECT_EQ(valeur(ini, cle), "Arte") << k.quoi;
                }
            }
            if (k.ini.contains("PROG")) {
                EXPECT_TRUE(ini.contains("> M6 (1)")) << k.quoi;
            }
        }
    }
}

TEST(Demarrage, TwoChannelsCutAlikeKeepTheirOwnStreamForTheLastChannelTheFavouritesAndTheSchedule)
{
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"LCP Assemblée nationale et Public Sénat direct", "France 2",
                                                      "LCP Assemblée nationale et Public Sénat différé"}));
    const QString direct = "LCP Assemblée nationale e ...";   // as earlier versions stored it
    const QString differe = "LCP Assemblée nationa ... (2)";
    b.ecrire("Kelmor.ini", ("CHA0=1\nCHA1=" + differe + "\nFA01=" + differe + "\nFA02=" + direct
                            + "\nPROG=[A] 09/12/2026 20:01 - 20:30 > " + differe + " (1)"
                            + "\nPROG=[A] 09/12/2026 20:31 - 21:00 > " + direct + " (1)\n")
                               .toUtf8());
    ASSERT_TRUE(b.demarrer());
    EXPECT_EQ(listeChaines(b)->item(0)->text(), direct);
    EXPECT_EQ(listeChaines(b)->item(2)->text(), differe);
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 2);
    const QByteArray ini = b.lire("Kelmor.ini");
    EXPECT_EQ(valeur(ini, "CHA1"), differe);
    EXPECT_EQ(valeur(ini, "FA01"), differe);
    EXPECT_EQ(valeur(ini, "FA02"), direct);

    b.app->parties().favoris.Favori_Click(-1);
    ASSERT_FALSE(b.lecteurs.lancements.empty());
    EXPECT_EQ(b.lecteurs.lancements.back().arguments.last(), "rtsp://box/3");
    b.app->parties().favoris.Favori_Click(-2);
    EXPECT_EQ(b.lecteurs.lancements.back().arguments.last(), "rtsp://box/1");

    // Each scheduled entry records the stream of its own channel.
    b.horloge.maintenantValeur = QDateTime(QDate(2026, 12, 9), QTime(20, 1, 10));
    b.app->Horloge_Timer();
    ASSERT_EQ(b.lecteurs.lancements.back().role, RoleLecteur::Enregistreur);
    EXPECT_TRUE(b.lecteurs.lancements.back().arguments.contains("rtsp://box/3"));
    b.horloge.maintenantValeur = QDateTime(QDate(2026, 12, 9), QTime(20, 31, 10));
    b.app->Horloge_Timer();
    ASSERT_EQ(b.lecteurs.lancements.back().role, RoleLecteur::Enregistreur);
    EXPECT_TRUE(b.lecteurs.lancements.back().arguments.contains("rtsp://box/1"));
    EXPECT_EQ(b.app->parties().session.programmes.textes(),
              QStringList({"[X] 09/12/2026 20:01 - 20:30 > " + differe + " (1)",
                           "[E] 09/12/2026 20:31 - 21:00 > " + direct + " (1)"}));
}

namespace {
// What happens to the files of a folder, as the kernel sees it: opens and closes, and files
// made or renamed into it (a save writes a new file and renames it over the old one). The
// closes keep two reads in a row from being told as one (the kernel merges an event with the
// one just before it when they are alike).
class ObservateurDossier {
public:
    explicit ObservateurDossier(const QString& dossier) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(fd_, QFile::encodeName(dossier).constData(), IN_OPEN | IN_CLOSE | IN_CREATE | IN_MOVED_TO);
    }
    ~ObservateurDossier() { ::close(fd_); }
    // "open Kelmor.cfg", "create Kelmor.ini.XXXX", "moved Kelmor.ini", …, in order.
    QStringList evenements()
    {
        QStringList vus;
        alignas(inotify_event) char tampon[8192];
        ssize_t n;
        while ((n = ::read(fd_, tampon, sizeof tampon)) > 0) {
            for (char* p = tampon; p < tampon + n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(p);
                const QString nom = e->len ? QString::fromUtf8(e->name) : QString();
                if (e->mask & IN_OPEN)
                    vus << "open " + nom;
                if (e->mask & IN_CLOSE)
                    vus << "close " + nom;
                if (e->mask & IN_CREATE)
                    vus << "create " + nom;
                if (e->mask & IN_MOVED_TO)
                    vus << "moved " + nom;
                p += sizeof(inotify_event) + e->len;
            }
        }
        return vus;
    }

private:
    int fd_;
};
}  // namespace

TEST(Demarrage, AStartReadsEachFileOnceAndRewritesTheSettingsOnlyWhenTheyChanged)
{
    BancApplication premier;
    premier.installerVlc();
    premier.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1", "France 2", "Arte"}));
    // A file the program did not write: start-up writes it whole.
    premier.ecrire("Kelmor.ini", "CHA0=1\nCHA1=Arte\n");
    ObservateurDossier observateur(premier.programme());
    ASSERT_TRUE(premier.demarrer());
    QStringList vus = observateur.evenements();
    EXPECT_EQ(vus.count("open Kelmor.cfg"), 1) << vus.join(", ").toStdString();
    EXPECT_EQ(vus.count("open Kelmor.ini"), 1) << vus.join(", ").toStdString();
    EXPECT_EQ(vus.count("moved Kelmor.ini"), 1) << vus.join(", ").toStdString();
    const QByteArray ecrit = premier.lire("Kelmor.ini");
    EXPECT_EQ(valeur(ecrit, "CHA1"), "Arte");
    EXPECT_EQ(valeur(ecrit, "VERS"), "Version 1.4");

    // The next start finds the file as the program wrote it: it reads each file once and
    // writes nothing; the close has nothing new to write either.
    BancApplication second;
    second.dossiers.programmeChemin = premier.programme();
    second.dossiers.documentsChemin = premier.dossiers.documentsChemin;
    ObservateurDossier observateur2(premier.programme());
    ASSERT_TRUE(second.demarrer());
    vus = observateur2.evenements();
    EXPECT_EQ(vus.count("open Kelmor.cfg"), 1) << vus.join(", ").toStdString();
    EXPECT_EQ(vus.count("open Kelmor.ini"), 1) << vus.join(", ").toStdString();
    EXPECT_FALSE(vus.join(",").contains("create")) << vus.join(", ").toStdString();
    EXPECT_EQ(vus.count("moved Kelmor.ini"), 0) << vus.join(", ").toStdString();
    EXPECT_EQ(second.lire("Kelmor.ini"), ecrit);
    EXPECT_TRUE(second.app->Form_QueryUnload(true));
    EXPECT_EQ(observateur2.evenements().count("moved Kelmor.ini"), 0);

    // A change is written, and so is a file changed by someone else meanwhile.
    second.app->parties().session.parametres.p.SORT = 1;
    EXPECT_TRUE(second.app->EcrireParametres());
    EXPECT_EQ(observateur2.evenements().count("moved Kelmor.ini"), 1);
    EXPECT_EQ(valeur(second.lire("Kelmor.ini"), "SORT"), "1");
    second.ecrire("Kelmor.ini", "SORT=0\n");
    EXPECT_TRUE(second.app->EcrireParametres());
    EXPECT_EQ(valeur(second.lire("Kelmor.ini"), "SORT"), "1");
    EXPECT_EQ(valeur(second.lire("Kelmor.ini"), "CHA1"), "Arte");
}

TEST(Demarrage, AStartInTheWindowPutsNoIconInTheNotificationArea)
{
    // The icon, and the session bus that carries it, come when the window goes there.
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1", "France 2"}));
    ASSERT_TRUE(b.demarrer());
    b.fond->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(b.fond->findChildren<QSystemTrayIcon*>().isEmpty());
    EXPECT_FALSE(b.fond->SysTray().visible());
}
