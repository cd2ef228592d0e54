#include "FileDialog.h"

#include <QFileDialog>
#include <QList>

namespace FileDialog {

namespace {
QList<QString> queued;
Options last;

QString run(QWidget* parent, const Options& options, QFileDialog::AcceptMode mode) {
    last = options;
    if (!queued.isEmpty())
        return queued.takeFirst();
    QFileDialog dialog(parent, options.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(options.filter);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString getOpenFileName(QWidget* parent, const Options& options) {
    return run(parent, options, QFileDialog::AcceptOpen);
}

QString getSaveFileName(QWidget* parent, const Options& options) {
    return run(parent, options, QFileDialog::AcceptSave);
}

void setNextFileName(const QString& path) {
    queued.append(path);
}

bool hasQueuedFileName() {
    return !queued.isEmpty();
}

Options lastOptions() {
    return last;
}

} // namespace FileDialog
