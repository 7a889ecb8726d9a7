#pragma once

#include "campaign/campaign_note.h"
#include "campaign/player_info.h"
#include "campaign/travel_state.h"
#include "core/credits.h"
#include "core/hex_data.h"
#include "core/orbits.h"
#include "core/timestamp.h"
#include "core/universe_date.h"
#include "core/uuid.h"
#include "trade/ship_manifest.h"
#include "trade/trade_skill_source.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::campaign {

// The referee's running game: its players and their money, the party's common
// credits, the campaign date and where the party is, the ship and its manifest,
// the journal, and whose skills trade uses. Identified by `id`; the four-letter
// `code` is what the referee sees and selects by, and never changes.
struct Campaign {
    core::Uuid id;
    core::Timestamp created;
    std::string name;
    std::string code;
    std::string description;
    bool isActive = true;
    std::vector<PlayerInfo> players;
    core::Credits commonCredits = 0;
    core::UniverseDate date;

    // Where the party is: a copy of the system's hex, the orbit around its star
    // `starIndex` and the satellite orbit.
    std::optional<core::HexData> hex;
    std::optional<core::Orbits> orbit;
    std::optional<core::PlanetOrbits> planetOrbit;
    int starIndex = 0;
    TravelState travelState = TravelState::landed;
    double hoursToLocation = 0; // left to travel to the destination
    std::optional<std::string> departureLocationDescription;

    std::vector<CampaignNote> notes;
    std::optional<core::Uuid> universeID;
    std::optional<core::Uuid> shipDesignID; // a saved ship design
    trade::ShipManifest manifest;
    trade::TradeSkillSource tradeNegotiator;
    trade::TradeSkillSource tradeSteward;
    int tradeSupplierBrokerSkill = 2;

    // Month indexes up to which the ship's maintenance and life support are paid.
    int maintenanceAccruedMonth = -1;
    int lifeSupportAccruedMonth = -1;

    // What the last actions reported, oldest first, and the latest on its own.
    std::vector<std::string> feedbackHistory;
    std::string lastFeedback;

    friend bool operator==(const Campaign&, const Campaign&) = default;
};

// A backup of one campaign, in the same form as an entry of the campaigns file.
struct CampaignDocument {
    std::optional<Campaign> campaign;

    friend bool operator==(const CampaignDocument&, const CampaignDocument&) = default;
};

} // namespace velmora::campaign
