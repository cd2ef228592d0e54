// The Vedic ascendant input screen driven from the main window: its controls, the checks in
// their order, the digit filter, the locale's month names and the place lookup.
#include "tst_vedic_support.h"

#include "LinkLabel.h"
#include "frmAbout.h"
#include "vedic/AscendantInput.h"
#include "vedic/PlaceLookupComponent.h"

#include "LagnaInformation.h"
#include "Records.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>

using namespace VedicTest;
using Icon = MessageBox::Icon;

class VedicInputTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadsWithEveryControlInItsFirstState();
    void menus();
    void checksRunInOrder_data();
    void checksRunInOrder();
    void allEmptyShowsOnlyTheNameMessage();
    void calculateMenuDoesWhatTheButtonDoes();
    void digitFilterOnTypedKeys_data();
    void digitFilterOnTypedKeys();
    void digitFilterKeepsTwelveWithOneMessage();
    void digitFilterRefusesPastedNonDigits();
    void monthListFollowsTheLocale();
    void onlyMonthDayAndTimeChooseTheSign_data();
    void onlyMonthDayAndTimeChooseTheSign();
    void placeLookupChecksItsBoxes_data();
    void placeLookupChecksItsBoxes();
    void placeLookupOpensTheSearch_data();
    void placeLookupOpensTheSearch();
    void promotionsOpenTheirPages();
    void accessibleNames();
    void altKeysOpenTheScreensOwnMenus();

private:
    frmVedicAscendantMain* screen = nullptr;
};

void VedicInputTest::initTestCase() {
    TestSupport::isolate();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    mainWindow();
}

void VedicInputTest::init() {
    screen = openCalculator();
    QVERIFY(screen);
    MessageBox::clearShownMessages();
}

void VedicInputTest::cleanup() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    frmMDI::instance()->CloseCalculatorScreens();
    settle();
}

void VedicInputTest::loadsWithEveryControlInItsFirstState() {
    QCOMPARE(screen->objectName(), QStringLiteral("frmVedicAscendantMain"));
    QCOMPARE(screen->windowTitle(), QStringLiteral("ZT Vedic Ascendant"));
    QVERIFY(screen->isScreenVisible());
    QVERIFY(!frmMDI::instance()->isWelcomePanelVisible());
    // At the top of the client area, centred across it.
    QMdiSubWindow* window = screen->subWindow();
    QVERIFY(window);
    QCOMPARE(window->y(), 0);
    const int width = frmMDI::instance()->clientArea()->viewport()->width();
    QVERIFY(qAbs(window->x() - (width - window->width()) / 2) <= 1);

    const QList<QPair<QString, QString>> labels = {
        {"Label1", "Name"},     {"Label2", "Date of Birth"}, {"Label3", "Time of Birth"},
        {"Label5", "HH:MM:SS"}, {"Label54", "City"},         {"Label55", "State"},
        {"Label4", "Country"}};
    for (const auto& [name, caption] : labels) {
        auto* label = screen->findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->text(), caption);
    }
    QCOMPARE(screen->cmdBrowser->text(),
             QStringLiteral("Click Here To Find Latitude && Longitude"));
    QCOMPARE(screen->cmdCalculate->text(), QStringLiteral("Find My Vedic Ascendant"));
    QCOMPARE(screen->cmdOpen->text(), QStringLiteral("&Open Previously Saved Reading"));
    QCOMPARE(screen->fraLongitude->title(), QStringLiteral("Longitude"));
    QCOMPARE(screen->fraLatitude->title(), QStringLiteral("Latitude"));
    QCOMPARE(screen->findChild<QRadioButton*>("optLong_0")->text(), QStringLiteral("East"));
    QCOMPARE(screen->findChild<QRadioButton*>("optLong_1")->text(), QStringLiteral("West"));
    QCOMPARE(screen->findChild<QRadioButton*>("optLat_0")->text(), QStringLiteral("North"));
    QCOMPARE(screen->findChild<QRadioButton*>("optLat_1")->text(), QStringLiteral("South"));
    QVERIFY(screen->optLong[0]->isChecked());
    QVERIFY(screen->optLat[0]->isChecked());
    for (QGroupBox* frame : {screen->fraLongitude, screen->fraLatitude}) {
        QStringList heads;
        for (QLabel* label : frame->findChildren<QLabel*>())
            heads << label->text();
        QCOMPARE(heads, (QStringList{"Deg", "Min", "Sec"}));
    }
    for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry", "txtLonD",
                             "txtLonM", "txtLonS", "txtLatD", "txtLatM", "txtLatS"}) {
        auto* box = screen->findChild<QLineEdit*>(name);
        QVERIFY2(box, name);
        QVERIFY2(box->text().isEmpty(), name);
    }

    // The lists: choose-only, whole ranges, first entries selected.
    struct ListCase {
        const char* name;
        QString first;
        QString last;
        int count;
    };
    const ListCase lists[] = {{"cboMonth", "January", "December", 12},
                              {"cboDate", "1", "31", 31},
                              {"cboYear", "1900", "2050", 151},
                              {"cboHH", "0", "23", 24},
                              {"cboMM", "0", "59", 60},
                              {"cboSS", "0", "59", 60}};
    for (const ListCase& c : lists) {
        auto* list = screen->findChild<QComboBox*>(c.name);
        QVERIFY2(list, c.name);
        QVERIFY2(!list->isEditable(), c.name);
        QCOMPARE(list->count(), c.count);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->itemText(0), c.first);
        QCOMPARE(list->itemText(c.count - 1), c.last);
    }
    QCOMPARE(screen->cboDate->itemText(8), QStringLiteral("9")); // no leading zeros

    auto* full = screen->findChild<LinkLabel*>("lblFullBrand");
    auto* co = screen->findChild<LinkLabel*>("lblCoBrand");
    QVERIFY(full && co);
    QCOMPARE(full->parentWidget()->objectName(), QStringLiteral("fraFullBrand"));
    QCOMPARE(full->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                            "money online. Get this software fully branded for your website. "
                            "Click here for more details."));
    // The stored caption has "&&": one "&" is what the user reads.
    QCOMPARE(co->text(),
             QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                            "to your site. Put your site's name &  link here. See \"Help\" for "
                            "details.    Click Here for more info on co-branding."));
    QVERIFY(screen->findChild<QLabel*>("picMain"));
}

