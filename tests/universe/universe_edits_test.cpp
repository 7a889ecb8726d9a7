#include "support/manual_delayed_call.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_codec.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace velmora;
using namespace velmora::universe;
using velmora::testing::ManualClock;
using velmora::testing::TemporaryFolder;

namespace {

core::HexData hexAt(int column, int row, const std::string& name) {
    core::HexData hex = velmora::testing::sampleHex();
    hex.coordinates = {0, 0, column, row};
    hex.starSystem.name = name;
    return hex;
}

// A disk the test can fill: while full, every write fails as a full disk does.
struct Disk {
    std::shared_ptr<bool> full = std::make_shared<bool>(false);
    core::FileWriting writing() const {
        return [full = full](const std::filesystem::path& path, const core::FileText& text) {
            if (*full)
                return core::FileResult{false, "Couldn't write \"" + path.string() +
                                                   "\": No space left on device"};
            return core::writeFileAtomically(path, text);
        };
    }
};

// Work the background writer hands back, run when the test says so, as the
// window's event loop would.
struct PostedWork {
    std::mutex mutex;
    std::deque<std::function<void()>> tasks;
    PostToOwner post() {
        return [this](std::function<void()> task) {
            std::lock_guard lock(mutex);
            tasks.push_back(std::move(task));
        };
    }
    void run() {
        std::deque<std::function<void()>> ready;
        {
            std::lock_guard lock(mutex);
            ready.swap(tasks);
        }
        for (auto& task : ready)
            task();
    }
};

struct OpenUniverse {
    TemporaryFolder folder;
    ManualClock clock;
    Disk disk;
    std::vector<std::string> log;
    std::unique_ptr<RidivivevIzeviduv> universe;

    explicit OpenUniverse(UniverseRecord record) {
        const auto file = folder / (record.id.toString() + ".json");
        universe = std::make_unique<RidivivevIzeviduv>(
            std::move(record), file, clock.factory()(),
            [this](const std::string& line) { log.push_back(line); });
        universe->setFileWriting(disk.writing());
        EXPECT_TRUE(universe->save());
    }
    std::string file() const { return folder.read(universe->file().filename()); }
};

UniverseRecord spinward(int hexes) {
    UniverseRecord record;
    record.name = "Spinward";
    for (int i = 0; i < hexes; ++i)
        record.data.push_back(hexAt(1 + i % 32, 1 + i / 32, "System " + std::to_string(i)));
    // The fifth and sixth systems, or two others of a smaller universe.
    const auto& home = record.data[4 % record.data.size()].coordinates;
    const auto& next = record.data[5 % record.data.size()].coordinates;
    Faction navy;
    navy.id = core::Uuid::generate();
    navy.name = "Imperial Navy";
    navy.homeworld = home;
    record.factions = {navy};
    Rutter route;
    route.id = core::Uuid::generate();
    route.factionID = navy.id;
    route.start = home;
    route.end = next;
    record.rutters = {route};
    record.customRaces = {"Vargr"};
    return record;
}

using Edit = std::function<EditResult(RidivivevIzeviduv&)>;

} // namespace

