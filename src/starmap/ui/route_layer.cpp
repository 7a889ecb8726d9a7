#include "starmap/ui/route_layer.h"

#include "core/hex_layout.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>

namespace velmora::starmap {

namespace {

QColor routeColor() {
    return QColor(255, 170, 40);
}

} // namespace

// Both strokes are opaque, so the route costs a frame no more than a few rutters.
void drawPinnedRoute(QPainter& painter, const universe::MapTransform& transform,
                     const MapRect& visible, double hexRadius,
                     const std::vector<core::GalacticCoordinates>& route) {
    if (route.empty())
        return;
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(route.size()));
    MapRect box{1e300, 1e300, -1e300, -1e300};
    for (const core::GalacticCoordinates& hex : route) {
        const core::PointF at = core::HexLayout{mapHexRadius}.center(hex);
        box = {std::min(box.left, at.x - mapHexRadius), std::min(box.top, at.y - mapHexRadius),
               std::max(box.right, at.x + mapHexRadius), std::max(box.bottom, at.y + mapHexRadius)};
        line << QPointF(at.x * transform.scale + transform.offsetWidth,
                        at.y * transform.scale + transform.offsetHeight);
    }
    if (!visible.intersects(box))
        return;
    QPainter& p = painter;
    p.save();
    const double r = hexRadius;
    const double width = std::clamp(r * 0.14, 2.0, 7.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 12, 0), width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);
    p.setPen(QPen(routeColor(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);
    const double ring = std::max(4.0, r * 0.62);
    p.setPen(QPen(routeColor(), std::max(1.5, width * 0.6)));
    for (const QPointF& stop : line)
        p.drawEllipse(stop, ring, ring);
    p.restore();
}

} // namespace velmora::starmap