void VedicInputTest::menus() {
    QMenuBar* bar = screen->menuBar();
    QStringList top;
    for (QAction* action : bar->actions())
        top << action->objectName();
    QCOMPARE(top, (QStringList{"mnuFile", "mnuHelp", "mnuMakeMoney"}));
    QCOMPARE(bar->actions().at(0)->text(), QStringLiteral("&File"));
    auto* calculate = screen->findChild<QAction*>("mnuCalculate");
    QVERIFY(calculate);
    QCOMPARE(calculate->text(), QStringLiteral("&Calculate"));

    QMenu* help = bar->actions().at(1)->menu();
    QStringList items;
    for (QAction* action : help->actions())
        items << action->objectName() + "=" + (action->isSeparator() ? "-" : action->text());
    QCOMPARE(items, (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online",
                                 "mnuHelp1=-", "mnuUpdate=Check for Software &Update", "mnuHelp2=-",
                                 "mnuAbout=&About Software"}));
    QAction* money = bar->actions().at(2);
    QCOMPARE(money->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!money->isVisible());
    QVERIFY(!money->isEnabled());

    // About Software shows the About box, modal.
    QVERIFY(!frmAbout::existing());
    screen->findChild<QAction*>("mnuAbout")->trigger();
    QTRY_VERIFY(frmAbout::existing());
    QVERIFY(frmAbout::existing()->isModal());
    frmAbout::existing()->close();
    settle();
    QTRY_VERIFY(!frmAbout::existing());

    UrlRecorder urls;
    for (const char* name : {"mnuOnline", "mnuVisit", "mnuUpdate"})
        screen->findChild<QAction*>(name)->trigger();
    QCOMPARE(urls.addresses(), (QStringList{TestSupport::pageAddress("help-web-page"),
                                            TestSupport::pageAddress("home-page"),
                                            TestSupport::pageAddress("download-web-page")}));
}

