#include "CalculatorScreens.h"

#include <QWidget>

namespace CalculatorScreens {

QWidget* ShowInputScreen(int choice) {
    (void)choice;
    return nullptr;
}

} // namespace CalculatorScreens
