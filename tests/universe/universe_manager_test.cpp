#include "core/file_io.h"
#include "support/manual_delayed_call.h"
#include "support/memory_preferences.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"
#include "support/universe_changes.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::universe;
using velmora::testing::ManualClock;
using velmora::testing::MemoryPreferences;
using velmora::testing::TemporaryFolder;

namespace {

// A documents folder, preferences and a log that outlive the managers opened on them,
// as an installation outlives each run of the program.
struct Installation {
    TemporaryFolder documents;
    MemoryPreferences preferences;
    ManualClock clock;
    std::vector<std::string> log;

    std::unique_ptr<UniverseManager> start() {
        UniverseManager::Environment environment;
        environment.documentsFolder = documents.path();
        environment.preferences = &preferences;
        environment.delayedCalls = clock.factory();
        environment.log = [this](const std::string& line) { log.push_back(line); };
        // Plain byte order is enough here; the file-browser order is the platform's.
        environment.nameOrder = [](const std::string& a, const std::string& b) {
            return a.compare(b);
        };
        return std::make_unique<UniverseManager>(std::move(environment));
    }

    std::string store(UniverseRecord record) const {
        const std::string name = record.id.toString() + ".json";
        documents.write(std::filesystem::path("Universes") / name, encodeUniverse(record));
        return name;
    }
    std::vector<std::string> names(const UniverseManager& manager) const {
        std::vector<std::string> result;
        for (const auto& header : manager.headers())
            result.push_back(header.name);
        return result;
    }
};

UniverseRecord named(const std::string& name) {
    UniverseRecord record;
    record.name = name;
    return record;
}

} // namespace

TEST(UniverseManagerStart, FirstRunMakesMyUniverse) {
    Installation installation;
    auto manager = installation.start();
    EXPECT_EQ(manager->current().name(), "My Universe");
    ASSERT_EQ(manager->headers().size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(manager->fileFor(manager->current().id())));
    EXPECT_TRUE(installation.preferences.flag("didMigrateToUniverses"));
    EXPECT_EQ(installation.preferences.texts["lastUniverseID"], manager->current().id().toString());

    // The next run opens the same universe and makes no other.
    auto again = installation.start();
    EXPECT_EQ(again->current().id(), manager->current().id());
    EXPECT_EQ(again->headers().size(), 1u);
}

TEST(UniverseManagerStart, MigratesTheOldSingleFileOnce) {
    Installation installation;
    UniverseRecord old = named("Untitled Universe");
    old.data.push_back(velmora::testing::sampleHex());
    installation.documents.write("RidivivevIzeviduv.json", encodeUniverse(old));

    auto manager = installation.start();
    EXPECT_EQ(manager->current().id(), old.id);
    EXPECT_EQ(manager->current().name(), "My Universe");
    EXPECT_EQ(manager->current().data().size(), 1u);
    EXPECT_EQ(installation.names(*manager), std::vector<std::string>{"My Universe"});
    EXPECT_TRUE(std::filesystem::exists(installation.documents / "RidivivevIzeviduv.json"))
        << "left in place";

    // Deleting the migrated copy does not bring it back: the migration ran once.
    manager->deleteUniverse(old.id);
    auto later = installation.start();
    EXPECT_NE(later->current().id(), old.id);
}

TEST(UniverseManagerStart, UnreadableOldFileIsIgnoredAndKept) {
    Installation installation;
    installation.documents.write("RidivivevIzeviduv.json", "{\"data\": [");
    auto manager = installation.start();
    EXPECT_EQ(manager->current().name(), "My Universe");
    EXPECT_TRUE(installation.preferences.flag("didMigrateToUniverses"));
    EXPECT_EQ(installation.documents.read("RidivivevIzeviduv.json"), "{\"data\": [");
}

