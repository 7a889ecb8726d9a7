#include "systems/system_refill.h"

#include "core/dice.h"
#include "generator/system_filler.h"
#include "generator/system_naming.h"

#include <algorithm>

namespace velmora::systems {

int bodiesReplacedByRefill(const core::StarSystem& system) {
    int count = 0;
    for (const core::Star& star : system.stars) {
        for (const core::WorldData& world : star.worlds)
            count += world.mainWorld ? 0 : 1;
    }
    return count;
}

std::optional<std::string> refillSystem(core::StarSystem& system, core::RandomSource& random) {
    const core::WorldData* marked = core::mainWorld(system);
    if (!marked)
        return std::string("The system has no main world to build around. Mark one of its worlds as the main world.");
    if (system.stars.empty())
        return std::string("The system has no star. Add a star first.");
    core::WorldData main = *marked;
    std::vector<core::Star> stars = system.stars;
    for (core::Star& star : stars)
        star.worlds.clear();
    const int otherWorlds = core::Dice::roll(random, 2);
    const int populationLimit = std::max(0, main.uwp.population - 1);
    const std::string mainName = main.name;
    const core::Uuid mainID = main.id;
    system.stars = generator::fillSystem(std::move(stars), std::move(main), system.gasGiant, system.planetoidBelts,
                                         otherWorlds, populationLimit, /*rollTechLevel=*/true,
                                         marked->uwp.techLevel, random);
    // Names follow the system; the referee's star names, system name and main world
    // name stay as they were.
    const std::string systemName = system.name;
    std::vector<std::string> starNames;
    for (const core::Star& star : system.stars)
        starNames.push_back(star.name);
    generator::nameSystem(system, systemName.empty() ? mainName : systemName);
    system.name = systemName;
    for (std::size_t s = 0; s < system.stars.size(); ++s) {
        core::Star& star = system.stars[s];
        if (s < starNames.size() && !starNames[s].empty())
            star.name = starNames[s];
        for (core::WorldData& world : star.worlds) {
            if (world.id == mainID)
                world.name = mainName;
        }
    }
    int total = 0;
    for (const core::Star& star : system.stars)
        total += static_cast<int>(star.worlds.size());
    system.totalNumberOfWorlds = total;
    return std::nullopt;
}

} // namespace velmora::systems
