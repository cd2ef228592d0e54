// The report screen driven as a user does: opening it, the clipboard, the links, printing,
// saving the reading and closing it again.
#include "ChildScreen.h"
#include "FileDialog.h"
#include "LagnaInformation.h"
#include "MessageBox.h"
#include "ReadingFile.h"
#include "Records.h"
#include "TestSupport.h"
#include "frmMDI.h"
#include "modHelp.h"
#include "vedic/ReportContent.h"
#include "vedic/frmVedicAscendantSave.h"
#include "vedic/modRTB.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace zenthari;

namespace {

QString ReportPlainText(const zenthari::LagnaRecord& lagna) {
    QString text = QString::fromStdString(ReportContent::JoinRuns(
        ReportContent::BuildReportRuns(lagna, modHelp::ProductSiteBase().toStdString())));
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The words of a text, for comparing a printout whose lines wrap differently.
QStringList Words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    // Ligatures such as "fi" come back as one character; spell them out.
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC);
}

// Where in words every word of expected appears in order; empty when all do.
QString FirstMissingInOrder(const QStringList& expected, const QStringList& words) {
    qsizetype at = 0;
    for (const QString& word : expected) {
        while (at < words.size() && words[at] != word)
            ++at;
        if (at == words.size())
            return word;
        ++at;
    }
    return {};
}

ReadingRecord SampleReading() {
    ReadingRecord reading;
    reading.Name = "Asha Verma";
    reading.Month = "October";
    reading.Day = "2";
    reading.Year = "1984";
    reading.Hour = "14";
    reading.Minute = "35";
    reading.Second = "0";
    reading.LongitudeDegrees = "77";
    reading.LongitudeMinutes = "12";
    reading.LongitudeSeconds = "30";
    reading.LongitudeDirection = "East";
    reading.LatitudeDegrees = "28";
    reading.LatitudeMinutes = "36";
    reading.LatitudeSeconds = "50";
    reading.LatitudeDirection = "North";
    return reading;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class ReportScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensFreshReportInFrontOfResult();
    void openingEmptiesClipboard();
    void mouseOverViewEmptiesClipboard_data();
    void mouseOverViewEmptiesClipboard();
    void creditAddressesAreLinks();
    void clickElsewhereOpensNothing();
    void longLinkTextIsReadOnlyUpToTheLimit();
    void promotionalLabels_data();
    void promotionalLabels();
    void saveAndPrintLeaveReportUnchanged();
    void printedPdfHoldsWholeReport_data();
    void printedPdfHoldsWholeReport();
    void printWithoutPrinterDoesNothing();
    void saveWritesReadingFile();
    void cancelledSaveWritesNothing();
    void failedSaveKeepsOldFileAndTellsUser_data();
    void failedSaveKeepsOldFileAndTellsUser();
    void closingBringsResultScreenBack();
    void calculatorButtonsCloseReport();

private:
    frmVedicAscendantSave* openReport();
    QPoint pointOf(frmVedicAscendantSave* report, int position);

    frmMDI* main_ = nullptr;
    QPointer<ChildScreen> result_;
    QLineEdit* resultField_ = nullptr;
    QTemporaryDir dir_;
};

void ReportScreenTest::initTestCase() {
    TestSupport::isolate();
    QVERIFY(dir_.isValid());
    main_ = new frmMDI;
    main_->resize(1100, 900);
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_));
}

void ReportScreenTest::init() {
    // A path left queued by a failed test must not answer the next test's dialog.
    while (FileDialog::hasQueuedFileName())
        FileDialog::getSaveFileName(nullptr, {});
    MessageBox::clearShownMessages();
    modLagnaInformation::FillLagnaInformation("Thula");
    CurrentReading = SampleReading();
    // Stands in for the result screen: a calculator screen with a value shown in it.
    result_ = new ChildScreen(QStringLiteral("frmVedicAscendantResult"),
                              QStringLiteral("ZT Vedic Ascendant"));
    resultField_ = new QLineEdit(QStringLiteral("Thula"), result_);
    resultField_->setObjectName(QStringLiteral("txtShown"));
    result_->setCentralWidget(resultField_);
    result_->showScreen();
}

