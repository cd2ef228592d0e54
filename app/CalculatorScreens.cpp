#include "CalculatorScreens.h"

#include "vedic/frmVedicAscendantMain.h"

#include <QWidget>

namespace CalculatorScreens {

QWidget* ShowInputScreen(int choice) {
    if (choice == 1) {
        frmVedicAscendantMain* screen = frmVedicAscendantMain::instance();
        screen->showScreen();
        return screen;
    }
    return nullptr;
}

} // namespace CalculatorScreens
