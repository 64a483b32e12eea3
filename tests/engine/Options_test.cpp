#include "engine/Options.h"

#include "engine/CommandesLecteur.h"
#include "engine/EtatFenetre.h"
#include "engine/Sauvegarde.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace {
// The save port: runs what the test says.
struct FausseSauvegarde : Sauvegarde {
    std::function<bool()> ecrire;
    bool EcrireParametres() override { return ecrire(); }
};

struct BancOptions : PlateformeDoubles {
    Session session;
    EtatFenetre fenetre;
    FausseSauvegarde sauvegarde;
    Options options{session, plateforme, fenetre, sauvegarde};
    int ecritures = 0;
    bool ecritureReussie = true;
    ContenuParametres ecrit;  // what the session held when the file was written

    BancOptions()
    {
        session.parametres.dossierEnregistrement = "/films/";
        sauvegarde.ecrire = [this] {
            ++ecritures;
            ecrit = session.parametres;
            return ecritureReussie;
        };
    }
};
}  // namespace

TEST(Options, OkWithANewFolderAndSortOrderWritesThenTellsBothInOrder)
{
    BancOptions b;
    b.options.Options_Click();
    ContenuParametres v = b.session.parametres;
    v.dossierEnregistrement = "/autre/";
    v.p.SORT = true;
    EXPECT_TRUE(b.options.Retour_Click(v));
    EXPECT_EQ(b.ecritures, 1);
    EXPECT_EQ(b.ecrit.dossierEnregistrement, "/autre/");
    EXPECT_TRUE(b.ecrit.p.SORT);
    ASSERT_EQ(b.dialogues.messages.size(), 2u);
    EXPECT_EQ(b.dialogues.messages[0],
              (Message{Message::Information, "La modification du répertoire de sauvegarde des enregistrements\n"
                                             "sera prise en compte au prochaine lancement d'Kelmor."}));
    EXPECT_EQ(b.dialogues.messages[1], (Message{Message::Information, "La modification de l'ordre de tri des "
                                                                      "chaînes sera\nprise en compte au prochain "
                                                                      "lancement d'Kelmor."}));
    EXPECT_FALSE(b.options.estOuvert());
}

TEST(Options, AFolderChangedAndChangedBackSaysNothing)
{
    BancOptions b;
    b.options.Options_Click();
    ContenuParametres v = b.session.parametres;
    v.dossierEnregistrement = "/films";  // the same folder without its separator
    EXPECT_TRUE(b.options.Retour_Click(v));
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(Options, ASettingsFileThatCannotBeWrittenKeepsThePaneOpenAndTellsNothingElse)
{
    BancOptions b;
    b.ecritureReussie = false;
    int fermetures = 0;
    QObject::connect(&b.options, &Options::ferme, [&] { ++fermetures; });
    b.options.Options_Click();
    ContenuParametres v = b.session.parametres;
    v.dossierEnregistrement = "/autre/";
    EXPECT_FALSE(b.options.Retour_Click(v));
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(fermetures, 0);
    EXPECT_TRUE(b.options.estOuvert());

    // Once the file can be written, the folder change is told.
    b.ecritureReussie = true;
    EXPECT_TRUE(b.options.Retour_Click(v));
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(fermetures, 1);
}

TEST(Options, OkRefreshesTheFavouritesBeforeWriting)
{
    BancOptions b;
    std::vector<QString> ordre;
    QObject::connect(&b.options, &Options::favorisRafraichis, [&] { ordre.push_back("favoris"); });
    b.sauvegarde.ecrire = [&] {
        ordre.push_back("ecriture");
        return true;
    };
    b.options.Options_Click();
    b.options.Retour_Click(b.session.parametres);
    EXPECT_EQ(ordre, (std::vector<QString>{"favoris", "ecriture"}));
}

TEST(Options, OkWithoutAProgramUnticksTheProgramOption)
{
    BancOptions b;
    b.options.Options_Click();
    ContenuParametres v = b.session.parametres;
    v.p.AUTR = true;
    v.p.AUTP.clear();
    b.options.Retour_Click(v);
    EXPECT_FALSE(b.session.parametres.p.AUTR);

    v.p.AUTP = "/usr/bin/convertir";
    b.options.Options_Click();
    b.options.Retour_Click(v);
    EXPECT_TRUE(b.session.parametres.p.AUTR);
}

TEST(Options, TheSingleInstanceOptionKeepsItsStoredValue)
{
    BancOptions b;
    b.session.parametres.p.MONO = false;
    b.options.Options_Click();
    ContenuParametres v = b.session.parametres;
    v.p.MONO = true;
    b.options.Retour_Click(v);
    EXPECT_FALSE(b.ecrit.p.MONO);
}

TEST(Options, CancellingTheProgramPickerKeepsTheProgram)
{
    BancOptions b;
    QStringList choisis;
    QObject::connect(&b.options, &Options::programmeChoisi, [&](const QString& c) { choisis << c; });
    b.options.AutoSel_Click("/usr/bin/ancien");
    b.dialogues.fichiers = {"/usr/bin/nouveau"};
    b.options.AutoSel_Click("/usr/bin/ancien");
    EXPECT_EQ(choisis, (QStringList{"/usr/bin/ancien", "/usr/bin/nouveau"}));
    EXPECT_EQ(b.dialogues.titresFichier.back(), "Sélectionnez le programme à lancer automatiquement");
}

TEST(Options, CancellingTheFolderPickerKeepsTheFolder)
{
    BancOptions b;
    QStringList choisis;
    QObject::connect(&b.options, &Options::dossierChoisi, [&](const QString& c) { choisis << c; });
    b.options.RECpath0_Click("/films/");
    b.dialogues.dossiers = {"/media/disque"};
    b.options.RECpath0_Click("/films/");
    EXPECT_EQ(choisis, (QStringList{"/films/", "/media/disque/"}));
}

TEST(Options, ThePlayerResetRunsHiddenAsOneOfOurPlayers)
{
    BancOptions b;
    b.session.parametres.cheminVLC = "/usr/bin/vlc";
    b.options.Reinitialiser_Click();
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].role, RoleLecteur::Reinitialisation);
    EXPECT_EQ(b.lecteurs.lancements[0].programme, "/usr/bin/vlc");
    EXPECT_EQ(b.lecteurs.lancements[0].arguments,
              (QStringList{"-I", "dummy", "--reset-config", "--reset-plugins-cache", "--save-config", "--",
                           "vlc://quit"}));
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(Options, TheWebLinksOpenTheSiteTheHelpPageAndTheForum)
{
    BancOptions b;
    b.plateforme.adresses.site = "site.test";
    b.plateforme.adresses.forum = "forum.test";
    b.options.AllerSite_Click();
    b.options.AllerFAQ_Click();
    b.options.AllerForums_Click();
    EXPECT_EQ(b.shell.ouverts,
              (QStringList{"http://site.test/", "http://site.test/aide.htm", "http://forum.test/"}));
}

