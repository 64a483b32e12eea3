#include "platform/reel/DialoguesQt.h"
#include "support/Attente.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {
// After ms, answers the modal box then open with `bouton`, once `pendant` has looked at it.
void repondreApres(int ms, QMessageBox::StandardButton bouton, std::function<void(QMessageBox&)> pendant = {})
{
    QTimer::singleShot(ms, [=] {
        auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(b, nullptr) << "no box open";
        if (pendant)
            pendant(*b);
        b->button(bouton)->click();
    });
}
}  // namespace

TEST(DialoguesQt, QueuedRunsWaitForTheLastBoxOfOursAndKeepTheirOrder)
{
    DialoguesQt d;
    QStringList journal;
    d.quandLibre([&] { journal << "a"; });
    EXPECT_TRUE(journal.isEmpty()) << "ran inside the call";
    ASSERT_TRUE(attendreQue([&] { return journal == QStringList{"a"}; }, 2000));

    // Asked while a box is open (from a timer, as the clock does): nothing runs over it.
    QTimer::singleShot(50, [&] { d.quandLibre([&] { journal << "b"; }); });
    QTimer::singleShot(60, [&] {
        d.quandLibre([&] {
            journal << "c";
            repondreApres(300, QMessageBox::No, [&](QMessageBox& b) {
                journal << "question " + QString::number(d.ouvertes());
                EXPECT_EQ(b.textFormat(), Qt::PlainText);
            });
            d.question("Enregistrer <b>France 2</b> ?", Suite<bool>([&](bool oui) { journal << (oui ? "oui" : "non"); }));
            journal << "posée";
        });
    });
    QTimer::singleShot(70, [&] { d.quandLibre([&] { journal << "d"; }); });
    Qt::TextFormat format = Qt::RichText;
    QString texte;
    repondreApres(400, QMessageBox::Ok, [&](QMessageBox& b) {
        format = b.textFormat();
        texte = b.text();
        journal << "fermeture " + QString::number(d.ouvertes());
    });
    d.information("<i>Chaîne</i> & <b>co</b>");
    // Opened, not awaited.
    EXPECT_EQ(d.ouvertes(), 1);
    EXPECT_EQ(journal, QStringList{"a"});
    ASSERT_TRUE(attendreQue([&] { return journal.contains("fermeture 1"); }, 3000));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(texte, "<i>Chaîne</i> & <b>co</b>");

    // The question opened by "c" holds "d" back until it is answered.
    ASSERT_TRUE(attendreQue([&] { return journal.contains("d"); }, 3000)) << journal.join(", ").toStdString();
    EXPECT_EQ(journal, (QStringList{"a", "fermeture 1", "b", "c", "posée", "question 1", "non", "d"}));
    EXPECT_EQ(d.ouvertes(), 0);
}

TEST(DialoguesQt, EveryKindOfBoxShowsPlainTextAndCounts)
{
    DialoguesQt d;
    QList<Qt::TextFormat> formats;
    QList<QMessageBox::Icon> icones;
    QList<int> ouvertes;
    const auto noter = [&](QMessageBox& b) {
        formats << b.textFormat();
        icones << b.icon();
        ouvertes << d.ouvertes();
    };
    repondreApres(50, QMessageBox::Ok, noter);
    d.exclamation("<b>x</b>");
    ASSERT_TRUE(attendreQue([&] { return d.ouvertes() == 0; }, 3000));
    repondreApres(50, QMessageBox::Ok, noter);
    d.message("<b>x</b>");
    ASSERT_TRUE(attendreQue([&] { return d.ouvertes() == 0; }, 3000));
    repondreApres(50, QMessageBox::Yes, noter);
    std::optional<bool> reponse;
    d.question("<b>x</b>", Suite<bool>([&](bool oui) { reponse = oui; }));
    ASSERT_TRUE(attendreQue([&] { return reponse.has_value(); }, 3000));
    EXPECT_TRUE(*reponse);
    EXPECT_EQ(formats, (QList<Qt::TextFormat>{Qt::PlainText, Qt::PlainText, Qt::PlainText}));
    EXPECT_EQ(icones, (QList<QMessageBox::Icon>{QMessageBox::Warning, QMessageBox::NoIcon, QMessageBox::Question}));
    EXPECT_EQ(ouvertes, (QList<int>{1, 1, 1}));
    EXPECT_EQ(d.ouvertes(), 0);

    // A run queued before the object goes never runs after it.
    bool execute = false;
    {
        DialoguesQt ephemere;
        ephemere.quandLibre([&] { execute = true; });
    }
    bool temoin = false;
    QTimer::singleShot(100, [&] { temoin = true; });
    ASSERT_TRUE(attendreQue([&] { return temoin; }, 2000));
    EXPECT_FALSE(execute);
}

TEST(DialoguesQt, ABoxStaysAnswerableWhileTheMainWindowTakesNoInput)
{
    QWidget fenetre;
    fenetre.resize(300, 200);
    fenetre.show();
    DialoguesQt d;
    d.setParent(&fenetre);
    fenetre.setEnabled(false);
    QList<bool> actives;
    repondreApres(50, QMessageBox::Yes, [&](QMessageBox& b) {
        actives << b.isEnabled();
        // The engine starts waiting while the question is open: the box is not greyed with it.
        fenetre.setEnabled(true);
        fenetre.setEnabled(false);
        actives << b.isEnabled();
    });
    std::optional<bool> reponse;
    d.question("Souhaitez-vous réellement quitter Kelmor ?", Suite<bool>([&](bool oui) { reponse = oui; }));
    ASSERT_TRUE(attendreQue([&] { return reponse.has_value(); }, 3000));
    EXPECT_TRUE(*reponse);
    EXPECT_EQ(actives, (QList<bool>{true, true}));
}

TEST(DialoguesQt, AMessageQuotingANameThatOpensACommentShowsAllThatFollows)
{
    DialoguesQt d;
    const QString message = "L'enregistrement programmé de <b>Chaîne</b> <!-- n'a pas pu commencer.\n"
                            "Le dossier d'enregistrement est plein.";
    QString vu;
    int hauteur = 0, ligne = 0;
    repondreApres(50, QMessageBox::Ok, [&](QMessageBox& b) {
        const auto* l = b.findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
        vu = l->text();
        hauteur = l->sizeHint().height();
        ligne = l->fontMetrics().height();
    });
    d.exclamation(message);
    ASSERT_TRUE(attendreQue([&] { return d.ouvertes() == 0; }, 3000));
    EXPECT_EQ(vu, message);
    EXPECT_GE(hauteur, 2 * ligne) << "the line after the name is not shown";
}

TEST(DialoguesQt, AbandonedBoxesCloseUnansweredAndWhatFollowsGoesToStandardError)
{
    DialoguesQt d;
    int reponses = 0;
    d.question("Souhaitez-vous réellement quitter Kelmor ?", Suite<bool>([&](bool) { ++reponses; }));
    d.exclamation("Kelmor est déjà lancé.");
    EXPECT_EQ(d.ouvertes(), 2);
    bool libre = false;
    d.quandLibre([&] { libre = true; });
    d.abandonner();
    EXPECT_EQ(d.ouvertes(), 0);
    ASSERT_TRUE(attendreQue([&] { return libre && QApplication::activeModalWidget() == nullptr; }, 3000));
    // Nothing opens any more, and nobody answered for the user.
    d.question("Encore ?", Suite<bool>([&](bool) { ++reponses; }));
    d.exclamation("Les paramètres d'Kelmor n'ont pas pu être enregistrés.");
    EXPECT_EQ(d.ouvertes(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(reponses, 0);
}
