#include "core/trade_classification.h"

#include "core/uwp.h"
#include "core/world_data.h"

#include <algorithm>
#include <initializer_list>

namespace velmora::core {

namespace {

bool isOneOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool between(int value, int low, int high) {
    return low <= value && value <= high;
}

// Worlds that can hold a real climate band: mid-sized, breathable-ish, with seas.
bool hasClimateBands(const UWP& uwp) {
    return between(uwp.size, 6, 9) && between(uwp.atmosphere, 4, 9) && uwp.hydrographics >= 3;
}

} // namespace

int worldClimate(const WorldData& world) {
    const UWP& uwp = world.uwp;
    const int hz = world.hzOffset;
    // The two innermost orbits are close enough to lock a planet to its star.
    if (!isSatelliteOrbit(world.satelliteOrbit) &&
        (world.sunOrbit == Orbits::starOrbit0 || world.sunOrbit == Orbits::starOrbit1))
        return climate::twilightZone;
    if (hasClimateBands(uwp)) {
        // Large oceans even out the climate one band from the zone.
        const bool oceanic = uwp.hydrographics >= 8;
        if (hz <= -2)
            return climate::hot;
        if (hz == -1)
            return oceanic ? climate::hot : climate::tropic;
        if (hz == 0)
            return climate::temperate;
        if (hz == 1)
            return oceanic ? climate::cold : climate::tundra;
        return climate::frozen;
    }
    if (hz <= -1)
        return climate::hot;
    if (hz == 0)
        return climate::temperate;
    if (hz == 1)
        return climate::cold;
    return climate::frozen;
}

std::vector<TradeClass> deriveTradeClasses(const UWP& uwp, int climateValue, bool tideLocked) {
    const int s = uwp.size;
    const int a = uwp.atmosphere;
    const int h = uwp.hydrographics;
    const int p = uwp.population;
    const int g = uwp.government;
    std::vector<TradeClass> classes;
    classes.reserve(8);
    const auto add = [&](TradeClass tradeClass) { classes.push_back(tradeClass); };

    if (s == 0)
        add(TradeClass::asteroid);
    if (between(a, 2, 9) && h == 0)
        add(TradeClass::desert);
    else if (between(a, 10, 12) && h >= 1)
        add(TradeClass::fluidOceans);
    if (between(s, 6, 8) && isOneOf(a, {5, 6, 8}) && between(h, 5, 7))
        add(TradeClass::garden);
    // A hellworld is none of ice-capped, ocean, vacuum or water.
    if (s >= 3 && isOneOf(a, {2, 4, 7, 9, 10, 11, 12}) && h <= 2) {
        add(TradeClass::hellworld);
    } else {
        if (a <= 1 && h >= 1)
            add(TradeClass::iceCapped);
        if (s >= 10 && h == 10)
            add(TradeClass::ocean);
        if (a == 0)
            add(TradeClass::vacuum);
        else if (between(s, 3, 9) && between(a, 3, 9) && h == 10)
            add(TradeClass::water);
    }

    if (p == 0)
        add(techLevelNumber(uwp.techLevel) > 0 ? TradeClass::dieback : TradeClass::barren);
    else if (p <= 3)
        add(TradeClass::lowPopulation);
    else if (p <= 6)
        add(TradeClass::nonIndustrial);
    else if (p == 8)
        add(TradeClass::preHighPopulation);
    else if (p >= 9)
        add(TradeClass::highPopulation);

    if (between(a, 4, 9) && between(h, 4, 8)) {
        if (p == 4 || p == 8)
            add(TradeClass::preAgricultural);
        else if (between(p, 5, 7))
            add(TradeClass::agricultural);
    } else if (a <= 3 && h <= 3 && p >= 6) {
        add(TradeClass::nonAgricultural);
    }
    if (isOneOf(a, {0, 1, 2, 4, 7, 9}) && (p == 7 || p == 8))
        add(TradeClass::preIndustrial);
    if (isOneOf(a, {0, 1, 2, 4, 7, 9, 10, 11, 12}) && p >= 9)
        add(TradeClass::industrial);
    // A poor world is never rich, whatever its air.
    if (between(a, 2, 5) && h <= 3) {
        add(TradeClass::poor);
    } else if (a == 6 || a == 8) {
        if (p == 5 || p == 9)
            add(TradeClass::preRich);
        else if (between(p, 6, 8) && between(g, 4, 9))
            add(TradeClass::rich);
    }

    // The short scale has no numbers to compare: only its lowest and highest levels count.
    if (isTravellerScale(uwp.techLevel)) {
        const int level = techLevelNumber(uwp.techLevel);
        if (level <= 5)
            add(TradeClass::lowTechnology);
        if (level >= 12)
            add(TradeClass::highTechnology);
    } else {
        if (uwp.techLevel == TechnologyLevel::tl0)
            add(TradeClass::lowTechnology);
        if (uwp.techLevel == TechnologyLevel::tl6)
            add(TradeClass::highTechnology);
    }

    switch (climateValue) {
    case climate::twilightZone:
        add(TradeClass::twilightZone);
        break;
    case climate::hot:
        add(TradeClass::hot);
        break;
    case climate::tropic:
        add(TradeClass::tropic);
        break;
    case climate::tundra:
        add(TradeClass::tundra);
        break;
    case climate::cold:
        add(TradeClass::cold);
        break;
    case climate::frozen:
        // Frozen needs water to freeze on a world that is neither tiny nor a giant.
        if (between(s, 2, 9) && h >= 1)
            add(TradeClass::frozen);
        break;
    default:
        break;
    }

    if (tideLocked)
        add(TradeClass::locked);
    return classes;
}

std::vector<TradeClass> rederiveTradeClasses(const WorldData& world) {
    std::vector<TradeClass> classes =
        deriveTradeClasses(world.uwp, worldClimate(world), world.tideLocked);
    for (const TradeClass kept : world.tradeClasses) {
        if (category(kept) >= TradeClassCategory::secondary &&
            std::find(classes.begin(), classes.end(), kept) == classes.end())
            classes.push_back(kept);
    }
    return classes;
}

HydrographicsRange hydrographicsRange(int size, int atmosphere) {
    // Too small to hold any liquid.
    if (size < 2)
        return {0, 0};
    // Without a breathable-range atmosphere the seas boil off or freeze out.
    const int shift = between(atmosphere, 2, 9) ? 0 : -4;
    return {std::max(0, atmosphere - 5 + shift), std::min(10, atmosphere + 5 + shift)};
}

} // namespace velmora::core
