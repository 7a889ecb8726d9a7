#pragma once

#include "campaign/campaign.h"
#include "core/uuid.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::campaign {

PlayerInfo* findPlayer(Campaign& campaign, const core::Uuid& playerID);
const PlayerInfo* findPlayer(const Campaign& campaign, const core::Uuid& playerID);

// What "New Player" asks for.
struct NewPlayer {
    std::string name;
    std::string characterName;
    std::string notes;
};

// Why the player cannot be added, or nothing: "Enter a name for the player.",
// "Enter a name for the player's character." or "A player with this name
// already exists" (names compared without surrounding spaces).
std::optional<std::string> newPlayerProblem(const Campaign& campaign, const NewPlayer& player);

// Adds the player after the checks above, every other field as a player read
// without those keys. The new player's id, or nothing when refused.
std::optional<core::Uuid> addPlayer(Campaign& campaign, const NewPlayer& player);

// Whether the player was there to remove.
bool removePlayer(Campaign& campaign, const core::Uuid& playerID);

} // namespace velmora::campaign
