#pragma once

#include "starmap/starmap_model.h"
#include "universe/map_view_settings.h"

#include <QImage>
#include <QLineF>
#include <QPen>
#include <QSizeF>
#include <QVector>
#include <array>

class QPainter;

namespace velmora::starmap {

// Corner i of a hex of radius 1 centred on the origin, at 60·i degrees.
const std::array<QPointF, 6>& unitHexCorners();

// The hex grid's edges for a range of hexes, on screen under `transform`. Three
// edges per hex (upper right, top, upper left) give every shared edge once; the
// last row and column close the range.
QVector<QLineF> hexGridLines(const HexRange& range, const universe::MapTransform& transform);
// Thin grid lines look the same unsmoothed and draw several times faster; they
// fade at the widest zooms that still show them.
QPen hexGridPen(double hexRadius);
// The dashed lines between subsectors, helpful at the middle zooms.
QPen subsectorPen();

// The grid repeats every subsector, so one picture a period larger than the frame
// serves every frame of a zoom: panning blits it at the period's offset instead of
// stroking ten thousand edges (translucent strokes are among the slowest things a
// raster painter does). Only for frames whose every hex lies in the grid's area;
// at its edges the renderer strokes the lines itself.
class HexGridPicture {
public:
    void draw(QPainter& painter, const universe::MapTransform& transform, QSizeF frameSize,
              bool subsectorLines);

private:
    struct Key {
        double scale = 0;
        QSizeF frameSize;
        qreal pixelRatio = 0;
        bool subsectorLines = false;
        friend bool operator==(const Key&, const Key&) = default;
    };
    void paint(const Key& key);

    Key m_key;
    QImage m_picture;
};

} // namespace velmora::starmap
