#pragma once

#include "universe/region.h"

#include <string_view>
#include <vector>

namespace velmora::sector_io {

// The regions a sector file carries in its region block, moved by the distance
// between the sector they were written for and the one they are read into.
std::vector<universe::Region> regionsFromSECText(std::string_view text, int sectorX, int sectorY);

} // namespace velmora::sector_io
