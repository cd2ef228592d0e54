// Saved readings through the real screens: written with WriteReadingFile, opened with
// "Open Previously Saved Reading", and damaged or hostile files that must never crash or hang.
#include "tst_vedic_support.h"

#include "FileDialog.h"
#include "vedic/ReadingFileIO.h"

#include "LagnaInformation.h"
#include "ReadingFile.h"
#include "Records.h"
#include "Scramble.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace VedicTest;
using zenthari::ReadingRecord;

namespace {
QByteArray bytesOf(const ReadingRecord& reading) {
    return QByteArray::fromStdString(zenthari::EncodeReadingFile(reading));
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

ReadingRecord sampleReading() {
    ReadingRecord r;
    r.Name = "Chloé Asha";
    r.Month = "March";
    r.Day = "15";
    r.Year = "1975";
    r.Hour = "10";
    r.Minute = "30";
    r.Second = "45";
    r.LongitudeDegrees = "73";
    r.LongitudeMinutes = "51";
    r.LongitudeSeconds = "20";
    r.LongitudeDirection = "West";
    r.LatitudeDegrees = "18";
    r.LatitudeMinutes = "31";
    r.LatitudeSeconds = "2";
    r.LatitudeDirection = "South";
    return r;
}
} // namespace

class VedicFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveThenOpenRestoresTheReading();
    void extraLinesAreNotRead();
    void threeLineFileStopsAtLongitude();
    void monthOutsideTheListKeepsTheSelection_data();
    void monthOutsideTheListKeepsTheSelection();
    void charactersTheFileCannotHoldAreDropped_data();
    void charactersTheFileCannotHoldAreDropped();
    void cancelChangesNothing();
    void wrongEndingIsRefused_data();
    void wrongEndingIsRefused();
    void hostileFiles_data();
    void hostileFiles();
    void randomBytesNeverCrash();
    void storedNonDigitsStayEditable();
    void writeFailuresLeaveExistingFiles();

private:
    QString pathFor(const QString& name) const { return dir.filePath(name); }
    void open(const QString& path);

    QTemporaryDir dir;
    frmVedicAscendantMain* input = nullptr;
};

void VedicFileTest::initTestCase() {
    TestSupport::isolate();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(dir.isValid());
    mainWindow();
}

void VedicFileTest::init() {
    input = openCalculator();
    QVERIFY(input);
    MessageBox::clearShownMessages();
}

void VedicFileTest::cleanup() {
    frmMDI::instance()->CloseCalculatorScreens();
    settle();
}

void VedicFileTest::open(const QString& path) {
    FileDialog::setNextFileName(path);
    QTest::mouseClick(input->cmdOpen, Qt::LeftButton);
    settle();
    QVERIFY(!FileDialog::hasQueuedFileName());
}

