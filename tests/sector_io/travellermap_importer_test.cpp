#include "core/hex_layout.h"
#include "sector_io/sector_files.h"
#include "sector_io/travellermap_importer.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace velmora;
using core::GalacticCoordinates;
using sector_io::ImportError;
using universe::FactionColor;

namespace {

// The fixture sector as the service places it: (-4, -1), so (-4, 1) here.
constexpr int spinX = -4;
constexpr int spinY = 1;

sector_io::SectorMetadata spinwardMetadata() {
    return sector_io::decodeSectorMetadata(
        velmora::testing::fixture("spinward-marches.metadata.json"));
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ImportError& error) {
        return error.what();
    }
    return "no error";
}

core::PointF pointOf(const universe::RegionAnchor& anchor) {
    return core::HexLayout{}.corners(anchor.hex)[static_cast<std::size_t>(anchor.corner)];
}

// The loop goes from corner to neighbouring corner along hex edges, closes on
// itself, passes no point twice and touches only cells of the piece.
void expectClosedEdgeLoop(const sector_io::ImportedRegion& region) {
    const auto& anchors = region.anchors;
    ASSERT_GE(anchors.size(), 6u);
    for (std::size_t i = 0; i < anchors.size(); ++i) {
        const auto a = pointOf(anchors[i]);
        const auto b = pointOf(anchors[(i + 1) % anchors.size()]);
        EXPECT_NEAR(std::hypot(a.x - b.x, a.y - b.y), 1.0, 1e-9) << "after anchor " << i;
        EXPECT_TRUE(region.cells.contains(anchors[i].hex.cube())) << anchors[i].hex.description();
        for (std::size_t j = 0; j < i; ++j) {
            const auto c = pointOf(anchors[j]);
            EXPECT_GT(std::hypot(a.x - c.x, a.y - c.y), 1e-6) << i << " repeats " << j;
        }
    }
}

sector_io::MetaBorder border(std::string path) {
    sector_io::MetaBorder made;
    made.path = std::move(path);
    made.allegiance = "ImDd";
    made.label = "Third Imperium";
    made.labelPosition = "2021";
    made.color = "#FF0000";
    return made;
}

} // namespace

TEST(TravellerMapResponses, RealFixturesDecode) {
    const auto coordinates = sector_io::decodeCoordinates(
        velmora::testing::fixture("spinward-marches.coordinates.json"));
    EXPECT_EQ(coordinates.sx, -4);
    EXPECT_EQ(coordinates.sy, -1);
    EXPECT_EQ(sector_io::sectorOrigin(coordinates), (GalacticCoordinates{-4, 1, 0, 0}));

    const auto allegiances =
        sector_io::decodeAllegiances(velmora::testing::fixture("allegiances.json"));
    ASSERT_EQ(allegiances.size(), 244u);
    EXPECT_EQ(allegiances.front().code, "3EoG");
    EXPECT_EQ(allegiances.front().name, "Third Empire of Gashikan");
    const auto table = sector_io::allegianceTable(allegiances);
    EXPECT_EQ(table.size(), 244u);
    EXPECT_EQ(sector_io::allegianceName("ImDd", table), "Third Imperium, Domain of Deneb");
    EXPECT_EQ(sector_io::allegianceName("ZhIN", table), "Zhodani Consulate, Iadr Nsobl Province");

    const auto metadata = spinwardMetadata();
    EXPECT_EQ(metadata.subsectors.size(), 16u);
    EXPECT_EQ(metadata.routes.size(), 127u);
    EXPECT_EQ(metadata.borders.size(), 7u);
    EXPECT_EQ(metadata.labels.size(), 0u);
    EXPECT_EQ(metadata.abbreviation, "Spin");
    ASSERT_EQ(metadata.names.size(), 2u);
    EXPECT_EQ(metadata.names.front().text, "Spinward Marches");
    EXPECT_EQ(metadata.routes.front().start, "1106");
    EXPECT_EQ(metadata.routes.front().end, "1006");
    EXPECT_FALSE(metadata.routes.front().width.has_value());
    EXPECT_EQ(metadata.borders[2].label, "Zhodani Consulate");
    EXPECT_EQ(metadata.borders[2].labelPosition, "0205");
}

TEST(TravellerMapResponses, RealWorldRowsConvert) {
    const auto read = sector_io::importedWorldsFromTab(velmora::testing::tabFixture(), spinX, spinY,
                                                       {}, core::systemRandomSource());
    EXPECT_EQ(read.worlds.size(), 439u);
    EXPECT_EQ(read.unreadableLines, 0u);
    for (const auto& world : read.worlds) {
        EXPECT_EQ(world.coordinates.sectorX, spinX);
        EXPECT_EQ(world.coordinates.sectorY, spinY);
    }
}

