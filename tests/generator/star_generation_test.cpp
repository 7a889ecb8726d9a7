#include "generator/star_generation.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::generator;
using core::LuminosityClass;
using core::SpectralType;
using velmora::testing::ScriptedDice;

namespace {

constexpr std::uint64_t massSteps = (std::uint64_t{1} << 53) + 1;

// Raw draws that randomBelow(2^53 + 1) turns into k = 0, 2^52 and 2^53.
const std::uint64_t lightest = ScriptedDice::drawFor(0, massSteps);
constexpr std::uint64_t middling = std::uint64_t{1} << 63;
constexpr std::uint64_t heaviest = UINT64_MAX;

// Pushes the dice of one star: type Flux, subclass, class Flux, mass draw.
void pushStar(ScriptedDice& dice, std::pair<int, int> typeFlux, int subclass,
              std::pair<int, int> classFlux, std::uint64_t massDraw = lightest) {
    dice.pushFace(typeFlux.first);
    dice.pushFace(typeFlux.second);
    dice.pushBelow(static_cast<std::uint64_t>(subclass), 10);
    dice.pushFace(classFlux.first);
    dice.pushFace(classFlux.second);
    dice.pushRaw(massDraw);
}

} // namespace

TEST(GenerateStar, TypeSubclassAndClassComeFromTheirRolls) {
    struct Case {
        std::pair<int, int> typeFlux;
        int subclass;
        std::pair<int, int> classFlux;
        SpectralType type;
        LuminosityClass luminosity;
    };
    // Flux + 7 only reaches 2-12: rolled stars are never O or B, and never of a row's first two
    // classes.
    const Case cases[] = {
        {{6, 1}, 3, {4, 4}, SpectralType::M, LuminosityClass::V},  // Flux +5: always M
        {{6, 1}, 3, {6, 2}, SpectralType::M, LuminosityClass::D},  // +4 on the class: white dwarf
        {{6, 1}, 3, {6, 1}, SpectralType::M, LuminosityClass::D},  // +5 as well
        {{6, 1}, 3, {1, 6}, SpectralType::M, LuminosityClass::II}, // -5
        {{1, 6}, 0, {4, 4}, SpectralType::A, LuminosityClass::V},  // Flux -5: A, the hottest rolled
        {{1, 5}, 5, {1, 4}, SpectralType::A, LuminosityClass::III},
        {{2, 3}, 2, {4, 4}, SpectralType::G, LuminosityClass::V},
        {{3, 3}, 7, {1, 5}, SpectralType::K, LuminosityClass::V},  // K7 rolled IV: stored as V
        {{4, 3}, 2, {1, 5}, SpectralType::K, LuminosityClass::IV}, // K2 IV stays IV
        {{1, 4}, 3, {6, 3}, SpectralType::F, LuminosityClass::V},  // F3 rolled VI: V
        {{1, 3}, 6, {6, 3}, SpectralType::F, LuminosityClass::VI},
        {{5, 3}, 5, {2, 6}, SpectralType::M, LuminosityClass::II},
    };
    for (const Case& c : cases) {
        ScriptedDice dice;
        pushStar(dice, c.typeFlux, c.subclass, c.classFlux);
        const core::Star star = generateStar(core::Orbits::starOrbit17, dice);
        SCOPED_TRACE(spectralText(star));
        EXPECT_EQ(star.spectralType, c.type);
        EXPECT_EQ(star.temperature, c.subclass);
        EXPECT_EQ(star.luminosity, c.luminosity);
        EXPECT_EQ(star.orbit, core::Orbits::starOrbit17);
        EXPECT_TRUE(star.name.empty());
        EXPECT_TRUE(star.worlds.empty());
        EXPECT_FALSE(star.id.isNull());
        EXPECT_TRUE(dice.exhausted());
    }
}

