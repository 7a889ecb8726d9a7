#include "core/galactic_coordinates.h"

#include <string_view>

namespace velmora::core {

namespace {

std::string sectorNumberText(int value) {
    if (value >= 0)
        return std::to_string(value);
    // -1 is "A", -2 "B", and so on; past "Z" the letters go on as spreadsheet
    // columns do (-27 is "AA", -28 "AB"), so no two sectors share a text.
    std::string letters;
    for (int n = -value; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

std::string twoDigits(int value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string GalacticCoordinates::sectorCode() const {
    return sectorNumberText(sectorX) + sectorNumberText(sectorY);
}

std::string GalacticCoordinates::hexNumber() const {
    return twoDigits(column) + twoDigits(row);
}

std::string GalacticCoordinates::description() const {
    return sectorCode() + "-" + hexNumber();
}

char GalacticCoordinates::subsectorLetter() const {
    static constexpr std::string_view letters = "ABCDEFGHIJKLMNOP";
    const int band = row - 1 < 0 ? 0 : (row - 1) / 10;
    const int slot = column - 1 < 0 ? 0 : (column - 1) / 8;
    const auto index = static_cast<std::size_t>(4 * band + slot);
    return index < letters.size() ? letters[index] : '?';
}

GalacticCoordinates GalacticCoordinates::fromGlobal(int globalColumn, int globalRow) {
    GalacticCoordinates c;
    c.sectorX = floorDiv(globalColumn, sectorColumns);
    c.column = floorMod(globalColumn, sectorColumns) + 1;
    c.sectorY = -floorDiv(globalRow, sectorRows);
    c.row = floorMod(globalRow, sectorRows) + 1;
    return c;
}

} // namespace velmora::core
