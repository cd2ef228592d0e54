#include "BirthDate.h"

namespace zenthari {

namespace {
bool isShortMonth(int month) {
    return month == 4 || month == 6 || month == 9 || month == 11;
}
} // namespace

BirthDateCheck CheckBirthDate(int month, int day, int year) {
    if (month == 2 && (day >= 30 || (day == 29 && !IsLeapYearByFours(year))))
        return BirthDateCheck::ImpossibleFebruaryDay;
    if (isShortMonth(month) && day == 31)
        return BirthDateCheck::ThirtyFirstOfShortMonth;
    return BirthDateCheck::Accepted;
}

bool DayExistsInSomeYear(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    return CheckBirthDate(month, day, 2000) == BirthDateCheck::Accepted;
}

std::optional<SignIndex> SunSignIndex(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    // The later sign starts on the 20th in January, the 19th in February, the 21st otherwise.
    const int firstDayOfLaterSign = month == 1 ? 20 : month == 2 ? 19 : 21;
    const int earlierSign = (month + 8) % SignCount;
    return day < firstDayOfLaterSign ? earlierSign : (earlierSign + 1) % SignCount;
}

std::string FindSunSign(int month, int day) {
    const auto sign = SunSignIndex(month, day);
    return sign ? std::string(EnglishSignNames[*sign]) : std::string();
}

} // namespace zenthari
