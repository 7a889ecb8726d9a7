// One writer per data folder, with real programs: the application as a desktop
// starts it and velmora-cli as a script runs it, side by side on one folder.

#include "app/platform/data_folder_lock.h"
#include "app/platform/data_locations.h"
#include "app/platform/qt_preferences.h"
#include "app/platform/single_instance.h"
#include "core/file_io.h"
#include "support/child_process.h"
#include "support/temporary_folder.h"
#include "universe/universe_codec.h"

#include <QDir>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <unistd.h>

using namespace velmora;
using velmora::testing::ChildProcess;
using velmora::testing::eventually;
using velmora::testing::TemporaryFolder;

namespace {

const std::string waitingNote = "Waiting for another Velmora to finish writing to ";
const std::string broughtForward = "brought the open window forward";

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<std::string> words(const std::string& arguments) {
    std::vector<std::string> list;
    std::istringstream stream(arguments);
    for (std::string word; stream >> word;)
        list.push_back(word);
    return list;
}

class OneWriter : public ::testing::Test {
protected:
    TemporaryFolder data;
    TemporaryFolder logs;

    std::string folder() const { return data.path().string(); }
    QString qFolder() const { return QString::fromStdString(folder()); }

    std::unique_ptr<ChildProcess> startApp(const std::string& name,
                                           const std::string& dataFolder = {}) {
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{VELMORA_APP, "--data-dir",
                                     dataFolder.empty() ? folder() : dataFolder},
            logs, name);
    }
    // The arguments are split at spaces; none of ours holds one.
    std::unique_ptr<ChildProcess> startCli(const std::string& name, const std::string& arguments) {
        std::vector<std::string> all{VELMORA_CLI, "--data-dir", folder()};
        for (std::string& word : words(arguments))
            all.push_back(std::move(word));
        return std::make_unique<ChildProcess>(all, logs, name);
    }

    qint64 holderPid(const std::string& dataFolder = {}) const {
        const app::DataFolderLock lock(dataFolder.empty() ? qFolder()
                                                          : QString::fromStdString(dataFolder));
        const auto holder = lock.holder();
        return holder ? holder->pid : 0;
    }
    bool lockFileExists() const { return std::filesystem::exists(data / ".velmora.lock"); }

    // The universe files, each named by its id.
    std::vector<std::filesystem::path> universeFiles() const {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (std::filesystem::directory_iterator it(data / "Universes", error), end;
             !error && it != end; it.increment(error))
            if (it->path().extension() == ".json" && it->path().stem().string().size() == 36)
                files.push_back(it->path());
        return files;
    }
    universe::UniverseRecord onlyUniverse() const {
        const auto files = universeFiles();
        if (files.size() != 1)
            throw std::runtime_error(std::to_string(files.size()) + " universe files");
        return universe::decodeUniverse(core::readWholeFile(files.front()).value_or("{}"));
    }

    // Until the application holds the folder and has its universe on disk.
    void waitUntilOpen(ChildProcess& application, const std::string& dataFolder = {}) {
        ASSERT_TRUE(eventually([&] {
            return !application.running() || (holderPid(dataFolder) == application.pid() &&
                                              (!dataFolder.empty() || universeFiles().size() == 1));
        })) << "the application never took the folder";
        ASSERT_TRUE(application.running()) << application.err();
    }
};

std::vector<std::string> hexNames(const universe::UniverseRecord& record) {
    std::vector<std::string> names;
    for (const core::HexData& hex : record.data)
        names.push_back(hex.starSystem.name);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(DataFolderLock, OneHolderAtATimeAndTheRefusalNamesFolderAndHolder) {
    TemporaryFolder data;
    const QString folder = QString::fromStdString((data / "not yet made").string());
    app::DataFolderLock first(folder);
    app::DataFolderLock second(folder);
    EXPECT_FALSE(second.holder());
    ASSERT_TRUE(first.tryLock()) << "the folder is made for the lock";
    EXPECT_TRUE(std::filesystem::exists(data / "not yet made" / ".velmora.lock"));

    // A living holder is never taken for a dead one, even in its own process, and
    // however long it has held the folder: the window may stay open for days.
    EXPECT_FALSE(second.tryLock());
    const auto lockFile = data / "not yet made" / ".velmora.lock";
    std::filesystem::last_write_time(lockFile, std::filesystem::last_write_time(lockFile) -
                                                   std::chrono::hours(72));
    EXPECT_FALSE(second.tryLock());
    EXPECT_FALSE(second.tryLock(std::chrono::milliseconds(300)));
    ASSERT_TRUE(second.holder());
    EXPECT_EQ(second.holder()->pid, qint64(getpid()));
    const QString message = second.busyMessage();
    EXPECT_TRUE(message.contains(QDir(folder).absolutePath())) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::number(getpid()))) << message.toStdString();
    EXPECT_TRUE(message.startsWith("Another Velmora")) << message.toStdString();

    first.unlock();
    EXPECT_TRUE(second.tryLock());
    EXPECT_FALSE(first.tryLock());
}