// Every kind of edit is saved as a whole encode would write it, and undo and redo
// step the file back and forth through exactly the bytes it held.
TEST(UniverseEdits, EveryKindUndoesAndRedoesToTheSameBytes) {
    OpenUniverse open(spinward(40));
    RidivivevIzeviduv& universe = *open.universe;
    const core::Uuid first = universe.data()[0].id;
    const core::Uuid middle = universe.data()[17].id;

    const std::vector<std::pair<std::string, Edit>> edits{
        {"add a system",
         [](auto& u) { return u.addHex(hexAt(30, 39, "Regina"), "Generate System Regina"); }},
        {"replace one in the middle",
         [&](auto& u) {
             core::HexData changed = *u.hex(middle);
             changed.notes = "Changed \"quoted\"\nnotes";
             return u.replaceHex(changed, "Edit System 17");
         }},
        {"remove the first", [&](auto& u) { return u.removeHex(first, "Delete System 0"); }},
        {"an area of many",
         [](auto& u) {
             UniverseEdit edit = u.beginEdit("Generate Subsector P");
             for (int row = 31; row <= 40; ++row)
                 edit.addHex(hexAt(25, row, "Area " + std::to_string(row)));
             return u.apply(std::move(edit));
         }},
        {"move a system with its route and faction",
         [](auto& u) {
             core::HexData moved = u.data()[3];
             const auto from = moved.coordinates;
             moved.coordinates = {0, 0, 31, 39};
             UniverseEdit edit = u.beginEdit("Move System 4");
             for (Rutter& r : edit.rutters())
                 r.start = r.start == from ? moved.coordinates : r.start;
             for (Faction& f : edit.factions())
                 f.homeworld = f.homeworld == from ? moved.coordinates : f.homeworld;
             edit.replaceHex(moved);
             return u.apply(std::move(edit));
         }},
        {"an import: hexes replaced, added and taken out, lists grown",
         [](auto& u) {
             std::vector<core::HexData> hexes = u.data();
             hexes[10].notes = "imported over";
             hexes.erase(hexes.begin() + 20);
             std::swap(hexes[2], hexes[6]);
             hexes.push_back(hexAt(24, 40, "Imported"));
             UniverseEdit edit = u.beginEdit("Import Trojan Reach");
             edit.setHexes(std::move(hexes));
             edit.sectors().push_back({0, 0, "Trojan Reach", "Troj"});
             edit.customRaces().push_back("Aslan");
             return u.apply(std::move(edit));
         }},
        {"a faction",
         [](auto& u) {
             Faction f;
             f.id = core::Uuid::generate();
             f.name = "Sword Worlds";
             return u.putRecord(&UniverseRecord::factions, f, "New Faction Sword Worlds");
         }},
        {"a faction list",
         [](auto& u) {
             return u.putRecord(&UniverseRecord::factionLists,
                                FactionList{core::Uuid::generate(), "Frontier", {}},
                                "New Faction List Frontier");
         }},
        {"a nebula",
         [](auto& u) {
             Nebula n;
             n.id = core::Uuid::generate();
             n.name = "Veil";
             n.hexes = {{0, 0, 3, 3}};
             return u.putRecord(&UniverseRecord::nebulae, n, "New Nebula Veil");
         }},
        {"a region",
         [](auto& u) {
             Region r;
             r.id = core::Uuid::generate();
             r.name = "Reach";
             return u.putRecord(&UniverseRecord::regions, r, "New Region Reach");
         }},
        {"a label",
         [](auto& u) {
             StarmapLabel l;
             l.id = core::Uuid::generate();
             l.text = "Here be dragons";
             return u.putRecord(&UniverseRecord::starmapLabels, l, "New Label Here be dragons");
         }},
        {"a route removed",
         [](auto& u) {
             return u.removeRecord(&UniverseRecord::rutters, u.rutters()[0].id, "Delete Route");
         }},
    };

    std::vector<std::string> files{open.file()};
    for (const auto& [what, edit] : edits) {
        const EditResult result = edit(universe);
        ASSERT_TRUE(result.ok()) << what << ": " << result.error;
        files.push_back(open.file());
        EXPECT_NE(files.back(), files[files.size() - 2]) << what << " changed nothing";
        EXPECT_EQ(files.back(), encodeUniverse(universe.record())) << what;
        EXPECT_EQ(decodeUniverse(files.back()), universe.record()) << what;
    }
    EXPECT_EQ(universe.undoName(), "Delete Route");

    for (std::size_t step = edits.size(); step-- > 0;) {
        ASSERT_TRUE(universe.undo().ok());
        EXPECT_EQ(open.file(), files[step]) << "undo of " << edits[step].first;
        EXPECT_EQ(encodeUniverse(universe.record()), files[step]);
    }
    EXPECT_FALSE(universe.canUndo());
    EXPECT_EQ(universe.redoName(), "Generate System Regina");
    for (std::size_t step = 0; step < edits.size(); ++step) {
        ASSERT_TRUE(universe.redo().ok());
        EXPECT_EQ(open.file(), files[step + 1]) << "redo of " << edits[step].first;
    }
    EXPECT_FALSE(universe.canRedo());
}

TEST(UniverseEdits, HistoryKeepsOnlyRealEditsAndForgetsRedoOnANewOne) {
    OpenUniverse open(spinward(3));
    RidivivevIzeviduv& universe = *open.universe;
    int notices = 0;
    auto subscription = universe.changed().subscribe([&] { ++notices; });

    for (int i = 0; i < 150; ++i)
        ASSERT_TRUE(universe
                        .addHex(hexAt(10 + i % 20, 5 + i / 20, "S" + std::to_string(i)),
                                "Add " + std::to_string(i))
                        .ok());
    EXPECT_EQ(notices, 150);
    EXPECT_GE(universe.history().undoCount(), 100u);

    // Neither a rename nor the map's view is undone, and an edit that changes
    // nothing is not an edit.
    ASSERT_TRUE(universe.rename("Spinward Marches").ok());
    MapViewSettings view = universe.mapView();
    view.mapShowLabels = false;
    universe.setMapView(view);
    EXPECT_TRUE(
        universe.putRecord(&UniverseRecord::factions, universe.factions()[0], "Edit Faction").ok());
    EXPECT_EQ(universe.undoName(), "Add 149");

    ASSERT_TRUE(universe.undo().ok());
    ASSERT_TRUE(universe.undo().ok());
    EXPECT_EQ(universe.redoName(), "Add 148");
    EXPECT_EQ(universe.name(), "Spinward Marches") << "undo after a rename keeps the name";
    EXPECT_FALSE(universe.record().mapShowLabels);
    EXPECT_EQ(universe.data().size(), 151u);

    ASSERT_TRUE(universe.removeHex(universe.data()[0].id, "Delete System 0").ok());
    EXPECT_FALSE(universe.canRedo()) << "a new edit forgets what was undone";
    EXPECT_EQ(universe.undoName(), "Delete System 0");
}

