// The "Campaign" view as the referee meets it: no campaigns, the sheets that make
// and edit them, the picker, backups, deleting, a damaged campaigns file, and the
// campaign still there when the program starts again.

#include "campaign/campaign_clock.h"
#include "campaign/ui/campaign_sheet.h"
#include "campaign_ui/campaign_desk.h"
#include "core/previous_version.h"
#include "ui/empty_state_view.h"

#include <QComboBox>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::testing;
using campaign::Campaign;
using campaign::Gamemastering;

TEST(CampaignView, WithoutCampaignsSaysHowToStartAndMakesTheFirst) {
    CampaignDesk desk;
    auto* empty = desk.part<ui::EmptyStateView>("noCampaignsMessage");
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->isVisible());
    EXPECT_EQ(empty->message(), "Press 'New Campaign' below.");
    EXPECT_FALSE(desk.part<QComboBox>("campaignPicker")->isVisible());

    QTest::mouseClick(desk.button("newCampaignBelow"), Qt::LeftButton);
    auto* sheet = desk.sheet<campaign::CampaignSheet>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), "New Campaign");
    // Every field says what it wants.
    for (const char* help : {"Enter a name for the campaign.",
                             "A four-letter code is required to identify the campaign.",
                             "The universe this campaign is set in."}) {
        bool found = false;
        for (const QLabel* label : sheet->findChildren<QLabel*>())
            found = found || label->text() == help;
        EXPECT_TRUE(found) << help;
    }
    // The stored universes by name, the open one chosen.
    auto* universe = child<QComboBox>(*sheet, "campaignUniverse");
    EXPECT_EQ(universe->currentText(), "My Universe");
    EXPECT_EQ(universe->itemText(universe->count() - 1), "None");
    child<QLineEdit>(*sheet, "campaignName")->setText("  Spinward Run ");
    child<QLineEdit>(*sheet, "campaignCode")->setText("spin");
    child<QPlainTextEdit>(*sheet, "campaignDescription")->setPlainText("Free traders.");
    QTest::mouseClick(child<QPushButton>(*sheet, "submitCampaign"), Qt::LeftButton);
    settle();
    EXPECT_EQ(desk.view->findChild<campaign::CampaignSheet*>(), nullptr) << "the sheet closed";

    ASSERT_EQ(desk.store->campaigns().size(), 1u);
    const Campaign& made = desk.selected();
    EXPECT_EQ(made.code, "SPIN");
    EXPECT_EQ(made.name, "Spinward Run");
    EXPECT_EQ(made.universeID, desk.manager->current().id());
    EXPECT_EQ(made.date.timeText(), "12:00-001-1105");
    EXPECT_EQ(desk.text("campaignTitle"), "Spinward Run (SPIN)");
    EXPECT_EQ(desk.text("campaignDetails"), "Set in “My Universe”. Free traders.");
    EXPECT_EQ(desk.part<QComboBox>("campaignPicker")->currentText(), "Spinward Run (SPIN)");
    // Saved at once, with the selection.
    ASSERT_EQ(desk.onDisk().size(), 1u);
    EXPECT_EQ(desk.folder.read(Gamemastering::selectedCodeFileName), "SPIN");
}

TEST(CampaignView, TheNewCampaignSheetRefusesWhatWouldClash) {
    CampaignDesk desk;
    ASSERT_EQ(desk.createCampaign("Spinward Run", "SPIN"), nullptr);

    struct Case {
        QString name;
        QString code;
        QString problem;
    };
    for (const Case& c :
         {Case{"Trojan Reach", "spin", "This code is already in use"},
          Case{" spinward RUN ", "TROJ", "A campaign with this name already exists"},
          Case{"Trojan Reach", "TROJA", "Code must be exactly 4 characters"},
          Case{"", "TROJ", "Enter a name for the campaign."}}) {
        QDialog* open = desk.createCampaign(c.name, c.code);
        ASSERT_NE(open, nullptr) << "refused: the sheet stays open";
        EXPECT_EQ(shownText(child<QLabel>(*open, "campaignSheetProblem")), c.problem);
        open->reject();
        settle();
    }
    EXPECT_EQ(desk.store->campaigns().size(), 1u);
    EXPECT_EQ(desk.onDisk().size(), 1u);
}

