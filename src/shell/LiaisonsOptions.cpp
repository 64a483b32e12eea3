#include "shell/LiaisonsOptions.h"

#include "core/ClesParametres.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

LiaisonOption lierCase(QCheckBox& c, bool Parametres::*valeur)
{
    return {[&c, valeur](const ContenuParametres& p) { c.setChecked(p.p.*valeur); },
            [&c, valeur](ContenuParametres& p) { p.p.*valeur = c.isChecked(); }};
}

LiaisonOption lierListe(QComboBox& l, int Parametres::*valeur)
{
    return {[&l, valeur](const ContenuParametres& p) { l.setCurrentIndex(p.p.*valeur); },
            [&l, valeur](ContenuParametres& p) {
                if (l.currentIndex() >= 0)
                    p.p.*valeur = l.currentIndex();
            }};
}

LiaisonOption lierCurseur(QSlider& s, int Parametres::*valeur)
{
    return {[&s, valeur](const ContenuParametres& p) { s.setValue(p.p.*valeur); },
            [&s, valeur](ContenuParametres& p) { p.p.*valeur = s.value(); }};
}

LiaisonOption lierTexte(QLineEdit& e, QString Parametres::*valeur)
{
    return {[&e, valeur](const ContenuParametres& p) { e.setText(p.p.*valeur); },
            [&e, valeur](ContenuParametres& p) { p.p.*valeur = e.text(); }};
}

LiaisonOption lierTexte(QLabel& l, QString Parametres::*valeur)
{
    return {[&l, valeur](const ContenuParametres& p) { l.setText(p.p.*valeur); },
            [&l, valeur](ContenuParametres& p) { p.p.*valeur = l.text(); }};
}

LiaisonOption lierEncapsulation(QWidget& paire, const QString& nom)
{
    auto* ts = paire.findChild<QRadioButton*>(nom + QStringLiteral("(1)"));
    auto* ps = paire.findChild<QRadioButton*>(nom + QStringLiteral("(2)"));
    return {[ts, ps](const ContenuParametres& p) { (p.p.TSPS == 1 ? ts : ps)->setChecked(true); },
            [ts](ContenuParametres& p) { p.p.TSPS = ts && ts->isChecked() ? 1 : 2; }};
}

LiaisonOption lierDossier(std::function<void(const QString&)> montrer, std::function<QString()> valeur)
{
    return {[montrer](const ContenuParametres& p) { montrer(p.dossierEnregistrement); },
            [valeur](ContenuParametres& p) { p.dossierEnregistrement = valeur(); }};
}

std::optional<LiaisonOption> lierControle(const CleParametre& k, QWidget& w, const QString& nom)
{
    switch (k.genre) {
    case GenreCle::Case:
        if (auto* c = qobject_cast<QCheckBox*>(&w))
            return lierCase(*c, k.booleen);
        break;
    case GenreCle::Liste:
        if (auto* l = qobject_cast<QComboBox*>(&w))
            return lierListe(*l, k.entier);
        if (auto* s = qobject_cast<QSlider*>(&w))
            return lierCurseur(*s, k.entier);
        break;
    case GenreCle::Texte:
        if (auto* e = qobject_cast<QLineEdit*>(&w))
            return lierTexte(*e, k.texte);
        if (auto* l = qobject_cast<QLabel*>(&w))
            return lierTexte(*l, k.texte);
        break;
    case GenreCle::Encapsulation:
        return lierEncapsulation(w, nom);
    default:
        break;
    }
    return std::nullopt;
}
