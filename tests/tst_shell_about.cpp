// The About box: its captions, its two links, and the ways to close it.

#include "LinkLabel.h"
#include "TestSupport.h"
#include "frmAbout.h"
#include "modHelp.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class tst_shell_about : public QObject {
    Q_OBJECT

private:
    QPointer<QWidget> opener;

    frmAbout* openBox() {
        ShowAboutBox(opener);
        frmAbout* box = frmAbout::existing();
        if (box)
            (void)QTest::qWaitForWindowExposed(box);
        return box;
    }

private slots:
    void initTestCase() { TestSupport::isolate(); }

    void init() {
        // Stands for the screen the box is opened from.
        opener = new QWidget;
        opener->setObjectName("opener");
        opener->resize(400, 300);
        opener->show();
        QVERIFY(QTest::qWaitForWindowExposed(opener));
    }

    void cleanup() {
        delete frmAbout::existing();
        delete opener;
    }

    void captions() {
        frmAbout* box = openBox();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Zenthari v1.30"));
        const QList<QPair<QString, QString>> texts = {
            {"Label2", "Zenthari v1.30"},
            {"Label1",
             "The Ascendant or the Zodiac Rising Sign holds a very significant position in the "
             "study of astrology. The Ascendant along with the sun sign and moon sign describes "
             "the complete personality of an individual. Know you Ascendant on the basis of "
             "Western & Vedic Astrology with the help of this software."},
            {"Label3", "Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. "},
            {"lblCoBrand", "Click here for more details."},
            {"lblHomePage", "Click here to visit " + modHelp::ProductSiteName()}};
        for (const auto& [name, text] : texts) {
            auto* label = box->findChild<QLabel*>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->text(), text);
            QVERIFY2(label->isVisible(), qPrintable(name));
        }
        // "&" in the description is shown as it is, not taken as an access key.
        QCOMPARE(box->Label1->textFormat(), Qt::PlainText);
        QVERIFY(box->findChild<QLabel*>("Picture1"));
        auto* line = box->findChild<QFrame*>("Line1_2");
        QVERIFY(line);
        QCOMPARE(line->frameShape(), QFrame::HLine);
        QCOMPARE(box->cmdOK->text(), QStringLiteral("&OK"));
        QVERIFY(box->cmdOK->isDefault());
        for (QWidget* link : {box->lblCoBrand, box->lblHomePage})
            QCOMPARE(link->cursor().shape(), LinkLabel::LinkCursor().shape());
    }

    void modalAndCentred() {
        frmAbout* box = openBox();
        QVERIFY(box);
        QCOMPARE(QApplication::activeModalWidget(), box);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        // Its own window, not drawn inside the screen that opened it.
        QVERIFY(box->isWindow());
        const QRect area = box->screen()->availableGeometry();
        const QPoint offset = box->frameGeometry().center() - area.center();
        QVERIFY2(offset.manhattanLength() <= 4,
                 qPrintable(QString::number(offset.manhattanLength())));
        // Asking again while it is open brings up the same box.
        ShowAboutBox(opener);
        QCOMPARE(frmAbout::existing(), box);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<frmAbout*>(w) != nullptr; }),
                 1);
    }

    void linksOpenTheirPageAndTheBoxStaysOpen_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("pageKey");
        QTest::newRow("more details") << "lblCoBrand"
                                      << "fully-branded";
        QTest::newRow("home page") << "lblHomePage"
                                   << "home-page";
    }
    void linksOpenTheirPageAndTheBoxStaysOpen() {
        QFETCH(QString, link);
        QFETCH(QString, pageKey);
        UrlRecorder recorder;
        frmAbout* box = openBox();
        QVERIFY(box);
        QTest::mouseClick(box->findChild<QWidget*>(link), Qt::LeftButton);
        QCOMPARE(recorder.addresses(), QStringList{TestSupport::pageAddress(pageKey)});
        QCoreApplication::processEvents();
        QCOMPARE(frmAbout::existing(), box);
        QVERIFY(box->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), box);
    }

    void everyWayToCloseReturnsToTheOpener_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("OK button") << "ok";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "close";
    }
    void everyWayToCloseReturnsToTheOpener() {
        QFETCH(QString, way);
        UrlRecorder recorder;
        const QRect before = opener->geometry();
        QPointer<frmAbout> box = openBox();
        QVERIFY(box);
        if (way == "ok")
            QTest::mouseClick(box->cmdOK, Qt::LeftButton);
        else if (way == "enter")
            QTest::keyClick(box, Qt::Key_Return);
        else if (way == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
        // Closed and destroyed: the next showing starts afresh.
        QTRY_VERIFY(!box);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(opener->isVisible());
        QCOMPARE(opener->geometry(), before);
        QVERIFY(recorder.urls.isEmpty());
    }
};

QTEST_MAIN(tst_shell_about)
#include "tst_shell_about.moc"
