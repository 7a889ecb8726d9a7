#pragma once

#include "campaign/campaign.h"
#include "campaign/ship_capacity.h"
#include "campaign/trade_actions.h"
#include "core/galactic_coordinates.h"
#include "core/uuid.h"
#include "trade/ship_manifest.h"
#include "trade/trade_check.h"
#include "trade/trade_market.h"
#include "trade/trade_pricing.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::campaign {

class Gamemastering;

// Everything the ship does with its manifest, each worked out as a TradePlan that
// changes nothing until applyTradeAction: refused plans leave every file as it was.
// Without a ship (no capacity) nothing is bounded by berths or hold space.

// The name of the world at these coordinates, or nothing when the universe no
// longer holds one there.
using WorldNameLookup = std::function<std::optional<std::string>(const core::GalacticCoordinates&)>;
WorldNameLookup worldNames(const universe::RidivivevIzeviduv& universe);

// Where the market is and what the ship can hold.
struct MarketSide {
    const Campaign& campaign;
    const trade::TradeMarket& market;
    std::string originName;
    std::optional<ShipCapacity> capacity;
    WorldNameLookup names;
};

inline constexpr core::Credits mailCreditsPerContainer = 25'000;
inline constexpr int mailTonsPerContainer = 5;

// "4 × Middle Passage", "12 tons freight", "2 mail containers", "10 tons Wood",
// "10 tons Unknown Good".
std::string entryDescription(const trade::ManifestEntry& entry);
// The good's name, or "Unknown Good" for a row the table does not have.
std::string goodName(std::optional<int> d66);
// "3 available — Cr25,000 each, 5 tons each, all-or-none."
std::string mailOfferText(int containers);
// What a freight or mail entry pays on delivery; 0 once collected and for the rest.
core::Credits amountDue(const trade::ManifestEntry& entry);

// "Book": as many of the offer's passengers as there are free berths of its class.
TradePlan bookPassengers(const MarketSide& side, const core::Uuid& offerID);
// "Accept" a freight lot, whole.
TradePlan acceptFreight(const MarketSide& side, const core::Uuid& lotID);
inline constexpr const char* exceedsCargoSpaceText = "Exceeds cargo space";
// "Accept" the market's mail, all containers, for a destination or none.
TradePlan acceptMail(const MarketSide& side,
                     const std::optional<core::GalacticCoordinates>& destination);
// "Buy…": tons of a cargo offer at the quoted price, with the purchase check.
TradePlan buyCargo(const MarketSide& side, const core::Uuid& offerID, int tons,
                   const trade::TradeQuote& quote, const trade::TradeCheck& check);

// Where the party is, for resolving what is aboard.
TradePlan deliverEntry(const Campaign& campaign, const core::Uuid& entryID);
// The quote's dice and price go into the note.
TradePlan sellCargo(const Campaign& campaign, const core::Uuid& entryID, int tons,
                    const trade::TradeQuote& quote);
// Raises the entry's failed buyer searches for the trade month `month`.
TradePlan recordFailedBuyerAttempt(const Campaign& campaign, const core::Uuid& entryID,
                                   const trade::TradeCheck& check, int month);
TradePlan jettisonEntry(const Campaign& campaign, const core::Uuid& entryID);
// "Jettison " + description + "? This can't be undone and pays nothing."
std::string jettisonQuestion(const trade::ManifestEntry& entry);

// Auxiliary tanks.
TradePlan jettisonAuxiliaryFuel(const Campaign& campaign, trade::ShipManifest::AuxiliaryTank tank);
// "Jettison all fuel from the " + tank + "? This can't be undone."
std::string jettisonFuelQuestion(trade::ShipManifest::AuxiliaryTank tank);
TradePlan jettisonDropTank(const Campaign& campaign);
// The collapsible tank's or the container's fuel into the main tanks, up to their
// free capacity.
TradePlan moveFuelToMainTanks(const Campaign& campaign, const ShipCapacity& capacity,
                              trade::ShipManifest::AuxiliaryTank tank);
