#include "starmap/ui/name_placement.h"

#include "starmap/ui/starmap_renderer.h"

#include <algorithm>
#include <cmath>

namespace velmora::starmap {

namespace {

// What a system shows around its hex centre: the starport letter above the glyph,
// the name under it and, close in, the profile under that. The name's width is
// guessed from its length: a little generous, so a moved name clears it.
LabelBox systemBox(const core::HexData& hex, QPointF centre, double r) {
    const double glyph = r * 0.35;
    LabelBox box{centre.x() - glyph, centre.y() - glyph, centre.x() + glyph, centre.y() + glyph};
    if (r < StarMapRenderer::nameThreshold)
        return box;
    const double fontSize = std::clamp(r * 0.27, 7.0, 15.0);
    const double nameWidth = static_cast<double>(hex.starSystem.name.size()) * fontSize * 0.62 / 2;
    box.left = std::min(box.left, centre.x() - nameWidth);
    box.right = std::max(box.right, centre.x() + nameWidth);
    box.top = centre.y() - r * 0.6 - fontSize * 0.7;
    box.bottom = centre.y() + r * 0.3 + fontSize * 1.4;
    if (r >= StarMapRenderer::profileThreshold)
        box.bottom = centre.y() + r * 0.62 + fontSize * 1.2;
    return box;
}

} // namespace

QPointF placeNameAmongSystems(const StarMapModel& model, const universe::MapTransform& transform,
                              double hexRadius, QPointF preferred, QSizeF size,
                              const std::vector<LabelBox>& placedNames) {
    if (hexRadius < StarMapRenderer::dotThreshold || transform.scale <= 0)
        return preferred;
    const PlacementReach reach{std::max(hexRadius * 0.75, size.height()), size.height() * 1.1, 3};
    // The systems whose boxes a name anywhere within reach could touch.
    const double spanX = size.width() / 2 + reach.rings * reach.stepX + hexRadius * 2;
    const double spanY = size.height() / 2 + reach.rings * reach.stepY + hexRadius * 2;
    const core::HexLayout layout{mapHexRadius};
    const auto mapPoint = [&](double x, double y) {
        return core::PointF{(x - transform.offsetWidth) / transform.scale,
                            (y - transform.offsetHeight) / transform.scale};
    };
    const core::GalacticCoordinates from =
        layout.coordinatesAt(mapPoint(preferred.x() - spanX, preferred.y() - spanY));
    const core::GalacticCoordinates to =
        layout.coordinatesAt(mapPoint(preferred.x() + spanX, preferred.y() + spanY));
    std::vector<LabelBox> obstacles(placedNames);
    for (int q = from.globalColumn() - 1; q <= to.globalColumn() + 1; ++q) {
        for (int r = from.globalRow() - 1; r <= to.globalRow() + 1; ++r) {
            const core::GalacticCoordinates hex = core::GalacticCoordinates::fromGlobal(q, r);
            const core::HexData* system = model.systemAt(hex);
            if (!system)
                continue;
            const core::PointF c = layout.center(hex);
            obstacles.push_back(systemBox(*system,
                                          QPointF(c.x * transform.scale + transform.offsetWidth,
                                                  c.y * transform.scale + transform.offsetHeight),
                                          hexRadius));
        }
    }
    const core::PointF placed =
        placeLabel({preferred.x(), preferred.y()}, size.width(), size.height(), obstacles, reach);
    return {placed.x, placed.y};
}

} // namespace velmora::starmap