TEST(UniverseManagerStart, MissingLastUniverseOpensTheFirstByName) {
    Installation installation;
    installation.preferences.setFlag("didMigrateToUniverses", true);
    installation.store(named("Zhodani Core"));
    const UniverseRecord first = named("Deneb");
    installation.store(first);
    installation.preferences.setText("lastUniverseID", core::Uuid::generate().toString());

    auto manager = installation.start();
    EXPECT_EQ(manager->current().id(), first.id);
    EXPECT_EQ(installation.preferences.texts["lastUniverseID"], first.id.toString());
}

TEST(UniverseManagerStart, JunkInTheFolderIsSkippedAndNeverTouched) {
    Installation installation;
    installation.preferences.setFlag("didMigrateToUniverses", true);
    const std::string corrupt =
        "{\"id\": \"0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001\", \"name\": \"Broken\", \"data\": [";
    installation.documents.write("Universes/0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001.json", corrupt);
    installation.documents.write("Universes/notes.txt", "not a universe");
    installation.documents.write("Universes/empty.json", "");
    installation.documents.write("Universes/binary.json", std::string("\x00\xff\x10", 3));
    std::filesystem::create_directories(installation.documents / "Universes/folder.json");
    installation.preferences.setText("lastUniverseID", "0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001");

    auto manager = installation.start();
    EXPECT_EQ(manager->current().name(), "My Universe");
    EXPECT_EQ(installation.names(*manager), std::vector<std::string>{"My Universe"});
    manager->switchTo(*core::Uuid::fromString("0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001"));
    EXPECT_EQ(installation.documents.read("Universes/0A6B2E44-5F55-4C8A-9A51-43D7A0C1E001.json"),
              corrupt);
}

TEST(UniverseManagerStart, UniversesPathThatIsAFileStillOpensAUniverse) {
    Installation installation;
    installation.documents.write("Universes", "a file where the folder should be");
    auto manager = installation.start();
    EXPECT_EQ(manager->current().name(), "My Universe");
    EXPECT_FALSE(installation.log.empty());
    EXPECT_EQ(installation.documents.read("Universes"), "a file where the folder should be");
}

TEST(UniverseManagerCommands, CreateRenameAndSwitch) {
    Installation installation;
    auto manager = installation.start();
    const core::Uuid first = manager->current().id();
    int replaced = 0;
    auto subscription = manager->currentReplaced().subscribe([&] { ++replaced; });

    manager->createUniverse("   ");
    EXPECT_EQ(manager->current().name(), "Untitled Universe");
    manager->createUniverse("  Reft Sector \n");
    EXPECT_EQ(manager->current().name(), "Reft Sector");
    const core::Uuid reft = manager->current().id();
    EXPECT_EQ(manager->headers().size(), 3u);
    EXPECT_EQ(installation.preferences.texts["lastUniverseID"], reft.toString());

    manager->renameCurrent("Reft");
    EXPECT_EQ(installation.names(*manager),
              (std::vector<std::string>{"My Universe", "Reft", "Untitled Universe"}));

    manager->switchTo(first);
    EXPECT_EQ(manager->current().id(), first);
    manager->switchTo(first);
    EXPECT_EQ(replaced, 3);
    EXPECT_FALSE(manager->loadError());
}

TEST(UniverseManagerCommands, SwitchingToACorruptFileKeepsTheCurrent) {
    Installation installation;
    auto manager = installation.start();
    const core::Uuid current = manager->current().id();
    const UniverseRecord broken = named("Broken");
    const std::string file = installation.store(broken);
    installation.documents.write(std::filesystem::path("Universes") / file, "{\"id\": 5");

    manager->switchTo(broken.id);
    EXPECT_EQ(manager->current().id(), current);
    EXPECT_EQ(manager->loadError(),
              "Couldn\u2019t open that universe \u2014 its file may be corrupt.");
    ASSERT_FALSE(installation.log.empty());
    EXPECT_EQ(installation.log.back().rfind("Failed to load universe " + broken.id.toString(), 0),
              0u);
    manager->clearLoadError();
    EXPECT_FALSE(manager->loadError());
}

