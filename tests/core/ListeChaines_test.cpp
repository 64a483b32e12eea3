#include "core/ListeChaines.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray entree(const QByteArray& numero, const QByteArray& nom, const QByteArray& adresse,
                  const QByteArray& fin = "\n")
{
    return "#EXTINF:0," + numero + " - " + nom + fin + adresse + fin;
}

} // namespace

TEST(LireListeChaines, BoxFormatGivesNameNumberAndAddressInFileOrder)
{
    const QByteArray texte = "#EXTM3U\n"
        + entree("2", "France 2", "rtsp://mafreebox.freebox.fr/fbxtv_pub/stream?id=201")
        + entree("201", "Zeta", "rtsp://box/z") + entree("3", "arte", "rtsp://box/a");
    const ListeChaines l = LireListeChaines(texte, false);
    ASSERT_EQ(l.taille(), 3);
    EXPECT_EQ(l.at(0), (Chaine{"France 2", 2, "rtsp://mafreebox.freebox.fr/fbxtv_pub/stream?id=201"}));
    EXPECT_EQ(l.noms(), (QStringList{"France 2", "Zeta", "arte"}));
    EXPECT_EQ(l.at(1).numero, 201);
    EXPECT_EQ(l.noms().indexOf("arte"), 2);
    EXPECT_EQ(l.noms().indexOf("Arte"), -1);
    EXPECT_FALSE(l.estVide());
}

TEST(LireListeChaines, EqualNamesAreToldApartTheFirstKeepingItsName)
{
    const ListeChaines l = LireListeChaines(
        "#EXTM3U\n" + entree("1", "TF1", "rtsp://a") + entree("9", "TF1", "rtsp://b"), false);
    EXPECT_EQ(l.noms(), (QStringList{"TF1", "TF1 (2)"}));
    EXPECT_EQ(l.noms().indexOf("TF1"), 0);
    EXPECT_EQ(l.noms().indexOf("TF1 (2)"), 1);
}

TEST(NomsDistincts, NamesCutAlikeAreToldApartAndUniqueNamesStayAsBefore)
{
    const QString direct = "LCP Assemblée nationale et Public Sénat direct";
    const QString differe = "LCP Assemblée nationale et Public Sénat différé";
    const QString coupe = "LCP Assemblée nationale e ...";
    ASSERT_EQ(NomAffiche(direct), coupe);
    ASSERT_EQ(NomAffiche(differe), coupe);
    // The first keeps the name earlier versions stored; the others are numbered within 29
    // characters; every other name is left alone.
    EXPECT_EQ(NomsDistincts({"TF1", direct, "France 2", differe, direct + " HD"}),
              (QStringList{"TF1", coupe, "France 2", "LCP Assemblée nationa ... (2)", "LCP Assemblée nationa ... (3)"}));
    // A short name takes its number whole; a number never gives another channel's name.
    EXPECT_EQ(NomsDistincts({"Arte", "Arte", "Arte (2)", "Arte"}),
              (QStringList{"Arte", "Arte (3)", "Arte (2)", "Arte (4)"}));
    // A 27-character name has no room for " (2)": it is cut first.
    const QString vingtSept = "ABCDEFGHIJKLMNOPQRSTUVWXYZa";
    EXPECT_EQ(NomsDistincts({vingtSept, vingtSept}), (QStringList{vingtSept, "ABCDEFGHIJKLMNOPQRSTU ... (2)"}));
    // Ten of them: the number grows, the name still holds 29 characters.
    const QStringList dix = NomsDistincts(QStringList(10, direct));
    EXPECT_EQ(dix.first(), coupe);
    EXPECT_EQ(dix.last(), "LCP Assemblée nation ... (10)");
    EXPECT_EQ(QSet<QString>(dix.begin(), dix.end()).size(), 10);
    EXPECT_TRUE(NomsDistincts({}).isEmpty());
}

TEST(LireListeChaines, NamesCutAlikeKeepTheirOwnStreamSortedOrNot)
{
    const QByteArray texte = "#EXTM3U\n"
        + entree("13", "LCP Assemblée nationale et Public Sénat direct", "rtsp://box/direct")
        + entree("2", "France 2", "rtsp://box/2")
        + entree("14", "LCP Assemblée nationale et Public Sénat différé", "rtsp://box/differe");
    for (const bool trier : {false, true}) {
        const ListeChaines l = LireListeChaines(texte, trier);
        ASSERT_EQ(l.taille(), 3);
        const int direct = l.noms().indexOf("LCP Assemblée nationale e ...");
        const int differe = l.noms().indexOf("LCP Assemblée nationa ... (2)");
        ASSERT_GE(direct, 0);
        ASSERT_GE(differe, 0);
        EXPECT_EQ(l.at(direct).adresse, "rtsp://box/direct");
        EXPECT_EQ(l.at(differe).adresse, "rtsp://box/differe");
        EXPECT_EQ(l.at(differe).numero, 14);
    }
}

