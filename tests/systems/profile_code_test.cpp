#include "systems/profile_code.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;

namespace {

core::UWP current() {
    core::UWP uwp;
    uwp.density = 0.8;
    uwp.populationMultiplier = 4;
    uwp.techLevel = core::TechnologyLevel::ttl7;
    uwp.bases = {core::Base::scoutBase};
    return uwp;
}

} // namespace

TEST(ProfileCode, ReadsWhatTheCodeCarriesAndKeepsTheRest) {
    struct Case {
        const char* code;
        const char* expectedCode;
    };
    const Case cases[] = {
        {"A788899-C NS", "A788899-C NS"},
        {"a788899-c", "A788899-C —"},     // lower case; a tech level without bases clears them
        {"B 5 6 7 8 9 A", "B56789A-7 S"}, // blanks ignored; no tech level keeps level and bases
        {"X000000-0 —", "X000000-0 —"},
        {"E700G00-3", "E700G00-3 —"}, // population 16 is read; the checks refuse it later
        {"CJ00000-2", "CJ00000-2 —"}, // size 18
    };
    for (const Case& c : cases) {
        const auto result =
            readProfileCode(c.code, current(), core::TechnologyLevelSystem::traveller);
        ASSERT_TRUE(std::holds_alternative<core::UWP>(result)) << c.code;
        const core::UWP& uwp = std::get<core::UWP>(result);
        EXPECT_EQ(core::uwpCode(uwp), c.expectedCode) << c.code;
        EXPECT_EQ(uwp.density, 0.8);
        EXPECT_EQ(uwp.populationMultiplier, 4);
    }
    const auto population = std::get<core::UWP>(
        readProfileCode("E700G00", current(), core::TechnologyLevelSystem::traveller));
    EXPECT_EQ(population.population, 16);
}

TEST(ProfileCode, RefusesWhatIsNoProfile) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "A profile code needs a starport letter and six digits, such as A788899-C."},
        {"A7888", "A profile code needs a starport letter and six digits, such as A788899-C."},
        {"Q788899-C", "“Q” is not a starport letter."},
        {"A78I899-C", "“I” is not a hydrographics digit."},
        {"A788899-", "The tech-level digit is missing after the “-”."},
        {"A788899-Z", "Tech level 33 is beyond TL22."},
        {"A788899-CNQ", "“Q” is not a base letter."},
        {"A7888999", "A profile code has seven characters before the “-”."},
    };
    for (const auto& [code, message] : cases) {
        const auto result =
            readProfileCode(code, current(), core::TechnologyLevelSystem::traveller);
        ASSERT_TRUE(std::holds_alternative<ProfileCodeError>(result)) << code;
        EXPECT_EQ(std::get<ProfileCodeError>(result).message, message) << code;
    }
}

TEST(ProfileCode, TheShortScale) {
    core::UWP uwp = current();
    uwp.techLevel = core::TechnologyLevel::tl4Plus;
    const auto keep = readProfileCode("C544556-4", uwp, core::TechnologyLevelSystem::swn);
    EXPECT_EQ(std::get<core::UWP>(keep).techLevel, core::TechnologyLevel::tl4Plus);
    const auto five = readProfileCode("C544556-5", uwp, core::TechnologyLevelSystem::swn);
    EXPECT_EQ(std::get<core::UWP>(five).techLevel, core::TechnologyLevel::tl5);
    const auto beyond = readProfileCode("C544556-7", uwp, core::TechnologyLevelSystem::swn);
    EXPECT_EQ(std::get<ProfileCodeError>(beyond).message,
              "This universe's tech levels run from 0 to 6.");
}
