// Generating systems at the rate a referee fills a map: single systems with the
// system's secure random source, and a whole sector (1,280 hexes at 100 %) filled
// and saved into a real universe file.

#include "generator/area_generation.h"
#include "generator/secure_random_pool.h"
#include "generator/system_generator.h"
#include "universe/ridivivev_izeviduv.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

using namespace velmora;

namespace {

// The pool the generator window and commands use, and the one-draw-per-call source
// for comparison: the difference is all system calls.
template <typename Source>
void GenerateSystems(benchmark::State& state, Source& random) {
    const auto count = state.range(0);
    for (auto _ : state) {
        for (std::int64_t i = 0; i < count; ++i) {
            auto system = generator::generateSystem(std::nullopt, i % 6 == 0,
                                                    core::TechnologyLevel::ttl15, true, random);
            benchmark::DoNotOptimize(system);
        }
    }
    state.counters["systems/s"] = benchmark::Counter(static_cast<double>(count),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK_CAPTURE(GenerateSystems, pool, generator::generatorRandomSource())
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GenerateSystems, perDraw, core::systemRandomSource())
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

void FillAndSaveSector(benchmark::State& state) {
    std::random_device device;
    const auto folder =
        std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(device()));
    std::filesystem::create_directories(folder);
    auto& random = generator::generatorRandomSource();
    std::size_t systems = 0;
    for (auto _ : state) {
        universe::RidivivevIzeviduv universe({}, folder / "sector.json", nullptr, {});
        generator::AreaOptions options;
        options.densityPercent = 100;
        auto hexes = generator::generateArea(
            {0, 0, std::nullopt}, options,
            [&](const core::GalacticCoordinates& c) { return universe.hexAt(c); }, {}, random);
        systems = hexes.size();
        universe::UniverseEdit edit = universe.beginEdit("Generate Sector 00");
        for (auto& hex : hexes)
            edit.addHex(std::move(hex));
        if (!universe.apply(std::move(edit)).ok())
            state.SkipWithError("the universe file was not written");
    }
    state.counters["systems"] = static_cast<double>(systems);
    state.counters["file MB"] =
        static_cast<double>(std::filesystem::file_size(folder / "sector.json")) / (1024.0 * 1024.0);
    std::filesystem::remove_all(folder);
}
BENCHMARK(FillAndSaveSector)->Unit(benchmark::kMillisecond);

} // namespace
