#include "trade/trade_roller.h"

#include "core/dice.h"
#include "core/random_source.h"

namespace velmora::trade {

TradeRoller TradeRoller::fromRandom(core::RandomSource& random) {
    core::RandomSource* source = &random;
    TradeRoller roller;
    roller.roll2D = [source](int modifier) { return core::Dice::roll(*source, 2, modifier); };
    roller.roll3D = [source](int modifier) { return core::Dice::roll3D6(*source, modifier); };
    roller.rollND = [source](int count, int modifier) {
        return core::Dice::roll(*source, count, modifier);
    };
    roller.rollD66 = [source] {
        const int tens = core::Dice::d6(*source);
        return tens * 10 + core::Dice::d6(*source);
    };
    return roller;
}

TradeRoller TradeRoller::fair() {
    return fromRandom(core::systemRandomSource());
}

} // namespace velmora::trade
