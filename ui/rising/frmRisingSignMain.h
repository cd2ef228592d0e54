#pragma once

#include "ChildScreen.h"
#include "SignImageList.h"

#include <QPointer>

class LinkLabel;
class NameTextBox;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The input screen of the Western rising sign finder: a name, a birth date and a two-hour
// birth-time window. A run fills the result screen, hides this screen and shows the result;
// the entries stay here for the result screen's Back.
class frmRisingSignMain : public ChildScreen {
    Q_OBJECT
public:
    // The screen, created and loaded on first use.
    static frmRisingSignMain* instance();
    // The screen while it is loaded, otherwise null.
    static frmRisingSignMain* existing();

    // The run: validate, look up the signs, fill and show the result screen.
    void cmdProceed_Click();
    bool ValidateInput();

    LinkLabel* Label61 = nullptr;
    QGroupBox* fraDetails = nullptr;
    QLabel* Label1 = nullptr;
    NameTextBox* txtName = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* cmbDate = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* cmbMonth = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* cmbYear = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* cmbTime = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* cmdProceed = nullptr;
    QPushButton* cmdExit = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    QAction* mnuFindZodiacRisingSign = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuMakeMoneyOnline = nullptr;

    // The sign pictures the result screen shows.
    SignImageList IMGSign;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    frmRisingSignMain();
    void createControls();
    void createMenus();
    void Form_Load();
    std::optional<QChar> txtName_KeyPress(QChar typed);
    std::optional<QString> txtName_Paste(const QString& text);
    void cmdExit_Click();
};
