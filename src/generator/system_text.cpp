#include "generator/system_text.h"

#include "core/uwp.h"
#include "generator/star_generation.h"
#include "generator/star_tables.h"
#include "generator/system_filler.h"

#include <algorithm>
#include <cstdio>

namespace velmora::generator {

namespace {

std::string grouped(long value) {
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

constexpr const char* notSet = "\u2014";

} // namespace

std::vector<std::size_t> worldsInOrbitOrder(const core::Star& star) {
    const auto& worlds = star.worlds;
    std::vector<std::size_t> parentOf(worlds.size());
    std::size_t parent = 0;
    for (std::size_t i = 0; i < worlds.size(); ++i) {
        if (!core::isSatelliteOrbit(worlds[i].satelliteOrbit))
            parent = i;
        parentOf[i] = parent;
    }
    std::vector<std::size_t> order(worlds.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return worlds[parentOf[a]].sunOrbit < worlds[parentOf[b]].sunOrbit;
    });
    return order;
}

std::string worldTypeLabel(core::WorldType type) {
    using core::WorldType;
    switch (type) {
    case WorldType::planet:
        return "Planet";
    case WorldType::closeSatelliteGG:
        return "Close moon of a gas giant";
    case WorldType::closeSatelliteP:
        return "Close moon of a planet";
    case WorldType::farSatelliteGG:
        return "Far moon of a gas giant";
    case WorldType::farSatelliteP:
        return "Far moon of a planet";
    case WorldType::asteroidBelt:
        return "Asteroid belt";
    case WorldType::planetoidBelt:
        return "Planetoid belt";
    case WorldType::iceworld:
        return "Iceworld";
    case WorldType::radWorld:
        return "Rad world";
    case WorldType::inferno:
        return "Inferno";
    case WorldType::bigWorld:
        return "Big world";
    case WorldType::worldlet:
        return "Worldlet";
    case WorldType::innerWorld:
        return "Inner world";
    case WorldType::stormWorld:
        return "Storm world";
    case WorldType::smallGasGiant:
        return "Small gas giant";
    case WorldType::largeGasGiant:
        return "Large gas giant";
    case WorldType::iceGiant:
        return "Ice giant";
    }
    return {};
}

std::string orbitText(const core::WorldData& world) {
    std::string text = std::to_string(core::rawValue(world.sunOrbit));
    if (core::isSatelliteOrbit(world.satelliteOrbit))
        text += " \u00b7 " + std::string(core::rawValue(world.satelliteOrbit));
    return text;
}

std::string tradeCodesText(const std::vector<core::TradeClass>& classes) {
    std::string text;
    for (const core::TradeClass tradeClass : classes) {
        if (!text.empty())
            text += ' ';
        text += core::code(tradeClass);
    }
    return text;
}

std::string dayText(int hours) {
    return hours <= 0 ? notSet : grouped(hours) + " h";
}

std::string yearText(int hours) {
    if (hours <= 0)
        return notSet;
    char years[32];
    std::snprintf(years, sizeof years, "%.2f", hours / 8766.0);
    return grouped(hours) + " h (" + years + " yr)";
}

std::string starSummary(const core::Star& star) {
    char mass[32];
    std::snprintf(mass, sizeof mass, "%.2f", star.mass);
    return spectralText(star) + ", " + mass + " M\u2609";
}

std::string sizeText(const core::WorldData& world) {
    if (core::isGasGiant(world.type))
        return gasGiantDiameterText(world.uwp.size);
    return std::string(1, core::ehex(world.uwp.size));
}

std::string zoneText(const core::Star& star, const core::WorldData& world) {
    const int orbit = core::rawValue(world.sunOrbit);
    return std::string(zoneName(zoneOf(orbit, hzOrbit(star.spectralType, star.luminosity))));
}

} // namespace velmora::generator
