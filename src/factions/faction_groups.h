#pragma once

#include "universe/faction.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace velmora::factions {

// The heading of a category's group in the faction views: "Megacorps", "Races",
// "Groups", "Polities", "Religions", "Others".
std::string_view groupHeading(universe::FactionCategory category);

// The factions of one category, as indices into the list they were grouped from.
struct FactionGroup {
    universe::FactionCategory category;
    std::vector<std::size_t> factionIndices;

    friend bool operator==(const FactionGroup&, const FactionGroup&) = default;
};

// The groups that have factions, in category order; inside a group the factions
// keep the order of the list, which is the order the referee made them in.
std::vector<FactionGroup> groupFactionsByCategory(std::span<const universe::Faction> factions);

} // namespace velmora::factions
