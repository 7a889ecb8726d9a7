// The record browsers over a large universe: the statistics of the "Information"
// view and one pass of the "Systems" list (search, filter and natural-order sort),
// each over 16 full sectors of generated systems (about 10,000).

#include "generator/area_generation.h"
#include "generator/secure_random_pool.h"
#include "systems/system_list.h"
#include "systems/universe_statistics.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/system_pattern.h"

#include <benchmark/benchmark.h>
#include <cctype>
#include <filesystem>
#include <memory>
#include <variant>

using namespace velmora;

namespace {

std::unique_ptr<universe::RidivivevIzeviduv> largeUniverse() {
    auto universe = std::make_unique<universe::RidivivevIzeviduv>(
        universe::UniverseRecord{},
        // Every edit saves: into the temporary folder, never the folder the benchmark runs in.
        (std::filesystem::temp_directory_path() / "velmora-systems-bench.json").string(), nullptr,
        universe::RidivivevIzeviduv::Logger{});
    generator::AreaOptions options;
    options.densityPercent = 50;
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 4; ++y) {
            auto hexes = generator::generateArea(
                {x, y, std::nullopt}, options,
                [&](const core::GalacticCoordinates& c) { return universe->hexAt(c); }, {},
                generator::generatorRandomSource());
            universe::UniverseEdit edit = universe->beginEdit("Generate Sector");
            for (auto& hex : hexes)
                edit.addHex(std::move(hex));
            universe->apply(std::move(edit));
        }
    }
    return universe;
}

const universe::RidivivevIzeviduv& sharedUniverse() {
    static const auto universe = largeUniverse();
    return *universe;
}

// Case-insensitive with digit runs by value, as the views compare names.
int naturalOrder(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        if (std::isdigit(ca) && std::isdigit(cb)) {
            long long x = 0, y = 0;
            while (i < a.size() && std::isdigit(static_cast<unsigned char>(a[i])))
                x = x * 10 + (a[i++] - '0');
            while (j < b.size() && std::isdigit(static_cast<unsigned char>(b[j])))
                y = y * 10 + (b[j++] - '0');
            if (x != y)
                return x < y ? -1 : 1;
            continue;
        }
        if (std::tolower(ca) != std::tolower(cb))
            return std::tolower(ca) < std::tolower(cb) ? -1 : 1;
        ++i;
        ++j;
    }
    return (a.size() - i > 0) - (b.size() - j > 0);
}

void UniverseStatistics(benchmark::State& state) {
    const auto& universe = sharedUniverse();
    for (auto _ : state) {
        auto stats = systems::computeStatistics(universe.record());
        benchmark::DoNotOptimize(stats);
    }
    state.counters["systems"] = static_cast<double>(universe.data().size());
}
BENCHMARK(UniverseStatistics)->Unit(benchmark::kMillisecond);

void SystemsList(benchmark::State& state) {
    const auto& universe = sharedUniverse();
    systems::SystemListQuery query;
    query.order = static_cast<systems::SystemSortOrder>(state.range(0));
    for (auto _ : state) {
        auto rows = systems::listSystems(universe, query, naturalOrder);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["systems"] = static_cast<double>(universe.data().size());
}
BENCHMARK(SystemsList)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void SystemsSearch(benchmark::State& state) {
    const auto& universe = sharedUniverse();
    systems::SystemListQuery query;
    query.search = "a7";
    for (auto _ : state) {
        auto rows = systems::listSystems(universe, query, naturalOrder);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(SystemsSearch)->Unit(benchmark::kMillisecond);

// 50,000 systems: the generated sectors five times over, side by side.
const std::vector<core::HexData>& fiftyThousand() {
    static const std::vector<core::HexData> hexes = [] {
        const auto& source = sharedUniverse().data();
        std::vector<core::HexData> all;
        for (int copy = 0; all.size() < 50000; ++copy) {
            for (const core::HexData& hex : source) {
                if (all.size() == 50000)
                    break;
                all.push_back(hex);
                all.back().coordinates.sectorX += 4 * copy;
            }
        }
        return all;
    }();
    return hexes;
}

// One keystroke in the map's search: read the pattern, test every system.
void PatternSearch(benchmark::State& state) {
    static const char* const patterns[] = {"ri", "A???9?\?-*", "TL>=12 Ri", "al:ImDd N pop>=6"};
    const std::string text = patterns[state.range(0)];
    const auto& hexes = fiftyThousand();
    const auto& factions = sharedUniverse().factions();
    std::size_t found = 0;
    for (auto _ : state) {
        auto pattern = std::get<universe::SystemPattern>(universe::parseSystemPattern(text));
        const universe::SystemPatternMatcher matcher(std::move(pattern), factions);
        found = universe::findSystems(hexes, matcher).size();
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(text);
    state.counters["systems"] = static_cast<double>(hexes.size());
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(PatternSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
