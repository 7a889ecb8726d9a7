#include "sector_io/palette_color.h"

#include <gtest/gtest.h>

using namespace velmora;
using sector_io::nearestPaletteColor;
using sector_io::parseColorText;
using universe::FactionColor;

TEST(PaletteColor, ReadsHexadecimalAndNamedColoursInAnyCasing) {
    const struct {
        std::string text;
        std::optional<universe::RgbColor> color;
    } cases[] = {
        {"#FF0000", universe::RgbColor{1, 0, 0}},
        {"#ff8000", universe::RgbColor{1, 128.0 / 255, 0}},
        {" #0F0 ", universe::RgbColor{0, 1, 0}},
        {"#80FFFFFF", universe::RgbColor{1, 1, 1}},
        {"Blue", universe::RgbColor{0, 0, 1}},
        {"LIGHTGREY", universe::RgbColor{211.0 / 255, 211.0 / 255, 211.0 / 255}},
        {"lightgray", universe::RgbColor{211.0 / 255, 211.0 / 255, 211.0 / 255}},
        {"#12345", std::nullopt},
        {"#GG0000", std::nullopt},
        {"Bluish", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseColorText(c.text), c.color) << c.text;
}

TEST(PaletteColor, NearestEntryOfThePalette) {
    const struct {
        std::string text;
        FactionColor color;
    } cases[] = {
        {"#FF0000", FactionColor::red},        {"Red", FactionColor::red},
        {"#FFCC00", FactionColor::gold},       {"Blue", FactionColor::indigo},
        {"#000000", FactionColor::black},      {"#FFFFFF", FactionColor::white},
        {"#9EA8B8", FactionColor::grey},       // the palette's own grey
        {"#33C759", FactionColor::green},      // and its own green
        {"not a colour", FactionColor::white}, // unreadable
    };
    for (const auto& c : cases)
        EXPECT_EQ(nearestPaletteColor(c.text), c.color) << c.text;
    EXPECT_EQ(nearestPaletteColor("LightGrey"), nearestPaletteColor("#D3D3D3"));
}
