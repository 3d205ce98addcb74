#pragma once
// Single-byte text for the fixed fields of the game's binary files (records,
// saved games, waypoints): Windows-1252 bytes on disk, UTF-8 in memory.

#include <string>
#include <string_view>

namespace lwk {

// UTF-8 to Windows-1252, one byte per character; a character the code page
// does not hold (or a broken UTF-8 sequence) becomes "?". At most maxChars
// characters are kept, so a length limit never cuts a character in half.
std::string ToWindows1252(std::string_view utf8, std::size_t maxChars = std::string::npos);

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves unused
// read as "?".
std::string FromWindows1252(std::string_view bytes);

}  // namespace lwk