void ReportScreenTest::cleanup() {
    frmVedicAscendantSave::setPrintOutputForTests({});
    if (auto* report = frmVedicAscendantSave::existing())
        report->close();
    if (result_)
        result_->unloadScreen();
    QTRY_VERIFY(!frmVedicAscendantSave::existing());
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmVedicAscendantSave* ReportScreenTest::openReport() {
    OpenAscendantReport(result_);
    frmVedicAscendantSave* report = frmVedicAscendantSave::existing();
    if (!report || !QTest::qWaitForWindowActive(report))
        return nullptr;
    // Keys go to the report, as they do for a user who sees it in front.
    for (int i = 0; i < 50 && QApplication::activeWindow() != report; ++i)
        QTest::qWait(20);
    if (QApplication::activeWindow() != report)
        return nullptr;
    return report;
}

// The point in the view's viewport where the character at position is, scrolled into view.
QPoint ReportScreenTest::pointOf(frmVedicAscendantSave* report, int position) {
    QTextCursor cursor(report->RTB->document());
    cursor.setPosition(position);
    report->RTB->setTextCursor(cursor);
    report->RTB->ensureCursorVisible();
    QCoreApplication::processEvents();
    const QRect before = report->RTB->cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = report->RTB->cursorRect(cursor);
    // Between the two edges of the character, on its line.
    return QPoint((before.left() + after.left()) / 2, before.center().y());
}

void ReportScreenTest::opensFreshReportInFrontOfResult() {
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    QCOMPARE(report->objectName(), QStringLiteral("frmVedicAscendantSave"));
    QCOMPARE(report->windowTitle(), QStringLiteral("ZT Vedic Ascendant"));
    QVERIFY(report->isModal());
    QVERIFY(report->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), report);
    QVERIFY(report->RTB->isReadOnly());
    QVERIFY(report->RTB->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(report->cmdSave->text(), QStringLiteral("&Save"));
    QCOMPARE(report->cmdPrint->text(), QStringLiteral("&Print"));
    QCOMPARE(report->RTB->font().pointSizeF(), 9.75);
    QCOMPARE(report->RTB->font().families().value(0), QStringLiteral("Verdana"));

    // Placed like the calculator screens: at the top of the client area, centred across it.
    QWidget* area = main_->clientArea()->viewport();
    const QPoint areaTopLeft = area->mapToGlobal(QPoint(0, 0));
    QCOMPARE(report->frameGeometry().top(), areaTopLeft.y());
    QVERIFY(qAbs(report->frameGeometry().center().x() - (areaTopLeft.x() + area->width() / 2)) <=
            1);

    // The text is the report of the current sign, runs in their colours and weights.
    QCOMPARE(report->RTB->toPlainText(), ReportPlainText(modLagnaInformation::LagnaInformation));
    QTextDocument* document = report->RTB->document();
    struct Probe {
        QString text;
        QColor colour;
        bool bold;
    };
    const QList<Probe> probes = {
        {QStringLiteral("Common: "), QColor(128, 0, 128), true},
        {QStringLiteral("Rulling Planet / Lord: "), QColor(0, 128, 128), false},
        {QStringLiteral("The Balance"), QColor(0, 0, 0), false},
        {QStringLiteral("Lucky For....Rashi: "), QColor(128, 0, 128), true},
        {QStringLiteral("Report Generated By "), QColor(0, 0, 0), false}};
    for (const Probe& probe : probes) {
        const QTextCursor found = document->find(probe.text);
        QVERIFY2(!found.isNull(), qPrintable(probe.text));
        QTextCursor inside(document);
        inside.setPosition(found.selectionStart() + 1);
        const QTextCharFormat format = inside.charFormat();
        QCOMPARE(format.foreground().color(), probe.colour);
        QCOMPARE(format.fontWeight() == QFont::Bold, probe.bold);
    }

    // The result screen stays open behind it, unchanged; a later opening is built afresh.
    QVERIFY(result_->isScreenVisible());
    QCOMPARE(resultField_->text(), QStringLiteral("Thula"));
    report->close();
    QTRY_VERIFY(!frmVedicAscendantSave::existing());
    modLagnaInformation::FillLagnaInformation("Meena");
    frmVedicAscendantSave* again = openReport();
    QVERIFY(again);
    QCOMPARE(again->RTB->toPlainText(), ReportPlainText(LagnaCatalogueEntry(11)));
    QVERIFY(!again->RTB->toPlainText().contains(QStringLiteral("Thula")));
}

void ReportScreenTest::openingEmptiesClipboard() {
    QGuiApplication::clipboard()->setText(QStringLiteral("copied before"));
    QVERIFY(openReport());
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void ReportScreenTest::mouseOverViewEmptiesClipboard_data() {
    QTest::addColumn<int>("eventType");
    QTest::newRow("move") << int(QEvent::MouseMove);
    QTest::newRow("press") << int(QEvent::MouseButtonPress);
    QTest::newRow("release") << int(QEvent::MouseButtonRelease);
    QTest::newRow("double click") << int(QEvent::MouseButtonDblClick);
}

void ReportScreenTest::mouseOverViewEmptiesClipboard() {
    QFETCH(int, eventType);
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    UrlRecorder recorder;
    QWidget* viewport = report->RTB->viewport();
    const QPoint point(20, 20);

    // Text copied out of the report is gone as soon as the mouse touches the view.
    report->RTB->selectAll();
    report->RTB->copy();
    QVERIFY(!QGuiApplication::clipboard()->text().isEmpty());
    // A plain move, without a button held, is seen too.
    const Qt::MouseButton button = eventType == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        eventType == QEvent::MouseButtonRelease || eventType == QEvent::MouseMove ? Qt::NoButton
                                                                                  : Qt::LeftButton;
    QMouseEvent event(QEvent::Type(eventType), point, viewport->mapToGlobal(point), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), QString());
    QVERIFY(recorder.urls.isEmpty());
}

void ReportScreenTest::creditAddressesAreLinks() {
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    QTextDocument* document = report->RTB->document();
    const QString credit = QStringLiteral("Report Generated By ") + modHelp::ProductSiteBase();

    int credits = 0;
    for (QTextCursor found = document->find(credit); !found.isNull();
         found = document->find(credit, found)) {
        ++credits;
        UrlRecorder recorder;
        const int address = found.selectionEnd() - int(modHelp::ProductSiteBase().size());
        // The middle of the address, and its very first character.
        for (int position : {address + int(modHelp::ProductSiteBase().size()) / 2, address}) {
            const QPoint point = pointOf(report, position);
            QCOMPARE(report->RTB->anchorAt(point), modHelp::ProductSiteBase());
            QTest::mouseClick(report->RTB->viewport(), Qt::LeftButton, {}, point);
        }
        QCOMPARE(recorder.addresses(),
                 QStringList({modHelp::ProductSiteBase(), modHelp::ProductSiteBase()}));
        // The right button opens nothing.
        recorder.urls.clear();
        QTest::mouseClick(report->RTB->viewport(), Qt::RightButton, {},
                          pointOf(report, address + 3));
        QVERIFY(recorder.urls.isEmpty());
    }
    QCOMPARE(credits, 8);
}

void ReportScreenTest::clickElsewhereOpensNothing() {
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    QTextDocument* document = report->RTB->document();
    UrlRecorder recorder;
    for (const QString& text :
         {QStringLiteral("Common: "), QStringLiteral("The Balance"),
          QStringLiteral("Report Generated By "), QStringLiteral("Lucky For....Rashi: ")}) {
        const QTextCursor found = document->find(text);
        QVERIFY(!found.isNull());
        const QPoint point = pointOf(report, found.selectionStart() + 2);
        QVERIFY(report->RTB->anchorAt(point).isEmpty());
        QTest::mouseClick(report->RTB->viewport(), Qt::LeftButton, {}, point);
    }
    // Beyond the end of the text, below the last line.
    QTest::mouseClick(
        report->RTB->viewport(), Qt::LeftButton, {},
        QPoint(report->RTB->viewport()->width() - 5, report->RTB->viewport()->height() - 3));
    QVERIFY(recorder.urls.isEmpty());
}

void ReportScreenTest::longLinkTextIsReadOnlyUpToTheLimit() {
    QWidget window;
    auto* view = new QTextEdit(&window);
    modRTB::ReportLinkHandler* handler = modRTB::EnableReportLinks(view, &window);
    QVERIFY(handler);
    const QString longAddress =
        QStringLiteral("https://www.site.example/") + QString(3000, QLatin1Char('a'));
    const QString shortAddress = QStringLiteral("www.site.example/page");
    modRTB::AppendReportRuns(view, {{"Read ", {}, false},
                                    {(longAddress + QStringLiteral(" and ") + shortAddress +
                                      QStringLiteral(", then\r\nmore"))
                                         .toStdString(),
                                     {},
                                     false}});
    const int longStart = int(QStringLiteral("Read ").size());
    const int shortStart = longStart + int(longAddress.size() + 5);

    QCOMPARE(handler->LinkTextAt(longStart + 2000), longAddress.left(modRTB::MaxLinkTextLength));
    QCOMPARE(handler->LinkTextAt(longStart), longAddress.left(modRTB::MaxLinkTextLength));
    // A trailing comma is not part of the address; the plain words around it are no link.
    QCOMPARE(handler->LinkTextAt(shortStart + 4), shortAddress);
    QCOMPARE(handler->LinkTextAt(shortStart + int(shortAddress.size())), QString());
    QCOMPARE(handler->LinkTextAt(1), QString());
    QCOMPARE(handler->LinkTextAt(-1), QString());
    QCOMPARE(handler->LinkTextAt(view->document()->characterCount() + 10), QString());
}

void ReportScreenTest::promotionalLabels_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("page");
    QTest::newRow("Label12") << "Label12"
                             << "fully-branded";
    QTest::newRow("Label3") << "Label3"
                            << "home-page";
    QTest::newRow("Label14") << "Label14"
                             << "home-page";
}

