#include "overlays/ui/corner_diagram.h"
#include "overlays/ui/faction_color_picker.h"
#include "overlays/ui/hex_picker.h"
#include "overlays/ui/label_editing_view.h"
#include "overlays/ui/label_preview.h"
#include "overlays/ui/labels_view.h"
#include "overlays/ui/nebula_editing_view.h"
#include "overlays/ui/nebulae_view.h"
#include "overlays/ui/region_editing_view.h"
#include "overlays/ui/regions_view.h"
#include "overlays/ui/removable_row_list.h"
#include "overlays/ui/rutter_editing_view.h"
#include "overlays/ui/rutters_view.h"
#include "overlays_ui/overlay_workshop.h"
#include "support/universe_changes.h"
#include "ui/empty_state_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace velmora;
using velmora::testing::factionNamed;
using velmora::testing::OverlayWorkshop;
using velmora::testing::systemAt;

namespace {

// A small charted area: two named systems and one without a name.
universe::UniverseRecord chartedSpace(bool traveller = true) {
    universe::UniverseRecord record;
    record.name = "Marches";
    record.data = {systemAt("Regina", {0, 0, 19, 10}, traveller),
                   systemAt("Efate", {0, 0, 17, 5}, traveller),
                   systemAt("", {0, 0, 23, 12}, traveller)};
    return record;
}

void pickHex(overlays::HexPicker* picker, core::GalacticCoordinates hex) {
    picker->sectorXField()->setValue(hex.sectorX);
    picker->sectorYField()->setValue(hex.sectorY);
    picker->columnField()->setValue(hex.column);
    picker->rowField()->setValue(hex.row);
}

void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Where a user clicks a switch: on its box, not in the empty width the layout gave it.
void clickSwitch(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void clickCorner(overlays::CornerDiagram* diagram, int corner) {
    QTest::mouseClick(diagram, Qt::LeftButton, {}, diagram->cornerPoint(corner).toPoint());
}

TEST(RegionsView, CreatesARegionThroughTheEditorAndSavesIt) {
    OverlayWorkshop workshop(chartedSpace());
    overlays::RegionsView view(*workshop.context);
    view.resize(1000, 800);
    view.show();
    EXPECT_FALSE(view.isEditorShown());
    EXPECT_EQ(view.emptyState()->title(), "No Region Selected");
    EXPECT_EQ(view.emptyState()->message(), "Choose a region or create a new one.");

    QTest::mouseClick(view.newButton(), Qt::LeftButton);
    overlays::RegionEditingView* editor = view.editor();
    ASSERT_TRUE(view.isEditorShown());
    EXPECT_EQ(editor->title()->text(), "Region Creation");
    EXPECT_EQ(editor->saveButton()->text(), "Create Region");
    EXPECT_EQ(editor->nameField()->placeholderText(), "Region name");
    EXPECT_FALSE(editor->noAnchorsNote()->isHidden());
    EXPECT_EQ(editor->noAnchorsNote()->text(),
              "No anchors yet — add at least two to trace a border.");
    EXPECT_FALSE(editor->centerNote()->isHidden());
    EXPECT_EQ(editor->centerNote()->text(), "Name drawn at the center of the anchors.");
    EXPECT_TRUE(editor->labelHexPicker()->isHidden());

    typeInto(editor->nameField(), "Sword Worlds");
    QTest::mouseClick(editor->colorPicker()->swatch(universe::FactionColor::violet),
                      Qt::LeftButton);
    const std::vector<universe::RegionAnchor> anchors = {
        {{0, 0, 17, 5}, 4}, {{0, 0, 23, 12}, 1}, {{-1, 0, 32, 40}, 3}};
    for (const universe::RegionAnchor& anchor : anchors) {
        pickHex(editor->anchorHexPicker(), anchor.hex);
        clickCorner(editor->cornerDiagram(), anchor.corner);
        QTest::mouseClick(editor->addAnchorButton(), Qt::LeftButton);
    }
    EXPECT_TRUE(editor->noAnchorsNote()->isHidden());
    EXPECT_EQ(editor->anchorList()->rows(),
              (QStringList{"Sector X: 0 · Sector Y: 0 · 1705 · Corner: 4",
                           "Sector X: 0 · Sector Y: 0 · 2312 · Corner: 1",
                           "Sector X: -1 · Sector Y: 0 · 3240 · Corner: 3"}));

    clickSwitch(editor->customLabelSwitch());
    EXPECT_TRUE(editor->centerNote()->isHidden());
    EXPECT_FALSE(editor->labelHexPicker()->isHidden());
    pickHex(editor->labelHexPicker(), {0, 0, 19, 10});

    EXPECT_TRUE(workshop.onDisk().regions.empty()) << "nothing is written before the button";
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);

    const auto stored = workshop.onDisk().regions;
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].name, "Sword Worlds");
    EXPECT_EQ(stored[0].color, universe::FactionColor::violet);
    EXPECT_EQ(stored[0].anchors, anchors);
    EXPECT_TRUE(stored[0].closed);
    EXPECT_EQ(stored[0].labelCoordinates, (core::GalacticCoordinates{0, 0, 19, 10}));

    // The new region is now the one being edited, and selected in the list.
    EXPECT_EQ(editor->title()->text(), "Edit Region");
    EXPECT_EQ(editor->saveButton()->text(), "Save Changes");
    EXPECT_FALSE(editor->saveButton()->isEnabled()) << "nothing changed since the save";
    EXPECT_EQ(view.rowTitles(), QStringList{"Sword Worlds"});
    EXPECT_EQ(view.selectedID(), stored[0].id);

    // Deleting an anchor row and saving writes the shorter border.
    const QRect deleteRow = editor->anchorList()->deleteRect(0);
    QTest::mouseClick(editor->anchorList()->viewport(), Qt::LeftButton, {}, deleteRow.center());
    EXPECT_TRUE(editor->saveButton()->isEnabled());
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
    EXPECT_EQ(workshop.onDisk().regions.at(0).anchors,
              (std::vector(anchors.begin() + 1, anchors.end())));
}

