#pragma once

#include "SignCatalogue.h"

#include <optional>
#include <string>
#include <string_view>

namespace zenthari {

// What the rising sign result screen shows for a rising sign.
struct RisingSignProfile {
    std::string RulingPlanet;
    std::string Symbol;
    std::string Element;
    std::string SignColor;
    std::string TypeOfSign;
    std::string LuckyDays;
    std::string LuckyNumbers;
    std::string LuckyDirection;
    std::string LuckyColors;
    std::string LuckyGemstone;
    std::string Looks;
    std::string Nature;
    std::string CareerAndFinance;
    std::string LoveAndDomesticLife;
    std::string Health;
    int PictureNumber = 0; // 1..12, the position in the sign picture list

    bool operator==(const RisingSignProfile&) const = default;
};

// The profile of a sign given by its exact English name; nothing for any other text.
std::optional<RisingSignProfile> FindRisingSignProfile(std::string_view englishName);

// The resource name of a sign's picture in the sign picture list, "aries.jpg" ... "pisces.jpg".
std::string SignPictureKey(SignIndex sign);

} // namespace zenthari
