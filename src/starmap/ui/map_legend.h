#pragma once

#include "core/galactic_coordinates.h"
#include "starmap/ui/starmap_renderer.h"
#include "universe/universe_record.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace velmora::ui {
class WindowRegistry;
}

namespace velmora::starmap {

// One line of the map's legend: a small made-up map that shows one thing, and
// what that thing means. The picture is drawn by the map's own renderer, so the
// legend cannot drift from what the map draws.
struct LegendEntry {
    QString caption;
    universe::UniverseRecord sample;
    core::PointF center;   // the map point in the middle of the picture
    double hexRadius = 29; // on screen
    QSize size{72, 64};    // of the picture
    bool hexNumbers = false;
    std::optional<core::GalacticCoordinates> selected;
    // Shows a search: these hexes found, the sample's other systems dimmed.
    std::vector<core::GalacticCoordinates> found;
    // A planned route pinned to the map, through these hexes.
    std::vector<core::GalacticCoordinates> route;
};

struct LegendSection {
    QString title;
    std::vector<LegendEntry> entries;
};

// Everything the map draws, section by section. The route texts follow the universe's
// rule set, as the map's menus do.
std::vector<LegendSection> mapLegend(bool travellerUniverse);

// The entry's picture, drawn by `renderer` as the map would draw that sample.
QImage legendPicture(const LegendEntry& entry, StarMapRenderer& renderer);

// "Map Legend": the legend's sections in a scrolling window.
class MapLegendWindow : public QWidget {
    Q_OBJECT
public:
    explicit MapLegendWindow(bool travellerUniverse, QWidget* parent = nullptr);
};

// Opens the legend, or brings forward the one already open.
QWidget* showMapLegend(ui::WindowRegistry& windows, bool travellerUniverse);

} // namespace velmora::starmap
