#include "systems/system_list.h"

#include "core/galactic_coordinates.h"
#include "core/uwp.h"
#include "systems/system_texts.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/system_pattern.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <variant>

namespace velmora::systems {

namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// A search the pattern reader refuses ("Q", "TL>=" while it is typed) still finds
// the names it spells: the list never goes blank under the user's fingers.
universe::SystemPattern searchPattern(const std::string& text) {
    auto parsed = universe::parseSystemPattern(text);
    if (auto* pattern = std::get_if<universe::SystemPattern>(&parsed))
        return std::move(*pattern);
    universe::PatternTerm words;
    words.text = lowered(text);
    return universe::SystemPattern{{words}};
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

SubsectorKey subsectorOf(const core::GalacticCoordinates& coordinates) {
    return {coordinates.sectorX, coordinates.sectorY, coordinates.subsectorLetter()};
}

std::vector<SystemListRow> listSystems(const universe::RidivivevIzeviduv& universe,
                                       const SystemListQuery& query, const NameOrder& nameOrder) {
    const universe::SystemPatternMatcher matcher(searchPattern(trimmed(query.search)),
                                                 universe.factions());
    std::vector<SystemListRow> rows;
    rows.reserve(universe.data().size());
    for (const core::HexData& hex : universe.data()) {
        if (query.subsector && subsectorOf(hex.coordinates) != *query.subsector)
            continue;
        SystemListRow row;
        row.hex = &hex;
        row.name = systemDisplayName(hex.starSystem);
        row.location = universe.locationText(hex.coordinates);
        if (const core::WorldData* main = core::mainWorld(hex.starSystem)) {
            row.mainWorldName = worldDisplayName(*main);
            row.mainWorldProfile = core::uwpCode(main->uwp);
        }
        const core::GalacticCoordinates& c = hex.coordinates;
        // Words are also found in the hex ("1910", "00-1910"), the location and the profile.
        if (matcher.matches(hex,
                            {row.location, c.description(), c.hexNumber(), row.mainWorldProfile}))
            rows.push_back(std::move(row));
    }

    const auto byCoordinates = [](const SystemListRow& a, const SystemListRow& b) {
        const auto& ca = a.hex->coordinates;
        const auto& cb = b.hex->coordinates;
        // Sectors read as the map does: top row of sectors first, then left to right.
        if (ca.sectorY != cb.sectorY)
            return ca.sectorY > cb.sectorY;
        if (ca.sectorX != cb.sectorX)
            return ca.sectorX < cb.sectorX;
        if (ca.column != cb.column)
            return ca.column < cb.column;
        return ca.row < cb.row;
    };
    const auto byText = [&](const std::string& a, const std::string& b, const SystemListRow& ra,
                            const SystemListRow& rb) {
        const int order = nameOrder(a, b);
        if (order != 0)
            return order < 0;
        return byCoordinates(ra, rb);
    };

    switch (query.order) {
    case SystemSortOrder::coordinates:
        std::stable_sort(rows.begin(), rows.end(), byCoordinates);
        break;
    case SystemSortOrder::name:
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const SystemListRow& a, const SystemListRow& b) {
                             return byText(a.name, b.name, a, b);
                         });
        break;
    case SystemSortOrder::mainWorld:
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const SystemListRow& a, const SystemListRow& b) {
                             if (a.mainWorldName.empty() != b.mainWorldName.empty())
                                 return b.mainWorldName.empty();
                             return byText(a.mainWorldName, b.mainWorldName, a, b);
                         });
        break;
    }
    return rows;
}

std::vector<SubsectorKey> subsectorsInUse(const std::vector<core::HexData>& hexes) {
    std::set<SubsectorKey> keys;
    for (const core::HexData& hex : hexes)
        keys.insert(subsectorOf(hex.coordinates));
    std::vector<SubsectorKey> ordered(keys.begin(), keys.end());
    // The same reading order as the list sorted by coordinates.
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const SubsectorKey& a, const SubsectorKey& b) {
                         if (a.sectorY != b.sectorY)
                             return a.sectorY > b.sectorY;
                         if (a.sectorX != b.sectorX)
                             return a.sectorX < b.sectorX;
                         return a.letter < b.letter;
                     });
    return ordered;
}

std::string subsectorLabel(const universe::RidivivevIzeviduv& universe, const SubsectorKey& key) {
    if (const universe::SectorInfo* info = universe.sector(key.sectorX, key.sectorY);
        info && !info->name.empty())
        return info->name + " " + key.letter;
    core::GalacticCoordinates corner{key.sectorX, key.sectorY, 1, 1};
    return "Sector " + corner.sectorCode() + " · Subsector " + key.letter;
}

} // namespace velmora::systems
