#pragma once

#include "core/code_table.h"
#include "core/galactic_coordinates.h"
#include "core/universe_date.h"
#include "core/uuid.h"
#include "trade/passage_class.h"
#include "trade/trade_check.h"
#include "trade/trade_skill_source.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::trade {

// The four things a market can generate.
enum class TradeCategory { passengers, freight, mail, cargo };

inline constexpr auto tradeCategoryTable = core::makeRawValueTable<TradeCategory>(
    std::pair{TradeCategory::passengers, "passengers"},
    std::pair{TradeCategory::freight, "freight"}, std::pair{TradeCategory::mail, "mail"},
    std::pair{TradeCategory::cargo, "cargo"});
static_assert(core::isInCaseOrder(tradeCategoryTable) &&
              core::hasDistinctTexts(tradeCategoryTable));

constexpr std::string_view rawValue(TradeCategory category) {
    return core::textAt(tradeCategoryTable, category);
}

// The dice totals players rolled themselves, before modifiers. A check without one
// is rolled by the program.
struct TradeManualRolls {
    std::optional<int> passengerHigh;
    std::optional<int> passengerMiddle;
    std::optional<int> passengerBasic;
    std::optional<int> passengerLow;
    std::optional<int> freightMajor;
    std::optional<int> freightMinor;
    std::optional<int> freightIncidental;
    std::optional<int> mail;
    std::optional<int> supplier;
    std::optional<int> blackMarketSupplier;

    friend bool operator==(const TradeManualRolls&, const TradeManualRolls&) = default;
};

// The rolls by their keys, in the order of the checks they stand for; a form or
// the command line finds a roll by its key through this table.
struct ManualRollField {
    std::string_view key;
    std::optional<int> TradeManualRolls::*roll;
    TradeCheck::Step step;
};
inline constexpr std::array<ManualRollField, 10> manualRollFields = {{
    {"passengerHigh", &TradeManualRolls::passengerHigh, TradeCheck::Step::passengersHigh},
    {"passengerMiddle", &TradeManualRolls::passengerMiddle, TradeCheck::Step::passengersMiddle},
    {"passengerBasic", &TradeManualRolls::passengerBasic, TradeCheck::Step::passengersBasic},
    {"passengerLow", &TradeManualRolls::passengerLow, TradeCheck::Step::passengersLow},
    {"freightMajor", &TradeManualRolls::freightMajor, TradeCheck::Step::freightMajor},
    {"freightMinor", &TradeManualRolls::freightMinor, TradeCheck::Step::freightMinor},
    {"freightIncidental", &TradeManualRolls::freightIncidental,
     TradeCheck::Step::freightIncidental},
    {"mail", &TradeManualRolls::mail, TradeCheck::Step::mail},
    {"supplier", &TradeManualRolls::supplier, TradeCheck::Step::supplier},
    {"blackMarketSupplier", &TradeManualRolls::blackMarketSupplier,
     TradeCheck::Step::blackMarketSupplier},
}};

// The field of a roll key; null for a key that is not one.
const ManualRollField* manualRollField(std::string_view key);

// What a market was generated with.
struct TradeInputs {
    TradeSkillSource negotiator;
    TradeSkillSource steward;
    int supplierBrokerSkill = 2; // the supplier's, and later the buyer's, Broker
    std::optional<core::Uuid> shipDesignID;
    TradeManualRolls manualRolls;

    friend bool operator==(const TradeInputs&, const TradeInputs&) = default;
};

struct PassengerOffer {
    core::Uuid id = core::Uuid::generate();
    core::GalacticCoordinates destination;
    PassageClass passageClass = PassageClass::middle;
    int count = 0;
    int creditsEach = 0;

    friend bool operator==(const PassengerOffer&, const PassengerOffer&) = default;
};

struct FreightLot {
    enum class Size { major, minor, incidental };

    core::Uuid id = core::Uuid::generate();
    core::GalacticCoordinates destination;
    Size size = Size::minor;
    int tons = 0;
    int creditsPerTon = 0;

    friend bool operator==(const FreightLot&, const FreightLot&) = default;
};

inline constexpr auto freightLotSizeTable = core::makeRawValueTable<FreightLot::Size>(
    std::pair{FreightLot::Size::major, "major"}, std::pair{FreightLot::Size::minor, "minor"},
    std::pair{FreightLot::Size::incidental, "incidental"});
static_assert(core::isInCaseOrder(freightLotSizeTable) &&
              core::hasDistinctTexts(freightLotSizeTable));

constexpr std::string_view rawValue(FreightLot::Size size) {
    return core::textAt(freightLotSizeTable, size);
}

// Speculative cargo a supplier offers.
struct CargoOffer {
    core::Uuid id = core::Uuid::generate();
    int goodD66 = 11;
    int tons = 0;
    int purchasePricePerTon = 0;
    bool illegal = false;

    friend bool operator==(const CargoOffer&, const CargoOffer&) = default;
};

// One world's market for one month, with every check that made it.
struct TradeMarket {
    core::Uuid id = core::Uuid::generate();
    core::GalacticCoordinates coordinates;
    core::UniverseDate generatedOn;
    TradeInputs inputs;
    bool blackMarket = false;
    // Failed searches within one trade month; each takes DM-1 off the next search
    // that month, and a new month starts again from none.
    int supplierAttempts = 0;
    int supplierAttemptsMonth = 0;
    int blackMarketAttempts = 0;
    int blackMarketAttemptsMonth = 0;
    std::vector<PassengerOffer> passengerOffers;
    std::vector<FreightLot> freightLots;
    int mailContainers = 0;
    std::vector<CargoOffer> cargoOffers;
    std::vector<TradeCheck> checks; // in the order made

    friend bool operator==(const TradeMarket&, const TradeMarket&) = default;
};

// The month a market and its attempt counters belong to: thirteen months of 28
// days a year, the few days past the thirteenth counted with it.
int tradeMonth(const core::UniverseDate& date);

} // namespace velmora::trade
