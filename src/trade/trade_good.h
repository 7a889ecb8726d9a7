#pragma once

#include "core/trade_class.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace velmora::trade {

// A list of at most N values, built at compile time: a row of the goods table
// carries a few codes and DMs, and the whole table lives in read-only data.
template <typename T, std::size_t N>
struct ShortList {
    std::array<T, N> items{};
    std::size_t count = 0;

    constexpr ShortList() = default;
    constexpr ShortList(std::initializer_list<T> values) {
        for (const T& value : values)
            items[count++] = value;
    }
    constexpr const T* begin() const { return items.data(); }
    constexpr const T* end() const { return items.data() + count; }
    constexpr std::size_t size() const { return count; }
    constexpr bool empty() const { return count == 0; }
};

// What a trade DM is keyed by: a trade code the world has, or its travel zone.
struct TradeModifierSubject {
    enum class Kind { tradeCode, amberZone, redZone };
    Kind kind = Kind::tradeCode;
    core::TradeClass code = core::TradeClass::asteroid; // for tradeCode only

    static constexpr TradeModifierSubject tradeCode(core::TradeClass code) {
        return {Kind::tradeCode, code};
    }
    static constexpr TradeModifierSubject amberZone() { return {Kind::amberZone, {}}; }
    static constexpr TradeModifierSubject redZone() { return {Kind::redZone, {}}; }

    friend constexpr bool operator==(const TradeModifierSubject& a, const TradeModifierSubject& b) {
        return a.kind == b.kind && (a.kind != Kind::tradeCode || a.code == b.code);
    }
};

struct TradeDM {
    TradeModifierSubject subject;
    int value = 0;
};

// One row of the speculative goods table.
struct TradeGood {
    int d66 = 0;
    std::string_view name;
    // Trade codes of the worlds that offer it. Empty means every world on rows
    // 11-16 and none on row 66.
    ShortList<core::TradeClass, 4> availability;
    int tonsDice = 0;
    int tonsMultiplier = 0;
    int basePrice = 0;
    ShortList<TradeDM, 6> purchaseDMs;
    ShortList<TradeDM, 6> saleDMs;
    bool illegal = false;
    std::optional<int> bannedAtLawLevel;
    std::string_view examples;
};

// The 36 rows in D66 order.
extern const std::array<TradeGood, 36> tradeGoods;

// The row with this D66 number; null for a number that is not a row.
const TradeGood* tradeGood(int d66);

// Whether a D66 number names a row: both digits 1-6.
constexpr bool isD66(int value) {
    return value >= 11 && value <= 66 && value % 10 >= 1 && value % 10 <= 6;
}

} // namespace velmora::trade
