#include "engine/Favoris.h"

#include "core/ReglesFavoris.h"
#include "engine/EtatFenetre.h"
#include "engine/Moteur.h"
#include "engine/Sauvegarde.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

Favoris::Favoris(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatFenetre& fenetre,
                 Sauvegarde& sauvegarde)
    : session_(session), moteur_(moteur), plateforme_(plateforme), fenetre_(fenetre), sauvegarde_(sauvegarde)
{
}

void Favoris::afficherGroupes()
{
    QStringList noms;
    for (int g = 0; g < TableFavoris::NombreGroupes; ++g)
        noms << session_.parametres.favoris.at(g * TableFavoris::TailleGroupe);
    emit groupesNommes(noms);
}

void Favoris::selectionnerGroupe(int g)
{
    if (g < 0 || g >= TableFavoris::NombreGroupes)
        return;
    groupe_ = g;
    FavorisListe_Click();
}

QStringList Favoris::nomsGroupe() const
{
    const QStringList chaines = session_.chaines.noms();
    QStringList noms;
    for (int s = 1; s <= 8; ++s)
        noms << FavoriEffectif(session_.parametres.favoris, groupe_, s, chaines);
    return noms;
}

void Favoris::FavorisListe_Click()
{
    emit groupeAffiche(groupe_, nomsGroupe());
}

void Favoris::FavorisM_Click()
{
    selectionnerGroupe(GroupePrecedent(groupe_));
}

void Favoris::FavorisP_Click()
{
    selectionnerGroupe(GroupeSuivant(groupe_));
}

void Favoris::Favori_Click(int Index)
{
    using A = DecisionFavori::Action;
    const DecisionFavori d =
        DeciderFavori(session_.parametres.favoris, groupe_, Index, session_.chaines.noms(), fenetre_.guideTV());
    switch (d.action) {
    case A::Rien:
        return;
    case A::Regarder:
        emit regarderDemande();
        return;
    case A::Definir:
        plateforme_.dialogues.question(kQuestionFavoriVide, Suite<bool>(this, [this, e = d.emplacement](bool oui) {
            if (oui)
                emit definitionDemandee(e);
        }));
        return;
    case A::Selectionner:
    case A::SelectionnerAfficher:
    case A::SelectionnerRegarder:
        break;
    }
    moteur_.Chaines_Click(d.chaine);
    if (d.action == A::SelectionnerAfficher)
        emit afficherDemande();
    else if (d.action == A::SelectionnerRegarder)
        emit regarderDemande();
}

void Favoris::Favori_MouseDown(int Index)
{
    source_ = Index;
}

void Favoris::Favori_DragDrop(int Index)
{
    const int source = source_;
    source_ = -1;
    if (!EchangerFavoris(session_.parametres.favoris, groupe_, source, Index))
        return;
    FavorisListe_Click();
    sauvegarde_.EcrireParametres();
}
