#include "core/galactic_coordinates.h"

#include <benchmark/benchmark.h>
#include <vector>

using namespace velmora::core;

namespace {

std::vector<GalacticCoordinates> hexesAcrossSectors(int count) {
    std::vector<GalacticCoordinates> hexes;
    hexes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        hexes.push_back({(i % 7) - 3, (i % 5) - 2, 1 + (i * 13) % 32, 1 + (i * 7) % 40});
    return hexes;
}

// Distance between address pairs, cube conversion included: what the route
// planner and the map do for every candidate hex.
void distanceBetweenAddresses(benchmark::State& state) {
    const auto hexes = hexesAcrossSectors(4096);
    std::size_t i = 0;
    long long total = 0;
    for (auto _ : state) {
        total += distance(hexes[i & 4095], hexes[(i * 31 + 7) & 4095]);
        ++i;
    }
    benchmark::DoNotOptimize(total);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(distanceBetweenAddresses);

void cubeConversion(benchmark::State& state) {
    const auto hexes = hexesAcrossSectors(4096);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hexes[i & 4095].cube());
        ++i;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(cubeConversion);

} // namespace
