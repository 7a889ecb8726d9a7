#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "core/starport.h"
#include "core/trade_class.h"

#include <optional>
#include <set>
#include <string>

namespace velmora::trade {

// A main world as trade sees it: where it is, what it is called, and the figures
// every DM is taken from.
struct TradeWorldProfile {
    enum class Zone { none, amber, red };

    core::GalacticCoordinates coordinates;
    std::string systemName; // "Unnamed System" when the system has no name
    std::string worldName;
    int population = 0;
    core::Starport starport = core::Starport::typeX;
    int techLevel = 0;
    int lawLevel = 0;
    std::set<core::TradeClass> tradeCodes;
    Zone zone = Zone::none;

    bool has(core::TradeClass code) const { return tradeCodes.contains(code); }

    friend bool operator==(const TradeWorldProfile&, const TradeWorldProfile&) = default;
};

// The profile of the hex's main world; nothing when it has none. A world tagged
// both amber and red is red.
std::optional<TradeWorldProfile> tradeWorldProfile(const core::HexData& hex);

// The name a market is known by in lists and edit names: the main world's name,
// else the system's.
std::string marketWorldName(const TradeWorldProfile& profile);

// Population DM of passenger traffic: -4 at 1 or less, +1 at 6-7, +3 at 8 or more.
int passengerPopulationDM(int population);
// The world's DM on passenger traffic, leaving and arriving alike.
int passengerTrafficDM(const TradeWorldProfile& profile);
// The world's DM on freight traffic, leaving and arriving alike.
int freightTrafficDM(const TradeWorldProfile& profile);

} // namespace velmora::trade
