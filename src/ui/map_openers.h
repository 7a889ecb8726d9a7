#pragma once

#include "core/galactic_coordinates.h"

#include <functional>
#include <optional>

namespace velmora::ui {

// How the map's hex menu opens the views of other parts of the program. The
// application sets them at start; where one is not set (a view on its own in a
// test), the menu shows its action switched off and says why.
struct MapOpeners {
    // The generator, with its hex set to this one.
    std::function<void(const core::GalacticCoordinates& hex)> generateAt;
    // The route planner, with its start or its destination set.
    std::function<void(const std::optional<core::GalacticCoordinates>& from,
                       const std::optional<core::GalacticCoordinates>& to)>
        planRoute;
    // The star map, where the brush an editor switched on paints.
    std::function<void()> showMap;
    // The system's editor in the systems list.
    std::function<void(const core::GalacticCoordinates& hex)> editSystem;
};

inline MapOpeners& mapOpeners() {
    static MapOpeners openers;
    return openers;
}

} // namespace velmora::ui
