#include "core/TexteHtml.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringList>

QString DecoderPage(const QByteArray& octets)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texte = utf8.decode(octets);
    if (!utf8.hasError())
        return texte;
    return QString::fromLatin1(octets);
}

namespace {
const QHash<QString, char32_t>& entitesNommees()
{
    static const QHash<QString, char32_t> table = {
        {"amp", '&'},       {"lt", '<'},         {"gt", '>'},         {"quot", '"'},      {"apos", '\''},
        {"nbsp", 0xA0},     {"agrave", 0xE0},    {"aacute", 0xE1},    {"acirc", 0xE2},    {"auml", 0xE4},
        {"ccedil", 0xE7},   {"egrave", 0xE8},    {"eacute", 0xE9},    {"ecirc", 0xEA},    {"euml", 0xEB},
        {"igrave", 0xEC},   {"iacute", 0xED},    {"icirc", 0xEE},     {"iuml", 0xEF},     {"ntilde", 0xF1},
        {"ograve", 0xF2},   {"oacute", 0xF3},    {"ocirc", 0xF4},     {"ouml", 0xF6},     {"ugrave", 0xF9},
        {"uacute", 0xFA},   {"ucirc", 0xFB},     {"uuml", 0xFC},      {"yuml", 0xFF},     {"Agrave", 0xC0},
        {"Aacute", 0xC1},   {"Acirc", 0xC2},     {"Auml", 0xC4},      {"Ccedil", 0xC7},   {"Egrave", 0xC8},
        {"Eacute", 0xC9},   {"Ecirc", 0xCA},     {"Euml", 0xCB},      {"Icirc", 0xCE},    {"Iuml", 0xCF},
        {"Ocirc", 0xD4},    {"Ouml", 0xD6},      {"Ugrave", 0xD9},    {"Ucirc", 0xDB},    {"Uuml", 0xDC},
        {"oelig", 0x153},   {"OElig", 0x152},    {"aelig", 0xE6},     {"AElig", 0xC6},    {"laquo", 0xAB},
        {"raquo", 0xBB},    {"deg", 0xB0},       {"copy", 0xA9},      {"reg", 0xAE},      {"euro", 0x20AC},
        {"hellip", 0x2026}, {"ndash", 0x2013},   {"mdash", 0x2014},   {"lsquo", 0x2018},  {"rsquo", 0x2019},
        {"ldquo", 0x201C},  {"rdquo", 0x201D},   {"middot", 0xB7},    {"sup2", 0xB2},     {"frac12", 0xBD},
    };
    return table;
}

bool caractereValide(char32_t c)
{
    return c > 0 && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

// The character of the entity between '&' and ';', or 0 when it is not one.
char32_t entite(QStringView nom)
{
    if (nom.startsWith(u'#')) {
        bool ok = false;
        const bool hexa = nom.size() > 1 && (nom[1] == u'x' || nom[1] == u'X');
        const QStringView chiffres = nom.mid(hexa ? 2 : 1);
        if (chiffres.isEmpty() || chiffres.size() > 8)
            return 0;
        for (const QChar c : chiffres) {
            const char16_t u = c.unicode();
            const bool decimal = u >= u'0' && u <= u'9';
            const bool hexadecimal = decimal || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
            if (!(hexa ? hexadecimal : decimal))
                return 0;
        }
        const uint valeur = chiffres.toUInt(&ok, hexa ? 16 : 10);
        return ok && caractereValide(valeur) ? valeur : 0;
    }
    return entitesNommees().value(nom.toString(), 0);
}
}  // namespace

namespace {
// Tags that separate words when they are dropped; the others (b, i, a, span…) stand inside words.
bool baliseSeparatrice(QStringView balise)
{
    if (balise.startsWith(u'/'))
        balise = balise.mid(1);
    qsizetype n = 0;
    while (n < balise.size() && balise[n].isLetterOrNumber())
        ++n;
    const QStringView nom = balise.left(n);
    static const char16_t* const separatrices[] = {u"br", u"p", u"div", u"td", u"th", u"tr", u"li", u"table", u"hr"};
    for (const char16_t* s : separatrices)
        if (nom.compare(QStringView(s), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
}  // namespace

QString DecoderEntites(const QString& texte)
{
    if (!texte.contains(u'&'))
        return texte;
    constexpr qsizetype kLongueurMax = 10;  // "#x10FFFF" and the longest name fit
    const QStringView t(texte);
    QString r;
    r.reserve(texte.size());
    qsizetype copie = 0;  // start of the text not copied yet
    qsizetype i = t.indexOf(u'&');
    while (i >= 0) {
        const qsizetype fin = t.indexOf(u';', i + 1);
        if (fin > i + 1 && fin - i - 1 <= kLongueurMax) {
            if (const char32_t u = entite(t.mid(i + 1, fin - i - 1))) {
                r.append(t.mid(copie, i - copie));
                r.append(QString::fromUcs4(&u, 1));
                copie = fin + 1;
                i = t.indexOf(u'&', copie);
                continue;
            }
        }
        i = t.indexOf(u'&', i + 1);
    }
    r.append(t.mid(copie));
    return r;
}

QString TexteBrut(const QString& html)
{
    const QStringView h(html);
    QString sansBalises;
    sansBalises.reserve(html.size());
    qsizetype copie = 0;
    qsizetype i = h.indexOf(u'<');
    while (i >= 0) {
        const qsizetype fin = h.indexOf(u'>', i + 1);
        if (fin < 0)
            break;  // a "<" that nothing closes is text
        sansBalises.append(h.mid(copie, i - copie));
        if (baliseSeparatrice(h.mid(i + 1, fin - i - 1)))
            sansBalises += u' ';
        copie = fin + 1;
        i = h.indexOf(u'<', copie);
    }
    sansBalises.append(h.mid(copie));
    const QString decode = DecoderEntites(sansBalises);

    // Runs of blanks (and control characters) become one blank; none at either end.
    QString r(decode.size(), Qt::Uninitialized);
    QChar* sortie = r.data();
    qsizetype n = 0;
    bool blanc = false;
    for (const QChar c : decode) {
        if (c.isSpace() || c.unicode() < 0x20) {
            blanc = true;
            continue;
        }
        if (blanc && n > 0)
            sortie[n++] = u' ';
        blanc = false;
        sortie[n++] = c;
    }
    r.truncate(n);
    return r;
}
