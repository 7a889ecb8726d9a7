#pragma once

namespace velmora::core {

class RandomSource;

// Six-sided dice. Holds no state: every roll draws from the source it is given.
class Dice {
public:
    // The modifier plus `count` independent 1D6; a count below 1 yields the modifier alone.
    static int roll(RandomSource& random, int count, int modifier = 0);
    static int roll3D6(RandomSource& random, int modifier = 0);
    static int d6(RandomSource& random);
};

} // namespace velmora::core
