#include "app/control_view.h"
#include "app/main_window.h"
#include "app/running_app.h"
#include "app/velmora_app.h"
#include "core/file_io.h"
#include "core/ui/uwp_reference_window.h"
#include "factions/ui/faction_editing_view.h"
#include "generator/ui/star_reference_window.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"
#include "support/universe_changes.h"
#include "support/widget_lookup.h"
#include "ui/empty_state_view.h"
#include "ui/wiki_lookup.h"
#include "universe/ui/universe_bar.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"
#include "wiki/traveller_wiki_browser.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::RunningApp;

namespace {

QAction* menuAction(QMenuBar* bar, const QString& text) {
    for (QAction* menu : bar->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

// Answers the next modal message box by pressing the button with the given text.
void pressInNextMessageBox(const QString& buttonText) {
    QTimer::singleShot(0, [buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText)
                button->click();
        }
    });
}

// The view a new selection replaces is deleted from the event loop.
void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

universe::Faction addFaction(universe::RidivivevIzeviduv& universe, const std::string& name) {
    universe::Faction faction;
    faction.id = core::Uuid::generate();
    faction.name = name;
    faction.category = universe::FactionCategory::political;
    velmora::testing::change(
        universe, [&](universe::UniverseEdit& edit) { edit.factions().push_back(faction); });
    return faction;
}

// The faction editor the main window shows, answering its save question with
// `answer` and recording what it asked.
struct FactionEditorInWindow {
    factions::FactionEditingView* view = nullptr;
    QStringList asked;
    ui::SaveAnswer answer = ui::SaveAnswer::cancel;

    FactionEditorInWindow(const FactionEditorInWindow&) = delete;
    FactionEditorInWindow& operator=(const FactionEditorInWindow&) = delete;

