// Any bytes as the audience feed.
#include "Exiger.h"
#include "core/Audience.h"
#include "core/TexteHtml.h"

#include <QList>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString texte = DecoderPage(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)));
    const auto entrees = LireAudience(texte);
    if (!entrees)
        return 0;
    exiger(entrees->size() <= static_cast<size_t>(kEntreesAudience), "at most fifteen entries");
    for (const EntreeAudience& e : *entrees)
        exiger(e.libelle.toUcs4().size() <= kLongueurLibelle, "labels are cut at fifty characters");
    const TextesAudience t = MettreEnForme(*entrees);
    const qsizetype lignes = entrees->empty() ? 0 : static_cast<qsizetype>(entrees->size());
    exiger((t.rangs.isEmpty() ? 0 : t.rangs.count(u'\n') + 1) == lignes, "one rank per entry");
    exiger(t.parts.count(u'\n') == t.rangs.count(u'\n') && t.libelles.count(u'\n') == t.rangs.count(u'\n'),
           "the three boxes are line-parallel");
    return 0;
}
