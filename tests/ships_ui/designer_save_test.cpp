#include "ships/saved_ship_design_json.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ui/ship_designer_window.h"
#include "ships/ui/ship_save_sheet.h"
#include "ships_ui_support.h"
#include "support/temporary_folder.h"
#include "support/widget_lookup.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;
using ships::SavedShipDesign;
using ships::SavedShipDesignsStore;
using ships::ShipDesignerWindow;
using ships::ShipSaveSheet;
using velmora::testing::child;
using velmora::testing::TemporaryFolder;

namespace {

void typeInto(QSpinBox* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The sheet the last click opened, or null.
ShipSaveSheet* openSheet(const QWidget& window) {
    const auto sheets = window.findChildren<ShipSaveSheet*>();
    for (ShipSaveSheet* sheet : sheets) {
        if (sheet->isVisible())
            return sheet;
    }
    return nullptr;
}

void fillIn(ShipSaveSheet& sheet, const QString& configuration, const QString& type,
            const QString& name, const QString& description) {
    auto set = [&](const char* field, const QString& text) {
        auto* edit = child<QLineEdit>(sheet, field);
        edit->clear();
        QTest::keyClicks(edit, text);
    };
    set("configurationNameField", configuration);
    set("typeField", type);
    set("shipNameField", name);
    auto* description_ = child<QPlainTextEdit>(sheet, "descriptionField");
    description_->setPlainText(description);
}

SavedShipDesign onDisk(const SavedShipDesignsStore& store, const core::Uuid& id) {
    const auto text =
        core::readWholeFile(store.folderOf(id) / SavedShipDesignsStore::designFileName);
    EXPECT_TRUE(text.has_value());
    return ships::decodeDesignFile(text.value_or(""));
}

struct Library {
    TemporaryFolder data;
    SavedShipDesignsStore store{data / "ShipDesigns"};
    ui::WindowRegistry windows;
    ~Library() { windows.closeAll(); }
};

} // namespace

// "Save As New Ship…": the sheet names the ship, Cancel saves nothing, Save writes a
// design.json that reads back as the very design on screen, with both dates now.
TEST(ShipDesignerSaving, SaveAsNewShipWritesTheDesignThroughTheSheet) {
    Library library;
    ShipDesignerWindow window(&library.store, std::nullopt);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    typeInto(child<QSpinBox>(window, "tonnage"), "400");
    child<QCheckBox>(window, "heatShielding")->click();
    child<QPushButton>(window, "addWeaponMount")->click();
    auto* bis = child<QCheckBox>(window, "primaryComputerJumpControlSpecialisation");
    bis->click();
    EXPECT_FALSE(child<QPushButton>(window, "saveChangesButton")->isVisible());

    child<QPushButton>(window, "saveAsNewButton")->click();
    ShipSaveSheet* sheet = openSheet(window);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), "Save Ship");
    EXPECT_TRUE(child<QLabel>(*sheet, "descriptionHint")->text().startsWith("Supports Markdown"));
    child<QPushButton>(*sheet, "cancelButton")->click();
    EXPECT_TRUE(library.store.headers().empty());

    child<QPushButton>(window, "saveAsNewButton")->click();
    sheet = openSheet(window);
    ASSERT_NE(sheet, nullptr);
    fillIn(*sheet, "Gazelle", "Close Escort", "Valiant", "A **fast** escort.");
    child<QPushButton>(*sheet, "saveButton")->click();

    ASSERT_EQ(library.store.headers().size(), 1u);
    ASSERT_TRUE(window.savedId().has_value());
    const SavedShipDesign saved = onDisk(library.store, *window.savedId());
    EXPECT_EQ(saved.design, window.design());
    EXPECT_EQ(saved.design.tonnage, 400);
    EXPECT_TRUE(saved.design.heatShielding);
    EXPECT_EQ(saved.design.weaponMounts.size(), 1u);
    EXPECT_EQ(saved.configurationName, "Gazelle");
    EXPECT_EQ(saved.typeLabel, "Close Escort");
    EXPECT_EQ(saved.shipName, "Valiant");
    EXPECT_EQ(saved.description, "A **fast** escort.");
    // Both dates are now (the store stamps the modified date as it writes).
    EXPECT_LE(saved.modifiedDate - saved.createdDate, std::chrono::seconds(1));
    EXPECT_LE(std::chrono::abs(core::systemNow() - saved.createdDate), std::chrono::seconds(60));

    // Now editing that ship: "Save" writes later changes into the same folder.
    auto* save = child<QPushButton>(window, "saveChangesButton");
    EXPECT_TRUE(save->isVisible());
    EXPECT_FALSE(save->isEnabled());
    typeInto(child<QSpinBox>(window, "stateroomCount"), "6");
    ASSERT_TRUE(save->isEnabled());
    save->click();
    ASSERT_EQ(library.store.headers().size(), 1u);
    EXPECT_EQ(onDisk(library.store, saved.id).design.stateroomCount, 6);

    // A second "Save As New Ship…" is a second ship with an id of its own.
    child<QPushButton>(window, "saveAsNewButton")->click();
    sheet = openSheet(window);
    ASSERT_NE(sheet, nullptr);
    fillIn(*sheet, "Gazelle", "Close Escort", "Dauntless", "");
    child<QPushButton>(*sheet, "saveButton")->click();
    EXPECT_EQ(library.store.headers().size(), 2u);
    EXPECT_NE(*window.savedId(), saved.id);
}

