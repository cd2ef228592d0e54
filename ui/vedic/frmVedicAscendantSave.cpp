#include "frmVedicAscendantSave.h"

#include "FileDialog.h"
#include "LagnaInformation.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "ReadingFileIO.h"
#include "Records.h"
#include "ReportContent.h"
#include "frmMDI.h"
#include "modHelp.h"
#include "modRTB.h"

#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
QPointer<frmVedicAscendantSave> theReport;
QString printOutputForTests;

QFont ReportFont() {
    // Verdana is rarely installed outside Windows; DejaVu Sans has the same open, wide shapes.
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies(
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(9.75);
    return font;
}

void BringForward(QWidget* screen) {
    if (!screen)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget())) {
        // A result screen that is closing with the report (the main window's buttons close
        // both) is left alone.
        QMdiArea* area = sub->mdiArea();
        if (!area || !area->subWindowList().contains(sub))
            return;
        sub->show();
        sub->raise();
        area->setActiveSubWindow(sub);
    } else {
        screen->show();
        screen->raise();
    }
    screen->window()->activateWindow();
}
} // namespace

frmVedicAscendantSave::frmVedicAscendantSave(QWidget* resultScreen)
    : QDialog(frmMDI::instance() ? static_cast<QWidget*>(frmMDI::instance())
                                 : (resultScreen ? resultScreen->window() : nullptr)),
      resultScreen_(resultScreen) {
    setObjectName(QStringLiteral("frmVedicAscendantSave"));
    setWindowTitle(QStringLiteral("ZT Vedic Ascendant"));
    setAttribute(Qt::WA_DeleteOnClose);
    theReport = this;

    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setReadOnly(true);
    RTB->setFont(ReportFont());
    RTB->document()->setDefaultFont(ReportFont());
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RTB->viewport()->setMouseTracking(true);
    RTB->setMinimumSize(560, 380);

    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setAutoDefault(false);
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setAutoDefault(false);

    const QString site = modHelp::ProductSiteName();
    Label12 = new LinkLabel(
        QStringLiteral("Get this software fully branded with your own name and web site"), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label3 =
        new LinkLabel(QStringLiteral("Click Here To Visit ") + site + QStringLiteral(" Now"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label14 = new LinkLabel(
        QStringLiteral("Talk about astrology with other users on the %1 discussion board")
            .arg(site),
        this);
    Label14->setObjectName(QStringLiteral("Label14"));
    for (LinkLabel* label : {Label12, Label3, Label14}) {
        label->setTextFormat(Qt::PlainText);
        QFont underlined = label->font();
        underlined.setUnderline(true);
        label->setFont(underlined);
        label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
        label->setAlignment(Qt::AlignHCenter);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RTB, 1);
    layout->addLayout(buttons);
    layout->addWidget(Label12);
    layout->addWidget(Label3);
    layout->addWidget(Label14);

    connect(cmdSave, &QPushButton::clicked, this, &frmVedicAscendantSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmVedicAscendantSave::cmdPrint_Click);
    connect(Label12, &LinkLabel::clicked, this,
            [] { modHelp::OpenWebPage(QStringLiteral("fully-branded")); });
    connect(Label3, &LinkLabel::clicked, this,
            [] { modHelp::OpenWebPage(QStringLiteral("home-page")); });
    connect(Label14, &LinkLabel::clicked, this,
            [] { modHelp::OpenWebPage(QStringLiteral("home-page")); });

    resize(640, 600);
    Form_Load();
}

frmVedicAscendantSave::~frmVedicAscendantSave() = default;

frmVedicAscendantSave* frmVedicAscendantSave::existing() {
    return theReport && !theReport->unloaded_ ? theReport.data() : nullptr;
}

void frmVedicAscendantSave::setPrintOutputForTests(const QString& pdfPath) {
    printOutputForTests = pdfPath;
}

void frmVedicAscendantSave::Form_Load() {
    modRTB::EnableReportLinks(RTB, this);
    PlaceOverClientArea();

    // Whatever is copied from the report leaves the clipboard as soon as the report changes or
    // the mouse touches it.
    connect(RTB->document(), &QTextDocument::contentsChanged, this,
            &frmVedicAscendantSave::RTB_Change);
    RTB->viewport()->installEventFilter(this);

    modRTB::AppendReportRuns(
        RTB, ReportContent::BuildReportRuns(zenthari::modLagnaInformation::LagnaInformation,
                                            modHelp::ProductSiteBase().toStdString()));
    RTB->moveCursor(QTextCursor::Start);
    RTB->setFocus();
}

void frmVedicAscendantSave::PlaceOverClientArea() {
    frmMDI* main = frmMDI::instance();
    if (!main)
        return;
    QWidget* area = main->clientArea()->viewport();
    const QPoint topLeft = area->mapToGlobal(QPoint(0, 0));
    const int left = (area->width() - frameGeometry().width()) / 2;
    move(topLeft.x() + (left > 0 ? left : 0), topLeft.y());
}

void frmVedicAscendantSave::RTB_Change() {
    QGuiApplication::clipboard()->clear();
}

void frmVedicAscendantSave::RTB_MouseEvent() {
    QGuiApplication::clipboard()->clear();
}

bool frmVedicAscendantSave::eventFilter(QObject* watched, QEvent* event) {
    if (RTB && watched == RTB->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            RTB_MouseEvent();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmVedicAscendantSave::cmdSave_Click() {
    SaveReadingFile();
}

void frmVedicAscendantSave::cmdPrint_Click() {
    if (!printOutputForTests.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printOutputForTests);
        PrintReport(RTB, printer);
        return;
    }
    // Without a printer there is nothing to do; the report stays as it is.
    if (QPrinterInfo::defaultPrinter().isNull())
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid())
        return;
    PrintReport(RTB, printer);
}

void frmVedicAscendantSave::SaveReadingFile() {
    FileDialog::Options options;
    options.title = QStringLiteral("Save Your Vedic Ascendant Details");
    options.filter = QStringLiteral("Rich Text Format (*.ved)");
    options.defaultSuffix = QStringLiteral("ved");
    const QString path = FileDialog::getSaveFileName(this, options);
    if (path.isEmpty())
        return;
    QString error;
    if (!WriteReadingFile(path, zenthari::CurrentReading, &error)) {
        MessageBox::show(this,
                         QStringLiteral("The reading could not be saved to %1: %2")
                             .arg(QDir::toNativeSeparators(path), error),
                         MessageBox::Icon::Critical);
    }
}

void frmVedicAscendantSave::done(int result) {
    const bool firstTime = !unloaded_;
    unloaded_ = true;
    QDialog::done(result);
    // However the report closes (close control, Escape, the main window's buttons), it goes away
    // for good, so the next opening starts afresh.
    deleteLater();
    if (firstTime)
        Form_Unload();
}

void frmVedicAscendantSave::Form_Unload() {
    BringForward(resultScreen_);
}

void OpenAscendantReport(QWidget* resultScreen) {
    // Every opening shows a fresh report of the current sign.
    if (frmVedicAscendantSave* old = frmVedicAscendantSave::existing())
        old->close();
    auto* report = new frmVedicAscendantSave(resultScreen);
    report->open();
    report->raise();
    report->activateWindow();
}

void PrintReport(QTextEdit* rtb, QPrinter& printer) {
    if (!rtb)
        return;
    QTextCursor cursor = rtb->textCursor();
    cursor.clearSelection();
    rtb->setTextCursor(cursor);
    printer.setDocName(QStringLiteral("ZT Vedic Ascendant"));
    // The document prints in full, never only a selection, as a single job.
    rtb->document()->print(&printer);
}