TEST(TravellerMapResponses, RealRoutesCrossIntoNeighbouringSectors) {
    const auto metadata = spinwardMetadata();
    const auto routes = sector_io::importedRoutes(metadata, spinX, spinY);
    ASSERT_EQ(routes.size(), 127u);
    EXPECT_EQ(routes.front().start, (GalacticCoordinates{-4, 1, 11, 6}));
    EXPECT_EQ(routes.front().end, (GalacticCoordinates{-4, 1, 10, 6}));
    for (const auto& route : routes)
        EXPECT_FALSE(route.mainTradeRoute); // the service leaves the width out of JSON

    const auto routeFrom = [&](std::string_view start, std::string_view end) {
        for (std::size_t i = 0; i < metadata.routes.size(); ++i)
            if (metadata.routes[i].start == start && metadata.routes[i].end == end)
                return routes[i];
        ADD_FAILURE() << start << "-" << end;
        return sector_io::ImportedRoute{};
    };
    // "EndOffsetX":1 is the sector to the right, "EndOffsetY":1 the one below.
    EXPECT_EQ(routeFrom("3209", "0208").end, (GalacticCoordinates{-3, 1, 2, 8}));
    EXPECT_EQ(routeFrom("2140", "2102").end, (GalacticCoordinates{-4, 0, 21, 2}));
}

TEST(TravellerMapResponses, RealSubsectorNamesAndBorders) {
    const auto metadata = spinwardMetadata();
    const auto subsectors = sector_io::subsectorLabels(metadata, spinX, spinY);
    ASSERT_EQ(subsectors.size(), 16u);
    EXPECT_EQ(subsectors[2].text, "Regina");
    EXPECT_EQ(subsectors[2].position, (GalacticCoordinates{spinX, spinY, 20, 5}));
    EXPECT_EQ(subsectors[5].text, "Vilis");
    EXPECT_EQ(subsectors[5].position, (GalacticCoordinates{spinX, spinY, 12, 15}));
    for (const auto& label : subsectors) {
        EXPECT_EQ(label.size, 20.0);
        EXPECT_EQ(label.color, FactionColor::grey);
        EXPECT_EQ(label.category, "Subsector Name");
    }
    EXPECT_TRUE(sector_io::importedLabels(metadata, spinX, spinY).empty());

    // The single-hex border of 0930 makes no region.
    const auto regions = sector_io::importedRegions(metadata, spinX, spinY);
    ASSERT_EQ(regions.size(), 6u);
    for (const auto& region : regions)
        expectClosedEdgeLoop(region);
    const auto& zhodani = regions[2];
    EXPECT_EQ(zhodani.name, "Zhodani Consulate");
    EXPECT_EQ(zhodani.allegiance, "ZhIN");
    EXPECT_EQ(zhodani.labelCoordinates, (GalacticCoordinates{spinX, spinY, 2, 5}));
    EXPECT_EQ(zhodani.colorHint, "");
    // Its path starts at 0000: the last hex of the sector up and to the left.
    EXPECT_TRUE(zhodani.cells.contains((GalacticCoordinates{spinX - 1, spinY + 1, 32, 40}).cube()));
    // The Darrian border is a ring of hexes: the loop is its outer edge.
    const auto& darrian = regions[0];
    EXPECT_EQ(darrian.allegiance, "DaCf");
    EXPECT_EQ(darrian.name, "");
    EXPECT_EQ(darrian.cells.size(), 22u);
}

