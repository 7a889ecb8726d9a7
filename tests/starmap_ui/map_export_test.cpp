#include "map_fixtures.h"
#include "starmap/ui/map_export.h"
#include "support/temporary_folder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

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

    ASSERT_FALSE(exportMap(universe, sector, QString::fromStdString((folder / "map.png").string())));
    const QImage image(QString::fromStdString((folder / "map.png").string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.height(), image.width()) << "a sector is taller than wide";

    ASSERT_FALSE(exportMap(universe, sector, QString::fromStdString((folder / "map.svg").string())));
    const std::string svg = folder.read("map.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Regina"), std::string::npos);

    ASSERT_FALSE(exportMap(universe, sector, QString::fromStdString((folder / "map.pdf").string())));
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

    const auto refused = exportMap(universe, subsector, QString::fromStdString((folder / "map.bmp").string()));
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->contains(".png"));
    EXPECT_TRUE(exportMap(universe, subsector, "/nonexistent-folder/map.png"));
}
