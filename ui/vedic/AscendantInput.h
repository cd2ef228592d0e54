#pragma once

#include "MessageBox.h"

#include "Records.h"
#include "SignCatalogue.h"

#include <QString>
#include <QStringList>

#include <optional>

// The rules of the ascendant input screen as plain functions over the entered values, so that
// they can be checked without a window.
namespace AscendantInput {

// The full name of month 1..12 in the user's locale. The month list is filled with it and the
// chosen month is identified by it, so the two always agree.
QString LocaleMonthName(int month);
QStringList LocaleMonthNames();

// The entries as the input screen holds them.
struct Entries {
    QString name;
    QString month; // the month list's text
    QString day;
    QString year;
    QString hour;
    QString minute;
    QString second;
    QString lonDegrees;
    QString lonMinutes;
    QString lonSeconds;
    bool east = true;
    QString latDegrees;
    QString latMinutes;
    QString latSeconds;
    bool north = true;
    int monthPosition = 0; // position in the month list, 0 for the first month (January)
    int dayPosition = 0;   // position in the day list, 0 for day 1
};

// The box a failed check sends the keyboard focus to.
enum class Field {
    None,
    Name,
    LonDegrees,
    LonMinutes,
    LonSeconds,
    LatDegrees,
    LatMinutes,
    LatSeconds
};

struct Problem {
    int check; // 1..10, the order in which the checks run
    QString message;
    MessageBox::Icon icon;
    Field focus;
};

// The first check the entries fail, or nothing when they may be calculated.
std::optional<Problem> ValidateAscendantInput(const Entries& entries);

// The reading the entries make: every field trimmed of its blanks, the directions as words.
zenthari::ReadingRecord RecordReading(const Entries& entries);

// The lagna sign of a reading: month identified by its locale name, then day, hour and minute.
zenthari::SignIndex ComputeReadingSign(const zenthari::ReadingRecord& reading);

// The words a place lookup searches for.
QString PlaceSearchText(const QString& city, const QString& state, const QString& country);

// The message for a place box left empty (checked untrimmed, so blanks pass), or nothing.
struct PlaceProblem {
    QString message;
    int box; // 0 city, 1 state, 2 country
};
std::optional<PlaceProblem> CheckPlace(const QString& city, const QString& state,
                                       const QString& country);

} // namespace AscendantInput
