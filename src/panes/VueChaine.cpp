#include "panes/VueChaine.h"

#include "core/ListeChaines.h"

VueChaine CalculerVueChaine(const ListeChaines& liste, int index)
{
    VueChaine v;
    if (index < 0 || index >= liste.taille())
        return v;
    const auto& c = liste.at(index);
    v.progChaine = c.nom;
    const QString etiquette = QString::number(c.numero) + " : " + c.nom;
    v.progChaine2 = etiquette.size() <= 31 ? etiquette : etiquette.left(27) + " ...";
    v.precedenteActive = index != 0;
    v.suivanteActive = index != liste.taille() - 1;
    return v;
}
