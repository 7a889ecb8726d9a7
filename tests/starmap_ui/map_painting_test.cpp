#include "map_window.h"
#include "overlays/ui/nebula_editing_view.h"
#include "overlays/ui/paint_on_map_button.h"
#include "overlays/ui/region_editing_view.h"
#include "overlays/ui/removable_row_list.h"
#include "starmap/painted_area.h"
#include "starmap/region_borders.h"
#include "starmap/ui/map_paint_tool.h"
#include "starmap/ui/starmap_canvas.h"
#include "ui/map_painting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace velmora;
using namespace velmora::starmap;
using core::GalacticCoordinates;
using velmora::testing::MapWindow;

namespace {

// The brush is shared by every map: each test leaves it off.
struct BrushOff {
    ~BrushOff() { ui::mapPaintSession().stop(); }
};

MapPaintTool* brush(MapWindow& window) {
    return window.view->canvas()->findChild<MapPaintTool*>();
}

// A press on the first hex, a drag over the others, a release on the last.
void stroke(MapWindow& window, const std::vector<GalacticCoordinates>& hexes,
            Qt::KeyboardModifiers modifiers = {}) {
    MapPaintTool* tool = brush(window);
    QTest::mousePress(tool, Qt::LeftButton, modifiers, window.screenPointOf(hexes.front()));
    for (std::size_t i = 1; i < hexes.size(); ++i)
        QTest::mouseMove(tool, window.screenPointOf(hexes[i]));
    QTest::mouseRelease(tool, Qt::LeftButton, modifiers, window.screenPointOf(hexes.back()));
}

const universe::Region& onlyRegion(MapWindow& window) {
    return window.universe().regions().at(0);
}

std::set<std::vector<core::Cube>> cornerSet(const universe::Region& region) {
    std::set<std::vector<core::Cube>> corners;
    for (const core::HexCorner& corner : borderCorners(region))
        corners.insert(corner.cells);
    return corners;
}

std::vector<GalacticCoordinates> sorted(std::vector<GalacticCoordinates> hexes) {
    std::sort(hexes.begin(), hexes.end());
    return hexes;
}

} // namespace

TEST(MapPainting, PaintedHexesMakeTheRegionTheirTypedAnchorsMake) {
    BrushOff off;
    MapWindow window;
    auto& universe = window.universe();
    overlays::RegionEditingView editor(*window.manager);
    QTest::keyClicks(editor.nameField(), "Veil Reach");
    EXPECT_FALSE(brush(window)->isVisible());

    // "Paint on Map" creates the region first, then lays the brush over the map.
    QTest::mouseClick(editor.paintButton(), Qt::LeftButton);
    ASSERT_EQ(universe.regions().size(), 1u);
    EXPECT_EQ(universe.undoName(), "New Region Veil Reach");
    EXPECT_TRUE(editor.paintButton()->isChecked());
    ASSERT_TRUE(brush(window)->isVisible());

    // One click paints one hex: the same border as typing three of its corners
    // (0, 2 and 4: between two corners of a hex that share a neighbour the only
    // two-edge path runs through it, so the closed border is the hexagon).
    const GalacticCoordinates centre{0, 0, 10, 20};
    stroke(window, {centre});
    EXPECT_EQ(universe.undoName(), "Paint Region Veil Reach");
    universe::Region typed;
    typed.closed = true;
    typed.anchors = {{centre, 0}, {centre, 2}, {centre, 4}};
    EXPECT_EQ(cornerSet(onlyRegion(window)), cornerSet(typed));
    EXPECT_TRUE(onlyRegion(window).closed);

    // A drag over the hexes below it adds them, in one more edit; the editor's
    // anchor list follows what was stored.
    const std::vector<GalacticCoordinates> column{
        {0, 0, 10, 21}, {0, 0, 10, 22}, {0, 0, 10, 23}, {0, 0, 11, 23}};
    stroke(window, column);
    EXPECT_EQ(enclosedHexes(onlyRegion(window)),
              sorted({centre, column[0], column[1], column[2], column[3]}));
    EXPECT_EQ(editor.draft().anchors, onlyRegion(window).anchors);
    EXPECT_EQ(editor.anchorList()->count(), static_cast<int>(onlyRegion(window).anchors.size()));

    // Shift takes a hex away from the edge.
    stroke(window, {column[3]}, Qt::ShiftModifier);
    EXPECT_EQ(enclosedHexes(onlyRegion(window)), sorted({centre, column[0], column[1], column[2]}));

    // A stroke that would make a second patch is refused, and says why.
    const auto anchorsBefore = onlyRegion(window).anchors;
    stroke(window, {{0, 0, 25, 5}});
    EXPECT_EQ(onlyRegion(window).anchors, anchorsBefore);
    EXPECT_FALSE(brush(window)->message()->isHidden());
    EXPECT_TRUE(brush(window)->message()->text().startsWith("Not added"));

    // Each stroke undoes on its own, and the editor follows.
    ASSERT_TRUE(universe.undo());
    EXPECT_EQ(enclosedHexes(onlyRegion(window)).size(), 5u);
    EXPECT_EQ(editor.draft().anchors, onlyRegion(window).anchors);
    ASSERT_TRUE(universe.undo());
    EXPECT_EQ(cornerSet(onlyRegion(window)), cornerSet(typed));

    // "Done" puts the brush away; the editor's button knows.
    QTest::mouseClick(brush(window)->doneButton(), Qt::LeftButton);
    EXPECT_FALSE(brush(window)->isVisible());
    EXPECT_FALSE(editor.paintButton()->isChecked());
}