TEST(RegionsView, EditsAreACopyUntilSaved) {
    universe::UniverseRecord record = chartedSpace();
    universe::Region region;
    region.id = core::Uuid::generate();
    region.name = "Darrian";
    region.color = universe::FactionColor::gold;
    region.anchors = {{{0, 0, 1, 1}, 0}, {{0, 0, 3, 1}, 3}};
    record.regions = {region};
    OverlayWorkshop workshop(record);
    overlays::RegionsView view(*workshop.context);
    view.show();

    view.list()->setCurrentRow(0);
    ASSERT_TRUE(view.isEditorShown());
    overlays::RegionEditingView* editor = view.editor();
    EXPECT_EQ(editor->nameField()->text(), "Darrian");
    typeInto(editor->nameField(), "Renamed");
    QTest::mouseClick(editor->colorPicker()->swatch(universe::FactionColor::red), Qt::LeftButton);
    EXPECT_EQ(workshop.universe().regions().at(0), region) << "the open universe is untouched";

    // Leaving for a new record drops the half-made edit.
    view.startNew();
    view.selectRecord(region.id);
    EXPECT_EQ(editor->nameField()->text(), "Darrian");
    EXPECT_EQ(workshop.onDisk().regions.at(0), region);
}

// The rule set of the universe names rutters "Routes" or "Rutters" everywhere.
TEST(RuttersView, TheRuleSetNamesTheListAndTheEditor) {
    struct Case {
        bool traveller;
        QString list, creation, editing, deleteTitle;
    };
    for (const Case& c :
         {Case{true, "Routes", "Route Creation", "Edit Route", "Delete Route?"},
          Case{false, "Rutters", "Rutter Creation", "Edit Rutter", "Delete Rutter?"}}) {
        universe::UniverseRecord record = chartedSpace(c.traveller);
        const auto league = factionNamed("Free League", universe::FactionColor::teal);
        record.factions = {league};
        universe::Rutter rutter;
        rutter.id = core::Uuid::generate();
        rutter.factionID = league.id;
        rutter.start = {0, 0, 19, 10};
        rutter.end = {0, 0, 17, 5};
        record.rutters = {rutter};
        OverlayWorkshop workshop(record);
        overlays::RuttersView view(*workshop.context);
        QString asked;
        view.setConfirmation([&asked](QWidget*, const QString& title, const QString&) {
            asked = title;
            return false;
        });
        view.show();
        EXPECT_EQ(view.heading()->text(), c.list);
        EXPECT_EQ(view.searchField()->placeholderText(), "Search start or end");
        EXPECT_EQ(view.emptyState()->title(), "No Rutter Selected");
        EXPECT_EQ(view.emptyState()->message(), "Choose a rutter or create a new one.");
        view.startNew();
        EXPECT_EQ(view.editor()->title()->text(), c.creation);
        EXPECT_EQ(view.editor()->saveButton()->text(), "Create Rutter");
        view.selectRecord(rutter.id);
        EXPECT_EQ(view.editor()->title()->text(), c.editing);
        EXPECT_EQ(view.editor()->saveButton()->text(), "Save Changes");
        view.deleteSelected();
        EXPECT_EQ(asked, c.deleteTitle);
        EXPECT_EQ(workshop.onDisk().rutters.size(), 1u) << "declined";
    }
}

