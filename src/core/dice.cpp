#include "core/dice.h"

#include "core/random_source.h"

namespace velmora::core {

int Dice::d6(RandomSource& random) {
    return static_cast<int>(randomBelow(random, 6)) + 1;
}

int Dice::roll(RandomSource& random, int count, int modifier) {
    int total = modifier;
    for (int i = 0; i < count; ++i)
        total += d6(random);
    return total;
}

int Dice::roll3D6(RandomSource& random, int modifier) {
    return roll(random, 3, modifier);
}

} // namespace velmora::core
