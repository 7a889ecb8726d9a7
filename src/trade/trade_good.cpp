#include "trade/trade_good.h"

#include <algorithm>

namespace velmora::trade {

namespace {

using C = core::TradeClass;
using Subject = TradeModifierSubject;

constexpr Subject onCode(C tradeClass) {
    return Subject::tradeCode(tradeClass);
}

} // namespace

// clang-format off
constexpr std::array<TradeGood, 36> tradeGoods = {
    TradeGood{11, "Common Electronics", {}, 2, 10, 20000,
              {{onCode(C::industrial), 2}, {onCode(C::highTechnology), 3}, {onCode(C::rich), 1}},
              {{onCode(C::nonIndustrial), 2}, {onCode(C::lowTechnology), 1}, {onCode(C::poor), 1}}, false, std::nullopt,
              "Simple electronics including basic computers up to TL10"},
    TradeGood{12, "Common Industrial Goods", {}, 2, 10, 10000,
              {{onCode(C::nonAgricultural), 2}, {onCode(C::industrial), 5}},
              {{onCode(C::nonIndustrial), 3}, {onCode(C::agricultural), 2}}, false, std::nullopt,
              "Machine components and spare parts for common machinery"},
    TradeGood{13, "Common Manufactured Goods", {}, 2, 10, 20000,
              {{onCode(C::nonAgricultural), 2}, {onCode(C::industrial), 5}},
              {{onCode(C::nonIndustrial), 3}, {onCode(C::highPopulation), 2}}, false, std::nullopt,
              "Household appliances, clothing and so forth"},
    TradeGood{14, "Common Raw Materials", {}, 2, 20, 5000,
              {{onCode(C::agricultural), 3}, {onCode(C::garden), 2}},
              {{onCode(C::industrial), 2}, {onCode(C::poor), 2}}, false, std::nullopt,
              "Metal, plastics, chemicals and other basic materials"},
    TradeGood{15, "Common Consumables", {}, 2, 20, 500,
              {{onCode(C::agricultural), 3}, {onCode(C::water), 2}, {onCode(C::garden), 1}, {onCode(C::asteroid), -4}},
              {{onCode(C::asteroid), 1}, {onCode(C::fluidOceans), 1}, {onCode(C::iceCapped), 1}, {onCode(C::highPopulation), 1}}, false, std::nullopt,
              "Food, drink and other agricultural products"},
    TradeGood{16, "Common Ore", {}, 2, 20, 1000,
              {{onCode(C::asteroid), 4}},
              {{onCode(C::industrial), 3}, {onCode(C::nonIndustrial), 1}}, false, std::nullopt,
              "Ore bearing common metals"},
    TradeGood{21, "Advanced Electronics", {C::industrial, C::highTechnology}, 1, 5, 100000,
              {{onCode(C::industrial), 2}, {onCode(C::highTechnology), 3}},
              {{onCode(C::nonIndustrial), 1}, {onCode(C::rich), 2}, {onCode(C::asteroid), 3}}, false, std::nullopt,
              "Advanced sensors, computers and other electronics up to TL15"},
    TradeGood{22, "Advanced Machine Parts", {C::industrial, C::highTechnology}, 1, 5, 75000,
              {{onCode(C::industrial), 2}, {onCode(C::highTechnology), 1}},
              {{onCode(C::asteroid), 2}, {onCode(C::nonIndustrial), 1}}, false, std::nullopt,
              "Machine components and spare parts, including gravitic components"},
    TradeGood{23, "Advanced Manufactured Goods", {C::industrial, C::highTechnology}, 1, 5, 100000,
              {{onCode(C::industrial), 1}},
              {{onCode(C::highPopulation), 1}, {onCode(C::rich), 2}}, false, std::nullopt,
              "Devices and clothing incorporating advanced technologies"},
    TradeGood{24, "Advanced Weapons", {C::industrial, C::highTechnology}, 1, 5, 150000,
              {{onCode(C::highTechnology), 2}},
              {{onCode(C::poor), 1}, {Subject::amberZone(), 2}, {Subject::redZone(), 4}}, false, 3,
              "Firearms, explosives, ammunition, artillery and other military-grade weaponry"},
    TradeGood{25, "Advanced Vehicles", {C::industrial, C::highTechnology}, 1, 5, 180000,
              {{onCode(C::highTechnology), 2}},
              {{onCode(C::asteroid), 2}, {onCode(C::rich), 2}}, false, std::nullopt,
              "Air/rafts, spacecraft, grav tanks and other vehicles up to TL15"},
    TradeGood{26, "Biochemicals", {C::agricultural, C::water}, 1, 5, 50000,
              {{onCode(C::agricultural), 1}, {onCode(C::water), 2}},
              {{onCode(C::industrial), 2}}, false, std::nullopt,
              "Biofuels, organic chemicals, extracts"},
    TradeGood{31, "Crystals & Gems", {C::asteroid, C::desert, C::iceCapped}, 1, 5, 20000,
              {{onCode(C::asteroid), 2}, {onCode(C::desert), 1}, {onCode(C::iceCapped), 1}},
              {{onCode(C::industrial), 3}, {onCode(C::rich), 2}}, false, std::nullopt,
              "Diamonds, synthetic or natural gemstones"},
    TradeGood{32, "Cybernetics", {C::highTechnology}, 1, 1, 250000,
              {{onCode(C::highTechnology), 1}},
              {{onCode(C::asteroid), 1}, {onCode(C::iceCapped), 1}, {onCode(C::rich), 2}}, false, std::nullopt,
              "Cybernetic components, replacement limbs"},
    TradeGood{33, "Live Animals", {C::agricultural, C::garden}, 1, 10, 10000,
              {{onCode(C::agricultural), 2}},
              {{onCode(C::lowPopulation), 3}}, false, std::nullopt,
              "Riding animals, beasts of burden, exotic pets"},
    TradeGood{34, "Luxury Consumables", {C::agricultural, C::garden, C::water}, 1, 10, 20000,
              {{onCode(C::agricultural), 2}, {onCode(C::water), 1}},
              {{onCode(C::rich), 2}, {onCode(C::highPopulation), 2}}, false, std::nullopt,
              "Rare foods, fine liquors"},
    TradeGood{35, "Luxury Goods", {C::highPopulation}, 1, 1, 200000,
              {{onCode(C::highPopulation), 1}},
              {{onCode(C::rich), 4}}, false, std::nullopt,
              "Rare or extremely high-quality manufactured goods"},
    TradeGood{36, "Medical Supplies", {C::highTechnology, C::highPopulation}, 1, 5, 50000,
              {{onCode(C::highTechnology), 2}},
              {{onCode(C::industrial), 2}, {onCode(C::poor), 1}, {onCode(C::rich), 1}}, false, std::nullopt,
              "Diagnostic equipment, basic drugs, cloning technology"},
    TradeGood{41, "Petrochemicals", {C::desert, C::fluidOceans, C::iceCapped, C::water}, 1, 10, 10000,
              {{onCode(C::desert), 2}},
              {{onCode(C::industrial), 2}, {onCode(C::agricultural), 1}, {onCode(C::lowTechnology), 2}}, false, std::nullopt,
              "Oil, liquid fuels"},
    TradeGood{42, "Pharmaceuticals", {C::asteroid, C::desert, C::highPopulation, C::water}, 1, 1, 100000,
              {{onCode(C::asteroid), 2}, {onCode(C::highPopulation), 1}},
              {{onCode(C::rich), 2}, {onCode(C::lowTechnology), 1}}, false, std::nullopt,
              "Drugs, medical supplies, anagathics, fast or slow drugs"},
    TradeGood{43, "Polymers", {C::industrial}, 1, 10, 7000,
              {{onCode(C::industrial), 1}},
              {{onCode(C::rich), 2}, {onCode(C::nonIndustrial), 1}}, false, std::nullopt,
              "Plastics and other synthetics"},
    TradeGood{44, "Precious Metals", {C::asteroid, C::desert, C::iceCapped, C::fluidOceans}, 1, 1, 50000,
              {{onCode(C::asteroid), 3}, {onCode(C::desert), 1}, {onCode(C::iceCapped), 2}},
              {{onCode(C::rich), 3}, {onCode(C::industrial), 2}, {onCode(C::highTechnology), 1}}, false, std::nullopt,
              "Gold, silver, platinum, rare elements"},
    TradeGood{45, "Radioactives", {C::asteroid, C::desert, C::lowPopulation}, 1, 1, 1000000,
              {{onCode(C::asteroid), 2}, {onCode(C::lowPopulation), 2}},
              {{onCode(C::industrial), 3}, {onCode(C::highTechnology), 1}, {onCode(C::nonIndustrial), -2}, {onCode(C::agricultural), -3}}, false, std::nullopt,
              "Uranium, plutonium, unobtanium, rare elements"},
    TradeGood{46, "Robots", {C::industrial}, 1, 5, 400000,
              {{onCode(C::industrial), 1}},
              {{onCode(C::agricultural), 2}, {onCode(C::highTechnology), 1}}, false, std::nullopt,
              "Industrial and personal robots and drones"},
    TradeGood{51, "Spices", {C::garden, C::desert, C::water}, 1, 10, 6000,
              {{onCode(C::desert), 2}},
              {{onCode(C::highPopulation), 2}, {onCode(C::rich), 3}, {onCode(C::poor), 3}}, false, std::nullopt,
              "Preservatives, luxury food additives, natural drugs"},
    TradeGood{52, "Textiles", {C::agricultural, C::nonIndustrial}, 1, 20, 3000,
              {{onCode(C::agricultural), 7}},
              {{onCode(C::highPopulation), 3}, {onCode(C::nonAgricultural), 2}}, false, std::nullopt,
              "Clothing and fabrics"},
    TradeGood{53, "Uncommon Ore", {C::asteroid, C::iceCapped}, 1, 20, 5000,
              {{onCode(C::asteroid), 4}},
              {{onCode(C::industrial), 3}, {onCode(C::nonIndustrial), 1}}, false, std::nullopt,
              "Ore containing precious or valuable metals"},
    TradeGood{54, "Uncommon Raw Materials", {C::agricultural, C::desert, C::water}, 1, 10, 20000,
              {{onCode(C::agricultural), 2}, {onCode(C::water), 1}},
              {{onCode(C::industrial), 2}, {onCode(C::highTechnology), 1}}, false, std::nullopt,
              "Valuable metals like titanium, rare elements"},
    TradeGood{55, "Wood", {C::agricultural, C::garden}, 1, 20, 1000,
              {{onCode(C::agricultural), 6}},
              {{onCode(C::rich), 2}, {onCode(C::industrial), 1}}, false, std::nullopt,
              "Hard or beautiful woods and plant extracts"},
    TradeGood{56, "Vehicles", {C::industrial, C::highTechnology}, 1, 10, 15000,
              {{onCode(C::industrial), 2}, {onCode(C::highTechnology), 1}},
              {{onCode(C::nonIndustrial), 2}, {onCode(C::highPopulation), 1}}, false, std::nullopt,
              "Wheeled, tracked and other vehicles from TL10 or lower"},
    TradeGood{61, "Illegal Biochemicals", {C::agricultural, C::water}, 1, 5, 50000,
              {{onCode(C::water), 2}},
              {{onCode(C::industrial), 6}}, true, std::nullopt,
              "Dangerous chemicals, extracts from endangered species"},
    TradeGood{62, "Cybernetics, Illegal", {C::highTechnology}, 1, 1, 250000,
              {{onCode(C::highTechnology), 1}},
              {{onCode(C::asteroid), 4}, {onCode(C::iceCapped), 4}, {onCode(C::rich), 8}, {Subject::amberZone(), 6}, {Subject::redZone(), 6}}, true, std::nullopt,
              "Combat cybernetics, illegal enhancements"},
    TradeGood{63, "Drugs, Illegal", {C::asteroid, C::desert, C::highPopulation, C::water}, 1, 1, 100000,
              {{onCode(C::asteroid), 1}, {onCode(C::desert), 1}, {onCode(C::garden), 1}, {onCode(C::water), 1}},
              {{onCode(C::rich), 6}, {onCode(C::highPopulation), 6}}, true, std::nullopt,
              "Addictive drugs, combat drugs"},
    TradeGood{64, "Luxuries, Illegal", {C::agricultural, C::garden, C::water}, 1, 1, 50000,
              {{onCode(C::agricultural), 2}, {onCode(C::water), 1}},
              {{onCode(C::rich), 6}, {onCode(C::highPopulation), 4}}, true, std::nullopt,
              "Debauched or addictive luxuries"},
    TradeGood{65, "Weapons, Illegal", {C::industrial, C::highTechnology}, 1, 5, 150000,
              {{onCode(C::highTechnology), 2}},
              {{onCode(C::poor), 6}, {Subject::amberZone(), 8}, {Subject::redZone(), 10}}, true, std::nullopt,
              "Weapons of mass destruction, naval weapons"},
    TradeGood{66, "Exotics", {}, 0, 0, 0,
              {},
              {}, false, std::nullopt,
              "Alien relics, prototype technology, unique plant or animal life, priceless treasures"},};
// clang-format on

namespace {

constexpr bool inD66Order() {
    int previous = 0;
    for (const TradeGood& good : tradeGoods) {
        if (!isD66(good.d66) || good.d66 <= previous)
            return false;
        previous = good.d66;
    }
    return true;
}

// The first six rows are on offer everywhere; every other row but Exotics names
// the worlds that offer it, rolls some tons and has a price.
constexpr bool rowsAreWellFormed() {
    for (const TradeGood& good : tradeGoods) {
        const bool common = good.d66 <= 16;
        const bool exotics = good.d66 == 66;
        if (common != good.availability.empty() && !exotics)
            return false;
        if (exotics != (good.tonsDice == 0 || good.basePrice == 0))
            return false;
        if (good.illegal != (good.d66 >= 61 && good.d66 <= 65))
            return false;
    }
    return true;
}

static_assert(inD66Order());
static_assert(rowsAreWellFormed());
static_assert(tradeGoods[9].d66 == 24 && tradeGoods[9].bannedAtLawLevel == 3);

} // namespace

const TradeGood* tradeGood(int d66) {
    const auto it =
        std::lower_bound(tradeGoods.begin(), tradeGoods.end(), d66,
                         [](const TradeGood& good, int wanted) { return good.d66 < wanted; });
    return it != tradeGoods.end() && it->d66 == d66 ? &*it : nullptr;
}

} // namespace velmora::trade
