#pragma once

#include <QString>

class QWidget;

// The program's open and save dialogs. Tests choose the next path (or a cancel) instead of a
// dialog appearing.
namespace FileDialog {

struct Options {
    QString title;
    QString filter;        // as shown, e.g. "ZT Free Vedic Ascendant (*.ved)"
    QString defaultSuffix; // added when the user types a name without one
};

// The chosen path, or an empty string when the user cancelled. The open dialog accepts only an
// existing file; the save dialog asks before replacing a file.
QString getOpenFileName(QWidget* parent, const Options& options);
QString getSaveFileName(QWidget* parent, const Options& options);

// Test hooks: while a chosen path is queued, the next dialog returns it without appearing; an
// empty string stands for Cancel.
void setNextFileName(const QString& path);
bool hasQueuedFileName();
// The options of the last dialog asked for, for tests.
Options lastOptions();

} // namespace FileDialog
