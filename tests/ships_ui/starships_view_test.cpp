#include "ships/saved_ship_design_json.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ui/export_ship_pdf_sheet.h"
#include "ships/ui/ship_image_window.h"
#include "ships/ui/starships_view.h"
#include "ships_ui_support.h"
#include "support/temporary_folder.h"
#include "support/widget_lookup.h"
#include "ui/empty_state_view.h"
#include "ui/window_registry.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace fs = std::filesystem;
using namespace velmora;
using ships::SavedShipDesign;
using ships::SavedShipDesignsStore;
using ships::StarshipsView;
using velmora::testing::child;
using velmora::testing::TemporaryFolder;

namespace {

// What the referee would answer, and what the view asked.
struct Referee {
    bool confirmAnswer = true;
    bool overwriteAnswer = true;
    QString imageFile;
    QString folder;
    QString sheetFile;
    std::optional<QSet<QString>> sheetImages = QSet<QString>{};

    QStringList asked; // "title: message" of every question and alert
    QString defaultSheetName;

    ships::StarshipsPrompts prompts() {
        ships::StarshipsPrompts prompts;
        prompts.confirm = [this](QWidget*, const QString& title, const QString& message) {
            asked << title + ": " + message;
            return confirmAnswer;
        };
        prompts.confirmOverwrite = [this](QWidget*, const QString& message) {
            asked << "Overwrite Ship?: " + message;
            return overwriteAnswer;
        };
        prompts.chooseImageFile = [this](QWidget*) { return imageFile; };
        prompts.chooseFolder = [this](QWidget*, const QString&) { return folder; };
        prompts.chooseSheetFile = [this](QWidget*, const QString& name) {
            defaultSheetName = name;
            return sheetFile;
        };
        prompts.chooseSheetImages = [this](QWidget*, const SavedShipDesign&,
                                           const QHash<QString, QImage>&) { return sheetImages; };
        prompts.alert = [this](QWidget*, const QString& title, const QString& message) {
            asked << title + ": " + message;
        };
        return prompts;
    }
};

struct Desk {
    TemporaryFolder data;
    SavedShipDesignsStore store{data / "ShipDesigns"};
    ui::WindowRegistry windows;
    Referee referee;
    std::vector<core::Uuid> opened;

    ~Desk() { windows.closeAll(); }

    std::unique_ptr<StarshipsView> view(bool withDesigner = true) {
        StarshipsView::DesignerOpener open;
        if (withDesigner)
            open = [this](const core::Uuid& id) { opened.push_back(id); };
        auto made = std::make_unique<StarshipsView>(store, windows, open, referee.prompts());
        made->resize(1000, 700);
        made->show();
        return made;
    }

