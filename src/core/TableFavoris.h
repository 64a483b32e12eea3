#pragma once
#include <QString>

#include <array>

// One favourites group: entry 0 is its name, 1 to 8 the display names of its channels
// ("" = empty slot), 9 is never used.
using GroupeFavoris = std::array<QString, 10>;

// The ten favourites groups, addressed as one table of 100 entries: entry g*10+s is
// entry s of group g.
struct TableFavoris {
    static constexpr int NombreGroupes = 10;
    static constexpr int TailleGroupe = 10;
    static constexpr int Taille = NombreGroupes * TailleGroupe;

    std::array<GroupeFavoris, NombreGroupes> groupes;

    QString& operator[](int i);
    const QString& operator[](int i) const;
    const QString& at(int i) const;

    // "Chaînes favorites " followed by the digit g.
    static QString nomParDefaut(int g);
    // Every group named by default, every slot empty.
    static TableFavoris defaut();

    bool operator==(const TableFavoris&) const = default;
};
