#include "generator/system_filler.h"

#include "core/dice.h"
#include "core/trade_classification.h"
#include "generator/secure_random_pool.h"
#include "generator/star_tables.h"
#include "generator/system_naming.h"
#include "generator/world_rolls.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace velmora::generator {

using core::Dice;
using core::Orbits;
using core::PlanetOrbits;
using core::RandomSource;
using core::WorldData;
using core::WorldType;

Zone zoneOf(int orbitNumber, int habitableZoneOrbit) {
    if (orbitNumber <= habitableZoneOrbit - 2)
        return Zone::inner;
    if (orbitNumber <= habitableZoneOrbit + 1)
        return Zone::habitable;
    return Zone::outer;
}

std::string_view zoneName(Zone zone) {
    switch (zone) {
    case Zone::inner:
        return "Inner";
    case Zone::habitable:
        return "Habitable";
    case Zone::outer:
        return "Outer";
    }
    return {};
}

std::optional<int> nearestFreeOrbit(int desired, const OrbitSet& used, int limit) {
    desired = std::clamp(desired, 0, limit);
    if (!used.test(static_cast<std::size_t>(desired)))
        return desired;
    for (int distance = 1; distance <= limit; ++distance) {
        const int inward = desired - distance;
        if (inward >= 0 && !used.test(static_cast<std::size_t>(inward)))
            return inward;
        const int outward = desired + distance;
        if (outward <= limit && !used.test(static_cast<std::size_t>(outward)))
            return outward;
    }
    return std::nullopt;
}

