#pragma once

#include "universe/nebula.h"
#include "universe/region.h"
#include "universe/starmap_label.h"

#include <string>
#include <string_view>

namespace velmora::universe {

// How the map's overlays are named wherever they are listed, edited or undone.
inline constexpr std::string_view unnamedNebulaText = "Unnamed Nebula";
inline constexpr std::string_view unnamedLabelText = "Unnamed Label";
inline constexpr std::string_view unnamedRegionText = "Unnamed Region";

std::string regionDisplayName(const Region& region);
std::string nebulaDisplayName(const Nebula& nebula);
std::string labelDisplayName(const StarmapLabel& label);

} // namespace velmora::universe