void VedicInputTest::checksRunInOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("coordinates"); // LonD LonM LonS LatD LatM LatS
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus"); // box that gets the focus; empty: unchanged

    const QStringList all = {"73", "51", "20", "18", "31", "12"};
    const auto without = [&](int index) {
        QStringList c = all;
        c[index] = index % 2 ? QString() : QStringLiteral("  ");
        return c;
    };
    const int critical = int(Icon::Critical);
    const int information = int(Icon::Information);
    QTest::newRow("name of blanks")
        << "   " << all << 1 << 1 << 1980 << "Please Enter Name" << critical << "txtName";
    QTest::newRow("longitude degrees")
        << "Asha" << without(0) << 1 << 1 << 1980 << "Please Enter Degree of Longitude" << critical
        << "txtLonD";
    QTest::newRow("longitude minutes")
        << "Asha" << without(1) << 1 << 1 << 1980 << "Please Enter Minute of Longitude" << critical
        << "txtLonM";
    QTest::newRow("longitude seconds")
        << "Asha" << without(2) << 1 << 1 << 1980 << "Please Enter Second of Longitude" << critical
        << "txtLonS";
    QTest::newRow("latitude degrees") << "Asha" << without(3) << 1 << 1 << 1980
                                      << "Please Enter Degree of Latitude" << critical << "txtLatD";
    QTest::newRow("latitude minutes") << "Asha" << without(4) << 1 << 1 << 1980
                                      << "Please Enter Minute of Latitude" << critical << "txtLatM";
    QTest::newRow("latitude seconds") << "Asha" << without(5) << 1 << 1 << 1980
                                      << "Please Enter Second of Latitude" << critical << "txtLatS";
    QTest::newRow("longitude before latitude")
        << "Asha" << QStringList{"", "51", "20", "", "31", "12"} << 1 << 1 << 1980
        << "Please Enter Degree of Longitude" << critical << "txtLonD";
    QTest::newRow("name before a bad date")
        << "" << all << 2 << 30 << 1980 << "Please Enter Name" << critical << "txtName";
    QTest::newRow("30 February in a leap year")
        << "Asha" << all << 2 << 30 << 2000 << "Please Enter Correct Date Or Month!" << information
        << "";
    QTest::newRow("31 February") << "Asha" << all << 2 << 31 << 1981
                                 << "Please Enter Correct Date Or Month!" << information << "";
    QTest::newRow("29 February 1901") << "Asha" << all << 2 << 29 << 1901
                                      << "Please Enter Correct Date Or Month!" << information << "";
    QTest::newRow("29 February 1900") << "Asha" << all << 2 << 29 << 1900 << "" << 0 << "";
    QTest::newRow("29 February 2000") << "Asha" << all << 2 << 29 << 2000 << "" << 0 << "";
    QTest::newRow("31 April") << "Asha" << all << 4 << 31 << 1980
                              << "Please Enter Correct Date Or Month !" << information << "";
    QTest::newRow("31 June") << "Asha" << all << 6 << 31 << 1980
                             << "Please Enter Correct Date Or Month !" << information << "";
    QTest::newRow("31 September") << "Asha" << all << 9 << 31 << 1980
                                  << "Please Enter Correct Date Or Month !" << information << "";
    QTest::newRow("31 November") << "Asha" << all << 11 << 31 << 1980
                                 << "Please Enter Correct Date Or Month !" << information << "";
    QTest::newRow("31 July") << "Asha" << all << 7 << 31 << 1980 << "" << 0 << "";
    QTest::newRow("999 degrees") << "Asha" << QStringList{"999", "0", "0", "999", "0", "0"} << 12
                                 << 31 << 2050 << "" << 0 << "";
}

