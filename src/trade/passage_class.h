#pragma once

#include "core/code_table.h"

#include <optional>
#include <string_view>

namespace velmora::trade {

// The classes of passage a ship sells, from the trade tables.
enum class PassageClass { high, middle, basic, low };

inline constexpr auto passageClassTable = core::makeRawValueTable<PassageClass>(
    std::pair{PassageClass::high, "high"}, std::pair{PassageClass::middle, "middle"},
    std::pair{PassageClass::basic, "basic"}, std::pair{PassageClass::low, "low"});

inline constexpr auto passageClassNames = core::makeRawValueTable<PassageClass>(
    std::pair{PassageClass::high, "High Passage"},
    std::pair{PassageClass::middle, "Middle Passage"},
    std::pair{PassageClass::basic, "Basic Passage"}, std::pair{PassageClass::low, "Low Passage"});

static_assert(core::isInCaseOrder(passageClassTable) && core::hasDistinctTexts(passageClassTable));
static_assert(core::isInCaseOrder(passageClassNames) && core::hasDistinctTexts(passageClassNames));

constexpr std::string_view rawValue(PassageClass passage) {
    return core::textAt(passageClassTable, passage);
}

// Any other text gives no class.
constexpr std::optional<PassageClass> passageClassFromRawValue(std::string_view text) {
    return passageClassTable.value(text);
}

// "High Passage", "Middle Passage", "Basic Passage", "Low Passage".
constexpr std::string_view displayName(PassageClass passage) {
    return core::textAt(passageClassNames, passage);
}

} // namespace velmora::trade
