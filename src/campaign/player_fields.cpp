#include "campaign/player_fields.h"

#include "campaign/campaign_texts.h"
#include "campaign/player_ledger.h"
#include "campaign/players.h"

#include <algorithm>

namespace velmora::campaign {

namespace {

template <typename Player>
auto& amountOf(Player& player, LedgerAmount amount) {
    switch (amount) {
    case LedgerAmount::cash:
        return player.cash;
    case LedgerAmount::bank:
        return player.bank;
    case LedgerAmount::pension:
        return player.pension;
    case LedgerAmount::debt:
        return player.debt;
    case LedgerAmount::monthlyPayment:
        return player.monthlyPayment;
    case LedgerAmount::livingExpenses:
        return player.livingExpenses;
    case LedgerAmount::salary:
        break;
    }
    return player.salary;
}

template <typename Player>
auto& skillOf(Player& player, PlayerSkill skill) {
    switch (skill) {
    case PlayerSkill::broker:
        return player.broker;
    case PlayerSkill::streetwise:
        return player.streetwise;
    case PlayerSkill::carouse:
        return player.carouse;
    case PlayerSkill::steward:
        return player.steward;
    case PlayerSkill::admin:
        return player.admin;
    case PlayerSkill::socialStanding:
        return player.socialStanding;
    case PlayerSkill::navalRank:
        return player.navalRank;
    case PlayerSkill::scoutRank:
        break;
    }
    return player.scoutRank;
}

const PlayerSkillField& skillField(PlayerSkill skill) {
    return *std::find_if(playerSkillFields.begin(), playerSkillFields.end(),
                         [&](const PlayerSkillField& field) { return field.skill == skill; });
}

} // namespace

core::Credits ledgerAmount(const PlayerInfo& player, LedgerAmount amount) {
    return amountOf(player, amount);
}

void setLedgerAmount(PlayerInfo& player, LedgerAmount amount, core::Credits value) {
    amountOf(player, amount) = value;
    turnNegativeCashIntoDebt(player);
}

int skillValue(const PlayerInfo& player, PlayerSkill skill) {
    return skillOf(player, skill);
}

void setSkillValue(PlayerInfo& player, PlayerSkill skill, int value) {
    const PlayerSkillField& field = skillField(skill);
    skillOf(player, skill) = std::clamp(value, field.minimum, field.maximum);
}

std::optional<std::string> renamePlayer(Campaign& campaign, const core::Uuid& playerID,
                                        std::string_view name) {
    PlayerInfo* player = findPlayer(campaign, playerID);
    if (!player)
        return std::nullopt;
    const std::string wanted = trimmedText(name);
    if (wanted.empty())
        return "Enter a name for the player.";
    const bool taken =
        std::any_of(campaign.players.begin(), campaign.players.end(), [&](const PlayerInfo& other) {
            return other.id != playerID && trimmedText(other.name) == wanted;
        });
    if (taken)
        return "A player with this name already exists";
    player->name = wanted;
    return std::nullopt;
}

} // namespace velmora::campaign
