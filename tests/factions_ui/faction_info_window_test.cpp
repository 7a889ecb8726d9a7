// "Faction Info": the read-only summary, what it says for missing things, the
// wiki action waiting for its version, and its life with the universe.

#include "factions/ui/faction_info_window.h"
#include "factions_ui/faction_views_fixture.h"
#include "ui/wiki_lookup.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::factions;
namespace vt = velmora::testing;
using universe::AssetCategory;
using universe::AssetType;
using vt::FactionViewsFixture;

namespace {

universe::FactionAsset asset(const std::string& name, const std::string& attack, int maintenance,
                             bool stealthed, bool permission) {
    universe::FactionAsset a;
    a.name = name;
    a.category = AssetCategory::force;
    a.type = AssetType::starship;
    a.maxHP = a.hp = 8;
    a.location = {0, 0, 19, 10};
    a.attack = attack;
    a.maintenance = maintenance;
    a.stealthed = stealthed;
    a.requiresPermission = permission;
    return a;
}

} // namespace

TEST(FactionInfoWindow, ShowsTheSummary) {
    FactionViewsFixture app;
    app.addSystem(19, 10, "Regina");
    app.addSystem(20, 11, "");
    universe::Faction navy = app.addFaction("Imperial Navy");
    velmora::testing::change(app.universe(), [&](universe::UniverseEdit& edit) {
        auto& stored = edit.factions()[0];
        stored.homeworld = {0, 0, 19, 10};
        stored.force = 3;
        stored.cunning = 2;
        stored.wealth = 5;
        stored.credits = 14;
        stored.hp = 11;
        stored.description = "The fleet of the Domain of Deneb.";
        stored.tags = {universe::FactionTag::imperialists};
        stored.assets = {asset("Strike Fleet", "Force vs. Force, 2d6 dmg", 0, false, false),
                         asset("Capital Fleet", "", 2, true, true)};
        stored.notes = {{1, "Muster", {1105, 120, 8, 0}, "Two squadrons detached."}};
    });

    auto* window = static_cast<FactionInfoWindow*>(openFactionInfo(*app.context, navy.id));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "faction-summary");
    EXPECT_EQ(openFactionInfo(*app.context, navy.id), window) << "one window per faction";
    EXPECT_TRUE(window->windowTitle().startsWith("Faction Info"));

    const QString text = window->shownText();
    for (const char* expected : {"Imperial Navy",
                                 "Political",
                                 "Homeworld: Regina",
                                 "FORCE",
                                 "CUNNING",
                                 "WEALTH",
                                 "HP",
                                 "11/19",
                                 "FACCREDS",
                                 "14",
                                 "INCOME/TURN",
                                 "UPKEEP/TURN",
                                 "Tags",
                                 "Imperialists",
                                 "Description",
                                 "The fleet of the Domain of Deneb.",
                                 "Assets",
                                 "Location: Regina (00-1910)",
                                 "Attack: Force vs. Force, 2d6 dmg",
                                 "Attack: none",
                                 "0/turn",
                                 "2/turn",
                                 "Stealthed",
                                 "Needs planetary government permission",
                                 "Notes",
                                 "Muster",
                                 "Two squadrons detached.",
                                 "Look up “Imperial Navy” in the Traveller Wiki."}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    // Income 4 and upkeep 2 stand as figures of their own boxes.
    EXPECT_TRUE(text.contains("INCOME/TURN\n4") || text.contains("\n4\n")) << text.toStdString();

    // The wiki action looks the faction up by its name; without an application
    // to open the wiki it stays off.
    ASSERT_NE(window->wikiButton(), nullptr);
    EXPECT_FALSE(window->wikiButton()->isEnabled());

    // It follows saves: the homeworld's system is removed, then the faction.
    app.universe().removeHex(app.universe().data()[0].id, "Delete System");
    EXPECT_TRUE(window->shownText().contains("Homeworld: System Not Found"));
    velmora::testing::change(app.universe(),
                             [](universe::UniverseEdit& edit) { edit.factions().clear(); });
    EXPECT_TRUE(window->shownText().contains("No Faction"));
}

TEST(FactionInfoWindow, ClosesWhenAnotherUniverseOpens) {
    FactionViewsFixture app;
    const universe::Faction faction = app.addFaction("Vargr Raiders");
    QPointer<QWidget> window = openFactionInfo(*app.context, faction.id);
    ASSERT_TRUE(window);
    ASSERT_TRUE(window->isVisible());

    app.manager->createUniverse("Second");
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!window || !window->isVisible());
    EXPECT_EQ(app.windows.find(FactionInfoWindow::identifier,
                               QString::fromStdString(faction.id.toString())),
              nullptr);
}

TEST(FactionInfoWindow, LooksTheFactionUpInTheWikiByItsName) {
    QStringList asked;
    ui::wikiLookupHook() = [&](const QString& name) { asked << name; };
    FactionViewsFixture app;
    universe::Faction navy = app.addFaction("Imperial Navy");
    auto* window = static_cast<FactionInfoWindow*>(openFactionInfo(*app.context, navy.id));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->wikiButton()->isEnabled());
    window->wikiButton()->click();
    ui::wikiLookupHook() = nullptr;
    EXPECT_EQ(asked, QStringList{"Imperial Navy"});
    window->close();
}
