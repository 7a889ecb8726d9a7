#pragma once

#include "campaign/campaign.h"
#include "campaign/campaign_backup.h"
#include "core/file_io.h"
#include "core/signal.h"
#include "core/timestamp.h"
#include "core/uuid.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace velmora::campaign {

// Owns every campaign and which one is selected, and keeps them in two files of
// one folder: the campaigns in "VM_campaigns.json" and the selected code in
// "VM_selectedCampaignCode.txt". Every change is saved at once, atomically, and
// the version each save replaces is kept (core/previous_version.h); nothing is
// saved while the files are being loaded.
//
// A campaigns file that cannot be read is never written over. The list starts
// empty and loadProblem() says which file failed and why. Nothing touches the file
// until the referee changes something; that first save moves the unreadable file
// aside to "VM_campaigns.unreadable.json" (or "-2", "-3", … when such a file is
// already there) before writing, so the damaged file and the previous version kept
// by the last good save both stay on disk.
class Gamemastering {
public:
    using Logger = std::function<void(const std::string&)>;

    struct Environment {
        std::filesystem::path folder;
        // The diagnostic log: one line a message.
        Logger log;
        // The time new campaigns are made at; the system clock when not given.
        core::Clock now;
        // How files are written; atomically when not given. Previous versions are
        // kept around it either way.
        core::FileWriting writing;
    };

    struct LoadProblem {
        std::filesystem::path file;
        std::string error;
        bool hasPreviousVersion = false;
        // Where the first save after the failed load moved the file.
        std::optional<std::filesystem::path> movedTo;
    };

    static constexpr const char* campaignsFileName = "VM_campaigns.json";
    static constexpr const char* selectedCodeFileName = "VM_selectedCampaignCode.txt";
    static constexpr const char* unreadableFileStem = "VM_campaigns.unreadable";

    explicit Gamemastering(Environment environment);

    // Reads both files, replacing whatever the store held. Said to the log:
    // "No campaigns file found on disk", "Path to database is <file>", "Failed to
    // read campaigns from <file>: <why>", "No selected campaign code file found on
    // disk", "Warning: Selected campaign code '<code>' not found in campaigns
    // array, ignoring". The selected campaign is opened (see selectCampaign).
    void load();

    const core::Uuid& id() const { return m_id; }
    const std::vector<Campaign>& campaigns() const { return m_campaigns; }
    // By code; nothing when no campaign has it. Pointers stay valid until a
    // campaign is created, imported or deleted.
    const Campaign* campaign(std::string_view code) const;
    const std::optional<std::string>& selectedCampaignCode() const { return m_selectedCode; }
    const Campaign* selectedCampaign() const;
    bool isInitializing() const { return m_initializing; }

    // Why the campaigns file could not be loaded, for the view to show until the
    // referee dismisses it. Dismissing it does not change what the next save does.
    const std::optional<LoadProblem>& loadProblem() const { return m_loadProblem; }
    static std::string loadProblemMessage(const LoadProblem& problem);
    void dismissLoadProblem();
    // The last save that failed, for an alert; cleared by the next good save.
    const std::optional<std::string>& lastError() const { return m_lastError; }

    std::filesystem::path campaignsFile() const;
    std::filesystem::path selectedCodeFile() const;

    // Selects (opens) the campaign with this code, or none. Opening starts the ship's
    // unset month markers at the current month. A code no campaign has selects none.
    void selectCampaign(std::optional<std::string> code);

    struct Created {
        std::optional<std::string> code; // of the new campaign
        std::string problem;             // why none was made
    };
    // "New Campaign", with the checks of campaign_rules.h.
    Created createCampaign(std::string_view name, std::string_view code,
                           std::optional<core::Uuid> universeID, std::string_view description);
    // "Edit Campaign": the code cannot change. The problem with the name, or nothing.
    std::optional<std::string> editCampaign(std::string_view code, std::string_view name,
                                            std::optional<core::Uuid> universeID,
                                            std::string_view description);
    // Whether there was such a campaign. Deleting the selected one selects none.
    bool deleteCampaign(std::string_view code);

    // Nothing for an unknown code.
    std::optional<CampaignDocument> exportBackup(std::string_view code) const;
    ImportOutcome importBackup(const CampaignDocument& document, const ImportRequest& request = {});

    // Every other change to a campaign goes through here: `change` gets the campaign
    // to change and may return a value (a report, a problem). The campaigns are
    // saved when it changed anything. Returns whether the campaign was found, or
    // the value when there is one (nothing for an unknown code).
    template <typename Change>
    auto edit(std::string_view code, Change&& change);

    // Puts back the campaigns file its last save replaced and loads it; the file it
    // replaces becomes the previous version. The error text when it fails.
    std::optional<std::string> restorePreviousVersion();

    // Anything changed: the list, a campaign, the selection or a problem.
    core::Signal<>& changed() { return m_changed; }

private:
    Campaign* find(std::string_view code);
    void afterEdit(const Campaign& before, const Campaign& after);
    bool saveCampaigns();
    bool saveSelectedCode();
    bool moveUnreadableFileAside();
    void log(const std::string& line) const;

    Environment m_env;
    core::FileWriting m_writing;
    core::Uuid m_id;
    std::vector<Campaign> m_campaigns;
    std::optional<std::string> m_selectedCode;
    bool m_initializing = false;
    std::optional<LoadProblem> m_loadProblem;
    // The campaigns file could not be read and is still where it was.
    bool m_unreadableFileInPlace = false;
    std::optional<std::string> m_lastError;
    core::Signal<> m_changed;
};

template <typename Change>
auto Gamemastering::edit(std::string_view code, Change&& change) {
    using Result = std::invoke_result_t<Change, Campaign&>;
    Campaign* campaign = find(code);
    if constexpr (std::is_void_v<Result>) {
        if (!campaign)
            return false;
        const Campaign before = *campaign;
        change(*campaign);
        afterEdit(before, *campaign);
        return true;
    } else {
        if (!campaign)
            return std::optional<Result>();
        const Campaign before = *campaign;
        std::optional<Result> result(change(*campaign));
        afterEdit(before, *campaign);
        return result;
    }
}

} // namespace velmora::campaign
