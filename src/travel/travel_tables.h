#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "core/uuid.h"
#include "travel/travel_geometry.h"

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::travel {

// What the system and interplanetary travel windows list: the jump points of a
// system's bodies and the bodies a transit can start and end at.

inline constexpr std::string_view jumpPointsTitle = "Jump Points (100 D)";
inline constexpr std::string_view interplanetaryTitle = "Interplanetary";
inline constexpr std::string_view noSurfaceText =
    "No body in this system has a surface to depart from.";
inline constexpr std::string_view tooFewBodiesText =
    "At least two bodies are needed to compute a transit.";
inline constexpr std::string_view systemNotFoundText = "System Not Found";
inline constexpr std::string_view customThrustLabel = "Custom thrust";
// The thrust columns of both tables, before the custom one.
inline constexpr std::array<double, 6> thrustColumns{1, 2, 3, 4, 5, 6};
// The custom thrust's stepper.
inline constexpr double minimumCustomThrust = 0.1;
inline constexpr double maximumCustomThrust = 12.0;
inline constexpr double customThrustStep = 0.5;

// One line of either table.
struct TravelRow {
    core::Uuid id; // the body
    std::string title;
    std::string subtitle;
    double distanceKm = 0;

    friend bool operator==(const TravelRow&, const TravelRow&) = default;
};

// What opens an interplanetary window: the system and the departure preselected.
struct InterplanetaryTravelTarget {
    core::GalacticCoordinates coordinates;
    std::optional<core::Uuid> fromWorldID;

    friend bool operator==(const InterplanetaryTravelTarget&,
                           const InterplanetaryTravelTarget&) = default;
};

void to_json(nlohmann::json& json, const InterplanetaryTravelTarget& target);
void from_json(const nlohmann::json& json, InterplanetaryTravelTarget& target);

// "HEX Spinward Marches 1910 · Travel times", or " · Interplanetary travel".
std::string travelWindowTitle(const std::string& locationText, bool interplanetary);

// A body the pickers offer, in the system's order: each star's worlds, a satellite
// right under its planet with "↳ " before its name.
struct TravelBodyChoice {
    core::Uuid id;
    std::string title;
    std::string subtitle; // "1.0 AU · Size 8 · Main world"
    TravelBody body;
};
std::vector<TravelBodyChoice> travelBodies(const core::HexData& hex);
const TravelBodyChoice* findBody(const std::vector<TravelBodyChoice>& bodies, const core::Uuid& id);

// One row per body a ship can lift off from, with the distance to its jump point;
// the subtitle ends " · clears " + the star's name + "’s 100 D" when a star's shadow
// decides it.
std::vector<TravelRow> jumpPointRows(const core::HexData& hex);

// "Regina → Ruie": the transit's heading.
std::string transitHeading(const TravelBodyChoice& from, const TravelBodyChoice& to);
// "Distance 1,234,567 km" below 0.1 AU, else "Distance 2.35 AU".
std::string distanceText(double km);

// The help of a time cell that adds itself to the campaign clock.
std::string_view addTravelTimeHelp(bool campaignSelected);

} // namespace velmora::travel
