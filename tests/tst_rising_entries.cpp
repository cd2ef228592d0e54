// The rules behind the rising sign input screen, checked without a window.
#include "rising/RisingSignEntries.h"

#include <QtTest>

using namespace RisingSignEntries;

class RisingEntriesTest : public QObject {
    Q_OBJECT

private slots:
    void typedCharacters_data();
    void typedCharacters();
    void pastedTexts_data();
    void pastedTexts();
    void checksComeInOrder_data();
    void checksComeInOrder();
};

void RisingEntriesTest::typedCharacters_data() {
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("inserted"); // -1: refused
    QTest::newRow("a") << int('a') << int('A');
    QTest::newRow("z") << int('z') << int('Z');
    QTest::newRow("A") << int('A') << int('A');
    QTest::newRow("Z") << int('Z') << int('Z');
    QTest::newRow("backspace") << 8 << 8;
    QTest::newRow("Enter") << 13 << 13;
    QTest::newRow("space") << 32 << 32;
    // The neighbours of the letter ranges.
    QTest::newRow("@") << int('@') << -1;
    QTest::newRow("[") << int('[') << -1;
    QTest::newRow("`") << int('`') << -1;
    QTest::newRow("{") << int('{') << -1;
    QTest::newRow("0") << int('0') << -1;
    QTest::newRow("tab") << 9 << -1;
    QTest::newRow("sharp s") << 0xDF << -1;
    QTest::newRow("e acute") << 0xE9 << -1;
}

void RisingEntriesTest::typedCharacters() {
    QFETCH(int, typed);
    QFETCH(int, inserted);
    const std::optional<QChar> result = NameKeyPress(QChar(char16_t(typed)));
    QCOMPARE(result ? int(result->unicode()) : -1, inserted);
}

void RisingEntriesTest::pastedTexts_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<bool>("refused");
    QTest::newRow("mixed case") << "van der Berg"
                                << "VAN DER BERG" << false;
    QTest::newRow("blanks only") << "   "
                                 << "   " << false;
    QTest::newRow("tab") << "ann\tlee"
                         << "" << true;
    QTest::newRow("dot") << "J. Doe"
                         << "" << true;
    QTest::newRow("umlaut") << QStringLiteral("J\u00FCrgen") << "" << true;
}

void RisingEntriesTest::pastedTexts() {
    QFETCH(QString, pasted);
    QFETCH(QString, inserted);
    QFETCH(bool, refused);
    const std::optional<QString> result = NameFromPastedText(pasted);
    QCOMPARE(!result.has_value(), refused);
    if (result)
        QCOMPARE(*result, inserted);
}

void RisingEntriesTest::checksComeInOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<bool>("focusName");
    QTest::newRow("empty name before a bad date")
        << "" << 2 << 30 << "Please Enter Your Name !" << true;
    QTest::newRow("blank name, bad February day")
        << " " << 2 << 30 << "Please Enter Correct Date Or Month!" << false;
    QTest::newRow("blank name, 31 November")
        << " " << 11 << 31 << "Please Enter Correct Date Or Month !" << false;
    QTest::newRow("all good") << "ANN" << 12 << 31 << "" << false;
}

void RisingEntriesTest::checksComeInOrder() {
    QFETCH(QString, name);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, message);
    QFETCH(bool, focusName);
    const std::optional<EntryProblem> problem = CheckEntries(name, month, day, 1999);
    QCOMPARE(problem ? problem->text : QString(), message);
    if (problem) {
        QCOMPARE(problem->focusName, focusName);
        QCOMPARE(problem->icon, focusName ? MessageBox::Icon::None : MessageBox::Icon::Information);
    }
}

QTEST_MAIN(RisingEntriesTest)
#include "tst_rising_entries.moc"
