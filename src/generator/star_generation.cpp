#include "generator/star_generation.h"

#include "core/dice.h"
#include "generator/secure_random_pool.h"
#include "generator/world_rolls.h"

#include <algorithm>

namespace velmora::generator {

using core::LuminosityClass;
using core::SpectralType;

double uniformMass(MassRange range, core::RandomSource& random) {
    constexpr std::uint64_t steps = std::uint64_t{1} << 53;
    const auto k = core::randomBelow(random, steps + 1);
    return range.low +
           (range.high - range.low) * (static_cast<double>(k) / static_cast<double>(steps));
}

namespace {

// The dice give K stars late in their subclass no subgiants, and early F stars no subdwarfs.
LuminosityClass corrected(SpectralType type, int subclass, LuminosityClass luminosity) {
    if (type == SpectralType::K && subclass >= 5 && luminosity == LuminosityClass::IV)
        return LuminosityClass::V;
    if (type == SpectralType::F && subclass <= 4 && luminosity == LuminosityClass::VI)
        return LuminosityClass::V;
    return luminosity;
}

} // namespace

core::Star generateStar(core::Orbits orbit, core::RandomSource& random) {
    core::Star star;
    star.id = core::Uuid::generate();
    star.spectralType = spectralTypeByFlux[static_cast<std::size_t>(flux(random) + 7)];
    star.temperature = static_cast<int>(core::randomBelow(random, 10));
    const auto& row = luminosityRow(star.spectralType);
    star.luminosity = corrected(star.spectralType, star.temperature,
                                row[static_cast<std::size_t>(flux(random) + 7)]);
    star.mass = uniformMass(starMassRange(star.spectralType, star.luminosity), random);
    star.orbit = orbit;
    return star;
}

core::Star chosenStar(SpectralType type, int subclass, LuminosityClass luminosity,
                      core::RandomSource& random) {
    core::Star star;
    star.id = core::Uuid::generate();
    star.spectralType = type;
    star.temperature = subclass;
    star.luminosity = luminosity;
    star.mass = uniformMass(starMassRange(type, luminosity), random);
    star.orbit = core::Orbits::starOrbitP;
    return star;
}

std::vector<LuminosityClass> possibleLuminosityClasses(SpectralType type, int subclass) {
    std::vector<LuminosityClass> classes;
    for (const LuminosityClass rolled : luminosityRow(type)) {
        const LuminosityClass luminosity = corrected(type, subclass, rolled);
        if (std::find(classes.begin(), classes.end(), luminosity) == classes.end())
            classes.push_back(luminosity);
    }
    std::sort(classes.begin(), classes.end());
    return classes;
}

bool isPossibleStar(SpectralType type, int subclass, LuminosityClass luminosity) {
    if (subclass < 0 || subclass > 9)
        return false;
    const auto classes = possibleLuminosityClasses(type, subclass);
    return std::find(classes.begin(), classes.end(), luminosity) != classes.end();
}

std::string starDesignation(std::size_t index) {
    if (index < 26)
        return std::string(1, static_cast<char>('A' + index));
    return std::to_string(index + 1);
}

std::string spectralText(const core::Star& star) {
    return std::string(core::rawValue(star.spectralType)) + std::to_string(star.temperature) + " " +
           std::string(core::rawValue(star.luminosity));
}

std::vector<core::Star> generateStars(std::optional<core::Star> primary, bool addCompanion,
                                      core::RandomSource& random) {
    std::vector<core::Star> stars;
    stars.push_back(primary ? std::move(*primary) : generateStar(core::Orbits::starOrbitP, random));
    if (addCompanion) {
        const auto orbit = static_cast<core::Orbits>(14 + core::Dice::d6(random));
        core::Star companion = generateStar(orbit, random);
        core::Star& first = stars.front();
        // The hotter star is the primary; each keeps its place in the system.
        if (isEarlier(companion.spectralType, first.spectralType)) {
            std::swap(first.spectralType, companion.spectralType);
            std::swap(first.temperature, companion.temperature);
            std::swap(first.luminosity, companion.luminosity);
            std::swap(first.mass, companion.mass);
        }
        stars.push_back(std::move(companion));
    }
    for (std::size_t i = 0; i < stars.size(); ++i)
        stars[i].name = starDesignation(i);
    return stars;
}

} // namespace velmora::generator