TEST(CampaignView, EditingChangesNameUniverseAndDescriptionButNotTheCode) {
    CampaignDesk desk;
    desk.createCampaign("Spinward Run", "SPIN");
    desk.createCampaign("Trojan Reach", "TROJ");
    click(desk.button("editCampaign"));
    auto* sheet = desk.sheet<campaign::CampaignSheet>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), "Edit Campaign");
    auto* code = child<QLineEdit>(*sheet, "campaignCode");
    EXPECT_EQ(code->text(), "TROJ");
    EXPECT_FALSE(code->isEnabled());
    bool explained = false;
    for (const QLabel* label : sheet->findChildren<QLabel*>())
        explained = explained || label->text() == "Campaign code cannot be changed.";
    EXPECT_TRUE(explained);
    EXPECT_EQ(child<QPushButton>(*sheet, "submitCampaign")->text(), "Save");

    // Another campaign's name is refused; its own, changed, is taken.
    child<QLineEdit>(*sheet, "campaignName")->setText("spinward run");
    click(child<QPushButton>(*sheet, "submitCampaign"));
    EXPECT_EQ(shownText(child<QLabel>(*sheet, "campaignSheetProblem")),
              "A campaign with this name already exists");
    child<QLineEdit>(*sheet, "campaignName")->setText("The Trojan Reach");
    auto* universe = child<QComboBox>(*sheet, "campaignUniverse");
    universe->setCurrentIndex(universe->findText("None"));
    click(child<QPushButton>(*sheet, "submitCampaign"));
    EXPECT_EQ(desk.view->findChild<campaign::CampaignSheet*>(), nullptr);
    EXPECT_EQ(desk.selected().name, "The Trojan Reach");
    EXPECT_EQ(desk.selected().code, "TROJ");
    EXPECT_FALSE(desk.selected().universeID);
    EXPECT_EQ(desk.text("campaignDetails"), "Set in no universe.");
}

TEST(CampaignView, ThePickerSelectsAndTheSelectionOutlivesARestart) {
    CampaignDesk desk;
    desk.createCampaign("Spinward Run", "SPIN");
    desk.createCampaign("Trojan Reach", "TROJ");
    auto* picker = desk.part<QComboBox>("campaignPicker");
    ASSERT_EQ(picker->count(), 2);
    EXPECT_EQ(picker->currentText(), "Trojan Reach (TROJ)");
    picker->setCurrentIndex(0);
    emit picker->activated(0);
    settle();
    EXPECT_EQ(desk.store->selectedCampaignCode(), "SPIN");
    EXPECT_EQ(desk.text("campaignTitle"), "Spinward Run (SPIN)");

    desk.restart();
    EXPECT_EQ(desk.store->selectedCampaignCode(), "SPIN");
    EXPECT_EQ(desk.part<QComboBox>("campaignPicker")->currentText(), "Spinward Run (SPIN)");
}

TEST(CampaignView, DeletingAsksFirstAndLeavesAnotherCampaignShown) {
    CampaignDesk desk;
    desk.createCampaign("Spinward Run", "SPIN");
    desk.createCampaign("Trojan Reach", "TROJ");

    desk.confirm = false;
    click(desk.button("deleteCampaign"));
    ASSERT_EQ(desk.questions.size(), 1u);
    EXPECT_TRUE(desk.questions[0].contains("Trojan Reach")) << desk.questions[0].toStdString();
    EXPECT_EQ(desk.store->campaigns().size(), 2u);

    desk.confirm = true;
    click(desk.button("deleteCampaign"));
    ASSERT_EQ(desk.store->campaigns().size(), 1u);
    EXPECT_EQ(desk.selected().code, "SPIN");
    EXPECT_EQ(desk.onDisk().size(), 1u);

    click(desk.button("deleteCampaign"));
    EXPECT_TRUE(desk.store->campaigns().empty());
    EXPECT_TRUE(desk.part<QWidget>("noCampaigns")->isVisible());
}

