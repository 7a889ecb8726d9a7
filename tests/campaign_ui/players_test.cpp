// Players and their money, driven through the "Players" tab and its sheets.

#include "campaign/campaign_clock.h"
#include "campaign/players.h"
#include "campaign/ui/common_credits_sheet.h"
#include "campaign/ui/player_sheets.h"
#include "campaign_ui/campaign_desk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::testing;
using campaign::Campaign;
using campaign::PlayerInfo;

namespace {

struct PlayersDesk : CampaignDesk {
    PlayersDesk() {
        createCampaign("Spinward Run", "SPIN");
        part<QTabWidget>("campaignTabs")->setCurrentIndex(1);
        settle();
    }

    // "Add Player" filled in and created; the sheet when it stays open.
    QDialog* addPlayer(const QString& name, const QString& character) {
        click(button("addPlayer"));
        auto* dialog = sheet<campaign::NewPlayerSheet>();
        if (!dialog)
            return nullptr;
        child<QLineEdit>(*dialog, "playerName")->setText(name);
        child<QLineEdit>(*dialog, "playerCharacterName")->setText(character);
        click(child<QPushButton>(*dialog, "submitPlayer"));
        return view->findChild<campaign::NewPlayerSheet*>();
    }
    const PlayerInfo& player(std::size_t index) const { return selected().players.at(index); }
    QLineEdit* amount(const char* key) const {
        return part<QLineEdit>(QStringLiteral("amount-") + QLatin1String(key));
    }
};

} // namespace

TEST(PlayersPanel, AddsPlayersThroughTheSheetAndRefusesATakenName) {
    PlayersDesk desk;
    EXPECT_TRUE(desk.part<QLabel>("noPlayers")->isVisible());
    EXPECT_EQ(desk.addPlayer("Ana", "Captain Ilse Varga"), nullptr);
    EXPECT_EQ(desk.addPlayer("Bram", "Doc Morrow"), nullptr);

    QDialog* refused = desk.addPlayer(" Ana ", "Someone Else");
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(shownText(child<QLabel>(*refused, "newPlayerProblem")),
              "A player with this name already exists");
    child<QLineEdit>(*refused, "playerName")->setText("Cass");
    child<QLineEdit>(*refused, "playerCharacterName")->clear();
    click(child<QPushButton>(*refused, "submitPlayer"));
    EXPECT_EQ(shownText(child<QLabel>(*refused, "newPlayerProblem")),
              "Enter a name for the player's character.");
    refused->reject();
    settle();

    auto* list = desk.part<QListWidget>("playerList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Bram — Doc Morrow");
    // The new player is the one shown.
    EXPECT_EQ(desk.text("ledgerTitle"), "Doc Morrow — played by Bram");
    ASSERT_EQ(desk.onDisk()[0].players.size(), 2u);
    EXPECT_EQ(desk.onDisk()[0].players[0].socialStanding, 7);
}

