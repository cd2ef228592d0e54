// The rising sign screens driven from a real main window: entries, messages, runs, navigation,
// the clipboard guard, the links and what assistive technology reads.
#include "LinkLabel.h"
#include "MessageBox.h"
#include "RisingSign.h"
#include "RisingSignProfile.h"
#include "TestSupport.h"
#include "frmAbout.h"
#include "frmMDI.h"
#include "modHelp.h"
#include "rising/NameTextBox.h"
#include "rising/SignImageList.h"
#include "rising/frmRisingSignDisplay.h"
#include "rising/frmRisingSignMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using MessageBox::Icon;

class RisingScreensTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void inputScreenOpensWithDefaults();
    void reopeningStartsFresh();
    void focusMovesInTheScreensOrder();
    void emptyNameIsRefused();
    void nameOfSpacesIsAccepted();
    void typedLettersArriveAsCapitals();
    void otherTypedCharactersAreRefused_data();
    void otherTypedCharactersAreRefused();
    void editingKeysStillWork();
    void pastedTextFollowsTheSameRule_data();
    void pastedTextFollowsTheSameRule();
    void birthDates_data();
    void birthDates();
    void runShowsTheProfile_data();
    void runShowsTheProfile();
    void secondRunAfterBackOverwritesEverything();
    void enterAndEscapeRunTheInputScreen_data();
    void enterAndEscapeRunTheInputScreen();
    void closingTheInputScreen_data();
    void closingTheInputScreen();
    void leavingTheResultScreen_data();
    void leavingTheResultScreen();
    void choosingVedicClosesTheRisingScreens();
    void resultFitsALowClientArea();
    void textBoxesClearTheClipboard_data();
    void textBoxesClearTheClipboard();
    void linksOpenTheirPages();
    void menus();
    void altKeysOpenTheScreensOwnMenus();
    void accessibleNames();

private:
    frmRisingSignMain* openInput();
    frmRisingSignDisplay* runWith(const QString& name, int day, int month, int year,
                                  const QString& window);
    static void settle();
    static QString accessibleName(QWidget* widget);
    static QList<QObject*> labelledBy(QWidget* widget);

    frmMDI* mdi_ = nullptr;
};

void RisingScreensTest::initTestCase() {
    TestSupport::isolate();
    mdi_ = new frmMDI;
    mdi_->resize(1280, 1000);
    mdi_->show();
    QApplication::setActiveWindow(mdi_);
    QVERIFY(QTest::qWaitForWindowActive(mdi_));
}

void RisingScreensTest::init() {
    MessageBox::clearShownMessages();
    // A menu popped up by an earlier case may have taken the activation with it.
    mdi_->activateWindow();
    QApplication::setActiveWindow(mdi_);
    QVERIFY(QTest::qWaitForWindowActive(mdi_));
}

void RisingScreensTest::cleanup() {
    mdi_->CloseCalculatorScreens();
    mdi_->ShowWelcomePanel();
    settle();
}

void RisingScreensTest::cleanupTestCase() {
    delete mdi_;
}

void RisingScreensTest::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QString RisingScreensTest::accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QList<QObject*> RisingScreensTest::labelledBy(QWidget* widget) {
    QList<QObject*> labels;
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget)) {
        for (const auto& [other, relation] : face->relations(QAccessible::Label))
            labels << other->object();
    }
    return labels;
}

frmRisingSignMain* RisingScreensTest::openInput() {
    QTest::mouseClick(mdi_->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_0")),
                      Qt::LeftButton);
    settle();
    return frmRisingSignMain::existing();
}

frmRisingSignDisplay* RisingScreensTest::runWith(const QString& name, int day, int month, int year,
                                                 const QString& window) {
    frmRisingSignMain* input = openInput();
    if (!input)
        return nullptr;
    input->txtName->setText(name);
    input->cmbDate->setCurrentIndex(day - 1);
    input->cmbMonth->setCurrentIndex(month - 1);
    input->cmbYear->setCurrentText(QString::number(year));
    input->cmbTime->setCurrentText(window);
    QTest::mouseClick(input->cmdProceed, Qt::LeftButton);
    settle();
    return frmRisingSignDisplay::existing();
}

