#pragma once

#include <QMainWindow>

#include <array>

class LinkLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QWidget;

// The main window: a multiple-document container whose client area hosts the calculator screens
// and, while none is open, the welcome panel that offers them.
class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMDI(QWidget* parent = nullptr);
    ~frmMDI() override;

    // The one main window of the program, or null before it exists and after it is gone.
    static frmMDI* instance();

    QMdiArea* clientArea() const { return mdiArea_; }

    // Closes every calculator screen, hides the welcome panel and shows a fresh input screen:
    // 0 Zodiac Rising Sign, 1 Vedic Ascendant.
    void OpenCalculator(int choice);
    // Closes the calculator screens that are open, in the fixed order.
    void CloseCalculatorScreens();

    void ShowWelcomePanel();
    void HideWelcomePanel();
    bool isWelcomePanelVisible() const;

    // Places a child window at the top of the client area, centred across its width.
    void PlaceScreen(QMdiSubWindow* window) const;

    std::array<QPushButton*, 2> cmdSelectOption{};
    std::array<LinkLabel*, 5> lblCaption{};

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);

    QMdiArea* mdiArea_ = nullptr;
    QWidget* picMain_ = nullptr;
};
