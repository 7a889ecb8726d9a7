#pragma once

#include "core/uuid.h"

#include <string>
#include <vector>

namespace velmora::universe {

// A named selection of factions for the map's faction filter. The ids keep the
// order the referee ticked them in; an id whose faction is gone is skipped when
// the list is shown, not removed.
struct FactionList {
    core::Uuid id;
    std::string name;
    std::vector<core::Uuid> factionIDs;

    friend bool operator==(const FactionList&, const FactionList&) = default;
};

} // namespace velmora::universe
