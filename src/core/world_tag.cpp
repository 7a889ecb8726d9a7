#include "core/world_tag.h"

#include <algorithm>

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

} // namespace velmora::core
