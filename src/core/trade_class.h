#pragma once

#include "core/code_table.h"

#include <optional>
#include <string_view>

namespace velmora::core {

// Trade classifications, grouped by category in case order. The planetary,
// population, economic and climate classes are derived from a world's profile; the
// secondary, political and special ones come from imports or the referee.
// clang-format off
enum class TradeClass {
    asteroid, desert, fluidOceans, garden, hellworld, iceCapped, ocean, vacuum, water,
    barren, dieback, lowPopulation, nonIndustrial, preHighPopulation, highPopulation,
    preAgricultural, agricultural, nonAgricultural, preIndustrial, industrial, poor, preRich, rich,
    lowTechnology, highTechnology,
    frozen, hot, tropic, cold, tundra, twilightZone, locked,
    farming, mining, militaryRule, prisonCamp, penalColony, reserve,
    subsectorCapital, sectorCapital, capital, colony,
    satellite, forbidden, puzzle, danger, dataRepository, ancientSite, researchStation,
};
// clang-format on

enum class TradeClassCategory {
    planetary,
    population,
    economic,
    climate,
    secondary,
    political,
    special,
};

// The raw value is the two-letter code.
inline constexpr auto tradeClassTable = makeRawValueTable<TradeClass>(
    std::pair{TradeClass::asteroid, "As"}, std::pair{TradeClass::desert, "De"},
    std::pair{TradeClass::fluidOceans, "Fl"}, std::pair{TradeClass::garden, "Ga"},
    std::pair{TradeClass::hellworld, "He"}, std::pair{TradeClass::iceCapped, "Ic"},
    std::pair{TradeClass::ocean, "Oc"}, std::pair{TradeClass::vacuum, "Va"},
    std::pair{TradeClass::water, "Wa"}, std::pair{TradeClass::barren, "Ba"},
    std::pair{TradeClass::dieback, "Di"}, std::pair{TradeClass::lowPopulation, "Lo"},
    std::pair{TradeClass::nonIndustrial, "Ni"}, std::pair{TradeClass::preHighPopulation, "Ph"},
    std::pair{TradeClass::highPopulation, "Hi"}, std::pair{TradeClass::preAgricultural, "Pa"},
    std::pair{TradeClass::agricultural, "Ag"}, std::pair{TradeClass::nonAgricultural, "Na"},
    std::pair{TradeClass::preIndustrial, "Pi"}, std::pair{TradeClass::industrial, "In"},
    std::pair{TradeClass::poor, "Po"}, std::pair{TradeClass::preRich, "Pr"},
    std::pair{TradeClass::rich, "Ri"}, std::pair{TradeClass::lowTechnology, "Lt"},
    std::pair{TradeClass::highTechnology, "Ht"}, std::pair{TradeClass::frozen, "Fr"},
    std::pair{TradeClass::hot, "Ho"}, std::pair{TradeClass::tropic, "Tr"},
    std::pair{TradeClass::cold, "Co"}, std::pair{TradeClass::tundra, "Tu"},
    std::pair{TradeClass::twilightZone, "Tz"}, std::pair{TradeClass::locked, "Lk"},
    std::pair{TradeClass::farming, "Fa"}, std::pair{TradeClass::mining, "Mi"},
    std::pair{TradeClass::militaryRule, "Mr"}, std::pair{TradeClass::prisonCamp, "Px"},
    std::pair{TradeClass::penalColony, "Pe"}, std::pair{TradeClass::reserve, "Re"},
    std::pair{TradeClass::subsectorCapital, "Cp"}, std::pair{TradeClass::sectorCapital, "Cs"},
    std::pair{TradeClass::capital, "Cx"}, std::pair{TradeClass::colony, "Cy"},
    std::pair{TradeClass::satellite, "Sa"}, std::pair{TradeClass::forbidden, "Fo"},
    std::pair{TradeClass::puzzle, "Pz"}, std::pair{TradeClass::danger, "Da"},
    std::pair{TradeClass::dataRepository, "Ab"}, std::pair{TradeClass::ancientSite, "An"},
    std::pair{TradeClass::researchStation, "Rs"});

inline constexpr auto tradeClassNameTable = makeRawValueTable<TradeClass>(
    std::pair{TradeClass::asteroid, "Asteroid Belt"}, std::pair{TradeClass::desert, "Desert"},
    std::pair{TradeClass::fluidOceans, "Fluid Oceans"},
    std::pair{TradeClass::garden, "Garden World"}, std::pair{TradeClass::hellworld, "Hellworld"},
    std::pair{TradeClass::iceCapped, "Ice-Capped"}, std::pair{TradeClass::ocean, "Ocean"},
    std::pair{TradeClass::vacuum, "Vacuum"}, std::pair{TradeClass::water, "Water World"},
    std::pair{TradeClass::barren, "Barren"}, std::pair{TradeClass::dieback, "Dieback"},
    std::pair{TradeClass::lowPopulation, "Low Population"},
    std::pair{TradeClass::nonIndustrial, "Non-Industrial"},
    std::pair{TradeClass::preHighPopulation, "Pre-High Population"},
    std::pair{TradeClass::highPopulation, "High Population"},
    std::pair{TradeClass::preAgricultural, "Pre-Agricultural"},
    std::pair{TradeClass::agricultural, "Agricultural"},
    std::pair{TradeClass::nonAgricultural, "Non-Agricultural"},
    std::pair{TradeClass::preIndustrial, "Pre-Industrial"},
    std::pair{TradeClass::industrial, "Industrial"}, std::pair{TradeClass::poor, "Poor"},
    std::pair{TradeClass::preRich, "Pre-Rich"}, std::pair{TradeClass::rich, "Rich"},
    std::pair{TradeClass::lowTechnology, "Low Technology"},
    std::pair{TradeClass::highTechnology, "High Technology"},
    std::pair{TradeClass::frozen, "Frozen"}, std::pair{TradeClass::hot, "Hot"},
    std::pair{TradeClass::tropic, "Tropic"}, std::pair{TradeClass::cold, "Cold"},
    std::pair{TradeClass::tundra, "Tundra"}, std::pair{TradeClass::twilightZone, "Twilight Zone"},
    std::pair{TradeClass::locked, "Locked"}, std::pair{TradeClass::farming, "Farming"},
    std::pair{TradeClass::mining, "Mining"}, std::pair{TradeClass::militaryRule, "Military Rule"},
    std::pair{TradeClass::prisonCamp, "Prison/Exile Camp"},
    std::pair{TradeClass::penalColony, "Penal Colony"}, std::pair{TradeClass::reserve, "Reserve"},
    std::pair{TradeClass::subsectorCapital, "Subsector Capital"},
    std::pair{TradeClass::sectorCapital, "Sector Capital"},
    std::pair{TradeClass::capital, "Capital"}, std::pair{TradeClass::colony, "Colony"},
    std::pair{TradeClass::satellite, "Satellite"}, std::pair{TradeClass::forbidden, "Forbidden"},
    std::pair{TradeClass::puzzle, "Puzzle"}, std::pair{TradeClass::danger, "Danger"},
    std::pair{TradeClass::dataRepository, "Data Repository"},
    std::pair{TradeClass::ancientSite, "Ancient Site"},
    std::pair{TradeClass::researchStation, "Research Station"});

// The raw value of a category is its display name.
inline constexpr auto tradeClassCategoryTable =
    makeRawValueTable<TradeClassCategory>(std::pair{TradeClassCategory::planetary, "Planetary"},
                                          std::pair{TradeClassCategory::population, "Population"},
                                          std::pair{TradeClassCategory::economic, "Economic"},
                                          std::pair{TradeClassCategory::climate, "Climate"},
                                          std::pair{TradeClassCategory::secondary, "Secondary"},
                                          std::pair{TradeClassCategory::political, "Political"},
                                          std::pair{TradeClassCategory::special, "Special"});

static_assert(isInCaseOrder(tradeClassTable) && hasDistinctTexts(tradeClassTable));
static_assert(isInCaseOrder(tradeClassNameTable) && hasDistinctTexts(tradeClassNameTable));
static_assert(isInCaseOrder(tradeClassCategoryTable) && hasDistinctTexts(tradeClassCategoryTable));

constexpr std::string_view rawValue(TradeClass tradeClass) {
    return textAt(tradeClassTable, tradeClass);
}

constexpr std::string_view code(TradeClass tradeClass) {
    return textAt(tradeClassTable, tradeClass);
}

constexpr std::string_view displayName(TradeClass tradeClass) {
    return textAt(tradeClassNameTable, tradeClass);
}

// Each category is a run of consecutive cases, so the first case of the next run
// marks where a category ends.
constexpr TradeClassCategory category(TradeClass tradeClass) {
    if (tradeClass < TradeClass::barren)
        return TradeClassCategory::planetary;
    if (tradeClass < TradeClass::preAgricultural)
        return TradeClassCategory::population;
    if (tradeClass < TradeClass::frozen)
        return TradeClassCategory::economic;
    if (tradeClass < TradeClass::farming)
        return TradeClassCategory::climate;
    if (tradeClass < TradeClass::subsectorCapital)
        return TradeClassCategory::secondary;
    if (tradeClass < TradeClass::satellite)
        return TradeClassCategory::political;
    return TradeClassCategory::special;
}

constexpr std::string_view rawValue(TradeClassCategory category) {
    return textAt(tradeClassCategoryTable, category);
}

constexpr std::string_view displayName(TradeClassCategory category) {
    return textAt(tradeClassCategoryTable, category);
}

constexpr std::optional<TradeClass> tradeClassFromCode(std::string_view code) {
    return tradeClassTable.value(code);
}

constexpr std::optional<TradeClassCategory> tradeClassCategoryFromRawValue(std::string_view text) {
    return tradeClassCategoryTable.value(text);
}

} // namespace velmora::core