TEST(PlayersPanel, TheLedgerPaysCollectsAndTurnsNegativeCashIntoDebt) {
    PlayersDesk desk;
    desk.addPlayer("Ana", "Ilse");
    // 64-bit money, typed as the referee writes it.
    typeInto(desk.amount("cash"), "Cr1,500");
    typeInto(desk.amount("bank"), "12 000 000 000");
    typeInto(desk.amount("livingExpenses"), "2000");
    typeInto(desk.amount("pension"), "500");
    EXPECT_EQ(desk.player(0).cash, 1'500);
    EXPECT_EQ(desk.player(0).bank, 12'000'000'000);
    EXPECT_EQ(desk.amount("cash")->text(), "1500");

    typeInto(desk.amount("debt"), "-5");
    EXPECT_EQ(desk.text("ledgerProblem"), "The amount can't be negative.");
    typeInto(desk.amount("debt"), "lots");
    EXPECT_EQ(desk.text("ledgerProblem"), "“lots” is not a whole number of credits.");
    EXPECT_EQ(desk.player(0).debt, 0);

    // Nothing is owed before the markers are set; "Reset Trackers" sets them.
    EXPECT_EQ(desk.text("owed-livingExpenses"), "0 months owed");
    click(desk.button("resetTrackers"));
    desk.store->edit("SPIN", [](Campaign& c) { campaign::advanceTime(c, 2 * 40'320); });
    EXPECT_EQ(desk.text("owed-livingExpenses"), "2 months owed");
    EXPECT_EQ(desk.text("owed-pension"), "2 months to collect");

    click(desk.button("collectPension"));
    EXPECT_EQ(desk.player(0).cash, 2'000);
    EXPECT_EQ(desk.text("owed-pension"), "1 month to collect");
    // Paying more than the cash leaves debt, never negative cash.
    click(desk.button("payLivingExpenses"));
    click(desk.button("payLivingExpenses"));
    EXPECT_EQ(desk.player(0).cash, 0);
    EXPECT_EQ(desk.player(0).debt, 2'000);
    EXPECT_EQ(desk.amount("debt")->text(), "2000");
    EXPECT_EQ(desk.text("owed-livingExpenses"), "0 months owed");

    // Cash typed below zero is debt too; paying off what the cash covers.
    typeInto(desk.amount("cash"), "-300");
    EXPECT_EQ(desk.player(0).cash, 0);
    EXPECT_EQ(desk.player(0).debt, 2'300);
    typeInto(desk.amount("cash"), "1000");
    click(desk.button("payOffDebt"));
    EXPECT_EQ(desk.player(0).cash, 0);
    EXPECT_EQ(desk.player(0).debt, 1'300);
    EXPECT_EQ(desk.onDisk()[0].players[0].debt, 1'300);
}

TEST(PlayersPanel, TransfersRefuseMoreThanTheSourceHolds) {
    PlayersDesk desk;
    desk.addPlayer("Ana", "Ilse");
    typeInto(desk.amount("cash"), "1200");
    typeInto(desk.amount("bank"), "5000");
    click(desk.button("transferFunds"));
    auto* sheet = desk.sheet<campaign::TransferFundsSheet>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(child<QLabel>(*sheet, "transferBalances")->text(), "Cash: Cr1200    Bank: Cr5000");

    child<QLineEdit>(*sheet, "transferAmount")->setText("2000");
    click(child<QPushButton>(*sheet, "transferButton"));
    EXPECT_EQ(shownText(child<QLabel>(*sheet, "transferProblem")), "Only Cr1200 available.");
    EXPECT_EQ(desk.player(0).cash, 1'200);

    auto* direction = child<QComboBox>(*sheet, "transferDirection");
    direction->setCurrentIndex(1); // bank to cash
    // Return in the amount transfers, and the sheet stays for more.
    child<QLineEdit>(*sheet, "transferAmount")->setText("2000");
    QTest::keyClick(child<QLineEdit>(*sheet, "transferAmount"), Qt::Key_Return);
    settle();
    ASSERT_EQ(desk.view->findChild<campaign::TransferFundsSheet*>(), sheet);
    EXPECT_EQ(shownText(child<QLabel>(*sheet, "transferProblem")), "");
    EXPECT_EQ(child<QLabel>(*sheet, "transferBalances")->text(), "Cash: Cr3200    Bank: Cr3000");
    click(child<QPushButton>(*sheet, "transferDone"));
    EXPECT_EQ(desk.view->findChild<campaign::TransferFundsSheet*>(), nullptr);
    EXPECT_EQ(desk.amount("bank")->text(), "3000");
    EXPECT_EQ(desk.onDisk()[0].players[0].cash, 3'200);
}

TEST(PlayersPanel, CommonCreditsPoolAndDistributeLeavingTheRemainder) {
    PlayersDesk desk;
    for (const char* name : {"Ana", "Bram", "Cass", "Dov"})
        desk.addPlayer(name, QStringLiteral("%1's character").arg(name));
    // Dov is a salaried NPC and takes no part.
    desk.part<QListWidget>("playerList")->setCurrentRow(3);
    settle();
    click(desk.part<QCheckBox>("ledgerNPC"));
    ASSERT_TRUE(desk.player(3).isNPC);
    for (std::size_t i = 0; i < 3; ++i)
        desk.store->edit("SPIN", [&](Campaign& c) { c.players[i].cash = 1'000; });

    click(desk.button("openCommonCredits"));
    auto* sheet = desk.sheet<campaign::CommonCreditsSheet>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(child<QLabel>(*sheet, "commonCreditsCurrent")->text(), "Currently Cr0");
    EXPECT_EQ(child<QLabel>(*sheet, "poolDescription")->text(),
              "Collects the same amount from each of the 3 players and adds the total to Common "
              "Credits.");
    QTest::keyClicks(child<QLineEdit>(*sheet, "poolAmount"), "400");
    EXPECT_EQ(child<QLabel>(*sheet, "poolTotal")->text(), "Total: Cr1200");
    click(child<QPushButton>(*sheet, "poolButton"));
    EXPECT_EQ(child<QLabel>(*sheet, "commonCreditsCurrent")->text(), "Currently Cr1200");
    EXPECT_EQ(desk.player(0).cash, 600);
    EXPECT_EQ(desk.player(3).cash, 0);

    EXPECT_EQ(child<QLabel>(*sheet, "distributeDescription")->text(),
              "Splits a total amount evenly across the 3 players, deducted from Common Credits.");
    QTest::keyClicks(child<QLineEdit>(*sheet, "distributeAmount"), "1000");
    EXPECT_EQ(child<QLabel>(*sheet, "distributeShare")->text(),
              "Cr333 each (Cr1 remainder stays in Common Credits)");
    QTest::keyClick(child<QLineEdit>(*sheet, "distributeAmount"), Qt::Key_Return);
    settle();
    ASSERT_EQ(desk.view->findChild<campaign::CommonCreditsSheet*>(), sheet);
    EXPECT_EQ(child<QLabel>(*sheet, "commonCreditsCurrent")->text(), "Currently Cr201");
    EXPECT_EQ(desk.player(2).cash, 933);
    click(child<QPushButton>(*sheet, "commonCreditsDone"));
    EXPECT_EQ(desk.text("commonCreditsSummary"), "Common Credits: Cr201");
    EXPECT_EQ(desk.onDisk()[0].commonCredits, 201);
}

TEST(PlayersPanel, NPCSalariesArePaidAndOverdueOnesSettledInOne) {
    PlayersDesk desk;
    desk.addPlayer("Dov", "Engineer Hask");
    click(desk.part<QCheckBox>("ledgerNPC"));
    EXPECT_TRUE(desk.amount("salary")->isVisible());
    typeInto(desk.amount("salary"), "3000");
    desk.store->edit("SPIN", [](Campaign& c) { c.commonCredits = 20'000; });
    EXPECT_EQ(desk.button("payOverdueSalaries")->text(), "Salaries Due (Cr0)");
    EXPECT_FALSE(desk.button("payOverdueSalaries")->isEnabled());

    click(desk.button("resetAllMarkers"));
    EXPECT_EQ(desk.text("feedback"), "Reset all accrual markers to the current month.");
    desk.store->edit("SPIN", [](Campaign& c) { campaign::advanceTime(c, 3 * 40'320); });
    EXPECT_EQ(desk.text("owed-salary"), "3 months owed");
    click(desk.button("paySalary"));
    EXPECT_EQ(desk.player(0).cash, 3'000);
    EXPECT_EQ(desk.selected().commonCredits, 17'000);
    EXPECT_EQ(desk.button("payOverdueSalaries")->text(), "Salaries Due (Cr6000)");
    click(desk.button("payOverdueSalaries"));
    EXPECT_EQ(desk.text("feedback"), "Paid Cr6000 in overdue NPC salaries.");
    EXPECT_EQ(desk.selected().commonCredits, 11'000);
    EXPECT_EQ(desk.text("owed-salary"), "0 months owed");
}

TEST(PlayersPanel, TrainingRunsToTheEduCheckAndAPassRaisesTheLevel) {
    PlayersDesk desk;
    desk.addPlayer("Ana", "Ilse");
    desk.addPlayer("Bram", "Morrow"); // trains nothing
    desk.part<QListWidget>("playerList")->setCurrentRow(0);
    settle();
    typeInto(desk.part<QLineEdit>("ledgerTraining"), "Pilot");
    EXPECT_EQ(desk.text("trainingProgress"), "1 to reach level 0");
    auto* check = desk.part<QWidget>("eduCheck");
    for (int week = 1; week <= 7; ++week)
        click(desk.button("addTrainingWeek"));
    EXPECT_EQ(desk.text("feedback"), "Added 1 week of training progress for all players.");
    EXPECT_EQ(desk.part<QSpinBox>("trainingWeeks")->value(), 7);
    EXPECT_FALSE(check->isVisible());

    click(desk.button("addTrainingWeek"));
    EXPECT_EQ(desk.part<QSpinBox>("trainingWeeks")->value(), 0);
    ASSERT_TRUE(check->isVisible());
    bool told = false;
    for (const QLabel* label : check->findChildren<QLabel*>())
        told = told || label->text() == "Study Period complete — roll EDU 8+";
    EXPECT_TRUE(told);
    // Nothing moves while the check waits.
    click(desk.button("addTrainingWeek"));
    EXPECT_EQ(desk.part<QSpinBox>("trainingWeeks")->value(), 0);

    click(desk.button("eduPassed"));
    EXPECT_FALSE(check->isVisible());
    EXPECT_EQ(desk.player(0).trainingSkillLevel, 0);
    EXPECT_EQ(desk.part<QSpinBox>("trainingSkillLevel")->value(), 0);
    EXPECT_EQ(desk.text("trainingProgress"), "1 to reach level 1");
    EXPECT_EQ(desk.player(1).weeks, 0);

    // Eight weeks typed in complete a period at once; a failure spends it.
    typeInto(desk.part<QSpinBox>("trainingWeeks"), 9);
    EXPECT_TRUE(check->isVisible());
    EXPECT_EQ(desk.player(0).weeks, 1);
    click(desk.button("eduFailed"));
    EXPECT_EQ(desk.player(0).trainingSkillLevel, 0);
    EXPECT_EQ(desk.onDisk()[0].players[0].training, "Pilot");
}

TEST(PlayersPanel, SkillsAndFlagsAreStoredAndRemovingAsksFirst) {
    PlayersDesk desk;
    desk.addPlayer("Ana", "Ilse");
    typeInto(desk.part<QSpinBox>("skill-broker"), 2);
    typeInto(desk.part<QSpinBox>("skill-socialStanding"), 10);
    click(desk.part<QCheckBox>("ledgerJTAS"));
    typeInto(desk.part<QLineEdit>("ledgerRole"), "Pilot");
    EXPECT_EQ(desk.player(0).broker, 2);
    EXPECT_EQ(desk.player(0).socialStanding, 10);
    EXPECT_TRUE(desk.player(0).jtas);
    EXPECT_EQ(desk.onDisk()[0].players[0].role, "Pilot");

    desk.confirm = false;
    click(desk.button("removePlayer"));
    EXPECT_EQ(desk.selected().players.size(), 1u);
    desk.confirm = true;
    click(desk.button("removePlayer"));
    EXPECT_TRUE(desk.selected().players.empty());
    EXPECT_TRUE(desk.part<QLabel>("noPlayers")->isVisible());
}
