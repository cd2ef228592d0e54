// Scrambling and the saved reading format, on every byte and on damaged input.
#include "ReadingFile.h"
#include "Records.h"
#include "Scramble.h"
#include "SingleByteText.h"

#include <QtTest>

using namespace zenthari;

class ScrambleTest : public QObject {
    Q_OBJECT

private slots:
    void everySingleByteCharacterRoundTripsOrDrops();
    void scrambledBytesAreNeverLineEnds();
    void textOutsideTheSetIsLeftOut();
    void scrambleKeepsOrder();
    void readingRoundTrip();
    void readingFileLayout();
    void readingFileReadRules_data();
    void readingFileReadRules();
    void readingFileBounds();
    void fileEnding_data();
    void fileEnding();
};

void ScrambleTest::everySingleByteCharacterRoundTripsOrDrops() {
    for (int code = 0; code <= 255; ++code) {
        const std::string byte(1, char(code));
        const std::string utf8 = FromSingleByte(byte);
        QCOMPARE(ToSingleByte(utf8), byte);
        const std::string scrambled = ScrambleText(utf8);
        if (code + ScrambleOffset > 255) {
            QVERIFY2(scrambled.empty(), qPrintable(QString::number(code)));
            continue;
        }
        QCOMPARE(ToSingleByte(scrambled), std::string(1, char(code + ScrambleOffset)));
        QCOMPARE(UnscrambleText(scrambled), utf8);
    }
}

void ScrambleTest::scrambledBytesAreNeverLineEnds() {
    std::string all;
    for (int code = 0; code <= 255; ++code)
        all += char(code);
    for (char c : ScrambleBytes(all))
        QVERIFY(c != '\r' && c != '\n');
    // Printable ASCII stays printable single-byte text.
    for (int code = 32; code <= 126; ++code) {
        const std::string out = ScrambleBytes(std::string(1, char(code)));
        QCOMPARE(out.size(), size_t(1));
        QVERIFY(static_cast<unsigned char>(out[0]) >= 32);
    }
    // Unscrambling drops what lies below the offset.
    QCOMPARE(UnscrambleBytes(std::string("\x01\x0d\x0e", 3)), std::string(1, '\0'));
}

void ScrambleTest::textOutsideTheSetIsLeftOut() {
    // "€" and "’" are in Windows-1252; "Ω" and an emoji are not; "ÿ" is pushed past 255.
    QCOMPARE(UnscrambleText(ScrambleText("A€’B")), std::string("A€’B"));
    QCOMPARE(UnscrambleText(ScrambleText("AΩB😀C")), std::string("ABC"));
    QCOMPARE(UnscrambleText(ScrambleText("JÿRGEN")), std::string("JRGEN"));
    QCOMPARE(ScrambleText(""), std::string());
    // Malformed UTF-8 is skipped, not fatal.
    QCOMPARE(ToSingleByte(std::string("a\xff\xc3z", 4)), std::string("az"));
}

void ScrambleTest::scrambleKeepsOrder() {
    const std::string expected{char('A' + ScrambleOffset), char('B' + ScrambleOffset)};
    QCOMPARE(ScrambleBytes("AB"), expected);
    // Neither key nor value reads as itself once scrambled.
    QVERIFY(ScrambleText("Duration").find("Duration") == std::string::npos);
}

namespace {
ReadingRecord sampleReading() {
    ReadingRecord r;
    r.Name = "ANNA MARÍA";
    r.Month = "März";
    r.Day = "15";
    r.Year = "1950";
    r.Hour = "10";
    r.Minute = "30";
    r.Second = "59";
    r.LongitudeDegrees = "73";
    r.LongitudeMinutes = "51";
    r.LongitudeSeconds = "0";
    r.LongitudeDirection = "East";
    r.LatitudeDegrees = "18";
    r.LatitudeMinutes = "31";
    r.LatitudeSeconds = "12";
    r.LatitudeDirection = "South";
    return r;
}
} // namespace

void ScrambleTest::readingRoundTrip() {
    const ReadingRecord reading = sampleReading();
    QCOMPARE(DecodeReadingFile(EncodeReadingFile(reading)), reading);
    // Lines appended after the fifteenth change nothing.
    QCOMPARE(DecodeReadingFile(EncodeReadingFile(reading) + "more\r\nlines\r\n"), reading);
}

void ScrambleTest::readingFileLayout() {
    const std::string bytes = EncodeReadingFile(sampleReading());
    QVERIFY(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n");
    int lines = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            QCOMPARE(bytes[i + 1], '\n');
            ++lines;
        }
    }
    QCOMPARE(lines, ReadingFieldCount);
    QVERIFY(bytes.find("East") == std::string::npos);
    // One byte per character: "MARÍA" keeps its accented letter as a single byte.
    QCOMPARE(bytes.substr(0, bytes.find('\r')).size(), sampleReading().Name.size() - 1);
}

void ScrambleTest::readingFileReadRules_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    auto scrambled = [](const char* text) {
        return QByteArray::fromStdString(ScrambleBytes(text));
    };
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("only CRs") << QByteArray(40, '\r') << QStringList();
    QTest::newRow("three lines") << scrambled("ANNA") + "\r\n" + scrambled("May") + "\r\n" +
                                        scrambled("7") + "\r\n"
                                 << QStringList{"ANNA", "May", "7"};
    QTest::newRow("CR alone ends a line")
        << scrambled("A") + "\r" + scrambled("B") << QStringList{"A", "B"};
    QTest::newRow("LF alone is no line end") << scrambled("A") + "\n" + scrambled("B") + "\r\n"
                                             << QStringList{"AB"};
    QTest::newRow("bytes below the offset drop")
        << QByteArray("\x01\x02", 2) + scrambled("X") << QStringList{"X"};
}

void ScrambleTest::readingFileReadRules() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    const ReadingRecord reading =
        DecodeReadingFile(std::string_view(bytes.constData(), size_t(bytes.size())));
    const auto all = ReadingFields(reading);
    for (int i = 0; i < ReadingFieldCount; ++i)
        QCOMPARE(QString::fromStdString(*all[i]), i < fields.size() ? fields[i] : QString());
}

void ScrambleTest::readingFileBounds() {
    // A line without an end for megabytes keeps only its first bytes; the next line still reads.
    std::string huge(3 * 1024 * 1024, char('A' + ScrambleOffset));
    huge += "\r\n" + ScrambleBytes("May") + "\r\n";
    const ReadingRecord reading = DecodeReadingFile(huge);
    QCOMPARE(reading.Name.size(), MaxReadingLineBytes);
    QCOMPARE(reading.Month, std::string("May"));
    // Past the whole-file bound nothing more is read.
    std::string tooLong(MaxReadingFileBytes, '\r');
    tooLong += ScrambleBytes("X");
    QCOMPARE(DecodeReadingFile(tooLong), ReadingRecord{});
}

void ScrambleTest::fileEnding_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("ved") << "/tmp/reading.ved" << true;
    QTest::newRow("no dot") << "/tmp/readingved" << true;
    QTest::newRow("upper case") << "/tmp/reading.VED" << false;
    QTest::newRow("mixed case") << "/tmp/reading.Ved" << false;
    QTest::newRow("other") << "/tmp/reading.txt" << false;
    QTest::newRow("short") << "ed" << false;
}

void ScrambleTest::fileEnding() {
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(HasReadingFileEnding(path.toStdString()), accepted);
}

QTEST_APPLESS_MAIN(ScrambleTest)
#include "tst_scramble.moc"