void VedicFileTest::saveThenOpenRestoresTheReading() {
    // A reading calculated on the screen, then saved as the report's Save does.
    const ReadingRecord sample = sampleReading();
    input->ShowReading(sample);
    input->txtName->setText(QStringLiteral("  Chloé Asha  "));
    QVERIFY(calculate(input));
    QVERIFY(zenthari::CurrentReading == sample);
    const QString vedic =
        QString::fromStdString(zenthari::modLagnaInformation::LagnaInformation.VedicName);
    QCOMPARE(vedic, QStringLiteral("Vrishabha"));

    const QString path = pathFor("round-trip.ved");
    QString error;
    QVERIFY2(WriteReadingFile(path, zenthari::CurrentReading, &error), qPrintable(error));
    const QByteArray bytes = readBytes(path);
    QCOMPARE(bytes.count("\r\n"), 15);
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!bytes.contains("Chlo")); // scrambled, not plain text
    QVERIFY(!bytes.contains('\n' + QByteArray("\n")));

    // A fresh screen with other entries; the place boxes are not part of the file.
    cleanup();
    input = openCalculator();
    zenthari::CurrentReading = {};
    zenthari::modLagnaInformation::FillLagnaInformation("Kanya");
    input->txtMCity->setText(QStringLiteral("Pune"));
    input->txtMCountry->setText(QStringLiteral("India"));
    open(path);

    const FileDialog::Options options = FileDialog::lastOptions();
    QCOMPARE(options.title, QStringLiteral("Select the source file"));
    QCOMPARE(options.filter, QStringLiteral("ZT Free Vedic Ascendant (*.ved)"));
    QCOMPARE(options.defaultSuffix, QStringLiteral("ved"));

    QVERIFY(MessageBox::shownMessages().isEmpty());
    frmVedicAscendantResult* result = frmVedicAscendantResult::existing();
    QVERIFY(result);
    QVERIFY(result->isScreenVisible());
    QVERIFY(!input->isScreenVisible());
    QCOMPARE(result->lblVedicName->text(), vedic);
    QVERIFY(zenthari::CurrentReading == sample);

    QCOMPARE(input->txtName->text(), QStringLiteral("Chloé Asha"));
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("March"));
    QCOMPARE(input->cboDate->currentText(), QStringLiteral("15"));
    QCOMPARE(input->cboYear->currentText(), QStringLiteral("1975"));
    QCOMPARE(input->cboHH->currentText(), QStringLiteral("10"));
    QCOMPARE(input->cboMM->currentText(), QStringLiteral("30"));
    QCOMPARE(input->cboSS->currentText(), QStringLiteral("45"));
    QCOMPARE(input->txtLonD->text(), QStringLiteral("73"));
    QCOMPARE(input->txtLonM->text(), QStringLiteral("51"));
    QCOMPARE(input->txtLonS->text(), QStringLiteral("20"));
    QVERIFY(input->optLong[1]->isChecked());
    QCOMPARE(input->txtLatD->text(), QStringLiteral("18"));
    QCOMPARE(input->txtLatM->text(), QStringLiteral("31"));
    QCOMPARE(input->txtLatS->text(), QStringLiteral("2"));
    QVERIFY(input->optLat[1]->isChecked());
    QCOMPARE(input->txtMCity->text(), QStringLiteral("Pune"));
    QCOMPARE(input->txtMState->text(), QString());
    QCOMPARE(input->txtMCountry->text(), QStringLiteral("India"));

    // Saving again over the same file gives the same bytes.
    QVERIFY(WriteReadingFile(path, zenthari::CurrentReading, nullptr));
    QCOMPARE(readBytes(path), bytes);
}

void VedicFileTest::extraLinesAreNotRead() {
    const QString path = pathFor("extra.ved");
    writeBytes(path, bytesOf(sampleReading()) + "more\r\nlines\r\n\r\nafter\rthe end");
    open(path);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QVERIFY(frmVedicAscendantResult::existing());
    QVERIFY(zenthari::CurrentReading == sampleReading());
    QCOMPARE(frmVedicAscendantResult::existing()->lblVedicName->text(),
             QStringLiteral("Vrishabha"));
}

void VedicFileTest::threeLineFileStopsAtLongitude() {
    QByteArray bytes = bytesOf(sampleReading());
    int end = 0;
    for (int line = 0; line < 3; ++line)
        end = bytes.indexOf("\r\n", end) + 2;
    const QString path = pathFor("three.ved");
    writeBytes(path, bytes.left(end));

    Birth before;
    before.month = 5;
    before.day = 3;
    before.year = 1990;
    before.hour = 7;
    before.minute = 8;
    before.second = 9;
    enter(input, before);
    open(path);

    QCOMPARE(shownTexts(), QStringList{"Please Enter Degree of Longitude"});
    QVERIFY(!frmVedicAscendantResult::existing());
    QVERIFY(input->isScreenVisible());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(input->txtLonD));
    QCOMPARE(input->txtName->text(), QStringLiteral("Chloé Asha"));
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("March"));
    QCOMPARE(input->cboDate->currentText(), QStringLiteral("15"));
    QCOMPARE(input->cboYear->currentText(), QStringLiteral("1990"));
    QCOMPARE(input->cboHH->currentText(), QStringLiteral("7"));
    QCOMPARE(input->cboMM->currentText(), QStringLiteral("8"));
    QCOMPARE(input->cboSS->currentText(), QStringLiteral("9"));
    for (QLineEdit* box : {input->txtLonD, input->txtLonM, input->txtLonS, input->txtLatD,
                           input->txtLatM, input->txtLatS})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QVERIFY(input->optLong[1]->isChecked());
    QVERIFY(input->optLat[1]->isChecked());
}

void VedicFileTest::monthOutsideTheListKeepsTheSelection_data() {
    QTest::addColumn<QString>("month");
    QTest::newRow("German") << "März";
    QTest::newRow("lower case") << "march";
    QTest::newRow("blank after") << "March ";
    QTest::newRow("empty") << "";
}

