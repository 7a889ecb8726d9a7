#pragma once

#include "core/credits.h"
#include "core/uuid.h"

#include <string>

namespace velmora::campaign {

// A player and their character: the character's money, the skills trade reads,
// and the skill being trained. Monthly amounts are settled by month markers: each
// holds the month index up to which the amount has been paid or received, and -1
// until it is first set.
struct PlayerInfo {
    core::Uuid id;
    std::string name;
    std::string characterName;
    std::string role;

    // The skill being trained; empty when none is.
    std::string training;
    int weeks = 0;               // weeks studied in the current 8-week study period, 0-7
    int period = 0;              // study periods passed towards the next level
    int trainingSkillLevel = -1; // -1 untrained
    // A study period is complete and waits for the EDU check.
    bool pendingEDUCheck = false;

    core::Credits cash = 0;
    core::Credits bank = 0;
    core::Credits pension = 0; // received per month
    core::Credits debt = 0;
    core::Credits monthlyPayment = 0; // paid per month on the debt
    core::Credits livingExpenses = 0; // per month
    bool jtas = false;
    std::string notes;

    int broker = 0;
    int streetwise = 0;
    int carouse = 0;
    int steward = 0;
    int admin = 0;
    int socialStanding = 7;
    int navalRank = 0;
    int scoutRank = 0;

    // A hired non-player character, paid a salary from the common credits. NPCs
    // neither pool money in nor receive a share.
    bool isNPC = false;
    core::Credits salary = 0; // per month

    int pensionAccruedMonth = -1;
    int monthlyPaymentAccruedMonth = -1;
    int livingExpensesAccruedMonth = -1;
    int salaryAccruedMonth = -1;

    friend bool operator==(const PlayerInfo&, const PlayerInfo&) = default;
};

} // namespace velmora::campaign
