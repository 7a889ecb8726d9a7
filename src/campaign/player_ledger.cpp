#include "campaign/player_ledger.h"

#include <algorithm>
#include <limits>

namespace velmora::campaign {

namespace {

using core::addCredits;
using core::subtractCredits;

// One more month settled. An unset marker stands for the current month.
void settleOneMonth(int& marker, const core::UniverseDate& today) {
    if (marker < 0)
        marker = core::monthIndex(today);
    if (marker < std::numeric_limits<int>::max())
        ++marker;
}

} // namespace

std::int64_t monthsOwed(int marker, const core::UniverseDate& today) {
    if (marker < 0)
        return 0;
    return std::max<std::int64_t>(0, std::int64_t{core::monthIndex(today)} - marker);
}

void turnNegativeCashIntoDebt(PlayerInfo& player) {
    if (player.cash >= 0)
        return;
    player.debt = subtractCredits(player.debt, player.cash);
    player.cash = 0;
}

void collectPension(PlayerInfo& player, const core::UniverseDate& today) {
    player.cash = addCredits(player.cash, player.pension);
    settleOneMonth(player.pensionAccruedMonth, today);
    turnNegativeCashIntoDebt(player);
}

void payMonthlyPayment(PlayerInfo& player, const core::UniverseDate& today) {
    player.cash = subtractCredits(player.cash, player.monthlyPayment);
    settleOneMonth(player.monthlyPaymentAccruedMonth, today);
    turnNegativeCashIntoDebt(player);
}

void payLivingExpenses(PlayerInfo& player, const core::UniverseDate& today) {
    player.cash = subtractCredits(player.cash, player.livingExpenses);
    settleOneMonth(player.livingExpensesAccruedMonth, today);
    turnNegativeCashIntoDebt(player);
}

void payOffDebt(PlayerInfo& player) {
    if (player.cash <= 0 || player.debt <= 0)
        return;
    if (player.cash >= player.debt) {
        player.cash -= player.debt;
        player.debt = 0;
    } else {
        player.debt -= player.cash;
        player.cash = 0;
    }
}

void paySalary(Campaign& campaign, PlayerInfo& npc) {
    campaign.commonCredits = subtractCredits(campaign.commonCredits, npc.salary);
    npc.cash = addCredits(npc.cash, npc.salary);
    settleOneMonth(npc.salaryAccruedMonth, campaign.date);
    turnNegativeCashIntoDebt(npc);
}

void resetTrackers(PlayerInfo& player, const core::UniverseDate& today) {
    const int now = core::monthIndex(today);
    player.pensionAccruedMonth = now;
    player.monthlyPaymentAccruedMonth = now;
    player.livingExpensesAccruedMonth = now;
    player.salaryAccruedMonth = now;
}

std::string transferBalancesText(const PlayerInfo& player) {
    return "Cash: " + core::creditsText(player.cash) +
           "    Bank: " + core::creditsText(player.bank);
}

std::optional<std::string> transferFunds(PlayerInfo& player, core::Credits amount,
                                         TransferDirection direction) {
    if (amount < 0)
        return "The amount can't be negative.";
    const bool fromCash = direction == TransferDirection::cashToBank;
    core::Credits& source = fromCash ? player.cash : player.bank;
    core::Credits& destination = fromCash ? player.bank : player.cash;
    if (amount > source)
        return "Only " + core::creditsText(source) + " available.";
    source -= amount;
    destination = addCredits(destination, amount);
    return std::nullopt;
}

} // namespace velmora::campaign
