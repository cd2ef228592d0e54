#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class SettingsStore;

// Once a fortnight at most, the program offers to look for a newer version. The day it last
// asked (or first started) is kept in the settings store under "Duration".
namespace Reminder {

inline const QString DurationKey = QStringLiteral("Duration");
inline const QString Question = QStringLiteral(
    "There maybe an update to this software available\nDo you want to check for an update?");
// The question comes when the stored day lies this many days or more before or after today.
inline constexpr int DaysBetweenQuestions = 15;

// The day as the store keeps it: the locale's short date format, with the year always written
// out in full so that it reads back as the same day in any century.
QString DateText(const QDate& date, const QLocale& locale = QLocale());
// Reads a stored day back. Besides the full-year text it accepts the plain short format with a
// two-digit year, taking the year from the century that puts the day nearest to today. An
// invalid date when the text is no date.
QDate ParseDateText(const QString& text, const QDate& today, const QLocale& locale = QLocale());

} // namespace Reminder

// The start-up step: asks when due, moves the stored day to today, opens the download page on
// Yes. Failures of the store are silent; start-up goes on. Today is passed in so that tests
// choose it.
void UpdateReminder(const QDate& today);
void UpdateReminder(SettingsStore& store, const QDate& today);
