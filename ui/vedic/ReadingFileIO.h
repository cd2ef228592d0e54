#pragma once

#include "Records.h"

#include <QString>

// Saved reading files on disk. The line format itself lives with the reading record; this is
// only the reading and writing of the bytes.
namespace ReadingFileIO {

// The reading a file holds. A file that cannot be read (missing, removed, a folder, a named
// pipe or device, no permission) gives a reading of empty fields; at most MaxReadingFileBytes are
// read, whatever the file's size.
zenthari::ReadingRecord ReadReadingFile(const QString& path);

} // namespace ReadingFileIO

// Writes a reading to a file. The file is replaced only once the new one is complete, so a
// failed write leaves an existing file as it was. On failure returns false and says why in
// *error (when given).
bool WriteReadingFile(const QString& path, const zenthari::ReadingRecord& reading, QString* error);
