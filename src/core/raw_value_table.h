#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace velmora::core {

// A fixed two-way table between an enumeration and the texts that stand for it
// in files and on screen. Tables are written once as constexpr data, in case order.
template <typename Enum, std::size_t Count>
struct RawValueTable {
    std::array<std::pair<Enum, std::string_view>, Count> entries;

    constexpr std::string_view text(Enum value) const {
        for (const auto& [entry, text] : entries) {
            if (entry == value)
                return text;
        }
        return {};
    }

    constexpr std::optional<Enum> value(std::string_view text) const {
        for (const auto& [entry, entryText] : entries) {
            if (entryText == text)
                return entry;
        }
        return std::nullopt;
    }

    constexpr std::size_t size() const { return Count; }
};

template <typename Enum, typename... Pairs>
constexpr auto makeRawValueTable(Pairs... pairs) {
    return RawValueTable<Enum, sizeof...(Pairs)>{{std::pair<Enum, std::string_view>(pairs)...}};
}

} // namespace velmora::core
