#pragma once

#include "ReportContent.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTextEdit>
#include <QWidget>

// Helpers of the report view: web addresses in its text become links, and a left click on one
// opens it in the browser.
namespace modRTB {

// The longest link text that is read and opened; anything beyond it is never read.
inline constexpr int MaxLinkTextLength = 1024;

// Watches the report view: it recognises every web address appended to the view's text and makes
// it a link, and opens a link pressed with the left mouse button. It only looks at events and
// passes every one on unchanged.
class ReportLinkHandler : public QObject {
    Q_OBJECT
public:
    ReportLinkHandler(QTextEdit* view, QWidget* window);

    QTextEdit* view() const { return view_; }
    QWidget* window() const { return window_; }

    // The text of the link at a document position, at most MaxLinkTextLength characters; empty
    // when no link is there.
    QString LinkTextAt(int position) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markAddresses(int from, int charsAdded);

    QPointer<QTextEdit> view_;
    QPointer<QWidget> window_;
    bool marking_ = false;
};

// Sets up links for a report view before its text is built. The handler belongs to window and
// ends with it. Returns the handler.
ReportLinkHandler* EnableReportLinks(QTextEdit* view, QWidget* window);

// The web addresses in a text as (start, length) pairs; an address begins with "http://",
// "https://" or "www." and runs to the next blank or line end.
QList<QPair<int, int>> FindWebAddresses(const QString& text);

// Appends the runs at the end of the view's text, each in its colour and weight; CR LF inside a
// run ends a paragraph.
void AppendReportRuns(QTextEdit* view, const std::vector<ReportContent::ReportRun>& runs);

} // namespace modRTB
