#pragma once

#include "campaign/campaign.h"
#include "core/credits.h"

#include <string>
#include <string_view>

namespace velmora::campaign {

// The party's pooled money, Campaign::commonCredits, and what moves in and out of
// it. Salaried NPCs neither pool money in nor receive a share. Nothing here checks
// a balance: the common credits may go below zero, and a player's cash that does
// becomes debt.

inline constexpr std::string_view commonCreditsNPCNote =
    "Salaried NPCs don't pool in or receive a share of common credits.";
inline constexpr std::string_view overdueSalariesHelp =
    "Pays every NPC's overdue salary in full from Common Credits.";

// The players who are not NPCs.
int sharingPlayerCount(const Campaign& campaign);

// "Currently Cr" + the common credits.
std::string commonCreditsText(const Campaign& campaign);

// "Collects the same amount from each of the 3 players and adds the total to
// Common Credits."
std::string poolInDescription(const Campaign& campaign);
// "Total: Cr" + the amount times the sharing players.
std::string poolInTotalText(const Campaign& campaign, core::Credits perPlayer);
// "Pool In Funds": takes the amount from every sharing player's cash and adds the
// total to the common credits.
void poolInFunds(Campaign& campaign, core::Credits perPlayer);

// "Splits a total amount evenly across the 3 players, deducted from Common Credits."
std::string distributeDescription(const Campaign& campaign);
// "Cr333 each (Cr1 remainder stays in Common Credits)"; no remainder part when
// the total divides evenly.
std::string distributeShareText(const Campaign& campaign, core::Credits total);
// "Distribute Funds": each sharing player's cash gains total div count, and the
// common credits lose that share times the count; the remainder stays. A share
// below Cr1 moves nothing.
void distributeFunds(Campaign& campaign, core::Credits total);

// What every NPC is owed: the months owed on its salary marker times its salary.
core::Credits overdueSalaries(const Campaign& campaign);
// "Salaries Due (Cr" + overdueSalaries + ")".
std::string salariesDueText(const Campaign& campaign);
// Pays every NPC what it is owed from the common credits into its cash, brings its
// marker up to the current month (an unset one too), and reports "Paid Cr" + total + " in overdue
// NPC salaries."
std::string payOverdueSalaries(Campaign& campaign);

} // namespace velmora::campaign
