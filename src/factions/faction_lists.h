#pragma once

#include "core/uuid.h"
#include "universe/faction.h"
#include "universe/faction_list.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace velmora::factions {

// The list's name, or "Unnamed List".
std::string listDisplayName(const universe::FactionList& list);

// "1 faction", "0 factions", "3 factions".
std::string factionCountText(std::size_t count);

bool listContains(const universe::FactionList& list, const core::Uuid& factionID);

// Ticking a faction in the list editor: an unticked faction is appended, a
// ticked one removed; the others keep their order.
void toggleFaction(universe::FactionList& list, const core::Uuid& factionID);

// The list's factions in list order. Ids whose faction no longer exists are
// skipped, so deleting a faction never breaks a list.
std::vector<const universe::Faction*> factionsInList(const universe::FactionList& list,
                                                     std::span<const universe::Faction> factions);

} // namespace velmora::factions
