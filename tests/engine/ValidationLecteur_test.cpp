#include "engine/ValidationLecteur.h"

#include <gtest/gtest.h>

TEST(AdresseFlux, AcceptsTheStreamSchemesOnly)
{
    for (const char* a : {"rtsp://mafreebox.freebox.fr/fbxtv_pub/stream?namespace=1&service=201",
                          "rtp://@239.1.2.3:1234", "udp://@:1234", "http://127.0.0.1:8000/tf1.ts",
                          "https://exemple.fr/a b.ts", "mms://x", "RTSP://X/y"})
        EXPECT_TRUE(adresseFluxValide(a)) << a;
}

TEST(AdresseFlux, RefusesOptionsFilesAndControlCharacters)
{
    for (const char* a : {"", "--extraintf=http", "-Idummy", "file:///etc/passwd", "vlc://quit",
                          "screen://", "/etc/passwd", "http://", "http:/x", "://x", " http://x",
                          "http://x\n--y", "http://x\r", "http://x\ty", "http://x\x7f",
                          "ftp://x", "httpx://y", "dvb-t://frequency=1"})
        EXPECT_FALSE(adresseFluxValide(a)) << a;
    EXPECT_FALSE(adresseFluxValide(QString("http://x") + QChar(0x2028) + "y"));
    EXPECT_FALSE(adresseFluxValide(QString("http://x") + QChar(0x85) + "y"));
}

TEST(TexteChaine, DropsChainSyntaxAndControlsOnly)
{
    EXPECT_EQ(nettoyerTexteChaine("a{b}c,d:e\"f\\g\nh\x01i"), "abcdefghi");
    EXPECT_EQ(nettoyerTexteChaine("Télé Sud-Est 24 (HD) & Co = 1/2 'x'"), "Télé Sud-Est 24 (HD) & Co = 1/2 'x'");
}

TEST(Chemins, LocalAndChainPaths)
{
    EXPECT_TRUE(cheminLocalValide("/home/a/b, c: {d}.mpg"));
    EXPECT_FALSE(cheminLocalValide("home/a.mpg"));
    EXPECT_FALSE(cheminLocalValide("-/a"));
    EXPECT_FALSE(cheminLocalValide("/a\nb"));
}

TEST(Chemins, AnyAbsolutePathWithoutControlsIsQuotedAtTheFirstLevel)
{
    EXPECT_EQ(cheminCite("/home/a/b, c: {d}.mpg", 1), "\"/home/a/b, c: {d}.mpg\"");
    EXPECT_EQ(cheminCite("/a}b{/x.mpg", 1), "\"/a}b{/x.mpg\"");
    EXPECT_EQ(cheminCite("/q\"u'o\\te/x", 1), "\"/q\\\"u\\'o\\\\te/x\"");
    EXPECT_EQ(cheminCite("/home/a/L'été é.mpg", 1), "\"/home/a/L\\'été é.mpg\"");
    EXPECT_EQ(cheminCite("/a\tb", 1), "");
    EXPECT_EQ(cheminCite("relatif.mpg", 1), "");
    EXPECT_EQ(cheminCite("/a", 0), "");
}

TEST(Chemins, NestedPathsAreEscapedTwiceAndNeedTheirBracesInPairs)
{
    EXPECT_EQ(cheminCite("/tv/a,b{c}/x.mpg", 2), "\"/tv/a,b{c}/x.mpg\"");
    EXPECT_EQ(cheminCite("/tv/x{{y}z}/x.mpg", 2), "\"/tv/x{{y}z}/x.mpg\"");
    // '"' becomes \\\" : one escape per level, the backslash of the first escaped too.
    EXPECT_EQ(cheminCite("/q\"u/x", 2), "\"/q\\\\\\\"u/x\"");
    EXPECT_EQ(cheminCite("/b\\s/x", 2), "\"/b\\\\\\\\s/x\"");
    for (const char* chemin : {"/tv/a}b/x.mpg", "/tv/a{b/x.mpg", "/tv/}{/x.mpg", "/tv/{a}}{/x", "/a\nb"}) {
        EXPECT_FALSE(cheminCitable(chemin, 2)) << chemin;
        EXPECT_EQ(cheminCite(chemin, 2), "") << chemin;
    }
    EXPECT_TRUE(cheminCitable("/tv/a}b/x.mpg", 1));
}

TEST(CibleDiffusion, HostAndPort)
{
    EXPECT_EQ(cibleDiffusion("freeplayer.freebox.fr"), "freeplayer.freebox.fr:1234");
    EXPECT_EQ(cibleDiffusion("127.0.0.1:5004"), "127.0.0.1:5004");
    EXPECT_EQ(cibleDiffusion("box_1"), "box_1:1234");
    EXPECT_EQ(cibleDiffusion("h:65535"), "h:65535");
    for (const char* h : {"", ":1234", "h:", "h:0", "h:65536", "h:1:2", "a}b", "a,b", "a b", "-h", ".h",
                          "h\n", "[::1]:1234"})
        EXPECT_EQ(cibleDiffusion(h), "") << h;
    EXPECT_EQ(hoteSansPort("127.0.0.1:5004"), "127.0.0.1");
    EXPECT_EQ(hoteSansPort("freeplayer.freebox.fr"), "freeplayer.freebox.fr");
    EXPECT_EQ(hoteSansPort("a}b"), "");
}