void RisingScreensTest::inputScreenOpensWithDefaults() {
    QVERIFY(mdi_->isWelcomePanelVisible());
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QVERIFY(input->isScreenVisible());
    QVERIFY(!mdi_->isWelcomePanelVisible());
    QCOMPARE(input->objectName(), QStringLiteral("frmRisingSignMain"));
    QCOMPARE(input->windowTitle(), QStringLiteral("ZT Zodiac Rising Sign"));
    QCOMPARE(input->subWindow()->mdiArea(), mdi_->clientArea());
    QCOMPARE(input->subWindow()->y(), 0);

    const QList<QPair<const char*, QString>> captions = {
        {"Label1", "Name:-"},
        {"Label3", "Date Of Birth:-"},
        {"Label4", "Date"},
        {"Label5", "Month"},
        {"Label6", "Year"},
        {"Label7", "Time Of Birth:-"},
        {"Label9", "Enter the correct details to know more about how the world sees you"},
        {"Label8", "ZT Zodiac Rising Sign calculates your rising sign or ascendant based on "
                   "Western astrology concepts. The rising sign describes your outer "
                   "personality."},
        {"lblFullBrand",
         "Home Business Opportunity. Start your own Internet business and make money online. "
         "Get this software fully branded for your website. Click here for more details."}};
    for (const auto& [name, text] : captions) {
        auto* label = input->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY2(label, name);
        QCOMPARE(label->text(), text);
    }
    QVERIFY(!modHelp::ProductSiteName().isEmpty());
    QVERIFY(input->Label61->text().contains(modHelp::ProductSiteName()));
    QVERIFY(input->lblCoBrand->text().startsWith(
        QStringLiteral("Co-brand this software for your site.")));
    QVERIFY(input->lblCoBrand->text().endsWith(
        QStringLiteral("Click Here for more info on co-branding.")));
    QCOMPARE(input->fraDetails->title(), QStringLiteral("Enter Your Details"));
    QCOMPARE(input->cmdProceed->text(), QStringLiteral("Find My Zodiac &Rising Sign"));
    QCOMPARE(input->cmdExit->text(), QStringLiteral("&Exit"));

    QCOMPARE(input->txtName->text(), QString());
    struct List {
        QComboBox* box;
        int count;
        QString first, last;
    };
    const List lists[] = {{input->cmbDate, 31, "1", "31"},
                          {input->cmbMonth, 12, "January", "December"},
                          {input->cmbYear, 151, "1900", "2050"},
                          {input->cmbTime, 12, "4am-6am", "6am-8am"}};
    for (const List& list : lists) {
        QVERIFY(!list.box->isEditable());
        QCOMPARE(list.box->count(), list.count);
        QCOMPARE(list.box->currentIndex(), 0);
        QCOMPARE(list.box->itemText(0), list.first);
        QCOMPARE(list.box->itemText(list.count - 1), list.last);
    }
    QCOMPARE(input->cmbTime->itemText(9), QStringLiteral("10am-noon"));
    QCOMPARE(input->cmbMonth->itemText(8), QStringLiteral("September"));
    QCOMPARE(input->IMGSign.count(), 12);
    QCOMPARE(input->IMGSign.keys().first(), QStringLiteral("aries.jpg"));
    QCOMPARE(input->IMGSign.keys().last(), QStringLiteral("pisces.jpg"));
}

void RisingScreensTest::reopeningStartsFresh() {
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QTest::keyClicks(input->txtName, QStringLiteral("ann"));
    input->cmbMonth->setCurrentIndex(5);
    QPointer<frmRisingSignMain> first = input;
    // Choosing the calculator that is open replaces its screen with a fresh one.
    input = openInput();
    QVERIFY(input);
    QVERIFY(first.isNull());
    QCOMPARE(input->txtName->text(), QString());
    QCOMPARE(input->cmbMonth->currentIndex(), 0);
    QVERIFY(!mdi_->isWelcomePanelVisible());

    // After closing, the welcome panel's caption opens it afresh as well.
    QTest::keyClicks(input->txtName, QStringLiteral("lee"));
    QTest::mouseClick(input->cmdExit, Qt::LeftButton);
    settle();
    QVERIFY(mdi_->isWelcomePanelVisible());
    QTest::mouseClick(mdi_->lblCaption[3], Qt::LeftButton);
    settle();
    input = frmRisingSignMain::existing();
    QVERIFY(input);
    QVERIFY(input->isScreenVisible());
    QCOMPARE(input->txtName->text(), QString());
    QVERIFY(!mdi_->isWelcomePanelVisible());
}

void RisingScreensTest::focusMovesInTheScreensOrder() {
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(input->txtName));
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited,
             QStringList({"cmbTime", "cmbDate", "cmbMonth", "cmbYear", "cmdExit", "cmdProceed"}));
}

void RisingScreensTest::emptyNameIsRefused() {
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    zenthari::modRisingSign::SunSign = "unchanged";
    input->cmbYear->setFocus();
    QTest::mouseClick(input->cmdProceed, Qt::LeftButton);
    settle();
    QCOMPARE(MessageBox::shownMessages().size(), 1);
    const MessageBox::Shown& shown = MessageBox::shownMessages().first();
    QCOMPARE(shown.text, QStringLiteral("Please Enter Your Name !"));
    QCOMPARE(shown.icon, Icon::None);
    QCOMPARE(shown.buttons, MessageBox::Buttons::Ok);
    QCOMPARE(shown.title, QStringLiteral("Zenthari"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(input->txtName));
    QVERIFY(input->isScreenVisible());
    QVERIFY(!frmRisingSignDisplay::existing());
    QCOMPARE(zenthari::modRisingSign::SunSign, std::string("unchanged"));
}

void RisingScreensTest::nameOfSpacesIsAccepted() {
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QTest::keyClicks(input->txtName, QStringLiteral("   "));
    QCOMPARE(input->txtName->text(), QStringLiteral("   "));
    QTest::mouseClick(input->cmdProceed, Qt::LeftButton);
    settle();
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QVERIFY(frmRisingSignDisplay::existing());
    QVERIFY(!input->isScreenVisible());
}

void RisingScreensTest::typedLettersArriveAsCapitals() {
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QTest::keyClicks(input->txtName, QStringLiteral("mary Ann"));
    QCOMPARE(input->txtName->text(), QStringLiteral("MARY ANN"));
    QVERIFY(MessageBox::shownMessages().isEmpty());
}

void RisingScreensTest::otherTypedCharactersAreRefused_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::newRow("digit") << int(Qt::Key_7) << "7";
    QTest::newRow("hyphen") << int(Qt::Key_Minus) << "-";
    QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << "'";
    QTest::newRow("accented letter") << int(Qt::Key_Eacute) << QString(QChar(0xE9));
}

