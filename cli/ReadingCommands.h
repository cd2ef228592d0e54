#pragma once

#include "Answer.h"

#include "Records.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace zenthari::cli {

// The 15 fields of a saved reading file's bytes, named as the reading's fields.
Answer ReadingFileAnswer(QByteArrayView fileBytes);

// The largest JSON reading `reading write` takes; far above any reading the program can save.
inline constexpr qsizetype MaxReadingJsonBytes = 8 * 1024 * 1024;

struct ReadingFromJson {
    std::optional<ReadingRecord> reading; // set when the object can be written
    QString error;                        // why it cannot, otherwise
    QStringList warnings; // fields that lose characters the file cannot hold, with the count
};

// A reading from a JSON object whose members are exactly the 15 field names with text values.
// Anything else (not an object, a missing, unknown or non-text field, a field too long for a
// line of the file) is refused with a message.
ReadingFromJson ParseReadingJson(QByteArrayView json);

// The `reading read FILE` and `reading write FILE` commands. Messages go to `errors`; the
// result is the exit status (0 done, 2 refused or failed).
int RunReadingRead(const QString& path, QIODevice& out, QString& errors);
int RunReadingWrite(const QString& path, QByteArrayView json, QString& errors);

} // namespace zenthari::cli
