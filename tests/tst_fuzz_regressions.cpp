// Inputs the fuzzers once found breaking an invariant, kept as plain cases. The raw inputs also
// stay in fuzz/corpus/ and are replayed by the fuzz_*_corpus tests.
#include "ReadingFile.h"
#include "Scramble.h"
#include "SingleByteText.h"

#include <QtTest>

using namespace zenthari;

class FuzzRegressionsTest : public QObject {
    Q_OBJECT

private slots:
    void malformedUtf8IsLeftOut_data();
    void malformedUtf8IsLeftOut();
    void malformedNameInAReadingFile();
};

void FuzzRegressionsTest::malformedUtf8IsLeftOut_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("singleByte");
    // Overlong forms once decoded to the character they spell the long way round: C1 BD became
    // "}" and C0 AF a "/".
    QTest::newRow("overlong brace") << QByteArray("a\xC1\xBD"
                                                  "b")
                                    << QByteArray("ab");
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QByteArray();
    QTest::newRow("overlong NUL") << QByteArray("x\xC0\x80y") << QByteArray("xy");
    QTest::newRow("overlong 3-byte") << QByteArray("\xE0\x81\xBF!") << QByteArray("!");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80z") << QByteArray("z");
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80q") << QByteArray("q");
    // Well-formed neighbours still convert.
    QTest::newRow("e acute") << QByteArray("\xC3\xA9") << QByteArray("\xE9");
    QTest::newRow("euro sign") << QByteArray("\xE2\x82\xAC") << QByteArray("\x80");
    QTest::newRow("U+0080 shortest form") << QByteArray("\xC2\x80") << QByteArray();
}

void FuzzRegressionsTest::malformedUtf8IsLeftOut() {
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, singleByte);
    const std::string converted = ToSingleByte(utf8.toStdString());
    QCOMPARE(QByteArray::fromStdString(converted), singleByte);
    // The scrambling goes through the same conversion, so it drops the same bytes.
    QCOMPARE(UnscrambleText(ScrambleText(utf8.toStdString())), FromSingleByte(converted));
}

void FuzzRegressionsTest::malformedNameInAReadingFile() {
    ReadingRecord reading;
    reading.Name = "A\xC0\xAF"
                   "B";
    reading.LongitudeDirection = "East";
    const ReadingRecord back = DecodeReadingFile(EncodeReadingFile(reading));
    QCOMPARE(QString::fromStdString(back.Name), QStringLiteral("AB"));
    QCOMPARE(QString::fromStdString(back.LongitudeDirection), QStringLiteral("East"));
}

QTEST_MAIN(FuzzRegressionsTest)
#include "tst_fuzz_regressions.moc"
