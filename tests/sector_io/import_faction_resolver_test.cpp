#include "sector_io/import_faction_resolver.h"

#include <array>
#include <gtest/gtest.h>

using namespace velmora;
using sector_io::ImportFactionResolver;
using universe::Faction;
using universe::FactionCategory;
using universe::FactionColor;

namespace {

Faction existing(std::string name, std::string shortName, FactionCategory category) {
    Faction faction;
    faction.id = core::Uuid::generate();
    faction.name = std::move(name);
    faction.shortName = std::move(shortName);
    faction.category = category;
    return faction;
}

} // namespace

TEST(ImportFactionResolver, FindsKnownCodesAndMakesTheRestInPaletteOrder) {
    std::vector<Faction> factions{existing("Our Imperium", "Im", FactionCategory::political),
                                  existing("Aslan", "", FactionCategory::race)};
    ImportFactionResolver resolver(factions, {{"Zh", "Zhodani (fetched)"}});
    const core::GalacticCoordinates home{-4, 1, 19, 10};

    EXPECT_EQ(resolver.resolveFaction("", home), std::nullopt);
    EXPECT_EQ(resolver.resolveFaction("Im", home), factions[0].id);
    EXPECT_EQ(resolver.createdCount(), 0);

    const auto zhodani = resolver.resolveFaction("Zh", home);
    ASSERT_EQ(factions.size(), 3u);
    const Faction& made = factions.back();
    EXPECT_EQ(made.id, *zhodani);
    EXPECT_EQ(made.name, "Zhodani (fetched)");
    EXPECT_EQ(made.shortName, "Zh");
    EXPECT_EQ(made.homeworld, home);
    EXPECT_EQ(made.category, FactionCategory::political);
    EXPECT_EQ(made.color, FactionColor::salmon)
        << "the third colour: two factions were there before";
    EXPECT_EQ(made.description, "Imported from Traveller Map (allegiance code Zh).");
    EXPECT_EQ((std::array{made.hp, made.force, made.cunning, made.wealth, made.credits, made.xp}),
              (std::array{0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(resolver.resolveFaction("Zh", {0, 0, 1, 1}), zhodani) << "made once";
    EXPECT_EQ(factions.back().name, "Zhodani (fetched)");
    EXPECT_EQ(resolver.createdCount(), 1);
}

// Codes that read the same ("Aslan Hierate" for every As.. code) stay apart: a new
// faction whose name is taken gets its code after it; one already there keeps its name.
TEST(ImportFactionResolver, CodesThatShareANameAreToldApartByTheirCode) {
    std::vector<Faction> factions{existing("Aslan Hierate", "AsT0", FactionCategory::political)};
    ImportFactionResolver resolver(factions, {{"AsT0", "Aslan Hierate"},
                                              {"AsT2", "Aslan Hierate"},
                                              {"AsT3", "Aslan Hierate"},
                                              {"AsVc", "Aslan Hierate, Tlaukhu vassal clan"}});
    const core::GalacticCoordinates home{-4, 1, 19, 10};
    resolver.resolveFaction("AsT2", home);
    resolver.resolveFaction("AsT3", home);
    resolver.resolveFaction("AsVc", home);
    std::vector<std::string> names;
    for (const Faction& faction : factions)
        names.push_back(faction.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Aslan Hierate", "Aslan Hierate (AsT2)",
                                               "Aslan Hierate (AsT3)",
                                               "Aslan Hierate, Tlaukhu vassal clan"}));
}

TEST(ImportFactionResolver, TheTwentyFifthNewFactionTakesTheFirstColourAgain) {
    std::vector<Faction> factions;
    ImportFactionResolver resolver(factions);
    for (int i = 0; i < 25; ++i)
        resolver.resolveFaction("C" + std::to_string(i), {});
    ASSERT_EQ(factions.size(), 25u);
    EXPECT_EQ(factions[0].color, FactionColor::red);
    EXPECT_EQ(factions[23].color, FactionColor::black);
    EXPECT_EQ(factions[24].color, FactionColor::red);
    EXPECT_EQ(factions[3].name, "C3") << "an unknown code names itself";
}

TEST(ImportFactionResolver, RaceAndTradeRouteFactions) {
    std::vector<Faction> factions{existing("Aslan", "", FactionCategory::race)};
    ImportFactionResolver resolver(factions);
    EXPECT_EQ(resolver.raceFaction(core::Race(core::Race::Kind::aslan), {}), factions[0].id);

    const auto vargr = resolver.raceFaction(core::Race(core::Race::Kind::vargr), {0, 0, 2, 2});
    const auto ursty = resolver.raceFaction(core::Race::custom("Ursty"), {0, 0, 3, 3});
    ASSERT_EQ(factions.size(), 3u);
    EXPECT_EQ(factions[1].id, vargr);
    EXPECT_EQ(factions[1].name, "Vargr");
    EXPECT_EQ(factions[1].shortName, "Varg");
    EXPECT_EQ(factions[1].category, FactionCategory::race);
    EXPECT_EQ(factions[1].color, FactionColor::orangeRed);
    EXPECT_EQ(factions[1].description, "Imported from Traveller Map (prevalent race: Vargr).");
    EXPECT_EQ(factions[2].id, ursty);
    EXPECT_EQ(factions[2].shortName, "Ursty");
    EXPECT_EQ(resolver.raceFaction(core::Race(core::Race::Kind::vargr), {}), vargr);

    const auto routes = resolver.tradeRoutesFaction();
    ASSERT_EQ(factions.size(), 4u);
    EXPECT_EQ(factions[3].name, "Trade Routes");
    EXPECT_EQ(factions[3].shortName, "TR");
    EXPECT_EQ(factions[3].category, FactionCategory::other);
    EXPECT_EQ(factions[3].color, FactionColor::grey);
    EXPECT_EQ(factions[3].homeworld, (core::GalacticCoordinates{0, 0, 0, 0}));
    EXPECT_EQ(factions[3].description,
              "Trade routes imported from Traveller Map without a specific allegiance.");
    EXPECT_EQ(resolver.tradeRoutesFaction(), routes);
    EXPECT_EQ(resolver.createdCount(), 3);

    // A universe that has one already keeps it.
    std::vector<Faction> withRoutes{existing("Trade Routes", "", FactionCategory::other)};
    ImportFactionResolver again(withRoutes);
    EXPECT_EQ(again.tradeRoutesFaction(), withRoutes[0].id);
    EXPECT_EQ(again.createdCount(), 0);
}
