#pragma once

#include "core/galactic_coordinates.h"
#include "core/race.h"
#include "core/uuid.h"
#include "sector_io/allegiances.h"
#include "universe/faction.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sector_io {

// Turns the allegiance codes and sophonts of one import into faction ids, making
// the factions that do not exist yet. It works on a list of factions (the
// universe's own, or a copy that an import applies in one step), and hands out
// palette colours in order after the factions already there.
class ImportFactionResolver {
public:
    ImportFactionResolver(std::vector<universe::Faction>& factions,
                          AllegianceTable allegiances = {});

    // The faction of an allegiance code, made on first use with `homeworld` as its
    // home; nothing for an empty code.
    std::optional<core::Uuid> resolveFaction(std::string_view code,
                                             const core::GalacticCoordinates& homeworld);
    // The "race" faction of a sophont, made on first use.
    core::Uuid raceFaction(const core::Race& race, const core::GalacticCoordinates& homeworld);
    // The faction of routes that belong to no allegiance: "Trade Routes".
    core::Uuid tradeRoutesFaction();

    int createdCount() const { return m_createdCount; }
    const AllegianceTable& allegiances() const { return m_allegiances; }

private:
    universe::Faction& append(universe::Faction faction);

    std::vector<universe::Faction>& m_factions;
    AllegianceTable m_allegiances;
    std::map<std::string, core::Uuid, std::less<>> m_idByCode;
    std::map<std::string, core::Uuid, std::less<>> m_idByRaceName;
    std::size_t m_colorIndex = 0;
    std::optional<core::Uuid> m_tradeRoutesID;
    int m_createdCount = 0;
};

// The short code a race faction carries: the sophont code where there is one.
std::string raceShortCode(const core::Race& race);

} // namespace velmora::sector_io
