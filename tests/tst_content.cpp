// The interpretive texts and the rising sign profiles as the screens receive them.
#include "RisingSign.h"
#include "RisingSignProfile.h"
#include "SignCatalogue.h"
#include "Texts.h"
#include "TextsSource.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace zenthari;

namespace {

struct Bounds {
    const char* field;
    int minimum;
    int maximum;
};

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

QList<QPair<QString, QString>> fieldsOf(const LongTexts& t) {
    return {{"Looks", text(t.Looks)},
            {"Nature", text(t.Nature)},
            {"CareerAndFinance", text(t.CareerAndFinance)},
            {"LoveAndDomesticLife", text(t.LoveAndDomesticLife)},
            {"Health", text(t.Health)}};
}

// Every text of both sets, labelled "set sign field".
QList<QPair<QString, QString>> allTexts() {
    QList<QPair<QString, QString>> all;
    for (int sign = 0; sign < SignCount; ++sign) {
        for (const auto& [field, body] : fieldsOf(RisingSignTexts(sign)))
            all.append({QString("rising %1 %2").arg(text(EnglishSignNames[sign]), field), body});
        for (const auto& [field, body] : fieldsOf(LagnaTexts(sign)))
            all.append({QString("lagna %1 %2").arg(text(VedicSignNames[sign]), field), body});
    }
    return all;
}

} // namespace

class ContentTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFileParses();
    void textLengths_data();
    void textLengths();
    void noSentenceRepeats();
    void typographicApostropheAppears();
    void spelling();
    void profiles_data();
    void profiles();
    void profileNamesAreExact();
    void sunSignsSharingARisingSignShareItsProfile();
    void parserRejectsMalformedFiles_data();
    void parserRejectsMalformedFiles();
};

void ContentTest::everyTextFileParses() {
    for (const auto* sources : {&risingTextSources(), &lagnaTextSources()}) {
        for (int sign = 0; sign < SignCount; ++sign) {
            std::string error;
            QVERIFY2(
                ParseTextFile((*sources)[sign], &error).has_value(),
                qPrintable(text(EnglishSignNames[sign]) + ": " + QString::fromStdString(error)));
        }
    }
}

void ContentTest::textLengths_data() {
    QTest::addColumn<bool>("rising");
    QTest::addColumn<int>("sign");
    for (int sign = 0; sign < SignCount; ++sign) {
        QTest::addRow("rising %s", EnglishSignNames[sign].data()) << true << sign;
        QTest::addRow("lagna %s", VedicSignNames[sign].data()) << false << sign;
    }
}

void ContentTest::textLengths() {
    QFETCH(bool, rising);
    QFETCH(int, sign);
    const Bounds bounds[] = {{"Looks", 103, 221},
                             {"Nature", 515, 883},
                             {"CareerAndFinance", 126, 282},
                             {"LoveAndDomesticLife", 140, rising ? 326 : 324},
                             {"Health", 81, 166}};
    const auto fields = fieldsOf(rising ? RisingSignTexts(sign) : LagnaTexts(sign));
    for (int i = 0; i < 5; ++i) {
        // Characters, not bytes: a typographic apostrophe counts once.
        const int length = int(fields[i].second.toUcs4().size());
        QVERIFY2(length >= bounds[i].minimum && length <= bounds[i].maximum,
                 qPrintable(QString("%1 has %2 characters").arg(bounds[i].field).arg(length)));
    }
}

void ContentTest::noSentenceRepeats() {
    QHash<QString, QString> seen;
    const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.!?])\\s+"));
    for (const auto& [where, body] : allTexts()) {
        for (QString sentence : body.split(sentenceEnd, Qt::SkipEmptyParts)) {
            sentence = sentence.simplified().toLower();
            if (sentence.size() < 12)
                continue;
            QVERIFY2(
                !seen.contains(sentence),
                qPrintable(
                    QString("\"%1\" in %2 and %3").arg(sentence, seen.value(sentence), where)));
            seen.insert(sentence, where);
        }
    }
}

void ContentTest::typographicApostropheAppears() {
    int withCurly = 0;
    for (int sign = 0; sign < SignCount; ++sign) {
        for (const auto& field : fieldsOf(RisingSignTexts(sign)))
            withCurly += field.second.contains(QChar(0x2019)) ? 1 : 0;
    }
    QVERIFY(withCurly > 0);
}

void ContentTest::spelling() {
    const QString words = qEnvironmentVariable("ZENTHARI_SOURCE_DIR") + "/content/texts/words.txt";
    QProcess hunspell;
    hunspell.start("hunspell", {"-d", "en_US", "-p", words, "-l"});
    if (!hunspell.waitForStarted())
        QFAIL("hunspell is not installed (scripts/debian-packages.txt lists it)");
    QString all;
    for (const auto& entry : allTexts())
        all += entry.second + "\n";
    hunspell.write(all.toUtf8());
    hunspell.closeWriteChannel();
    QVERIFY(hunspell.waitForFinished(60000));
    const QString unknown = QString::fromUtf8(hunspell.readAllStandardOutput()).trimmed();
    QVERIFY2(unknown.isEmpty(), qPrintable("Misspelled: " + unknown.split('\n').join(", ")));
}

