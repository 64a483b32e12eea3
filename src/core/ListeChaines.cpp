#include "core/ListeChaines.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QFile>
#include <QLocale>
#include <QStringView>
#include <algorithm>

QStringList ListeChaines::noms() const
{
    QStringList l;
    l.reserve(taille());
    for (const Chaine& c : chaines_)
        l << c.nom;
    return l;
}

int ListeChaines::indexDe(const QString& nom) const
{
    for (std::size_t i = 0; i < chaines_.size(); ++i)
        if (chaines_[i].nom == nom)
            return static_cast<int>(i);
    return -1;
}

QString NomAffiche(const QString& nom)
{
    // Counted in code points so that a letter outside the BMP is never split in two.
    const QList<uint> points = nom.toUcs4();
    if (points.size() <= kLongueurMaxNom)
        return nom;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), 25) + QStringLiteral(" ...");
}

namespace {

// Lines of the text, whatever their ends (LF, CR LF or CR); a last line without an end counts.
std::vector<QStringView> decouperLignes(QStringView texte)
{
    std::vector<QStringView> lignes;
    qsizetype debut = 0;
    const qsizetype n = texte.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texte[i];
        if (c != u'\n' && c != u'\r')
            continue;
        lignes.push_back(texte.mid(debut, i - debut));
        if (c == u'\r' && i + 1 < n && texte[i + 1] == u'\n')
            ++i;
        debut = i + 1;
    }
    if (debut < n)
        lignes.push_back(texte.mid(debut));
    return lignes;
}

// "#EXTINF:<duration>,<number> - <name>": false when the line does not hold a number and a name.
bool lireEntete(QStringView ligne, QString& nom, int& numero)
{
    const qsizetype virgule = ligne.indexOf(u',');
    if (virgule < 0)
        return false;
    const qsizetype blanc = ligne.indexOf(u' ', virgule + 1);
    if (blanc < 0)
        return false;
    bool ok = false;
    numero = ligne.mid(virgule + 1, blanc - virgule - 1).toInt(&ok);
    if (!ok)
        return false;
    const qsizetype tiret = ligne.indexOf(u'-', blanc);
    if (tiret < 0)
        return false;
    qsizetype debutNom = tiret + 1;
    if (debutNom < ligne.size() && ligne[debutNom] == u' ')
        ++debutNom;
    nom = NomAffiche(ligne.mid(debutNom).toString());
    return true;
}

bool estEntete(QStringView ligne) { return ligne.startsWith(u"#EXTINF:"); }

} // namespace

ListeChaines LireListeChaines(const QByteArray& texte, bool trier)
{
    const QString decode = QString::fromUtf8(texte);
    const std::vector<QStringView> lignes = decouperLignes(decode);

    std::vector<Chaine> chaines;
    std::size_t i = 0;
    while (i < lignes.size()) {
        if (!estEntete(lignes[i])) {
            ++i;
            continue;
        }
        Chaine c;
        const bool entete = lireEntete(lignes[i], c.nom, c.numero);
        // The address is the next line that is neither blank nor a comment. Another
        // "#EXTINF:" first, or the end of the text, means this entry has none: it is
        // dropped and the next entry is read on its own.
        std::size_t j = i + 1;
        while (j < lignes.size() && !estEntete(lignes[j])
               && (lignes[j].trimmed().isEmpty() || lignes[j].startsWith(u'#')))
            ++j;
        if (j >= lignes.size() || estEntete(lignes[j])) {
            i = j;
            continue;
        }
        if (entete) {
            c.adresse = lignes[j].trimmed().toString();
            chaines.push_back(std::move(c));
        }
        i = j + 1;
    }

    if (trier && chaines.size() > 1) {
        QCollator collation{QLocale(QLocale::French, QLocale::France)};
        collation.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<std::pair<QCollatorSortKey, std::size_t>> cles;
        cles.reserve(chaines.size());
        for (std::size_t k = 0; k < chaines.size(); ++k)
            cles.emplace_back(collation.sortKey(chaines[k].nom), k);
        std::stable_sort(cles.begin(), cles.end(), [](const auto& a, const auto& b) {
            return a.first.compare(b.first) < 0;
        });
        std::vector<Chaine> triees;
        triees.reserve(chaines.size());
        for (const auto& [cle, k] : cles)
            triees.push_back(std::move(chaines[k]));
        chaines = std::move(triees);
    }
    return ListeChaines(std::move(chaines));
}

ListeChaines LireFichierListeChaines(const QString& chemin, bool trier)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return LireListeChaines(f.readAll(), trier);
}
