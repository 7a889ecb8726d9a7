#include "support/universe_changes.h"
#include "systems/system_move.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;
using core::GalacticCoordinates;

namespace {

const GalacticCoordinates oldHex{0, 0, 19, 10};
const GalacticCoordinates newHex{0, 0, 20, 12};
const GalacticCoordinates elsewhere{1, 0, 3, 4};
const GalacticCoordinates farAway{-1, 2, 30, 40};

universe::Rutter rutter(GalacticCoordinates start, GalacticCoordinates end) {
    universe::Rutter r;
    r.id = core::Uuid::generate();
    r.factionID = core::Uuid::generate();
    r.start = start;
    r.end = end;
    r.mainTradeRoute = true;
    r.age = universe::RutterAge::oneToFive;
    return r;
}

} // namespace

TEST(SystemMove, RutterEndsFollowTheSystem) {
    const std::vector<universe::Rutter> before{
        rutter(oldHex, elsewhere),  // starts at the system
        rutter(farAway, oldHex),    // ends at it
        rutter(elsewhere, farAway), // elsewhere entirely
        rutter(newHex, farAway),    // already at the new hex
    };
    std::vector<universe::Rutter> rutters = before;
    EXPECT_EQ(moveRutterEnds(rutters, oldHex, newHex), (RutterMove{2, 0}));

    ASSERT_EQ(rutters.size(), 4u);
    EXPECT_EQ(rutters[0].start, newHex);
    EXPECT_EQ(rutters[0].end, elsewhere);
    EXPECT_EQ(rutters[1].start, farAway);
    EXPECT_EQ(rutters[1].end, newHex);
    EXPECT_EQ(rutters[2], before[2]);
    EXPECT_EQ(rutters[3], before[3]);
    // Only the ends change: id, owner, trade flag and age stay.
    universe::Rutter expected = before[0];
    expected.start = newHex;
    EXPECT_EQ(rutters[0], expected);
}

TEST(SystemMove, ARutterBetweenTheTwoHexesIsRemoved) {
    const universe::Rutter kept = rutter(elsewhere, oldHex);
    std::vector<universe::Rutter> rutters{rutter(oldHex, newHex), kept, rutter(newHex, oldHex)};
    EXPECT_EQ(moveRutterEnds(rutters, oldHex, newHex), (RutterMove{1, 2}));
    ASSERT_EQ(rutters.size(), 1u);
    EXPECT_EQ(rutters[0].id, kept.id);
    EXPECT_EQ(rutters[0].start, elsewhere);
    EXPECT_EQ(rutters[0].end, newHex);
}

TEST(SystemMove, StayingOnTheSameHexChangesNothing) {
    const std::vector<universe::Rutter> before{rutter(oldHex, elsewhere), rutter(oldHex, oldHex)};
    std::vector<universe::Rutter> rutters = before;
    EXPECT_EQ(moveRutterEnds(rutters, oldHex, oldHex), (RutterMove{0, 0}));
    EXPECT_EQ(rutters, before);
}

TEST(SystemMove, HomeworldsAndAssetsThereFollowTheSystem) {
    universe::Faction based;
    based.id = core::Uuid::generate();
    based.homeworld = oldHex;
    universe::FactionAsset onTheWorld;
    onTheWorld.name = "Base of Influence";
    onTheWorld.location = oldHex;
    universe::FactionAsset away = onTheWorld;
    away.location = elsewhere;
    universe::Faction other;
    other.id = core::Uuid::generate();
    other.homeworld = elsewhere;
    other.assets = {away, onTheWorld};

    std::vector<universe::Faction> factions{based, other};
    EXPECT_EQ(moveFactionLocations(factions, oldHex, newHex), 2u);
    EXPECT_EQ(factions[0].homeworld, newHex);
    EXPECT_EQ(factions[1].homeworld, elsewhere);
    EXPECT_EQ(factions[1].assets[0].location, elsewhere);
    EXPECT_EQ(factions[1].assets[1].location, newHex);
}

TEST(SystemMove, RegionsLabelsAndNebulaeStayOnTheMap) {
    universe::UniverseRecord record;
    record.rutters = {rutter(oldHex, elsewhere)};
    universe::Faction faction;
    faction.id = core::Uuid::generate();
    faction.homeworld = oldHex;
    record.factions = {faction};
    universe::Region region;
    region.id = core::Uuid::generate();
    region.anchors = {{oldHex, 2}, {elsewhere, 4}};
    region.labelCoordinates = oldHex;
    record.regions = {region};
    universe::StarmapLabel label;
    label.id = core::Uuid::generate();
    label.text = "The Spinward Reach";
    label.position = oldHex;
    record.starmapLabels = {label};
    universe::Nebula nebula;
    nebula.hexes = {oldHex, elsewhere};
    record.nebulae = {nebula};

    universe::UniverseRecord expected = record;
    expected.rutters[0].start = newHex;
    expected.factions[0].homeworld = newHex;
    velmora::testing::applyEdit(
        record, [&](universe::UniverseEdit& edit) { followMovedSystem(edit, oldHex, newHex); });
    EXPECT_EQ(record, expected);
}

TEST(SystemDelete, TakesTheRoutesEndingAtItsHex) {
    const core::GalacticCoordinates here{0, 0, 5, 5};
    const core::GalacticCoordinates there{0, 0, 6, 5};
    const core::GalacticCoordinates elsewhere{0, 0, 9, 9};
    std::vector<universe::Rutter> rutters(3);
    rutters[0].start = here;
    rutters[0].end = there;
    rutters[1].start = there;
    rutters[1].end = elsewhere;
    rutters[2].start = elsewhere;
    rutters[2].end = here;
    EXPECT_EQ(systems::ruttersAt(rutters, here), 2u);
    EXPECT_EQ(systems::removeRuttersAt(rutters, here), 2u);
    ASSERT_EQ(rutters.size(), 1u);
    EXPECT_EQ(rutters[0].start, there);
    EXPECT_EQ(systems::ruttersAt(rutters, here), 0u);
}
