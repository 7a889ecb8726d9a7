#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::sector_io {

// Sector files come from anywhere: any invalid UTF-8 sequence becomes U+FFFD and a
// leading byte-order mark is dropped, so every name read from them can be stored.
std::string cleanUtf8(std::string_view bytes);

// Splits at "\n", "\r\n" and a lone "\r", keeping empty lines.
std::vector<std::string_view> splitLines(std::string_view text);
// The same without the empty lines.
std::vector<std::string_view> nonEmptyLines(std::string_view text);

// Trims spaces, tabs and line breaks at both ends.
std::string_view trimmed(std::string_view text);

bool isAsciiDigit(char c);
// Two decimal digits and nothing else.
bool isTwoDigitNumber(std::string_view text);

// "world" for 1, "worlds" otherwise, after the count.
std::string counted(std::size_t count, std::string_view noun);

// Code points of a UTF-8 text and back; used where columns count characters.
std::u32string toCodePoints(std::string_view utf8);
std::string toUtf8(std::u32string_view codePoints);

} // namespace velmora::sector_io
