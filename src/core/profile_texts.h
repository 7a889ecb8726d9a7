#pragma once

#include <string_view>

namespace velmora::core {

// Short texts that explain each digit of a profile, for the world panel, the profile
// reference and the world summary. A value outside a table reads "Undefined".
std::string_view sizeText(int size);
std::string_view atmosphereText(int atmosphere);
std::string_view hydrographicsText(int hydrographics);
std::string_view populationText(int population);
std::string_view governmentText(int government);
// Above 18 the law level reads "Extreme".
std::string_view lawLevelText(int lawLevel);

// The profile reference's longer line: the government's name, a full stop and a
// sentence on how such a world is run.
std::string_view governmentDescription(int government);

} // namespace velmora::core
