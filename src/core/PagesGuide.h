#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>
#include <vector>

// The TV guide site's pages, read by plain text search for fixed markers. Every search is
// bounded by the page: a marker that is missing ends the reading with what was found.

// The day list holds eight days, guide day numbers -1 (yesterday) to 6; index = day + 1.
inline constexpr int kJoursGuide = 8;

// The date of guide day 6 on the first page: the text of the option "6" of the day selector.
// nullopt when the page has no day selector, or that option holds no "dd/mm/yyyy" date.
std::optional<QDate> LireDateDernierJour(const QString& page);

// The eight dates from yesterday to today + 6, given the date of day 6.
std::vector<QDate> DatesJoursGuide(const QDate& dernierJour);

// One day's entry: "dd/mm/yyyy (weekday)", the weekday in French whatever the system's locale.
QString TexteJourGuide(const QDate& date);

// The TV day runs from 06:00 to 06:00: before 06:00 the current TV day is yesterday's
// (index 0), from 06:00 on it is today's (index 1).
int IndexJourCourant(const QTime& maintenant);

// One programme of a day page.
struct LigneGuide {
    QTime debut;
    QString titre;    // plain text
    qint64 id = 0;    // programme id; 0 = no summary page
    QString texte() const;  // "hh:nn > title"
    bool operator==(const LigneGuide&) const = default;
};

// The programmes of a channel's day page, in page order. A row whose start is not a time
// of day is skipped; a row without its summary link keeps its title with id 0.
std::vector<LigneGuide> LirePageGuide(const QString& page);

// Minutes from the start of the page's day: a start earlier than the first row's belongs
// to the night after it.
int MinutesDansJournee(const std::vector<LigneGuide>& lignes, int i);

// The row to select after a page load: on the current TV day the row on the air at
// `maintenant` (the first row before the first start, the last after the last start);
// on any other day the first row. -1 when there is no row.
int LigneEnCours(const std::vector<LigneGuide>& lignes, const QTime& maintenant, bool jourCourant);
