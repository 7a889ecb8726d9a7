#include "app/platform/data_locations.h"
#include "app/platform/name_order.h"
#include "app/platform/qt_preferences.h"
#include "app/platform/universe_store.h"
#include "support/temporary_folder.h"
#include "support/universe_changes.h"

#include <QFileInfo>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::TemporaryFolder;

TEST(FileBrowserNameOrder, ComparesDigitRunsByValueAndIgnoresCase) {
    const auto order = app::fileBrowserNameOrder();
    EXPECT_LT(order("Sector 9", "Sector 10"), 0);
    EXPECT_GT(order("Sector 10", "Sector 9"), 0);
    EXPECT_LT(order("alpha", "Beta"), 0);
    EXPECT_LT(order("Beta", "gamma"), 0);
    EXPECT_EQ(order("Deneb", "Deneb"), 0);
}

TEST(DataLocations, DataDirKeepsEverythingInsideIt) {
    TemporaryFolder folder;
    const QString dir = QString::fromStdString(folder.path().string());
    for (const QStringList& arguments :
         {QStringList{"velmora", "--data-dir", dir}, QStringList{"velmora", "--data-dir=" + dir}}) {
        const auto locations = app::DataLocations::fromArguments(arguments);
        EXPECT_TRUE(locations.isPortable());
        EXPECT_EQ(locations.documentsFolder(), dir);
        EXPECT_EQ(locations.applicationSupportFolder(), dir);
        EXPECT_TRUE(locations.preferencesFile().startsWith(dir));
    }
    EXPECT_FALSE(app::DataLocations::fromArguments({"velmora"}).isPortable());
}

TEST(QtPreferences, PortablePreferencesLiveInTheDataFolder) {
    TemporaryFolder folder;
    const auto locations =
        app::DataLocations::portable(QString::fromStdString(folder.path().string()));
    {
        app::QtPreferences preferences(locations);
        EXPECT_FALSE(preferences.text("lastUniverseID"));
        EXPECT_FALSE(preferences.flag("didMigrateToUniverses"));
        preferences.setText("lastUniverseID", "ABC");
        preferences.setFlag("didMigrateToUniverses", true);
    }
    app::QtPreferences reopened(locations);
    EXPECT_EQ(reopened.text("lastUniverseID"), "ABC");
    EXPECT_TRUE(reopened.flag("didMigrateToUniverses"));
    EXPECT_TRUE(QFileInfo::exists(locations.preferencesFile()));
}

TEST(UniverseStore, NamesListInFileBrowserOrder) {
    TemporaryFolder folder;
    const auto locations =
        app::DataLocations::portable(QString::fromStdString(folder.path().string()));
    app::QtPreferences preferences(locations);
    auto store = app::openUniverseStore(locations, preferences, true);
    for (const char* name : {"Sector 10", "sector 9", "Aslan Hierate"})
        store->createUniverse(name);
    std::vector<std::string> names;
    for (const auto& header : store->headers())
        names.push_back(header.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Aslan Hierate", "My Universe", "sector 9", "Sector 10"}));
}

TEST(UniverseStore, MapChangesOnTheEventLoopEndInOneBackgroundSave) {
    TemporaryFolder folder;
    const auto locations =
        app::DataLocations::portable(QString::fromStdString(folder.path().string()));
    app::QtPreferences preferences(locations);
    auto store = app::openUniverseStore(locations, preferences, true);
    auto& universe = store->current();

    for (int pan = 0; pan < 10; ++pan) {
        velmora::testing::changeView(universe, [&](universe::MapViewSettings& view) {
            view.mapTransform = universe::MapTransform{1.0 + pan, 0, 0};
        });
        QTest::qWait(30);
    }
    EXPECT_TRUE(universe.hasPendingSave());
    EXPECT_EQ(folder.read(universe.file()).find("\"mapTransform\""), std::string::npos)
        << "nothing written yet";
    // The write itself happens off the event loop; the save stays pending until it landed.
    QTRY_VERIFY_WITH_TIMEOUT(!universe.hasPendingSave(), 3000);
    EXPECT_NE(folder.read(universe.file()).find("\"scale\": 10.0"), std::string::npos);

    // An immediate save after a background one is written after it, never under it.
    velmora::testing::changeView(universe, [](universe::MapViewSettings& view) {
        view.mapTransform = universe::MapTransform{11, 0, 0};
    });
    universe.scheduleSave(std::chrono::milliseconds(0));
    QTest::qWait(5);
    universe.rename("Saved last");
    QTRY_VERIFY_WITH_TIMEOUT(!universe.hasPendingSave(), 3000);
    EXPECT_NE(folder.read(universe.file()).find("Saved last"), std::string::npos);
}

TEST(UniverseStore, DeletingTheUniverseOutrunsItsPendingSave) {
    TemporaryFolder folder;
    const auto locations =
        app::DataLocations::portable(QString::fromStdString(folder.path().string()));
    app::QtPreferences preferences(locations);
    auto store = app::openUniverseStore(locations, preferences, true);
    store->createUniverse("Doomed");
    auto& doomed = store->current();
    const auto file = doomed.file();
    doomed.scheduleSave(std::chrono::milliseconds(0));
    QTest::qWait(5);
    store->deleteUniverse(doomed.id());
    QTest::qWait(100);
    EXPECT_FALSE(std::filesystem::exists(file));
}
