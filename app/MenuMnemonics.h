#pragma once

#include <QObject>

class QAction;
class QMenuBar;

// Gives a screen's own menu bar its Alt+letter keys while the focus is on that screen. Without
// it, the main window's menu bar, which has a "&File" and a "&Help" of its own, takes those keys
// even while the user works in a screen inside it.
class MenuMnemonics : public QObject {
    Q_OBJECT
public:
    // Watches the keys sent to screen and its children for Alt+letter keys meant for bar.
    MenuMnemonics(QWidget* screen, QMenuBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* menuForKey(int key) const;

    QWidget* screen_;
    QMenuBar* bar_;
};
