#pragma once

#include <QMainWindow>

#include <array>

class LinkLabel;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QWidget;

// The main window: a multiple-document container whose client area hosts the calculator screens
// and, while none is open, the welcome panel that offers them. Closing it ends the program.
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

    // Choice band
    QWidget* Picture1 = nullptr;
    QFrame* picButtonContainer = nullptr;
    QLabel* Picture3 = nullptr;
    QLabel* Picture2 = nullptr;
    std::array<QPushButton*, 2> cmdSelectOption{};
    // Banner band
    QWidget* Picture6 = nullptr;
    LinkLabel* lblQuorvelBanner = nullptr;
    // Welcome panel
    QWidget* picMain = nullptr;
    std::array<LinkLabel*, 5> lblCaption{};
    // Bottom band
    QWidget* PicCoBrand = nullptr;
    QPushButton* cmdMdiExit = nullptr;
    LinkLabel* Label7 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MDIForm_Load();
    void createChoiceBand(QWidget* parent);
    void createBannerBand(QWidget* parent);
    void createWelcomePanel();
    void createBottomBand(QWidget* parent);
    void createMenus();

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void Picture6_Click();
    void lblQuorvelBanner_Click();
    void Label7_Click();
    void cmdMdiExit_Click();
    void mnuExit_Click();

    QMdiArea* mdiArea_ = nullptr;
};
