// The astrology rules checked over their whole domain against the rules they must obey.
#include "BirthDate.h"
#include "Lagna.h"
#include "LagnaInformation.h"
#include "RisingSign.h"
#include "RisingSignProfile.h"
#include "SignCatalogue.h"

#include <QtTest>

using namespace zenthari;

class CoreTest : public QObject {
    Q_OBJECT

private slots:
    void signNames_data();
    void signNames();
    void sunSignBoundaries_data();
    void sunSignBoundaries();
    void sunSignWholeDomain();
    void birthDateChecks_data();
    void birthDateChecks();
    void risingTableObeysTheRule();
    void risingLookups_data();
    void risingLookups();
    void findRisingSignUsesCurrentValues();
    void lagnaWorkedExamples_data();
    void lagnaWorkedExamples();
    void lagnaBoundaries_data();
    void lagnaBoundaries();
    void lagnaWholeDomain();
    void lagnaMonthByLocaleName();
    void lagnaFill();
    void lagnaCatalogueFollowsItsCycles();
    void lagnaCatalogueAgreesWithRisingProfiles();
};

void CoreTest::signNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("english");
    QTest::addColumn<int>("vedic");
    QTest::newRow("Libra") << "Libra" << 6 << -1;
    QTest::newRow("Thula") << "Thula" << -1 << 6;
    QTest::newRow("Capricorn") << "Capricorn" << 9 << -1;
    QTest::newRow("Makara") << "Makara" << -1 << 9;
    QTest::newRow("Pisces") << "Pisces" << 11 << -1;
    QTest::newRow("Meena") << "Meena" << -1 << 11;
    QTest::newRow("lower case") << "aries" << -1 << -1;
    QTest::newRow("trailing blank") << "Aries " << -1 << -1;
    QTest::newRow("Tula") << "Tula" << -1 << -1;
    QTest::newRow("vedic lower case") << "mesha" << -1 << -1;
    QTest::newRow("empty") << "" << -1 << -1;
}

void CoreTest::signNames() {
    QFETCH(QString, name);
    QFETCH(int, english);
    QFETCH(int, vedic);
    const std::string text = name.toStdString();
    QCOMPARE(SignIndexOfEnglishName(text).value_or(-1), english);
    QCOMPARE(SignIndexOfVedicName(text).value_or(-1), vedic);
}

void CoreTest::sunSignBoundaries_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");
    QTest::newRow("Jan 1") << 1 << 1 << "Capricorn";
    QTest::newRow("Jan 19") << 1 << 19 << "Capricorn";
    QTest::newRow("Jan 20") << 1 << 20 << "Aquarius";
    QTest::newRow("Feb 18") << 2 << 18 << "Aquarius";
    QTest::newRow("Feb 19") << 2 << 19 << "Pisces";
    QTest::newRow("Feb 29") << 2 << 29 << "Pisces";
    QTest::newRow("Mar 20") << 3 << 20 << "Pisces";
    QTest::newRow("Mar 21") << 3 << 21 << "Aries";
    QTest::newRow("Jul 20") << 7 << 20 << "Cancer";
    QTest::newRow("Jul 21") << 7 << 21 << "Leo";
    QTest::newRow("Dec 20") << 12 << 20 << "Sagittarius";
    QTest::newRow("Dec 21") << 12 << 21 << "Capricorn";
    QTest::newRow("Dec 31") << 12 << 31 << "Capricorn";
    QTest::newRow("month 0") << 0 << 1 << "";
    QTest::newRow("month 13") << 13 << 1 << "";
    QTest::newRow("day 32") << 5 << 32 << "";
}

void CoreTest::sunSignBoundaries() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, sign);
    QCOMPARE(QString::fromStdString(FindSunSign(month, day)), sign);
}

void CoreTest::sunSignWholeDomain() {
    // Each month starts in one sign and changes once, on the 20th (January), the 19th
    // (February) or the 21st; the later sign of a month is the earlier sign of the next.
    const QStringList earlier = {"Capricorn", "Aquarius", "Pisces",  "Aries",
                                 "Taurus",    "Gemini",   "Cancer",  "Leo",
                                 "Virgo",     "Libra",    "Scorpio", "Sagittarius"};
    for (int month = 1; month <= 12; ++month) {
        const int change = month == 1 ? 20 : month == 2 ? 19 : 21;
        for (int day = 1; day <= 31; ++day) {
            const QString expected = day < change ? earlier[month - 1] : earlier[month % 12];
            QCOMPARE(QString::fromStdString(FindSunSign(month, day)), expected);
        }
    }
}

