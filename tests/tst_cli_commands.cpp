// zenthari-cli driven as a user's script drives it: arguments in, text or JSON out, exit status.
#include "BirthDate.h"
#include "Lagna.h"
#include "LagnaInformation.h"
#include "ReadingFile.h"
#include "Records.h"
#include "Scramble.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace zenthari;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString cliPath() {
    const QByteArray explicitPath = qgetenv("ZENTHARI_CLI");
    if (!explicitPath.isEmpty())
        return QString::fromLocal8Bit(explicitPath);
    return QString::fromLocal8Bit(qgetenv("ZENTHARI_BINARY_DIR")) + QStringLiteral("/zenthari-cli");
}

Run runCli(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(cliPath(), arguments);
    if (!process.waitForStarted(30000))
        qFatal("zenthari-cli did not start: %s", qPrintable(process.errorString()));
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        qFatal("zenthari-cli did not finish for %s", qPrintable(arguments.join(' ')));
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QJsonObject parseObject(const QByteArray& line) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning("not a JSON object: %s", line.constData());
    return document.object();
}

QList<QByteArray> outputLines(const QByteArray& out) {
    QList<QByteArray> lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString fromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ReadingRecord sampleReading() {
    ReadingRecord r;
    r.Name = "Asha Rao";
    r.Month = "March";
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
    r.LatitudeSeconds = "0";
    r.LatitudeDirection = "South";
    return r;
}

QJsonObject readingAsJson(const ReadingRecord& reading) {
    QJsonObject object;
    const auto values = ReadingFields(reading);
    for (std::size_t i = 0; i < ReadingFieldNames.size(); ++i)
        object.insert(fromCore(ReadingFieldNames[i]), fromCore(*values[i]));
    return object;
}

QByteArray compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class CliCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void risingSignCarriesTheWholeProfile();
    void lagnaInfoHasAllFields();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void helpAndVersion();
    void batchAnswersInOrder();
    void batchBoundsLongLines();
    void batchAnswersEachLineAsItArrives();
    void batchAnswersTheWholeLagnaDomain();
    void readingRoundTrip();
    void readingWriteReportsLostCharacters();
    void readingWriteRefuses_data();
    void readingWriteRefuses();
    void readingReadCopesWithBadFiles();
};

