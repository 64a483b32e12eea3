#pragma once
#include <QPixmap>
#include <QString>

// The background textures, drawn at run time. Choice 0 ("Aucune") has no picture unless the
// user put both "kelmor1.jpg" and "kelmor2.jpg" in the program's folder and both load;
// choices 1 to 7 are plain pictures of ours. `jeu` 1 is the main panel's set, 2 the options
// pane's. A choice outside 0 to 7 gives the default texture.
QPixmap TextureFond(int choix, int jeu, const QString& dossierProgramme);

inline constexpr int kTextureParDefaut = 1;
