#include "shell/PanneauTelecommande.h"
#include "support/BancApplication.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include <utility>

// Every button of the remote reports its own press, and that one alone.
TEST(PanneauTelecommande, EachButtonReportsItsOwnPressAndNoOther)
{
    using Signal = void (PanneauTelecommande::*)();
    const std::pair<const char*, Signal> boutons[] = {
        {"Regarder", &PanneauTelecommande::Regarder_Click},
        {"RegarderX", &PanneauTelecommande::RegarderX_Click},
        {"Enregistrer", &PanneauTelecommande::Enregistrer_Click},
        {"EnregistrerX", &PanneauTelecommande::EnregistrerX_Click},
        {"Photographier", &PanneauTelecommande::Photographier_Click},
        {"VolumeM", &PanneauTelecommande::VolumeM_Click},
        {"Mute", &PanneauTelecommande::Mute_Click},
        {"VolumeP", &PanneauTelecommande::VolumeP_Click},
        {"Full", &PanneauTelecommande::Full_Click},
        {"TV", &PanneauTelecommande::TV_Click},
        {"StopAll", &PanneauTelecommande::StopAll_Click},
        {"Play", &PanneauTelecommande::Play_Click},
        {"Rec", &PanneauTelecommande::Rec_Click},
        {"Shift", &PanneauTelecommande::Shift_Click},
        {"Pause", &PanneauTelecommande::Pause_Click},
        {"Snap", &PanneauTelecommande::Snap_Click},
        {"TopR", &PanneauTelecommande::TopR_Click},
        {"Réduire", &PanneauTelecommande::Reduire_Click},
        {"Afficher", &PanneauTelecommande::Afficher_Click},
        {"Guider", &PanneauTelecommande::Guider_Click},
        {"Diffuser", &PanneauTelecommande::Diffuser_Click},
        {"Options", &PanneauTelecommande::Options_Click},
        {"Quitter", &PanneauTelecommande::Quitter_Click},
    };
    PanneauTelecommande t;
    QStringList recus;
    for (const auto& [nom, signal] : boutons)
        QObject::connect(&t, signal, &t, [&recus, nom = nom] { recus << QString::fromUtf8(nom); });
    EXPECT_EQ(t.findChildren<QPushButton*>().size(), int(std::size(boutons))) << "a button without its signal";
    for (const auto& [nom, signal] : boutons) {
        recus.clear();
        QPushButton* b = bouton(t, nom);
        ASSERT_NE(b, nullptr) << nom;
        b->click();
        EXPECT_EQ(recus, QStringList{QString::fromUtf8(nom)}) << nom;
    }
}