TEST(RuttersView, WithoutFactionsOnlyTheNoticeShows) {
    OverlayWorkshop workshop(chartedSpace());
    overlays::RuttersView view(*workshop.context);
    view.show();
    view.startNew();
    overlays::RutterEditingView* editor = view.editor();
    EXPECT_TRUE(editor->showsNoFactionsNotice());
    EXPECT_EQ(editor->noFactionsNotice()->title(), "No Factions");
    EXPECT_EQ(editor->noFactionsNotice()->message(),
              "Create a faction before adding a rutter — a rutter belongs to a faction.");
    EXPECT_FALSE(editor->saveButton()->isVisible());
    editor->save();
    EXPECT_TRUE(workshop.onDisk().rutters.empty());

    // A faction made elsewhere brings the form back at once.
    velmora::testing::change(workshop.universe(), [](universe::UniverseEdit& edit) {
        edit.factions().push_back(factionNamed("Free League", universe::FactionColor::teal));
    });
    EXPECT_FALSE(editor->showsNoFactionsNotice());
    EXPECT_TRUE(editor->saveButton()->isVisible());
}

TEST(RuttersView, CreatesARutterThroughTheEditorAndSavesIt) {
    universe::UniverseRecord record = chartedSpace();
    const auto league = factionNamed("Free League", universe::FactionColor::teal);
    const auto navy = factionNamed("Navy", universe::FactionColor::blue);
    record.factions = {league, navy};
    OverlayWorkshop workshop(record);
    overlays::RuttersView view(*workshop.context);
    view.show();
    QTest::mouseClick(view.newButton(), Qt::LeftButton);
    overlays::RutterEditingView* editor = view.editor();
    EXPECT_EQ(editor->factionPicker()->placeholderText(), "Select a faction");
    EXPECT_EQ(editor->factionPicker()->currentIndex(), -1);
    EXPECT_FALSE(editor->saveButton()->isEnabled()) << "a rutter needs its faction";

    editor->factionPicker()->setCurrentIndex(1);
    pickHex(editor->fromPicker(), {0, 0, 19, 10});
    pickHex(editor->toPicker(), {0, 0, 23, 12});
    EXPECT_TRUE(editor->fromPicker()->systemText().startsWith("Regina"));
    EXPECT_TRUE(editor->toPicker()->systemText().startsWith("Unnamed System"));
    EXPECT_EQ(editor->lengthLabel()->text(),
              "Length: " +
                  QString::number(core::distance(core::GalacticCoordinates{0, 0, 19, 10},
                                                 core::GalacticCoordinates{0, 0, 23, 12})) +
                  " parsecs");
    clickSwitch(editor->mainTradeRouteSwitch());
    editor->agePicker()->setCurrentIndex(editor->agePicker()->findText("More than five years"));
    ASSERT_TRUE(editor->saveButton()->isEnabled());
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);

    const auto stored = workshop.onDisk().rutters;
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].factionID, navy.id);
    EXPECT_EQ(stored[0].start, (core::GalacticCoordinates{0, 0, 19, 10}));
    EXPECT_EQ(stored[0].end, (core::GalacticCoordinates{0, 0, 23, 12}));
    EXPECT_TRUE(stored[0].mainTradeRoute);
    EXPECT_EQ(stored[0].age, universe::RutterAge::fivePlus);
    EXPECT_EQ(view.rowTitles(), QStringList{"Navy"});
    EXPECT_TRUE(view.rowDetails().at(0).endsWith("More than five years · Main Trade Route"));
}

