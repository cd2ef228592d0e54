// What the soak tests share: finding the visible screens and their controls by objectName,
// letting the event loop delete what was scheduled, counting what a leak would make grow, and
// clicking a button that opens a modal window.
#pragma once

#include "frmMDI.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace soak {

// Cycles per calculator: a long session of a user, and enough for a slow leak to show.
inline constexpr int Cycles = 500;

inline const QStringList ScreenNames = {"frmRisingSignMain", "frmRisingSignDisplay",
                                        "frmVedicAscendantMain", "frmVedicAscendantResult",
                                        "frmVedicAscendantSave"};

inline QWidget* visibleScreen(const QString& objectName) {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

template <typename T = QAbstractButton> T* control(const QString& screen, const QString& name) {
    QWidget* parent = visibleScreen(screen);
    return parent ? parent->findChild<T*>(name) : nullptr;
}

// Deletes what was scheduled for deletion, as the event loop would between two user actions.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What a leak would make grow.
struct Census {
    qsizetype topLevelWidgets = 0;
    qsizetype screens = 0;
    qsizetype subWindows = 0;
    qsizetype widgets = 0;

    static Census take() {
        Census census;
        census.topLevelWidgets = QApplication::topLevelWidgets().size();
        const QWidgetList all = QApplication::allWidgets();
        census.widgets = all.size();
        for (QWidget* widget : all) {
            if (ScreenNames.contains(widget->objectName()))
                ++census.screens;
        }
        census.subWindows = frmMDI::instance()->clientArea()->subWindowList().size();
        return census;
    }
    QString text() const {
        return QStringLiteral("%1 top-level widgets, %2 screens, %3 sub-windows, %4 widgets")
            .arg(topLevelWidgets)
            .arg(screens)
            .arg(subWindows)
            .arg(widgets);
    }
    bool operator==(const Census&) const = default;
};

// Clicks a button that may open a modal window: `whileOpen` runs once `screen` is visible, in
// whatever event loop is running then.
inline bool clickAndHandle(QAbstractButton* button, const QString& screen,
                           const std::function<void(QWidget*)>& whileOpen) {
    bool handled = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (handled)
            return;
        if (QWidget* open = visibleScreen(screen)) {
            handled = true;
            poll.stop();
            whileOpen(open);
        }
    });
    poll.start();
    QTest::mouseClick(button, Qt::LeftButton);
    QElapsedTimer limit;
    limit.start();
    while (!handled && limit.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return handled;
}

// Runs cycle once to settle, then Cycles times more, and after each checks that the counts of
// windows, screens and widgets are back where they were after the first one.
inline void repeatWithoutLeaks(const std::function<void(int)>& cycle) {
    cycle(0);
    if (QTest::currentTestFailed())
        return;
    const Census start = Census::take();
    for (int i = 1; i <= Cycles; ++i) {
        cycle(i);
        if (QTest::currentTestFailed()) {
            qWarning("cycle %d failed", i);
            return;
        }
        const Census now = Census::take();
        QVERIFY2(now == start, qPrintable(QStringLiteral("after cycle %1: %2, at the start: %3")
                                              .arg(i)
                                              .arg(now.text(), start.text())));
    }
}

} // namespace soak
