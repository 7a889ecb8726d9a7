#pragma once

#include "core/hex_data.h"
#include "core/uuid.h"
#include "travel/route_plan.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/rutter.h"

#include <optional>
#include <string>

namespace velmora::campaign {
struct Campaign;
}

namespace velmora::travel {

// What a finished plan does to the universe and to the selected campaign. Each
// campaign action reports on the campaign's feedback line and returns the report;
// the campaign store saves the campaign after it, as after every action.

// "Create Rutters from Route", or "Create Routes from Route" in a Traveller universe:
// the button, and the name of the edit it makes.
std::string createRuttersTitle(bool travellerUniverse);
// "Created 3 Rutters", "Created 1 Route".
std::string createdRuttersText(int count, bool travellerUniverse);

// One rutter per leg, owned by the faction, in one edit (undone as one). Refused,
// changing nothing, when the faction is no longer in the universe.
universe::EditResult createRuttersFromRoute(universe::RidivivevIzeviduv& universe,
                                            const RoutePlan& plan, const core::Uuid& factionID,
                                            universe::RutterAge age);

// The party arrives at the destination's main world (at its primary when it has
// none). "Set campaign location to Regina."
std::string setLocationToDestination(campaign::Campaign& campaign, const core::HexData& destination,
                                     const std::string& name);
// The voyage's time on the campaign clock, to the nearest minute.
// "Added 2w 1d 3h to the campaign clock."
std::string addRouteTime(campaign::Campaign& campaign, const RoutePlan& plan);
// "Pay Fuel (Cr1500)", shown only when there is fuel to pay for.
std::optional<std::string> payFuelTitle(const RoutePlan& plan);
// "Paid Cr1500 in fuel costs from Common Credits." The balance may go below zero.
std::string payFuel(campaign::Campaign& campaign, const RoutePlan& plan);
// "Pay Salaries & Upkeep (Cr12345)", shown only when there is upkeep to pay.
std::optional<std::string> payUpkeepTitle(const RoutePlan& plan);
std::string payUpkeep(campaign::Campaign& campaign, const RoutePlan& plan);

// A transit time from the travel windows on the campaign clock, to the nearest minute.
std::string addTravelTime(campaign::Campaign& campaign, double seconds);

} // namespace velmora::travel
