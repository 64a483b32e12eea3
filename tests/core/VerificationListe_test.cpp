#include "core/VerificationListe.h"

#include "platform/Adresses.h"
#include "support/Doubles.h"

#include <QFile>
#include <QFileDevice>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QByteArray kListe = "#EXTM3U\n#EXTINF:0,2 - France 2\nrtsp://box/201\n";

const QString kAJour = "Votre liste des chaînes Free apparaît à jour.\n\n"
                       "Il est parfois nécessaire de redémarrer la Freebox\n"
                       "pour qu'elle prenne en compte de nouvelles chaînes.";
const QString kNouvelle = "Une nouvelle liste des chaînes Free existe.\nSouhaitez-vous la télécharger ?";
const QString kPasMiseAJour = "Votre liste des chaînes Free n'a pas été mise à jour.";
const QString kMiseAJour = "La liste des chaînes Free a été mise à jour.";
const QString kMiseAJourRedemarrer =
    "La liste des chaînes Free a été mise à jour.\nRedémarrez Kelmor pour en tenir compte.";
const QString kAcces = "Problème d'accès à la liste des chaînes Free.\nLes chaînes n'ont pas pu être vérifiées.";
const QString kAbsente = "La liste des chaînes Free est absente et ne peut être récupérée\n"
                         "en ligne. Ré-installez Kelmor puis relancer le programme.\n\n"
                         "Kelmor va maintenant s'arrêter.\n\n";

class VerifierListeChainesTest : public ::testing::Test {
protected:
    FauxDossiers dossiers;
    FauxClientWeb web;
    FauxDialogues dialogues;
    Adresses adresses;

    QString fichier() const { return dossiers.programmeChemin + "Kelmor.cfg"; }
    void stocker(const QByteArray& t)
    {
        QFile f(fichier());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(t);
    }
    QByteArray stocke() const
    {
        QFile f(fichier());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    void enLigne(const QByteArray& t) { web.pages[adresses.playlist()] = t; }
    IssueVerification verifier(bool silencieux, bool depuisDemarrage)
    {
        return verifierDans(silencieux, dossiers.programme(), depuisDemarrage);
    }
    // The doubles answer at once: the check is over when the call returns.
    IssueVerification verifierDans(bool silencieux, const QString& dossier, bool depuisDemarrage)
    {
        std::optional<IssueVerification> issue;
        VerifierListeChaines(silencieux, dossier, web, dialogues, adresses, depuisDemarrage,
                             Suite<IssueVerification>([&issue](IssueVerification i) { issue = i; }));
        EXPECT_TRUE(issue.has_value());
        return issue.value_or(IssueVerification::Continuer);
    }
};

} // namespace

TEST_F(VerifierListeChainesTest, FetchesTheBoxPlaylistAndWritesItUnchangedWhenNoFileExists)
{
    // Byte for byte: no line end is added or converted (this one ends its lines with CR LF).
    const QByteArray crlf = "#EXTM3U\r\n#EXTINF:0,2 - Télé\r\nrtsp://box/201\r\n";
    enLigne(crlf);
    for (bool silencieux : {true, false}) {
        QFile::remove(fichier());
        dialogues.messages.clear();
        EXPECT_EQ(verifier(silencieux, silencieux), IssueVerification::Continuer);
        EXPECT_EQ(stocke(), crlf);
        EXPECT_TRUE(dialogues.messages.empty());
    }
    EXPECT_EQ(web.demandes.first(), "http://mafreebox.freebox.fr/freeboxtv/playlist.m3u");
}

// The list check against a body cut in transit (no length announced, the connection closed
// early), a body shorter than its announced length (the client fails it: no text) and a whole
// body: only the whole one replaces the stored file; start-up goes on with the stored list,
// or stops with its message when there is none.
TEST_F(VerifierListeChainesTest, ACutOrShortBodyNeverReplacesTheListAWholeOneDoes)
{
    const QByteArray entiere = kListe + "#EXTINF:0,3 - Nouvelle\nrtsp://box/fbxtv_pub/stream?service=3\n";
    const QByteArray coupees[] = {
        entiere.left(entiere.size() - 1),                     // last line without its line feed
        entiere.left(entiere.size() - 12),                    // in the middle of the last address
        entiere.left(entiere.indexOf("rtsp://box/fbxtv")),     // "#EXTINF:" without its address
        entiere.left(entiere.indexOf("#EXTINF:0,3") + 5),      // in the middle of the last "#EXTINF:"
    };
    const QByteArray courte;  // what the client gives for a body short of its Content-Length
    for (const QByteArray& recue : {coupees[0], coupees[1], coupees[2], coupees[3], courte}) {
        SCOPED_TRACE(recue.toStdString());
        enLigne(recue);
        // A stored list stays, from start-up (silently) and from the button (which says so).
        stocker(kListe);
        dialogues.messages.clear();
        dialogues.reponses = {true};
        EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
        EXPECT_TRUE(dialogues.messages.empty());
        EXPECT_EQ(verifier(false, false), IssueVerification::Continuer);
        EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kAcces}}));
        EXPECT_EQ(stocke(), kListe);
        // Without one, start-up stops with its message and writes nothing.
        QFile::remove(fichier());
        dialogues.messages.clear();
        EXPECT_EQ(verifier(true, true), IssueVerification::Arreter);
        EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Exclamation, kAbsente}}));
        EXPECT_FALSE(QFile::exists(fichier()));
    }

    enLigne(entiere);
    stocker(kListe);
    dialogues.messages.clear();
    EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kMiseAJour}}));
    EXPECT_EQ(stocke(), entiere);
    QFile::remove(fichier());
    EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
    EXPECT_EQ(stocke(), entiere);
}

