#include "core/VerificationVersion.h"

#include "core/Version.h"
#include "platform/Adresses.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace {

const QString kAcces = "Problème d'accès au site Kelmor.\nLa version n'a pas pu être vérifiée.";
const QString kAJour = "Votre version est à jour (1.4).\nAucune mise à jour n'est nécessaire.";

QString question(const QString& enLigne)
{
    return "Une mise à jour est disponible !\n\n"
           "Votre version actuelle      : 1.4   \n"
           "Nouvelle version en ligne : " + enLigne + "   \n\n"
           "Souhaitez-vous la télécharger ?";
}

class VerifierVersionTest : public ::testing::Test {
protected:
    FauxClientWeb web;
    FauxDialogues dialogues;
    FauxShell shell;
    Adresses adresses;

    void verifier(const QByteArray* fichier, bool silencieux)
    {
        if (fichier)
            web.pages[adresses.fichierVersion()] = *fichier;
        else
            web.pages.remove(adresses.fichierVersion());
        dialogues.messages.clear();
        shell.ouverts.clear();
        VerifierVersion(silencieux, web, dialogues, shell, adresses);
    }
    void verifier(const QByteArray& fichier, bool silencieux) { verifier(&fichier, silencieux); }
};

} // namespace

TEST(Version, OwnVersionAndItsNumber)
{
    EXPECT_EQ(kVersion, "Version 1.4");
    EXPECT_EQ(kVersion.mid(8), kNumeroVersion);
}

TEST(ComparerVersions, ComparesDottedNumbersPartByPart)
{
    const auto v = [](const char* t) { return *NumerosVersion(t); };
    EXPECT_GT(ComparerVersions(v("1.10"), v("1.4")), 0);
    EXPECT_LT(ComparerVersions(v("1.4"), v("1.5")), 0);
    EXPECT_EQ(ComparerVersions(v("1.4"), v("1.4.0")), 0);
    EXPECT_GT(ComparerVersions(v("1.4.1"), v("1.4")), 0);
    EXPECT_GT(ComparerVersions(v("2"), v("1.99")), 0);
    for (const char* faux : {"", "1.", ".4", "1..4", "1.4b", "v1.4", "1,4", "1. 4"})
        EXPECT_FALSE(NumerosVersion(faux).has_value()) << faux;
}

TEST_F(VerifierVersionTest, NewerVersionAsksEvenWhenSilentAndYesOpensTheDownloadPage)
{
    for (bool silencieux : {false, true}) {
        dialogues.reponses = {true};
        verifier("Version 1.5", silencieux);
        EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Question, question("1.5")}}));
        EXPECT_EQ(shell.ouverts, QStringList{"http://www.kelmor.fr/telechargement.htm"});
    }
    EXPECT_EQ(web.demandes.first(), "http://www.kelmor.fr/kelmor.ver");
}

TEST_F(VerifierVersionTest, NoOpensNothing)
{
    dialogues.reponses = {false};
    verifier("Version 1.5", false);
    EXPECT_EQ(dialogues.messages.size(), 1u);
    EXPECT_TRUE(shell.ouverts.isEmpty());
}

TEST_F(VerifierVersionTest, SameVersionIsUpToDateOrSilent)
{
    for (const QByteArray& meme : {QByteArray("Version 1.4"), QByteArray("Version 1.4\n"),
                                   QByteArray("Version 1.4\r\n"), QByteArray("Version 1.4.0")}) {
        verifier(meme, false);
        EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kAJour}}))
            << meme.toStdString();
        verifier(meme, true);
        EXPECT_TRUE(dialogues.messages.empty());
        EXPECT_TRUE(shell.ouverts.isEmpty());
    }
}

TEST_F(VerifierVersionTest, OlderVersionIsNotOffered)
{
    verifier("Version 1.3", false);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Information, kAJour}}));
}

TEST_F(VerifierVersionTest, VersionsCompareAsNumbersAndShowTheTrimmedNumber)
{
    dialogues.reponses = {false};
    verifier("Version 1.10\r\n", true);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Question, question("1.10")}}));
}

TEST_F(VerifierVersionTest, AnythingButAVersionIsAnAccessProblemOnlyFromTheButton)
{
    const QByteArray textes[] = {"version 1.5", "<html><body>Erreur</body></html>", "Version1.5",
                                 "Version ", "Version 1.5 beta", ""};
    for (const QByteArray& t : textes) {
        verifier(t, false);
        EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Exclamation, kAcces}}))
            << t.toStdString();
        verifier(t, true);
        EXPECT_TRUE(dialogues.messages.empty());
    }
    verifier(nullptr, false);
    EXPECT_EQ(dialogues.messages, (std::vector<Message>{{Message::Exclamation, kAcces}}));
    verifier(nullptr, true);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_TRUE(shell.ouverts.isEmpty());
}

TEST_F(VerifierVersionTest, AsksTheClientForTheWaitItIsGiven)
{
    verifier("Version 1.4", true);
    VerifierVersion(true, web, dialogues, shell, adresses, kDelaiVerificationMs);
    EXPECT_EQ(web.delais, QList<int>({0, kDelaiVerificationMs}));
}
