#pragma once

#include "core/galactic_coordinates.h"
#include "core/star_system.h"
#include "core/world_tag.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::systems {

inline constexpr std::string_view unnamedSystemText = "Unnamed System";
inline constexpr std::string_view unnamedWorldText = "Unnamed World";

// The system's name, or "Unnamed System" when it has none.
std::string systemDisplayName(const core::StarSystem& system);
// The world's name, or "Unnamed World".
std::string worldDisplayName(const core::WorldData& world);

// The texts of the awareness groups: a universe on Traveller tech levels calls the
// first two "Imperium" and "Zhodani".
struct AwarenessLabels {
    std::string_view starfarers;
    std::string_view sathar;
    std::string_view other;
};
AwarenessLabels awarenessLabels(bool travellerUniverse);

// "3 worlds", "1 world": the plural adds an "s" whenever the count is not one.
std::string countText(long long count, std::string_view noun);

// "HEX: Spin 1910 [00-C]": the location as the universe writes it, then the grid
// sector code and the subsector letter.
std::string worldHexHeader(const universe::RidivivevIzeviduv& universe,
                           const core::GalacticCoordinates& coordinates);

// A head count for reading: exact with thousands separators below a million,
// then "12.5 million", "3 billion" and so on.
std::string populationFigureText(double people);

// "1,234,567".
std::string groupedDigits(std::uint64_t value);

using core::worldTagDisplayName;

} // namespace velmora::systems
