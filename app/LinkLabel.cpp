#include "LinkLabel.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(LinkCursor());
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setWordWrap(true);
}

QCursor LinkLabel::LinkCursor() {
    static const QCursor cursor = [] {
        const QPixmap picture(QStringLiteral(":/pictures/pointer.png"));
        if (picture.isNull())
            return QCursor(Qt::PointingHandCursor);
        int x = 0;
        int y = 0;
        QFile hotSpot(QStringLiteral(":/pictures/pointer-hotspot.txt"));
        if (hotSpot.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> parts = hotSpot.readAll().simplified().split(' ');
            if (parts.size() == 2) {
                x = parts[0].toInt();
                y = parts[1].toInt();
            }
        }
        return QCursor(picture, x, y);
    }();
    return cursor;
}

// A label's mouse events stop here: the band or panel behind it must not react to them as well
// (a click would open a page twice, a move would undo the label's own highlight).
void LinkLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    event->accept();
    emit mouseMoved();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

// A label reached with the keyboard shows a dotted frame, so keyboard users see what Enter
// will open.
void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
