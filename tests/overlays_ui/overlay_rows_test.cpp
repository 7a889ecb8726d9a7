#include "overlays/overlay_rows.h"
#include "overlays_ui/overlay_workshop.h"

#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::factionNamed;
using velmora::testing::OverlayWorkshop;
using velmora::testing::systemAt;

namespace {

struct SearchCase {
    std::string query;
    std::vector<std::string> fields;
    bool matches;
};

TEST(OverlaySearch, MatchesEveryWordInAnyFieldIgnoringCase) {
    const std::vector<SearchCase> cases = {
        {"", {"anything"}, true},
        {"   ", {"anything"}, true},
        {"spin", {"SPIN 1910"}, true},
        {"1910", {"Spin 1910", "Regina"}, true},
        {"regina 1910", {"Spin 1910", "Regina"}, true},
        {"regina 2020", {"Spin 1910", "Regina"}, false},
        {"gin", {"Regina"}, true},
        {"x", {}, false},
    };
    for (const SearchCase& c : cases) {
        bool result = false;
        switch (c.fields.size()) {
        case 0:
            result = overlays::matchesSearch(c.query, {});
            break;
        case 1:
            result = overlays::matchesSearch(c.query, {c.fields[0]});
            break;
        default:
            result = overlays::matchesSearch(c.query, {c.fields[0], c.fields[1]});
            break;
        }
        EXPECT_EQ(result, c.matches) << "query \"" << c.query << "\"";
    }
}

universe::Rutter rutterBetween(const core::Uuid& faction, core::GalacticCoordinates from,
                               core::GalacticCoordinates to, bool main, universe::RutterAge age) {
    universe::Rutter rutter;
    rutter.id = core::Uuid::generate();
    rutter.factionID = faction;
    rutter.start = from;
    rutter.end = to;
    rutter.mainTradeRoute = main;
    rutter.age = age;
    return rutter;
}

TEST(RutterRows, NameTheOwnerTheEndsAndTheAge) {
    universe::UniverseRecord record;
    record.data = {systemAt("Regina", {0, 0, 19, 10}, false), systemAt("", {0, 0, 20, 10}, false)};
    const auto league = factionNamed("Free League", universe::FactionColor::teal);
    const auto nameless = factionNamed("", universe::FactionColor::red);
    record.factions = {league, nameless};
    record.rutters = {
        rutterBetween(league.id, {0, 0, 19, 10}, {0, 0, 20, 10}, true,
                      universe::RutterAge::oneToFive),
        rutterBetween(nameless.id, {0, 0, 20, 10}, {0, 0, 25, 12}, false,
                      universe::RutterAge::uncharted),
        rutterBetween(core::Uuid::generate(), {0, 0, 1, 1}, {0, 0, 2, 2}, false,
                      universe::RutterAge::recent),
    };
    OverlayWorkshop workshop(record);

    const auto rows = overlays::rutterRows(workshop.universe(), "", std::nullopt);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].title, "Free League");
    EXPECT_EQ(rows[0].detail,
              "Regina (00-1910) → Unnamed System (00-2010)\nOne to five years · Main Trade Route");
    EXPECT_EQ(rows[1].title, "Unnamed Faction");
    EXPECT_EQ(rows[1].detail, "Unnamed System (00-2010) → Unnamed System (00-2512)\nUncharted");
    EXPECT_EQ(rows[2].title, "Unknown Faction") << "the owner was deleted";

    // The search reads both ends, by location and by the system there.
    EXPECT_EQ(overlays::rutterRows(workshop.universe(), "regina", std::nullopt).size(), 1u);
    EXPECT_EQ(overlays::rutterRows(workshop.universe(), "2010", std::nullopt).size(), 2u);
    EXPECT_EQ(overlays::rutterRows(workshop.universe(), "Free League", std::nullopt).size(), 0u)
        << "the owner is the faction filter's business";
    const auto filtered = overlays::rutterRows(workshop.universe(), "", nameless.id);
    ASSERT_EQ(filtered.size(), 1u);
    EXPECT_EQ(filtered[0].id, record.rutters[1].id);
}

TEST(OverlayRows, UnnamedRecordsAndCounts) {
    universe::UniverseRecord record;
    universe::Nebula cloud;
    cloud.id = core::Uuid::generate();
    cloud.type = universe::NebulaType::supernovaRemnant;
    cloud.hexes = {{0, 0, 1, 1}};
    universe::StarmapLabel label;
    label.id = core::Uuid::generate();
    label.category = "Trade";
    label.position = {0, 0, 3, 4};
    universe::Region region;
    region.id = core::Uuid::generate();
    region.anchors = {{{0, 0, 1, 1}, 0}, {{0, 0, 3, 1}, 3}};
    record.nebulae = {cloud};
    record.starmapLabels = {label};
    record.regions = {region};
    OverlayWorkshop workshop(record);

    const auto nebulae = overlays::nebulaRows(workshop.universe(), "");
    ASSERT_EQ(nebulae.size(), 1u);
    EXPECT_EQ(nebulae[0].title, "Unnamed Nebula");
    EXPECT_EQ(nebulae[0].detail, "Supernova Remnant · 1 hex");
    EXPECT_EQ(overlays::nebulaRows(workshop.universe(), "remnant").size(), 1u);

    const auto labels = overlays::labelRows(workshop.universe(), "");
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].title, "Unnamed Label");
    EXPECT_EQ(labels[0].detail, "Trade · 00-0304");
    EXPECT_EQ(overlays::labelRows(workshop.universe(), "trade").size(), 1u);
    EXPECT_EQ(overlays::labelRows(workshop.universe(), "war").size(), 0u);

    const auto regions = overlays::regionRows(workshop.universe(), "");
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0].detail, "2 anchors");

    EXPECT_EQ(overlays::anchorRowText({{-1, 2, 19, 10}, 3}),
              "Sector X: -1 · Sector Y: 2 · 1910 · Corner: 3");
    EXPECT_EQ(overlays::hexCountText(12), "12 hexes");
    EXPECT_EQ(overlays::parsecText(1), "1 parsec");
    EXPECT_EQ(overlays::parsecText(4), "4 parsecs");
}

} // namespace
