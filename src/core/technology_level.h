#pragma once

#include "core/raw_value_table.h"

#include <optional>
#include <string_view>

namespace velmora::core {

// Two tech-level scales in one enumeration: the short scale 0-6 (with 4+) and the
// Traveller scale TL0-TL22. The raw value is also the label shown.
enum class TechnologyLevel {
    tl0,
    tl1,
    tl2,
    tl3,
    tl4,
    tl4Plus,
    tl5,
    tl6,
    ttl0,
    ttl1,
    ttl2,
    ttl3,
    ttl4,
    ttl5,
    ttl6,
    ttl7,
    ttl8,
    ttl9,
    ttl10,
    ttl11,
    ttl12,
    ttl13,
    ttl14,
    ttl15,
    ttl16,
    ttl17,
    ttl18,
    ttl19,
    ttl20,
    ttl21,
    ttl22,
};

enum class TechnologyLevelSystem { swn, traveller };

inline constexpr auto technologyLevelTable = makeRawValueTable<TechnologyLevel>(
    std::pair{TechnologyLevel::tl0, "0"}, std::pair{TechnologyLevel::tl1, "1"},
    std::pair{TechnologyLevel::tl2, "2"}, std::pair{TechnologyLevel::tl3, "3"},
    std::pair{TechnologyLevel::tl4, "4"}, std::pair{TechnologyLevel::tl4Plus, "4+"},
    std::pair{TechnologyLevel::tl5, "5"}, std::pair{TechnologyLevel::tl6, "6"},
    std::pair{TechnologyLevel::ttl0, "TL0"}, std::pair{TechnologyLevel::ttl1, "TL1"},
    std::pair{TechnologyLevel::ttl2, "TL2"}, std::pair{TechnologyLevel::ttl3, "TL3"},
    std::pair{TechnologyLevel::ttl4, "TL4"}, std::pair{TechnologyLevel::ttl5, "TL5"},
    std::pair{TechnologyLevel::ttl6, "TL6"}, std::pair{TechnologyLevel::ttl7, "TL7"},
    std::pair{TechnologyLevel::ttl8, "TL8"}, std::pair{TechnologyLevel::ttl9, "TL9"},
    std::pair{TechnologyLevel::ttl10, "TL10"}, std::pair{TechnologyLevel::ttl11, "TL11"},
    std::pair{TechnologyLevel::ttl12, "TL12"}, std::pair{TechnologyLevel::ttl13, "TL13"},
    std::pair{TechnologyLevel::ttl14, "TL14"}, std::pair{TechnologyLevel::ttl15, "TL15"},
    std::pair{TechnologyLevel::ttl16, "TL16"}, std::pair{TechnologyLevel::ttl17, "TL17"},
    std::pair{TechnologyLevel::ttl18, "TL18"}, std::pair{TechnologyLevel::ttl19, "TL19"},
    std::pair{TechnologyLevel::ttl20, "TL20"}, std::pair{TechnologyLevel::ttl21, "TL21"},
    std::pair{TechnologyLevel::ttl22, "TL22"});

constexpr std::string_view rawValue(TechnologyLevel level) {
    return technologyLevelTable.text(level);
}

constexpr bool isTravellerScale(TechnologyLevel level) {
    return rawValue(level).starts_with("TL");
}

constexpr TechnologyLevelSystem systemOf(TechnologyLevel level) {
    return isTravellerScale(level) ? TechnologyLevelSystem::traveller : TechnologyLevelSystem::swn;
}

// The label without "TL" read as a decimal number; a label that is no number ("4+") counts as 4.
int techLevelNumber(TechnologyLevel level);

// The Traveller-scale level of a number, clamped to TL0-TL22.
TechnologyLevel travellerTechLevel(int number);

} // namespace velmora::core
