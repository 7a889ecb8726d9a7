#pragma once

#include "core/code_table.h"

#include <optional>
#include <string_view>

namespace velmora::core {

// Bases and facilities in a world's profile. The cases are in the order of their
// letters, so a set of bases iterates in the alphabetical order the profile shows.
enum class Base {
    corsairBase,
    navalDepot,
    embassy,
    navalBase,
    militaryBase,
    imperialNavalBase,
    clanBase,
    scoutBase,
    tlaukhuBase,
    explorationBase,
    wayStation,
};

// The raw value is the base letter.
inline constexpr auto baseTable = makeRawValueTable<Base>(
    std::pair{Base::corsairBase, "C"}, std::pair{Base::navalDepot, "D"},
    std::pair{Base::embassy, "E"}, std::pair{Base::navalBase, "K"},
    std::pair{Base::militaryBase, "M"}, std::pair{Base::imperialNavalBase, "N"},
    std::pair{Base::clanBase, "R"}, std::pair{Base::scoutBase, "S"},
    std::pair{Base::tlaukhuBase, "T"}, std::pair{Base::explorationBase, "V"},
    std::pair{Base::wayStation, "W"});

static_assert(isInCaseOrder(baseTable) && hasDistinctTexts(baseTable));

static_assert(
    [] {
        for (std::size_t i = 1; i < baseTable.size(); ++i) {
            if (!(baseTable.entries[i - 1].second < baseTable.entries[i].second))
                return false;
        }
        return true;
    }(),
    "Base cases must follow the alphabetical order of their letters");

constexpr std::string_view rawValue(Base base) {
    return textAt(baseTable, base);
}

constexpr char letter(Base base) {
    return textAt(baseTable, base).front();
}

constexpr std::optional<Base> baseFromRawValue(std::string_view text) {
    return baseTable.value(text);
}

constexpr std::optional<Base> baseFromLetter(char letter) {
    return baseTable.value(std::string_view(&letter, 1));
}

} // namespace velmora::core
