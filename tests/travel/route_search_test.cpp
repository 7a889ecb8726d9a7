#include "literal_route_search.h"
#include "support/scripted_random.h"
#include "travel/route_maps.h"
#include "travel/route_planner.h"
#include "travel/route_search.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace velmora;
using velmora::testing::SeededRandom;

namespace {

struct RandomMap {
    std::vector<travel::RouteNode> nodes;
    std::string description;
};

// A patch of hexes astride sector borders (negative sectors included), occupied and
// fuelled at random, listed in a shuffled order so that hex order is not map order.
RandomMap randomMap(SeededRandom& random) {
    const int width = 6 + random.below(30);
    const int height = 6 + random.below(30);
    const int occupied = 25 + random.below(76); // percent
    const int fuelled = 20 + random.below(81);
    const int firstColumn = -40 + random.below(80);
    const int firstRow = -50 + random.below(100);
    RandomMap map;
    for (int q = firstColumn; q < firstColumn + width; ++q) {
        for (int r = firstRow; r < firstRow + height; ++r) {
            if (random.below(100) >= occupied)
                continue;
            const auto hex = core::GalacticCoordinates::fromGlobal(q, r);
            map.nodes.push_back({hex.cube(), random.below(100) < fuelled});
        }
    }
    for (std::size_t i = map.nodes.size(); i > 1; --i)
        std::swap(map.nodes[i - 1],
                  map.nodes[static_cast<std::size_t>(random.below(static_cast<int>(i)))]);
    map.description = std::to_string(width) + "x" + std::to_string(height) + " at " +
                      std::to_string(occupied) + "% with " + std::to_string(fuelled) + "% fuel";
    return map;
}

travel::SearchRules randomRules(SeededRandom& random) {
    travel::SearchRules rules;
    rules.jumpRating = 1 + random.below(4);
    if (random.below(2) == 0)
        return rules;
    // Tanks for one to four parsecs and a budget that often runs out halfway.
    rules.withShip = true;
    rules.fuelPerParsecTons = random.below(5) == 0 ? 0 : 5.0 * (1 + random.below(4));
    rules.fuelCapacityTons = rules.fuelPerParsecTons * random.below(5);
    rules.rangeExtensionTons = 2.5 * random.below(17);
    return rules;
}

} // namespace

TEST(RouteSearch, MatchesTheLiteralScanStepForStep) {
    SeededRandom random(20'261'206);
    int found = 0, unreachable = 0, withShip = 0, ties = 0;
    for (int m = 0; m < 120; ++m) {
        const RandomMap map = randomMap(random);
        if (map.nodes.size() < 2)
            continue;
        for (int pair = 0; pair < 12; ++pair) {
            const auto start =
                static_cast<std::size_t>(random.below(static_cast<int>(map.nodes.size())));
            const auto destination =
                static_cast<std::size_t>(random.below(static_cast<int>(map.nodes.size())));
            const travel::SearchRules rules = randomRules(random);
            SCOPED_TRACE(map.description + ", jump-" + std::to_string(rules.jumpRating) +
                         (rules.withShip ? " with a ship" : ""));
            const auto expected =
                velmora::testing::literalRouteSearch(map.nodes, start, destination, rules);
            std::vector<std::size_t> settled;
            const auto route = travel::searchRoute(map.nodes, start, destination, rules, &settled);
            ASSERT_EQ(route, expected.route);
            ASSERT_EQ(settled, expected.settled);
            (route ? found : unreachable) += 1;
            withShip += rules.withShip ? 1 : 0;
            // Count the searches in which nodes were picked on equal jumps and parsecs,
            // so that hex order had to decide between them.
            const auto& keys = expected.settledKeys;
            ties += std::adjacent_find(keys.begin(), keys.end()) != keys.end() ? 1 : 0;
        }
    }
    // The maps must exercise both outcomes and both modes, or the comparison says little.
    EXPECT_GT(found, 300);
    EXPECT_GT(unreachable, 100);
    EXPECT_GT(withShip, 400);
    EXPECT_GT(ties, 300);
}

