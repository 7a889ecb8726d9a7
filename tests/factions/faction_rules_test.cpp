// Hit points, income, upkeep and the limits the faction editor keeps, at the
// edges of the rating table.

#include "factions/base_of_influence.h"
#include "factions/custom_asset.h"
#include "factions/faction_rules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::factions;
using universe::AssetCategory;
using universe::AssetType;
using universe::Faction;
using universe::FactionAsset;

namespace {

Faction withRatings(int force, int cunning, int wealth) {
    Faction faction;
    faction.force = force;
    faction.cunning = cunning;
    faction.wealth = wealth;
    return faction;
}

FactionAsset asset(AssetCategory category, AssetType type = AssetType::militaryUnit,
                   int maintenance = 0) {
    FactionAsset a;
    a.category = category;
    a.type = type;
    a.maintenance = maintenance;
    return a;
}

std::string ratingsText(const Faction& f) {
    return std::to_string(f.force) + "/" + std::to_string(f.cunning) + "/" +
           std::to_string(f.wealth);
}

} // namespace

TEST(FactionRules, MaximumHitPoints) {
    struct Case {
        int force, cunning, wealth;
        int maxHP;
    };
    // clang-format off
    const Case cases[] = {
        {1, 1, 1, 7},
        {8, 8, 8, 64},
        {2, 1, 1, 8},
        {1, 2, 1, 8},
        {1, 1, 2, 8},
        {3, 4, 5, 23},  // 4 + 4 + 6 + 9
        {7, 6, 5, 41},  // 4 + 16 + 12 + 9
        {8, 1, 1, 26},  // Force at the top of the table
        {0, 1, 1, 7},   // below 1 counts as 1
        {-4, 0, 1, 7},
        {9, 9, 9, 64},  // above 8 counts as 8
        {12, 1, 1, 26},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Faction faction = withRatings(c.force, c.cunning, c.wealth);
        EXPECT_EQ(maxHP(faction), c.maxHP) << ratingsText(faction);
    }
}

TEST(FactionRules, IncomeRoundsEachHalfDown) {
    struct Case {
        int force, cunning, wealth;
        int income;
    };
    const Case cases[] = {
        {3, 2, 5, 4}, // (3 + 2) / 4 + 6 / 2 = 1 + 3
        {1, 1, 1, 1}, // 2 / 4 rounds to 0
        {2, 1, 1, 1}, // 3 / 4 still 0
        {2, 2, 1, 2}, // 4 / 4 is the first whole FacCred
        {1, 1, 2, 1}, // 3 / 2 rounds down
        {1, 1, 3, 2}, // 4 / 2
        {8, 8, 8, 8}, // the most any faction earns
        {0, 0, 0, 0}, // ratings typed in by hand below the minimum
    };
    for (const Case& c : cases) {
        const Faction faction = withRatings(c.force, c.cunning, c.wealth);
        EXPECT_EQ(income(faction), c.income) << ratingsText(faction);
    }
}