// Each row: arguments; the fields the JSON answer must hold; a line the readable answer shows.
void CliCommandsTest::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QVariantMap>("expected");
    QTest::addColumn<QString>("readableLine");

    QTest::newRow("sun sign 29 February")
        << QStringList{"sun-sign", "--month", "2", "--day", "29"}
        << QVariantMap{{"SunSign", "Pisces"}} << "Sun sign: Pisces";
    QTest::newRow("sun sign 19 January")
        << QStringList{"sun-sign", "--month", "1", "--day", "19"}
        << QVariantMap{{"SunSign", "Capricorn"}} << "Sun sign: Capricorn";
    QTest::newRow("sun sign 20 January, value after =")
        << QStringList{"sun-sign", "--month=1", "--day=20"} << QVariantMap{{"SunSign", "Aquarius"}}
        << "Sun sign: Aquarius";
    QTest::newRow("sun sign 31 December")
        << QStringList{"sun-sign", "--day", "31", "--month", "12"}
        << QVariantMap{{"SunSign", "Capricorn"}} << "Sun sign: Capricorn";
    QTest::newRow("rising Leo 10am-noon")
        << QStringList{"rising-sign", "--month", "8", "--day", "1", "--window", "10am-noon"}
        << QVariantMap{{"SunSign", "Leo"},
                       {"TimeWindow", "10am-noon"},
                       {"RisingSignKey", "Leo-10am-noon"},
                       {"RisingSign", "Scorpio"},
                       {"RulingPlanet", "Mars"},
                       {"Symbol", "The Scorpion"},
                       {"LuckyColors", "Brown, Red, Yellow, White"},
                       {"PictureNumber", 8}}
        << "Rising sign: Scorpio";
    QTest::newRow("rising Aries 2am-4am wraps to Pisces")
        << QStringList{"rising-sign", "--month", "4", "--day", "1", "--window", "2am-4am"}
        << QVariantMap{{"SunSign", "Aries"},
                       {"RisingSign", "Pisces"},
                       {"LuckyDays", "Thursday, Monday, Tuesday"},
                       {"LuckyGemstone", "Yellow Sapphire"},
                       {"PictureNumber", 12}}
        << "Lucky numbers: 1, 3, 4";
    QTest::newRow("lagna 15 March 10:30")
        << QStringList{"lagna", "--month", "3", "--day", "15", "--hour", "10", "--minute", "30"}
        << QVariantMap{{"SignIndex", 1},
                       {"VedicName", "Vrishabha"},
                       {"EnglishName", "Taurus"},
                       {"LagnaMinuteCount", 246}}
        << "Vedic name: Vrishabha";
    QTest::newRow("lagna count 1440 stays")
        << QStringList{"lagna", "--month", "1", "--day", "1", "--hour", "11", "--minute", "50"}
        << QVariantMap{{"SignIndex", 11}, {"VedicName", "Meena"}, {"LagnaMinuteCount", 1440}}
        << "Lagna minute count: 1440";
    QTest::newRow("lagna 30 June 23:59 folds twice")
        << QStringList{"lagna", "--month", "6", "--day", "30", "--hour", "23", "--minute", "59"}
        << QVariantMap{{"VedicName", "Meena"}, {"LagnaMinuteCount", 6}} << "English name: Pisces";
    QTest::newRow("lagna 1 July 01:07 is Mesha")
        << QStringList{"lagna", "--month", "7", "--day", "1", "--hour", "1", "--minute", "7"}
        << QVariantMap{{"SignIndex", 0}, {"VedicName", "Mesha"}, {"LagnaMinuteCount", 77}}
        << "Sign index: 0";
    QTest::newRow("lagna on 29 February")
        << QStringList{"lagna", "--month", "2", "--day", "29", "--hour", "0", "--minute", "0"}
        << QVariantMap{{"LagnaMinuteCount", 966}} << "Lagna minute count: 966";
    QTest::newRow("lagna-info Makara") << QStringList{"lagna-info", "--vedic", "Makara"}
                                       << QVariantMap{{"VedicName", "Makara"},
                                                      {"Symbol", "The Crocodile"},
                                                      {"LuckyGemstone", "Blue Sapphire"}}
                                       << "Symbol: The Crocodile";
}

void CliCommandsTest::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(QVariantMap, expected);
    QFETCH(QString, readableLine);

    const Run json = runCli(arguments + QStringList{"--json"});
    QCOMPARE(json.exitCode, 0);
    QVERIFY2(json.err.isEmpty(), json.err.constData());
    QCOMPARE(outputLines(json.out).size(), 1);
    const QVariantMap answer = parseObject(json.out).toVariantMap();
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(answer.value(it.key()), it.value());

    const Run text = runCli(arguments);
    QCOMPARE(text.exitCode, 0);
    const QStringList lines = QString::fromUtf8(text.out).split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(readableLine), text.out.constData());
}

