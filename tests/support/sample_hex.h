#pragma once

#include "core/hex_data.h"
#include "core/trade_classification.h"
#include "core/uuid.h"

#include <string>

namespace velmora::testing {

// A fully filled main world: every field differs from its default, so a reader or
// writer that drops a field shows up as a difference.
inline core::WorldData sampleMainWorld(std::string name = "Tessaly") {
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = std::move(name);
    world.mainWorld = true;
    world.type = core::WorldType::planet;
    world.sunOrbit = core::Orbits::starOrbit3;
    world.hzOffset = -1;
    world.uwp.starport = core::Starport::typeA;
    world.uwp.size = 7;
    world.uwp.density = 0.95;
    world.uwp.atmosphere = 8;
    world.uwp.hydrographics = 8;
    world.uwp.population = 8;
    world.uwp.government = 9;
    world.uwp.lawLevel = 9;
    world.uwp.techLevel = core::TechnologyLevel::ttl12;
    world.uwp.bases = {core::Base::imperialNavalBase, core::Base::scoutBase};
    world.uwp.populationMultiplier = 7;
    world.uwp.tags = {core::WorldTag::highport};
    world.dayLength = 21;
    world.yearLength = 9120;
    world.tideLocked = false;
    world.prevalentRace = core::Race::Kind::vilani;
    world.factionIDs = {core::Uuid::generate()};
    world.worldTags = {core::WorldTag::tradeHub, core::WorldTag::amberZone};
    world.tradeClasses = core::deriveTradeClasses(world.uwp, core::worldClimate(world), false);
    world.tradeClasses.push_back(core::TradeClass::subsectorCapital);
    world.notes = "Subsector capital.";
    world.image = "tessaly.png";
    return world;
}

// A hex with a primary and a companion star, a main world with a nested moon, a gas
// giant and a listed satellite after it.
inline core::HexData sampleHex() {
    core::WorldData moon;
    moon.id = core::Uuid::generate();
    moon.name = "Mirren";
    moon.type = core::WorldType::closeSatelliteP;
    moon.sunOrbit = core::Orbits::starOrbit3;
    moon.satelliteOrbit = core::PlanetOrbits::planetOrbitC;
    moon.uwp.size = 2;

    core::WorldData main = sampleMainWorld();
    main.satellites = {moon};

    core::WorldData giant;
    giant.id = core::Uuid::generate();
    giant.name = "Tessaly VI";
    giant.type = core::WorldType::largeGasGiant;
    giant.sunOrbit = core::Orbits::starOrbit6;
    giant.hzOffset = 3;
    giant.uwp.size = 40;
    giant.uwp.starport = core::Starport::typeY;

    core::WorldData giantMoon;
    giantMoon.id = core::Uuid::generate();
    giantMoon.name = "Tessaly VI c";
    giantMoon.type = core::WorldType::farSatelliteGG;
    giantMoon.sunOrbit = core::Orbits::starOrbit6;
    giantMoon.satelliteOrbit = core::PlanetOrbits::planetOrbitZ;
    giantMoon.hzOffset = 3;
    giantMoon.prevalentRace = core::Race::custom("Grel");

    core::Star primary;
    primary.id = core::Uuid::generate();
    primary.name = "Tessaly A";
    primary.spectralType = core::SpectralType::F;
    primary.temperature = 7;
    primary.luminosity = core::LuminosityClass::V;
    primary.mass = 1.36;
    primary.orbit = core::Orbits::starOrbitP;
    primary.worlds = {main, giant, giantMoon};

    core::Star companion;
    companion.id = core::Uuid::generate();
    companion.name = "Tessaly B";
    companion.properName = "Lesser Light";
    companion.spectralType = core::SpectralType::M;
    companion.temperature = 2;
    companion.luminosity = core::LuminosityClass::D;
    companion.mass = 0.6;
    companion.orbit = core::Orbits::starOrbit11;

    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = {-1, 2, 19, 10};
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = "Tessaly";
    hex.starSystem.stars = {primary, companion};
    hex.starSystem.gasGiant = 1;
    hex.starSystem.planetoidBelts = 2;
    hex.starSystem.totalNumberOfWorlds = 11;
    hex.starSystem.starfarers = true;
    hex.starSystem.other = true;
    hex.starSystem.surveyed = true;
    hex.notes = "Border survey, 1105";
    return hex;
}

} // namespace velmora::testing