    core::Uuid saved(SavedShipDesign ship) {
        EXPECT_TRUE(store.save(ship));
        return ship.id;
    }
};

QStringList listed(const QWidget& view) {
    QStringList names;
    auto* list = child<QListWidget>(view, QStringLiteral("shipList"));
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text().section(QLatin1Char('\n'), 0, 0);
    return names;
}

void click(const QWidget& view, const char* name) {
    auto* button = child<QPushButton>(view, QString::fromLatin1(name));
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void choose(const QWidget& view, int row) {
    child<QListWidget>(view, QStringLiteral("shipList"))->setCurrentRow(row);
}

} // namespace

TEST(StarshipsView, SaysWhatIsMissingAndListsShipsInNaturalOrder) {
    Desk desk;
    auto view = desk.view();
    EXPECT_TRUE(child<QLabel>(*view, QStringLiteral("noShipsLabel"))->isVisible());
    EXPECT_EQ(child<QLabel>(*view, QStringLiteral("noShipsLabel"))->text(), "No saved ships");
    auto* empty = child<ui::EmptyStateView>(*view, QStringLiteral("noShipSelected"));
    EXPECT_TRUE(empty->isVisible());
    EXPECT_EQ(empty->title(), "No Ship Selected");
    EXPECT_EQ(empty->message(),
              "Choose a saved ship, or save one from the Ship Designer (Ctrl+Shift+S).");

    for (const char* name : {"Ship 10", "ship 9", "Aurora", "Ship 2"})
        desk.saved(velmora::testing::trader(name));
    auto unnamed = velmora::testing::trader("");
    unnamed.configurationName = "Zephyr Class";
    desk.saved(unnamed);
    EXPECT_EQ(listed(*view),
              (QStringList{"Aurora", "Ship 2", "ship 9", "Ship 10", "Zephyr Class"}));
    EXPECT_FALSE(child<QLabel>(*view, QStringLiteral("noShipsLabel"))->isVisible());
    EXPECT_TRUE(empty->isVisible()) << "nothing is chosen yet";
}

TEST(StarshipsView, ShowsTheChosenShipWithItsDescriptionRendered) {
    Desk desk;
    const auto id = desk.saved(velmora::testing::trader("Beowulf"));
    auto view = desk.view();
    choose(*view, 0);
    EXPECT_EQ(view->selectedID(), id);
    EXPECT_EQ(child<QLabel>(*view, QStringLiteral("shipTitle"))->text(), "Beowulf");
    EXPECT_EQ(child<QLabel>(*view, QStringLiteral("shipSubtitle"))->text(),
              "Type-A2 Far Trader · Free Trader");
    auto* description = child<QTextBrowser>(*view, QStringLiteral("descriptionView"));
    EXPECT_EQ(description->toPlainText(), "A battered far trader on the Spinward Main.")
        << "Markdown marks are rendered, not shown";
    EXPECT_TRUE(description->toHtml().contains("font-weight:700") ||
                description->toHtml().contains("font-weight:600"));
    // 200 tons: bridge 10 tons and thrust 1 (2% = 2 tons) leave 188 tons of cargo.
    const QString summary =
        child<QTextBrowser>(*view, QStringLiteral("summaryView"))->toPlainText();
    EXPECT_TRUE(summary.contains("188")) << summary.toStdString();
    EXPECT_TRUE(child<QLabel>(*view, QStringLiteral("noImagesLabel"))->isVisible());
    EXPECT_EQ(child<QLabel>(*view, QStringLiteral("noImagesLabel"))->text(), "No images attached.");
}

TEST(StarshipsView, SaysWhyAListedShipCannotBeOpened) {
    Desk desk;
    auto broken = velmora::testing::trader("Odd");
    auto json = nlohmann::json::parse(ships::designFileText(broken));
    json["design"]["sensorSuite"] = "quantum";
    desk.data.write("ShipDesigns/" + broken.id.toString() + "/design.json", json.dump());
    desk.store.reloadHeaders();
    auto view = desk.view();
    choose(*view, 0);
    auto* state = child<ui::EmptyStateView>(*view, "noShipSelected");
    EXPECT_TRUE(state->isVisible());
    EXPECT_EQ(state->title(), "Couldn't Open Ship");
    EXPECT_TRUE(state->message().contains("design.sensorSuite")) << state->message().toStdString();
    choose(*view, -1);
    EXPECT_EQ(state->title(), "No Ship Selected");
}

TEST(StarshipsView, AddsOpensAndRemovesImages) {
    Desk desk;
    const auto id = desk.saved(velmora::testing::trader());
    auto view = desk.view();
    choose(*view, 0);

    velmora::testing::writePicture(desk.data / "deck plan", Qt::blue); // no extension
    desk.referee.imageFile = QString::fromStdString((desk.data / "deck plan").string());
    click(*view, "addImageButton");
    auto* images = child<QListWidget>(*view, QStringLiteral("imageList"));
    ASSERT_EQ(images->count(), 1);
    EXPECT_FALSE(child<QLabel>(*view, QStringLiteral("noImagesLabel"))->isVisible());
    const auto name = desk.store.load(id)->imageFilenames.at(0);
    EXPECT_TRUE(QString::fromStdString(name).endsWith(".png"));

    // A file that is not a picture is refused, and said so.
    desk.data.write("notes.txt", "cargo manifest");
    desk.referee.imageFile = QString::fromStdString((desk.data / "notes.txt").string());
    click(*view, "addImageButton");
    EXPECT_EQ(images->count(), 1);
    ASSERT_EQ(desk.referee.asked.size(), 1);
    EXPECT_TRUE(desk.referee.asked[0].startsWith("Couldn't Add Image: Couldn't add that image: "))
        << desk.referee.asked[0].toStdString();

    // A double click opens the picture in its window; a missing file says so.
    const QPoint spot = images->visualItemRect(images->item(0)).center();
    QTest::mouseClick(images->viewport(), Qt::LeftButton, {}, spot);
    QTest::mouseDClick(images->viewport(), Qt::LeftButton, {},
                       images->visualItemRect(images->item(0)).center());
    auto* window =
        desk.windows.find("ship-image", QString::fromStdString(id.toString() + "/" + name));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Ship Image");
    EXPECT_TRUE(dynamic_cast<ships::ShipImageWindow*>(window)->hasImage());
    ships::ShipImageWindow missing(desk.store, {id, "no-such-file.png"});
    EXPECT_FALSE(missing.hasImage());
    EXPECT_EQ(child<ui::EmptyStateView>(missing, "imageNotFound")->title(), "Image Not Found");

    images->item(0)->setSelected(true);
    desk.referee.confirmAnswer = false;
    click(*view, "removeImageButton");
    EXPECT_EQ(desk.store.load(id)->imageFilenames.size(), 1u) << "the referee said no";
    desk.referee.confirmAnswer = true;
    images->item(0)->setSelected(true);
    click(*view, "removeImageButton");
    EXPECT_TRUE(desk.store.load(id)->imageFilenames.empty());
    EXPECT_EQ(images->isVisible(), false);
}

TEST(StarshipsView, DuplicatesAndDeletesAfterAsking) {
    Desk desk;
    desk.saved(velmora::testing::trader("Beowulf"));
    auto view = desk.view();
    choose(*view, 0);
    click(*view, "duplicateButton");
    EXPECT_EQ(listed(*view), (QStringList{"Beowulf", "Beowulf Copy"}));
    EXPECT_EQ(child<QLabel>(*view, QStringLiteral("shipTitle"))->text(), "Beowulf Copy")
        << "the copy is chosen";

    desk.referee.confirmAnswer = false;
    click(*view, "deleteButton");
    EXPECT_EQ(desk.store.headers().size(), 2u);
    ASSERT_EQ(desk.referee.asked.size(), 1);
    EXPECT_TRUE(desk.referee.asked[0].startsWith("Delete Ship: "));
    EXPECT_TRUE(desk.referee.asked[0].contains("Beowulf Copy"));

    desk.referee.confirmAnswer = true;
    click(*view, "deleteButton");
    EXPECT_EQ(listed(*view), QStringList{"Beowulf"});
    EXPECT_TRUE(child<ui::EmptyStateView>(*view, "noShipSelected")->isVisible());

    // A ship without a name is "this ship".
    desk.saved(velmora::testing::trader(""));
    choose(*view, 1);
    click(*view, "deleteButton");
    EXPECT_TRUE(desk.referee.asked.last().contains("this ship"))
        << desk.referee.asked.last().toStdString();
}

TEST(StarshipsView, EditOpensTheDesignerOnlyWhenThereIsOne) {
    Desk desk;
    const auto id = desk.saved(velmora::testing::trader());
    {
        auto view = desk.view(/*withDesigner=*/false);
        choose(*view, 0);
        auto* edit = child<QPushButton>(*view, "editButton");
        EXPECT_FALSE(edit->isEnabled());
        EXPECT_FALSE(edit->toolTip().isEmpty());
    }
    auto view = desk.view();
    choose(*view, 0);
    click(*view, "editButton");
    EXPECT_EQ(desk.opened, std::vector<core::Uuid>{id});
}

TEST(StarshipsView, ExportsAFolderAndImportsItBackAskingBeforeReplacing) {
    Desk desk;
    const auto id = desk.saved(velmora::testing::trader("Beowulf"));
    velmora::testing::writePicture(desk.data / "hull.png", Qt::red);
    ASSERT_TRUE(desk.store.addImage(id, desk.data / "hull.png"));
    auto view = desk.view();
    choose(*view, 0);

    fs::create_directories(desk.data / "exports");
    desk.referee.folder = QString::fromStdString((desk.data / "exports").string());
    click(*view, "exportFolderButton");
    const fs::path exported = desk.data / "exports" / "Beowulf";
    ASSERT_TRUE(fs::exists(exported / "design.json"))
        << desk.referee.asked.join("\n").toStdString();
    ASSERT_TRUE(fs::exists(exported / "Beowulf.pdf"));
    EXPECT_TRUE(velmora::testing::pdfText(exported / "Beowulf.pdf").contains("Beowulf"));

    // The same ship again: asked, and declining leaves the library as it was.
    desk.referee.folder = QString::fromStdString(exported.string());
    desk.referee.overwriteAnswer = false;
    click(*view, "importButton");
    ASSERT_EQ(desk.referee.asked.size(), 1);
    EXPECT_EQ(desk.referee.asked[0],
              "Overwrite Ship?: A ship named \"Beowulf\" already exists and will be replaced "
              "with the contents of this folder.");
    EXPECT_EQ(desk.store.headers().size(), 1u);

    // Replacing brings the exported state back.
    ASSERT_TRUE(desk.store.duplicate(id));
    auto changed = *desk.store.load(id);
    changed.shipName = "Renamed";
    ASSERT_TRUE(desk.store.save(changed));
    desk.referee.overwriteAnswer = true;
    click(*view, "importButton");
    EXPECT_EQ(desk.store.load(id)->shipName, "Beowulf");
    EXPECT_EQ(view->selectedID(), id);

    // A folder that is no export says so under the import's title.
    fs::create_directories(desk.data / "empty");
    desk.referee.folder = QString::fromStdString((desk.data / "empty").string());
    click(*view, "importButton");
    EXPECT_EQ(desk.referee.asked.last(),
              "Couldn't Import Ship: Couldn't find a design.json in the selected folder — is it "
              "a ship export?");
}

TEST(StarshipsView, ExportsTheSheetWithTheChosenImages) {
    Desk desk;
    const auto id = desk.saved(velmora::testing::trader("Beowulf"));
    velmora::testing::writePicture(desk.data / "hull.png", Qt::darkGreen, 300, 200);
    ASSERT_TRUE(desk.store.addImage(id, desk.data / "hull.png"));
    auto view = desk.view();
    choose(*view, 0);

    const fs::path withImage = desk.data / "with.pdf";
    const fs::path without = desk.data / "without.pdf";
    desk.referee.sheetImages =
        QSet<QString>{QString::fromStdString(desk.store.load(id)->imageFilenames[0])};
    desk.referee.sheetFile = QString::fromStdString(withImage.string());
    click(*view, "exportPdfButton");
    EXPECT_EQ(desk.referee.defaultSheetName, "Beowulf Datasheet.pdf");
    desk.referee.sheetImages = QSet<QString>{};
    desk.referee.sheetFile = QString::fromStdString(without.string());
    click(*view, "exportPdfButton");

    ASSERT_TRUE(fs::exists(withImage));
    ASSERT_TRUE(fs::exists(without));
    // The page is the same text either way; the picture only adds to the file.
    EXPECT_TRUE(velmora::testing::pdfText(without).contains("Beowulf"));
    EXPECT_GT(fs::file_size(withImage), fs::file_size(without));

    // Cancelling the image choice writes nothing.
    desk.referee.sheetImages.reset();
    desk.referee.sheetFile = QString::fromStdString((desk.data / "never.pdf").string());
    click(*view, "exportPdfButton");
    EXPECT_FALSE(fs::exists(desk.data / "never.pdf"));
}

TEST(ExportShipPDFSheet, ChoosesImagesWithSelectAllAndSelectNone) {
    auto saved = velmora::testing::trader("Beowulf");
    saved.imageFilenames = {"A.png", "B.jpg"};
    ships::ExportShipPDFSheet sheet(saved, {});
    EXPECT_EQ(sheet.windowTitle(), "Export Beowulf to PDF");
    EXPECT_EQ(sheet.selectedFilenames(), (QSet<QString>{"A.png", "B.jpg"}));
    QTest::mouseClick(child<QPushButton>(sheet, "selectNoneButton"), Qt::LeftButton);
    EXPECT_TRUE(sheet.selectedFilenames().isEmpty());
    child<QCheckBox>(sheet, "imageCheck:B.jpg")->setChecked(true);
    EXPECT_EQ(sheet.selectedFilenames(), QSet<QString>{"B.jpg"});
    QTest::mouseClick(child<QPushButton>(sheet, "selectAllButton"), Qt::LeftButton);
    EXPECT_EQ(sheet.selectedFilenames().size(), 2);

    saved.imageFilenames.clear();
    ships::ExportShipPDFSheet plain(saved, {});
    EXPECT_EQ(child<QLabel>(plain, "noImagesNote")->text(),
              "This design has no attached images — the PDF will show the description and stats "
              "only.");
    EXPECT_EQ(plain.findChild<QPushButton*>("selectAllButton"), nullptr);
}
