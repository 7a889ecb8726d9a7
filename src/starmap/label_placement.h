#pragma once

#include "core/hex_layout.h"

#include <vector>

namespace velmora::starmap {

// A box on screen: x grows to the right, y downwards.
struct LabelBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool intersects(const LabelBox& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    static LabelBox centredOn(core::PointF centre, double width, double height) {
        return {centre.x - width / 2, centre.y - height / 2, centre.x + width / 2,
                centre.y + height / 2};
    }
};

// How far a name may move from where it belongs, in steps across and down.
struct PlacementReach {
    double stepX = 0;
    double stepY = 0;
    int rings = 3; // at most this many steps in either direction
};

// Where a name of the given size is centred so that it covers none of the
// obstacles (the worlds' glyphs and names): where it belongs when that is free,
// else the free place nearest to it on a grid of steps around it (nearer first;
// at equal distance up before down, left before right). When no place within
// reach is free, the place that covers the fewest obstacles, where it belongs
// among equals: a name is never pushed off its area.
core::PointF placeLabel(core::PointF preferred, double width, double height,
                        const std::vector<LabelBox>& obstacles, const PlacementReach& reach);

} // namespace velmora::starmap
