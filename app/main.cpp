#include "MessageBox.h"
#include "StartUp.h"
#include "UpdateReminder.h"
#include "frmMDI.h"

#include <QApplication>
#include <QDate>
#include <QIcon>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

// Test hook: with ZENTHARI_AUTOANSWER=1 in the environment no message box appears. Each message
// is answered at once (OK, or No to a question) and its text is written to standard error, so
// that scripts can start real copies of the program without anybody at the screen.
bool answersAutomatically() {
    return qEnvironmentVariable("ZENTHARI_AUTOANSWER") == QLatin1String("1");
}

void reportAutomaticAnswers() {
    if (!answersAutomatically())
        return;
    for (const MessageBox::Shown& message : MessageBox::shownMessages())
        std::fprintf(stderr, "zenthari message: %s\n", qPrintable(message.text));
    std::fflush(stderr);
    MessageBox::clearShownMessages();
}

// While the application starts, a display that cannot be opened is a fatal error inside Qt,
// which would abort with a core dump. Say what is wrong and end with status 1 instead.
QtMessageHandler previousHandler = nullptr;

void startUpMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, message);
        return;
    }
    std::fprintf(stderr,
                 "Zenthari could not open its window: %s\nIt needs a working display; check "
                 "that DISPLAY (now \"%s\") names a running X server or run it under "
                 "xvfb-run.\n",
                 qPrintable(message), qgetenv("DISPLAY").constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
    // Without a display Qt would abort with a message about platform plugins; say plainly
    // what is missing instead.
    QString reason;
    if (!StartUp::DisplayAvailable(&reason)) {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        return 1;
    }

    previousHandler = qInstallMessageHandler(startUpMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    if (answersAutomatically())
        MessageBox::setAutomaticAnswers(true);

    const bool firstCopy = CheckSingleInstance();
    reportAutomaticAnswers();
    if (!firstCopy)
        return 0;

    UpdateReminder(QDate::currentDate());
    reportAutomaticAnswers();

    frmMDI mainWindow;
    // Without a window manager "maximized" means nothing; filling the screen first gives the
    // same look there.
    if (const QScreen* screen = mainWindow.screen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    return app.exec();
}
