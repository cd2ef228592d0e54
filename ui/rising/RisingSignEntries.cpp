#include "RisingSignEntries.h"

#include "BirthDate.h"

namespace RisingSignEntries {

namespace {
bool isAsciiLetter(QChar c) {
    const char16_t code = c.unicode();
    return (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z');
}

QChar asciiUpper(QChar c) {
    const char16_t code = c.unicode();
    return (code >= u'a' && code <= u'z') ? QChar(char16_t(code - 32)) : c;
}
} // namespace

std::optional<QChar> NameKeyPress(QChar typed) {
    if (isAsciiLetter(typed))
        return asciiUpper(typed);
    const char16_t code = typed.unicode();
    if (code == 8 || code == 13 || code == 32)
        return typed;
    return std::nullopt;
}

std::optional<QString> NameFromPastedText(const QString& text) {
    QString upper;
    upper.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char(' '))
            upper.append(c);
        else if (isAsciiLetter(c))
            upper.append(asciiUpper(c));
        else
            return std::nullopt;
    }
    return upper;
}

std::optional<EntryProblem> CheckEntries(const QString& name, int month, int day, int year) {
    if (name.isEmpty())
        return EntryProblem{EnterNameMessage, MessageBox::Icon::None, true};
    switch (zenthari::CheckBirthDate(month, day, year)) {
    case zenthari::BirthDateCheck::ImpossibleFebruaryDay:
        return EntryProblem{FebruaryDayMessage, MessageBox::Icon::Information, false};
    case zenthari::BirthDateCheck::ThirtyFirstOfShortMonth:
        return EntryProblem{ShortMonthDayMessage, MessageBox::Icon::Information, false};
    case zenthari::BirthDateCheck::Accepted:
        break;
    }
    return std::nullopt;
}

} // namespace RisingSignEntries
