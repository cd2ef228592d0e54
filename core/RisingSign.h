#pragma once

#include "SignCatalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zenthari::modRisingSign {

inline constexpr int RisingSignEntryCount = 144;

// The birth-time list of the rising sign screen, position 0 first: from the sunrise window
// backwards through the day.
inline constexpr std::array<std::string_view, 12> TimeWindowListOrder = {
    "4am-6am", "2am-4am", "midnight-2am", "10pm-midnight", "8pm-10pm", "6pm-8pm",
    "4pm-6pm", "2pm-4pm", "noon-2pm",     "10am-noon",     "8am-10am", "6am-8am"};

// Entry i: sun sign (i mod 12), window at list position (i div 12), e.g. "Aries-4am-6am".
const std::array<std::string, RisingSignEntryCount>& RisingSignKeys();
// Entry i: the English name of the rising sign for RisingSignKeys()[i].
const std::array<std::string, RisingSignEntryCount>& RisingSignTable();

// List position of a window label, exact match.
std::optional<int> TimeWindowPosition(std::string_view label);

// The key the screen builds: sun sign name, a hyphen, the window text.
std::string MakeRisingSignKey(std::string_view sunSign, std::string_view timeWindow);

// The rising sign for a key, exact and case-sensitive; empty when no key matches.
std::string LookupRisingSign(std::string_view key);

// The finder's current values, overwritten by every run of the rising sign screen.
inline std::string SunSign;
inline std::string TimeWindow;
inline std::string RisingSignKey;
inline std::string RisingSign; // empty until the first lookup

// Reads RisingSignKey and sets RisingSign when the key is in the table; a key that matches
// nothing leaves RisingSign as it was.
void FindRisingSign();

} // namespace zenthari::modRisingSign
