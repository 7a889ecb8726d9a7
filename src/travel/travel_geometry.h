#pragma once

#include "core/orbits.h"
#include "core/star.h"
#include "core/stellar.h"
#include "core/uuid.h"
#include "core/world_data.h"

#include <optional>
#include <vector>

namespace velmora::travel {

// Distances inside one star system, and the time to cross them under constant thrust.
// Nothing here keeps state: every figure comes from the records passed in.

inline constexpr double kilometresPerAU = 149'597'870.7;
inline constexpr double standardGravity = 9.81; // m/s² in one G
inline constexpr double sunDiameterKm = 1'392'700.0;
inline constexpr double kilometresPerSizeStep = 1'609.344; // one UWP size step is 1,000 miles
inline constexpr double kilometresPerMile = 1.609344;
// A ship may only jump once it is this many diameters clear of every mass nearby.
inline constexpr double clearanceDiameters = 100.0;

// How far an orbit lies from its star; the primary's own place is 0.
double orbitDistanceAU(core::Orbits orbit);
// A star's size in units of the Sun's radius; white dwarfs are tiny whatever their type.
double stellarSizeFactor(core::SpectralType type, core::LuminosityClass luminosity);
double starDiameterKm(const core::Star& star);
// Giants by their own size scale in miles, everything else by its UWP size; size 0
// bodies (belts among them) have no diameter.
double worldDiameterKm(const core::WorldData& world);
// Whether a ship can lift off from the body: a giant, or any body with a diameter.
bool hasSurface(const core::WorldData& world);

struct StarShadow {
    core::Uuid id;
    double separationAU = 0; // from the star the world orbits
    double diameterKm = 0;

    friend bool operator==(const StarShadow&, const StarShadow&) = default;
};

struct JumpClearance {
    double distanceKm = 0;
    // The star whose shadow reaches furthest; none when the world's own diameters govern.
    std::optional<core::Uuid> governingStarID;

    friend bool operator==(const JumpClearance&, const JumpClearance&) = default;
};

// One shadow per star, in the given order, measured from `reference`.
std::vector<StarShadow> starShadows(const core::Star& reference,
                                    const std::vector<core::Star>& stars);

// How far the ship burns outward from `world` (orbiting `star`) before it may jump.
JumpClearance jumpClearance(const core::WorldData& world, const core::Star& star,
                            const std::vector<core::Star>& stars);

// A satellite's distance from its planet, the first world of the star at the same orbit
// that is not itself a satellite; 0 for a planet or a satellite without one.
double satelliteDistanceKm(const core::WorldData& world, const core::Star& star);

// A star and one of its worlds or satellites; a satellite stands at its planet's orbit.
struct TravelBody {
    const core::Star* star = nullptr;
    const core::WorldData* world = nullptr;
};

// Closest approach between two bodies; 0 when either is missing.
double interplanetaryDistanceKm(const TravelBody& a, const TravelBody& b);

// Accelerate to the midpoint, flip, decelerate: 2√(D/a). 0 without distance or thrust.
double transitSeconds(double distanceKm, double thrustG);

} // namespace velmora::travel
