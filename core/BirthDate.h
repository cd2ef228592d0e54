#pragma once

#include "SignCatalogue.h"

#include <optional>
#include <string>

namespace zenthari {

// Both calculators count a year as a leap year when it divides by four, 1900 included.
constexpr bool IsLeapYearByFours(int year) {
    return year % 4 == 0;
}

enum class BirthDateCheck {
    Accepted,
    ImpossibleFebruaryDay,   // 30 or 31 February, or 29 February outside a leap year
    ThirtyFirstOfShortMonth, // 31 April, June, September or November
};

// month 1..12, day 1..31, year as chosen in the year list.
BirthDateCheck CheckBirthDate(int month, int day, int year);

// True when some year has this day: 29 February counts, 30 February does not.
bool DayExistsInSomeYear(int month, int day);

// The Western sun sign of a birth month (1..12) and day (1..31); the year plays no part.
// Every month is taken as days 1 to 31; nothing outside those ranges has a sign.
std::optional<SignIndex> SunSignIndex(int month, int day);

// The English name of the sun sign, or empty text for a month or day out of range.
std::string FindSunSign(int month, int day);

} // namespace zenthari
