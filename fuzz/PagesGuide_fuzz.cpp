// Any bytes as a guide page: the day selector and the programme rows.
#include "Exiger.h"
#include "core/PagesGuide.h"
#include "core/TexteHtml.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString page = DecoderPage(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)));
    if (const auto dernier = LireDateDernierJour(page)) {
        const auto dates = DatesJoursGuide(*dernier);
        exiger(dates.size() == static_cast<size_t>(kJoursGuide), "the day list holds eight days");
        for (const QDate& d : dates)
            exiger(TexteJourGuide(d).size() > 13, "every day has its date and weekday");
    }
    const auto lignes = LirePageGuide(page);
    exiger(lignes.size() <= static_cast<size_t>(page.size()), "no more rows than the page can hold");
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        const LigneGuide& l = lignes[static_cast<size_t>(i)];
        exiger(l.debut.isValid(), "every row starts at a time of day");
        exiger(l.id >= 0, "ids are never negative");
        exiger(!l.titre.contains(u'\n') && l.titre.trimmed() == l.titre, "titles are one plain line");
        const int m = MinutesDansJournee(lignes, i);
        exiger(m >= 0 && m < 2 * 24 * 60, "a row lies within the page's day and night");
    }
    for (const bool courant : {true, false}) {
        const int choisie = LigneEnCours(lignes, QTime(3, 0), courant);
        exiger(lignes.empty() ? choisie == -1 : choisie >= 0 && choisie < static_cast<int>(lignes.size()),
               "the selected row is a row");
    }
    return 0;
}
