#include "campaign/party_location.h"
#include "sample_campaign.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::campaign;
using core::Orbits;
using core::PlanetOrbits;
using velmora::testing::sampleCampaign;

namespace {

core::WorldData world(const std::string& name, Orbits orbit, bool main = false) {
    core::WorldData w;
    w.id = core::Uuid::generate();
    w.name = name;
    w.sunOrbit = orbit;
    w.mainWorld = main;
    return w;
}

// Two stars: the primary with a gas giant and its moon, the companion with the main world.
core::HexData twoStarSystem() {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = {0, 0, 19, 10};
    hex.starSystem.name = "Regina";
    core::Star primary;
    primary.name = "Regina A";
    primary.spectralType = core::SpectralType::F;
    primary.temperature = 7;
    primary.luminosity = core::LuminosityClass::V;
    core::WorldData giant = world("Assiniboia", Orbits::starOrbit5);
    core::WorldData moon = world("", Orbits::starOrbit5);
    moon.satelliteOrbit = PlanetOrbits::planetOrbitB;
    giant.satellites.push_back(moon);
    primary.worlds = {world("Pike", Orbits::starOrbit1), giant};
    core::Star companion;
    companion.name = "Regina B";
    companion.properName = "Ember";
    companion.spectralType = core::SpectralType::M;
    companion.temperature = 0;
    companion.luminosity = core::LuminosityClass::D;
    companion.worlds = {world("Regina", Orbits::starOrbit3, true)};
    hex.starSystem.stars = {primary, companion};
    return hex;
}

} // namespace

TEST(PartyLocation, ArrivingStandsAtTheMainWorld) {
    Campaign c = sampleCampaign();
    EXPECT_EQ(partyLocationText(c), "Nowhere yet");
    const core::HexData hex = twoStarSystem();
    setPartyHex(c, hex);
    ASSERT_TRUE(c.hex);
    EXPECT_EQ(c.hex->id, hex.id);
    EXPECT_EQ(c.starIndex, 1);
    EXPECT_EQ(c.orbit, Orbits::starOrbit3);
    EXPECT_EQ(c.planetOrbit, PlanetOrbits::planetOrbit0);
    EXPECT_EQ(partyLocationText(c), "Regina (00-1910)");

    // Without a main world the party stands at the primary, at no orbit.
    core::HexData plain = hex;
    plain.starSystem.stars[1].worlds[0].mainWorld = false;
    plain.starSystem.name.clear();
    setPartyHex(c, plain);
    EXPECT_EQ(c.starIndex, 0);
    EXPECT_FALSE(c.orbit);
    EXPECT_FALSE(c.planetOrbit);
    EXPECT_EQ(partyLocationText(c), "00-1910");

    clearPartyHex(c);
    EXPECT_FALSE(c.hex);
    EXPECT_EQ(partyLocationText(c), "Nowhere yet");
}

TEST(PartyLocation, StarsAndOrbitsAreListedFromTheSystem) {
    const core::HexData hex = twoStarSystem();
    EXPECT_EQ(starLabel(hex.starSystem.stars[0], 0), "Primary: Regina A (F7 V)");
    EXPECT_EQ(starLabel(hex.starSystem.stars[1], 1), "Companion 1: Ember (M0 D)");

    const std::vector<OrbitChoice> expected = {
        {Orbits::starOrbit1, PlanetOrbits::planetOrbit0, "Orbit 1: Pike"},
        {Orbits::starOrbit5, PlanetOrbits::planetOrbit0, "Orbit 5: Assiniboia"},
        {Orbits::starOrbit5, PlanetOrbits::planetOrbitB, "Orbit 5 / B: Unnamed world"},
    };
    EXPECT_EQ(orbitChoices(hex, 0), expected);
    EXPECT_EQ(orbitChoices(hex, 1).size(), 1u);
    EXPECT_TRUE(orbitChoices(hex, 2).empty());
    EXPECT_TRUE(orbitChoices(hex, -1).empty());
}

TEST(PartyLocation, StarOrbitTravelAndHoursChangeOnlyWhatTheySay) {
    Campaign c = sampleCampaign();
    setPartyStar(c, 1); // no system yet: nothing to choose from
    EXPECT_EQ(c.starIndex, 0);

    setPartyHex(c, twoStarSystem());
    setPartyStar(c, 7);
    EXPECT_EQ(c.starIndex, 1);
    EXPECT_EQ(c.orbit, Orbits::starOrbit3);
    // Another star: the old star's orbit no longer applies.
    setPartyStar(c, 0);
    EXPECT_EQ(c.starIndex, 0);
    EXPECT_FALSE(c.orbit);

    setPartyOrbit(c, orbitChoices(*c.hex, 0)[2]);
    EXPECT_EQ(c.orbit, Orbits::starOrbit5);
    EXPECT_EQ(c.planetOrbit, PlanetOrbits::planetOrbitB);
    setPartyOrbit(c, std::nullopt);
    EXPECT_FALSE(c.orbit);
    EXPECT_FALSE(c.planetOrbit);

    setTravelState(c, TravelState::transit);
    EXPECT_EQ(c.travelState, TravelState::transit);
    setHoursToLocation(c, 36.5);
    EXPECT_EQ(c.hoursToLocation, 36.5);
    setHoursToLocation(c, -4);
    EXPECT_EQ(c.hoursToLocation, 0);
}