void CliCommandsTest::risingSignCarriesTheWholeProfile() {
    const Run run =
        runCli({"rising-sign", "--month", "3", "--day", "25", "--window", "4am-6am", "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject answer = parseObject(run.out);
    const QStringList names = {"SunSign",
                               "TimeWindow",
                               "RisingSignKey",
                               "RisingSign",
                               "RulingPlanet",
                               "Symbol",
                               "Element",
                               "SignColor",
                               "TypeOfSign",
                               "LuckyDays",
                               "LuckyNumbers",
                               "LuckyDirection",
                               "LuckyColors",
                               "LuckyGemstone",
                               "PictureNumber",
                               "Looks",
                               "Nature",
                               "CareerAndFinance",
                               "LoveAndDomesticLife",
                               "Health"};
    QCOMPARE(answer.keys().size(), names.size());
    for (const QString& name : names)
        QVERIFY2(answer.contains(name), qPrintable(name));
    // Aries rising: the colour text twice, picture 1, and real paragraphs for the texts.
    QCOMPARE(answer.value("RisingSign").toString(), QString("Aries"));
    QCOMPARE(answer.value("SignColor").toString(), QString("Red, Brown, Copper"));
    QCOMPARE(answer.value("LuckyColors").toString(), QString("Red, Brown, Copper"));
    QCOMPARE(answer.value("PictureNumber").toInt(), 1);
    QVERIFY(answer.value("Looks").toString().size() >= 103);
    QVERIFY(answer.value("Nature").toString().size() >= 515);
    QVERIFY(answer.value("Health").toString().size() >= 81);

    // The readable form prints every long text as a paragraph under its own heading.
    const QString text = QString::fromUtf8(
        runCli({"rising-sign", "--month", "3", "--day", "25", "--window", "4am-6am"}).out);
    for (const char* heading :
         {"Looks:", "Nature:", "Career and finance:", "Love and domestic life:", "Health:"})
        QVERIFY2(text.contains(QLatin1Char('\n') + QLatin1String(heading) + QLatin1Char('\n')),
                 heading);
    QVERIFY(text.contains(answer.value("Nature").toString()));
}

void CliCommandsTest::lagnaInfoHasAllFields() {
    const Run run = runCli({"lagna-info", "--vedic", "Thula", "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject answer = parseObject(run.out);
    QCOMPARE(answer.size(), LagnaFieldCount);
    const LagnaRecord thula = LagnaCatalogueEntry(6);
    const auto values = LagnaFields(thula);
    for (int i = 0; i < LagnaFieldCount; ++i) {
        const QString name = fromCore(LagnaFieldNames[static_cast<std::size_t>(i)]);
        QVERIFY2(answer.value(name).isString(), qPrintable(name));
        QCOMPARE(answer.value(name).toString(), fromCore(*values[static_cast<std::size_t>(i)]));
        QVERIFY2(!answer.value(name).toString().isEmpty(), qPrintable(name));
    }
    QCOMPARE(answer.value("EnglishName").toString(), QString("Libra"));
    QCOMPARE(answer.value("PartOfTheBody").toString(), QString("Lower Abdomen & Groin"));

    const QString text = QString::fromUtf8(runCli({"lagna-info", "--vedic", "Thula"}).out);
    QVERIFY(text.contains("\nPart of the body: Lower Abdomen & Groin\n"));
    QVERIFY(text.contains("\nNot compatible with: Taurus, Virgo, Capricorn\n"));
    QVERIFY(text.contains("\nLove and domestic life:\n"));
}

// Each row: arguments, and a word the message on standard error must contain.
void CliCommandsTest::badInputIsRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("messageWord");

    const auto lagna = [](const QString& m, const QString& d, const QString& h, const QString& mi) {
        return QStringList{"lagna", "--month", m, "--day", d, "--hour", h, "--minute", mi};
    };
    QTest::newRow("month 0") << lagna("0", "1", "0", "0") << "month";
    QTest::newRow("month 13") << lagna("13", "1", "0", "0") << "month";
    QTest::newRow("day 0") << lagna("1", "0", "0", "0") << "day";
    QTest::newRow("day 32") << lagna("1", "32", "0", "0") << "day";
    QTest::newRow("30 February") << lagna("2", "30", "0", "0") << "February 30";
    QTest::newRow("31 February") << lagna("2", "31", "0", "0") << "February 31";
    QTest::newRow("31 April") << lagna("4", "31", "0", "0") << "April 31";
    QTest::newRow("31 June") << lagna("6", "31", "0", "0") << "June 31";
    QTest::newRow("31 September") << lagna("9", "31", "0", "0") << "September 31";
    QTest::newRow("31 November") << lagna("11", "31", "0", "0") << "November 31";
    QTest::newRow("hour 24") << lagna("1", "1", "24", "0") << "hour";
    QTest::newRow("hour -1") << lagna("1", "1", "-1", "0") << "hour";
    QTest::newRow("minute 60") << lagna("1", "1", "0", "60") << "minute";
    QTest::newRow("huge minute") << lagna("1", "1", "0", "99999999999999999999999") << "minute";
    QTest::newRow("month not a number") << lagna("March", "1", "0", "0") << "whole number";
    QTest::newRow("day with a fraction") << lagna("1", "1.5", "0", "0") << "whole number";
    QTest::newRow("empty hour") << lagna("1", "1", "", "0") << "whole number";
    QTest::newRow("sun sign 30 February")
        << QStringList{"sun-sign", "--month", "2", "--day", "30"} << "February 30";
    QTest::newRow("sun sign missing day") << QStringList{"sun-sign", "--month", "2"} << "--day";
    QTest::newRow("lagna missing minute")
        << QStringList{"lagna", "--month", "1", "--day", "1", "--hour", "1"} << "--minute";
    QTest::newRow("window in other case")
        << QStringList{"rising-sign", "--month", "1", "--day", "1", "--window", "10AM-noon"}
        << "window";
    QTest::newRow("window with blanks")
        << QStringList{"rising-sign", "--month", "1", "--day", "1", "--window", "10am - noon"}
        << "window";
    QTest::newRow("window missing")
        << QStringList{"rising-sign", "--month", "1", "--day", "1"} << "--window";
    QTest::newRow("rising sign 31 June")
        << QStringList{"rising-sign", "--month", "6", "--day", "31", "--window", "4am-6am"}
        << "June 31";
    QTest::newRow("English name for Vedic")
        << QStringList{"lagna-info", "--vedic", "Aries"} << "Vedic";
    QTest::newRow("Vedic lower case") << QStringList{"lagna-info", "--vedic", "mesha"} << "Vedic";
    QTest::newRow("Vedic with blank") << QStringList{"lagna-info", "--vedic", " Mesha"} << "Vedic";
    QTest::newRow("Vedic Tula") << QStringList{"lagna-info", "--vedic", "Tula"} << "Vedic";
    QTest::newRow("Vedic missing") << QStringList{"lagna-info", "--json"} << "--vedic";
    QTest::newRow("unknown command") << QStringList{"moon-sign"} << "unknown command";
    QTest::newRow("no command") << QStringList{} << "Usage";
    QTest::newRow("unknown option")
        << QStringList{"sun-sign", "--month", "1", "--day", "1", "--year", "1990"} << "year";
    QTest::newRow("stray argument")
        << QStringList{"sun-sign", "--month", "1", "--day", "1", "Leo"} << "unexpected";
    QTest::newRow("reading without action") << QStringList{"reading"} << "read FILE";
    QTest::newRow("reading unknown action") << QStringList{"reading", "show", "x.ved"} << "show";
    QTest::newRow("reading read without file") << QStringList{"reading", "read"} << "FILE";
}

void CliCommandsTest::badInputIsRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, messageWord);
    for (const bool json : {false, true}) {
        const Run run =
            runCli(json && !arguments.isEmpty() ? arguments + QStringList{"--json"} : arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.out.isEmpty(), run.out.constData());
        QVERIFY2(QString::fromUtf8(run.err).contains(messageWord), run.err.constData());
    }
}

void CliCommandsTest::helpAndVersion() {
    const Run global = runCli({"--help"});
    QCOMPARE(global.exitCode, 0);
    for (const char* command : {"sun-sign", "rising-sign", "lagna", "lagna-info", "batch",
                                "reading read", "reading write"})
        QVERIFY2(global.out.contains(command), command);

    const QList<QPair<QString, QStringList>> commands = {
        {"sun-sign", {"--month", "--day", "--json"}},
        {"rising-sign", {"--window", "10pm-midnight", "--json"}},
        {"lagna", {"--hour", "--minute", "LagnaMinuteCount"}},
        {"lagna-info", {"--vedic", "Vrischika", "NotCompatibleWith"}},
        {"batch", {"\"op\":\"lagna\"", "error", "Blank lines"}},
        {"reading", {"read FILE", "write FILE", "LatitudeDirection"}}};
    for (const auto& [command, words] : commands) {
        const Run help = runCli({command, "--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.startsWith("Usage: zenthari-cli " + command.toUtf8()));
        for (const QString& word : words)
            QVERIFY2(help.out.contains(word.toUtf8()), qPrintable(command + ": " + word));
    }

    const Run version = runCli({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("zenthari-cli 1.30\n"));
}

void CliCommandsTest::batchAnswersInOrder() {
    const QByteArray input =
        "{\"op\":\"sun-sign\",\"month\":2,\"day\":29}\n"
        "\n"
        "   \t\n"
        "{\"op\":\"lagna\",\"month\":3,\"day\":15,\"hour\":10,\"minute\":30}\r\n"
        "not json\n"
        "[1,2,3]\n"
        "{\"op\":\"lagna\",\"month\":2,\"day\":30,\"hour\":1,\"minute\":1}\n"
        "{\"op\":\"lagna\",\"month\":\"3\",\"day\":15,\"hour\":1,\"minute\":1}\n"
        "{\"op\":\"lagna\",\"month\":3.5,\"day\":15,\"hour\":1,\"minute\":1}\n"
        "{\"op\":\"lagna\",\"month\":3,\"day\":15,\"hour\":1}\n"
        "{\"op\":\"sun-sign\",\"month\":3,\"day\":15,\"minutes\":1}\n"
        "{\"op\":\"moon\"}\n"
        "{\"month\":3}\n"
        "{\"op\":\"lagna-info\",\"vedic\":\"Aries\"}\n"
        "{\"op\":\"lagna-info\",\"vedic\":\"Meena\"}\n"
        "{\"op\":\"rising-sign\",\"month\":8,\"day\":1,\"window\":\"10am-noon\"}\n"
        "{\"op\":\"rising-sign\",\"month\":8,\"day\":1,\"window\":\"noon\"}\n"
        "{\"op\":\"sun-sign\",\"month\":12,\"day\":31}"; // no line end
    const Run run = runCli({"batch"}, input);
    QCOMPARE(run.exitCode, 1);
    const QList<QByteArray> lines = outputLines(run.out);
    // One answer per non-blank line, in order; null marks an expected error with its line number.
    const QList<std::pair<QString, QVariant>> expected = {
        {"SunSign", "Pisces"},     {"VedicName", "Vrishabha"}, {"error", "line 5:"},
        {"error", "line 6:"},      {"error", "line 7:"},       {"error", "line 8:"},
        {"error", "line 9:"},      {"error", "line 10:"},      {"error", "line 11:"},
        {"error", "line 12:"},     {"error", "line 13:"},      {"error", "line 14:"},
        {"EnglishName", "Pisces"}, {"RisingSign", "Scorpio"},  {"error", "line 17:"},
        {"SunSign", "Capricorn"}};
    QCOMPARE(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject answer = parseObject(lines[i]);
        const auto& [key, value] = expected[i];
        QVERIFY2(answer.contains(key), lines[i].constData());
        if (key == "error") {
            QCOMPARE(answer.size(), 1);
            QVERIFY2(answer.value(key).toString().startsWith(value.toString()),
                     lines[i].constData());
        } else {
            QCOMPARE(answer.value(key).toVariant(), value);
        }
    }

    // Nothing but good lines: status 0. Nothing at all: no answers, status 0.
    const Run good = runCli({"batch"}, "{\"op\":\"sun-sign\",\"month\":1,\"day\":1}\n"
                                       "{\"op\":\"lagna-info\",\"vedic\":\"Thula\"}\n");
    QCOMPARE(good.exitCode, 0);
    QCOMPARE(outputLines(good.out).size(), 2);
    QCOMPARE(parseObject(outputLines(good.out)[1]).size(), LagnaFieldCount);
    const Run empty = runCli({"batch"}, "");
    QCOMPARE(empty.exitCode, 0);
    QVERIFY(empty.out.isEmpty());
}

void CliCommandsTest::batchBoundsLongLines() {
    // A line far past the bound, one just within it, and good lines around them.
    const QByteArray huge(3 * 1024 * 1024, 'x');
    QByteArray padded = "{\"op\":\"sun-sign\",\"month\":1,\"day\":20}";
    padded.append(QByteArray(64 * 1024 - padded.size(), ' '));
    const QByteArray input = "{\"op\":\"sun-sign\",\"month\":1,\"day\":1}\n" + huge + "\n" +
                             padded + "\n" + "{\"op\":\"sun-sign\",\"month\":3,\"day\":21}\n" +
                             huge;
    const Run run = runCli({"batch"}, input);
    QCOMPARE(run.exitCode, 1);
    const QList<QByteArray> lines = outputLines(run.out);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(parseObject(lines[0]).value("SunSign").toString(), QString("Capricorn"));
    QVERIFY(parseObject(lines[1]).value("error").toString().startsWith("line 2: request longer"));
    QCOMPARE(parseObject(lines[2]).value("SunSign").toString(), QString("Aquarius"));
    QCOMPARE(parseObject(lines[3]).value("SunSign").toString(), QString("Aries"));
    QVERIFY(parseObject(lines[4]).value("error").toString().startsWith("line 5: request longer"));
}

// A program talking to the batch line by line must not wait forever for its first answer.
void CliCommandsTest::batchAnswersEachLineAsItArrives() {
    QProcess process;
    process.start(cliPath(), {"batch"});
    QVERIFY(process.waitForStarted(30000));
    for (const auto& [request, answer] :
         {std::pair{QByteArray("{\"op\":\"sun-sign\",\"month\":2,\"day\":29}\n"),
                    QByteArray("{\"SunSign\":\"Pisces\"}\n")},
          std::pair{QByteArray("{\"op\":\"lagna-info\"}\n"),
                    QByteArray("{\"error\":\"line 2: missing field \\\"vedic\\\"\"}\n")}}) {
        process.write(request);
        QByteArray got;
        while (!got.endsWith('\n') && process.waitForReadyRead(30000))
            got += process.readAllStandardOutput();
        QCOMPARE(got, answer);
    }
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 1);
}

// Every month, day, hour and minute, the impossible days included, in one batch.
void CliCommandsTest::batchAnswersTheWholeLagnaDomain() {
    QByteArray input;
    input.reserve(40 * 12 * 31 * 24 * 60);
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day)
            for (int hour = 0; hour < 24; ++hour)
                for (int minute = 0; minute < 60; ++minute)
                    input += QStringLiteral("{\"op\":\"lagna\",\"month\":%1,\"day\":%2,\"hour\":%3,"
                                            "\"minute\":%4}\n")
                                 .arg(month)
                                 .arg(day)
                                 .arg(hour)
                                 .arg(minute)
                                 .toLatin1();
    const Run run = runCli({"batch"}, input);
    QCOMPARE(run.exitCode, 1); // the days no year has are answered with errors
    const QList<QByteArray> lines = outputLines(run.out);
    QCOMPARE(lines.size(), 12 * 31 * 24 * 60);

    qsizetype i = 0;
    int refused = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day)
            for (int hour = 0; hour < 24; ++hour)
                for (int minute = 0; minute < 60; ++minute) {
                    const QJsonObject answer = parseObject(lines[i++]);
                    if (!DayExistsInSomeYear(month, day)) {
                        QVERIFY(answer.contains("error"));
                        ++refused;
                        continue;
                    }
                    const SignIndex sign = ComputeLagnaSign(month, day, hour, minute);
                    if (answer.value("SignIndex").toInt(-1) != sign ||
                        answer.value("VedicName").toString() != fromCore(VedicSignNames[sign]) ||
                        answer.value("EnglishName").toString() !=
                            fromCore(EnglishSignNames[sign]) ||
                        answer.value("LagnaMinuteCount").toInt() !=
                            LagnaMinuteCount(month, day, hour, minute))
                        QFAIL(qPrintable(QStringLiteral("%1/%2 %3:%4 answered %5")
                                             .arg(month)
                                             .arg(day)
                                             .arg(hour)
                                             .arg(minute)
                                             .arg(QString::fromUtf8(lines[i - 1]))));
                }
    // 30 and 31 February, 31 April, June, September, November: six days of 1440 minutes.
    QCOMPARE(refused, 6 * 24 * 60);
}

void CliCommandsTest::readingRoundTrip() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("asha.ved");
    const ReadingRecord reading = sampleReading();

    const Run write = runCli({"reading", "write", path}, compact(readingAsJson(reading)));
    QCOMPARE(write.exitCode, 0);
    QVERIFY2(write.err.isEmpty(), write.err.constData());

    // The program's own format: 15 lines, each ended by CR LF, nothing after the last.
    const QByteArray bytes = fileBytes(path);
    QCOMPARE(bytes, QByteArray::fromStdString(EncodeReadingFile(reading)));
    QCOMPARE(bytes.count("\r\n"), 15);
    QCOMPARE(bytes.count('\n'), 15);
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!bytes.contains("Asha")); // stored scrambled

    const Run read = runCli({"reading", "read", path});
    QCOMPARE(read.exitCode, 0);
    QCOMPARE(parseObject(read.out), readingAsJson(reading));

    // What read prints, write takes back: the same file again, replacing the old one whole.
    const QString copy = dir.filePath("copy.ved");
    QFile old(copy);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'z'));
    old.close();
    QCOMPARE(runCli({"reading", "write", copy}, read.out).exitCode, 0);
    QCOMPARE(fileBytes(copy), bytes);

    // A name the program's open dialog would refuse is written, with a word of warning.
    const Run text = runCli({"reading", "write", dir.filePath("asha.txt")}, read.out);
    QCOMPARE(text.exitCode, 0);
    QVERIFY2(text.err.contains("warning") && text.err.contains("\"ved\""), text.err.constData());
    QCOMPARE(fileBytes(dir.filePath("asha.txt")), bytes);
}