TEST(RouteSearch, FullyTiedGridsSettleInHexOrder) {
    // Every hex occupied and fuelled: countless routes of equal jumps and parsecs, so
    // the order of the list alone decides which predecessor each hex keeps.
    SeededRandom random(7);
    for (int trial = 0; trial < 20; ++trial) {
        std::vector<travel::RouteNode> nodes;
        for (int q = -6; q < 10; ++q)
            for (int r = 35; r < 47; ++r)
                nodes.push_back({core::GalacticCoordinates::fromGlobal(q, r).cube(), true});
        for (std::size_t i = nodes.size(); i > 1; --i)
            std::swap(nodes[i - 1],
                      nodes[static_cast<std::size_t>(random.below(static_cast<int>(i)))]);
        const auto start = static_cast<std::size_t>(random.below(static_cast<int>(nodes.size())));
        const auto destination =
            static_cast<std::size_t>(random.below(static_cast<int>(nodes.size())));
        travel::SearchRules rules;
        rules.jumpRating = 1 + trial % 3;
        rules.withShip = trial % 2 == 1;
        rules.fuelPerParsecTons = 10;
        rules.fuelCapacityTons = 20;
        const auto expected =
            velmora::testing::literalRouteSearch(nodes, start, destination, rules);
        std::vector<std::size_t> settled;
        EXPECT_EQ(travel::searchRoute(nodes, start, destination, rules, &settled), expected.route);
        EXPECT_EQ(settled, expected.settled);
    }
}

