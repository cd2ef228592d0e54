// The Vedic ascendant result screen reached by a real calculation: the sign of the worked
// examples with every tab's captions, texts and picture, the way back and a fresh screen each
// time, the close box, Save and the About tab.
#include "tst_vedic_support.h"

#include "FileDialog.h"
#include "LinkLabel.h"
#include "Records.h"
#include "modHelp.h"
#include "vedic/frmVedicAscendantSave.h"

#include "LagnaInformation.h"
#include "SignCatalogue.h"

#include <QAction>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace VedicTest;

class VedicResultTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void workedExamples_data();
    void workedExamples();
    void everyBoxShowsItsField();
    void tabsLabelsAndHints();
    void boxesAreReadOnlyButSelectable();
    void picturesByExactEnglishName_data();
    void picturesByExactEnglishName();
    void neverFilledRecordShowsEmptyScreen();
    void backThenNewCalculationShowsFreshScreen();
    void closeBoxLeavesWelcomePanel();
    void choosingCalculatorAgainStartsAfresh();
    void saveOpensTheReportWhoseReadingReopens();
    void aboutSelectsItsTabAndLinksOpenPages();
    void menus();
    void smallScreenScrollsToEveryPart();

private:
    frmVedicAscendantMain* input = nullptr;
    frmVedicAscendantResult* showFor(int month, int day, int hour, int minute);
};

void VedicResultTest::initTestCase() {
    TestSupport::isolate();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    mainWindow();
}

void VedicResultTest::init() {
    input = openCalculator();
    QVERIFY(input);
    MessageBox::clearShownMessages();
}

void VedicResultTest::cleanup() {
    if (frmVedicAscendantSave* report = frmVedicAscendantSave::existing())
        report->close();
    frmMDI::instance()->CloseCalculatorScreens();
    settle();
}

frmVedicAscendantResult* VedicResultTest::showFor(int month, int day, int hour, int minute) {
    Birth birth;
    birth.month = month;
    birth.day = day;
    birth.hour = hour;
    birth.minute = minute;
    enter(input, birth);
    return calculate(input);
}

void VedicResultTest::workedExamples_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("vedic");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("picture");

    QTest::newRow("15 March 10:30") << 3 << 15 << 10 << 30 << "Vrishabha"
                                    << "Taurus"
                                    << ":/signs/taurus.jpg";
    QTest::newRow("1 January 06:00") << 1 << 1 << 6 << 0 << "Dhanus"
                                     << "Sagittarius"
                                     << ":/signs/sagittarius.jpg";
    QTest::newRow("10 July 00:00") << 7 << 10 << 0 << 0 << "Meena"
                                   << "Pisces"
                                   << ":/signs/pisces.jpg";
    QTest::newRow("1 July 01:07") << 7 << 1 << 1 << 7 << "Mesha"
                                  << "Aries"
                                  << ":/signs/aries.jpg";
    QTest::newRow("1 July 01:06") << 7 << 1 << 1 << 6 << "Meena"
                                  << "Pisces"
                                  << ":/signs/pisces.jpg";
    QTest::newRow("1 January 11:50") << 1 << 1 << 11 << 50 << "Meena"
                                     << "Pisces"
                                     << ":/signs/pisces.jpg";
    QTest::newRow("1 January 11:51") << 1 << 1 << 11 << 51 << "Meena"
                                     << "Pisces"
                                     << ":/signs/pisces.jpg";
    QTest::newRow("30 June 23:59") << 6 << 30 << 23 << 59 << "Meena"
                                   << "Pisces"
                                   << ":/signs/pisces.jpg";
    // 4 + 726 + 90 = 820
    QTest::newRow("1 January 01:30") << 1 << 1 << 1 << 30 << "Thula"
                                     << "Libra"
                                     << ":/signs/libra.jpg";
    // 4 + 726 + 589 = 1319 and one minute later 1320
    QTest::newRow("1 January 09:49") << 1 << 1 << 9 << 49 << "Makara"
                                     << "Capricorn"
                                     << ":/signs/capricorn.jpg";
    QTest::newRow("1 January 09:50") << 1 << 1 << 9 << 50 << "Kumbha"
                                     << "Aquarius"
                                     << ":/signs/aquarius.jpg";
}

