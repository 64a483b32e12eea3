#include "core/FichierParametres.h"

#include "support/Doubles.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString kDocuments = QStringLiteral("/home/u/Documents/");

QStringList lignesDe(const QByteArray& texte)
{
    return QString::fromUtf8(texte).split(QLatin1Char('\n'));
}

QByteArray lireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ContenuParametres defauts()
{
    ContenuParametres c;
    AppliquerDefauts(c, kDocuments);
    return c;
}

class LectureParametres : public ::testing::Test {
protected:
    FauxDialogues dialogues;
    QSet<QString> dossiers{QStringLiteral("/home/u/Documents"), QStringLiteral("/media/videos")};
    QStringList chaines{QStringLiteral("TF1"), QStringLiteral("France 2"), QStringLiteral("Arte"),
                        QStringLiteral("Télé Bretagne")};

    // What start-up does with an existing file: defaults, main pass, migrations.
    ContenuParametres lire(const QByteArray& texte)
    {
        ContenuParametres c;
        AppliquerDefauts(c, kDocuments);
        LirePassePrincipale(
            texte, c, chaines, [this](const QString& d) { return dossiers.contains(d); }, dialogues);
        AppliquerMigrations(c, dialogues);
        return c;
    }
};

// Every field away from its default, with accents and blanks where texts allow them.
ContenuParametres contenuComplet()
{
    ContenuParametres c = defauts();
    Parametres& p = c.p;
    p.AUTR = p.EXEA = p.CFGA = p.SORT = p.MINI = p.UVLC = p.FLX1 = p.FAVI = p.AUTO = p.CLAV = true;
    p.MTOP = p.CADR = p.MONO = p.TRAN = p.DISP = p.INTR = false;
    p.TIME = p.FULL = p.OTOP = p.TVON = p.CHA0 = p.FRPL = p.ORDI = p.VENC = p.AUDO = p.POS0 = p.FAVO = true;
    p.AUTP = QStringLiteral("/usr/bin/après enregistrement");
    p.AUTL = QStringLiteral("%0 \"%1\" %2");
    p.FOND = 7;
    p.AVAN = 0;
    p.APRE = 7;
    p.ZOOM = 10;
    p.LACE = 5;
    p.TSPS = 1;
    p.VCOD = 11;
    p.VDEB = QStringLiteral("256");
    p.VECH = QStringLiteral("41");
    p.ACOD = 9;
    p.ADEB = QStringLiteral("64");
    p.ACAN = 0;
    p.CAPS = 8;
    c.cheminVLC = QStringLiteral("/opt/vlc à moi/vlc");
    c.dossierEnregistrement = QStringLiteral("/media/videos");
    c.chaine = QStringLiteral(" Télé Bretagne");  // CHA1 keeps its blanks
    c.pos1 = -1200;
    c.pos2 = 2147483647;
    for (int g = 0; g < 10; ++g) {
        c.favoris[g * 10] = QStringLiteral("Groupe é%1 ").arg(g);
        for (int s = 1; s <= 8; ++s)
            c.favoris[g * 10 + s] = (s + g) % 3 == 0 ? QString() : QStringLiteral("Télé Bretagne");
    }
    c.favoris[11] = QStringLiteral("France 2");
    c.programmes = {QStringLiteral("[A] 01/02/2030 20:30 - 22:00 > Télé Bretagne (1)"),
                    QStringLiteral("[X] 28/02/2030 23:00 - 01:15 > France 2 (H)"),
                    QStringLiteral("[E] 01/03/2030 06:00 - 07:00 > TF1 (L)")};
    return c;
}

}  // namespace

