#pragma once

#include "core/raw_value_table.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velmora::universe {

// The palette every coloured map element draws from: factions, regions and
// labels. The declaration order is the palette index; importers hand out new
// faction colours by walking it.
enum class FactionColor {
    red,
    orangeRed,
    salmon,
    orange,
    tan,
    gold,
    yellow,
    yellowWhite,
    lime,
    green,
    mint,
    teal,
    cyan,
    blue,
    blueWhite,
    indigo,
    violet,
    lavender,
    purple,
    magenta,
    pink,
    white,
    grey,
    black,
};

inline constexpr std::size_t factionColorCount = 24;

// Components from 0 to 1.
struct RgbColor {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

inline constexpr auto factionColorTable = core::makeRawValueTable<FactionColor>(
    std::pair{FactionColor::red, "red"}, std::pair{FactionColor::orangeRed, "orangeRed"},
    std::pair{FactionColor::salmon, "salmon"}, std::pair{FactionColor::orange, "orange"},
    std::pair{FactionColor::tan, "tan"}, std::pair{FactionColor::gold, "gold"},
    std::pair{FactionColor::yellow, "yellow"}, std::pair{FactionColor::yellowWhite, "yellowWhite"},
    std::pair{FactionColor::lime, "lime"}, std::pair{FactionColor::green, "green"},
    std::pair{FactionColor::mint, "mint"}, std::pair{FactionColor::teal, "teal"},
    std::pair{FactionColor::cyan, "cyan"}, std::pair{FactionColor::blue, "blue"},
    std::pair{FactionColor::blueWhite, "blueWhite"}, std::pair{FactionColor::indigo, "indigo"},
    std::pair{FactionColor::violet, "violet"}, std::pair{FactionColor::lavender, "lavender"},
    std::pair{FactionColor::purple, "purple"}, std::pair{FactionColor::magenta, "magenta"},
    std::pair{FactionColor::pink, "pink"}, std::pair{FactionColor::white, "white"},
    std::pair{FactionColor::grey, "grey"}, std::pair{FactionColor::black, "black"});

// Indexed by palette index.
inline constexpr std::array<RgbColor, factionColorCount> factionColorComponents{{
    {1.0, 0.3, 0.3},    // red
    {1.0, 0.55, 0.38},  // orangeRed
    {1.0, 0.63, 0.56},  // salmon
    {1.0, 0.76, 0.43},  // orange
    {0.85, 0.72, 0.55}, // tan
    {1.0, 0.84, 0.36},  // gold
    {1.0, 0.92, 0.58},  // yellow
    {1.0, 0.88, 0.8},   // yellowWhite
    {0.72, 0.98, 0.42}, // lime
    {0.2, 0.78, 0.35},  // green
    {0.55, 1.0, 0.8},   // mint
    {0.25, 0.78, 0.72}, // teal
    {0.35, 0.88, 0.95}, // cyan
    {0.61, 0.71, 1.0},  // blue
    {0.75, 0.83, 1.0},  // blueWhite
    {0.52, 0.56, 0.98}, // indigo
    {0.68, 0.48, 1.0},  // violet
    {0.8, 0.78, 1.0},   // lavender
    {0.69, 0.32, 0.87}, // purple
    {1.0, 0.38, 0.85},  // magenta
    {0.84, 0.5, 0.5},   // pink
    {0.94, 0.96, 1.0},  // white
    {0.62, 0.66, 0.72}, // grey
    {0.04, 0.06, 0.1},  // black
}};

static_assert(factionColorTable.size() == factionColorCount);

constexpr std::size_t paletteIndex(FactionColor color) {
    return static_cast<std::size_t>(color);
}

// The palette entry at any index, wrapping around, so the 25th colour handed
// out is the first again.
constexpr FactionColor factionColorAt(std::size_t index) {
    return static_cast<FactionColor>(index % factionColorCount);
}

constexpr std::string_view rawValue(FactionColor color) {
    return factionColorTable.text(color);
}

constexpr std::optional<FactionColor> factionColorFromRawValue(std::string_view text) {
    return factionColorTable.value(text);
}

constexpr RgbColor rgb(FactionColor color) {
    return factionColorComponents[paletteIndex(color)];
}

// The palette colour closest to an arbitrary colour (Euclidean distance in RGB,
// components 0-1). On a tie the earlier palette entry wins, so the answer never
// depends on the order of a comparison.
constexpr FactionColor nearestFactionColor(double red, double green, double blue) {
    std::size_t best = 0;
    double bestDistance = 0.0;
    for (std::size_t i = 0; i < factionColorCount; ++i) {
        const RgbColor& c = factionColorComponents[i];
        const double dr = red - c.red;
        const double dg = green - c.green;
        const double db = blue - c.blue;
        const double distance = dr * dr + dg * dg + db * db;
        if (i == 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return factionColorAt(best);
}

} // namespace velmora::universe
