// The Ship Designer inside the running application: the menu command, and "Edit"
// on a saved ship, both open it on the one library every window shares.

#include "app/running_app.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ui/ship_designer_window.h"
#include "ships/ui/starships_view.h"
#include "ships_ui_support.h"
#include "support/widget_lookup.h"

#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::child;

namespace {

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

} // namespace

TEST(ShipDesignerInTheApp, TheMenuCommandAndEditOpenTheDesigner) {
    velmora::testing::RunningApp running;
    ships::SavedShipDesignsStore& store = running.app.shipDesigns();
    auto saved = velmora::testing::trader("Beowulf");
    saved.design.tonnage = 300;
    ASSERT_TRUE(store.save(saved));

    QAction* command = menuCommand(running.window().menuBar(), "Ship Designer");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->shortcut(), QKeySequence("Ctrl+Shift+S"));
    command->trigger();
    auto* fresh =
        qobject_cast<ships::ShipDesignerWindow*>(running.app.windows().find("ship-designer"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->windowTitle(), "Ship Designer");
    EXPECT_FALSE(fresh->savedId().has_value());
    EXPECT_EQ(fresh->design(), ships::ShipDesign{});
    command->trigger();
    EXPECT_EQ(running.app.windows().find("ship-designer"), fresh) << "brought forward";

    running.sidebar().select({ui::Destination::starships, std::nullopt});
    QApplication::processEvents();
    auto* view = qobject_cast<ships::StarshipsView*>(running.window().detailView());
    ASSERT_NE(view, nullptr);
    auto* list = child<QListWidget>(*view, "shipList");
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    auto* edit = child<QPushButton>(*view, "editButton");
    ASSERT_TRUE(edit->isEnabled());
    edit->click();

    auto* editing = qobject_cast<ships::ShipDesignerWindow*>(
        running.app.windows().find("ship-designer", QString::fromStdString(saved.id.toString())));
    ASSERT_NE(editing, nullptr);
    EXPECT_NE(editing, fresh);
    ASSERT_TRUE(editing->savedId().has_value());
    EXPECT_EQ(*editing->savedId(), saved.id);
    EXPECT_EQ(editing->design().tonnage, 300);
}
