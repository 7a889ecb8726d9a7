#pragma once

#include "core/hex_data.h"
#include "core/technology_level.h"
#include "trade/trade_roller.h"

#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::testing {

// Plays back chosen dice totals for each of the trade roller's four functions and
// throws when a rule rolls something the test did not expect, so a change in the
// order or number of rolls fails loudly. The totals are the dice alone: the
// roller adds the modifier, as real dice would.
class ScriptedTradeDice {
public:
    std::deque<int> twoD;
    std::deque<int> threeD;
    std::deque<int> nD;
    std::deque<int> d66;
    // The dice counts asked of rollND, in order.
    std::vector<int> nDCounts;

    bool exhausted() const { return twoD.empty() && threeD.empty() && nD.empty() && d66.empty(); }

    trade::TradeRoller roller() {
        trade::TradeRoller roller;
        roller.roll2D = [this](int modifier) { return next(twoD, "2D") + modifier; };
        roller.roll3D = [this](int modifier) { return next(threeD, "3D") + modifier; };
        roller.rollND = [this](int count, int modifier) {
            nDCounts.push_back(count);
            return next(nD, "rollND(" + std::to_string(count) + ")") + modifier;
        };
        roller.rollD66 = [this] { return next(d66, "D66"); };
        return roller;
    }

private:
    static int next(std::deque<int>& queue, const std::string& what) {
        if (queue.empty())
            throw std::logic_error("an unexpected " + what + " roll");
        const int value = queue.front();
        queue.pop_front();
        return value;
    }
};

// A main world in a few words: where, its name, starport, population and TL; the
// rest is set field by field.
struct WorldPlan {
    WorldPlan(core::GalacticCoordinates at = {}, std::string worldName = "World",
              core::Starport port = core::Starport::typeC, int people = 5,
              core::TechnologyLevel level = core::TechnologyLevel::ttl8)
        : coordinates(at), name(std::move(worldName)), starport(port), population(people),
          techLevel(level) {}

    core::GalacticCoordinates coordinates;
    std::string name;
    core::Starport starport;
    int population;
    core::TechnologyLevel techLevel;
    int lawLevel = 0;
    std::vector<core::TradeClass> tradeClasses;
    std::vector<core::WorldTag> tags;
};

// A one-star system whose only world is the main world described.
inline core::HexData worldHex(const WorldPlan& plan) {
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = plan.name;
    world.mainWorld = true;
    world.uwp.starport = plan.starport;
    world.uwp.population = plan.population;
    world.uwp.techLevel = plan.techLevel;
    world.uwp.lawLevel = plan.lawLevel;
    world.tradeClasses = plan.tradeClasses;
    world.worldTags = plan.tags;
    core::Star star;
    star.id = core::Uuid::generate();
    star.worlds = {world};
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = plan.coordinates;
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = plan.name;
    hex.starSystem.stars = {star};
    return hex;
}

// An occupied hex without a main world: no market and no destination.
inline core::HexData emptyHex(const core::GalacticCoordinates& coordinates) {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = coordinates;
    hex.starSystem.name = "Rock";
    return hex;
}

} // namespace velmora::testing