void VedicInputTest::checksRunInOrder() {
    QFETCH(QString, name);
    QFETCH(QStringList, coordinates);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);

    Birth birth;
    birth.name = name;
    birth.month = month;
    birth.day = day;
    birth.year = year;
    birth.lonD = coordinates[0];
    birth.lonM = coordinates[1];
    birth.lonS = coordinates[2];
    birth.latD = coordinates[3];
    birth.latM = coordinates[4];
    birth.latS = coordinates[5];
    enter(screen, birth);
    // A box the date checks must leave alone.
    screen->txtMCity->setFocus();
    QTRY_VERIFY(screen->txtMCity->hasFocus());
    zenthari::CurrentReading = {};

    // The menu leaves the focus where it was, as a button press would not.
    screen->mnuCalculate->trigger();
    settle();
    frmVedicAscendantResult* result = frmVedicAscendantResult::existing();
    if (message.isEmpty()) {
        QVERIFY(MessageBox::shownMessages().isEmpty());
        QVERIFY(result);
        QVERIFY(result->isScreenVisible());
        QVERIFY(!screen->isScreenVisible());
        QCOMPARE(QString::fromStdString(zenthari::CurrentReading.Year), QString::number(year));
        return;
    }
    QCOMPARE(shownTexts(), QStringList{message});
    const MessageBox::Shown shown = MessageBox::shownMessages().first();
    QCOMPARE(shown.text, message);
    QCOMPARE(int(shown.icon), icon);
    QCOMPARE(shown.buttons, MessageBox::Buttons::Ok);
    QCOMPARE(shown.title, QStringLiteral("Zenthari"));
    QVERIFY(!result);
    QVERIFY(screen->isScreenVisible());
    QVERIFY(zenthari::CurrentReading == zenthari::ReadingRecord{});
    QWidget* expected = focus.isEmpty() ? screen->txtMCity : screen->findChild<QWidget*>(focus);
    QTRY_COMPARE(QApplication::focusWidget(), expected);
    // The entries stay as they were.
    QCOMPARE(screen->txtName->text(), name);
    QCOMPARE(screen->cboDate->currentIndex(), day - 1);
}

void VedicInputTest::allEmptyShowsOnlyTheNameMessage() {
    QTest::mouseClick(screen->cmdCalculate, Qt::LeftButton);
    QCOMPARE(shownTexts(), QStringList{"Please Enter Name"});

    MessageBox::clearShownMessages();
    QTest::keyClicks(screen->txtName, QStringLiteral("Asha"));
    QTest::mouseClick(screen->cmdCalculate, Qt::LeftButton);
    QCOMPARE(shownTexts(), QStringList{"Please Enter Degree of Longitude"});
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(screen->txtLonD));
}

void VedicInputTest::calculateMenuDoesWhatTheButtonDoes() {
    screen->mnuCalculate->trigger();
    QCOMPARE(shownTexts(), QStringList{"Please Enter Name"});

    MessageBox::clearShownMessages();
    Birth birth;
    birth.month = 3;
    birth.day = 15;
    birth.hour = 10;
    birth.minute = 30;
    enter(screen, birth);
    screen->mnuCalculate->trigger();
    settle();
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QVERIFY(frmVedicAscendantResult::existing());
    QCOMPARE(frmVedicAscendantResult::existing()->lblVedicName->text(),
             QStringLiteral("Vrishabha"));
    QVERIFY(!screen->isScreenVisible());
    QVERIFY(!frmMDI::instance()->isWelcomePanelVisible());
}

void VedicInputTest::digitFilterOnTypedKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after"); // box text after the key, starting from "45" cursor at end
    QTest::addColumn<bool>("refused");

    QTest::newRow("digit") << int(Qt::Key_7) << "7" << 0 << "457" << false;
    QTest::newRow("keypad digit") << int(Qt::Key_7) << "7" << int(Qt::KeypadModifier) << "457"
                                  << false;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << 0 << "45" << true;
    QTest::newRow("capital") << int(Qt::Key_A) << "A" << int(Qt::ShiftModifier) << "45" << true;
    QTest::newRow("blank") << int(Qt::Key_Space) << " " << 0 << "45" << true;
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << 0 << "45" << true;
    QTest::newRow("point") << int(Qt::Key_Period) << "." << 0 << "45" << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << 0 << "45" << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "\r" << int(Qt::KeypadModifier) << "45"
                                  << true;
    QTest::newRow("other digit") << int(Qt::Key_unknown) << QString(QChar(0x0663)) << 0 << "45"
                                 << true;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << 0 << "4" << false;
    QTest::newRow("Left") << int(Qt::Key_Left) << "" << 0 << "45" << false;
    QTest::newRow("Home") << int(Qt::Key_Home) << "" << 0 << "45" << false;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t" << 0 << "45" << false;
    QTest::newRow("select all") << int(Qt::Key_A) << "\x01" << int(Qt::ControlModifier) << "45"
                                << false;
}

