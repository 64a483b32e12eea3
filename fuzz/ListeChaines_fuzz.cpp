// Any bytes as the box's playlist.
#include "Exiger.h"
#include "core/ListeChaines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <tuple>

namespace {
bool avant(const Chaine& a, const Chaine& b)
{
    return std::tie(a.nom, a.adresse, a.numero) < std::tie(b.nom, b.adresse, b.numero);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray texte(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const ListeChaines liste = LireListeChaines(texte, false);
    for (int i = 0; i < liste.taille(); ++i) {
        const Chaine& c = liste.at(i);
        exiger(c.nom.toUcs4().size() <= kLongueurMaxNom, "a name is at most 29 characters");
        exiger(!c.adresse.isEmpty(), "every channel has an address");
        exiger(c.adresse == c.adresse.trimmed(), "an address has no blank at its ends");
        exiger(!c.adresse.contains(u'\n') && !c.adresse.contains(u'\r'), "an address is one line");
        exiger(liste.noms().indexOf(c.nom) == i, "each channel has a name of its own");
    }
    exiger(liste.noms().size() == liste.taille(), "one name per channel");

    // Sorting only reorders.
    const ListeChaines triee = LireListeChaines(texte, true);
    exiger(triee.taille() == liste.taille(), "sorting keeps every channel");
    std::vector<Chaine> a = liste.chaines(), b = triee.chaines();
    std::sort(a.begin(), a.end(), avant);
    std::sort(b.begin(), b.end(), avant);
    exiger(a == b, "sorting keeps the same channels");

    // A whole list ends with a line feed; a channel appended without its address cuts it, one
    // appended whole leaves it whole.
    const bool entiere = DerniereChaineEntiere(texte);
    exiger(!entiere || texte.endsWith('\n'), "a whole list ends with a line feed");
    if (texte.endsWith('\n')) {
        exiger(!DerniereChaineEntiere(texte + "#EXTINF:0,1 - Coupée\n"), "a channel without its address is a cut");
        exiger(DerniereChaineEntiere(texte + "#EXTINF:0,1 - Entière\nrtsp://box/1\n"),
               "a channel with its address ends a list whole");
    }
    return 0;
}
