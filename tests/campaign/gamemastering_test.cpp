#include "campaign/campaign_clock.h"
#include "campaign/campaigns_codec.h"
#include "campaign/gamemastering.h"
#include "core/previous_version.h"
#include "sample_campaign.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::campaign;
using velmora::testing::fixedNow;
using velmora::testing::sampleCampaign;
using velmora::testing::TemporaryFolder;

namespace {

namespace fs = std::filesystem;

// A folder and a log that outlive the stores opened on them, as the application
// support folder outlives each run of the program.
struct Installation {
    TemporaryFolder folder;
    std::vector<std::string> log;
    core::FileWriting writing; // the real one unless a test breaks it

    std::unique_ptr<Gamemastering> start() {
        Gamemastering::Environment environment;
        environment.folder = folder.path();
        environment.log = [this](const std::string& line) { log.push_back(line); };
        environment.now = fixedNow;
        environment.writing = writing;
        auto store = std::make_unique<Gamemastering>(std::move(environment));
        store->load();
        return store;
    }

    void storeCampaigns(const std::vector<Campaign>& campaigns) const {
        folder.write(Gamemastering::campaignsFileName,
                     encodeCampaignsFile({core::Uuid::generate(), campaigns}));
    }
    std::string campaignsText() const { return folder.read(Gamemastering::campaignsFileName); }
    std::vector<Campaign> savedCampaigns() const {
        return decodeCampaignsFile(campaignsText(), fixedNow()).campaigns;
    }
    fs::path previousVersion() const {
        return core::previousVersionOf(folder / Gamemastering::campaignsFileName);
    }
};

} // namespace

TEST(GamemasteringLoad, SaysWhatItFoundAndStartsEmptyWithoutFiles) {
    Installation installation;
    const auto store = installation.start();
    EXPECT_TRUE(store->campaigns().empty());
    EXPECT_FALSE(store->selectedCampaignCode());
    EXPECT_FALSE(store->loadProblem());
    EXPECT_FALSE(store->isInitializing());
    EXPECT_EQ(installation.log,
              (std::vector<std::string>{"No campaigns file found on disk",
                                        "No selected campaign code file found on disk"}));
    // Loading writes nothing.
    EXPECT_TRUE(fs::is_empty(installation.folder.path()));
}

TEST(GamemasteringLoad, KeepsTheSelectionOnlyWhenItsCampaignIsThere) {
    Installation installation;
    installation.storeCampaigns({sampleCampaign("SPIN"), sampleCampaign("QUIE")});
    installation.folder.write(Gamemastering::selectedCodeFileName, "QUIE");
    auto store = installation.start();
    ASSERT_EQ(store->campaigns().size(), 2u);
    EXPECT_EQ(store->selectedCampaignCode(), "QUIE");
    EXPECT_EQ(store->selectedCampaign()->code, "QUIE");
    const std::string file = (installation.folder / Gamemastering::campaignsFileName).string();
    EXPECT_EQ(installation.log, (std::vector<std::string>{"Path to database is " + file}));

    installation.log.clear();
    installation.folder.write(Gamemastering::selectedCodeFileName, "GONE");
    store = installation.start();
    EXPECT_FALSE(store->selectedCampaignCode());
    EXPECT_EQ(installation.log.back(),
              "Warning: Selected campaign code 'GONE' not found in campaigns array, ignoring");
}

