#pragma once

#include "core/galactic_coordinates.h"
#include "travel/route_search.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::testing {

// The route search done the slow, obvious way: every step looks at every node to
// pick the next one, then at every node again to extend from it. It is the yardstick
// the planner's indexed search must match step for step.
struct LiteralSearchResult {
    std::optional<std::vector<std::size_t>> route;
    std::vector<std::size_t> settled; // picked nodes, in order, the destination last
    // Jumps and parsecs of each picked node when it was picked.
    std::vector<std::pair<int, int>> settledKeys;
};

inline LiteralSearchResult literalRouteSearch(const std::vector<travel::RouteNode>& nodes,
                                              std::size_t start, std::size_t destination,
                                              const travel::SearchRules& rules) {
    constexpr int unreached = std::numeric_limits<int>::max();
    const std::size_t n = nodes.size();
    std::vector<int> jumps(n, unreached);
    std::vector<int> parsecs(n, unreached);
    std::vector<double> fuel(n, 0.0);
    std::vector<double> used(n, 0.0);
    std::vector<long> predecessor(n, -1);
    std::vector<bool> visited(n, false);
    jumps[start] = 0;
    parsecs[start] = 0;
    if (rules.withShip)
        fuel[start] = rules.fuelCapacityTons;

    LiteralSearchResult result;
    while (true) {
        long picked = -1;
        for (std::size_t i = 0; i < n; ++i) {
            if (visited[i] || jumps[i] == unreached)
                continue;
            if (picked < 0 || jumps[i] < jumps[picked] ||
                (jumps[i] == jumps[picked] && parsecs[i] < parsecs[picked]))
                picked = static_cast<long>(i);
        }
        if (picked < 0)
            break;
        const auto u = static_cast<std::size_t>(picked);
        result.settled.push_back(u);
        result.settledKeys.emplace_back(jumps[u], parsecs[u]);
        if (u == destination)
            break;
        visited[u] = true;
        for (std::size_t j = 0; j < n; ++j) {
            if (j == u || visited[j])
                continue;
            const int p = core::distance(nodes[u].cube, nodes[j].cube);
            if (p == 0 || p > rules.jumpRating)
                continue;
            double candidateFuel = 0;
            double candidateUsed = 0;
            if (rules.withShip) {
                const double needed = rules.fuelPerParsecTons * p;
                const double fromTanks = std::min(needed, fuel[u]);
                const double shortfall = needed - fromTanks;
                if (shortfall > rules.rangeExtensionTons - used[u])
                    continue;
                if (nodes[j].hasFuel) {
                    candidateFuel = rules.fuelCapacityTons;
                } else {
                    candidateFuel = fuel[u] - fromTanks;
                    candidateUsed = used[u] + shortfall;
                }
            } else if (!nodes[j].hasFuel && j != destination) {
                continue;
            }
            const int candidateJumps = jumps[u] + 1;
            const int candidateParsecs = parsecs[u] + p;
            if (candidateJumps < jumps[j] ||
                (candidateJumps == jumps[j] && candidateParsecs < parsecs[j])) {
                jumps[j] = candidateJumps;
                parsecs[j] = candidateParsecs;
                fuel[j] = candidateFuel;
                used[j] = candidateUsed;
                predecessor[j] = static_cast<long>(u);
            }
        }
    }
    if (jumps[destination] == unreached)
        return result;
    std::vector<std::size_t> route;
    for (long at = static_cast<long>(destination); at >= 0;
         at = predecessor[static_cast<std::size_t>(at)])
        route.push_back(static_cast<std::size_t>(at));
    std::reverse(route.begin(), route.end());
    result.route = route;
    return result;
}

} // namespace velmora::testing
