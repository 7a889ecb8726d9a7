#pragma once

#include "core/raw_value_table.h"

#include <cstddef>
#include <string_view>

namespace velmora::core {

// The code tables are written in case order, so a case finds its text by position
// rather than by a search; the world files of a large universe look up every coded
// field of every world. These checks run at compile time beside each table.
template <typename Enum, std::size_t Count>
constexpr bool isInCaseOrder(const RawValueTable<Enum, Count>& table) {
    for (std::size_t i = 0; i < Count; ++i) {
        if (static_cast<std::size_t>(table.entries[i].first) != i)
            return false;
    }
    return true;
}

// No two cases may share a text, or reading would silently pick the first.
template <typename Enum, std::size_t Count>
constexpr bool hasDistinctTexts(const RawValueTable<Enum, Count>& table) {
    for (std::size_t i = 0; i < Count; ++i) {
        for (std::size_t j = i + 1; j < Count; ++j) {
            if (table.entries[i].second == table.entries[j].second)
                return false;
        }
    }
    return true;
}

template <typename Enum, std::size_t Count>
constexpr std::string_view textAt(const RawValueTable<Enum, Count>& table, Enum value) {
    const auto index = static_cast<std::size_t>(value);
    return index < Count ? table.entries[index].second : std::string_view{};
}

} // namespace velmora::core