void CoreTest::birthDateChecks_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("result");
    const int ok = int(BirthDateCheck::Accepted);
    const int feb = int(BirthDateCheck::ImpossibleFebruaryDay);
    const int short31 = int(BirthDateCheck::ThirtyFirstOfShortMonth);
    QTest::newRow("29 Feb 1900") << 2 << 29 << 1900 << ok;
    QTest::newRow("29 Feb 1904") << 2 << 29 << 1904 << ok;
    QTest::newRow("29 Feb 2000") << 2 << 29 << 2000 << ok;
    QTest::newRow("29 Feb 1901") << 2 << 29 << 1901 << feb;
    QTest::newRow("29 Feb 2001") << 2 << 29 << 2001 << feb;
    QTest::newRow("30 Feb 2000") << 2 << 30 << 2000 << feb;
    QTest::newRow("31 Feb 1999") << 2 << 31 << 1999 << feb;
    QTest::newRow("31 Apr") << 4 << 31 << 2000 << short31;
    QTest::newRow("31 Jun") << 6 << 31 << 2000 << short31;
    QTest::newRow("31 Sep") << 9 << 31 << 2000 << short31;
    QTest::newRow("31 Nov") << 11 << 31 << 2000 << short31;
    QTest::newRow("30 Apr") << 4 << 30 << 2000 << ok;
    QTest::newRow("31 Jan") << 1 << 31 << 2000 << ok;
    QTest::newRow("31 Jul") << 7 << 31 << 2000 << ok;
}

void CoreTest::birthDateChecks() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(int, result);
    QCOMPARE(int(CheckBirthDate(month, day, year)), result);
}

void CoreTest::risingTableObeysTheRule() {
    // Rising sign index = (sun sign index - window position) mod 12, for all 144 entries.
    const auto& keys = modRisingSign::RisingSignKeys();
    const auto& table = modRisingSign::RisingSignTable();
    QCOMPARE(keys[0], std::string("Aries-4am-6am"));
    QCOMPARE(keys[11], std::string("Pisces-4am-6am"));
    QCOMPARE(keys[12], std::string("Aries-2am-4am"));
    QCOMPARE(keys[143], std::string("Pisces-6am-8am"));
    for (int i = 0; i < modRisingSign::RisingSignEntryCount; ++i) {
        const int sun = i % 12;
        const int window = i / 12;
        QCOMPARE(keys[i], std::string(EnglishSignNames[sun]) + "-" +
                              std::string(modRisingSign::TimeWindowListOrder[window]));
        const auto rising = SignIndexOfEnglishName(table[i]);
        QVERIFY(rising.has_value());
        QCOMPARE(*rising, ((sun - window) % 12 + 12) % 12);
    }
}

void CoreTest::risingLookups_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("rising");
    QTest::newRow("sunrise keeps the sign") << "Aries-4am-6am"
                                            << "Aries";
    QTest::newRow("wraps back to Pisces") << "Aries-2am-4am"
                                          << "Pisces";
    QTest::newRow("Leo mid-morning") << "Leo-10am-noon"
                                     << "Scorpio";
    QTest::newRow("Capricorn after midnight") << "Capricorn-midnight-2am"
                                              << "Scorpio";
    QTest::newRow("Sagittarius late evening") << "Sagittarius-10pm-midnight"
                                              << "Virgo";
    QTest::newRow("Pisces early morning") << "Pisces-6am-8am"
                                          << "Aries";
    QTest::newRow("other letter case") << "aries-4am-6am"
                                       << "";
    QTest::newRow("blank inside") << "Aries - 4am-6am"
                                  << "";
}

void CoreTest::risingLookups() {
    QFETCH(QString, key);
    QFETCH(QString, rising);
    QCOMPARE(QString::fromStdString(modRisingSign::LookupRisingSign(key.toStdString())), rising);
}

void CoreTest::findRisingSignUsesCurrentValues() {
    using namespace modRisingSign;
    RisingSignKey = MakeRisingSignKey("Leo", "10am-noon");
    QCOMPARE(RisingSignKey, std::string("Leo-10am-noon"));
    FindRisingSign();
    QCOMPARE(RisingSign, std::string("Scorpio"));
    // A key that matches nothing leaves the last result in place.
    RisingSignKey = "leo-10am-noon";
    FindRisingSign();
    QCOMPARE(RisingSign, std::string("Scorpio"));
}

