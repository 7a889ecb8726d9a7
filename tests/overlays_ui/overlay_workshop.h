#pragma once

#include "support/sample_hex.h"
#include "support/universe_installation.h"

#include <string>

namespace velmora::testing {

// A hex holding a named system, on Traveller tech levels or not.
inline core::HexData systemAt(const std::string& name, core::GalacticCoordinates where,
                              bool traveller = true) {
    core::HexData hex = sampleHex();
    hex.id = core::Uuid::generate();
    hex.coordinates = where;
    hex.starSystem.name = name;
    if (core::WorldData* world = core::mainWorld(hex.starSystem))
        world->uwp.techLevel =
            traveller ? core::TechnologyLevel::ttl12 : core::TechnologyLevel::tl4;
    return hex;
}

inline universe::Faction factionNamed(const std::string& name, universe::FactionColor color) {
    universe::Faction faction;
    faction.id = core::Uuid::generate();
    faction.name = name;
    faction.color = color;
    return faction;
}

// A universe installed as the app keeps it (see UniverseInstallation), with the
// view context the overlay views are handed in the app.
struct OverlayWorkshop : UniverseInstallation {
    using UniverseInstallation::UniverseInstallation;

    // What a fresh start of the program would read.
    universe::UniverseRecord onDisk() const { return stored(); }
};

} // namespace velmora::testing
