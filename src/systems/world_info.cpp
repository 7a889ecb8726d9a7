#include "systems/world_info.h"

#include "core/profile_texts.h"
#include "core/stellar.h"
#include "core/trade_classification.h"
#include "core/uwp.h"
#include "systems/system_texts.h"
#include "universe/ridivivev_izeviduv.h"

#include <cmath>

namespace velmora::systems {

std::string WorldInfoTarget::key() const {
    return coordinates.description() + "/" + (worldID ? worldID->toString() : std::string("main"));
}

namespace {

const core::WorldData* findIn(const std::vector<core::WorldData>& worlds, const core::Uuid& id) {
    for (const core::WorldData& world : worlds) {
        if (world.id == id)
            return &world;
        if (const core::WorldData* moon = findIn(world.satellites, id))
            return moon;
    }
    return nullptr;
}

std::string digitOf(int value) {
    return std::string(1, core::ehex(value));
}

} // namespace

std::optional<WorldInfoSubject> findWorldInfoSubject(const universe::RidivivevIzeviduv& universe,
                                                     const WorldInfoTarget& target) {
    const core::HexData* hex = universe.hexAt(target.coordinates);
    if (!hex)
        return std::nullopt;
    for (const core::Star& star : hex->starSystem.stars) {
        if (target.worldID) {
            if (const core::WorldData* world = findIn(star.worlds, *target.worldID))
                return WorldInfoSubject{hex, &star, world};
            continue;
        }
        for (const core::WorldData& world : star.worlds) {
            if (world.mainWorld)
                return WorldInfoSubject{hex, &star, &world};
        }
    }
    return std::nullopt;
}

std::string_view baseDisplayName(core::Base base) {
    switch (base) {
    case core::Base::corsairBase:
        return "Corsair Base";
    case core::Base::navalDepot:
        return "Naval Depot";
    case core::Base::embassy:
        return "Embassy";
    case core::Base::navalBase:
        return "Naval Base";
    case core::Base::militaryBase:
        return "Military Base";
    case core::Base::imperialNavalBase:
        return "Imperial Naval Base";
    case core::Base::clanBase:
        return "Clan Base";
    case core::Base::scoutBase:
        return "Scout Base";
    case core::Base::tlaukhuBase:
        return "Tlaukhu Base";
    case core::Base::explorationBase:
        return "Exploration Base";
    case core::Base::wayStation:
        return "Way Station";
    }
    return {};
}

std::vector<ProfileLine> profileExplanation(const core::UWP& uwp) {
    std::vector<ProfileLine> lines;
    lines.push_back({"Starport", std::string(1, core::letter(uwp.starport)),
                     std::string(core::rawValue(uwp.starport))});
    lines.push_back({"Size", digitOf(uwp.size), std::string(core::sizeText(uwp.size))});
    lines.push_back(
        {"Atmosphere", digitOf(uwp.atmosphere), std::string(core::atmosphereText(uwp.atmosphere))});
    lines.push_back({"Hydrographics", digitOf(uwp.hydrographics),
                     std::string(core::hydrographicsText(uwp.hydrographics))});
    std::string population(core::populationText(uwp.population));
    if (uwp.population > 0)
        population +=
            " (about " +
            populationFigureText((uwp.populationMultiplier == 0 ? 1 : uwp.populationMultiplier) *
                                 std::pow(10.0, uwp.population)) +
            ")";
    lines.push_back({"Population", digitOf(uwp.population), population});
    lines.push_back(
        {"Government", digitOf(uwp.government), std::string(core::governmentText(uwp.government))});
    lines.push_back(
        {"Law Level", digitOf(uwp.lawLevel), std::string(core::lawLevelText(uwp.lawLevel))});
    lines.push_back({"Tech Level", digitOf(core::techLevelNumber(uwp.techLevel)),
                     std::string(core::rawValue(uwp.techLevel))});
    std::string letters;
    std::string names;
    for (const core::Base base : uwp.bases) {
        letters += core::letter(base);
        if (!names.empty())
            names += ", ";
        names += baseDisplayName(base);
    }
    lines.push_back({"Bases", letters.empty() ? std::string("—") : letters,
                     names.empty() ? std::string("None") : names});
    return lines;
}

std::vector<TradeClassGroup> tradeClassesByCategory(const std::vector<core::TradeClass>& classes) {
    std::vector<TradeClassGroup> groups;
    for (int c = 0; c <= static_cast<int>(core::TradeClassCategory::special); ++c) {
        const auto category = static_cast<core::TradeClassCategory>(c);
        TradeClassGroup group{category, {}};
        for (const core::TradeClass tradeClass : classes) {
            if (core::category(tradeClass) == category)
                group.classes.push_back(tradeClass);
        }
        if (!group.classes.empty())
            groups.push_back(std::move(group));
    }
    return groups;
}

std::string spectrumText(const core::Star& star) {
    return std::string(core::rawValue(star.spectralType)) + std::to_string(star.temperature) + " " +
           std::string(core::rawValue(star.luminosity));
}

std::string starOrbitText(const core::Star& star, bool primary) {
    if (primary)
        return "Primary";
    if (star.orbit == core::Orbits::starOrbitP)
        return "Close orbit";
    return "Orbit " + std::to_string(core::rawValue(star.orbit));
}

std::string worldOrbitText(const core::WorldData& world) {
    std::string text = "Orbit " + std::to_string(core::rawValue(world.sunOrbit));
    if (core::isSatelliteOrbit(world.satelliteOrbit))
        text += ", satellite orbit " + std::string(core::rawValue(world.satelliteOrbit));
    return text;
}

std::string habitableZoneText(int hzOffset) {
    if (hzOffset == 0)
        return "In the habitable zone";
    const int orbits = hzOffset < 0 ? -hzOffset : hzOffset;
    return countText(orbits, "orbit") + (hzOffset < 0 ? " inside the habitable zone (hotter)"
                                                      : " outside the habitable zone (colder)");
}

std::string climateText(const core::WorldData& world) {
    switch (core::worldClimate(world)) {
    case core::climate::twilightZone:
        return "Twilight zone";
    case core::climate::hot:
        return "Hot";
    case core::climate::tropic:
        return "Tropic";
    case core::climate::temperate:
        return "Temperate";
    case core::climate::tundra:
        return "Tundra";
    case core::climate::cold:
        return "Cold";
    case core::climate::frozen:
        return "Frozen";
    default:
        return "None";
    }
}

std::string hoursText(int hours) {
    return hours <= 0 ? std::string("Not set") : countText(hours, "hour");
}

} // namespace velmora::systems
