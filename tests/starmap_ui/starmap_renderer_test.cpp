#include "core/star_system.h"
#include "map_fixtures.h"
#include "starmap/ui/starmap_renderer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::starmap;

namespace {

// Renders a universe so that hex 0,0 1910 sits at the image's centre.
struct Rendered {
    QImage image{400, 300, QImage::Format_ARGB32};
    universe::MapTransform transform;

    Rendered(const universe::UniverseRecord& universe, double scale = 1.0,
             std::optional<core::GalacticCoordinates> selected = std::nullopt) {
        const core::PointF regina = core::HexLayout{mapHexRadius}.center({0, 0, 19, 10});
        transform = {scale, 200 - regina.x * scale, 150 - regina.y * scale};
        QPainter painter(&image);
        StarMapRenderer renderer;
        renderer.render(painter, StarMapModel(universe), universe,
                        {transform, QSizeF(image.size()), selected, true});
    }
    QColor at(const core::GalacticCoordinates& hex, double dx = 0, double dy = 0) const {
        const core::PointF c = core::HexLayout{mapHexRadius}.center(hex);
        return image.pixelColor(
            static_cast<int>(c.x * transform.scale + transform.offsetWidth + dx),
            static_cast<int>(c.y * transform.scale + transform.offsetHeight + dy));
    }
};

// Pixels of `a` with no pixel of about the same colour within a pixel of them in
// `b`: what a half-pixel shift cannot explain. The outermost pixels are left out.
int unmatched(const QImage& a, const QImage& b) {
    const auto alike = [](const QColor& p, const QColor& q) {
        return std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue()) <=
               60;
    };
    int count = 0;
    for (int y = 1; y < a.height() - 1; ++y) {
        for (int x = 1; x < a.width() - 1; ++x) {
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy)
                for (int dx = -1; dx <= 1 && !matched; ++dx)
                    matched = alike(a.pixelColor(x, y), b.pixelColor(x + dx, y + dy));
            count += matched ? 0 : 1;
        }
    }
    return count;
}

bool isBackground(const QColor& color) {
    return color == StarMapRenderer::backgroundColor();
}

} // namespace

TEST(StarMapRenderer, DrawsSystemsWhereTheyAreAndNothingInEmptyHexes) {
    const auto universe = velmora::testing::mapUniverse();
    const Rendered frame(universe);
    EXPECT_FALSE(isBackground(frame.at({0, 0, 19, 10}))) << "Regina's world glyph";
    EXPECT_TRUE(isBackground(frame.at({0, 0, 20, 12}))) << "an empty hex's centre";
}

TEST(StarMapRenderer, PlayerViewHidesWhatThePlayersDoNotKnow) {
    auto universe = velmora::testing::mapUniverse();
    universe.data[0].starSystem.starfarers = false; // Regina is unknown to the players
    universe.mapViewMode = universe::MapViewMode::player;
    const Rendered frame(universe);
    EXPECT_TRUE(isBackground(frame.at({0, 0, 19, 10})));
    universe.mapViewMode = universe::MapViewMode::referee;
    EXPECT_FALSE(isBackground(Rendered(universe).at({0, 0, 19, 10})));
}

TEST(StarMapRenderer, OverlaysFollowTheirSwitches) {
    auto universe = velmora::testing::mapUniverse();
    universe::Nebula nebula;
    nebula.id = core::Uuid::generate();
    nebula.type = universe::NebulaType::emission;
    nebula.hexes = {{0, 0, 20, 12}};
    universe.nebulae = {nebula};
    EXPECT_FALSE(isBackground(Rendered(universe).at({0, 0, 20, 12})));
    universe.mapShowNebulae = false;
    EXPECT_TRUE(isBackground(Rendered(universe).at({0, 0, 20, 12})));

    universe::Region region;
    region.id = core::Uuid::generate();
    region.color = universe::FactionColor::green;
    region.closed = true;
    region.anchors = {
        {{0, 0, 18, 9}, 4}, {{0, 0, 22, 9}, 5}, {{0, 0, 22, 13}, 1}, {{0, 0, 18, 13}, 2}};
    universe.regions = {region};
    const QColor filled = Rendered(universe).at({0, 0, 20, 12});
    EXPECT_GT(filled.green(), filled.red()) << "a quarter of green over deep space";
    universe.mapShowRegions = false;
    EXPECT_TRUE(isBackground(Rendered(universe).at({0, 0, 20, 12})));
}

