#pragma once

#include "campaign/campaign.h"
#include "core/credits.h"
#include "core/universe_date.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velmora::campaign {

// A character's money. Nothing is charged by the clock: each monthly amount has a
// marker, the month index up to which it is settled, and the months owed are
// counted from it when shown. A marker of -1 has never been set and owes nothing;
// a payment made against it settles the month after the current one, as if it had
// stood at the current month.

// max(0, monthIndex(today) - marker), and 0 for an unset marker.
std::int64_t monthsOwed(int marker, const core::UniverseDate& today);

// The money rule: cash below zero becomes debt, and the cash stands at zero.
void turnNegativeCashIntoDebt(PlayerInfo& player);

// cash += pension; one more month received.
void collectPension(PlayerInfo& player, const core::UniverseDate& today);
// cash -= monthlyPayment; one more month paid.
void payMonthlyPayment(PlayerInfo& player, const core::UniverseDate& today);
// cash -= livingExpenses; one more month paid.
void payLivingExpenses(PlayerInfo& player, const core::UniverseDate& today);
// Pays what the cash covers: all of the debt, or all of the cash towards it.
void payOffDebt(PlayerInfo& player);
// "Pay Salary": one month's salary of an NPC, from the common credits to the NPC's cash.
inline constexpr std::string_view paySalaryHelp = "from Common Credits to Cash";
void paySalary(Campaign& campaign, PlayerInfo& npc);

inline constexpr std::string_view resetTrackersHelp =
    "Clears all months-owed counters above, without paying them out";
// "Reset Trackers": the player's four markers at the current month, paying nothing.
void resetTrackers(PlayerInfo& player, const core::UniverseDate& today);

enum class TransferDirection { cashToBank, bankToCash };

// "Cash: Cr1200    Bank: Cr5000", the balances the "Transfer Funds" sheet shows.
std::string transferBalancesText(const PlayerInfo& player);

// "Transfer Funds": moves the amount between cash and bank. Refused, changing
// nothing, with "Only Cr" + the source balance + " available." when the amount is
// more than the source holds, and with "The amount can't be negative." below zero.
std::optional<std::string> transferFunds(PlayerInfo& player, core::Credits amount,
                                         TransferDirection direction);

} // namespace velmora::campaign
