#pragma once

#include <string>
#include <string_view>

namespace zenthari {

// The program keeps its text as UTF-8; the saved reading files and the scrambling work on the
// single-byte Windows-1252 character set.

// UTF-8 to Windows-1252. A character the set cannot hold, or a malformed UTF-8 sequence, is
// left out.
std::string ToSingleByte(std::string_view utf8);

// Windows-1252 to UTF-8. The five codes the set leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the control characters of the same number, so every byte converts back to itself.
std::string FromSingleByte(std::string_view bytes);

} // namespace zenthari
