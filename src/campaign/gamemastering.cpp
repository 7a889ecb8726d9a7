#include "campaign/gamemastering.h"

#include "campaign/campaign_rules.h"
#include "campaign/campaign_texts.h"
#include "campaign/campaigns_codec.h"
#include "core/decode_error.h"
#include "core/previous_version.h"

#include <algorithm>
#include <system_error>

namespace velmora::campaign {

namespace fs = std::filesystem;

Gamemastering::Gamemastering(Environment environment)
    : m_env(std::move(environment)), m_id(core::Uuid::generate()) {
    if (!m_env.now)
        m_env.now = core::systemNow;
    if (!m_env.writing)
        m_env.writing = core::atomicFileWriting();
    m_writing = core::keepingPreviousVersions(m_env.writing,
                                              [this](const std::string& error) { log(error); });
}

fs::path Gamemastering::campaignsFile() const {
    return m_env.folder / campaignsFileName;
}

fs::path Gamemastering::selectedCodeFile() const {
    return m_env.folder / selectedCodeFileName;
}

void Gamemastering::log(const std::string& line) const {
    if (m_env.log)
        m_env.log(line);
}

void Gamemastering::load() {
    m_initializing = true;
    m_id = core::Uuid::generate();
    m_campaigns.clear();
    m_selectedCode.reset();
    m_loadProblem.reset();
    m_unreadableFileInPlace = false;

    const fs::path file = campaignsFile();
    std::error_code ignored;
    if (!fs::exists(file, ignored)) {
        log("No campaigns file found on disk");
    } else {
        std::string error;
        if (const auto bytes = core::readWholeFile(file, &error)) {
            try {
                CampaignsFile decoded = decodeCampaignsFile(*bytes, m_env.now());
                m_id = decoded.id;
                m_campaigns = std::move(decoded.campaigns);
                log("Path to database is " + file.string());
            } catch (const core::DecodeError& problem) {
                error = problem.what();
            }
        }
        if (!error.empty()) {
            m_loadProblem =
                LoadProblem{file, error, fs::exists(core::previousVersionOf(file), ignored), {}};
            m_unreadableFileInPlace = true;
            log("Failed to read campaigns from " + file.string() + ": " + error);
        }
    }

    const fs::path codeFile = selectedCodeFile();
    if (!fs::exists(codeFile, ignored)) {
        log("No selected campaign code file found on disk");
    } else {
        std::string error;
        const auto text = core::readWholeFile(codeFile, &error);
        const std::string code = text ? trimmedText(*text) : std::string();
        if (!text)
            log("Failed to read the selected campaign code: " + error);
        else if (Campaign* selected = find(code)) {
            m_selectedCode = code;
            // Opened again as the program starts; saved with the next change.
            settleUnsetCampaignMarkers(*selected);
        } else if (!code.empty())
            log("Warning: Selected campaign code '" + code +
                "' not found in campaigns array, ignoring");
    }
    m_initializing = false;
    m_changed.notify();
}

const Campaign* Gamemastering::campaign(std::string_view code) const {
    return const_cast<Gamemastering*>(this)->find(code);
}

Campaign* Gamemastering::find(std::string_view code) {
    const auto it = std::find_if(m_campaigns.begin(), m_campaigns.end(),
                                 [&](const Campaign& campaign) { return campaign.code == code; });
    return it == m_campaigns.end() ? nullptr : &*it;
}

const Campaign* Gamemastering::selectedCampaign() const {
    return m_selectedCode ? campaign(*m_selectedCode) : nullptr;
}

std::string Gamemastering::loadProblemMessage(const LoadProblem& problem) {
    std::string message =
        "Couldn\u2019t read the campaigns file \u2014 it may be damaged (" + problem.error + "). ";
    if (problem.movedTo)
        message += "It was moved to " + problem.movedTo->string() +
                   " before the campaigns were saved again.";
    else
        message += "It is kept at " + problem.file.string() +
                   " and nothing is written over it; the first change moves it aside.";
    if (problem.hasPreviousVersion)
        message += " The version its last good save replaced is kept at " +
                   core::previousVersionOf(problem.file).string() + ".";
    return message;
}

void Gamemastering::dismissLoadProblem() {
    // Only the message goes: the file stays where it is until a save moves it.
    m_loadProblem.reset();
    m_changed.notify();
}

bool Gamemastering::moveUnreadableFileAside() {
    const fs::path file = campaignsFile();
    std::error_code error;
    if (!fs::exists(file, error)) {
        m_unreadableFileInPlace = false;
        return true;
    }
    fs::path aside = m_env.folder / (std::string(unreadableFileStem) + ".json");
    for (int n = 2; fs::exists(aside, error); ++n)
        aside =
            m_env.folder / (std::string(unreadableFileStem) + "-" + std::to_string(n) + ".json");
    fs::rename(file, aside, error);
    if (error) {
        log("Failed to save campaigns at " + file.string() + ": couldn't move the unreadable " +
            "file aside to " + aside.string() + ": " + error.message());
        m_lastError = "Couldn\u2019t move the unreadable campaigns file aside: " + error.message();
        return false;
    }
    m_unreadableFileInPlace = false;
    if (m_loadProblem)
        m_loadProblem->movedTo = aside;
    log("Moved the unreadable campaigns file to " + aside.string());
    return true;
}

bool Gamemastering::saveCampaigns() {
    if (m_initializing)
        return true;
    if (m_unreadableFileInPlace && !moveUnreadableFileAside())
        return false;
    const fs::path file = campaignsFile();
    std::error_code ignored;
    fs::create_directories(m_env.folder, ignored);
    core::FileResult result;
    try {
        result = m_writing(file, core::FileText(encodeCampaignsFile({m_id, m_campaigns})));
    } catch (const std::exception& error) {
        // Text that is not UTF-8 cannot be written as JSON; the file keeps what it held.
        result = {false, error.what()};
    }
    if (!result.ok) {
        log("Failed to save campaigns at " + file.string() + ": " + result.error);
        m_lastError = "Couldn\u2019t save the campaigns: " + result.error;
        return false;
    }
    m_lastError.reset();
    return true;
}

bool Gamemastering::saveSelectedCode() {
    if (m_initializing)
        return true;
    const fs::path file = selectedCodeFile();
    std::error_code ignored;
    fs::create_directories(m_env.folder, ignored);
    const core::FileResult result =
        m_env.writing(file, core::FileText(m_selectedCode.value_or(std::string())));
    if (!result.ok) {
        log("Failed to save selected campaign code at " + file.string() + ": " + result.error);
        return false;
    }
    return true;
}

void Gamemastering::afterEdit(const Campaign& before, const Campaign& after) {
    if (before == after)
        return;
    saveCampaigns();
    m_changed.notify();
}

void Gamemastering::selectCampaign(std::optional<std::string> code) {
    Campaign* opened = code ? find(*code) : nullptr;
    if (opened) {
        const Campaign before = *opened;
        settleUnsetCampaignMarkers(*opened);
        if (!(before == *opened))
            saveCampaigns();
    }
    std::optional<std::string> selected;
    if (opened)
        selected = opened->code;
    if (selected != m_selectedCode) {
        m_selectedCode = std::move(selected);
        saveSelectedCode();
    }
    m_changed.notify();
}

Gamemastering::Created Gamemastering::createCampaign(std::string_view name, std::string_view code,
                                                     std::optional<core::Uuid> universeID,
                                                     std::string_view description) {
    if (auto problem = campaignNameProblem(m_campaigns, name))
        return {std::nullopt, std::move(*problem)};
    if (auto problem = campaignCodeProblem(m_campaigns, code))
        return {std::nullopt, std::move(*problem)};
    m_campaigns.push_back(newCampaign(name, code, universeID, description, m_env.now()));
    const std::string created = m_campaigns.back().code;
    saveCampaigns();
    m_changed.notify();
    return {created, {}};
}

std::optional<std::string> Gamemastering::editCampaign(std::string_view code, std::string_view name,
                                                       std::optional<core::Uuid> universeID,
                                                       std::string_view description) {
    Campaign* campaign = find(code);
    if (!campaign)
        return std::nullopt;
    if (auto problem = campaignNameProblem(m_campaigns, name, &campaign->id))
        return problem;
    const Campaign before = *campaign;
    campaign->name = trimmedText(name);
    campaign->universeID = universeID;
    campaign->description = std::string(description);
    afterEdit(before, *campaign);
    return std::nullopt;
}

bool Gamemastering::deleteCampaign(std::string_view code) {
    const std::string deleted(code);
    if (std::erase_if(m_campaigns, [&](const Campaign& c) { return c.code == deleted; }) == 0)
        return false;
    saveCampaigns();
    if (m_selectedCode == deleted) {
        m_selectedCode.reset();
        saveSelectedCode();
    }
    m_changed.notify();
    return true;
}

std::optional<CampaignDocument> Gamemastering::exportBackup(std::string_view code) const {
    const Campaign* exported = campaign(code);
    if (!exported)
        return std::nullopt;
    return CampaignDocument{*exported};
}

ImportOutcome Gamemastering::importBackup(const CampaignDocument& document,
                                          const ImportRequest& request) {
    ImportOutcome outcome = importCampaign(m_campaigns, document, request);
    if (outcome.status == ImportOutcome::Status::imported) {
        saveCampaigns();
        // A selected campaign that gave way to a backup under another code leaves
        // nothing selected.
        if (m_selectedCode && !find(*m_selectedCode)) {
            m_selectedCode.reset();
            saveSelectedCode();
        }
        m_changed.notify();
    }
    return outcome;
}

std::optional<std::string> Gamemastering::restorePreviousVersion() {
    const core::FileResult swapped = core::swapWithPreviousVersion(campaignsFile());
    if (!swapped.ok)
        return swapped.error;
    log("Restored the previous version of " + campaignsFile().string());
    load();
    return std::nullopt;
}

} // namespace velmora::campaign
