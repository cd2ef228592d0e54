#include "RisingSignProfile.h"

#include "Texts.h"

#include <array>
#include <cctype>

namespace zenthari {

namespace {

struct ShortValues {
    std::string_view RulingPlanet, Symbol, Element, SignColor, TypeOfSign, LuckyDays, LuckyNumbers,
        LuckyDirection, LuckyColors, LuckyGemstone;
    int PictureNumber;
};

// Lists keep their stored order ("9, 1" for Aries) and are never split.
constexpr std::array<ShortValues, SignCount> ShortValuesBySign = {{
    {"Mars", "The Ram", "Fire", "Red, Brown, Copper", "Movable", "Monday, Tuesday", "9, 1", "East",
     "Red, Brown, Copper", "Coral", 1},
    {"Venus", "The Bull", "Earth", "White", "Fixed", "Thursday, Friday", "2, 8", "South",
     "Pink, Green", "Diamond", 2},
    {"Mercury", "The Twins", "Air", "Green", "Mixed", "Monday, Wednesday", "3, 7", "West",
     "Yellow, Purple, Blue", "Emerald", 3},
    {"Moon", "The Crab", "Water", "Pink", "Movable", "Monday, Thursday", "2, 7, 9", "North",
     "White, Red, Yellow", "Pearl", 4},
    {"Sun", "The Lion", "Fire", "White", "Fixed", "Sunday, Monday", "1, 4, 5, 9", "East",
     "Orange, Red, Green", "Ruby", 5},
    {"Mercury", "The Virgin", "Earth", "Multicolored", "Mixed", "Wednesday, Friday", "2, 3, 5, 6",
     "South", "Green", "Emerald", 6},
    {"Venus", "The Balance", "Air", "Black", "Movable", "Friday, Wednesday, Thursday", "1, 2, 4",
     "West", "White, Green, Yellow", "Diamond", 7},
    {"Mars", "The Scorpion", "Water", "Reddish Brown", "Fixed", "Monday, Tuesday, Thursday",
     "3, 7, 9", "North", "Brown, Red, Yellow, White", "Coral", 8},
    {"Jupiter", "The Archer", "Fire", "Yellowish brown", "Mixed", "Sunday, Thursday", "3, 5, 6, 8",
     "East", "Yellow, Gray, Brown", "Yellow Sapphire", 9},
    {"Saturn", "The Crocodile", "Earth", "Multicolored", "Movable", "Saturday, Wednesday",
     "6, 8, 9", "South", "Black, Blue", "Blue Sapphire", 10},
    {"Saturn", "The Water Carrier", "Air", "Deep Brown", "Fixed", "Thursday, Friday, Saturday",
     "2, 3, 7, 9", "West", "Blue, Black", "Blue Sapphire", 11},
    {"Jupiter", "The Double Fish", "Water", "Blue", "Mixed", "Thursday, Monday, Tuesday", "1, 3, 4",
     "North", "Pink, Cream", "Yellow Sapphire", 12},
}};

} // namespace

std::optional<RisingSignProfile> FindRisingSignProfile(std::string_view englishName) {
    const auto sign = SignIndexOfEnglishName(englishName);
    if (!sign)
        return std::nullopt;
    const ShortValues& v = ShortValuesBySign[static_cast<std::size_t>(*sign)];
    const LongTexts& texts = RisingSignTexts(*sign);
    RisingSignProfile p;
    p.RulingPlanet = v.RulingPlanet;
    p.Symbol = v.Symbol;
    p.Element = v.Element;
    p.SignColor = v.SignColor;
    p.TypeOfSign = v.TypeOfSign;
    p.LuckyDays = v.LuckyDays;
    p.LuckyNumbers = v.LuckyNumbers;
    p.LuckyDirection = v.LuckyDirection;
    p.LuckyColors = v.LuckyColors;
    p.LuckyGemstone = v.LuckyGemstone;
    p.Looks = texts.Looks;
    p.Nature = texts.Nature;
    p.CareerAndFinance = texts.CareerAndFinance;
    p.LoveAndDomesticLife = texts.LoveAndDomesticLife;
    p.Health = texts.Health;
    p.PictureNumber = v.PictureNumber;
    return p;
}

std::string SignPictureKey(SignIndex sign) {
    std::string key(EnglishSignNames[static_cast<std::size_t>(sign)]);
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key + ".jpg";
}

} // namespace zenthari
