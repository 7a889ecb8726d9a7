#pragma once

#include "campaign/campaign.h"
#include "core/credits.h"
#include "core/uuid.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::campaign {

// The fields of a player the referee types into, one table each for the amounts
// of the ledger and the numbers trade reads, so that a view shows and sets them
// all the same way.

enum class LedgerAmount { cash, bank, pension, debt, monthlyPayment, livingExpenses, salary };

struct LedgerAmountField {
    LedgerAmount amount;
    std::string_view label;
    // Cash may be typed below zero: the money rule turns it into debt.
    core::AmountSign sign;
};

inline constexpr std::array<LedgerAmountField, 7> ledgerAmountFields = {{
    {LedgerAmount::cash, "Cash", core::AmountSign::any},
    {LedgerAmount::bank, "Bank", core::AmountSign::notNegative},
    {LedgerAmount::pension, "Pension", core::AmountSign::notNegative},
    {LedgerAmount::debt, "Debt", core::AmountSign::notNegative},
    {LedgerAmount::monthlyPayment, "Monthly Payment", core::AmountSign::notNegative},
    {LedgerAmount::livingExpenses, "Living Expenses", core::AmountSign::notNegative},
    {LedgerAmount::salary, "Salary", core::AmountSign::notNegative},
}};

// The table runs in the order of the cases, so a case is its own row.
static_assert([] {
    for (std::size_t i = 0; i < ledgerAmountFields.size(); ++i) {
        if (static_cast<std::size_t>(ledgerAmountFields[i].amount) != i)
            return false;
    }
    return true;
}());

core::Credits ledgerAmount(const PlayerInfo& player, LedgerAmount amount);
// Sets the amount; cash below zero becomes debt.
void setLedgerAmount(PlayerInfo& player, LedgerAmount amount, core::Credits value);

enum class PlayerSkill {
    broker,
    streetwise,
    carouse,
    steward,
    admin,
    socialStanding,
    navalRank,
    scoutRank
};

struct PlayerSkillField {
    PlayerSkill skill;
    std::string_view label;
    int minimum;
    int maximum;
};

inline constexpr std::array<PlayerSkillField, 8> playerSkillFields = {{
    {PlayerSkill::broker, "Broker", 0, 15},
    {PlayerSkill::streetwise, "Streetwise", 0, 15},
    {PlayerSkill::carouse, "Carouse", 0, 15},
    {PlayerSkill::steward, "Steward", 0, 15},
    {PlayerSkill::admin, "Admin", 0, 15},
    {PlayerSkill::socialStanding, "Social Standing", 0, 15},
    {PlayerSkill::navalRank, "Naval Rank", 0, 10},
    {PlayerSkill::scoutRank, "Scout Rank", 0, 10},
}};

static_assert([] {
    for (std::size_t i = 0; i < playerSkillFields.size(); ++i) {
        if (static_cast<std::size_t>(playerSkillFields[i].skill) != i)
            return false;
    }
    return true;
}());

int skillValue(const PlayerInfo& player, PlayerSkill skill);
// Brought into the field's range.
void setSkillValue(PlayerInfo& player, PlayerSkill skill, int value);

// Renames the player, refusing as "New Player" refuses: "Enter a name for the
// player." or "A player with this name already exists". The problem, or nothing.
std::optional<std::string> renamePlayer(Campaign& campaign, const core::Uuid& playerID,
                                        std::string_view name);

} // namespace velmora::campaign