    explicit FactionEditorInWindow(RunningApp& running) {
        view = qobject_cast<factions::FactionEditingView*>(running.window().detailView());
        if (!view)
            return;
        view->setSaveQuestion([this](QWidget*, const QString& question, const QString&) {
            asked << question;
            return answer;
        });
    }
};

void clickRow(app::ControlView& sidebar, const ui::SidebarSelection& selection) {
    QTreeWidgetItem* item = sidebar.itemFor(selection);
    ASSERT_NE(item, nullptr);
    QTreeWidget* tree = sidebar.tree();
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

std::string storedFactionName(RunningApp& running, const core::Uuid& id) {
    for (const universe::Faction& faction : running.onDisk().factions) {
        if (faction.id == id)
            return faction.name;
    }
    return "(missing)";
}

} // namespace

TEST(MainWindow, OpensWithTheSidebarAndNothingSelected) {
    RunningApp running;
    EXPECT_EQ(running.window().windowTitle(), "Velmora");
    EXPECT_EQ(
        running.rows(),
        (QStringList{"Star Map", "Campaign", "Trade", "Starships", "Route Planner", "Systems",
                     "Information", "Rutters", "Nebulae", "Regions", "Labels", "Tools", "Generator",
                     "TravellerMap", "SEC File", "FACTIONS", "Faction Lists", "New Faction"}));
    ASSERT_NE(running.emptyState(), nullptr);
    EXPECT_EQ(running.emptyState()->title(), "Nothing Selected");
    EXPECT_EQ(running.emptyState()->message(), "Choose an item from the sidebar.");
}

TEST(MainWindow, TheRoutePlannerOpensFromTheSidebar) {
    RunningApp running;
    running.sidebar().select({ui::Destination::routePlanner, std::nullopt});
    EXPECT_EQ(running.window().detailView()->objectName(), "routePlanner");
    running.sidebar().clearSelection();
    EXPECT_EQ(running.emptyState()->title(), "Nothing Selected");
}

TEST(MainWindow, FactionsAreGroupedUnderTheirCategories) {
    RunningApp running;
    auto& universe = running.app.manager().current();
    for (const auto& [name, category] :
         {std::pair{"Imperium", universe::FactionCategory::political},
          std::pair{"Tukera Lines", universe::FactionCategory::megacorporation},
          std::pair{"", universe::FactionCategory::political}}) {
        universe::Faction faction;
        faction.id = core::Uuid::generate();
        faction.name = name;
        faction.category = category;
        velmora::testing::change(
            universe, [&](universe::UniverseEdit& edit) { edit.factions().push_back(faction); });
    }
    const QStringList rows = running.rows();
    const auto after = rows.mid(rows.indexOf("New Faction") + 1);
    EXPECT_EQ(after, (QStringList{"Megacorps", "Tukera Lines", "Polities", "Imperium",
                                  "Unnamed Faction"}));

    running.sidebar().select({ui::Destination::faction, universe.factions().front().id});
    ASSERT_TRUE(running.sidebar().selection());
    EXPECT_EQ(running.sidebar().selection()->factionID, universe.factions().front().id);

    // A map pan tells the universe's observers, but the rows stay as they are.
    QTreeWidgetItem* row = running.sidebar().itemFor(*running.sidebar().selection());
    velmora::testing::changeView(universe, [](universe::MapViewSettings& view) {
        view.mapTransform = universe::MapTransform{3, 4, 5};
    });
    EXPECT_EQ(running.sidebar().itemFor(*running.sidebar().selection()), row);
    velmora::testing::change(universe, [](universe::UniverseEdit& edit) {
        edit.factions().front().name = "Imperium Renamed";
    });
    EXPECT_TRUE(running.rows().contains("Imperium Renamed"));
}

TEST(MainWindow, TravellerUniversesCallRuttersRoutes) {
    RunningApp running;
    EXPECT_TRUE(running.rows().contains("Rutters"));
    auto& universe = running.app.manager().current();
    core::HexData hex;
    hex.id = core::Uuid::generate();
    core::Star star;
    core::WorldData world;
    world.mainWorld = true;
    world.uwp.techLevel = core::TechnologyLevel::ttl12;
    star.worlds.push_back(world);
    hex.starSystem.stars.push_back(star);
    universe.addHex(hex, "Generate System");
    EXPECT_TRUE(running.rows().contains("Routes"));
    EXPECT_FALSE(running.rows().contains("Rutters"));
}

TEST(UniverseBar, PickerFollowsTheStoreAndSwitches) {
    RunningApp running;
    auto& manager = running.app.manager();
    auto* bar = running.sidebar().universeBar();
    manager.createUniverse("Sector 10");
    manager.createUniverse("Sector 9");
    QStringList names;
    for (int i = 0; i < bar->picker()->count(); ++i)
        names << bar->picker()->itemText(i);
    EXPECT_EQ(names, (QStringList{"My Universe", "Sector 9", "Sector 10"}));
    EXPECT_EQ(bar->picker()->currentText(), "Sector 9");

    // Choosing another universe switches, and the working view is made anew for it.
    running.sidebar().select({ui::Destination::systems, std::nullopt});
    QWidget* before = running.window().detailView();
    bar->picker()->setCurrentIndex(0);
    emit bar->picker()->activated(0);
    EXPECT_EQ(manager.current().name(), "My Universe");
    QApplication::processEvents();
    EXPECT_NE(running.window().detailView(), before);
}

TEST(UniverseBar, DeleteAsksFirstAndCancelKeepsTheUniverse) {
    RunningApp running;
    auto& manager = running.app.manager();
    manager.createUniverse("Doomed");
    const auto doomed = manager.current().id();
    auto* bar = running.sidebar().universeBar();

    pressInNextMessageBox("Cancel");
    bar->deleteUniverse();
    EXPECT_EQ(manager.current().id(), doomed);

    pressInNextMessageBox("Delete \"Doomed\"");
    bar->deleteUniverse();
    EXPECT_NE(manager.current().id(), doomed);
    EXPECT_EQ(bar->picker()->currentText(), "My Universe");
    EXPECT_EQ(bar->picker()->count(), 1);

    // Any stored universe can go from the menu; the open one stays open.
    manager.createUniverse("Elsewhere");
    const auto elsewhere = manager.current().id();
    manager.createUniverse("Kept Open");
    auto* menu = bar->findChild<QMenu*>("deleteUniverseMenu");
    ASSERT_NE(menu, nullptr);
    QStringList offered;
    for (QAction* action : menu->actions())
        offered << action->text();
    EXPECT_EQ(offered, (QStringList{"Elsewhere", "Kept Open (open)", "My Universe"}));
    pressInNextMessageBox("Delete \"Elsewhere\"");
    menu->actions().first()->trigger();
    EXPECT_EQ(manager.current().name(), "Kept Open");
    EXPECT_FALSE(std::filesystem::exists(manager.fileFor(elsewhere)));
    EXPECT_EQ(bar->picker()->count(), 2);
}

TEST(Commands, ReferenceWindowsOpenOnceWithTheirShortcuts) {
    RunningApp running;
    QMenuBar* bar = running.window().menuBar();
    QAction* uwp = menuAction(bar, "UWP Reference");
    QAction* star = menuAction(bar, "Star Reference");
    ASSERT_TRUE(uwp && star);
    EXPECT_EQ(uwp->shortcut(), QKeySequence("Ctrl+Shift+U"));
    EXPECT_EQ(star->shortcut(), QKeySequence("Ctrl+Shift+R"));
    EXPECT_EQ(menuAction(bar, "Ship Designer")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(menuAction(bar, "Traveller Wiki")->shortcut(), QKeySequence("Ctrl+Shift+W"));
    EXPECT_NE(menuAction(bar, "About Velmora"), nullptr);
    EXPECT_NE(menuAction(bar, "Velmora Help"), nullptr);

    uwp->trigger();
    auto* reference =
        qobject_cast<core::UwpReferenceWindow*>(running.app.windows().find("uwp-reference"));
    ASSERT_NE(reference, nullptr);
    EXPECT_EQ(reference->windowTitle(), "UWP Reference");
    uwp->trigger();
    EXPECT_EQ(running.app.windows().find("uwp-reference"), reference)
        << "brought forward, not opened twice";

    star->trigger();
    auto* stars =
        qobject_cast<generator::StarReferenceWindow*>(running.app.windows().find("star-reference"));
    ASSERT_NE(stars, nullptr);
    EXPECT_EQ(stars->windowTitle(), "Star Reference");

    // The views' wiki actions open the one wiki window at the name looked up.
    running.app.wiki().service().setEndpoint({"http://127.0.0.1:1/api.php"});
    menuAction(bar, "Traveller Wiki")->trigger();
    QWidget* wiki = running.app.windows().find("traveller-wiki");
    ASSERT_NE(wiki, nullptr);
    EXPECT_EQ(wiki->windowTitle(), "Traveller Wiki");
    ui::lookUpInWiki("Regina");
    EXPECT_EQ(running.app.windows().find("traveller-wiki"), wiki);
    EXPECT_EQ(running.app.wiki().searchText(), "Regina");
    running.app.wiki().cancel();
}

TEST(Commands, UwpReferenceShowsEveryDigitText) {
    core::UwpReferenceWindow window;
    QTabWidget* tabs = window.tabs();
    const auto tableOf = [&](const QString& tab) -> QTableWidget* {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == tab)
                return tabs->widget(i)->findChild<QTableWidget*>();
        }
        return nullptr;
    };
    const auto row = [](QTableWidget* table, int r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        return cells;
    };
    ASSERT_NE(tableOf("Size"), nullptr);
    EXPECT_EQ(row(tableOf("Size"), 8), (QStringList{"8", "12,800 km (Earth)"}));
    EXPECT_EQ(row(tableOf("Size"), tableOf("Size")->rowCount() - 1),
              (QStringList{"35", "Megastructure"}));
    EXPECT_EQ(row(tableOf("Atmosphere"), 12), (QStringList{"C", "Insiduous (C2, P1)"}));
    EXPECT_EQ(tableOf("Law Level")->rowCount(), 19);
    EXPECT_EQ(row(tableOf("Starport"), 0).mid(0, 2), (QStringList{"A", "Excellent"}));
    EXPECT_EQ(row(tableOf("Bases"), 5), (QStringList{"N", "Imperial naval base"}));
    EXPECT_EQ(tableOf("Trade Codes")->rowCount(), 49);
    EXPECT_EQ(row(tableOf("Tech Level"), 12).mid(0, 2), (QStringList{"C", "TL12"}));
}

