#pragma once

#include "universe/faction_color.h"

#include <optional>
#include <string_view>

namespace velmora::sector_io {

// A colour as sector data writes it: "#RRGGBB", "#RGB", "#AARRGGBB", or a CSS/SVG
// colour name in any casing ("Blue", "LightGrey"). Components 0-1.
std::optional<universe::RgbColor> parseColorText(std::string_view text);

// The palette colour nearest to a colour text; white when the text is no colour.
universe::FactionColor nearestPaletteColor(std::string_view text);

} // namespace velmora::sector_io
