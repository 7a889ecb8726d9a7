// A month's market at a world in the thick of a 50,000-system universe: every hex
// within six parsecs is occupied, so passengers and freight are rolled for 126
// destinations, and the supplier offers goods of a populous industrial world. The
// universe is built in memory in a scattered hex order, as imports leave it.
// Measured with the hex index kept between markets (what the trade view does while
// the universe is unchanged) and with the index built for the one market.

#include "core/hex_block_index.h"
#include "core/random_source.h"
#include "trade/market_generation.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

using namespace velmora;

namespace {

constexpr int systemCount = 50'000;

// Quick, repeatable draws: the secure source would measure the kernel, not trade.
class BenchRandom final : public core::RandomSource {
public:
    std::uint64_t next64() override {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }

private:
    std::uint64_t m_state = 0x9E3779B97F4A7C15ULL;
};

core::HexData system(const core::GalacticCoordinates& at, std::mt19937& random) {
    using C = core::TradeClass;
    static const std::vector<std::vector<C>> codes = {
        {C::industrial, C::highTechnology, C::highPopulation},
        {C::agricultural, C::garden, C::water},
        {C::asteroid, C::nonIndustrial},
        {C::desert, C::poor},
        {C::rich, C::industrial},
    };
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = "World " + at.description();
    world.mainWorld = true;
    world.uwp.starport = static_cast<core::Starport>(random() % 6);
    world.uwp.population = static_cast<int>(random() % 11);
    world.uwp.techLevel = static_cast<core::TechnologyLevel>(random() % 15);
    world.uwp.lawLevel = static_cast<int>(random() % 10);
    world.tradeClasses = codes[random() % codes.size()];
    core::Star star;
    star.id = core::Uuid::generate();
    star.worlds = {world};
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = at;
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = world.name;
    hex.starSystem.stars = {star};
    return hex;
}

struct BusyUniverse {
    std::vector<core::HexData> hexes;
    core::GalacticCoordinates origin{2, 2, 16, 20};

    BusyUniverse() {
        std::mt19937 random(1105);
        // Sectors 0-6 by 0-5, every hex full, until there are 50,000.
        std::vector<core::GalacticCoordinates> all;
        for (int sx = 0; sx < 7; ++sx)
            for (int sy = 0; sy < 6; ++sy)
                for (int column = 1; column <= core::sectorColumns; ++column)
                    for (int row = 1; row <= core::sectorRows; ++row)
                        all.push_back({sx, sy, column, row});
        // Every hex within six parsecs of the origin, then others up to 50,000.
        std::stable_partition(all.begin(), all.end(), [&](const core::GalacticCoordinates& at) {
            return core::distance(at, origin) <= 6;
        });
        std::shuffle(all.begin() + 127, all.end(), random);
        all.resize(systemCount);
        std::shuffle(all.begin(), all.end(), random);
        hexes.reserve(all.size());
        for (const auto& at : all)
            hexes.push_back(system(at, random));
        // The origin: a populous industrial world with a class A starport.
        for (auto& hex : hexes) {
            if (hex.coordinates == origin) {
                core::WorldData& world = hex.starSystem.stars[0].worlds[0];
                world.uwp.starport = core::Starport::typeA;
                world.uwp.population = 9;
                world.uwp.techLevel = core::TechnologyLevel::ttl12;
                world.tradeClasses = {core::TradeClass::industrial,
                                      core::TradeClass::highTechnology,
                                      core::TradeClass::highPopulation};
            }
        }
    }
};

const BusyUniverse& busyUniverse() {
    static const BusyUniverse universe;
    return universe;
}

trade::MarketRequest request(const BusyUniverse& universe, const core::HexBlockIndex* index) {
    trade::MarketRequest request;
    request.hexes = universe.hexes;
    request.index = index;
    request.coordinates = universe.origin;
    request.date = core::campaignStartDate();
    request.negotiator.broker = 2;
    request.negotiator.streetwise = 1;
    request.blackMarket = true;
    request.range = 6;
    request.label = "Bench";
    return request;
}

void checkDestinations(benchmark::State& state, const BusyUniverse& universe,
                       const core::HexBlockIndex& index) {
    const auto destinations = trade::marketDestinations(universe.hexes, index, universe.origin, 6);
    if (destinations.size() != 126)
        state.SkipWithError("the origin is not surrounded by 126 worlds");
}

void generateMarketWithKeptIndex(benchmark::State& state) {
    const BusyUniverse& universe = busyUniverse();
    const core::HexBlockIndex index(universe.hexes);
    checkDestinations(state, universe, index);
    BenchRandom random;
    const trade::TradeRoller roller = trade::TradeRoller::fromRandom(random);
    const trade::MarketRequest asked = request(universe, &index);
    for (auto _ : state) {
        auto market = trade::generateMarket(asked, roller);
        benchmark::DoNotOptimize(market);
    }
}
BENCHMARK(generateMarketWithKeptIndex)->Unit(benchmark::kMillisecond);

void generateMarketBuildingIndex(benchmark::State& state) {
    const BusyUniverse& universe = busyUniverse();
    BenchRandom random;
    const trade::TradeRoller roller = trade::TradeRoller::fromRandom(random);
    const trade::MarketRequest asked = request(universe, nullptr);
    for (auto _ : state) {
        auto market = trade::generateMarket(asked, roller);
        benchmark::DoNotOptimize(market);
    }
}
BENCHMARK(generateMarketBuildingIndex)->Unit(benchmark::kMillisecond);

void buildHexIndex(benchmark::State& state) {
    const BusyUniverse& universe = busyUniverse();
    for (auto _ : state) {
        core::HexBlockIndex index(universe.hexes);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(buildHexIndex)->Unit(benchmark::kMillisecond);

} // namespace
