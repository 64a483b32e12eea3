#include "core/PagesGuide.h"

#include "core/TexteHtml.h"

#include <QLocale>
#include <QRegularExpression>

std::optional<QDate> LireDateDernierJour(const QString& page)
{
    const qsizetype selecteur = page.indexOf(QStringLiteral("<select name=\"nb_jour\""));
    if (selecteur < 0)
        return std::nullopt;
    const qsizetype option = page.indexOf(QStringLiteral("<option value=\"6\""), selecteur);
    if (option < 0)
        return std::nullopt;
    const qsizetype debut = page.indexOf(u'>', option);
    if (debut < 0)
        return std::nullopt;
    qsizetype fin = page.indexOf(u'<', debut + 1);
    if (fin < 0)
        fin = page.size();
    static const QRegularExpression date(QStringLiteral("(\\d{1,2})/(\\d{1,2})/(\\d{4})"));
    const QRegularExpressionMatch m = date.match(TexteBrut(page.mid(debut + 1, fin - debut - 1)));
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    // Day -1 must be a valid date too.
    if (!d.isValid() || !d.addDays(-7).isValid())
        return std::nullopt;
    return d;
}

std::vector<QDate> DatesJoursGuide(const QDate& dernierJour)
{
    std::vector<QDate> dates;
    for (int n = -1; n <= 6; ++n)
        dates.push_back(dernierJour.addDays(n - 6));
    return dates;
}

QString TexteJourGuide(const QDate& date)
{
    static const QLocale francais(QLocale::French, QLocale::France);
    return date.toString(QStringLiteral("dd/MM/yyyy")) + " (" + francais.toString(date, QStringLiteral("dddd")) + ")";
}

int IndexJourCourant(const QTime& maintenant)
{
    return maintenant < QTime(6, 0) ? 0 : 1;
}

QString LigneGuide::texte() const
{
    return debut.toString(QStringLiteral("HH:mm")) + " > " + titre;
}

namespace {
const QString kMarqueLigne = QStringLiteral("<td width=\"40\"><b>");
const QString kMarqueResume = QStringLiteral("<td><a href=\"javascript:popup_emission('");
const QString kFinResume = QStringLiteral("')\">");
const QString kFinCellule = QStringLiteral("</td>");

std::optional<QTime> lireHeure(QStringView t)
{
    if (t.size() != 5 || t[2] != u':')
        return std::nullopt;
    for (int i : {0, 1, 3, 4})
        if (t[i] < u'0' || t[i] > u'9')
            return std::nullopt;
    const QTime h(t.left(2).toInt(), t.mid(3, 2).toInt());
    if (!h.isValid())
        return std::nullopt;
    return h;
}

// The title's markup as plain text: "<br>" parts joined by " : ", "</a>" dropped.
QString titre(QStringView html)
{
    QString t;
    t.reserve(html.size());
    qsizetype copie = 0;
    qsizetype i = html.indexOf(u'<');
    while (i >= 0) {
        qsizetype apres = -1;
        QStringView remplacement;
        if (html.mid(i, 4).compare(u"</a>", Qt::CaseInsensitive) == 0) {
            apres = i + 4;
        } else if (html.mid(i, 3).compare(u"<br", Qt::CaseInsensitive) == 0) {
            qsizetype j = i + 3;
            while (j < html.size() && html[j].isSpace())
                ++j;
            if (j < html.size() && html[j] == u'/')
                ++j;
            if (j < html.size() && html[j] == u'>') {
                apres = j + 1;
                remplacement = u" : ";
            }
        }
        if (apres >= 0) {
            t.append(html.mid(copie, i - copie));
            t.append(remplacement);
            copie = apres;
        }
        i = html.indexOf(u'<', i + 1);
    }
    t.append(html.mid(copie));
    return TexteBrut(t);
}

// Leading digits as a number; no digits (or too many to be an id) give 0.
qint64 lireId(QStringView t)
{
    qsizetype n = 0;
    while (n < t.size() && t[n] >= u'0' && t[n] <= u'9')
        ++n;
    if (n == 0 || n > 15)
        return 0;
    return t.left(n).toLongLong();
}
}  // namespace

std::vector<LigneGuide> LirePageGuide(const QString& page)
{
    std::vector<LigneGuide> lignes;
    qsizetype p = page.indexOf(kMarqueLigne);
    while (p >= 0) {
        const qsizetype debutHeure = p + kMarqueLigne.size();
        // The row runs up to the next row marker, or the end of the page.
        const qsizetype suivante = page.indexOf(kMarqueLigne, debutHeure);
        const qsizetype finLigne = suivante < 0 ? page.size() : suivante;
        const QStringView ligne = QStringView(page).mid(debutHeure, finLigne - debutHeure);
        p = suivante;

        const auto heure = lireHeure(ligne.left(5));
        if (!heure)
            continue;
        LigneGuide l;
        l.debut = *heure;
        const qsizetype resume = ligne.indexOf(kMarqueResume);
        const qsizetype finResume = resume < 0 ? -1 : ligne.indexOf(kFinResume, resume + kMarqueResume.size());
        qsizetype debutTitre;
        if (finResume >= 0) {
            l.id = lireId(ligne.mid(resume + kMarqueResume.size()));
            debutTitre = finResume + kFinResume.size();
        } else {
            // No summary link: the title is the next cell after the time's.
            const qsizetype finHeure = ligne.indexOf(kFinCellule);
            const qsizetype cellule = finHeure < 0 ? -1 : ligne.indexOf(QStringLiteral("<td"), finHeure);
            const qsizetype ouverture = cellule < 0 ? -1 : ligne.indexOf(u'>', cellule);
            if (ouverture < 0)
                break;
            debutTitre = ouverture + 1;
        }
        const qsizetype finTitre = ligne.indexOf(kFinCellule, debutTitre);
        if (finTitre < 0)
            break;
        l.titre = titre(ligne.mid(debutTitre, finTitre - debutTitre));
        lignes.push_back(l);
    }
    return lignes;
}

int MinutesDansJournee(const std::vector<LigneGuide>& lignes, int i)
{
    const auto minutes = [](const QTime& t) { return t.hour() * 60 + t.minute(); };
    const int m = minutes(lignes.at(static_cast<size_t>(i)).debut);
    return m < minutes(lignes.front().debut) ? m + 24 * 60 : m;
}

int LigneEnCours(const std::vector<LigneGuide>& lignes, const QTime& maintenant, bool jourCourant)
{
    if (lignes.empty())
        return -1;
    if (!jourCourant)
        return 0;
    // Both on the TV day's axis: the hours before 06:00 come after midnight's.
    int m = maintenant.hour() * 60 + maintenant.minute();
    if (m < 6 * 60)
        m += 24 * 60;
    int choisie = 0;
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i)
        if (MinutesDansJournee(lignes, i) <= m)
            choisie = i;
    return choisie;
}
