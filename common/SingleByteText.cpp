#include "SingleByteText.h"

#include <array>
#include <cstdint>

namespace zenthari {

namespace {

// Unicode code points of the bytes 0x80..0x9F; the rest of the set is Latin-1.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteOfCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == cp)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

char32_t codePointOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControlRange[byte - 0x80u];
    return byte;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string ToSingleByte(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80           ? 1
                     : (lead >> 5) == 0x6  ? 2
                     : (lead >> 4) == 0xE  ? 3
                     : (lead >> 3) == 0x1E ? 4
                                           : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
            ++i; // a stray byte: skip it and resynchronise on the next one
            continue;
        }
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        bool wellFormed = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                wellFormed = false;
                break;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        // An overlong form (such as C0 AF for "/"), a surrogate or a code past U+10FFFF is
        // malformed as well: it must not smuggle in a character its bytes do not spell.
        constexpr char32_t SmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
        if (wellFormed &&
            (cp < SmallestOfLength[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            wellFormed = false;
        if (!wellFormed) {
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(length);
        const int byte = byteOfCodePoint(cp);
        if (byte >= 0)
            out += static_cast<char>(byte);
    }
    return out;
}

std::string FromSingleByte(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        appendUtf8(out, codePointOfByte(static_cast<unsigned char>(c)));
    return out;
}

} // namespace zenthari
