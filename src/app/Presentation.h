#pragma once
#include "engine/EtatFenetre.h"

#include <QPoint>
#include <QString>
#include <QStringList>

class Fond;

// What start-up gives the window to show once it is over.
struct PresentationDemarrage {
    QString dossierProgramme;  // the textures' and the logos' folder
    int texture = 1;           // FOND
    OptionsForme forme;
    bool telecommande = false;    // MINI: the remote-control form
    bool positionSauvee = false;  // POS0: at `position`, else centred
    QPoint position;              // twips
    bool minimise = false;        // "/m": to the notification area
    bool fondu = false;           // TRAN: faded in
};

// The window shows it: its texture and logos, its form and its place (kept
// inside the screen with CADR, never left of or above it), then it opens faded in, plainly,
// or goes to the notification area.
void presenter(Fond& fond, const PresentationDemarrage& p);
