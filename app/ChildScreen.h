#pragma once

#include <QMainWindow>

class QMdiSubWindow;

// A calculator screen: a child window in the main window's client area with its own menu bar.
// It is created on first use and destroyed when closed; closing it, by any way, runs its
// Form_Unload, which by default makes the main window's welcome panel visible again.
class ChildScreen : public QMainWindow {
    Q_OBJECT
public:
    explicit ChildScreen(const QString& objectName, const QString& title);
    ~ChildScreen() override;

    // Shows the screen in the main window's client area, at the top, centred across it.
    void showScreen();
    // Hides the screen; it stays loaded with everything it holds.
    void hideScreen();
    // Closes and destroys the screen.
    void unloadScreen();

    bool isScreenVisible() const;
    QMdiSubWindow* subWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    virtual void Form_Unload();

private:
    bool unloaded_ = false;
};
