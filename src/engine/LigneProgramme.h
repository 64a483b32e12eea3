#pragma once
#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// The frequencies of the editor's list, in the order of its items; item i has the letter
// at position i of this text.
inline constexpr char LettresFrequence[] = "1QLHM";

// Index 0-4 of a frequency letter, -1 when it is none of "1QLHM".
int IndexFrequence(QChar lettre);
// Letter of a frequency index, a null QChar outside 0-4.
QChar LettreFrequence(int index);

// Date of the next occurrence of a recurrent entry that starts on `date`: one day ('Q'),
// one day skipping Saturday and Sunday ('L'), one week ('H'), one calendar month ('M', the
// month's last day when it lacks the day). An invalid date for '1' or an unknown letter.
// Calendar arithmetic only, so an occurrence keeps its wall-clock time across DST changes.
QDate ProchaineDate(const QDate& date, QChar frequence);

// Monday-to-Friday rule for a start date: a Sunday moves on 1 day, a Saturday 2 days.
QDate JourOuvrable(const QDate& date);

// The last date not after `limite` of the series `date`, ProchaineDate(date),
// ProchaineDate(ProchaineDate(date)), …; `date` itself when `limite` is not later. Computed,
// not walked: a series from year 1 costs what one from last week does, with the walk's
// results (a weekday series never lands on a weekend, a monthly one keeps the shorter
// month's last day once it took it).
QDate DerniereOccurrence(const QDate& date, QChar frequence, const QDate& limite);

// ProchaineDate(date), where the occurrences that have surely ended by `aujourdhui` (those
// up to two days before it: an entry lasts at most a day) are passed over at once. A walk
// that calls it until it finds an occurrence still to come ends where one that calls
// ProchaineDate does, without going through the centuries in between.
QDate ProchaineDateApresFin(const QDate& date, QChar frequence, const QDate& aujourdhui);

// Civil (wall-clock) time counted in minutes and seconds from a fixed day, time zone free:
// the schedule compares wall-clock values only.
qint64 MinuteCivile(const QDate& date, const QTime& heure);
qint64 SecondeCivile(const QDate& date, const QTime& heure);

// One schedule entry, as one line of the list:
// "[A] dd/mm/yyyy hh:nn - hh:nn > <channel> (<letter>)".
// The end date is not stored: it is the start date, or the next day when the end time is
// not after the start time (equal times mean a full day).
struct LigneProgramme {
    QChar marqueur = u'A';   // 'A' waiting, 'E' recording, 'S' stop asked, 'X' finished
    QDate date;              // start date
    QTime debut;             // start time, whole minutes
    QTime fin;               // end time, whole minutes
    QString chaine;          // the channel's display name, as in the channel list
    QChar frequence = u'1';  // one of "1QLHM"

    QString texte() const;
    // Reads an entry text at its fixed columns; nullopt when any field is malformed.
    static std::optional<LigneProgramme> depuisTexte(const QString& texte);

    bool recurrent() const { return frequence != u'1'; }
    bool enCours() const { return marqueur == u'E' || marqueur == u'S'; }
    QDate dateFin() const;
    qint64 minuteDebut() const { return MinuteCivile(date, debut); }
    qint64 minuteFin() const { return MinuteCivile(dateFin(), fin); }
    qint64 secondeDebut() const { return SecondeCivile(date, debut); }
    qint64 secondeFin() const { return SecondeCivile(dateFin(), fin); }
    // What follows the times: "<channel> (<letter>)"; two entries with the same suffix may merge.
    QString suffixe() const;
    // Whether the two entries overlap; an entry ending at the minute another starts overlaps it.
    bool chevauche(const LigneProgramme& autre) const;

    bool operator==(const LigneProgramme&) const = default;
};

// Ordering by start, the list's order.
inline bool debutAvant(const LigneProgramme& a, const LigneProgramme& b)
{
    return a.minuteDebut() < b.minuteDebut();
}
