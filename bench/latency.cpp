// In-process latencies of the screens as a user meets them, each the median of BENCH_RUNS
// repetitions after one warm-up: from the press of a button to the first paint of the screen it
// brings up, and the printing of the report to a PDF file. Runs headless (offscreen) with
// isolated settings and answered message boxes. Prints one "name value" line per figure.
#include "BirthDate.h"
#include "Lagna.h"
#include "MessageBox.h"
#include "frmMDI.h"
#include "vedic/frmVedicAscendantSave.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

// The visible widget of that objectName, or null.
QWidget* visibleScreen(const QString& objectName) {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

template <typename T = QWidget> T* control(const QString& screen, const QString& name) {
    QWidget* parent = visibleScreen(screen);
    T* found = parent ? parent->findChild<T*>(name) : nullptr;
    if (!found) {
        std::fprintf(stderr, "latency: no %s on a visible %s\n", qPrintable(name),
                     qPrintable(screen));
        std::exit(1);
    }
    return found;
}

// Notes the first paint of any widget inside the screen of a given objectName.
class FirstPaint : public QObject {
public:
    void arm(const QString& screen) {
        screen_ = screen;
        paintedAfterNs_.reset();
        clock_.start();
    }
    std::optional<qint64> paintedAfterNs() const { return paintedAfterNs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !paintedAfterNs_ && !screen_.isEmpty()) {
            for (QObject* o = watched; o; o = o->parent()) {
                if (o->objectName() == screen_) {
                    paintedAfterNs_ = clock_.nsecsElapsed();
                    break;
                }
            }
        }
        return false;
    }

private:
    QString screen_;
    QElapsedTimer clock_;
    std::optional<qint64> paintedAfterNs_;
};

FirstPaint* firstPaint = nullptr;

// Presses, then waits (in whatever event loop runs, a modal one included) for the first paint
// of `screen`; `whenShown` runs at that moment. Returns the milliseconds from press to paint.
double pressUntilShown(const QString& screen, const std::function<void()>& press,
                       const std::function<void()>& whenShown = {}) {
    bool done = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done || !firstPaint->paintedAfterNs())
            return;
        done = true;
        poll.stop();
        if (whenShown)
            whenShown();
    });
    firstPaint->arm(screen);
    poll.start();
    press();
    QElapsedTimer limit;
    limit.start();
    while (!done && limit.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!done) {
        std::fprintf(stderr, "latency: %s was not shown within 10 s\n", qPrintable(screen));
        std::exit(1);
    }
    return static_cast<double>(*firstPaint->paintedAfterNs()) / 1e6;
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    MessageBox::setAutomaticAnswers(true);
    const int runs = std::max(1, qEnvironmentVariableIntValue("BENCH_RUNS"));
    QTemporaryDir output;

    FirstPaint watcher;
    firstPaint = &watcher;
    app.installEventFilter(&watcher);

    auto* mdi = new frmMDI;
    mdi->showMaximized();
    settle();

    std::vector<double> rising, vedic, report, print;
    mdi->OpenCalculator(0);
    settle();
    QTest::keyClicks(control<QLineEdit>("frmRisingSignMain", "txtName"), "ANITA");
    for (int run = -1; run < runs; ++run) {
        const double ms = pressUntilShown("frmRisingSignDisplay", [] {
            click(control<QAbstractButton>("frmRisingSignMain", "cmdProceed"));
        });
        if (run >= 0)
            rising.push_back(ms);
        settle();
        click(control<QAbstractButton>("frmRisingSignDisplay", "cmdBack"));
        settle();
    }

    mdi->OpenCalculator(1);
    settle();
    const std::pair<const char*, const char*> entries[] = {
        {"txtName", "ANITA"}, {"txtLonD", "77"}, {"txtLonM", "12"}, {"txtLonS", "30"},
        {"txtLatD", "28"},    {"txtLatM", "36"}, {"txtLatS", "50"}};
    for (const auto& [name, text] : entries)
        control<QLineEdit>("frmVedicAscendantMain", name)->setText(QString::fromLatin1(text));
    for (int run = -1; run < runs; ++run) {
        const double ms = pressUntilShown("frmVedicAscendantResult", [] {
            click(control<QAbstractButton>("frmVedicAscendantMain", "cmdCalculate"));
        });
        settle();
        double printMs = 0;
        const double reportMs = pressUntilShown(
            "frmVedicAscendantSave",
            [] { click(control<QAbstractButton>("frmVedicAscendantResult", "cmdSave")); },
            [&] {
                // Printing as the Print button does, to a PDF file instead of the printer.
                QTextEdit* rtb = control<QTextEdit>("frmVedicAscendantSave", "RTB");
                QElapsedTimer clock;
                clock.start();
                QPrinter printer;
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(output.filePath(QStringLiteral("report.pdf")));
                PrintReport(rtb, printer);
                printMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                visibleScreen(QStringLiteral("frmVedicAscendantSave"))->close();
            });
        if (run >= 0) {
            vedic.push_back(ms);
            report.push_back(reportMs);
            print.push_back(printMs);
        }
        settle();
        click(control<QAbstractButton>("frmVedicAscendantResult", "cmdBack"));
        settle();
    }

    // The core alone over the whole lagna domain (every day some year has, every minute of the
    // day), as the baseline of the command-line batch.
    QElapsedTimer clock;
    clock.start();
    long long requests = 0;
    int checksum = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            if (!zenthari::DayExistsInSomeYear(month, day))
                continue;
            for (int minute = 0; minute < 24 * 60; ++minute, ++requests)
                checksum += zenthari::ComputeLagnaSign(month, day, minute / 60, minute % 60);
        }
    }
    const double corePerSecond = static_cast<double>(requests) * 1e9 /
                                 static_cast<double>(std::max<qint64>(1, clock.nsecsElapsed()));

    std::printf("rising_ms %.2f\nvedic_ms %.2f\nreport_ms %.2f\nprint_ms %.2f\n", median(rising),
                median(vedic), median(report), median(print));
    std::printf("core_lagna_per_s %.0f (checksum %d)\n", corePerSecond, checksum);
    delete mdi;
    return 0;
}