void ReportScreenTest::promotionalLabels() {
    QFETCH(QString, label);
    QFETCH(QString, page);
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    auto* link = report->findChild<QLabel*>(label);
    QVERIFY(link);
    QVERIFY(!link->text().isEmpty());
    // The whole offer shows, not just its first line.
    QVERIFY(link->isVisible());
    QVERIFY(link->height() >= link->heightForWidth(link->width()));
    if (label == QLatin1String("Label3"))
        QCOMPARE(link->text(), QStringLiteral("Click Here To Visit ") + modHelp::ProductSiteName() +
                                   QStringLiteral(" Now"));
    UrlRecorder recorder;
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(recorder.addresses(), QStringList{TestSupport::pageAddress(page)});
    QVERIFY(frmVedicAscendantSave::existing());
}

void ReportScreenTest::saveAndPrintLeaveReportUnchanged() {
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    const QString before = report->RTB->toHtml();
    const QString pdf = dir_.filePath(QStringLiteral("unchanged.pdf"));
    frmVedicAscendantSave::setPrintOutputForTests(pdf);

    FileDialog::setNextFileName(dir_.filePath(QStringLiteral("unchanged.ved")));
    QTest::mouseClick(report->cmdSave, Qt::LeftButton);
    QTest::mouseClick(report->cmdPrint, Qt::LeftButton);
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(report->RTB->toHtml(), before);
    QFile::remove(pdf);
    QTest::mouseClick(report->cmdPrint, Qt::LeftButton);
    QVERIFY(QFileInfo(pdf).size() > 0);
    QFile::remove(pdf);
    QTest::keyClick(report, Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(report->RTB->toHtml(), before);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QCOMPARE(frmVedicAscendantSave::existing(), report);
    QVERIFY(report->isVisible());
}

void ReportScreenTest::printedPdfHoldsWholeReport_data() {
    QTest::addColumn<QString>("vedicName");
    QTest::addColumn<int>("selectFrom");
    QTest::addColumn<int>("selectLength");
    QTest::newRow("Thula, nothing selected") << "Thula" << 0 << 0;
    QTest::newRow("Thula, middle selected") << "Thula" << 300 << 200;
    QTest::newRow("Vrischika, start selected") << "Vrischika" << 0 << 40;
}

void ReportScreenTest::printedPdfHoldsWholeReport() {
    QFETCH(QString, vedicName);
    QFETCH(int, selectFrom);
    QFETCH(int, selectLength);
    modLagnaInformation::FillLagnaInformation(vedicName.toStdString());
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    if (selectLength > 0) {
        QTextCursor cursor(report->RTB->document());
        cursor.setPosition(selectFrom);
        cursor.setPosition(selectFrom + selectLength, QTextCursor::KeepAnchor);
        report->RTB->setTextCursor(cursor);
        QVERIFY(report->RTB->textCursor().hasSelection());
    }

    const QString pdf = dir_.filePath(vedicName + QString::number(selectLength) + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    PrintReport(report->RTB, printer);
    QVERIFY(!report->RTB->textCursor().hasSelection());

    const QStringList printed = Words(PdfText(pdf));
    QVERIFY2(!printed.isEmpty(), "pdftotext read nothing");
    const QStringList expected = Words(ReportPlainText(modLagnaInformation::LagnaInformation));
    const QString missing = FirstMissingInOrder(expected, printed);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not printed in order: ") + missing));
    // Each credit line is printed once: nothing is doubled or left out.
    QCOMPARE(printed.count(QStringLiteral("Generated")), 8);
}

void ReportScreenTest::printWithoutPrinterDoesNothing() {
    // No print server can be reached, so there is no default printer.
    qputenv("CUPS_SERVER", dir_.filePath(QStringLiteral("no-such-socket")).toLocal8Bit());
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    const QString before = report->RTB->toHtml();
    QTest::mouseClick(report->cmdPrint, Qt::LeftButton);
    QCOMPARE(report->RTB->toHtml(), before);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QVERIFY(report->isVisible());
    qunsetenv("CUPS_SERVER");
}

void ReportScreenTest::saveWritesReadingFile() {
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    const QString path = dir_.filePath(QStringLiteral("reading.ved"));
    QFile::remove(path);
    FileDialog::setNextFileName(path);
    // The button's access key; the button answers it with a short animated click.
    QTest::keyClick(report, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(QFileInfo::exists(path));

    const FileDialog::Options options = FileDialog::lastOptions();
    QCOMPARE(options.title, QStringLiteral("Save Your Vedic Ascendant Details"));
    QCOMPARE(options.filter, QStringLiteral("Rich Text Format (*.ved)"));
    QCOMPARE(options.defaultSuffix, QStringLiteral("ved"));

    const QByteArray bytes = ReadAll(path);
    QCOMPARE(bytes.count("\r\n"), 15);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), 15);
    QCOMPARE(bytes.count('\n'), 15);
    QVERIFY(!bytes.contains("Asha"));
    QCOMPARE(DecodeReadingFile(std::string_view(bytes.constData(), std::size_t(bytes.size()))),
             SampleReading());
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QVERIFY(report->isVisible());

    // Saving again over the file replaces it with the reading now current.
    CurrentReading.Name = "Ravi";
    FileDialog::setNextFileName(path);
    QTest::mouseClick(report->cmdSave, Qt::LeftButton);
    const QByteArray again = ReadAll(path);
    QCOMPARE(DecodeReadingFile(std::string_view(again.constData(), std::size_t(again.size()))).Name,
             std::string("Ravi"));
    QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("reading.ved*")}, QDir::Files),
             QStringList{QStringLiteral("reading.ved")});
}

