#include "Lagna.h"

namespace zenthari {

std::int16_t LagnaMinuteCount(std::optional<int> month, int day, int hour, int minute) {
    std::int16_t count = static_cast<std::int16_t>(4 * day);
    if (month && *month >= 1 && *month <= 12)
        count =
            static_cast<std::int16_t>(count + MonthMinuteOffsets[static_cast<std::size_t>(*month)]);
    count = static_cast<std::int16_t>(count + 60 * hour + minute);
    while (count > MinutesPerDay)
        count = static_cast<std::int16_t>(count - MinutesPerDay);
    return count;
}

SignIndex LagnaSignOfCount(int count) {
    for (const LagnaRange& range : LagnaSignRanges) {
        if (count >= range.from && count <= range.to)
            return range.sign;
    }
    // Only a count outside 0..1440 gets here; it belongs to no day.
    return LagnaSignRanges.back().sign;
}

SignIndex ComputeLagnaSign(std::optional<int> month, int day, int hour, int minute) {
    return LagnaSignOfCount(LagnaMinuteCount(month, day, hour, minute));
}

std::optional<int> MonthOfLocaleName(std::string_view chosen,
                                     const std::array<std::string, 12>& localeMonthNames) {
    for (int month = 1; month <= 12; ++month) {
        if (localeMonthNames[static_cast<std::size_t>(month - 1)] == chosen)
            return month;
    }
    return std::nullopt;
}

} // namespace zenthari
