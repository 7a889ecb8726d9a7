#include "campaign/training.h"
#include "sample_campaign.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::campaign;
using velmora::testing::addSamplePlayer;
using velmora::testing::sampleCampaign;
using velmora::testing::ScriptedDice;

TEST(Training, EightWeeksMakeAPeriodThatWaitsForItsCheck) {
    Campaign c = sampleCampaign();
    addSamplePlayer(c, "Ana").training = "Pilot";
    addSamplePlayer(c, "Bo"); // trains nothing
    for (int press = 1; press <= 7; ++press)
        addTrainingWeek(c);
    EXPECT_EQ(c.players[0].weeks, 7);
    EXPECT_FALSE(c.players[0].pendingEDUCheck);
    EXPECT_EQ(addTrainingWeek(c), "Added 1 week of training progress for all players.");
    EXPECT_EQ(c.lastFeedback, "Added 1 week of training progress for all players.");
    EXPECT_EQ(c.players[0].weeks, 0);
    EXPECT_TRUE(c.players[0].pendingEDUCheck);
    // While the check waits, further weeks change nothing.
    addTrainingWeek(c);
    addTrainingWeek(c);
    EXPECT_EQ(c.players[0].weeks, 0);
    EXPECT_EQ(c.players[1].weeks, 0);
    EXPECT_FALSE(c.players[1].pendingEDUCheck);
}

TEST(Training, WeeksTypedInCompleteAPeriodOnce) {
    PlayerInfo p;
    p.training = "Pilot";
    setTrainingWeeks(p, 5);
    EXPECT_EQ(p.weeks, 5);
    EXPECT_FALSE(p.pendingEDUCheck);
    setTrainingWeeks(p, 10);
    EXPECT_EQ(p.weeks, 2);
    EXPECT_TRUE(p.pendingEDUCheck);
    setTrainingWeeks(p, -3);
    EXPECT_EQ(p.weeks, 0);
}

TEST(Training, EachLevelTakesAsManyPassedPeriodsAsItsNumber) {
    PlayerInfo p;
    p.training = "Pilot";
    struct Step {
        bool passed;
        int level;
        int period;
        const char* progress;
    };
    // From untrained: level 0 takes one pass, level 1 one, level 2 two, level 3 three.
    const Step steps[] = {
        {true, 0, 0, "1 to reach level 1"}, {false, 0, 0, "1 to reach level 1"},
        {true, 1, 0, "2 to reach level 2"}, {true, 1, 1, "1 to reach level 2"},
        {true, 2, 0, "3 to reach level 3"},
    };
    EXPECT_EQ(trainingProgressText(p), "1 to reach level 0");
    for (const Step& step : steps) {
        p.pendingEDUCheck = true;
        resolveEduCheck(p, step.passed);
        EXPECT_FALSE(p.pendingEDUCheck);
        EXPECT_EQ(p.trainingSkillLevel, step.level);
        EXPECT_EQ(p.period, step.period);
        EXPECT_EQ(trainingProgressText(p), step.progress);
    }
    // Without a waiting check a result changes nothing.
    resolveEduCheck(p, true);
    EXPECT_EQ(p.period, 0);
}

TEST(Training, TheRolledCheckNeedsEightOnTwoDiceAndTheModifier) {
    PlayerInfo p;
    p.training = "Pilot";
    p.pendingEDUCheck = true;
    // 3 + 4 = 7, and +1 for EDU 9: exactly 8.
    ScriptedDice dice{3, 4};
    auto roll = rollEduCheck(p, dice, +1);
    ASSERT_TRUE(roll);
    EXPECT_EQ(roll->dice, 7);
    EXPECT_TRUE(roll->passed);
    EXPECT_EQ(roll->outcome(), "Passed");
    EXPECT_EQ(p.trainingSkillLevel, 0);

    p.pendingEDUCheck = true;
    ScriptedDice lower{6, 2};
    roll = rollEduCheck(p, lower, -1); // 8 - 1 = 7
    EXPECT_EQ(roll->outcome(), "Failed");
    EXPECT_EQ(p.trainingSkillLevel, 0);
    EXPECT_FALSE(p.pendingEDUCheck);

    // No check waits: nothing is rolled (the scripted dice would throw).
    EXPECT_FALSE(rollEduCheck(p, lower, 0));
    EXPECT_TRUE(lower.exhausted());
}
