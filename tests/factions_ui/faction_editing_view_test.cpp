// The faction editor driven as a user drives it: typing, ticking, clicking,
// then reading the universe file back from disk.

#include "factions/faction_editing.h"
#include "factions/ui/add_asset_dialog.h"
#include "factions/ui/color_swatch_picker.h"
#include "factions/ui/faction_editing_view.h"
#include "factions/ui/faction_info_window.h"
#include "factions/ui/faction_note_dialog.h"
#include "factions/ui/faction_views.h"
#include "factions_ui/faction_views_fixture.h"
#include "ui/empty_state_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::factions;
namespace vt = velmora::testing;
using universe::AssetCategory;
using universe::AssetType;
using universe::FactionCategory;
using universe::FactionColor;
using vt::FactionViewsFixture;

namespace {

// Replaces whatever a spin box holds with typed text, as a user does.
void typeInto(QSpinBox* spin, const QString& text) {
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, text);
}

// Rebuilt rows show, and closed dialogs and old rows delete themselves, from the
// event loop; let that happen before looking.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

AddAssetDialog* openAddAsset(FactionEditingView& view) {
    settle();
    QTest::mouseClick(vt::child<QPushButton>(view, "addAsset"), Qt::LeftButton);
    auto* dialog = view.findChild<AddAssetDialog*>();
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

void confirmDialog(QDialog* dialog) {
    auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
}

} // namespace

TEST(FactionEditor, CreatesAFactionAndWritesTheUniverseFile) {
    FactionViewsFixture app;
    app.addSystem(19, 10, "Regina");
    app.addSystem(18, 14, "");

    FactionEditingView view(*app.context, std::nullopt);
    EXPECT_EQ(vt::child<QLabel>(view, "factionEditorTitle")->text(), "Faction Creation");
    EXPECT_EQ(vt::child<QPushButton>(view, "saveFaction")->text(), "Create Faction");
    EXPECT_FALSE(vt::child<QPushButton>(view, "deleteFaction")->isVisibleTo(&view));
    EXPECT_EQ(vt::child<QLabel>(view, "tagsSummary")->text(), "None");
    EXPECT_EQ(vt::child<QLabel>(view, "income")->text(), "Income: 1 FacCreds/turn");
    EXPECT_EQ(vt::child<QLabel>(view, "maintenance")->text(), "Maintenance: 0 FacCreds/turn");

    // Systems are offered by name, or "Unnamed System".
    QStringList homeworlds;
    for (int i = 0; i < vt::child<QComboBox>(view, "homeworld")->count(); ++i)
        homeworlds << vt::child<QComboBox>(view, "homeworld")->itemText(i);
    EXPECT_EQ(homeworlds, (QStringList{"None", "Unnamed System — 00-1814", "Regina — 00-1910"}));

    QTest::keyClicks(vt::child<QLineEdit>(view, "factionName"), "Sword Worlds Confederation");
    QTest::keyClicks(vt::child<QLineEdit>(view, "factionShortName"), "SwCf");
    vt::child<QComboBox>(view, "factionCategory")
        ->setCurrentIndex(vt::child<QComboBox>(view, "factionCategory")->findText("Political"));
    emit vt::child<QComboBox>(view, "factionCategory")
        ->activated(vt::child<QComboBox>(view, "factionCategory")->currentIndex());
    QTest::mouseClick(
        vt::child<ColorSwatchPicker>(view, "factionColor")->swatch(FactionColor::teal),
        Qt::LeftButton);
    vt::child<QComboBox>(view, "homeworld")->setCurrentIndex(2);
    emit vt::child<QComboBox>(view, "homeworld")->activated(2);
    QTest::mouseClick(
        vt::child<QCheckBox>(view, "tag-" + qt(universe::rawValue(universe::FactionTag::warlike))),
        Qt::LeftButton);
    QTest::mouseClick(vt::child<QCheckBox>(
                          view, "tag-" + qt(universe::rawValue(universe::FactionTag::colonists))),
                      Qt::LeftButton);
    EXPECT_EQ(vt::child<QLabel>(view, "tagsSummary")->text(), "Colonists, Warlike");
    typeInto(vt::child<QSpinBox>(view, "rating-" + qt(universe::rawValue(AssetCategory::force))),
             "4");

    QTest::mouseClick(vt::child<QPushButton>(view, "saveFaction"), Qt::LeftButton);

    const auto file = app.fileJson();
    ASSERT_EQ(file["factions"].size(), 1u);
    const auto& saved = file["factions"][0];
    EXPECT_EQ(saved["name"], "Sword Worlds Confederation");
    EXPECT_EQ(saved["short"], "SwCf");
    EXPECT_EQ(saved["category"], "political");
    EXPECT_EQ(saved["color"], "teal");
    EXPECT_EQ(saved["force"], 4);
    EXPECT_EQ(saved["hp"], 7)
        << "a new faction starts at full hit points; raising a rating does not heal";
    EXPECT_EQ(saved["tags"], nlohmann::json({"colonists", "warlike"}));
    EXPECT_EQ(saved["homeworld"]["column"], 19);
    EXPECT_EQ(saved["homeworld"]["row"], 10);
    const auto id = core::Uuid::fromString(saved["id"].get<std::string>());
    ASSERT_TRUE(id.has_value());

    // The editor goes on editing what it made, and the sidebar is asked to show it.
    EXPECT_EQ(vt::child<QLabel>(view, "factionEditorTitle")->text(), "Edit Faction");
    EXPECT_EQ(vt::child<QPushButton>(view, "saveFaction")->text(), "Save Changes");
    EXPECT_FALSE(vt::child<QPushButton>(view, "saveFaction")->isEnabled())
        << "nothing left unsaved";
    ASSERT_EQ(app.selected.size(), 1u);
    EXPECT_EQ(app.selected[0].destination, ui::Destination::faction);
    EXPECT_EQ(app.selected[0].factionID, id);

    // A second save changes that faction instead of adding another.
    QTest::keyClicks(vt::child<QLineEdit>(view, "factionName"), " Navy");
    EXPECT_TRUE(vt::child<QPushButton>(view, "saveFaction")->isEnabled());
    QTest::mouseClick(vt::child<QPushButton>(view, "saveFaction"), Qt::LeftButton);
    const auto record = app.fileRecord();
    ASSERT_EQ(record.factions.size(), 1u);
    EXPECT_EQ(record.factions[0].name, "Sword Worlds Confederation Navy");
}