TEST(FactionRules, AssetsBeyondARatingCostUpkeepButBasesNeverCount) {
    const FactionAsset base = asset(AssetCategory::force, AssetType::baseOfInfluence);
    struct Case {
        const char* what;
        Faction faction;
        std::vector<FactionAsset> assets;
        int force, cunning, wealth; // asset counts
        int upkeep;
    };
    // clang-format off
    const Case cases[] = {
        {"no assets", withRatings(1, 1, 1), {}, 0, 0, 0, 0},
        {"three Force assets under Force 2", withRatings(2, 1, 1),
         {asset(AssetCategory::force), asset(AssetCategory::force), asset(AssetCategory::force)},
         3, 0, 0, 1},
        {"exactly at the rating", withRatings(2, 1, 1),
         {asset(AssetCategory::force), asset(AssetCategory::force)},
         2, 0, 0, 0},
        {"bases of influence beside them", withRatings(2, 1, 1),
         {asset(AssetCategory::force), asset(AssetCategory::force), base, base, base},
         2, 0, 0, 0},
        {"a Cunning base of influence", withRatings(1, 1, 1),
         {asset(AssetCategory::cunning, AssetType::baseOfInfluence), asset(AssetCategory::cunning)},
         0, 1, 0, 0},
        {"own maintenance", withRatings(8, 3, 3),
         {asset(AssetCategory::force, AssetType::starship, 2),
          asset(AssetCategory::wealth, AssetType::militaryUnit, 1)},
         1, 0, 1, 3},
        {"excess in two categories plus maintenance", withRatings(1, 1, 1),
         {asset(AssetCategory::cunning), asset(AssetCategory::cunning), asset(AssetCategory::cunning),
          asset(AssetCategory::wealth), asset(AssetCategory::wealth, AssetType::facility, 2)},
         0, 3, 2, 2 + 1 + 2},
        {"a base's own maintenance still counts", withRatings(1, 1, 1),
         {asset(AssetCategory::wealth, AssetType::baseOfInfluence, 1)},
         0, 0, 0, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        Faction faction = c.faction;
        faction.assets = c.assets;
        EXPECT_EQ(assetCount(faction, AssetCategory::force), c.force) << c.what;
        EXPECT_EQ(assetCount(faction, AssetCategory::cunning), c.cunning) << c.what;
        EXPECT_EQ(assetCount(faction, AssetCategory::wealth), c.wealth) << c.what;
        EXPECT_EQ(upkeep(faction), c.upkeep) << c.what;
    }
}

TEST(FactionRules, RatingsStayWithinOneToEightAndHitPointsFollow) {
    struct Case {
        AssetCategory category;
        int requested, stored;
    };
    const Case cases[] = {
        {AssetCategory::force, 0, 1},   {AssetCategory::force, 1, 1},
        {AssetCategory::cunning, 8, 8}, {AssetCategory::cunning, 9, 8},
        {AssetCategory::wealth, -5, 1}, {AssetCategory::wealth, 4, 4},
    };
    for (const Case& c : cases) {
        Faction faction = withRatings(3, 3, 3);
        setRating(faction, c.category, c.requested);
        EXPECT_EQ(rating(faction, c.category), c.stored) << c.requested;
    }

    // Lowering a rating lowers the maximum, and hit points above it come down.
    Faction full = withRatings(8, 8, 8);
    restoreFullHitPoints(full);
    ASSERT_EQ(full.hp, 64);
    setRating(full, AssetCategory::force, 1);
    EXPECT_EQ(full.force, 1);
    EXPECT_EQ(full.hp, 45);
    // Raising it leaves damage as it is.
    setRating(full, AssetCategory::force, 8);
    EXPECT_EQ(full.hp, 45);

    const Faction small = withRatings(1, 1, 1);
    EXPECT_EQ(clampHitPoints(small, -1), 0);
    EXPECT_EQ(clampHitPoints(small, 0), 0);
    EXPECT_EQ(clampHitPoints(small, 7), 7);
    EXPECT_EQ(clampHitPoints(small, 8), 7);
}

TEST(FactionRules, WarningWhenTheFactionsRatingIsBelowTheAssets) {
    const Faction faction = withRatings(4, 2, 6);
    struct Case {
        AssetCategory category;
        int ratingRequired;
        bool warns;
    };
    const Case cases[] = {
        {AssetCategory::force, 4, false},   {AssetCategory::force, 5, true},
        {AssetCategory::cunning, 1, false}, {AssetCategory::cunning, 3, true},
        {AssetCategory::wealth, 6, false},  {AssetCategory::wealth, 7, true},
    };
    for (const Case& c : cases) {
        FactionAsset a = asset(c.category);
        a.ratingRequired = c.ratingRequired;
        EXPECT_EQ(lacksRequiredRating(faction, a), c.warns)
            << static_cast<int>(c.category) << " " << c.ratingRequired;
    }
}

TEST(BaseOfInfluence, CostIsItsMaximumCappedByTheFactions) {
    const Faction owner = withRatings(1, 1, 1); // 7 maximum hit points
    struct Case {
        int maxHP, hp, cost;
        int expectedMaxHP, expectedHP, expectedCost;
    };
    const Case cases[] = {
        {5, 5, 0, 5, 5, 5},    {7, 7, 3, 7, 7, 7},
        {10, 10, 10, 7, 7, 7}, // above the faction's maximum
        {0, 0, 0, 1, 0, 1},    // a base has at least one hit point
        {6, 9, 2, 6, 6, 6},
    };
    for (const Case& c : cases) {
        FactionAsset base = asset(AssetCategory::wealth, AssetType::baseOfInfluence);
        base.maxHP = c.maxHP;
        base.hp = c.hp;
        base.cost = c.cost;
        applyBaseOfInfluenceRules(base, owner);
        EXPECT_EQ(base.maxHP, c.expectedMaxHP) << c.maxHP;
        EXPECT_EQ(base.hp, c.expectedHP) << c.maxHP;
        EXPECT_EQ(base.cost, c.expectedCost) << c.maxHP;
    }

    FactionAsset fleet = asset(AssetCategory::force, AssetType::starship);
    fleet.maxHP = 30;
    fleet.hp = 30;
    fleet.cost = 40;
    const FactionAsset before = fleet;
    applyBaseOfInfluenceRules(fleet, owner);
    EXPECT_EQ(fleet, before);
}

TEST(BaseOfInfluence, OnePerWorld) {
    const core::GalacticCoordinates regina{0, 0, 19, 10};
    const core::GalacticCoordinates efate{0, 0, 17, 5};

    Faction faction = withRatings(3, 3, 3);
    FactionAsset base = asset(AssetCategory::cunning, AssetType::baseOfInfluence);
    base.location = regina;
    FactionAsset troops = asset(AssetCategory::force);
    troops.location = regina;

    EXPECT_TRUE(canAddAsset(faction, base));
    faction.assets.push_back(base);
    EXPECT_TRUE(hasBaseOfInfluenceOn(faction, regina));
    EXPECT_FALSE(hasBaseOfInfluenceOn(faction, efate));

    // A second base on the same world, whatever its category, is refused.
    FactionAsset second = asset(AssetCategory::wealth, AssetType::baseOfInfluence);
    second.location = regina;
    EXPECT_FALSE(canAddAsset(faction, second));
    second.location = efate;
    EXPECT_TRUE(canAddAsset(faction, second));
    // Other assets share the world freely.
    EXPECT_TRUE(canAddAsset(faction, troops));
}

TEST(CustomAsset, StartsUndamagedWithinTheRules) {
    const Faction owner = withRatings(2, 1, 1); // 8 maximum hit points
    struct Case {
        const char* what;
        AssetType type;
        int maxHP, cost, maintenance;
        int expectedMaxHP, expectedCost, expectedMaintenance;
    };
    const Case cases[] = {
        {"ordinary", AssetType::facility, 12, 9, 1, 12, 9, 1},
        {"no hit points", AssetType::tactics, 0, 3, 0, 1, 3, 0},
        {"negative figures", AssetType::special, 4, -2, -1, 4, 0, 0},
        {"base above the faction", AssetType::baseOfInfluence, 20, 3, 0, 8, 8, 0},
        {"base within it", AssetType::baseOfInfluence, 5, 0, 0, 5, 5, 0},
    };
    for (const Case& c : cases) {
        FactionAsset draft = asset(AssetCategory::wealth, c.type, c.maintenance);
        draft.name = "Hand-made";
        draft.maxHP = c.maxHP;
        draft.hp = 0;
        draft.cost = c.cost;
        const FactionAsset made = makeCustomAsset(draft, owner);
        EXPECT_EQ(made.maxHP, c.expectedMaxHP) << c.what;
        EXPECT_EQ(made.hp, made.maxHP) << c.what;
        EXPECT_EQ(made.cost, c.expectedCost) << c.what;
        EXPECT_EQ(made.maintenance, c.expectedMaintenance) << c.what;
        EXPECT_EQ(made.name, "Hand-made") << c.what;
    }
}
