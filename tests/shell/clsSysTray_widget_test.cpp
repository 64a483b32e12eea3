#include "shell/Icones.h"
#include "shell/clsSysTray.h"

#include <QStringList>
#include <QSystemTrayIcon>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWindow>
#include <QWidget>
#include <gtest/gtest.h>

TEST(clsSysTray, TipIsCutTo63Characters)
{
    clsSysTray t;
    t.ChangeToolTip(QString(70, 'x'));
    EXPECT_EQ(t.ToolTip().size(), 63);
}

TEST(clsSysTray, DoubleClickRestoresTheWindowOnlyByDefault)
{
    QWidget w;
    clsSysTray t;
    t.setSourceWindow(&w);
    t.ChangeIcon(IconeRepos());
    int doubles = 0;
    QObject::connect(&t, &clsSysTray::LButtonDblClk, [&doubles] { ++doubles; });

    w.show();
    t.MinToSysTray();
    const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
    if (tray)
        EXPECT_FALSE(w.isVisible());
    else
        EXPECT_TRUE(w.isMinimized());  // no notification area: minimised normally, never lost

    t.DoLButtonDblClk();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_FALSE(t.visible());
    EXPECT_EQ(doubles, 1);

    w.hide();
    t.setDefaultDblClk(false);
    t.DoLButtonDblClk();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(doubles, 2);
}

TEST(clsSysTray, ActivationRestoresTheWindowAsTheTraysWithoutDoubleClickSendIt)
{
    QWidget w;
    clsSysTray t;
    t.setSourceWindow(&w);
    t.ChangeIcon(IconeRepos());
    QStringList evenements;
    QObject::connect(&t, &clsSysTray::LButtonDown, [&] { evenements << "LButtonDown"; });
    QObject::connect(&t, &clsSysTray::LButtonUp, [&] { evenements << "LButtonUp"; });
    QObject::connect(&t, &clsSysTray::LButtonDblClk, [&] { evenements << "LButtonDblClk"; });
    QObject::connect(&t, &clsSysTray::RButtonDown, [&] { evenements << "RButtonDown"; });
    QObject::connect(&t, &clsSysTray::RButtonUp, [&] { evenements << "RButtonUp"; });

    t.IconInSysTray();
    w.hide();
    t.recevoir(QSystemTrayIcon::Context);
    EXPECT_FALSE(w.isVisible());
    t.recevoir(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(t.visible());
    EXPECT_EQ(evenements, QStringList({"RButtonDown", "RButtonUp", "LButtonDown", "LButtonUp"}));

    w.hide();
    t.setDefaultDblClk(false);
    t.recevoir(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(w.isVisible());
}

TEST(clsSysTray, TheTipAndTheMinimisedWindowsTitleShowTheirTextAsItIs)
{
    QWidget w;
    clsSysTray t;
    t.setSourceWindow(&w);
    t.ChangeIcon(IconeRepos());
    w.showMinimized();
    const QString texte = "<b>Kelmor</b> [*] & co";
    t.ChangeToolTip(texte);
    t.IconInSysTray();
    const auto* icone = t.findChild<QSystemTrayIcon*>();
    ASSERT_NE(icone, nullptr);
    // Read as markup whenever it looks like markup, as a tool tip is.
    const QString bulle = icone->toolTip();
    EXPECT_EQ(Qt::mightBeRichText(bulle) ? QTextDocumentFragment::fromHtml(bulle).toPlainText() : bulle, texte);
    ASSERT_NE(w.windowHandle(), nullptr);
    EXPECT_EQ(w.windowHandle()->title(), texte);
}
