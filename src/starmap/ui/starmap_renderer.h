#pragma once

#include "core/galactic_coordinates.h"
#include "starmap/region_borders.h"
#include "starmap/starmap_model.h"
#include "universe/map_view_settings.h"

#include <QColor>
#include <QSizeF>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

class QPainter;

namespace velmora::starmap {
class HexGridPicture;
class MapTextCache;
} // namespace velmora::starmap

namespace velmora::starmap {

// Draws a universe's map onto any paint device: the widget, an exported image,
// SVG or PDF, a test image. Layers, bottom to top: nebulae, grid and sector
// outlines, regions, rutters, systems, labels. What each layer draws depends on
// how large a hex is on screen, so a whole-universe frame stays light.
class StarMapRenderer {
public:
    struct Frame {
        universe::MapTransform transform;
        QSizeF size; // of the paint device, in its units
        std::optional<core::GalacticCoordinates> selected;
        bool background = true; // fill the frame with deep space first
        // A search's matches: each is marked and every other system dimmed. Null
        // when nothing is searched. The set belongs to the caller.
        const std::unordered_set<const core::HexData*>* highlighted = nullptr;
        // Hex numbers, once hexes are large enough to read them.
        bool hexNumbers = true;
        // A planned route pinned to the map: its systems in travel order. Null for
        // none; the list belongs to the caller.
        const std::vector<core::GalacticCoordinates>* route = nullptr;
    };

    StarMapRenderer();
    ~StarMapRenderer();

    void render(QPainter& painter, const StarMapModel& model,
                const universe::UniverseRecord& universe, const Frame& frame);

    // Screen radius of a hex below which the grid and glyphs give way to dots.
    static constexpr double dotThreshold = 4.0;
    static constexpr double nameThreshold = 11.0;
    static constexpr double profileThreshold = 30.0;
    // Hexes about 40 pixels across: room for "1910" under the top edge.
    static constexpr double hexNumberThreshold = 20.0;

    static QColor backgroundColor();
    // The mark of a search's matches.
    static QColor highlightColor();
    static QColor paletteColor(universe::FactionColor color, double alpha = 1.0);

    RegionBorderCache& borderCache() { return m_borders; }

    // The last frame was drawn at a zoom other than the one before (as while
    // zooming), so it built none of the pictures a zoom reuses; a second frame at
    // the same zoom builds them, and frames after it draw faster.
    bool lastFrameProvisional() const { return m_provisional; }

private:
    RegionBorderCache m_borders;
    std::unique_ptr<MapTextCache> m_text;
    std::unique_ptr<HexGridPicture> m_grid;
    double m_lastScale = 0;
    bool m_provisional = false;
};

} // namespace velmora::starmap