TEST(StarMapRenderer, LabelsOfHiddenCategoriesAndEmptyTextAreSkipped) {
    auto universe = velmora::testing::mapUniverse();
    universe::StarmapLabel label;
    label.id = core::Uuid::generate();
    label.text = "██████";
    label.size = 40;
    label.color = universe::FactionColor::white;
    label.position = {0, 0, 21, 12};
    label.category = "Borders";
    universe.starmapLabels = {label};
    EXPECT_FALSE(isBackground(Rendered(universe).at({0, 0, 21, 12})));
    universe.hiddenLabelCategories = {"Borders"};
    EXPECT_TRUE(isBackground(Rendered(universe).at({0, 0, 21, 12})));
    universe.hiddenLabelCategories.clear();
    universe.starmapLabels[0].text.clear();
    EXPECT_TRUE(isBackground(Rendered(universe).at({0, 0, 21, 12})));
    // Absurd sizes draw (or are dropped) without hanging.
    universe.starmapLabels[0].text = "Huge";
    universe.starmapLabels[0].size = 1e9;
    Rendered huge(universe);
    universe.starmapLabels[0].size = -5;
    Rendered negative(universe);
}

// A subsector's name written over a world moves off it; any other label stays
// where the referee put it, world or no world.
TEST(StarMapRenderer, SubsectorNamesMoveOffWorldsWhileOtherLabelsStay) {
    auto universe = velmora::testing::mapUniverse();
    universe::StarmapLabel label;
    label.id = core::Uuid::generate();
    label.text = "████";
    label.size = 12;
    label.color = universe::FactionColor::lime;
    label.position = {0, 0, 19, 10}; // on Regina
    const QRgb lime = StarMapRenderer::paletteColor(label.color).rgb();
    // Regina sits at the image's centre; its glyph spans about a third of the
    // hex radius (24 pixels at scale 1) either way.
    const QRect reginaGlyph(200 - 9, 150 - 9, 18, 18);
    const std::string categories[] = {"", "Borders", std::string(universe::subsectorNameCategory)};
    for (const std::string& category : categories) {
        SCOPED_TRACE(category);
        label.category = category;
        universe.starmapLabels = {label};
        const Rendered frame(universe);
        QRect drawn;
        for (int y = 0; y < frame.image.height(); ++y)
            for (int x = 0; x < frame.image.width(); ++x)
                if (frame.image.pixel(x, y) == lime)
                    drawn |= QRect(x, y, 1, 1);
        ASSERT_FALSE(drawn.isEmpty());
        if (category == universe::subsectorNameCategory)
            EXPECT_FALSE(drawn.intersects(reginaGlyph)) << "moved off Regina";
        else
            EXPECT_TRUE(drawn.contains(QPoint(200, 150))) << "left on Regina";
    }
}

