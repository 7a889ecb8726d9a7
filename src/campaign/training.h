#pragma once

#include "campaign/campaign.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::core {
class RandomSource;
}

namespace velmora::campaign {

// Skills are trained in study periods of 8 weeks. A completed period waits for an
// EDU check; each passed check counts towards the next level, which takes as many
// passed periods as its number (one for levels 0 and 1).

inline constexpr int weeksPerStudyPeriod = 8;
inline constexpr int eduCheckTarget = 8;
inline constexpr std::string_view studyPeriodCompleteText = "Study Period complete — roll EDU 8+";
inline constexpr std::string_view eduCheckNote =
    "(Athletics rolls STR/DEX/END instead; Jack-of-all-Trades can't be trained.)";

// "+1 week training": a week more for every player who trains a skill and has no
// check waiting; the eighth week completes the period. Reports "Added 1 week of
// training progress for all players."
std::string addTrainingWeek(Campaign& campaign);

// Weeks typed into the player's "Weeks": 8 or more completes a period once,
// keeping the weeks beyond it.
void setTrainingWeeks(PlayerInfo& player, int weeks);

// "Passed" or "Failed" on a waiting check. A pass counts a period and may raise
// the level; a failure spends the 8 weeks. Nothing happens when no check waits.
void resolveEduCheck(PlayerInfo& player, bool passed);

// The check rolled rather than entered: 2D6 plus the character's EDU modifier
// against 8, then resolved as above.
struct EduCheckRoll {
    int dice = 0;
    int modifier = 0;
    bool passed = false;

    // "Passed" or "Failed".
    std::string_view outcome() const { return passed ? "Passed" : "Failed"; }
};
// Nothing, and no roll, when no check waits.
std::optional<EduCheckRoll> rollEduCheck(PlayerInfo& player, core::RandomSource& random,
                                         int eduModifier);

// Passed periods still needed for the next level.
int studyPeriodsNeeded(const PlayerInfo& player);
// "2 to reach level 2".
std::string trainingProgressText(const PlayerInfo& player);

} // namespace velmora::campaign