TEST(CampaignView, BackupsGoOutAndComeBackAskingAboutAClash) {
    CampaignDesk desk;
    desk.createCampaign("Spinward Run", "SPIN");
    desk.store->edit("SPIN", [](Campaign& c) { campaign::advanceTime(c, 90); });

    const auto backup = desk.folder / "spin-backup.json";
    desk.chosenFile = QString::fromStdString(backup.string());
    click(desk.button("exportBackup"));
    EXPECT_EQ(desk.suggestedFile, "Spinward Run-backup.json");
    EXPECT_EQ(desk.text("backupMessage"), "Exported “Spinward Run” to spin-backup.json.");
    ASSERT_TRUE(std::filesystem::exists(backup));

    // The same campaign again: the referee is asked, and may walk away.
    desk.conflictAnswer.reset();
    click(desk.button("importBackup"));
    ASSERT_EQ(desk.questions.size(), 1u);
    EXPECT_TRUE(desk.questions[0].contains("Replace it with the backup, or keep both"));
    EXPECT_EQ(desk.store->campaigns().size(), 1u);

    // Keeping both needs a new code, checked as a new campaign's is.
    desk.conflictAnswer = campaign::ImportRequest{campaign::ImportConflictChoice::keepBoth, "SPI"};
    click(desk.button("importBackup"));
    EXPECT_EQ(desk.text("backupError"), "Code must be exactly 4 characters");
    desk.conflictAnswer = campaign::ImportRequest{campaign::ImportConflictChoice::keepBoth, "spn2"};
    click(desk.button("importBackup"));
    ASSERT_EQ(desk.store->campaigns().size(), 2u);
    EXPECT_EQ(desk.selected().code, "SPN2");
    EXPECT_EQ(desk.selected().name, "Spinward Run (imported)");
    EXPECT_EQ(desk.selected().date.timeText(), "13:30-001-1105");
    EXPECT_TRUE(desk.text("backupMessage").startsWith("Imported"));

    // A file that is no backup says so.
    desk.folder.write("not-a-backup.json", "[1, 2, 3]");
    desk.chosenFile = QString::fromStdString((desk.folder / "not-a-backup.json").string());
    click(desk.button("importBackup"));
    EXPECT_TRUE(desk.text("backupError").startsWith("not-a-backup.json is not a campaign backup"))
        << desk.text("backupError").toStdString();
}

TEST(CampaignView, AnUnreadableCampaignsFileIsShownWithItsPathAndCanBeRestored) {
    CampaignDesk desk;
    desk.createCampaign("Spinward Run", "SPIN");
    desk.store->edit("SPIN", [](Campaign& c) { campaign::advanceTime(c, 10); });
    desk.folder.write(Gamemastering::campaignsFileName, "{ damaged");
    desk.restart();

    auto* problem = desk.part<QWidget>("loadProblem");
    ASSERT_TRUE(problem->isVisible());
    const QString message = desk.text("loadProblemMessage");
    EXPECT_TRUE(message.contains(
        QString::fromStdString((desk.folder / Gamemastering::campaignsFileName).string())))
        << message.toStdString();
    EXPECT_TRUE(desk.button("restorePreviousVersion")->isVisible());
    EXPECT_TRUE(desk.part<QWidget>("noCampaigns")->isVisible());

    // Dismissed, the message stays away while the view is made anew.
    click(desk.button("dismissLoadProblem"));
    EXPECT_FALSE(problem->isVisible());
    desk.openView();
    EXPECT_FALSE(desk.part<QWidget>("loadProblem")->isVisible());
    EXPECT_EQ(desk.folder.read(Gamemastering::campaignsFileName), "{ damaged")
        << "nothing was written over it";

    // Restoring brings back the campaign the last good save held.
    desk.memory->dismissedLoadProblem.reset();
    desk.openView();
    click(desk.button("restorePreviousVersion"));
    EXPECT_FALSE(desk.part<QWidget>("loadProblem")->isVisible());
    ASSERT_EQ(desk.store->campaigns().size(), 1u);
    EXPECT_EQ(desk.store->campaigns()[0].code, "SPIN");
}

TEST(CampaignView, TheShipTabShowsTheManifest) {
    CampaignDesk desk;
    desk.createCampaign("Spinward Run", "SPIN");
    auto* tabs = desk.part<QTabWidget>("campaignTabs");
    QStringList names;
    for (int i = 0; i < tabs->count(); ++i)
        names << tabs->tabText(i);
    EXPECT_EQ(names, (QStringList{"Time && Place", "Players", "Journal", "Calendar", "Ship"}));
    tabs->setCurrentIndex(4);
    // Without a ship library nothing can be checked against a ship.
    EXPECT_EQ(desk.part<QLabel>("manifestShip")->text(),
              QString::fromUtf8("No ship selected \u2014 capacity can't be checked."));
    EXPECT_EQ(desk.part<QLabel>("manifestEmpty")->text(), "Nothing aboard yet.");
}
