#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// One channel of the box's playlist.
struct Chaine {
    QString nom;      // display name, at most 29 characters
    int numero = 0;   // the box's channel number, used by the TV guide
    QString adresse;  // stream address handed to the player

    bool operator==(const Chaine&) const = default;
};

// The channel list, in display order (file order, or alphabetical when sorted).
// The favourite-slot lists and the address list of the window all follow this order.
class ListeChaines {
public:
    ListeChaines() = default;
    explicit ListeChaines(std::vector<Chaine> chaines) : chaines_(std::move(chaines)) {}

    int taille() const { return static_cast<int>(chaines_.size()); }
    bool estVide() const { return chaines_.empty(); }
    const Chaine& at(int i) const { return chaines_.at(static_cast<std::size_t>(i)); }
    const std::vector<Chaine>& chaines() const { return chaines_; }
    QStringList noms() const;

private:
    std::vector<Chaine> chaines_;
};

// Longest display name; longer names keep their first 25 characters and get " ...".
inline constexpr int kLongueurMaxNom = 29;

// Reads a playlist text (UTF-8, lines ending in LF, CR LF or CR). Entries that do not
// follow the box's format are skipped. Display names are told apart (see NomsDistincts), so
// that the schedule, the favourites and the last channel, which name a channel by its display
// name, find the one the user picked. With trier, the channels are ordered by display name
// (French collation, case ignored, equal names keep the file order).
ListeChaines LireListeChaines(const QByteArray& texte, bool trier);

// Whether the playlist text holds at least one channel (read as above, stopping at the first).
bool ContientUneChaine(const QByteArray& texte);

// Whether the playlist text ends whole, as the box's format says (every line ends with a line
// feed, and an "#EXTINF:" line is followed by its address): false when its last line has no
// line feed or its last "#EXTINF:" line has no address after it, as a text cut in transit.
bool DerniereChaineEntiere(const QByteArray& texte);

// Same as LireListeChaines, from a file; an empty list when the file cannot be read.
ListeChaines LireFichierListeChaines(const QString& chemin, bool trier);

// Display name from the raw name: cut by characters, not bytes.
QString NomAffiche(const QString& nom);

// The display names of channels of these raw names, in file order. Each is NomAffiche of its
// raw name, as earlier versions wrote it in the schedule, the favourites and "CHA1". When
// several channels would share one (names whose first 25 characters are equal, or equal
// names), the first in file order keeps it and each of the others takes the raw name
// followed by " (2)", " (3)", … (the first number that gives a name no other channel has),
// cut to 29 characters before the number when needed: "LCP Assemblée nationa ... (2)".
// Names that were already unique are left exactly as they were.
QStringList NomsDistincts(const QStringList& bruts);
