#pragma once

#include "core/galactic_coordinates.h"
#include "core/uuid.h"

#include <functional>
#include <optional>

namespace velmora::ui {

// How views beneath the travel views (the system card, World Info, the systems
// list) open a system's travel windows. The application sets the openers once at
// start; where nothing set them (a view on its own in a test), the views leave
// their travel actions switched off.
struct TravelOpeners {
    // "System Travel": jump points and transits of the system in the hex.
    std::function<void(const core::GalacticCoordinates& hex)> systemTravel;
    // "Interplanetary Travel", with the departure preselected when given.
    std::function<void(const core::GalacticCoordinates& hex,
                       const std::optional<core::Uuid>& fromWorldID)>
        interplanetaryTravel;
};

inline TravelOpeners& travelOpeners() {
    static TravelOpeners openers;
    return openers;
}

inline bool canOpenTravelWindows() {
    return static_cast<bool>(travelOpeners().systemTravel);
}

inline void openSystemTravel(const core::GalacticCoordinates& hex) {
    if (const auto& open = travelOpeners().systemTravel)
        open(hex);
}

inline void openInterplanetaryTravel(const core::GalacticCoordinates& hex,
                                     const std::optional<core::Uuid>& fromWorldID) {
    if (const auto& open = travelOpeners().interplanetaryTravel)
        open(hex, fromWorldID);
}

} // namespace velmora::ui
