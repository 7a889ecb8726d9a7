#include "core/star_system.h"
#include "core/uwp.h"
#include "map_fixtures.h"
#include "starmap/ui/map_export.h"
#include "support/temporary_folder.h"

#include <QImage>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::starmap;
using velmora::testing::TemporaryFolder;

namespace {

std::string pdfText(const std::filesystem::path& pdf) {
    std::string text;
    FILE* pipe = popen(("pdftotext '" + pdf.string() + "' -").c_str(), "r");
    std::array<char, 4096> buffer{};
    while (const std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe))
        text.append(buffer.data(), got);
    pclose(pipe);
    return text;
}

} // namespace

TEST(MapExport, WritesPngSvgAndPdfOfASector) {
    TemporaryFolder folder;
    const auto universe = velmora::testing::mapUniverse();
    MapExportArea sector;
    sector.kind = MapExportArea::Kind::sector;

    ASSERT_FALSE(
        exportMap(universe, sector, QString::fromStdString((folder / "map.png").string())));
    const QImage image(QString::fromStdString((folder / "map.png").string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.height(), image.width()) << "a sector is taller than wide";

    ASSERT_FALSE(
        exportMap(universe, sector, QString::fromStdString((folder / "map.svg").string())));
    const std::string svg = folder.read("map.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Regina"), std::string::npos);

    ASSERT_FALSE(
        exportMap(universe, sector, QString::fromStdString((folder / "map.pdf").string())));
    const std::string text = pdfText(folder / "map.pdf");
    for (const char* name : {"Regina", "Efate", "Jewell", "Mora"})
        EXPECT_NE(text.find(name), std::string::npos) << name;
}

TEST(MapExport, SubsectorsAreSmallerAndUnknownFormatsAreRefused) {
    TemporaryFolder folder;
    const auto universe = velmora::testing::mapUniverse();
    MapExportArea subsector;
    subsector.kind = MapExportArea::Kind::subsector;
    subsector.subsector = 'F';
    const StarMapModel model(universe);
    const auto frame = exportFrame(model, subsector);
    MapExportArea sector = subsector;
    sector.kind = MapExportArea::Kind::sector;
    EXPECT_LT(frame.size.width(), exportFrame(model, sector).size.width());

    const auto refused =
        exportMap(universe, subsector, QString::fromStdString((folder / "map.bmp").string()));
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->contains(".png"));
    EXPECT_TRUE(exportMap(universe, subsector, "/nonexistent-folder/map.png"));
}

// A player map handed round the table: an unsurveyed system keeps its profile, and
// the capitals that would tell a world of billions, out of the file.
TEST(MapExport, PlayerMapsKeepWhatTheSurveyHasNotFound) {
    TemporaryFolder folder;
    auto universe = velmora::testing::mapUniverse();
    // Regina and Efate share subsector C; both are worlds of billions.
    core::WorldData& regina = *core::mainWorld(universe.data[0].starSystem);
    core::WorldData& efate = *core::mainWorld(universe.data[1].starSystem);
    regina.uwp.population = 9;
    regina.uwp.hydrographics = 3;
    efate.uwp.population = 9;
    const auto profileOf = [](const core::WorldData& world) {
        const std::string code = core::uwpCode(world.uwp);
        return code.substr(0, code.find(' '));
    };
    const std::string reginaProfile = profileOf(regina);
    const std::string efateProfile = profileOf(efate);
    ASSERT_NE(reginaProfile, efateProfile);
    universe.data[0].starSystem.surveyed = false;
    universe.data[1].starSystem.surveyed = true;
    universe.mapViewMode = universe::MapViewMode::player;
    MapExportArea subsector;
    subsector.kind = MapExportArea::Kind::subsector;
    subsector.subsector = 'C';
    const auto svgOf = [&](const universe::UniverseRecord& record) {
        const auto file = folder / "players.svg";
        EXPECT_FALSE(exportMap(record, subsector, QString::fromStdString(file.string())));
        return folder.read("players.svg");
    };
    const auto has = [](const std::string& svg, const std::string& text) {
        return svg.find(text) != std::string::npos;
    };

    std::string svg = svgOf(universe);
    EXPECT_TRUE(has(svg, "Regina"));
    EXPECT_FALSE(has(svg, "REGINA"));
    EXPECT_FALSE(has(svg, reginaProfile)) << reginaProfile;
    EXPECT_TRUE(has(svg, "EFATE")) << "surveyed, and shown as the referee sees it";
    EXPECT_TRUE(has(svg, efateProfile)) << efateProfile;

    universe.mapShowSurveyedData = false;
    svg = svgOf(universe);
    EXPECT_TRUE(has(svg, "Efate"));
    EXPECT_FALSE(has(svg, "EFATE"));
    EXPECT_FALSE(has(svg, efateProfile));

    universe.mapViewMode = universe::MapViewMode::referee;
    svg = svgOf(universe);
    EXPECT_TRUE(has(svg, "REGINA"));
    EXPECT_TRUE(has(svg, reginaProfile));
}
