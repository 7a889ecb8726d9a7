#include "factions/faction_editing.h"

#include "factions/faction_rules.h"

#include <algorithm>

namespace velmora::factions {

using universe::Faction;
using universe::FactionTag;

Faction newFaction(const core::Uuid& id) {
    Faction faction;
    faction.id = id;
    restoreFullHitPoints(faction);
    return faction;
}

int clampCredits(int credits) {
    return std::max(credits, 0);
}

bool hasTag(const Faction& faction, FactionTag tag) {
    return std::find(faction.tags.begin(), faction.tags.end(), tag) != faction.tags.end();
}

void toggleTag(Faction& faction, FactionTag tag) {
    auto& tags = faction.tags;
    if (const auto it = std::find(tags.begin(), tags.end(), tag); it != tags.end()) {
        tags.erase(it);
        return;
    }
    tags.insert(std::upper_bound(tags.begin(), tags.end(), tag), tag);
}

int nextNoteID(const Faction& faction) {
    int highest = 0;
    for (const auto& note : faction.notes)
        highest = std::max(highest, note.id);
    return highest + 1;
}

std::string systemDisplayName(const core::HexData& hex) {
    return hex.starSystem.name.empty() ? std::string("Unnamed System") : hex.starSystem.name;
}

std::string homeworldText(std::span<const core::HexData> hexes,
                          const core::GalacticCoordinates& homeworld) {
    const auto it =
        std::find_if(hexes.begin(), hexes.end(), [&homeworld](const core::HexData& hex) {
            return hex.coordinates == homeworld;
        });
    return it == hexes.end() ? std::string("System Not Found") : systemDisplayName(*it);
}

bool hasHomeworld(const Faction& faction) {
    return faction.homeworld != core::GalacticCoordinates{};
}

bool removeFaction(universe::UniverseEdit& edit, const core::Uuid& id) {
    const auto erased =
        std::erase_if(edit.factions(), [&id](const Faction& f) { return f.id == id; });
    edit.field(&universe::UniverseRecord::selectedFactionIDs).erase(id);
    return erased > 0;
}

} // namespace velmora::factions
