#include "map_fixtures.h"
#include "map_window.h"
#include "starmap/ui/map_export.h"
#include "starmap/ui/map_legend.h"
#include "starmap/ui/starmap_renderer.h"
#include "support/temporary_folder.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>
#include <set>

using namespace velmora;
using namespace velmora::starmap;
using velmora::testing::MapWindow;
using velmora::testing::TemporaryFolder;

namespace {

// The words of a PDF's text.
std::set<std::string> pdfWords(const std::filesystem::path& pdf) {
    std::string text;
    FILE* pipe = popen(("pdftotext '" + pdf.string() + "' -").c_str(), "r");
    std::array<char, 4096> buffer{};
    while (const std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe))
        text.append(buffer.data(), got);
    pclose(pipe);
    std::set<std::string> words;
    const std::regex word("\\S+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it)
        words.insert(it->str());
    return words;
}

// A frame with hex 0,0 1910 (Regina) in the middle, at a hex radius in pixels.
QImage frameAt(const universe::UniverseRecord& universe, double hexRadius, bool hexNumbers = true,
               const std::unordered_set<const core::HexData*>* found = nullptr) {
    QImage image(400, 300, QImage::Format_ARGB32);
    const double scale = hexRadius / mapHexRadius;
    const core::PointF regina = core::HexLayout{mapHexRadius}.center({0, 0, 19, 10});
    StarMapRenderer::Frame frame{
        {scale, 200 - regina.x * scale, 150 - regina.y * scale}, QSizeF(image.size()), {}, true};
    frame.hexNumbers = hexNumbers;
    frame.highlighted = found;
    QPainter painter(&image);
    StarMapRenderer renderer;
    const StarMapModel model(universe);
    renderer.render(painter, model, universe, frame);
    return image;
}

// Pixels that differ between two images inside a rectangle.
int differences(const QImage& a, const QImage& b, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

int brightness(QColor color) {
    return color.red() + color.green() + color.blue();
}

} // namespace

TEST(HexNumbers, PrintedMapsNumberEveryHexAndWideViewsDoNot) {
    TemporaryFolder folder;
    const universe::UniverseRecord universe = velmora::testing::mapUniverse();
    MapExportArea sector;
    sector.kind = MapExportArea::Kind::sector;
    ASSERT_FALSE(exportMap(universe, sector, QString::fromStdString((folder / "s.pdf").string())));
    const auto words = pdfWords(folder / "s.pdf");
    // Occupied hexes and empty ones alike, over the grid: the occupied area (columns
    // 6 to 31, rows 5 to 24) and two hexes around it.
    for (const char* hex : {"1910", "3124", "0405", "2015", "3226", "0403"})
        EXPECT_TRUE(words.contains(hex)) << hex;
    // Beyond the grid there are no hexes to number.
    EXPECT_FALSE(words.contains("0101"));

    // The whole universe is drawn with smaller hexes: names, but no numbers.
    MapExportArea whole;
    ASSERT_FALSE(exportMap(universe, whole, QString::fromStdString((folder / "u.pdf").string())));
    const auto wide = pdfWords(folder / "u.pdf");
    EXPECT_TRUE(wide.contains("Regina"));
    EXPECT_FALSE(wide.contains("1910"));
    EXPECT_FALSE(wide.contains("0101"));
}

TEST(HexNumbers, AppearOnScreenFromFortyPixelsAcross) {
    const universe::UniverseRecord universe = velmora::testing::mapUniverse();
    // Hex 1911, below Regina, is empty: its top band holds nothing but its number.
    const auto band = [](double r) {
        const QPoint below(200, static_cast<int>(150 + std::sqrt(3.0) * r));
        return QRect(below.x() - static_cast<int>(r * 0.5), below.y() - static_cast<int>(r * 0.84),
                     static_cast<int>(r), static_cast<int>(r * 0.4));
    };
    for (const double r : {20.0, 32.0, 60.0}) {
        EXPECT_GT(differences(frameAt(universe, r), frameAt(universe, r, false), band(r)), 8)
            << "radius " << r;
    }
    for (const double r : {12.0, 19.0}) {
        const QImage image = frameAt(universe, r);
        EXPECT_EQ(differences(image, frameAt(universe, r, false), image.rect()), 0)
            << "radius " << r;
    }
}

TEST(SearchHighlight, MarksWhatWasFoundAndDimsTheRest) {
    universe::UniverseRecord universe = velmora::testing::mapUniverse();
    universe.data[1].coordinates = {0, 0, 21, 10}; // Efate, two hexes right of Regina
    const core::HexData* regina = &universe.data[0];
    const core::HexData* efate = &universe.data[1];
    const std::unordered_set<const core::HexData*> found{regina};
    const double r = 40;
    const QImage plain = frameAt(universe, r, false);
    const QImage searched = frameAt(universe, r, false, &found);
    // The mark: Regina's hex outlined (its top edge) and tinted (beside the world).
    const QColor mark = StarMapRenderer::highlightColor();
    const QColor edge =
        searched.pixelColor(200, 150 - static_cast<int>(std::lround(r * 0.95 * 0.866)));
    EXPECT_LT(std::abs(edge.red() - mark.red()) + std::abs(edge.green() - mark.green()) +
                  std::abs(edge.blue() - mark.blue()),
              60)
        << edge.name().toStdString();
    const QPoint inside(200 + static_cast<int>(r * 0.62), 150 - static_cast<int>(r * 0.12));
    EXPECT_EQ(plain.pixelColor(inside), StarMapRenderer::backgroundColor());
    EXPECT_GT(searched.pixelColor(inside).green(), plain.pixelColor(inside).green() + 20);
    // Efate fades; Regina's world does not.
    const core::PointF a = core::HexLayout{mapHexRadius}.center(regina->coordinates);
    const core::PointF b = core::HexLayout{mapHexRadius}.center(efate->coordinates);
    const QPoint efateAt(200 + static_cast<int>((b.x - a.x) * r / mapHexRadius),
                         150 + static_cast<int>((b.y - a.y) * r / mapHexRadius));
    EXPECT_LT(brightness(searched.pixelColor(efateAt)), brightness(plain.pixelColor(efateAt)));
    EXPECT_EQ(searched.pixelColor(200, 150), plain.pixelColor(200, 150));

    // Far out, where systems are dots, the matches are dots of the mark's colour.
    const QImage dots = frameAt(universe, 2.5, false, &found);
    EXPECT_EQ(dots.pixelColor(200, 150), mark);
    const double far = 2.5 / mapHexRadius;
    EXPECT_NE(dots.pixelColor(200 + static_cast<int>((b.x - a.x) * far),
                              150 + static_cast<int>((b.y - a.y) * far)),
              mark);
}

TEST(MapLegend, EveryLineShowsItsOwnPictureDrawnByTheRenderer) {
    StarMapRenderer renderer;
    std::size_t lines = 0;
    for (const LegendSection& section : mapLegend(true)) {
        std::vector<QImage> pictures;
        for (const LegendEntry& entry : section.entries) {
            const QImage picture = legendPicture(entry, renderer);
            ASSERT_EQ(picture.size(), entry.size);
            // Something of the map is drawn on deep space, most of all in the middle.
            QImage empty(entry.size, picture.format());
            empty.fill(StarMapRenderer::backgroundColor());
            EXPECT_GT(differences(picture, empty, picture.rect()), 20)
                << entry.caption.toStdString();
            // Two lines of one section that looked the same would explain nothing.
            for (std::size_t i = 0; i < pictures.size(); ++i)
                EXPECT_NE(picture, pictures[i]) << entry.caption.toStdString() << " looks like "
                                                << section.entries[i].caption.toStdString();
            pictures.push_back(picture);
            ++lines;
        }
    }
    EXPECT_GE(lines, 30u);

    // The rule set names the routes.
    const auto captions = [](bool traveller) {
        QStringList all;
        for (const LegendSection& section : mapLegend(traveller)) {
            for (const LegendEntry& entry : section.entries)
                all << entry.caption;
        }
        return all.join(QLatin1Char('\n'));
    };
    EXPECT_TRUE(captions(true).contains(QStringLiteral("An uncharted route: dotted")));
    EXPECT_TRUE(captions(false).contains(QStringLiteral("An uncharted rutter: dotted")));
}

TEST(MapLegend, OpensOnceFromTheMapsViewMenu) {
    MapWindow window;
    QMenu* menu = window.view->viewMenuButton()->menu();
    emit menu->aboutToShow();
    QAction* legend = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("Legend"))
            legend = action;
    }
    ASSERT_NE(legend, nullptr);
    legend->trigger();
    QWidget* opened = window.windows.find(QStringLiteral("map-legend"));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), "Map Legend");
    const auto pictures = opened->findChildren<QLabel*>(QStringLiteral("legendPicture"));
    const auto captions = opened->findChildren<QLabel*>(QStringLiteral("legendCaption"));
    EXPECT_EQ(pictures.size(), captions.size());
    EXPECT_GE(captions.size(), 30);
    legend->trigger();
    EXPECT_EQ(window.windows.find(QStringLiteral("map-legend")), opened) << "not a second window";
    opened->close();
}

