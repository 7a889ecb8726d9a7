#include "core/dice.h"
#include "core/random_source.h"
#include "core/uuid.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>
#include <set>

using namespace velmora::core;
using velmora::testing::ScriptedDice;

TEST(Dice, RollsAddFacesToTheModifier) {
    ScriptedDice dice{6, 1, 3, 4, 2, 5};
    EXPECT_EQ(Dice::roll(dice, 2, 0), 7);
    EXPECT_EQ(Dice::roll3D6(dice, -1), 8);
    EXPECT_EQ(Dice::d6(dice), 5);
    EXPECT_TRUE(dice.exhausted());
    EXPECT_EQ(Dice::roll(dice, 0, 3), 3);
    EXPECT_EQ(Dice::roll(dice, -2, 3), 3);
}

TEST(Dice, SecureRollsStayInRange) {
    auto& random = systemRandomSource();
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int roll = Dice::roll(random, 2, -7);
        ASSERT_GE(roll, -5);
        ASSERT_LE(roll, 5);
        seen.insert(Dice::d6(random));
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(RandomBelow, RejectsDrawsInTheBiasedBand) {
    // For n = 3, 2^64 mod 3 is 1: a draw whose low product bits fall below that is drawn again.
    ScriptedDice source;
    source.pushRaw(0);                           // low 64 bits of 0 * 3 are 0 < 1: rejected
    source.pushRaw(ScriptedDice::drawFor(2, 3)); // accepted
    EXPECT_EQ(randomBelow(source, 3), 2u);
    EXPECT_TRUE(source.exhausted());
    EXPECT_EQ(randomBelow(source, 1), 0u);
}

TEST(Uuid, TextRoundTripsInEitherCase) {
    const Uuid id = Uuid::generate();
    EXPECT_EQ(Uuid::fromString(id.toString()), id);
    std::string lower = id.toString();
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(Uuid::fromString(lower), id);
    EXPECT_EQ(id.toString()[14], '4');
    EXPECT_FALSE(Uuid::fromString("not-a-uuid"));
    EXPECT_FALSE(Uuid::fromString("E621E1F8-C36C-495A-93FC-0C247A3E6E5G"));
    EXPECT_NE(Uuid::generate(), Uuid::generate());
}
