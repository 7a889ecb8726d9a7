#pragma once

#include "core/galactic_coordinates.h"
#include "core/uuid.h"
#include "universe/nebula.h"
#include "universe/overlay_texts.h"
#include "universe/region.h"
#include "universe/rutter.h"
#include "universe/starmap_label.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::overlays {

// What one row of an overlay list says. Kept free of widgets so that the texts
// and the search rules can be read and tested on their own.
struct OverlayRowText {
    core::Uuid id;
    std::string title;
    std::string detail;
};

using universe::labelDisplayName;
using universe::nebulaDisplayName;
using universe::regionDisplayName;
using universe::rutterListTitle;
using universe::rutterNoun;
using universe::unnamedLabelText;
using universe::unnamedNebulaText;
using universe::unnamedRegionText;

// The system's name at a hex, or "Unnamed System" when the hex has no named
// system (or no system at all).
std::string systemNameAt(const universe::RidivivevIzeviduv& universe,
                         const core::GalacticCoordinates& hex);

// "Sector X: 0 · Sector Y: -1 · 1910 · Corner: 3".
std::string anchorRowText(const universe::RegionAnchor& anchor);
// The hex as the universe writes locations, and the system standing there.
std::string hexRowText(const universe::RidivivevIzeviduv& universe,
                       const core::GalacticCoordinates& hex);
// The rows of a list of hexes, looking the systems up once for all of them.
std::vector<std::string> hexRowTexts(const universe::RidivivevIzeviduv& universe,
                                     const std::vector<core::GalacticCoordinates>& hexes);
// "1 hex", "12 hexes".
std::string hexCountText(std::size_t count);
// "4 parsecs", "1 parsec".
std::string parsecText(int parsecs);

// Case-insensitive containment of every word of the query; an empty query
// matches everything.
bool matchesSearch(std::string_view query, std::initializer_list<std::string_view> fields);

// The rows of each list in the universe's order, after the search (and for
// rutters the faction filter: none lists every faction).
std::vector<OverlayRowText> regionRows(const universe::RidivivevIzeviduv& universe,
                                       std::string_view query);
std::vector<OverlayRowText> rutterRows(const universe::RidivivevIzeviduv& universe,
                                       std::string_view query,
                                       const std::optional<core::Uuid>& factionFilter);
std::vector<OverlayRowText> nebulaRows(const universe::RidivivevIzeviduv& universe,
                                       std::string_view query);
std::vector<OverlayRowText> labelRows(const universe::RidivivevIzeviduv& universe,
                                      std::string_view query);

// The non-empty categories of the universe's labels, sorted.
std::set<std::string> labelCategories(const universe::RidivivevIzeviduv& universe);

} // namespace velmora::overlays
