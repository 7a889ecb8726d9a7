#pragma once

#include "core/uuid.h"
#include "trade/trade_skill_set.h"

#include <optional>
#include <variant>

namespace velmora::trade {

// Whose skills a deal is made with: a player of the campaign, whose sheet gives
// the skills when the deal is made, or an outsider whose skills were typed in.
class TradeSkillSource {
public:
    // An outsider with no skills and Social Standing 7.
    TradeSkillSource() = default;

    static TradeSkillSource player(core::Uuid playerID) { return TradeSkillSource(playerID); }
    static TradeSkillSource outside(TradeSkillSet skills) { return TradeSkillSource(skills); }

    bool isPlayer() const { return std::holds_alternative<core::Uuid>(m_source); }
    // The player's id for a player source; nothing for an outsider.
    std::optional<core::Uuid> playerID() const {
        if (const auto* id = std::get_if<core::Uuid>(&m_source))
            return *id;
        return std::nullopt;
    }
    // The typed-in skills of an outsider; nothing for a player.
    std::optional<TradeSkillSet> outsideSkills() const {
        if (const auto* skills = std::get_if<TradeSkillSet>(&m_source))
            return *skills;
        return std::nullopt;
    }

    friend bool operator==(const TradeSkillSource&, const TradeSkillSource&) = default;

private:
    explicit TradeSkillSource(core::Uuid playerID) : m_source(playerID) {}
    explicit TradeSkillSource(TradeSkillSet skills) : m_source(skills) {}

    std::variant<TradeSkillSet, core::Uuid> m_source;
};

} // namespace velmora::trade
