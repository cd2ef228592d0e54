#include "Records.h"

namespace zenthari {

namespace {
template <typename Record>
auto fieldsOf(Record& r) -> std::array<decltype(&r.Name), ReadingFieldCount> {
    return {&r.Name,
            &r.Month,
            &r.Day,
            &r.Year,
            &r.Hour,
            &r.Minute,
            &r.Second,
            &r.LongitudeDegrees,
            &r.LongitudeMinutes,
            &r.LongitudeSeconds,
            &r.LongitudeDirection,
            &r.LatitudeDegrees,
            &r.LatitudeMinutes,
            &r.LatitudeSeconds,
            &r.LatitudeDirection};
}
} // namespace

std::array<const std::string*, ReadingFieldCount> ReadingFields(const ReadingRecord& record) {
    return fieldsOf(record);
}

std::array<std::string*, ReadingFieldCount> ReadingFields(ReadingRecord& record) {
    return fieldsOf(record);
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

} // namespace zenthari