TEST(EcritureParametres, DefaultsGiveTheFixedFileOf138Lines)
{
    const QByteArray texte = TexteParametres(defauts());
    EXPECT_FALSE(texte.contains('\r'));
    QStringList l = lignesDe(texte);
    ASSERT_EQ(l.takeLast(), QString());  // the last line ends with "\n" too
    ASSERT_EQ(l.size(), 138);

    const QStringList cles = {
        "VERS=Version 1.4", "PATH=", "RECP=/home/u/Documents", "AUTR=0", "AUTP=", "AUTL=",
        "EXEA=0", "CFGA=0", "SORT=0", "MINI=0", "MTOP=1", "UVLC=0", "FLX1=0", "FAVI=0", "AUTO=0",
        "CLAV=0", "CADR=1", "MONO=1", "FOND=1", "TRAN=1", "TIME=0", "FULL=0", "OTOP=0", "DISP=1",
        "TVON=0", "CHA0=0", "CHA1=", "FRPL=0", "ORDI=0", "AVAN=2", "APRE=4", "ZOOM=100", "INTR=1",
        "LACE=0", "TSPS=2", "VENC=0", "VCOD=2", "VDEB=1024", "VECH=100", "ACOD=3", "ADEB=128",
        "ACAN=1", "AUDO=0", "CAPS=5", "POS0=0", "POS1=0", "POS2=0", "FAVO=0"};
    EXPECT_EQ(l.mid(0, 48), cles);
    EXPECT_EQ(l[48], "FA00=Chaînes favorites 0");
    EXPECT_EQ(l[49], "FA01=");
    EXPECT_EQ(l[56], "FA08=");
    EXPECT_EQ(l[57], "FA10=Chaînes favorites 1");
    EXPECT_EQ(l[129], "FA90=Chaînes favorites 9");
    EXPECT_EQ(l[137], "FA98=");
    EXPECT_TRUE(texte.contains("Cha\xc3\xaenes favorites 5"));  // UTF-8
}

TEST(EcritureParametres, TextsTrimmedWhereTheFileSaysSoAndVersionAlwaysCurrent)
{
    ContenuParametres c = defauts();
    c.version = "Version 1.0";
    c.p.AUTP = "  /bin/prog  ";
    c.p.AUTL = " %1 ";
    c.p.VDEB = " 512 ";
    c.p.VECH = " 50";
    c.p.ADEB = "96 ";
    c.cheminVLC = " /usr/bin/vlc ";
    c.dossierEnregistrement = " /media/x ";
    c.chaine = " TF1 ";
    c.p.TSPS = 1;
    c.programmes = {"[A] 01/02/2030 20:30 - 22:00 > TF1 (1)"};
    const QStringList l = lignesDe(TexteParametres(c));
    EXPECT_EQ(l[0], "VERS=Version 1.4");
    EXPECT_EQ(l[1], "PATH= /usr/bin/vlc ");
    EXPECT_EQ(l[2], "RECP= /media/x ");
    EXPECT_EQ(l[4], "AUTP=/bin/prog");
    EXPECT_EQ(l[5], "AUTL=%1");
    EXPECT_EQ(l[26], "CHA1= TF1 ");
    EXPECT_EQ(l[34], "TSPS=1");
    EXPECT_EQ(l[37], "VDEB=512");
    EXPECT_EQ(l[38], "VECH=50");
    EXPECT_EQ(l[40], "ADEB=96");
    EXPECT_EQ(l[138], "PROG=[A] 01/02/2030 20:30 - 22:00 > TF1 (1)");
    EXPECT_EQ(l.size(), 140);
}

TEST(EcritureParametres, LineBreakInAValueNeverStartsANewKey)
{
    ContenuParametres c = defauts();
    c.p.AUTL = "a\nSORT=1";
    c.chaine = "TF1\r\nCFGA=1";
    c.favoris[10] = "Mes\rchaînes";
    c.programmes = {"[A] 01/02/2030 20:30 - 22:00 > TF1 (1)\nPATH=/tmp/x"};
    const QByteArray texte = TexteParametres(c);
    EXPECT_EQ(lignesDe(texte).size(), 140);
    EXPECT_FALSE(texte.contains('\r'));

    FauxDialogues d;
    ContenuParametres lu = defauts();
    LirePassePrincipale(texte, lu, {"TF1"}, [](const QString&) { return true; }, d);
    EXPECT_EQ(lu.p.AUTL, "a SORT=1");
    EXPECT_FALSE(lu.p.SORT);
    EXPECT_FALSE(lu.p.CFGA);
    EXPECT_EQ(lu.chaine, "TF1  CFGA=1");
    EXPECT_EQ(lu.favoris[10], "Mes chaînes");
    EXPECT_EQ(lu.cheminVLC, "");
    const ValeursPrecoces precoces = LirePassePrecoce(texte, {});
    EXPECT_FALSE(precoces.sort);
    EXPECT_FALSE(precoces.cfga);
}