TEST(FactionEditor, RatingsDriveIncomeMaintenanceAndHitPoints) {
    FactionViewsFixture app;
    universe::Faction faction = app.addFaction("Imperial Navy");
    // Three Force assets, one of them a base of influence, which never counts.
    velmora::testing::change(app.universe(), [&](universe::UniverseEdit& edit) {
        for (AssetType type :
             {AssetType::starship, AssetType::militaryUnit, AssetType::baseOfInfluence}) {
            universe::FactionAsset asset;
            asset.name = "Asset";
            asset.category = AssetCategory::force;
            asset.type = type;
            asset.maxHP = asset.hp = 4;
            edit.factions()[0].assets.push_back(asset);
        }
        edit.factions()[0].assets[0].maintenance = 2;
    });

    FactionEditingView view(*app.context, faction.id);
    const struct {
        int force, cunning, wealth;
        const char* income;
        const char* maintenance;
        int maxHP;
    } cases[] = {
        {1, 1, 1, "Income: 1 FacCreds/turn", "Maintenance: 3 FacCreds/turn", 7},
        {2, 1, 1, "Income: 1 FacCreds/turn", "Maintenance: 2 FacCreds/turn", 8},
        {3, 2, 5, "Income: 4 FacCreds/turn", "Maintenance: 2 FacCreds/turn", 19},
        {8, 8, 8, "Income: 8 FacCreds/turn", "Maintenance: 2 FacCreds/turn", 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::vector{c.force, c.cunning, c.wealth}));
        typeInto(
            vt::child<QSpinBox>(view, "rating-" + qt(universe::rawValue(AssetCategory::force))),
            QString::number(c.force));
        typeInto(
            vt::child<QSpinBox>(view, "rating-" + qt(universe::rawValue(AssetCategory::cunning))),
            QString::number(c.cunning));
        typeInto(
            vt::child<QSpinBox>(view, "rating-" + qt(universe::rawValue(AssetCategory::wealth))),
            QString::number(c.wealth));
        EXPECT_EQ(vt::child<QLabel>(view, "income")->text(), c.income);
        EXPECT_EQ(vt::child<QLabel>(view, "maintenance")->text(), c.maintenance);
        QTest::mouseClick(view.findChild<QPushButton*>("fullHP"), Qt::LeftButton);
        EXPECT_EQ(vt::child<QSpinBox>(view, "hitPoints")->value(), c.maxHP);
        EXPECT_EQ(view.draft().hp, c.maxHP);
    }
    // Nothing reaches the file before "Save Changes".
    EXPECT_EQ(app.fileRecord().factions[0].force, 1);
    QTest::mouseClick(vt::child<QPushButton>(view, "saveFaction"), Qt::LeftButton);
    EXPECT_EQ(app.fileRecord().factions[0].force, 8);
    EXPECT_EQ(app.fileRecord().factions[0].hp, 64);
}

