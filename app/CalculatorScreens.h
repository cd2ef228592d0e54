#pragma once

#include <QStringList>

class QWidget;

// What the main window needs to know of the calculator screens, kept apart so that the shell
// does not depend on every screen's header.
namespace CalculatorScreens {

// The screens the main window closes before it opens a calculator, in this order.
inline const QStringList ClosingOrder = {
    QStringLiteral("frmRisingSignDisplay"), QStringLiteral("frmRisingSignMain"),
    QStringLiteral("frmVedicAscendantMain"), QStringLiteral("frmVedicAscendantResult"),
    QStringLiteral("frmVedicAscendantSave")};

// Creates (if needed) and shows the input screen of a calculator: 0 Zodiac Rising Sign,
// 1 Vedic Ascendant. Returns the screen, or null when the choice names no calculator.
QWidget* ShowInputScreen(int choice);

} // namespace CalculatorScreens