void CoreTest::lagnaWorkedExamples_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("vedic");
    QTest::newRow("15 March 10:30") << 3 << 15 << 10 << 30 << 246 << "Vrishabha";
    QTest::newRow("1 January 06:00") << 1 << 1 << 6 << 0 << 1090 << "Dhanus";
    QTest::newRow("10 July 00:00") << 7 << 10 << 0 << 0 << 46 << "Meena";
    QTest::newRow("1 July 01:07") << 7 << 1 << 1 << 7 << 77 << "Mesha";
    QTest::newRow("1 January 11:50") << 1 << 1 << 11 << 50 << 1440 << "Meena";
    QTest::newRow("1 January 11:51") << 1 << 1 << 11 << 51 << 1 << "Meena";
    QTest::newRow("30 June 23:59") << 6 << 30 << 23 << 59 << 6 << "Meena";
    QTest::newRow("smallest count") << 7 << 1 << 0 << 0 << 10 << "Meena";
    QTest::newRow("29 June 23:58 folds twice") << 6 << 29 << 23 << 58 << 1 << "Meena";
    QTest::newRow("30 June 23:54 folds twice") << 6 << 30 << 23 << 54 << 1 << "Meena";
}

void CoreTest::lagnaWorkedExamples() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, count);
    QFETCH(QString, vedic);
    QCOMPARE(int(LagnaMinuteCount(month, day, hour, minute)), count);
    QCOMPARE(QString(VedicSignNames[ComputeLagnaSign(month, day, hour, minute)].data()), vedic);
}

void CoreTest::lagnaBoundaries_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sign");
    const int bounds[][3] = {{76, 11, 77},    {181, 0, 182},   {302, 1, 303},   {434, 2, 435},
                             {566, 3, 567},   {691, 4, 692},   {818, 5, 819},   {949, 6, 950},
                             {1083, 7, 1084}, {1208, 8, 1209}, {1319, 9, 1320}, {1419, 10, 1420}};
    for (const auto& b : bounds) {
        QTest::addRow("%d", b[0]) << b[0] << b[1];
        QTest::addRow("%d", b[2]) << b[2] << (b[1] + 1) % 12;
    }
    QTest::newRow("0") << 0 << 11;
    QTest::newRow("1440") << 1440 << 11;
}

void CoreTest::lagnaBoundaries() {
    QFETCH(int, count);
    QFETCH(int, sign);
    QCOMPARE(LagnaSignOfCount(count), sign);
}

void CoreTest::lagnaWholeDomain() {
    // Every accepted input folds into 1..1440 and the sign is the one whose range holds it;
    // the ranges are contiguous, so the sign only ever steps forward by one as the count grows.
    int previous = LagnaSignOfCount(0);
    for (int count = 1; count <= 1440; ++count) {
        const int sign = LagnaSignOfCount(count);
        QVERIFY(sign == previous || sign == (previous + 1) % 12);
        previous = sign;
    }
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            for (int hour = 0; hour < 24; ++hour) {
                for (int minute = 0; minute < 60; ++minute) {
                    const int raw = 4 * day + MonthMinuteOffsets[month] + 60 * hour + minute;
                    int folded = raw;
                    while (folded > 1440)
                        folded -= 1440;
                    const int count = LagnaMinuteCount(month, day, hour, minute);
                    if (count != folded || count < 1)
                        QFAIL(qPrintable(QString("count %1 for %2/%3 %4:%5")
                                             .arg(count)
                                             .arg(month)
                                             .arg(day)
                                             .arg(hour)
                                             .arg(minute)));
                }
            }
        }
    }
}

void CoreTest::lagnaMonthByLocaleName() {
    const std::array<std::string, 12> german = {"Januar",    "Februar", "März",     "April",
                                                "Mai",       "Juni",    "Juli",     "August",
                                                "September", "Oktober", "November", "Dezember"};
    QCOMPARE(MonthOfLocaleName("März", german).value_or(0), 3);
    QCOMPARE(MonthOfLocaleName("Dezember", german).value_or(0), 12);
    QVERIFY(!MonthOfLocaleName("March", german).has_value());
    QVERIFY(!MonthOfLocaleName("märz", german).has_value());
    // An unidentified month adds no offset; the rest of the count is unchanged.
    QCOMPARE(int(LagnaMinuteCount(std::nullopt, 15, 10, 30)), 60 + 630);
}

