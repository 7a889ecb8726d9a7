#include "core/universe_date.h"
#include "support/manual_delayed_call.h"
#include "support/temporary_folder.h"
#include "trade/trade_market_json.h"
#include "trade/universe_markets.h"
#include "trade_test_support.h"
#include "universe/universe_codec.h"

#include <gtest/gtest.h>
#include <memory>

using namespace velmora;
using namespace velmora::trade;
using velmora::testing::TemporaryFolder;
using velmora::testing::worldHex;
using velmora::testing::WorldPlan;

namespace {

const core::GalacticCoordinates regina{0, 0, 19, 10};
const core::GalacticCoordinates efate{0, 0, 19, 12};

// An open universe in a real file, on a disk the test can fill.
struct OpenUniverse {
    TemporaryFolder folder;
    velmora::testing::ManualClock clock;
    std::shared_ptr<bool> diskFull = std::make_shared<bool>(false);
    std::unique_ptr<universe::RidivivevIzeviduv> universe;

    explicit OpenUniverse(universe::UniverseRecord record) {
        record.data = {worldHex({regina, "Regina"}), worldHex({efate, "Efate"}),
                       velmora::testing::emptyHex({0, 0, 1, 1})};
        const auto file = folder / (record.id.toString() + ".json");
        universe = std::make_unique<universe::RidivivevIzeviduv>(
            std::move(record), file, clock.factory()(), [](const std::string&) {});
        universe->setFileWriting(
            [full = diskFull](const std::filesystem::path& path, const core::FileText& text) {
                if (*full)
                    return core::FileResult{false, "No space left on device"};
                return core::writeFileAtomically(path, text);
            });
        EXPECT_TRUE(universe->save());
    }
    // The markets as the file on disk holds them.
    UniverseMarkets onDisk() const {
        return readUniverseMarkets(
            universe::decodeUniverse(folder.read(universe->file().filename())));
    }
};

TradeMarket marketAt(core::GalacticCoordinates at, int mail) {
    TradeMarket market;
    market.coordinates = at;
    market.generatedOn = core::campaignStartDate();
    market.mailContainers = mail;
    return market;
}

} // namespace

TEST(UniverseMarkets, GenerateAndDiscardAreNamedEditsThatUndo) {
    OpenUniverse open{universe::UniverseRecord{}};
    universe::RidivivevIzeviduv& universe = *open.universe;

    ASSERT_TRUE(setTradeMarket(universe, marketAt(regina, 1)));
    EXPECT_EQ(universe.undoName(), "Generate Market at Regina");
    ASSERT_TRUE(setTradeMarket(universe, marketAt(efate, 2)));
    // Regenerating replaces the world's market in its place.
    const TradeMarket again = marketAt(regina, 3);
    ASSERT_TRUE(setTradeMarket(universe, again));
    UniverseMarkets stored = open.onDisk();
    ASSERT_EQ(stored.markets.size(), 2u);
    EXPECT_EQ(stored.markets[0], again);
    EXPECT_EQ(stored.markets[1].mailContainers, 2);

    ASSERT_TRUE(discardTradeMarket(universe, regina));
    EXPECT_EQ(universe.undoName(), "Discard Market");
    EXPECT_EQ(open.onDisk().markets.size(), 1u);
    EXPECT_EQ(open.onDisk().at(regina), nullptr);
    EXPECT_EQ(discardTradeMarket(universe, regina).error,
              "This world has no generated market to discard.");

    ASSERT_TRUE(universe.undo());
    EXPECT_EQ(*open.onDisk().at(regina), again);
    ASSERT_TRUE(universe.undo());
    EXPECT_EQ(open.onDisk().at(regina)->mailContainers, 1);
    ASSERT_TRUE(universe.redo());
    EXPECT_EQ(readUniverseMarkets(universe.record()).at(regina)->mailContainers, 3);

    // No market for a hex without a main world, or an empty one.
    EXPECT_FALSE(setTradeMarket(universe, marketAt({0, 0, 1, 1}, 0)));
    EXPECT_FALSE(setTradeMarket(universe, marketAt({0, 0, 2, 2}, 0)));
}

TEST(UniverseMarkets, AFailedWriteTakesTheEditBack) {
    OpenUniverse open{universe::UniverseRecord{}};
    universe::RidivivevIzeviduv& universe = *open.universe;
    ASSERT_TRUE(setTradeMarket(universe, marketAt(regina, 1)));
    const std::string before = open.folder.read(universe.file().filename());

    *open.diskFull = true;
    const universe::EditResult result = setTradeMarket(universe, marketAt(regina, 6));
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("No space left on device"), std::string::npos) << result.error;
    EXPECT_FALSE(discardTradeMarket(universe, regina));
    EXPECT_EQ(readUniverseMarkets(universe.record()).at(regina)->mailContainers, 1);
    EXPECT_EQ(open.folder.read(universe.file().filename()), before);
    EXPECT_EQ(universe.undoName(), "Generate Market at Regina");
}

TEST(UniverseMarkets, OneUnreadableMarketHidesThemAll) {
    universe::UniverseRecord record;
    record.tradeMarkets = {encodeTradeMarket(marketAt(efate, 2)),
                           R"({"coordinates": {"column": 19, "row": 10}})"};
    OpenUniverse open{record};
    universe::RidivivevIzeviduv& universe = *open.universe;
    const UniverseMarkets read = readUniverseMarkets(universe.record());
    EXPECT_TRUE(read.markets.empty());
    EXPECT_EQ(read.error, "Trade market 2 of 2 could not be read: Missing key \"generatedOn\"");
    // The file keeps them until a market is stored, which starts the list afresh.
    EXPECT_EQ(open.onDisk().error, read.error);
    ASSERT_TRUE(setTradeMarket(universe, marketAt(regina, 4)));
    const UniverseMarkets now = open.onDisk();
    EXPECT_FALSE(now.unreadable());
    ASSERT_EQ(now.markets.size(), 1u);
    EXPECT_EQ(now.markets[0].coordinates, regina);
    // And undo brings the unreadable list back, as it was.
    ASSERT_TRUE(universe.undo());
    EXPECT_EQ(universe.record().tradeMarkets, record.tradeMarkets);
}
