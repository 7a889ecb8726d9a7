#include "campaign/campaigns_codec.h"

#include "campaign/campaign_json.h"
#include "core/json_document.h"
#include "core/json_fields.h"
#include "core/json_text_writer.h"

namespace velmora::campaign {

using namespace core::json_fields;

namespace {

// Files end with a line break.
std::string finished(std::string text) {
    text.push_back('\n');
    return text;
}

} // namespace

CampaignsFile decodeCampaignsFile(std::string_view text, core::Timestamp now) {
    core::JsonDocument document;
    const core::JsonValue root = document.parse(text);
    requireObject(root, "The campaigns file");
    CampaignsFile file;
    file.id = requiredUuid(root, "id");
    const core::JsonValue campaigns = required(root, "campaigns");
    if (!campaigns.isArray())
        fail("campaigns", "is not a list");
    file.campaigns.reserve(campaigns.size());
    campaigns.forEach([&](const core::JsonValue& campaign) {
        file.campaigns.push_back(campaignFromJson(campaign, now));
    });
    return file;
}

std::string encodeCampaignsFile(const CampaignsFile& file) {
    std::string text;
    text.reserve(1 << 16);
    core::JsonTextWriter out(text);
    out.beginObject();
    out.key("campaigns");
    out.beginArray();
    for (const Campaign& campaign : file.campaigns)
        writeJson(out, campaign);
    out.endArray();
    out.key("id");
    out.value(std::string_view(file.id.toString()));
    out.endObject();
    return finished(std::move(text));
}

CampaignDocument decodeCampaignDocument(std::string_view text, core::Timestamp now) {
    core::JsonDocument document;
    const core::JsonValue root = document.parse(text);
    CampaignDocument backup;
    if (!root.isNull())
        backup.campaign = campaignFromJson(root, now);
    return backup;
}

std::string encodeCampaignDocument(const CampaignDocument& document) {
    std::string text;
    core::JsonTextWriter out(text);
    if (document.campaign)
        writeJson(out, *document.campaign);
    else
        text = "null";
    return finished(std::move(text));
}

} // namespace velmora::campaign