// A saved ship opens in its own window (one per ship); "Edit Ship Details" keeps
// its id, created date and images, and changes only what the sheet says.
TEST(ShipDesignerSaving, EditingDetailsKeepsTheShipsIdentity) {
    Library library;
    SavedShipDesign trader = velmora::testing::trader();
    trader.design.stateroomCount = 10;
    ASSERT_TRUE(library.store.save(trader));

    QWidget* opened = ships::openShipDesigner(library.windows, &library.store, trader.id);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(ships::openShipDesigner(library.windows, &library.store, trader.id), opened);
    EXPECT_NE(ships::openShipDesigner(library.windows, &library.store), opened);
    EXPECT_EQ(opened->windowTitle(), "Ship Designer");
    auto* window = qobject_cast<ShipDesignerWindow*>(opened);
    ASSERT_NE(window, nullptr);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->design(), trader.design);
    EXPECT_EQ(child<QSpinBox>(*window, "stateroomCount")->value(), 10);

    child<QPushButton>(*window, "editDetailsButton")->click();
    ShipSaveSheet* sheet = openSheet(*window);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), "Edit Ship Details");
    EXPECT_EQ(child<QLineEdit>(*sheet, "shipNameField")->text(), "Beowulf");
    auto* name = child<QLineEdit>(*sheet, "shipNameField");
    name->clear();
    QTest::keyClicks(name, "Marava");
    child<QPushButton>(*sheet, "saveButton")->click();

    ASSERT_EQ(library.store.headers().size(), 1u);
    const SavedShipDesign after = onDisk(library.store, trader.id);
    EXPECT_EQ(after.id, trader.id);
    EXPECT_EQ(after.shipName, "Marava");
    EXPECT_EQ(after.configurationName, trader.configurationName);
    EXPECT_EQ(after.description, trader.description);
    EXPECT_EQ(after.createdDate, trader.createdDate);
    EXPECT_GT(after.modifiedDate, trader.createdDate);
    EXPECT_EQ(after.design, trader.design);
}

// A designer opened on a new design belongs to the ship it first saves: opening
// that ship ("Edit") brings the same window forward, and the command for a new
// design makes a fresh one. "Save As New Ship…" later moves it to the newer ship.
TEST(ShipDesignerSaving, ANewDesignOnceSavedIsTheWindowOfItsShip) {
    Library library;
    QWidget* opened = ships::openShipDesigner(library.windows, &library.store);
    auto* window = qobject_cast<ShipDesignerWindow*>(opened);
    ASSERT_NE(window, nullptr);
    const auto saveAsNew = [&](const QString& name) {
        child<QPushButton>(*window, "saveAsNewButton")->click();
        ShipSaveSheet* sheet = openSheet(*window);
        ASSERT_NE(sheet, nullptr);
        fillIn(*sheet, "Gazelle", "Close Escort", name, "");
        child<QPushButton>(*sheet, "saveButton")->click();
    };
    saveAsNew("Valiant");
    ASSERT_TRUE(window->savedId().has_value());
    const core::Uuid valiant = *window->savedId();
    EXPECT_EQ(ships::openShipDesigner(library.windows, &library.store, valiant), opened);
    QWidget* fresh = ships::openShipDesigner(library.windows, &library.store);
    EXPECT_NE(fresh, opened);

    saveAsNew("Dauntless");
    const core::Uuid dauntless = window->savedId().value_or(valiant);
    ASSERT_NE(dauntless, valiant);
    EXPECT_EQ(ships::openShipDesigner(library.windows, &library.store, dauntless), opened);
    QWidget* reopened = ships::openShipDesigner(library.windows, &library.store, valiant);
    EXPECT_NE(reopened, opened);
    EXPECT_NE(reopened, fresh);
}

// A ship that cannot be read opens a fresh design and says why; nothing is written.
TEST(ShipDesignerSaving, AShipThatCannotBeReadOpensANewDesign) {
    Library library;
    const core::Uuid missing = core::Uuid::generate();
    ShipDesignerWindow window(&library.store, missing);
    EXPECT_FALSE(window.savedId().has_value());
    EXPECT_EQ(window.design(), ships::ShipDesign{});
    EXPECT_FALSE(child<QLabel>(window, "designerMessage")->text().isEmpty());
    EXPECT_TRUE(library.store.headers().empty());
}

// Closing with changes not saved asks first: Cancel keeps the window, Save writes
// the changes into the ship, Discard lets them go.
TEST(ShipDesignerSaving, ClosingWithChangesNotSavedAsksFirst) {
    Library library;
    SavedShipDesign trader = velmora::testing::trader();
    ASSERT_TRUE(library.store.save(trader));
    std::vector<ui::SaveAnswer> answers;
    QStringList asked;
    const ui::SaveQuestion ask = [&](QWidget*, const QString& question, const QString&) {
        asked << question;
        const ui::SaveAnswer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    };

    QPointer<ShipDesignerWindow> window = new ShipDesignerWindow(&library.store, trader.id, ask);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->close();
    EXPECT_TRUE(asked.isEmpty()) << "nothing changed, nothing to ask";
    QApplication::processEvents();
    EXPECT_TRUE(window.isNull());

    window = new ShipDesignerWindow(&library.store, trader.id, ask);
    window->show();
    typeInto(child<QSpinBox>(*window, "stateroomCount"), "3");
    answers = {ui::SaveAnswer::cancel, ui::SaveAnswer::save};
    window->close();
    EXPECT_EQ(asked, QStringList{"Save the changes to Beowulf?"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(onDisk(library.store, trader.id).design.stateroomCount, 0);
    window->close();
    QApplication::processEvents();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(onDisk(library.store, trader.id).design.stateroomCount, 3);

    window = new ShipDesignerWindow(&library.store, std::nullopt, ask);
    window->show();
    typeInto(child<QSpinBox>(*window, "tonnage"), "1000");
    answers = {ui::SaveAnswer::discard};
    window->close();
    QApplication::processEvents();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(asked.last(), "Save this design as a new ship?");
    EXPECT_EQ(library.store.headers().size(), 1u);
}
