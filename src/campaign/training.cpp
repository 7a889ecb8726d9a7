#include "campaign/training.h"

#include "campaign/campaign_rules.h"
#include "core/dice.h"

#include <algorithm>

namespace velmora::campaign {

namespace {

int levelAfter(const PlayerInfo& player) {
    return player.trainingSkillLevel + 1;
}

// Level n takes n passed periods; levels 0 and 1 take one.
int periodsForNextLevel(const PlayerInfo& player) {
    return std::max(levelAfter(player), 1);
}

} // namespace

std::string addTrainingWeek(Campaign& campaign) {
    for (PlayerInfo& player : campaign.players) {
        if (player.training.empty() || player.pendingEDUCheck)
            continue;
        if (player.weeks < weeksPerStudyPeriod)
            setTrainingWeeks(player, player.weeks + 1);
        else
            setTrainingWeeks(player, player.weeks); // typed in beyond a period
    }
    std::string text = "Added 1 week of training progress for all players.";
    reportFeedback(campaign, text);
    return text;
}

void setTrainingWeeks(PlayerInfo& player, int weeks) {
    player.weeks = std::max(weeks, 0);
    if (player.weeks >= weeksPerStudyPeriod) {
        player.weeks -= weeksPerStudyPeriod;
        player.pendingEDUCheck = true;
    }
}

void resolveEduCheck(PlayerInfo& player, bool passed) {
    if (!player.pendingEDUCheck)
        return;
    player.pendingEDUCheck = false;
    if (!passed)
        return;
    ++player.period;
    if (player.period >= periodsForNextLevel(player)) {
        ++player.trainingSkillLevel;
        player.period = 0;
    }
}

std::optional<EduCheckRoll> rollEduCheck(PlayerInfo& player, core::RandomSource& random,
                                         int eduModifier) {
    if (!player.pendingEDUCheck)
        return std::nullopt;
    EduCheckRoll roll;
    roll.dice = core::Dice::roll(random, 2);
    roll.modifier = eduModifier;
    roll.passed = roll.dice + roll.modifier >= eduCheckTarget;
    resolveEduCheck(player, roll.passed);
    return roll;
}

int studyPeriodsNeeded(const PlayerInfo& player) {
    return std::max(periodsForNextLevel(player) - player.period, 0);
}

std::string trainingProgressText(const PlayerInfo& player) {
    return std::to_string(studyPeriodsNeeded(player)) + " to reach level " +
           std::to_string(levelAfter(player));
}

} // namespace velmora::campaign
