#pragma once

#include "core/hex_data.h"
#include "core/world_type.h"

#include <string>
#include <vector>

namespace velmora::systems {

struct DigitRange {
    int minimum = 0;
    int maximum = 0;
    bool contains(int value) const { return value >= minimum && value <= maximum; }
    friend bool operator==(const DigitRange&, const DigitRange&) = default;
};

// What a profile may hold. Gas giants measure their size in the same 1,600 km steps
// and so run far past the ten of a rocky world; every other body stops at 16, the
// largest size the profile texts describe, except the one megastructure value 35.
inline constexpr DigitRange gasGiantSizeRange{0, 99};
inline constexpr DigitRange bodySizeRange{0, 16};
inline constexpr int megastructureSize = 35;
inline constexpr DigitRange atmosphereRange{0, 15};
inline constexpr DigitRange populationRange{0, 15};
inline constexpr DigitRange governmentRange{0, 15};
inline constexpr DigitRange lawLevelRange{0, 20};
inline constexpr DigitRange populationMultiplierRange{0, 9};
inline constexpr DigitRange starSubclassRange{0, 9};
inline constexpr DigitRange hzOffsetRange{-20, 20};

DigitRange sizeRange(core::WorldType type);
bool isAllowedSize(core::WorldType type, int size);

// One thing that keeps an edit from being saved, said so the referee knows what to
// change. Most can be fixed by pulling the value into its range; a missing name
// cannot.
struct EditIssue {
    std::string subject; // "System", a star's or a world's name
    std::string message; // "Size 20 is out of range (0–16 for a planet)."
    bool clampable = true;

    std::string text() const { return subject + ": " + message; }
    friend bool operator==(const EditIssue&, const EditIssue&) = default;
};

std::vector<EditIssue> checkWorld(const core::WorldData& world);
std::vector<EditIssue> checkStar(const core::Star& star);

// The world with every out-of-range value pulled to the nearest allowed one (size
// and atmosphere first, as they bound hydrographics), and its trade classes derived
// again.
core::WorldData clampWorld(core::WorldData world);
core::Star clampStar(core::Star star);

// What stands between an edited copy of a hex and the universe. Only what the
// referee touched is checked: worlds and stars that are new or differ from the stored
// ones, and the name when it was changed, so imported data that bends a rule is not
// held against an unrelated edit.
std::vector<EditIssue> checkSystemEdit(const core::HexData& original, const core::HexData& edited);

// The edited hex with the clampable issues of checkSystemEdit fixed.
core::HexData clampSystemEdit(const core::HexData& original, core::HexData edited);

// All issues as one message, a line each.
std::string issuesText(const std::vector<EditIssue>& issues);

} // namespace velmora::systems
