#include "platform/reel/ServeurDiffereHttp.h"

#include <gtest/gtest.h>

TEST(ServeurDiffereHttp, RequestLineGivesThePathOfAGet)
{
    EXPECT_EQ(cheminRequeteDiffere("GET /abc/TimeShift.mpg HTTP/1.1\r\n"), "/abc/TimeShift.mpg");
    EXPECT_EQ(cheminRequeteDiffere("GET /abc/TimeShift.mpg HTTP/1.0\n"), "/abc/TimeShift.mpg");
    EXPECT_EQ(cheminRequeteDiffere("GET /x\r\n"), "/x");
}

TEST(ServeurDiffereHttp, AnyOtherRequestLineGivesNoPath)
{
    for (const char* ligne : {"", "\r\n", "POST /x HTTP/1.1", "HEAD /x HTTP/1.1", "GET", "GET x HTTP/1.1",
                              "GET /x SIP/2.0", "GET /x HTTP/1.1 de trop", "get /x HTTP/1.1"})
        EXPECT_EQ(cheminRequeteDiffere(ligne), QByteArray()) << ligne;
}