void RisingScreensTest::otherTypedCharactersAreRefused() {
    QFETCH(int, key);
    QFETCH(QString, typed);
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QTest::keyClicks(input->txtName, QStringLiteral("jo"));
    QTest::sendKeyEvent(QTest::Click, input->txtName, Qt::Key(key), typed, Qt::NoModifier);
    QCOMPARE(input->txtName->text(), QStringLiteral("JO"));
    QCOMPARE(MessageBox::shownMessages().size(), 1);
    QCOMPARE(MessageBox::shownMessages().first().text,
             QStringLiteral("Please Enter Only Alphabet !"));
    QCOMPARE(MessageBox::shownMessages().first().icon, Icon::Information);
}

void RisingScreensTest::editingKeysStillWork() {
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QTest::keyClicks(input->txtName, QStringLiteral("abcd"));
    QTest::keyClick(input->txtName, Qt::Key_Home);
    QTest::keyClick(input->txtName, Qt::Key_Delete);
    QTest::keyClick(input->txtName, Qt::Key_End);
    QTest::keyClick(input->txtName, Qt::Key_Backspace);
    QTest::keyClick(input->txtName, Qt::Key_Left);
    QTest::keyClick(input->txtName, Qt::Key_X);
    QCOMPARE(input->txtName->text(), QStringLiteral("BXC"));
    QTest::keyClick(input->txtName, Qt::Key_A, Qt::ControlModifier); // select all
    QTest::keyClick(input->txtName, Qt::Key_Z);
    QCOMPARE(input->txtName->text(), QStringLiteral("Z"));
    // Alt with a letter is a menu or button key, never a way to slip a letter in unchecked.
    QTest::keyClick(input->txtName, Qt::Key_Q, Qt::AltModifier);
    QCOMPARE(input->txtName->text(), QStringLiteral("Z"));
    QVERIFY(MessageBox::shownMessages().isEmpty());
}

void RisingScreensTest::pastedTextFollowsTheSameRule_data() {
    QTest::addColumn<bool>("contextMenu");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    for (bool menu : {false, true}) {
        const QString via = menu ? QStringLiteral(" from the menu") : QString();
        QTest::addRow("letters and spaces%s", qPrintable(via)) << menu << "mary Ann"
                                                               << "ZMARY ANN" << false;
        QTest::addRow("digits%s", qPrintable(via)) << menu << "r2d2"
                                                   << "Z" << true;
        QTest::addRow("hyphen%s", qPrintable(via)) << menu << "jean-luc"
                                                   << "Z" << true;
    }
    QTest::newRow("line break") << false << "ann\n"
                                << "Z" << true;
}

void RisingScreensTest::pastedTextFollowsTheSameRule() {
    QFETCH(bool, contextMenu);
    QFETCH(QString, clipboard);
    QFETCH(QString, name);
    QFETCH(bool, refused);
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QTest::keyClick(input->txtName, Qt::Key_Z);
    QGuiApplication::clipboard()->setText(clipboard);
    if (contextMenu) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                input->txtName->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(input->txtName, &event);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QVERIFY(paste);
        paste->trigger();
        menu->close();
    } else {
        QTest::keyClick(input->txtName, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(input->txtName->text(), name);
    QCOMPARE(MessageBox::shownMessages().size(), refused ? 1 : 0);
    if (refused)
        QCOMPARE(MessageBox::shownMessages().first().text,
                 QStringLiteral("Please Enter Only Alphabet !"));
}

void RisingScreensTest::birthDates_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: accepted
    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString shortMonth = QStringLiteral("Please Enter Correct Date Or Month !");
    QTest::newRow("29 Feb 1900") << 29 << 2 << 1900 << QString();
    QTest::newRow("29 Feb 1904") << 29 << 2 << 1904 << QString();
    QTest::newRow("29 Feb 2000") << 29 << 2 << 2000 << QString();
    QTest::newRow("29 Feb 1901") << 29 << 2 << 1901 << february;
    QTest::newRow("29 Feb 2001") << 29 << 2 << 2001 << february;
    QTest::newRow("30 Feb 2000") << 30 << 2 << 2000 << february;
    QTest::newRow("31 Feb 1901") << 31 << 2 << 1901 << february;
    QTest::newRow("31 Apr") << 31 << 4 << 1980 << shortMonth;
    QTest::newRow("31 Jun") << 31 << 6 << 1980 << shortMonth;
    QTest::newRow("31 Sep") << 31 << 9 << 1980 << shortMonth;
    QTest::newRow("31 Nov") << 31 << 11 << 1980 << shortMonth;
    QTest::newRow("30 Apr") << 30 << 4 << 1980 << QString();
    QTest::newRow("31 Jan") << 31 << 1 << 1980 << QString();
    QTest::newRow("31 Dec 2050") << 31 << 12 << 2050 << QString();
}