TEST(Commands, AboutShowsTheProductAndVersion) {
    RunningApp running;
    running.app.showAbout();
    QWidget* about = running.app.windows().find("about");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Velmora");
    QStringList texts;
    for (QLabel* label : about->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Velmora"));
    EXPECT_TRUE(texts.contains("Version " + QApplication::applicationVersion()));
    EXPECT_TRUE(texts.join(" ").contains("Traveller"));
}

TEST(MainWindow, LeavingAFactionWithUnsavedEditsAsksFirst) {
    RunningApp running;
    running.window().show();
    auto& universe = running.app.manager().current();
    const universe::Faction imperium = addFaction(universe, "Imperium");
    const universe::Faction zhodani = addFaction(universe, "Zhodani Consulate");
    const ui::SidebarSelection imperiumRow{ui::Destination::faction, imperium.id};
    const ui::SidebarSelection zhodaniRow{ui::Destination::faction, zhodani.id};

    // Nothing changed: the next row shows without a question.
    running.sidebar().select(imperiumRow);
    FactionEditorInWindow untouched(running);
    ASSERT_NE(untouched.view, nullptr);
    clickRow(running.sidebar(), zhodaniRow);
    EXPECT_TRUE(untouched.asked.isEmpty());
    EXPECT_EQ(running.sidebar().selection(), zhodaniRow);
    settle();

    // Cancel: the editor stays with what was typed, and so does the sidebar's row.
    running.sidebar().select(imperiumRow);
    FactionEditorInWindow editor(running);
    ASSERT_NE(editor.view, nullptr);
    QTest::keyClicks(velmora::testing::child<QLineEdit>(*editor.view, "factionName"), " Renamed");
    clickRow(running.sidebar(), zhodaniRow);
    EXPECT_EQ(editor.asked, QStringList{"Save changes to “Imperium Renamed”?"});
    settle();
    EXPECT_EQ(running.window().detailView(), editor.view);
    EXPECT_EQ(velmora::testing::child<QLineEdit>(*editor.view, "factionName")->text(),
              "Imperium Renamed");
    EXPECT_EQ(running.sidebar().selection(), imperiumRow);
    EXPECT_EQ(running.sidebar().tree()->currentItem(), running.sidebar().itemFor(imperiumRow));

    // Save: written before the other row shows. The rename rebuilds the faction
    // rows under the click, and the clicked row stays the selected one.
    editor.answer = ui::SaveAnswer::save;
    clickRow(running.sidebar(), zhodaniRow);
    EXPECT_EQ(editor.asked.size(), 2);
    EXPECT_EQ(storedFactionName(running, imperium.id), "Imperium Renamed");
    EXPECT_EQ(running.sidebar().itemFor(imperiumRow)->text(0), "Imperium Renamed");
    EXPECT_EQ(running.sidebar().selection(), zhodaniRow);
    settle();
    auto* shown = qobject_cast<factions::FactionEditingView*>(running.window().detailView());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->draft().id, zhodani.id);

    // Discard: dropped, and the other row shows.
    running.sidebar().select(imperiumRow);
    FactionEditorInWindow discarding(running);
    ASSERT_NE(discarding.view, nullptr);
    discarding.answer = ui::SaveAnswer::discard;
    QTest::keyClicks(velmora::testing::child<QLineEdit>(*discarding.view, "factionName"), " Again");
    const ui::SidebarSelection systemsRow{ui::Destination::systems, std::nullopt};
    clickRow(running.sidebar(), systemsRow);
    EXPECT_EQ(discarding.asked.size(), 1);
    EXPECT_EQ(storedFactionName(running, imperium.id), "Imperium Renamed");
    EXPECT_EQ(running.sidebar().selection(), systemsRow);
    settle();
    EXPECT_EQ(qobject_cast<factions::FactionEditingView*>(running.window().detailView()), nullptr);
}

