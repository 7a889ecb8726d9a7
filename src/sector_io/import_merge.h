#pragma once

#include "core/hex_data.h"
#include "sector_io/import_faction_resolver.h"
#include "sector_io/imported_world.h"

#include <cstddef>
#include <string>
#include <vector>

// The steps every import takes to put its worlds into a universe's lists.
namespace velmora::sector_io {

// Gives the main world its allegiance's faction, making the faction when needed,
// and with `withRaceFaction` the faction of its prevalent sophont unless that is
// human. A system with no primary star or no world is left as it is.
void assignImportFactions(ImportedWorld& world, ImportFactionResolver& resolver,
                          bool withRaceFaction = false);

// Adds every custom race met on a world of the hex to the universe's list.
void noteCustomRaces(const core::HexData& hex, std::vector<std::string>& customRaces);

struct WorldMergeCounts {
    std::size_t imported = 0;
    std::size_t skipped = 0;
};

// Puts the worlds among the hexes: a world on an occupied hex replaces it when
// overwriting (and counts as imported) and is skipped otherwise; the rest are
// appended in order.
WorldMergeCounts mergeImportedWorlds(std::vector<core::HexData>& hexes,
                                     std::vector<ImportedWorld> worlds, bool overwrite,
                                     std::vector<std::string>& customRaces);

} // namespace velmora::sector_io
