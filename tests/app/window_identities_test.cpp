// Every auxiliary window of the running application: it opens under its
// identifier with its title, opening it again with the same value brings the
// same window forward, and another value makes a second window. Also the
// commands of the menu bar that open them, and the registry's re-filing.

#include "app/running_app.h"
#include "factions/ui/faction_info_window.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ui/ship_designer_window.h"
#include "ships/ui/ship_image_window.h"
#include "support/sample_hex.h"
#include "support/universe_changes.h"
#include "systems/ui/world_info_window.h"
#include "travel/ui/route_plan_window.h"
#include "ui/travel_openers.h"
#include "ui/window_registry.h"
#include "wiki/traveller_wiki_browser.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::RunningApp;

namespace {

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction* menuCommand(QMenuBar* bar, const QString& text) {
    for (QAction* menu : bar->actions()) {
        if (!menu->menu())
            continue;
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

// The open windows of one identifier, in no particular order.
QList<QWidget*> openWindows(const QString& identifier) {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == identifier && widget->isVisible())
            windows << widget;
    }
    return windows;
}

// The application on a universe with two systems, two factions and a saved ship
// with two pictures: two of everything a window can be opened with.
struct Workbench {
    RunningApp running;
    core::HexData hexes[2] = {velmora::testing::sampleHex(), velmora::testing::sampleHex()};
    core::Uuid factions[2] = {core::Uuid::generate(), core::Uuid::generate()};
    ships::SavedShipDesign ship;
    std::string pictures[2];

    Workbench() {
        auto& universe = running.universe();
        hexes[1].coordinates = {-1, 2, 20, 11};
        hexes[1].starSystem.name = "Mirabel";
        for (const core::HexData& hex : hexes)
            universe.addHex(hex, "Generate System");
        velmora::testing::change(universe, [&](universe::UniverseEdit& edit) {
            for (const core::Uuid& id : factions) {
                universe::Faction faction;
                faction.id = id;
                faction.name = id == factions[0] ? "Imperium" : "Zhodani Consulate";
                edit.factions().push_back(faction);
            }
        });

        ships::SavedShipDesignsStore& store = running.app.shipDesigns();
        ship.id = core::Uuid::generate();
        ship.shipName = "Beowulf";
        ship.design.tonnage = 200;
        EXPECT_TRUE(store.save(ship));
        for (int i = 0; i < 2; ++i) {
            const auto file = running.data / ("picture" + std::to_string(i) + ".png");
            QImage image(32, 24, QImage::Format_RGB32);
            image.fill(i == 0 ? Qt::darkBlue : Qt::darkRed);
            EXPECT_TRUE(image.save(QString::fromStdString(file.string())));
            pictures[i] = store.addImage(ship.id, file).value_or("");
        }
        // The wiki window is opened, never asked anything, here.
        running.app.wiki().service().setEndpoint({"http://127.0.0.1:1/api.php"});
    }

    ui::ViewContext& context() { return running.app.viewContext(); }
};

struct WindowCase {
    const char* identifier;
    const char* title;
    // The menu command that opens it (with the first value), and its shortcut.
    const char* command;
    const char* shortcut;
    // Opens the window with the first value (null where the command does) and
    // with a second one (null where the window exists once).
    std::function<void(Workbench&)> openFirst;
    std::function<void(Workbench&)> openSecond;
};

} // namespace