TEST_F(LectureParametres, WriteThenReadGivesTheSameContent)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath("Kelmor.ini");
    for (const ContenuParametres& original : {defauts(), contenuComplet()}) {
        ASSERT_TRUE(EcrireFichierParametres(chemin, original));
        const QByteArray texte = lireFichier(chemin);
        EXPECT_EQ(texte, TexteParametres(original));
        EXPECT_EQ(lire(texte), original);
        const ValeursPrecoces v = LirePassePrecoce(texte, {true, true});
        EXPECT_EQ(v.sort, original.p.SORT);
        EXPECT_EQ(v.cfga, original.p.CFGA);
    }
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(LectureParametres, FileWithoutVersionIsOneDotZeroAndShiftsTheMinuteLists)
{
    ContenuParametres c = lire("AVAN=2\n");
    EXPECT_EQ(c.version, "Version 1.0");
    EXPECT_EQ(c.p.AVAN, 3);
    EXPECT_EQ(c.p.APRE, 5);

    c = lire("AVAN=7\nAPRE=6\n");  // the last item stays the last
    EXPECT_EQ(c.p.AVAN, 7);
    EXPECT_EQ(c.p.APRE, 7);

    c = lire("VERS=Version 1.10\nAVAN=0\nTSPS=1\nINTR=0\n");  // character order: below 1.2
    EXPECT_EQ(c.p.AVAN, 1);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(LectureParametres, NoFileMeansNoMigration)
{
    ContenuParametres c;
    AppliquerDefauts(c, kDocuments);
    c.p.INTR = false;
    AppliquerMigrations(c, dialogues);
    EXPECT_EQ(c.version, "Version 1.4");
    EXPECT_EQ(c.p.AVAN, 2);
    EXPECT_FALSE(c.p.INTR);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(LectureParametres, VersionOneDotTwoOffersPsInsteadOfTs)
{
    dialogues.reponses = {true};
    ContenuParametres c = lire("VERS=Version 1.2\nTSPS=1\nAVAN=2\n");
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0], (Message{Message::Question, kQuestionEncapsulationTS}));
    EXPECT_TRUE(dialogues.messages[0].texte.startsWith(
        "Assistant d'amélioration des réglages d'Kelmor :\n\nVous êtes actuellement"));
    EXPECT_EQ(c.p.TSPS, 2);
    EXPECT_EQ(c.p.AVAN, 2);

    dialogues.messages.clear();
    c = lire("VERS=Version 1.2.5\nTSPS=1\n");  // answered No
    EXPECT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(c.p.TSPS, 1);

    dialogues.messages.clear();
    lire("VERS=Version 1.2\nTSPS=2\n");
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(LectureParametres, VersionOneDotThreeAsksForDeinterlacingOnce)
{
    lire("VERS=Version 1.3\nINTR=1\n");
    EXPECT_TRUE(dialogues.messages.empty());

    dialogues.reponses = {true};
    ContenuParametres c = lire("VERS=Version 1.3\nINTR=0\nLACE=3\n");
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0], (Message{Message::Question, kQuestionDesentrelacement}));
    EXPECT_TRUE(dialogues.messages[0].texte.endsWith(
        "modifie ce paramètre ?\n\nCe message ne sera plus affiché par la suite."));
    EXPECT_TRUE(c.p.INTR);
    EXPECT_EQ(c.p.LACE, 0);

    // Answered No: nothing changes, and the next start no longer asks.
    dialogues.messages.clear();
    c = lire("VERS=Version 1.3\nINTR=0\nLACE=3\n");
    EXPECT_EQ(dialogues.messages.size(), 1u);
    EXPECT_FALSE(c.p.INTR);
    EXPECT_EQ(c.p.LACE, 3);
    dialogues.messages.clear();
    lire(TexteParametres(c));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(LectureParametres, KeysInAnyCaseLastLineWinsValuesKeepTheirBlanks)
{
    const ContenuParametres c = lire(
        "vers=Version 1.4\n"
        "Avan=5\n"
        "AVAN=6\n"
        "autl=  %1 x  \n"
        "path=  /usr/bin/vlc  \n"
        "cha1= France 2 \n"
        "recp=  /media/videos  \n"
        "sort=1\n"
        "pos1= -300 \n"
        "prog=[A] 01/02/2030 20:30 - 22:00 > TF1 (1)\n");
    EXPECT_EQ(c.p.AVAN, 6);
    EXPECT_EQ(c.p.AUTL, "  %1 x  ");
    EXPECT_EQ(c.cheminVLC, "/usr/bin/vlc");
    EXPECT_EQ(c.chaine, " France 2 ");
    EXPECT_EQ(c.dossierEnregistrement, "/media/videos");
    EXPECT_TRUE(c.p.SORT);
    EXPECT_EQ(c.pos1, -300);
    EXPECT_EQ(c.programmes, QStringList{"[A] 01/02/2030 20:30 - 22:00 > TF1 (1)"});
    EXPECT_TRUE(LirePassePrecoce("sort=1\nCfGa=1\n", {}).cfga);
    EXPECT_FALSE(LirePassePrecoce("SORT=1\nSORT=0\n", {}).sort);
    EXPECT_TRUE(LirePassePrecoce("XORT=0\n", {true, false}).sort);
}

