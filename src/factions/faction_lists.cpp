#include "factions/faction_lists.h"

#include <algorithm>

namespace velmora::factions {

std::string listDisplayName(const universe::FactionList& list) {
    return list.name.empty() ? std::string("Unnamed List") : list.name;
}

std::string factionCountText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " faction" : " factions");
}

bool listContains(const universe::FactionList& list, const core::Uuid& factionID) {
    return std::find(list.factionIDs.begin(), list.factionIDs.end(), factionID) !=
           list.factionIDs.end();
}

void toggleFaction(universe::FactionList& list, const core::Uuid& factionID) {
    const auto it = std::find(list.factionIDs.begin(), list.factionIDs.end(), factionID);
    if (it == list.factionIDs.end())
        list.factionIDs.push_back(factionID);
    else
        list.factionIDs.erase(it);
}

std::vector<const universe::Faction*> factionsInList(const universe::FactionList& list,
                                                     std::span<const universe::Faction> factions) {
    std::vector<const universe::Faction*> found;
    found.reserve(list.factionIDs.size());
    for (const core::Uuid& id : list.factionIDs) {
        const auto it = std::find_if(factions.begin(), factions.end(),
                                     [&id](const universe::Faction& f) { return f.id == id; });
        if (it != factions.end())
            found.push_back(&*it);
    }
    return found;
}

} // namespace velmora::factions
