#include "campaign/common_credits.h"

#include "campaign/campaign_rules.h"
#include "campaign/campaign_texts.h"
#include "campaign/player_ledger.h"

#include <algorithm>

namespace velmora::campaign {

using core::addCredits;
using core::creditsText;
using core::multiplyCredits;
using core::subtractCredits;

int sharingPlayerCount(const Campaign& campaign) {
    return static_cast<int>(std::count_if(campaign.players.begin(), campaign.players.end(),
                                          [](const PlayerInfo& player) { return !player.isNPC; }));
}

std::string commonCreditsText(const Campaign& campaign) {
    return "Currently " + creditsText(campaign.commonCredits);
}

std::string poolInDescription(const Campaign& campaign) {
    const int count = sharingPlayerCount(campaign);
    return "Collects the same amount from each of the " + std::to_string(count) + " " +
           nounFor(count, "player") + " and adds the total to Common Credits.";
}

std::string poolInTotalText(const Campaign& campaign, core::Credits perPlayer) {
    return "Total: " + creditsText(multiplyCredits(perPlayer, sharingPlayerCount(campaign)));
}

void poolInFunds(Campaign& campaign, core::Credits perPlayer) {
    for (PlayerInfo& player : campaign.players) {
        if (player.isNPC)
            continue;
        player.cash = subtractCredits(player.cash, perPlayer);
        turnNegativeCashIntoDebt(player);
        campaign.commonCredits = addCredits(campaign.commonCredits, perPlayer);
    }
}

std::string distributeDescription(const Campaign& campaign) {
    const int count = sharingPlayerCount(campaign);
    return "Splits a total amount evenly across the " + std::to_string(count) + " " +
           nounFor(count, "player") + ", deducted from Common Credits.";
}

std::string distributeShareText(const Campaign& campaign, core::Credits total) {
    const int count = sharingPlayerCount(campaign);
    const core::Credits share = count > 0 ? total / count : 0;
    const core::Credits remainder = total - share * count;
    std::string text = creditsText(share) + " each";
    if (remainder != 0)
        text += " (" + creditsText(remainder) + " remainder stays in Common Credits)";
    return text;
}

void distributeFunds(Campaign& campaign, core::Credits total) {
    const int count = sharingPlayerCount(campaign);
    if (count == 0)
        return;
    const core::Credits share = total / count;
    if (share < 1)
        return;
    for (PlayerInfo& player : campaign.players) {
        if (player.isNPC)
            continue;
        player.cash = addCredits(player.cash, share);
        campaign.commonCredits = subtractCredits(campaign.commonCredits, share);
    }
}

core::Credits overdueSalaries(const Campaign& campaign) {
    core::Credits total = 0;
    for (const PlayerInfo& player : campaign.players) {
        if (player.isNPC)
            total = addCredits(
                total, multiplyCredits(player.salary,
                                       monthsOwed(player.salaryAccruedMonth, campaign.date)));
    }
    return total;
}

std::string salariesDueText(const Campaign& campaign) {
    return "Salaries Due (" + creditsText(overdueSalaries(campaign)) + ")";
}

std::string payOverdueSalaries(Campaign& campaign) {
    const int now = core::monthIndex(campaign.date);
    core::Credits total = 0;
    for (PlayerInfo& npc : campaign.players) {
        if (!npc.isNPC)
            continue;
        const core::Credits owed =
            multiplyCredits(npc.salary, monthsOwed(npc.salaryAccruedMonth, campaign.date));
        // Months paid ahead with "Pay Salary" stay paid.
        npc.salaryAccruedMonth = std::max(npc.salaryAccruedMonth, now);
        if (owed == 0)
            continue;
        campaign.commonCredits = subtractCredits(campaign.commonCredits, owed);
        npc.cash = addCredits(npc.cash, owed);
        turnNegativeCashIntoDebt(npc);
        total = addCredits(total, owed);
    }
    std::string text = "Paid " + creditsText(total) + " in overdue NPC salaries.";
    reportFeedback(campaign, text);
    return text;
}

} // namespace velmora::campaign