TEST(MainWindow, ClosingWithUnsavedFactionEditsAsksFirst) {
    RunningApp running;
    running.window().show();
    const universe::Faction imperium = addFaction(running.app.manager().current(), "Imperium");
    running.sidebar().select({ui::Destination::faction, imperium.id});
    FactionEditorInWindow editor(running);
    ASSERT_NE(editor.view, nullptr);
    QTest::keyClicks(velmora::testing::child<QLineEdit>(*editor.view, "factionName"), " Renamed");

    EXPECT_FALSE(running.window().close());
    EXPECT_TRUE(running.window().isVisible());
    EXPECT_EQ(editor.asked.size(), 1);

    editor.answer = ui::SaveAnswer::save;
    EXPECT_TRUE(running.window().close());
    EXPECT_FALSE(running.window().isVisible());
    EXPECT_EQ(storedFactionName(running, imperium.id), "Imperium Renamed");
}

TEST(UniverseBar, SwitchingUniversesWithUnsavedFactionEditsAsksFirst) {
    RunningApp running;
    auto& manager = running.app.manager();
    manager.createUniverse("Frontier");
    const core::Uuid frontier = manager.current().id();
    const universe::Faction corsairs = addFaction(manager.current(), "Vargr Corsairs");
    running.sidebar().select({ui::Destination::faction, corsairs.id});
    FactionEditorInWindow editor(running);
    ASSERT_NE(editor.view, nullptr);
    QTest::keyClicks(velmora::testing::child<QLineEdit>(*editor.view, "factionName"), " Fleet");

    auto* picker = running.sidebar().universeBar()->picker();
    const auto choose = [&](const QString& name) {
        const int index = picker->findText(name);
        ASSERT_GE(index, 0);
        picker->setCurrentIndex(index);
        emit picker->activated(index);
    };
    // Cancel stays in this universe, on the editor, with the picker showing it.
    choose("My Universe");
    EXPECT_EQ(editor.asked, QStringList{"Save changes to “Vargr Corsairs Fleet”?"});
    EXPECT_EQ(manager.current().id(), frontier);
    EXPECT_EQ(picker->currentText(), "Frontier");
    EXPECT_EQ(running.window().detailView(), editor.view);

    // Save writes the faction into the universe it belongs to, then switches.
    editor.answer = ui::SaveAnswer::save;
    choose("My Universe");
    EXPECT_EQ(editor.asked.size(), 2);
    EXPECT_EQ(manager.current().name(), "My Universe");
    settle();
    EXPECT_NE(running.window().detailView(), editor.view);
    manager.switchTo(frontier);
    ASSERT_NE(manager.current().faction(corsairs.id), nullptr);
    EXPECT_EQ(manager.current().faction(corsairs.id)->name, "Vargr Corsairs Fleet");
}