TEST_F(VerifierListeChainesTest, AStoredListCutByAnEarlierVersionIsStillUsedAndAWholeOneReplacesIt)
{
    const QByteArray coupee = kListe.left(kListe.size() - 3);
    stocker(coupee);
    EXPECT_TRUE(ListeChainesPresente(dossiers.programme()));
    enLigne(coupee);
    EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(stocke(), coupee);
    enLigne(kListe);
    EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
    EXPECT_EQ(stocke(), kListe);
}

TEST_F(VerifierListeChainesTest, SamePlaylistIsUpToDateAndSilentAtStartUp)
{
    stocker(kListe);
    enLigne(kListe);
    EXPECT_EQ(verifier(false, false), IssueVerification::Continuer);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kAJour}}));

    dialogues.messages.clear();
    EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(stocke(), kListe);
}

TEST_F(VerifierListeChainesTest, OneCharacterDifferenceIsNewAndYesReplacesTheFile)
{
    QByteArray casse = kListe;
    casse.replace("France 2", "FRANCE 2");
    QByteArray adresse = kListe;
    adresse.replace("201", "202");
    // (A last line without its line feed is no longer one of them: it is a cut list.)
    QByteArray finDeLigne = kListe;
    finDeLigne.insert(finDeLigne.size() - 1, '\r');
    for (const QByteArray& nouvelle : {casse, adresse, finDeLigne}) {
        stocker(kListe);
        enLigne(nouvelle);
        dialogues.messages.clear();
        dialogues.reponses = {true};
        EXPECT_EQ(verifier(false, false), IssueVerification::Continuer);
        EXPECT_EQ(dialogues.messages,
                  (std::vector<Message>{{Message::Question, kNouvelle},
                                        {Message::Information, kMiseAJourRedemarrer}}));
        EXPECT_EQ(stocke(), nouvelle);
    }
}

TEST_F(VerifierListeChainesTest, NoKeepsTheFileAndSaysSo)
{
    stocker(kListe);
    enLigne(kListe + "#EXTINF:0,3 - Nouvelle\nrtsp://box/3\n");
    dialogues.reponses = {false};
    EXPECT_EQ(verifier(false, false), IssueVerification::Continuer);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Question, kNouvelle},
                                                        {Message::Information, kPasMiseAJour}}));
    EXPECT_EQ(stocke(), kListe);
}

TEST_F(VerifierListeChainesTest, SilentCheckWritesANewListWithoutAskingAndSaysItOnce)
{
    stocker(kListe);
    const QByteArray nouvelle = kListe + "#EXTINF:0,3 - Nouvelle\nrtsp://box/3\n";
    enLigne(nouvelle);
    EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kMiseAJour}}));
    EXPECT_EQ(stocke(), nouvelle);
}

TEST_F(VerifierListeChainesTest, InvalidDownloadWithAStoredFileKeepsItAndReportsOnlyFromTheButton)
{
    stocker(kListe);
    for (const QByteArray& invalide :
         {QByteArray(), QByteArray("<html>Erreur 404</html>"), QByteArray("#extm3u\n"),
          QByteArray("#EXTM3")}) {
        if (invalide.isEmpty())
            web.pages.remove(adresses.playlist());
        else
            enLigne(invalide);
        dialogues.messages.clear();
        EXPECT_EQ(verifier(false, false), IssueVerification::Continuer);
        EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kAcces}}));
        dialogues.messages.clear();
        EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
        EXPECT_TRUE(dialogues.messages.empty());
        EXPECT_EQ(stocke(), kListe);
    }
}

TEST_F(VerifierListeChainesTest, NoFileAndNoPlaylistStopsStartUpAfterItsMessage)
{
    enLigne("<html>Erreur</html>");
    EXPECT_EQ(verifier(true, true), IssueVerification::Arreter);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Exclamation, kAbsente}}));
    EXPECT_FALSE(QFile::exists(fichier()));
}

TEST_F(VerifierListeChainesTest, NoFileAndNoPlaylistFromTheButtonNeverStops)
{
    EXPECT_EQ(verifier(false, false), IssueVerification::Continuer);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kAcces}}));
    EXPECT_FALSE(QFile::exists(fichier()));
}

