// The star map's hex menu in the running application: each action that names a
// view moves the sidebar there and hands that view the hex the menu was opened on;
// the actions that name a window open it on that hex and leave the sidebar alone.

#include "app/running_app.h"
#include "generator/ui/generator_view.h"
#include "starmap/ui/hex_context_menu.h"
#include "starmap/ui/starmap_canvas.h"
#include "starmap/ui/starmap_view.h"
#include "support/sample_hex.h"
#include "systems/ui/system_editor.h"
#include "systems/ui/systems_view.h"
#include "systems/ui/world_info_window.h"
#include "travel/route_plan_json.h"
#include "travel/ui/route_planner_view.h"
#include "travel/ui/travel_windows.h"
#include "ui/map_openers.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace velmora;
using velmora::testing::RunningApp;

namespace {

// The view a new selection replaces is deleted from the event loop.
void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string where(const core::GalacticCoordinates& hex) {
    return hex.description();
}

// The application on a universe of two systems, its window on screen.
struct MapInTheApp {
    RunningApp running;
    core::HexData tessaly = velmora::testing::sampleHex();
    core::HexData mirabel = velmora::testing::sampleHex();
    // In another sector than the systems, so that the sector is handed on too.
    const core::GalacticCoordinates emptyHex{3, -2, 5, 7};

    MapInTheApp() {
        mirabel.coordinates = {-1, 2, 20, 11};
        mirabel.starSystem.name = "Mirabel";
        for (const core::HexData& hex : {tessaly, mirabel})
            EXPECT_TRUE(running.universe().addHex(hex, "Generate System").ok());
        running.window().show();
        settle();
    }

    // Opens the star map from the sidebar, then picks the action from the menu the
    // map gives the hex.
    void choose(const core::GalacticCoordinates& hex, const QString& text) {
        running.sidebar().select({ui::Destination::starmap, std::nullopt});
        settle();
        auto* map = qobject_cast<starmap::StarMapView*>(running.window().detailView());
        ASSERT_NE(map, nullptr) << "the sidebar's Star Map row shows the map";
        auto* hexMenus = map->canvas()->findChild<starmap::HexContextMenu*>();
        ASSERT_NE(hexMenus, nullptr);
        {
            // The menu goes before the map that the action replaces.
            std::unique_ptr<QMenu> menu(hexMenus->menuFor(hex, map));
            QAction* action = nullptr;
            for (QAction* candidate : menu->actions())
                if (candidate->text() == text)
                    action = candidate;
            ASSERT_NE(action, nullptr) << text.toStdString();
            ASSERT_TRUE(action->isEnabled()) << action->toolTip().toStdString();
            action->trigger();
        }
        settle();
    }

    QString sidebarRow() {
        QTreeWidgetItem* item = running.sidebar().tree()->currentItem();
        return item ? item->text(0) : QStringLiteral("(none)");
    }

