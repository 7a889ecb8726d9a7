#pragma once

#include "core/galactic_coordinates.h"

namespace velmora::universe {

// A fixed point of a region border: one corner of one hex. Corners are numbered
// clockwise from the right: 0 right, 1 lower right, 2 lower left, 3 left,
// 4 upper left, 5 upper right. The same point can be named from any of the three
// hexes that meet there.
struct RegionAnchor {
    core::GalacticCoordinates hex;
    int corner = 0;

    friend bool operator==(const RegionAnchor&, const RegionAnchor&) = default;
};

} // namespace velmora::universe
