#include "starmap/ui/grid_picture.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace velmora;
using namespace velmora::starmap;

namespace {

const QSize frameSize(320, 240);

QImage transparentFrame() {
    QImage image(frameSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage fromPicture(HexGridPicture& picture, const universe::MapTransform& transform,
                   bool subsectorLines) {
    QImage image = transparentFrame();
    QPainter painter(&image);
    picture.draw(painter, transform, QSizeF(frameSize), subsectorLines);
    return image;
}

// Every edge of every hex the frame touches, stroked one by one.
QImage stroked(const universe::MapTransform& transform) {
    QImage image = transparentFrame();
    QPainter painter(&image);
    painter.setPen(hexGridPen(mapHexRadius * transform.scale));
    const MapRect visible{-transform.offsetWidth / transform.scale,
                          -transform.offsetHeight / transform.scale,
                          (frameSize.width() - transform.offsetWidth) / transform.scale,
                          (frameSize.height() - transform.offsetHeight) / transform.scale};
    painter.drawLines(hexGridLines(StarMapModel::hexRangeOf(visible), transform));
    return image;
}

bool lit(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qAlpha(image.pixel(x, y)) > 0;
}

bool litNear(const QImage& image, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (lit(image, x + dx, y + dy))
                return true;
    return false;
}

// Pixels lit in `a` with nothing lit within a pixel of them in `b`. The frame's
// outermost pixels are left out: a line there may be rounded off the frame.
int strays(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 1; y < a.height() - 1; ++y)
        for (int x = 1; x < a.width() - 1; ++x)
            if (lit(a, x, y) && !litNear(b, x, y))
                ++count;
    return count;
}

} // namespace

// The picture stands in for stroking the grid while the map is panned and zoomed:
// wherever the frame lies, its lines must be the stroked ones, give or take the
// half pixel the blit rounds to. A picture off by a period's phase (odd columns
// half a row lower, a subsector's width) would put lines half a hex away.
TEST(HexGridPicture, LinesLieWhereStrokingPutsThemWhereverTheMapIsPanned) {
    HexGridPicture picture;
    int frames = 0;
    for (const double hexRadius : {11.0, 26.5}) {
        const double scale = hexRadius / mapHexRadius;
        for (const auto& [x, y] : {std::pair{0.0, 0.0}, std::pair{-137.4, -58.9},
                                   std::pair{-4021.7, -9876.2}, std::pair{833.3, 1207.6}}) {
            SCOPED_TRACE(::testing::Message()
                         << "hex radius " << hexRadius << " at " << x << ", " << y);
            const universe::MapTransform transform{scale, x, y};
            const QImage blitted = fromPicture(picture, transform, false);
            const QImage reference = stroked(transform);
            EXPECT_EQ(strays(blitted, reference), 0);
            EXPECT_EQ(strays(reference, blitted), 0);
            ++frames;
        }
    }
    EXPECT_EQ(frames, 8);
}

// The dashed subsector lines run only along the edges of subsectors: every eight
// columns, halfway through the zigzag left of the first, and every ten rows, a
// quarter of a row above the first.
TEST(HexGridPicture, SubsectorLinesFollowTheSubsectorsEdges) {
    HexGridPicture picture;
    const double scale = 11.0 / mapHexRadius;
    const universe::MapTransform transform{scale, -2345.6, -789.1};
    const QImage plain = fromPicture(picture, transform, false);
    const QImage lined = fromPicture(picture, transform, true);
    const double columnWidth = 1.5 * mapHexRadius * scale;
    const double rowHeight = std::numbers::sqrt3 * mapHexRadius * scale;
    const auto nearEdge = [](double at, double first, double period) {
        const double phase = std::fmod(at - first, period);
        const double distance = std::min(std::abs(phase), period - std::abs(phase));
        return distance <= 1.5;
    };
    int dashes = 0;
    for (int y = 0; y < lined.height(); ++y) {
        for (int x = 0; x < lined.width(); ++x) {
            if (!lit(lined, x, y) || lit(plain, x, y))
                continue;
            ++dashes;
            const bool vertical =
                nearEdge(x, transform.offsetWidth - columnWidth / 2, 8 * columnWidth);
            const bool horizontal =
                nearEdge(y, transform.offsetHeight - rowHeight / 4, 10 * rowHeight);
            EXPECT_TRUE(vertical || horizontal) << "a dash at " << x << ", " << y;
        }
    }
    EXPECT_GT(dashes, 100);
}
