#include "campaign/player_fields.h"
#include "sample_campaign.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::campaign;
using velmora::testing::addSamplePlayer;
using velmora::testing::sampleCampaign;

TEST(PlayerFields, EveryLedgerAmountReadsAndWritesItsOwnField) {
    PlayerInfo p;
    core::Credits value = 1'000;
    for (const LedgerAmountField& field : ledgerAmountFields) {
        setLedgerAmount(p, field.amount, value);
        EXPECT_EQ(ledgerAmount(p, field.amount), value) << field.label;
        value += 1'000;
    }
    EXPECT_EQ(p.cash, 1'000);
    EXPECT_EQ(p.bank, 2'000);
    EXPECT_EQ(p.pension, 3'000);
    EXPECT_EQ(p.debt, 4'000);
    EXPECT_EQ(p.monthlyPayment, 5'000);
    EXPECT_EQ(p.livingExpenses, 6'000);
    EXPECT_EQ(p.salary, 7'000);

    // Money is 64-bit: a starship's price fits.
    setLedgerAmount(p, LedgerAmount::bank, 9'000'000'000);
    EXPECT_EQ(p.bank, 9'000'000'000);
}

TEST(PlayerFields, CashTypedBelowZeroBecomesDebt) {
    PlayerInfo p;
    p.debt = 500;
    setLedgerAmount(p, LedgerAmount::cash, -1'200);
    EXPECT_EQ(p.cash, 0);
    EXPECT_EQ(p.debt, 1'700);
    EXPECT_EQ(ledgerAmountFields[0].sign, core::AmountSign::any);
    EXPECT_EQ(ledgerAmountFields[1].sign, core::AmountSign::notNegative);
}

TEST(PlayerFields, SkillsStayInTheirRanges) {
    PlayerInfo p;
    EXPECT_EQ(skillValue(p, PlayerSkill::socialStanding), 7);
    int value = 1;
    for (const PlayerSkillField& field : playerSkillFields) {
        setSkillValue(p, field.skill, value);
        EXPECT_EQ(skillValue(p, field.skill), value) << field.label;
        ++value;
    }
    EXPECT_EQ(p.broker, 1);
    EXPECT_EQ(p.scoutRank, 8);
    setSkillValue(p, PlayerSkill::navalRank, 99);
    EXPECT_EQ(p.navalRank, 10);
    setSkillValue(p, PlayerSkill::admin, -3);
    EXPECT_EQ(p.admin, 0);
}

TEST(PlayerFields, RenamingRefusesEmptyAndTakenNames) {
    Campaign c = sampleCampaign();
    const core::Uuid ana = addSamplePlayer(c, "Ana").id;
    addSamplePlayer(c, "Bram");
    EXPECT_EQ(renamePlayer(c, ana, "  "), "Enter a name for the player.");
    EXPECT_EQ(renamePlayer(c, ana, " Bram "), "A player with this name already exists");
    EXPECT_EQ(c.players[0].name, "Ana");
    EXPECT_EQ(renamePlayer(c, ana, " Ana "), std::nullopt) << "its own name is not taken";
    EXPECT_EQ(renamePlayer(c, ana, "Anja  "), std::nullopt);
    EXPECT_EQ(c.players[0].name, "Anja");
    EXPECT_EQ(renamePlayer(c, core::Uuid::generate(), "Cass"), std::nullopt);
}
