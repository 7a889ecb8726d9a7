// Route planning across a synthetic universe of Charted Space's size. The maps are
// built in memory, the same on every run; nothing is written to disk.

#include "core/random_source.h"
#include "travel/literal_route_search.h"
#include "travel/route_maps.h"
#include "travel/route_planner.h"
#include "travel/route_search.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <ctime>
#include <map>
#include <optional>

using namespace velmora;

namespace {

struct Universe {
    std::vector<core::HexData> hexes;
    core::GalacticCoordinates start;
    core::GalacticCoordinates destination;
};

// About `systems` systems on a block of sectors half full, listed sector by sector
// as an import lists them. Six systems in ten have fuel: a starport A-D, or else a
// gas giant to skim; the others have an E or X port and nothing to scoop.
Universe buildUniverse(int systems, int sectorsAcross, int sectorsDown) {
    const int hexCount = sectorsAcross * sectorsDown * core::sectorColumns * core::sectorRows;
    const double occupied = static_cast<double>(systems) / hexCount;
    velmora::testing::SeededRandom random(static_cast<std::uint64_t>(systems));
    Universe universe;
    universe.hexes.reserve(static_cast<std::size_t>(systems) + systems / 10);
    const auto fraction = [&random] {
        return static_cast<double>(random.next64() >> 11) * 0x1p-53;
    };
    for (int sy = 0; sy > -sectorsDown; --sy) {
        for (int sx = 0; sx < sectorsAcross; ++sx) {
            for (int column = 1; column <= core::sectorColumns; ++column) {
                for (int row = 1; row <= core::sectorRows; ++row) {
                    if (fraction() >= occupied)
                        continue;
                    velmora::testing::MapSystem entry;
                    entry.sectorX = sx;
                    entry.sectorY = sy;
                    entry.column = column;
                    entry.row = row;
                    entry.name = "S" + std::to_string(universe.hexes.size());
                    const double fuel = fraction();
                    entry.starport = fuel < 0.4   ? static_cast<core::Starport>(random.below(4))
                                     : fuel < 0.8 ? core::Starport::typeE
                                                  : core::Starport::typeX;
                    entry.gasGiants = fuel >= 0.4 && fuel < 0.6 ? 1 : 0;
                    universe.hexes.push_back(velmora::testing::routeSystem(entry));
                }
            }
        }
    }
    return universe;
}

travel::RouteRequest jumpTwo(const Universe& universe) {
    travel::RouteRequest request;
    request.start = universe.start;
    request.destination = universe.destination;
    request.jumpRating = 2;
    request.canScoop = true;
    return request;
}

// The fuelled systems nearest the top-left and bottom-right corners that a jump-2
// ship can travel between.
void pickCorners(Universe& universe) {
    const auto nodes = travel::routeNodes(universe.hexes, true);
    std::vector<std::size_t> order(nodes.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto key = [&](std::size_t i) {
        const auto& c = universe.hexes[i].coordinates;
        return c.globalColumn() + c.globalRow();
    };
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    travel::SearchRules rules;
    rules.jumpRating = 2;
    for (std::size_t tries = 0; tries < 50; ++tries) {
        const std::size_t from = order[tries];
        const std::size_t to = order[order.size() - 1 - tries];
        if (!nodes[from].hasFuel || !nodes[to].hasFuel)
            continue;
        if (travel::searchRoute(nodes, from, to, rules)) {
            universe.start = universe.hexes[from].coordinates;
            universe.destination = universe.hexes[to].coordinates;
            return;
        }
    }
}

const Universe& universeOf(int systems) {
    static std::map<int, Universe> built;
    auto it = built.find(systems);
    if (it == built.end()) {
        // Blocks about twice the systems' count in hexes.
        Universe universe =
            systems >= 50'000 ? buildUniverse(systems, 10, 8) : buildUniverse(systems, 4, 2);
        pickCorners(universe);
        it = built.emplace(systems, std::move(universe)).first;
    }
    return it->second;
}

std::size_t indexOf(const Universe& universe, const core::GalacticCoordinates& at) {
    return static_cast<std::size_t>(
        std::find_if(universe.hexes.begin(), universe.hexes.end(),
                     [&](const core::HexData& h) { return h.coordinates == at; }) -
        universe.hexes.begin());
}

// Jump-2 rules for a notional ship, or for a 200-ton jump-2 hull with 40 t of fuel
// and a 20 t drop tank.
travel::SearchRules jumpTwoRules(bool withShip) {
    travel::SearchRules rules;
    rules.jumpRating = 2;
    if (withShip) {
        rules.withShip = true;
        rules.fuelPerParsecTons = 20;
        rules.fuelCapacityTons = 40;
        rules.rangeExtensionTons = 20;
    }
    return rules;
}

// The whole plan, corner to corner, as the planner view and the command line make it:
// reading the hexes, the search, the stops, legs and totals.
void routePlanCornerToCorner(benchmark::State& state) {
    const Universe& universe = universeOf(static_cast<int>(state.range(0)));
    const auto request = jumpTwo(universe);
    int jumps = 0;
    for (auto _ : state) {
        const auto plan = travel::planRoute(universe.hexes, request, core::systemRandomSource());
        if (!plan) {
            state.SkipWithError("no route between the corners");
            return;
        }
        jumps = plan->totalJumps;
        benchmark::DoNotOptimize(plan->totalSeconds);
    }
    state.counters["systems"] = static_cast<double>(universe.hexes.size());
    state.counters["jumps"] = jumps;
}
BENCHMARK(routePlanCornerToCorner)->Arg(5'000)->Arg(50'000)->Unit(benchmark::kMillisecond);

// The indexed search alone, corner to corner, for a notional jump-2 ship and (second
// argument 1) for the 200-ton ship, which must look at every system.
void routeSearchCornerToCorner(benchmark::State& state) {
    const Universe& universe = universeOf(static_cast<int>(state.range(0)));
    const auto nodes = travel::routeNodes(universe.hexes, true);
    const auto from = indexOf(universe, universe.start);
    const auto to = indexOf(universe, universe.destination);
    const travel::SearchRules rules = jumpTwoRules(state.range(1) == 1);
    for (auto _ : state) {
        const auto route = travel::searchRoute(nodes, from, to, rules);
        if (!route) {
            state.SkipWithError("no route between the corners");
            return;
        }
        benchmark::DoNotOptimize(route->data());
    }
    state.counters["systems"] = static_cast<double>(nodes.size());
}
BENCHMARK(routeSearchCornerToCorner)
    ->Args({5'000, 0})
    ->Args({5'000, 1})
    ->Args({50'000, 0})
    ->Args({50'000, 1})
    ->Unit(benchmark::kMillisecond);

// The search alone, the indexed one and the scan of every node at every step, on the
// same nodes; the counters give both times and their ratio from this one run. The
// second argument plans for the 200-ton ship instead of a notional one.
void routeSearchIndexedAgainstLiteral(benchmark::State& state) {
    const Universe& universe = universeOf(static_cast<int>(state.range(0)));
    const auto nodes = travel::routeNodes(universe.hexes, true);
    const std::size_t from = indexOf(universe, universe.start);
    const std::size_t to = indexOf(universe, universe.destination);
    const travel::SearchRules rules = jumpTwoRules(state.range(1) == 1);
    // CPU time of this thread: other work on the machine does not count against either.
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
    };
    double indexedSeconds = 0;
    double literalSeconds = 0;
    long runs = 0;
    // Each search is timed in a run of its own, as it is used: the indexed one
    // repeated, so that it is not measured on caches the literal scan just emptied.
    constexpr int indexedRepeats = 16;
    for (auto _ : state) {
        const double a = now();
        std::optional<std::vector<std::size_t>> fast;
        for (int repeat = 0; repeat < indexedRepeats; ++repeat)
            fast = travel::searchRoute(nodes, from, to, rules);
        const double b = now();
        const auto slow = velmora::testing::literalRouteSearch(nodes, from, to, rules);
        const double c = now();
        if (fast != slow.route) {
            state.SkipWithError("the searches disagree");
            return;
        }
        indexedSeconds += (b - a) / indexedRepeats;
        literalSeconds += c - b;
        ++runs;
    }
    state.counters["systems"] = static_cast<double>(nodes.size());
    state.counters["indexed_ms"] = 1e3 * indexedSeconds / static_cast<double>(runs);
    state.counters["literal_ms"] = 1e3 * literalSeconds / static_cast<double>(runs);
    state.counters["speedup"] = literalSeconds / indexedSeconds;
}
BENCHMARK(routeSearchIndexedAgainstLiteral)
    ->Args({5'000, 0})
    ->Args({5'000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
