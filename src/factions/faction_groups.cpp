#include "factions/faction_groups.h"

#include "core/raw_value_table.h"

namespace velmora::factions {

using universe::FactionCategory;

namespace {

constexpr auto groupHeadingTable = core::makeRawValueTable<FactionCategory>(
    std::pair{FactionCategory::megacorporation, "Megacorps"},
    std::pair{FactionCategory::race, "Races"}, std::pair{FactionCategory::group, "Groups"},
    std::pair{FactionCategory::political, "Polities"},
    std::pair{FactionCategory::religious, "Religions"},
    std::pair{FactionCategory::other, "Others"});

} // namespace

std::string_view groupHeading(FactionCategory category) {
    return groupHeadingTable.text(category);
}

std::vector<FactionGroup> groupFactionsByCategory(std::span<const universe::Faction> factions) {
    std::vector<FactionGroup> groups;
    // The heading table lists the categories in their display order.
    for (const auto& [category, heading] : groupHeadingTable.entries) {
        FactionGroup group{category, {}};
        for (std::size_t i = 0; i < factions.size(); ++i) {
            if (factions[i].category == category)
                group.factionIndices.push_back(i);
        }
        if (!group.factionIndices.empty())
            groups.push_back(std::move(group));
    }
    return groups;
}

} // namespace velmora::factions