void CoreTest::lagnaFill() {
    using modLagnaInformation::FillLagnaInformation;
    using modLagnaInformation::LagnaInformation;
    LagnaInformation = {};
    FillLagnaInformation("Aries");
    QCOMPARE(LagnaInformation, LagnaRecord{});
    FillLagnaInformation("Mesha");
    QCOMPARE(LagnaInformation.EnglishName, std::string("Aries"));
    QCOMPARE(LagnaInformation.RulingPlanet, std::string("Mars"));
    QCOMPARE(LagnaInformation.LuckyNumbers, std::string("9, 1"));
    QCOMPARE(LagnaInformation.BestDirection, std::string("East"));
    FillLagnaInformation("Makara");
    QCOMPARE(LagnaInformation.Symbol, std::string("The Crocodile"));
    QCOMPARE(LagnaInformation.LuckyGemstone, std::string("Blue Sapphire"));
    FillLagnaInformation("Kanya");
    const LagnaRecord kanya = LagnaInformation;
    for (const char* other : {"Virgo", "", "kanya", " Kanya", "Kanya "}) {
        FillLagnaInformation(other);
        QCOMPARE(LagnaInformation, kanya);
    }
    // Every field comes from the same sign: Thula then Meena leaves nothing of Thula.
    FillLagnaInformation("Thula");
    FillLagnaInformation("Meena");
    QCOMPARE(LagnaInformation, LagnaCatalogueEntry(11));
    for (int sign = 0; sign < SignCount; ++sign) {
        const LagnaRecord entry = LagnaCatalogueEntry(sign);
        QCOMPARE(entry.VedicName, std::string(VedicSignNames[sign]));
        QCOMPARE(entry.EnglishName, std::string(EnglishSignNames[sign]));
        for (const std::string* field : LagnaFields(entry))
            QVERIFY2(!field->empty(), VedicSignNames[sign].data());
    }
}

void CoreTest::lagnaCatalogueFollowsItsCycles() {
    // The classes repeat through the zodiac: elements by four, qualities and positions by three.
    const QStringList elements = {"Fire", "Earth", "Air", "Water"};
    const QStringList castes = {"Kshatriya", "Vaisya", "Sudra", "Brahmana"};
    const QStringList directions = {"East", "South", "West", "North"};
    const QStringList types = {"Movable", "Fixed", "Mixed"};
    const QStringList positions = {"Dwara", "Bahya", "Garbha"};
    const QStringList constituents = {"Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)"};
    for (int sign = 0; sign < SignCount; ++sign) {
        const LagnaRecord r = LagnaCatalogueEntry(sign);
        QCOMPARE(QString::fromStdString(r.InbornNature), elements[sign % 4]);
        QCOMPARE(QString::fromStdString(r.SignCaste), castes[sign % 4]);
        QCOMPARE(QString::fromStdString(r.BestDirection), directions[sign % 4]);
        QCOMPARE(QString::fromStdString(r.TypeOfSign), types[sign % 3]);
        QCOMPARE(QString::fromStdString(r.SignPosition), positions[sign % 3]);
        QCOMPARE(QString::fromStdString(r.ConstituentCharacter), constituents[sign % 3]);
        // A sign is never listed as compatible with a sign it is incompatible with.
        const QStringList good = QString::fromStdString(r.CompatibleWith).split(", ");
        for (const QString& bad : QString::fromStdString(r.NotCompatibleWith).split(", ")) {
            QVERIFY(SignIndexOfEnglishName(bad.toStdString()).has_value());
            QVERIFY(!good.contains(bad));
        }
    }
    const LagnaRecord leo = LagnaCatalogueEntry(4);
    QCOMPARE(leo.PartOfTheBody, std::string("Heart & Stomach"));
    QCOMPARE(LagnaCatalogueEntry(8).SignColor, std::string("Yellowish brown"));
    QCOMPARE(LagnaCatalogueEntry(6).BestPeriodOfActivity, std::string("Day"));
}

void CoreTest::lagnaCatalogueAgreesWithRisingProfiles() {
    // The two catalogues are kept apart but describe the same signs; the shared facts agree.
    for (int sign = 0; sign < SignCount; ++sign) {
        const LagnaRecord lagna = LagnaCatalogueEntry(sign);
        const auto rising = FindRisingSignProfile(EnglishSignNames[sign]);
        QVERIFY(rising.has_value());
        QCOMPARE(lagna.RulingPlanet, rising->RulingPlanet);
        QCOMPARE(lagna.Symbol, rising->Symbol);
        QCOMPARE(lagna.InbornNature, rising->Element);
        QCOMPARE(lagna.SignColor, rising->SignColor);
        QCOMPARE(lagna.TypeOfSign, rising->TypeOfSign);
        QCOMPARE(lagna.LuckyDays, rising->LuckyDays);
        QCOMPARE(lagna.LuckyNumbers, rising->LuckyNumbers);
        QCOMPARE(lagna.BestDirection, rising->LuckyDirection);
        QCOMPARE(lagna.LuckyColors, rising->LuckyColors);
        QCOMPARE(lagna.LuckyGemstone, rising->LuckyGemstone);
        // The two sets of texts are different writing.
        QVERIFY(lagna.Nature != rising->Nature);
    }
}

QTEST_APPLESS_MAIN(CoreTest)
#include "tst_core.moc"