TEST(RuttersView, FiltersByFactionAndSearchAndListsLostOwners) {
    universe::UniverseRecord record = chartedSpace();
    const auto league = factionNamed("Free League", universe::FactionColor::teal);
    const auto nameless = factionNamed("", universe::FactionColor::red);
    record.factions = {league, nameless};
    auto rutter = [](const core::Uuid& faction, core::GalacticCoordinates from,
                     core::GalacticCoordinates to) {
        universe::Rutter r;
        r.id = core::Uuid::generate();
        r.factionID = faction;
        r.start = from;
        r.end = to;
        return r;
    };
    record.rutters = {rutter(league.id, {0, 0, 19, 10}, {0, 0, 17, 5}),
                      rutter(nameless.id, {0, 0, 17, 5}, {0, 0, 23, 12}),
                      rutter(core::Uuid::generate(), {0, 0, 2, 2}, {0, 0, 3, 3})};
    OverlayWorkshop workshop(record);
    overlays::RuttersView view(*workshop.context);
    view.show();
    EXPECT_EQ(view.rowTitles(), (QStringList{"Free League", "Unnamed Faction", "Unknown Faction"}));
    EXPECT_EQ(view.factionFilter()->itemText(0), "All Factions");
    EXPECT_EQ(view.factionFilter()->count(), 3);

    struct Case {
        std::optional<core::Uuid> faction;
        QString search;
        QStringList titles;
    };
    const std::vector<Case> cases = {
        {std::nullopt, "efate", {"Free League", "Unnamed Faction"}},
        {std::nullopt, "regina", {"Free League"}},
        {std::nullopt, "0303", {"Unknown Faction"}},
        {std::nullopt, "nowhere", {}},
        {league.id, "", {"Free League"}},
        {nameless.id, "efate", {"Unnamed Faction"}},
        {nameless.id, "regina", {}},
    };
    for (const Case& c : cases) {
        view.setFactionFilter(c.faction);
        view.searchField()->setText(c.search);
        EXPECT_EQ(view.rowTitles(), c.titles) << c.search.toStdString();
    }

    // Opening the rutter of the lost faction shows the placeholder, not a wrong owner.
    view.setFactionFilter(std::nullopt);
    view.searchField()->clear();
    view.list()->setCurrentRow(2);
    EXPECT_EQ(view.editor()->factionPicker()->currentIndex(), -1);
    EXPECT_FALSE(view.editor()->saveButton()->isEnabled());
}

