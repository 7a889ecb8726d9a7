#include "core/file_io.h"
#include "core/timestamp.h"
#include "ships/saved_ship_design_json.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ship_design_json.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>

namespace fs = std::filesystem;
using namespace velmora;
using ships::SavedShipDesign;
using ships::SavedShipDesignsStore;
using velmora::testing::TemporaryFolder;

namespace {

const std::string pngBytes = std::string("\x89PNG\r\n\x1a\n", 8) + "picture of a ship";
const std::string jpegBytes = std::string("\xff\xd8\xff\xe0", 4) + "another picture";

core::Timestamp at(const char* text) {
    return *core::parseIso8601(text);
}

// A clock a test moves by hand.
struct TestClock {
    core::Timestamp now = at("2025-03-01T10:00:00Z");
    core::Clock clock() {
        return [this] { return now; };
    }
};

SavedShipDesign scout(const std::string& name = "Kestrel") {
    SavedShipDesign saved;
    saved.id = core::Uuid::generate();
    saved.configurationName = "Type-S";
    saved.typeLabel = "Scout/Courier";
    saved.shipName = name;
    saved.description = "A **fast** courier.";
    saved.design.tonnage = 100;
    saved.design.hasJumpDrive = true;
    saved.design.jumpDriveRating = 2;
    saved.createdDate = at("2024-01-02T03:04:05Z");
    saved.modifiedDate = saved.createdDate;
    return saved;
}

// Every file under a folder with its bytes, links by their targets: what a failed
// operation must leave exactly as it was.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto relative = fs::relative(entry.path(), root).string();
        if (entry.is_symlink())
            files[relative] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_regular_file())
            files[relative] = core::readWholeFile(entry.path()).value_or("?");
        else
            files[relative] = "<folder>";
    }
    return files;
}

std::string designJson(const SavedShipDesign& saved) {
    return ships::designFileText(saved);
}

} // namespace

TEST(SavedShipDesignsStore, SavesOneFolderPerShipWithASortedIndentedDesignFile) {
    TemporaryFolder data;
    TestClock time;
    const fs::path root = data / "ShipDesigns";
    SavedShipDesignsStore store(root, time.clock());
    EXPECT_TRUE(fs::is_directory(root)) << "the root is made when missing";

    // Two ships of one name are two ships: only the id tells them apart.
    SavedShipDesign first = scout("Kestrel");
    SavedShipDesign second = scout("Kestrel");
    ASSERT_TRUE(store.save(first));
    time.now = at("2025-03-01T11:00:00Z");
    ASSERT_TRUE(store.save(second));
    EXPECT_EQ(first.modifiedDate, at("2025-03-01T10:00:00Z")) << "saving stamps the time";
    EXPECT_EQ(store.headers().size(), 2u);
    EXPECT_TRUE(fs::is_regular_file(root / first.id.toString() / "design.json"));
    EXPECT_TRUE(fs::is_directory(root / first.id.toString() / "images"));

    const std::string text = data.read("ShipDesigns/" + first.id.toString() + "/design.json");
    const auto json = nlohmann::json::parse(text);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"configurationName", "createdDate", "description",
                                              "design", "id", "imageFilenames", "modifiedDate",
                                              "shipName", "typeLabel"}));
    EXPECT_EQ(json["createdDate"], "2024-01-02T03:04:05Z");
    EXPECT_EQ(json["modifiedDate"], "2025-03-01T10:00:00Z");
    EXPECT_EQ(json["id"], first.id.toString());
    EXPECT_NE(text.find("\n  \"configurationName\": \"Type-S\",\n"), std::string::npos)
        << "indented two spaces";

    // A second store on the same folder reads back exactly what was saved.
    SavedShipDesignsStore reopened(root, time.clock());
    ASSERT_EQ(reopened.headers().size(), 2u);
    const auto loaded = reopened.load(second.id);
    ASSERT_TRUE(loaded) << reopened.lastError().value_or("");
    EXPECT_EQ(*loaded, second);
    EXPECT_EQ(*reopened.header(first.id), first.header());
}