void VedicInputTest::digitFilterOnTypedKeys() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(bool, refused);

    const QList<QLineEdit*> boxes = {screen->txtLonD, screen->txtLonM, screen->txtLonS,
                                     screen->txtLatD, screen->txtLatM, screen->txtLatS};
    for (QLineEdit* box : boxes) {
        MessageBox::clearShownMessages();
        box->setText(QStringLiteral("45"));
        box->setFocus();
        box->end(false);
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QApplication::sendEvent(box, &press);
        QCOMPARE(box->text(), after);
        if (refused) {
            QCOMPARE(MessageBox::shownMessages().size(), 1);
            QCOMPARE(MessageBox::shownMessages().first().text,
                     QStringLiteral("Only Numbers Are Accepted"));
            QCOMPARE(MessageBox::shownMessages().first().icon, Icon::Critical);
        } else {
            QVERIFY2(MessageBox::shownMessages().isEmpty(), qPrintable(box->objectName()));
        }
    }
}

void VedicInputTest::digitFilterKeepsTwelveWithOneMessage() {
    QTest::keyClick(screen->txtLatD, Qt::Key_1);
    QTest::keyClick(screen->txtLatD, Qt::Key_2);
    QTest::keyClick(screen->txtLatD, Qt::Key_A);
    QCOMPARE(screen->txtLatD->text(), QStringLiteral("12"));
    QCOMPARE(shownTexts(), QStringList{"Only Numbers Are Accepted"});

    // The name box has no filter.
    MessageBox::clearShownMessages();
    QTest::keyClicks(screen->txtName, QStringLiteral("Asha 2"));
    QCOMPARE(screen->txtName->text(), QStringLiteral("Asha 2"));
    QVERIFY(MessageBox::shownMessages().isEmpty());
}

