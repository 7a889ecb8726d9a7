#pragma once

#include "core/hex_layout.h"

#include <cstddef>
#include <functional>
#include <string>

namespace velmora::core {

inline constexpr int sectorColumns = 32;
inline constexpr int sectorRows = 40;

// The address of one hex: a sector of the unbounded sector grid, and a column
// and row inside it. A larger sectorY lies further up the map.
struct GalacticCoordinates {
    int sectorX = 0;
    int sectorY = 0;
    int column = 0; // 1-32
    int row = 0;    // 1-40

    // Global hex index: q grows to the right, r grows downwards.
    int globalColumn() const { return sectorX * sectorColumns + (column - 1); }
    int globalRow() const { return (row - 1) - sectorY * sectorRows; }

    // "00-1910": the sector code, a dash and the hex number.
    std::string description() const;
    // "00": sectorX then sectorY, negative numbers as letters (-1 "A", -2 "B", ...).
    std::string sectorCode() const;
    // "1910": column then row, two digits each.
    std::string hexNumber() const;
    // 'A'...'P' row by row from the top left; '?' past 'P'.
    char subsectorLetter() const;

    Cube cube() const; // defined below, inline: the route planner and map call it in hot loops

    static GalacticCoordinates fromGlobal(int globalColumn, int globalRow);

    friend auto operator<=>(const GalacticCoordinates&, const GalacticCoordinates&) = default;
};

// Floor division and a modulo that is never negative.
constexpr int floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr int floorMod(int a, int b) {
    return a - floorDiv(a, b) * b;
}

// Cube of a global column and row. Odd global columns sit half a hex lower, which
// makes the even-numbered columns of every sector the lower ones; since 32 is even
// the shift is the same in every sector and needs no special case at the borders.
constexpr Cube cubeOfGlobal(int globalColumn, int globalRow) {
    return Cube{globalColumn, globalRow - floorDiv(globalColumn, 2)};
}

inline Cube GalacticCoordinates::cube() const {
    return cubeOfGlobal(globalColumn(), globalRow());
}

constexpr int distance(Cube from, Cube to) {
    const int dx = from.x - to.x;
    const int dz = from.z - to.z;
    const int dy = -dx - dz;
    return ((dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy) + (dz < 0 ? -dz : dz)) / 2;
}

// Parsecs (hex steps) between two hexes, across sector borders.
inline int distance(const GalacticCoordinates& from, const GalacticCoordinates& to) {
    return distance(from.cube(), to.cube());
}

} // namespace velmora::core

template <>
struct std::hash<velmora::core::GalacticCoordinates> {
    std::size_t operator()(const velmora::core::GalacticCoordinates& c) const noexcept {
        std::size_t h = static_cast<std::size_t>(c.sectorX) * 0x9E3779B97F4A7C15ULL;
        h ^= static_cast<std::size_t>(c.sectorY) + 0x7F4A7C159E3779B9ULL + (h << 6) + (h >> 2);
        h ^= static_cast<std::size_t>(c.column * 64 + c.row) + (h << 6) + (h >> 2);
        return h;
    }
};
