#include "RisingSign.h"

#include <algorithm>

namespace zenthari::modRisingSign {

namespace {

// Rising sign by window (rows, in list order) and sun sign (columns, Aries first).
constexpr std::array<std::array<std::string_view, 12>, 12> RisingSignRows = {{
    {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
     "Capricorn", "Aquarius", "Pisces"}, // 4am-6am
    {"Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
     "Sagittarius", "Capricorn", "Aquarius"}, // 2am-4am
    {"Aquarius", "Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
     "Scorpio", "Sagittarius", "Capricorn"}, // midnight-2am
    {"Capricorn", "Aquarius", "Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
     "Libra", "Scorpio", "Sagittarius"}, // 10pm-midnight
    {"Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo",
     "Virgo", "Libra", "Scorpio"}, // 8pm-10pm
    {"Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus", "Gemini",
     "Cancer", "Leo", "Virgo", "Libra"}, // 6pm-8pm
    {"Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus",
     "Gemini", "Cancer", "Leo", "Virgo"}, // 4pm-6pm
    {"Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries",
     "Taurus", "Gemini", "Cancer", "Leo"}, // 2pm-4pm
    {"Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries",
     "Taurus", "Gemini", "Cancer"}, // noon-2pm
    {"Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
     "Aries", "Taurus", "Gemini"}, // 10am-noon
    {"Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius",
     "Pisces", "Aries", "Taurus"}, // 8am-10am
    {"Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn",
     "Aquarius", "Pisces", "Aries"}, // 6am-8am
}};

template <typename Cell> std::array<std::string, RisingSignEntryCount> buildEntries(Cell cell) {
    std::array<std::string, RisingSignEntryCount> entries;
    for (int i = 0; i < RisingSignEntryCount; ++i)
        entries[i] = cell(i % SignCount, i / SignCount);
    return entries;
}

} // namespace

const std::array<std::string, RisingSignEntryCount>& RisingSignKeys() {
    static const auto keys = buildEntries([](int sun, int window) {
        return MakeRisingSignKey(EnglishSignNames[sun], TimeWindowListOrder[window]);
    });
    return keys;
}

const std::array<std::string, RisingSignEntryCount>& RisingSignTable() {
    static const auto table =
        buildEntries([](int sun, int window) { return std::string(RisingSignRows[window][sun]); });
    return table;
}

std::optional<int> TimeWindowPosition(std::string_view label) {
    const auto found = std::find(TimeWindowListOrder.begin(), TimeWindowListOrder.end(), label);
    if (found == TimeWindowListOrder.end())
        return std::nullopt;
    return static_cast<int>(found - TimeWindowListOrder.begin());
}

std::string MakeRisingSignKey(std::string_view sunSign, std::string_view timeWindow) {
    std::string key;
    key.reserve(sunSign.size() + 1 + timeWindow.size());
    key.append(sunSign).append("-").append(timeWindow);
    return key;
}

std::string LookupRisingSign(std::string_view key) {
    const auto& keys = RisingSignKeys();
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end())
        return {};
    return RisingSignTable()[static_cast<std::size_t>(found - keys.begin())];
}

void FindRisingSign() {
    std::string found = LookupRisingSign(RisingSignKey);
    if (!found.empty())
        RisingSign = std::move(found);
}

} // namespace zenthari::modRisingSign