TEST_F(VerifierListeChainesTest, ButtonNeverStopsWhateverTheCase)
{
    const QByteArray reponses[] = {QByteArray(), "<html/>", kListe, kListe + "#x\n"};
    for (bool avecFichier : {false, true})
        for (const QByteArray& r : reponses)
            for (bool oui : {false, true}) {
                QFile::remove(fichier());
                if (avecFichier)
                    stocker(kListe);
                enLigne(r);
                dialogues.reponses = {oui};
                EXPECT_EQ(verifier(false, false), IssueVerification::Continuer);
            }
}

namespace {

// Root writes into read-only folders: the test then has nothing to prove.
bool ecrituresBloquees(const QString& dossier)
{
    QFile essai(dossier + "essai");
    if (essai.open(QIODevice::WriteOnly)) {
        essai.remove();
        return false;
    }
    return true;
}

} // namespace

TEST_F(VerifierListeChainesTest, FailedReplacementKeepsTheOldFileAndSaysItWasNotSaved)
{
    stocker(kListe);
    const QByteArray nouvelle = kListe + "#EXTINF:0,3 - Nouvelle\nrtsp://box/3\n";
    enLigne(nouvelle);
    const QString dossier = dossiers.programme();
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!ecrituresBloquees(dossier)) {
        QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                           | QFileDevice::ExeOwner);
        GTEST_SKIP() << "read-only folders do not block this user's writes";
    }
    dialogues.reponses = {true};
    const IssueVerification bouton = verifier(false, false);
    dialogues.reponses = {};
    const auto messagesBouton = dialogues.messages;
    dialogues.messages.clear();
    const IssueVerification demarrage = verifier(true, true);
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ExeOwner);

    EXPECT_EQ(bouton, IssueVerification::Continuer);
    ASSERT_EQ(messagesBouton.size(), 2u);
    EXPECT_EQ(messagesBouton[1].genre, Message::Exclamation);
    EXPECT_EQ(messagesBouton[1].texte,
              "La liste des chaînes Free n'a pas pu être enregistrée.\n"
              "Vérifiez que le dossier " + dossier + " est accessible en écriture.");
    // The old file is still there: start-up goes on with it.
    EXPECT_EQ(demarrage, IssueVerification::Continuer);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].genre, Message::Exclamation);
    EXPECT_FALSE(dialogues.messages[0].texte.contains("a été mise à jour"));
    EXPECT_EQ(stocke(), kListe);
}

TEST_F(VerifierListeChainesTest, FirstFileThatCannotBeWrittenStopsOnlyStartUp)
{
    // A folder path under a regular file: no write can succeed, whoever runs the test.
    QFile bloc(dossiers.programme() + "bloc");
    ASSERT_TRUE(bloc.open(QIODevice::WriteOnly));
    bloc.close();
    const QString dossier = dossiers.programme() + "bloc/";
    enLigne(kListe);

    EXPECT_EQ(verifierDans(false, dossier, false), IssueVerification::Continuer);
    const QString echec = "La liste des chaînes Free n'a pas pu être enregistrée.\n"
                          "Vérifiez que le dossier " + dossier + " est accessible en écriture.";
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Exclamation, echec}}));

    dialogues.messages.clear();
    EXPECT_EQ(verifierDans(true, dossier, true), IssueVerification::Arreter);
    EXPECT_EQ(dialogues.messages,
              (std::vector<Message>{
                  {Message::Exclamation, echec + "\n\nKelmor va maintenant s'arrêter."}}));
}

TEST_F(VerifierListeChainesTest, PlaylistWithoutAnyChannelNeverReplacesTheStoredList)
{
    const QByteArray vides[] = {QByteArray("#EXTM3U"), QByteArray("#EXTM3U\n"),
                                QByteArray("#EXTM3U\n#EXTINF:0,2 - Sans adresse\n")};
    for (const QByteArray& vide : vides) {
        stocker(kListe);
        enLigne(vide);
        dialogues.messages.clear();
        dialogues.reponses = {true};
        EXPECT_EQ(verifier(false, false), IssueVerification::Continuer);
        EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kAcces}}));
        dialogues.messages.clear();
        EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
        EXPECT_TRUE(dialogues.messages.empty());
        EXPECT_EQ(stocke(), kListe);
    }
}

TEST_F(VerifierListeChainesTest, StoredListWithoutAnyChannelCountsAsAbsent)
{
    stocker("#EXTM3U\n");
    EXPECT_FALSE(ListeChainesPresente(dossiers.programme()));
    enLigne("#EXTM3U\n");
    EXPECT_EQ(verifier(true, true), IssueVerification::Arreter);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Exclamation, kAbsente}}));

    // A good list then replaces it without a question.
    enLigne(kListe);
    dialogues.messages.clear();
    EXPECT_EQ(verifier(true, true), IssueVerification::Continuer);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(stocke(), kListe);
    EXPECT_TRUE(ListeChainesPresente(dossiers.programme()));
}

TEST_F(VerifierListeChainesTest, OnlyAStartUpCheckOfAStoredListWaitsBriefly)
{
    enLigne(kListe);
    verifier(true, true);  // no file: a download
    verifier(true, true);  // the file now exists: a check
    verifier(false, false);  // the button waits as long as it takes
    EXPECT_EQ(web.delais, QList<int>({0, kDelaiVerificationMs, 0}));
}