TEST_F(LectureParametres, OlderFavouriteKeys)
{
    ContenuParametres c = lire("FAV3=Chaîne disparue\nFAV0=1\nFAV9=TF1\n");
    EXPECT_EQ(c.favoris[3], "Chaîne disparue");  // not checked against the channel list
    EXPECT_TRUE(c.p.FAVO);
    EXPECT_EQ(c.favoris[9], "");
    c = lire("FAVO=1\nFAV0=0\n");
    EXPECT_FALSE(c.p.FAVO);
}

TEST_F(LectureParametres, FavouriteSlotsNeedAnExistingChannel)
{
    ContenuParametres c = lire(
        "FA13=Chaîne disparue\n"
        "FA14=Télé Bretagne\n"
        "FA15=tf1\n"
        "FA10=Sport\n"
        "FA20=\n"
        "FA09=Arte\n");
    EXPECT_EQ(c.favoris[13], "");
    EXPECT_EQ(c.favoris[14], "Télé Bretagne");
    EXPECT_EQ(c.favoris[15], "");  // exact name only
    EXPECT_EQ(c.favoris[10], "Sport");
    EXPECT_EQ(c.favoris[20], "");
    EXPECT_EQ(c.favoris[9], "Arte");
    const QByteArray texte = TexteParametres(c);
    EXPECT_FALSE(texte.contains("FA09="));
    EXPECT_FALSE(texte.contains("=Arte"));
    EXPECT_TRUE(texte.contains("\nFA10=Sport\n"));
}

TEST_F(LectureParametres, WithNoChannelFavouritesAndGroupNamesSurviveASave)
{
    chaines.clear();
    const ContenuParametres c = lire("FA10=Sport\nFA14=Télé Bretagne\nFA15=Chaîne disparue\nFA20=\n");
    EXPECT_EQ(c.favoris[10], "Sport");
    EXPECT_EQ(c.favoris[14], "Télé Bretagne");
    EXPECT_EQ(c.favoris[15], "Chaîne disparue");
    EXPECT_EQ(c.favoris[20], "");
    const QByteArray texte = TexteParametres(c);
    EXPECT_TRUE(texte.contains("\nFA10=Sport\nFA11=\nFA12=\nFA13=\nFA14=Télé Bretagne\n"
                               "FA15=Chaîne disparue\n"));
}

TEST(EcritureParametres, TheDefaultRecordingFolderIsWrittenAsTheFolderListGivesIt)
{
    // The documents folder comes with a final "/"; without one the home folder stands in.
    const std::pair<QString, QString> cas[] = {{"/home/u/Documents/", "RECP=/home/u/Documents\n"},
                                               {"/home/u/", "RECP=/home/u\n"},
                                               {"/home/u//", "RECP=/home/u\n"},
                                               {"/", "RECP=/\n"}};
    for (const auto& [documents, ligne] : cas) {
        ContenuParametres c;
        AppliquerDefauts(c, documents);
        EXPECT_TRUE(QString::fromUtf8(TexteParametres(c)).contains("\n" + ligne)) << documents.toStdString();
    }
}

