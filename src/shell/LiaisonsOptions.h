#pragma once
#include "core/FichierParametres.h"

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QWidget;
struct CleParametre;

// What ties a control of the options pane to its setting: it shows the value in the control
// and reads it back. Each kind of setting has its binder, built once with the pane.
struct LiaisonOption {
    std::function<void(const ContenuParametres&)> afficher;
    std::function<void(ContenuParametres&)> lire;
};

// A check box and its yes/no setting.
LiaisonOption lierCase(QCheckBox& c, bool Parametres::*valeur);
// A drop-down list and the index it stores; a list left on no item keeps the value.
LiaisonOption lierListe(QComboBox& l, int Parametres::*valeur);
// A slider and the whole number it stores.
LiaisonOption lierCurseur(QSlider& s, int Parametres::*valeur);
// A text box, or a label whose caption is the value.
LiaisonOption lierTexte(QLineEdit& e, QString Parametres::*valeur);
LiaisonOption lierTexte(QLabel& l, QString Parametres::*valeur);
// The pair of options `nom(1)` (TS) and `nom(2)` (PS) inside `paire`: anything but TS is PS.
LiaisonOption lierEncapsulation(QWidget& paire, const QString& nom);
// The recording folder: shown and kept by the pane, which also changes it from its picker.
LiaisonOption lierDossier(std::function<void(const QString&)> montrer, std::function<QString()> valeur);

// The binder of key `k` on control `w` (named `nom`), by the key's kind and the control's
// type; none when they do not go together. The folder is the pane's own (lierDossier).
std::optional<LiaisonOption> lierControle(const CleParametre& k, QWidget& w, const QString& nom);
