#include "campaign/campaign_backup.h"

#include "campaign/campaign_rules.h"
#include "campaign/campaign_texts.h"
#include "campaign/campaigns_codec.h"
#include "core/decode_error.h"
#include "core/file_io.h"

#include <algorithm>

namespace velmora::campaign {

namespace {

std::string inQuotes(const std::string& name) {
    return "\u201c" + name + "\u201d";
}

bool nameTaken(const std::vector<Campaign>& campaigns, const std::string& name) {
    return std::any_of(campaigns.begin(), campaigns.end(), [&](const Campaign& campaign) {
        return equalIgnoringCase(trimmedText(campaign.name), trimmedText(name));
    });
}

std::string freeName(const std::vector<Campaign>& campaigns, const std::string& name) {
    if (!nameTaken(campaigns, name))
        return name;
    std::string candidate = name + " (imported)";
    for (int n = 2; nameTaken(campaigns, candidate); ++n)
        candidate = name + " (imported " + std::to_string(n) + ")";
    return candidate;
}

ImportOutcome imported(std::vector<Campaign>& campaigns, Campaign campaign, std::ptrdiff_t position,
                       std::string message) {
    campaign.name = freeName(campaigns, campaign.name);
    ImportOutcome outcome{ImportOutcome::Status::imported, std::move(message), campaign.code};
    outcome.message += " " + inQuotes(campaign.name) + " (" + campaign.code + ").";
    campaigns.insert(campaigns.begin() + position, std::move(campaign));
    return outcome;
}

} // namespace

std::string suggestedBackupName(const Campaign& campaign) {
    std::string name = trimmedText(campaign.name);
    if (name.empty())
        name = campaign.code;
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20)
            c = '-';
    }
    return name + "-backup.json";
}

std::optional<std::string> writeBackupFile(const CampaignDocument& document,
                                           const std::filesystem::path& file) {
    const core::FileResult written =
        core::writeFileAtomically(file, encodeCampaignDocument(document));
    if (!written.ok)
        return written.error;
    return std::nullopt;
}

BackupFile readBackupFile(const std::filesystem::path& file, core::Timestamp now) {
    std::string error;
    const auto bytes = core::readWholeFile(file, &error);
    if (!bytes)
        return {std::nullopt, error};
    try {
        return {decodeCampaignDocument(*bytes, now), {}};
    } catch (const core::DecodeError& problem) {
        return {std::nullopt,
                file.filename().string() + " is not a campaign backup: " + problem.what()};
    }
}

ImportOutcome importCampaign(std::vector<Campaign>& campaigns, const CampaignDocument& document,
                             const ImportRequest& request) {
    using Status = ImportOutcome::Status;
    if (!document.campaign)
        return {Status::refused, "This backup holds no campaign.", {}};
    Campaign campaign = *document.campaign;

    const auto sameID = std::find_if(campaigns.begin(), campaigns.end(),
                                     [&](const Campaign& c) { return c.id == campaign.id; });
    const auto sameCode = std::find_if(campaigns.begin(), campaigns.end(),
                                       [&](const Campaign& c) { return c.code == campaign.code; });
    if (sameID == campaigns.end() && sameCode == campaigns.end())
        return imported(campaigns, std::move(campaign),
                        static_cast<std::ptrdiff_t>(campaigns.size()), "Imported");

    switch (request.onConflict) {
    case ImportConflictChoice::ask: {
        std::string question =
            sameID != campaigns.end()
                ? inQuotes(sameID->name) + " (" + sameID->code + ") is already here."
                : "The code " + campaign.code + " is already used by " + inQuotes(sameCode->name) +
                      ".";
        question += " Replace it with the backup, or keep both by giving the backup a new code.";
        return {Status::conflict, std::move(question), {}};
    }
    case ImportConflictChoice::replace: {
        // The backup takes the place of the first campaign it meets.
        const auto first = std::min(sameID, sameCode);
        const auto position = first - campaigns.begin();
        std::erase_if(campaigns, [&](const Campaign& c) {
            return c.id == campaign.id || c.code == campaign.code;
        });
        return imported(campaigns, std::move(campaign), position, "Replaced with the backup:");
    }
    case ImportConflictChoice::keepBoth: {
        if (const auto problem = campaignCodeProblem(campaigns, request.newCode))
            return {Status::refused, *problem, {}};
        campaign.id = core::Uuid::generate();
        campaign.code = normalizedCampaignCode(request.newCode);
        for (CampaignNote& note : campaign.notes)
            note.campaignCode = campaign.code;
        return imported(campaigns, std::move(campaign),
                        static_cast<std::ptrdiff_t>(campaigns.size()), "Imported");
    }
    }
    return {Status::refused, {}, {}};
}

} // namespace velmora::campaign