TEST(UniverseBar, ADamagedUniverseIsShownAndComesBackFromItsPreviousVersion) {
    velmora::testing::TemporaryFolder data;
    const auto locations =
        app::DataLocations::portable(QString::fromStdString(data.path().string()));
    std::string id;
    {
        app::VelmoraApp first{locations};
        ASSERT_FALSE(first.manager().renameCurrent("Campaign"));
        id = first.manager().current().id().toString();
        // Written now, so that the next edit's save keeps it as the previous version.
        ASSERT_TRUE(first.manager().current().save());
        first.manager().current().addHex(velmora::testing::sampleHex(), "Add Regina");
        first.manager().current().finishWrites();
    }
    data.write("Universes/" + id + ".json", "{\"name\": \"Camp");

    app::VelmoraApp second{locations};
    second.mainWindow().show();
    auto* bar = second.mainWindow().sidebar()->universeBar();
    auto* notice = velmora::testing::child<QFrame>(*bar, "unopenedUniverseNotice");
    ASSERT_TRUE(notice->isVisible());
    const QString said = notice->findChild<QLabel*>()->text();
    EXPECT_TRUE(said.startsWith(
        QStringLiteral("Couldn’t open that universe — its file may be corrupt. “Campaign” is kept "
                       "at ")))
        << said.toStdString();
    EXPECT_TRUE(said.contains(QString::fromStdString(id))) << said.toStdString();
    // The damaged universe stays in the list, marked, and cannot be chosen.
    QComboBox* picker = bar->picker();
    EXPECT_EQ(picker->currentText(), "My Universe");
    EXPECT_EQ(picker->itemText(picker->count() - 1), "Campaign (unreadable)");
    const auto* model = qobject_cast<QStandardItemModel*>(picker->model());
    EXPECT_FALSE(model->item(picker->count() - 1)->isEnabled());

    pressInNextMessageBox("Restore");
    QTest::mouseClick(velmora::testing::child<QPushButton>(*notice, "restorePreviousVersion"),
                      Qt::LeftButton);
    EXPECT_EQ(second.manager().current().name(), "Campaign");
    EXPECT_TRUE(second.manager().current().data().empty()) << "as before its last save";
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(picker->currentText(), "Campaign");
    EXPECT_EQ(picker->findText("Campaign (unreadable)"), -1);
}
