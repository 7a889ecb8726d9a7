#include "overlays/ui/corner_diagram.h"
#include "overlays/ui/faction_color_picker.h"
#include "overlays/ui/hex_picker.h"
#include "overlays/ui/label_preview.h"
#include "overlays/ui/overlay_ui_support.h"
#include "overlays/ui/removable_row_list.h"
#include "overlays_ui/overlay_workshop.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::OverlayWorkshop;
using velmora::testing::systemAt;

namespace {

TEST(CornerDiagram, ClickingNearACornerPicksItAndNothingElseDoes) {
    overlays::CornerDiagram diagram;
    diagram.resize(diagram.sizeHint());
    diagram.show();
    QSignalSpy picked(&diagram, &overlays::CornerDiagram::selectedChanged);

    // Corner positions follow the anchor numbering: 0 right, then clockwise on screen.
    const QPointF centre(diagram.width() / 2.0, diagram.height() / 2.0);
    struct Expectation {
        int corner;
        bool right, below;
    };
    for (const Expectation e : {Expectation{1, true, true}, Expectation{2, false, true},
                                Expectation{4, false, false}, Expectation{5, true, false}}) {
        const QPointF point = diagram.cornerPoint(e.corner);
        EXPECT_EQ(point.x() > centre.x(), e.right) << e.corner;
        EXPECT_EQ(point.y() > centre.y(), e.below) << e.corner;
    }
    EXPECT_GT(diagram.cornerPoint(0).x(), diagram.cornerPoint(1).x());
    EXPECT_NEAR(diagram.cornerPoint(0).y(), centre.y(), 0.5);
    EXPECT_NEAR(diagram.cornerPoint(3).y(), centre.y(), 0.5);
    EXPECT_LT(diagram.cornerPoint(3).x(), diagram.cornerPoint(2).x());

    for (int corner : {3, 5, 1, 0, 4, 2}) {
        // A little off the dot still counts.
        const QPoint at = (diagram.cornerPoint(corner) + QPointF(3, -2)).toPoint();
        QTest::mouseClick(&diagram, Qt::LeftButton, {}, at);
        EXPECT_EQ(diagram.selected(), corner);
    }
    EXPECT_EQ(picked.count(), 6);

    // The middle of the hex and a second click on the chosen corner change nothing.
    QTest::mouseClick(&diagram, Qt::LeftButton, {}, centre.toPoint());
    QTest::mouseClick(&diagram, Qt::LeftButton, {}, diagram.cornerPoint(2).toPoint());
    EXPECT_EQ(diagram.selected(), 2);
    EXPECT_EQ(picked.count(), 6);

    // The keyboard walks round, wrapping at both ends.
    QTest::keyClick(&diagram, Qt::Key_Right);
    EXPECT_EQ(diagram.selected(), 3);
    diagram.setSelected(0);
    QTest::keyClick(&diagram, Qt::Key_Left);
    EXPECT_EQ(diagram.selected(), 5);
    QTest::keyClick(&diagram, Qt::Key_2);
    EXPECT_EQ(diagram.selected(), 2);

    // The chosen corner is drawn differently from the others.
    const QImage image = diagram.grab().toImage();
    EXPECT_NE(image.pixelColor(diagram.cornerPoint(2).toPoint()),
              image.pixelColor(diagram.cornerPoint(5).toPoint()));
}

TEST(FactionColorPicker, OneSwatchPerPaletteColourAndOnlyTheUserEmits) {
    overlays::FactionColorPicker picker;
    QSignalSpy changed(&picker, &overlays::FactionColorPicker::colorChanged);
    picker.setColor(universe::FactionColor::teal);
    EXPECT_EQ(picker.color(), universe::FactionColor::teal);
    EXPECT_EQ(changed.count(), 0);
    for (std::size_t i = 0; i < universe::factionColorCount; ++i)
        ASSERT_NE(picker.swatch(universe::factionColorAt(i)), nullptr);

    QTest::mouseClick(picker.swatch(universe::FactionColor::orangeRed), Qt::LeftButton);
    EXPECT_EQ(picker.color(), universe::FactionColor::orangeRed);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().front().value<universe::FactionColor>(),
              universe::FactionColor::orangeRed);
    EXPECT_TRUE(picker.nameLabel()->text().contains("Orange Red"));
    EXPECT_FALSE(picker.swatch(universe::FactionColor::teal)->isChecked());
}

