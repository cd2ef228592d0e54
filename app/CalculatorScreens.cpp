#include "CalculatorScreens.h"

#include "rising/frmRisingSignMain.h"
#include "vedic/frmVedicAscendantMain.h"

#include <QWidget>

namespace CalculatorScreens {

QWidget* ShowInputScreen(int choice) {
    switch (choice) {
    case 0: {
        frmRisingSignMain* screen = frmRisingSignMain::instance();
        screen->showScreen();
        return screen;
    }
    case 1: {
        frmVedicAscendantMain* screen = frmVedicAscendantMain::instance();
        screen->showScreen();
        return screen;
    }
    default:
        break;
    }
    return nullptr;
}

} // namespace CalculatorScreens