TEST(SavedShipDesignsStore, ListsEveryReadableShipAndSkipsTheRest) {
    TemporaryFolder data;
    const fs::path root = data / "ShipDesigns";
    SavedShipDesign good = scout("Good");
    data.write("ShipDesigns/" + good.id.toString() + "/design.json", designJson(good));

    // Header keys only count for the list: a design part this version cannot read
    // still lists the ship, and opening it says why it cannot be opened.
    SavedShipDesign odd = scout("Odd Design");
    auto oddJson = nlohmann::json::parse(designJson(odd));
    oddJson["design"]["configuration"] = "tetrahedron";
    data.write("ShipDesigns/" + odd.id.toString() + "/design.json", oddJson.dump(2));

    const SavedShipDesign elsewhere = scout("Misfiled");
    const std::string stray = core::Uuid::generate().toString();
    const struct {
        std::string entry;
        std::string contents; // empty: a folder without design.json
    } skipped[] = {
        {core::Uuid::generate().toString() + "/notes.txt", "no design here"},
        {core::Uuid::generate().toString() + "/design.json", "{\"id\": \"trunc"},
        {core::Uuid::generate().toString() + "/design.json", "[1, 2, 3]"},
        {core::Uuid::generate().toString() + "/design.json", "{\"shipName\": \"No id\"}"},
        {"Not A Uuid/design.json", designJson(scout("Wrong folder name"))},
        {stray + "/design.json", designJson(elsewhere)}, // another ship's id
        {"." + core::Uuid::generate().toString() + "/design.json", designJson(scout("Hidden"))},
        {"loose-file.json", designJson(scout("Loose"))},
    };
    for (const auto& entry : skipped)
        data.write("ShipDesigns/" + entry.entry, entry.contents);

    SavedShipDesignsStore store(root);
    std::set<std::string> names;
    for (const auto& header : store.headers())
        names.insert(header.shipName);
    EXPECT_EQ(names, (std::set<std::string>{"Good", "Odd Design"}));
    EXPECT_FALSE(store.lastError());
    EXPECT_FALSE(store.load(odd.id));
    EXPECT_NE(store.lastError().value_or("").find("design.configuration"), std::string::npos)
        << store.lastError().value_or("");
    ASSERT_TRUE(store.load(good.id));
}

TEST(SavedShipDesignsStore, AFailedSaveKeepsThePreviousFile) {
    TemporaryFolder data;
    const fs::path root = data / "ShipDesigns";
    SavedShipDesignsStore store(root);
    SavedShipDesign saved = scout();
    ASSERT_TRUE(store.save(saved));
    const fs::path file = root / saved.id.toString() / "design.json";
    const std::string before = core::readWholeFile(file).value();

    // A folder where the new file would be written first makes the write fail.
    fs::create_directory(file.string() + ".saving");
    saved.shipName = "Renamed";
    EXPECT_FALSE(store.save(saved));
    ASSERT_TRUE(store.lastError());
    EXPECT_EQ(store.lastError()->rfind("Couldn't save that ship: ", 0), 0u) << *store.lastError();
    EXPECT_EQ(core::readWholeFile(file), before);
    EXPECT_EQ(store.header(saved.id)->shipName, "Kestrel");
    fs::remove(file.string() + ".saving");

    const auto others = snapshot(root);
    SavedShipDesign blocked = scout("Blocked");
    fs::create_directories(root / blocked.id.toString() / "junk");
    EXPECT_FALSE(store.save(blocked)) << "an unreadable folder of the same id is never replaced";
    EXPECT_TRUE(fs::exists(root / blocked.id.toString() / "junk"));
    fs::remove_all(root / blocked.id.toString());
    EXPECT_EQ(snapshot(root), others);
}

TEST(SavedShipDesignsStore, DuplicateCopiesImagesSoDeletingTheCopyKeepsTheOriginals) {
    TemporaryFolder data;
    TestClock time;
    const fs::path root = data / "ShipDesigns";
    SavedShipDesignsStore store(root, time.clock());
    SavedShipDesign saved = scout("Beowulf");
    ASSERT_TRUE(store.save(saved));
    data.write("beowulf.PNG", pngBytes);
    const auto image = store.addImage(saved.id, data / "beowulf.PNG");
    ASSERT_TRUE(image) << store.lastError().value_or("");

    time.now = at("2025-04-01T00:00:00Z");
    const auto copyID = store.duplicate(saved.id);
    ASSERT_TRUE(copyID) << store.lastError().value_or("");
    EXPECT_NE(*copyID, saved.id);
    const auto copy = store.load(*copyID).value();
    EXPECT_EQ(copy.shipName, "Beowulf Copy");
    EXPECT_EQ(copy.createdDate, time.now);
    EXPECT_EQ(copy.modifiedDate, time.now);
    EXPECT_EQ(copy.imageFilenames, (std::vector<std::string>{*image}));
    EXPECT_EQ(copy.design, saved.design);

    ASSERT_TRUE(store.deleteDesign(*copyID));
    EXPECT_FALSE(fs::exists(root / copyID->toString()));
    EXPECT_EQ(store.readImage(saved.id, *image), pngBytes);
    EXPECT_EQ(store.headers().size(), 1u);
    EXPECT_FALSE(store.deleteDesign(*copyID));
    EXPECT_EQ(store.lastError()->rfind("Couldn't delete that ship: ", 0), 0u);
}