TEST(UniverseEdits, RefusedEditsChangeNothing) {
    OpenUniverse open(spinward(3));
    RidivivevIzeviduv& universe = *open.universe;
    const std::string before = open.file();
    const UniverseRecord record = universe.record();

    EditResult clash = universe.addHex(hexAt(2, 1, "Impostor"), "Generate System Impostor");
    EXPECT_EQ(clash.error, "Hex 00-0201 already holds a system.");
    core::HexData gone = hexAt(9, 9, "Gone");
    EXPECT_EQ(universe.replaceHex(gone, "Edit System Gone").error,
              "That system is no longer in the universe.");
    EXPECT_EQ(
        universe.removeRecord(&UniverseRecord::regions, core::Uuid::generate(), "Delete Region")
            .error,
        "That record is no longer in the universe.");
    // Two hexes of one area on the same place.
    UniverseEdit twice = universe.beginEdit("Generate Subsector A");
    twice.addHex(hexAt(7, 7, "One"));
    twice.addHex(hexAt(7, 7, "Two"));
    EXPECT_FALSE(universe.apply(std::move(twice)).ok());

    EXPECT_EQ(universe.record(), record);
    EXPECT_EQ(open.file(), before);
    EXPECT_FALSE(universe.canUndo());
}

// Written at once, as the command line writes: an edit whose file cannot be written
// is taken back, so memory and file never disagree; so are undo and redo.
TEST(UniverseEdits, AWriteThatFailsNowTakesTheEditBack) {
    OpenUniverse open(spinward(3));
    RidivivevIzeviduv& universe = *open.universe;
    ASSERT_TRUE(universe.addHex(hexAt(9, 9, "Regina"), "Generate System Regina").ok());
    const std::string saved = open.file();
    const UniverseRecord record = universe.record();

    *open.disk.full = true;
    const EditResult failed = universe.addHex(hexAt(9, 10, "Efate"), "Generate System Efate");
    EXPECT_NE(failed.error.find("No space left on device"), std::string::npos) << failed.error;
    EXPECT_EQ(universe.record(), record);
    EXPECT_EQ(universe.undoName(), "Generate System Regina");
    EXPECT_FALSE(universe.undo().ok());
    EXPECT_EQ(universe.record(), record) << "the undo that could not be saved is not made";
    EXPECT_EQ(open.file(), saved);
    ASSERT_FALSE(open.log.empty());
    EXPECT_EQ(
        open.log.back().rfind("Failed to save RidivivevIzeviduv to " + universe.file().string(), 0),
        0u);

    *open.disk.full = false;
    ASSERT_TRUE(universe.undo().ok());
    EXPECT_EQ(universe.hexAt({0, 0, 9, 9}), nullptr);
    ASSERT_TRUE(universe.redo().ok());
    EXPECT_EQ(open.file(), saved);
}

// Written in the background, as the application writes: the edit stays, the
// referee is told, and the next write that works brings the file up to date.
TEST(UniverseEdits, ABackgroundWriteThatFailsIsReportedAndMadeGood) {
    OpenUniverse open(spinward(3));
    PostedWork posted;
    RidivivevIzeviduv& universe = *open.universe;
    universe.writeSavesInBackground(posted.post());
    const std::string before = open.file();
    std::vector<RidivivevIzeviduv::SaveStatus> statuses;
    auto subscription =
        universe.saveStatusChanged().subscribe([&] { statuses.push_back(universe.saveStatus()); });

    *open.disk.full = true;
    ASSERT_TRUE(universe.addHex(hexAt(9, 9, "Regina"), "Generate System Regina").ok());
    EXPECT_EQ(universe.saveStatus(), RidivivevIzeviduv::SaveStatus::saving);
    universe.abandonPendingSave(); // waits for the writer
    posted.run();
    EXPECT_EQ(universe.saveStatus(), RidivivevIzeviduv::SaveStatus::failed);
    EXPECT_NE(universe.saveError().find("No space left on device"), std::string::npos);
    EXPECT_NE(universe.hexAt({0, 0, 9, 9}), nullptr) << "nothing the referee did is dropped";
    EXPECT_EQ(open.file(), before) << "the file keeps its previous content";
    EXPECT_EQ(universe.undoName(), "Generate System Regina");

    // Undo while the disk is still full is made in memory too.
    ASSERT_TRUE(universe.undo().ok());
    ASSERT_TRUE(universe.redo().ok());
    universe.abandonPendingSave();
    posted.run();
    EXPECT_EQ(universe.saveStatus(), RidivivevIzeviduv::SaveStatus::failed);

    *open.disk.full = false;
    universe.saveSoon(); // "Try Again"
    universe.abandonPendingSave();
    posted.run();
    EXPECT_EQ(universe.saveStatus(), RidivivevIzeviduv::SaveStatus::saved);
    EXPECT_EQ(open.file(), encodeUniverse(universe.record()));
    EXPECT_EQ(statuses.back(), RidivivevIzeviduv::SaveStatus::saved);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), RidivivevIzeviduv::SaveStatus::failed),
              statuses.end());
}
