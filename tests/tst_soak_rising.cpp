// Hundreds of rising sign runs, as a long session of a user would make them: every screen a run
// creates must be gone again when the run is over.
#include "TestSupport.h"
#include "soak/SoakSupport.h"

#include <QLineEdit>

using namespace soak;

class RisingSoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void risingSignCycles();
    void cleanupTestCase();
};

void RisingSoakTest::initTestCase() {
    TestSupport::isolate();
    (new frmMDI)->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(frmMDI::instance()));
}

void RisingSoakTest::risingSignCycles() {
    frmMDI::instance()->OpenCalculator(0);
    settle();
    QLineEdit* name = control<QLineEdit>("frmRisingSignMain", "txtName");
    QVERIFY(name);
    QTest::keyClicks(name, "ANITA");

    // The first run may create what stays for the whole session; count after it.
    auto cycle = [] {
        QAbstractButton* proceed = control("frmRisingSignMain", "cmdProceed");
        QVERIFY(proceed);
        QTest::mouseClick(proceed, Qt::LeftButton);
        settle();
        QAbstractButton* back = control("frmRisingSignDisplay", "cmdBack");
        QVERIFY2(back, "the result screen is not shown");
        QTest::mouseClick(back, Qt::LeftButton);
        settle();
        QVERIFY(visibleScreen("frmRisingSignMain"));
        QVERIFY(!visibleScreen("frmRisingSignDisplay"));
    };
    repeatWithoutLeaks([&](int) { cycle(); });
}

void RisingSoakTest::cleanupTestCase() {
    frmMDI::instance()->CloseCalculatorScreens();
    settle();
    for (const QString& name : ScreenNames)
        QVERIFY2(!visibleScreen(name), qPrintable(name));
}

QTEST_MAIN(RisingSoakTest)
#include "tst_soak_rising.moc"
