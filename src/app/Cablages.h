#pragma once
// The wiring's areas that live in files of their own; cabler() calls them in turn.
#include "app/Cablage.h"

#include <QObject>
#include <QPushButton>

class VoletAfficher;
class VoletGuide;
class VoletProgrammation;

template <typename Controleur>
void relier(QPushButton* bouton, Controleur& controleur, void (Controleur::*action)())
{
    QObject::connect(bouton, &QPushButton::clicked, &controleur, [&controleur, action] { (controleur.*action)(); });
}

// The schedule and the guide (CablageGuide.cpp).
void cablerProgrammation(const Assemblage& app);
void cablerGuide(const Assemblage& app);
void cablerVoletProgrammation(const Assemblage& app, VoletProgrammation& v);
void cablerVoletGuide(const Assemblage& app, VoletGuide& v);
void montrerVoletGuide(const Assemblage& app, VoletProgrammation& p);
// The options pane (CablageOptions.cpp).
void cablerOptions(const Assemblage& app);
// The media pane (CablageAfficher.cpp).
void cablerMedias(const Assemblage& app);
void cablerVoletAfficher(const Assemblage& app, VoletAfficher& v);
void montrerVoletAfficher(const Assemblage& app, VoletAfficher& v);
// The keyboard shortcuts (CablageClavier.cpp).
void cablerClavier(const Assemblage& app);