// The first frame at a zoom strokes regions and the grid; the next one at the same
// zoom blits them from pictures. Both must show the same map, give or take the
// half pixel a blit rounds to along the lines.
TEST(StarMapRenderer, FramesWhileZoomingShowWhatSettledFramesShow) {
    auto universe = velmora::testing::mapUniverse();
    universe::Region region;
    region.id = core::Uuid::generate();
    region.name = "Domain";
    region.color = universe::FactionColor::green;
    region.closed = true;
    region.anchors = {
        {{0, 0, 16, 7}, 4}, {{0, 0, 23, 7}, 5}, {{0, 0, 23, 13}, 1}, {{0, 0, 16, 13}, 2}};
    universe.regions = {region};
    const StarMapModel model(universe);
    const core::PointF regina = core::HexLayout{mapHexRadius}.center({0, 0, 19, 10});
    for (const double scale : {0.5, 0.9}) {
        SCOPED_TRACE(scale);
        const StarMapRenderer::Frame frame{{scale, 200 - regina.x * scale, 150 - regina.y * scale},
                                           QSizeF(400, 300),
                                           std::nullopt,
                                           true};
        StarMapRenderer renderer;
        QImage zooming(400, 300, QImage::Format_ARGB32);
        QImage settled(400, 300, QImage::Format_ARGB32);
        {
            QPainter painter(&zooming);
            renderer.render(painter, model, universe, frame);
        }
        EXPECT_TRUE(renderer.lastFrameProvisional());
        {
            QPainter painter(&settled);
            renderer.render(painter, model, universe, frame);
        }
        EXPECT_FALSE(renderer.lastFrameProvisional());
        // The region's border is about 1,500 pixels long: out of place by as little
        // as a hex it leaves all of them (and its fill's edge) without their like
        // nearby; the half pixel a blit rounds to leaves a tenth of its smoothed edge.
        EXPECT_LT(unmatched(zooming, settled), 400);
        EXPECT_LT(unmatched(settled, zooming), 400);
    }
}

TEST(StarMapRenderer, WideZoomsDrawSystemsAsPoints) {
    const auto universe = velmora::testing::mapUniverse();
    const Rendered frame(universe, 0.05);
    EXPECT_FALSE(isBackground(frame.at({0, 0, 19, 10})));
}

// Regina drawn as a populous water world with a gas giant and bases, and again as a
// thin belt without them: in the player view the two pictures of an unsurveyed
// Regina must be the same, pixel for pixel, or the map tells the players something.
TEST(StarMapRenderer, PlayersSeeNoMoreOfAnUnsurveyedSystemThanItsNameAndZone) {
    auto water = velmora::testing::mapUniverse();
    core::WorldData& ocean = *core::mainWorld(water.data[0].starSystem);
    ocean.uwp.population = 9; // the name would be written in capitals
    ocean.worldTags = {core::WorldTag::amberZone, core::WorldTag::tradeHub};
    auto belt = water;
    core::WorldData& rocks = *core::mainWorld(belt.data[0].starSystem);
    rocks.uwp.size = 0;
    rocks.uwp.atmosphere = 0;
    rocks.uwp.hydrographics = 0;
    rocks.uwp.population = 3;
    rocks.uwp.starport = core::Starport::typeE;
    rocks.uwp.bases.clear();
    belt.data[0].starSystem.gasGiant = 0;

    const auto picture = [](universe::UniverseRecord universe, universe::MapViewMode mode,
                            bool surveyed, bool surveyedDataShown) {
        universe.mapViewMode = mode;
        universe.mapShowSurveyedData = surveyedDataShown;
        universe.data[0].starSystem.surveyed = surveyed;
        return Rendered(universe, 2.0).image; // large enough for the profile text
    };
    using universe::MapViewMode;
    EXPECT_EQ(picture(water, MapViewMode::player, false, true),
              picture(belt, MapViewMode::player, false, true))
        << "not surveyed";
    EXPECT_EQ(picture(water, MapViewMode::player, true, false),
              picture(belt, MapViewMode::player, true, false))
        << "surveyed, with the surveyed data switched off";
    EXPECT_NE(picture(water, MapViewMode::player, true, true),
              picture(belt, MapViewMode::player, true, true))
        << "surveyed and shown";
    EXPECT_NE(picture(water, MapViewMode::referee, false, true),
              picture(belt, MapViewMode::referee, false, true));

    // The neutral mark is drawn, and the zone ring around it: advisories are public.
    const Rendered unsurveyed = [&] {
        auto universe = water;
        universe.mapViewMode = MapViewMode::player;
        universe.data[0].starSystem.surveyed = false;
        return Rendered(universe, 2.0);
    }();
    EXPECT_FALSE(isBackground(unsurveyed.at({0, 0, 19, 10})));
    auto unzoned = water;
    core::mainWorld(unzoned.data[0].starSystem)->worldTags.clear();
    EXPECT_NE(picture(water, MapViewMode::player, false, true),
              picture(unzoned, MapViewMode::player, false, true));
}
