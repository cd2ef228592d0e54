#include "MenuMnemonics.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>

MenuMnemonics::MenuMnemonics(QWidget* screen, QMenuBar* bar)
    : QObject(screen), screen_(screen), bar_(bar) {
    // Watched application-wide: the key reaches the focused box first, and a text box would
    // take Alt+letter as a typed letter before the screen ever saw it.
    qApp->installEventFilter(this);
}

QAction* MenuMnemonics::menuForKey(int key) const {
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key)));
    for (QAction* action : bar_->actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator() &&
            QKeySequence::mnemonic(action->text()) == pressed)
            return action;
    }
    return nullptr;
}

bool MenuMnemonics::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || !(target == screen_ || screen_->isAncestorOf(target)))
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::AltModifier)
        return QObject::eventFilter(watched, event);
    QAction* menu = menuForKey(key->key());
    if (!menu)
        return QObject::eventFilter(watched, event);
    // Claiming the override keeps the main window's menu bar from taking the key; the key press
    // that follows then opens this screen's menu.
    if (event->type() == QEvent::KeyPress)
        bar_->setActiveAction(menu);
    key->accept();
    return true;
}
