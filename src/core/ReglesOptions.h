#pragma once
#include "core/TableFavoris.h"

#include <QString>
#include <QStringList>

#include <array>

// The rules the options pane applies while the user edits.

// The remote control on top (MTOP) and the player window on top (OTOP) never both: ticking one
// unticks the other; unticking changes nothing else. `mtopClique`: MTOP is the box that changed.
void ExclusionAuDessus(bool& MTOP, bool& OTOP, bool mtopClique);

// A favourites group name is stored on one line after "FAg0=": it may hold no line break. An
// "=" is kept (the key ends at the first one). The empty name is allowed.
bool NomGroupeValide(const QString& nom);

// The zoom label: "123%".
QString TexteZoom(int zoom);

// For each slot 1 to 8 of group `groupe`, the index in `noms` of its channel (the last one
// with that exact name), or -1 for an empty slot or a name no channel has.
std::array<int, 8> SelectionsGroupe(const TableFavoris& table, int groupe, const QStringList& noms);
