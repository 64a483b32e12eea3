#include "core/ReglesFavoris.h"

#include <cstdlib>

const QString kInfoBulleFavori0 = QStringLiteral("Regarder cette chaîne");
const QString kInfoBulleFavori =
    QStringLiteral("Clic gauche pour afficher cette chaîne / Drag & drop droit pour déplacer ce favori");
const QString kInfoBulleFavorisListe = QStringLiteral("Sélectionner le groupe de favoris à afficher");
const QString kInfoBulleFavorisP = QStringLiteral("Sélectionner le groupe de favoris suivant");
const QString kInfoBulleFavorisM = QStringLiteral("Sélectionner le groupe de favoris précédent");
const QString kQuestionFavoriVide =
    QStringLiteral("Cet emplacement n'est pas encore attribué.\nSouhaitez-vous définir une chaîne favorite ?");
const QString kCleNonAttribue = QStringLiteral("Non attribué");

namespace {
constexpr int kPremierEmplacement = 1;
constexpr int kDernierEmplacement = 8;

bool estEmplacement(int s)
{
    return s >= kPremierEmplacement && s <= kDernierEmplacement;
}

bool estGroupe(int g)
{
    return g >= 0 && g < TableFavoris::NombreGroupes;
}
}  // namespace

int GroupeSuivant(int groupe, int nombre)
{
    return groupe < nombre - 1 ? groupe + 1 : 0;
}

int GroupePrecedent(int groupe, int nombre)
{
    return groupe > 0 ? groupe - 1 : nombre - 1;
}

QString FavoriEffectif(const TableFavoris& table, int groupe, int emplacement, const QStringList& noms)
{
    if (!estGroupe(groupe) || !estEmplacement(emplacement))
        return {};
    const QString& nom = table.at(groupe * TableFavoris::TailleGroupe + emplacement);
    return noms.contains(nom) ? nom : QString();
}

DecisionFavori DeciderFavori(const TableFavoris& table, int groupe, int Index, const QStringList& noms, bool guideTV)
{
    using A = DecisionFavori::Action;
    if (Index == 0)
        return {A::Regarder, -1, 0};
    const int s = std::abs(Index);
    if (!estEmplacement(s) || !estGroupe(groupe))
        return {};
    const QString nom = FavoriEffectif(table, groupe, s, noms);
    if (nom.isEmpty())
        return {A::Definir, -1, s};
    // Two channels of the same name: the later one is selected.
    const int chaine = static_cast<int>(noms.lastIndexOf(nom));
    if (guideTV)
        return {A::Selectionner, chaine, s};
    return {Index > 0 ? A::SelectionnerAfficher : A::SelectionnerRegarder, chaine, s};
}

bool EchangerFavoris(TableFavoris& table, int groupe, int source, int cible)
{
    if (!estGroupe(groupe) || !estEmplacement(source) || !estEmplacement(cible))
        return false;
    const int base = groupe * TableFavoris::TailleGroupe;
    std::swap(table[base + source], table[base + cible]);
    return true;
}

QString CleLogoFavori(const QString& nom)
{
    if (nom.isEmpty())
        return kCleNonAttribue;
    static const QString kFrance3 = QStringLiteral("France 3");
    if (nom.left(kFrance3.size()) == kFrance3)
        return kFrance3;
    return nom;
}

QString FichierLogoFavori(const QString& cle)
{
    QString f = cle;
    f.replace(QLatin1Char('/'), QLatin1Char('_'));
    f.remove(QChar(0));
    return f + QStringLiteral(".png");
}
