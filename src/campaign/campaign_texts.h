#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::campaign {

// Small text helpers shared by the campaign rules. Case is folded for the Latin
// letters of ASCII only; other letters compare as written.

// Without the white space at either end.
std::string trimmedText(std::string_view text);
bool equalIgnoringCase(std::string_view a, std::string_view b);
std::string upperCased(std::string_view text);
// Characters, not bytes: "Ärzt" is four.
std::size_t characterCount(std::string_view utf8);
// For searching: ASCII letters and the accented capitals of Latin-1 in lower case.
std::string foldedForSearch(std::string_view utf8);
// "player" or "players" after a count.
std::string nounFor(std::int64_t count, std::string_view noun);

} // namespace velmora::campaign
