#include "support/sample_hex.h"
#include "support/universe_changes.h"
#include "systems/open_universe.h"
#include "systems/ui/information_view.h"
#include "systems/ui/world_info_window.h"
#include "systems/ui_fixture.h"
#include "ui/wiki_lookup.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;
using velmora::testing::ViewsInstallation;

namespace {

universe::UniverseRecord sampleUniverse() {
    universe::UniverseRecord record;
    record.name = "Marches";
    record.data.push_back(velmora::testing::sampleHex());
    record.sectors.push_back({-1, 2, "Spinward Marches", "Spin"});
    return record;
}

} // namespace

TEST(WorldInfoWindow, ShowsTheWholeWorld) {
    ViewsInstallation installation(sampleUniverse());
    const core::HexData& hex = installation.manager->current().data()[0];
    QWidget* window = openWorldInfo(*installation.context, {hex.coordinates, std::nullopt});
    auto* info = qobject_cast<WorldInfoWindow*>(window);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), "World Info");
    const QString text = info->text();
    const char* const expected[] = {
        "Tessaly",
        "HEX: SPIN 1910 [A2-C]",
        "A788899-C NS",
        "Starport",
        "Excellent",
        "11,200 km",
        "Dense",
        "Water world (76%-85%)",
        "Hundreds of millions (about 700 million)",
        "Impersonal Bureaucracy",
        "High Law. No weapons outside the home.",
        "TL12",
        "Imperial Naval Base, Scout Base",
        "Climate",
        "Hot",
        "Population\nPh Pre-High Population", // the category, then the class
        "Political\nCp Subsector Capital",
        "Tessaly A",
        "F7 V",
        "1.36 solar masses",
        "Primary",
        "Tessaly B (M2 D)",
        "Trade Hub",
        "Amber Zone",
        "Highport",
        "Unknown Faction", // the sample's faction id names no faction here
        "Subsector capital.",
    };
    for (const char* piece : expected)
        EXPECT_NE(text.indexOf(QString::fromUtf8(piece)), -1) << piece << "\n"
                                                              << text.toStdString();

    // Opening the same target again brings the same window forward.
    EXPECT_EQ(openWorldInfo(*installation.context, {hex.coordinates, std::nullopt}), window);

    // Esc and the platform's close keys close it, as every tool window.
    QPointer<QWidget> first = window;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(first.isNull()); // closed, and gone with it
    QPointer<QWidget> again = openWorldInfo(*installation.context, {hex.coordinates, std::nullopt});
    ASSERT_TRUE(QTest::qWaitForWindowActive(again));
    QTest::keySequence(again, QKeySequence::Close);
    QTRY_VERIFY(again.isNull());
}

TEST(WorldInfoWindow, FollowsTheUniverseAndClosesWithIt) {
    ViewsInstallation installation(sampleUniverse());
    universe::RidivivevIzeviduv& universe = installation.manager->current();
    const core::Uuid giant = universe.data()[0].starSystem.stars[0].worlds[1].id;
    QPointer<QWidget> window =
        openWorldInfo(*installation.context, {universe.data()[0].coordinates, giant});
    auto* info = qobject_cast<WorldInfoWindow*>(window.data());
    ASSERT_NE(info, nullptr);
    EXPECT_NE(info->text().indexOf("Tessaly VI"), -1);
    EXPECT_NE(info->text().indexOf("Large Gas Giant"), -1);
    EXPECT_NE(info->text().indexOf("3 orbits outside the habitable zone (colder)"), -1);

    core::HexData edited = universe.data()[0];
    edited.starSystem.stars[0].worlds[1].name = "Great Tessaly";
    universe::Faction guild;
    guild.id = core::Uuid::generate();
    guild.name = "Merchant Guild";
    edited.starSystem.stars[0].worlds[1].factionIDs = {guild.id};
    velmora::testing::change(universe, [&](universe::UniverseEdit& edit) {
        edit.factions().push_back(guild);
        edit.replaceHex(edited);
    });
    EXPECT_NE(info->text().indexOf("Great Tessaly"), -1);
    EXPECT_NE(info->text().indexOf("Merchant Guild"), -1);

    universe.removeHex(edited.id, "Delete System");
    EXPECT_NE(info->text().indexOf("World Not Found"), -1);

    installation.manager->createUniverse("Elsewhere");
    velmora::testing::processEvents();
    EXPECT_TRUE(window.isNull());
}