TEST_F(LectureParametres, MissingRecordingFolderIsReportedAndTheFolderKept)
{
    ContenuParametres c = lire("RECP=/nulle/part\n");
    EXPECT_EQ(c.dossierEnregistrement, "/home/u/Documents");
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0],
              (Message{Message::Exclamation,
                       "Le répertoire de sauvegarde des enregistrements n'existe\n"
                       "pas et a été rétabli sur le répertoire \"Mes documents\"."}));

    dialogues.messages.clear();
    c = lire("RECP=/media/videos\nRECP=/nulle/part\nRECP=\n");
    EXPECT_EQ(c.dossierEnregistrement, "/media/videos");
    EXPECT_EQ(dialogues.messages.size(), 2u);
}

TEST_F(LectureParametres, OnlyWellFormedScheduleLinesAreKept)
{
    const ContenuParametres c = lire(
        "PROG=[A] 01/02/2030 20:30 - 22:00 > TF1 (1)\n"
        "PROG=[X] 31/02/2030 20:30 - 22:00 > TF1 (1)\n"   // no such date
        "PROG=[A] 01/02/2030 24:30 - 22:00 > TF1 (1)\n"   // no such time
        "PROG=[A] 01/02/2030 20:30 - 2200 > TF1 (1)\n"    // shifted columns
        "PROG=[A] 0a/02/2030 20:30 - 22:00 > TF1 (1)\n"   // not a number
        "PROG=[A] 01/02/-030 20:30 - 22:00 > TF1 (1)\n"
        "PROG=[A] 01/02/0000 20:30 - 22:00 > TF1 (1)\n"   // no year 0
        "PROG=[A] 01-02-2030 20:30 - 22:00 > TF1 (1)\n"
        "PROG=[A] 01/02/2030 20:3x - 22:00 > TF1 (1)\n"
        "PROG=[A] 01/02/2030 20:30 - 22h00 > TF1 (1)\n"
        "PROG=[A] 01/02/2030 20:30 - 22:60 > TF1 (1)\n"
        "PROG=[A] 29/02/2032 20:30 - 22:00 > TF1 (1)\n"   // a leap day
        "PROG=[A] 01/02/2030 20:30 - 22:00 > TF1 (W)\n"   // unknown frequency
        "PROG=[A] 01/02/2030 20:30 - 22:00 > TF1 (q)\n"
        "PROG=[A] 01/02/2030\n"
        "PROG=\n"
        "PROG=[S] 05/05/2031 23:00 - 01:00 > Télé Bretagne (M)\n"
        "PROG=[A] 01/02/2030 20:30 - 22:00 > TF1 (1)\n");
    EXPECT_EQ(c.programmes, (QStringList{"[A] 01/02/2030 20:30 - 22:00 > TF1 (1)",
                                         "[A] 29/02/2032 20:30 - 22:00 > TF1 (1)",
                                         "[S] 05/05/2031 23:00 - 01:00 > Télé Bretagne (M)",
                                         "[A] 01/02/2030 20:30 - 22:00 > TF1 (1)"}));
}

