#include "ReadingFile.h"

#include "Scramble.h"
#include "SingleByteText.h"

#include <algorithm>

namespace zenthari {

std::string EncodeReadingFile(const ReadingRecord& reading) {
    std::string bytes;
    for (const std::string* field : ReadingFields(reading)) {
        bytes += ScrambleBytes(ToSingleByte(*field));
        bytes += "\r\n";
    }
    return bytes;
}

ReadingRecord DecodeReadingFile(std::string_view bytes) {
    if (bytes.size() > MaxReadingFileBytes)
        bytes = bytes.substr(0, MaxReadingFileBytes);
    ReadingRecord reading;
    std::size_t pos = 0;
    for (std::string* field : ReadingFields(reading)) {
        if (pos >= bytes.size())
            break;
        std::size_t end = bytes.find('\r', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(pos, std::min(end - pos, MaxReadingLineBytes));
        *field = FromSingleByte(UnscrambleBytes(line));
        pos = end + 1;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return reading;
}

bool HasReadingFileEnding(std::string_view path) {
    return path.size() >= 3 && path.substr(path.size() - 3) == "ved";
}

} // namespace zenthari
