#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zenthari {

// Aries = 0 ... Pisces = 11; every per-sign table in the program is in this order.
using SignIndex = int;
inline constexpr int SignCount = 12;

inline constexpr std::array<std::string_view, SignCount> EnglishSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

inline constexpr std::array<std::string_view, SignCount> VedicSignNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrischika", "Dhanus",  "Makara", "Kumbha", "Meena"};

// Month 1 is January; index 0 of this list is month 1.
inline constexpr std::array<std::string_view, 12> EnglishMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The twelve two-hour birth-time windows in time order, midnight first.
inline constexpr std::array<std::string_view, 12> TimeWindowLabels = {
    "midnight-2am", "2am-4am", "4am-6am", "6am-8am", "8am-10am", "10am-noon",
    "noon-2pm",     "2pm-4pm", "4pm-6pm", "6pm-8pm", "8pm-10pm", "10pm-midnight"};

// Exact, case-sensitive lookups: "aries", "Aries " and "Tula" find nothing.
std::optional<SignIndex> SignIndexOfEnglishName(std::string_view name);
std::optional<SignIndex> SignIndexOfVedicName(std::string_view name);

} // namespace zenthari
