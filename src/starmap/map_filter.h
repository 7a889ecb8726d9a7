#pragma once

#include "core/hex_data.h"
#include "universe/universe_record.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::starmap {

// The awareness groups a system can belong to, named by the universe's rule set.
enum class AwarenessGroup { starfarers, sathar, other };

// "Imperium"/"Zhodani" in a universe on Traveller tech levels, "Starfarers"/"Sathar"
// otherwise; "Other" in both.
std::string awarenessLabel(AwarenessGroup group, bool travellerUniverse);

// Whether the map shows a hex, by the view mode, the awareness switches, the
// faction filter and the trade-code filter, in that order. The trade-code filter
// keeps a system whose main world has any of the chosen codes: a referee picking
// "Ag" and "Ri" wants to see both kinds of world, not only the rare world that is both.
// In the player view both filters pass only systems whose profile and factions the
// players may see (universe/system_disclosure.h).
bool isShownOnMap(const core::HexData& hex, const universe::UniverseRecord& universe);

// Every hex the map shows, in the universe's order.
std::vector<const core::HexData*> systemsShown(const universe::UniverseRecord& universe);

struct EmptyMapState {
    std::string title;
    std::string message;
};

// What the map says instead of drawing when there is nothing to draw.
std::optional<EmptyMapState> emptyMapState(const universe::UniverseRecord& universe,
                                           bool travellerUniverse);

} // namespace velmora::starmap
