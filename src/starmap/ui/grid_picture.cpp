#include "starmap/ui/grid_picture.h"

#include "core/hex_layout.h"
#include "starmap/ui/starmap_renderer.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace velmora::starmap {

namespace {

constexpr int subsectorColumns = 8;
constexpr int subsectorRows = 10;
constexpr double columnWidth = 1.5 * mapHexRadius;
const double rowHeight = std::numbers::sqrt3 * mapHexRadius;

// One period of the grid in map units: a subsector, whose top left corner is
// halfway through the zigzag left of its first column and above its first row.
const core::PointF period{subsectorColumns * columnWidth, subsectorRows* rowHeight};
const core::PointF periodCorner{-columnWidth / 2, -rowHeight / 4};

} // namespace

const std::array<QPointF, 6>& unitHexCorners() {
    static const std::array<QPointF, 6> corners = [] {
        std::array<QPointF, 6> result;
        for (int i = 0; i < 6; ++i) {
            const double angle = std::numbers::pi / 3.0 * i;
            result[static_cast<std::size_t>(i)] = QPointF(std::cos(angle), std::sin(angle));
        }
        return result;
    }();
    return corners;
}

QVector<QLineF> hexGridLines(const HexRange& range, const universe::MapTransform& transform) {
    QVector<QLineF> lines;
    if (range.isEmpty())
        return lines;
    lines.reserve(static_cast<qsizetype>((range.lastColumn - range.firstColumn + 1) *
                                             (range.lastRow - range.firstRow + 1) * 3 +
                                         64));
    const core::HexLayout layout{mapHexRadius};
    const double r = mapHexRadius * transform.scale;
    const auto& corners = unitHexCorners();
    for (int q = range.firstColumn; q <= range.lastColumn; ++q) {
        for (int row = range.firstRow; row <= range.lastRow; ++row) {
            const core::PointF m = layout.centerOfGlobal(q, row);
            const QPointF c(m.x * transform.scale + transform.offsetWidth,
                            m.y * transform.scale + transform.offsetHeight);
            const auto h = [&](int i) { return c + corners[static_cast<std::size_t>(i)] * r; };
            lines << QLineF(h(0), h(5)) << QLineF(h(5), h(4)) << QLineF(h(4), h(3));
            if (row == range.lastRow)
                lines << QLineF(h(0), h(1)) << QLineF(h(1), h(2)) << QLineF(h(2), h(3));
            else if (q == range.lastColumn)
                lines << QLineF(h(0), h(1));
        }
    }
    return lines;
}

QPen hexGridPen(double hexRadius) {
    return QPen(QColor(70, 92, 130, hexRadius < 8 ? 110 : 170), 0);
}

QPen subsectorPen() {
    QPen pen(QColor(110, 135, 180, 90));
    pen.setStyle(Qt::DashLine);
    pen.setWidthF(0.8);
    return pen;
}

void HexGridPicture::draw(QPainter& painter, const universe::MapTransform& transform,
                          QSizeF frameSize, bool subsectorLines) {
    const Key key{transform.scale, frameSize, painter.device()->devicePixelRatioF(),
                  subsectorLines};
    if (!(key == m_key) || m_picture.isNull())
        paint(key);
    // The corner of the period at or above and left of the frame's top left.
    const double left = -transform.offsetWidth / transform.scale;
    const double top = -transform.offsetHeight / transform.scale;
    const double cornerX =
        periodCorner.x + std::floor((left - periodCorner.x) / period.x) * period.x;
    const double cornerY =
        periodCorner.y + std::floor((top - periodCorner.y) / period.y) * period.y;
    // Whole pixels keep the blit on its fast path; the grid moves at most half a pixel.
    painter.drawImage(
        QPoint(static_cast<int>(std::lround(cornerX * transform.scale + transform.offsetWidth)),
               static_cast<int>(std::lround(cornerY * transform.scale + transform.offsetHeight))),
        m_picture);
}

void HexGridPicture::paint(const Key& key) {
    m_key = key;
    const double scale = key.scale;
    // A period more than the frame, and a pixel for rounding, in each direction.
    const QSizeF size(key.frameSize.width() + period.x * scale + 2,
                      key.frameSize.height() + period.y * scale + 2);
    m_picture = QImage(static_cast<int>(std::ceil(size.width() * key.pixelRatio)),
                       static_cast<int>(std::ceil(size.height() * key.pixelRatio)),
                       QImage::Format_ARGB32_Premultiplied);
    m_picture.setDevicePixelRatio(key.pixelRatio);
    m_picture.fill(Qt::transparent);

    // The picture's top left is the corner of the subsector holding global hex 0,0.
    const universe::MapTransform local{scale, -periodCorner.x * scale, -periodCorner.y * scale};
    const int columns = static_cast<int>(std::ceil(size.width() / (columnWidth * scale)));
    const int rows = static_cast<int>(std::ceil(size.height() / (rowHeight * scale)));
    // Start on an even column: odd columns sit half a row lower.
    const HexRange range{-2, columns + 2, -2, rows + 2};
    QPainter p(&m_picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(hexGridPen(mapHexRadius * scale));
    p.drawLines(hexGridLines(range, local));
    if (key.subsectorLines) {
        // Each subsector's edges as dashes of their own, so the dashes do not crawl
        // when the picture moves on by a period.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(subsectorPen());
        const double width = period.x * scale;
        const double height = period.y * scale;
        for (double x = 0; x <= size.width(); x += width) {
            for (double y = 0; y <= size.height(); y += height) {
                p.drawLine(QPointF(x, y), QPointF(x, y + height));
                p.drawLine(QPointF(x, y), QPointF(x + width, y));
            }
        }
    }
}

} // namespace velmora::starmap
