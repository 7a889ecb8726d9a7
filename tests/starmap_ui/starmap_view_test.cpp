#include "app/platform/data_locations.h"
#include "app/platform/qt_preferences.h"
#include "app/platform/universe_store.h"
#include "map_fixtures.h"
#include "map_window.h"
#include "starmap/ui/starmap_canvas.h"
#include "starmap/ui/starmap_view.h"
#include "starmap/ui/system_card.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"
#include "support/universe_changes.h"
#include "ui/empty_state_view.h"
#include "ui/window_registry.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::starmap;
using velmora::testing::MapWindow;
using velmora::testing::TemporaryFolder;

TEST(StarMapView, EmptyUniverseSaysSo) {
    MapWindow window(false);
    EXPECT_TRUE(window.view->emptyState()->isVisible());
    EXPECT_EQ(window.view->emptyState()->title(), "No Systems Saved");
    EXPECT_EQ(window.view->emptyState()->message(),
              "Generate a system and tap Save to see it on the map.");
}

TEST(StarMapView, RestoresTheLastZoomAndPan) {
    MapWindow window;
    velmora::testing::changeView(window.universe(), [](universe::MapViewSettings& view) {
        view.mapTransform = universe::MapTransform{2.5, -300, -120};
    });
    window.universe().save();
    StarMapView again(window.context);
    again.resize(900, 700);
    again.show();
    QApplication::processEvents();
    EXPECT_EQ(again.canvas()->transform(), (universe::MapTransform{2.5, -300, -120}));
}

TEST(StarMapView, ClickingASystemOpensItsCard) {
    MapWindow window;
    StarMapCanvas* canvas = window.view->canvas();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, window.screenPointOf({0, 0, 6, 9}));
    ASSERT_TRUE(window.view->card()->isVisible());
    EXPECT_EQ(canvas->selected(), (core::GalacticCoordinates{0, 0, 6, 9}));
    EXPECT_TRUE(window.view->card()->profileText().startsWith("A788899-C NS 7"));
    EXPECT_TRUE(window.view->card()->wikiButton()->text().contains("Jewell"));
    EXPECT_FALSE(window.view->card()->travelButton()->isEnabled());

    // An empty hex closes it.
    QTest::mouseClick(canvas, Qt::LeftButton, {}, window.screenPointOf({0, 0, 12, 30}));
    EXPECT_FALSE(window.view->card()->isVisible());
    EXPECT_FALSE(canvas->selected());
}

TEST(StarMapView, DraggingPansAndSavesTheViewOnce) {
    MapWindow window;
    StarMapCanvas* canvas = window.view->canvas();
    const auto before = canvas->transform();
    const QPoint start = window.screenPointOf({0, 0, 6, 9});
    QTest::mousePress(canvas, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 5; ++step)
        QTest::mouseMove(canvas, start + QPoint(step * 10, step * 4));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, start + QPoint(50, 20));
    EXPECT_FALSE(window.view->card()->isVisible()) << "a drag never selects";
    EXPECT_EQ(canvas->transform().offsetWidth, before.offsetWidth + 50);
    EXPECT_EQ(canvas->transform().offsetHeight, before.offsetHeight + 20);
    EXPECT_EQ(window.universe().record().mapTransform, canvas->transform());
    EXPECT_TRUE(window.universe().hasPendingSave());
    QTRY_VERIFY_WITH_TIMEOUT(!window.universe().hasPendingSave(), 2000);
    const auto saved =
        universe::decodeUniverse(window.folder.read(window.universe().file())).mapTransform;
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->offsetWidth, before.offsetWidth + 50);
}

// A wheel notch draws a frame at a new zoom without the pictures that zoom would
// reuse; once the wheel rests the map draws itself again, building them.
TEST(StarMapView, ZoomingDrawsQuicklyThenSettles) {
    MapWindow window;
    StarMapCanvas* canvas = window.view->canvas();
    canvas->repaint();
    universe::MapTransform zoomed = canvas->transform();
    zoomed.scale *= 1.13;
    canvas->setTransform(zoomed);
    canvas->repaint();
    EXPECT_TRUE(canvas->renderer().lastFrameProvisional());
    QTRY_VERIFY_WITH_TIMEOUT(!canvas->renderer().lastFrameProvisional(), 2000);
}

TEST(StarMapView, SearchCentresOnTheSystem) {
    MapWindow window;
    window.view->searchField()->setText("mor");
    QTest::keyClick(window.view->searchField(), Qt::Key_Return);
    EXPECT_EQ(window.view->canvas()->selected(), (core::GalacticCoordinates{0, 0, 31, 24}));
    const QPoint centre = window.screenPointOf({0, 0, 31, 24});
    EXPECT_NEAR(centre.x(), window.view->canvas()->width() / 2, 1);
    EXPECT_FALSE(window.view->findSystem("Nowhere"));
}

