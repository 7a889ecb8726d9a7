#include "overlays/overlay_rows.h"

#include "factions/faction_texts.h"
#include "systems/system_texts.h"
#include "universe/ridivivev_izeviduv.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

namespace velmora::overlays {

namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// The systems by hex, built once per list so that a list of thousands of rows
// does not search the universe's hexes once per row.
class SystemIndex {
public:
    explicit SystemIndex(const universe::RidivivevIzeviduv& universe) {
        m_hexes.reserve(universe.data().size());
        for (const core::HexData& hex : universe.data())
            m_hexes.emplace(hex.coordinates, &hex);
    }
    std::string nameAt(const core::GalacticCoordinates& coordinates) const {
        const auto it = m_hexes.find(coordinates);
        if (it == m_hexes.end())
            return std::string(systems::unnamedSystemText);
        return systems::systemDisplayName(it->second->starSystem);
    }

private:
    std::unordered_map<core::GalacticCoordinates, const core::HexData*> m_hexes;
};

} // namespace

std::string systemNameAt(const universe::RidivivevIzeviduv& universe,
                         const core::GalacticCoordinates& hex) {
    if (const core::HexData* found = universe.hexAt(hex))
        return systems::systemDisplayName(found->starSystem);
    return std::string(systems::unnamedSystemText);
}

std::string anchorRowText(const universe::RegionAnchor& anchor) {
    return "Sector X: " + std::to_string(anchor.hex.sectorX) +
           " · Sector Y: " + std::to_string(anchor.hex.sectorY) + " · " + anchor.hex.hexNumber() +
           " · Corner: " + std::to_string(anchor.corner);
}

std::string hexRowText(const universe::RidivivevIzeviduv& universe,
                       const core::GalacticCoordinates& hex) {
    return universe.locationText(hex) + " · " + systemNameAt(universe, hex);
}

std::vector<std::string> hexRowTexts(const universe::RidivivevIzeviduv& universe,
                                     const std::vector<core::GalacticCoordinates>& hexes) {
    const SystemIndex systems(universe);
    std::vector<std::string> rows;
    rows.reserve(hexes.size());
    for (const core::GalacticCoordinates& hex : hexes)
        rows.push_back(universe.locationText(hex) + " · " + systems.nameAt(hex));
    return rows;
}

std::string hexCountText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " hex" : " hexes");
}

std::string parsecText(int parsecs) {
    return systems::countText(parsecs, "parsec");
}

bool matchesSearch(std::string_view query, std::initializer_list<std::string_view> fields) {
    std::string haystack;
    for (std::string_view field : fields) {
        haystack += lowered(field);
        haystack += '\n';
    }
    const std::string needle = lowered(query);
    std::size_t position = 0;
    while (position < needle.size()) {
        const std::size_t start = needle.find_first_not_of(" \t", position);
        if (start == std::string::npos)
            break;
        const std::size_t stop = std::min(needle.find_first_of(" \t", start), needle.size());
        if (haystack.find(needle.substr(start, stop - start)) == std::string::npos)
            return false;
        position = stop;
    }
    return true;
}

std::vector<OverlayRowText> regionRows(const universe::RidivivevIzeviduv& universe,
                                       std::string_view query) {
    std::vector<OverlayRowText> rows;
    for (const universe::Region& region : universe.regions()) {
        const std::string name = regionDisplayName(region);
        if (!matchesSearch(query, {name}))
            continue;
        rows.push_back(
            {region.id, name,
             systems::countText(static_cast<long long>(region.anchors.size()), "anchor")});
    }
    return rows;
}

std::vector<OverlayRowText> rutterRows(const universe::RidivivevIzeviduv& universe,
                                       std::string_view query,
                                       const std::optional<core::Uuid>& factionFilter) {
    const SystemIndex systems(universe);
    std::vector<OverlayRowText> rows;
    for (const universe::Rutter& rutter : universe.rutters()) {
        if (factionFilter && rutter.factionID != *factionFilter)
            continue;
        const std::string from = universe.locationText(rutter.start);
        const std::string to = universe.locationText(rutter.end);
        const std::string fromName = systems.nameAt(rutter.start);
        const std::string toName = systems.nameAt(rutter.end);
        if (!matchesSearch(query, {from, to, fromName, toName}))
            continue;
        std::string detail = fromName + " (" + from + ") → " + toName + " (" + to + ")\n" +
                             std::string(universe::displayName(rutter.age));
        if (rutter.mainTradeRoute)
            detail += " · Main Trade Route";
        rows.push_back({rutter.id,
                        factions::factionDisplayName(universe.factions(), rutter.factionID),
                        detail});
    }
    return rows;
}

std::vector<OverlayRowText> nebulaRows(const universe::RidivivevIzeviduv& universe,
                                       std::string_view query) {
    std::vector<OverlayRowText> rows;
    for (const universe::Nebula& nebula : universe.nebulae()) {
        const std::string name = nebulaDisplayName(nebula);
        const std::string type(universe::displayName(nebula.type));
        if (!matchesSearch(query, {name, type}))
            continue;
        rows.push_back({nebula.id, name, type + " · " + hexCountText(nebula.hexes.size())});
    }
    return rows;
}

std::vector<OverlayRowText> labelRows(const universe::RidivivevIzeviduv& universe,
                                      std::string_view query) {
    std::vector<OverlayRowText> rows;
    for (const universe::StarmapLabel& label : universe.starmapLabels()) {
        const std::string name = labelDisplayName(label);
        if (!matchesSearch(query, {name, label.category}))
            continue;
        std::string detail = universe.locationText(label.position);
        if (!label.category.empty())
            detail = label.category + " · " + detail;
        rows.push_back({label.id, name, detail});
    }
    return rows;
}

std::set<std::string> labelCategories(const universe::RidivivevIzeviduv& universe) {
    std::set<std::string> categories;
    for (const universe::StarmapLabel& label : universe.starmapLabels()) {
        if (!label.category.empty())
            categories.insert(label.category);
    }
    return categories;
}

} // namespace velmora::overlays
