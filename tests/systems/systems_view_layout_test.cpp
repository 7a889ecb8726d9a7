#include "systems/open_universe.h"
#include "systems/ui/systems_view.h"
#include "systems/ui_fixture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;
using velmora::testing::systemAt;
using velmora::testing::ViewsInstallation;

namespace {

const std::string longName = "Gushemege Administrative Relay Station Nineteen";

universe::UniverseRecord longNames() {
    universe::UniverseRecord record;
    record.data.push_back(systemAt({0, 0, 1, 1}, longName, longName, "B564766-9"));
    record.data.push_back(systemAt({0, 0, 2, 5}, "Ra", "Ra", "A788899-C"));
    return record;
}

// Whether the list shows a row's name in full: its column is at least as wide as the text.
bool nameFits(const QTreeWidget* list, int row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    return list->columnWidth(1) >= QFontMetrics(item->font(1)).horizontalAdvance(item->text(1));
}

} // namespace

TEST(SystemsViewLayout, TheListWidensWithTheWindowAndShowsNamesInFull) {
    ViewsInstallation installation(longNames());
    SystemsView view(*installation.context);
    auto* list = view.findChild<QTreeWidget*>(QStringLiteral("systemList"));
    auto* splitter = view.findChild<QSplitter*>(QStringLiteral("systemsSplitter"));
    ASSERT_TRUE(list && splitter);

    view.resize(1300, 700);
    view.show();
    QApplication::processEvents();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_TRUE(nameFits(list, 0)) << "column " << list->columnWidth(1);
    const int narrow = splitter->sizes()[0];

    // A wider window gives the list a share of the new room, not all of it to the editor.
    view.resize(1800, 700);
    QApplication::processEvents();
    EXPECT_GT(splitter->sizes()[0], narrow);
    EXPECT_GT(splitter->sizes()[1], splitter->sizes()[0]) << "the editor keeps the larger part";

    // A search that leaves only short names changes nothing; the long name comes back whole.
    view.findChild<QLineEdit*>(QStringLiteral("systemSearch"))->setText("Ra");
    QApplication::processEvents();
    view.findChild<QLineEdit*>(QStringLiteral("systemSearch"))->clear();
    QApplication::processEvents();
    EXPECT_TRUE(nameFits(list, 0));
}