TEST(MapSearch, TypingMarksEveryMatchWithACountAndReturnVisitsThemInTurn) {
    MapWindow window;
    QLineEdit* field = window.view->findChild<QLineEdit*>(QStringLiteral("mapSearch"));
    QLabel* status = window.view->findChild<QLabel*>(QStringLiteral("mapSearchStatus"));
    ASSERT_TRUE(field && status);
    const auto marked = [&] {
        const auto& found = window.view->canvas()->highlighted();
        std::set<std::string> names;
        if (found) {
            for (const core::HexData* hex : *found)
                names.insert(hex->starSystem.name);
        }
        return names;
    };

    // Words are found in system and main world names; every main world here is "Tessaly".
    QTest::keyClicks(field, "r");
    EXPECT_EQ(marked(), (std::set<std::string>{"Regina", "Mora"}));
    EXPECT_EQ(status->text(), "2 systems found");
    // Every system here has the same profile: a pattern and a name narrow it together.
    field->setText("A788899-C N mor");
    EXPECT_EQ(marked(), std::set<std::string>{"Mora"});
    EXPECT_EQ(status->text(), "1 system found");
    field->setText("TL>=13");
    EXPECT_EQ(marked(), std::set<std::string>{});
    EXPECT_EQ(status->text(), "No system found");
    field->setText("TL>=");
    EXPECT_FALSE(window.view->canvas()->highlighted());
    EXPECT_TRUE(status->text().contains("needs a number")) << status->text().toStdString();
    field->clear();
    EXPECT_FALSE(window.view->canvas()->highlighted());
    EXPECT_TRUE(status->text().isEmpty());

    // Return goes to each system found in turn, and round again.
    field->setText("TL>=12");
    std::vector<std::string> visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(field, Qt::Key_Return);
        visited.push_back(window.view->canvas()->selected()->hexNumber());
    }
    EXPECT_EQ(std::set<std::string>(visited.begin(), visited.begin() + 4).size(), 4u);
    EXPECT_EQ(visited[4], visited[0]);
    EXPECT_EQ(status->text(), "System 1 of 4 found");
}
