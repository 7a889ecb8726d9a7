#include "ships/drive_rules.h"

#include "ships/hull_rules.h"

namespace velmora::ships {

namespace {

template <std::size_t Count>
std::optional<int> techLevelAt(const std::array<int, Count>& table, int index) {
    if (index < 0 || index >= static_cast<int>(Count))
        return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

// The highest rating whose tech level is reached, the table starting at `firstRating`.
template <std::size_t Count>
int highestRating(const std::array<int, Count>& table, int firstRating, int techLevel) {
    int best = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        if (table[i] <= techLevel)
            best = static_cast<int>(i) + firstRating;
    }
    return best;
}

} // namespace

std::optional<int> manoeuvreRatingTechLevel(int rating) {
    return techLevelAt(manoeuvreRatingTechLevels, rating);
}

std::optional<int> reactionRatingTechLevel(int rating) {
    return techLevelAt(reactionRatingTechLevels, rating);
}

std::optional<int> jumpRatingTechLevel(int rating) {
    return techLevelAt(jumpRatingTechLevels, rating - 1);
}

int maximumManoeuvreRating(int techLevel) {
    return highestRating(manoeuvreRatingTechLevels, 0, techLevel);
}

int maximumReactionRating(int techLevel) {
    return highestRating(reactionRatingTechLevels, 0, techLevel);
}

int maximumJumpRating(int techLevel) {
    return highestRating(jumpRatingTechLevels, 1, techLevel);
}

bool jumpDriveAvailable(const ShipDesign& design) {
    return design.techLevel >= jumpRatingTechLevels[0] && design.tonnage >= smallestJumpCapableHull;
}

double manoeuvreDriveTonnage(const ShipDesign& design) {
    const int thrust = design.manoeuvreDriveRating;
    double percent = 0;
    if (thrust == 0)
        percent = 0.5;
    else if (thrust >= 1 && thrust <= 11)
        percent = thrust;
    double tonnage = roundedHullTonnage(design) * percent / 100.0;
    if (design.highGuard.hasConcealedManoeuvreDrive)
        tonnage *= concealedManoeuvreDriveFactor;
    return tonnage;
}

double manoeuvreDriveCost(const ShipDesign& design) {
    return manoeuvreDriveTonnage(design) * manoeuvreDriveCostPerTon;
}

double reactionDriveTonnage(const ShipDesign& design) {
    if (!design.hasReactionDrive)
        return 0;
    const int rating = design.reactionDriveRating;
    double percent = 0;
    if (rating == 0)
        percent = 1;
    else if (rating >= 1 && rating <= 16)
        percent = 2.0 * rating;
    return roundedHullTonnage(design) * percent / 100.0;
}

double reactionDriveCost(const ShipDesign& design) {
    return reactionDriveTonnage(design) * reactionDriveCostPerTon;
}

double jumpDriveTonnage(const ShipDesign& design) {
    if (!design.hasJumpDrive)
        return 0;
    const int rating = design.jumpDriveRating;
    const double ratingShare = rating >= 1 && rating <= 9 ? 0.025 * rating : 0;
    return roundedHullTonnage(design) * ratingShare + 5;
}

double jumpDriveCost(const ShipDesign& design) {
    return jumpDriveTonnage(design) * jumpDriveCostPerTon;
}

double effectiveManoeuvreThrust(const ShipDesign& design) {
    const double rating = design.manoeuvreDriveRating;
    return design.highGuard.hasConcealedManoeuvreDrive ? rating / 2.0 : rating;
}

double combinedThrust(const ShipDesign& design) {
    return effectiveManoeuvreThrust(design) +
           (design.hasReactionDrive ? design.reactionDriveRating : 0);
}

} // namespace velmora::ships