void VedicInputTest::digitFilterRefusesPastedNonDigits() {
    QLineEdit* box = screen->txtLonM;
    box->setText(QStringLiteral("1"));
    box->setFocus();
    box->end(false);

    QApplication::clipboard()->setText(QStringLiteral("2-3"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("1"));
    QCOMPARE(shownTexts(), QStringList{"Only Numbers Are Accepted"});

    MessageBox::clearShownMessages();
    QApplication::clipboard()->setText(QStringLiteral("23"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("123"));
    QVERIFY(MessageBox::shownMessages().isEmpty());

    // Through the context menu's paste as well.
    QApplication::clipboard()->setText(QStringLiteral("4 5"));
    box->paste();
    QCOMPARE(box->text(), QStringLiteral("123"));
    QCOMPARE(shownTexts(), QStringList{"Only Numbers Are Accepted"});
}

void VedicInputTest::monthListFollowsTheLocale() {
    // The same birth in two languages gives the same sign.
    Birth birth;
    birth.month = 3;
    birth.day = 15;
    birth.hour = 10;
    birth.minute = 30;
    enter(screen, birth);
    QCOMPARE(screen->cboMonth->currentText(), QStringLiteral("March"));
    frmVedicAscendantResult* english = calculate(screen);
    QVERIFY(english);
    QCOMPARE(english->lblVedicName->text(), QStringLiteral("Vrishabha"));
    QCOMPARE(QString::fromStdString(zenthari::CurrentReading.Month), QStringLiteral("March"));
    cleanup();

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    screen = openCalculator();
    QStringList months;
    for (int i = 0; i < screen->cboMonth->count(); ++i)
        months << screen->cboMonth->itemText(i);
    QCOMPARE(months, (QStringList{"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli",
                                  "August", "September", "Oktober", "November", "Dezember"}));
    QCOMPARE(AscendantInput::LocaleMonthNames(), months);
    enter(screen, birth);
    frmVedicAscendantResult* german = calculate(screen);
    QVERIFY(german);
    QCOMPARE(QString::fromStdString(zenthari::CurrentReading.Month), QStringLiteral("März"));
    QCOMPARE(german->lblVedicName->text(), QStringLiteral("Vrishabha"));

    // A month the locale does not name adds no month offset: 15th, 10:30 -> 60 + 630 = 690.
    zenthari::ReadingRecord reading = zenthari::CurrentReading;
    reading.Month = "March";
    QCOMPARE(AscendantInput::ComputeReadingSign(reading), 4); // Simha: 567..691
}

void VedicInputTest::onlyMonthDayAndTimeChooseTheSign_data() {
    QTest::addColumn<int>("change");
    for (int change = 0; change < 9; ++change)
        QTest::newRow(qPrintable(QString::number(change))) << change;
}

void VedicInputTest::onlyMonthDayAndTimeChooseTheSign() {
    QFETCH(int, change);
    Birth birth;
    birth.month = 3;
    birth.day = 15;
    birth.year = 1950;
    birth.hour = 10;
    birth.minute = 30;
    enter(screen, birth);
    QVERIFY(calculate(screen));
    const zenthari::ReadingRecord before = zenthari::CurrentReading;
    const zenthari::LagnaRecord signBefore = zenthari::modLagnaInformation::LagnaInformation;
    QCOMPARE(QString::fromStdString(signBefore.VedicName), QStringLiteral("Vrishabha"));
    frmVedicAscendantResult::existing()->cmdBack_Click();
    settle();

    bool recorded = true; // the change shows in the reading
    switch (change) {
    case 0:
        screen->cboYear->setCurrentIndex(0);
        break;
    case 1:
        screen->cboSS->setCurrentIndex(59);
        break;
    case 2:
        screen->txtLonD->setText("1");
        break;
    case 3:
        screen->txtLatS->setText("59");
        break;
    case 4:
        screen->optLong[1]->setChecked(true);
        break;
    case 5:
        screen->optLat[1]->setChecked(true);
        break;
    case 6:
        screen->txtMCity->setText("Pune");
        recorded = false;
        break;
    case 7:
        screen->txtMCountry->setText("India");
        recorded = false;
        break;
    case 8:
        // Blanks around a name are not part of it.
        screen->txtName->setText("  Asha  ");
        recorded = false;
        break;
    }
    zenthari::modLagnaInformation::FillLagnaInformation("Kanya");
    QVERIFY(calculate(screen));
    QCOMPARE(zenthari::CurrentReading != before, recorded);
    QVERIFY(zenthari::modLagnaInformation::LagnaInformation == signBefore);
}

void VedicInputTest::placeLookupChecksItsBoxes_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "Please Enter City"
                               << "txtMCity";
    QTest::newRow("no state") << "Pune"
                              << ""
                              << "India"
                              << "Please Enter State"
                              << "txtMState";
    QTest::newRow("no country") << "Pune"
                                << "Maharashtra"
                                << ""
                                << "Please Enter Country"
                                << "txtMCountry";
    QTest::newRow("blanks pass") << "   "
                                 << " "
                                 << " "
                                 << ""
                                 << "";
}

void VedicInputTest::placeLookupChecksItsBoxes() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    UrlRecorder urls;
    screen->txtMCity->setText(city);
    screen->txtMState->setText(state);
    screen->txtMCountry->setText(country);
    screen->txtName->setFocus();
    QTest::mouseClick(screen->cmdBrowser, Qt::LeftButton);
    if (message.isEmpty()) {
        QVERIFY(MessageBox::shownMessages().isEmpty());
        QCOMPARE(urls.urls.size(), 1);
        return;
    }
    QCOMPARE(shownTexts(), QStringList{message});
    QCOMPARE(MessageBox::shownMessages().first().icon, Icon::Information);
    QTRY_COMPARE(QApplication::focusWidget(), screen->findChild<QWidget*>(focus));
    QVERIFY(urls.urls.isEmpty());
}

