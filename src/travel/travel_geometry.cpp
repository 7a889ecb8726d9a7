#include "travel/travel_geometry.h"

#include "generator/system_filler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace velmora::travel {

namespace {

// Orbits 0 to 20; each roughly doubles the last from orbit 4 on.
constexpr std::array<double, 21> orbitDistances{
    0.2,   0.4,   0.7,   1.0,    1.6,    2.8,    5.2,    10.0,    19.6,    38.8,   77.2,
    154.0, 307.6, 614.8, 1229.2, 2458.0, 4915.6, 9830.8, 19661.2, 39322.0, 78643.6};

// Rows O, B, A, F, G, K, M; columns Ia, Ib, II, III, IV, V, VI.
constexpr std::array<std::array<double, 7>, 7> sizeFactors{{
    {20, 15, 13, 12, 11, 8, 6},
    {30, 20, 12, 8, 6, 4, 3},
    {60, 40, 12, 4, 3, 1.7, 1.3},
    {100, 60, 15, 4, 2, 1.3, 1.0},
    {150, 90, 25, 8, 2, 1.0, 0.8},
    {300, 150, 45, 20, 4, 0.75, 0.6},
    {800, 500, 100, 45, 8, 0.4, 0.25},
}};

constexpr double whiteDwarfSizeFactor = 0.011;

double planetDiameters(core::PlanetOrbits orbit) {
    const int n = static_cast<int>(orbit); // planetOrbitA is 1
    return 2.0 * std::pow(1.3, n - 1) + 2.0;
}

} // namespace

double orbitDistanceAU(core::Orbits orbit) {
    const int number = core::rawValue(orbit);
    if (number < 0 || number >= static_cast<int>(orbitDistances.size()))
        return 0;
    return orbitDistances[static_cast<std::size_t>(number)];
}

double stellarSizeFactor(core::SpectralType type, core::LuminosityClass luminosity) {
    if (luminosity == core::LuminosityClass::D)
        return whiteDwarfSizeFactor;
    const auto row = static_cast<std::size_t>(type);
    const auto column = static_cast<std::size_t>(luminosity);
    if (row >= sizeFactors.size() || column >= sizeFactors[row].size())
        return 1.0;
    return sizeFactors[row][column];
}

double starDiameterKm(const core::Star& star) {
    return 2.0 * stellarSizeFactor(star.spectralType, star.luminosity) * sunDiameterKm;
}

double worldDiameterKm(const core::WorldData& world) {
    if (core::isGasGiant(world.type))
        return generator::gasGiantDiameterMiles(world.uwp.size) * kilometresPerMile;
    return world.uwp.size * kilometresPerSizeStep;
}

bool hasSurface(const core::WorldData& world) {
    return core::isGasGiant(world.type) || worldDiameterKm(world) > 0;
}

std::vector<StarShadow> starShadows(const core::Star& reference,
                                    const std::vector<core::Star>& stars) {
    const double referenceAU = orbitDistanceAU(reference.orbit);
    std::vector<StarShadow> shadows;
    shadows.reserve(stars.size());
    for (const core::Star& star : stars)
        shadows.push_back(
            {star.id, std::abs(orbitDistanceAU(star.orbit) - referenceAU), starDiameterKm(star)});
    return shadows;
}

JumpClearance jumpClearance(const core::WorldData& world, const core::Star& star,
                            const std::vector<core::Star>& stars) {
    const double orbitAU = orbitDistanceAU(world.sunOrbit);
    JumpClearance clearance{clearanceDiameters * worldDiameterKm(world), std::nullopt};
    // Measured along the line through the stars: a star's sphere reaches the world's
    // orbit less the gap between them. Ties keep the earlier star.
    for (const StarShadow& shadow : starShadows(star, stars)) {
        const double need = clearanceDiameters * shadow.diameterKm -
                            std::abs(shadow.separationAU - orbitAU) * kilometresPerAU;
        if (need > clearance.distanceKm) {
            clearance.distanceKm = need;
            clearance.governingStarID = shadow.id;
        }
    }
    return clearance;
}

double satelliteDistanceKm(const core::WorldData& world, const core::Star& star) {
    if (!core::isSatelliteOrbit(world.satelliteOrbit))
        return 0;
    for (const core::WorldData& planet : star.worlds) {
        if (planet.sunOrbit == world.sunOrbit && !core::isSatelliteOrbit(planet.satelliteOrbit))
            return planetDiameters(world.satelliteOrbit) * worldDiameterKm(planet);
    }
    return 0;
}

double interplanetaryDistanceKm(const TravelBody& a, const TravelBody& b) {
    if (!a.star || !a.world || !b.star || !b.world)
        return 0;
    if (a.star->id == b.star->id && a.world->sunOrbit == b.world->sunOrbit)
        return std::abs(satelliteDistanceKm(*a.world, *a.star) -
                        satelliteDistanceKm(*b.world, *b.star));
    const double starsApart =
        std::abs(orbitDistanceAU(a.star->orbit) - orbitDistanceAU(b.star->orbit));
    const double ra = orbitDistanceAU(a.world->sunOrbit);
    const double rb = orbitDistanceAU(b.world->sunOrbit);
    const double orbitsApart = std::abs(ra - rb);
    // Orbits that straddle the stars' separation meet at their difference; otherwise
    // the bodies face each other across the gap between the stars.
    const double au =
        starsApart <= orbitsApart ? orbitsApart - starsApart : std::max(starsApart - ra - rb, 0.0);
    return au * kilometresPerAU;
}

double transitSeconds(double distanceKm, double thrustG) {
    if (distanceKm <= 0 || thrustG <= 0)
        return 0;
    return 2.0 * std::sqrt(distanceKm * 1000.0 / (thrustG * standardGravity));
}

} // namespace velmora::travel
