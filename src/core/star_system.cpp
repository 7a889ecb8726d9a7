#include "core/star_system.h"

#include <utility>

namespace velmora::core {

const WorldData* mainWorld(const StarSystem& system) {
    for (const Star& star : system.stars) {
        for (const WorldData& world : star.worlds) {
            if (world.mainWorld)
                return &world;
        }
    }
    return nullptr;
}

WorldData* mainWorld(StarSystem& system) {
    return const_cast<WorldData*>(mainWorld(std::as_const(system)));
}

} // namespace velmora::core
