#pragma once

#include "Answer.h"

#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <QStringView>

#include <optional>

namespace zenthari::cli {

// The four questions, with their arguments already read as whole numbers and text. Each checks
// its arguments (ranges, a day that some year has, an exact window label or Vedic name) and
// answers with the core's rules, or with an error message that says what is wrong.
Answer SunSignAnswer(long long month, long long day);
Answer RisingSignAnswer(long long month, long long day, const QString& window);
Answer LagnaAnswer(long long month, long long day, long long hour, long long minute);
Answer LagnaInfoAnswer(const QString& vedicName);

// A command-line value as a whole number: optional sign, then decimal digits only. Values too
// long to matter are clamped, so that the range check reports them.
std::optional<long long> ParseWholeNumber(QStringView text);

// A request object {"op": ..., arguments}: "op" is "sun-sign", "rising-sign", "lagna" or
// "lagna-info"; the arguments are "month", "day", "hour", "minute" (whole numbers), "window"
// and "vedic" (text). A missing, mistyped or unexpected field is an error.
Answer AnswerRequest(const QJsonObject& request);

// One line of a batch: a JSON request object, answered as above. Malformed JSON is an error.
Answer AnswerBatchLine(QByteArrayView line);

// True when the text, after leading blanks, opens a JSON object; lets the messages tell "not an
// object" from "broken JSON".
bool StartsLikeJsonObject(QByteArrayView text);

// The text shown in a message for a value the user gave, cut short when it is long.
QString QuoteForMessage(const QString& text);

} // namespace zenthari::cli
