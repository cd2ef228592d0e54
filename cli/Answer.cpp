#include "Answer.h"

namespace zenthari::cli {

Answer Answer::failure(QString message) {
    Answer answer;
    answer.error = std::move(message);
    return answer;
}

QJsonObject ToJsonObject(const Answer& answer) {
    QJsonObject object;
    if (!answer.ok()) {
        object.insert(QStringLiteral("error"), answer.error);
        return object;
    }
    for (const AnswerField& field : answer.fields)
        object.insert(field.name, field.value);
    return object;
}

namespace {

void appendJsonString(const QString& text, QByteArray& out) {
    static constexpr char hex[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    out.append('"');
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (byte < 0x20) {
                out.append("\\u00");
                out.append(hex[byte >> 4]);
                out.append(hex[byte & 0xF]);
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
}

void appendJsonValue(const QJsonValue& value, QByteArray& out) {
    if (value.isString())
        appendJsonString(value.toString(), out);
    else if (value.isDouble())
        out.append(QByteArray::number(value.toInteger()));
    else if (value.isBool())
        out.append(value.toBool() ? "true" : "false");
    else
        out.append("null");
}

} // namespace

void AppendJsonLine(const Answer& answer, QByteArray& out) {
    out.append('{');
    if (!answer.ok()) {
        appendJsonString(QStringLiteral("error"), out);
        out.append(':');
        appendJsonString(answer.error, out);
    } else {
        bool first = true;
        for (const AnswerField& field : answer.fields) {
            if (!first)
                out.append(',');
            first = false;
            appendJsonString(field.name, out);
            out.append(':');
            appendJsonValue(field.value, out);
        }
    }
    out.append('}');
}

QByteArray ToJsonLine(const Answer& answer) {
    QByteArray out;
    AppendJsonLine(answer, out);
    return out;
}

QString ReadableLabel(const QString& fieldName) {
    QString label;
    for (qsizetype i = 0; i < fieldName.size(); ++i) {
        const QChar c = fieldName.at(i);
        if (i > 0 && c.isUpper()) {
            label.append(QLatin1Char(' '));
            label.append(c.toLower());
        } else {
            label.append(c);
        }
    }
    return label;
}

QString ToReadableText(const Answer& answer) {
    QString text;
    for (const AnswerField& field : answer.fields) {
        if (field.isLongText)
            continue;
        const QString value = field.value.isString() ? field.value.toString()
                                                     : QString::number(field.value.toInteger());
        text += ReadableLabel(field.name) + QStringLiteral(": ") + value + QLatin1Char('\n');
    }
    for (const AnswerField& field : answer.fields) {
        if (!field.isLongText)
            continue;
        text += QLatin1Char('\n') + ReadableLabel(field.name) + QStringLiteral(":\n") +
                field.value.toString() + QLatin1Char('\n');
    }
    return text;
}

} // namespace zenthari::cli