void VedicResultTest::workedExamples() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, vedic);
    QFETCH(QString, english);
    QFETCH(QString, picture);

    frmVedicAscendantResult* result = showFor(month, day, hour, minute);
    QVERIFY(result);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QCOMPARE(result->objectName(), QStringLiteral("frmVedicAscendantResult"));
    QCOMPARE(result->windowTitle(), QStringLiteral("ZT Vedic Ascendant"));
    QVERIFY(result->isScreenVisible());
    QVERIFY(!input->isScreenVisible());
    QVERIFY(!frmMDI::instance()->isWelcomePanelVisible());

    QCOMPARE(result->lblVedicName->text(), vedic);
    QCOMPARE(result->txtEnglishName->text(), english);
    QCOMPARE(result->SST->currentIndex(), 0);
    QCOMPARE(result->SST->tabText(6), QStringLiteral("Lucky for ") + vedic);
    const QList<QPair<QLabel*, QString>> prefixes = {
        {result->lblLuckyDays, "Lucky Days for "},
        {result->lblLuckyNumbers, "Lucky Numbers for "},
        {result->lblBestDirection, "Best Direction for "},
        {result->lblLuckyColors, "Lucky Colors for "},
        {result->lblLuckyGemstone, "Lucky Gemstone for "},
        {result->lblBestPeriodOfActivity, "Best Period Of Activity for "}};
    for (const auto& [label, prefix] : prefixes)
        QCOMPARE(label->text(), prefix + vedic);
    QCOMPARE(result->lagnaPicturePath(), picture);
    QVERIFY(result->picLagna->pixmap().isNull() == QPixmap(picture).isNull());
    QVERIFY(!result->txtNature->toPlainText().isEmpty());
}

void VedicResultTest::everyBoxShowsItsField() {
    // Thula, with values from the catalogue table as the user reads them.
    frmVedicAscendantResult* result = showFor(1, 1, 1, 30);
    QVERIFY(result);
    const QList<QPair<const char*, QString>> shown = {
        {"txtRullingPlanet", "Venus"},
        {"txtEnglishName", "Libra"},
        {"txtInbornNature", "Air"},
        {"txtSymbol", "The Balance"},
        {"txtSignColor", "Black"},
        {"txtTypeOfSign", "Movable"},
        {"txtGender", "Male"},
        {"txtBarren", "Semi-Fruitful"},
        {"txtSignCaste", "Sudra"},
        {"txtSignPosition", "Dwara"},
        {"txtConstituentCharacter", "Mineral (Dhatu)"},
        {"txtPartOfTheBody", "Lower Abdomen & Groin"},
        {"txtPhysique", "Tall"},
        {"txtCompatibleWith", "Sagittarius, Aquarius, Aries, Gemini, Leo"},
        {"txtNotCompatibleWith", "Taurus, Virgo, Capricorn"},
        {"txtLuckyDays", "Friday, Wednesday, Thursday"},
        {"txtLuckyNumbers", "1, 2, 4"},
        {"txtBestDirection", "West"},
        {"txtLuckyColors", "White, Green, Yellow"},
        {"txtLuckyGemstone", "Diamond"},
        {"txtBestPeriodOfActivity", "Day"}};
    for (const auto& [name, value] : shown) {
        auto* box = result->findChild<QLineEdit*>(name);
        QVERIFY2(box, name);
        QCOMPARE(box->text(), value);
    }
    const zenthari::LagnaRecord thula = zenthari::LagnaCatalogueEntry(6);
    const QList<QPair<QPlainTextEdit*, std::string>> texts = {
        {result->txtLooks, thula.Looks},
        {result->txtNature, thula.Nature},
        {result->txtCareerAndFinance, thula.CareerAndFinance},
        {result->txtLoveAndDomesticLife, thula.LoveAndDomesticLife},
        {result->txtHealth, thula.Health}};
    for (const auto& [box, text] : texts)
        QCOMPARE(box->toPlainText(), QString::fromStdString(text));
    QCOMPARE(result->SST->tabText(6), QStringLiteral("Lucky for Thula"));
    QCOMPARE(result->lblLuckyDays->text(), QStringLiteral("Lucky Days for Thula"));
    QCOMPARE(result->lagnaPicturePath(), QStringLiteral(":/signs/libra.jpg"));
}

