#pragma once

#include "SignCatalogue.h"

#include <string_view>

namespace zenthari {

// The five interpretive texts of a sign, one paragraph each. They are written in content/texts
// and compiled into the program.
struct LongTexts {
    std::string_view Looks;
    std::string_view Nature;
    std::string_view CareerAndFinance;
    std::string_view LoveAndDomesticLife;
    std::string_view Health;
};

// The Western rising sign texts of a sign.
const LongTexts& RisingSignTexts(SignIndex sign);
// The Vedic lagna texts of a sign.
const LongTexts& LagnaTexts(SignIndex sign);

} // namespace zenthari
