#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zenthari {

// The inputs of one ascendant reading, each trimmed of leading and trailing blanks. This is what
// a saved reading file holds, one field per line in this order.
struct ReadingRecord {
    std::string Name;
    std::string Month; // the month name as the list showed it
    std::string Day;
    std::string Year;
    std::string Hour;
    std::string Minute;
    std::string Second;
    std::string LongitudeDegrees;
    std::string LongitudeMinutes;
    std::string LongitudeSeconds;
    std::string LongitudeDirection; // "East" or "West"
    std::string LatitudeDegrees;
    std::string LatitudeMinutes;
    std::string LatitudeSeconds;
    std::string LatitudeDirection; // "North" or "South"

    bool operator==(const ReadingRecord&) const = default;
};

inline constexpr int ReadingFieldCount = 15;

inline constexpr std::array<std::string_view, ReadingFieldCount> ReadingFieldNames = {
    "Name",
    "Month",
    "Day",
    "Year",
    "Hour",
    "Minute",
    "Second",
    "LongitudeDegrees",
    "LongitudeMinutes",
    "LongitudeSeconds",
    "LongitudeDirection",
    "LatitudeDegrees",
    "LatitudeMinutes",
    "LatitudeSeconds",
    "LatitudeDirection"};

std::array<const std::string*, ReadingFieldCount> ReadingFields(const ReadingRecord& record);
std::array<std::string*, ReadingFieldCount> ReadingFields(ReadingRecord& record);

// The last ascendant reading calculated; all empty until the first one. It lives as long as the
// program, overwritten by each calculation.
inline ReadingRecord CurrentReading;

// Text with the blanks at both ends removed.
std::string TrimBlanks(std::string_view text);

} // namespace zenthari
