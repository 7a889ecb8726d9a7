#pragma once

// Step 2 of a design: the manoeuvre, reaction and jump drives, and the tech levels
// their ratings need.

#include "ships/ship_design.h"

#include <array>
#include <optional>

namespace velmora::ships {

inline constexpr double manoeuvreDriveCostPerTon = 2'000'000;
inline constexpr double reactionDriveCostPerTon = 200'000;
inline constexpr double jumpDriveCostPerTon = 1'500'000;
// A concealed manoeuvre drive is a quarter larger (and dearer) for the same rating.
inline constexpr double concealedManoeuvreDriveFactor = 1.25;
// Below this a jump drive cannot be built; the designer warns rather than alters.
inline constexpr double smallestJumpDriveTons = 10;
// A hull smaller than this cannot be fitted with a jump drive at all.
inline constexpr int smallestJumpCapableHull = 100;

// The lowest tech level that builds each rating, by rating from 0.
inline constexpr std::array<int, 12> manoeuvreRatingTechLevels{9,  9,  10, 10, 11, 11,
                                                               12, 13, 14, 15, 16, 17};
inline constexpr std::array<int, 17> reactionRatingTechLevels{7, 7,  7,  7,  8,  8,  8,  9, 9,
                                                              9, 10, 10, 10, 11, 11, 11, 12};
// Jump ratings start at 1.
inline constexpr std::array<int, 9> jumpRatingTechLevels{9, 11, 12, 13, 14, 15, 16, 17, 18};

// Nothing when the rating is outside the drive's table.
std::optional<int> manoeuvreRatingTechLevel(int rating);
std::optional<int> reactionRatingTechLevel(int rating);
std::optional<int> jumpRatingTechLevel(int rating);

// The highest rating the tech level builds (0 when it builds none).
int maximumManoeuvreRating(int techLevel);
int maximumReactionRating(int techLevel);
int maximumJumpRating(int techLevel);

// Whether the jump drive can be switched on at all: tech level and hull size.
bool jumpDriveAvailable(const ShipDesign& design);

double manoeuvreDriveTonnage(const ShipDesign& design);
double manoeuvreDriveCost(const ShipDesign& design);
double reactionDriveTonnage(const ShipDesign& design);
double reactionDriveCost(const ShipDesign& design);
double jumpDriveTonnage(const ShipDesign& design);
double jumpDriveCost(const ShipDesign& design);

// The thrust the ship shows: half the rating with a concealed drive (a drive of
// thrust 3 shows 1.5; halves are kept rather than rounded away).
double effectiveManoeuvreThrust(const ShipDesign& design);
// Manoeuvre and reaction drives push together, so their thrusts add.
double combinedThrust(const ShipDesign& design);

} // namespace velmora::ships
