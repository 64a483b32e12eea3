#include "core/TexteHtml.h"

#include <gtest/gtest.h>

TEST(TexteHtml, NamedAndNumericEntitiesAreDecoded)
{
    EXPECT_EQ(DecoderEntites("Caf&eacute; &amp; th&#233; &#xE9;t&#XE9; &laquo;&nbsp;x&nbsp;&raquo;"),
              QString::fromUtf8("Café & thé été «\u00a0x\u00a0»"));
}

TEST(TexteHtml, UnknownOrUnfinishedEntitiesStayAsTheyStand)
{
    EXPECT_EQ(DecoderEntites("A &inconnu; B &amp C &#; &#xZZ; &#1114112; &#55296; &"),
              "A &inconnu; B &amp C &#; &#xZZ; &#1114112; &#55296; &");
}

TEST(TexteHtml, MarkupBecomesPlainText)
{
    EXPECT_EQ(TexteBrut("  <b>Jeu</b>&nbsp;: l'<i>accus&eacute;</i>\n <br>suite  "), "Jeu : l'accusé suite");
    EXPECT_EQ(TexteBrut("a < b"), "a < b");
    EXPECT_EQ(TexteBrut("&lt;b&gt;pas une balise&lt;/b&gt;"), "<b>pas une balise</b>");
}

TEST(TexteHtml, PagesAreReadAsUtf8OrElseLatin1)
{
    EXPECT_EQ(DecoderPage("\xC3\xA9t\xC3\xA9"), QString::fromUtf8("été"));
    EXPECT_EQ(DecoderPage("\xE9t\xE9"), QString::fromUtf8("été"));
}
