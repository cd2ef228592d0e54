// Hundreds of ascendant runs, as a long session of a user would make them: calculate, open the
// report and save the reading, Back, open the saved reading again, Back. Every screen a run
// creates must be gone again when the run is over, and saving again and again under the same
// names leaves exactly the files the user named and nothing else.
#include "FileDialog.h"
#include "Records.h"
#include "TestSupport.h"
#include "soak/SoakSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace soak;

class VedicSoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void vedicAscendantCycles();
    void cleanupTestCase();
};

void VedicSoakTest::initTestCase() {
    TestSupport::isolate();
    (new frmMDI)->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(frmMDI::instance()));
}

void VedicSoakTest::vedicAscendantCycles() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QStringList fileNames = {"reading-a.ved", "reading-b.ved"};

    frmMDI::instance()->OpenCalculator(1);
    settle();
    const std::pair<const char*, const char*> entries[] = {
        {"txtName", "ANITA"}, {"txtLonD", "77"}, {"txtLonM", "12"}, {"txtLonS", "30"},
        {"txtLatD", "28"},    {"txtLatM", "36"}, {"txtLatS", "50"}};
    for (const auto& [box, text] : entries) {
        QLineEdit* edit = control<QLineEdit>("frmVedicAscendantMain", box);
        QVERIFY2(edit, box);
        edit->setText(QString::fromLatin1(text));
    }

    // Calculate, save the reading from the report, close the report, Back; then open the saved
    // reading (which calculates again) and Back.
    auto cycle = [&](int i) {
        const QString path = folder.filePath(fileNames.at(i % fileNames.size()));
        QAbstractButton* calculate = control("frmVedicAscendantMain", "cmdCalculate");
        QVERIFY(calculate);
        QTest::mouseClick(calculate, Qt::LeftButton);
        settle();
        QAbstractButton* save = control("frmVedicAscendantResult", "cmdSave");
        QVERIFY2(save, "the result screen is not shown");
        QVERIFY2(clickAndHandle(save, "frmVedicAscendantSave",
                                [&](QWidget* report) {
                                    FileDialog::setNextFileName(path);
                                    if (auto* write = report->findChild<QAbstractButton*>(
                                            QStringLiteral("cmdSave")))
                                        QTest::mouseClick(write, Qt::LeftButton);
                                    report->close();
                                }),
                 "the report did not open");
        settle();
        QVERIFY(!visibleScreen("frmVedicAscendantSave"));
        QVERIFY(QFileInfo::exists(path));
        QAbstractButton* back = control("frmVedicAscendantResult", "cmdBack");
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);
        settle();

        zenthari::CurrentReading = {};
        FileDialog::setNextFileName(path);
        QAbstractButton* open = control("frmVedicAscendantMain", "cmdOpen");
        QVERIFY(open);
        QTest::mouseClick(open, Qt::LeftButton);
        settle();
        QVERIFY2(visibleScreen("frmVedicAscendantResult"), "the saved reading did not reopen");
        QCOMPARE(QString::fromStdString(zenthari::CurrentReading.Name), QStringLiteral("ANITA"));
        QCOMPARE(QString::fromStdString(zenthari::CurrentReading.LatitudeSeconds),
                 QStringLiteral("50"));
        back = control("frmVedicAscendantResult", "cmdBack");
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);
        settle();
        QVERIFY(visibleScreen("frmVedicAscendantMain"));

        // One file per name, overwritten in place: nothing else, no temporary files.
        QStringList expected = fileNames.mid(0, std::min<qsizetype>(i + 1, fileNames.size()));
        expected.sort();
        QCOMPARE(QDir(folder.path())
                     .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs |
                                    QDir::NoDotAndDotDot,
                                QDir::Name),
                 expected);
    };
    repeatWithoutLeaks(cycle);
}

void VedicSoakTest::cleanupTestCase() {
    frmMDI::instance()->CloseCalculatorScreens();
    settle();
    for (const QString& name : ScreenNames)
        QVERIFY2(!visibleScreen(name), qPrintable(name));
}

QTEST_MAIN(VedicSoakTest)
#include "tst_soak_vedic.moc"
