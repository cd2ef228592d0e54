#include "ChildScreen.h"

#include "MenuMnemonics.h"
#include "frmMDI.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

ChildScreen::ChildScreen(const QString& objectName, const QString& title) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    // The screen's own menus answer Alt+letter while the user works in it, not the main window's.
    new MenuMnemonics(this, menuBar());
}

ChildScreen::~ChildScreen() = default;

QMdiSubWindow* ChildScreen::subWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void ChildScreen::showScreen() {
    frmMDI* main = frmMDI::instance();
    QMdiSubWindow* sub = subWindow();
    if (!sub && main) {
        sub = main->clientArea()->addSubWindow(this);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setObjectName(objectName() + QStringLiteral("Window"));
        sub->setWindowIcon(main->windowIcon());
    }
    if (!sub) {
        show();
        return;
    }
    show();
    sub->adjustSize();
    sub->show();
    if (main)
        main->PlaceScreen(sub);
    sub->raise();
    if (main)
        main->clientArea()->setActiveSubWindow(sub);
}

void ChildScreen::hideScreen() {
    if (QMdiSubWindow* sub = subWindow())
        sub->hide();
    else
        hide();
}

void ChildScreen::unloadScreen() {
    if (QMdiSubWindow* sub = subWindow())
        sub->close();
    else
        close();
}

bool ChildScreen::isScreenVisible() const {
    const QMdiSubWindow* sub = subWindow();
    return sub ? sub->isVisible() && isVisible() : isVisible();
}

void ChildScreen::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
}

void ChildScreen::Form_Unload() {
    if (frmMDI* main = frmMDI::instance())
        main->ShowWelcomePanel();
}
