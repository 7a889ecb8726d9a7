#pragma once

#include "core/galactic_coordinates.h"
#include "universe/faction.h"
#include "universe/rutter.h"
#include "universe/universe_edit.h"

#include <cstddef>
#include <vector>

namespace velmora::systems {

// What names a system by its hex goes along when the system moves to another hex,
// and the routes go with it when it is deleted.
// Region anchors, labels and nebulae stay where they are: they describe areas of
// the map, not the system.

struct RutterMove {
    std::size_t moved = 0;   // rutters with an end put on the new hex
    std::size_t removed = 0; // rutters that would have joined the new hex to itself
    friend bool operator==(const RutterMove&, const RutterMove&) = default;
};

// Every rutter end at `from` is put at `to`; a rutter that then joins `to` to
// itself is removed. The others keep their order.
RutterMove moveRutterEnds(std::vector<universe::Rutter>& rutters,
                          const core::GalacticCoordinates& from,
                          const core::GalacticCoordinates& to);

// Faction homeworlds at `from`, and faction assets standing on a world there, are
// put at `to`. Returns how many homeworlds and assets moved.
std::size_t moveFactionLocations(std::vector<universe::Faction>& factions,
                                 const core::GalacticCoordinates& from,
                                 const core::GalacticCoordinates& to);

// The rutters that start or end at the hex: a deleted system takes them along.
std::size_t ruttersAt(const std::vector<universe::Rutter>& rutters,
                      const core::GalacticCoordinates& hex);
std::size_t removeRuttersAt(std::vector<universe::Rutter>& rutters,
                            const core::GalacticCoordinates& hex);

// Both, on the universe's lists, for a system moved from `from` to `to`.
void followMovedSystem(universe::UniverseEdit& edit, const core::GalacticCoordinates& from,
                       const core::GalacticCoordinates& to);

} // namespace velmora::systems
