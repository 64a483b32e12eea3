#include "core/Audience.h"

#include "core/TexteHtml.h"

#include <QList>
#include <QStringList>

namespace {
const QString kNom = QStringLiteral("<name>");
const QString kPart = QStringLiteral("<market_share>");
const QString kTitre = QStringLiteral("<epg_title>");
const QString kFinEntree = QStringLiteral("</channel>");

// The value right after a tag: up to the next "<" (or the end of the range).
QString valeur(QStringView entree, qsizetype debut)
{
    qsizetype fin = entree.indexOf(u'<', debut);
    if (fin < 0)
        fin = entree.size();
    return TexteBrut(entree.mid(debut, fin - debut).toString());
}
}  // namespace

QString CouperLibelle(const QString& libelle)
{
    // Counted in characters: a pair of UTF-16 halves is one character and is never split.
    const QList<uint> points = libelle.toUcs4();
    if (points.size() <= kLongueurLibelle)
        return libelle;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), kLongueurLibelle - 4) + " ...";
}

std::optional<std::vector<EntreeAudience>> LireAudience(const QString& texte)
{
    if (!texte.startsWith(QStringLiteral("<?xml")))
        return std::nullopt;
    std::vector<EntreeAudience> entrees;
    qsizetype p = texte.indexOf(kNom);
    while (p >= 0 && static_cast<int>(entrees.size()) < kEntreesAudience) {
        // One entry runs from its name to its "</channel>"; without one, to the next name.
        const qsizetype debut = p + kNom.size();
        const qsizetype suivante = texte.indexOf(kNom, debut);
        qsizetype fin = texte.indexOf(kFinEntree, debut);
        if (fin < 0 || (suivante >= 0 && suivante < fin))
            fin = suivante < 0 ? texte.size() : suivante;
        const QStringView entree = QStringView(texte).mid(debut, fin - debut);
        p = suivante;

        EntreeAudience e;
        QString libelle = valeur(entree, 0) + " ";
        qsizetype apresPart = 0;
        const qsizetype part = entree.indexOf(kPart);
        if (part >= 0) {
            apresPart = part + kPart.size();
            e.part = valeur(entree, apresPart);
        }
        // The programme's title counts only when it stands after the share.
        const qsizetype titre = entree.lastIndexOf(kTitre);
        if (titre >= apresPart && titre >= 0) {
            const QString t = valeur(entree, titre + kTitre.size());
            libelle += " (" + t + ")";
        }
        e.libelle = CouperLibelle(libelle);
        entrees.push_back(e);
    }
    return entrees;
}

TextesAudience MettreEnForme(const std::vector<EntreeAudience>& entrees)
{
    QStringList rangs, parts, libelles;
    for (size_t k = 0; k < entrees.size(); ++k) {
        rangs << QString::number(k + 1);
        parts << (entrees[k].part.isEmpty() ? QString() : entrees[k].part + " %");
        libelles << entrees[k].libelle;
    }
    return {rangs.join('\n'), parts.join('\n'), libelles.join('\n')};
}