void ReportScreenTest::cancelledSaveWritesNothing() {
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    const QStringList before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    FileDialog::setNextFileName(QString());
    QTest::mouseClick(report->cmdSave, Qt::LeftButton);
    QVERIFY(!FileDialog::hasQueuedFileName());
    QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(MessageBox::shownMessages().isEmpty());
    QVERIFY(report->isVisible());
}

void ReportScreenTest::failedSaveKeepsOldFileAndTellsUser_data() {
    QTest::addColumn<QString>("how");
    // A full disk: the file size limit stops the write part way, even for root.
    QTest::newRow("disk full") << "size-limit";
    // The folder cannot be made: its path runs through a file.
    QTest::newRow("folder is a file") << "through-file";
    // The chosen name is a folder.
    QTest::newRow("name is a folder") << "folder";
}

void ReportScreenTest::failedSaveKeepsOldFileAndTellsUser() {
    QFETCH(QString, how);
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    const QByteArray oldBytes("an older reading\r\n");
    QString target;
    if (how == QLatin1String("size-limit")) {
        target = dir_.filePath(QStringLiteral("full.ved"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(oldBytes);
        old.close();
    } else if (how == QLatin1String("through-file")) {
        target = dir_.filePath(QStringLiteral("plain-file/reading.ved"));
        QFile file(dir_.filePath(QStringLiteral("plain-file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(oldBytes);
        file.close();
    } else {
        target = dir_.filePath(QStringLiteral("a-folder.ved"));
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("a-folder.ved")));
    }
    const QStringList entriesBefore =
        QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    rlimit saved{};
    if (how == QLatin1String("size-limit")) {
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 20;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    FileDialog::setNextFileName(target);
    QTest::mouseClick(report->cmdSave, Qt::LeftButton);
    if (how == QLatin1String("size-limit"))
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

    QCOMPARE(MessageBox::shownMessages().size(), 1);
    const MessageBox::Shown shown = MessageBox::shownMessages().constFirst();
    QCOMPARE(shown.icon, MessageBox::Icon::Critical);
    QCOMPARE(shown.buttons, MessageBox::Buttons::Ok);
    QCOMPARE(shown.title, QStringLiteral("Zenthari"));
    QVERIFY2(shown.text.startsWith(QStringLiteral("The reading could not be saved to ") +
                                   QDir::toNativeSeparators(target) + QStringLiteral(": ")),
             qPrintable(shown.text));
    QVERIFY(shown.text.size() >
            QStringLiteral("The reading could not be saved to : ").size() + target.size());

    if (how == QLatin1String("size-limit"))
        QCOMPARE(ReadAll(target), oldBytes);
    // No half-written file or leftover is left behind.
    QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
    QVERIFY(report->isVisible());
    QCOMPARE(frmVedicAscendantSave::existing(), report);

    QDir(dir_.filePath(QStringLiteral("a-folder.ved"))).removeRecursively();
    QFile::remove(dir_.filePath(QStringLiteral("plain-file")));
    QFile::remove(dir_.filePath(QStringLiteral("full.ved")));
}

void ReportScreenTest::closingBringsResultScreenBack() {
    // Another screen lies over the result screen while the report is open.
    auto* other = new ChildScreen(QStringLiteral("frmOther"), QStringLiteral("Other"));
    other->setCentralWidget(new QLineEdit(other));
    other->showScreen();
    frmVedicAscendantSave* report = openReport();
    QVERIFY(report);
    QCOMPARE(main_->clientArea()->activeSubWindow(), other->subWindow());

    resultField_->setCursorPosition(2);
    QTest::keyClick(report, Qt::Key_Escape);
    QTRY_VERIFY(!frmVedicAscendantSave::existing());
    QTRY_COMPARE(main_->clientArea()->activeSubWindow(), result_->subWindow());
    QVERIFY(result_->isScreenVisible());
    QCOMPARE(resultField_->text(), QStringLiteral("Thula"));
    QVERIFY(!QApplication::activeModalWidget());

    // The same through the window's close control.
    main_->clientArea()->setActiveSubWindow(other->subWindow());
    QPointer<frmVedicAscendantSave> second = openReport();
    QVERIFY(second);
    QVERIFY(second->close());
    QTRY_VERIFY(!second);
    QCOMPARE(main_->clientArea()->activeSubWindow(), result_->subWindow());
    other->unloadScreen();
}

void ReportScreenTest::calculatorButtonsCloseReport() {
    QPointer<frmVedicAscendantSave> report = openReport();
    QVERIFY(report);
    main_->CloseCalculatorScreens();
    QTRY_VERIFY(!report);
    QVERIFY(!frmVedicAscendantSave::existing());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(ReportScreenTest)
#include "tst_report_screen.moc"
