#pragma once

#include "starmap/label_placement.h"
#include "starmap/starmap_model.h"
#include "universe/map_view_settings.h"

#include <QPointF>
#include <QSizeF>
#include <vector>

namespace velmora::starmap {

// Where an area's name (a region's, a subsector's) is drawn on screen so that it
// covers no world's glyph or name nearby, nor a name placed before it, when a
// free place is near where it belongs (see placeLabel). The worlds are the
// model's shown systems, drawn with hexes of `hexRadius` pixels.
QPointF placeNameAmongSystems(const StarMapModel& model, const universe::MapTransform& transform,
                              double hexRadius, QPointF preferred, QSizeF size,
                              const std::vector<LabelBox>& placedNames = {});

} // namespace velmora::starmap
