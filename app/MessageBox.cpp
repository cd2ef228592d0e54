#include "MessageBox.h"

#include <QMessageBox>

namespace MessageBox {

namespace {
bool automatic = false;
QList<Answer> queuedAnswers;
QList<Shown> shown;

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Answer show(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
            const QString& title) {
    shown.append({text, icon, buttons, title});
    if (automatic) {
        if (!queuedAnswers.isEmpty())
            return queuedAnswers.takeFirst();
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    QMessageBox box(
        qtIcon(icon), title, text,
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void setAutomaticAnswers(bool on) {
    automatic = on;
    queuedAnswers.clear();
}

void setNextAnswer(Answer answer) {
    queuedAnswers.append(answer);
}

const QList<Shown>& shownMessages() {
    return shown;
}

void clearShownMessages() {
    shown.clear();
}

} // namespace MessageBox