TEST(SavedShipDesignsStore, AddsImagesUnderNewNamesAndRefusesOtherFiles) {
    TemporaryFolder data;
    const fs::path root = data / "ShipDesigns";
    SavedShipDesignsStore store(root);
    SavedShipDesign saved = scout();
    ASSERT_TRUE(store.save(saved));
    data.write("sources/deckplan", pngBytes);
    data.write("sources/photo.JPG", jpegBytes);
    data.write("sources/notes.png", "these are not pixels");

    const struct {
        const char* source;
        std::optional<std::string> extension; // nothing: refused
    } cases[] = {
        {"sources/deckplan", "png"}, // no extension of its own
        {"sources/photo.JPG", "JPG"},
        {"sources/notes.png", std::nullopt},
        {"sources/missing.png", std::nullopt},
    };
    std::vector<std::string> added;
    for (const auto& item : cases) {
        const auto before = snapshot(root);
        const auto name = store.addImage(saved.id, data / item.source);
        if (!item.extension) {
            EXPECT_FALSE(name) << item.source;
            const std::string error = store.lastError().value_or("");
            EXPECT_EQ(error.rfind("Couldn't add that image: ", 0), 0u) << error;
            EXPECT_NE(error.find(fs::path(item.source).filename().string()), std::string::npos)
                << "the refusal names the file: " << error;
            EXPECT_EQ(snapshot(root), before) << item.source << " changed nothing";
            continue;
        }
        ASSERT_TRUE(name) << item.source << ": " << store.lastError().value_or("");
        const auto dot = name->rfind('.');
        EXPECT_TRUE(core::Uuid::fromString(name->substr(0, dot))) << *name;
        EXPECT_EQ(name->substr(dot + 1), *item.extension);
        added.push_back(*name);
    }
    EXPECT_EQ(store.load(saved.id)->imageFilenames, added);

    ASSERT_TRUE(store.removeImage(saved.id, added[0]));
    EXPECT_FALSE(fs::exists(root / saved.id.toString() / "images" / added[0]));
    EXPECT_EQ(store.load(saved.id)->imageFilenames, std::vector<std::string>{added[1]});
    EXPECT_FALSE(store.removeImage(saved.id, added[0])) << "no longer attached";
}

TEST(SavedShipDesignsStore, ExportThenImportRestoresTheSameShip) {
    TemporaryFolder data;
    const fs::path root = data / "ShipDesigns";
    SavedShipDesignsStore store(root);
    SavedShipDesign saved = scout("Far Trader/2");
    ASSERT_TRUE(store.save(saved));
    data.write("hull.png", pngBytes);
    const auto image = store.addImage(saved.id, data / "hull.png").value();
    saved = store.load(saved.id).value();

    const fs::path exported = store.exportFolderIn(data.path(), saved.header());
    EXPECT_EQ(exported.filename(), "Far Trader-2") << "a name that is one folder";
    std::string sheetSeen;
    ASSERT_TRUE(store.exportDocument(saved.id, exported, [&](const SavedShipDesign& ship) {
        sheetSeen = ship.shipName;
        return std::optional<std::string>("%PDF-1.4 sheet");
    })) << store.lastError().value_or("");
    EXPECT_EQ(sheetSeen, "Far Trader/2");
    EXPECT_EQ(core::readWholeFile(exported / "Far Trader-2.pdf"), "%PDF-1.4 sheet");
    EXPECT_EQ(core::readWholeFile(exported / "images" / image), pngBytes);
    EXPECT_NE(store.exportFolderIn(data.path(), saved.header()), exported) << "taken now";
    EXPECT_FALSE(store.exportDocument(saved.id, exported, {})) << "never into a full folder";

    // The exported folder comes back as the same ship, which is already here.
    auto read = store.readImport(exported);
    ASSERT_TRUE(std::holds_alternative<SavedShipDesignsStore::PendingImport>(read))
        << std::get<std::string>(read);
    auto pending = std::get<SavedShipDesignsStore::PendingImport>(read);
    EXPECT_EQ(pending.design, saved);
    EXPECT_TRUE(store.contains(pending.design.id));
    EXPECT_EQ(pending.imageData.at(image), pngBytes);

    // Committing replaces the library's folder with the folder's contents.
    ASSERT_TRUE(store.removeImage(saved.id, image));
    data.write("extra.png", pngBytes + "2");
    ASSERT_TRUE(store.addImage(saved.id, data / "extra.png"));
    ASSERT_TRUE(store.commitImport(pending)) << store.lastError().value_or("");
    EXPECT_EQ(store.load(saved.id).value(), saved);
    EXPECT_EQ(fs::directory_iterator(root / saved.id.toString() / "images")->path().filename(),
              image)
        << "only the imported images remain";
    EXPECT_EQ(store.headers().size(), 1u);

    // Into an empty library the same folder imports without a question.
    SavedShipDesignsStore other(data / "Other");
    auto again = std::get<SavedShipDesignsStore::PendingImport>(other.readImport(exported));
    EXPECT_FALSE(other.contains(again.design.id));
    ASSERT_TRUE(other.commitImport(again));
    EXPECT_EQ(other.readImage(saved.id, image), pngBytes);
}

