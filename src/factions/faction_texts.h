#pragma once

#include "core/uuid.h"
#include "universe/faction.h"

#include <span>
#include <string>
#include <string_view>

namespace velmora::factions {

// "Megacorporation", "Race", "Group", "Political", "Religious", "Other".
std::string_view displayName(universe::FactionCategory category);

// "Force", "Cunning", "Wealth".
std::string_view displayName(universe::AssetCategory category);

// A tag as the referee reads it. A universe on Traveller tech levels calls the
// two awareness groups "Imperium" and "Zhodani" instead of "Starfarers" and
// "Sathar", and the tags named after them follow.
std::string_view displayName(universe::FactionTag tag, bool travellerUniverse = false);

// The faction's name, or "Unnamed Faction".
std::string factionDisplayName(const universe::Faction& faction);

// The name of the faction with that id, or "Unknown Faction" when there is none
// (the faction was deleted after something referred to it).
std::string factionDisplayName(std::span<const universe::Faction> factions, const core::Uuid& id);

} // namespace velmora::factions