void VedicResultTest::tabsLabelsAndHints() {
    frmVedicAscendantResult* result = showFor(3, 15, 10, 30);
    QVERIFY(result);
    QStringList tabs;
    for (int i = 0; i < result->SST->count(); ++i)
        tabs << result->SST->tabText(i);
    QCOMPARE(tabs, (QStringList{"Sign Characteristics", "Physique And Looks", "Human Nature",
                                "Career and Finance", "Love And Compatibility", "Health",
                                "Lucky for Vrishabha", "About Software"}));

    struct Row {
        const char* label;
        int tab; // -1: left column
        QString caption;
        const char* box;
        QString hint;
    };
    const Row rows[] = {
        {"Label2", -1, "Rulling Planet", "txtRullingPlanet",
         "This signifies the planet that exercises a powerful energy on the sign."},
        {"Label4", -1, "English Name", "txtEnglishName",
         "This signifies the English name for the Vedic moon sign."},
        {"Label3", -1, "Inborn Nature", "txtInbornNature",
         "This describes the human characteristics of this sign."},
        {"Label5", -1, "Symbol", "txtSymbol",
         "This signifies the picture associated with the moon sign."},
        {"Label6", -1, "Sign Color", "txtSignColor",
         "This signifies the color associated with the sign."},
        {"Label7", 0, "Type Of Sign", "txtTypeOfSign",
         "This signifies the attitude of the people under this sign."},
        {"Label8", 0, "Gender", "txtGender",
         "The male rashis are more dynamic in nature while the female rashis are passive by "
         "nature."},
        {"Label9", 0, "Barren / Fruitful", "txtBarren",
         "This classifies the signs on basis of fertility."},
        {"Label10", 0, "Sign Caste", "txtSignCaste",
         "This classifies the sign based on caste into Brahmana (the seeker and teacher of "
         "knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) "
         "and the Sudras (the workers)."},
        {"Label11", 0, "Sign Position", "txtSignPosition",
         "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), "
         "Garbha (Inside)."},
        {"Label12", 0, "Constituent Character", "txtConstituentCharacter",
         "This classifies the sign based on constituent making into Dhatu (Mineral), Moola "
         "(Vegetable) and Jeeva (Animal)."},
        {"Label13", 0, "Part Of The Body", "txtPartOfTheBody",
         "This shows the parts of the bodies that the different signs represent."},
        {"Label14", 1, "Physique", "txtPhysique",
         "This signifies the general stature of people born under this sign."},
        {"Label15", 1, "Looks", "txtLooks",
         "This signifies the physical appearance of people born under this sign."},
        {"Label16", 2, "Nature", "txtNature",
         "This signifies the human nature of people born under this sign."},
        {"Label17", 3, "Career And Finance", "txtCareerAndFinance",
         "This shows their career interests and financial habits."},
        {"Label18", 4, "Love And Domestic Life", "txtLoveAndDomesticLife",
         "This signifies born under this sign."},
        {"Label19", 4, "Compatible With", "txtCompatibleWith",
         "This signifies the other rashis/ moon signs that are compatible with this sign."},
        {"Label20", 4, "Not Compatible With", "txtNotCompatibleWith",
         "This signifies the other rashis/ moon signs that are not compatible with this sign."},
        {"Label21", 5, "Health", "txtHealth",
         "This signifies the health issues of people born under this rashi."},
        {"lblLuckyDays", 6, "Lucky Days for Vrishabha", "txtLuckyDays",
         "This signifies the lucky days for people born under this sign."},
        {"lblLuckyNumbers", 6, "Lucky Numbers for Vrishabha", "txtLuckyNumbers",
         "This signifies the lucky numbers for people born under this sign."},
        {"lblBestDirection", 6, "Best Direction for Vrishabha", "txtBestDirection",
         "This signifies the lucky directions for people born under this sign."},
        {"lblLuckyColors", 6, "Lucky Colors for Vrishabha", "txtLuckyColors",
         "This signifies the lucky colors for people born under this sign."},
        {"lblLuckyGemstone", 6, "Lucky Gemstone for Vrishabha", "txtLuckyGemstone",
         "This signifies the lucky gemstones for people born under this sign."},
        {"lblBestPeriodOfActivity", 6, "Best Period Of Activity for Vrishabha",
         "txtBestPeriodOfActivity",
         "This shows the best period of the day when people of this sign are more active."},
    };
    for (const Row& row : rows) {
        auto* label = result->findChild<QLabel*>(row.label);
        QVERIFY2(label, row.label);
        QCOMPARE(label->text(), row.caption);
        QCOMPARE(label->toolTip(), row.hint);
        QWidget* box = result->findChild<QWidget*>(row.box);
        QVERIFY2(box, row.box);
        QCOMPARE(box->accessibleName().isEmpty(), false);
        QWidget* page = row.tab < 0 ? nullptr : result->SST->widget(row.tab);
        if (page) {
            QVERIFY2(page->isAncestorOf(label), row.label);
            QVERIFY2(page->isAncestorOf(box), row.box);
        } else {
            QVERIFY2(!result->SST->isAncestorOf(box), row.box);
        }
    }
    QVERIFY(result->lblVedicName->font().bold());
    QCOMPARE(result->Label24->text(), QStringLiteral("ZT Vedic Ascendant"));
    QVERIFY(result->SST->widget(7)->isAncestorOf(result->Label23));
    QVERIFY(result->Label23->text().length() > 100);
    QVERIFY(result->SST->widget(7)->isAncestorOf(result->Picture1));
    QCOMPARE(result->cmdBack->text(), QStringLiteral("&Back"));
    QCOMPARE(result->cmdSave->text(), QStringLiteral("&Save"));
}

