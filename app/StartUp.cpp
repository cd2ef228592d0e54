#include "StartUp.h"

#include "MessageBox.h"
#include "SingleInstance.h"
#include "frmMDI.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace StartUp {

namespace {

bool ending = false;

EndHandler& endHandler() {
    static EndHandler handler = [] { QCoreApplication::exit(0); };
    return handler;
}

} // namespace

EndHandler setEndHandler(EndHandler handler) {
    EndHandler previous = std::move(endHandler());
    endHandler() = handler ? std::move(handler) : [] { QCoreApplication::exit(0); };
    return previous;
}

bool isEnding() {
    return ending;
}

bool DisplayAvailable(QString* reason) {
    // An explicit platform (offscreen, wayland, xcb ...) is the user's choice; Qt will say
    // itself if it cannot use it.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    if (reason)
        *reason = QStringLiteral(
            "Zenthari is a desktop program and needs a display, but neither DISPLAY nor "
            "WAYLAND_DISPLAY is set.\nRun it from a desktop session, or under a virtual "
            "display, for example: xvfb-run -a zenthari");
    return false;
}

} // namespace StartUp

bool CheckSingleInstance() {
    // When no lock can be made at all nobody can tell whether another copy runs; starting is
    // then better than refusing to start.
    if (SingleInstance::Acquire() != SingleInstance::Result::AlreadyRunning)
        return true;
    MessageBox::show(nullptr, QStringLiteral("Application is already running"),
                     MessageBox::Icon::Information, MessageBox::Buttons::Ok);
    EndProgram();
    return false;
}

void EndProgram() {
    if (StartUp::ending)
        return;
    StartUp::ending = true;

    QPointer<frmMDI> main = frmMDI::instance();
    if (main) {
        // The calculator screens first, in their fixed order, so that each runs its closing
        // steps while the main window is still there; then whatever else the client area holds.
        main->CloseCalculatorScreens();
        if (QMdiArea* area = main->clientArea())
            area->closeAllSubWindows();
    }
    // Then every other window (dialogs, the report), the most recent first, and the main
    // window last.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.prepend(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window && window != main && window->isVisible())
            window->close();
    }
    if (main)
        main->close();

    StartUp::ending = false;
    StartUp::endHandler()();
}
