#include "modRTB.h"

#include "modHelp.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

namespace modRTB {

QList<QPair<int, int>> FindWebAddresses(const QString& text) {
    static const QRegularExpression address(QStringLiteral("(?:https?://|www\\.)[^\\s]+"),
                                            QRegularExpression::CaseInsensitiveOption);
    // Punctuation that ends a sentence is not part of the address before it.
    static const QString trailing = QStringLiteral(".,;:!?)]}'\"");
    QList<QPair<int, int>> found;
    auto it = address.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        int length = int(match.capturedLength());
        while (length > 0 && trailing.contains(text.at(match.capturedStart() + length - 1)))
            --length;
        if (length > 0)
            found.append({int(match.capturedStart()), length});
    }
    return found;
}

ReportLinkHandler::ReportLinkHandler(QTextEdit* view, QWidget* window)
    : QObject(window ? static_cast<QObject*>(window) : view), view_(view), window_(window) {
    view->viewport()->installEventFilter(this);
    connect(view->document(), &QTextDocument::contentsChange, this,
            [this](int from, int, int charsAdded) { markAddresses(from, charsAdded); });
}

void ReportLinkHandler::markAddresses(int from, int charsAdded) {
    if (marking_ || !view_)
        return;
    // Marking changes formats, which reports a change again; those reports are our own.
    marking_ = true;
    QTextDocument* document = view_->document();
    QTextBlock block = document->findBlock(from);
    const QTextBlock last = document->findBlock(from + charsAdded);
    while (block.isValid()) {
        for (const auto& [start, length] : FindWebAddresses(block.text())) {
            QTextCursor cursor(document);
            cursor.setPosition(block.position() + start);
            cursor.setPosition(block.position() + start + length, QTextCursor::KeepAnchor);
            QTextCharFormat link;
            link.setAnchor(true);
            link.setAnchorHref(cursor.selectedText());
            link.setFontUnderline(true);
            cursor.mergeCharFormat(link);
        }
        if (block == last)
            break;
        block = block.next();
    }
    marking_ = false;
}

QString ReportLinkHandler::LinkTextAt(int position) const {
    if (!view_ || position < 0)
        return {};
    QTextDocument* document = view_->document();
    const QTextBlock block = document->findBlock(position);
    if (!block.isValid())
        return {};

    // The link is the run of anchor fragments with one address around the position; only its
    // boundaries are looked at here, never its characters.
    struct Piece {
        int position;
        int end;
        QString href;
    };
    QList<Piece> pieces;
    int hit = -1;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        const int fragmentEnd = fragment.position() + fragment.length();
        if (position >= fragment.position() && position < fragmentEnd)
            hit = int(pieces.size());
        pieces.append({fragment.position(), fragmentEnd,
                       format.isAnchor() ? format.anchorHref() : QString()});
    }
    if (hit < 0 || pieces[hit].href.isEmpty())
        return {};
    const QString& href = pieces[hit].href;
    int first = hit;
    while (first > 0 && pieces[first - 1].href == href &&
           pieces[first - 1].end == pieces[first].position)
        --first;
    int last = hit;
    while (last + 1 < pieces.size() && pieces[last + 1].href == href &&
           pieces[last + 1].position == pieces[last].end)
        ++last;
    const int start = pieces[first].position;
    const int end = pieces[last].end;

    QTextCursor cursor(document);
    cursor.setPosition(start);
    cursor.setPosition(qMin(end, start + MaxLinkTextLength), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

bool ReportLinkHandler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && view_ && watched == view_->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint point = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton && !view_->anchorAt(point).isEmpty()) {
            const QPointF contents(point.x() + view_->horizontalScrollBar()->value(),
                                   point.y() + view_->verticalScrollBar()->value());
            const int position =
                view_->document()->documentLayout()->hitTest(contents, Qt::ExactHit);
            const QString text = LinkTextAt(position);
            if (!text.isEmpty())
                modHelp::OpenAddress(QUrl::fromUserInput(text));
        }
    }
    // The view still gets every event as it came.
    return false;
}

ReportLinkHandler* EnableReportLinks(QTextEdit* view, QWidget* window) {
    if (!view)
        return nullptr;
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                  Qt::LinksAccessibleByMouse);
    return new ReportLinkHandler(view, window);
}

void AppendReportRuns(QTextEdit* view, const std::vector<ReportContent::ReportRun>& runs) {
    if (!view)
        return;
    QTextCursor cursor(view->document());
    for (const ReportContent::ReportRun& run : runs) {
        cursor.movePosition(QTextCursor::End);
        QTextCharFormat format;
        format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        const QStringList lines = QString::fromStdString(run.text).split(QLatin1String(
            ReportContent::LineBreak.data(), qsizetype(ReportContent::LineBreak.size())));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(QTextBlockFormat(), format);
            if (!lines[i].isEmpty())
                cursor.insertText(lines[i], format);
        }
    }
}

} // namespace modRTB
