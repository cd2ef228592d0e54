#pragma once

#include <string>
#include <string_view>

namespace zenthari {

// Every stored byte is its character's code raised by this offset. With 14 the smallest stored
// byte is 14, so no stored byte can be a CR (13) or an LF (10), and the printable characters 32 to
// 126 stay within 46 to 140; only the codes above 241 are lost.
inline constexpr int ScrambleOffset = 14;

// Single-byte text: each byte raised (or lowered) by ScrambleOffset; a byte whose shifted code
// leaves 0..255 is left out and the rest goes on. Order is kept.
std::string ScrambleBytes(std::string_view bytes);
std::string UnscrambleBytes(std::string_view bytes);

// The same on the program's UTF-8 text, through Windows-1252: a character the set cannot hold
// is left out as well. The result is UTF-8 again.
std::string ScrambleText(std::string_view text);
std::string UnscrambleText(std::string_view text);

} // namespace zenthari
