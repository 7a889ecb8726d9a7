#include "campaign/campaign_rules.h"
#include "campaign/common_credits.h"
#include "campaign/player_ledger.h"
#include "campaign/players.h"
#include "sample_campaign.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::campaign;
using velmora::testing::addSamplePlayer;
using velmora::testing::dateAt;
using velmora::testing::sampleCampaign;

// The sample campaign stands on day 100 of 1105: month index 14368.
constexpr int thisMonth = 14'368;

TEST(PlayerLedger, CashBelowZeroBecomesDebt) {
    Campaign c = sampleCampaign();
    PlayerInfo& p = addSamplePlayer(c, "Ana");
    p.cash = 300;
    p.debt = 1'000;
    p.livingExpenses = 500;
    payLivingExpenses(p, c.date);
    EXPECT_EQ(p.cash, 0);
    EXPECT_EQ(p.debt, 1'200); // 1000 + (500 - 300)

    p.monthlyPayment = 3'000'000'000; // a starship's mortgage
    p.cash = 1'000'000'000;
    payMonthlyPayment(p, c.date);
    EXPECT_EQ(p.cash, 0);
    EXPECT_EQ(p.debt, 2'000'001'200);
}

TEST(PlayerLedger, PayingOffDebtPaysWhatTheCashCovers) {
    PlayerInfo p;
    p.cash = 3'000;
    p.debt = 5'000;
    payOffDebt(p);
    EXPECT_EQ(p.cash, 0);
    EXPECT_EQ(p.debt, 2'000);

    p.cash = 7'000;
    payOffDebt(p);
    EXPECT_EQ(p.cash, 5'000);
    EXPECT_EQ(p.debt, 0);
}

TEST(PlayerLedger, MonthsOwedCountFromSetMarkersOnly) {
    Campaign c = sampleCampaign();
    PlayerInfo& p = addSamplePlayer(c, "Ana");
    p.pension = 1'000;
    // Unset markers owe nothing, however far the clock runs.
    c.date = c.date.adding(3 * 40'320);
    EXPECT_EQ(monthsOwed(p.pensionAccruedMonth, c.date), 0);

    resetTrackers(p, c.date); // day 184: month index 14365 + 183 div 28 = 14371
    EXPECT_EQ(p.pensionAccruedMonth, 14'371);
    EXPECT_EQ(p.salaryAccruedMonth, 14'371);
    c.date = c.date.adding(2 * 40'320); // day 240: 14365 + 239 div 28 = 14373
    EXPECT_EQ(monthsOwed(p.pensionAccruedMonth, c.date), 2);

    collectPension(p, c.date);
    EXPECT_EQ(p.cash, 1'000);
    EXPECT_EQ(p.pensionAccruedMonth, 14'372);
    EXPECT_EQ(monthsOwed(p.pensionAccruedMonth, c.date), 1);

    // Paid ahead owes nothing rather than a negative count.
    EXPECT_EQ(monthsOwed(14'380, c.date), 0);
}

TEST(PlayerLedger, PayingAgainstAnUnsetMarkerSettlesTheMonthAfterThisOne) {
    Campaign c = sampleCampaign();
    PlayerInfo& p = addSamplePlayer(c, "Ana");
    p.cash = 2'000;
    p.livingExpenses = 500;
    payLivingExpenses(p, c.date);
    EXPECT_EQ(p.livingExpensesAccruedMonth, thisMonth + 1);
    EXPECT_EQ(monthsOwed(p.livingExpensesAccruedMonth, c.date), 0);
    EXPECT_EQ(p.cash, 1'500);
}

TEST(PlayerLedger, TransfersRefuseMoreThanTheSourceHolds) {
    PlayerInfo p;
    p.cash = 1'200;
    p.bank = 5'000;
    EXPECT_EQ(transferBalancesText(p), "Cash: Cr1200    Bank: Cr5000");
    EXPECT_EQ(transferFunds(p, 1'500, TransferDirection::cashToBank), "Only Cr1200 available.");
    EXPECT_EQ(transferFunds(p, -5, TransferDirection::bankToCash), "The amount can't be negative.");
    EXPECT_EQ(p.cash, 1'200);
    EXPECT_EQ(p.bank, 5'000);
    EXPECT_EQ(transferFunds(p, 1'200, TransferDirection::cashToBank), std::nullopt);
    EXPECT_EQ(transferFunds(p, 6'201, TransferDirection::bankToCash), "Only Cr6200 available.");
    EXPECT_EQ(transferFunds(p, 200, TransferDirection::bankToCash), std::nullopt);
    EXPECT_EQ(p.cash, 200);
    EXPECT_EQ(p.bank, 6'000);
}

TEST(CommonCredits, DistributingSplitsAmongPlayersAndKeepsTheRemainder) {
    Campaign c = sampleCampaign();
    c.commonCredits = 1'000;
    addSamplePlayer(c, "Ana");
    addSamplePlayer(c, "Bo");
    addSamplePlayer(c, "Cy");
    addSamplePlayer(c, "Mora", true);
    EXPECT_EQ(distributeDescription(c), "Splits a total amount evenly across the 3 players, "
                                        "deducted from Common Credits.");
    EXPECT_EQ(distributeShareText(c, 1'000), "Cr333 each (Cr1 remainder stays in Common Credits)");
    EXPECT_EQ(distributeShareText(c, 999), "Cr333 each");
    distributeFunds(c, 1'000);
    EXPECT_EQ(c.commonCredits, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(c.players[static_cast<std::size_t>(i)].cash, 333);
    EXPECT_EQ(c.players[3].cash, 0); // the NPC

    // A share below Cr1 moves nothing.
    distributeFunds(c, 2);
    EXPECT_EQ(c.commonCredits, 1);
    EXPECT_EQ(c.players[0].cash, 333);
}

TEST(CommonCredits, PoolingTakesTheSameFromEveryPlayer) {
    Campaign c = sampleCampaign();
    addSamplePlayer(c, "Ana").cash = 1'000;
    addSamplePlayer(c, "Bo").cash = 100;
    addSamplePlayer(c, "Mora", true).cash = 900;
    EXPECT_EQ(poolInDescription(c), "Collects the same amount from each of the 2 players and adds "
                                    "the total to Common Credits.");
    EXPECT_EQ(poolInTotalText(c, 250), "Total: Cr500");
    poolInFunds(c, 250);
    EXPECT_EQ(c.commonCredits, 500);
    EXPECT_EQ(c.players[0].cash, 750);
    // Bo had too little: the rest is his debt.
    EXPECT_EQ(c.players[1].cash, 0);
    EXPECT_EQ(c.players[1].debt, 150);
    EXPECT_EQ(c.players[2].cash, 900);

    c.players.pop_back();
    c.players.pop_back();
    EXPECT_EQ(poolInDescription(c), "Collects the same amount from each of the 1 player and adds "
                                    "the total to Common Credits.");
}

TEST(CommonCredits, OverdueSalariesArePaidInFullIntoEachNPCsCash) {
    Campaign c = sampleCampaign();
    c.commonCredits = 10'000;
    PlayerInfo& mora = addSamplePlayer(c, "Mora", true);
    mora.salary = 1'500;
    mora.salaryAccruedMonth = thisMonth - 3;
    PlayerInfo& vex = addSamplePlayer(c, "Vex", true);
    vex.salary = 2'000;
    vex.salaryAccruedMonth = thisMonth - 1;
    PlayerInfo& unset = addSamplePlayer(c, "New Hire", true);
    unset.salary = 9'999;
    addSamplePlayer(c, "Ana").salaryAccruedMonth = thisMonth - 10; // not an NPC: no salary

    // 3 × 1500 + 1 × 2000 = 6500; the new hire's marker was never set.
    EXPECT_EQ(overdueSalaries(c), 6'500);
    EXPECT_EQ(salariesDueText(c), "Salaries Due (Cr6500)");
    EXPECT_EQ(payOverdueSalaries(c), "Paid Cr6500 in overdue NPC salaries.");
    EXPECT_EQ(c.lastFeedback, "Paid Cr6500 in overdue NPC salaries.");
    EXPECT_EQ(c.commonCredits, 3'500);
    EXPECT_EQ(c.players[0].cash, 4'500);
    EXPECT_EQ(c.players[1].cash, 2'000);
    EXPECT_EQ(c.players[0].salaryAccruedMonth, thisMonth);
    EXPECT_EQ(c.players[2].salaryAccruedMonth, thisMonth);
    EXPECT_EQ(c.players[2].cash, 0);
    EXPECT_EQ(overdueSalaries(c), 0);
}

TEST(CommonCredits, PaySalaryMovesOneMonthEvenWithoutFunds) {
    Campaign c = sampleCampaign();
    PlayerInfo& mora = addSamplePlayer(c, "Mora", true);
    mora.salary = 1'500;
    mora.salaryAccruedMonth = thisMonth - 2;
    paySalary(c, mora);
    EXPECT_EQ(c.commonCredits, -1'500);
    EXPECT_EQ(mora.cash, 1'500);
    EXPECT_EQ(mora.salaryAccruedMonth, thisMonth - 1);
}

TEST(CampaignMarkers, OpeningStartsUnsetShipMarkersAndResetSetsEveryMarker) {
    Campaign c = sampleCampaign();
    c.lifeSupportAccruedMonth = thisMonth - 4;
    EXPECT_TRUE(settleUnsetCampaignMarkers(c));
    EXPECT_EQ(c.maintenanceAccruedMonth, thisMonth);
    EXPECT_EQ(c.lifeSupportAccruedMonth, thisMonth - 4);
    EXPECT_FALSE(settleUnsetCampaignMarkers(c));

    PlayerInfo& ana = addSamplePlayer(c, "Ana");
    ana.pension = 100;
    EXPECT_EQ(resetAllMarkers(c), "Reset all accrual markers to the current month.");
    EXPECT_EQ(c.lifeSupportAccruedMonth, thisMonth);
    EXPECT_EQ(c.players[0].pensionAccruedMonth, thisMonth);
    EXPECT_EQ(c.players[0].livingExpensesAccruedMonth, thisMonth);
    EXPECT_EQ(c.players[0].cash, 0); // nothing paid
}

TEST(Players, NewPlayersNeedNamesOfTheirOwn) {
    Campaign c = sampleCampaign();
    const auto ana = addPlayer(c, {" Ana ", "Captain Kell", "Ex-scout"});
    ASSERT_TRUE(ana);
    const PlayerInfo& added = *findPlayer(c, *ana);
    EXPECT_EQ(added.name, "Ana");
    EXPECT_EQ(added.notes, "Ex-scout");
    EXPECT_EQ(added.trainingSkillLevel, -1);
    EXPECT_EQ(added.pensionAccruedMonth, -1);
    EXPECT_EQ(newPlayerProblem(c, {"Ana", "Someone", ""}),
              "A player with this name already exists");
    EXPECT_EQ(newPlayerProblem(c, {"", "Someone", ""}), "Enter a name for the player.");
    EXPECT_EQ(newPlayerProblem(c, {"Bo", " ", ""}), "Enter a name for the player's character.");
    EXPECT_FALSE(addPlayer(c, {"Ana", "Twin", ""}));
    EXPECT_EQ(c.players.size(), 1u);
    EXPECT_TRUE(removePlayer(c, *ana));
    EXPECT_FALSE(removePlayer(c, *ana));
}
