#pragma once

#include "core/base.h"
#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "core/trade_class.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::systems {

// What the "World Info" window is opened with: a hex, and the world in it (the main
// world when none is named).
struct WorldInfoTarget {
    core::GalacticCoordinates coordinates;
    std::optional<core::Uuid> worldID;

    // Tells windows of different targets apart: "00-1910/<id>" or "00-1910/main".
    std::string key() const;
    friend bool operator==(const WorldInfoTarget&, const WorldInfoTarget&) = default;
};

// The world a target names, with its hex and the star it orbits. Nested moons are
// found too, under the star of their parent.
struct WorldInfoSubject {
    const core::HexData* hex = nullptr;
    const core::Star* star = nullptr;
    const core::WorldData* world = nullptr;
};
std::optional<WorldInfoSubject> findWorldInfoSubject(const universe::RidivivevIzeviduv& universe,
                                                     const WorldInfoTarget& target);

// One profile digit with what it means.
struct ProfileLine {
    std::string label;   // "Size"
    std::string digit;   // "7"
    std::string meaning; // "11,200 km"
    friend bool operator==(const ProfileLine&, const ProfileLine&) = default;
};

// Every part of a profile in code order: starport, the six digits, tech level, bases.
std::vector<ProfileLine> profileExplanation(const core::UWP& uwp);

// "Imperial Naval Base".
std::string_view baseDisplayName(core::Base base);

struct TradeClassGroup {
    core::TradeClassCategory category;
    std::vector<core::TradeClass> classes;
};
// The classes under their categories, in category order; empty categories left out.
std::vector<TradeClassGroup> tradeClassesByCategory(const std::vector<core::TradeClass>& classes);

// "F7 V".
std::string spectrumText(const core::Star& star);
// "Orbit 3", "Close orbit" for a companion next to the primary, "Primary".
std::string starOrbitText(const core::Star& star, bool primary);

// "Orbit 3", with ", satellite orbit C" for a listed satellite.
std::string worldOrbitText(const core::WorldData& world);
// "In the habitable zone", "2 orbits inside the habitable zone", "1 orbit outside …".
std::string habitableZoneText(int hzOffset);
// "Temperate", "Hot", … from the world's climate.
std::string climateText(const core::WorldData& world);
// "21 hours", "Not set".
std::string hoursText(int hours);

} // namespace velmora::systems