TEST(NebulaeView, CreatesANebulaThroughTheEditorAndSavesIt) {
    OverlayWorkshop workshop(chartedSpace());
    overlays::NebulaeView view(*workshop.context);
    view.resize(1000, 800);
    view.show();
    EXPECT_EQ(view.emptyState()->title(), "No Nebula Selected");
    EXPECT_EQ(view.emptyState()->message(), "Choose a nebula or create a new one.");
    QTest::mouseClick(view.newButton(), Qt::LeftButton);
    overlays::NebulaEditingView* editor = view.editor();
    EXPECT_EQ(editor->title()->text(), "Nebula Creation");
    EXPECT_EQ(editor->saveButton()->text(), "Create Nebula");
    EXPECT_EQ(editor->nameField()->placeholderText(), "Nebula name");
    EXPECT_EQ(editor->noHexesNote()->text(),
              "No hexes yet — add at least one hex to define the nebula.");
    EXPECT_FALSE(editor->noHexesNote()->isHidden());

    typeInto(editor->nameField(), "Veil");
    editor->typePicker()->setCurrentIndex(editor->typePicker()->findText("Dark"));
    for (core::GalacticCoordinates hex :
         {core::GalacticCoordinates{0, 0, 19, 10}, core::GalacticCoordinates{0, 0, 19, 11},
          core::GalacticCoordinates{0, 0, 20, 10}}) {
        pickHex(editor->hexPicker(), hex);
        QTest::mouseClick(editor->addHexButton(), Qt::LeftButton);
    }
    // The same hex again is not listed twice.
    pickHex(editor->hexPicker(), {0, 0, 19, 10});
    EXPECT_FALSE(editor->addHexButton()->isEnabled());
    editor->addHex();
    EXPECT_EQ(editor->hexList()->count(), 3);
    EXPECT_TRUE(editor->hexList()->rows().at(0).endsWith("Regina"));
    EXPECT_EQ(editor->hexCount()->text(), "3 hexes");

    QTest::mouseClick(editor->hexList()->viewport(), Qt::LeftButton, {},
                      editor->hexList()->deleteRect(1).center());
    EXPECT_EQ(editor->hexList()->count(), 2);
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);

    const auto stored = workshop.onDisk().nebulae;
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].name, "Veil");
    EXPECT_EQ(stored[0].type, universe::NebulaType::dark);
    EXPECT_EQ(stored[0].hexes,
              (std::vector<core::GalacticCoordinates>{{0, 0, 19, 10}, {0, 0, 20, 10}}));
    EXPECT_EQ(view.rowTitles(), QStringList{"Veil"});
    EXPECT_EQ(editor->title()->text(), "Edit Nebula");
}

TEST(NebulaeView, ANebulaOfThousandsOfHexesOpensEditsAndSaves) {
    universe::UniverseRecord record = chartedSpace();
    universe::Nebula rift;
    rift.id = core::Uuid::generate();
    for (int sector = 0; sector < 4; ++sector)
        for (int column = 1; column <= core::sectorColumns; ++column)
            for (int row = 1; row <= core::sectorRows; ++row)
                rift.hexes.push_back({sector, 0, column, row});
    record.nebulae = {rift};
    OverlayWorkshop workshop(record);
    overlays::NebulaeView view(*workshop.context);
    view.resize(1000, 800);
    view.show();
    EXPECT_EQ(view.rowTitles(), QStringList{"Unnamed Nebula"});
    EXPECT_EQ(view.rowDetails(), QStringList{"Emission · 5120 hexes"});
    view.list()->setCurrentRow(0);
    overlays::NebulaEditingView* editor = view.editor();
    ASSERT_EQ(editor->hexList()->count(), 5120);
    EXPECT_TRUE(editor->hexList()->uniformItemSizes());
    editor->removeHex(5119);
    editor->removeHex(0);
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
    const auto stored = workshop.onDisk().nebulae.at(0).hexes;
    ASSERT_EQ(stored.size(), 5118u);
    EXPECT_EQ(stored.front(), (core::GalacticCoordinates{0, 0, 1, 2}));
    EXPECT_EQ(stored.back(), (core::GalacticCoordinates{3, 0, 32, 39}));
}

