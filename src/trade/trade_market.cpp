#include "trade/trade_market.h"

namespace velmora::trade {

const ManualRollField* manualRollField(std::string_view key) {
    for (const ManualRollField& field : manualRollFields)
        if (field.key == key)
            return &field;
    return nullptr;
}

int tradeMonth(const core::UniverseDate& date) {
    return core::monthIndex(date);
}

} // namespace velmora::trade
