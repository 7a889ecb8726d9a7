#pragma once

#include "core/star.h"
#include "core/uuid.h"

#include <string>
#include <vector>

namespace velmora::core {

struct StarSystem {
    Uuid id;
    std::string name;        // the main world's name as a rule
    std::vector<Star> stars; // primary first, then companions
    int gasGiant = 0;
    int planetoidBelts = 0;
    int totalNumberOfWorlds = 0; // the W figure of a sector listing
    // Map groups the map can show or hide.
    bool starfarers = false;
    bool sathar = false;
    bool other = false;
    bool surveyed = false;

    friend bool operator==(const StarSystem&, const StarSystem&) = default;
};

// The first world, stars in order and then their worlds in order, whose mainWorld
// flag is set; nested satellites are not searched. Null when no world is marked.
const WorldData* mainWorld(const StarSystem& system);
WorldData* mainWorld(StarSystem& system);

} // namespace velmora::core
