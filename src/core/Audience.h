#pragma once
#include <QString>

#include <optional>
#include <vector>

// The audience feed: the channels with the largest share of viewers right now, read by
// plain text search for a few tags (no XML parser).

inline constexpr int kEntreesAudience = 15;
// Longer labels keep their first 46 characters followed by " ...".
inline constexpr int kLongueurLibelle = 50;

struct EntreeAudience {
    QString part;     // the feed's share text ("" when the entry has none)
    QString libelle;  // "name " or "name  (programme)", cut to kLongueurLibelle
    bool operator==(const EntreeAudience&) const = default;
};

// The first fifteen entries of the feed, in feed order; fewer when the feed has fewer.
// nullopt when the text is not a feed (it does not begin with "<?xml").
std::optional<std::vector<EntreeAudience>> LireAudience(const QString& texte);

// The three line-parallel boxes: ranks, shares followed by " %", labels; lines joined by "\n".
struct TextesAudience {
    QString rangs;
    QString parts;
    QString libelles;
};
TextesAudience MettreEnForme(const std::vector<EntreeAudience>& entrees);

// A label longer than kLongueurLibelle characters cut as the list shows it.
QString CouperLibelle(const QString& libelle);
