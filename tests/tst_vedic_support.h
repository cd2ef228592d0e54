#pragma once

// Shared steps of the Vedic ascendant screen tests: a real main window, the calculator opened
// the way a user opens it, and entries put into the input screen.

#include "MessageBox.h"
#include "TestSupport.h"
#include "frmMDI.h"
#include "vedic/frmVedicAscendantMain.h"
#include "vedic/frmVedicAscendantResult.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QtTest>

namespace VedicTest {

// Lets closed screens finish dying, so that the next lookup by name finds only live ones.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline frmMDI* mainWindow() {
    frmMDI* main = frmMDI::instance();
    if (!main) {
        main = new frmMDI();
        main->resize(1280, 1000);
        main->show();
        main->activateWindow();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(main);
    }
    return main;
}

// Opens the Vedic Ascendant calculator with the main window's button, as a user does.
inline frmVedicAscendantMain* openCalculator() {
    frmMDI* main = mainWindow();
    // Focus checks need the main window active, also after a dialog has come and gone.
    main->activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(main);
    QTest::mouseClick(main->cmdSelectOption[1], Qt::LeftButton);
    settle();
    return frmVedicAscendantMain::existing();
}

struct Birth {
    QString name = QStringLiteral("Asha");
    int month = 1; // 1..12
    int day = 1;
    int year = 1980;
    int hour = 0;
    int minute = 0;
    int second = 0;
    QString lonD = QStringLiteral("73");
    QString lonM = QStringLiteral("51");
    QString lonS = QStringLiteral("20");
    bool east = true;
    QString latD = QStringLiteral("18");
    QString latM = QStringLiteral("31");
    QString latS = QStringLiteral("12");
    bool north = true;
};

// Sets a coordinate box as a saved reading would, blanks and all, past the typing filter.
inline void setAsIs(QLineEdit* box, const QString& text) {
    const QValidator* validator = box->validator();
    box->setValidator(nullptr);
    box->setText(text);
    box->setValidator(validator);
}

inline void enter(frmVedicAscendantMain* s, const Birth& b) {
    s->txtName->setText(b.name);
    s->cboMonth->setCurrentIndex(b.month - 1);
    s->cboDate->setCurrentIndex(b.day - 1);
    s->cboYear->setCurrentIndex(s->cboYear->findText(QString::number(b.year)));
    s->cboHH->setCurrentIndex(b.hour);
    s->cboMM->setCurrentIndex(b.minute);
    s->cboSS->setCurrentIndex(b.second);
    setAsIs(s->txtLonD, b.lonD);
    setAsIs(s->txtLonM, b.lonM);
    setAsIs(s->txtLonS, b.lonS);
    s->optLong[b.east ? 0 : 1]->setChecked(true);
    setAsIs(s->txtLatD, b.latD);
    setAsIs(s->txtLatM, b.latM);
    setAsIs(s->txtLatS, b.latS);
    s->optLat[b.north ? 0 : 1]->setChecked(true);
}

// Presses "Find My Vedic Ascendant" and returns the result screen, if one came up.
inline frmVedicAscendantResult* calculate(frmVedicAscendantMain* s) {
    QTest::mouseClick(s->cmdCalculate, Qt::LeftButton);
    settle();
    return frmVedicAscendantResult::existing();
}

inline QStringList shownTexts() {
    QStringList texts;
    for (const MessageBox::Shown& m : MessageBox::shownMessages())
        texts << m.text;
    return texts;
}

} // namespace VedicTest
