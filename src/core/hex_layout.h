#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace velmora::core {

struct GalacticCoordinates;

struct PointF {
    double x = 0;
    double y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

// Pixel geometry of the flat-topped hex grid, y growing downwards.
struct HexLayout {
    // Cube coordinates; the third one, y = -x - z, is implied.
    struct Cube {
        int x = 0;
        int z = 0;
        constexpr int y() const { return -x - z; }
        friend auto operator<=>(const Cube&, const Cube&) = default;
    };

    double hexRadius = 1.0;

    PointF center(const GalacticCoordinates& hex) const;
    PointF centerOfGlobal(int globalColumn, int globalRow) const;
    // Corner i is at 60·i degrees: 0 right, 1 lower right, 2 lower left, 3 left,
    // 4 upper left, 5 upper right.
    std::array<PointF, 6> corners(const GalacticCoordinates& hex) const;
    GalacticCoordinates coordinatesAt(PointF point) const;

    // Rounds fractional cube values to the nearest hex, fixing the coordinate with
    // the largest rounding error so that x + y + z stays 0.
    static Cube roundCube(double x, double y, double z);
    // A cube's centre in units of the hex radius.
    static PointF unitCenter(Cube cube);
};

using Cube = HexLayout::Cube;

// The hexes that meet at one corner point, sorted by x then z so that a point
// named from any of its hexes is the same corner.
struct HexCorner {
    std::vector<Cube> cells;

    // The mean of the cells' centres, in units of the hex radius.
    PointF unitPoint() const;
    friend bool operator==(const HexCorner&, const HexCorner&) = default;
};

} // namespace velmora::core

template <>
struct std::hash<velmora::core::Cube> {
    std::size_t operator()(const velmora::core::Cube& cube) const noexcept {
        return std::hash<long long>()((static_cast<long long>(cube.x) << 32) ^
                                      static_cast<unsigned int>(cube.z));
    }
};
