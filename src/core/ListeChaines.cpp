#include "core/ListeChaines.h"

#include "platform/LectureBornee.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <QSet>
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

namespace {

// The first n code points of a text, so that a letter outside the BMP is never split in two.
QString debut(const QList<uint>& points, qsizetype n)
{
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), std::min(n, points.size()));
}

// The raw name with " (n)" after it, within 29 characters.
QString nomNumerote(const QString& nom, int n)
{
    const QString numero = QStringLiteral(" (%1)").arg(n);
    const QList<uint> points = nom.toUcs4();
    if (points.size() + numero.size() <= kLongueurMaxNom)
        return nom + numero;
    return debut(points, 25 - numero.size()) + QStringLiteral(" ...") + numero;
}

}  // namespace

QString NomAffiche(const QString& nom)
{
    // Counted in code points, which are never more than the UTF-16 units: a short name is
    // taken as it is without being decoded.
    if (nom.size() <= kLongueurMaxNom)
        return nom;
    const QList<uint> points = nom.toUcs4();
    if (points.size() <= kLongueurMaxNom)
        return nom;
    return debut(points, 25) + QStringLiteral(" ...");
}

QStringList NomsDistincts(const QStringList& bruts)
{
    QStringList noms;
    noms.reserve(bruts.size());
    for (const QString& brut : bruts)
        noms << NomAffiche(brut);
    // Every name taken, those of the channels not reached yet included: a number never gives
    // the name of another channel.
    QSet<QString> pris(noms.begin(), noms.end());
    // No two alike, as in most lists: nothing to number.
    if (pris.size() == noms.size())
        return noms;
    QSet<QString> vus;
    for (qsizetype i = 0; i < noms.size(); ++i) {
        if (!vus.contains(noms[i])) {
            vus.insert(noms[i]);
            continue;
        }
        int n = 2;
        QString nom = nomNumerote(bruts[i], n);
        while (pris.contains(nom))
            nom = nomNumerote(bruts[i], ++n);
        pris.insert(nom);
        noms[i] = nom;
    }
    return noms;
}

namespace {

// The next line of the text from pos, whatever its end (LF, CR LF or CR); a last line
// without an end counts. False at the end of the text.
bool ligneSuivante(QStringView texte, qsizetype& pos, QStringView& ligne)
{
    const qsizetype n = texte.size();
    if (pos >= n)
        return false;
    qsizetype i = pos;
    while (i < n && texte[i] != u'\n' && texte[i] != u'\r')
        ++i;
    ligne = texte.mid(pos, i - pos);
    if (i < n && texte[i] == u'\r' && i + 1 < n && texte[i + 1] == u'\n')
        ++i;
    pos = i + 1;
    return true;
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
    nom = ligne.mid(debutNom).toString();  // the raw name: display names are made by the caller
    return true;
}

bool estEntete(QStringView ligne) { return ligne.startsWith(u"#EXTINF:"); }

// Calls surChaine(Chaine&&) for each channel of the text in file order, until it returns false.
template <typename F>
void parcourirChaines(QStringView texte, F&& surChaine)
{
    qsizetype pos = 0;
    QStringView ligne;
    bool encore = ligneSuivante(texte, pos, ligne);
    while (encore) {
        if (!estEntete(ligne)) {
            encore = ligneSuivante(texte, pos, ligne);
            continue;
        }
        Chaine c;
        const bool entete = lireEntete(ligne, c.nom, c.numero);
        // The address is the next line that is neither blank nor a comment. Another
        // "#EXTINF:" first, or the end of the text, means this entry has none: it is
        // dropped and the next entry is read on its own.
        bool adresse = false;
        while ((encore = ligneSuivante(texte, pos, ligne))) {
            if (estEntete(ligne))
                break;
            if (!ligne.trimmed().isEmpty() && !ligne.startsWith(u'#')) {
                adresse = true;
                break;
            }
        }
        if (!adresse)
            continue;
        if (entete) {
            c.adresse = ligne.trimmed().toString();
            if (!surChaine(std::move(c)))
                return;
        }
        encore = ligneSuivante(texte, pos, ligne);
    }
}

} // namespace

ListeChaines LireListeChaines(const QByteArray& texte, bool trier)
{
    const QString decode = QString::fromUtf8(texte);
    std::vector<Chaine> chaines;
    QStringList bruts;
    parcourirChaines(decode, [&](Chaine&& c) {
        bruts << c.nom;
        chaines.push_back(std::move(c));
        return true;
    });
    const QStringList noms = NomsDistincts(bruts);
    for (std::size_t k = 0; k < chaines.size(); ++k)
        chaines[k].nom = noms[static_cast<qsizetype>(k)];

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

bool ContientUneChaine(const QByteArray& texte)
{
    bool trouvee = false;
    parcourirChaines(QString::fromUtf8(texte), [&](Chaine&&) {
        trouvee = true;
        return false;
    });
    return trouvee;
}

bool DerniereChaineEntiere(const QByteArray& texte)
{
    if (!texte.endsWith('\n'))
        return false;
    const QString decode = QString::fromUtf8(texte);
    qsizetype pos = 0;
    QStringView ligne;
    bool sansAdresse = false;  // an "#EXTINF:" line still waits for its address
    while (ligneSuivante(decode, pos, ligne)) {
        if (estEntete(ligne))
            sansAdresse = true;
        else if (!ligne.trimmed().isEmpty() && !ligne.startsWith(u'#'))
            sansAdresse = false;
    }
    return !sansAdresse;
}

ListeChaines LireFichierListeChaines(const QString& chemin, bool trier)
{
    QByteArray texte;
    if (lireFichierBorne(chemin, texte) != Lecture::Lue)
        return {};
    return LireListeChaines(texte, trier);
}
