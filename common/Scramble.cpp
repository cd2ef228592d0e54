#include "Scramble.h"

#include "SingleByteText.h"

namespace zenthari {

namespace {
std::string shifted(std::string_view bytes, int by) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const int code = static_cast<unsigned char>(c) + by;
        if (code >= 0 && code <= 255)
            out += static_cast<char>(code);
    }
    return out;
}
} // namespace

std::string ScrambleBytes(std::string_view bytes) {
    return shifted(bytes, ScrambleOffset);
}

std::string UnscrambleBytes(std::string_view bytes) {
    return shifted(bytes, -ScrambleOffset);
}

std::string ScrambleText(std::string_view text) {
    return FromSingleByte(ScrambleBytes(ToSingleByte(text)));
}

std::string UnscrambleText(std::string_view text) {
    return FromSingleByte(UnscrambleBytes(ToSingleByte(text)));
}

} // namespace zenthari
