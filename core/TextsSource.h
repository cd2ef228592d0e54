#pragma once

#include "Texts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zenthari {

// The text files of content/texts as the build embeds them, one per sign in catalogue order.
const std::array<std::string_view, SignCount>& risingTextSources();
const std::array<std::string_view, SignCount>& lagnaTextSources();

// Reads one text file: a "[Field]" line opens each of the five sections, in the order Looks,
// Nature, CareerAndFinance, LoveAndDomesticLife, Health, and the section's paragraph is its one
// non-blank line. Blank lines and lines starting with '#' are ignored. On a malformed file it
// returns nothing and says why in *error.
std::optional<LongTexts> ParseTextFile(std::string_view source, std::string* error = nullptr);

} // namespace zenthari
