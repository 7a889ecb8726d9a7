#include "systems/open_universe.h"
#include "systems/system_list.h"
#include "universe/system_pattern.h"

#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::OpenUniverse;
using velmora::testing::systemAt;

namespace {

universe::Faction faction(const std::string& name, const std::string& code) {
    universe::Faction f;
    f.id = core::Uuid::generate();
    f.name = name;
    f.shortName = code;
    return f;
}

core::WorldData& mainOf(core::HexData& hex) {
    return hex.starSystem.stars.front().worlds.front();
}

// Seven systems a referee might search: every kind of term has at least one system it
// picks out and one it leaves.
universe::UniverseRecord searchedUniverse() {
    universe::UniverseRecord record;
    const universe::Faction imperium = faction("Third Imperium, Domain of Deneb", "ImDd");
    const universe::Faction consulate = faction("Zhodani Consulate", "ZhCo");
    record.factions = {imperium, consulate};

    auto add = [&](core::GalacticCoordinates at, const std::string& name,
                   const std::string& profile, std::vector<core::Base> bases,
                   std::vector<core::TradeClass> codes, std::vector<core::Uuid> factions) {
        core::HexData hex = systemAt(at, name, name, profile);
        hex.starSystem.surveyed = true;
        core::WorldData& world = mainOf(hex);
        world.uwp.bases = {bases.begin(), bases.end()};
        world.tradeClasses = std::move(codes);
        world.factionIDs = std::move(factions);
        record.data.push_back(std::move(hex));
    };
    using core::Base;
    using core::TradeClass;
    add({0, 0, 19, 10}, "Regina", "A788899-C", {Base::imperialNavalBase, Base::scoutBase},
        {TradeClass::rich, TradeClass::preAgricultural, TradeClass::preHighPopulation},
        {imperium.id});
    add({0, 0, 21, 9}, "Efate", "A646930-D", {Base::imperialNavalBase, Base::scoutBase},
        {TradeClass::highPopulation, TradeClass::industrial}, {imperium.id});
    add({0, 0, 17, 3}, "Ruie", "B766658-8", {},
        {TradeClass::agricultural, TradeClass::nonIndustrial}, {consulate.id});
    add({0, 0, 18, 2}, "Feri", "B384879-B", {Base::scoutBase}, {}, {});
    add({0, 0, 20, 4}, "New Rome", "C000420-7", {},
        {TradeClass::asteroid, TradeClass::nonIndustrial}, {imperium.id});
    add({0, 0, 22, 5}, "Shadow", "E000000-0", {}, {TradeClass::asteroid}, {consulate.id});
    record.data.back().starSystem.surveyed = false;
    record.data.push_back(systemAt({0, 0, 23, 6}, "Rift Station")); // no main world
    return record;
}

std::vector<std::string> found(const universe::UniverseRecord& record, const std::string& text,
                               const universe::MapViewSettings* view = nullptr) {
    auto parsed = universe::parseSystemPattern(text);
    if (const auto* error = std::get_if<universe::SystemPatternError>(&parsed))
        return {"error: " + error->message};
    const universe::SystemPatternMatcher matcher(std::get<universe::SystemPattern>(parsed),
                                                 record.factions, view);
    std::vector<std::string> names;
    for (const core::HexData* hex : universe::findSystems(record.data, matcher))
        names.push_back(hex->starSystem.name);
    return names;
}

using Names = std::vector<std::string>;

TEST(SystemPattern, FindsWhatEachKindOfTermDescribes) {
    const universe::UniverseRecord record = searchedUniverse();
    const struct {
        const char* pattern;
        Names expected;
    } cases[] = {
        // Words match names, ignoring case, anywhere in the name.
        {"", {"Regina", "Efate", "Ruie", "Feri", "New Rome", "Shadow", "Rift Station"}},
        {"regina", {"Regina"}},
        {"ri", {"Feri", "Rift Station"}},     // lower-case: part of a name
        {"Ri", {"Regina"}},                   // a capital first: the trade code Rich
        {"RI", {"Regina"}},                   // still the code
        {"Mo", {}},                           // no trade code is written so: a word
        {"station", {"Rift Station"}},        // a system without a main world, by name
        {"rome new", {"New Rome"}},           // every word must hold, in any order
        {"\"new rome\"", {"New Rome"}},       // a quoted phrase keeps its blank
        {"\"rome new\"", {}},                 // ... and its order
        {"\"Ri\"", {"Feri", "Rift Station"}}, // quoted, two letters are a name again
        {"\"new rome", {"New Rome"}},         // an open quote while typing runs to the end
        // Profile patterns: '?' any one digit, '*' the rest.
        {"A???9?\?-*", {"Efate"}},  // population 9
        {"a???9?\?-*", {"Efate"}},  // letters in either case
        {"??????\?-C", {"Regina"}}, // tech level C = 12
        {"A7*", {"Regina"}},        // shorter, ending in '*'
        {"B*", {"Ruie", "Feri"}},   // starport B
        {"?000000-0", {"Shadow"}},  // exact digits
        {"A788899-D", {}},          // one digit off
        // Comparisons of profile digits, TL on the Traveller scale.
        {"TL>=12", {"Regina", "Efate"}},
        {"tl>=c", {"Regina", "Efate"}}, // a profile digit as the value
        {"TL>13", {}},
        {"TL<8", {"New Rome", "Shadow"}},
        {"pop<6", {"New Rome", "Shadow"}},
        {"pop<=6", {"Ruie", "New Rome", "Shadow"}},
        {"size=0", {"New Rome", "Shadow"}},
        {"hyd>7 atm<=8", {"Regina"}},
        {"gov=3 law>=0", {"Efate"}}, // A646930: government 3, law 0
        {"law=9", {"Regina", "Feri"}},
        // Bases by their letter.
        {"N", {"Regina", "Efate"}},
        {"S", {"Regina", "Efate", "Feri"}},
        {"S Hi", {"Efate"}},
        {"K", {}},
        // Allegiances by a faction's short code, in any case.
        {"al:ImDd", {"Regina", "Efate", "New Rome"}},
        {"AL:imdd", {"Regina", "Efate", "New Rome"}},
        {"al:ZhCo", {"Ruie", "Shadow"}},
        {"al:Xx", {}},
        // Everything together.
        {"al:ImDd Ni As", {"New Rome"}},
        {"B*  Ag   al:ZhCo ", {"Ruie"}},
        {"Rift TL>=0", {}}, // profile terms need a main world
        {"N regina", {"Regina"}},
        // The slips that would otherwise find nothing without saying why.
        {"TL>=", {"error: “TL>=” needs a number after “>=”, as in “TL>=9”"}},
        {"pop=ten", {"error: “pop=ten” needs a number after “=”, as in “pop>=9”"}},
        {"Q",
         {"error: No base is written “Q”: the base letters are C, D, E, K, M, N, R, S, T, V, "
          "W"}},
        {"al:", {"error: “al:” needs an allegiance code after it, as in “al:ImDd”"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(found(record, c.pattern), c.expected) << "pattern: " << c.pattern;
}

TEST(SystemPattern, ThePlayersFindOnlyWhatTheyMayKnow) {
    const universe::UniverseRecord record = searchedUniverse();
    universe::MapViewSettings players;
    players.mapViewMode = universe::MapViewMode::player;
    players.mapShowSurveyedData = true;
    const struct {
        const char* pattern;
        Names expected;
    } cases[] = {
        // Shadow is not surveyed: its profile and its allegiance stay unknown...
        {"size=0", {"New Rome"}},
        {"As", {"New Rome"}},
        {"al:ZhCo", {"Ruie"}},
        // ... but its name is on the map for all to read.
        {"shadow", {"Shadow"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(found(record, c.pattern, &players), c.expected) << "pattern: " << c.pattern;

    // With the surveyed data hidden, nothing is found by its profile at all.
    players.mapShowSurveyedData = false;
    EXPECT_EQ(found(record, "TL>=0", &players), Names{});
    EXPECT_EQ(found(record, "regina", &players), Names{"Regina"});
}

TEST(SystemPattern, TheSystemsListTakesPatternsAndStillFindsHexesAndLocations) {
    OpenUniverse open(searchedUniverse());
    const auto plain = [](const std::string& a, const std::string& b) { return a.compare(b); };
    const auto listed = [&](const std::string& search) {
        systems::SystemListQuery query;
        query.search = search;
        query.order = systems::SystemSortOrder::name;
        Names names;
        for (const auto& row : systems::listSystems(*open.universe, query, plain))
            names.push_back(row.name);
        return names;
    };
    EXPECT_EQ(listed("TL>=12"), (Names{"Efate", "Regina"}));
    EXPECT_EQ(listed("S al:ImDd"), (Names{"Efate", "Regina"}));
    EXPECT_EQ(listed("1910"), Names{"Regina"});   // the hex number
    EXPECT_EQ(listed("1910 N"), Names{"Regina"}); // a hex and a base
    EXPECT_EQ(listed("B384879"), Names{"Feri"});  // a piece of the profile code
    // A slip while typing ("F" is no base) lists the names it spells instead of nothing.
    EXPECT_EQ(listed("F"), (Names{"Efate", "Feri", "Rift Station"}));
    EXPECT_EQ(listed("S"), (Names{"Efate", "Feri", "Regina"}));
    EXPECT_EQ(listed("TL>="), Names{});
    EXPECT_EQ(listed("Rome"), Names{"New Rome"});
}

} // namespace
