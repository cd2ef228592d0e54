#include "ReadingCommands.h"

#include "ReadingFile.h"
#include "Requests.h"
#include "Scramble.h"
#include "SingleByteText.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>

namespace zenthari::cli {

namespace {

QString fromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fieldList() {
    QStringList names;
    for (std::string_view name : ReadingFieldNames)
        names.append(fromCore(name));
    return names.join(QStringLiteral(", "));
}

} // namespace

Answer ReadingFileAnswer(QByteArrayView fileBytes) {
    const ReadingRecord reading = DecodeReadingFile(
        std::string_view(fileBytes.data(), static_cast<std::size_t>(fileBytes.size())));
    const auto values = ReadingFields(reading);
    Answer answer;
    for (std::size_t i = 0; i < ReadingFieldNames.size(); ++i)
        answer.fields.append(
            AnswerField{fromCore(ReadingFieldNames[i]), fromCore(*values[i]), false});
    return answer;
}

ReadingFromJson ParseReadingJson(QByteArrayView json) {
    ReadingFromJson result;
    if (!StartsLikeJsonObject(json)) {
        result.error = QStringLiteral("the reading must be a JSON object with the text fields %1")
                           .arg(fieldList());
        return result;
    }
    QJsonParseError parseError{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(json.data(), json.size()), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = QStringLiteral("the reading is not valid JSON: %1 at character %2")
                           .arg(parseError.errorString())
                           .arg(parseError.offset);
        return result;
    }
    if (!document.isObject()) {
        result.error = QStringLiteral("the reading must be a JSON object with the text fields %1")
                           .arg(fieldList());
        return result;
    }
    const QJsonObject object = document.object();

    QStringList unknown;
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool known = false;
        for (std::string_view name : ReadingFieldNames)
            known = known || it.key() == fromCore(name);
        if (!known)
            unknown.append(it.key());
    }
    if (!unknown.isEmpty()) {
        result.error = QStringLiteral("the reading has unknown fields: %1 (the fields are %2)")
                           .arg(unknown.join(QStringLiteral(", ")), fieldList());
        return result;
    }

    QStringList missing;
    QStringList notText;
    ReadingRecord reading;
    const auto targets = ReadingFields(reading);
    for (std::size_t i = 0; i < ReadingFieldNames.size(); ++i) {
        const QString name = fromCore(ReadingFieldNames[i]);
        const QJsonValue value = object.value(name);
        if (value.isUndefined())
            missing.append(name);
        else if (!value.isString())
            notText.append(name);
        else
            *targets[i] = value.toString().toStdString();
    }
    if (!missing.isEmpty()) {
        result.error = QStringLiteral("the reading lacks the fields: %1")
                           .arg(missing.join(QStringLiteral(", ")));
        return result;
    }
    if (!notText.isEmpty()) {
        result.error = QStringLiteral("these fields must be text (a JSON string): %1")
                           .arg(notText.join(QStringLiteral(", ")));
        return result;
    }

    // Say what the file cannot keep: characters outside its character set or pushed past 255 by
    // the scrambling are left out, as the program does; a line the reader would cut is refused.
    for (std::size_t i = 0; i < ReadingFieldNames.size(); ++i) {
        const std::string& field = *targets[i];
        const QString name = fromCore(ReadingFieldNames[i]);
        const std::string stored = ScrambleText(field);
        if (ToSingleByte(stored).size() > MaxReadingLineBytes) {
            result.error = QStringLiteral("the field %1 is too long for a reading file (at most %2 "
                                          "characters)")
                               .arg(name)
                               .arg(MaxReadingLineBytes);
            return result;
        }
        const QString kept = fromCore(UnscrambleText(stored));
        const QString given = fromCore(field);
        if (kept != given)
            result.warnings.append(
                QStringLiteral("%1: %2 character(s) cannot be stored in a reading file and were "
                               "left out")
                    .arg(name)
                    .arg(given.toUcs4().size() - kept.toUcs4().size()));
    }
    result.reading = std::move(reading);
    return result;
}

int RunReadingRead(const QString& path, QIODevice& out, QString& errors) {
    const QFileInfo info(path);
    if (!info.exists()) {
        errors = QStringLiteral("cannot read %1: no such file").arg(path);
        return 2;
    }
    if (info.isDir()) {
        errors = QStringLiteral("cannot read %1: it is a folder").arg(path);
        return 2;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return 2;
    }
    // Never more than the reader looks at, however large or endless the file.
    const QByteArray bytes = file.read(static_cast<qint64>(MaxReadingFileBytes));
    if (file.error() != QFileDevice::NoError) {
        errors = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return 2;
    }
    QByteArray line = ToJsonLine(ReadingFileAnswer(bytes));
    line.append('\n');
    if (out.write(line) != line.size()) {
        errors = QStringLiteral("could not write the reading: %1").arg(out.errorString());
        return 2;
    }
    return 0;
}

int RunReadingWrite(const QString& path, QByteArrayView json, QString& errors) {
    if (json.size() > MaxReadingJsonBytes) {
        errors = QStringLiteral("the reading on standard input is larger than %1 bytes; nothing "
                                "was written")
                     .arg(MaxReadingJsonBytes);
        return 2;
    }
    if (QByteArrayView(json).trimmed().isEmpty()) {
        errors = QStringLiteral("no reading on standard input (a JSON object with the fields %1); "
                                "nothing was written")
                     .arg(fieldList());
        return 2;
    }
    const ReadingFromJson parsed = ParseReadingJson(json);
    if (!parsed.reading) {
        errors = parsed.error + QStringLiteral("; nothing was written");
        return 2;
    }
    const std::string bytes = EncodeReadingFile(*parsed.reading);
    // The old file stays whole until the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        errors = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return 2;
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!file.commit()) {
        errors = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return 2;
    }
    QStringList warnings = parsed.warnings;
    if (!HasReadingFileEnding(path.toStdString()))
        warnings.append(QStringLiteral("the program opens only files whose names end in \"ved\"; "
                                       "%1 was written all the same")
                            .arg(path));
    if (!warnings.isEmpty())
        errors = QStringLiteral("warning: ") + warnings.join(QStringLiteral("\nwarning: "));
    return 0;
}

} // namespace zenthari::cli
