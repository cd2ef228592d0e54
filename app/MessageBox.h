#pragma once

#include <QList>
#include <QString>

class QWidget;

// Every message the program shows goes through here, so that tests can read what was shown and
// answer it without a window.
namespace MessageBox {

enum class Icon { None, Information, Critical, Warning, Question };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

inline const QString ApplicationTitle = QStringLiteral("Zenthari");

// Shows a modal message box and returns the button pressed. The title is the application title
// unless another is given.
Answer show(QWidget* parent, const QString& text, Icon icon, Buttons buttons = Buttons::Ok,
            const QString& title = ApplicationTitle);

// What a message looked like, for tests.
struct Shown {
    QString text;
    Icon icon;
    Buttons buttons;
    QString title;
};

// Test hooks. Once answering is automatic, no box appears: show() records the message and
// returns the next queued answer, or Ok (Yes/No boxes: No) when none is queued.
void setAutomaticAnswers(bool automatic);
void setNextAnswer(Answer answer);
const QList<Shown>& shownMessages();
void clearShownMessages();

} // namespace MessageBox
