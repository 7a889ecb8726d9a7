#pragma once

#include "core/orbits.h"
#include "core/random_source.h"
#include "core/star.h"
#include "core/stellar.h"
#include "generator/star_tables.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::generator {

// lo + (hi - lo) * k / 2^53 for a uniform k in 0...2^53, so both ends can come up.
double uniformMass(MassRange range, core::RandomSource& random);

// A star rolled from nothing: type and class by Flux, subclass 0-9, a mass in the
// range of its type and class. New id, no name, the given orbit, no worlds.
core::Star generateStar(core::Orbits orbit, core::RandomSource& random);

// The primary the referee chose: that type, subclass and class, a mass drawn in
// their range, orbit starOrbitP. Nothing checks that the class is possible.
core::Star chosenStar(core::SpectralType type, int subclass, core::LuminosityClass luminosity,
                      core::RandomSource& random);

// The classes the dice can give a star of this type and subclass, in class order:
// the type's row of the luminosity table after the K IV and F VI corrections.
std::vector<core::LuminosityClass> possibleLuminosityClasses(core::SpectralType type, int subclass);
bool isPossibleStar(core::SpectralType type, int subclass, core::LuminosityClass luminosity);

// Earlier in O B A F G K M, that is hotter.
constexpr bool isEarlier(core::SpectralType a, core::SpectralType b) {
    return static_cast<int>(a) < static_cast<int>(b);
}

// "A", "B", ... by position in the system.
std::string starDesignation(std::size_t index);
// "G2 V".
std::string spectralText(const core::Star& star);

// The stars of a new system: the given or a rolled primary, and with `addCompanion`
// a companion in orbit 15-20, the hotter of the two always the primary.
std::vector<core::Star> generateStars(std::optional<core::Star> primary, bool addCompanion,
                                      core::RandomSource& random);

} // namespace velmora::generator
