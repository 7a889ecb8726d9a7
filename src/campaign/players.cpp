#include "campaign/players.h"

#include "campaign/campaign_texts.h"

#include <algorithm>

namespace velmora::campaign {

PlayerInfo* findPlayer(Campaign& campaign, const core::Uuid& playerID) {
    const auto it = std::find_if(campaign.players.begin(), campaign.players.end(),
                                 [&](const PlayerInfo& player) { return player.id == playerID; });
    return it == campaign.players.end() ? nullptr : &*it;
}

const PlayerInfo* findPlayer(const Campaign& campaign, const core::Uuid& playerID) {
    return findPlayer(const_cast<Campaign&>(campaign), playerID);
}

std::optional<std::string> newPlayerProblem(const Campaign& campaign, const NewPlayer& player) {
    const std::string name = trimmedText(player.name);
    if (name.empty())
        return "Enter a name for the player.";
    if (trimmedText(player.characterName).empty())
        return "Enter a name for the player's character.";
    const bool taken =
        std::any_of(campaign.players.begin(), campaign.players.end(),
                    [&](const PlayerInfo& other) { return trimmedText(other.name) == name; });
    if (taken)
        return "A player with this name already exists";
    return std::nullopt;
}

std::optional<core::Uuid> addPlayer(Campaign& campaign, const NewPlayer& player) {
    if (newPlayerProblem(campaign, player))
        return std::nullopt;
    PlayerInfo added;
    added.id = core::Uuid::generate();
    added.name = trimmedText(player.name);
    added.characterName = trimmedText(player.characterName);
    added.notes = player.notes;
    campaign.players.push_back(std::move(added));
    return campaign.players.back().id;
}

bool removePlayer(Campaign& campaign, const core::Uuid& playerID) {
    const auto removed = std::erase_if(
        campaign.players, [&](const PlayerInfo& player) { return player.id == playerID; });
    return removed > 0;
}

} // namespace velmora::campaign