    template <typename View>
    View* shown() {
        return qobject_cast<View*>(running.window().detailView());
    }
};

// What the generator's location fields hold.
std::string generatorHex(MapInTheApp& app) {
    auto* view = app.shown<generator::GeneratorView>();
    if (!view)
        return "no generator shown";
    const auto number = [view](const char* field) {
        return view->findChild<QLineEdit*>(field)->text().toInt();
    };
    return "hex " +
           where({view->findChild<QSpinBox*>("sectorX")->value(),
                  view->findChild<QSpinBox*>("sectorY")->value(), number("column"), number("row")});
}

// The system one of the route planner's pickers holds.
std::string plannerEnd(MapInTheApp& app, const char* picker) {
    auto* view = app.shown<travel::RoutePlannerView>();
    if (!view)
        return "no route planner shown";
    const auto* box = view->findChild<QComboBox*>(picker);
    if (box->currentIndex() < 0)
        return "nothing";
    const auto hex = travel::parseHexArgument(box->currentData().toString().toStdString());
    return hex ? where(*hex) : "unreadable";
}

std::string plannerStart(MapInTheApp& app) {
    return "from " + plannerEnd(app, "routeFrom");
}

// Both ends: the start chosen before stays when the destination is chosen.
std::string plannerEnds(MapInTheApp& app) {
    return "from " + plannerEnd(app, "routeFrom") + " to " + plannerEnd(app, "routeTo");
}

// The system chosen in the systems list, and the one its editor shows.
std::string systemsSelection(MapInTheApp& app) {
    auto* view = app.shown<systems::SystemsView>();
    if (!view)
        return "no systems list shown";
    QTreeWidgetItem* row = view->findChild<QTreeWidget*>("systemList")->currentItem();
    const std::string listed = row ? row->text(1).toStdString() : "nothing";
    const std::string edited = view->editor() ? view->editor()->draft().starSystem.name : "nothing";
    return "listed " + listed + ", editing " + edited;
}

// The hexes of the open windows of one kind.
template <typename Window>
std::string openWindowsOf(const std::function<core::GalacticCoordinates(const Window&)>& hexOf) {
    std::string hexes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window && window->isVisible())
            hexes += (hexes.empty() ? "" : ", ") + where(hexOf(*window));
    }
    return hexes.empty() ? "none open" : "open on " + hexes;
}

} // namespace

TEST(MapOpeners, TheHexMenuMovesTheSidebarAndHandsTheViewItsHex) {
    MapInTheApp app;
    const auto worldInfo = [](MapInTheApp&) {
        return openWindowsOf<systems::WorldInfoWindow>(
            [](const systems::WorldInfoWindow& window) { return window.target().coordinates; });
    };
    const auto systemTravel = [](MapInTheApp&) {
        return openWindowsOf<travel::SystemTravelWindow>(
            [](const travel::SystemTravelWindow& window) { return window.hex(); });
    };
    struct Case {
        core::GalacticCoordinates hex;
        QString action;
        QString row; // the sidebar's row afterwards
        std::function<std::string(MapInTheApp&)> received;
        std::string expected;
    };
    const Case cases[] = {
        {app.emptyHex, "Generate System Here…", "Generator", generatorHex,
         "hex " + where(app.emptyHex)},
        {app.tessaly.coordinates, "Plan Route From Here", "Route Planner", plannerStart,
         "from " + where(app.tessaly.coordinates)},
        {app.mirabel.coordinates, "Plan Route To Here", "Route Planner", plannerEnds,
         "from " + where(app.tessaly.coordinates) + " to " + where(app.mirabel.coordinates)},
        {app.mirabel.coordinates, "Edit System", "Systems", systemsSelection,
         "listed Mirabel, editing Mirabel"},
        {app.tessaly.coordinates, "Edit System", "Systems", systemsSelection,
         "listed Tessaly, editing Tessaly"},
        // Windows open beside the map, which stays where it is.
        {app.tessaly.coordinates, "World Info", "Star Map", worldInfo,
         "open on " + where(app.tessaly.coordinates)},
        {app.mirabel.coordinates, "System Travel", "Star Map", systemTravel,
         "open on " + where(app.mirabel.coordinates)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action.toStdString() + " on " + where(c.hex));
        app.choose(c.hex, c.action);
        EXPECT_EQ(app.sidebarRow(), c.row);
        EXPECT_EQ(c.received(app), c.expected);
    }
}

TEST(MapOpeners, TheHooksGoWithTheApplication) {
    const auto installed = [] {
        const ui::MapOpeners& openers = ui::mapOpeners();
        return std::vector<bool>{
            static_cast<bool>(openers.generateAt), static_cast<bool>(openers.planRoute),
            static_cast<bool>(openers.showMap), static_cast<bool>(openers.editSystem)};
    };
    {
        RunningApp running;
        EXPECT_EQ(installed(), std::vector<bool>(4, true));
    }
    // A menu built afterwards shows its actions switched off instead of calling
    // into an application that is gone.
    EXPECT_EQ(installed(), std::vector<bool>(4, false));
}
