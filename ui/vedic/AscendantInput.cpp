#include "AscendantInput.h"

#include "BirthDate.h"
#include "Lagna.h"

#include <QLocale>

#include <array>
#include <string>

namespace AscendantInput {

QString LocaleMonthName(int month) {
    // The stand-alone form is the one a list of months shows (it differs from the form used
    // inside a date in some languages).
    return QLocale().standaloneMonthName(month, QLocale::LongFormat);
}

QStringList LocaleMonthNames() {
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names << LocaleMonthName(month);
    return names;
}

namespace {
bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

std::string trimmed(const QString& text) {
    return zenthari::TrimBlanks(text.toStdString());
}
} // namespace

std::optional<Problem> ValidateAscendantInput(const Entries& e) {
    using MessageBox::Icon;
    struct Required {
        const QString& text;
        const char* message;
        Field field;
    };
    const Required required[] = {
        {e.name, "Please Enter Name", Field::Name},
        {e.lonDegrees, "Please Enter Degree of Longitude", Field::LonDegrees},
        {e.lonMinutes, "Please Enter Minute of Longitude", Field::LonMinutes},
        {e.lonSeconds, "Please Enter Second of Longitude", Field::LonSeconds},
        {e.latDegrees, "Please Enter Degree of Latitude", Field::LatDegrees},
        {e.latMinutes, "Please Enter Minute of Latitude", Field::LatMinutes},
        {e.latSeconds, "Please Enter Second of Latitude", Field::LatSeconds},
    };
    int check = 0;
    for (const Required& r : required) {
        ++check;
        if (isBlank(r.text))
            return Problem{check, QString::fromLatin1(r.message), Icon::Critical, r.field};
    }

    const int month = e.monthPosition + 1;
    const int day = e.dayPosition + 1;
    const int year = e.year.trimmed().toInt();
    switch (zenthari::CheckBirthDate(month, day, year)) {
    case zenthari::BirthDateCheck::Accepted:
        return std::nullopt;
    case zenthari::BirthDateCheck::ImpossibleFebruaryDay:
        return Problem{zenthari::IsLeapYearByFours(year) ? 8 : 9,
                       QStringLiteral("Please Enter Correct Date Or Month!"), Icon::Information,
                       Field::None};
    case zenthari::BirthDateCheck::ThirtyFirstOfShortMonth:
        return Problem{10, QStringLiteral("Please Enter Correct Date Or Month !"),
                       Icon::Information, Field::None};
    }
    return std::nullopt;
}

zenthari::ReadingRecord RecordReading(const Entries& e) {
    zenthari::ReadingRecord r;
    r.Name = trimmed(e.name);
    r.Month = trimmed(e.month);
    r.Day = trimmed(e.day);
    r.Year = trimmed(e.year);
    r.Hour = trimmed(e.hour);
    r.Minute = trimmed(e.minute);
    r.Second = trimmed(e.second);
    r.LongitudeDegrees = trimmed(e.lonDegrees);
    r.LongitudeMinutes = trimmed(e.lonMinutes);
    r.LongitudeSeconds = trimmed(e.lonSeconds);
    r.LongitudeDirection = e.east ? "East" : "West";
    r.LatitudeDegrees = trimmed(e.latDegrees);
    r.LatitudeMinutes = trimmed(e.latMinutes);
    r.LatitudeSeconds = trimmed(e.latSeconds);
    r.LatitudeDirection = e.north ? "North" : "South";
    return r;
}

zenthari::SignIndex ComputeReadingSign(const zenthari::ReadingRecord& reading) {
    std::array<std::string, 12> names;
    for (int month = 1; month <= 12; ++month)
        names[month - 1] = LocaleMonthName(month).toStdString();
    const std::optional<int> month = zenthari::MonthOfLocaleName(reading.Month, names);
    const auto number = [](const std::string& text) {
        return QString::fromStdString(text).toInt();
    };
    return zenthari::ComputeLagnaSign(month, number(reading.Day), number(reading.Hour),
                                      number(reading.Minute));
}

QString PlaceSearchText(const QString& city, const QString& state, const QString& country) {
    return city + QLatin1Char(' ') + state + QLatin1Char(' ') + country +
           QStringLiteral(" Latitude Longitude");
}

std::optional<PlaceProblem> CheckPlace(const QString& city, const QString& state,
                                       const QString& country) {
    if (city.isEmpty())
        return PlaceProblem{QStringLiteral("Please Enter City"), 0};
    if (state.isEmpty())
        return PlaceProblem{QStringLiteral("Please Enter State"), 1};
    if (country.isEmpty())
        return PlaceProblem{QStringLiteral("Please Enter Country"), 2};
    return std::nullopt;
}

} // namespace AscendantInput
