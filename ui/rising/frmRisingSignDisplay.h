#pragma once

#include "ChildScreen.h"

#include <QPointer>

class LinkLabel;
class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SignImageList;

// The result screen of the Western rising sign finder. It only shows what the input screen's
// run writes into it: the two signs, the rising sign's ten short values, its picture and five
// texts. Back returns to the input screen; Exit closes the finder's result.
class frmRisingSignDisplay : public ChildScreen {
    Q_OBJECT
public:
    static frmRisingSignDisplay* instance();
    static frmRisingSignDisplay* existing();

    // Writes the rising sign and its profile into the value controls, the picture from images.
    // Every control is written, so nothing of an earlier sign can remain.
    void ShowProfile(const QString& risingSign, const SignImageList& images);

    // Shortens the screen when the main window's client area is lower than it, so that the
    // buttons stay in reach; the texts then show fewer lines and scroll.
    void FitIntoClientArea();

    void cmdBack_Click();
    void cmdExit_Click();

    LinkLabel* Label61 = nullptr;
    QLabel* picSign = nullptr;

    LinkLabel* Label19 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;

    QLabel* lblYourSunSign = nullptr;
    QLabel* lblYourRisingSign = nullptr;
    QLabel* lblYourRulingPlanet = nullptr;
    QLabel* lblYourSymbol = nullptr;
    QLabel* lblYourElement = nullptr;
    QLabel* lblYourSignColor = nullptr;
    QLabel* lblYourTypeofSign = nullptr;
    QLabel* lblYourLuckyDays = nullptr;
    QLabel* lblYourLuckyNumbers = nullptr;
    QLabel* lblYourLuckyDirection = nullptr;
    QLabel* lblYourLuckyColors = nullptr;
    QLabel* lblYourLuckyGemstone = nullptr;

    QPlainTextEdit* txtYourLooks = nullptr;
    QPlainTextEdit* txtYourNature = nullptr;
    QPlainTextEdit* txtYourCareerandFinance = nullptr;
    QPlainTextEdit* txtYourLoveandDomesticLife = nullptr;
    QPlainTextEdit* txtYourHealth = nullptr;

    QPushButton* cmdBack = nullptr;
    QPushButton* cmdExit = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCoBrand = nullptr;

    QAction* mnuFileBack = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuMakeMoneyOnline = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmRisingSignDisplay();
    void createControls();
    void createMenus();
    QPlainTextEdit* createTextBox(const char* name, int lines);
    // The texts are the program's own content: any touch of a text box empties the clipboard.
    void txtYour_Touched();

    QList<QPlainTextEdit*> textBoxes_;
};
