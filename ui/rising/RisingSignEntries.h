#pragma once

#include "MessageBox.h"

#include <QChar>
#include <QString>

#include <optional>

// The rules of the rising sign input screen as plain functions, so they can be checked without
// a window. The screen only shows what these decide.
namespace RisingSignEntries {

inline const QString OnlyAlphabetMessage = QStringLiteral("Please Enter Only Alphabet !");
inline const QString EnterNameMessage = QStringLiteral("Please Enter Your Name !");
// The two date messages really differ by the blank before the exclamation mark.
inline const QString FebruaryDayMessage = QStringLiteral("Please Enter Correct Date Or Month!");
inline const QString ShortMonthDayMessage = QStringLiteral("Please Enter Correct Date Or Month !");

// What becomes of one character typed into the name: it is inserted as the returned character
// (letters in capitals; backspace, Enter and space unchanged), or refused when nothing is
// returned.
std::optional<QChar> NameKeyPress(QChar typed);

// A pasted or dropped text for the name: in capitals when it holds only letters and spaces,
// nothing when it holds anything else.
std::optional<QString> NameFromPastedText(const QString& text);

struct EntryProblem {
    QString text;
    MessageBox::Icon icon;
    bool focusName; // the keyboard focus goes back to the name
};

// The checks of a run in their order; the first one that fails is returned. month 1..12,
// day 1..31, year as chosen in the year list. A name of blanks counts as given.
std::optional<EntryProblem> CheckEntries(const QString& name, int month, int day, int year);

} // namespace RisingSignEntries
