#include "support/sample_hex.h"
#include "systems/open_universe.h"
#include "systems/ui/system_editor.h"
#include "systems/ui/systems_view.h"
#include "systems/ui_fixture.h"
#include "ui/empty_state_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;
using velmora::testing::systemAt;
using velmora::testing::ViewsInstallation;

namespace {

universe::UniverseRecord listedUniverse() {
    universe::UniverseRecord record;
    record.name = "Marches";
    record.data.push_back(systemAt({0, 0, 12, 30}, "Outpost 10", "Zed", "E200000-0"));
    record.data.push_back(systemAt({0, 0, 1, 1}, "Outpost 9", "Alpha", "C544556-8"));
    record.data.push_back(systemAt({0, 0, 2, 5}, "Regina", "Regina", "A788899-C"));
    return record;
}

std::vector<QString> listedNames(const QTreeWidget* list) {
    std::vector<QString> names;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        names.push_back(list->topLevelItem(i)->text(1));
    return names;
}

} // namespace

TEST(SystemsView, SortsSearchesAndFilters) {
    ViewsInstallation installation(listedUniverse());
    SystemsView view(*installation.context);
    auto* list = view.findChild<QTreeWidget*>("systemList");
    auto* sort = view.findChild<QComboBox*>("systemSort");
    auto* search = view.findChild<QLineEdit*>("systemSearch");
    auto* subsector = view.findChild<QComboBox*>("subsectorFilter");
    auto* count = view.findChild<QLabel*>("systemCount");
    ASSERT_TRUE(list && sort && search && subsector && count);

    using Names = std::vector<QString>;
    EXPECT_EQ(listedNames(list), (Names{"Outpost 9", "Regina", "Outpost 10"}));
    EXPECT_EQ(count->text(), "3 systems");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "A788899-C —");

    sort->setCurrentIndex(sort->findText("Name"));
    EXPECT_EQ(listedNames(list), (Names{"Outpost 9", "Outpost 10", "Regina"})); // 9 before 10
    sort->setCurrentIndex(sort->findText("Main World"));
    EXPECT_EQ(listedNames(list), (Names{"Outpost 9", "Regina", "Outpost 10"}));

    QTest::keyClicks(search, "outpost");
    EXPECT_EQ(listedNames(list), (Names{"Outpost 9", "Outpost 10"}));
    EXPECT_EQ(count->text(), "2 of 3 systems");
    search->clear();

    // Subsector A holds 0101 and 0205; 1230 lies in subsector J.
    ASSERT_EQ(subsector->count(), 3);
    EXPECT_EQ(subsector->itemText(0), "All Subsectors");
    EXPECT_EQ(subsector->itemText(2), "Sector 00 · Subsector J");
    subsector->setCurrentIndex(2);
    EXPECT_EQ(listedNames(list), (Names{"Outpost 10"}));
}

TEST(SystemsView, ChoosingASystemOpensItsEditorAndTheListFollowsTheUniverse) {
    ViewsInstallation installation(listedUniverse());
    SystemsView view(*installation.context);
    view.setQuestions(installation.scriptedAnswers());
    auto* list = view.findChild<QTreeWidget*>("systemList");
    EXPECT_EQ(view.editor(), nullptr);
    ASSERT_NE(view.findChild<ui::EmptyStateView*>(), nullptr);

    list->setCurrentItem(list->topLevelItem(1));
    ASSERT_NE(view.editor(), nullptr);
    EXPECT_EQ(view.editor()->draft().starSystem.name, "Regina");

    // An unsaved edit is not thrown away without asking.
    QTest::keyClicks(view.editor()->findChild<QLineEdit*>("systemName"), " Prime");
    installation.answer = false;
    list->setCurrentItem(list->topLevelItem(0));
    ASSERT_EQ(installation.questions.size(), 1u);
    EXPECT_TRUE(installation.questions[0].startsWith("Discard Changes?"));
    EXPECT_EQ(view.editor()->draft().starSystem.name, "Regina Prime");
    EXPECT_EQ(list->currentItem()->text(1), "Regina");

    // Saved, the new name shows in the list at once.
    view.editor()->findChild<QPushButton*>("saveChanges")->click();
    EXPECT_EQ(listedNames(list), (std::vector<QString>{"Outpost 9", "Regina Prime", "Outpost 10"}));
    EXPECT_EQ(list->currentItem()->text(1), "Regina Prime");

    // Activating a row shows its main world in full.
    Q_EMIT list->itemActivated(list->currentItem(), 0);
    auto* window = installation.windows.find(
        "world-info", QString::fromStdString(WorldInfoTarget{{0, 0, 2, 5}, std::nullopt}.key()));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "World Info");

    // A system added elsewhere (the generator) appears in the list.
    installation.manager->current().addHex(systemAt({0, 0, 3, 3}, "Kinorb", "Kinorb"),
                                           "Generate System Kinorb");
    EXPECT_EQ(list->topLevelItemCount(), 4);
}

TEST(SystemsView, DeletingASystemAsksFirstAndTakesItsRoutes) {
    universe::UniverseRecord record = listedUniverse();
    const auto route = [](core::GalacticCoordinates start, core::GalacticCoordinates end) {
        universe::Rutter rutter;
        rutter.id = core::Uuid::generate();
        rutter.start = start;
        rutter.end = end;
        return rutter;
    };
    const core::GalacticCoordinates regina{0, 0, 2, 5};
    record.rutters = {route(regina, {0, 0, 1, 1}), route({0, 0, 12, 30}, regina),
                      route({0, 0, 1, 1}, {0, 0, 12, 30})};
    ViewsInstallation installation(record);
    const std::string noun =
        installation.manager->current().usesTravellerTechLevels() ? "route" : "rutter";
    SystemsView view(*installation.context);
    view.setQuestions(installation.scriptedAnswers());
    auto* list = view.findChild<QTreeWidget*>("systemList");
    list->setCurrentItem(list->topLevelItem(1));
    auto* deleteButton = view.editor()->findChild<QPushButton*>("deleteSystem");

    installation.answer = false;
    deleteButton->click();
    ASSERT_EQ(installation.questions.size(), 1u);
    EXPECT_EQ(installation.questions[0].toStdString(),
              "Delete “Regina”?\nThe system, its stars and all its worlds will be removed from the "
              "universe. The 2 " +
                  noun + "s that end there go with it.");
    EXPECT_EQ(installation.stored().data.size(), 3u);
    EXPECT_EQ(installation.stored().rutters.size(), 3u);

    installation.answer = true;
    deleteButton->click();
    velmora::testing::processEvents();
    EXPECT_EQ(installation.stored().data.size(), 2u);
    ASSERT_EQ(installation.stored().rutters.size(), 1u);
    EXPECT_EQ(installation.stored().rutters[0], record.rutters[2]);
    EXPECT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(view.editor(), nullptr);
    auto* empty = view.findChild<ui::EmptyStateView*>();
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->title(), "No System Selected");
}

TEST(SystemsView, AnEmptyUniverseSaysWhereSystemsComeFrom) {
    ViewsInstallation installation(universe::UniverseRecord{});
    SystemsView view(*installation.context);
    auto* empty = view.findChild<ui::EmptyStateView*>();
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->title(), "No Systems");
    EXPECT_EQ(view.findChild<QLabel*>("systemCount")->text(), "0 systems");
}
