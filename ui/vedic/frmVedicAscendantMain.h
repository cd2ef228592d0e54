#pragma once

#include "ChildScreen.h"

#include "AscendantInput.h"
#include "Records.h"

#include <array>

class LinkLabel;
class QAction;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The input screen of the Vedic ascendant finder: name, birth date and time, birth place and its
// coordinates. It checks the entries, records the reading, and opens the result screen.
class frmVedicAscendantMain : public ChildScreen {
    Q_OBJECT
public:
    // The screen, created and loaded on first use (and again after it has been closed).
    static frmVedicAscendantMain* instance();
    // The screen if it is loaded, otherwise null.
    static frmVedicAscendantMain* existing();

    // Find the ascendant: check the entries, record the reading, compute the sign and show the
    // result screen.
    void cmdCalculate_Click();
    void mnuCalculate_Click();
    // Look up the birth place's latitude and longitude on the web.
    void cmdBrowser_Click();
    // Open a saved reading and calculate it.
    void cmdOpen_Click();
    void OpenReadingFile();
    // Puts a reading into the controls; lists keep their selection when no entry matches.
    void ShowReading(const zenthari::ReadingRecord& reading);

    // The entries as they stand.
    AscendantInput::Entries CurrentEntries() const;

    QLabel* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLabel* Label54 = nullptr;
    QLineEdit* txtMCity = nullptr;
    QLabel* Label55 = nullptr;
    QLineEdit* txtMState = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QPushButton* cmdBrowser = nullptr;
    QGroupBox* fraLongitude = nullptr;
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QLineEdit* txtLonS = nullptr;
    std::array<QRadioButton*, 2> optLong{};
    QGroupBox* fraLatitude = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QLineEdit* txtLatS = nullptr;
    std::array<QRadioButton*, 2> optLat{};
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;
    QLabel* picMain = nullptr;
    QWidget* fraFullBrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCoBrand = nullptr;

    QAction* mnuCalculate = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmVedicAscendantMain();
    void Form_Load();
    void createControls();
    void createMenus();
    QLineEdit* coordinateBox(QWidget* parent, const QString& objectName,
                             const QString& accessibleName);
    // The six coordinate boxes share one filter: digits and Backspace only.
    bool CoordinateBox_KeyPress(QKeyEvent* event);
    void RefuseNonDigit();
    QLineEdit* boxOf(AscendantInput::Field field) const;
};