void VedicInputTest::placeLookupOpensTheSearch_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("searched");
    QTest::newRow("Pune") << "Pune"
                          << "Maharashtra"
                          << "India"
                          << "Pune Maharashtra India Latitude Longitude";
    QTest::newRow("special characters") << "A&B #1"
                                        << "x+y?"
                                        << "100%=z"
                                        << "A&B #1 x+y? 100%=z Latitude Longitude";
    QTest::newRow("untrimmed") << " Pune "
                               << "MH"
                               << "IN"
                               << " Pune  MH IN Latitude Longitude";
}

void VedicInputTest::placeLookupOpensTheSearch() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, searched);
    QCOMPARE(AscendantInput::PlaceSearchText(city, state, country), searched);

    UrlRecorder urls;
    screen->txtMCity->setText(city);
    screen->txtMState->setText(state);
    screen->txtMCountry->setText(country);
    QTest::mouseClick(screen->cmdBrowser, Qt::LeftButton);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QCOMPARE(urls.urls.size(), 1);
    const QUrl opened = urls.urls.first();

    // The address is the configured search with the text as its one query value, whatever
    // characters the place name holds.
    const QUrl base(QStringLiteral(ZENTHARI_PLACE_SEARCH_URL));
    QCOMPARE(opened.scheme(), base.scheme());
    QCOMPARE(opened.host(), base.host());
    QCOMPARE(opened.path(), base.path());
    QVERIFY(opened.fragment().isNull());
    const QByteArray encoded = opened.toEncoded();
    QVERIFY(encoded.startsWith(ZENTHARI_PLACE_SEARCH_URL));
    const QByteArray value = encoded.mid(int(qstrlen(ZENTHARI_PLACE_SEARCH_URL)));
    QVERIFY2(!value.contains('&') && !value.contains('#') && !value.contains('+') &&
                 !value.contains('?') && !value.contains(' '),
             value.constData());
    QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(value)), searched);
    if (city == QLatin1String("Pune"))
        QCOMPARE(value, QByteArray("Pune%20Maharashtra%20India%20Latitude%20Longitude"));
}

void VedicInputTest::promotionsOpenTheirPages() {
    UrlRecorder urls;
    QTest::mouseClick(screen->lblFullBrand, Qt::LeftButton);
    QTest::mouseClick(screen->lblCoBrand, Qt::LeftButton);
    QCOMPARE(urls.addresses(), (QStringList{TestSupport::pageAddress("fully-branded"),
                                            TestSupport::pageAddress("co-brand")}));
}

void VedicInputTest::accessibleNames() {
    const QList<QPair<QString, QString>> names = {{"txtName", "Name"},
                                                  {"txtMCity", "City"},
                                                  {"txtMState", "State"},
                                                  {"txtMCountry", "Country"},
                                                  {"txtLonD", "Longitude Deg"},
                                                  {"txtLonM", "Longitude Min"},
                                                  {"txtLonS", "Longitude Sec"},
                                                  {"txtLatD", "Latitude Deg"},
                                                  {"txtLatM", "Latitude Min"},
                                                  {"txtLatS", "Latitude Sec"},
                                                  {"cboMonth", "Month"},
                                                  {"cboYear", "Year"},
                                                  {"optLong_1", "Longitude West"},
                                                  {"optLat_0", "Latitude North"}};
    for (const auto& [object, name] : names) {
        auto* widget = screen->findChild<QWidget*>(object);
        QVERIFY2(widget, qPrintable(object));
        QCOMPARE(widget->accessibleName(), name);
    }
}

void VedicInputTest::altKeysOpenTheScreensOwnMenus() {
    // The main window has a "&File" and a "&Help" too; inside the screen its own menus answer.
    screen->txtName->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(screen->txtName));
    for (const auto& [key, name] :
         {std::pair{Qt::Key_F, "mnuFile"}, std::pair{Qt::Key_H, "mnuHelp"}}) {
        QTest::keyClick(screen->txtName, key, Qt::AltModifier);
        QMenu* popup = nullptr;
        QTRY_VERIFY((popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QCOMPARE(popup->objectName(), QString::fromLatin1(name));
        QVERIFY(screen->isAncestorOf(popup->parentWidget()));
        popup->close();
    }
    QVERIFY(screen->txtName->text().isEmpty());
}

QTEST_MAIN(VedicInputTest)
#include "tst_vedic_input.moc"
