#include "app/Presentation.h"

#include "panes/PanneauChaines.h"
#include "panes/PanneauFavoris.h"
#include "shell/Fond.h"
#include "shell/Textures.h"

namespace {
// A remembered position: never negative; with CADR, the window's far edge inside the screen.
int borner(int valeur, int ecran, int fenetre, bool dansEcran)
{
    if (valeur < 0)
        return 0;
    if (dansEcran && ecran - fenetre < valeur)
        return ecran - fenetre;
    return valeur;
}
}  // namespace

void presenter(Fond& fond, const PresentationDemarrage& p)
{
    fond.definirTexture(TextureFond(p.texture, 1, p.dossierProgramme));
    fond.chaines().favoris().definirDossierLogos(p.dossierProgramme + "Logos/");
    fond.definirOptionsForme(p.forme);
    if (p.telecommande)
        fond.appliqueur().Mini_Click();

    const QSize ecran = fond.tailleEcran();
    const QSize taille = fond.forme().taille();
    if (p.positionSauvee)
        fond.placer({borner(p.position.x(), ecran.width(), taille.width(), p.forme.CADR),
                     borner(p.position.y(), ecran.height(), taille.height(), p.forme.CADR)});
    else
        fond.placer({(ecran.width() - taille.width()) / 2, (ecran.height() - taille.height()) / 2});

    if (p.minimise)
        fond.minimiser();
    else if (p.fondu)
        fond.fonduEntree();
}
