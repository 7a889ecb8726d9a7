#pragma once

#include "core/orbits.h"
#include "core/race.h"
#include "core/trade_class.h"
#include "core/uuid.h"
#include "core/uwp.h"
#include "core/world_tag.h"
#include "core/world_type.h"

#include <string>
#include <vector>

namespace velmora::core {

// One planet, belt, gas giant or satellite. A generated satellite is listed in its
// star's worlds right after its parent, with a satellite type and a lettered
// satelliteOrbit; `satellites` holds moons only when they were entered as nested records.
struct WorldData {
    Uuid id;
    std::string name;
    bool mainWorld = false;
    WorldType type = WorldType::planet;
    Orbits sunOrbit = Orbits::starOrbit0;
    PlanetOrbits satelliteOrbit = PlanetOrbits::planetOrbit0;
    std::vector<WorldData> satellites;
    // Orbits from the star's habitable zone: negative is inside (hotter), positive outside.
    int hzOffset = 0;
    UWP uwp;
    int dayLength = 0;  // hours; 0 when not set
    int yearLength = 0; // hours (a standard year is 8766); 0 when not set
    bool tideLocked = false;
    Race prevalentRace;
    std::vector<Uuid> factionIDs;
    std::vector<WorldTag> worldTags;
    std::vector<TradeClass> tradeClasses;
    std::string notes;
    std::string image; // name of the picture chosen for the world; empty for none
    // Faction records that older files kept inside the world, each as compact JSON
    // text. The universe decodes them when it migrates; they are never written back.
    std::vector<std::string> legacyFactionsJson;

    friend bool operator==(const WorldData&, const WorldData&) = default;
};

} // namespace velmora::core
