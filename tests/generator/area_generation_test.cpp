#include "generator/area_generation.h"
#include "generator/forced_dice.h"
#include "generator/name_generator.h"
#include "generator/secure_random_pool.h"

#include <cctype>
#include <gtest/gtest.h>
#include <set>

using namespace velmora;
using namespace velmora::generator;
using velmora::testing::ForcedDice;

TEST(AreaGeneration, SubsectorsAndSectors) {
    struct Case {
        std::optional<char> subsector;
        int firstColumn, firstRow, lastColumn, lastRow;
        std::size_t count;
    };
    const Case cases[] = {
        {std::nullopt, 1, 1, 32, 40, 1280}, {'A', 1, 1, 8, 10, 80},
        {'D', 25, 1, 32, 10, 80},           {'E', 1, 11, 8, 20, 80},
        {'P', 25, 31, 32, 40, 80},          {'G', 17, 11, 24, 20, 80},
    };
    for (const Case& c : cases) {
        const auto hexes = hexesOf({2, -1, c.subsector});
        ASSERT_EQ(hexes.size(), c.count);
        EXPECT_EQ(hexes.front(), (core::GalacticCoordinates{2, -1, c.firstColumn, c.firstRow}));
        EXPECT_EQ(hexes.back(), (core::GalacticCoordinates{2, -1, c.lastColumn, c.lastRow}));
        if (c.subsector) {
            for (const auto& hex : hexes)
                EXPECT_EQ(hex.subsectorLetter(), *c.subsector);
        }
    }
    EXPECT_EQ(areaDescription({0, 0, 'C'}), "subsector C of sector 00");
    EXPECT_EQ(areaDescription({-1, 2, std::nullopt}), "sector A2");
}

TEST(AreaGeneration, FillsEmptyHexesOnlyWithTheirChance) {
    auto& random = generatorRandomSource();
    const GenerationArea area{0, 0, 'F'};
    const auto occupied = [](const core::GalacticCoordinates& c) { return c.column == 10; };

    AreaOptions everywhere;
    everywhere.densityPercent = 100;
    const auto full = generateArea(area, everywhere, occupied, {"Taken"}, random);
    EXPECT_EQ(full.size(), 70u) << "every hex but the ten of the occupied column";
    std::set<std::string> names;
    std::set<core::GalacticCoordinates> places;
    for (const auto& hex : full) {
        EXPECT_NE(hex.coordinates.column, 10);
        EXPECT_EQ(hex.coordinates.subsectorLetter(), 'F');
        EXPECT_TRUE(places.insert(hex.coordinates).second);
        EXPECT_TRUE(names.insert(hex.starSystem.name).second) << hex.starSystem.name;
        EXPECT_NE(hex.starSystem.name, "Taken");
        ASSERT_NE(core::mainWorld(hex.starSystem), nullptr);
        EXPECT_EQ(core::mainWorld(hex.starSystem)->name, hex.starSystem.name);
        EXPECT_LE(core::mainWorld(hex.starSystem)->uwp.techLevel, core::TechnologyLevel::ttl15);
        EXPECT_FALSE(hex.id.isNull());
    }

    AreaOptions empty;
    empty.densityPercent = 0;
    EXPECT_TRUE(generateArea(area, empty, occupied, {}, random).empty());

    // An occupied hex rolls nothing: a forced roll of 0 on the first free hex fills it.
    ForcedDice dice;
    dice.pushBelow(0, 100);
    AreaOptions rare;
    rare.densityPercent = 1;
    rare.rollCompanions = false;
    const auto one = generateArea(
        {0, 0, 'A'}, rare, [](const core::GalacticCoordinates& c) { return c.row < 4; }, {}, dice);
    ASSERT_FALSE(one.empty());
    EXPECT_EQ(one.front().coordinates, (core::GalacticCoordinates{0, 0, 1, 4}));
}

TEST(AreaGeneration, AboutHalfTheHexesByDefault) {
    auto& random = generatorRandomSource();
    const auto hexes = generateArea({0, 0, std::nullopt}, {}, {}, {}, random);
    // 1,280 hexes at 50 %: far outside 500-780 only with odds below one in a billion.
    EXPECT_GT(hexes.size(), 500u);
    EXPECT_LT(hexes.size(), 780u);
}

TEST(NameGenerator, PronounceableCapitalisedNames) {
    auto& random = generatorRandomSource();
    std::set<std::string> names;
    for (int i = 0; i < 500; ++i) {
        const std::string name = generateName(random);
        ASSERT_GE(name.size(), 2u);
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name.front()))) << name;
        for (std::size_t j = 1; j < name.size(); ++j)
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(name[j]))) << name;
        names.insert(name);
    }
    EXPECT_GT(names.size(), 400u) << "names should rarely repeat";
}
