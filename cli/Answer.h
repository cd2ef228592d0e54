#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace zenthari::cli {

// One named value of an answer. Long texts are printed as paragraphs in the readable form.
struct AnswerField {
    QString name;
    QJsonValue value; // a string or a whole number
    bool isLongText = false;
};

// The answer to one request: its fields in a fixed, meaningful order, or an error message.
struct Answer {
    QList<AnswerField> fields;
    QString error;

    bool ok() const { return error.isEmpty(); }
    static Answer failure(QString message);
};

// The answer as a JSON object; a failed answer is {"error": message}.
QJsonObject ToJsonObject(const Answer& answer);

// The answer as one line of compact JSON, keys in the answer's order, without a line end.
// Text is written as UTF-8; quotes, backslashes and control characters are escaped.
void AppendJsonLine(const Answer& answer, QByteArray& out);
QByteArray ToJsonLine(const Answer& answer);

// "RulingPlanet" -> "Ruling planet", "LagnaMinuteCount" -> "Lagna minute count".
QString ReadableLabel(const QString& fieldName);

// "Label: value" lines for the short values, then each long text under its label as a paragraph.
QString ToReadableText(const Answer& answer);

} // namespace zenthari::cli
