#include "core/base.h"
#include "core/json_support.h"
#include "core/orbits.h"
#include "core/race.h"
#include "core/starport.h"
#include "core/stellar.h"
#include "core/trade_class.h"
#include "core/uwp.h"
#include "core/world_json.h"
#include "core/world_tag.h"
#include "core/world_type.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace velmora::core;

namespace {

// Every case of a table survives a trip through its JSON text.
template <typename Enum, std::size_t Count>
void expectEveryCaseRoundTrips(const RawValueTable<Enum, Count>& table) {
    for (const auto& [value, text] : table.entries) {
        const Json json = value;
        EXPECT_EQ(json, std::string(text));
        EXPECT_EQ(json.template get<Enum>(), value) << text;
    }
}

} // namespace

TEST(WorldCodes, TextEnumerationsRoundTripThroughJson) {
    expectEveryCaseRoundTrips(starportTable);
    expectEveryCaseRoundTrips(baseTable);
    expectEveryCaseRoundTrips(spectralTypeTable);
    expectEveryCaseRoundTrips(luminosityClassTable);
    expectEveryCaseRoundTrips(planetOrbitsTable);
    expectEveryCaseRoundTrips(worldTypeTable);
    expectEveryCaseRoundTrips(tradeClassTable);
    expectEveryCaseRoundTrips(tradeClassCategoryTable);
    expectEveryCaseRoundTrips(worldTagTable);
}

TEST(WorldCodes, IntegerEnumerationsAreWrittenAsNumbers) {
    for (int number = -1; number <= 20; ++number) {
        const Orbits orbit = *orbitsFromRawValue(number);
        EXPECT_EQ(Json(orbit), number);
        EXPECT_EQ(Json(number).get<Orbits>(), orbit);
    }
    EXPECT_EQ(Json(Orbits::starOrbitP), -1);
    EXPECT_EQ(Json(Orbits::starOrbit20), 20);
    EXPECT_FALSE(orbitsFromRawValue(-2));
    EXPECT_FALSE(orbitsFromRawValue(21));

    EXPECT_EQ(Json(WorldTagCategory::environment), 0);
    EXPECT_EQ(Json(WorldTagCategory::government), 7);
    EXPECT_EQ(Json(6).get<WorldTagCategory>(), WorldTagCategory::zone);
    EXPECT_THROW(Json(8).get<WorldTagCategory>(), DecodeError);
    EXPECT_EQ(std::size(selectableWorldTagCategories), 7u);
    EXPECT_EQ(std::count(std::begin(selectableWorldTagCategories),
                         std::end(selectableWorldTagCategories), WorldTagCategory::government),
              0);
}

TEST(WorldCodes, LettersTurnBackIntoStarportsAndBases) {
    struct StarportCase {
        Starport starport;
        char letter;
        const char* raw;
    };
    const StarportCase starports[] = {
        {Starport::typeA, 'A', "Excellent"}, {Starport::typeX, 'X', "None"},
        {Starport::typeF, 'F', "Good (Sp)"}, {Starport::typeH, 'H', "Basic (Sp)"},
        {Starport::typeY, 'Y', "None (Sp)"},
    };
    for (const auto& c : starports) {
        EXPECT_EQ(letter(c.starport), c.letter);
        EXPECT_EQ(rawValue(c.starport), c.raw);
        EXPECT_EQ(starportFromLetter(c.letter), c.starport);
    }
    EXPECT_FALSE(starportFromLetter('Z'));
    EXPECT_FALSE(starportFromRawValue("A"));

    const std::string letters = "CDEKMNRSTVW";
    for (const char l : letters)
        EXPECT_EQ(letter(*baseFromLetter(l)), l);
    EXPECT_EQ(baseFromLetter('N'), Base::imperialNavalBase);
    EXPECT_EQ(baseFromLetter('K'), Base::navalBase);
    EXPECT_FALSE(baseFromLetter('Q'));
    EXPECT_FALSE(baseFromRawValue("NS"));
}