void VedicFileTest::monthOutsideTheListKeepsTheSelection() {
    QFETCH(QString, month);
    ReadingRecord reading = sampleReading();
    reading.Month = month.toStdString();
    const QString path = pathFor("month.ved");
    writeBytes(path, bytesOf(reading));
    input->cboMonth->setCurrentIndex(6); // July
    open(path);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("July"));
    QCOMPARE(QString::fromStdString(zenthari::CurrentReading.Month), QStringLiteral("July"));
    QCOMPARE(input->cboDate->currentText(), QStringLiteral("15"));
}

void VedicFileTest::charactersTheFileCannotHoldAreDropped_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comesBack");
    QTest::newRow("y with diaeresis") << QStringLiteral("Zo\u00ffe") << "Zoe";
    QTest::newRow("Greek") << QStringLiteral("Ana \u03a9") << "Ana ";
    QTest::newRow("accents that fit")
        << QStringLiteral("Ren\u00e9e \u00c6") << QStringLiteral("Ren\u00e9e \u00c6");
}

void VedicFileTest::charactersTheFileCannotHoldAreDropped() {
    QFETCH(QString, name);
    QFETCH(QString, comesBack);
    ReadingRecord reading = sampleReading();
    reading.Name = name.toStdString();
    const QString path = pathFor("name.ved");
    QVERIFY(WriteReadingFile(path, reading, nullptr));
    open(path);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QCOMPARE(input->txtName->text(), comesBack);
    QVERIFY(frmVedicAscendantResult::existing());
}

void VedicFileTest::cancelChangesNothing() {
    input->txtName->setText(QStringLiteral("Asha"));
    input->cboYear->setCurrentIndex(3);
    open(QString());
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QVERIFY(input->isScreenVisible());
    QVERIFY(!frmVedicAscendantResult::existing());
    QCOMPARE(input->txtName->text(), QStringLiteral("Asha"));
    QCOMPARE(input->cboYear->currentIndex(), 3);
}

void VedicFileTest::wrongEndingIsRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("upper case") << "reading.VED" << true;
    QTest::newRow("mixed case") << "reading.Ved" << true;
    QTest::newRow("other ending") << "reading.ved.txt" << true;
    QTest::newRow("no dot") << "readingved" << false;
    QTest::newRow("usual") << "reading.ved" << false;
}

void VedicFileTest::wrongEndingIsRefused() {
    QFETCH(QString, name);
    QFETCH(bool, refused);
    const QString path = pathFor(name);
    writeBytes(path, bytesOf(sampleReading()));
    input->txtName->setText(QStringLiteral("Ravi"));
    open(path);
    if (!refused) {
        QVERIFY(MessageBox::shownMessages().isEmpty());
        QVERIFY(frmVedicAscendantResult::existing());
        return;
    }
    QCOMPARE(shownTexts(), QStringList{"Please Check The File."});
    QCOMPARE(MessageBox::shownMessages().first().icon, MessageBox::Icon::Critical);
    QCOMPARE(MessageBox::shownMessages().first().title, QStringLiteral("Zenthari"));
    QCOMPARE(input->txtName->text(), QStringLiteral("Ravi"));
    QVERIFY(input->optLong[0]->isChecked());
    QVERIFY(!frmVedicAscendantResult::existing());
}

void VedicFileTest::hostileFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("nameLength");
    QTest::newRow("empty file") << "empty"
                                << "Please Enter Name" << 0;
    QTest::newRow("only CRs") << "crs"
                              << "Please Enter Name" << 0;
    QTest::newRow("bytes below the offset") << "low"
                                            << "Please Enter Name" << 0;
    // The line is cut at the reader's bound, then to what a text box holds.
    QTest::newRow("20 MB line without CR") << "long"
                                           << "Please Enter Degree of Longitude" << 32767;
    QTest::newRow("folder named x.ved") << "folder"
                                        << "Please Enter Name" << 0;
    QTest::newRow("removed after choosing") << "removed"
                                            << "Please Enter Name" << 0;
    QTest::newRow("named pipe nobody writes to") << "pipe"
                                                 << "Please Enter Name" << 0;
}

