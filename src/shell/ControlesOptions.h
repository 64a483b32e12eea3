#pragma once
#include <QStringList>

#include <span>

class QWidget;

// What a row of the options pane is.
enum class GenreControle {
    Case,     // check box
    Liste,    // drop-down list (its index)
    Curseur,  // slider (its value)
    Saisie,   // text box
    Valeur,   // label whose caption is the value (a path chosen by a dialog)
    Paire,    // two exclusive options: the first one stores 2, the second 1
    Bouton,
    Texte,    // help or heading label
};

// One control of the options pane. A row with a settings key is bound to that key: its
// kind of value comes from the key's description, and its object name is the key followed
// by "tag" unless `nom` is given. Rows appear in their tab (or frame) in table order.
struct ControleOption {
    int onglet;            // 1 to 8
    const char* cadre;     // frame inside the tab ("FondEnc", "FondAuto"), or nullptr
    GenreControle genre;
    const char* cle;       // settings key, or nullptr
    const char* nom;       // object name; nullptr for key + "tag" (and for plain labels)
    const char* legende;   // caption; for a list, a slider or a text box, the label before it
    const char* infobulle;
    const QStringList* items = nullptr;  // the items of a list
    // Rows naming the same line stand side by side, each after its caption; others stack.
    const char* ligne = nullptr;
};

// The eight tab captions, in order.
extern const QStringList kOngletsOptions;

// Every control of the pane but the favourites editor (its own unit), in order.
std::span<const ControleOption> ControlesOptions();

// The object name of a row: `nom`, else the key + "tag".
QString NomControle(const ControleOption& c);

// The control of a row, named, with its caption, tool tip, items or range; a pair of options
// is a frame holding `nom(2)` then `nom(1)`.
QWidget* CreerControle(const ControleOption& c, QWidget* parent);
