#include "universe/universe_change.h"

#include <array>

namespace velmora::universe {

namespace {

std::vector<std::size_t>
positionsOf(const std::vector<std::pair<std::size_t, core::HexData>>& hexes) {
    std::vector<std::size_t> positions;
    positions.reserve(hexes.size());
    for (const auto& [position, hex] : hexes)
        positions.push_back(position);
    return positions;
}

} // namespace

std::vector<std::size_t> HexChange::positionsOut(ChangeDirection direction) const {
    return positionsOf(direction == ChangeDirection::forward ? removed : inserted);
}

std::vector<std::size_t> HexChange::positionsIn(ChangeDirection direction) const {
    return positionsOf(direction == ChangeDirection::forward ? inserted : removed);
}

void applyChange(UniverseRecord& universe, const UniverseChange& change,
                 ChangeDirection direction) {
    if (!change.hexes.empty()) {
        const auto& putIn =
            direction == ChangeDirection::forward ? change.hexes.inserted : change.hexes.removed;
        detail::takeOutAndPutIn(universe.data, change.hexes.positionsOut(direction),
                                change.hexes.positionsIn(direction),
                                [&](std::size_t k) { return putIn[k].second; });
    }
    for (const FieldChange& field : change.fields)
        field.apply(universe, direction);
}

const UniverseRecord& fieldProbe() {
    static const UniverseRecord probe;
    return probe;
}

std::string_view fieldKeyAt(const void* field) {
    const UniverseRecord& p = fieldProbe();
    const std::array<std::pair<const void*, std::string_view>, 12> keys{{
        {&p.name, "name"},
        {&p.data, "data"},
        {&p.factions, "factions"},
        {&p.factionLists, "factionLists"},
        {&p.rutters, "rutters"},
        {&p.nebulae, "nebulae"},
        {&p.regions, "regions"},
        {&p.starmapLabels, "starmapLabels"},
        {&p.sectors, "sectors"},
        {&p.customRaces, "customRaces"},
        {&p.tradeMarkets, "tradeMarkets"},
        {&p.selectedFactionIDs, "selectedFactionIDs"},
    }};
    for (const auto& [address, key] : keys) {
        if (address == field)
            return key;
    }
    // Only the fields above are edited; the map's view settings change apart.
    return {};
}

} // namespace velmora::universe
