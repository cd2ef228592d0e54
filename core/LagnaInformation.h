#pragma once

#include "SignCatalogue.h"

#include <array>
#include <string>
#include <string_view>

namespace zenthari {

// The 27 facts of a lagna sign, in the order in which the catalogue holds and copies them.
struct LagnaRecord {
    std::string VedicName;
    std::string EnglishName;
    std::string RulingPlanet;
    std::string Symbol;
    std::string InbornNature;
    std::string SignColor;
    std::string TypeOfSign;
    std::string Gender;
    std::string BestPeriodOfActivity;
    std::string BarrenOrFruitful;
    std::string SignCaste;
    std::string SignPosition;
    std::string ConstituentCharacter;
    std::string LuckyDays;
    std::string LuckyNumbers;
    std::string BestDirection;
    std::string LuckyColors;
    std::string LuckyGemstone;
    std::string PartOfTheBody;
    std::string Physique;
    std::string Looks;
    std::string Nature;
    std::string CareerAndFinance;
    std::string LoveAndDomesticLife;
    std::string Health;
    std::string CompatibleWith;
    std::string NotCompatibleWith;

    bool operator==(const LagnaRecord&) const = default;
};

inline constexpr int LagnaFieldCount = 27;

inline constexpr std::array<std::string_view, LagnaFieldCount> LagnaFieldNames = {
    "VedicName",
    "EnglishName",
    "RulingPlanet",
    "Symbol",
    "InbornNature",
    "SignColor",
    "TypeOfSign",
    "Gender",
    "BestPeriodOfActivity",
    "BarrenOrFruitful",
    "SignCaste",
    "SignPosition",
    "ConstituentCharacter",
    "LuckyDays",
    "LuckyNumbers",
    "BestDirection",
    "LuckyColors",
    "LuckyGemstone",
    "PartOfTheBody",
    "Physique",
    "Looks",
    "Nature",
    "CareerAndFinance",
    "LoveAndDomesticLife",
    "Health",
    "CompatibleWith",
    "NotCompatibleWith"};

// The fields in catalogue order, for code that walks all of them.
std::array<const std::string*, LagnaFieldCount> LagnaFields(const LagnaRecord& record);
std::array<std::string*, LagnaFieldCount> LagnaFields(LagnaRecord& record);

// The catalogue's 27 facts of one sign.
LagnaRecord LagnaCatalogueEntry(SignIndex sign);

namespace modLagnaInformation {

// The facts of the last lagna sign; all empty until the first successful fill.
inline LagnaRecord LagnaInformation;

// Copies the catalogue entry whose Vedic name equals vedicName (exact, case-sensitive) into
// LagnaInformation. Any other text, an English name included, leaves the record as it was.
void FillLagnaInformation(std::string_view vedicName);

} // namespace modLagnaInformation

} // namespace zenthari
