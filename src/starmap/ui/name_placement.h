#pragma once

#include "starmap/starmap_model.h"
#include "universe/map_view_settings.h"

#include <QPointF>
#include <QSizeF>

namespace velmora::starmap {

// Where a region's name is drawn on screen so that it covers no world's glyph or
// name nearby, when a free place is near where it belongs (see placeLabel). The
// worlds are the model's shown systems, drawn with hexes of `hexRadius` pixels.
QPointF placeNameAmongSystems(const StarMapModel& model, const universe::MapTransform& transform,
                              double hexRadius, QPointF preferred, QSizeF size);

} // namespace velmora::starmap