TEST(FactionEditor, OutOfRangeInputIsClampedAndSaysWhy) {
    FactionViewsFixture app;
    const universe::Faction faction = app.addFaction("Vargr Raiders", FactionCategory::race);
    FactionEditingView view(*app.context, faction.id);
    view.show();

    const struct {
        const char* typed;
        int kept;
        bool explained;
    } ratings[] = {
        {"-3", 1, true}, {"0", 1, true}, {"12", 8, true}, {"999", 8, true}, {"5", 5, false}};
    for (const auto& r : ratings) {
        SCOPED_TRACE(r.typed);
        QSpinBox* force =
            vt::child<QSpinBox>(view, "rating-" + qt(universe::rawValue(AssetCategory::force)));
        typeInto(force, r.typed);
        EXPECT_EQ(force->value(), r.kept);
        EXPECT_EQ(view.draft().force, r.kept);
        QLabel* note =
            vt::child<QLabel>(view, "ratingNote-" + qt(universe::rawValue(AssetCategory::force)));
        EXPECT_EQ(note->isVisible(), r.explained);
        if (r.explained) {
            EXPECT_TRUE(note->text().startsWith("Ratings run from 1 to 8"))
                << note->text().toStdString();
            EXPECT_EQ(force->toolTip(), note->text());
        }
    }

    // Hit points stop at the maximum the ratings give (Force 5: 4 + 9 + 1 + 1).
    typeInto(vt::child<QSpinBox>(view, "hitPoints"), "99");
    EXPECT_EQ(view.draft().hp, 15);
    EXPECT_TRUE(vt::child<QLabel>(view, "hitPointsNote")->isVisible());
    EXPECT_TRUE(vt::child<QLabel>(view, "hitPointsNote")->text().contains("maximum, 15"))
        << vt::child<QLabel>(view, "hitPointsNote")->text().toStdString();
    typeInto(vt::child<QSpinBox>(view, "hitPoints"), "-4");
    EXPECT_EQ(view.draft().hp, 0);

    // Lowering a rating lowers the maximum, and the hit points follow.
    typeInto(vt::child<QSpinBox>(view, "hitPoints"), "15");
    typeInto(vt::child<QSpinBox>(view, "rating-" + qt(universe::rawValue(AssetCategory::force))),
             "1");
    EXPECT_EQ(view.draft().hp, 7);
    EXPECT_EQ(vt::child<QSpinBox>(view, "hitPoints")->value(), 7);

    typeInto(vt::child<QSpinBox>(view, "credits"), "-5");
    EXPECT_EQ(view.draft().credits, 0);
    EXPECT_TRUE(vt::child<QLabel>(view, "creditsNote")->isVisible());

    QTest::mouseClick(vt::child<QPushButton>(view, "saveFaction"), Qt::LeftButton);
    const auto saved = app.fileRecord().factions.at(0);
    EXPECT_EQ(saved.force, 1);
    EXPECT_EQ(saved.hp, 7);
    EXPECT_EQ(saved.credits, 0);
}