TEST(WindowIdentities, EachWindowOpensByItsIdentifierOncePerValue) {
    using W = Workbench;
    const WindowCase cases[] = {
        {"uwp-reference", "UWP Reference", "UWP Reference", "Ctrl+Shift+U", nullptr, nullptr},
        {"star-reference", "Star Reference", "Star Reference", "Ctrl+Shift+R", nullptr, nullptr},
        // Without an id the designer works on a new design; with one, on that ship.
        {"ship-designer", "Ship Designer", "Ship Designer", "Ctrl+Shift+S", nullptr,
         [](W& w) {
             ships::openShipDesigner(w.running.app.windows(), &w.running.app.shipDesigns(),
                                     w.ship.id);
         }},
        {"world-info", "World Info", nullptr, nullptr,
         [](W& w) {
             systems::openWorldInfo(w.context(), {w.hexes[0].coordinates, std::nullopt});
         },
         [](W& w) {
             systems::openWorldInfo(w.context(), {w.hexes[1].coordinates, std::nullopt});
         }},
        {"faction-summary", "Faction Info", nullptr, nullptr,
         [](W& w) { factions::openFactionInfo(w.context(), w.factions[0]); },
         [](W& w) { factions::openFactionInfo(w.context(), w.factions[1]); }},
        {"system-travel", "System Travel", nullptr, nullptr,
         [](W& w) { ui::openSystemTravel(w.hexes[0].coordinates); },
         [](W& w) { ui::openSystemTravel(w.hexes[1].coordinates); }},
        // The same system from another starting world is another window.
        {"interplanetary-travel", "Interplanetary Travel", nullptr, nullptr,
         [](W& w) { ui::openInterplanetaryTravel(w.hexes[0].coordinates, std::nullopt); },
         [](W& w) {
             ui::openInterplanetaryTravel(w.hexes[0].coordinates,
                                          w.hexes[0].starSystem.stars[0].worlds[0].id);
         }},
        {"ship-image", "Ship Image", nullptr, nullptr,
         [](W& w) {
             ships::openShipImage(w.running.app.windows(), w.running.app.shipDesigns(),
                                  {w.ship.id, w.pictures[0]});
         },
         [](W& w) {
             ships::openShipImage(w.running.app.windows(), w.running.app.shipDesigns(),
                                  {w.ship.id, w.pictures[1]});
         }},
        {"traveller-wiki", "Traveller Wiki", "Traveller Wiki", "Ctrl+Shift+W", nullptr, nullptr},
        {"route-plan", "Route Plan", nullptr, nullptr,
         [](W& w) { travel::openRoutePlan(w.context()); }, nullptr},
        {"about", "About Velmora", "About Velmora", "", nullptr, nullptr},
    };

    Workbench bench;
    QMenuBar* bar = bench.running.window().menuBar();
    for (const WindowCase& window : cases) {
        SCOPED_TRACE(window.identifier);
        const QString identifier = QString::fromLatin1(window.identifier);
        std::function<void()> openFirst = [&] { window.openFirst(bench); };
        if (window.command) {
            QAction* command = menuCommand(bar, QString::fromUtf8(window.command));
            ASSERT_NE(command, nullptr);
            EXPECT_EQ(command->shortcut(), QKeySequence(QString::fromLatin1(window.shortcut)));
            openFirst = [command] { command->trigger(); };
        }
        ASSERT_TRUE(openWindows(identifier).isEmpty());

        openFirst();
        settle();
        const QList<QWidget*> first = openWindows(identifier);
        ASSERT_EQ(first.size(), 1);
        EXPECT_EQ(first.front()->windowTitle(), QString::fromUtf8(window.title));

        openFirst();
        settle();
        EXPECT_EQ(openWindows(identifier), first) << "the same value brings the window forward";

        if (!window.openSecond)
            continue;
        window.openSecond(bench);
        settle();
        const QList<QWidget*> both = openWindows(identifier);
        ASSERT_EQ(both.size(), 2) << "another value is another window";
        EXPECT_TRUE(both.contains(first.front()));
        for (QWidget* opened : both)
            EXPECT_EQ(opened->windowTitle(), QString::fromUtf8(window.title));
        window.openSecond(bench);
        settle();
        EXPECT_EQ(openWindows(identifier).size(), 2);
    }
}

TEST(WindowIdentities, CheckForUpdatesIsEnabledOnlyWhileACheckCanStart) {
    RunningApp running;
    QMenuBar* bar = running.window().menuBar();
    QAction* check = menuCommand(bar, QString::fromUtf8("Check for Updates…"));
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(running.app.canCheckForUpdates());
    EXPECT_TRUE(check->isEnabled());
    emit running.app.canCheckForUpdatesChanged(false);
    EXPECT_FALSE(check->isEnabled());
    emit running.app.canCheckForUpdatesChanged(true);
    EXPECT_TRUE(check->isEnabled());

    // The help menu holds one item.
    QAction* help = menuCommand(bar, "Velmora Help");
    ASSERT_NE(help, nullptr);
    for (QAction* menu : bar->actions()) {
        if (menu->menu() && menu->menu()->actions().contains(help)) {
            EXPECT_EQ(menu->menu()->actions().size(), 1);
        }
    }
}

TEST(WindowIdentities, EverySidebarDestinationHasAWorkingView) {
    RunningApp running;
    for (int raw = 0; raw <= static_cast<int>(ui::Destination::campaign); ++raw) {
        const auto destination = static_cast<ui::Destination>(raw);
        EXPECT_NE(running.app.detailViews().find(destination), nullptr)
            << ui::destinationLabel(destination).toStdString();
    }
}

TEST(WindowRegistry, RefilesAnOpenWindowUnderItsNewValue) {
    ui::WindowRegistry windows;
    int made = 0;
    const auto make = [&made] {
        ++made;
        return new QWidget;
    };
    QWidget* draft = windows.open("editor", {}, make);
    QWidget* other = windows.open("editor", "b", make);
    ASSERT_EQ(made, 2);

    EXPECT_TRUE(windows.refile("editor", {}, "a"));
    EXPECT_EQ(windows.find("editor", "a"), draft);
    EXPECT_EQ(windows.find("editor"), nullptr) << "the old value is free again";
    EXPECT_EQ(windows.open("editor", "a", make), draft);
    EXPECT_EQ(made, 2);

    // A value another window holds, or a window that is not open, stays as it is.
    EXPECT_FALSE(windows.refile("editor", "a", "b"));
    EXPECT_EQ(windows.find("editor", "a"), draft);
    EXPECT_EQ(windows.find("editor", "b"), other);
    EXPECT_FALSE(windows.refile("editor", "missing", "c"));
    EXPECT_EQ(windows.find("editor", "c"), nullptr);
    windows.closeAll();
    settle();
}
