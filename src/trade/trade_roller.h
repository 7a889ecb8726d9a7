#pragma once

#include <functional>

namespace velmora::core {
class RandomSource;
}

namespace velmora::trade {

// Every die of trade goes through these four, so a test can fix each one.
struct TradeRoller {
    std::function<int(int modifier)> roll2D;            // 2D6 + modifier
    std::function<int(int modifier)> roll3D;            // 3D6 + modifier
    std::function<int(int count, int modifier)> rollND; // count × D6 + modifier
    std::function<int()> rollD66;                       // tens die, then units die

    // Fair dice drawn from `random`, which must outlive the roller.
    static TradeRoller fromRandom(core::RandomSource& random);
    // Fair dice from the system's secure source.
    static TradeRoller fair();
};

} // namespace velmora::trade