TEST(GenerateStar, MassCoversItsRangeEndToEnd) {
    struct Case {
        std::pair<int, int> typeFlux;
        std::pair<int, int> classFlux;
        std::uint64_t draw;
        double mass;
    };
    const Case cases[] = {
        {{6, 1}, {6, 2}, lightest, 0.6}, // white dwarf, lowest
        {{6, 1}, {6, 2}, heaviest, 1.1}, // k = 2^53 gives the top
        {{2, 3}, {4, 4}, lightest, 0.8}, // G V
        {{2, 3}, {4, 4}, heaviest, 1.04},
        {{6, 1}, {1, 6}, heaviest, 0.9},        // M II: 0.45 x 2
        {{6, 1}, {6, 3}, lightest, 0.08 * 0.8}, // M VI
        {{6, 1}, {6, 3}, middling, (0.064 + 0.36) / 2},
    };
    for (const Case& c : cases) {
        ScriptedDice dice;
        pushStar(dice, c.typeFlux, 5, c.classFlux, c.draw);
        EXPECT_NEAR(generateStar(core::Orbits::starOrbitP, dice).mass, c.mass, 1e-9);
    }
}

TEST(GenerateStars, TheHotterStarIsAlwaysThePrimary) {
    ScriptedDice dice;
    pushStar(dice, {6, 1}, 4, {4, 4}); // primary M4 V
    dice.pushFace(3);                  // companion orbit 14 + 3
    pushStar(dice, {2, 3}, 2, {4, 4}); // companion G2 V
    const auto stars = generateStars(std::nullopt, true, dice);
    ASSERT_EQ(stars.size(), 2u);
    EXPECT_EQ(spectralText(stars[0]), "G2 V");
    EXPECT_EQ(stars[0].orbit, core::Orbits::starOrbitP);
    EXPECT_NEAR(stars[0].mass, 0.8, 1e-9);
    EXPECT_EQ(spectralText(stars[1]), "M4 V");
    EXPECT_EQ(stars[1].orbit, core::Orbits::starOrbit17);
    EXPECT_NEAR(stars[1].mass, 0.08, 1e-9);
    EXPECT_EQ(stars[0].name, "A");
    EXPECT_EQ(stars[1].name, "B");
    EXPECT_TRUE(dice.exhausted());

    // A cooler companion stays where it is; a chosen primary rolls nothing for itself.
    ScriptedDice more;
    more.pushRaw(lightest);
    core::Star chosen = chosenStar(SpectralType::F, 7, LuminosityClass::V, more);
    more.pushFace(6);
    pushStar(more, {6, 1}, 9, {1, 6});
    const auto pair = generateStars(chosen, true, more);
    EXPECT_EQ(spectralText(pair[0]), "F7 V");
    EXPECT_EQ(spectralText(pair[1]), "M9 II");
    EXPECT_EQ(pair[1].orbit, core::Orbits::starOrbit20);
    EXPECT_TRUE(more.exhausted());
}

TEST(PossibleLuminosityClasses, FollowTheRowsAndTheirCorrections) {
    using L = LuminosityClass;
    struct Case {
        SpectralType type;
        int subclass;
        std::vector<L> classes;
    };
    const Case cases[] = {
        {SpectralType::O, 0, {L::Ia, L::Ib, L::II, L::III, L::IV, L::V, L::D}},
        {SpectralType::A, 5, {L::Ia, L::Ib, L::II, L::III, L::IV, L::V, L::D}},
        {SpectralType::F, 4, {L::II, L::III, L::IV, L::V, L::D}},
        {SpectralType::F, 5, {L::II, L::III, L::IV, L::V, L::VI, L::D}},
        {SpectralType::K, 4, {L::II, L::III, L::IV, L::V, L::VI, L::D}},
        {SpectralType::K, 5, {L::II, L::III, L::V, L::VI, L::D}},
        {SpectralType::M, 0, {L::II, L::III, L::V, L::VI, L::D}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(possibleLuminosityClasses(c.type, c.subclass), c.classes)
            << core::rawValue(c.type) << c.subclass;
    EXPECT_FALSE(isPossibleStar(SpectralType::M, 2, L::IV));
    EXPECT_FALSE(isPossibleStar(SpectralType::K, 7, L::IV));
    EXPECT_FALSE(isPossibleStar(SpectralType::G, 10, L::V));
    EXPECT_TRUE(isPossibleStar(SpectralType::G, 2, L::V));
}
