// "Faction Lists": making, editing and deleting lists, ticking factions, and
// lists that still name factions deleted since.

#include "factions/ui/faction_lists_view.h"
#include "factions_ui/faction_views_fixture.h"
#include "ui/empty_state_view.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::factions;
namespace vt = velmora::testing;
using vt::FactionViewsFixture;

namespace {

QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void tick(QListWidget* ticks, const QString& name) {
    const auto found = ticks->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    found.front()->setCheckState(found.front()->checkState() == Qt::Checked ? Qt::Unchecked
                                                                            : Qt::Checked);
}

} // namespace

TEST(FactionListsView, CreateEditAndDeleteAList) {
    FactionViewsFixture app;
    const auto navy = app.addFaction("Imperial Navy");
    const auto tukera = app.addFaction("Tukera Lines", universe::FactionCategory::megacorporation);
    app.addFaction("Vargr Raiders", universe::FactionCategory::race);

    FactionListsView view(*app.context);
    view.show();
    EXPECT_TRUE(view.noListsNote()->isVisible());
    EXPECT_EQ(view.noListsNote()->text(), "No faction lists");
    EXPECT_EQ(view.emptyState()->title(), "No List Selected");
    EXPECT_EQ(view.emptyState()->message(), "Choose a faction list or create a new one.");
    EXPECT_TRUE(view.emptyState()->isVisible());

    QTest::mouseClick(view.newButton(), Qt::LeftButton);
    EXPECT_TRUE(view.editor()->isVisible());
    EXPECT_EQ(view.editorTitle()->text(), "Faction List Creation");
    EXPECT_EQ(view.saveButton()->text(), "Create List");
    EXPECT_EQ(view.nameField()->placeholderText(), "List name");
    EXPECT_EQ(rows(view.factionTicks()),
              (QStringList{"Imperial Navy", "Tukera Lines", "Vargr Raiders"}));
    EXPECT_EQ(view.selectedCount()->text(), "0 selected");

    QTest::keyClicks(view.nameField(), "Spinward Powers");
    tick(view.factionTicks(), "Tukera Lines");
    tick(view.factionTicks(), "Imperial Navy");
    EXPECT_EQ(view.selectedCount()->text(), "2 selected");
    QTest::mouseClick(view.saveButton(), Qt::LeftButton);

    auto file = app.fileJson();
    ASSERT_EQ(file["factionLists"].size(), 1u);
    EXPECT_EQ(file["factionLists"][0]["name"], "Spinward Powers");
    EXPECT_EQ(file["factionLists"][0]["factionIDs"],
              nlohmann::json({tukera.id.toString(), navy.id.toString()}))
        << "in the order they were ticked";
    EXPECT_EQ(rows(view.lists()), QStringList{"Spinward Powers\n2 factions"});
    EXPECT_FALSE(view.noListsNote()->isVisible());
    EXPECT_EQ(view.editorTitle()->text(), "Edit Faction List");
    EXPECT_EQ(view.saveButton()->text(), "Save Changes");
    EXPECT_FALSE(view.saveButton()->isEnabled());

    // Editing: untick one and clear the name.
    tick(view.factionTicks(), "Imperial Navy");
    view.nameField()->selectAll();
    QTest::keyClick(view.nameField(), Qt::Key_Delete);
    EXPECT_EQ(view.selectedCount()->text(), "1 selected");
    QTest::mouseClick(view.saveButton(), Qt::LeftButton);
    EXPECT_EQ(rows(view.lists()), QStringList{"Unnamed List\n1 faction"});
    file = app.fileJson();
    EXPECT_EQ(file["factionLists"][0]["factionIDs"], nlohmann::json({tukera.id.toString()}));

    // Deleting asks first.
    bool answer = false;
    view.setConfirmation([&](QWidget*, const QString&, const QString&) { return answer; });
    view.lists()->setCurrentRow(0);
    QTest::mouseClick(view.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(app.fileJson()["factionLists"].size(), 1u);
    answer = true;
    QTest::mouseClick(view.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(app.fileJson()["factionLists"].size(), 0u);
    EXPECT_TRUE(view.noListsNote()->isVisible());
    EXPECT_TRUE(view.emptyState()->isVisible());
}

TEST(FactionListsView, MissingFactionsAreSkippedAndNoFactionsIsSaid) {
    FactionViewsFixture app;
    const auto kept = app.addFaction("Zhodani Consulate");
    const core::Uuid deleted = core::Uuid::generate();
    const core::Uuid listID = core::Uuid::generate();
    velmora::testing::change(app.universe(), [&](universe::UniverseEdit& edit) {
        edit.factionLists().push_back({listID, "Frontier", {deleted, kept.id}});
    });

    FactionListsView view(*app.context);
    view.show();
    EXPECT_EQ(rows(view.lists()), QStringList{"Frontier\n1 faction"});
    view.lists()->setCurrentRow(0);
    EXPECT_EQ(view.editorTitle()->text(), "Edit Faction List");
    EXPECT_EQ(rows(view.factionTicks()), QStringList{"Zhodani Consulate"});
    EXPECT_EQ(view.factionTicks()->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(view.selectedCount()->text(), "1 selected");

    // Saving an edit leaves the missing id alone: a restored faction finds its lists.
    QTest::keyClicks(view.nameField(), " Worlds");
    QTest::mouseClick(view.saveButton(), Qt::LeftButton);
    EXPECT_EQ(app.fileRecord().factionLists[0].factionIDs,
              (std::vector<core::Uuid>{deleted, kept.id}));

    // Without factions the editor says how to get some.
    velmora::testing::change(app.universe(),
                             [&](universe::UniverseEdit& edit) { edit.factions().clear(); });
    EXPECT_EQ(rows(view.lists()), QStringList{"Frontier Worlds\n0 factions"});
    QTest::mouseClick(view.newButton(), Qt::LeftButton);
    EXPECT_TRUE(view.noFactionsNote()->isVisible());
    EXPECT_EQ(view.noFactionsNote()->text(),
              "No factions yet — create factions first to add them to a list.");
    EXPECT_FALSE(view.factionTicks()->isVisible());
}
