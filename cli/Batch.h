#pragma once

#include <QIODevice>
#include <QString>

namespace zenthari::cli {

// The longest request line a batch accepts; a longer one is answered with an error and skipped
// without being held in memory.
inline constexpr qsizetype MaxBatchLineBytes = 64 * 1024;

struct BatchResult {
    int exitStatus = 0;  // 0 every line answered, 1 some line failed, 2 input or output failed
    qint64 answered = 0; // answers written, errors included
    qint64 failed = 0;   // lines answered with an error
    QString streamError; // set when reading the input or writing the output failed
};

// Answers JSON Lines from `in` on `out`, one compact JSON object per request line, in order.
// Blank lines (nothing but blanks, tabs or a CR) are skipped without an answer. A line that is
// not a valid request is answered with {"error": "line N: ..."} and the batch goes on. A CR before
// the line end is ignored, as is a UTF-8 byte-order mark at the very start. Output is buffered and
// flushed at the end.
BatchResult RunBatch(QIODevice& in, QIODevice& out);

} // namespace zenthari::cli
