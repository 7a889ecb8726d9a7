// The "Starships" row of the running application: one library in the data folder,
// the same one in every view.

#include "app/running_app.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ui/starships_view.h"
#include "ships_ui_support.h"
#include "support/widget_lookup.h"

#include <QApplication>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace velmora;

TEST(StarshipsInTheApp, TheSidebarRowShowsTheLibraryInTheDataFolder) {
    velmora::testing::RunningApp running;
    // A ship saved before the window opens, as the command line would leave it.
    ships::SavedShipDesignsStore& store = running.app.shipDesigns();
    EXPECT_EQ(store.root(), running.data.path() / "ShipDesigns");
    auto saved = velmora::testing::trader("Beowulf");
    ASSERT_TRUE(store.save(saved));

    running.sidebar().select({ui::Destination::starships, std::nullopt});
    QApplication::processEvents();
    auto* view = qobject_cast<ships::StarshipsView*>(running.window().detailView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(running.app.viewContext().shipDesigns, &store);
    auto* list = velmora::testing::child<QListWidget>(*view, "shipList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().startsWith("Beowulf"));

    // A ship saved while the view is open shows at once.
    auto second = velmora::testing::trader("Kestrel");
    ASSERT_TRUE(store.save(second));
    EXPECT_EQ(list->count(), 2);
}