TEST(FactionEditor, AddsCatalogueAndHandMadeAssets) {
    FactionViewsFixture app;
    app.addSystem(19, 10, "Regina");
    const auto efate = app.addSystem(20, 11, "Efate");
    universe::Faction faction = app.addFaction("Imperial Navy");
    velmora::testing::change(app.universe(), [&](universe::UniverseEdit& edit) {
        edit.factions()[0].homeworld = {0, 0, 19, 10};
    });
    FactionEditingView view(*app.context, faction.id);
    view.show();
    EXPECT_TRUE(vt::showsText(vt::child<QWidget>(view, "assetList"), "No assets"));

    // The catalogue lists all 71 templates under their categories, with costs.
    AddAssetDialog* dialog = openAddAsset(view);
    ASSERT_NE(dialog, nullptr);
    QTreeWidget* catalogue = dialog->catalogue();
    ASSERT_EQ(catalogue->topLevelItemCount(), 3);
    EXPECT_EQ(catalogue->topLevelItem(0)->text(0), "Force");
    EXPECT_EQ(catalogue->topLevelItem(0)->childCount() + catalogue->topLevelItem(1)->childCount() +
                  catalogue->topLevelItem(2)->childCount(),
              71);
    EXPECT_EQ(catalogue->topLevelItem(0)->child(0)->text(0), "Security Personnel (2 FC)");
    ASSERT_TRUE(dialog->chooseTemplate("Capital Fleet"));
    EXPECT_EQ(catalogue->currentItem()->text(1), "8 ⚠") << "Force 1 is below the 8 it needs";
    dialog->chooseLocation(efate.coordinates);
    confirmDialog(dialog);

    ASSERT_EQ(view.draft().assets.size(), 1u);
    const universe::FactionAsset& fleet = view.draft().assets[0];
    EXPECT_EQ(fleet.name, "Capital Fleet");
    EXPECT_EQ(fleet.cost, 40);
    EXPECT_EQ(fleet.location, efate.coordinates);
    settle();
    const QString row = vt::labelTexts(vt::child<QWidget>(view, "assetList")).join('\n');
    EXPECT_TRUE(row.contains("Starship · Force 8 ⚠")) << row.toStdString();
    EXPECT_TRUE(row.contains("Location: Efate (00-2011)"));
    EXPECT_TRUE(row.contains("Needs planetary government permission"));
    EXPECT_FALSE(row.contains("No assets"));
    // Its own upkeep of 2, and 0 beyond a Force rating of 1.
    EXPECT_EQ(vt::child<QLabel>(view, "maintenance")->text(), "Maintenance: 2 FacCreds/turn");

    // A hand-made base of influence: its cost is its maximum hit points, which
    // the faction's own maximum (7) caps.
    dialog = openAddAsset(view);
    ASSERT_NE(dialog, nullptr);
    dialog->showHandMadeForm();
    EXPECT_FALSE(dialog->baseOfInfluenceNote()->isVisibleTo(dialog));
    QTest::keyClicks(dialog->nameField(), "Regina Office");
    dialog->typeField()->setCurrentIndex(dialog->typeField()->findText("Base of Influence"));
    EXPECT_TRUE(dialog->baseOfInfluenceNote()->isVisibleTo(dialog));
    EXPECT_EQ(dialog->baseOfInfluenceNote()->text(),
              "Base of influence: cost equals its max HP (up to the faction's max HP), one per "
              "world, and "
              "damage to it also hits the faction's HP.");
    dialog->maxHPField()->setValue(30);
    EXPECT_EQ(dialog->maxHPField()->value(), 7);
    EXPECT_EQ(dialog->costField()->value(), 7);
    confirmDialog(dialog);
    ASSERT_EQ(view.draft().assets.size(), 2u);
    EXPECT_EQ(view.draft().assets[1].cost, 7);
    EXPECT_EQ(view.draft().assets[1].location, (core::GalacticCoordinates{0, 0, 19, 10}))
        << "the homeworld is the first place offered";
    EXPECT_EQ(vt::child<QLabel>(view, "maintenance")->text(), "Maintenance: 2 FacCreds/turn")
        << "a base never counts";

    // One base per world: a second on Regina cannot be added.
    dialog = openAddAsset(view);
    ASSERT_NE(dialog, nullptr);
    dialog->showHandMadeForm();
    QTest::keyClicks(dialog->nameField(), "Second Office");
    dialog->typeField()->setCurrentIndex(dialog->typeField()->findText("Base of Influence"));
    EXPECT_TRUE(dialog->problem()->isVisibleTo(dialog));
    EXPECT_FALSE(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    dialog->reject();

    QTest::mouseClick(vt::child<QPushButton>(view, "saveFaction"), Qt::LeftButton);
    const auto file = app.fileJson();
    ASSERT_EQ(file["factions"][0]["assets"].size(), 2u);
    EXPECT_EQ(file["factions"][0]["assets"][0]["name"], "Capital Fleet");
    EXPECT_EQ(file["factions"][0]["assets"][0]["maintenance"], 2);
    EXPECT_EQ(file["factions"][0]["assets"][1]["type"], "baseOfInfluence");

    // "Delete" on a row removes that asset from the draft.
    settle();
    auto deletes = vt::child<QWidget>(view, "assetList")->findChildren<QPushButton*>("deleteAsset");
    ASSERT_EQ(deletes.size(), 2);
    QTest::mouseClick(deletes[0], Qt::LeftButton);
    ASSERT_EQ(view.draft().assets.size(), 1u);
    EXPECT_EQ(view.draft().assets[0].name, "Regina Office");
}

TEST(FactionEditor, NotesAreAddedEditedAndDeleted) {
    FactionViewsFixture app;
    const universe::Faction faction =
        app.addFaction("Tukera Lines", FactionCategory::megacorporation);
    FactionEditingView view(*app.context, faction.id);
    view.show();

    // The button is looked up once the previous rows are gone.
    const auto writeNote = [&](const std::function<QPushButton*()>& button, const QString& title,
                               int day) {
        settle();
        QTest::mouseClick(button(), Qt::LeftButton);
        auto* dialog = view.findChild<FactionNoteDialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->titleField()->clear();
        QTest::keyClicks(dialog->titleField(), title);
        dialog->yearField()->setValue(1105);
        dialog->dayField()->setValue(day);
        confirmDialog(dialog);
    };
    const auto addNote = [&] { return vt::child<QPushButton>(view, "addNote"); };
    const auto editFirst = [&] {
        return vt::child<QWidget>(view, "noteList")->findChildren<QPushButton*>("editNote").at(0);
    };
    writeNote(addNote, "Contract signed", 12);
    writeNote(addNote, "Freighter lost", 40);
    ASSERT_EQ(view.draft().notes.size(), 2u);
    EXPECT_EQ(view.draft().notes[1].id, 2);
    EXPECT_EQ(view.draft().notes[1].date.day, 40);

    writeNote(editFirst, "Contract renewed", 13);
    EXPECT_EQ(view.draft().notes[0].title, "Contract renewed");
    EXPECT_EQ(view.draft().notes[0].id, 1) << "editing keeps the id";

    settle();
    QTest::mouseClick(
        vt::child<QWidget>(view, "noteList")->findChildren<QPushButton*>("deleteNote").at(0),
        Qt::LeftButton);
    QTest::mouseClick(vt::child<QPushButton>(view, "saveFaction"), Qt::LeftButton);
    const auto file = app.fileJson();
    ASSERT_EQ(file["factions"][0]["notes"].size(), 1u);
    const auto& note = file["factions"][0]["notes"][0];
    EXPECT_EQ(note["title"], "Freighter lost");
    EXPECT_EQ(note["id"], 2);
    EXPECT_EQ(note["date"]["year"], 1105);
    EXPECT_EQ(note["date"]["day"], 40);
}

TEST(FactionEditor, DeletingAsksFirstAndLeavesReferencesUnknown) {
    FactionViewsFixture app;
    const universe::Faction kept = app.addFaction("Zhodani Consulate");
    const universe::Faction doomed = app.addFaction("Sword Worlds");
    velmora::testing::change(app.universe(), [&](universe::UniverseEdit& edit) {
        edit.factionLists().push_back({core::Uuid::generate(), "Frontier", {doomed.id, kept.id}});
        edit.field(&universe::UniverseRecord::selectedFactionIDs) = {doomed.id};
    });

    FactionEditingView view(*app.context, doomed.id);
    view.show();
    FactionEditingView otherWindow(*app.context, doomed.id);
    otherWindow.show();
    QWidget* info = openFactionInfo(*app.context, doomed.id);
    ASSERT_NE(info, nullptr);

    QStringList asked;
    bool answer = false;
    view.setConfirmation([&](QWidget*, const QString& title, const QString& message) {
        asked << title << message;
        return answer;
    });
    QTest::mouseClick(vt::child<QPushButton>(view, "deleteFaction"), Qt::LeftButton);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], "Delete Faction?");
    EXPECT_TRUE(asked[1].contains("Sword Worlds"));
    EXPECT_EQ(app.fileRecord().factions.size(), 2u) << "Cancel keeps it";

    answer = true;
    QTest::mouseClick(vt::child<QPushButton>(view, "deleteFaction"), Qt::LeftButton);
    QApplication::processEvents();
    const auto record = app.fileRecord();
    ASSERT_EQ(record.factions.size(), 1u);
    EXPECT_EQ(record.factions[0].name, "Zhodani Consulate");
    EXPECT_TRUE(record.selectedFactionIDs.empty());
    EXPECT_EQ(record.factionLists[0].factionIDs.size(), 2u)
        << "the list keeps the id and skips it when shown";
    EXPECT_EQ(app.windows.find(FactionInfoWindow::identifier,
                               QString::fromStdString(doomed.id.toString())),
              nullptr);
    EXPECT_TRUE(vt::showsText(&view, "No Faction"));
    EXPECT_TRUE(vt::showsText(&otherWindow, "No Faction"))
        << "an editor open elsewhere learns of it";
    QTest::mouseClick(vt::child<QPushButton>(otherWindow, "saveFaction"), Qt::LeftButton);
    QTest::mouseClick(vt::child<QPushButton>(view, "saveFaction"), Qt::LeftButton);
    EXPECT_EQ(app.fileRecord().factions.size(), 1u) << "a deleted faction is not saved back";
}