TEST(LabelsView, CreatesALabelThroughTheEditorAndSavesIt) {
    universe::UniverseRecord record = chartedSpace();
    universe::StarmapLabel old;
    old.id = core::Uuid::generate();
    old.text = "Old Border";
    old.category = "History";
    old.position = {0, 0, 5, 5};
    record.starmapLabels = {old};
    OverlayWorkshop workshop(record);
    overlays::LabelsView view(*workshop.context);
    view.resize(1000, 900);
    view.show();
    EXPECT_EQ(view.emptyState()->title(), "No Label Selected");
    EXPECT_EQ(view.emptyState()->message(), "Choose a label or create a new one.");
    QTest::mouseClick(view.newButton(), Qt::LeftButton);
    overlays::LabelEditingView* editor = view.editor();
    EXPECT_EQ(editor->title()->text(), "Label Creation");
    EXPECT_EQ(editor->saveButton()->text(), "Create Label");
    EXPECT_EQ(editor->textField()->placeholderText(), "Label text");

    typeInto(editor->textField(), "Spinward Main");
    QMenu* existing = editor->existingCategories()->menu();
    ASSERT_EQ(existing->actions().size(), 1);
    EXPECT_EQ(existing->actions().at(0)->text(), "History");
    existing->actions().at(0)->trigger();
    EXPECT_EQ(editor->categoryField()->text(), "History");
    pickHex(editor->positionPicker(), {0, 0, 17, 5});
    QTest::mouseClick(editor->colorPicker()->swatch(universe::FactionColor::cyan), Qt::LeftButton);

    // Size and angle move in whole steps and show as integers.
    EXPECT_EQ(editor->sizeSlider()->singleStep(), 1);
    EXPECT_EQ(editor->angleSlider()->singleStep(), 1);
    EXPECT_EQ(editor->angleSlider()->minimum(), -180);
    EXPECT_EQ(editor->angleSlider()->maximum(), 180);
    editor->sizeSlider()->setValue(32);
    EXPECT_EQ(editor->sizeValue()->text(), "32");
    editor->angleSlider()->setFocus();
    editor->angleSlider()->setValue(-30);
    QTest::keyClick(editor->angleSlider(), Qt::Key_Left);
    EXPECT_EQ(editor->angleValue()->text(), "-31°");
    EXPECT_EQ(editor->preview()->angle(), -31.0);
    EXPECT_EQ(editor->preview()->text(), "Spinward Main");
    EXPECT_EQ(editor->preview()->color(), universe::FactionColor::cyan);
    QTest::mouseClick(editor->resetAngleButton(), Qt::LeftButton);
    EXPECT_EQ(editor->angleValue()->text(), "0°");
    editor->angleSlider()->setValue(15);
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);

    const auto stored = workshop.onDisk().starmapLabels;
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].text, "Spinward Main");
    EXPECT_EQ(stored[1].category, "History");
    EXPECT_EQ(stored[1].position, (core::GalacticCoordinates{0, 0, 17, 5}));
    EXPECT_EQ(stored[1].color, universe::FactionColor::cyan);
    EXPECT_EQ(stored[1].size, 32.0);
    EXPECT_EQ(stored[1].angle, 15.0);
    EXPECT_EQ(view.rowTitles(), (QStringList{"Old Border", "Spinward Main"}));
    EXPECT_EQ(editor->title()->text(), "Edit Label");

    view.searchField()->setText("spinward");
    EXPECT_EQ(view.rowTitles(), QStringList{"Spinward Main"});
    view.searchField()->setText("history");
    EXPECT_EQ(view.rowTitles(), (QStringList{"Old Border", "Spinward Main"}));
}

TEST(LabelsView, AnEmptyHugeLabelListsAndOpensUnchanged) {
    universe::UniverseRecord record = chartedSpace();
    universe::StarmapLabel odd;
    odd.id = core::Uuid::generate();
    odd.size = 5000.0;
    odd.angle = 725.5;
    odd.position = {0, 0, 1, 1};
    record.starmapLabels = {odd};
    OverlayWorkshop workshop(record);
    overlays::LabelsView view(*workshop.context);
    view.show();
    EXPECT_EQ(view.rowTitles(), QStringList{"Unnamed Label"});
    view.list()->setCurrentRow(0);
    overlays::LabelEditingView* editor = view.editor();
    EXPECT_EQ(editor->sizeValue()->text(), "5000");
    EXPECT_EQ(editor->sizeSlider()->value(), overlays::LabelEditingView::largestSize);
    EXPECT_FALSE(editor->saveButton()->isEnabled()) << "opening does not change what is stored";

    // Text typed into it is previewed and saved; the size stays as stored.
    typeInto(editor->textField(), "Here be dragons");
    (void)editor->preview()->grab();
    EXPECT_LT(editor->preview()->fitScale(), 1.0);
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
    const auto stored = workshop.onDisk().starmapLabels.at(0);
    EXPECT_EQ(stored.text, "Here be dragons");
    EXPECT_EQ(stored.size, 5000.0);
    EXPECT_EQ(stored.angle, 725.5);
}

