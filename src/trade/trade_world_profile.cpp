#include "trade/trade_world_profile.h"

#include "core/technology_level.h"
#include "core/world_data.h"
#include "trade/trade_tables.h"

#include <algorithm>

namespace velmora::trade {

namespace {

bool tagged(const core::WorldData& world, core::WorldTag tag) {
    return std::find(world.worldTags.begin(), world.worldTags.end(), tag) != world.worldTags.end();
}

} // namespace

std::optional<TradeWorldProfile> tradeWorldProfile(const core::HexData& hex) {
    const core::WorldData* world = core::mainWorld(hex.starSystem);
    if (!world)
        return std::nullopt;
    TradeWorldProfile profile;
    profile.coordinates = hex.coordinates;
    profile.systemName = hex.starSystem.name.empty() ? "Unnamed System" : hex.starSystem.name;
    profile.worldName = world->name;
    profile.population = world->uwp.population;
    profile.starport = world->uwp.starport;
    profile.techLevel = core::techLevelNumber(world->uwp.techLevel);
    profile.lawLevel = world->uwp.lawLevel;
    profile.tradeCodes = {world->tradeClasses.begin(), world->tradeClasses.end()};
    if (tagged(*world, core::WorldTag::redZone))
        profile.zone = TradeWorldProfile::Zone::red;
    else if (tagged(*world, core::WorldTag::amberZone))
        profile.zone = TradeWorldProfile::Zone::amber;
    return profile;
}

std::string marketWorldName(const TradeWorldProfile& profile) {
    return profile.worldName.empty() ? profile.systemName : profile.worldName;
}

int passengerPopulationDM(int population) {
    if (population <= 1)
        return -4;
    if (population >= 8)
        return 3;
    return population >= 6 ? 1 : 0;
}

int passengerTrafficDM(const TradeWorldProfile& profile) {
    int zoneDM = 0;
    if (profile.zone == TradeWorldProfile::Zone::amber)
        zoneDM = 1;
    else if (profile.zone == TradeWorldProfile::Zone::red)
        zoneDM = -4;
    return starportTrafficDM(profile.starport) + passengerPopulationDM(profile.population) + zoneDM;
}

int freightTrafficDM(const TradeWorldProfile& profile) {
    int populationDM = 0;
    if (profile.population <= 1)
        populationDM = -4;
    else if (profile.population >= 8)
        populationDM = 4;
    else if (profile.population >= 6)
        populationDM = 2;
    int techDM = 0;
    if (profile.techLevel <= 6)
        techDM = -1;
    else if (profile.techLevel >= 9)
        techDM = 2;
    int zoneDM = 0;
    if (profile.zone == TradeWorldProfile::Zone::amber)
        zoneDM = -2;
    else if (profile.zone == TradeWorldProfile::Zone::red)
        zoneDM = -6;
    return starportTrafficDM(profile.starport) + populationDM + techDM + zoneDM;
}

} // namespace velmora::trade