TEST(FactionEditor, LeavingWithUnsavedEditsAsksToSaveThem) {
    FactionViewsFixture app;
    const universe::Faction faction = app.addFaction("Imperial Navy");
    FactionEditingView view(*app.context, faction.id);
    view.show();
    QStringList asked;
    ui::SaveAnswer answer = ui::SaveAnswer::cancel;
    view.setSaveQuestion([&](QWidget*, const QString& question, const QString& detail) {
        asked << question << detail;
        return answer;
    });

    // Nothing changed: nothing to ask.
    EXPECT_TRUE(view.confirmLeave());
    EXPECT_TRUE(asked.isEmpty());

    // Cancel stays, with the typed text still there and nothing written.
    QTest::keyClicks(vt::child<QLineEdit>(view, "factionName"), " Reserve");
    typeInto(vt::child<QSpinBox>(view, "credits"), "12");
    EXPECT_FALSE(view.confirmLeave());
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], "Save changes to “Imperial Navy Reserve”?");
    EXPECT_EQ(asked[1], "Your changes to this faction are lost unless you save them.");
    EXPECT_EQ(vt::child<QLineEdit>(view, "factionName")->text(), "Imperial Navy Reserve");
    EXPECT_EQ(view.draft().credits, 12);
    EXPECT_EQ(app.fileRecord().factions[0].name, "Imperial Navy");

    // Discard drops the edits, from the file and from the fields.
    answer = ui::SaveAnswer::discard;
    EXPECT_TRUE(view.confirmLeave());
    EXPECT_EQ(asked.size(), 4);
    EXPECT_EQ(app.fileRecord().factions[0], faction);
    EXPECT_EQ(vt::child<QLineEdit>(view, "factionName")->text(), "Imperial Navy");
    EXPECT_EQ(vt::child<QSpinBox>(view, "credits")->value(), 0);
    EXPECT_FALSE(view.hasUnsavedChanges());
    EXPECT_TRUE(view.confirmLeave()) << "nothing left to ask about";
    EXPECT_EQ(asked.size(), 4);

    // Save writes them to disk.
    QTest::keyClicks(vt::child<QLineEdit>(view, "factionName"), " Reserve");
    answer = ui::SaveAnswer::save;
    EXPECT_TRUE(view.confirmLeave());
    EXPECT_EQ(asked.size(), 6);
    EXPECT_EQ(app.fileRecord().factions[0].name, "Imperial Navy Reserve");
    EXPECT_FALSE(view.hasUnsavedChanges());
    EXPECT_TRUE(app.selected.empty()) << "the referee is on the way elsewhere";
}

