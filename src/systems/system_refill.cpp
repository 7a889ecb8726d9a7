#include "systems/system_refill.h"

#include "core/dice.h"
#include "generator/system_filler.h"

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
        return std::string("The system has no main world to build around. Mark one of its worlds "
                           "as the main world.");
    if (system.stars.empty())
        return std::string("The system has no star. Add a star first.");
    generator::fillAroundMainWorld(system, core::Dice::roll(random, 2), random);
    return std::nullopt;
}

} // namespace velmora::systems