TEST(LireListeChaines, LongNamesAreCutByCharactersNotBytes)
{
    const QByteArray quarante = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    const QByteArray vingtNeuf = "ABCDEFGHIJKLMNOPQRSTUVWXYZabc";
    const QByteArray trente = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
    // 29 characters, 58 bytes: must stay whole.
    const QByteArray accents29 = QString(29, QChar(u'é')).toUtf8();
    const QByteArray accents30 = QString(30, QChar(u'é')).toUtf8();
    const ListeChaines l = LireListeChaines(
        "#EXTM3U\n" + entree("201", quarante, "rtsp://1") + entree("2", vingtNeuf, "rtsp://2")
            + entree("3", trente, "rtsp://3") + entree("4", accents29, "rtsp://4")
            + entree("5", accents30, "rtsp://5"),
        false);
    ASSERT_EQ(l.taille(), 5);
    EXPECT_EQ(l.at(0).numero, 201);
    EXPECT_EQ(l.at(0).nom, "ABCDEFGHIJKLMNOPQRSTUVWXY ...");
    EXPECT_EQ(l.at(0).nom.size(), 29);
    EXPECT_EQ(l.at(1).nom, QString::fromUtf8(vingtNeuf));
    // cut like the first one: told apart from it
    EXPECT_EQ(l.at(2).nom, "ABCDEFGHIJKLMNOPQRSTU ... (2)");
    EXPECT_EQ(l.at(2).nom.size(), 29);
    EXPECT_EQ(l.at(3).nom, QString(29, QChar(u'é')));
    EXPECT_EQ(l.at(4).nom, QString(25, QChar(u'é')) + " ...");
}

TEST(LireListeChaines, CutNeverSplitsALetterOutsideTheBasicPlane)
{
    // 24 letters then 6 musical notes (two UTF-16 units each): 30 characters.
    const QString nom = QString(24, u'a') + QString::fromUcs4(U"\U0001D11E\U0001D11E\U0001D11E"
                                                              U"\U0001D11E\U0001D11E\U0001D11E");
    EXPECT_EQ(NomAffiche(nom), QString(24, u'a') + QString::fromUcs4(U"\U0001D11E") + " ...");
}

TEST(LireListeChaines, EveryUtf8LetterIsDecoded)
{
    const QString noms[] = {"Télé Matin", "Île-de-France", "Côté Maison", "Arrêt sur images",
                            "À la une", "Ça m'intéresse", "Mère", "Über TV", "Ñ ünïcødé"};
    QByteArray texte = "#EXTM3U\n";
    int n = 1;
    for (const QString& nom : noms)
        texte += entree(QByteArray::number(n++), nom.toUtf8(), "rtsp://x");
    const ListeChaines l = LireListeChaines(texte, false);
    ASSERT_EQ(l.taille(), int(std::size(noms)));
    for (int i = 0; i < l.taille(); ++i)
        EXPECT_EQ(l.at(i).nom, noms[i]);
}

TEST(LireListeChaines, AcceptsCrLfCrAndAMissingLastLineEnd)
{
    const QByteArray lf = "#EXTM3U\n" + entree("1", "Un", "rtsp://1") + entree("2", "Deux", "rtsp://2");
    const QByteArray crlf = "#EXTM3U\r\n" + entree("1", "Un", "rtsp://1", "\r\n")
        + entree("2", "Deux", "rtsp://2", "\r\n");
    const QByteArray cr = "#EXTM3U\r" + entree("1", "Un", "rtsp://1", "\r")
        + entree("2", "Deux", "rtsp://2", "\r");
    QByteArray sansFin = lf;
    sansFin.chop(1);
    const ListeChaines attendue = LireListeChaines(lf, false);
    ASSERT_EQ(attendue.taille(), 2);
    EXPECT_EQ(attendue.at(1), (Chaine{"Deux", 2, "rtsp://2"}));
    for (const QByteArray& t : {crlf, cr, sansFin})
        EXPECT_EQ(LireListeChaines(t, false).chaines(), attendue.chaines()) << t.toStdString();
}

TEST(LireListeChaines, MalformedEntriesAreSkippedWithoutShiftingTheOthers)
{
    const QByteArray texte = "#EXTM3U\n"
        + entree("1", "Bon1", "rtsp://1")
        + "#EXTINF:0,2 Sans tiret\nrtsp://sans-tiret\n"            // no "-"
        + entree("x3", "Numéro faux", "rtsp://faux")               // number not an integer
        + "#EXTINF:0 sans virgule - Nom\nrtsp://sans-virgule\n"    // no comma
        + "#EXTINF:0,44-Collé\nrtsp://colle\n"                      // no blank after the number
        + "#EXTINF:0,5 - Sans adresse\n"                            // address line missing
        + entree("6", "Bon6", "rtsp://6")
        + "\n#EXTINF:0,7 - Dernier sans adresse";                   // nothing after it
    const ListeChaines l = LireListeChaines(texte, false);
    ASSERT_EQ(l.taille(), 2);
    EXPECT_EQ(l.at(0), (Chaine{"Bon1", 1, "rtsp://1"}));
    EXPECT_EQ(l.at(1), (Chaine{"Bon6", 6, "rtsp://6"}));
}