TEST(SavedShipDesignsStore, ImportRefusesBadFoldersAndChangesNothing) {
    TemporaryFolder data;
    const fs::path root = data / "ShipDesigns";
    SavedShipDesignsStore store(root);
    SavedShipDesign kept = scout("Kept");
    ASSERT_TRUE(store.save(kept));
    data.write("outside/victim.png", pngBytes);

    const auto withImages = [](std::vector<std::string> names) {
        SavedShipDesign saved = scout("Imported");
        saved.imageFilenames = std::move(names);
        return ships::designFileText(saved);
    };
    auto unknownEnum = nlohmann::json::parse(withImages({}));
    unknownEnum["design"]["sensorSuite"] = "quantum";
    auto absurd = nlohmann::json::parse(withImages({}));
    absurd["design"]["tonnage"] = 10'000'000;
    const std::string corrupt = "That folder's design.json couldn't be read — it may be corrupt.";
    const struct {
        const char* name;
        std::map<std::string, std::string> files; // relative path -> bytes
        const char* linkedImage;                  // images/<this> links to the victim
        std::string message;
    } cases[] = {
        {"no design.json",
         {{"images/a.png", pngBytes}},
         nullptr,
         "Couldn't find a design.json in the selected folder — is it a ship export?"},
        {"not JSON", {{"design.json", "not json at all"}}, nullptr, corrupt},
        {"truncated", {{"design.json", withImages({}).substr(0, 120)}}, nullptr, corrupt},
        {"unknown value", {{"design.json", unknownEnum.dump()}}, nullptr, corrupt},
        {"absurd tonnage", {{"design.json", absurd.dump()}}, nullptr, corrupt},
        {"missing key",
         {{"design.json", "{\"id\": \"" + kept.id.toString() + "\"}"}},
         nullptr,
         corrupt},
        {"parent folder",
         {{"design.json", withImages({"../../outside/victim.png"})}},
         nullptr,
         "That folder's design.json names an image outside its images folder: "
         "\"../../outside/victim.png\"."},
        {"absolute path",
         {{"design.json", withImages({(data / "outside/victim.png").string()})}},
         nullptr,
         "That folder's design.json names an image outside its images folder: \"" +
             (data / "outside/victim.png").string() + "\"."},
        {"dot dot",
         {{"design.json", withImages({".."})}},
         nullptr,
         "That folder's design.json names an image outside its images folder: \"..\"."},
        {"missing image",
         {{"design.json", withImages({"gone.png"})}},
         nullptr,
         "The image \"gone.png\" named in that folder's design.json is missing from its images "
         "folder."},
        {"linked image",
         {{"design.json", withImages({"link.png"})}},
         "link.png",
         "The image \"link.png\" in that folder is a link or a folder, not an image file."},
        {"not an image",
         {{"design.json", withImages({"notes.png"})}, {"images/notes.png", "plain text"}},
         nullptr,
         "The file \"notes.png\" in that folder's images isn't an image."},
    };
    const auto before = snapshot(root);
    for (const auto& item : cases) {
        const std::string folder = std::string("imports/") + item.name;
        fs::create_directories(data / folder);
        for (const auto& [file, bytes] : item.files)
            data.write(folder + "/" + file, bytes);
        if (item.linkedImage) {
            fs::create_directories(data / folder / "images");
            fs::create_symlink(data / "outside/victim.png",
                               data / folder / "images" / item.linkedImage);
        }
        const auto read = store.readImport(data / folder);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << item.name;
        EXPECT_EQ(std::get<std::string>(read), item.message) << item.name;
    }
    EXPECT_EQ(std::get<std::string>(store.readImport(data / "no such folder")),
              "Couldn't read that folder.");
    EXPECT_EQ(snapshot(root), before);
    EXPECT_EQ(data.read("outside/victim.png"), pngBytes);
}

