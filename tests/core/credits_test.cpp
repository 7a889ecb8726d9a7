#include "core/credits.h"

#include <gtest/gtest.h>
#include <limits>

using namespace velmora::core;

namespace {

constexpr Credits most = std::numeric_limits<Credits>::max();
constexpr Credits least = std::numeric_limits<Credits>::min();

} // namespace

TEST(CreditsInput, ReadsWhatRefereesTypeAndSaysWhatIsWrong) {
    struct Case {
        const char* typed;
        AmountSign sign;
        std::optional<Credits> amount;
        const char* problem;
    };
    const Case cases[] = {
        {"1500", AmountSign::notNegative, 1500, ""},
        {"  Cr1,500 ", AmountSign::notNegative, 1500, ""},
        {"cr 2 500 000", AmountSign::notNegative, 2'500'000, ""},
        {"2 500 000", AmountSign::notNegative, 2'500'000, ""},
        // A starship's price is beyond 2^31.
        {"Cr3,000,000,000", AmountSign::notNegative, 3'000'000'000, ""},
        {"+40", AmountSign::notNegative, 40, ""},
        {"-0", AmountSign::notNegative, 0, ""},
        {"-200", AmountSign::any, -200, ""},
        {"Cr-200", AmountSign::any, -200, ""},
        {"-Cr200", AmountSign::any, -200, ""},
        {"-200", AmountSign::notNegative, std::nullopt, "The amount can't be negative."},
        {"", AmountSign::notNegative, std::nullopt, "Enter an amount in credits."},
        {"   ", AmountSign::any, std::nullopt, "Enter an amount in credits."},
        {"12.5", AmountSign::notNegative, std::nullopt,
         "\u201c12.5\u201d is not a whole number of credits."},
        {"Cr", AmountSign::notNegative, std::nullopt,
         "\u201cCr\u201d is not a whole number of credits."},
        {"1,", AmountSign::notNegative, std::nullopt,
         "\u201c1,\u201d is not a whole number of credits."},
        {"ten", AmountSign::notNegative, std::nullopt,
         "\u201cten\u201d is not a whole number of credits."},
        {"9223372036854775807", AmountSign::notNegative, most, ""},
        {"9223372036854775808", AmountSign::notNegative, std::nullopt,
         "The amount is too large (at most Cr9223372036854775807)."},
        {"-9223372036854775808", AmountSign::any, least, ""},
        {"-9223372036854775809", AmountSign::any, std::nullopt,
         "The amount is too large (at most Cr9223372036854775807)."},
        {"99999999999999999999999", AmountSign::any, std::nullopt,
         "The amount is too large (at most Cr9223372036854775807)."},
    };
    for (const Case& c : cases) {
        const CreditsInput input = parseCredits(c.typed, c.sign);
        EXPECT_EQ(input.amount, c.amount) << c.typed;
        EXPECT_EQ(input.problem, c.problem) << c.typed;
    }
}

TEST(CreditsArithmetic, StopsAtTheLimitsInsteadOfWrapping) {
    EXPECT_EQ(addCredits(most - 5, 10), most);
    EXPECT_EQ(addCredits(least + 5, -10), least);
    EXPECT_EQ(subtractCredits(0, least), most);
    EXPECT_EQ(subtractCredits(least, 1), least);
    EXPECT_EQ(multiplyCredits(most / 2, 3), most);
    EXPECT_EQ(multiplyCredits(most / 2, -3), least);
    EXPECT_EQ(multiplyCredits(3'000'000'000, 4), 12'000'000'000);
    EXPECT_EQ(creditsText(-20), "Cr-20");
}
