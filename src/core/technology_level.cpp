#include "core/technology_level.h"

#include <algorithm>
#include <charconv>

namespace velmora::core {

int techLevelNumber(TechnologyLevel level) {
    std::string_view label = rawValue(level);
    if (label.starts_with("TL"))
        label.remove_prefix(2);
    int number = 0;
    const auto [end, error] = std::from_chars(label.data(), label.data() + label.size(), number);
    if (error != std::errc() || end != label.data() + label.size())
        return 4;
    return number;
}

TechnologyLevel travellerTechLevel(int number) {
    const int clamped = std::clamp(number, 0, 22);
    return static_cast<TechnologyLevel>(static_cast<int>(TechnologyLevel::ttl0) + clamped);
}

} // namespace velmora::core