void VedicResultTest::boxesAreReadOnlyButSelectable() {
    frmVedicAscendantResult* result = showFor(3, 15, 10, 30);
    QVERIFY(result);
    const QList<QLineEdit*> lines = result->findChildren<QLineEdit*>();
    QCOMPARE(lines.size(), 21);
    for (QLineEdit* box : lines) {
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
        const QString before = box->text();
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("x"));
        QCOMPARE(box->text(), before);
        QCOMPARE(box->selectedText(), before);
    }
    const QList<QPlainTextEdit*> texts = result->findChildren<QPlainTextEdit*>();
    QCOMPARE(texts.size(), 5);
    for (QPlainTextEdit* box : texts) {
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        const QString before = box->toPlainText();
        box->selectAll();
        QTest::keyClicks(box->viewport(), QStringLiteral("y"));
        QCOMPARE(box->toPlainText(), before);
        QCOMPARE(box->textCursor().selectedText(), before);
    }
}

void VedicResultTest::picturesByExactEnglishName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    const QStringList english = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                 "Leo",         "Virgo",     "Libra",    "Scorpio",
                                 "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (const QString& name : english)
        QTest::newRow(qPrintable(name)) << name << ":/signs/" + name.toLower() + ".jpg";
    QTest::newRow("lower case") << "aries"
                                << "";
    QTest::newRow("blank before") << " Aries"
                                  << "";
    QTest::newRow("Vedic name") << "Mesha"
                                << "";
    QTest::newRow("empty") << ""
                           << "";
}

void VedicResultTest::picturesByExactEnglishName() {
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(frmVedicAscendantResult::SignPicturePath(name), path);
}

void VedicResultTest::neverFilledRecordShowsEmptyScreen() {
    const zenthari::LagnaRecord saved = zenthari::modLagnaInformation::LagnaInformation;
    zenthari::modLagnaInformation::LagnaInformation = {};
    frmVedicAscendantResult* result = frmVedicAscendantResult::instance();
    result->showScreen();
    QCOMPARE(result->SST->tabText(6), QStringLiteral("Lucky for "));
    QCOMPARE(result->lblVedicName->text(), QString());
    QCOMPARE(result->lagnaPicturePath(), QStringLiteral(":/pictures/lagna-initial.png"));
    for (QLineEdit* box : result->findChildren<QLineEdit*>())
        QVERIFY(box->text().isEmpty());
    zenthari::modLagnaInformation::LagnaInformation = saved;
}