TEST(RouteSearch, MapsNoDenseGridHoldsMatchTheLiteralScan) {
    // Clusters a hundred thousand parsecs apart, jump ratings that cross the whole map
    // in a jump or two, and hexes that hold two systems each: the search must settle
    // them exactly as the scan does.
    struct Case {
        const char* name;
        int spread;
        int jumpsLongerThan;
        bool everyHexTwice;
    };
    const Case cases[] = {
        {"far-apart clusters", 100'000, 0, false},
        {"jumps across the map", 0, 8, false},
        {"two systems a hex", 0, 0, true},
    };
    SeededRandom random(4'242);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int found = 0;
        for (int trial = 0; trial < 80; ++trial) {
            std::vector<travel::RouteNode> nodes;
            std::set<std::pair<int, int>> taken;
            while (nodes.size() < 120) {
                const int offset = nodes.size() % 2 == 0 ? 0 : c.spread;
                const int q = random.below(13) + offset;
                const int r = random.below(13) - offset;
                if (!taken.insert({q, r}).second)
                    continue;
                const auto cube = core::GalacticCoordinates::fromGlobal(q, r).cube();
                nodes.push_back({cube, random.below(100) < 60});
                if (c.everyHexTwice)
                    nodes.push_back({cube, random.below(100) < 60});
            }
            travel::SearchRules rules = randomRules(random);
            if (c.jumpsLongerThan > 0)
                rules.jumpRating = c.jumpsLongerThan + 1 + random.below(12);
            const auto start =
                static_cast<std::size_t>(random.below(static_cast<int>(nodes.size())));
            const auto destination =
                static_cast<std::size_t>(random.below(static_cast<int>(nodes.size())));
            const auto expected =
                velmora::testing::literalRouteSearch(nodes, start, destination, rules);
            std::vector<std::size_t> settled;
            const auto route = travel::searchRoute(nodes, start, destination, rules, &settled);
            ASSERT_EQ(route, expected.route) << "trial " << trial;
            ASSERT_EQ(settled, expected.settled) << "trial " << trial;
            found += route ? 1 : 0;
        }
        EXPECT_GT(found, 15);
    }
}

TEST(RouteSearch, RangeIndexFindsExactlyTheHexesInReach) {
    // A compact map gets a grid of cells; two clusters a hundred thousand parsecs
    // apart would need billions of cells, so that map is searched by column instead.
    SeededRandom random(99);
    for (const int spread : {0, 100'000}) {
        std::vector<travel::RouteNode> nodes;
        for (int i = 0; i < 400; ++i) {
            const int offset = i % 2 == 0 ? 0 : spread;
            nodes.push_back({core::GalacticCoordinates::fromGlobal(random.below(30) - 15 + offset,
                                                                   random.below(30) - 15 - offset)
                                 .cube(),
                             false});
        }
        const travel::HexRangeIndex index(nodes);
        EXPECT_EQ(index.usesGrid(), spread == 0);
        for (int range = 0; range <= 6; ++range) {
            for (std::size_t centre = 0; centre < nodes.size(); centre += 7) {
                std::vector<std::size_t> found;
                index.forEachWithin(nodes[centre].cube, range,
                                    [&](std::size_t i, core::Cube) { found.push_back(i); });
                std::vector<std::size_t> expected;
                for (std::size_t i = 0; i < nodes.size(); ++i)
                    if (core::distance(nodes[centre].cube, nodes[i].cube) <= range)
                        expected.push_back(i);
                std::sort(found.begin(), found.end());
                ASSERT_EQ(found, expected) << "range " << range << ", spread " << spread;
            }
        }
    }
}

TEST(RouteSearch, PlannerRoutesMatchTheLiteralScanOnWholeUniverses) {
    // The planner builds its nodes from the hexes themselves; its routes must be the
    // literal scan's over the same nodes, for notional ships and real ones.
    SeededRandom random(31);
    for (int m = 0; m < 15; ++m) {
        std::vector<core::HexData> hexes;
        std::set<std::pair<int, int>> taken;
        while (hexes.size() < 150) {
            const int q = random.below(24);
            const int r = random.below(24);
            if (!taken.insert({q, r}).second)
                continue;
            const auto at = core::GalacticCoordinates::fromGlobal(q, r);
            velmora::testing::MapSystem entry{at.column,
                                              at.row,
                                              "S" + std::to_string(hexes.size()),
                                              static_cast<core::Starport>(random.below(6)),
                                              random.below(3) == 0 ? 1 : 0,
                                              random.below(3)};
            entry.sectorX = at.sectorX;
            entry.sectorY = at.sectorY;
            hexes.push_back(velmora::testing::routeSystem(entry));
        }
        for (int pair = 0; pair < 10; ++pair) {
            travel::RouteRequest request;
            request.start = hexes[static_cast<std::size_t>(random.below(150))].coordinates;
            request.destination = hexes[static_cast<std::size_t>(random.below(150))].coordinates;
            request.jumpRating = 1 + random.below(3);
            request.canScoop = random.below(2) == 0;
            if (random.below(2) == 0) {
                travel::ShipProfile ship;
                ship.jumpRating = request.jumpRating;
                ship.thrustG = 1;
                ship.canScoop = request.canScoop;
                ship.fuelPerParsecTons = 10;
                ship.fuelCapacityTons = 10.0 * random.below(4);
                ship.collapsibleTankTons = 5.0 * random.below(4);
                request.ship = ship;
            }
            velmora::testing::ScriptedDice dice;
            for (int i = 0; i < 2'000; ++i)
                dice.pushFace(1 + i % 6);
            const auto plan = travel::planRoute(hexes, request, dice);

            const auto nodes = travel::routeNodes(hexes, request.canScoop);
            const auto indexOf = [&](const core::GalacticCoordinates& c) {
                return static_cast<std::size_t>(
                    std::find_if(hexes.begin(), hexes.end(),
                                 [&](const core::HexData& h) { return h.coordinates == c; }) -
                    hexes.begin());
            };
            const auto expected = velmora::testing::literalRouteSearch(
                nodes, indexOf(request.start), indexOf(request.destination),
                travel::searchRules(request));
            if (request.start == request.destination) {
                EXPECT_FALSE(plan);
                continue;
            }
            ASSERT_EQ(plan.has_value(), expected.route.has_value());
            if (!plan)
                continue;
            ASSERT_EQ(plan->stops.size(), expected.route->size());
            for (std::size_t i = 0; i < plan->stops.size(); ++i)
                EXPECT_EQ(plan->stops[i].coordinates, hexes[(*expected.route)[i]].coordinates);
        }
    }
}