void RisingScreensTest::birthDates() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    frmRisingSignDisplay* display =
        runWith(QStringLiteral("ANN"), day, month, year, QStringLiteral("4am-6am"));
    if (message.isEmpty()) {
        QVERIFY(MessageBox::shownMessages().isEmpty());
        QVERIFY(display);
        return;
    }
    QVERIFY(!display);
    QCOMPARE(MessageBox::shownMessages().size(), 1);
    QCOMPARE(MessageBox::shownMessages().first().text, message);
    QCOMPARE(MessageBox::shownMessages().first().icon, Icon::Information);
    frmRisingSignMain* input = frmRisingSignMain::existing();
    QVERIFY(input && input->isScreenVisible());
    QCOMPARE(input->cmbDate->currentText(), QString::number(day));
    QCOMPARE(input->txtName->text(), QStringLiteral("ANN"));
}

void RisingScreensTest::runShowsTheProfile_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("sunSign");
    QTest::addColumn<QString>("risingSign");
    QTest::addColumn<QString>("rulingPlanet");
    QTest::addColumn<QString>("gemstone");
    QTest::addColumn<int>("picture");
    QTest::newRow("defaults") << 1 << 1 << 1900 << "4am-6am"
                              << "Capricorn"
                              << "Capricorn"
                              << "Saturn"
                              << "Blue Sapphire" << 10;
    QTest::newRow("Leo 10am-noon") << 15 << 8 << 1985 << "10am-noon"
                                   << "Leo"
                                   << "Scorpio"
                                   << "Mars"
                                   << "Coral" << 8;
    QTest::newRow("Aries wraps to Pisces") << 10 << 4 << 2000 << "2am-4am"
                                           << "Aries"
                                           << "Pisces"
                                           << "Jupiter"
                                           << "Yellow Sapphire" << 12;
    QTest::newRow("Pisces 6am-8am") << 19 << 2 << 1970 << "6am-8am"
                                    << "Pisces"
                                    << "Aries"
                                    << "Mars"
                                    << "Coral" << 1;
    QTest::newRow("Sagittarius 10pm-midnight") << 20 << 12 << 1999 << "10pm-midnight"
                                               << "Sagittarius"
                                               << "Virgo"
                                               << "Mercury"
                                               << "Emerald" << 6;
}

void RisingScreensTest::runShowsTheProfile() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, window);
    QFETCH(QString, sunSign);
    QFETCH(QString, risingSign);
    QFETCH(QString, rulingPlanet);
    QFETCH(QString, gemstone);
    QFETCH(int, picture);

    frmRisingSignDisplay* display = runWith(QStringLiteral("ANN"), day, month, year, window);
    QVERIFY(display);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QCOMPARE(display->objectName(), QStringLiteral("frmRisingSignDisplay"));
    QCOMPARE(display->windowTitle(), QStringLiteral("ZT Zodiac Rising Sign"));
    QVERIFY(display->isScreenVisible());
    QVERIFY(!frmRisingSignMain::existing()->isScreenVisible());
    QVERIFY(!mdi_->isWelcomePanelVisible());

    namespace rising = zenthari::modRisingSign;
    QCOMPARE(QString::fromStdString(rising::SunSign), sunSign);
    QCOMPARE(QString::fromStdString(rising::TimeWindow), window);
    QCOMPARE(QString::fromStdString(rising::RisingSignKey), sunSign + "-" + window);
    QCOMPARE(QString::fromStdString(rising::RisingSign), risingSign);

    QCOMPARE(display->lblYourSunSign->text(), sunSign);
    QCOMPARE(display->lblYourRisingSign->text(), risingSign);
    QCOMPARE(display->lblYourRulingPlanet->text(), rulingPlanet);
    QCOMPARE(display->lblYourLuckyGemstone->text(), gemstone);

    const auto profile = zenthari::FindRisingSignProfile(risingSign.toStdString());
    QVERIFY(profile);
    QCOMPARE(profile->PictureNumber, picture);
    auto q = [](const std::string& text) { return QString::fromStdString(text); };
    const QList<QPair<QString, QString>> values = {
        {display->lblYourRulingPlanet->text(), q(profile->RulingPlanet)},
        {display->lblYourSymbol->text(), q(profile->Symbol)},
        {display->lblYourElement->text(), q(profile->Element)},
        {display->lblYourSignColor->text(), q(profile->SignColor)},
        {display->lblYourTypeofSign->text(), q(profile->TypeOfSign)},
        {display->lblYourLuckyDays->text(), q(profile->LuckyDays)},
        {display->lblYourLuckyNumbers->text(), q(profile->LuckyNumbers)},
        {display->lblYourLuckyDirection->text(), q(profile->LuckyDirection)},
        {display->lblYourLuckyColors->text(), q(profile->LuckyColors)},
        {display->lblYourLuckyGemstone->text(), q(profile->LuckyGemstone)},
        {display->txtYourLooks->toPlainText(), q(profile->Looks)},
        {display->txtYourNature->toPlainText(), q(profile->Nature)},
        {display->txtYourCareerandFinance->toPlainText(), q(profile->CareerAndFinance)},
        {display->txtYourLoveandDomesticLife->toPlainText(), q(profile->LoveAndDomesticLife)},
        {display->txtYourHealth->toPlainText(), q(profile->Health)}};
    for (const auto& [shown, expected] : values) {
        QVERIFY(!expected.isEmpty());
        QCOMPARE(shown, expected);
    }

    const QString key = frmRisingSignMain::existing()->IMGSign.keys().at(picture - 1);
    QCOMPARE(key, risingSign.toLower() + ".jpg");
    const QImage expected(SignImageList::ResourcePath(key));
    QVERIFY(!expected.isNull());
    QCOMPARE(display->picSign->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
}

