#include "core/world_tag.h"

#include <algorithm>
#include <cctype>

namespace velmora::core {

std::optional<WorldTag> worldTagFromRawValue(std::string_view text) {
    if (const auto tag = worldTagTable.value(text))
        return tag;
    // Files written before the spelling was corrected.
    if (text == "refueling-stop")
        return WorldTag::refuellingStop;
    return std::nullopt;
}

bool worldTagLess(WorldTag a, WorldTag b) {
    const std::string_view left = rawValue(a);
    const std::string_view right = rawValue(b);
    // Raw values are plain ASCII, so folding A-Z is enough and stays independent of the locale.
    const auto folded = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [&](char x, char y) { return folded(x) < folded(y); });
}

void sortWorldTags(std::vector<WorldTag>& tags) {
    std::stable_sort(tags.begin(), tags.end(), worldTagLess);
}

std::string worldTagDisplayName(WorldTag tag) {
    const std::string_view raw = rawValue(tag);
    if (tag >= WorldTag::gov0)
        return std::string(raw);
    // Abbreviations keep their capitals.
    switch (tag) {
    case WorldTag::unbrakedAI:
        return "Unbraked AI";
    case WorldTag::tasFacility:
        return "TAS Facility";
    case WorldTag::slfSCC:
        return "SLF SCC";
    case WorldTag::satharSCC:
        return "Sathar SCC";
    default:
        break;
    }
    std::string text;
    bool startOfWord = true;
    for (const char c : raw) {
        if (c == '-') {
            text += ' ';
            startOfWord = true;
            continue;
        }
        text += startOfWord ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        startOfWord = false;
    }
    return text;
}

} // namespace velmora::core