TEST(FactionEditor, ANewFactionAsksOnceSomethingWasEntered) {
    FactionViewsFixture app;
    FactionEditingView view(*app.context, std::nullopt);
    QStringList asked;
    view.setSaveQuestion([&](QWidget*, const QString& question, const QString& detail) {
        asked << question << detail;
        return ui::SaveAnswer::save;
    });
    EXPECT_TRUE(view.confirmLeave());
    EXPECT_TRUE(asked.isEmpty()) << "an untouched new faction is not worth a question";

    QTest::keyClicks(vt::child<QLineEdit>(view, "factionName"), "Vargr Corsairs");
    EXPECT_TRUE(view.confirmLeave());
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], "Save changes to “Vargr Corsairs”?");
    EXPECT_EQ(asked[1], "The new faction is not created unless you save it.");
    const auto record = app.fileRecord();
    ASSERT_EQ(record.factions.size(), 1u);
    EXPECT_EQ(record.factions[0].name, "Vargr Corsairs");
    EXPECT_EQ(record.factions[0].id, view.draft().id);
    EXPECT_FALSE(view.isCreating());
    EXPECT_TRUE(app.selected.empty());
}

TEST(FactionEditor, AFactionDeletedElsewhereLeavesWithoutAsking) {
    FactionViewsFixture app;
    const universe::Faction faction = app.addFaction("Imperial Navy");
    FactionEditingView view(*app.context, faction.id);
    bool asked = false;
    view.setSaveQuestion([&](QWidget*, const QString&, const QString&) {
        asked = true;
        return ui::SaveAnswer::cancel;
    });
    QTest::keyClicks(vt::child<QLineEdit>(view, "factionName"), " Reserve");
    velmora::testing::change(
        app.universe(), [&](universe::UniverseEdit& edit) { removeFaction(edit, faction.id); });
    EXPECT_TRUE(view.confirmLeave());
    EXPECT_FALSE(asked);
    EXPECT_TRUE(app.fileRecord().factions.empty());
}

TEST(FactionViews, RegisteredForTheirSidebarDestinations) {
    FactionViewsFixture app;
    const universe::Faction faction = app.addFaction("Imperial Navy");
    ui::DetailViewRegistry registry;
    registerFactionViews(registry);

    const struct {
        ui::SidebarSelection selection;
        const char* objectName;
    } cases[] = {
        {{ui::Destination::faction, faction.id}, "factionEditingView"},
        {{ui::Destination::faction, core::Uuid::generate()}, ""},
        {{ui::Destination::newFaction, std::nullopt}, "factionEditingView"},
        {{ui::Destination::factionLists, std::nullopt}, "factionListsView"},
    };
    for (const auto& c : cases) {
        const ui::DetailViewFactory* factory = registry.find(c.selection.destination);
        ASSERT_NE(factory, nullptr);
        std::unique_ptr<QWidget> view((*factory)(*app.context, c.selection, nullptr));
        EXPECT_EQ(view->objectName(), c.objectName);
        if (view->objectName().isEmpty()) {
            auto* empty = qobject_cast<ui::EmptyStateView*>(view.get());
            ASSERT_NE(empty, nullptr);
            EXPECT_EQ(empty->title(), "No Faction");
        }
    }
}
