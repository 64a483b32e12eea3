#pragma once
#include "core/TableFavoris.h"

#include <QString>
#include <QStringList>

// The rules of the favourite buttons: stepping through the groups, what a click on a
// favourite does, the right-button swap and the logo each button shows.

// Tool tips of the favourites controls.
extern const QString kInfoBulleFavori0;
extern const QString kInfoBulleFavori;
extern const QString kInfoBulleFavorisListe;
extern const QString kInfoBulleFavorisP;
extern const QString kInfoBulleFavorisM;
// Asked on a click on an empty slot.
extern const QString kQuestionFavoriVide;
// Key of the picture of an empty slot (and caption without a picture).
extern const QString kCleNonAttribue;

// Next / previous group among `nombre`, wrapping around.
int GroupeSuivant(int groupe, int nombre = TableFavoris::NombreGroupes);
int GroupePrecedent(int groupe, int nombre = TableFavoris::NombreGroupes);

// The channel slot s (1 to 8) of group g names, as the buttons treat it: "" when the slot is
// empty or names a channel that is no longer in the list.
QString FavoriEffectif(const TableFavoris& table, int groupe, int emplacement, const QStringList& noms);

// What a click on favourite Index (-8 to 8) does.
struct DecisionFavori {
    enum class Action {
        Rien,                  // an index outside -8 to 8
        Regarder,              // button 0: watch the selected channel
        Definir,               // empty slot: offer to define it
        Selectionner,          // select the channel only (the guide follows the selection)
        SelectionnerAfficher,  // select, then show it (as a double-click on the list does)
        SelectionnerRegarder,  // select, then watch it in the external player
    };
    Action action = Action::Rien;
    int chaine = -1;       // channel to select: the last one of that name in the list
    int emplacement = 0;   // the slot, 1 to 8 (0 for button 0)

    bool operator==(const DecisionFavori&) const = default;
};
// `guideTV`: the guide pane is open on its "Guide TV" tab.
DecisionFavori DeciderFavori(const TableFavoris& table, int groupe, int Index, const QStringList& noms,
                             bool guideTV);

// The right-button swap of slots `source` and `cible` of group g. Only the eight channel
// slots take part: a drag from or onto button 0 (or anything else) exchanges nothing and
// returns false. A drop on the slot it started from is accepted and changes nothing.
bool EchangerFavoris(TableFavoris& table, int groupe, int source, int cible);

// The picture key of a channel name: "Non attribué" for "", "France 3" for the whole
// family of names beginning with those eight characters, else the name itself.
QString CleLogoFavori(const QString& nom);
// The picture file name of a key ("<key>.png"); a "/" in a key cannot name a file and
// becomes "_".
QString FichierLogoFavori(const QString& cle);