TEST(LireListeChaines, EmptyOrForeignTextGivesNoChannel)
{
    EXPECT_TRUE(LireListeChaines("", false).estVide());
    EXPECT_TRUE(LireListeChaines("#EXTM3U", true).estVide());
    EXPECT_TRUE(LireListeChaines("<html><body>404</body></html>", false).estVide());
    EXPECT_TRUE(LireListeChaines("#EXTINF:", false).estVide());
}

TEST(ContientUneChaine, AnswersWhetherTheReaderFindsAChannel)
{
    const QByteArray malformees = "#EXTM3U\n"
        "#EXTINF:0,2 Sans tiret\nrtsp://sans-tiret\n"
        "#EXTINF:0,5 - Sans adresse\n"
        "#EXTINF:0,6 - Commentaire seul\n#EXTVLCOPT:x\n\n";
    EXPECT_FALSE(ContientUneChaine(""));
    EXPECT_FALSE(ContientUneChaine("#EXTM3U"));
    EXPECT_FALSE(ContientUneChaine("#EXTM3U\r\n"));
    EXPECT_FALSE(ContientUneChaine(malformees));
    EXPECT_TRUE(ContientUneChaine(malformees + entree("7", "Bonne", "rtsp://7")));
    EXPECT_TRUE(ContientUneChaine("#EXTM3U\r#EXTINF:0,1 - Une\r\rrtsp://1"));
}

TEST(DerniereChaineEntiere, AWholeListEndsWithALineFeedAfterItsLastAddress)
{
    const QByteArray entiere = "#EXTM3U\n" + entree("1", "Un", "rtsp://1") + entree("2", "Deux", "rtsp://box/2");
    EXPECT_TRUE(DerniereChaineEntiere(entiere));
    EXPECT_TRUE(DerniereChaineEntiere("#EXTM3U\r\n" + entree("1", "Un", "rtsp://1", "\r\n")));
    // Malformed entries in the middle, blank lines and comments at the end are no cut.
    EXPECT_TRUE(DerniereChaineEntiere("#EXTM3U\n#EXTINF:0,5 - Sans adresse\n" + entree("1", "Un", "rtsp://1")
                                      + "\n#EXTVLCOPT:x\n"));
    // Cut anywhere inside the last channel.
    const qsizetype debutDerniere = entiere.indexOf("#EXTINF:0,2");
    for (qsizetype n = debutDerniere + 1; n < entiere.size(); ++n)
        EXPECT_FALSE(DerniereChaineEntiere(entiere.left(n))) << entiere.left(n).toStdString();
    // A last "#EXTINF:" without its address, with or without a comment after it.
    EXPECT_FALSE(DerniereChaineEntiere("#EXTM3U\n" + entree("1", "Un", "rtsp://1") + "#EXTINF:0,2 - Deux\n"));
    EXPECT_FALSE(DerniereChaineEntiere("#EXTM3U\n#EXTINF:0,2 - Deux\n#EXTVLCOPT:x\n\n"));
    // Lines ended by carriage returns alone have no line feed at all.
    EXPECT_FALSE(DerniereChaineEntiere("#EXTM3U\r" + entree("1", "Un", "rtsp://1", "\r")));
    EXPECT_FALSE(DerniereChaineEntiere(""));
}

TEST(LireListeChaines, SortedOrderKeepsNumberAndAddressWithTheName)
{
    const QByteArray texte = "#EXTM3U\n" + entree("5", "Zouzou", "rtsp://z")
        + entree("2", "école TV", "rtsp://e") + entree("1", "Arte", "rtsp://a")
        + entree("7", "Équipe 21", "rtsp://eq") + entree("3", "beta", "rtsp://b")
        + entree("4", "ARTE", "rtsp://a2");
    const ListeChaines triee = LireListeChaines(texte, true);
    // Case ignored, accented capitals with their letter, equal names in file order.
    EXPECT_EQ(triee.noms(),
              (QStringList{"Arte", "ARTE", "beta", "école TV", "Équipe 21", "Zouzou"}));
    const ListeChaines fichier = LireListeChaines(texte, false);
    for (const Chaine& c : fichier.chaines()) {
        const int i = triee.noms().indexOf(c.nom);
        ASSERT_GE(i, 0);
        EXPECT_EQ(triee.at(i), c);
    }
    EXPECT_EQ(fichier.noms().first(), "Zouzou");
}

TEST(LireFichierListeChaines, ReadsTheFileAndGivesNothingWhenUnreadable)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath("Kelmor.cfg");
    EXPECT_TRUE(LireFichierListeChaines(chemin, false).estVide());
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#EXTM3U\n" + entree("1", "Un", "rtsp://1"));
    f.close();
    const ListeChaines l = LireFichierListeChaines(chemin, false);
    ASSERT_EQ(l.taille(), 1);
    EXPECT_EQ(l.at(0), (Chaine{"Un", 1, "rtsp://1"}));
}