void CliCommandsTest::readingWriteReportsLostCharacters() {
    QTemporaryDir dir;
    const QString path = dir.filePath("zoe.ved");
    ReadingRecord reading = sampleReading();
    reading.Name = "Zoë ñ ò 漢"; // ë and ñ fit; ò is pushed past 255; 漢 is not in the set
    reading.Month = "März";
    const Run write = runCli({"reading", "write", path}, compact(readingAsJson(reading)));
    QCOMPARE(write.exitCode, 0);
    QVERIFY2(write.err.contains("warning") && write.err.contains("Name") &&
                 !write.err.contains("Month"),
             write.err.constData());

    const QJsonObject back = parseObject(runCli({"reading", "read", path}).out);
    QCOMPARE(back.value("Name").toString(), QString("Zoë ñ  "));
    QCOMPARE(back.value("Month").toString(), QString("März"));
}

// Each row: what arrives on standard input, and a word the refusal must contain.
void CliCommandsTest::readingWriteRefuses_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("messageWord");

    const QJsonObject good = readingAsJson(sampleReading());
    QJsonObject lacking = good;
    lacking.remove("LatitudeDirection");
    QJsonObject number = good;
    number.insert("Day", 15);
    QJsonObject null = good;
    null.insert("Name", QJsonValue::Null);
    QJsonObject nested = good;
    nested.insert("Month", QJsonObject{{"name", "March"}});
    QJsonObject extra = good;
    extra.insert("City", "Pune");

    QTest::newRow("nothing") << QByteArray() << "no reading";
    QTest::newRow("not JSON") << QByteArray("Name=Asha") << "JSON object";
    QTest::newRow("broken JSON") << QByteArray("{\"Name\" \"Asha\"}") << "not valid JSON";
    QTest::newRow("cut short") << compact(good).chopped(5) << "not valid JSON";
    QTest::newRow("array") << QByteArray("[\"Asha\"]") << "JSON object";
    QTest::newRow("string") << QByteArray("\"Asha\"") << "JSON object";
    QTest::newRow("lacks a field") << compact(lacking) << "LatitudeDirection";
    QTest::newRow("empty object") << QByteArray("{}") << "lacks";
    QTest::newRow("number value") << compact(number) << "Day";
    QTest::newRow("null value") << compact(null) << "Name";
    QTest::newRow("object value") << compact(nested) << "Month";
    QTest::newRow("unknown field") << compact(extra) << "City";
    QTest::newRow("too large") << QByteArray(9 * 1024 * 1024, ' ') << "larger than";
}

