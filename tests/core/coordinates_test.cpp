#include "core/galactic_coordinates.h"
#include "core/hex_layout.h"

#include <gtest/gtest.h>

using namespace velmora::core;

namespace {

GalacticCoordinates hex(int sx, int sy, int column, int row) {
    return GalacticCoordinates{sx, sy, column, row};
}

} // namespace

TEST(GalacticCoordinates, TextsNameSectorAndHex) {
    EXPECT_EQ(hex(0, 0, 19, 10).description(), "00-1910");
    EXPECT_EQ(hex(-1, 2, 1, 1).description(), "A2-0101");
    EXPECT_EQ(hex(-2, -1, 10, 40).description(), "BA-1040");
    EXPECT_EQ(hex(0, 0, 3, 7).hexNumber(), "0307");
}

TEST(GalacticCoordinates, SubsectorLettersRunRowByRowFromTopLeft) {
    EXPECT_EQ(hex(0, 0, 1, 1).subsectorLetter(), 'A');
    EXPECT_EQ(hex(0, 0, 32, 1).subsectorLetter(), 'D');
    EXPECT_EQ(hex(0, 0, 1, 11).subsectorLetter(), 'E');
    EXPECT_EQ(hex(0, 0, 32, 40).subsectorLetter(), 'P');
    EXPECT_EQ(hex(0, 0, 0, 0).subsectorLetter(), 'A');
    EXPECT_EQ(hex(0, 0, 1, 41).subsectorLetter(), '?');
}

TEST(GalacticCoordinates, CubesOfTheFirstColumns) {
    EXPECT_EQ(hex(0, 0, 1, 1).cube(), (Cube{0, 0}));
    EXPECT_EQ(hex(0, 0, 2, 1).cube(), (Cube{1, 0}));
    EXPECT_EQ(hex(0, 0, 2, 1).cube().y(), -1);
    EXPECT_EQ(hex(0, 0, 3, 1).cube(), (Cube{2, -1}));
}

TEST(GalacticCoordinates, DistanceCrossesSectorBorders) {
    struct Case {
        GalacticCoordinates a, b;
        int parsecs;
    };
    const Case cases[] = {
        {hex(0, 0, 32, 1), hex(1, 0, 1, 1), 1}, {hex(0, 0, 1, 1), hex(0, 1, 1, 40), 1},
        {hex(0, 0, 5, 5), hex(0, 0, 5, 5), 0},  {hex(0, 0, 1, 1), hex(0, 0, 1, 5), 4},
        {hex(0, 0, 1, 1), hex(0, 0, 9, 1), 8},  {hex(-1, 0, 32, 40), hex(0, -1, 1, 1), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(distance(c.a, c.b), c.parsecs) << c.a.description() << " " << c.b.description();
        EXPECT_EQ(distance(c.b, c.a), c.parsecs);
    }
}

TEST(GalacticCoordinates, EverySixNeighboursAreOneParsecAway) {
    for (int column : {1, 2, 31, 32}) {
        const GalacticCoordinates centre = hex(0, 0, column, 20);
        const Cube c = centre.cube();
        int neighbours = 0;
        for (int q = c.x - 1; q <= c.x + 1; ++q) {
            for (int r = centre.globalRow() - 2; r <= centre.globalRow() + 2; ++r) {
                if (distance(centre, GalacticCoordinates::fromGlobal(q, r)) == 1)
                    ++neighbours;
            }
        }
        EXPECT_EQ(neighbours, 6) << column;
    }
}

TEST(GalacticCoordinates, GlobalIndexRoundTrips) {
    const auto c = GalacticCoordinates::fromGlobal(-1, -1);
    EXPECT_EQ(c, hex(-1, 1, 32, 40));
    for (int q = -70; q <= 70; q += 7) {
        for (int r = -90; r <= 90; r += 9) {
            const auto back = GalacticCoordinates::fromGlobal(q, r);
            EXPECT_EQ(back.globalColumn(), q);
            EXPECT_EQ(back.globalRow(), r);
        }
    }
}

TEST(HexLayout, PointsMapBackToTheirHex) {
    const HexLayout layout{10.0};
    for (int sx = -1; sx <= 1; ++sx) {
        for (int column : {1, 2, 17, 32}) {
            for (int row : {1, 20, 40}) {
                const auto h = hex(sx, -sx, column, row);
                EXPECT_EQ(layout.coordinatesAt(layout.center(h)), h) << h.description();
                const auto corners = layout.corners(h);
                // Just inside each corner still belongs to the hex.
                const PointF centre = layout.center(h);
                for (const PointF& corner : corners) {
                    const PointF inside{centre.x + 0.9 * (corner.x - centre.x),
                                        centre.y + 0.9 * (corner.y - centre.y)};
                    EXPECT_EQ(layout.coordinatesAt(inside), h);
                }
            }
        }
    }
}

TEST(HexLayout, EvenColumnsSitHalfAHexLower) {
    const HexLayout layout{1.0};
    EXPECT_GT(layout.center(hex(0, 0, 2, 1)).y, layout.center(hex(0, 0, 1, 1)).y);
    EXPECT_GT(layout.center(hex(0, 0, 2, 1)).y, layout.center(hex(0, 0, 3, 1)).y);
    // Corner 0 is the right-hand point, corner 1 the lower right.
    const auto corners = layout.corners(hex(0, 0, 1, 1));
    EXPECT_DOUBLE_EQ(corners[0].x, 1.0);
    EXPECT_GT(corners[1].y, 0.0);
    EXPECT_LT(corners[5].y, 0.0);
}

TEST(GalacticCoordinates, SectorLettersGoOnPastZAsSpreadsheetColumns) {
    const struct {
        int sector;
        std::string text;
    } cases[] = {{0, "0"},    {7, "7"},    {-1, "A"},   {-26, "Z"},   {-27, "AA"},
                 {-28, "AB"}, {-52, "AZ"}, {-53, "BA"}, {-702, "ZZ"}, {-703, "AAA"}};
    for (const auto& c : cases)
        EXPECT_EQ(hex(c.sector, 0, 1, 1).sectorCode(), c.text + "0") << c.sector;
}