TEST(SavedShipDesignsStore, NeverReachesOutsideAShipsOwnFolder) {
    TemporaryFolder data;
    const fs::path root = data / "ShipDesigns";
    data.write("outside/victim.png", pngBytes);
    data.write("outside/ShipDesigns-sibling.png", pngBytes);

    // A library ship whose file was edited by hand to name files elsewhere, and
    // whose images folder holds a link to a file outside the library.
    SavedShipDesign hostile = scout("Hostile");
    hostile.imageFilenames = {"../../../outside/victim.png", (data / "outside/victim.png").string(),
                              "link.png", "..", "sub/dir.png"};
    data.write("ShipDesigns/" + hostile.id.toString() + "/design.json", designJson(hostile));
    fs::create_directories(root / hostile.id.toString() / "images");
    fs::create_symlink(data / "outside/victim.png",
                       root / hostile.id.toString() / "images" / "link.png");

    SavedShipDesignsStore store(root);
    ASSERT_TRUE(store.contains(hostile.id));
    for (const auto& name : hostile.imageFilenames)
        EXPECT_FALSE(store.readImage(hostile.id, name)) << name << " is never read";

    const auto copy = store.duplicate(hostile.id);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(store.load(*copy)->imageFilenames.empty()) << "nothing outside was copied";
    EXPECT_TRUE(fs::is_empty(root / copy->toString() / "images"));

    ASSERT_TRUE(store.exportDocument(hostile.id, data / "exported", {}));
    EXPECT_TRUE(fs::is_empty(data / "exported" / "images"));

    for (const auto& name : hostile.imageFilenames)
        store.removeImage(hostile.id, name);
    EXPECT_TRUE(store.load(hostile.id)->imageFilenames.empty());
    EXPECT_FALSE(fs::exists(root / hostile.id.toString() / "images" / "link.png"))
        << "the link itself is the ship's own file";
    EXPECT_EQ(data.read("outside/victim.png"), pngBytes);

    fs::create_symlink(data / "outside/victim.png",
                       root / hostile.id.toString() / "images" / "again.png");
    ASSERT_TRUE(store.deleteDesign(hostile.id));
    EXPECT_EQ(data.read("outside/victim.png"), pngBytes);
    EXPECT_EQ(data.read("outside/ShipDesigns-sibling.png"), pngBytes);

    // A ship folder that is itself a link is not the library's to list or remove.
    SavedShipDesign linked = scout("Linked");
    data.write("outside/linked/design.json", designJson(linked));
    fs::create_directory_symlink(data / "outside/linked", root / linked.id.toString());
    store.reloadHeaders();
    EXPECT_FALSE(store.contains(linked.id));
    EXPECT_FALSE(store.deleteDesign(linked.id));
    EXPECT_TRUE(fs::exists(data / "outside/linked/design.json"));
}

TEST(SavedShipDesignsStore, TellsObserversOfChanges) {
    TemporaryFolder data;
    SavedShipDesignsStore store(data / "ShipDesigns");
    int told = 0;
    std::size_t seen = 0;
    auto subscription = store.changed().subscribe([&] {
        ++told;
        seen = store.headers().size();
    });
    SavedShipDesign saved = scout();
    ASSERT_TRUE(store.save(saved));
    EXPECT_GT(told, 0);
    EXPECT_EQ(seen, 1u);
    subscription.reset();
    const int before = told;
    store.deleteDesign(saved.id);
    EXPECT_EQ(told, before) << "no call after the subscription ended";
}