void CliCommandsTest::readingWriteRefuses() {
    QFETCH(QByteArray, input);
    QFETCH(QString, messageWord);
    QTemporaryDir dir;

    // A new file is not created...
    const QString path = dir.filePath("new.ved");
    const Run run = runCli({"reading", "write", path}, input);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(QString::fromUtf8(run.err).contains(messageWord), run.err.constData());
    QVERIFY(run.err.contains("nothing was written"));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);

    // ...and an existing one keeps its bytes.
    const QString existing = dir.filePath("old.ved");
    const QByteArray oldBytes = QByteArray::fromStdString(EncodeReadingFile(sampleReading()));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(oldBytes);
    file.close();
    QCOMPARE(runCli({"reading", "write", existing}, input).exitCode, 2);
    QCOMPARE(fileBytes(existing), oldBytes);
}

void CliCommandsTest::readingReadCopesWithBadFiles() {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the fixture");
        file.write(bytes);
        return file.fileName();
    };

    // Files that cannot be read at all: a clear message and status 2.
    for (const QString& path : {dir.filePath("missing.ved"), dir.path()}) {
        const Run run = runCli({"reading", "read", path});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("cannot read"), run.err.constData());
    }
    const Run writeIntoNowhere = runCli({"reading", "write", dir.filePath("no/such/folder.ved")},
                                        compact(readingAsJson(sampleReading())));
    QCOMPARE(writeIntoNowhere.exitCode, 2);
    QVERIFY(writeIntoNowhere.err.contains("cannot write"));

    // Damaged files read as the program reads them: what is there, empty fields after it.
    const QByteArray saved = QByteArray::fromStdString(EncodeReadingFile(sampleReading()));
    qsizetype thirdLineEnd = -2;
    for (int line = 0; line < 3; ++line)
        thirdLineEnd = saved.indexOf("\r\n", thirdLineEnd + 2);
    const QByteArray storedA = QByteArray::fromStdString(ScrambleText("a"));
    struct Case {
        const char* file;
        QByteArray bytes;
        QString name;
        QString day;
        QString year;
        QString latitudeDirection;
    };
    const QList<Case> cases = {
        {"empty.ved", {}, "", "", "", ""},
        {"only-crs.ved", QByteArray(100000, '\r'), "", "", "", ""},
        {"three-lines.ved", saved.left(thirdLineEnd + 2), "Asha Rao", "15", "", ""},
        {"extra-lines.ved", saved + "garbage\r\nmore\r\n", "Asha Rao", "15", "1950", "South"},
        {"bare-lf.ved", QByteArray(storedA + "\n" + storedA), "aa", "", "", ""},
        // One line without a CR for megabytes: cut at the bound, nothing else taken from it.
        {"endless.ved", storedA.repeated(5 * 1024 * 1024),
         QString(qsizetype(MaxReadingLineBytes), QLatin1Char('a')), "", "", ""},
    };
    for (const Case& c : cases) {
        const Run run = runCli({"reading", "read", write(c.file, c.bytes)});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject answer = parseObject(run.out);
        QCOMPARE(answer.size(), ReadingFieldCount);
        QCOMPARE(answer.value("Name").toString(), c.name);
        QCOMPARE(answer.value("Day").toString(), c.day);
        QCOMPARE(answer.value("Year").toString(), c.year);
        QCOMPARE(answer.value("LatitudeDirection").toString(), c.latitudeDirection);
    }

    // Binary garbage: every field is still text, and the answer is valid JSON.
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 37 + 11) % 256));
    const Run run = runCli({"reading", "read", write("garbage.ved", garbage)});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject answer = parseObject(run.out);
    QCOMPARE(answer.size(), ReadingFieldCount);
    for (auto it = answer.begin(); it != answer.end(); ++it)
        QVERIFY(it.value().isString());
}

QTEST_GUILESS_MAIN(CliCommandsTest)
#include "tst_cli_commands.moc"