TEST(SingleInstance, TheServerNameFollowsTheFolderNotHowItIsWritten) {
    TemporaryFolder data;
    std::filesystem::create_directories(data / "a" / "b");
    const auto name = [](const std::filesystem::path& path) {
        return app::SingleInstance::serverName(QString::fromStdString(path.string()));
    };
    const QString plain = name(data / "a");
    EXPECT_EQ(name(data / "a" / "b" / ".."), plain);
    EXPECT_EQ(name(data.path().string() + "/a/"), plain);
    std::filesystem::create_directory_symlink(data / "a", data / "link");
    EXPECT_EQ(name(data / "link"), plain);
    EXPECT_NE(name(data / "a" / "b"), plain);
    // Socket names have a short limit; a deep folder must not reach it.
    EXPECT_LT(name(data / std::string(300, 'x')).size(), 40);
}

TEST_F(OneWriter, ASecondLaunchBringsTheFirstForwardAndLeaves) {
    auto first = startApp("first");
    waitUntilOpen(*first);
    // An application on another folder is another one, with a name of its own.
    TemporaryFolder elsewhere;
    auto other = startApp("other", elsewhere.path().string());
    waitUntilOpen(*other, elsewhere.path().string());

    auto second = startApp("second");
    const auto status = second->waitForExit();
    ASSERT_TRUE(status) << "the second launch kept running";
    EXPECT_EQ(*status, 0) << second->err();
    EXPECT_TRUE(eventually([&] { return contains(first->err(), broughtForward); })) << first->err();
    EXPECT_FALSE(contains(other->err(), broughtForward)) << other->err();
    EXPECT_FALSE(contains(second->err(), broughtForward));
    EXPECT_TRUE(first->running());
    EXPECT_TRUE(other->running());
    EXPECT_EQ(holderPid(), first->pid());
    EXPECT_EQ(universeFiles().size(), 1u) << "the second launch opened no universe of its own";
}

TEST_F(OneWriter, WhileTheAppIsOpenWritersWaitThenGiveUpAndReadersGoAhead) {
    auto application = startApp("app");
    waitUntilOpen(*application);
    const std::string sec = VELMORA_FIXTURES_DIR "/travellermap/legacy-example.sec";

    // Each of these stores into the folder, and would succeed (or fail otherwise)
    // if it went ahead.
    const std::vector<std::pair<std::string, std::string>> writers = {
        {"generate", "generate --hex 0,0,1910 --save"},
        {"generate-area", "generate-area --sector 0,0 --subsector A --density 30 --save"},
        {"sec-import", "sec-import " + sec + " --sector 1,0 --name Beyond"},
        {"sec-import-new", "sec-import " + sec + " --sector 1,0 --new Elsewhere"},
        {"travellermap-import", "travellermap-import Spinward --base-url http://127.0.0.1:9"},
    };
    std::vector<std::unique_ptr<ChildProcess>> started;
    for (const auto& [name, arguments] : writers)
        started.push_back(startCli(name, arguments));

    // Readers run beside them and never wait.
    const std::vector<std::pair<std::string, std::string>> readers = {
        {"universes", "universes"},
        {"show-universe", "show-universe --json"},
        {"factions", "factions"},
        {"faction-lists", "faction-lists"},
        {"generate-unsaved", "generate --hex 0,0,1910"},
        {"sec-export", "sec-export --sector 0,0 --out " + (logs / "out.sec").string()},
        {"render-map", "render-map --sector 0,0 --out " + (logs / "map.png").string()},
    };
    for (const auto& [name, arguments] : readers) {
        auto reader = startCli(name, arguments);
        const auto status = reader->waitForExit();
        ASSERT_TRUE(status) << name << " kept running";
        EXPECT_EQ(*status, 0) << name << ": " << reader->err();
        EXPECT_FALSE(contains(reader->err(), waitingNote)) << name << ": " << reader->err();
    }

    for (std::size_t i = 0; i < writers.size(); ++i) {
        const std::string& name = writers[i].first;
        ChildProcess& writer = *started[i];
        const auto status = writer.waitForExit();
        ASSERT_TRUE(status) << name << " kept running";
        EXPECT_EQ(*status, 1) << name << ": " << writer.err();
        EXPECT_TRUE(contains(writer.err(), waitingNote + folder())) << name << ": " << writer.err();
        EXPECT_TRUE(contains(writer.err(), "velmora-cli: Another Velmora (velmora, process " +
                                               std::to_string(application->pid()) +
                                               ") is writing to " + folder() + ";"))
            << name << ": " << writer.err();
        EXPECT_EQ(writer.out(), "") << name;
    }

    EXPECT_TRUE(application->running());
    EXPECT_EQ(holderPid(), application->pid());
    const universe::UniverseRecord stored = onlyUniverse();
    EXPECT_TRUE(stored.data.empty());
    EXPECT_TRUE(stored.sectors.empty());
}

