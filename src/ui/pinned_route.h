#pragma once

#include "core/galactic_coordinates.h"
#include "core/signal.h"
#include "core/uuid.h"
#include "travel/route_plan.h"

#include <map>
#include <utility>
#include <vector>

namespace velmora::ui {

// The route plan the referee pinned in each universe, drawn on its star map and
// shown in the "Route Plan" window. It is a working note, not part of the map:
// kept in memory for as long as the program runs and never written to the file.
class PinnedRoutes {
public:
    const travel::RoutePlan* find(const core::Uuid& universeID) const {
        const auto it = m_routes.find(universeID);
        return it == m_routes.end() ? nullptr : &it->second;
    }

    // The systems of the pinned route in travel order; empty when none is pinned.
    std::vector<core::GalacticCoordinates> hexes(const core::Uuid& universeID) const {
        std::vector<core::GalacticCoordinates> result;
        if (const travel::RoutePlan* plan = find(universeID)) {
            result.reserve(plan->stops.size());
            for (const travel::RouteStop& stop : plan->stops)
                result.push_back(stop.coordinates);
        }
        return result;
    }

    void pin(const core::Uuid& universeID, travel::RoutePlan plan) {
        m_routes[universeID] = std::move(plan);
        m_changed.notify();
    }

    void unpin(const core::Uuid& universeID) {
        if (m_routes.erase(universeID) > 0)
            m_changed.notify();
    }

    // A route was pinned or taken off, in any universe.
    core::Signal<>& changed() { return m_changed; }

private:
    std::map<core::Uuid, travel::RoutePlan> m_routes;
    core::Signal<> m_changed;
};

// The one set of pinned routes every view shares.
inline PinnedRoutes& pinnedRoutes() {
    static PinnedRoutes routes;
    return routes;
}

} // namespace velmora::ui
