#include "engine/LigneProgramme.h"

#include <algorithm>

namespace {

// Two digits at s[pos], s[pos+1]; -1 when they are not digits.
int deuxChiffres(const QString& s, qsizetype pos)
{
    const QChar a = s.at(pos), b = s.at(pos + 1);
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9')
        return -1;
    return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
}

QDate lireDate(const QString& s)
{
    if (s.size() != 10 || s.at(2) != u'/' || s.at(5) != u'/')
        return {};
    const int j = deuxChiffres(s, 0), m = deuxChiffres(s, 3);
    const int a1 = deuxChiffres(s, 6), a2 = deuxChiffres(s, 8);
    if (j < 0 || m < 0 || a1 < 0 || a2 < 0)
        return {};
    return QDate(a1 * 100 + a2, m, j);  // invalid for 31/02 and the like
}

QTime lireHeure(const QString& s)
{
    if (s.size() != 5 || s.at(2) != u':')
        return {};
    const int h = deuxChiffres(s, 0), m = deuxChiffres(s, 3);
    if (h < 0 || m < 0)
        return {};
    return QTime(h, m);
}

}  // namespace

int IndexFrequence(QChar lettre)
{
    for (int i = 0; i < 5; ++i)
        if (lettre == QLatin1Char(LettresFrequence[i]))
            return i;
    return -1;
}

QChar LettreFrequence(int index)
{
    if (index < 0 || index > 4)
        return {};
    return QLatin1Char(LettresFrequence[index]);
}

QDate JourOuvrable(const QDate& date)
{
    QDate d = date;
    if (d.dayOfWeek() == Qt::Sunday)
        d = d.addDays(1);
    if (d.dayOfWeek() == Qt::Saturday)
        d = d.addDays(2);
    return d;
}

QDate ProchaineDate(const QDate& date, QChar frequence)
{
    switch (frequence.unicode()) {
    case u'Q': return date.addDays(1);
    case u'L': return JourOuvrable(date.addDays(1));
    case u'H': return date.addDays(7);
    case u'M': return date.addMonths(1);
    default: return {};
    }
}

QDate DerniereOccurrence(const QDate& date, QChar frequence, const QDate& limite)
{
    if (!date.isValid() || !limite.isValid() || limite <= date)
        return date;
    const qint64 jours = date.daysTo(limite);
    switch (frequence.unicode()) {
    case u'Q': return limite;
    case u'H': return date.addDays(jours - jours % 7);
    case u'L': {
        // From its first weekday on, the series holds every weekday.
        if (date.dayOfWeek() >= Qt::Saturday && ProchaineDate(date, u'L') > limite)
            return date;
        QDate d = limite;
        while (d.dayOfWeek() >= Qt::Saturday)
            d = d.addDays(-1);
        return d;
    }
    case u'M': {
        // A day past the 28th shrinks at each shorter month; from the 28th down it stays.
        QDate d = date;
        while (d.day() > 28) {
            const QDate s = d.addMonths(1);
            if (s > limite)
                return d;
            d = s;
        }
        const int mois = (limite.year() - d.year()) * 12 + limite.month() - d.month();
        QDate r = d.addMonths(std::max(mois - 1, 0));
        for (QDate s = r.addMonths(1); s <= limite; s = s.addMonths(1))
            r = s;
        return r;
    }
    default: return date;
    }
}

QDate ProchaineDateApresFin(const QDate& date, QChar frequence, const QDate& aujourdhui)
{
    return ProchaineDate(DerniereOccurrence(date, frequence, aujourdhui.addDays(-2)), frequence);
}

qint64 MinuteCivile(const QDate& date, const QTime& heure)
{
    return date.toJulianDay() * 1440 + heure.hour() * 60 + heure.minute();
}

qint64 SecondeCivile(const QDate& date, const QTime& heure)
{
    return date.toJulianDay() * 86400 + heure.msecsSinceStartOfDay() / 1000;
}

QDate LigneProgramme::dateFin() const
{
    return fin > debut ? date : date.addDays(1);
}

QString LigneProgramme::suffixe() const
{
    return chaine + QStringLiteral(" (") + frequence + u')';
}

bool LigneProgramme::chevauche(const LigneProgramme& autre) const
{
    return minuteDebut() <= autre.minuteFin() && autre.minuteDebut() <= minuteFin();
}

QString LigneProgramme::texte() const
{
    return u'[' + QString(marqueur) + QStringLiteral("] ") + date.toString(QStringLiteral("dd/MM/yyyy"))
           + u' ' + debut.toString(QStringLiteral("HH:mm")) + QStringLiteral(" - ")
           + fin.toString(QStringLiteral("HH:mm")) + QStringLiteral(" > ") + suffixe();
}

std::optional<LigneProgramme> LigneProgramme::depuisTexte(const QString& t)
{
    const qsizetype L = t.size();
    if (L < 35)
        return std::nullopt;
    if (t.at(0) != u'[' || t.at(2) != u']' || t.at(3) != u' ' || t.at(14) != u' '
        || t.mid(20, 3) != QLatin1String(" - ") || t.mid(28, 3) != QLatin1String(" > ")
        || t.mid(L - 4, 2) != QLatin1String(" (") || t.at(L - 1) != u')')
        return std::nullopt;
    LigneProgramme l;
    l.marqueur = t.at(1);
    if (!QStringLiteral("AESX").contains(l.marqueur))
        return std::nullopt;
    l.date = lireDate(t.mid(4, 10));
    l.debut = lireHeure(t.mid(15, 5));
    l.fin = lireHeure(t.mid(23, 5));
    l.chaine = t.mid(31, L - 35);
    l.frequence = t.at(L - 2);
    if (!l.date.isValid() || !l.debut.isValid() || !l.fin.isValid() || IndexFrequence(l.frequence) < 0)
        return std::nullopt;
    return l;
}
