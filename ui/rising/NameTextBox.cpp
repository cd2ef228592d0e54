#include "NameTextBox.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

NameTextBox::NameTextBox(QWidget* parent) : QLineEdit(parent) {
    // A dropped text would slip past the rule; typing and pasting are the ways in.
    setAcceptDrops(false);
}

void NameTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly())
            pasteFiltered();
        event->accept();
        return;
    }
    const QString text = event->text();
    const Qt::KeyboardModifiers shortcutModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const bool typedCharacter =
        keyPressHook && text.size() == 1 && !(event->modifiers() & shortcutModifiers) &&
        (text.at(0).isPrint() || text.at(0) == QChar(8) || text.at(0) == QChar(13));
    if (!typedCharacter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::optional<QChar> accepted = keyPressHook(text.at(0));
    if (!accepted) {
        event->accept();
        return;
    }
    if (*accepted == text.at(0)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                      QString(*accepted), event->isAutoRepeat(), event->count());
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

void NameTextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!pasteHook || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const std::optional<QString> accepted = pasteHook(event->commitString());
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(accepted.value_or(QString()), event->replacementStart(),
                            event->replacementLength());
    QLineEdit::inputMethodEvent(&changed);
}

void NameTextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The standard Paste item would insert the clipboard unchecked; route it through the rule.
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, this, nullptr);
            connect(action, &QAction::triggered, this, [this] { pasteFiltered(); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void NameTextBox::mouseReleaseEvent(QMouseEvent* event) {
    // On X11 the middle button pastes the selection; it must obey the rule as well.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly() && rect().contains(event->position().toPoint()))
            pasteFiltered(true);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NameTextBox::pasteFiltered(bool fromSelection) {
    const QString text = QGuiApplication::clipboard()->text(fromSelection ? QClipboard::Selection
                                                                          : QClipboard::Clipboard);
    if (text.isEmpty())
        return;
    insertFiltered(text);
}

void NameTextBox::insertFiltered(const QString& text) {
    if (!pasteHook) {
        insert(text);
        return;
    }
    if (const std::optional<QString> accepted = pasteHook(text))
        insert(*accepted);
}
