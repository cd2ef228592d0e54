// Print pressed on the report reaches the default printer. It needs a print server with a default
// queue, so it runs only when the print script has set one up (ZENTHARI_E2E_PRINT=1).
#include "LagnaInformation.h"
#include "TestSupport.h"
#include "frmMDI.h"
#include "vedic/frmVedicAscendantSave.h"

#include <QPrinterInfo>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

class ReportPrintDefaultTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printGoesToDefaultPrinter();
};

void ReportPrintDefaultTest::initTestCase() {
    TestSupport::isolate();
    if (qEnvironmentVariable("ZENTHARI_E2E_PRINT") != QLatin1String("1"))
        QSKIP("runs inside tests/scripts/test_report_cups.sh, which starts a print server");
}

void ReportPrintDefaultTest::printGoesToDefaultPrinter() {
    const QString queue = qEnvironmentVariable("ZENTHARI_E2E_QUEUE");
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), queue);

    frmMDI main;
    main.resize(1000, 800);
    main.show();
    zenthari::modLagnaInformation::FillLagnaInformation("Thula");
    OpenAscendantReport(nullptr);
    frmVedicAscendantSave* report = frmVedicAscendantSave::existing();
    QVERIFY(report);
    QVERIFY(QTest::qWaitForWindowExposed(report));
    const QString before = report->RTB->toHtml();

    QTest::mouseClick(report->cmdPrint, Qt::LeftButton);

    QCOMPARE(report->RTB->toHtml(), before);
    QVERIFY(report->isVisible());
    report->close();
}

QTEST_MAIN(ReportPrintDefaultTest)
#include "tst_report_print_default.moc"