TEST(UniverseManagerCommands, DeletingTheOnlyUniverseLeavesAFreshOne) {
    Installation installation;
    auto manager = installation.start();
    const core::Uuid only = manager->current().id();
    manager->deleteUniverse(only);
    EXPECT_NE(manager->current().id(), only);
    EXPECT_EQ(manager->current().name(), "My Universe");
    EXPECT_EQ(manager->headers().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(manager->fileFor(only)));
    EXPECT_FALSE(manager->deleteError());
}

TEST(UniverseManagerCommands, DeletingTheCurrentOpensTheFirstRemaining) {
    Installation installation;
    auto manager = installation.start();
    manager->createUniverse("Aardvark");
    manager->createUniverse("Zed");
    manager->current().scheduleSave(); // a pending map save must not bring the file back
    const core::Uuid zed = manager->current().id();
    manager->deleteUniverse(zed);
    installation.clock.advance(std::chrono::seconds(1));
    EXPECT_EQ(manager->current().name(), "Aardvark");
    EXPECT_FALSE(std::filesystem::exists(manager->fileFor(zed)));
    EXPECT_EQ(installation.preferences.texts["lastUniverseID"], manager->current().id().toString());
}

TEST(UniverseManagerCommands, ClosingWritesAPendingMapSave) {
    Installation installation;
    auto manager = installation.start();
    const std::filesystem::path file = manager->current().file();
    velmora::testing::changeView(manager->current(),
                                 [](MapViewSettings& view) { view.mapShowLabels = false; });
    manager.reset(); // the application quits before the delay is over
    EXPECT_FALSE(universe::decodeUniverse(core::readWholeFile(file).value()).mapShowLabels);
}

TEST(UniverseManagerCommands, DeleteFailureIsReported) {
    Installation installation;
    auto manager = installation.start();
    // A non-empty folder in place of the file cannot be removed as a file.
    const core::Uuid id = core::Uuid::generate();
    installation.documents.write(
        std::filesystem::path("Universes") / (id.toString() + ".json") / "inside", "x");
    manager->deleteUniverse(id);
    ASSERT_TRUE(manager->deleteError());
    EXPECT_EQ(manager->deleteError()->rfind("Couldn't delete that universe: ", 0), 0u);
}

TEST(UniverseManagerBackups, BackupThenRestoreOverTheSameUniverse) {
    Installation installation;
    auto manager = installation.start();
    manager->current().addHex(velmora::testing::sampleHex(), "Add System");
    EXPECT_EQ(manager->suggestedBackupName(), "My Universe-backup.json");
    const auto backupFile = installation.documents / "elsewhere.json";
    EXPECT_FALSE(manager->backup(backupFile));
    EXPECT_EQ(installation.log.back(), "Universe backed up to: " + backupFile.string());

    manager->current().removeHex(manager->current().data().front().id, "Delete System");

    std::vector<UniverseManager::OverwriteQuestion> asked;
    EXPECT_FALSE(manager->restoreBackup(backupFile, [&](const auto& question) {
        asked.push_back(question);
        return false;
    }));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Overwrite Universe?");
    EXPECT_EQ(asked[0].message, "A universe named \"My Universe\" already exists and will be "
                                "replaced with the contents of this backup.");
    EXPECT_TRUE(manager->current().data().empty()) << "cancelled";

    EXPECT_FALSE(manager->restoreBackup(backupFile, [](const auto&) { return true; }));
    EXPECT_EQ(manager->current().data().size(), 1u);
    EXPECT_EQ(manager->headers().size(), 1u);
    EXPECT_EQ(decodeUniverse(installation.documents.read(manager->current().file())).data.size(),
              1u);
}

TEST(UniverseManagerBackups, RestoreRefusesWhatIsNotAUniverse) {
    Installation installation;
    auto manager = installation.start();
    const core::Uuid current = manager->current().id();
    installation.documents.write("photo.json", "\x89PNG garbage");
    const auto notUniverse = manager->restoreBackup(installation.documents / "photo.json", nullptr);
    ASSERT_TRUE(notUniverse);
    EXPECT_EQ(notUniverse->rfind("Failed to restore backup: ", 0), 0u);
    EXPECT_EQ(manager->restoreBackup(installation.documents / "missing.json", nullptr),
              "Couldn't access the selected file.");
    EXPECT_EQ(manager->current().id(), current);
    EXPECT_EQ(manager->headers().size(), 1u);
}

