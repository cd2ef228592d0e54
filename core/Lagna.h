#pragma once

#include "SignCatalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zenthari {

// Minutes added for the birth month; index 0 is unused so that month 1 is January.
inline constexpr std::array<int, 13> MonthMinuteOffsets = {0, 726, 850, 996, 1086, 1208, 1327,
                                                           6, 126, 250, 366, 491,  604};

struct LagnaRange {
    int from; // inclusive
    int to;   // inclusive
    SignIndex sign;
};

// Tested in this order; Meena's range crosses midnight, so it has two parts.
inline constexpr std::array<LagnaRange, 13> LagnaSignRanges = {{
    {77, 181, 0},
    {182, 302, 1},
    {303, 434, 2},
    {435, 566, 3},
    {567, 691, 4},
    {692, 818, 5},
    {819, 949, 6},
    {950, 1083, 7},
    {1084, 1208, 8},
    {1209, 1319, 9},
    {1320, 1419, 10},
    {1420, 1440, 11},
    {0, 76, 11},
}};

inline constexpr int MinutesPerDay = 1440;

// Four minutes per day, the month's offset, the clock time, folded into 1..1440 (1440 stays).
// month 1..12, or nullopt when the month could not be identified: then no offset is added.
// day 1..31, hour 0..23, minute 0..59.
std::int16_t LagnaMinuteCount(std::optional<int> month, int day, int hour, int minute);

// The sign whose range holds a folded count (0..1440).
SignIndex LagnaSignOfCount(int count);

// The ascendant sign for a birth month, day, hour and minute.
SignIndex ComputeLagnaSign(std::optional<int> month, int day, int hour, int minute);

// The month whose locale name equals the chosen text exactly, trying January first.
std::optional<int> MonthOfLocaleName(std::string_view chosen,
                                     const std::array<std::string, 12>& localeMonthNames);

} // namespace zenthari
