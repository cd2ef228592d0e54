#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>

// A single-line text box with a hook on every typed character, like a key-press handler that
// may change the character or throw it away. Pasted and input-method text goes through a hook
// of its own, so nothing reaches the box around the rule. Navigation and editing keys (arrows,
// Home, End, Delete, Tab, Ctrl shortcuts) are not typed characters and work as usual.
class NameTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NameTextBox(QWidget* parent = nullptr);

    // Returns the character to insert, or nothing to discard it.
    std::function<std::optional<QChar>(QChar)> keyPressHook;
    // Returns the text to insert, or nothing to discard it.
    std::function<std::optional<QString>(const QString&)> pasteHook;

    // Pastes from the clipboard (or the selection) through the paste hook.
    void pasteFiltered(bool fromSelection = false);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void insertFiltered(const QString& text);
};
