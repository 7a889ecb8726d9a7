#pragma once

#include "campaign/campaign.h"
#include "core/timestamp.h"
#include "core/uuid.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::campaign {

// What the campaigns file holds: the store's id and every campaign.
struct CampaignsFile {
    core::Uuid id;
    std::vector<Campaign> campaigns;

    friend bool operator==(const CampaignsFile&, const CampaignsFile&) = default;
};

// {"campaigns": [...], "id": "<UUID>"}, both keys required. Text that is not such a
// file throws DecodeError saying why. Campaigns without "created" take `now`.
CampaignsFile decodeCampaignsFile(std::string_view text, core::Timestamp now);
// Sorted keys, two-space indentation, dates as ISO-8601 text.
std::string encodeCampaignsFile(const CampaignsFile& file);

// A backup of one campaign: the campaign's own object, or `null` for none.
CampaignDocument decodeCampaignDocument(std::string_view text, core::Timestamp now);
std::string encodeCampaignDocument(const CampaignDocument& document);

} // namespace velmora::campaign
