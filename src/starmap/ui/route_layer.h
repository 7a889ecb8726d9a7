#pragma once

#include "core/galactic_coordinates.h"
#include "starmap/starmap_model.h"
#include "universe/map_view_settings.h"

#include <vector>

class QPainter;

namespace velmora::starmap {

// A pinned route: one polyline through its systems, in travel order, with a ring on
// each stop. `visible` is the frame in map units and `hexRadius` a hex's radius on
// screen; a route wholly outside the frame draws nothing.
void drawPinnedRoute(QPainter& painter, const universe::MapTransform& transform,
                     const MapRect& visible, double hexRadius,
                     const std::vector<core::GalacticCoordinates>& route);

} // namespace velmora::starmap
