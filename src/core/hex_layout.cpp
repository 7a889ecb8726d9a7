#include "core/hex_layout.h"

#include "core/galactic_coordinates.h"

#include <cmath>
#include <numbers>

namespace velmora::core {

PointF HexLayout::centerOfGlobal(int q, int r) const {
    const double shift = floorMod(q, 2) == 1 ? 0.5 : 0.0;
    return {1.5 * hexRadius * q, std::numbers::sqrt3 * hexRadius * (r + shift)};
}

PointF HexLayout::center(const GalacticCoordinates& hex) const {
    return centerOfGlobal(hex.globalColumn(), hex.globalRow());
}

std::array<PointF, 6> HexLayout::corners(const GalacticCoordinates& hex) const {
    const PointF c = center(hex);
    std::array<PointF, 6> points;
    for (int i = 0; i < 6; ++i) {
        const double angle = std::numbers::pi / 3.0 * i;
        points[static_cast<std::size_t>(i)] = {c.x + hexRadius * std::cos(angle),
                                               c.y + hexRadius * std::sin(angle)};
    }
    return points;
}

HexLayout::Cube HexLayout::roundCube(double x, double y, double z) {
    double rx = std::round(x);
    double ry = std::round(y);
    double rz = std::round(z);
    const double dx = std::abs(rx - x);
    const double dy = std::abs(ry - y);
    const double dz = std::abs(rz - z);
    if (dx > dy && dx > dz)
        rx = -ry - rz;
    else if (dz < dy)
        ry = -rx - rz;
    else
        rz = -rx - ry;
    (void)ry;
    return Cube{static_cast<int>(rx), static_cast<int>(rz)};
}

GalacticCoordinates HexLayout::coordinatesAt(PointF point) const {
    const double q = (2.0 / 3.0 * point.x) / hexRadius;
    const double r = (std::numbers::sqrt3 / 3.0 * point.y - point.x / 3.0) / hexRadius;
    const Cube cube = roundCube(q, -q - r, r);
    return GalacticCoordinates::fromGlobal(cube.x, cube.z + floorDiv(cube.x, 2));
}

PointF HexLayout::unitCenter(Cube cube) {
    return {1.5 * cube.x, std::numbers::sqrt3 * (0.5 * cube.x + cube.z)};
}

PointF HexCorner::unitPoint() const {
    if (cells.empty())
        return {};
    PointF sum;
    for (const Cube& cell : cells) {
        const PointF c = HexLayout::unitCenter(cell);
        sum.x += c.x;
        sum.y += c.y;
    }
    return {sum.x / static_cast<double>(cells.size()), sum.y / static_cast<double>(cells.size())};
}

} // namespace velmora::core