void RisingScreensTest::secondRunAfterBackOverwritesEverything() {
    frmRisingSignDisplay* display =
        runWith(QStringLiteral("ANN"), 15, 8, 1985, QStringLiteral("10am-noon"));
    QVERIFY(display);
    QCOMPARE(display->lblYourRisingSign->text(), QStringLiteral("Scorpio"));
    const QString scorpioLooks = display->txtYourLooks->toPlainText();

    QTest::mouseClick(display->cmdBack, Qt::LeftButton);
    settle();
    QVERIFY(!frmRisingSignDisplay::existing());
    frmRisingSignMain* input = frmRisingSignMain::existing();
    QVERIFY(input && input->isScreenVisible());
    QVERIFY(!mdi_->isWelcomePanelVisible());
    QCOMPARE(input->txtName->text(), QStringLiteral("ANN"));
    QCOMPARE(input->cmbDate->currentText(), QStringLiteral("15"));
    QCOMPARE(input->cmbMonth->currentText(), QStringLiteral("August"));
    QCOMPARE(input->cmbYear->currentText(), QStringLiteral("1985"));
    QCOMPARE(input->cmbTime->currentText(), QStringLiteral("10am-noon"));

    // 5 April, 4am-6am: Aries in every respect, no value of the Scorpio run left anywhere.
    input->cmbDate->setCurrentIndex(4);
    input->cmbMonth->setCurrentIndex(3);
    input->cmbTime->setCurrentIndex(0);
    QTest::mouseClick(input->cmdProceed, Qt::LeftButton);
    settle();
    display = frmRisingSignDisplay::existing();
    QVERIFY(display);
    const auto aries = zenthari::FindRisingSignProfile("Aries");
    QVERIFY(aries);
    QCOMPARE(display->lblYourSunSign->text(), QStringLiteral("Aries"));
    QCOMPARE(display->lblYourRisingSign->text(), QStringLiteral("Aries"));
    QCOMPARE(display->lblYourRulingPlanet->text(), QStringLiteral("Mars"));
    QCOMPARE(display->lblYourSymbol->text(), QStringLiteral("The Ram"));
    QCOMPARE(display->lblYourElement->text(), QStringLiteral("Fire"));
    QCOMPARE(display->lblYourSignColor->text(), QStringLiteral("Red, Brown, Copper"));
    QCOMPARE(display->lblYourTypeofSign->text(), QStringLiteral("Movable"));
    QCOMPARE(display->lblYourLuckyDays->text(), QStringLiteral("Monday, Tuesday"));
    QCOMPARE(display->lblYourLuckyNumbers->text(), QStringLiteral("9, 1"));
    QCOMPARE(display->lblYourLuckyDirection->text(), QStringLiteral("East"));
    QCOMPARE(display->lblYourLuckyColors->text(), QStringLiteral("Red, Brown, Copper"));
    QCOMPARE(display->lblYourLuckyGemstone->text(), QStringLiteral("Coral"));
    QVERIFY(display->txtYourLooks->toPlainText() != scorpioLooks);
    QCOMPARE(display->txtYourLooks->toPlainText(), QString::fromStdString(aries->Looks));
    QCOMPARE(display->txtYourNature->toPlainText(), QString::fromStdString(aries->Nature));
    QCOMPARE(display->txtYourCareerandFinance->toPlainText(),
             QString::fromStdString(aries->CareerAndFinance));
    QCOMPARE(display->txtYourLoveandDomesticLife->toPlainText(),
             QString::fromStdString(aries->LoveAndDomesticLife));
    QCOMPARE(display->txtYourHealth->toPlainText(), QString::fromStdString(aries->Health));
    QCOMPARE(display->picSign->accessibleName(), QStringLiteral("Aries"));
}

