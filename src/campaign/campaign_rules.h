#pragma once

#include "campaign/campaign.h"
#include "core/timestamp.h"
#include "core/uuid.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::campaign {

inline constexpr std::string_view noCampaignsText = "Press 'New Campaign' below.";
inline constexpr std::string_view codeCannotChangeText = "Campaign code cannot be changed.";
inline constexpr int campaignCodeLength = 4;

// The code as it is stored: without surrounding spaces, in upper case.
std::string normalizedCampaignCode(std::string_view typed);

// Why a campaign cannot take this name, or nothing. Names are compared trimmed and
// ignoring case; `renaming` is the campaign whose own name does not count.
// "Enter a name for the campaign." or "A campaign with this name already exists".
std::optional<std::string> campaignNameProblem(const std::vector<Campaign>& campaigns,
                                               std::string_view name,
                                               const core::Uuid* renaming = nullptr);

// Why a new campaign cannot take this code (normalised first), or nothing:
// "Code must be exactly 4 characters" or "This code is already in use".
std::optional<std::string> campaignCodeProblem(const std::vector<Campaign>& campaigns,
                                               std::string_view code);

// A campaign as "New Campaign" makes it, after the checks above: a new id, made
// `now`, on 12:00 of day 1 of 1105, with both ship markers unset and everything
// else as a campaign read without those keys.
Campaign newCampaign(std::string_view name, std::string_view code,
                     std::optional<core::Uuid> universeID, std::string_view description,
                     core::Timestamp now);

// Opening a campaign starts the ship's unset maintenance and life-support markers
// at the current month, so nothing is owed for the months before it was opened.
// Whether anything changed.
bool settleUnsetCampaignMarkers(Campaign& campaign);

inline constexpr std::string_view resetAllMarkersText =
    "Reset all accrual markers to the current month.";

// Every marker of the campaign and its players at the current month, paying
// nothing. Reports resetAllMarkersText.
std::string resetAllMarkers(Campaign& campaign);

// The campaign's feedback line: the latest report, and the history it joins.
// The history keeps the latest feedbackHistoryLimit reports.
inline constexpr std::size_t feedbackHistoryLimit = 100;
void reportFeedback(Campaign& campaign, std::string text);

} // namespace velmora::campaign
