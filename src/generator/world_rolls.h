#pragma once

#include "core/base.h"
#include "core/random_source.h"
#include "core/starport.h"
#include "core/technology_level.h"
#include "core/uwp.h"
#include "core/world_type.h"

#include <set>

namespace velmora::generator {

// The dice of a world's profile. Each function draws exactly the dice its rule
// names, in the order the rule names them, so a scripted source can force any row.

// One 1D6 minus another: -5...+5, most often 0.
int flux(core::RandomSource& random);
int rollD4(core::RandomSource& random);
int rollD9(core::RandomSource& random);
int roll2D6(core::RandomSource& random);

// 2D6: 2-4 A, 5-6 B, 7-8 C, 9 D, 10-11 E, 12 X.
core::Starport rollStarport(core::RandomSource& random);
// Naval and scout bases by starport; E and X have none and roll nothing.
std::set<core::Base> rollBases(core::Starport starport, core::RandomSource& random);
// 2D6 - 2, where a 10 becomes 1D6 + 9 (10-15).
int rollSize(core::RandomSource& random);
// Flux + size within 0-15; a size-0 body has none and rolls nothing.
int rollAtmosphere(int size, core::RandomSource& random);
// Flux + atmosphere, 4 less outside atmospheres 2-9, within 0-10; bodies below size 2 hold none.
int rollHydrographics(int size, int atmosphere, core::RandomSource& random);
// A main world is always settled: plain 2D6, a 12 becoming 11 + 1D4 (12-15).
int rollMainWorldPopulation(core::RandomSource& random);
// 2D6 - 2, less on thin, tainted or exotic air and on dry worlds, at least 0. The
// caller applies its type's further penalty and the system's population limit.
int rollSecondaryPopulation(int atmosphere, int hydrographics, core::RandomSource& random);
int rollGovernment(int population, core::RandomSource& random);
int rollLawLevel(int government, core::RandomSource& random);
// Population - 1D6: below 1 Y, 1-2 H, 3 G, 4 or more F.
core::Starport rollSpaceport(int population, core::RandomSource& random);

// The sum of the tech-level modifiers of a profile. Spaceports (F, G, H, Y) add
// nothing; only the main world's starport counts.
int techLevelModifier(const core::UWP& uwp);
// A rolled total on the scale of `maximum`, then lowered to `maximum` when above it.
core::TechnologyLevel techLevelFromTotal(int total, core::TechnologyLevel maximum);
// 1D6 plus the profile's modifiers, on the scale and up to the maximum given.
core::TechnologyLevel rollTechLevel(const core::UWP& uwp, core::TechnologyLevel maximum,
                                    core::RandomSource& random);
// The lowest level of a scale: "TL0" or "0".
core::TechnologyLevel lowestTechLevel(core::TechnologyLevel scale);

// Base density of the type plus its spread times Flux / 5, at least 0.05.
double rollDensity(core::WorldType type, core::RandomSource& random);

} // namespace velmora::generator
