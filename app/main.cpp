#include "frmMDI.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmMDI mainWindow;
    mainWindow.showMaximized();
    return app.exec();
}
