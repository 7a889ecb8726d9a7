#include "generator/world_rolls.h"

#include "core/dice.h"

#include <algorithm>

namespace velmora::generator {

using core::Dice;
using core::RandomSource;
using core::Starport;
using core::TechnologyLevel;
using core::WorldType;

int flux(RandomSource& random) {
    const int first = Dice::d6(random);
    return first - Dice::d6(random);
}

int rollD4(RandomSource& random) {
    return static_cast<int>(core::randomBelow(random, 4)) + 1;
}

int rollD9(RandomSource& random) {
    return static_cast<int>(core::randomBelow(random, 9)) + 1;
}

int roll2D6(RandomSource& random) {
    return Dice::roll(random, 2);
}

Starport rollStarport(RandomSource& random) {
    const int roll = roll2D6(random);
    if (roll <= 4)
        return Starport::typeA;
    if (roll <= 6)
        return Starport::typeB;
    if (roll <= 8)
        return Starport::typeC;
    if (roll == 9)
        return Starport::typeD;
    if (roll <= 11)
        return Starport::typeE;
    return Starport::typeX;
}

std::set<core::Base> rollBases(Starport starport, RandomSource& random) {
    std::set<core::Base> bases;
    const auto naval = [&](int target) {
        if (roll2D6(random) <= target)
            bases.insert(core::Base::imperialNavalBase);
    };
    const auto scout = [&](int target) {
        if (roll2D6(random) <= target)
            bases.insert(core::Base::scoutBase);
    };
    switch (starport) {
    case Starport::typeA:
        naval(6);
        scout(4);
        break;
    case Starport::typeB:
        naval(5);
        scout(5);
        break;
    case Starport::typeC:
        scout(6);
        break;
    case Starport::typeD:
        scout(7);
        break;
    default:
        break;
    }
    return bases;
}

int rollSize(RandomSource& random) {
    const int size = roll2D6(random) - 2;
    return size == 10 ? Dice::d6(random) + 9 : size;
}

int rollAtmosphere(int size, RandomSource& random) {
    if (size == 0)
        return 0;
    return std::clamp(flux(random) + size, 0, 15);
}

int rollHydrographics(int size, int atmosphere, RandomSource& random) {
    if (size < 2)
        return 0;
    int hydrographics = flux(random) + atmosphere;
    if (atmosphere < 2 || atmosphere > 9)
        hydrographics -= 4;
    return std::clamp(hydrographics, 0, 10);
}

int rollMainWorldPopulation(RandomSource& random) {
    const int population = roll2D6(random);
    return population == 12 ? 11 + rollD4(random) : population;
}

int rollSecondaryPopulation(int atmosphere, int hydrographics, RandomSource& random) {
    int population = roll2D6(random) - 2;
    switch (atmosphere) {
    case 2:
    case 4:
    case 7:
    case 9:
    case 11:
    case 12:
        population -= 2;
        break;
    default:
        break;
    }
    if (hydrographics == 0)
        population -= 1;
    return std::max(population, 0);
}

int rollGovernment(int population, RandomSource& random) {
    return std::clamp(flux(random) + population, 0, 15);
}

int rollLawLevel(int government, RandomSource& random) {
    return std::clamp(flux(random) + government, 0, 18);
}

Starport rollSpaceport(int population, RandomSource& random) {
    const int roll = population - Dice::d6(random);
    if (roll < 1)
        return Starport::typeY;
    if (roll <= 2)
        return Starport::typeH;
    if (roll == 3)
        return Starport::typeG;
    return Starport::typeF;
}

int techLevelModifier(const core::UWP& uwp) {
    int modifier = 0;
    switch (uwp.starport) {
    case Starport::typeA:
        modifier += 6;
        break;
    case Starport::typeB:
        modifier += 4;
        break;
    case Starport::typeC:
        modifier += 2;
        break;
    case Starport::typeX:
        modifier -= 4;
        break;
    default:
        break;
    }
    if (uwp.size <= 1)
        modifier += 2;
    else if (uwp.size <= 4)
        modifier += 1;
    if (uwp.atmosphere <= 3 || uwp.atmosphere >= 10)
        modifier += 1;
    if (uwp.hydrographics == 9)
        modifier += 1;
    else if (uwp.hydrographics == 10)
        modifier += 2;
    if (uwp.population <= 5)
        modifier += 1;
    else if (uwp.population == 9)
        modifier += 2;
    else if (uwp.population >= 10)
        modifier += 4;
    if (uwp.government == 0 || uwp.government == 5)
        modifier += 1;
    else if (uwp.government == 13)
        modifier -= 2;
    return modifier;
}

TechnologyLevel techLevelFromTotal(int total, TechnologyLevel maximum) {
    TechnologyLevel level;
    if (core::isTravellerScale(maximum)) {
        level = core::travellerTechLevel(total);
    } else if (total < 1) {
        level = TechnologyLevel::tl0;
    } else if (total <= 2) {
        level = TechnologyLevel::tl1;
    } else if (total <= 9) {
        level = TechnologyLevel::tl2;
    } else if (total == 10) {
        level = TechnologyLevel::tl3;
    } else if (total <= 15) {
        level = TechnologyLevel::tl4; // "4+" is for the referee to give, never rolled
    } else if (total <= 18) {
        level = TechnologyLevel::tl5;
    } else {
        level = TechnologyLevel::tl6;
    }
    return std::min(level, maximum);
}

TechnologyLevel rollTechLevel(const core::UWP& uwp, TechnologyLevel maximum, RandomSource& random) {
    return techLevelFromTotal(Dice::d6(random) + techLevelModifier(uwp), maximum);
}

TechnologyLevel lowestTechLevel(TechnologyLevel scale) {
    return core::isTravellerScale(scale) ? TechnologyLevel::ttl0 : TechnologyLevel::tl0;
}

namespace {

struct DensitySpread {
    double base;
    double spread;
};

DensitySpread densityOf(WorldType type) {
    switch (type) {
    case WorldType::planet:
        return {0.95, 0.1};
    case WorldType::closeSatelliteGG:
    case WorldType::closeSatelliteP:
    case WorldType::farSatelliteGG:
    case WorldType::farSatelliteP:
        return {0.9, 0.1};
    case WorldType::asteroidBelt:
    case WorldType::planetoidBelt:
        return {0.5, 0};
    case WorldType::iceworld:
        return {0.5, 0.1};
    case WorldType::radWorld:
        return {1.05, 0.1};
    case WorldType::inferno:
        return {1.0, 0.1};
    case WorldType::bigWorld:
        return {1.1, 0.15};
    case WorldType::worldlet:
        return {0.6, 0.1};
    case WorldType::innerWorld:
    case WorldType::stormWorld:
        return {1.0, 0.1};
    case WorldType::smallGasGiant:
        return {0.2, 0.05};
    case WorldType::largeGasGiant:
        return {0.25, 0.05};
    case WorldType::iceGiant:
        return {0.3, 0.05};
    }
    return {1.0, 0};
}

} // namespace

double rollDensity(WorldType type, RandomSource& random) {
    const DensitySpread density = densityOf(type);
    // Belts have no spread, but they still roll so every body draws the same dice.
    return std::max(density.base + density.spread * flux(random) / 5.0, 0.05);
}

} // namespace velmora::generator