TEST(StarMapView, MenuSwitchesWriteIntoTheUniverse) {
    MapWindow window;
    QMenu* menu = window.view->viewMenuButton()->menu();
    emit menu->aboutToShow();
    const auto actionNamed = [&](const QString& text) -> QAction* {
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    };
    // The sample worlds are on Traveller tech levels: routes and the Imperium.
    ASSERT_NE(actionNamed("Routes"), nullptr);
    ASSERT_NE(actionNamed("Imperium"), nullptr);
    ASSERT_NE(actionNamed("Zhodani"), nullptr);
    actionNamed("Routes")->trigger();
    EXPECT_FALSE(window.universe().record().mapShowRutters);
    actionNamed("Player View")->trigger();
    EXPECT_EQ(window.universe().record().mapViewMode, universe::MapViewMode::player);
    EXPECT_TRUE(window.universe().hasPendingSave());

    // Filtering every system away in the player view empties the map.
    actionNamed("Imperium")->trigger();
    EXPECT_FALSE(window.universe().record().mapShowStarfarers);
    EXPECT_TRUE(window.view->model().systems().empty());
}

// P, B and G are extended-hex digits, as in a UWP, and tags read as the referee
// reads them.
TEST(SystemCard, CountsAreExtendedHexAndTagsReadAsNames) {
    MapWindow window(false);
    core::HexData hex = velmora::testing::sampleHex();
    hex.starSystem.planetoidBelts = 10;
    hex.starSystem.gasGiant = 11;
    core::WorldData& main = hex.starSystem.stars[0].worlds[0];
    main.uwp.populationMultiplier = 3;
    main.worldTags = {core::WorldTag::amberZone, core::WorldTag::unbrakedAI};
    SystemCard card;
    card.show(hex, window.universe());
    EXPECT_TRUE(card.profileText().contains(" 3AB ")) << card.profileText().toStdString();
    EXPECT_EQ(card.findChild<QLabel*>("cardTags")->text(), "Tags: Amber Zone, Unbraked AI");
}

// The card of the player view says what the players know and no more, and follows
// the view and its "Surveyed" switch while it is open.
TEST(SystemCard, PlayerViewShowsOnlyWhatTheSurveyFound) {
    MapWindow window;
    universe::RidivivevIzeviduv& universe = window.universe();
    universe::Faction guild;
    guild.id = core::Uuid::generate();
    guild.name = "Merchant Guild";
    core::HexData jewell = universe.data()[2];
    ASSERT_EQ(jewell.starSystem.name, "Jewell");
    jewell.starSystem.surveyed = false;
    core::mainWorld(jewell.starSystem)->factionIDs = {guild.id};
    core::HexData regina = universe.data()[0];
    core::mainWorld(regina.starSystem)->factionIDs = {guild.id};
    velmora::testing::change(universe, [&](universe::UniverseEdit& edit) {
        edit.factions().push_back(guild);
        edit.replaceHex(jewell);
        edit.replaceHex(regina);
    });
    velmora::testing::changeView(universe, [](universe::MapViewSettings& view) {
        view.mapViewMode = universe::MapViewMode::player;
    });

    SystemCard* card = window.view->card();
    const auto label = [&](const char* name) { return card->findChild<QLabel*>(name); };
    QTest::mouseClick(window.view->canvas(), Qt::LeftButton, {},
                      window.screenPointOf({0, 0, 6, 9}));
    ASSERT_TRUE(card->isVisible());
    EXPECT_EQ(card->profileText(), "Not surveyed");
    EXPECT_FALSE(label("profileHeading")->isVisible());
    EXPECT_EQ(label("cardTags")->text(), "Travel advisory: Amber Zone");
    EXPECT_FALSE(label("cardFactions")->isVisible());
    EXPECT_FALSE(label("cardFactions")->text().contains("Merchant Guild"));
    EXPECT_TRUE(card->wikiButton()->text().contains("Jewell"));

    // The referee's view, chosen from the menu, fills the open card in.
    QMenu* menu = window.view->viewMenuButton()->menu();
    const auto trigger = [&](const QString& text) {
        emit menu->aboutToShow();
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                return action->trigger();
        }
        FAIL() << "no menu item " << text.toStdString();
    };
    trigger("Referee View");
    EXPECT_TRUE(card->profileText().startsWith("A788899-C NS 7"));
    EXPECT_TRUE(label("cardTags")->text().contains("Trade Hub"));
    EXPECT_EQ(label("cardFactions")->text(), "Factions: Merchant Guild");
    EXPECT_TRUE(label("cardFactions")->isVisible());

    // Regina was surveyed: the players see it whole until the switch goes off.
    trigger("Player View");
    QTest::mouseClick(window.view->canvas(), Qt::LeftButton, {},
                      window.screenPointOf({0, 0, 19, 10}));
    EXPECT_TRUE(card->profileText().startsWith("A788899-C NS 7"));
    EXPECT_EQ(label("cardFactions")->text(), "Factions: Merchant Guild");
    trigger("Surveyed");
    ASSERT_FALSE(universe.record().mapShowSurveyedData);
    EXPECT_EQ(card->profileText(), "Survey data hidden");
    EXPECT_FALSE(label("cardFactions")->isVisible());
}
