// Arbitrary bytes as a saved reading file: the reader must stay within its bounds, and what it
// reads must survive being written and read again unchanged.
#include "FuzzCheck.h"

#include "ReadingFile.h"
#include "SingleByteText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace zenthari;

namespace {

void checkDecoded(std::string_view bytes) {
    const ReadingRecord reading = DecodeReadingFile(bytes);
    const auto fields = ReadingFields(reading);

    // Field n can only be filled when the file has at least n line ends before it.
    const auto lineEnds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
    for (std::size_t n = 0; n < fields.size(); ++n) {
        const std::string& field = *fields[n];
        FUZZ_CHECK(field.empty() || n <= lineEnds);
        FUZZ_CHECK(fuzzcheck::IsStrictUtf8(field));
        const std::string single = ToSingleByte(field);
        FUZZ_CHECK(single.size() <= MaxReadingLineBytes);
        FUZZ_CHECK(FromSingleByte(single) == field);
    }

    // Written again: exactly 15 lines, each ended by CR LF, and no other CR or LF anywhere.
    const std::string encoded = EncodeReadingFile(reading);
    FUZZ_CHECK(std::count(encoded.begin(), encoded.end(), '\r') == ReadingFieldCount);
    FUZZ_CHECK(std::count(encoded.begin(), encoded.end(), '\n') == ReadingFieldCount);
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\r')
            FUZZ_CHECK(i + 1 < encoded.size() && encoded[i + 1] == '\n');
    }
    FUZZ_CHECK(encoded.size() >= 2 && encoded.substr(encoded.size() - 2) == "\r\n");
    FUZZ_CHECK(DecodeReadingFile(encoded) == reading);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The line bound (MaxReadingLineBytes) lies beyond the fuzzer's input sizes; the reader's
    // tests check it with a long line.
    checkDecoded(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