void ContentTest::profiles_data() {
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QStringList>("shortValues");
    QTest::addColumn<int>("picture");
    QTest::newRow("Aries") << "Aries"
                           << QStringList{"Mars",
                                          "The Ram",
                                          "Fire",
                                          "Red, Brown, Copper",
                                          "Movable",
                                          "Monday, Tuesday",
                                          "9, 1",
                                          "East",
                                          "Red, Brown, Copper",
                                          "Coral"}
                           << 1;
    QTest::newRow("Pisces") << "Pisces" << QStringList{"Jupiter",     "The Double Fish",
                                                       "Water",       "Blue",
                                                       "Mixed",       "Thursday, Monday, Tuesday",
                                                       "1, 3, 4",     "North",
                                                       "Pink, Cream", "Yellow Sapphire"}
                            << 12;
    QTest::newRow("Sagittarius")
        << "Sagittarius" << QStringList{"Jupiter",         "The Archer", "Fire",
                                        "Yellowish brown", "Mixed",      "Sunday, Thursday",
                                        "3, 5, 6, 8",      "East",       "Yellow, Gray, Brown",
                                        "Yellow Sapphire"}
        << 9;
}

void ContentTest::profiles() {
    QFETCH(QString, sign);
    QFETCH(QStringList, shortValues);
    QFETCH(int, picture);
    const auto profile = FindRisingSignProfile(sign.toStdString());
    QVERIFY(profile.has_value());
    const QStringList actual = {QString::fromStdString(profile->RulingPlanet),
                                QString::fromStdString(profile->Symbol),
                                QString::fromStdString(profile->Element),
                                QString::fromStdString(profile->SignColor),
                                QString::fromStdString(profile->TypeOfSign),
                                QString::fromStdString(profile->LuckyDays),
                                QString::fromStdString(profile->LuckyNumbers),
                                QString::fromStdString(profile->LuckyDirection),
                                QString::fromStdString(profile->LuckyColors),
                                QString::fromStdString(profile->LuckyGemstone)};
    QCOMPARE(actual, shortValues);
    QCOMPARE(profile->PictureNumber, picture);
    QCOMPARE(SignPictureKey(picture - 1), sign.toLower().toStdString() + ".jpg");
    const LongTexts& texts = RisingSignTexts(picture - 1);
    QCOMPARE(profile->Looks, std::string(texts.Looks));
    QCOMPARE(profile->Health, std::string(texts.Health));
    QVERIFY(!profile->Nature.empty() && !profile->CareerAndFinance.empty() &&
            !profile->LoveAndDomesticLife.empty());
}

void ContentTest::profileNamesAreExact() {
    for (const char* name : {"aries", "Aries ", "Mesha", ""})
        QVERIFY2(!FindRisingSignProfile(name).has_value(), name);
    for (int sign = 0; sign < SignCount; ++sign)
        QCOMPARE(FindRisingSignProfile(EnglishSignNames[sign])->PictureNumber, sign + 1);
}

void ContentTest::sunSignsSharingARisingSignShareItsProfile() {
    // Aries at sunrise and Taurus two hours earlier both rise in Aries: one profile for both.
    const std::string first = modRisingSign::LookupRisingSign("Aries-4am-6am");
    const std::string second = modRisingSign::LookupRisingSign("Taurus-2am-4am");
    QCOMPARE(first, second);
    const auto a = FindRisingSignProfile(first);
    const auto b = FindRisingSignProfile(second);
    QVERIFY(a && b);
    QCOMPARE(*a, *b);
    QVERIFY(!(*a == *FindRisingSignProfile("Taurus")));
}

void ContentTest::parserRejectsMalformedFiles_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("valid");
    const QString good = "[Looks]\nA.\n[Nature]\nB.\n\n# note\n[CareerAndFinance]\nC.\n"
                         "[LoveAndDomesticLife]\nD.\n[Health]\nE.\n";
    QTest::newRow("good") << good << true;
    QTest::newRow("crlf") << QString(good).replace("\n", "\r\n") << true;
    QTest::newRow("missing section") << QString(good).replace("[Health]\nE.\n", "") << false;
    QTest::newRow("out of order") << QString(good).replace("[Looks]", "[Nature]") << false;
    QTest::newRow("two lines") << QString(good).replace("A.\n", "A.\nA2.\n") << false;
    QTest::newRow("text before first") << "Hello\n" + good << false;
    QTest::newRow("empty") << "" << false;
}

void ContentTest::parserRejectsMalformedFiles() {
    QFETCH(QString, source);
    QFETCH(bool, valid);
    const std::string bytes = source.toStdString();
    QCOMPARE(ParseTextFile(bytes).has_value(), valid);
}

QTEST_APPLESS_MAIN(ContentTest)
#include "tst_content.moc"
