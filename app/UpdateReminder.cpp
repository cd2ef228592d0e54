#include "UpdateReminder.h"

#include "MessageBox.h"
#include "SettingsStore.h"
#include "modHelp.h"

#include <QRegularExpression>

#include <cstdlib>

namespace Reminder {

namespace {

// The short format with every two-digit year field ("yy") widened to four digits ("yyyy").
// Qt reads a two-digit year as 19xx, so a day written as "12/10/26" would come back 100 years
// early and the question would come on every start.
QString fullYearFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}

// The year ending in the two digits of `year` that lies nearest to `todayYear`.
int nearestYear(int year, int todayYear) {
    const int lastTwo = ((year % 100) + 100) % 100;
    int best = todayYear - ((todayYear % 100 + 100) % 100) + lastTwo;
    for (int candidate : {best - 100, best + 100}) {
        if (std::abs(candidate - todayYear) < std::abs(best - todayYear))
            best = candidate;
    }
    return best;
}

} // namespace

QString DateText(const QDate& date, const QLocale& locale) {
    return locale.toString(date, fullYearFormat(locale));
}

QDate ParseDateText(const QString& text, const QDate& today, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QDate full = locale.toDate(trimmed, fullYearFormat(locale));
    if (full.isValid())
        return full;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    const QDate plain = locale.toDate(trimmed, shortFormat);
    if (!plain.isValid())
        return {};
    if (!shortFormat.contains(QStringLiteral("yy")) || shortFormat.contains(QStringLiteral("yyyy")))
        return plain;
    const QDate moved(nearestYear(plain.year(), today.year()), plain.month(), plain.day());
    // 29 February of a year that is no leap year: the day before is as near as it gets.
    return moved.isValid() ? moved : QDate(moved.year(), plain.month(), plain.day() - 1);
}

} // namespace Reminder

void UpdateReminder(SettingsStore& store, const QDate& today) {
    using namespace Reminder;
    const std::optional<QString> stored = store.read(DurationKey);
    if (!stored)
        return;
    if (stored->isEmpty()) {
        store.write(DurationKey, DateText(today));
        return;
    }
    const QDate last = ParseDateText(*stored, today);
    if (!last.isValid())
        return;
    const qint64 days = today.daysTo(last);
    if (days > -DaysBetweenQuestions && days < DaysBetweenQuestions)
        return;
    const MessageBox::Answer answer = MessageBox::show(
        nullptr, Question, MessageBox::Icon::Information, MessageBox::Buttons::YesNo);
    store.write(DurationKey, DateText(today));
    // The page is opened even when the day could not be stored: the user asked for it.
    if (answer == MessageBox::Answer::Yes)
        modHelp::OpenWebPage(QStringLiteral("download-web-page"));
}

void UpdateReminder(const QDate& today) {
    SettingsStore store;
    UpdateReminder(store, today);
}
