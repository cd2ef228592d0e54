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
    // Alt and Meta with a letter are menu and button keys. The line edit would insert the
    // letter unchecked, so they go on to the screen instead.
    if ((event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) &&
        !(event->modifiers() & Qt::ControlModifier) && !text.isEmpty() && text.at(0).isPrint()) {
        event->ignore();
        return;
    }
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
    // The toolkit's own menu pastes unchecked, so the box offers a menu of its own whose Paste
    // goes through the rule.
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("nameContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto add = [menu](const QString& text, const char* name, QKeySequence::StandardKey key,
                      bool enabled, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutVisibleInContextMenu(true);
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, menu, slot);
        return action;
    };
    const bool editable = !isReadOnly();
    add(tr("&Undo"), "edit-undo", QKeySequence::Undo, editable && isUndoAvailable(),
        [this] { undo(); });
    add(tr("&Redo"), "edit-redo", QKeySequence::Redo, editable && isRedoAvailable(),
        [this] { redo(); });
    menu->addSeparator();
    add(tr("Cu&t"), "edit-cut", QKeySequence::Cut, editable && hasSelectedText(),
        [this] { cut(); });
    add(tr("&Copy"), "edit-copy", QKeySequence::Copy, hasSelectedText(), [this] { copy(); });
    add(tr("&Paste"), "edit-paste", QKeySequence::Paste,
        editable && !QGuiApplication::clipboard()->text().isEmpty(), [this] { pasteFiltered(); });
    add(tr("Delete"), "edit-delete", QKeySequence::Delete, editable && hasSelectedText(),
        [this] { del(); });
    menu->addSeparator();
    add(tr("Select All"), "select-all", QKeySequence::SelectAll, !text().isEmpty(),
        [this] { selectAll(); });
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
