// The main window driven as a user drives it: menus, links, the welcome panel, its captions and
// the three ways to end the program.

#include "ChildScreen.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "StartUp.h"
#include "TestSupport.h"
#include "frmAbout.h"
#include "frmMDI.h"
#include "modHelp.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList unloadLog;

// A calculator screen as far as the main window can tell: a child screen with one of the
// calculator names, which notes when its closing steps run.
class FakeCalculatorScreen : public ChildScreen {
public:
    explicit FakeCalculatorScreen(const QString& name) : ChildScreen(name, name) {
        resize(320, 200);
    }

protected:
    void Form_Unload() override {
        frmMDI* main = frmMDI::instance();
        unloadLog << objectName() + (main && main->isVisible() ? QStringLiteral(" with main")
                                                               : QStringLiteral(" after main"));
        ChildScreen::Form_Unload();
    }
};

// Through the window system, as a real pointer moves: the event reaches the widget under the
// pointer and travels on to its parents when the widget leaves it unhandled.
void moveMouseOver(QWidget* widget, QPoint at = {-1, -1}) {
    QTest::mouseMove(widget, at.x() < 0 ? widget->rect().center() : at);
    QCoreApplication::processEvents();
}

bool underlined(const QWidget* widget) {
    return widget->font().underline();
}

} // namespace

class tst_shell_mainwindow : public QObject {
    Q_OBJECT

private:
    QPointer<frmMDI> main;
    int ends = 0;

    FakeCalculatorScreen* openFakeScreen(const QString& name) {
        auto* screen = new FakeCalculatorScreen(name);
        screen->showScreen();
        return screen;
    }
    QList<QMdiSubWindow*> openChildWindows() const {
        QList<QMdiSubWindow*> open;
        for (QMdiSubWindow* sub : main->clientArea()->subWindowList())
            if (sub->isVisible())
                open << sub;
        return open;
    }

private slots:
    void initTestCase() {
        TestSupport::isolate();
        StartUp::setEndHandler([this] { ++ends; });
    }

    void init() {
        ends = 0;
        unloadLog.clear();
        main = new frmMDI;
        main->resize(1024, 768);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }

    void cleanup() {
        if (frmAbout* box = frmAbout::existing())
            delete box;
        delete main;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void windowAndCaptions() {
        QCOMPARE(main->windowTitle(), QStringLiteral("Zenthari v1.30"));
        QCOMPARE(frmMDI::instance(), main.data());
        const QList<QPair<QString, QString>> captions = {
            {"cmdSelectOption_0", "Zodiac Rising Sign"},
            {"cmdSelectOption_1", "Vedic Ascendant"},
            {"cmdMdiExit", "&Exit"},
            {"lblCaption_0", "Welcome to Zenthari"},
            {"lblCaption_1",
             "Welcome to Zenthari! Zenthari calculates your rising sign or ascendant based on "
             "Western & Vedic astrology concepts. The rising sign describes your outer "
             "personality."},
            {"lblCaption_2", "Zenthari includes the following programs"},
            {"lblCaption_3", "Zodiac Rising Sign"},
            {"lblCaption_4", "Vedic Ascendant"},
            {"Label7", "Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. Click "
                       "here for more details."}};
        for (const auto& [name, text] : captions) {
            QWidget* widget = main->findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            const QString shown = qobject_cast<QPushButton*>(widget)
                                      ? qobject_cast<QPushButton*>(widget)->text()
                                      : qobject_cast<QLabel*>(widget)->text();
            QCOMPARE(shown, text);
        }
        // The bands and their holders are there under their own names, top to bottom.
        QStringList bands;
        for (const char* name : {"Picture1", "Picture6", "mdiArea", "PicCoBrand"}) {
            QWidget* band = main->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(band && band->isVisible(), name);
            bands << name;
        }
        QVERIFY(main->findChild<QWidget*>("Picture6")->y() >
                main->findChild<QWidget*>("Picture1")->y());
        QVERIFY(main->findChild<QWidget*>("PicCoBrand")->y() > main->clientArea()->y());
        for (const char* name : {"picButtonContainer", "Picture3", "Picture2"})
            QVERIFY2(main->Picture1->findChild<QWidget*>(QString::fromLatin1(name)), name);
        // The banner names the product site.
        QVERIFY(main->lblQuorvelBanner->text().contains(modHelp::ProductSiteName()));
    }

    void layoutIsCentredAndExitAtTheRight_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1280x1024") << QSize(1280, 1024);
        QTest::newRow("1024x768") << QSize(1024, 768);
    }
    void layoutIsCentredAndExitAtTheRight() {
        QFETCH(QSize, size);
        main->resize(size);
        QTRY_COMPARE(main->size(), size);
        QCoreApplication::processEvents();
        auto centreOffset = [this](QWidget* widget) {
            const QPoint left = widget->mapTo(main, QPoint(0, 0));
            return std::abs(left.x() + widget->width() / 2 - main->width() / 2);
        };
        QList<QWidget*> centred = {main->picButtonContainer, main->lblQuorvelBanner};
        for (LinkLabel* caption : main->lblCaption)
            centred << caption;
        for (QWidget* widget : centred) {
            QVERIFY2(centreOffset(widget) <= 2, qPrintable(widget->objectName()));
            QVERIFY2(widget->mapTo(main, QPoint(0, 0)).x() >= 0, qPrintable(widget->objectName()));
        }
        const QPoint exitRight =
            main->cmdMdiExit->mapTo(main, QPoint(main->cmdMdiExit->width(), 0));
        QVERIFY(main->width() - exitRight.x() <= 16);
        // Nothing of the long texts is cut off at this size.
        for (QLabel* label :
             {static_cast<QLabel*>(main->lblCaption[1]), static_cast<QLabel*>(main->Label7)})
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
    }