void VedicResultTest::backThenNewCalculationShowsFreshScreen() {
    QPointer<frmVedicAscendantResult> first = showFor(3, 15, 10, 30);
    QVERIFY(first);
    first->SST->setCurrentIndex(4);
    QTest::mouseClick(first->cmdBack, Qt::LeftButton);
    settle();
    QVERIFY(!first); // destroyed
    QVERIFY(input->isScreenVisible());
    QVERIFY(!frmMDI::instance()->isWelcomePanelVisible());
    // The input screen kept what it was calculated from.
    QCOMPARE(input->txtName->text(), QStringLiteral("Asha"));
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("March"));
    QCOMPARE(input->cboDate->currentText(), QStringLiteral("15"));
    QCOMPARE(input->cboHH->currentText(), QStringLiteral("10"));
    QCOMPARE(input->txtLatS->text(), QStringLiteral("12"));

    input->cboMonth->setCurrentIndex(6); // 10 July 00:00
    input->cboDate->setCurrentIndex(9);
    input->cboHH->setCurrentIndex(0);
    input->cboMM->setCurrentIndex(0);
    frmVedicAscendantResult* second = calculate(input);
    QVERIFY(second);
    QCOMPARE(second->SST->currentIndex(), 0);
    QCOMPARE(second->lblVedicName->text(), QStringLiteral("Meena"));
    QCOMPARE(second->SST->tabText(6), QStringLiteral("Lucky for Meena"));
    QCOMPARE(second->lagnaPicturePath(), QStringLiteral(":/signs/pisces.jpg"));

    // The menu's Back does the same.
    second->mnuBack->trigger();
    settle();
    QVERIFY(!frmVedicAscendantResult::existing());
    QVERIFY(input->isScreenVisible());
    QVERIFY(!frmMDI::instance()->isWelcomePanelVisible());
}

void VedicResultTest::closeBoxLeavesWelcomePanel() {
    frmVedicAscendantResult* result = showFor(3, 15, 10, 30);
    QVERIFY(result);
    QVERIFY(result->subWindow());
    result->subWindow()->close();
    settle();
    QVERIFY(!frmVedicAscendantResult::existing());
    QVERIFY(frmMDI::instance()->isWelcomePanelVisible());
    // The input screen stays hidden and keeps its entries.
    QCOMPARE(frmVedicAscendantMain::existing(), input);
    QVERIFY(!input->isScreenVisible());
    QCOMPARE(input->txtName->text(), QStringLiteral("Asha"));
}

void VedicResultTest::choosingCalculatorAgainStartsAfresh() {
    input->txtName->setText(QStringLiteral("Ravi"));
    input->cboYear->setCurrentIndex(5);
    input->optLat[1]->setChecked(true);
    frmVedicAscendantMain* again = openCalculator();
    QVERIFY(again);
    QCOMPARE(again->txtName->text(), QString());
    QCOMPARE(again->cboYear->currentIndex(), 0);
    QVERIFY(again->optLat[0]->isChecked());
    QVERIFY(again->isScreenVisible());
    input = again;
}

void VedicResultTest::saveOpensTheReportWhoseReadingReopens() {
    Birth birth;
    birth.name = QStringLiteral("MEERA");
    birth.month = 9;
    birth.day = 23;
    birth.year = 1984;
    birth.hour = 14;
    birth.minute = 5;
    birth.second = 40;
    birth.east = false;
    birth.north = false;
    enter(input, birth);
    frmVedicAscendantResult* result = calculate(input);
    QVERIFY(result);
    const QString sign = result->lblVedicName->text();
    const zenthari::ReadingRecord calculated = zenthari::CurrentReading;

    // Save and its menu item open the report in front of the screen, which stays as it was.
    QTest::mouseClick(result->cmdSave, Qt::LeftButton);
    QPointer<frmVedicAscendantSave> report = frmVedicAscendantSave::existing();
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QVERIFY(report->isModal());
    QVERIFY(report->RTB->toPlainText().contains(QStringLiteral("Vedic Name: ") + sign));
    QVERIFY(result->isScreenVisible());
    QCOMPARE(result->lblVedicName->text(), sign);

    // The report's Save writes the reading; the input screen's Open brings it back.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("meera.ved"));
    FileDialog::setNextFileName(path);
    QTest::mouseClick(report->cmdSave, Qt::LeftButton);
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(MessageBox::shownMessages().isEmpty());
    report->close();
    settle();
    QVERIFY(!report);
    QVERIFY(result->isScreenVisible());
    result->mnuSave->trigger();
    QVERIFY(frmVedicAscendantSave::existing());
    frmVedicAscendantSave::existing()->close();
    settle();

    frmVedicAscendantMain* fresh = openCalculator();
    QVERIFY(fresh);
    QCOMPARE(fresh->txtName->text(), QString());
    zenthari::CurrentReading = {};
    FileDialog::setNextFileName(path);
    QTest::mouseClick(fresh->cmdOpen, Qt::LeftButton);
    settle();
    QCOMPARE(zenthari::CurrentReading, calculated);
    QVERIFY(frmVedicAscendantResult::existing());
    QCOMPARE(frmVedicAscendantResult::existing()->lblVedicName->text(), sign);
    QVERIFY(fresh->optLong[1]->isChecked());
    QVERIFY(fresh->optLat[1]->isChecked());
    input = fresh;
}

