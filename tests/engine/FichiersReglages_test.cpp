#include "engine/FichiersReglages.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}
}  // namespace

TEST(PageReglages, ThreeLinesEndingWithCrLf)
{
    EXPECT_EQ(PageReglagesHtml("freeplayer.freebox.fr", 8080),
              QByteArray("<html><head><meta name=settings_page content=http://freeplayer.freebox.fr:8080/"
                         "settings.html>\r\n"
                         "<meta name=maddr content=127.0.0.1><meta name=pcr content=68><meta name=vid "
                         "content=68><meta name=aud content=69(en,mp2)>\r\n"
                         "</head><body><table border=0 cellspacing=20><tr><td>&nbsp;&nbsp;&nbsp;&nbsp;"
                         "<img src=settings.gif></td></tr></table></body></html>\r\n"));
}

TEST(PageReglages, PortOfTheHostIsNotUsedAndBadAddressesAreRefused)
{
    EXPECT_TRUE(PageReglagesHtml("127.0.0.1:5004", 8080).startsWith(
        "<html><head><meta name=settings_page content=http://127.0.0.1:8080/settings.html>\r\n"));
    EXPECT_TRUE(PageReglagesHtml("x><script>", 8080).isEmpty());
    EXPECT_TRUE(PageReglagesHtml("", 8080).isEmpty());
}

TEST(PageReglages, ThePageNamesThePortItIsServedOn)
{
    EXPECT_TRUE(PageReglagesHtml("127.0.0.1:5004", 18080).startsWith(
        "<html><head><meta name=settings_page content=http://127.0.0.1:18080/settings.html>\r\n"));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(EcrirePageReglages(dir.path() + "/", "freeplayer.freebox.fr", 18081));
    EXPECT_TRUE(lire(dir.path() + "/settings.html").contains("freeplayer.freebox.fr:18081/settings.html>"));
}

TEST(PageReglages, PictureIsA32By32Gif)
{
    const QByteArray gif = ImageReglages();
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    EXPECT_TRUE(gif.endsWith(";"));
    EXPECT_LT(gif.size(), 2048);
    const QImage image = QImage::fromData(gif, "GIF");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(32, 32));
    // dark blue outside, white frame of the set, dark blue screen
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0x1E, 0x3C, 0x78));
    EXPECT_EQ(image.pixelColor(2, 4), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(29, 25), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(6, 10), QColor(0x1E, 0x3C, 0x78));
    EXPECT_EQ(image.pixelColor(31, 31), QColor(0x1E, 0x3C, 0x78));
}

TEST(PageReglages, WritesBothFilesIntoTheFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString dossier = dir.path() + "/";
    ASSERT_TRUE(EcrirePageReglages(dossier, "freeplayer.freebox.fr", 8080));
    EXPECT_EQ(lire(dossier + "settings.html"), PageReglagesHtml("freeplayer.freebox.fr", 8080));
    EXPECT_EQ(lire(dossier + "settings.gif"), ImageReglages());
}

TEST(PageReglages, InvalidAddressOrFolderReportsFailure)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString dossier = dir.path() + "/";
    EXPECT_FALSE(EcrirePageReglages(dossier, "a b", 8080));
    EXPECT_FALSE(QFile::exists(dossier + "settings.html"));
    EXPECT_FALSE(QFile::exists(dossier + "settings.gif"));
    EXPECT_FALSE(EcrirePageReglages(dossier + "absent/", "freeplayer.freebox.fr", 8080));
}
