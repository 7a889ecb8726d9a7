#pragma once

#include "campaign/campaign.h"
#include "trade/trade_skill_set.h"
#include "trade/trade_skill_source.h"

#include <string>

namespace velmora::campaign {

// The skills a source brings to a deal: a player's from their sheet, an outsider's
// as typed. A player the campaign no longer has (or no campaign) brings nothing
// beyond an outsider's defaults.
trade::TradeSkillSet resolveTradeSkills(const Campaign* campaign,
                                        const trade::TradeSkillSource& source);

// The player's character name, "Outside / NPC" for an outsider.
std::string tradeSkillSourceName(const Campaign* campaign, const trade::TradeSkillSource& source);
inline constexpr const char* outsideSourceText = "Outside / NPC";

} // namespace velmora::campaign