TEST_F(LectureParametres, InvalidValuesAndUnknownLinesLeaveTheDefaults)
{
    ContenuParametres attendu = defauts();
    attendu.version = "Version 1.4";
    QByteArray texte = TexteParametres(attendu);
    texte +=
        "FOND=abc\nFOND=8\nFOND=-1\nAVAN=8\nAPRE=x\nLACE=6\nVCOD=12\nACOD=10\nCAPS=9\nACAN=2\n"
        "ZOOM=9\nZOOM=201\nZOOM=\nTSPS=0\nTSPS=3\nMTOP=2\nCADR=oui\nINTR=-1\n"
        "POS1=abc\nPOS2=99999999999\n"
        "XXXX=1\n\n=\nFA\nFAxy=TF1\nFA1:=TF1\nFA-1=TF1\nFAV=1\nPROG\nV\xc3\x28RS=x\n";
    texte += QByteArray("\xff\xfe\x00\x01\nSO\x00T=1\n\x01\x02\x03\x04\x05\n", 18);
    EXPECT_EQ(lire(texte), attendu);
    EXPECT_TRUE(dialogues.messages.empty());

    const ContenuParametres bornes = lire("ZOOM=10\nVCOD=11\nACOD=9\nCAPS=8\nFOND=0\nPOS2=-2147483648\nTSPS= 1 \n");
    EXPECT_EQ(bornes.p.ZOOM, 10);
    EXPECT_EQ(bornes.p.VCOD, 11);
    EXPECT_EQ(bornes.p.ACOD, 9);
    EXPECT_EQ(bornes.p.CAPS, 8);
    EXPECT_EQ(bornes.p.FOND, 0);
    EXPECT_EQ(bornes.pos2, -2147483647 - 1);
    EXPECT_EQ(lire("ZOOM=200\n").p.ZOOM, 200);
}

TEST_F(LectureParametres, AnyLineEndAndAByteOrderMarkAreAccepted)
{
    const ContenuParametres original = contenuComplet();
    const QByteArray lf = TexteParametres(original);
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    QByteArray cr = lf;
    cr.replace("\n", "\r");
    QByteArray melange = lf;
    melange.replace("\nFA5", "\rFA5").replace("\nPROG", "\r\nPROG");
    for (const QByteArray& texte : {lf, crlf, cr, melange, "\xef\xbb\xbf" + lf, lf.chopped(1)}) {
        EXPECT_EQ(lire(texte), original);
        EXPECT_TRUE(LirePassePrecoce(texte, {}).sort);
    }
    // An empty line between two lines stays empty, it never joins them.
    EXPECT_EQ(lire("VERS=Version 1.4\r\rAPRE=6\r").p.APRE, 6);
}

TEST(EcritureParametres, FailedWriteReturnsFalseAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath("Kelmor.ini");
    const ContenuParametres ancien = defauts();
    ASSERT_TRUE(EcrireFichierParametres(chemin, ancien));

    // A path below a regular file cannot be written, even by root.
    EXPECT_FALSE(EcrireFichierParametres(chemin + "/Kelmor.ini", contenuComplet()));
    EXPECT_EQ(lireFichier(chemin), TexteParametres(ancien));
    EXPECT_TRUE(kMessageEchecParametres.startsWith("Les paramètres d'Kelmor n'ont pas pu être enregistrés.\n"));
}

TEST(EcritureParametres, WriteCutShortKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath("Kelmor.ini");
    const ContenuParametres ancien = defauts();
    ASSERT_TRUE(EcrireFichierParametres(chemin, ancien));

    // The disk fills up in the middle of the write (a file size limit does the same, even
    // for root): the old file stays whole.
    struct rlimit avant {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
    auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit petite = avant;
    petite.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    const bool ecrit = EcrireFichierParametres(chemin, contenuComplet());
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, ancienSignal);
    EXPECT_FALSE(ecrit);
    EXPECT_EQ(lireFichier(chemin), TexteParametres(ancien));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Kelmor.ini"});
}

TEST(FichierParametres, TheChannelsInUseAreTheFavouritesTheLastChannelAndTheScheduleToCome)
{
    const QByteArray texte = "CHA1=Arte\n"
                             "FA00=Groupe\nFA01=TF1\nFA02=\nFA17=M6\nfa21=Arte\n"
                             "FAV3=France 5\n"
                             "PROG=[A] 01/01/2099 20:00 - 21:00 > W9 (1)\n"
                             "PROG=[X] 01/01/2001 20:00 - 21:00 > Gulli (1)\n"
                             "PROG=[A] pas une entrée > TMC (1)\n"
                             "CHA0=1\nFAVO=1\n";
    EXPECT_EQ(ChainesUtilisees(texte), (QStringList{"Arte", "TF1", "M6", "France 5", "W9"}));
    EXPECT_TRUE(ChainesUtilisees("").isEmpty());
}