void RisingScreensTest::enterAndEscapeRunTheInputScreen_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void RisingScreensTest::enterAndEscapeRunTheInputScreen() {
    QFETCH(int, key);
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    // With the name empty the run refuses, which shows that the key reached it.
    QTest::keyClick(input->cmbMonth, Qt::Key(key));
    QCOMPARE(MessageBox::shownMessages().size(), 1);
    QCOMPARE(MessageBox::shownMessages().first().text, QStringLiteral("Please Enter Your Name !"));
    QTest::keyClicks(input->txtName, QStringLiteral("ann"));
    QTest::keyClick(input->txtName, Qt::Key(key));
    settle();
    QVERIFY(frmRisingSignDisplay::existing());
    QVERIFY(!input->isScreenVisible());
}

void RisingScreensTest::closingTheInputScreen_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "cmdExit";
    QTest::newRow("Exit menu item") << "mnuExit";
    QTest::newRow("Enter on the Exit button") << "enter";
    QTest::newRow("close box") << "close box";
}

void RisingScreensTest::closingTheInputScreen() {
    QFETCH(QString, how);
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QVERIFY(!mdi_->isWelcomePanelVisible());
    if (how == "cmdExit") {
        QTest::mouseClick(input->cmdExit, Qt::LeftButton);
    } else if (how == "mnuExit") {
        input->mnuExit->trigger();
    } else if (how == "enter") {
        input->cmdExit->setFocus();
        QTest::keyClick(input->cmdExit, Qt::Key_Return);
    } else {
        input->subWindow()->close();
    }
    settle();
    QVERIFY(!frmRisingSignMain::existing());
    QVERIFY(mdi_->isWelcomePanelVisible());
    QVERIFY(MessageBox::shownMessages().isEmpty());
}

void RisingScreensTest::leavingTheResultScreen_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("back");
    QTest::newRow("Exit button") << "cmdExit" << false;
    QTest::newRow("Exit menu item") << "mnuExit" << false;
    QTest::newRow("Enter") << "enter" << false;
    QTest::newRow("Escape") << "escape" << false;
    QTest::newRow("close box") << "close box" << false;
    QTest::newRow("Back button") << "cmdBack" << true;
    QTest::newRow("Back menu item") << "mnuFileBack" << true;
    QTest::newRow("Enter on the Back button") << "enter on back" << true;
}

void RisingScreensTest::leavingTheResultScreen() {
    QFETCH(QString, how);
    QFETCH(bool, back);
    frmRisingSignDisplay* display =
        runWith(QStringLiteral("ANN"), 1, 1, 1900, QStringLiteral("4am-6am"));
    QVERIFY(display);
    if (how == "cmdExit")
        QTest::mouseClick(display->cmdExit, Qt::LeftButton);
    else if (how == "mnuExit")
        display->mnuExit->trigger();
    else if (how == "enter")
        QTest::keyClick(display->txtYourNature, Qt::Key_Return);
    else if (how == "escape")
        QTest::keyClick(display->txtYourNature, Qt::Key_Escape);
    else if (how == "close box")
        display->subWindow()->close();
    else if (how == "cmdBack")
        QTest::mouseClick(display->cmdBack, Qt::LeftButton);
    else if (how == "mnuFileBack")
        display->mnuFileBack->trigger();
    else {
        display->cmdBack->setFocus();
        QTest::keyClick(display->cmdBack, Qt::Key_Return);
    }
    settle();
    QVERIFY(!frmRisingSignDisplay::existing());
    frmRisingSignMain* input = frmRisingSignMain::existing();
    QVERIFY(input);
    QCOMPARE(input->isScreenVisible(), back);
    QCOMPARE(mdi_->isWelcomePanelVisible(), !back);
}

void RisingScreensTest::choosingVedicClosesTheRisingScreens() {
    QVERIFY(runWith(QStringLiteral("ANN"), 1, 1, 1900, QStringLiteral("4am-6am")));
    QVERIFY(frmRisingSignMain::existing());
    QTest::mouseClick(mdi_->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_1")),
                      Qt::LeftButton);
    settle();
    QVERIFY(!frmRisingSignDisplay::existing());
    QVERIFY(!frmRisingSignMain::existing());
    QVERIFY(!mdi_->findChild<QWidget*>(QStringLiteral("frmRisingSignDisplay")));
    QVERIFY(!mdi_->findChild<QWidget*>(QStringLiteral("frmRisingSignMain")));
    auto* vedic = mdi_->findChild<QWidget*>(QStringLiteral("frmVedicAscendantMain"));
    QVERIFY(vedic && vedic->isVisible());
    QVERIFY(!mdi_->isWelcomePanelVisible());
}