double refinedFuel(const trade::ShipManifest& manifest, trade::ShipManifest::AuxiliaryTank tank);
double unrefinedFuel(const trade::ShipManifest& manifest, trade::ShipManifest::AuxiliaryTank tank);
// "12t refined, 3t unrefined".
std::string fuelText(double refined, double unrefined);
inline constexpr const char* moveFuelHelp =
    "Moves this tank's fuel to the main tanks, up to their free capacity. Its fuel can't power a "
    "jump until it's moved there.";
// "Jumping on drop tank fuel applies DM-15 + TL" n " to the Engineer (J-drive) check. ..."
std::string dropTankHelp(int techLevel);

// Taking on fuel. Where it comes from decides its kind and price: a starport sells
// refined fuel at Cr500 a ton and unrefined at Cr100, as does a refuelling
// station; skimming a gas giant or scooping water costs nothing. A full load of
// every tank aboard takes six hours, four when scooping water, and less fuel
// takes its share of that time.
enum class FuelSource { refinedStarport, unrefinedStarport, installation, gasGiant, water };
struct FuelSourceTerms {
    FuelSource source;
    std::string_view label;
    bool refined;
    core::Credits pricePerTon;
    int minutesForFullLoad;
};
inline constexpr std::array<FuelSourceTerms, 5> fuelSources = {{
    {FuelSource::refinedStarport, "Refined (starport)", true, 500, 360},
    {FuelSource::unrefinedStarport, "Unrefined (starport)", false, 100, 360},
    {FuelSource::installation, "Refuelling station", false, 100, 360},
    {FuelSource::gasGiant, "Gas-giant skim", false, 0, 360},
    {FuelSource::water, "Water scoop", false, 0, 240},
}};
const FuelSourceTerms& fuelSourceTerms(FuelSource source);

// The main tanks (nothing) or one of the auxiliary tanks.
using FuelTank = std::optional<trade::ShipManifest::AuxiliaryTank>;
// "Main Tanks", or the auxiliary tank's name.
std::string fuelTankName(const FuelTank& tank);
// How much more the tank holds; nothing for a jettisoned drop tank.
double fuelRoom(const ShipCapacity& capacity, const trade::ShipManifest& manifest,
                const FuelTank& tank);

// Adding fuel: the action, and the minutes the clock moves on once it is done.
struct RefuelPlan {
    TradePlan plan;
    std::int64_t minutes = 0;

    explicit operator bool() const { return static_cast<bool>(plan); }
};
// "12 tons of refined fuel added to the Drop Tank. Time advanced by 1h12m."; for
// the main tanks without " to the " and the tank. The fuel's price comes off the
// common credits, which may go below zero.
RefuelPlan addFuel(const Campaign& campaign, const ShipCapacity& capacity, const FuelTank& tank,
                   FuelSource source, double tons);
// The action, then the clock moved on: the note is dated when refuelling began.
void applyRefuel(const RefuelPlan& refuel, Campaign& campaign);
// The same on the store's selected campaign, which saves; false without one.
bool applyRefuel(const RefuelPlan& refuel, Gamemastering& store);

// Upkeep from the common credits, which may go below zero.
TradePlan payMaintenance(const Campaign& campaign, const ShipCapacity& capacity);
TradePlan payLifeSupport(const Campaign& campaign, const ShipCapacity& capacity);
inline constexpr const char* payMaintenanceHelp =
    "Pays one month of ship maintenance from Common Credits.";
inline constexpr const char* payLifeSupportHelp =
    "Pays one month of ship life support from Common Credits.";

// The manifest's entries by destination, in the order their destinations first
// appear; those bound nowhere in particular last, under "Unspecified Destination".
struct DestinationGroup {
    std::optional<core::GalacticCoordinates> destination;
    std::string name;
    bool here = false; // the party is at the destination
    std::vector<const trade::ManifestEntry*> entries;
};
std::vector<DestinationGroup> groupByDestination(const Campaign& campaign);
inline constexpr const char* unspecifiedDestinationText = "Unspecified Destination";
inline constexpr const char* nothingAboardText = "Nothing aboard yet.";
inline constexpr const char* differentShipWarning =
    "These entries were booked against a different ship than the campaign's current one.";

} // namespace velmora::campaign
