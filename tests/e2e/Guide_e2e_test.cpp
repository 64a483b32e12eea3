// The TV guide and the audience tabs against the simulated guide and audience sites.
#include "engine/GuideTV.h"
#include "support/BancReel.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
using GuideReel = BancReel;

QPushButton* bouton(const QWidget& f, const char* nom)
{
    return f.findChild<QPushButton*>(QString::fromUtf8(nom));
}

QStringList rangees(const QListWidget* l)
{
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}
}  // namespace

TEST_F(GuideReel, TheGuideTabListsTheSitesRowsAndProgrammingOneWritesItsLine)
{
    plateforme->adresses.guide = boitier.hote() + "/guide";
    plateforme->adresses.audience = boitier.hote() + "/audience";
    demarrer("");
    app->parties().moteur.Chaines_Click(0);  // "France 2", number 2
    bouton(fond, "Guider")->click();
    ASSERT_TRUE(attendreQue([this] { return !fond.animationEnCours(); }, 5000));
    auto* onglets = fond.findChild<QTabWidget*>("GuiderOnglets");
    auto* liste = fond.findChild<QListWidget*>("GuideListe");
    auto* jours = fond.findChild<QComboBox*>("GuideDate");
    ASSERT_TRUE(onglets && liste && jours);
    onglets->setCurrentIndex(1);
    // The pages come from the event loop, the window taking no input meanwhile.
    EXPECT_FALSE(fond.isEnabled());
    ASSERT_TRUE(attendreQue([&] { return fond.isEnabled() && liste->count() > 1; }, 10000));
    ASSERT_EQ(jours->count(), 8);
    const QStringList r = rangees(liste);
    EXPECT_EQ(r.size(), 9);
    EXPECT_TRUE(r.contains("20:50 > Les Experts : Episode 12")) << r.join(" | ").toStdString();
    EXPECT_TRUE(r.contains("22:35 > Faites entrer l'accusé")) << r.join(" | ").toStdString();
    EXPECT_TRUE(fond.isEnabled());

    // Tomorrow: the first row is selected.
    const QDate demain = QDate::currentDate().addDays(1);
    jours->setCurrentIndex(2);
    emit jours->activated(2);
    ASSERT_TRUE(attendreQue([&] { return fond.isEnabled(); }, 10000));
    EXPECT_TRUE(jours->currentText().startsWith(demain.toString("dd/MM/yyyy")));
    ASSERT_EQ(liste->currentRow(), 0);
    EXPECT_EQ(liste->currentItem()->text(), "06:00 > Bonjour la France");
    bouton(fond, "GuideProg")->click();
    EXPECT_EQ(dialogues.textes(), QStringList({"L'enregistrement de cette émission a été programmé."}));
    QFile ini(dossiers.programme() + "Kelmor.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    // From 06:00 minus the "before" margin to the next start, 09:30, plus the "after" margin.
    const Parametres& p = app->parties().session.parametres.p;
    const QString debut = QTime(6, 0).addSecs(-60 * MinutesMarge(p.AVAN)).toString("HH:mm");
    const QString fin = QTime(9, 30).addSecs(60 * MinutesMarge(p.APRE)).toString("HH:mm");
    const QString ligne = "PROG=[A] " + demain.toString("dd/MM/yyyy") + " " + debut + " - " + fin + " > France 2 (1)";
    const QString contenu = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(contenu.contains("\n" + ligne + "\n")) << ligne.toStdString();

    // A channel the guide does not have.
    app->parties().moteur.Chaines_Click(3);
    ASSERT_TRUE(attendreQue([&] { return fond.isEnabled(); }, 10000));
    EXPECT_EQ(rangees(liste), QStringList({"Le Guide TV ne propose pas cette chaîne."}));

    onglets->setCurrentIndex(2);
    ASSERT_TRUE(attendreQue([&] { return fond.isEnabled(); }, 10000));
    const QString rangs = fond.findChild<QPlainTextEdit*>("Liste15_0")->toPlainText();
    EXPECT_EQ(rangs.split('\n').size(), 15);
    EXPECT_TRUE(fond.findChild<QPlainTextEdit*>("Liste15_2")->toPlainText().contains("Onde Verte  (Questions & réponses)"));
}
