#include "systems/system_editing.h"

#include "core/orbits.h"
#include "core/trade_classification.h"
#include "core/world_type.h"

#include <algorithm>
#include <array>

namespace velmora::systems {

namespace {

void giveNewIds(core::WorldData& world) {
    world.id = core::Uuid::generate();
    for (core::WorldData& moon : world.satellites)
        giveNewIds(moon);
}

bool nameInUse(const core::StarSystem& system, const std::string& name) {
    for (const core::Star& star : system.stars) {
        for (const core::WorldData& world : star.worlds) {
            if (world.name == name)
                return true;
        }
    }
    return false;
}

bool orbitsTheStar(const core::WorldData& world) {
    return !core::isSatelliteOrbit(world.satelliteOrbit);
}

} // namespace

std::optional<WorldPosition> findWorld(const core::StarSystem& system, const core::Uuid& id) {
    for (std::size_t s = 0; s < system.stars.size(); ++s) {
        const auto& worlds = system.stars[s].worlds;
        for (std::size_t w = 0; w < worlds.size(); ++w) {
            if (worlds[w].id == id)
                return WorldPosition{s, w};
        }
    }
    return std::nullopt;
}

std::size_t endOfSatelliteRun(const core::Star& star, std::size_t world) {
    std::size_t end = world + 1;
    if (world >= star.worlds.size() || !orbitsTheStar(star.worlds[world]))
        return std::min(end, star.worlds.size());
    while (end < star.worlds.size() && !orbitsTheStar(star.worlds[end]))
        ++end;
    return end;
}

std::string romanNumeral(int value) {
    static constexpr std::array<std::pair<int, const char*>, 13> numerals{{
        {1000, "M"},
        {900, "CM"},
        {500, "D"},
        {400, "CD"},
        {100, "C"},
        {90, "XC"},
        {50, "L"},
        {40, "XL"},
        {10, "X"},
        {9, "IX"},
        {5, "V"},
        {4, "IV"},
        {1, "I"},
    }};
    std::string text;
    for (const auto& [step, letters] : numerals) {
        while (value >= step) {
            text += letters;
            value -= step;
        }
    }
    return text;
}

WorldPosition addWorld(core::StarSystem& system, std::size_t starIndex) {
    core::Star& star = system.stars.at(starIndex);
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.type = core::WorldType::planet;
    world.uwp.starport = core::Starport::typeY;
    world.uwp.techLevel = core::TechnologyLevel::ttl0;

    // One orbit past the outermost body, with the distance from the habitable zone
    // carried along from it.
    const core::WorldData* outermost = nullptr;
    for (const core::WorldData& other : star.worlds) {
        if (orbitsTheStar(other) && (!outermost || other.sunOrbit > outermost->sunOrbit))
            outermost = &other;
    }
    if (outermost) {
        const int orbit = std::min(core::rawValue(outermost->sunOrbit) + 1, core::lastOrbitNumber);
        world.sunOrbit = *core::orbitsFromRawValue(orbit);
        world.hzOffset = outermost->hzOffset + (orbit - core::rawValue(outermost->sunOrbit));
    }
    // A new world follows the tech-level scale the system already uses.
    for (const core::Star& any : system.stars) {
        if (!any.worlds.empty()) {
            if (!core::isTravellerScale(any.worlds.front().uwp.techLevel))
                world.uwp.techLevel = core::TechnologyLevel::tl0;
            break;
        }
    }

    int planets = 1;
    for (const core::WorldData& other : star.worlds)
        planets += orbitsTheStar(other) ? 1 : 0;
    const std::string base = system.name.empty() ? std::string("World") : system.name;
    do {
        world.name = base + " " + romanNumeral(planets++);
    } while (nameInUse(system, world.name));

    world.tradeClasses =
        core::deriveTradeClasses(world.uwp, core::worldClimate(world), world.tideLocked);
    star.worlds.push_back(std::move(world));
    return {starIndex, star.worlds.size() - 1};
}

std::optional<WorldPosition> duplicateWorld(core::StarSystem& system, const core::Uuid& id) {
    const auto position = findWorld(system, id);
    if (!position)
        return std::nullopt;
    core::Star& star = system.stars[position->star];
    core::WorldData copy = star.worlds[position->world];
    giveNewIds(copy);
    copy.mainWorld = false;
    copy.legacyFactionsJson.clear();
    const std::string base = (copy.name.empty() ? std::string("World") : copy.name) + " (copy)";
    copy.name = base;
    for (int n = 2; nameInUse(system, copy.name); ++n)
        copy.name = base.substr(0, base.size() - 1) + " " + std::to_string(n) + ")";
    const std::size_t at = endOfSatelliteRun(star, position->world);
    star.worlds.insert(star.worlds.begin() + static_cast<std::ptrdiff_t>(at), std::move(copy));
    return WorldPosition{position->star, at};
}

std::size_t deleteWorld(core::StarSystem& system, const core::Uuid& id) {
    const auto position = findWorld(system, id);
    if (!position)
        return 0;
    core::Star& star = system.stars[position->star];
    const std::size_t end = endOfSatelliteRun(star, position->world);
    star.worlds.erase(star.worlds.begin() + static_cast<std::ptrdiff_t>(position->world),
                      star.worlds.begin() + static_cast<std::ptrdiff_t>(end));
    return end - position->world;
}

void setMainWorld(core::StarSystem& system, const std::optional<core::Uuid>& id) {
    for (core::Star& star : system.stars) {
        for (core::WorldData& world : star.worlds)
            world.mainWorld = id && world.id == *id;
    }
}

std::size_t addStar(core::StarSystem& system) {
    core::Star star;
    star.id = core::Uuid::generate();
    star.spectralType = core::SpectralType::M;
    star.temperature = 5;
    star.luminosity = core::LuminosityClass::V;
    star.mass = 0.3;
    const char letter = static_cast<char>('A' + std::min<std::size_t>(system.stars.size(), 25));
    star.name = (system.name.empty() ? std::string("Star") : system.name) + " " + letter;
    if (system.stars.empty()) {
        star.orbit = core::Orbits::starOrbitP;
        star.spectralType = core::SpectralType::G;
        star.temperature = 2;
        star.mass = 1.0;
    } else {
        // Companions take the first orbit from 0 outwards that no other star holds.
        for (int orbit = 0; orbit <= core::lastOrbitNumber; ++orbit) {
            const core::Orbits candidate = *core::orbitsFromRawValue(orbit);
            const bool used =
                std::any_of(system.stars.begin(), system.stars.end(),
                            [&](const core::Star& other) { return other.orbit == candidate; });
            if (!used) {
                star.orbit = candidate;
                break;
            }
        }
    }
    system.stars.push_back(std::move(star));
    return system.stars.size() - 1;
}

void removeStar(core::StarSystem& system, std::size_t star) {
    if (star < system.stars.size())
        system.stars.erase(system.stars.begin() + static_cast<std::ptrdiff_t>(star));
}

BodyCounts countBodies(const core::StarSystem& system) {
    BodyCounts counts;
    for (const core::Star& star : system.stars) {
        for (const core::WorldData& world : star.worlds) {
            ++counts.worlds;
            if (core::isGasGiant(world.type))
                ++counts.gasGiants;
            if (core::isBelt(world.type))
                ++counts.planetoidBelts;
        }
    }
    return counts;
}

namespace {

void collectCustomRaces(const core::WorldData& world, const std::vector<std::string>& known,
                        std::vector<std::string>& found) {
    const core::Race& race = world.prevalentRace;
    if (race.isCustom() && !race.customName().empty() &&
        std::find(known.begin(), known.end(), race.customName()) == known.end() &&
        std::find(found.begin(), found.end(), race.customName()) == found.end())
        found.push_back(race.customName());
    for (const core::WorldData& moon : world.satellites)
        collectCustomRaces(moon, known, found);
}

} // namespace

std::vector<std::string> newCustomRaces(const std::vector<std::string>& known,
                                        const core::HexData& hex) {
    std::vector<std::string> found;
    for (const core::Star& star : hex.starSystem.stars) {
        for (const core::WorldData& world : star.worlds)
            collectCustomRaces(world, known, found);
    }
    return found;
}

core::HexData newSystem(const core::GalacticCoordinates& coordinates, const std::string& name) {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = coordinates;
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = name;
    addStar(hex.starSystem);
    const WorldPosition main = addWorld(hex.starSystem, 0);
    core::WorldData& world = hex.starSystem.stars[main.star].worlds[main.world];
    world.name = name;
    world.mainWorld = true;
    world.sunOrbit = core::Orbits::starOrbit3;
    world.uwp.starport = core::Starport::typeX;
    hex.starSystem.totalNumberOfWorlds = 1;
    return hex;
}

} // namespace velmora::systems
