// The update reminder and the settings store under two locales, one with a two-digit year in
// its short date format (en_US) and one with another order and separator (de_DE).

#include "MessageBox.h"
#include "Scramble.h"
#include "SettingsStore.h"
#include "TestSupport.h"
#include "UpdateReminder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QDate Today(2026, 12, 10);

// A store that holds a day but cannot take a new one (a full disk, a read-only file).
class ReadOnlyStore : public SettingsStore {
public:
    explicit ReadOnlyStore(QString day) : day_(std::move(day)) {}
    std::optional<QString> read(const QString& key) const override {
        return key == Reminder::DurationKey ? day_ : QString();
    }
    bool write(const QString&, const QString&) override {
        ++writes;
        return false;
    }
    int writes = 0;

private:
    QString day_;
};
} // namespace

class tst_shell_reminder : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    int storeNumber = 0;
    QString appName;

    QString storedText(SettingsStore& store) {
        return store.read(Reminder::DurationKey).value_or("<unreadable>");
    }

private slots:
    void initTestCase() {
        QVERIFY(home.isValid());
        // The settings of these tests live in a folder of their own, never the user's.
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
        TestSupport::isolate();
    }

    void init() {
        // A fresh store for every case.
        appName = QStringLiteral("zenthari-test-%1").arg(++storeNumber);
        MessageBox::setAutomaticAnswers(true);
        MessageBox::clearShownMessages();
    }

    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void reminder_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("stored"); // "" nothing stored; "@n": the day n days from today
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("movesToToday");
        QTest::addColumn<bool>("opensDownload");
        for (const QString locale : {"en_US", "de_DE"}) {
            auto row = [&](const char* name) -> QTestData& {
                return QTest::addRow("%s %s", qPrintable(locale), name) << locale;
            };
            row("first start") << "" << true << false << true << false;
            row("14 days ago") << "@-14" << true << false << false << false;
            row("14 days ahead") << "@14" << true << false << false << false;
            row("today") << "@0" << true << false << false << false;
            row("15 days ago, Yes") << "@-15" << true << true << true << true;
            row("15 days ago, No") << "@-15" << false << true << true << false;
            row("20 days ahead, No") << "@20" << false << true << true << false;
            row("a year ago, Yes") << "@-365" << true << true << true << true;
            row("no date") << "next tuesday" << true << false << false << false;
            row("blank") << "   " << true << false << false << false;
        }
        // A day written with the plain two-digit short format still reads as this century's.
        QTest::newRow("en_US two-digit year 14 days ago")
            << "en_US"
            << "11/26/26" << true << false << false << false;
        QTest::newRow("en_US two-digit year 15 days ago")
            << "en_US"
            << "11/25/26" << true << true << true << true;
        QTest::newRow("de_DE two-digit year 14 days ago")
            << "de_DE"
            << "26.11.26" << true << false << false << false;
    }
    void reminder() {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QFETCH(bool, answerYes);
        QFETCH(bool, asks);
        QFETCH(bool, movesToToday);
        QFETCH(bool, opensDownload);
        QLocale::setDefault(QLocale(locale));
        UrlRecorder recorder;
        SettingsStore store(appName);
        if (stored.startsWith('@'))
            stored = Reminder::DateText(Today.addDays(stored.mid(1).toInt()));
        if (!stored.isEmpty())
            QVERIFY(store.write(Reminder::DurationKey, stored));
        MessageBox::setNextAnswer(answerYes ? MessageBox::Answer::Yes : MessageBox::Answer::No);

        UpdateReminder(store, Today);

        const QList<MessageBox::Shown>& shown = MessageBox::shownMessages();
        QCOMPARE(shown.size(), asks ? 1 : 0);
        if (asks) {
            QCOMPARE(shown[0].text,
                     QStringLiteral("There maybe an update to this software "
                                    "available\nDo you want to check for an update?"));
            QCOMPARE(shown[0].icon, MessageBox::Icon::Information);
            QCOMPARE(shown[0].buttons, MessageBox::Buttons::YesNo);
            QCOMPARE(shown[0].title, QStringLiteral("Zenthari"));
        }
        const QString after = storedText(store);
        if (movesToToday) {
            QCOMPARE(after, Reminder::DateText(Today));
            QCOMPARE(Reminder::ParseDateText(after, Today), Today);
        } else {
            QCOMPARE(after, stored);
        }
        QCOMPARE(recorder.addresses(),
                 opensDownload ? QStringList{TestSupport::pageAddress("download-web-page")}
                               : QStringList{});

        // The next start, a day later, asks nothing whatever happened (the day stored is
        // recent, or it is no date at all).
        if (movesToToday) {
            MessageBox::clearShownMessages();
            UpdateReminder(store, Today.addDays(1));
            QVERIFY(MessageBox::shownMessages().isEmpty());
        }
    }

    void storedDayReadsBackAsTheSameDay_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("day");
        for (const QString locale : {"en_US", "de_DE", "en_GB", "ko_KR", "ja_JP", "C"})
            for (const QDate day : {QDate(2026, 12, 10), QDate(1999, 12, 31), QDate(2000, 2, 29),
                                    QDate(2051, 1, 1), QDate(1960, 7, 4)})
                QTest::addRow("%s %s", qPrintable(locale), qPrintable(day.toString(Qt::ISODate)))
                    << locale << day;
    }
    void storedDayReadsBackAsTheSameDay() {
        QFETCH(QString, locale);
        QFETCH(QDate, day);
        QLocale::setDefault(QLocale(locale));
        const QString text = Reminder::DateText(day);
        QVERIFY(text.contains(QString::number(day.year())));
        QCOMPARE(Reminder::ParseDateText(text, Today), day);
        // Also through the store, where the text is scrambled and unscrambled.
        SettingsStore store(appName);
        QVERIFY(store.write(Reminder::DurationKey, text));
        QCOMPARE(Reminder::ParseDateText(storedText(store), Today), day);
    }

    void twoDigitYearsTakeTheNearestCentury_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("this year") << "12/10/26" << Today << QDate(2026, 12, 10);
        QTest::newRow("last century's end")
            << "12/31/99" << QDate(2026, 1, 1) << QDate(1999, 12, 31);
        QTest::newRow("next century") << "1/1/01" << QDate(2098, 6, 1) << QDate(2101, 1, 1);
        QTest::newRow("not a date") << "13/40/26" << Today << QDate();
        QTest::newRow("empty") << "" << Today << QDate();
    }
    void twoDigitYearsTakeTheNearestCentury() {
        QFETCH(QString, text);
        QFETCH(QDate, today);
        QFETCH(QDate, expected);
        QCOMPARE(Reminder::ParseDateText(text, today, QLocale("en_US")), expected);
    }

    void keyAndValueAreNotPlainTextInTheFile() {
        QLocale::setDefault(QLocale("en_US"));
        SettingsStore store(appName);
        UpdateReminder(store, Today);
        QFile file(store.fileName());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(store.fileName()));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("[Settings]"));
        QVERIFY(!bytes.contains("Duration"));
        QVERIFY(!bytes.toLower().contains("duration"));
        const QString day = Reminder::DateText(Today);
        QCOMPARE(day, QStringLiteral("12/10/2026"));
        QVERIFY(!bytes.contains(day.toUtf8()));
        QVERIFY(!bytes.contains("2026"));
        // What is there is the scrambled day; the store reads it back as it was written.
        QCOMPARE(storedText(store), day);
        QCOMPARE(QString::fromStdString(
                     zenthari::UnscrambleText(zenthari::ScrambleText(day.toStdString()))),
                 day);
        // The file is named after the program.
        QCOMPARE(QFileInfo(store.fileName()).completeBaseName(), appName);
    }

    void anUnreadableStoreStopsQuietly() {
        SettingsStore store(appName);
        // A folder where the file should be: it can be neither read nor written.
        QVERIFY(QDir().mkpath(store.fileName()));
        UrlRecorder recorder;
        UpdateReminder(store, Today);
        QVERIFY(MessageBox::shownMessages().isEmpty());
        QVERIFY(recorder.urls.isEmpty());
        QVERIFY(!store.read(Reminder::DurationKey).has_value());
        QVERIFY(!store.write(Reminder::DurationKey, "x"));
        QVERIFY(QFileInfo(store.fileName()).isDir());
    }

    void aStoreThatCannotBeWrittenStillHonoursTheAnswer_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("opensDownload");
        QTest::newRow("first start") << "" << true << false << false;
        QTest::newRow("due, Yes") << "@-30" << true << true << true;
        QTest::newRow("due, No") << "@-30" << false << true << false;
    }
    void aStoreThatCannotBeWrittenStillHonoursTheAnswer() {
        QFETCH(QString, stored);
        QFETCH(bool, answerYes);
        QFETCH(bool, asks);
        QFETCH(bool, opensDownload);
        QLocale::setDefault(QLocale("en_US"));
        if (stored.startsWith('@'))
            stored = Reminder::DateText(Today.addDays(stored.mid(1).toInt()));
        ReadOnlyStore store(stored);
        UrlRecorder recorder;
        MessageBox::setNextAnswer(answerYes ? MessageBox::Answer::Yes : MessageBox::Answer::No);
        UpdateReminder(store, Today);
        QCOMPARE(MessageBox::shownMessages().size(), asks ? 1 : 0);
        QCOMPARE(store.writes, 1);
        // The user asked for the page; a settings file that cannot be written does not undo that.
        QCOMPARE(recorder.addresses(),
                 opensDownload ? QStringList{TestSupport::pageAddress("download-web-page")}
                               : QStringList{});
    }

    void absentKeyReadsEmpty() {
        SettingsStore store(appName);
        QCOMPARE(store.read("Duration"), std::optional<QString>(QString()));
        QVERIFY(store.write("Other", "value with = and ; and \"quotes\""));
        QCOMPARE(store.read("Other"), std::optional<QString>("value with = and ; and \"quotes\""));
        QCOMPARE(store.read("Duration"), std::optional<QString>(QString()));
    }
};

QTEST_MAIN(tst_shell_reminder)
#include "tst_shell_reminder.moc"
