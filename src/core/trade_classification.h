#pragma once

#include "core/trade_class.h"

#include <vector>

namespace velmora::core {

struct UWP;
struct WorldData;

// A world's climate is a small number; each value but temperate and none adds a
// trade class.
namespace climate {
inline constexpr int twilightZone = 0; // Tz
inline constexpr int hot = 1;          // Ho
inline constexpr int tropic = 2;       // Tr
inline constexpr int temperate = 3;
inline constexpr int tundra = 4; // Tu
inline constexpr int cold = 5;   // Co
inline constexpr int frozen = 6; // Fr, on worlds of size 2-9 with some liquid only
inline constexpr int none = 7;   // no climate at all
} // namespace climate

// From the world's orbits, its distance from the habitable zone and its profile.
int worldClimate(const WorldData& world);

// The planetary, population, economic and climate classes of a profile, in a fixed
// order, with `locked` last for a tide-locked world. The secondary, political and
// special classes are never derived.
std::vector<TradeClass> deriveTradeClasses(const UWP& uwp, int climateValue, bool tideLocked);

// The derived classes again, keeping the secondary, political and special classes the
// world already carries (they come from imports or the referee) after them.
std::vector<TradeClass> rederiveTradeClasses(const WorldData& world);

struct HydrographicsRange {
    int minimum = 0;
    int maximum = 0;
    friend bool operator==(const HydrographicsRange&, const HydrographicsRange&) = default;
};

// The hydrographics values the editor offers for a size and atmosphere.
HydrographicsRange hydrographicsRange(int size, int atmosphere);

} // namespace velmora::core
