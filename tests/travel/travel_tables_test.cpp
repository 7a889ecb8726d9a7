#include "travel/travel_tables.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace velmora;

namespace {

core::WorldData body(std::string name, int size, core::Orbits orbit,
                     core::WorldType type = core::WorldType::planet,
                     core::PlanetOrbits satelliteOrbit = core::PlanetOrbits::planetOrbit0) {
    core::WorldData w;
    w.id = core::Uuid::generate();
    w.name = std::move(name);
    w.type = type;
    w.uwp.size = size;
    w.sunOrbit = orbit;
    w.satelliteOrbit = satelliteOrbit;
    return w;
}

// Regina A (G V) with Regina at orbit 0 (0.2 AU), its moon Ruie at orbit A, a belt at
// orbit 4 and a giant at orbit 10; the companion Regina B (M V) at orbit 8 has a
// size-0 rock at its orbit 2.
core::HexData regina() {
    core::HexData hex;
    hex.coordinates = {0, 0, 19, 10};
    core::Star a;
    a.id = core::Uuid::generate();
    a.name = "Regina A";
    a.worlds = {body("Regina", 8, core::Orbits::starOrbit0),
                body("Ruie", 2, core::Orbits::starOrbit0, core::WorldType::closeSatelliteP,
                     core::PlanetOrbits::planetOrbitA),
                body("Belt", 0, core::Orbits::starOrbit4, core::WorldType::planetoidBelt),
                body("Giant", 21, core::Orbits::starOrbit10, core::WorldType::smallGasGiant)};
    a.worlds[0].mainWorld = true;
    core::Star b;
    b.id = core::Uuid::generate();
    b.name = "Regina B";
    b.spectralType = core::SpectralType::M;
    b.orbit = core::Orbits::starOrbit8;
    b.worlds = {body("", 0, core::Orbits::starOrbit2)};
    hex.starSystem.stars = {a, b};
    return hex;
}

} // namespace

TEST(TravelTables, JumpPointsOfEveryBodyWithASurface) {
    const auto rows = travel::jumpPointRows(regina());
    // The belt and the size-0 rock have no surface; Regina and Ruie sit inside the
    // sun's shadow and say so; the giant at 77.2 AU needs only its own 100 D.
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].title, "Regina");
    EXPECT_NEAR(rows[0].distanceKm, 248'620'425.86, 1e-3);
    EXPECT_TRUE(rows[0].subtitle.ends_with(" \u00b7 clears Regina A\u2019s 100 D"))
        << rows[0].subtitle;
    EXPECT_EQ(rows[1].title, "Ruie");
    EXPECT_EQ(rows[2].title, "Giant");
    EXPECT_DOUBLE_EQ(rows[2].distanceKm, 3'218'688);
    EXPECT_EQ(rows[2].subtitle.find("clears"), std::string::npos);

    core::HexData empty = regina();
    empty.starSystem.stars[0].worlds = {empty.starSystem.stars[0].worlds[2]};
    EXPECT_TRUE(travel::jumpPointRows(empty).empty());
}

TEST(TravelTables, BodiesForTheTransitPickers) {
    const core::HexData hex = regina();
    const auto bodies = travel::travelBodies(hex);
    ASSERT_EQ(bodies.size(), 5u);
    EXPECT_EQ(bodies[1].title, "\u21b3 Ruie");
    EXPECT_EQ(bodies[4].title, "Unnamed world");
    EXPECT_EQ(bodies[4].body.star, &hex.starSystem.stars[1]);
    EXPECT_EQ(travel::findBody(bodies, bodies[3].id), &bodies[3]);
    EXPECT_EQ(travel::transitHeading(bodies[1], bodies[3]), "Ruie \u2192 Giant");
    // Ruie at orbit A circles 4 planet diameters out: 4 × 12,874.752 km.
    EXPECT_EQ(
        travel::distanceText(travel::interplanetaryDistanceKm(bodies[0].body, bodies[1].body)),
        "Distance 51,499 km");
    // Orbits 0 and 10: 77.2 − 0.2 = 77.0 AU.
    EXPECT_EQ(
        travel::distanceText(travel::interplanetaryDistanceKm(bodies[0].body, bodies[3].body)),
        "Distance 77.0 AU");
}

TEST(TravelTables, WindowTargetsAndTexts) {
    const travel::InterplanetaryTravelTarget target{{-1, 2, 3, 4}, core::Uuid::generate()};
    const nlohmann::json json = target;
    EXPECT_EQ(json["coordinates"]["sectorX"], -1);
    EXPECT_EQ(json["fromWorldID"], target.fromWorldID->toString());
    EXPECT_EQ(json.get<travel::InterplanetaryTravelTarget>(), target);
    const auto lenient = nlohmann::json::parse(R"({"coordinates": {"column": 7}})")
                             .get<travel::InterplanetaryTravelTarget>();
    EXPECT_EQ(lenient, (travel::InterplanetaryTravelTarget{{0, 0, 7, 0}, std::nullopt}));

    EXPECT_EQ(travel::travelWindowTitle("REG 1910", false), "HEX REG 1910 \u00b7 Travel times");
    EXPECT_EQ(travel::travelWindowTitle("00-1910", true),
              "HEX 00-1910 \u00b7 Interplanetary travel");
    EXPECT_EQ(travel::addTravelTimeHelp(false), "Select a campaign to add this travel time");
}
