#pragma once

#include <QMainWindow>
#include <QPointer>

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
    // True from the moment the screen starts to close; it is then never handed out again.
    bool isUnloading() const { return unloaded_; }
    QMdiSubWindow* subWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    virtual void Form_Unload();

private:
    bool unloaded_ = false;
};

// The one screen of a kind: created and loaded on first use, and created afresh once the
// previous one has begun to close, so a closing screen is never reused.
template <typename Screen> class ScreenSlot {
public:
    Screen* existing() const {
        return screen_ && !screen_->isUnloading() ? screen_.data() : nullptr;
    }

    // The screen; create makes and loads a new one when there is none.
    template <typename Create> Screen* instance(Create create) {
        if (!existing())
            screen_ = create();
        return screen_.data();
    }

private:
    QPointer<Screen> screen_;
};
