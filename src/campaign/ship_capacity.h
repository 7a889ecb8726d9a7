#pragma once

#include "core/credits.h"
#include "trade/passage_class.h"
#include "trade/ship_manifest.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::ships {
struct ShipDesign;
}

namespace velmora::campaign {

// What the party's ship can carry and what it costs to keep, read once from its
// design so that the manifest's rules need no design of their own.
struct ShipCapacity {
    int highBerths = 0;        // high and luxury staterooms
    int middleBasicBerths = 0; // standard staterooms the crew does not need
    int lowBerths = 0;
    int cargoTons = 0;
    double mainFuelTons = 0;
    int dropTankTons = 0;
    int collapsibleTankTons = 0;
    int containerTons = 0;
    int jumpRating = 0;
    int techLevel = 0;
    bool armed = false;
    core::Credits maintenancePerMonth = 0;
    core::Credits lifeSupportPerMonth = 0;

    friend bool operator==(const ShipCapacity&, const ShipCapacity&) = default;
};

// Luxury staterooms sell high passage; emergency low berths are for emergencies
// and sell none. Cargo space is whole tons: a part ton holds no lot.
ShipCapacity shipCapacity(const ships::ShipDesign& design);

// Passengers share berths: high on their own, middle and basic together, low on
// their own.
enum class BerthCategory { high, middleBasic, low };

BerthCategory berthCategory(trade::PassageClass passage);
// "High", "Middle/Basic", "Low".
std::string_view berthCategoryName(BerthCategory category);

int berths(const ShipCapacity& capacity, BerthCategory category);
int passengersAboard(const trade::ShipManifest& manifest, BerthCategory category);
int freeBerths(const ShipCapacity& capacity, const trade::ShipManifest& manifest,
               BerthCategory category);
// Freight, mail and cargo: everything that takes hold space.
int cargoTonsAboard(const trade::ShipManifest& manifest);
// Never below 0.
int freeCargoTons(const ShipCapacity& capacity, const trade::ShipManifest& manifest);

// A tank's size on this ship; the main tanks are mainFuelTons.
int auxiliaryTankCapacity(const ShipCapacity& capacity, trade::ShipManifest::AuxiliaryTank tank);

inline constexpr std::string_view noShipText = "No ship selected \u2014 capacity can't be checked.";

// "30 / 80 tons (50 free)".
std::string cargoCapacityText(const ShipCapacity& capacity, const trade::ShipManifest& manifest);

} // namespace velmora::campaign
