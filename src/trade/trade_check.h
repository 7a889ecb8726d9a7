#pragma once

#include "core/code_table.h"
#include "core/uuid.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::trade {

// One dice check of a market, a deal or a booking, kept so the table can see what
// was rolled, with what, against what.
struct TradeCheck {
    enum class Step {
        supplier,
        blackMarketSupplier,
        passengersHigh,
        passengersMiddle,
        passengersBasic,
        passengersLow,
        freightMajor,
        freightMinor,
        freightIncidental,
        mail,
        purchase,
        buyer,
        sale,
        passengers,
        freight,
    };
    // Typed in by a player, or rolled by the program.
    enum class Source { entered, rolled };

    core::Uuid id = core::Uuid::generate();
    Step step = Step::supplier;
    Source source = Source::rolled;
    int diceCount = 2;
    int dice = 0; // the total on the dice
    int modifier = 0;
    std::optional<int> target;
    std::string label;

    int total() const { return dice + modifier; }
    // A check without a target only sets a result; one with a target succeeds at it.
    bool succeeded() const { return !target || total() >= *target; }

    friend bool operator==(const TradeCheck&, const TradeCheck&) = default;
};

inline constexpr auto tradeCheckStepTable = core::makeRawValueTable<TradeCheck::Step>(
    std::pair{TradeCheck::Step::supplier, "supplier"},
    std::pair{TradeCheck::Step::blackMarketSupplier, "blackMarketSupplier"},
    std::pair{TradeCheck::Step::passengersHigh, "passengersHigh"},
    std::pair{TradeCheck::Step::passengersMiddle, "passengersMiddle"},
    std::pair{TradeCheck::Step::passengersBasic, "passengersBasic"},
    std::pair{TradeCheck::Step::passengersLow, "passengersLow"},
    std::pair{TradeCheck::Step::freightMajor, "freightMajor"},
    std::pair{TradeCheck::Step::freightMinor, "freightMinor"},
    std::pair{TradeCheck::Step::freightIncidental, "freightIncidental"},
    std::pair{TradeCheck::Step::mail, "mail"}, std::pair{TradeCheck::Step::purchase, "purchase"},
    std::pair{TradeCheck::Step::buyer, "buyer"}, std::pair{TradeCheck::Step::sale, "sale"},
    std::pair{TradeCheck::Step::passengers, "passengers"},
    std::pair{TradeCheck::Step::freight, "freight"});

inline constexpr auto tradeCheckStepNames = core::makeRawValueTable<TradeCheck::Step>(
    std::pair{TradeCheck::Step::supplier, "Supplier"},
    std::pair{TradeCheck::Step::blackMarketSupplier, "Black Market"},
    std::pair{TradeCheck::Step::passengersHigh, "Passengers High"},
    std::pair{TradeCheck::Step::passengersMiddle, "Passengers Middle"},
    std::pair{TradeCheck::Step::passengersBasic, "Passengers Basic"},
    std::pair{TradeCheck::Step::passengersLow, "Passengers Low"},
    std::pair{TradeCheck::Step::freightMajor, "Freight Major"},
    std::pair{TradeCheck::Step::freightMinor, "Freight Minor"},
    std::pair{TradeCheck::Step::freightIncidental, "Freight Incidental"},
    std::pair{TradeCheck::Step::mail, "Mail"}, std::pair{TradeCheck::Step::purchase, "Purchase"},
    std::pair{TradeCheck::Step::buyer, "Buyer"}, std::pair{TradeCheck::Step::sale, "Sale"},
    std::pair{TradeCheck::Step::passengers, "Passengers"},
    std::pair{TradeCheck::Step::freight, "Freight"});

inline constexpr auto tradeCheckSourceTable =
    core::makeRawValueTable<TradeCheck::Source>(std::pair{TradeCheck::Source::entered, "entered"},
                                                std::pair{TradeCheck::Source::rolled, "rolled"});

static_assert(core::isInCaseOrder(tradeCheckStepTable) &&
              core::hasDistinctTexts(tradeCheckStepTable));
static_assert(core::isInCaseOrder(tradeCheckStepNames) &&
              core::hasDistinctTexts(tradeCheckStepNames));
static_assert(core::isInCaseOrder(tradeCheckSourceTable));

constexpr std::string_view rawValue(TradeCheck::Step step) {
    return core::textAt(tradeCheckStepTable, step);
}
constexpr std::string_view rawValue(TradeCheck::Source source) {
    return core::textAt(tradeCheckSourceTable, source);
}
// "Supplier", "Black Market", "Passengers High", ... "Freight Incidental", "Mail".
constexpr std::string_view displayName(TradeCheck::Step step) {
    return core::textAt(tradeCheckStepNames, step);
}

} // namespace velmora::trade