// Every list asks before deleting; "no" leaves the file alone, "yes" removes the record.
TEST(OverlayBrowsers, DeleteAsksFirst) {
    universe::UniverseRecord record = chartedSpace();
    const auto league = factionNamed("Free League", universe::FactionColor::teal);
    record.factions = {league};
    universe::Region region;
    region.id = core::Uuid::generate();
    region.name = "Darrian";
    record.regions = {region};
    universe::Rutter rutter;
    rutter.id = core::Uuid::generate();
    rutter.factionID = league.id;
    rutter.start = {0, 0, 19, 10};
    rutter.end = {0, 0, 17, 5};
    record.rutters = {rutter};
    universe::Nebula nebula;
    nebula.id = core::Uuid::generate();
    nebula.name = "Veil";
    record.nebulae = {nebula};
    universe::StarmapLabel label;
    label.id = core::Uuid::generate();
    label.text = "Spinward Main";
    record.starmapLabels = {label};

    using Count = std::function<std::size_t(const universe::UniverseRecord&)>;
    using Make = std::function<std::unique_ptr<overlays::OverlayBrowser>(ui::ViewContext&)>;
    struct Case {
        const char* name;
        Make make;
        Count count;
        QString title;
        QString mentions;
    };
    const std::vector<Case> cases = {
        {"regions", [](ui::ViewContext& c) { return std::make_unique<overlays::RegionsView>(c); },
         [](const universe::UniverseRecord& r) { return r.regions.size(); }, "Delete Region?",
         "Darrian"},
        {"rutters", [](ui::ViewContext& c) { return std::make_unique<overlays::RuttersView>(c); },
         [](const universe::UniverseRecord& r) { return r.rutters.size(); }, "Delete Route?",
         "1910"},
        {"nebulae", [](ui::ViewContext& c) { return std::make_unique<overlays::NebulaeView>(c); },
         [](const universe::UniverseRecord& r) { return r.nebulae.size(); }, "Delete Nebula?",
         "Veil"},
        {"labels", [](ui::ViewContext& c) { return std::make_unique<overlays::LabelsView>(c); },
         [](const universe::UniverseRecord& r) { return r.starmapLabels.size(); }, "Delete Label?",
         "Spinward Main"},
    };
    for (const Case& c : cases) {
        OverlayWorkshop workshop(record);
        auto view = c.make(*workshop.context);
        bool answer = false;
        QString title, message;
        view->setConfirmation([&](QWidget*, const QString& t, const QString& m) {
            title = t;
            message = m;
            return answer;
        });
        view->show();
        EXPECT_FALSE(view->deleteButton()->isEnabled()) << c.name << ": nothing selected";
        view->list()->setCurrentRow(0);
        ASSERT_TRUE(view->isEditorShown()) << c.name;
        ASSERT_TRUE(view->deleteButton()->isEnabled()) << c.name;

        QTest::mouseClick(view->deleteButton(), Qt::LeftButton);
        EXPECT_EQ(title, c.title) << c.name;
        EXPECT_TRUE(message.contains(c.mentions)) << c.name << ": " << message.toStdString();
        EXPECT_EQ(c.count(workshop.onDisk()), 1u) << c.name << ": declined";
        EXPECT_TRUE(view->isEditorShown()) << c.name;

        // The Delete key on the list asks the same question.
        answer = true;
        title.clear();
        view->list()->setFocus();
        QTest::keyClick(view->list(), Qt::Key_Delete);
        EXPECT_EQ(title, c.title) << c.name;
        EXPECT_EQ(c.count(workshop.onDisk()), 0u) << c.name;
        EXPECT_EQ(view->list()->count(), 0) << c.name;
        EXPECT_FALSE(view->isEditorShown()) << c.name << ": back to nothing selected";
    }
}

} // namespace