TEST_F(OneWriter, ALockLeftByAKilledAppIsTakenOver) {
    auto killed = startApp("killed");
    waitUntilOpen(*killed);
    killed->kill(SIGKILL);
    ASSERT_EQ(killed->waitForExit(), 128 + SIGKILL);
    ASSERT_TRUE(lockFileExists()) << "the kill leaves the lock behind";

    auto writer = startCli("writer", "generate --hex 0,0,1910 --name Regina --save");
    ASSERT_EQ(writer->waitForExit(), 0) << writer->err();
    EXPECT_FALSE(contains(writer->err(), waitingNote)) << "a dead holder is not waited for";
    EXPECT_EQ(hexNames(onlyUniverse()), std::vector<std::string>{"Regina"});
    EXPECT_FALSE(lockFileExists()) << "the writer lets go when it ends";

    // The application starts again over the socket the killed one left, and
    // answers the next launch.
    auto again = startApp("again");
    waitUntilOpen(*again);
    auto later = startApp("later");
    EXPECT_EQ(later->waitForExit(), 0) << later->err();
    EXPECT_TRUE(eventually([&] { return contains(again->err(), broughtForward); })) << again->err();
    EXPECT_EQ(hexNames(onlyUniverse()), std::vector<std::string>{"Regina"});
}

TEST_F(OneWriter, WritersStartedTogetherTakeTurnsAndKeepBothChanges) {
    // Another writer has the folder while both start, so both must wait for it
    // and then for each other.
    app::DataFolderLock held(qFolder());
    ASSERT_TRUE(held.tryLock());
    auto alpha = startCli("alpha", "generate --hex 0,0,0101 --name Alpha --save");
    auto beta = startCli("beta", "generate --hex 0,0,0102 --name Beta --save");
    ASSERT_TRUE(eventually([&] {
        return (contains(alpha->err(), waitingNote) || !alpha->running()) &&
               (contains(beta->err(), waitingNote) || !beta->running());
    }));
    EXPECT_TRUE(alpha->running()) << alpha->err();
    EXPECT_TRUE(beta->running()) << beta->err();
    EXPECT_TRUE(universeFiles().empty()) << "neither wrote while the folder was held";
    held.unlock();

    EXPECT_EQ(alpha->waitForExit(), 0) << alpha->err();
    EXPECT_EQ(beta->waitForExit(), 0) << beta->err();
    // One universe, made by whichever went first, holding both systems.
    EXPECT_EQ(hexNames(onlyUniverse()), (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(OneWriter, TheAppWaitsForAWriterToFinish) {
    app::DataFolderLock held(qFolder());
    ASSERT_TRUE(held.tryLock());
    auto application = startApp("app");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(application->running()) << application->err();
    EXPECT_TRUE(universeFiles().empty()) << "nothing is opened while another writer is at work";
    held.unlock();

    waitUntilOpen(*application);
    EXPECT_EQ(holderPid(), application->pid());
}

TEST_F(OneWriter, AWaitingWriterWorksOnTheUniverseTheWriterBeforeLeftCurrent) {
    universe::UniverseRecord first;
    first.name = "Spinward Marches";
    universe::UniverseRecord second;
    second.name = "Trojan Reach";
    for (const auto* record : {&first, &second})
        data.write("Universes/" + record->id.toString() + ".json",
                   universe::encodeUniverse(*record));
    const auto locations = app::DataLocations::portable(qFolder());
    {
        // As a folder used before has them.
        app::QtPreferences preferences(locations);
        preferences.setFlag(universe::didMigrateToUniversesKey, true);
        preferences.setText(universe::lastUniverseIDKey, first.id.toString());
    }

    // The writer reads the preferences while it waits; the one before it switches
    // universes meanwhile.
    app::DataFolderLock held(qFolder());
    ASSERT_TRUE(held.tryLock());
    auto writer = startCli("writer", "generate --hex 0,0,0101 --name Alpha --save");
    ASSERT_TRUE(eventually([&] { return contains(writer->err(), waitingNote); })) << writer->err();
    app::QtPreferences(locations).setText(universe::lastUniverseIDKey, second.id.toString());
    held.unlock();

    ASSERT_EQ(writer->waitForExit(), 0) << writer->err();
    EXPECT_TRUE(contains(writer->out(), "in Trojan Reach.")) << writer->out();
    const auto stored = [&](const universe::UniverseRecord& record) {
        return universe::decodeUniverse(data.read("Universes/" + record.id.toString() + ".json"));
    };
    EXPECT_EQ(hexNames(stored(second)), std::vector<std::string>{"Alpha"});
    EXPECT_TRUE(stored(first).data.empty());
}
