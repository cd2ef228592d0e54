// Arbitrary bytes as program text and as single-byte text: scrambling never produces a line
// break, and unscrambling a scrambled text gives the text back less the characters the
// single-byte set or the shift cannot carry.
#include "FuzzCheck.h"

#include "Scramble.h"
#include "SingleByteText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace zenthari;

namespace {

// The well-formed characters of a text, one string each. A byte that does not start a
// well-formed character is skipped and the search goes on with the next byte.
std::vector<std::string_view> charactersOf(std::string_view text) {
    std::vector<std::string_view> characters;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = 1;
        while (length <= 4 && i + length <= text.size() &&
               !fuzzcheck::IsStrictUtf8(text.substr(i, length)))
            ++length;
        if (length <= 4 && i + length <= text.size()) {
            characters.push_back(text.substr(i, length));
            i += length;
        } else {
            ++i;
        }
    }
    return characters;
}

void checkBytes(std::string_view bytes) {
    const std::string scrambled = ScrambleBytes(bytes);
    FUZZ_CHECK(scrambled.find('\r') == std::string::npos);
    FUZZ_CHECK(scrambled.find('\n') == std::string::npos);

    // Each byte survives the round trip exactly when the raised code still fits in a byte.
    std::string kept;
    std::string keptDown;
    for (char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code + ScrambleOffset <= 255)
            kept += c;
        if (code >= ScrambleOffset)
            keptDown += c;
    }
    FUZZ_CHECK(scrambled.size() == kept.size());
    FUZZ_CHECK(UnscrambleBytes(scrambled) == kept);
    FUZZ_CHECK(ScrambleBytes(UnscrambleBytes(bytes)) == keptDown);
}

void checkText(std::string_view text) {
    const std::string scrambled = ScrambleText(text);
    const std::string back = UnscrambleText(scrambled);
    FUZZ_CHECK(fuzzcheck::IsStrictUtf8(scrambled));
    FUZZ_CHECK(fuzzcheck::IsStrictUtf8(back));
    FUZZ_CHECK(UnscrambleText(ScrambleText(back)) == back);

    // The well-formed characters come back in order, less those the single-byte set cannot hold
    // and those whose raised code passes 255; malformed sequences (overlong forms, surrogates,
    // stray or truncated bytes) are left out.
    std::string expected;
    for (std::string_view character : charactersOf(text)) {
        const std::string single = ToSingleByte(character);
        FUZZ_CHECK(single.size() <= 1);
        if (single.size() == 1 && static_cast<unsigned char>(single[0]) + ScrambleOffset <= 255) {
            FUZZ_CHECK(FromSingleByte(single) == character);
            expected += character;
        }
    }
    FUZZ_CHECK(back == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkBytes(input);
    checkText(input);
    return 0;
}
