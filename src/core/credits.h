#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::core {

// Money is whole credits. A starship costs more than 2^31 credits, so amounts are
// 64-bit throughout.
using Credits = std::int64_t;

// Sums and products that stop at the limits of the type instead of wrapping: a
// ledger typed in by hand may hold anything, and a wrapped balance would turn a
// fortune into a debt.
Credits addCredits(Credits a, Credits b);
Credits subtractCredits(Credits a, Credits b);
Credits multiplyCredits(Credits amount, std::int64_t count);

// "Cr1500", "Cr-20": the amount as the feedback texts write it.
std::string creditsText(Credits amount);

// An amount typed in by the referee: "1500", "Cr1,500", "-200", "1 000 000".
// Either an amount or the problem to show beside the field.
struct CreditsInput {
    std::optional<Credits> amount;
    std::string problem;
};

enum class AmountSign { notNegative, any };

// Problems: "Enter an amount in credits." for nothing typed, "“x” is not a whole
// number of credits." for other text, "The amount can't be negative." where a
// negative amount makes no sense, and "The amount is too large (at most
// Cr9223372036854775807)." beyond 64 bits either way.
CreditsInput parseCredits(std::string_view text, AmountSign sign = AmountSign::notNegative);

} // namespace velmora::core
