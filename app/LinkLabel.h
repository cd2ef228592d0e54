#pragma once

#include <QLabel>

// A label that reacts to clicks, for the web links on every screen. It shows the program's own
// pointer picture while the mouse is over it, and can be reached and pressed with the keyboard.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr);

    // The pointer that clickable controls show; shared with other clickable widgets.
    static QCursor LinkCursor();

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