TEST(MapPainting, TheRegionOfATypedBorderIsPaintedFurtherFromWhatItEncloses) {
    BrushOff off;
    MapWindow window;
    auto& universe = window.universe();
    overlays::RegionEditingView editor(*window.manager);
    // A region typed in by its corners: a block of hexes, columns 4 to 6, rows 4 to 6.
    universe::Region typed;
    typed.id = core::Uuid::generate();
    typed.name = "Typed";
    typed.closed = true;
    typed.anchors = {{{0, 0, 4, 4}, 4}, {{0, 0, 6, 4}, 5}, {{0, 0, 6, 6}, 1}, {{0, 0, 4, 6}, 2}};
    ASSERT_TRUE(universe.putRecord(&universe::UniverseRecord::regions, typed, "New Region Typed"));
    const std::vector<GalacticCoordinates> before = enclosedHexes(typed);
    ASSERT_FALSE(before.empty());
    editor.edit(universe.regions()[0]);
    QTest::mouseClick(editor.paintButton(), Qt::LeftButton);
    ASSERT_TRUE(brush(window)->isVisible());

    const GalacticCoordinates added{0, 0, 7, 5};
    stroke(window, {added});
    std::vector<GalacticCoordinates> expected = before;
    expected.push_back(added);
    EXPECT_EQ(enclosedHexes(onlyRegion(window)), sorted(expected));
    EXPECT_EQ(onlyRegion(window).name, "Typed");
}

TEST(MapPainting, SpaceOrTheMiddleButtonPansWhilePainting) {
    BrushOff off;
    MapWindow window;
    overlays::RegionEditingView editor(*window.manager);
    QTest::keyClicks(editor.nameField(), "Pan");
    QTest::mouseClick(editor.paintButton(), Qt::LeftButton);
    MapPaintTool* tool = brush(window);
    ASSERT_TRUE(tool->isVisible());
    const auto edits = window.universe().history().undoCount();

    const auto panBy = [&](Qt::MouseButton button, int dx) {
        const double before = window.view->canvas()->transform().offsetWidth;
        QTest::mousePress(tool, button, {}, QPoint(300, 300));
        QTest::mouseMove(tool, QPoint(300 + dx / 2, 300));
        QTest::mouseMove(tool, QPoint(300 + dx, 300));
        QTest::mouseRelease(tool, button, {}, QPoint(300 + dx, 300));
        return window.view->canvas()->transform().offsetWidth - before;
    };
    EXPECT_DOUBLE_EQ(panBy(Qt::MiddleButton, 80), 80);
    QTest::keyPress(tool, Qt::Key_Space);
    EXPECT_DOUBLE_EQ(panBy(Qt::LeftButton, -40), -40);
    QTest::keyRelease(tool, Qt::Key_Space);
    // Panning painted nothing.
    EXPECT_EQ(window.universe().history().undoCount(), edits);
    EXPECT_TRUE(window.universe().regions()[0].anchors.empty());
}

TEST(MapPainting, NebulaStrokesAddAndRemoveHexes) {
    BrushOff off;
    MapWindow window;
    auto& universe = window.universe();
    overlays::NebulaEditingView editor(*window.manager);
    QTest::keyClicks(editor.nameField(), "Veil");
    QTest::mouseClick(editor.paintButton(), Qt::LeftButton);
    ASSERT_EQ(universe.nebulae().size(), 1u);

    const std::vector<GalacticCoordinates> row{{0, 0, 3, 30}, {0, 0, 4, 30}, {0, 0, 5, 30}};
    stroke(window, row);
    EXPECT_EQ(sorted(universe.nebulae()[0].hexes), sorted(row));
    EXPECT_EQ(universe.undoName(), "Paint Nebula Veil");
    // Separate patches are fine for a nebula.
    stroke(window, {{0, 0, 20, 5}});
    EXPECT_EQ(universe.nebulae()[0].hexes.size(), 4u);
    stroke(window, {row[1]}, Qt::ShiftModifier);
    EXPECT_EQ(sorted(universe.nebulae()[0].hexes),
              sorted({row[0], row[2], GalacticCoordinates{0, 0, 20, 5}}));
    EXPECT_EQ(editor.hexList()->count(), 3);
    ASSERT_TRUE(universe.undo());
    EXPECT_EQ(universe.nebulae()[0].hexes.size(), 4u);
    EXPECT_EQ(editor.draft().hexes, universe.nebulae()[0].hexes);
}
