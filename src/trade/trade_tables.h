#pragma once

#include "core/starport.h"
#include "trade/passage_class.h"

#include <array>
#include <optional>

namespace velmora::trade {

// Fares and freight rates by distance, the price roll's percentages and the
// traffic table. Jumps of more than six parsecs have no fare: nobody books them.

inline constexpr int longestPricedJump = 6;

namespace detail {

// Per passenger, in the order high, middle, basic, low; one row per parsec.
inline constexpr std::array<std::array<int, 4>, longestPricedJump> passageFares = {{
    {9'000, 6'500, 2'000, 700},
    {14'000, 10'000, 3'000, 1'300},
    {21'000, 14'000, 5'000, 2'200},
    {34'000, 23'000, 8'000, 3'900},
    {60'000, 40'000, 14'000, 7'200},
    {210'000, 130'000, 55'000, 27'000},
}};

inline constexpr std::array<int, longestPricedJump> freightRates = {1'000, 1'600, 2'600,
                                                                    4'400, 8'500, 32'000};

// Results -2 to 24.
inline constexpr int lowestPriceResult = -2;
inline constexpr int highestPriceResult = 24;
inline constexpr std::array<int, 27> purchasePercents = {
    250, 200, 175, 150, 135, 125, 120, 115, 110, 105, 100, 95, 90, 85,
    80,  75,  70,  65,  60,  55,  50,  45,  40,  35,  30,  25, 20};
inline constexpr std::array<int, 27> salePercents = {20,  30,  40,  45,  50,  55,  60,  65,  70,
                                                     75,  80,  85,  90,  100, 105, 110, 115, 120,
                                                     125, 130, 140, 150, 160, 175, 200, 250, 300};

constexpr bool strictlyMonotonic(const std::array<int, 27>& percents, bool rising) {
    for (std::size_t i = 1; i < percents.size(); ++i)
        if (rising ? percents[i] <= percents[i - 1] : percents[i] >= percents[i - 1])
            return false;
    return true;
}
// A better roll never makes a purchase dearer or a sale cheaper.
static_assert(strictlyMonotonic(purchasePercents, false));
static_assert(strictlyMonotonic(salePercents, true));

} // namespace detail

// Credits per passenger; nothing beyond six parsecs (or below one).
constexpr std::optional<int> passagePrice(int parsecs, PassageClass passage) {
    if (parsecs < 1 || parsecs > longestPricedJump)
        return std::nullopt;
    return detail::passageFares[parsecs - 1][static_cast<std::size_t>(passage)];
}

// Credits per ton of freight; nothing beyond six parsecs (or below one).
constexpr std::optional<int> freightPricePerTon(int parsecs) {
    if (parsecs < 1 || parsecs > longestPricedJump)
        return std::nullopt;
    return detail::freightRates[parsecs - 1];
}

struct PricePercents {
    int purchase = 100;
    int sale = 100;
    friend constexpr bool operator==(const PricePercents&, const PricePercents&) = default;
};

// What a price roll's result makes of the base price, bought and sold.
constexpr PricePercents modifiedPricePercent(int result) {
    if (result < detail::lowestPriceResult)
        return {300, 10};
    if (result > detail::highestPriceResult)
        return {15, 400};
    const auto at = static_cast<std::size_t>(result - detail::lowestPriceResult);
    return {detail::purchasePercents[at], detail::salePercents[at]};
}

// How many dice of passengers or freight lots a traffic result gives.
constexpr int trafficDice(int result) {
    if (result <= 1)
        return 0;
    if (result <= 3)
        return 1;
    if (result <= 5)
        return 2;
    if (result <= 8)
        return 3;
    if (result <= 11)
        return 4;
    if (result <= 14)
        return 5;
    if (result <= 16)
        return 6;
    if (result >= 20)
        return 10;
    return result - 10; // 17, 18, 19 give 7, 8, 9
}

// The mail check's DM from the origin's freight traffic DM.
constexpr int mailDM(int freightTrafficDM) {
    if (freightTrafficDM <= -10)
        return -2;
    if (freightTrafficDM <= -5)
        return -1;
    if (freightTrafficDM <= 4)
        return 0;
    if (freightTrafficDM <= 9)
        return 1;
    return 2;
}

// The traffic DM of a starport, for passengers and freight alike.
constexpr int starportTrafficDM(core::Starport starport) {
    switch (starport) {
    case core::Starport::typeA:
        return 2;
    case core::Starport::typeB:
        return 1;
    case core::Starport::typeE:
        return -1;
    case core::Starport::typeX:
        return -3;
    default:
        return 0;
    }
}

// The starport DM of the searches for a supplier, a black-market contact or a buyer.
constexpr int starportDealingDM(core::Starport starport) {
    switch (starport) {
    case core::Starport::typeA:
        return 6;
    case core::Starport::typeB:
        return 4;
    case core::Starport::typeC:
        return 2;
    default:
        return 0;
    }
}

} // namespace velmora::trade
