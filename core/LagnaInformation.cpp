#include "LagnaInformation.h"

#include "Texts.h"

namespace zenthari {

namespace {

// One table per short field, one entry per sign in catalogue order.
constexpr std::array<std::string_view, SignCount> RulingPlanet = {
    "Mars",  "Venus", "Mercury", "Moon",   "Sun",    "Mercury",
    "Venus", "Mars",  "Jupiter", "Saturn", "Saturn", "Jupiter"};
constexpr std::array<std::string_view, SignCount> Symbol = {
    "The Ram",    "The Bull",      "The Twins",         "The Crab",
    "The Lion",   "The Virgin",    "The Balance",       "The Scorpion",
    "The Archer", "The Crocodile", "The Water Carrier", "The Double Fish"};
constexpr std::array<std::string_view, SignCount> InbornNature = {"Fire", "Earth", "Air", "Water",
                                                                  "Fire", "Earth", "Air", "Water",
                                                                  "Fire", "Earth", "Air", "Water"};
constexpr std::array<std::string_view, SignCount> SignColor = {"Red, Brown, Copper",
                                                               "White",
                                                               "Green",
                                                               "Pink",
                                                               "White",
                                                               "Multicolored",
                                                               "Black",
                                                               "Reddish Brown",
                                                               "Yellowish brown",
                                                               "Multicolored",
                                                               "Deep Brown",
                                                               "Blue"};
constexpr std::array<std::string_view, SignCount> TypeOfSign = {
    "Movable", "Fixed", "Mixed", "Movable", "Fixed", "Mixed",
    "Movable", "Fixed", "Mixed", "Movable", "Fixed", "Mixed"};
constexpr std::array<std::string_view, SignCount> Gender = {"Male", "Female", "Female", "Female",
                                                            "Male", "Female", "Male",   "Female",
                                                            "Male", "Female", "Male",   "Female"};
constexpr std::array<std::string_view, SignCount> BestPeriodOfActivity = {
    "Night", "Night", "Night", "Night", "Day", "Day", "Day", "Day", "Night", "Night", "Day", "Day"};
constexpr std::array<std::string_view, SignCount> BarrenOrFruitful = {
    "Barren",        "Semi-Fruitful", "Barren",        "Fruitful", "Barren",        "Barren",
    "Semi-Fruitful", "Fruitful",      "Semi-Fruitful", "Barren",   "Semi-Fruitful", "Fruitful"};
constexpr std::array<std::string_view, SignCount> SignCaste = {
    "Kshatriya", "Vaisya",   "Sudra",     "Brahmana", "Kshatriya", "Vaisya",
    "Sudra",     "Brahmana", "Kshatriya", "Vaisya",   "Sudra",     "Brahmana"};
constexpr std::array<std::string_view, SignCount> SignPosition = {
    "Dwara", "Bahya", "Garbha", "Dwara", "Bahya", "Garbha",
    "Dwara", "Bahya", "Garbha", "Dwara", "Bahya", "Garbha"};
constexpr std::array<std::string_view, SignCount> ConstituentCharacter = {
    "Mineral (Dhatu)",   "Vegetable (Moola)", "Animal (Jeeva)",    "Mineral (Dhatu)",
    "Vegetable (Moola)", "Animal (Jeeva)",    "Mineral (Dhatu)",   "Vegetable (Moola)",
    "Animal (Jeeva)",    "Mineral (Dhatu)",   "Vegetable (Moola)", "Animal (Jeeva)"};
constexpr std::array<std::string_view, SignCount> LuckyDays = {"Monday, Tuesday",
                                                               "Thursday, Friday",
                                                               "Monday, Wednesday",
                                                               "Monday, Thursday",
                                                               "Sunday, Monday",
                                                               "Wednesday, Friday",
                                                               "Friday, Wednesday, Thursday",
                                                               "Monday, Tuesday, Thursday",
                                                               "Sunday, Thursday",
                                                               "Saturday, Wednesday",
                                                               "Thursday, Friday, Saturday",
                                                               "Thursday, Monday, Tuesday"};
constexpr std::array<std::string_view, SignCount> LuckyNumbers = {
    "9, 1",    "2, 8",    "3, 7",       "2, 7, 9", "1, 4, 5, 9", "2, 3, 5, 6",
    "1, 2, 4", "3, 7, 9", "3, 5, 6, 8", "6, 8, 9", "2, 3, 7, 9", "1, 3, 4"};
constexpr std::array<std::string_view, SignCount> BestDirection = {
    "East", "South", "West", "North", "East", "South",
    "West", "North", "East", "South", "West", "North"};
constexpr std::array<std::string_view, SignCount> LuckyColors = {
    "Red, Brown, Copper",  "Pink, Green", "Yellow, Purple, Blue", "White, Red, Yellow",
    "Orange, Red, Green",  "Green",       "White, Green, Yellow", "Brown, Red, Yellow, White",
    "Yellow, Gray, Brown", "Black, Blue", "Blue, Black",          "Pink, Cream"};
constexpr std::array<std::string_view, SignCount> LuckyGemstone = {
    "Coral",   "Diamond", "Emerald",         "Pearl",         "Ruby",          "Emerald",
    "Diamond", "Coral",   "Yellow Sapphire", "Blue Sapphire", "Blue Sapphire", "Yellow Sapphire"};
constexpr std::array<std::string_view, SignCount> PartOfTheBody = {"Head",
                                                                   "Face",
                                                                   "Shoulders",
                                                                   "Chest",
                                                                   "Heart & Stomach",
                                                                   "Abdomen",
                                                                   "Lower Abdomen & Groin",
                                                                   "External Genitalia",
                                                                   "Thighs",
                                                                   "Knees",
                                                                   "Calves",
                                                                   "Feet"};
constexpr std::array<std::string_view, SignCount> Physique = {"Short", "Short", "Even",  "Even",
                                                              "Tall",  "Tall",  "Tall",  "Tall",
                                                              "Even",  "Even",  "Short", "Short"};
constexpr std::array<std::string_view, SignCount> CompatibleWith = {
    "Leo, Sagittarius, Gemini, Aquarius, Libra",
    "Cancer, Virgo, Scorpio, Capricorn, Pisces",
    "Aries, Leo, Libra, Sagittarius, Aquarius",
    "Virgo, Scorpio, Capricorn, Pisces, Taurus",
    "Libra, Sagittarius, Aquarius, Aries, Gemini",
    "Scorpio, Capricorn, Pisces, Cancer",
    "Sagittarius, Aquarius, Aries, Gemini, Leo",
    "Capricorn, Pisces, Taurus, Cancer, Virgo",
    "Aquarius, Aries, Gemini, Leo, Libra",
    "Pisces, Taurus, Cancer, Virgo, Scorpio",
    "Aquarius, Libra, Gemini",
    "Taurus, Cancer, Virgo, Scorpio, Capricorn"};
constexpr std::array<std::string_view, SignCount> NotCompatibleWith = {
    "Scorpio, Pisces, Cancer",  "Gemini, Aquarius, Libra",  "Taurus, Virgo, Capricorn",
    "Aries, Leo, Sagittarius",  "Scorpio, Pisces, Cancer",  "Gemini, Aquarius, Libra",
    "Taurus, Virgo, Capricorn", "Aries, Leo, Sagittarius",  "Scorpio, Pisces, Cancer",
    "Gemini, Aquarius, Libra",  "Taurus, Virgo, Capricorn", "Aries, Leo, Sagittarius"};

} // namespace

namespace {
template <typename Record>
auto fieldsOf(Record& r) -> std::array<decltype(&r.VedicName), LagnaFieldCount> {
    return {&r.VedicName,
            &r.EnglishName,
            &r.RulingPlanet,
            &r.Symbol,
            &r.InbornNature,
            &r.SignColor,
            &r.TypeOfSign,
            &r.Gender,
            &r.BestPeriodOfActivity,
            &r.BarrenOrFruitful,
            &r.SignCaste,
            &r.SignPosition,
            &r.ConstituentCharacter,
            &r.LuckyDays,
            &r.LuckyNumbers,
            &r.BestDirection,
            &r.LuckyColors,
            &r.LuckyGemstone,
            &r.PartOfTheBody,
            &r.Physique,
            &r.Looks,
            &r.Nature,
            &r.CareerAndFinance,
            &r.LoveAndDomesticLife,
            &r.Health,
            &r.CompatibleWith,
            &r.NotCompatibleWith};
}
} // namespace

std::array<const std::string*, LagnaFieldCount> LagnaFields(const LagnaRecord& r) {
    return fieldsOf(r);
}

std::array<std::string*, LagnaFieldCount> LagnaFields(LagnaRecord& r) {
    return fieldsOf(r);
}

LagnaRecord LagnaCatalogueEntry(SignIndex sign) {
    const auto i = static_cast<std::size_t>(sign);
    const LongTexts& texts = LagnaTexts(sign);
    LagnaRecord r;
    r.VedicName = VedicSignNames[i];
    r.EnglishName = EnglishSignNames[i];
    r.RulingPlanet = RulingPlanet[i];
    r.Symbol = Symbol[i];
    r.InbornNature = InbornNature[i];
    r.SignColor = SignColor[i];
    r.TypeOfSign = TypeOfSign[i];
    r.Gender = Gender[i];
    r.BestPeriodOfActivity = BestPeriodOfActivity[i];
    r.BarrenOrFruitful = BarrenOrFruitful[i];
    r.SignCaste = SignCaste[i];
    r.SignPosition = SignPosition[i];
    r.ConstituentCharacter = ConstituentCharacter[i];
    r.LuckyDays = LuckyDays[i];
    r.LuckyNumbers = LuckyNumbers[i];
    r.BestDirection = BestDirection[i];
    r.LuckyColors = LuckyColors[i];
    r.LuckyGemstone = LuckyGemstone[i];
    r.PartOfTheBody = PartOfTheBody[i];
    r.Physique = Physique[i];
    r.Looks = texts.Looks;
    r.Nature = texts.Nature;
    r.CareerAndFinance = texts.CareerAndFinance;
    r.LoveAndDomesticLife = texts.LoveAndDomesticLife;
    r.Health = texts.Health;
    r.CompatibleWith = CompatibleWith[i];
    r.NotCompatibleWith = NotCompatibleWith[i];
    return r;
}

namespace modLagnaInformation {

void FillLagnaInformation(std::string_view vedicName) {
    const auto sign = SignIndexOfVedicName(vedicName);
    if (!sign)
        return;
    LagnaInformation = LagnaCatalogueEntry(*sign);
}

} // namespace modLagnaInformation

} // namespace zenthari