void VedicFileTest::hostileFiles() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(int, nameLength);

    const QString path = pathFor(kind + QStringLiteral("-x.ved"));
    if (kind == QLatin1String("empty")) {
        writeBytes(path, {});
    } else if (kind == QLatin1String("crs")) {
        writeBytes(path, QByteArray(100000, '\r'));
    } else if (kind == QLatin1String("low")) {
        QByteArray low;
        for (int i = 0; i < 4000; ++i)
            low += char(i % 13); // 0..12: never a CR, all below the offset
        writeBytes(path, low);
    } else if (kind == QLatin1String("long")) {
        writeBytes(path, QByteArray(20 * 1024 * 1024, char('A' + zenthari::ScrambleOffset)));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("removed")) {
        QVERIFY(!QFile::exists(path));
    }

    Birth before;
    before.year = 1990;
    before.hour = 7;
    enter(input, before);
    open(path);

    QCOMPARE(shownTexts(), QStringList{message});
    QVERIFY(!frmVedicAscendantResult::existing());
    QVERIFY(input->isScreenVisible());
    QCOMPARE(input->txtName->text().size(), nameLength);
    for (QLineEdit* box : {input->txtLonD, input->txtLonM, input->txtLonS, input->txtLatD,
                           input->txtLatM, input->txtLatS})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QVERIFY(input->optLong[1]->isChecked());
    QVERIFY(input->optLat[1]->isChecked());
    QCOMPARE(input->cboYear->currentText(), QStringLiteral("1990"));
    QCOMPARE(input->cboHH->currentText(), QStringLiteral("7"));
}

void VedicFileTest::randomBytesNeverCrash() {
    // Whatever the bytes, the reading comes in as typed input would and the checks judge it.
    QRandomGenerator random(20261210);
    const QStringList checks = {"Please Enter Name",
                                "Please Enter Degree of Longitude",
                                "Please Enter Minute of Longitude",
                                "Please Enter Second of Longitude",
                                "Please Enter Degree of Latitude",
                                "Please Enter Minute of Latitude",
                                "Please Enter Second of Latitude"};
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes(int(random.bounded(1, 5000)), Qt::Uninitialized);
        for (char& b : bytes)
            b = char(random.bounded(256));
        const QString path = pathFor(QStringLiteral("random%1.ved").arg(round));
        writeBytes(path, bytes);
        MessageBox::clearShownMessages();
        if (!input->isScreenVisible()) {
            frmVedicAscendantResult::existing()->cmdBack_Click();
            settle();
        }
        open(path);
        if (MessageBox::shownMessages().isEmpty()) {
            QVERIFY(frmVedicAscendantResult::existing());
        } else {
            QCOMPARE(MessageBox::shownMessages().size(), 1);
            QVERIFY2(checks.contains(MessageBox::shownMessages().first().text),
                     qPrintable(MessageBox::shownMessages().first().text));
        }
    }
}

void VedicFileTest::storedNonDigitsStayEditable() {
    ReadingRecord reading = sampleReading();
    reading.LongitudeDegrees = "7a";
    const QString path = pathFor("letters.ved");
    writeBytes(path, bytesOf(reading));
    open(path);
    // No range or digit check on stored coordinates: the reading is calculated.
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QVERIFY(frmVedicAscendantResult::existing());
    frmVedicAscendantResult::existing()->cmdBack_Click();
    settle();

    QLineEdit* box = input->txtLonD;
    QCOMPARE(box->text(), QStringLiteral("7a"));
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, Qt::Key_5);
    QCOMPARE(box->text(), QStringLiteral("7a5"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("7"));
    QTest::keyClick(box, Qt::Key_B);
    QCOMPARE(box->text(), QStringLiteral("7"));
    QCOMPARE(shownTexts(), QStringList{"Only Numbers Are Accepted"});
}

void VedicFileTest::writeFailuresLeaveExistingFiles() {
    const ReadingRecord reading = sampleReading();
    QString error;
    QVERIFY(!WriteReadingFile(pathFor("no/such/folder/r.ved"), reading, &error));
    QVERIFY(!error.isEmpty());

    const QString folder = pathFor("taken.ved");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!WriteReadingFile(folder, reading, nullptr));
    QVERIFY(QFileInfo(folder).isDir());

    // Replacing a longer file leaves nothing of the old one behind.
    const QString path = pathFor("replace.ved");
    writeBytes(path, QByteArray(5000, 'z'));
    QVERIFY(WriteReadingFile(path, reading, &error));
    QCOMPARE(readBytes(path), bytesOf(reading));
    QVERIFY(ReadingFileIO::ReadReadingFile(path) == reading);
}

QTEST_MAIN(VedicFileTest)
#include "tst_vedic_file.moc"