TEST(TravellerMapResponses, HexTextsWithOffsets) {
    const struct {
        std::string hex;
        int offsetX, offsetY;
        std::optional<GalacticCoordinates> expected;
    } cases[] = {
        {"1910", 0, 0, GalacticCoordinates{-4, 1, 19, 10}},
        {"3240", 1, 0, GalacticCoordinates{-3, 1, 32, 40}},
        {"3240", 0, 1, GalacticCoordinates{-4, 0, 32, 40}},
        {"0101", -1, -1, GalacticCoordinates{-5, 2, 1, 1}},
        {"0000", 0, 0, GalacticCoordinates{-5, 2, 32, 40}},
        {"3341", 0, 0, GalacticCoordinates{-3, 0, 1, 1}},
        {"191", 0, 0, std::nullopt},
        {"19100", 0, 0, std::nullopt},
        {"19x0", 0, 0, std::nullopt},
        {"", 0, 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sector_io::hexInSector(c.hex, spinX, spinY, c.offsetX, c.offsetY), c.expected)
            << c.hex << " " << c.offsetX << "," << c.offsetY;
}

TEST(TravellerMapResponses, RouteWidthsAndUnreadableEndpoints) {
    const auto metadata = sector_io::decodeSectorMetadata(
        R"({"Routes":[{"End":"0102","Start":"0101","Width":2.5,"Allegiance":"ImDd"},)"
        R"({"Start":"0101","End":"0102","Width":1.0},)"
        R"({"Start":"0101","End":"01"},{"Start":"ab01","End":"0102"}]})");
    const auto routes = sector_io::importedRoutes(metadata, 0, 0);
    ASSERT_EQ(routes.size(), 2u);
    EXPECT_TRUE(routes[0].mainTradeRoute);
    EXPECT_EQ(routes[0].allegiance, "ImDd");
    EXPECT_EQ(routes[0].start, (GalacticCoordinates{0, 0, 1, 1}));
    EXPECT_EQ(routes[0].end, (GalacticCoordinates{0, 0, 1, 2}));
    EXPECT_FALSE(routes[1].mainTradeRoute);
}

TEST(TravellerMapResponses, LabelSizesColoursAndSubsectorIndexes) {
    const auto metadata = sector_io::decodeSectorMetadata(R"({
        "Labels":[{"Text":"Big","Hex":"1910","Size":"LARGE","Color":"Blue"},
                  {"Text":"Small","Hex":"0101","Size":"small","Color":"#FF0000"},
                  {"Text":"Plain","Hex":"0202","Color":"not a colour"},
                  {"Text":"Lost","Hex":"x"}],
        "Subsectors":[{"Name":"Ok","Index":"F"},{"Name":"","Index":"A"},{"Name":"Q","Index":"Q"},
                      {"Name":"Lower","Index":"f"},{"Name":"Two","Index":"AB"}]})");
    const auto labels = sector_io::importedLabels(metadata, 1, 2);
    ASSERT_EQ(labels.size(), 3u);
    const struct {
        std::string text;
        double size;
        FactionColor color;
        GalacticCoordinates position;
    } expected[] = {
        {"Big", 28, FactionColor::indigo, {1, 2, 19, 10}},
        {"Small", 14, FactionColor::red, {1, 2, 1, 1}},
        {"Plain", 18, FactionColor::white, {1, 2, 2, 2}},
    };
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].text, expected[i].text);
        EXPECT_EQ(labels[i].size, expected[i].size) << expected[i].text;
        EXPECT_EQ(labels[i].color, expected[i].color) << expected[i].text;
        EXPECT_EQ(labels[i].position, expected[i].position) << expected[i].text;
        EXPECT_EQ(labels[i].angle, 0.0);
        EXPECT_EQ(labels[i].category, "");
    }
    const auto subsectors = sector_io::subsectorLabels(metadata, 1, 2);
    ASSERT_EQ(subsectors.size(), 1u);
    EXPECT_EQ(subsectors[0].position, (GalacticCoordinates{1, 2, 12, 15}));
}

