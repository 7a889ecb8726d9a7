#include "campaign/campaign_rules.h"

#include "campaign/campaign_texts.h"

#include <algorithm>

namespace velmora::campaign {

std::string normalizedCampaignCode(std::string_view typed) {
    return upperCased(trimmedText(typed));
}

std::optional<std::string> campaignNameProblem(const std::vector<Campaign>& campaigns,
                                               std::string_view name, const core::Uuid* renaming) {
    const std::string wanted = trimmedText(name);
    if (wanted.empty())
        return "Enter a name for the campaign.";
    for (const Campaign& campaign : campaigns) {
        if (renaming && campaign.id == *renaming)
            continue;
        if (equalIgnoringCase(trimmedText(campaign.name), wanted))
            return "A campaign with this name already exists";
    }
    return std::nullopt;
}

std::optional<std::string> campaignCodeProblem(const std::vector<Campaign>& campaigns,
                                               std::string_view code) {
    const std::string wanted = normalizedCampaignCode(code);
    if (characterCount(wanted) != campaignCodeLength)
        return "Code must be exactly 4 characters";
    const bool inUse =
        std::any_of(campaigns.begin(), campaigns.end(),
                    [&](const Campaign& campaign) { return campaign.code == wanted; });
    if (inUse)
        return "This code is already in use";
    return std::nullopt;
}

Campaign newCampaign(std::string_view name, std::string_view code,
                     std::optional<core::Uuid> universeID, std::string_view description,
                     core::Timestamp now) {
    Campaign campaign;
    campaign.id = core::Uuid::generate();
    campaign.created = now;
    campaign.name = trimmedText(name);
    campaign.code = normalizedCampaignCode(code);
    campaign.universeID = universeID;
    campaign.description = std::string(description);
    campaign.date = core::campaignStartDate();
    campaign.date.id = core::Uuid::generate();
    campaign.maintenanceAccruedMonth = -1;
    campaign.lifeSupportAccruedMonth = -1;
    return campaign;
}

bool settleUnsetCampaignMarkers(Campaign& campaign) {
    const int now = core::monthIndex(campaign.date);
    bool changed = false;
    for (int* marker : {&campaign.maintenanceAccruedMonth, &campaign.lifeSupportAccruedMonth}) {
        if (*marker < 0) {
            *marker = now;
            changed = true;
        }
    }
    return changed;
}

std::string resetAllMarkers(Campaign& campaign) {
    const int now = core::monthIndex(campaign.date);
    campaign.maintenanceAccruedMonth = now;
    campaign.lifeSupportAccruedMonth = now;
    for (PlayerInfo& player : campaign.players) {
        player.pensionAccruedMonth = now;
        player.monthlyPaymentAccruedMonth = now;
        player.livingExpensesAccruedMonth = now;
        player.salaryAccruedMonth = now;
    }
    std::string text(resetAllMarkersText);
    reportFeedback(campaign, text);
    return text;
}

void reportFeedback(Campaign& campaign, std::string text) {
    campaign.feedbackHistory.push_back(text);
    if (campaign.feedbackHistory.size() > feedbackHistoryLimit)
        campaign.feedbackHistory.erase(campaign.feedbackHistory.begin(),
                                       campaign.feedbackHistory.end() -
                                           static_cast<std::ptrdiff_t>(feedbackHistoryLimit));
    campaign.lastFeedback = std::move(text);
}

} // namespace velmora::campaign