TEST(Options, TheHelpBoxesArePlainBoxes)
{
    BancOptions b;
    b.options.ClavierListe_Click();
    b.options.FRPLtexte_Click();
    ASSERT_EQ(b.dialogues.messages.size(), 2u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Simple);
    EXPECT_EQ(b.dialogues.messages[0].texte.split('\n').size(), 15);
    EXPECT_EQ(b.dialogues.messages[1].genre, Message::Simple);
    EXPECT_EQ(b.dialogues.messages[1].texte.split('\n')[3], "");
}

TEST(Options, TheEditorChangesTheGroupItEdits)
{
    BancOptions b;
    b.options.ListeFav_Click(3, 5, "Arte");
    EXPECT_EQ(b.session.parametres.favoris.at(35), "Arte");
    b.options.ListeFav_Click(3, 5, "");
    EXPECT_EQ(b.session.parametres.favoris.at(35), "");
    b.options.ListeFav_Click(3, 9, "Arte");  // no slot 9
    b.options.ListeFav_Click(10, 1, "Arte");
    EXPECT_EQ(b.session.parametres.favoris, TableFavoris::defaut());
}

TEST(Options, ARenameKeepsAnEqualsSignAndALineBreakChangesNothing)
{
    BancOptions b;
    int renommages = 0;
    QObject::connect(&b.options, &Options::groupesRenommes, [&] { ++renommages; });
    EXPECT_FALSE(b.options.ModifierFav_Click(2, "a\nb"));
    EXPECT_EQ(b.session.parametres.favoris.at(20), TableFavoris::nomParDefaut(2));
    EXPECT_TRUE(b.options.ModifierFav_Click(2, "Foot=Rugby"));
    EXPECT_EQ(b.session.parametres.favoris.at(20), "Foot=Rugby");
    EXPECT_EQ(renommages, 1);
}

TEST(Options, ClearingAGroupEmptiesItsNameAndItsEightSlots)
{
    BancOptions b;
    for (int i = 1; i <= 8; ++i)
        b.session.parametres.favoris[40 + i] = "TF1";
    b.session.parametres.favoris[51] = "M6";
    b.options.EffacerFav_Click(4);
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(b.session.parametres.favoris.at(40 + i), "");
    EXPECT_EQ(b.session.parametres.favoris.at(51), "M6");
}

TEST(Options, TheAutostartEntryIsAskedForOnlyWhenOkChangedItsOption)
{
    struct Cas {
        const char* nom;
        bool avant, apres;
        bool ecritureReussie;
        int demandes;
    };
    const Cas cas[] = {
        {"ticked", false, true, true, 1},
        {"unticked", true, false, true, 1},
        {"left as it was", true, true, true, 0},
        {"ticked but the settings file could not be written", false, true, false, 0},
    };
    for (const Cas& c : cas) {
        BancOptions b;
        b.session.parametres.p.AUTO = c.avant;
        b.ecritureReussie = c.ecritureReussie;
        int demandes = 0, fermetures = 0;
        QObject::connect(&b.options, &Options::demarrageAutomatiqueChange, [&demandes] { ++demandes; });
        QObject::connect(&b.options, &Options::ferme, [&fermetures] { ++fermetures; });
        b.options.Options_Click();
        ContenuParametres v = b.session.parametres;
        v.p.AUTO = c.apres;
        b.options.Retour_Click(v);
        EXPECT_EQ(demandes, c.demandes) << c.nom;
        // A second "OK" without a change asks nothing more.
        if (c.ecritureReussie) {
            b.options.Options_Click();
            b.options.Retour_Click(b.session.parametres);
            EXPECT_EQ(demandes, c.demandes) << c.nom << ", then OK again";
            EXPECT_EQ(fermetures, 2) << c.nom;
        }
    }
}