    void menus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("pageKey");
        QTest::newRow("online help") << "mnuOnline"
                                     << "&Online Help"
                                     << "help-web-page";
        QTest::newRow("visit") << "mnuVisit"
                               << "&Visit Us Online"
                               << "home-page";
        QTest::newRow("update") << "mnuUpdate"
                                << "Check for Software &Update"
                                << "download-web-page";
    }
    void menus() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, pageKey);
        UrlRecorder recorder;
        QAction* action = main->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QVERIFY(action->isEnabled() && action->isVisible());
        action->trigger();
        QCOMPARE(recorder.addresses(), QStringList{TestSupport::pageAddress(pageKey)});
        QCOMPARE(ends, 0);
    }

    void menuBarOrder() {
        QStringList top;
        for (QAction* action : main->menuBar()->actions())
            top << action->objectName() + "=" + action->text();
        QCOMPARE(top,
                 (QStringList{"mnuFile=&File", "mnuHelp=&Help", "mkmoney=Make Money &Online"}));
        QStringList file;
        for (QAction* action : main->findChild<QAction*>("mnuFile")->menu()->actions())
            file << action->objectName() + "=" + action->text();
        QCOMPARE(file, QStringList{"mnuExit=E&xit"});
        QStringList help;
        for (QAction* action : main->findChild<QAction*>("mnuHelp")->menu()->actions())
            help << (action->isSeparator() ? action->objectName() + "=-"
                                           : action->objectName() + "=" + action->text());
        QCOMPARE(help, (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online",
                                    "mnuSep1=-", "mnuUpdate=Check for Software &Update",
                                    "mnuSep2=-", "mnuAbout=&About Software"}));
        // Make Money Online is switched off: not shown, and no shortcut reaches it.
        QAction* money = main->findChild<QAction*>("mkmoney");
        QVERIFY(!money->isVisible());
        QVERIFY(!money->isEnabled());
    }

    void aboutFromTheMenuIsModal() {
        UrlRecorder recorder;
        main->findChild<QAction*>("mnuAbout")->trigger();
        QTRY_VERIFY(frmAbout::existing());
        frmAbout* box = frmAbout::existing();
        QCOMPARE(QApplication::activeModalWidget(), box);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QTest::mouseClick(box->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(!frmAbout::existing());
        QVERIFY(main->isVisible());
        QVERIFY(recorder.urls.isEmpty());
        QCOMPARE(ends, 0);
    }

    void links_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("where"); // (-1,-1): the middle of the control
        QTest::addColumn<QString>("pageKey");
        QTest::newRow("banner label") << "lblQuorvelBanner" << QPoint(-1, -1) << "home-page";
        QTest::newRow("banner band") << "Picture6" << QPoint(4, 4) << "home-page";
        QTest::newRow("fully branded") << "Label7" << QPoint(-1, -1) << "fully-branded";
    }
    void links() {
        QFETCH(QString, name);
        QFETCH(QPoint, where);
        QFETCH(QString, pageKey);
        UrlRecorder recorder;
        QWidget* control = main->findChild<QWidget*>(name);
        QVERIFY(control);
        const QPoint at = where.x() < 0 ? control->rect().center() : where;
        QCOMPARE(control->childAt(at) ? control->childAt(at)->objectName() : name, name);
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
        // Exactly once: the band behind a label must not open the page a second time.
        QCOMPARE(recorder.addresses(), QStringList{TestSupport::pageAddress(pageKey)});
        QCOMPARE(control->cursor().shape(), LinkLabel::LinkCursor().shape());
    }

    void keyboardReachesEveryLink() {
        UrlRecorder recorder;
        QCOMPARE(QApplication::focusWidget(), main->cmdSelectOption[0]);
        for (LinkLabel* link : {main->lblQuorvelBanner, main->Label7}) {
            QVERIFY(link->focusPolicy() & Qt::TabFocus);
            link->setFocus(Qt::TabFocusReason);
            QTest::keyClick(link, Qt::Key_Return);
        }
        QCOMPARE(recorder.addresses(), (QStringList{TestSupport::pageAddress("home-page"),
                                                    TestSupport::pageAddress("fully-branded")}));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(main->lblCaption[i]->focusPolicy(), Qt::NoFocus);
        main->lblCaption[4]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(main->lblCaption[4], Qt::Key_Space);
        QVERIFY(!main->isWelcomePanelVisible());
    }

    void pointerOnlyOnClickableControls() {
        const QCursor link = LinkLabel::LinkCursor();
        for (QWidget* widget :
             {static_cast<QWidget*>(main->lblCaption[3]),
              static_cast<QWidget*>(main->lblCaption[4]), main->Picture6,
              static_cast<QWidget*>(main->lblQuorvelBanner), static_cast<QWidget*>(main->Label7)}) {
            QVERIFY2(widget->testAttribute(Qt::WA_SetCursor), qPrintable(widget->objectName()));
            QCOMPARE(widget->cursor().shape(), link.shape());
        }
        for (int i = 0; i < 3; ++i)
            QVERIFY2(!main->lblCaption[i]->testAttribute(Qt::WA_SetCursor),
                     qPrintable(main->lblCaption[i]->objectName()));
    }

    void textCaptionsOpenNothing_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("caption 0") << 0;
        QTest::newRow("caption 1") << 1;
        QTest::newRow("caption 2") << 2;
    }
    void textCaptionsOpenNothing() {
        QFETCH(int, index);
        UrlRecorder recorder;
        QVERIFY(main->isWelcomePanelVisible());
        QTest::mouseClick(main->lblCaption[index], Qt::LeftButton);
        QVERIFY(main->isWelcomePanelVisible());
        QVERIFY(openChildWindows().isEmpty());
        QVERIFY(recorder.urls.isEmpty());

        // With a calculator screen open, the click only closes it.
        QPointer<FakeCalculatorScreen> screen = openFakeScreen("frmRisingSignMain");
        main->ShowWelcomePanel();
        QTest::mouseClick(main->lblCaption[index], Qt::LeftButton);
        QCOMPARE(unloadLog, QStringList{"frmRisingSignMain with main"});
        QTRY_VERIFY(!screen);
        QVERIFY(main->isWelcomePanelVisible());
        QVERIFY(openChildWindows().isEmpty());
        QVERIFY(recorder.urls.isEmpty());
        QCOMPARE(ends, 0);
    }

    void calculatorChoicesCloseScreensInOrderAndHideThePanel_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("button 0") << "cmdSelectOption_0";
        QTest::newRow("button 1") << "cmdSelectOption_1";
        QTest::newRow("caption 3") << "lblCaption_3";
        QTest::newRow("caption 4") << "lblCaption_4";
    }
    void calculatorChoicesCloseScreensInOrderAndHideThePanel() {
        QFETCH(QString, control);
        // Opened in the reverse of the order they must close in.
        QPointer<FakeCalculatorScreen> vedic = openFakeScreen("frmVedicAscendantResult");
        QPointer<FakeCalculatorScreen> rising = openFakeScreen("frmRisingSignDisplay");
        main->ShowWelcomePanel();
        QTest::mouseClick(main->findChild<QWidget*>(control), Qt::LeftButton);
        QCOMPARE(unloadLog, (QStringList{"frmRisingSignDisplay with main",
                                         "frmVedicAscendantResult with main"}));
        QTRY_VERIFY(!vedic && !rising);
        QVERIFY(!main->isWelcomePanelVisible());
        QCOMPARE(ends, 0);
    }

    void placeScreenCentresAtTheTop() {
        FakeCalculatorScreen* screen = openFakeScreen("frmRisingSignMain");
        QMdiSubWindow* sub = screen->subWindow();
        QVERIFY(sub);
        main->PlaceScreen(sub);
        const int viewport = main->clientArea()->viewport()->width();
        QCOMPARE(sub->y(), 0);
        QVERIFY(std::abs(sub->x() - (viewport - sub->width()) / 2) <= 1);
        screen->unloadScreen();
        QVERIFY(main->isWelcomePanelVisible());
    }

    void hoverUnderlinesOnlyTheCalculatorCaptions_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("underlines");
        for (int i = 0; i < 5; ++i)
            QTest::addRow("caption %d", i) << i << (i >= 3);
    }
    void hoverUnderlinesOnlyTheCalculatorCaptions() {
        QFETCH(int, index);
        QFETCH(bool, underlines);
        moveMouseOver(main->lblCaption[index]);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(underlined(main->lblCaption[i]), underlines && i == index);
        moveMouseOver(main->picMain, QPoint(5, 5));
        for (LinkLabel* caption : main->lblCaption)
            QVERIFY(!underlined(caption));
    }

    void underlineStaysUntilThePointerCrossesTheBackground() {
        moveMouseOver(main->lblCaption[3]);
        // Over another caption, not the background: caption 3 keeps its underline.
        moveMouseOver(main->lblCaption[2]);
        moveMouseOver(main->lblCaption[4]);
        QVERIFY(underlined(main->lblCaption[3]));
        QVERIFY(underlined(main->lblCaption[4]));
        QVERIFY(!underlined(main->lblCaption[2]));
        moveMouseOver(main->picMain, QPoint(5, 5));
        QVERIFY(!underlined(main->lblCaption[3]));
        QVERIFY(!underlined(main->lblCaption[4]));
    }

    void welcomePanelFollowsTheScreens() {
        QVERIFY(main->isWelcomePanelVisible());
        QCOMPARE(main->picMain->geometry(), main->clientArea()->viewport()->rect());
        main->HideWelcomePanel();
        QVERIFY(!main->isWelcomePanelVisible());
        // A screen that closes brings the panel back.
        FakeCalculatorScreen* screen = openFakeScreen("frmVedicAscendantMain");
        screen->unloadScreen();
        QVERIFY(main->isWelcomePanelVisible());
        main->resize(900, 650);
        QTRY_COMPARE(main->picMain->geometry(), main->clientArea()->viewport()->rect());
    }

    void everyWayOutEndsTheProgram_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Exit button") << "cmdMdiExit";
        QTest::newRow("File Exit") << "mnuExit";
        QTest::newRow("close box") << "close";
    }
    void everyWayOutEndsTheProgram() {
        QFETCH(QString, way);
        MessageBox::clearShownMessages();
        QPointer<FakeCalculatorScreen> vedic = openFakeScreen("frmVedicAscendantMain");
        QPointer<FakeCalculatorScreen> rising = openFakeScreen("frmRisingSignDisplay");
        if (way == "cmdMdiExit")
            QTest::mouseClick(main->cmdMdiExit, Qt::LeftButton);
        else if (way == "mnuExit")
            main->findChild<QAction*>("mnuExit")->trigger();
        else
            main->close();
        QCOMPARE(ends, 1);
        // The screens ran their closing steps first, while the main window was still open.
        QCOMPARE(unloadLog, (QStringList{"frmRisingSignDisplay with main",
                                         "frmVedicAscendantMain with main"}));
        QVERIFY(!main->isVisible());
        QTRY_VERIFY(!vedic && !rising);
        // Without a question.
        QVERIFY(MessageBox::shownMessages().isEmpty());
    }

    void endingClosesTheAboutBoxToo() {
        ShowAboutBox(main);
        QTRY_VERIFY(frmAbout::existing());
        main->close();
        QCOMPARE(ends, 1);
        QTRY_VERIFY(!frmAbout::existing());
        QVERIFY(!main->isVisible());
    }
};

QTEST_MAIN(tst_shell_mainwindow)
#include "tst_shell_mainwindow.moc"
