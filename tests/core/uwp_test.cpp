#include "core/uwp.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora::core;

TEST(Ehex, SkipsTheLettersIAndO) {
    struct Case {
        int value;
        char digit;
    };
    const Case cases[] = {{0, '0'},  {9, '9'},  {10, 'A'}, {17, 'H'}, {18, 'J'}, {22, 'N'},
                          {23, 'P'}, {24, 'Q'}, {33, 'Z'}, {34, '?'}, {-1, '?'}};
    for (const auto& c : cases) {
        EXPECT_EQ(ehex(c.value), c.digit) << c.value;
        if (c.digit != '?') {
            EXPECT_EQ(ehexValue(c.digit), c.value);
        }
    }
    for (int value = 0; value <= 33; ++value) {
        EXPECT_NE(ehex(value), 'I');
        EXPECT_NE(ehex(value), 'O');
    }
    EXPECT_FALSE(ehexValue('I'));
    EXPECT_FALSE(ehexValue('O'));
    EXPECT_FALSE(ehexValue('a'));
}

TEST(UwpCode, StarportDigitsTechLevelAndBases) {
    UWP uwp;
    uwp.starport = Starport::typeA;
    uwp.size = 7;
    uwp.atmosphere = 8;
    uwp.hydrographics = 8;
    uwp.population = 8;
    uwp.government = 9;
    uwp.lawLevel = 9;
    uwp.techLevel = TechnologyLevel::ttl12;

    struct Case {
        std::set<Base> bases;
        const char* code;
    };
    const Case cases[] = {
        {{}, "A788899-C \u2014"},
        {{Base::scoutBase, Base::imperialNavalBase}, "A788899-C NS"},
        {{Base::wayStation, Base::corsairBase, Base::navalBase}, "A788899-C CKW"},
    };
    for (const auto& c : cases) {
        uwp.bases = c.bases;
        EXPECT_EQ(uwpCode(uwp), c.code);
    }

    UWP giant;
    giant.starport = Starport::typeY;
    giant.size = 23;
    giant.lawLevel = 18;
    giant.techLevel = TechnologyLevel::tl4Plus; // not a number: counts as 4
    EXPECT_EQ(uwpCode(giant), "YP0000J-4 \u2014");
}