TEST(UniverseManagerBackups, RestoreNeverOverwritesAnUnreadableStoredFile) {
    Installation installation;
    auto manager = installation.start();
    const UniverseRecord backup = named("Backup");
    installation.documents.write("backup.json", encodeUniverse(backup));
    const auto stored = std::filesystem::path("Universes") / (backup.id.toString() + ".json");
    installation.documents.write(stored, "{ corrupt");
    EXPECT_TRUE(manager->restoreBackup(installation.documents / "backup.json",
                                       [](const auto&) { return true; }));
    EXPECT_EQ(installation.documents.read(stored), "{ corrupt");
}

// Listing reads a file's id and name once and remembers them with its size and
// time; a file that changed is read again, and a cache that cannot be read costs
// nothing but time.
TEST(UniverseManagerListing, ReadsOnlyFilesThatChangedSinceTheLastListing) {
    Installation installation;
    const std::string aslan = installation.store(named("Aslan Hierate"));
    const std::string zhodani = installation.store(named("Zhodani"));
    auto manager = installation.start();
    EXPECT_EQ(installation.names(*manager), (std::vector<std::string>{"Aslan Hierate", "Zhodani"}));
    const auto cache = installation.documents / "Universes" / ".headers.cache";
    ASSERT_TRUE(std::filesystem::exists(cache));

    // Same size and time, other contents: the remembered name is used, not the file.
    const auto file = installation.documents / "Universes" / aslan;
    const auto time = std::filesystem::last_write_time(file);
    UniverseRecord renamed =
        decodeUniverse(installation.documents.read(std::filesystem::path("Universes") / aslan));
    renamed.name = "Aslan Hieratf";
    installation.store(renamed);
    std::filesystem::last_write_time(file, time);
    manager->refreshHeaders();
    EXPECT_EQ(installation.names(*manager).front(), "Aslan Hierate");

    // Once the file's time moves on, it is read again.
    std::filesystem::last_write_time(file, time + std::chrono::seconds(1));
    manager->refreshHeaders();
    EXPECT_EQ(installation.names(*manager).front(), "Aslan Hieratf");

    // A file that stopped being whole JSON leaves the list; a broken cache is read past.
    installation.documents.write(std::filesystem::path("Universes") / zhodani, "{\"id\": ");
    installation.documents.write(std::filesystem::path("Universes") / ".headers.cache", "not json");
    manager->refreshHeaders();
    EXPECT_EQ(installation.names(*manager), (std::vector<std::string>{"Aslan Hieratf"}));
}

TEST(UniverseManagerPreviousVersions, EverySaveKeepsTheVersionItReplaces) {
    Installation installation;
    auto manager = installation.start();
    auto& universe = manager->current();
    const auto file = manager->fileFor(universe.id());
    const std::string first =
        installation.documents.read(file.lexically_relative(installation.documents.path()));
    ASSERT_FALSE(universe.addHex(velmora::testing::sampleHex(), "Add Regina").error.size());
    const auto previous = file.parent_path() / ".previous" / file.filename();
    EXPECT_EQ(core::readWholeFile(previous).value_or(""), first);
    const std::string second = core::readWholeFile(file).value_or("");
    universe.undo();
    EXPECT_EQ(core::readWholeFile(previous).value_or(""), second);
    // The kept version is the replaced file itself, not a copy of it.
    EXPECT_EQ(std::filesystem::hard_link_count(previous), 1u);
    EXPECT_EQ(installation.names(*manager), std::vector<std::string>{"My Universe"})
        << "the kept versions are not listed";
}

