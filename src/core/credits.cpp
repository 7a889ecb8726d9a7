#include "core/credits.h"

#include <limits>

namespace velmora::core {

namespace {

constexpr Credits most = std::numeric_limits<Credits>::max();
constexpr Credits least = std::numeric_limits<Credits>::min();

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool startsWithCr(std::string_view text) {
    return text.size() >= 2 && (text[0] == 'C' || text[0] == 'c') &&
           (text[1] == 'r' || text[1] == 'R');
}

// "Cr" and any spaces after it.
void dropCr(std::string_view& text) {
    if (!startsWithCr(text))
        return;
    text.remove_prefix(2);
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
}

} // namespace

Credits addCredits(Credits a, Credits b) {
    Credits sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? most : least;
    return sum;
}

Credits subtractCredits(Credits a, Credits b) {
    Credits difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        return b < 0 ? most : least;
    return difference;
}

Credits multiplyCredits(Credits amount, std::int64_t count) {
    Credits product = 0;
    if (__builtin_mul_overflow(amount, count, &product))
        return (amount < 0) != (count < 0) ? least : most;
    return product;
}

std::string creditsText(Credits amount) {
    return "Cr" + std::to_string(amount);
}

CreditsInput parseCredits(std::string_view typed, AmountSign sign) {
    std::string_view text = trimmed(typed);
    if (text.empty())
        return {std::nullopt, "Enter an amount in credits."};
    const auto notWhole = [&] {
        return CreditsInput{std::nullopt, "\u201c" + std::string(text) +
                                              "\u201d is not a whole number of credits."};
    };
    std::string_view rest = text;
    dropCr(rest);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    dropCr(rest);
    // Digits, with thousands set apart by commas, underscores or spaces if wanted.
    if (rest.empty() || rest.front() < '0' || rest.front() > '9' || rest.back() < '0' ||
        rest.back() > '9')
        return notWhole();
    // Counted towards the negative limit, which is one further than the positive one.
    Credits value = 0;
    bool tooLarge = false;
    for (const char c : rest) {
        if (c == ',' || c == '_' || c == ' ')
            continue;
        if (c < '0' || c > '9')
            return notWhole();
        if (!tooLarge && (__builtin_mul_overflow(value, Credits{10}, &value) ||
                          __builtin_sub_overflow(value, Credits{c - '0'}, &value)))
            tooLarge = true;
    }
    if (!tooLarge && !negative && value == least)
        tooLarge = true;
    if (negative && value != 0 && sign == AmountSign::notNegative)
        return {std::nullopt, "The amount can't be negative."};
    if (tooLarge)
        return {std::nullopt, "The amount is too large (at most " + creditsText(most) + ")."};
    return {negative ? value : -value, {}};
}

} // namespace velmora::core
