#include "engine/NomEnregistrement.h"

#include "core/Encodage.h"
#include "engine/CodesLecteur.h"

#include <gtest/gtest.h>

namespace {
const QDateTime SOIR(QDate(2024, 3, 5), QTime(20, 45, 7));
}

TEST(NomFichierEnregistrement, DefaultSettingsGiveAnMpgFile)
{
    EXPECT_EQ(NomFichierEnregistrement("/home/anne/Vidéos/", SOIR, "France 2", Parametres{}),
              "/home/anne/Vidéos/Kelmor 2024-03-05 20-45-07 France 2.mpg");
}

TEST(NomFichierEnregistrement, DateAndTimeAreZeroPaddedOn24Hours)
{
    EXPECT_EQ(NomFichierEnregistrement("/r/", QDateTime(QDate(987, 1, 2), QTime(3, 4, 5)), "A", Parametres{}),
              "/r/Kelmor 0987-01-02 03-04-05 A.mpg");
    EXPECT_EQ(NomFichierEnregistrement("/r/", QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)), "A",
                                       Parametres{}),
              "/r/Kelmor 2023-12-31 23-59-59 A.mpg");
}

TEST(NomFichierEnregistrement, AwkwardChannelNames)
{
    const std::pair<const char*, const char*> cas[] = {
        {"TF1 > HD", "TF1   HD"},
        {"M6/W9", "M6 W9"},
        {"L'Équipe", "L Équipe"},
        {"Arte: \"direct\"", "Arte direct"},
        {"Canal {test}, bis", "Canal test bis"},
        {"Chaîne sport", "Chaîne sport"},
        {"A\\B", "AB"},
        {"Nova\tTV\n", "NovaTV"},
        {"Nova\r\nTV\u2028bis\u0085", "NovaTVbis"},
        {"X}},dst=std{access=file,mux=ts,dst=/etc/passwd", "Xdst=stdaccess=filemux=tsdst= etc passwd"},
    };
    for (const auto& [nom, propre] : cas)
        EXPECT_EQ(NomFichierEnregistrement("/v/", SOIR, QString::fromUtf8(nom), Parametres{}),
                  "/v/Kelmor 2024-03-05 20-45-07 " + QString::fromUtf8(propre) + ".mpg")
            << nom;
}

TEST(NomFichierEnregistrement, ExtensionWithoutTranscodingIgnoresCodecsAndContainer)
{
    Parametres p;
    p.VCOD = 8;
    p.ACOD = 2;
    p.AUDO = true;
    p.TSPS = 1;
    EXPECT_EQ(extensionEnregistrement(p), ".mpg");
}

TEST(NomFichierEnregistrement, ExtensionOfEachVideoCodec)
{
    const char* extensions[] = {".mpg", ".mpg", ".mpg", ".avi", ".avi", ".avi",
                                ".avi", ".avi", ".wmv", ".wmv", ".mpg", ".mpg"};
    Parametres p;
    p.VENC = true;
    p.CAPS = 5;  // MP4 container: the file still ends ".mpg" for MPEG 4
    for (int i = 0; i < 12; ++i) {
        p.VCOD = i;
        EXPECT_EQ(extensionEnregistrement(p), extensions[i]) << i;
    }
}

TEST(NomFichierEnregistrement, ExtensionOfEachAudioCodecWhenSoundOnly)
{
    const char* extensions[] = {".mp1", ".mp2", ".mp3", ".mp4", ".wav",
                                ".vob", ".wav", ".wav", ".wav", ".wav"};
    Parametres p;
    p.VENC = true;
    p.AUDO = true;
    p.VCOD = 8;
    for (int i = 0; i < 10; ++i) {
        p.ACOD = i;
        EXPECT_EQ(extensionEnregistrement(p), extensions[i]) << i;
    }
    p.ACOD = 5;
    EXPECT_EQ(NomFichierEnregistrement("/v/", SOIR, "Radio", p), "/v/Kelmor 2024-03-05 20-45-07 Radio.vob");
}

TEST(CodesLecteur, ListItemsAndCodesLineUp)
{
    EXPECT_EQ(Encodage::VCOD.size(), 12);
    EXPECT_EQ(Encodage::ACOD.size(), 10);
    EXPECT_EQ(Encodage::CAPS, (QStringList{"MPEG TS", "MPEG PS", "MPEG 1", "Ogg", "ASF", "MP4", "MOV", "WAV", "Raw"}));
    EXPECT_EQ(Encodage::VCOD.at(11), "Theo");
    EXPECT_EQ(codeVideo(11), "theo");
    EXPECT_EQ(Encodage::ACOD.at(2), "MP3");
    EXPECT_EQ(codeAudio(2), "mp3");
    EXPECT_EQ(codeVideo(3), "DIV1");
    EXPECT_EQ(codeAudio(9), "fl32");
    EXPECT_EQ(codeConteneur(2), "mpeg1");
    EXPECT_EQ(codeVideo(12), "");
    EXPECT_EQ(codeAudio(-1), "");
    EXPECT_EQ(modeDesentrelacement(5), "x");
    EXPECT_EQ(modeDesentrelacement(6), "");
    // Every item the options pane lists has its code, and nothing beyond the last.
    const std::pair<const QStringList&, QString (*)(int)> tables[] = {
        {Encodage::VCOD, codeVideo}, {Encodage::VCOD, extensionVideo}, {Encodage::ACOD, codeAudio},
        {Encodage::ACOD, extensionAudio}, {Encodage::CAPS, codeConteneur}};
    for (const auto& [items, code] : tables) {
        for (int i = 0; i < items.size(); ++i)
            EXPECT_FALSE(code(i).isEmpty()) << items.at(i).toStdString();
        EXPECT_EQ(code(int(items.size())), "") << items.first().toStdString();
    }
}
