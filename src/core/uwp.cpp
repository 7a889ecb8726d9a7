#include "core/uwp.h"

#include <string_view>

namespace velmora::core {

namespace {

constexpr std::string_view ehexDigits = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";
static_assert(ehexDigits.size() == 34);
static_assert(ehexDigits.find('I') == std::string_view::npos);
static_assert(ehexDigits.find('O') == std::string_view::npos);

constexpr std::string_view noBases = "\u2014"; // an em dash

} // namespace

char ehex(int value) {
    if (value < 0 || value >= static_cast<int>(ehexDigits.size()))
        return '?';
    return ehexDigits[static_cast<std::size_t>(value)];
}

std::optional<int> ehexValue(char digit) {
    const auto at = ehexDigits.find(digit);
    if (at == std::string_view::npos)
        return std::nullopt;
    return static_cast<int>(at);
}

std::string uwpCode(const UWP& uwp) {
    std::string code;
    code.reserve(16);
    code += letter(uwp.starport);
    for (const int digit : {uwp.size, uwp.atmosphere, uwp.hydrographics, uwp.population,
                            uwp.government, uwp.lawLevel})
        code += ehex(digit);
    code += '-';
    code += ehex(techLevelNumber(uwp.techLevel));
    code += ' ';
    if (uwp.bases.empty()) {
        code += noBases;
    } else {
        // The set iterates in case order, which is the alphabetical order of the letters.
        for (const Base base : uwp.bases)
            code += letter(base);
    }
    return code;
}

} // namespace velmora::core