TEST(WorldCodes, TradeClassesBelongToTheirCategories) {
    std::map<TradeClassCategory, int> counts;
    for (const auto& [tradeClass, code] : tradeClassTable.entries) {
        ++counts[category(tradeClass)];
        EXPECT_EQ(code.size(), 2u) << code;
        EXPECT_EQ(tradeClassFromCode(code), tradeClass);
    }
    EXPECT_EQ(tradeClassTable.size(), 49u);
    EXPECT_EQ(counts[TradeClassCategory::planetary], 9);
    EXPECT_EQ(counts[TradeClassCategory::population], 6);
    EXPECT_EQ(counts[TradeClassCategory::economic], 10);
    EXPECT_EQ(counts[TradeClassCategory::climate], 7);
    EXPECT_EQ(counts[TradeClassCategory::secondary], 6);
    EXPECT_EQ(counts[TradeClassCategory::political], 4);
    EXPECT_EQ(counts[TradeClassCategory::special], 7);

    struct Case {
        TradeClass tradeClass;
        const char* code;
        const char* name;
        TradeClassCategory category;
    };
    const Case edges[] = {
        {TradeClass::water, "Wa", "Water World", TradeClassCategory::planetary},
        {TradeClass::barren, "Ba", "Barren", TradeClassCategory::population},
        {TradeClass::highTechnology, "Ht", "High Technology", TradeClassCategory::economic},
        {TradeClass::locked, "Lk", "Locked", TradeClassCategory::climate},
        {TradeClass::prisonCamp, "Px", "Prison/Exile Camp", TradeClassCategory::secondary},
        {TradeClass::colony, "Cy", "Colony", TradeClassCategory::political},
        {TradeClass::dataRepository, "Ab", "Data Repository", TradeClassCategory::special},
    };
    for (const auto& c : edges) {
        EXPECT_EQ(code(c.tradeClass), c.code);
        EXPECT_EQ(displayName(c.tradeClass), c.name);
        EXPECT_EQ(category(c.tradeClass), c.category) << c.code;
    }
    EXPECT_EQ(displayName(TradeClassCategory::economic), "Economic");
    EXPECT_EQ(Json(TradeClassCategory::special), "Special");
}

TEST(WorldTags, IrregularRawValuesAndTheOldSpelling) {
    EXPECT_EQ(worldTagTable.size(), 144u);
    struct Case {
        WorldTag tag;
        const char* raw;
    };
    const Case cases[] = {
        {WorldTag::abandonedColony, "abandoned-colony"},
        {WorldTag::area51, "area-51"},
        {WorldTag::misandryMisogyny, "misandry-misogyny"},
        {WorldTag::soleSuplier, "sole-supplier"},
        {WorldTag::unbrakedAI, "unbraked-ai"},
        {WorldTag::zombies, "zombies"},
        {WorldTag::amberZone, "amber-zone"},
        {WorldTag::slfSCC, "slf-scc"},
        {WorldTag::satharHW, "sathar-homeworld"},
        {WorldTag::tasFacility, "tas-facility"},
        {WorldTag::freeport, "free-port"},
        {WorldTag::twinWorld, "twin-world"},
        {WorldTag::gov0, "No Government"},
        {WorldTag::gov1, "Governed by corporation"},
        {WorldTag::gov15, "Totalitarian Oligarchy"},
        {WorldTag::reserved, "Reserved"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rawValue(c.tag), c.raw);
        EXPECT_EQ(worldTagFromRawValue(c.raw), c.tag);
    }
    EXPECT_EQ(Json("refueling-stop").get<WorldTag>(), WorldTag::refuellingStop);
    EXPECT_EQ(Json(WorldTag::refuellingStop), "refuelling-stop");
    try {
        Json("refuelling stop").get<WorldTag>();
        ADD_FAILURE() << "an unknown tag was read";
    } catch (const DecodeError& error) {
        EXPECT_STREQ(error.what(), "Unknown WorldTag raw value: refuelling stop");
    }
}

TEST(WorldTags, SortIgnoringCase) {
    std::vector<WorldTag> tags{WorldTag::zombies,         WorldTag::gov4, WorldTag::reserved,
                               WorldTag::abandonedColony, WorldTag::gov0, WorldTag::robots};
    sortWorldTags(tags);
    // "No Government" sits among the n's and "Representative Democracy" before "Reserved"
    // before "robots" only when case is ignored.
    EXPECT_EQ(tags,
              (std::vector<WorldTag>{WorldTag::abandonedColony, WorldTag::gov0, WorldTag::gov4,
                                     WorldTag::reserved, WorldTag::robots, WorldTag::zombies}));
}

TEST(Races, IdentityDisplayNameAndJson) {
    struct Case {
        Race race;
        const char* identity;
        const char* displayName;
    };
    const Case cases[] = {
        {Race::Kind::human, "human", "Human"},
        {Race::Kind::corporation, "corporation", "Corporation"},
        {Race::Kind::ifshnits, "ifshnits", "Ifshnit"},
        {Race::Kind::mixedRIM, "mixedRIM", "Mixed (RIM)"},
        {Race::Kind::kkree, "kkree", "K'kree"},
        {Race::Kind::zhodani, "zhodani", "Zhodani"},
        {Race::custom("Grel"), "custom:Grel", "Grel"},
        {Race::custom("Sky: People"), "custom:Sky: People", "Sky: People"},
        {Race::custom(""), "custom:", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.race.identity(), c.identity);
        EXPECT_EQ(c.race.displayName(), c.displayName);
        EXPECT_EQ(Json(c.race), c.identity);
        EXPECT_EQ(Json(c.identity).get<Race>(), c.race) << c.identity;
    }
    EXPECT_EQ(Race(), Race(Race::Kind::human));
    EXPECT_NE(Race::custom("Grel"), Race::custom("grel"));
    EXPECT_FALSE(Race::fromIdentity("Human"));
    EXPECT_FALSE(Race::fromIdentity("custom"));
}
