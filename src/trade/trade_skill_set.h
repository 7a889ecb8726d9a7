#pragma once

namespace velmora::trade {

// The skills and standing a trader brings to a deal: the levels of the trade
// skills, the Social Standing characteristic and the service ranks.
struct TradeSkillSet {
    int broker = 0;
    int streetwise = 0;
    int carouse = 0;
    int steward = 0;
    int admin = 0;
    int socialStanding = 7;
    int navalRank = 0;
    int scoutRank = 0;

    friend bool operator==(const TradeSkillSet&, const TradeSkillSet&) = default;
};

} // namespace velmora::trade