TEST(HexPicker, ShowsTheSystemThereAndKeepsHexesInsideTheSector) {
    universe::UniverseRecord record;
    record.data = {systemAt("Regina", {0, 0, 19, 10}, false), systemAt("", {-1, 0, 32, 40}, false)};
    OverlayWorkshop workshop(record);
    overlays::HexPicker picker;
    picker.setUniverse(&workshop.universe());
    QSignalSpy changed(&picker, &overlays::HexPicker::coordinatesChanged);

    struct Case {
        core::GalacticCoordinates hex;
        QString shows;
        bool system;
    };
    const std::vector<Case> cases = {
        {{0, 0, 19, 10}, "Regina", true},
        {{-1, 0, 32, 40}, "Unnamed System", true},
        {{0, 0, 1, 1}, "Unnamed System", false},
    };
    for (const Case& c : cases) {
        picker.setCoordinates(c.hex);
        EXPECT_EQ(picker.coordinates(), c.hex);
        EXPECT_TRUE(picker.systemText().startsWith(c.shows)) << picker.systemText().toStdString();
        EXPECT_EQ(picker.hasSystem(), c.system);
    }
    EXPECT_EQ(changed.count(), 0) << "only the user's edits announce a change";

    // Typing into the fields moves the hex and says so.
    picker.setCoordinates({0, 0, 1, 1});
    picker.columnField()->setValue(19);
    picker.rowField()->setValue(10);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(picker.systemText().startsWith("Regina"));

    // Out-of-sector numbers (a record from an old or damaged file) are brought inside.
    picker.setCoordinates({0, 0, 0, 99});
    EXPECT_EQ(picker.coordinates(), (core::GalacticCoordinates{0, 0, 1, 40}));
}

TEST(RemovableRowList, TheDeleteActionOfARowAsksForThatRow) {
    overlays::RemovableRowList list;
    list.resize(400, 300);
    list.setRows({"first", "second", "third"});
    list.show();
    QSignalSpy asked(&list, &overlays::RemovableRowList::deleteRequested);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.deleteRect(1).center());
    ASSERT_EQ(asked.count(), 1);
    EXPECT_EQ(asked.front().front().toInt(), 1);
    // A click on the row's text is not a delete.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(2)).topLeft() + QPoint(8, 6));
    EXPECT_EQ(asked.count(), 1);
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
}

TEST(LabelPreview, HugeTextIsShrunkToFitAndEmptyTextDrawsNothing) {
    overlays::LabelPreview preview;
    preview.resize(420, 190);
    preview.setLabel("Spinward Marches", 18, universe::FactionColor::gold, 0);
    (void)preview.grab();
    EXPECT_DOUBLE_EQ(preview.fitScale(), 1.0);

    preview.setLabel("MMMMMMMM", 1e6, universe::FactionColor::gold, 45);
    const QImage huge = preview.grab().toImage();
    EXPECT_LT(preview.fitScale(), 0.01);
    const QColor gold = overlays::qtColor(universe::FactionColor::gold);
    int goldPixels = 0;
    for (int y = 0; y < huge.height(); ++y)
        for (int x = 0; x < huge.width(); ++x)
            goldPixels += near(huge.pixelColor(x, y), gold);
    EXPECT_GT(goldPixels, 200) << "the shrunk text is still drawn";

    preview.setLabel("", 30, universe::FactionColor::gold, 0);
    const QImage empty = preview.grab().toImage();
    bool anyGold = false;
    for (int y = 0; y < empty.height() && !anyGold; ++y)
        for (int x = 0; x < empty.width() && !anyGold; ++x)
            anyGold = near(empty.pixelColor(x, y), gold);
    EXPECT_FALSE(anyGold);
}

} // namespace