void RisingScreensTest::resultFitsALowClientArea() {
    frmRisingSignDisplay* display =
        runWith(QStringLiteral("ANN"), 1, 1, 1900, QStringLiteral("4am-6am"));
    QVERIFY(display);
    const int natural = display->subWindow()->height();
    QVERIFY(natural <= mdi_->clientArea()->viewport()->height());
    display->cmdExit->click();
    settle();

    // A main window 60 pixels too low for the whole result screen.
    const QSize before = mdi_->size();
    const int lower = natural - 60 - mdi_->clientArea()->viewport()->height();
    mdi_->resize(before.width(), before.height() + lower);
    settle();
    const int room = mdi_->clientArea()->viewport()->height();
    QCOMPARE(room, natural - 60);
    display = runWith(QStringLiteral("ANN"), 1, 1, 1900, QStringLiteral("4am-6am"));
    QVERIFY(display);
    const QRect shown = display->subWindow()->geometry();
    mdi_->resize(before);
    QCOMPARE(shown.top(), 0);
    QCOMPARE(shown.height(), room);
    // The buttons are still inside the screen, the texts just show fewer lines.
    QVERIFY(display->rect().contains(display->cmdExit->mapTo(display, QPoint(0, 0))));
    QVERIFY(display->cmdExit->geometry().bottom() > 0);
    QVERIFY(display->cmdExit->mapTo(display, display->cmdExit->rect().bottomLeft()).y() <
            display->height());
}

