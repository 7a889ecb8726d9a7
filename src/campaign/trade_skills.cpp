#include "campaign/trade_skills.h"

namespace velmora::campaign {

namespace {

const PlayerInfo* playerOf(const Campaign* campaign, const trade::TradeSkillSource& source) {
    const auto id = source.playerID();
    if (!campaign || !id)
        return nullptr;
    for (const PlayerInfo& player : campaign->players)
        if (player.id == *id)
            return &player;
    return nullptr;
}

} // namespace

trade::TradeSkillSet resolveTradeSkills(const Campaign* campaign,
                                        const trade::TradeSkillSource& source) {
    if (const auto skills = source.outsideSkills())
        return *skills;
    const PlayerInfo* player = playerOf(campaign, source);
    if (!player)
        return {};
    trade::TradeSkillSet skills;
    skills.broker = player->broker;
    skills.streetwise = player->streetwise;
    skills.carouse = player->carouse;
    skills.steward = player->steward;
    skills.admin = player->admin;
    skills.socialStanding = player->socialStanding;
    skills.navalRank = player->navalRank;
    skills.scoutRank = player->scoutRank;
    return skills;
}

std::string tradeSkillSourceName(const Campaign* campaign, const trade::TradeSkillSource& source) {
    const PlayerInfo* player = playerOf(campaign, source);
    if (!player)
        return outsideSourceText;
    return player->characterName.empty() ? player->name : player->characterName;
}

} // namespace velmora::campaign