void VedicResultTest::aboutSelectsItsTabAndLinksOpenPages() {
    frmVedicAscendantResult* result = showFor(3, 15, 10, 30);
    QVERIFY(result);
    auto* about = result->findChild<QAction*>("mnuAbout");
    QVERIFY(about);
    QCOMPARE(about->text(), QStringLiteral("&About Software"));
    about->trigger();
    QCOMPARE(result->SST->currentIndex(), 7);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    UrlRecorder urls;
    const QList<QPair<const char*, QString>> links = {{"lblFullBrand", "fully-branded"},
                                                      {"lblCoBrand1", "co-brand"},
                                                      {"Label61", "home-page"},
                                                      {"lblHomePage", "home-page"},
                                                      {"lblCoBrand", "fully-branded"}};
    QStringList expected;
    for (const auto& [name, page] : links) {
        auto* link = result->findChild<LinkLabel*>(name);
        QVERIFY2(link, name);
        QVERIFY2(link->isVisible(), name);
        QTest::mouseClick(link, Qt::LeftButton);
        expected << TestSupport::pageAddress(page);
    }
    QTest::mouseClick(result->Label25, Qt::LeftButton);
    QCOMPARE(urls.addresses(), expected);

    QCOMPARE(result->lblCoBrand->text(), QStringLiteral("Click here for more details"));
    QCOMPARE(result->lblHomePage->text(),
             QStringLiteral("Click here to visit ") + modHelp::ProductSiteName());
    QCOMPARE(result->fraForum->title(), modHelp::ProductSiteName());
    QVERIFY(result->fraFullBrand->isAncestorOf(result->lblFullBrand));
    QVERIFY(!qobject_cast<LinkLabel*>(result->Label25));
}

void VedicResultTest::menus() {
    frmVedicAscendantResult* result = showFor(3, 15, 10, 30);
    QVERIFY(result);
    QMenuBar* bar = result->menuBar();
    QStringList top;
    for (QAction* action : bar->actions())
        top << action->objectName() + "=" + action->text();
    QCOMPARE(top,
             (QStringList{"mnuFile=&File", "mnuHelp=&Help", "mnuMakeMoney=Make Money &Online"}));
    QStringList file;
    for (QAction* action : bar->actions().at(0)->menu()->actions())
        file << action->objectName() + "=" + (action->isSeparator() ? "-" : action->text());
    QCOMPARE(file, (QStringList{"mnuBack=&Back", "mnuFile1=-", "mnuSave=&Save"}));
    QStringList help;
    for (QAction* action : bar->actions().at(1)->menu()->actions())
        help << action->objectName() + "=" + (action->isSeparator() ? "-" : action->text());
    QCOMPARE(help, (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "mnuHelp1=-",
                                "mnuUpdate=Check for Software &Update", "mnuHelp2=-",
                                "mnuAbout=&About Software"}));
    QVERIFY(!bar->actions().at(2)->isVisible());
}

void VedicResultTest::smallScreenScrollsToEveryPart() {
    frmMDI* main = mainWindow();
    const QSize before = main->size();
    main->resize(1024, 768);
    settle();
    frmVedicAscendantResult* result = showFor(3, 15, 10, 30);
    QVERIFY(result);
    QMdiArea* area = main->clientArea();
    QVERIFY(result->subWindow()->width() > area->viewport()->width());
    // The part beyond the right edge can be scrolled into view.
    QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
    QVERIFY(area->horizontalScrollBar()->maximum() > 0);
    main->resize(before);
    settle();
}

QTEST_MAIN(VedicResultTest)
#include "tst_vedic_result.moc"
