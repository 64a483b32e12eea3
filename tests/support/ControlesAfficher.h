#pragma once
// The media pane's controls, found by their names as the accessibility tree finds them.
#include "panes/TuileMosaic.h"

#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <array>
#include <gtest/gtest.h>

template <typename T>
T* controle(const QWidget& parent, const QString& nom)
{
    T* trouve = parent.findChild<T*>(nom);
    EXPECT_NE(trouve, nullptr) << "no control named " << nom.toStdString();
    return trouve;
}

struct ControlesAfficher {
    explicit ControlesAfficher(const QWidget& v)
        : AfficherOnglets(controle<QTabBar>(v, "AfficherOnglets")),
          FondActiveX(controle<QWidget>(v, "FondActiveX")),
          Waiting(controle<QWidget>(v, "Waiting")),
          FondActiveX2(controle<QWidget>(v, "FondActiveX2")),
          SizeBar(controle<QWidget>(v, "SizeBar")),
          AfficherListe(controle<QListWidget>(v, "AfficherListe")),
          AfficherRegarder(controle<QPushButton>(v, "AfficherRegarder")),
          AfficherEffacer(controle<QPushButton>(v, "AfficherEffacer")),
          AfficherTout(controle<QPushButton>(v, "AfficherTout")),
          AfficherAutres(controle<QPushButton>(v, "AfficherAutres")),
          AfficherRefresh(controle<QPushButton>(v, "AfficherRefresh")),
          TV2(controle<QPushButton>(v, "TV2")),
          Volume2(controle<QSlider>(v, "Volume2")),
          SizeBar2(controle<QSlider>(v, "SizeBar2")),
          Mini2(controle<QPushButton>(v, "Mini2")),
          Full2(controle<QPushButton>(v, "Full2")),
          TopR2(controle<QPushButton>(v, "TopR2")),
          Rec2(controle<QPushButton>(v, "Rec2")),
          Mute2(controle<QPushButton>(v, "Mute2")),
          SizeBar0(controle<QPushButton>(v, "SizeBar0")),
          SizeBar1(controle<QPushButton>(v, "SizeBar1")),
          SizeBarF(controle<QPushButton>(v, "SizeBarF")),
          SizeBarTop(controle<QPushButton>(v, "SizeBarTop")),
          SizeBarM(controle<QPushButton>(v, "SizeBarM")),
          SizeBarP(controle<QPushButton>(v, "SizeBarP")),
          SizeBarRec(controle<QPushButton>(v, "SizeBarRec")),
          SizeBarMute(controle<QPushButton>(v, "SizeBarMute"))
    {
        for (int i = 0; i < 8; ++i)
            Mosaic[std::size_t(i)] = controle<TuileMosaic>(v, QStringLiteral("Mosaic(%1)").arg(i + 1));
        for (int i = 0; i < 10; ++i)
            MosaFavo[std::size_t(i)] = controle<QPushButton>(v, QStringLiteral("MosaFavo%1").arg(i));
    }

    QTabBar* const AfficherOnglets;
    QWidget* const FondActiveX;
    QWidget* const Waiting;
    QWidget* const FondActiveX2;
    QWidget* const SizeBar;
    QListWidget* const AfficherListe;
    QPushButton* const AfficherRegarder;
    QPushButton* const AfficherEffacer;
    QPushButton* const AfficherTout;
    QPushButton* const AfficherAutres;
    QPushButton* const AfficherRefresh;
    QPushButton* const TV2;
    QSlider* const Volume2;
    QSlider* const SizeBar2;
    QPushButton* const Mini2;
    QPushButton* const Full2;
    QPushButton* const TopR2;
    QPushButton* const Rec2;
    QPushButton* const Mute2;
    QPushButton* const SizeBar0;
    QPushButton* const SizeBar1;
    QPushButton* const SizeBarF;
    QPushButton* const SizeBarTop;
    QPushButton* const SizeBarM;
    QPushButton* const SizeBarP;
    QPushButton* const SizeBarRec;
    QPushButton* const SizeBarMute;
    std::array<TuileMosaic*, 8> Mosaic{};
    std::array<QPushButton*, 10> MosaFavo{};
};
