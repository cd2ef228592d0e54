#pragma once

#include "ChildScreen.h"

#include <QString>

class LinkLabel;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The result screen of the Vedic ascendant finder: the lagna sign's picture, name and facts,
// spread over eight tabs. It copies the lagna information once, when it is loaded.
class frmVedicAscendantResult : public ChildScreen {
    Q_OBJECT
public:
    // The screen, created and loaded on first use (and again after it has been closed).
    static frmVedicAscendantResult* instance();
    // The screen if it is loaded, otherwise null.
    static frmVedicAscendantResult* existing();

    // The picture of a sign by its English name, or an empty path when no picture has that
    // name (exact, case-sensitive).
    static QString SignPicturePath(const QString& englishName);

    void cmdBack_Click();
    void mnuBack_Click();
    void cmdSave_Click();
    void mnuSave_Click();
    void mnuAbout_Click();

    // The picture shown in picLagna, for those who need to know which one it is.
    QString lagnaPicturePath() const { return lagnaPicture_; }

    QLabel* picLagna = nullptr;
    QLabel* lblVedicName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtRullingPlanet = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtEnglishName = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtInbornNature = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txtSymbol = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtSignColor = nullptr;

    QTabWidget* SST = nullptr;
    QLineEdit* txtTypeOfSign = nullptr;
    QLineEdit* txtGender = nullptr;
    QLineEdit* txtBarren = nullptr;
    QLineEdit* txtSignCaste = nullptr;
    QLineEdit* txtSignPosition = nullptr;
    QLineEdit* txtConstituentCharacter = nullptr;
    QLineEdit* txtPartOfTheBody = nullptr;
    QLineEdit* txtPhysique = nullptr;
    QPlainTextEdit* txtLooks = nullptr;
    QPlainTextEdit* txtNature = nullptr;
    QPlainTextEdit* txtCareerAndFinance = nullptr;
    QPlainTextEdit* txtLoveAndDomesticLife = nullptr;
    QLineEdit* txtCompatibleWith = nullptr;
    QLineEdit* txtNotCompatibleWith = nullptr;
    QPlainTextEdit* txtHealth = nullptr;
    QLabel* lblLuckyDays = nullptr;
    QLineEdit* txtLuckyDays = nullptr;
    QLabel* lblLuckyNumbers = nullptr;
    QLineEdit* txtLuckyNumbers = nullptr;
    QLabel* lblBestDirection = nullptr;
    QLineEdit* txtBestDirection = nullptr;
    QLabel* lblLuckyColors = nullptr;
    QLineEdit* txtLuckyColors = nullptr;
    QLabel* lblLuckyGemstone = nullptr;
    QLineEdit* txtLuckyGemstone = nullptr;
    QLabel* lblBestPeriodOfActivity = nullptr;
    QLineEdit* txtBestPeriodOfActivity = nullptr;

    QLabel* Label24 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Picture1 = nullptr;
    LinkLabel* lblHomePage = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    QLabel* Label25 = nullptr;

    QPushButton* cmdBack = nullptr;
    QPushButton* cmdSave = nullptr;
    QGroupBox* fraFullBrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCoBrand1 = nullptr;
    QGroupBox* fraForum = nullptr;
    LinkLabel* Label61 = nullptr;

    QAction* mnuBack = nullptr;
    QAction* mnuSave = nullptr;

protected:
private:
    frmVedicAscendantResult();
    void Form_Load();
    void createControls();
    void createMenus();
    QWidget* createAboutTab();

    QString lagnaPicture_;
};
