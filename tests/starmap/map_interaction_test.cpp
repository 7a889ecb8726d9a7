#include "starmap/map_interaction.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::starmap;
using core::PointF;

namespace {

struct Interaction {
    universe::MapTransform transform{1.0, 30.0, -20.0};
    MapInteraction map{transform, {0.25, 4.0}};
    int interactions = 0;
    std::vector<PointF> clicks;
    int doubleClicks = 0;

    Interaction() {
        map.onInteract = [this] { ++interactions; };
        map.onClick = [this](PointF at) { clicks.push_back(at); };
        map.onDoubleClick = [this] { ++doubleClicks; };
    }
};

} // namespace

TEST(MapInteraction, ZoomKeepsTheMapPointUnderThePointer) {
    for (const PointF pointer : {PointF{0, 0}, PointF{800, 600}, PointF{123.5, 77.25}}) {
        Interaction i;
        const PointF before = i.map.toMap(pointer);
        i.map.wheel(40, pointer);
        EXPECT_NEAR(i.transform.scale, std::exp(0.5), 1e-12);
        const PointF after = i.map.toMap(pointer);
        EXPECT_NEAR(after.x, before.x, 1e-9);
        EXPECT_NEAR(after.y, before.y, 1e-9);
        i.map.pinch(-0.5, pointer);
        EXPECT_NEAR(i.map.toMap(pointer).x, before.x, 1e-9);
        EXPECT_EQ(i.interactions, 2);
    }
}

TEST(MapInteraction, ZoomStopsAtItsBoundsWithoutInteracting) {
    Interaction i;
    i.map.zoom(100, {10, 10});
    EXPECT_EQ(i.transform.scale, 4.0);
    EXPECT_EQ(i.interactions, 1);
    const universe::MapTransform atBound = i.transform;
    i.map.zoom(2, {50, 50});
    EXPECT_EQ(i.transform, atBound);
    EXPECT_EQ(i.interactions, 1);
    i.map.zoom(0.0001, {10, 10});
    EXPECT_EQ(i.transform.scale, 0.25);
    i.map.wheel(-1000, {10, 10});
    EXPECT_EQ(i.interactions, 2);
}

TEST(MapInteraction, ClickDragAndDoubleClick) {
    Interaction i;
    // A still press and release selects.
    i.map.press({100, 100}, 1);
    i.map.release({100, 100}, 1);
    ASSERT_EQ(i.clicks.size(), 1u);
    EXPECT_EQ(i.clicks[0], (PointF{100, 100}));

    // A drag of any distance pans and does not select.
    i.map.press({100, 100}, 1);
    i.map.drag({100, 100});
    i.map.drag({101, 100});
    i.map.drag({111, 95});
    i.map.release({111, 95}, 1);
    EXPECT_EQ(i.clicks.size(), 1u);
    EXPECT_EQ(i.transform.offsetWidth, 30.0 + 11);
    EXPECT_EQ(i.transform.offsetHeight, -20.0 - 5);
    EXPECT_EQ(i.interactions, 2);

    // The second press of a double click is the map's own action, never a click.
    i.map.press({50, 50}, 1);
    i.map.release({50, 50}, 1);
    i.map.press({50, 50}, 2);
    i.map.drag({60, 60});
    i.map.release({50, 50}, 2);
    EXPECT_EQ(i.doubleClicks, 1);
    EXPECT_EQ(i.clicks.size(), 2u);
    EXPECT_EQ(i.transform.offsetWidth, 41.0) << "no pan after a double click";
}
