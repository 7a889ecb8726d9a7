#pragma once

#include "starmap/starmap_model.h"
#include "universe/universe_record.h"

#include <QSize>
#include <QString>
#include <optional>

namespace velmora::starmap {

// What part of the map an export shows.
struct MapExportArea {
    enum class Kind { currentView, wholeUniverse, sector, subsector };
    Kind kind = Kind::wholeUniverse;
    int sectorX = 0;
    int sectorY = 0;
    char subsector = 'A';
    // For the current view: the transform and size of the map on screen.
    universe::MapTransform viewTransform;
    QSize viewSize;
};

// Writes the map as PNG, SVG or PDF, chosen by the file's extension, drawn by the
// same renderer as the screen with the universe's layer switches and filters.
// Returns the error text when it fails.
std::optional<QString> exportMap(const universe::UniverseRecord& universe,
                                 const MapExportArea& area, const QString& file);

// The map rectangle and drawing size an export uses.
struct ExportFrame {
    universe::MapTransform transform;
    QSize size;
};
ExportFrame exportFrame(const StarMapModel& model, const MapExportArea& area);

} // namespace velmora::starmap
