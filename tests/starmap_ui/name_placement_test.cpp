#include "map_fixtures.h"
#include "starmap/label_placement.h"
#include "starmap/region_borders.h"
#include "starmap/ui/name_placement.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::starmap;

namespace {

QPointF onScreen(const core::GalacticCoordinates& hex, const universe::MapTransform& t) {
    const core::PointF c = core::HexLayout{mapHexRadius}.center(hex);
    return {c.x * t.scale + t.offsetWidth, c.y * t.scale + t.offsetHeight};
}

} // namespace

TEST(NamePlacement, RegionNamesLeaveWorldsUncoveredAndEmptyPlacesAlone) {
    const universe::UniverseRecord universe = velmora::testing::mapUniverse();
    const StarMapModel model(universe);
    // Hexes 48 pixels across: glyphs, names and starport letters all drawn.
    const universe::MapTransform transform{1.0, 0, 0};
    const double r = mapHexRadius;
    const QSizeF name(120, 18);
    struct Case {
        const char* what;
        core::GalacticCoordinates where;
        bool moves;
    };
    const Case cases[] = {
        {"on Regina", {0, 0, 19, 10}, true},
        {"on Jewell", {0, 0, 6, 9}, true},
        {"on an empty stretch", {0, 0, 10, 30}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QPointF preferred = onScreen(c.where, transform);
        const QPointF placed = placeNameAmongSystems(model, transform, r, preferred, name);
        EXPECT_EQ(placed != preferred, c.moves);
        // The name's box clears the glyph of every system of the map.
        const LabelBox box =
            LabelBox::centredOn({placed.x(), placed.y()}, name.width(), name.height());
        for (const core::HexData* system : model.systems()) {
            const QPointF centre = onScreen(system->coordinates, transform);
            EXPECT_FALSE(
                box.intersects(LabelBox::centredOn({centre.x(), centre.y()}, r * 0.44, r * 0.44)))
                << system->starSystem.name;
        }
    }
}

// Names of areas keep off each other too: a subsector's name where a region's was
// already written moves to the nearest place that is free of both and the worlds.
TEST(NamePlacement, ANameKeepsOffTheNamesPlacedBeforeIt) {
    const universe::UniverseRecord universe = velmora::testing::mapUniverse();
    const StarMapModel model(universe);
    const universe::MapTransform transform{1.0, 0, 0};
    const QSizeF name(120, 18);
    const QPointF preferred = onScreen({0, 0, 10, 30}, transform); // nothing near
    const std::vector<LabelBox> regionName{
        LabelBox::centredOn({preferred.x(), preferred.y()}, 150, 20)};
    EXPECT_EQ(placeNameAmongSystems(model, transform, mapHexRadius, preferred, name), preferred);
    const QPointF placed =
        placeNameAmongSystems(model, transform, mapHexRadius, preferred, name, regionName);
    EXPECT_NE(placed, preferred);
    EXPECT_FALSE(LabelBox::centredOn({placed.x(), placed.y()}, name.width(), name.height())
                     .intersects(regionName.front()));
}