TEST(GamemasteringLoad, OpeningSetsUnsetShipMarkersWithoutSavingWhileLoading) {
    Installation installation;
    installation.storeCampaigns({sampleCampaign("SPIN")});
    installation.folder.write(Gamemastering::selectedCodeFileName, "SPIN");
    const std::string before = installation.campaignsText();
    const auto store = installation.start();
    // Day 100 of 1105: month index 1105 × 13 + 99 div 28 = 14368.
    EXPECT_EQ(store->selectedCampaign()->maintenanceAccruedMonth, 14'368);
    EXPECT_EQ(store->selectedCampaign()->lifeSupportAccruedMonth, 14'368);
    EXPECT_EQ(installation.campaignsText(), before);
    EXPECT_FALSE(fs::exists(installation.previousVersion()));
}

TEST(GamemasteringSave, EveryChangeIsSavedAndKeepsTheVersionItReplaces) {
    Installation installation;
    auto store = installation.start();
    const auto created = store->createCampaign("  Spinward Run ", "spin", std::nullopt, "");
    ASSERT_EQ(created.code, "SPIN") << created.problem;
    ASSERT_EQ(installation.savedCampaigns().size(), 1u);
    EXPECT_EQ(installation.savedCampaigns()[0].name, "Spinward Run");
    const std::string firstSave = installation.campaignsText();

    const auto report = store->edit("SPIN", [](Campaign& c) { return advanceTime(c, 240); });
    EXPECT_EQ(report, "Time advanced by 4h");
    EXPECT_EQ(installation.savedCampaigns()[0].date.timeText(), "16:00-001-1105");
    EXPECT_EQ(installation.folder.read(fs::path(".previous") / Gamemastering::campaignsFileName),
              firstSave);

    // An edit that changes nothing saves nothing.
    const std::string secondSave = installation.campaignsText();
    fs::remove(installation.previousVersion());
    EXPECT_TRUE(store->edit("SPIN", [](Campaign&) {}));
    EXPECT_FALSE(fs::exists(installation.previousVersion()));
    EXPECT_FALSE(store->edit("NONE", [](Campaign& c) { c.name = "x"; }));
    EXPECT_EQ(store->edit("NONE", [](Campaign& c) { return advanceTime(c, 10); }), std::nullopt);
    EXPECT_EQ(installation.campaignsText(), secondSave);

    // The next run reads what was saved, with the same store id.
    const core::Uuid id = store->id();
    store->selectCampaign("SPIN");
    store = installation.start();
    EXPECT_EQ(store->id(), id);
    EXPECT_EQ(store->selectedCampaign()->date.timeText(), "16:00-001-1105");
}

TEST(GamemasteringSave, AFailedWriteIsLoggedAndChangesNothingInMemory) {
    Installation installation;
    installation.writing = [](const fs::path&, const core::FileText&) {
        return core::FileResult{false, "No space left on device"};
    };
    const auto store = installation.start();
    const auto created = store->createCampaign("Spinward Run", "SPIN", std::nullopt, "");
    EXPECT_EQ(created.code, "SPIN");
    EXPECT_EQ(store->campaigns().size(), 1u);
    const std::string file = (installation.folder / Gamemastering::campaignsFileName).string();
    EXPECT_EQ(installation.log.back(),
              "Failed to save campaigns at " + file + ": No space left on device");
    ASSERT_TRUE(store->lastError());

    store->selectCampaign("SPIN");
    EXPECT_EQ(store->selectedCampaignCode(), "SPIN");
    EXPECT_EQ(installation.log.back(),
              "Failed to save selected campaign code at " +
                  (installation.folder / Gamemastering::selectedCodeFileName).string() +
                  ": No space left on device");
}

TEST(GamemasteringSave, TextThatIsNotUtf8IsNotWrittenAndTheFileKeepsWhatItHeld) {
    Installation installation;
    const auto store = installation.start();
    store->createCampaign("Spinward Run", "SPIN", std::nullopt, "");
    const std::string saved = installation.campaignsText();
    // A byte no UTF-8 text has, as a command line in another encoding may pass.
    store->edit("SPIN", [](Campaign& c) { c.description = "Caf\xe9"; });
    EXPECT_EQ(installation.campaignsText(), saved);
    EXPECT_TRUE(store->lastError());
    EXPECT_EQ(installation.log.back().rfind("Failed to save campaigns at ", 0), 0u);
    // The next good save clears the error.
    store->edit("SPIN", [](Campaign& c) { c.description = "Caf\u00e9"; });
    EXPECT_FALSE(store->lastError());
    EXPECT_EQ(installation.savedCampaigns()[0].description, "Caf\u00e9");
}

TEST(GamemasteringUnreadableFile, IsNeverWrittenOverAndBothVersionsSurvive) {
    Installation installation;
    // A good save first, so there is a previous version, then a damaged file.
    installation.storeCampaigns({sampleCampaign("SPIN")});
    {
        auto store = installation.start();
        store->edit("SPIN", [](Campaign& c) { advanceTime(c, 10); });
    }
    const std::string damaged = "{\"id\": \"0A4F6C2E-8B1D-4E3A-9C5B-7D2E1F0A3B4C\", \"camp";
    installation.folder.write(Gamemastering::campaignsFileName, damaged);
    const std::string lastGood = installation.folder.read(installation.previousVersion());

    installation.log.clear();
    auto store = installation.start();
    EXPECT_TRUE(store->campaigns().empty());
    ASSERT_TRUE(store->loadProblem());
    EXPECT_EQ(store->loadProblem()->file, installation.folder / Gamemastering::campaignsFileName);
    EXPECT_TRUE(store->loadProblem()->hasPreviousVersion);
    EXPECT_NE(store->loadProblem()->error.find("Invalid JSON"), std::string::npos);
    EXPECT_EQ(installation.log[0].rfind("Failed to read campaigns from ", 0), 0u);
    EXPECT_NE(Gamemastering::loadProblemMessage(*store->loadProblem()).find("nothing is written"),
              std::string::npos);
    EXPECT_EQ(installation.campaignsText(), damaged);

    // The first change moves the damaged file aside before saving.
    store->createCampaign("New Start", "NEWS", std::nullopt, "");
    const fs::path aside = installation.folder / "VM_campaigns.unreadable.json";
    EXPECT_EQ(store->loadProblem()->movedTo, aside);
    EXPECT_EQ(installation.folder.read(aside), damaged);
    EXPECT_EQ(installation.folder.read(installation.previousVersion()), lastGood);
    ASSERT_EQ(installation.savedCampaigns().size(), 1u);
    EXPECT_EQ(installation.savedCampaigns()[0].code, "NEWS");

    // A second damaged file later goes beside the first, even when the referee
    // dismissed the message before changing anything.
    installation.folder.write(Gamemastering::campaignsFileName, damaged);
    store = installation.start();
    store->dismissLoadProblem();
    EXPECT_FALSE(store->loadProblem());
    store->createCampaign("Another", "ANOT", std::nullopt, "");
    EXPECT_EQ(installation.folder.read("VM_campaigns.unreadable-2.json"), damaged);
    EXPECT_EQ(installation.folder.read("VM_campaigns.unreadable.json"), damaged);
    EXPECT_EQ(installation.savedCampaigns().at(0).code, "ANOT");
}

TEST(GamemasteringUnreadableFile, RestoresThePreviousVersion) {
    Installation installation;
    installation.storeCampaigns({sampleCampaign("SPIN")});
    installation.start()->edit("SPIN", [](Campaign& c) { advanceTime(c, 10); });
    installation.folder.write(Gamemastering::campaignsFileName, "garbage");
    auto store = installation.start();
    ASSERT_TRUE(store->loadProblem());
    EXPECT_EQ(store->restorePreviousVersion(), std::nullopt);
    EXPECT_FALSE(store->loadProblem());
    ASSERT_EQ(store->campaigns().size(), 1u);
    // The damaged file is now the previous version: nothing was thrown away.
    EXPECT_EQ(installation.folder.read(installation.previousVersion()), "garbage");
}

TEST(GamemasteringCampaigns, CreationAndEditingRefuseWhatWouldClash) {
    Installation installation;
    const auto store = installation.start();
    ASSERT_TRUE(store->createCampaign("Spinward Run", "SPIN", std::nullopt, "").code);
    struct Case {
        const char* name;
        const char* code;
        const char* problem;
    };
    const Case cases[] = {
        {"spinward run", "ABCD", "A campaign with this name already exists"},
        {"  Spinward Run  ", "ABCD", "A campaign with this name already exists"},
        {"   ", "ABCD", "Enter a name for the campaign."},
        {"Other", "ABCDE", "Code must be exactly 4 characters"},
        {"Other", "ABC", "Code must be exactly 4 characters"},
        {"Other", "spin", "This code is already in use"},
    };
    for (const Case& c : cases) {
        const auto created = store->createCampaign(c.name, c.code, std::nullopt, "");
        EXPECT_FALSE(created.code) << c.name << " " << c.code;
        EXPECT_EQ(created.problem, c.problem) << c.name << " " << c.code;
    }
    EXPECT_EQ(store->campaigns().size(), 1u);

    // Four characters, not four bytes.
    EXPECT_EQ(store->createCampaign("Zh\u00e4ne", "\u00c4xyz", std::nullopt, "").code, "\u00c4XYZ");

    const Campaign& made = *store->campaign("SPIN");
    EXPECT_EQ(made.date.timeText(), "12:00-001-1105");
    EXPECT_EQ(made.created, fixedNow());
    EXPECT_EQ(made.maintenanceAccruedMonth, -1);
    EXPECT_EQ(made.tradeSupplierBrokerSkill, 2);

    const core::Uuid universe = core::Uuid::generate();
    EXPECT_EQ(store->editCampaign("SPIN", "Zh\u00e4ne", universe, ""),
              "A campaign with this name already exists");
    // Its own name, in another case, is no clash.
    EXPECT_EQ(store->editCampaign("SPIN", "SPINWARD RUN", universe, "Along the Main"),
              std::nullopt);
    EXPECT_EQ(store->campaign("SPIN")->name, "SPINWARD RUN");
    EXPECT_EQ(installation.savedCampaigns()[0].universeID, universe);
}

TEST(GamemasteringCampaigns, DeletingTheSelectedCampaignSelectsNone) {
    Installation installation;
    auto store = installation.start();
    store->createCampaign("Spinward Run", "SPIN", std::nullopt, "");
    store->selectCampaign("SPIN");
    EXPECT_EQ(installation.folder.read(Gamemastering::selectedCodeFileName), "SPIN");
    EXPECT_TRUE(store->deleteCampaign("SPIN"));
    EXPECT_FALSE(store->deleteCampaign("SPIN"));
    EXPECT_FALSE(store->selectedCampaignCode());
    EXPECT_TRUE(installation.savedCampaigns().empty());
    EXPECT_EQ(installation.folder.read(Gamemastering::selectedCodeFileName), "");
    store = installation.start();
    EXPECT_FALSE(store->selectedCampaignCode());
}

TEST(GamemasteringBackups, ImportNeverOverwritesWithoutBeingAsked) {
    Installation installation;
    const auto store = installation.start();
    store->createCampaign("Spinward Run", "SPIN", std::nullopt, "");
    store->edit("SPIN", [](Campaign& c) { advanceTime(c, 60); });
    const fs::path file = installation.folder / "backup.json";
    ASSERT_EQ(writeBackupFile(*store->exportBackup("SPIN"), file), std::nullopt);
    EXPECT_FALSE(store->exportBackup("NONE"));
    store->edit("SPIN", [](Campaign& c) { advanceTime(c, 60); });

    const BackupFile backup = readBackupFile(file, fixedNow());
    ASSERT_TRUE(backup.document) << backup.problem;
    ImportOutcome outcome = store->importBackup(*backup.document);
    EXPECT_EQ(outcome.status, ImportOutcome::Status::conflict);
    EXPECT_EQ(outcome.message, "\u201cSpinward Run\u201d (SPIN) is already here. Replace it with "
                               "the backup, or keep both by giving the backup a new code.");
    EXPECT_EQ(store->campaign("SPIN")->date.timeText(), "14:00-001-1105");

    outcome = store->importBackup(*backup.document, {ImportConflictChoice::keepBoth, "spin"});
    EXPECT_EQ(outcome.status, ImportOutcome::Status::refused);
    EXPECT_EQ(outcome.message, "This code is already in use");

    outcome = store->importBackup(*backup.document, {ImportConflictChoice::keepBoth, "cop1"});
    EXPECT_EQ(outcome.status, ImportOutcome::Status::imported);
    EXPECT_EQ(outcome.code, "COP1");
    const Campaign& copy = *store->campaign("COP1");
    EXPECT_NE(copy.id, store->campaign("SPIN")->id);
    EXPECT_EQ(copy.name, "Spinward Run (imported)");
    EXPECT_EQ(copy.date.timeText(), "13:00-001-1105");
    EXPECT_EQ(installation.savedCampaigns().size(), 2u);

    outcome = store->importBackup(*backup.document, {ImportConflictChoice::replace, ""});
    EXPECT_EQ(outcome.status, ImportOutcome::Status::imported);
    EXPECT_EQ(store->campaigns().size(), 2u);
    EXPECT_EQ(store->campaigns()[0].code, "SPIN");
    EXPECT_EQ(store->campaign("SPIN")->date.timeText(), "13:00-001-1105");
    EXPECT_EQ(store->campaign("SPIN")->name, "Spinward Run");

    EXPECT_EQ(store->importBackup(CampaignDocument{}).message, "This backup holds no campaign.");
    installation.folder.write("not-a-backup.json", "[1, 2]");
    EXPECT_FALSE(readBackupFile(installation.folder / "not-a-backup.json", fixedNow()).document);
}

TEST(GamemasteringBackups, ACodeTakenByAnotherCampaignIsAConflictToo) {
    Installation installation;
    const auto store = installation.start();
    store->createCampaign("Spinward Run", "SPIN", std::nullopt, "");
    Campaign stranger = sampleCampaign("SPIN");
    stranger.name = "Someone Else's";
    EXPECT_EQ(store->importBackup({stranger}).message,
              "The code SPIN is already used by \u201cSpinward Run\u201d. Replace it with the "
              "backup, or keep both by giving the backup a new code.");
    stranger.code = "ELSE";
    const ImportOutcome outcome = store->importBackup({stranger});
    EXPECT_EQ(outcome.status, ImportOutcome::Status::imported);
    EXPECT_EQ(outcome.message, "Imported \u201cSomeone Else's\u201d (ELSE).");
}