TEST(TravellerMapResponses, BorderPiecesAndTheirTrace) {
    const struct {
        std::string path;
        std::size_t cells; // 0: no region
        std::size_t anchors;
    } cases[] = {
        {"0101 0102", 0, 0},
        {"0101 0102 0101 0102", 0, 0},
        {"0101 0102 0103", 3, 14},
        {"0101 0102 0103 0110 0111 0112 0113", 4, 18}, // the larger piece wins
        {"0110 0111 0101 0102", 2, 10},                // equal pieces: the first one
        {"1009 1110 1111 1011 0911 0910 1009", 6, 18}, // a ring: only its outer edge
        {"0101 x 0102 0103", 3, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto region = sector_io::importedRegion(border(c.path), 0, 0);
        if (c.cells == 0) {
            EXPECT_FALSE(region.has_value());
            continue;
        }
        ASSERT_TRUE(region.has_value());
        EXPECT_EQ(region->cells.size(), c.cells);
        EXPECT_EQ(region->anchors.size(), c.anchors);
        expectClosedEdgeLoop(*region);
    }

    const auto equal = sector_io::importedRegion(border("0110 0111 0101 0102"), 0, 0);
    ASSERT_TRUE(equal.has_value());
    EXPECT_TRUE(equal->cells.contains((GalacticCoordinates{0, 0, 1, 10}).cube()));

    const auto single = sector_io::boundaryAnchors({(GalacticCoordinates{0, 0, 5, 5}).cube()});
    const std::vector<universe::RegionAnchor> around{{{0, 0, 5, 5}, 3}, {{0, 0, 5, 5}, 4},
                                                     {{0, 0, 5, 5}, 5}, {{0, 0, 5, 5}, 0},
                                                     {{0, 0, 5, 5}, 1}, {{0, 0, 5, 5}, 2}};
    EXPECT_EQ(single, around);

    const auto made = sector_io::importedRegion(border("0101 0102 0103"), 0, 0);
    EXPECT_EQ(made->name, "Third Imperium");
    EXPECT_EQ(made->allegiance, "ImDd");
    EXPECT_EQ(made->labelCoordinates, (GalacticCoordinates{0, 0, 20, 21}));
    EXPECT_EQ(made->colorHint, "#FF0000");
    auto unlabelled = border("0101 0102 0103");
    unlabelled.labelPosition = "";
    EXPECT_FALSE(sector_io::importedRegion(unlabelled, 0, 0)->labelCoordinates.has_value());
}

TEST(TravellerMapResponses, MalformedDocumentsAreBadResponses) {
    const std::string bad = "Traveller Map returned data that couldn't be read.";
    const struct {
        const char* what;
        std::function<void()> decode;
    } cases[] = {
        {"truncated metadata", [] { sector_io::decodeSectorMetadata(R"({"Routes":[{"Start")"); }},
        {"empty text", [] { sector_io::decodeSectorMetadata(""); }},
        {"HTML page", [] { sector_io::decodeSectorMetadata("<html>busy</html>"); }},
        {"metadata list", [] { sector_io::decodeSectorMetadata("[]"); }},
        {"routes object", [] { sector_io::decodeSectorMetadata(R"({"Routes":{}})"); }},
        {"route number", [] { sector_io::decodeSectorMetadata(R"({"Routes":[1]})"); }},
        {"numeric hex", [] { sector_io::decodeSectorMetadata(R"({"Routes":[{"Start":101}]})"); }},
        {"text offset",
         [] { sector_io::decodeSectorMetadata(R"({"Routes":[{"StartOffsetX":"1"}]})"); }},
        {"text width", [] { sector_io::decodeSectorMetadata(R"({"Routes":[{"Width":"2"}]})"); }},
        {"allegiances object", [] { sector_io::decodeAllegiances(R"({"Code":"Im"})"); }},
        {"allegiance text", [] { sector_io::decodeAllegiances(R"(["Im"])"); }},
        {"coordinates list", [] { sector_io::decodeCoordinates("[-4,-1]"); }},
        {"coordinates text", [] { sector_io::decodeCoordinates(R"({"sx":"west"})"); }},
        // Sector numbers and offsets beyond a million: their hexes would leave an int.
        {"sector beyond an int", [] { sector_io::decodeCoordinates(R"({"sx":1e300})"); }},
        {"largest int sector", [] { sector_io::decodeCoordinates(R"({"sx":2147483647})"); }},
        {"smallest int sector", [] { sector_io::decodeCoordinates(R"({"sy":-2147483648})"); }},
        {"offset beyond any map",
         [] { sector_io::decodeSectorMetadata(R"({"Routes":[{"EndOffsetY":-1000001}]})"); }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageOf(c.decode), bad) << c.what;
}

TEST(TravellerMapResponses, EmptySector) {
    const auto metadata = sector_io::decodeSectorMetadata(R"({"Labels":[],"Regions":[]})");
    EXPECT_TRUE(metadata.names.empty());
    EXPECT_TRUE(sector_io::importedRoutes(metadata, 0, 0).empty());
    EXPECT_TRUE(sector_io::importedLabels(metadata, 0, 0).empty());
    EXPECT_TRUE(sector_io::subsectorLabels(metadata, 0, 0).empty());
    EXPECT_TRUE(sector_io::importedRegions(metadata, 0, 0).empty());
    EXPECT_EQ(metadata.abbreviation, "");

    const std::string header =
        velmora::testing::tabFixture().substr(0, velmora::testing::tabFixture().find('\n') + 1);
    for (const std::string& rows : {std::string(), header, header + "garbage\tline\r\n"})
        EXPECT_EQ(messageOf([&] {
                      sector_io::importedWorldsFromTab(rows, 0, 0, {}, core::systemRandomSource());
                  }),
                  "That sector (or subsector) has no worlds to import.")
            << rows;
}

TEST(TravellerMapResponses, ErrorMessages) {
    const struct {
        ImportError error;
        ImportError::Kind kind;
        std::string message;
    } cases[] = {
        {ImportError::sectorNotFound("Nowhere"), ImportError::Kind::sectorNotFound,
         "Couldn't find a sector named \u201cNowhere\u201d on Traveller Map."},
        {ImportError::httpStatus(500), ImportError::Kind::httpStatus,
         "Traveller Map returned an error (HTTP 500). Please try again."},
        {ImportError::network("Connection refused"), ImportError::Kind::network,
         "Network error: Connection refused. Please try again."},
        {ImportError::emptySectorName(), ImportError::Kind::emptySectorName,
         "Enter a sector name to import."},
        {ImportError::noWorlds(), ImportError::Kind::noWorlds,
         "That sector (or subsector) has no worlds to import."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.error.kind(), c.kind);
        EXPECT_EQ(c.error.what(), c.message);
    }
}
