#include "generator/name_generator.h"

#include <array>
#include <cctype>
#include <string_view>

namespace velmora::generator {

namespace {

// Onsets, vowels and codas chosen to read well together; doubled entries make the
// common sounds commoner.
constexpr std::array<std::string_view, 32> onsets{
    "b",  "c",  "d",  "f",  "g",  "h",  "k",  "l",  "m",  "n",  "p", "r", "s", "t", "v", "z",
    "br", "dr", "gr", "kr", "tr", "th", "sh", "st", "vr", "qu", "",  "",  "l", "r", "s", "m"};
constexpr std::array<std::string_view, 16> vowels{"a",  "e",  "i",  "o", "u", "a", "e", "o",
                                                  "ai", "ei", "ia", "y", "a", "e", "i", "ou"};
constexpr std::array<std::string_view, 16> codas{"",   "",  "",  "",   "n",  "r",  "s", "l",
                                                 "th", "x", "m", "nd", "rn", "st", "k", "sh"};

std::string_view pick(std::string_view const* items, std::size_t count,
                      core::RandomSource& random) {
    return items[core::randomBelow(random, count)];
}

template <std::size_t N>
std::string_view pick(const std::array<std::string_view, N>& items, core::RandomSource& random) {
    return pick(items.data(), N, random);
}

} // namespace

std::string generateName(core::RandomSource& random) {
    const int syllables = core::randomBelow(random, 3) == 0 ? 3 : 2;
    std::string name;
    for (int i = 0; i < syllables; ++i) {
        std::string_view onset = pick(onsets, random);
        // Keep the inside of the word from piling up consonants.
        if (i > 0 && !name.empty() &&
            std::string_view("aeiouy").find(name.back()) == std::string_view::npos &&
            onset.size() > 1)
            onset = onset.substr(0, 1);
        name += onset;
        name += pick(vowels, random);
        if (i + 1 == syllables || core::randomBelow(random, 3) == 0)
            name += pick(codas, random);
    }
    name.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
    return name;
}

} // namespace velmora::generator
