#include "engine/ValidationLecteur.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool estControle(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029);
}

bool sansControle(const QString& texte)
{
    for (QChar c : texte)
        if (estControle(c))
            return false;
    return true;
}

bool estSyntaxeChaine(QChar c)
{
    return c == u'{' || c == u'}' || c == u',' || c == u':' || c == u'"' || c == u'\\';
}

// Braces in pairs, each "{" closed by a later "}".
bool accoladesAppariees(const QString& texte)
{
    int profondeur = 0;
    for (QChar c : texte) {
        if (c == u'{')
            ++profondeur;
        else if (c == u'}' && --profondeur < 0)
            return false;
    }
    return profondeur == 0;
}

// What the player unescapes in a chain value: a backslash before '"', "'" or "\".
QString echapper(const QString& texte)
{
    QString resultat;
    resultat.reserve(texte.size() + 8);
    for (QChar c : texte) {
        if (c == u'"' || c == u'\'' || c == u'\\')
            resultat.append(u'\\');
        resultat.append(c);
    }
    return resultat;
}

constexpr int PORT_DIFFUSION = 1234;

// host[:port], host made of letters, digits, ".", "-", "_", starting with a letter or digit.
const QRegularExpression& motifHote()
{
    static const QRegularExpression motif(
        QRegularExpression::anchoredPattern(
            QStringLiteral("([A-Za-z0-9][A-Za-z0-9._-]*)(?::([0-9]{1,5}))?")));
    return motif;
}

}  // namespace

bool adresseFluxValide(const QString& adresse)
{
    static const QStringList schemas = {"rtsp", "rtp", "udp", "http", "https", "mms"};
    if (!sansControle(adresse))
        return false;
    const qsizetype fin = adresse.indexOf(QStringLiteral("://"));
    if (fin <= 0 || fin + 3 >= adresse.size())
        return false;
    return schemas.contains(adresse.left(fin), Qt::CaseInsensitive);
}

QString nettoyerTexteChaine(const QString& texte)
{
    QString propre;
    propre.reserve(texte.size());
    for (QChar c : texte)
        if (!estSyntaxeChaine(c) && !estControle(c))
            propre.append(c);
    return propre;
}

bool cheminLocalValide(const QString& chemin)
{
    return chemin.startsWith(u'/') && sansControle(chemin);
}

bool cheminCitable(const QString& chemin, int niveaux)
{
    return niveaux >= 1 && cheminLocalValide(chemin) && (niveaux == 1 || accoladesAppariees(chemin));
}

QString cheminCite(const QString& chemin, int niveaux)
{
    if (!cheminCitable(chemin, niveaux))
        return {};
    QString valeur = chemin;
    for (int i = 0; i < niveaux; ++i)
        valeur = echapper(valeur);
    return u'"' + valeur + u'"';
}

QString cibleDiffusion(const QString& hote)
{
    const auto m = motifHote().match(hote);
    if (!m.hasMatch())
        return {};
    int port = PORT_DIFFUSION;
    if (m.hasCaptured(2)) {
        port = m.captured(2).toInt();
        if (port < 1 || port > 65535)
            return {};
    }
    return m.captured(1) + u':' + QString::number(port);
}

QString hoteSansPort(const QString& hote)
{
    const QString cible = cibleDiffusion(hote);
    return cible.left(cible.lastIndexOf(u':'));
}
