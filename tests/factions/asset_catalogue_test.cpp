// The built-in asset catalogue as the referee's rulebook tables it, and the
// assets bought from it.

#include "factions/asset_catalogue.h"
#include "universe/faction_json.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

using namespace velmora;
using namespace velmora::factions;
using core::TechnologyLevel;
using universe::AssetCategory;
using universe::AssetType;

namespace {

std::set<std::string> namesWhere(bool (*keep)(const AssetTemplate&)) {
    std::set<std::string> names;
    for (const AssetTemplate& t : assetCatalogue()) {
        if (keep(t))
            names.insert(std::string(t.name));
    }
    return names;
}

} // namespace

TEST(AssetCatalogue, ThreeListsInOrderOfRating) {
    struct Case {
        AssetCategory category;
        std::size_t count;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {AssetCategory::force, 24, "Security Personnel", "Capital Fleet"},
        {AssetCategory::cunning, 23, "Smugglers", "Panopticon Matrix"},
        {AssetCategory::wealth, 24, "Franchise", "Scavenger Fleet"},
    };
    std::size_t total = 0;
    for (const Case& c : cases) {
        const auto templates = assetTemplates(c.category);
        ASSERT_EQ(templates.size(), c.count) << c.first;
        EXPECT_EQ(templates.front().name, c.first);
        EXPECT_EQ(templates.back().name, c.last);
        EXPECT_EQ(templates.front().ratingRequired, 1) << c.first;
        EXPECT_EQ(templates.back().ratingRequired, 8) << c.last;
        for (std::size_t i = 0; i < templates.size(); ++i) {
            EXPECT_EQ(templates[i].category, c.category) << templates[i].name;
            if (i > 0) {
                EXPECT_LE(templates[i - 1].ratingRequired, templates[i].ratingRequired)
                    << templates[i].name;
            }
        }
        // Force, then Cunning, then Wealth.
        EXPECT_EQ(templates.data(), assetCatalogue().data() + total) << c.first;
        total += templates.size();
    }
    EXPECT_EQ(assetCatalogue().size(), 71u);
    EXPECT_EQ(total, 71u);
}

TEST(AssetCatalogue, ExactRows) {
    struct Row {
        const char* name;
        AssetCategory category;
        int rating, cost, hp;
        TechnologyLevel tl;
        AssetType type;
        const char* attack;
        const char* counter;
        int upkeep;
        bool permission, stealthed;
    };
    using enum AssetCategory;
    using enum AssetType;
    using enum TechnologyLevel;
    // clang-format off: one row of the rulebook table per line
    const Row rows[] = {
        {"Security Personnel", force, 1, 2, 3, tl0, militaryUnit, "Force vs. Force, 1d3+1 dmg",
         "1d4", 0, false, false},
        {"Militia Unit", force, 1, 4, 4, tl3, militaryUnit, "Force vs. Force, 1d6 dmg", "1d4+1", 0,
         true, false},
        {"Heavy Drop Assets", force, 2, 4, 6, tl4, facility, "", "", 0, false, false},
        {"Cunning Trap", force, 3, 5, 2, tl0, tactics, "", "1d6+3", 0, false, false},
        {"Psychic Assassins", force, 5, 12, 4, tl4, specialForces, "Cunning vs. Cunning, 2d6+2 dmg",
         "", 0, false, true},
        {"Gravtank Formation", force, 6, 25, 14, tl4, militaryUnit, "Force vs. Force, 2d10+4 dmg",
         "1d10", 0, true, false},
        {"Integral Protocols", force, 7, 20, 10, tl5, facility, "", "2d8+2", 0, false, false},
        {"Capital Fleet", force, 8, 40, 30, tl4, starship, "Force vs. Force, 3d10+4 dmg", "3d8", 2,
         true, false},
        {"False Front", cunning, 1, 1, 2, tl0, facility, "", "", 0, false, false},
        {"Seductrox", cunning, 2, 4, 4, tl0, specialForces, "Cunning vs. Cunning, special", "", 0,
         false, false},
        {"Vanguard Cadres", cunning, 4, 8, 12, tl3, militaryUnit, "Cunning vs. Cunning, 1d6 dmg",
         "1d6", 0, false, false},
        {"Treachery", cunning, 7, 10, 5, tl0, tactics, "Cunning vs. Cunning, special", "", 0, false,
         false},
        {"Panopticon Matrix", cunning, 8, 30, 20, tl5, facility, "", "1d6", 0, false, false},
        {"Franchise", wealth, 1, 2, 3, tl2, facility, "Wealth vs. Wealth, 1d4 dmg", "1d4-1", 0,
         false, false},
        {"Local Investments", wealth, 1, 1, 2, tl2, facility, "Wealth vs. Wealth, 1d4-1 dmg", "", 0,
         false, false},
        {"Lawyers", wealth, 2, 6, 4, tl0, specialForces, "Cunning vs. Wealth, 2d4 dmg", "1d6", 0,
         false, false},
        {"Mercenaries", wealth, 3, 8, 6, tl4, militaryUnit, "Wealth vs. Force, 2d4+2 dmg", "1d6", 1,
         true, false},
        {"Pretech Researchers", wealth, 5, 14, 6, tl4, specialForces, "", "", 1, false, false},
        {"R&D Department", wealth, 6, 18, 15, tl4, facility, "", "", 0, false, false},
        {"Transit Web", wealth, 7, 15, 5, tl5, facility, "Cunning vs. Cunning, 1d12 dmg", "", 0,
         false, false},
        {"Scavenger Fleet", wealth, 8, 30, 20, tl5, starship, "Wealth vs. Wealth, 2d10+4 dmg",
         "2d10", 2, false, false},
    };
    // clang-format on
    for (const Row& row : rows) {
        const AssetTemplate* t = findAssetTemplate(row.name);
        ASSERT_NE(t, nullptr) << row.name;
        EXPECT_EQ(t->category, row.category) << row.name;
        EXPECT_EQ(t->ratingRequired, row.rating) << row.name;
        EXPECT_EQ(t->cost, row.cost) << row.name;
        EXPECT_EQ(t->hp, row.hp) << row.name;
        EXPECT_EQ(t->tl, row.tl) << row.name;
        EXPECT_EQ(t->type, row.type) << row.name;
        EXPECT_EQ(t->attack, row.attack) << row.name;
        EXPECT_EQ(t->counter, row.counter) << row.name;
        EXPECT_EQ(t->maintenance, row.upkeep) << row.name;
        EXPECT_EQ(t->requiresPermission, row.permission) << row.name;
        EXPECT_EQ(t->startsStealthed, row.stealthed) << row.name;
    }
    EXPECT_EQ(findAssetTemplate("Seductress"), nullptr);
    EXPECT_EQ(findAssetTemplate("capital fleet"), nullptr);
}