// A universe file damaged between two runs: the next start opens another universe
// as before, but says which one could not be opened and where it is, lists the file
// as unreadable, and brings back the version its last save replaced on request.
TEST(UniverseManagerPreviousVersions, ADamagedUniverseStaysInSightAndComesBack) {
    const struct {
        const char* what;
        std::string bytes;
    } damage[] = {
        {"truncated", ""}, // filled in below from the real file
        {"empty", ""},
        {"binary", std::string("\x00\xff\x10\x89PNG", 7)},
        {"wrong shape", "[{\"id\": 3}]"},
        {"another universe's file", ""},
    };
    for (const auto& kind : damage) {
        Installation installation;
        installation.preferences.setFlag("didMigrateToUniverses", true);
        core::Uuid id;
        std::string intact;
        {
            auto manager = installation.start();
            ASSERT_FALSE(manager->renameCurrent("Campaign"));
            id = manager->current().id();
            intact = core::readWholeFile(manager->fileFor(id)).value();
            manager->current().addHex(velmora::testing::sampleHex(), "Add Regina");
        }
        const auto file = installation.documents / "Universes" / (id.toString() + ".json");
        std::string bytes = kind.bytes;
        if (std::string_view(kind.what) == "truncated")
            bytes = core::readWholeFile(file).value().substr(0, 100);
        if (std::string_view(kind.what) == "another universe's file")
            bytes = encodeUniverse(named("Stranger"));
        installation.documents.write(file.lexically_relative(installation.documents.path()), bytes);

        auto manager = installation.start();
        EXPECT_NE(manager->current().id(), id) << kind.what;
        ASSERT_TRUE(manager->notReopened()) << kind.what;
        EXPECT_EQ(manager->notReopened()->id, id.toString());
        EXPECT_EQ(manager->notReopened()->lastKnownName, "Campaign") << kind.what;
        EXPECT_EQ(UniverseManager::unreadableMessage(*manager->notReopened()),
                  "Couldn\u2019t open that universe \u2014 its file may be corrupt. "
                  "\u201cCampaign\u201d is kept at " +
                      file.string() +
                      ". Restore Previous Version\u2026 brings back the version its last save "
                      "replaced.");
        ASSERT_EQ(manager->unreadable().size(), 1u) << kind.what;
        EXPECT_EQ(manager->unreadable()[0].file, file);
        EXPECT_EQ(installation.names(*manager), std::vector<std::string>{"My Universe"});
        EXPECT_EQ(core::readWholeFile(file).value(), bytes) << kind.what << ": never touched";

        ASSERT_EQ(manager->restorePreviousVersion(id.toString()), std::nullopt) << kind.what;
        EXPECT_EQ(manager->current().id(), id);
        EXPECT_EQ(manager->current().name(), "Campaign");
        EXPECT_TRUE(manager->current().data().empty()) << "as it was before its last save";
        EXPECT_FALSE(manager->notReopened());
        EXPECT_TRUE(manager->unreadable().empty());
        EXPECT_EQ(core::readWholeFile(file).value(), intact);
        // The damaged file is now the previous version: nothing was thrown away,
        // and it is not restored over the good one.
        EXPECT_EQ(core::readWholeFile(file.parent_path() / ".previous" / file.filename()).value(),
                  bytes);
        EXPECT_NE(manager->restorePreviousVersion(id.toString()), std::nullopt) << kind.what;
        EXPECT_EQ(core::readWholeFile(file).value(), intact);
    }
}

TEST(UniverseManagerPreviousVersions, DeletingAUniverseTakesItsPreviousVersionToo) {
    Installation installation;
    auto manager = installation.start();
    manager->createUniverse("Doomed");
    const auto doomed = manager->current().id();
    manager->current().addHex(velmora::testing::sampleHex(), "Add Regina");
    ASSERT_TRUE(manager->hasPreviousVersion(doomed.toString()));
    manager->deleteUniverse(doomed);
    EXPECT_FALSE(manager->hasPreviousVersion(doomed.toString()));
    EXPECT_EQ(manager->restorePreviousVersion(doomed.toString()),
              "That universe has no previous version to restore.");
}
