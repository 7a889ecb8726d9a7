#include "factions/asset_catalogue.h"

#include <algorithm>
#include <array>

namespace velmora::factions {

namespace {

using enum universe::AssetCategory;
using enum universe::AssetType;
using enum core::TechnologyLevel;

// Name, category, rating required, cost, hit points, tech level, type, attack,
// counter, upkeep, needs permission, bought stealthed, note. The notes say what
// the rules add to an asset beyond its figures; the program does not run them.
constexpr std::array<AssetTemplate, 71> catalogue{{
    // Force
    {"Security Personnel", force, 1, 2, 3, tl0, militaryUnit, "Force vs. Force, 1d3+1 dmg", "1d4",
     0, false, false, ""},
    {"Hitmen", force, 1, 2, 1, tl0, specialForces, "Force vs. Cunning, 1d6 dmg", "", 0, false,
     false, ""},
    {"Militia Unit", force, 1, 4, 4, tl3, militaryUnit, "Force vs. Force, 1d6 dmg", "1d4+1", 0,
     true, false, ""},
    {"Heavy Drop Assets", force, 2, 4, 6, tl4, facility, "", "", 0, false, false,
     "Action: move any number of non-Starship assets on the world, itself included, to a world "
     "within one hex, for 1 FacCred each."},
    {"Elite Skirmishers", force, 2, 5, 5, tl4, militaryUnit, "Force vs. Force, 2d4 dmg", "1d4+1", 0,
     true, false, ""},
    {"Hardened Personnel", force, 2, 4, 4, tl3, specialForces, "", "1d4+1", 0, false, false, ""},
    {"Guerilla Populace", force, 2, 4, 6, tl0, militaryUnit, "Force vs. Cunning, 1d4+1 dmg", "", 0,
     false, false, ""},
    {"Zealots", force, 3, 6, 4, tl0, specialForces, "Force vs. Force, 2d6 dmg", "2d6", 0, false,
     false, "Takes 1d4 damage each time it attacks successfully or counterattacks."},
    {"Cunning Trap", force, 3, 5, 2, tl0, tactics, "", "1d6+3", 0, false, false, ""},
    {"Counterintel Unit", force, 3, 6, 4, tl4, specialForces, "Cunning vs. Cunning, 1d4+1 dmg",
     "1d6", 0, false, false, ""},
    {"Beachhead Landers", force, 4, 10, 10, tl4, facility, "", "", 0, false, false,
     "Action: move any number of assets on the world, itself included, to a world within one hex, "
     "for 1 FacCred each."},
    {"Extended Theater", force, 4, 10, 10, tl4, facility, "", "", 0, false, false,
     "Action: move any one non-Starship asset, itself included, between worlds within two hexes, "
     "for 1 FacCred."},
    {"Strike Fleet", force, 4, 12, 8, tl4, starship, "Force vs. Force, 2d6 dmg", "1d8", 0, false,
     false, "Action: move up to one hex."},
    {"Postech Infantry", force, 4, 8, 12, tl4, militaryUnit, "Force vs. Force, 1d8 dmg", "1d8", 0,
     true, false, ""},
    {"Blockade Fleet", force, 5, 10, 8, tl4, starship, "Force vs. Wealth, 1d6 dmg", "", 0, false,
     false,
     "A hit also takes 1d4 FacCreds from the target faction, as far as it has them. Action: move "
     "up to one hex."},
    {"Pretech Logistics", force, 5, 14, 6, tl0, facility, "", "", 0, false, false,
     "Action: buy one Force asset on this world that needs up to tech level 5, even where the "
     "world's tech level is lower, for half again its cost."},
    {"Psychic Assassins", force, 5, 12, 4, tl4, specialForces, "Cunning vs. Cunning, 2d6+2 dmg", "",
     0, false, true, "Bought already stealthed."},
    {"Pretech Infantry", force, 6, 20, 16, tl5, militaryUnit, "Force vs. Force, 2d8 dmg", "2d8+2",
     0, true, false, ""},
    {"Planetary Defenses", force, 6, 18, 20, tl4, facility, "", "2d6+6", 0, false, false,
     "Counters only attacks by Starship assets."},
    {"Gravtank Formation", force, 6, 25, 14, tl4, militaryUnit, "Force vs. Force, 2d10+4 dmg",
     "1d10", 0, true, false, ""},
    {"Deep Strike Landers", force, 7, 25, 10, tl4, facility, "", "", 0, false, false,
     "Action: move any one non-Starship asset, itself included, to a world within three hexes, for "
     "2 FacCreds."},
    {"Integral Protocols", force, 7, 20, 10, tl5, facility, "", "2d8+2", 0, false, false,
     "Counters only attacks made with Cunning."},
    {"Space Marines", force, 7, 30, 16, tl4, militaryUnit, "Force vs. Force, 2d8+2 dmg", "2d8", 0,
     false, false, "Action: move up to one hex."},
    {"Capital Fleet", force, 8, 40, 30, tl4, starship, "Force vs. Force, 3d10+4 dmg", "3d8", 2,
     true, false,
     "Action: move up to three hexes. Permission is needed to build one, not to bring it into a "
     "system."},

    // Cunning
    {"Smugglers", cunning, 1, 2, 4, tl4, starship, "Cunning vs. Wealth, 1d4 dmg", "", 0, false,
     false,
     "Action: carry itself and one Special Forces asset to a world within four hexes, for 1 "
     "FacCred."},
    {"Informers", cunning, 1, 2, 3, tl0, specialForces, "Cunning vs. Cunning, special", "", 0,
     false, false,
     "Attack targets a whole faction instead of an asset; success reveals all of its stealthed "
     "assets on the world."},
    {"False Front", cunning, 1, 1, 2, tl0, facility, "", "", 0, false, false,
     "When another asset on the world would be destroyed, this asset can be lost in its place."},
    {"Lobbyists", cunning, 2, 4, 4, tl0, specialForces, "Cunning vs. Cunning, special", "", 0,
     false, false,
     "Can contest another faction's request for planetary government permission on this world; "
     "success denies it."},
    {"Saboteurs", cunning, 2, 5, 6, tl0, specialForces, "Cunning vs. Cunning, 2d4 dmg", "", 0,
     false, false,
     "An asset it hits cannot use its abilities until the start of this faction's next turn."},
    {"Blackmail", cunning, 2, 4, 4, tl0, tactics, "Cunning vs. Cunning, 1d4+1 dmg", "", 0, false,
     false, ""},
    {"Seductrox", cunning, 2, 4, 4, tl0, specialForces, "Cunning vs. Cunning, special", "", 0,
     false, false, ""},
    {"Cyberninjas", cunning, 3, 6, 4, tl4, specialForces, "Cunning vs. Cunning, 2d6 dmg", "", 0,
     false, false, ""},
    {"Covert Shipping", cunning, 3, 8, 4, tl4, facility, "", "", 0, false, false,
     "Action: move any one Special Forces asset to a world within three hexes, for 1 FacCred."},
    {"Party Machine", cunning, 4, 8, 10, tl0, facility, "Cunning vs. Cunning, 2d6 dmg", "1d6", 0,
     false, false, "Earns the faction 1 FacCred every turn."},
    {"Vanguard Cadres", cunning, 4, 8, 12, tl3, militaryUnit, "Cunning vs. Cunning, 1d6 dmg", "1d6",
     0, false, false, ""},
    {"Tripwire Cells", cunning, 4, 12, 8, tl4, specialForces, "", "1d4", 0, false, false,
     "Whenever a stealthed asset is bought on or moved to the world, it must beat this faction's "
     "Cunning or lose its stealth."},
    {"Seditionists", cunning, 4, 12, 8, tl0, specialForces, "", "", 0, false, false, ""},
    {"Organization Moles", cunning, 5, 10, 8, tl0, tactics, "Cunning vs. Cunning, 2d6 dmg", "1d6",
     0, false, false, ""},
    {"Cracked Comms", cunning, 5, 14, 6, tl0, tactics, "", "", 0, false, false, ""},
    {"Boltholes", cunning, 5, 12, 6, tl4, facility, "", "2d6", 0, false, false, ""},
    {"Transport Lockdown", cunning, 6, 20, 10, tl4, tactics, "Cunning vs. Cunning, special", "", 0,
     false, false, ""},
    {"Covert Transit Net", cunning, 6, 18, 15, tl4, facility, "", "", 0, false, false,
     "Action: move any Special Forces assets to worlds within three hexes."},
    {"Demagogue", cunning, 6, 20, 10, tl0, specialForces, "Cunning vs. Cunning, 2d8 dmg", "1d8", 0,
     false, false, ""},
    {"Popular Movement", cunning, 7, 25, 16, tl4, tactics, "Cunning vs. Cunning, 2d6 dmg", "1d6", 0,
     false, false, "This faction needs no planetary government permission on this world."},
    {"Book of Secrets", cunning, 7, 20, 10, tl4, tactics, "", "2d8", 0, false, false,
     "Once per turn, reroll one die of an action on this world."},
    {"Treachery", cunning, 7, 10, 5, tl0, tactics, "Cunning vs. Cunning, special", "", 0, false,
     false,
     "A hit converts the target asset to your faction, consumes this asset, and pays you 5 "
     "FacCreds."},
    {"Panopticon Matrix", cunning, 8, 30, 20, tl5, facility, "", "1d6", 0, false, false, ""},

    // Wealth
    {"Franchise", wealth, 1, 2, 3, tl2, facility, "Wealth vs. Wealth, 1d4 dmg", "1d4-1", 0, false,
     false,
     "A hit also moves 1 FacCred from the target faction to this one, as far as it has one."},
    {"Harvesters", wealth, 1, 2, 4, tl0, facility, "", "1d4", 0, false, false,
     "Action: roll 1d6; on 3 or more the faction earns 1 FacCred."},
    {"Local Investments", wealth, 1, 1, 2, tl2, facility, "Wealth vs. Wealth, 1d4-1 dmg", "", 0,
     false, false, ""},
    {"Freighter Contract", wealth, 2, 5, 4, tl4, starship, "Wealth vs. Wealth, 1d4 dmg", "", 0,
     false, false,
     "Action: move any one non-Force asset, itself included, to a world within four hexes, for 1 "
     "FacCred."},
    {"Lawyers", wealth, 2, 6, 4, tl0, specialForces, "Cunning vs. Wealth, 2d4 dmg", "1d6", 0, false,
     false, "Cannot attack or counter Force assets."},
    {"Union Toughs", wealth, 2, 4, 6, tl0, militaryUnit, "Wealth vs. Force, 1d4+1 dmg", "1d4", 0,
     false, false, ""},
    {"Surveyors", wealth, 2, 4, 4, tl4, specialForces, "", "1d4", 0, false, false,
     "Gives an extra die on rolls to expand influence on this world. Action: move up to two "
     "hexes."},
    {"Postech Industry", wealth, 3, 8, 4, tl4, facility, "", "1d4", 0, false, false, ""},
    {"Laboratory", wealth, 3, 6, 4, tl0, facility, "", "", 0, false, false, ""},
    {"Mercenaries", wealth, 3, 8, 6, tl4, militaryUnit, "Wealth vs. Force, 2d4+2 dmg", "1d6", 1,
     true, false, "Action: move up to one hex."},
    {"Shipping Combine", wealth, 4, 10, 10, tl4, facility, "", "1d6", 0, false, false,
     "Action: move any number of non-Force assets, itself included, to a world within two hexes, "
     "for 1 FacCred each."},
    {"Monopoly", wealth, 4, 8, 12, tl3, facility, "Wealth vs. Wealth, 1d6 dmg", "1d6", 0, false,
     false,
     "Action: one other faction with unstealthed assets on the world pays this faction 1 FacCred."},
    {"Medical Center", wealth, 4, 12, 8, tl4, facility, "", "", 0, false, false,
     "Once between turns, a Special Forces or Military Unit asset destroyed on or next to this "
     "world can be restored at full hit points for half its cost."},
    {"Bank", wealth, 4, 12, 8, tl3, facility, "", "", 0, false, false,
     "Once per turn, ignore one cost or FacCred loss forced on the faction by another faction."},
    {"Marketers", wealth, 5, 10, 8, tl0, tactics, "Cunning vs. Wealth, 1d6 dmg", "", 0, false,
     false, ""},
    {"Pretech Researchers", wealth, 5, 14, 6, tl4, specialForces, "", "", 1, false, false, ""},
    {"Blockade Runners", wealth, 5, 12, 6, tl4, starship, "", "2d4", 0, false, false,
     "Action: move itself, or one Military Unit or Special Forces asset, to a world within three "
     "hexes."},
    {"Venture Capital", wealth, 6, 15, 10, tl4, facility, "Wealth vs. Wealth, 2d6 dmg", "1d6", 0,
     false, false, ""},
    {"R&D Department", wealth, 6, 18, 15, tl4, facility, "", "", 0, false, false, ""},
    {"Commodities Broker", wealth, 6, 20, 10, tl0, specialForces, "Wealth vs. Wealth, 2d8 dmg",
     "1d8", 0, false, false, ""},
    {"Pretech Manufactory", wealth, 7, 25, 16, tl5, facility, "", "", 0, false, false,
     "Action: roll 1d8 and earn half of it, rounded up, in FacCreds."},
    {"Hostile Takeover", wealth, 7, 20, 10, tl4, tactics, "Wealth vs. Wealth, 2d10 dmg", "2d8", 0,
     false, false,
     "An asset it brings to 0 hit points joins this faction with 1 hit point instead of being "
     "destroyed."},
    {"Transit Web", wealth, 7, 15, 5, tl5, facility, "Cunning vs. Cunning, 1d12 dmg", "", 0, false,
     false,
     "Action: move any number of non-Starship Cunning or Force assets to worlds within three "
     "hexes, for 1 FacCred each."},
    {"Scavenger Fleet", wealth, 8, 30, 20, tl5, starship, "Wealth vs. Wealth, 2d10+4 dmg", "2d10",
     2, false, false, "Action: move up to three hexes."},
}};

constexpr std::size_t countOf(universe::AssetCategory category) {
    return static_cast<std::size_t>(
        std::count_if(catalogue.begin(), catalogue.end(),
                      [category](const AssetTemplate& t) { return t.category == category; }));
}

// Each category is one block, in the order Force, Cunning, Wealth, with the
// ratings never falling inside a block; assetTemplates() hands out the blocks
// as they stand.
constexpr bool isInCatalogueOrder() {
    constexpr universe::AssetCategory order[] = {force, cunning, wealth};
    std::size_t block = 0;
    for (std::size_t i = 1; i < catalogue.size(); ++i) {
        const AssetTemplate& previous = catalogue[i - 1];
        const AssetTemplate& current = catalogue[i];
        if (current.category != previous.category) {
            ++block;
            if (block >= std::size(order) || current.category != order[block])
                return false;
        } else if (current.ratingRequired < previous.ratingRequired) {
            return false;
        }
    }
    return catalogue.front().category == order[0] && block == std::size(order) - 1;
}

constexpr bool hasDistinctNames() {
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        for (std::size_t j = i + 1; j < catalogue.size(); ++j) {
            if (catalogue[i].name == catalogue[j].name)
                return false;
        }
    }
    return true;
}

static_assert(countOf(force) == 24 && countOf(cunning) == 23 && countOf(wealth) == 24);
static_assert(isInCatalogueOrder());
static_assert(hasDistinctNames());

} // namespace

std::span<const AssetTemplate> assetCatalogue() {
    return catalogue;
}

std::span<const AssetTemplate> assetTemplates(universe::AssetCategory category) {
    const auto first =
        std::find_if(catalogue.begin(), catalogue.end(),
                     [category](const AssetTemplate& t) { return t.category == category; });
    const auto last = std::find_if(first, catalogue.end(), [category](const AssetTemplate& t) {
        return t.category != category;
    });
    return {first, last};
}

const AssetTemplate* findAssetTemplate(std::string_view name) {
    const auto it = std::find_if(catalogue.begin(), catalogue.end(),
                                 [name](const AssetTemplate& t) { return t.name == name; });
    return it == catalogue.end() ? nullptr : &*it;
}

} // namespace velmora::factions
