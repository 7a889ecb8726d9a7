#include "travel/route_actions.h"

#include "campaign/campaign.h"
#include "campaign/campaign_clock.h"
#include "campaign/campaign_rules.h"
#include "campaign/party_location.h"
#include "travel/travel_durations.h"

#include <algorithm>

namespace velmora::travel {

namespace {

std::string reported(campaign::Campaign& campaign, std::string text) {
    campaign::reportFeedback(campaign, text);
    return text;
}

} // namespace

std::string createRuttersTitle(bool travellerUniverse) {
    return "Create " + universe::rutterListTitle(travellerUniverse) + " from Route";
}

std::string createdRuttersText(int count, bool travellerUniverse) {
    return "Created " + std::to_string(count) + " " + universe::rutterNoun(travellerUniverse) +
           (count == 1 ? "" : "s");
}

universe::EditResult createRuttersFromRoute(universe::RidivivevIzeviduv& universe,
                                            const RoutePlan& plan, const core::Uuid& factionID,
                                            universe::RutterAge age) {
    if (!universe.faction(factionID))
        return {"That faction is no longer in the universe."};
    universe::UniverseEdit edit =
        universe.beginEdit(createRuttersTitle(universe.usesTravellerTechLevels()));
    auto& rutters = edit.rutters();
    for (const RouteLeg& leg : plan.legs) {
        universe::Rutter rutter;
        rutter.id = core::Uuid::generate();
        rutter.factionID = factionID;
        rutter.start = leg.from;
        rutter.end = leg.to;
        rutter.mainTradeRoute = false;
        rutter.age = age;
        rutters.push_back(std::move(rutter));
    }
    return universe.apply(std::move(edit));
}

std::string setLocationToDestination(campaign::Campaign& campaign, const core::HexData& destination,
                                     const std::string& name) {
    campaign::setPartyHex(campaign, destination);
    // At a satellite main world the party is in that satellite's orbit.
    if (const core::WorldData* main = core::mainWorld(destination.starSystem))
        campaign.planetOrbit = core::isSatelliteOrbit(main->satelliteOrbit)
                                   ? std::optional(main->satelliteOrbit)
                                   : std::nullopt;
    return reported(campaign, "Set campaign location to " + name + ".");
}

std::string addRouteTime(campaign::Campaign& campaign, const RoutePlan& plan) {
    campaign.date =
        campaign.date.adding(std::max<std::int64_t>(roundedMinutes(plan.totalSeconds), 0));
    return reported(campaign,
                    "Added " + formatVoyage(plan.totalSeconds) + " to the campaign clock.");
}

std::optional<std::string> payFuelTitle(const RoutePlan& plan) {
    if (plan.totalFuelCostCredits < 1)
        return std::nullopt;
    return "Pay Fuel (" + core::creditsText(plan.totalFuelCostCredits) + ")";
}

std::string payFuel(campaign::Campaign& campaign, const RoutePlan& plan) {
    campaign.commonCredits =
        core::subtractCredits(campaign.commonCredits, plan.totalFuelCostCredits);
    return reported(campaign, "Paid " + core::creditsText(plan.totalFuelCostCredits) +
                                  " in fuel costs from Common Credits.");
}

std::optional<std::string> payUpkeepTitle(const RoutePlan& plan) {
    if (plan.upkeepCostCredits < 1)
        return std::nullopt;
    return "Pay Salaries & Upkeep (" + core::creditsText(plan.upkeepCostCredits) + ")";
}

std::string payUpkeep(campaign::Campaign& campaign, const RoutePlan& plan) {
    campaign.commonCredits = core::subtractCredits(campaign.commonCredits, plan.upkeepCostCredits);
    return reported(
        campaign, "Paid " + core::creditsText(plan.upkeepCostCredits) +
                      " in upkeep (maintenance, life support, and salaries) from Common Credits.");
}

std::string addTravelTime(campaign::Campaign& campaign, double seconds) {
    return campaign::advanceTime(campaign, roundedMinutes(seconds));
}

} // namespace velmora::travel
