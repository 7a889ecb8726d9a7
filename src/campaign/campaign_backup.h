#pragma once

#include "campaign/campaign.h"
#include "core/timestamp.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::campaign {

// Backups of single campaigns: "Export Backup..." writes one campaign to a file of
// the referee's choosing, "Import Backup..." adds it again. Importing never writes
// over a campaign without being asked to: a backup whose id or code is already in
// use is a conflict, and the referee chooses to replace the campaign it meets or to
// keep both under a new code.

// "<name>-backup.json", with the characters a file name cannot hold made dashes.
std::string suggestedBackupName(const Campaign& campaign);

// Written atomically. The error text when it could not be.
std::optional<std::string> writeBackupFile(const CampaignDocument& document,
                                           const std::filesystem::path& file);

// The document, or the problem to show: the file could not be read, or is not a
// campaign backup (and why).
struct BackupFile {
    std::optional<CampaignDocument> document;
    std::string problem;
};
BackupFile readBackupFile(const std::filesystem::path& file, core::Timestamp now);

enum class ImportConflictChoice {
    ask,      // a conflict imports nothing and asks
    replace,  // the campaigns with the backup's id or code give way to it
    keepBoth, // the backup comes in under a new id and the code given
};

struct ImportRequest {
    ImportConflictChoice onConflict = ImportConflictChoice::ask;
    std::string newCode; // for keepBoth
};

struct ImportOutcome {
    enum class Status {
        imported, // the campaign is in the list: `code` is its code
        conflict, // nothing changed; `message` asks which way to go
        refused,  // nothing changed; `message` says why
    };
    Status status = Status::refused;
    std::string message;
    std::string code;
};

// Adds the backup's campaign to `campaigns` as the request says. A campaign coming
// in under a name the list already has (ignoring case) is called "<name>
// (imported)", then "(imported 2)" and so on. Keeping both checks the new code as a
// new campaign's code is checked, and moves the notes to it.
ImportOutcome importCampaign(std::vector<Campaign>& campaigns, const CampaignDocument& document,
                             const ImportRequest& request);

} // namespace velmora::campaign
