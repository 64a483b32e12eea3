#include "panes/TexteBrut.h"

#include <QKeySequence>
#include <QPushButton>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
const QStringList kTextes = {"TF1",
                             "<h1><u>GROS</u></h1>",
                             "France 2 <!--",
                             "<b>Chaîne</b> <!-- la suite",
                             " Arrêter la lecture de <i>x</i>  et   <br> ",
                             "Tom & Jerry",
                             "x &amp; y <p>",
                             "a < b > c",
                             "[*] Chaîne [*][*]",
                             "<qt>deux\nlignes</qt>"};
}  // namespace

TEST(TexteBrut, ATipShowsItsTextWhateverMarkupItHolds)
{
    for (const QString& t : kTextes) {
        const QString bulle = infoBulleBrute(t);
        // As a tool tip reads it: markup whenever it looks like markup.
        const QString vu = Qt::mightBeRichText(bulle) ? QTextDocumentFragment::fromHtml(bulle).toPlainText() : bulle;
        EXPECT_EQ(vu, t) << t.toStdString();
    }
    EXPECT_EQ(infoBulleBrute("Tom & Jerry"), "Tom & Jerry");  // plain tips stay as they are
}

TEST(TexteBrut, ACaptionHasNoShortcutAndATitleKeepsItsMarks)
{
    QWidget fenetre;
    fenetre.winId();
    for (const QString& t : kTextes) {
        QPushButton b(legendeBrute(t));
        EXPECT_TRUE(QKeySequence::mnemonic(b.text()).isEmpty()) << t.toStdString();
        EXPECT_EQ(b.text().replace("&&", "&"), t);
        fenetre.setWindowTitle(titreBrut(t));
        EXPECT_EQ(fenetre.windowHandle()->title(), t) << t.toStdString();
    }
}
