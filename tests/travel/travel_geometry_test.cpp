#include "travel/travel_durations.h"
#include "travel/travel_geometry.h"

#include <gtest/gtest.h>

using namespace velmora;
using core::LuminosityClass;
using core::Orbits;
using core::PlanetOrbits;
using core::SpectralType;
using core::WorldType;

namespace {

core::Star star(SpectralType type, LuminosityClass luminosity, Orbits orbit = Orbits::starOrbitP) {
    core::Star s;
    s.id = core::Uuid::generate();
    s.spectralType = type;
    s.luminosity = luminosity;
    s.orbit = orbit;
    return s;
}

core::WorldData world(int size, Orbits orbit, WorldType type = WorldType::planet,
                      PlanetOrbits satelliteOrbit = PlanetOrbits::planetOrbit0) {
    core::WorldData w;
    w.id = core::Uuid::generate();
    w.type = type;
    w.uwp.size = size;
    w.sunOrbit = orbit;
    w.satelliteOrbit = satelliteOrbit;
    return w;
}

constexpr double au = 149'597'870.7;

} // namespace

TEST(TravelGeometry, BodyDiameters) {
    // A G V star is twice its size factor of 1.0 times the Sun's 1,392,700 km; a white
    // dwarf is 0.011 of that whatever its type; a K III star is 20.
    EXPECT_DOUBLE_EQ(travel::starDiameterKm(star(SpectralType::G, LuminosityClass::V)), 2'785'400);
    EXPECT_DOUBLE_EQ(travel::starDiameterKm(star(SpectralType::B, LuminosityClass::D)), 30'639.4);
    EXPECT_DOUBLE_EQ(travel::starDiameterKm(star(SpectralType::K, LuminosityClass::III)),
                     55'708'000);
    // Size 8: 8,000 miles = 12,874.752 km. A size-21 small giant is 20,000 miles, a
    // size-31 large one 100,000 miles, both at 1.609344 km a mile.
    EXPECT_DOUBLE_EQ(travel::worldDiameterKm(world(8, Orbits::starOrbit3)), 12'874.752);
    EXPECT_DOUBLE_EQ(
        travel::worldDiameterKm(world(21, Orbits::starOrbit5, WorldType::smallGasGiant)),
        32'186.88);
    EXPECT_DOUBLE_EQ(
        travel::worldDiameterKm(world(31, Orbits::starOrbit5, WorldType::largeGasGiant)),
        160'934.4);
    EXPECT_FALSE(travel::hasSurface(world(0, Orbits::starOrbit4, WorldType::planetoidBelt)));
    EXPECT_TRUE(travel::hasSurface(world(1, Orbits::starOrbit4)));
}

TEST(TravelGeometry, JumpClearanceAndItsGoverningStar) {
    const core::Star sun = star(SpectralType::G, LuminosityClass::V);
    const core::Star twin = star(SpectralType::G, LuminosityClass::V);
    const core::Star giant = star(SpectralType::K, LuminosityClass::III, Orbits::starOrbit3);
    struct Case {
        const char* name;
        core::WorldData world;
        std::vector<core::Star> stars;
        double distanceKm;
        std::optional<core::Uuid> governor;
    };
    const std::vector<Case> cases = {
        // 77.2 AU out the Sun's 100 D (278,540,000 km) is long behind: 100 × 12,874.752 km.
        {"far out", world(8, Orbits::starOrbit10), {sun}, 1'287'475.2, std::nullopt},
        // 278,540,000 − 0.2 × 149,597,870.7 = 248,620,425.86 km.
        {"close in", world(8, Orbits::starOrbit0), {sun}, 248'620'425.86, sun.id},
        // Two suns side by side need the same; the first one listed is named.
        {"tie", world(8, Orbits::starOrbit0), {sun, twin}, 248'620'425.86, sun.id},
        // The K III companion 1.0 AU out reaches 5,570,800,000 km; the world at 2.8 AU
        // is 1.8 AU from it: 5,570,800,000 − 269,276,167.26 = 5,301,523,832.74 km.
        {"companion", world(5, Orbits::starOrbit5), {sun, giant}, 5'301'523'832.74, giant.id},
        // A belt far out has no diameter and no star reaches it.
        {"belt", world(0, Orbits::starOrbit12, WorldType::planetoidBelt), {sun}, 0, std::nullopt},
        // 100 × 32,186.88 km for a size-21 giant at 77.2 AU.
        {"giant",
         world(21, Orbits::starOrbit10, WorldType::smallGasGiant),
         {sun},
         3'218'688,
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto clearance = travel::jumpClearance(c.world, c.stars.front(), c.stars);
        EXPECT_NEAR(clearance.distanceKm, c.distanceKm, 1e-3);
        EXPECT_EQ(clearance.governingStarID, c.governor);
    }
}

TEST(TravelGeometry, ShadowsAreMeasuredFromTheWorldsOwnStar) {
    const core::Star primary = star(SpectralType::G, LuminosityClass::V);
    const core::Star far = star(SpectralType::M, LuminosityClass::V, Orbits::starOrbit8);
    // From the companion at 19.6 AU, the primary lies 19.6 AU away and itself at 0.
    const auto shadows = travel::starShadows(far, {primary, far});
    ASSERT_EQ(shadows.size(), 2u);
    EXPECT_EQ(shadows[0].id, primary.id);
    EXPECT_DOUBLE_EQ(shadows[0].separationAU, 19.6);
    EXPECT_DOUBLE_EQ(shadows[1].separationAU, 0);
    EXPECT_DOUBLE_EQ(shadows[1].diameterKm, 2 * 0.4 * 1'392'700);
}

TEST(TravelGeometry, SatelliteAndInterplanetaryDistances) {
    core::Star primary = star(SpectralType::G, LuminosityClass::V);
    // A size-5 planet (8,046.72 km) at orbit 3 with moons at A and C.
    primary.worlds = {
        world(5, Orbits::starOrbit3),
        world(1, Orbits::starOrbit3, WorldType::closeSatelliteP, PlanetOrbits::planetOrbitA),
        world(2, Orbits::starOrbit3, WorldType::farSatelliteP, PlanetOrbits::planetOrbitC),
        world(6, Orbits::starOrbit5), world(4, Orbits::starOrbit8)};
    core::Star companion = star(SpectralType::M, LuminosityClass::V, Orbits::starOrbit8);
    companion.worlds = {world(3, Orbits::starOrbit2), world(7, Orbits::starOrbit0)};
    core::Star lonely = star(SpectralType::M, LuminosityClass::V);
    lonely.worlds = {
        world(3, Orbits::starOrbit4, WorldType::closeSatelliteP, PlanetOrbits::planetOrbitB)};
    const auto& w = primary.worlds;
    const travel::TravelBody planet{&primary, &w[0]}, moonA{&primary, &w[1]},
        moonC{&primary, &w[2]}, outer{&primary, &w[3]}, farOut{&primary, &w[4]};
    const travel::TravelBody companionInner{&companion, &companion.worlds[1]};
    const travel::TravelBody companionPlanet{&companion, &companion.worlds[0]};

    // Orbit A is 2 × 1.3⁰ + 2 = 4 diameters; orbit C 2 × 1.3² + 2 = 5.38.
    EXPECT_DOUBLE_EQ(travel::satelliteDistanceKm(w[1], primary), 32'186.88);
    EXPECT_NEAR(travel::satelliteDistanceKm(w[2], primary), 43'291.3536, 1e-6);
    EXPECT_EQ(travel::satelliteDistanceKm(w[0], primary), 0);
    EXPECT_EQ(travel::satelliteDistanceKm(lonely.worlds[0], lonely), 0) << "no planet to circle";

    const struct {
        const char* name;
        travel::TravelBody a, b;
        double km;
    } cases[] = {
        {"planet and its moon", planet, moonA, 32'186.88},
        {"two moons", moonC, moonA, 43'291.3536 - 32'186.88},
        // Orbits 1.0 and 2.8 AU of one star: 1.8 AU.
        {"same star", planet, outer, 269'276'167.26},
        // The companion is 19.6 AU out; bodies at 1.0 and 0.7 AU face each other
        // across the gap: 19.6 − 1.0 − 0.7 = 17.9 AU.
        {"across the gap", planet, companionPlanet, 2'677'801'885.53},
        // The primary's world at 19.6 AU sits on the companion's orbit: d = 19.4 is
        // below s = 19.6, and 19.6 − 19.6 − 0.2 goes below zero, so 0.
        {"straddling", farOut, companionInner, 0},
        // Orbit 5 (2.8 AU) and the companion's orbit 0 (0.2 AU): d = 2.6 < s = 19.6,
        // so 19.6 − 2.8 − 0.2 = 16.6 AU.
        {"opposite sides", outer, companionInner, 16.6 * au},
        {"missing body", planet, travel::TravelBody{}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(travel::interplanetaryDistanceKm(c.a, c.b), c.km, 1e-3);
        EXPECT_NEAR(travel::interplanetaryDistanceKm(c.b, c.a), c.km, 1e-3);
    }
}

TEST(TravelGeometry, DistancesInsideTheGapBetweenStars) {
    core::Star primary = star(SpectralType::G, LuminosityClass::V);
    core::Star close = star(SpectralType::M, LuminosityClass::V, Orbits::starOrbit3);
    primary.worlds = {world(5, Orbits::starOrbit8)};
    close.worlds = {world(5, Orbits::starOrbit0)};
    // s = 1.0 AU, ra = 19.6, rb = 0.2: d = 19.4 ≥ s, so 19.4 − 1.0 = 18.4 AU.
    EXPECT_NEAR(travel::interplanetaryDistanceKm({&primary, &primary.worlds[0]},
                                                 {&close, &close.worlds[0]}),
                2'752'600'820.88, 1e-3);
}

TEST(TravelGeometry, TransitTimes) {
    // 1,000 km at 1 G: 2 × √(1,000,000 m / 9.81 m/s²) = 638.55 s.
    EXPECT_NEAR(travel::transitSeconds(1'000, 1), 638.5509, 1e-3);
    // Four times the distance at four times the thrust takes the same time.
    EXPECT_NEAR(travel::transitSeconds(4'000, 4), 638.5509, 1e-3);
    EXPECT_EQ(travel::transitSeconds(0, 1), 0);
    EXPECT_EQ(travel::transitSeconds(1'000, 0), 0);
    EXPECT_EQ(travel::transitSeconds(-5, 2), 0);
}

TEST(TravelDurations, ShortAndLongForms) {
    const struct {
        double seconds;
        const char* transit;
        const char* voyage;
    } cases[] = {
        {0, "\u2014", "\u2014"},
        {-30, "\u2014", "\u2014"},
        {30, "<1 min", "0h"},
        {59.9, "<1 min", "0h"},
        {89.9, "1m", "0h"},
        {90, "2m", "0h"},
        {2'700, "45m", "1h"},
        {1'799, "30m", "0h"},
        {1'800, "30m", "1h"},
        // 59.5 minutes round up to an hour.
        {3'570, "1h 0m", "1h"},
        {11'100, "3h 5m", "3h"},
        // 2,879 minutes is the last one shown in hours and minutes.
        {172'740, "47h 59m", "2d"},
        {172'800, "2d 0h", "2d"},
        {180'000, "2d 2h", "2d 2h"},
        {604'800, "7d 0h", "1w"},
        // 221 hours: one week, two days, five hours.
        {795'600, "9d 5h", "1w 2d 5h"},
        {259'200, "3d 0h", "3d"},
        {612'000, "7d 2h", "1w 2h"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(travel::formatTransit(c.seconds), c.transit);
        EXPECT_EQ(travel::formatVoyage(c.seconds), c.voyage);
    }
}