namespace {

constexpr std::array<double, 21> orbitDistances{
    0.2,   0.4,   0.7,   1.0,    1.6,    2.8,    5.2,    10.0,    19.6,    38.8,   77.2,
    154.0, 307.6, 614.8, 1229.2, 2458.0, 4915.6, 9830.8, 19661.2, 39322.0, 78643.6};

// Placement tables, indexed by 2D6 - 2.
using PlacementRow = std::array<int, 11>;
constexpr PlacementRow largeGasGiantPlacement{-3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7};
constexpr PlacementRow smallGasGiantPlacement{-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr PlacementRow iceGiantPlacement{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
constexpr PlacementRow beltPlacement{-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr PlacementRow otherWorldOrbit{10, 8, 6, 4, 2, 0, 1, 3, 5, 7, 9};
constexpr PlacementRow lastOtherWorldOrbit{17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7};

constexpr int placementLimit = 12;

// By 1D6 - 1: other worlds and satellites near the star share a table; far out they
// differ only in the 4, an iceworld for a world and a storm world for a moon.
constexpr std::array<WorldType, 6> innerBodies{WorldType::inferno,  WorldType::innerWorld,
                                               WorldType::bigWorld, WorldType::stormWorld,
                                               WorldType::radWorld, WorldType::planet};
constexpr std::array<WorldType, 6> outerWorlds{WorldType::worldlet, WorldType::iceworld,
                                               WorldType::bigWorld, WorldType::iceworld,
                                               WorldType::radWorld, WorldType::iceworld};
constexpr std::array<WorldType, 6> outerSatellites{WorldType::worldlet, WorldType::iceworld,
                                                   WorldType::bigWorld, WorldType::stormWorld,
                                                   WorldType::radWorld, WorldType::iceworld};

constexpr std::array<PlanetOrbits, 11> closeSatelliteOrbits{
    PlanetOrbits::planetOrbitB, PlanetOrbits::planetOrbitC, PlanetOrbits::planetOrbitD,
    PlanetOrbits::planetOrbitE, PlanetOrbits::planetOrbitF, PlanetOrbits::planetOrbitG,
    PlanetOrbits::planetOrbitH, PlanetOrbits::planetOrbitI, PlanetOrbits::planetOrbitJ,
    PlanetOrbits::planetOrbitK, PlanetOrbits::planetOrbitL};
constexpr std::array<PlanetOrbits, 11> farSatelliteOrbits{
    PlanetOrbits::planetOrbitO, PlanetOrbits::planetOrbitP, PlanetOrbits::planetOrbitQ,
    PlanetOrbits::planetOrbitR, PlanetOrbits::planetOrbitS, PlanetOrbits::planetOrbitT,
    PlanetOrbits::planetOrbitU, PlanetOrbits::planetOrbitV, PlanetOrbits::planetOrbitW,
    PlanetOrbits::planetOrbitX, PlanetOrbits::planetOrbitY};

// How a body's type may change once its size is known.
enum class Retyping {
    none,
    // Moons: a rolled big world takes the type its size deserves; size 0 is rubble.
    satellite,
    // The planet a main world circles: its type follows its size alone.
    bySize,
};

WorldType typeBySize(int size) {
    if (size == 0)
        return WorldType::planetoidBelt;
    if (size <= 3)
        return WorldType::worldlet;
    if (size <= 10)
        return WorldType::planet;
    return WorldType::bigWorld;
}

// Sizes the rules leave open. Big worlds are super-earths of size 10-15, worldlets
// 1-3, infernos 7-12 (hot and heavy); the other kinds roll like a planet, so an inner
// world, storm world, iceworld or rad world can be any planet's size.
int rollSizeOf(WorldType type, RandomSource& random) {
    switch (type) {
    case WorldType::asteroidBelt:
    case WorldType::planetoidBelt:
        return 0;
    case WorldType::inferno:
        return Dice::d6(random) + 6;
    case WorldType::bigWorld:
        return Dice::d6(random) + 9;
    case WorldType::worldlet:
        return (Dice::d6(random) + 1) / 2;
    default:
        return rollSize(random);
    }
}

int populationPenalty(WorldType type) {
    switch (type) {
    case WorldType::iceworld:
        return 6;
    case WorldType::stormWorld:
        return 4;
    default:
        return 0;
    }
}

bool isUninhabitable(WorldType type) {
    return type == WorldType::inferno || type == WorldType::radWorld || core::isGasGiant(type);
}

void makeUninhabited(core::UWP& uwp, core::TechnologyLevel scale) {
    uwp.population = 0;
    uwp.techLevel = lowestTechLevel(scale);
    uwp.starport = core::Starport::typeY;
    uwp.government = 0;
    uwp.lawLevel = 0;
    uwp.populationMultiplier = 0;
}

void rollSociety(core::UWP& uwp, const SecondaryWorldRules& rules, RandomSource& random) {
    if (uwp.population == 0) {
        makeUninhabited(uwp, rules.techLevel);
        return;
    }
    uwp.government = rollGovernment(uwp.population, random);
    uwp.lawLevel = rollLawLevel(uwp.government, random);
    uwp.starport = rollSpaceport(uwp.population, random);
    uwp.populationMultiplier = rollD9(random);
    uwp.techLevel =
        rules.rollTechLevel ? rollTechLevel(uwp, rules.techLevel, random) : rules.techLevel;
}

void deriveClasses(WorldData& world) {
    world.tradeClasses =
        core::deriveTradeClasses(world.uwp, core::worldClimate(world), world.tideLocked);
}

WorldData rollBody(WorldType type, Orbits orbit, PlanetOrbits satelliteOrbit, int hzOffset,
                   const SecondaryWorldRules& rules, RandomSource& random,
                   std::optional<int> maximumSize, Retyping retyping) {
    WorldData world;
    world.id = core::Uuid::generate();
    world.sunOrbit = orbit;
    world.satelliteOrbit = satelliteOrbit;
    world.hzOffset = hzOffset;
    core::UWP& uwp = world.uwp;

    int size = rollSizeOf(type, random);
    if (maximumSize)
        size = std::clamp(size, 0, std::max(*maximumSize, 0));
    if (retyping == Retyping::bySize ||
        (retyping == Retyping::satellite && type == WorldType::bigWorld))
        type = typeBySize(size);
    if (retyping == Retyping::satellite && size == 0)
        type = WorldType::planetoidBelt;
    world.type = type;
    uwp.size = size;

    switch (type) {
    case WorldType::asteroidBelt:
    case WorldType::planetoidBelt:
        uwp.atmosphere = 0;
        uwp.hydrographics = 0;
        break;
    case WorldType::inferno:
        uwp.atmosphere = 11;
        uwp.hydrographics = 0;
        break;
    case WorldType::stormWorld:
        uwp.atmosphere = std::min(4 + std::clamp(flux(random) + size, 0, 15), 15);
        uwp.hydrographics = std::max(rollHydrographics(size, uwp.atmosphere, random) - 4, 0);
        break;
    default:
        uwp.atmosphere = rollAtmosphere(size, random);
        uwp.hydrographics = rollHydrographics(size, uwp.atmosphere, random);
        break;
    }

    if (isUninhabitable(type)) {
        makeUninhabited(uwp, rules.techLevel);
    } else {
        const int rolled = rollSecondaryPopulation(uwp.atmosphere, uwp.hydrographics, random);
        uwp.population =
            std::clamp(rolled - populationPenalty(type), 0, std::max(rules.populationLimit, 0));
        rollSociety(uwp, rules, random);
    }
    uwp.density = rollDensity(type, random);
    deriveClasses(world);
    return world;
}

// Deals bodies to the stars in turn; a star whose orbits are full passes its body on.
class OrbitBook {
public:
    explicit OrbitBook(const std::vector<core::Star>& stars) : m_used(stars.size()) {
        for (const core::Star& star : stars)
            m_habitableZone.push_back(hzOrbit(star.spectralType, star.luminosity));
    }

    void take(std::size_t star, int orbit) { m_used[star].set(static_cast<std::size_t>(orbit)); }
    int habitableZone(std::size_t star) const { return m_habitableZone[star]; }

    struct Placement {
        std::size_t star;
        int orbit;
    };

    // The next body's place; `desired` gives its wished-for orbit around a star.
    template <typename Desired>
    std::optional<Placement> place(Desired desired) {
        const std::size_t count = m_used.size();
        const std::size_t first = m_nextBody++ % count;
        for (std::size_t step = 0; step < count; ++step) {
            const std::size_t star = (first + step) % count;
            if (const auto orbit = nearestFreeOrbit(desired(m_habitableZone[star]), m_used[star],
                                                    placementLimit)) {
                take(star, *orbit);
                return Placement{star, *orbit};
            }
        }
        return std::nullopt;
    }

private:
    std::vector<OrbitSet> m_used;
    std::vector<int> m_habitableZone;
    std::size_t m_nextBody = 0;
};

void appendWithSatellites(std::vector<WorldData>& worlds, WorldData body,
                          std::vector<WorldData> satellites) {
    worlds.push_back(std::move(body));
    for (WorldData& satellite : satellites)
        worlds.push_back(std::move(satellite));
}

// Every body, moons included, gets its year from its orbit around the star (a moon
// shares its parent's) and its own day; the two innermost orbits lock a body's face.
// A body the pass locks has its trade classes derived again so it also reads Lk.
void setDaysAndYears(std::vector<core::Star>& stars, RandomSource& random) {
    for (core::Star& star : stars) {
        for (WorldData& world : star.worlds) {
            const int orbit = std::max(core::rawValue(world.sunOrbit), 0);
            world.yearLength = yearLengthHours(orbit, star.mass);
            if (orbit <= 1) {
                world.tideLocked = true;
                world.dayLength = world.yearLength;
            } else {
                const int day = roll2D6(random) + flux(random) + 16;
                world.tideLocked = world.yearLength >= 1 && day >= world.yearLength;
                world.dayLength = world.tideLocked ? world.yearLength : day;
            }
            // Locking adds or takes away Lk; the classes that are never derived, which
            // an imported or hand-made main world may carry, stay. A world that neither
            // locks nor was locked keeps its classes as they are, in their order.
            const bool wasLocked = std::find(world.tradeClasses.begin(), world.tradeClasses.end(),
                                             core::TradeClass::locked) != world.tradeClasses.end();
            if (world.tideLocked || wasLocked)
                world.tradeClasses = core::rederiveTradeClasses(world);
        }
    }
}

} // namespace

double orbitDistanceAU(int orbitNumber) {
    return orbitDistances[static_cast<std::size_t>(std::clamp(orbitNumber, 0, 20))];
}

int yearLengthHours(int orbitNumber, double starMass) {
    if (!(starMass > 0))
        return 0;
    const double distance = orbitDistanceAU(orbitNumber);
    return static_cast<int>(
        std::lround(8766.0 * std::sqrt(distance * distance * distance / starMass)));
}

WorldData rollSecondaryWorld(WorldType type, Orbits orbit, int hzOffset,
                             const SecondaryWorldRules& rules, RandomSource& random,
                             std::optional<int> maximumSize) {
    return rollBody(type, orbit, PlanetOrbits::planetOrbit0, hzOffset, rules, random, maximumSize,
                    Retyping::none);
}

int gasGiantDiameterMiles(int size) {
    // Ice giants and small giants from a Neptune-like 20,000 miles, large ones up
    // to past Jupiter's 89,000 miles.
    static constexpr std::array<int, 11> miles{20000, 25000, 30000, 35000, 40000, 50000,
                                               60000, 70000, 80000, 90000, 100000};
    return miles[static_cast<std::size_t>(std::clamp(size, 21, 31) - 21)];
}

std::string gasGiantDiameterText(int size) {
    const auto grouped = [](long value) {
        std::string digits = std::to_string(value);
        for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
            digits.insert(static_cast<std::size_t>(at), ",");
        return digits;
    };
    const int miles = gasGiantDiameterMiles(size);
    return "\u2248 " + grouped(miles) + " mi (" + grouped(std::lround(miles * 1.609344)) + " km)";
}

WorldData buildGasGiant(int size, WorldType type, Orbits orbit, int hzOffset,
                        core::TechnologyLevel scale, RandomSource& random) {
    WorldData giant;
    giant.id = core::Uuid::generate();
    giant.type = type;
    giant.sunOrbit = orbit;
    giant.hzOffset = hzOffset;
    giant.uwp.size = std::clamp(size, 21, 31);
    // A giant is all envelope: its air reads "unusual" and it has no surface for seas.
    giant.uwp.atmosphere = 15;
    giant.uwp.hydrographics = 0;
    makeUninhabited(giant.uwp, scale);
    giant.uwp.density = rollDensity(type, random);
    deriveClasses(giant);
    return giant;
}

std::vector<WorldData> rollSatellites(const WorldData& parent, Zone zone, bool isGasGiant,
                                      const SecondaryWorldRules& rules, RandomSource& random) {
    if (parent.uwp.size == 0)
        return {};
    int count = Dice::d6(random);
    if (isGasGiant)
        count -= 1;
    else
        count -= zone == Zone::inner ? 5 : zone == Zone::habitable ? 4 : 3;
    if (count <= 0)
        return {};

    std::bitset<27> taken;
    const auto firstFree =
        [&](const std::array<PlanetOrbits, 11>& letters) -> std::optional<PlanetOrbits> {
        for (const PlanetOrbits letter : letters) {
            if (!taken.test(static_cast<std::size_t>(letter)))
                return letter;
        }
        return std::nullopt;
    };

    std::vector<WorldData> satellites;
    int failures = 0;
    for (int i = 0; i < count && failures < count; ++i) {
        const bool close = roll2D6(random) <= 7;
        const auto& chosen = close ? closeSatelliteOrbits : farSatelliteOrbits;
        const auto& other = close ? farSatelliteOrbits : closeSatelliteOrbits;
        std::optional<PlanetOrbits> letter = chosen[static_cast<std::size_t>(flux(random) + 5)];
        if (taken.test(static_cast<std::size_t>(*letter)))
            letter = firstFree(chosen);
        if (!letter)
            letter = firstFree(other);
        if (!letter) {
            ++failures;
            continue;
        }
        taken.set(static_cast<std::size_t>(*letter));
        const auto& types = zone == Zone::outer ? outerSatellites : innerBodies;
        const WorldType type = types[static_cast<std::size_t>(Dice::d6(random) - 1)];
        satellites.push_back(rollBody(type, parent.sunOrbit, *letter, parent.hzOffset, rules,
                                      random, parent.uwp.size - 1, Retyping::satellite));
    }
    // Listed from the innermost moon out, as a referee reads them.
    std::stable_sort(
        satellites.begin(), satellites.end(),
        [](const WorldData& a, const WorldData& b) { return a.satelliteOrbit < b.satelliteOrbit; });
    return satellites;
}

std::vector<core::Star> fillSystem(std::vector<core::Star> stars, WorldData mainWorld,
                                   int gasGiants, int belts, int otherWorlds, int populationLimit,
                                   bool rollTechLevel, core::TechnologyLevel techLevel,
                                   RandomSource& random) {
    if (stars.empty())
        return stars;
    const SecondaryWorldRules rules{populationLimit, rollTechLevel, techLevel};
    OrbitBook book(stars);
    const int primaryZone = book.habitableZone(0);
    const Orbits mainOrbit = mainWorld.sunOrbit;
    const int mainOrbitNumber = std::max(core::rawValue(mainOrbit), 0);
    book.take(0, mainOrbitNumber);
    std::vector<WorldData>& primaryWorlds = stars.front().worlds;

    switch (mainWorld.type) {
    case WorldType::closeSatelliteGG:
    case WorldType::farSatelliteGG: {
        const int size = roll2D6(random) + 19;
        const WorldType type = size >= 28 ? WorldType::largeGasGiant : WorldType::smallGasGiant;
        primaryWorlds.push_back(
            buildGasGiant(size, type, mainOrbit, mainOrbitNumber - primaryZone, techLevel, random));
        primaryWorlds.push_back(std::move(mainWorld));
        break;
    }
    case WorldType::closeSatelliteP:
    case WorldType::farSatelliteP:
        primaryWorlds.push_back(rollBody(WorldType::planet, mainOrbit, PlanetOrbits::planetOrbit0,
                                         mainOrbitNumber - primaryZone, rules, random, std::nullopt,
                                         Retyping::bySize));
        primaryWorlds.push_back(std::move(mainWorld));
        break;
    default: {
        auto satellites =
            rollSatellites(mainWorld, zoneOf(mainOrbitNumber, primaryZone), false, rules, random);
        appendWithSatellites(primaryWorlds, std::move(mainWorld), std::move(satellites));
        break;
    }
    }

    int smallOrIceGiants = 0;
    for (int i = 0; i < gasGiants; ++i) {
        int size = roll2D6(random) + 19;
        WorldType type = WorldType::largeGasGiant;
        if (size >= 28)
            size = std::min(size, 31);
        else
            type = smallOrIceGiants++ % 2 == 0 ? WorldType::smallGasGiant : WorldType::iceGiant;
        const PlacementRow& row = type == WorldType::largeGasGiant   ? largeGasGiantPlacement
                                  : type == WorldType::smallGasGiant ? smallGasGiantPlacement
                                                                     : iceGiantPlacement;
        const int offset = row[static_cast<std::size_t>(roll2D6(random) - 2)];
        const auto place = book.place([offset](int zone) { return zone + offset; });
        if (!place)
            continue;
        const int zone = book.habitableZone(place->star);
        WorldData giant = buildGasGiant(size, type, static_cast<Orbits>(place->orbit),
                                        place->orbit - zone, techLevel, random);
        auto satellites = rollSatellites(giant, zoneOf(place->orbit, zone), true, rules, random);
        appendWithSatellites(stars[place->star].worlds, std::move(giant), std::move(satellites));
    }

    for (int i = 0; i < belts; ++i) {
        const int offset = beltPlacement[static_cast<std::size_t>(roll2D6(random) - 2)];
        const auto place = book.place([offset](int zone) { return zone + offset; });
        if (!place)
            continue;
        const int zone = book.habitableZone(place->star);
        stars[place->star].worlds.push_back(rollSecondaryWorld(WorldType::planetoidBelt,
                                                               static_cast<Orbits>(place->orbit),
                                                               place->orbit - zone, rules, random));
    }

    for (int i = 0; i < otherWorlds; ++i) {
        const PlacementRow& row = i + 1 == otherWorlds ? lastOtherWorldOrbit : otherWorldOrbit;
        const int desired = row[static_cast<std::size_t>(roll2D6(random) - 2)];
        const auto place = book.place([desired](int) { return desired; });
        if (!place)
            continue;
        const int zone = book.habitableZone(place->star);
        const Zone band = zoneOf(place->orbit, zone);
        const auto& types = band == Zone::outer ? outerWorlds : innerBodies;
        const WorldType type = types[static_cast<std::size_t>(Dice::d6(random) - 1)];
        WorldData world = rollSecondaryWorld(type, static_cast<Orbits>(place->orbit),
                                             place->orbit - zone, rules, random);
        auto satellites = rollSatellites(world, band, false, rules, random);
        appendWithSatellites(stars[place->star].worlds, std::move(world), std::move(satellites));
    }

    setDaysAndYears(stars, random);
    return stars;
}

void fillAroundMainWorld(core::StarSystem& system, int otherWorlds, RandomSource& random) {
    const WorldData* marked = core::mainWorld(system);
    WorldData main = *marked;
    const core::TechnologyLevel ceiling = main.uwp.techLevel;
    std::vector<core::Star> stars = system.stars;
    for (core::Star& star : stars)
        star.worlds.clear();
    const int populationLimit = std::max(0, main.uwp.population - 1);
    const std::string mainName = main.name;
    const core::Uuid mainID = main.id;
    system.stars =
        fillSystem(std::move(stars), std::move(main), system.gasGiant, system.planetoidBelts,
                   otherWorlds, populationLimit, /*rollTechLevel=*/true, ceiling, random);
    // Names follow the system; star names, the system's name and the main
    // world's name stay as they were.
    const std::string systemName = system.name;
    std::vector<std::string> starNames;
    for (const core::Star& star : system.stars)
        starNames.push_back(star.name);
    nameSystem(system, systemName.empty() ? mainName : systemName);
    system.name = systemName;
    int total = 0;
    for (std::size_t s = 0; s < system.stars.size(); ++s) {
        core::Star& star = system.stars[s];
        if (s < starNames.size() && !starNames[s].empty())
            star.name = starNames[s];
        for (WorldData& world : star.worlds) {
            if (world.id == mainID)
                world.name = mainName;
        }
        total += static_cast<int>(star.worlds.size());
    }
    system.totalNumberOfWorlds = total;
}

} // namespace velmora::generator