void RisingScreensTest::textBoxesClearTheClipboard_data() {
    QTest::addColumn<QString>("box");
    for (const char* name : {"txtYourLooks", "txtYourNature", "txtYourCareerandFinance",
                             "txtYourLoveandDomesticLife", "txtYourHealth"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void RisingScreensTest::textBoxesClearTheClipboard() {
    QFETCH(QString, box);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied before the run"));
    frmRisingSignDisplay* display =
        runWith(QStringLiteral("ANN"), 1, 1, 1900, QStringLiteral("4am-6am"));
    QVERIFY(display);
    // Writing the texts counts as a change.
    QCOMPARE(clipboard->text(), QString());

    auto* text = display->findChild<QPlainTextEdit*>(box);
    QVERIFY(text);
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    clipboard->setText(QStringLiteral("copied elsewhere"));
    QCOMPARE(clipboard->text(), QStringLiteral("copied elsewhere"));
    QTest::mouseMove(text->viewport(), QPoint(10, 10));
    QTest::mouseMove(text->viewport(), QPoint(20, 12));
    QTRY_COMPARE(clipboard->text(), QString());

    clipboard->setText(QStringLiteral("copied again"));
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(15, 15));
    QCOMPARE(clipboard->text(), QString());

    // Outside the five boxes the clipboard is left alone.
    clipboard->setText(QStringLiteral("kept"));
    QTest::mouseClick(display->lblYourSymbol, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("kept"));
}

void RisingScreensTest::linksOpenTheirPages() {
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    {
        UrlRecorder recorder;
        QTest::mouseClick(input->Label61, Qt::LeftButton);
        QTest::mouseClick(input->lblFullBrand, Qt::LeftButton);
        QTest::mouseClick(input->lblCoBrand, Qt::LeftButton);
        QCOMPARE(recorder.addresses(), QStringList({TestSupport::pageAddress("home-page"),
                                                    TestSupport::pageAddress("fully-branded"),
                                                    TestSupport::pageAddress("co-brand")}));
    }
    frmRisingSignDisplay* display =
        runWith(QStringLiteral("ANN"), 1, 1, 1900, QStringLiteral("4am-6am"));
    QVERIFY(display);
    UrlRecorder recorder;
    QTest::mouseClick(display->Label18, Qt::LeftButton);
    QTest::mouseClick(display->Label17, Qt::LeftButton);
    QTest::mouseClick(display->lblYourSunSign, Qt::LeftButton);
    QCOMPARE(recorder.addresses(), QStringList());
    QTest::mouseClick(display->Label19, Qt::LeftButton);
    QCOMPARE(recorder.addresses(), QStringList({TestSupport::pageAddress("co-brand")}));
    QTest::mouseClick(display->Label61, Qt::LeftButton);
    QTest::mouseClick(display->lblFullBrand, Qt::LeftButton);
    QTest::mouseClick(display->lblCoBrand, Qt::LeftButton);
    QCOMPARE(recorder.addresses(), QStringList({TestSupport::pageAddress("co-brand"),
                                                TestSupport::pageAddress("home-page"),
                                                TestSupport::pageAddress("fully-branded"),
                                                TestSupport::pageAddress("co-brand")}));
    QVERIFY(display->isScreenVisible());
}

void RisingScreensTest::menus() {
    frmRisingSignDisplay* display =
        runWith(QStringLiteral("ANN"), 1, 1, 1900, QStringLiteral("4am-6am"));
    QVERIFY(display);
    frmRisingSignMain* input = frmRisingSignMain::existing();

    struct Item {
        QWidget* screen;
        const char* name;
        QString caption;
    };
    const Item items[] = {
        {input, "mnuFindZodiacRisingSign", "Find My Zodiac &Rising Sign"},
        {input, "mnuExit", "E&xit"},
        {input, "mnuUpdate", "Check for Software &Update"},
        {input, "mnuAbout", "&About Software"},
        {display, "mnuFileBack", "&Back"},
        {display, "mnuExit", "E&xit"},
        {display, "mnuUpdate", "&Check for Software Update"},
        {display, "mnuOnline", "&Online Help"},
    };
    for (const Item& item : items) {
        auto* action = item.screen->findChild<QAction*>(QString::fromLatin1(item.name));
        QVERIFY2(action, item.name);
        QCOMPARE(action->text(), item.caption);
    }
    for (const char* separator : {"mnuHelp1", "mnuHelp2"})
        QVERIFY(input->findChild<QAction*>(QString::fromLatin1(separator))->isSeparator());
    for (const char* separator : {"mnuFileSep1", "mnuFileSep2"})
        QVERIFY(display->findChild<QAction*>(QString::fromLatin1(separator))->isSeparator());
    for (QAction* makeMoney : {input->mnuMakeMoneyOnline, display->mnuMakeMoneyOnline}) {
        QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
        QVERIFY(!makeMoney->isVisible());
        QVERIFY(!makeMoney->isEnabled());
    }

    // Both screens open the About box from their Help menu.
    for (ChildScreen* screen :
         {static_cast<ChildScreen*>(input), static_cast<ChildScreen*>(display)}) {
        QVERIFY(!frmAbout::existing());
        screen->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        QTRY_VERIFY(frmAbout::existing());
        QVERIFY(frmAbout::existing()->isModal());
        frmAbout::existing()->close();
        settle();
        QTRY_VERIFY(!frmAbout::existing());
    }

    // The run from the menu, after Back.
    display->mnuFileBack->trigger();
    settle();
    input->cmbMonth->setCurrentIndex(6);
    input->cmbDate->setCurrentIndex(29);
    input->mnuFindZodiacRisingSign->trigger();
    settle();
    QVERIFY(frmRisingSignDisplay::existing());
    QCOMPARE(frmRisingSignDisplay::existing()->lblYourSunSign->text(), QStringLiteral("Leo"));
}

void RisingScreensTest::altKeysOpenTheScreensOwnMenus() {
    frmRisingSignMain* input = openInput();
    QVERIFY(input);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(input->txtName));
    QTest::keyClick(input->txtName, Qt::Key_F, Qt::AltModifier);
    QMenu* popup = nullptr;
    QTRY_VERIFY((popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QCOMPARE(popup->objectName(), QStringLiteral("mnuFile"));
    QVERIFY(input->isAncestorOf(popup->parentWidget()));
    popup->close();
    QVERIFY(input->txtName->text().isEmpty());
    QVERIFY(MessageBox::shownMessages().isEmpty());

    input->txtName->setText(QStringLiteral("ANN"));
    QTest::mouseClick(input->cmdProceed, Qt::LeftButton);
    settle();
    frmRisingSignDisplay* display = frmRisingSignDisplay::existing();
    QVERIFY(display);
    display->cmdExit->setFocus();
    QTest::keyClick(display->cmdExit, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY((popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QCOMPARE(popup->objectName(), QStringLiteral("mnuHelp"));
    QVERIFY(display->isAncestorOf(popup->parentWidget()));
    popup->close();
}

void RisingScreensTest::accessibleNames() {
    frmRisingSignDisplay* display =
        runWith(QStringLiteral("ANN"), 15, 8, 1985, QStringLiteral("10am-noon"));
    QVERIFY(display);
    frmRisingSignMain* input = frmRisingSignMain::existing();
    struct Input {
        QWidget* widget;
        QString name;
        QLabel* caption;
    };
    const Input inputs[] = {{input->txtName, "Name", input->Label1},
                            {input->cmbDate, "Date", input->Label4},
                            {input->cmbMonth, "Month", input->Label5},
                            {input->cmbYear, "Year", input->Label6},
                            {input->cmbTime, "Time Of Birth", input->Label7}};
    for (const Input& field : inputs) {
        QCOMPARE(field.widget->accessibleName(), field.name);
        QVERIFY(labelledBy(field.widget).contains(field.caption));
    }
    // A text box reports its name directly; a pick list reports its choice as its name on this
    // platform and is named through its label.
    QCOMPARE(accessibleName(input->txtName), QStringLiteral("Name"));
    QCOMPARE(accessibleName(input->cmbMonth), QStringLiteral("August"));

    QCOMPARE(accessibleName(display->lblYourRisingSign), QStringLiteral("Scorpio"));
    QCOMPARE(accessibleName(display->lblYourSunSign), QStringLiteral("Leo"));
    QCOMPARE(accessibleName(display->Label18), QStringLiteral("Your Rising Sign"));
    QCOMPARE(accessibleName(display->txtYourNature), QStringLiteral("Your Nature"));
    // The caption labels the value, so it is announced with it.
    QVERIFY(labelledBy(display->lblYourRisingSign).contains(display->Label18));
    QVERIFY(labelledBy(display->lblYourSunSign).contains(display->Label19));
    QVERIFY(labelledBy(display->txtYourHealth).contains(display->Label2));
}

QTEST_MAIN(RisingScreensTest)
#include "tst_rising_screens.moc"