// In the player view World Info holds what the players know and no more, and it
// follows the view and the "Surveyed" switch while it is open.
TEST(WorldInfoWindow, PlayerViewShowsOnlyWhatTheSurveyFound) {
    universe::UniverseRecord record = sampleUniverse();
    universe::Faction guild;
    guild.id = record.data[0].starSystem.stars[0].worlds[0].factionIDs[0];
    guild.name = "Merchant Guild";
    record.factions.push_back(guild);
    record.data[0].starSystem.surveyed = false;
    record.mapViewMode = universe::MapViewMode::player;
    ViewsInstallation installation(record);
    universe::RidivivevIzeviduv& universe = installation.manager->current();
    auto* info = qobject_cast<WorldInfoWindow*>(
        openWorldInfo(*installation.context, {universe.data()[0].coordinates, std::nullopt}));
    ASSERT_NE(info, nullptr);

    const auto shows = [&](const char* piece) { return info->text().contains(piece); };
    const char* const secrets[] = {"A788899-C",          "Excellent",     "Water world",
                                   "Trade Hub",          "Highport",      "F7 V",
                                   "Subsector capital.", "Merchant Guild"};
    for (const char* secret : secrets)
        EXPECT_FALSE(shows(secret)) << secret << "\n" << info->text().toStdString();
    for (const char* known : {"Tessaly", "HEX: SPIN 1910", "Not surveyed", "Amber Zone"})
        EXPECT_TRUE(shows(known)) << known << "\n" << info->text().toStdString();

    // Surveyed: the players see what the referee sees but the notes.
    core::HexData surveyed = universe.data()[0];
    surveyed.starSystem.surveyed = true;
    velmora::testing::change(universe,
                             [&](universe::UniverseEdit& edit) { edit.replaceHex(surveyed); });
    for (const char* piece : {"A788899-C", "Excellent", "Trade Hub", "F7 V", "Merchant Guild"})
        EXPECT_TRUE(shows(piece)) << piece;
    EXPECT_FALSE(shows("Subsector capital."));

    velmora::testing::changeView(
        universe, [](universe::MapViewSettings& view) { view.mapShowSurveyedData = false; });
    EXPECT_TRUE(shows("Survey data hidden"));
    EXPECT_FALSE(shows("A788899-C"));
    EXPECT_FALSE(shows("Merchant Guild"));

    velmora::testing::changeView(universe, [](universe::MapViewSettings& view) {
        view.mapViewMode = universe::MapViewMode::referee;
    });
    for (const char* secret : secrets)
        EXPECT_TRUE(shows(secret)) << secret;
}

TEST(InformationView, ShowsTheUniverseFigures) {
    universe::UniverseRecord record = sampleUniverse();
    core::HexData second =
        velmora::testing::systemAt({0, 0, 1, 1}, "Outpost", "Outpost", "E200300-5");
    record.data.push_back(second);
    universe::Faction guild;
    guild.id = record.data[0].starSystem.stars[0].worlds[0].factionIDs[0];
    guild.name = "Merchant Guild";
    record.factions.push_back(guild);
    ViewsInstallation installation(record);
    InformationView view(installation.manager.operator*());

    const auto figure = [&](const char* name) {
        auto* label = view.findChild<QLabel*>(QStringLiteral("figure") + name);
        return label ? label->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(figure("Systems"), "2");
    EXPECT_EQ(figure("InhabitedSystems"), "2");
    EXPECT_EQ(figure("Worlds"), "5"); // three bodies and a nested moon, and the outpost's world
    EXPECT_EQ(figure("InhabitedWorlds"), "2");
    EXPECT_EQ(figure("Population"), "700 million"); // 700,000,000 and 1,000
    EXPECT_EQ(figure("HighestTechLevel"), "TL12");
    EXPECT_EQ(figure("NavalBases"), "1");
    EXPECT_EQ(figure("ScoutBases"), "1");

    auto* factions = view.findChild<QTableWidget*>("factionTable");
    ASSERT_NE(factions, nullptr);
    ASSERT_EQ(factions->rowCount(), 1);
    EXPECT_EQ(factions->item(0, 0)->text(), "Merchant Guild");
    EXPECT_EQ(factions->item(0, 1)->text(), "1");
    auto* races = view.findChild<QTableWidget*>("raceTable");
    ASSERT_NE(races, nullptr);
    ASSERT_EQ(races->rowCount(), 2);
    EXPECT_EQ(races->item(0, 0)->text(), "Vilani");
    EXPECT_EQ(races->item(1, 0)->text(), "Human");
    EXPECT_EQ(races->item(1, 2)->text(), "1,000");

    // A change in the universe shows at once.
    installation.manager->current().removeHex(installation.manager->current().data()[1].id,
                                              "Delete System");
    velmora::testing::processEvents();
    EXPECT_EQ(view.findChild<QLabel*>("figureSystems")->text(), "1");
}

TEST(WorldInfoWindow, LooksTheWorldUpInTheWikiByItsName) {
    QStringList asked;
    ui::wikiLookupHook() = [&](const QString& name) { asked << name; };
    ViewsInstallation installation(sampleUniverse());
    const core::HexData& hex = installation.manager->current().data()[0];
    QWidget* window = openWorldInfo(*installation.context, {hex.coordinates, std::nullopt});
    auto* lookUp = window->findChild<QPushButton*>("wikiLookup");
    ASSERT_NE(lookUp, nullptr);
    EXPECT_EQ(lookUp->text(), "Look up “Tessaly” in the Traveller Wiki");
    lookUp->click();
    ui::wikiLookupHook() = nullptr;
    EXPECT_EQ(asked, QStringList{"Tessaly"});
    window->close();
}