TEST(AssetCatalogue, RulesNotes) {
    const std::map<std::string, std::string> notes = {
        {"Psychic Assassins", "Bought already stealthed."},
        {"Capital Fleet",
         "Action: move up to three hexes. Permission is needed to build one, not to "
         "bring it into a system."},
        {"Party Machine", "Earns the faction 1 FacCred every turn."},
        {"Treachery", "A hit converts the target asset to your faction, consumes this asset, and "
                      "pays you 5 FacCreds."},
        {"Informers", "Attack targets a whole faction instead of an asset; success reveals all of "
                      "its stealthed assets on the world."},
    };
    for (const auto& [name, note] : notes) {
        const AssetTemplate* t = findAssetTemplate(name);
        ASSERT_NE(t, nullptr) << name;
        EXPECT_EQ(t->note, note) << name;
    }
    // Plain assets have nothing to add to their figures.
    EXPECT_EQ(findAssetTemplate("Security Personnel")->note, "");
    EXPECT_EQ(findAssetTemplate("Gravtank Formation")->note, "");
}

TEST(AssetCatalogue, FewAssetsNeedPermissionStealthOrUpkeep) {
    EXPECT_EQ(namesWhere([](const AssetTemplate& t) { return t.requiresPermission; }),
              (std::set<std::string>{"Militia Unit", "Elite Skirmishers", "Postech Infantry",
                                     "Pretech Infantry", "Gravtank Formation", "Capital Fleet",
                                     "Mercenaries"}));
    EXPECT_EQ(namesWhere([](const AssetTemplate& t) { return t.startsStealthed; }),
              (std::set<std::string>{"Psychic Assassins"}));
    EXPECT_EQ(namesWhere([](const AssetTemplate& t) { return t.maintenance > 0; }),
              (std::set<std::string>{"Capital Fleet", "Mercenaries", "Pretech Researchers",
                                     "Scavenger Fleet"}));
    // Bases of influence are made by hand, never bought from the catalogue.
    EXPECT_TRUE(namesWhere([](const AssetTemplate& t) {
                    return t.type == AssetType::baseOfInfluence;
                }).empty());
}

TEST(AssetCatalogue, BoughtAssetIsAnUndamagedCopyOnItsWorld) {
    const core::GalacticCoordinates world{-1, 0, 23, 17};
    const universe::FactionAsset assassins =
        makeAsset(*findAssetTemplate("Psychic Assassins"), world);
    EXPECT_EQ(assassins.name, "Psychic Assassins");
    EXPECT_EQ(assassins.category, AssetCategory::force);
    EXPECT_EQ(assassins.hp, 4);
    EXPECT_EQ(assassins.maxHP, 4);
    EXPECT_EQ(assassins.cost, 12);
    EXPECT_EQ(assassins.tl, TechnologyLevel::tl4);
    EXPECT_EQ(assassins.type, AssetType::specialForces);
    EXPECT_EQ(assassins.location, world);
    EXPECT_EQ(assassins.attack, "Cunning vs. Cunning, 2d6+2 dmg");
    EXPECT_EQ(assassins.counter, "");
    EXPECT_EQ(assassins.note, "Bought already stealthed.");
    EXPECT_TRUE(assassins.stealthed);
    EXPECT_FALSE(assassins.requiresPermission);
    EXPECT_EQ(assassins.ratingRequired, 5);

    const universe::FactionAsset fleet = makeAsset(*findAssetTemplate("Capital Fleet"), world);
    EXPECT_FALSE(fleet.stealthed);
    EXPECT_TRUE(fleet.requiresPermission);
    EXPECT_EQ(fleet.maintenance, 2);
    EXPECT_EQ(fleet.ratingRequired, 8);
}

TEST(AssetCatalogue, EveryBoughtAssetSurvivesTheUniverseFile) {
    const core::GalacticCoordinates world{2, -3, 32, 40};
    for (const AssetTemplate& t : assetCatalogue()) {
        const universe::FactionAsset bought = makeAsset(t, world);
        const std::string text = nlohmann::json(bought).dump();
        EXPECT_EQ(nlohmann::json::parse(text).get<universe::FactionAsset>(), bought) << t.name;
    }
}

TEST(AssetCatalogue, ListedWithItsCost) {
    EXPECT_EQ(catalogueEntryText(*findAssetTemplate("Strike Fleet")), "Strike Fleet (12 FC)");
    EXPECT_EQ(catalogueEntryText(*findAssetTemplate("False Front")), "False Front (1 FC)");
    EXPECT_EQ(catalogueEntryText(*findAssetTemplate("R&D Department")), "R&D Department (18 FC)");
}
