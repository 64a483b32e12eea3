// Any text as one schedule entry.
#include "Exiger.h"
#include "engine/LigneProgramme.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const std::optional<LigneProgramme> l = LigneProgramme::depuisTexte(texte);
    if (!l)
        return 0;
    exiger(l->texte() == texte, "an entry that is read is written back the same");
    exiger(LigneProgramme::depuisTexte(l->texte()) == l, "an entry that is written is read back the same");
    exiger(QStringLiteral("AESX").contains(l->marqueur), "the marker is a known one");
    exiger(IndexFrequence(l->frequence) >= 0, "the frequency is a known one");
    const qint64 duree = l->minuteFin() - l->minuteDebut();
    exiger(duree > 0 && duree <= 1440, "an entry lasts more than nothing and at most a day");
    exiger(l->chevauche(*l), "an entry overlaps itself");
    if (l->recurrent()) {
        const QDate suivante = ProchaineDate(l->date, l->frequence);
        exiger(suivante.isValid() && suivante > l->date, "the next occurrence comes later");
        // The computed last occurrence before a limit is the walk's, up to about four years on.
        const QDate limite = l->date.addDays(l->fin.hour() * 60 + l->fin.minute() - 2);
        QDate marche = l->date;
        for (QDate s = suivante; s <= limite; s = ProchaineDate(s, l->frequence))
            marche = s;
        exiger(DerniereOccurrence(l->date, l->frequence, limite) == marche,
               "the last occurrence before a limit is the one the walk reaches");
    }
    return 0;
}
