#pragma once

#include "Records.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zenthari {

// A saved reading: 15 lines, line n the scrambled field n of the reading in Windows-1252, every
// line ended by CR LF, nothing else.

// The bytes of the file for a reading.
std::string EncodeReadingFile(const ReadingRecord& reading);

// No file the program writes comes near these bounds; a reader gives up beyond them.
inline constexpr std::size_t MaxReadingLineBytes = 64 * 1024;
inline constexpr std::size_t MaxReadingFileBytes = 16 * 1024 * 1024;

// The reading in a file's bytes. At most 15 lines are read; a line ends at a CR, and an LF right
// after it belongs to the line end. A line longer than MaxReadingLineBytes keeps its first
// MaxReadingLineBytes bytes. Missing lines give empty fields; bytes after the 15th line are not
// looked at. Each field is the unscrambled line, as UTF-8.
ReadingRecord DecodeReadingFile(std::string_view bytes);

// The open dialog accepts a path only when its last three characters are exactly "ved".
bool HasReadingFileEnding(std::string_view path);

} // namespace zenthari
