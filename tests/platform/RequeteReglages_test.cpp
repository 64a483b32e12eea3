#include "platform/RequeteReglages.h"

#include <gtest/gtest.h>

using R = RequeteReglages;

TEST(RequeteReglages, TheTwoFilesAndNothingElse)
{
    EXPECT_EQ(analyserRequeteReglages("GET /settings.html HTTP/1.0\r\n\r\n"), R::Page);
    EXPECT_EQ(analyserRequeteReglages("GET /settings.gif HTTP/1.1\r\nHost: x\r\nAccept: */*\r\n\r\n"), R::Image);
    EXPECT_EQ(analyserRequeteReglages("GET /settings.html?v=2 HTTP/1.1\n\n"), R::Page);
    EXPECT_EQ(analyserRequeteReglages("GET /settings.html\r\n"), R::Page);  // the oldest form, no version
    for (const char* r : {"GET / HTTP/1.0\r\n\r\n", "GET /Kelmor.ini HTTP/1.0\r\n\r\n",
                          "GET /../settings.html HTTP/1.0\r\n\r\n", "GET /settings.htmlx HTTP/1.0\r\n\r\n",
                          "GET /settings%2Ehtml HTTP/1.0\r\n\r\n"})
        EXPECT_EQ(analyserRequeteReglages(r), R::Introuvable) << r;
}

TEST(RequeteReglages, WaitsForTheEndOfTheHead)
{
    for (const char* r : {"", "GET", "GET /settings.html", "GET /settings.html HTTP/1.0\r\n",
                          "GET /settings.html HTTP/1.0\r\nHost: x\r\n", "GET /settings.html HTTP/1.0\r\n\r"})
        EXPECT_EQ(analyserRequeteReglages(r), R::Incomplete) << r;
}

TEST(RequeteReglages, MalformedRequestLinesAreRefusedAsSoonAsTheLineEnds)
{
    for (const char* r : {"POST /settings.html HTTP/1.0\r\n", "get /settings.html\r\n", "GET  /settings.html\r\n",
                          "GET settings.html\r\n", "GET /settings.html HTTP/1.0 x\r\n",
                          "GET /settings.html HTTP/10\r\n", "GET /a\x01b HTTP/1.0\r\n", "\r\n",
                          "GET /settings.html HTTP/1.0 \r\n", "GET \r\n"})
        EXPECT_EQ(analyserRequeteReglages(r), R::Invalide) << r;
}

TEST(RequeteReglages, AHeadLongerThanTheLimitIsRefusedWithoutLookingFurther)
{
    const QByteArray sansFin(kTailleMaxRequeteReglages, 'a');
    EXPECT_EQ(analyserRequeteReglages(sansFin), R::TropLongue);
    EXPECT_EQ(analyserRequeteReglages(sansFin.left(kTailleMaxRequeteReglages - 1)), R::Incomplete);
    // A line end beyond the limit is never seen.
    EXPECT_EQ(analyserRequeteReglages(QByteArray(100'000, 'a') + "\n"), R::TropLongue);
    const QByteArray debut = "GET /settings.html HTTP/1.0\r\n";
    const QByteArray entetes = debut + QByteArray(kTailleMaxRequeteReglages, 'x');
    EXPECT_EQ(analyserRequeteReglages(entetes + "\r\n\r\n"), R::TropLongue);
    // Within the limit, what comes after the head does not matter.
    EXPECT_EQ(analyserRequeteReglages(debut + "\r\n" + QByteArray(100'000, 'z')), R::Page);
}

TEST(RequeteReglages, AnswersCarryTheirLengthAndCloseTheConnection)
{
    EXPECT_EQ(reponseReglages(R::Page, "<html>"),
              "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 6\r\nConnection: close\r\n\r\n<html>");
    EXPECT_TRUE(reponseReglages(R::Image, "GIF89a").startsWith("HTTP/1.0 200 OK\r\nContent-Type: image/gif\r\n"));
    EXPECT_TRUE(reponseReglages(R::Introuvable, "secret").startsWith("HTTP/1.0 404 Not Found\r\n"));
    EXPECT_FALSE(reponseReglages(R::Introuvable, "secret").contains("secret"));
    EXPECT_TRUE(reponseReglages(R::Invalide, {}).startsWith("HTTP/1.0 400 "));
    EXPECT_TRUE(reponseReglages(R::TropLongue, {}).startsWith("HTTP/1.0 431 "));
    EXPECT_EQ(reponseReglages(R::Incomplete, "x"), "");
}
