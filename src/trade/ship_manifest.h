#pragma once

#include "core/code_table.h"
#include "core/uuid.h"
#include "trade/manifest_entry.h"

#include <optional>
#include <vector>

namespace velmora::trade {

// What the party's ship carries, and the fuel in its main and auxiliary tanks.
struct ShipManifest {
    // The tanks a design may carry beside its main ones, in the order they are shown.
    enum class AuxiliaryTank { dropTank, collapsibleTank, container };

    // The design the entries were booked against.
    std::optional<core::Uuid> shipDesignID;
    std::vector<ManifestEntry> entries;
    double refinedFuelTons = 0;
    double unrefinedFuelTons = 0;
    double dropTankRefinedFuelTons = 0;
    double dropTankUnrefinedFuelTons = 0;
    // A jettisoned drop tank is gone for good and takes no more fuel.
    bool dropTankJettisoned = false;
    double collapsibleTankRefinedFuelTons = 0;
    double collapsibleTankUnrefinedFuelTons = 0;
    double containerRefinedFuelTons = 0;
    double containerUnrefinedFuelTons = 0;

    friend bool operator==(const ShipManifest&, const ShipManifest&) = default;
};

inline constexpr auto auxiliaryTankNames = core::makeRawValueTable<ShipManifest::AuxiliaryTank>(
    std::pair{ShipManifest::AuxiliaryTank::dropTank, "Drop Tank"},
    std::pair{ShipManifest::AuxiliaryTank::collapsibleTank, "Collapsible Tank"},
    std::pair{ShipManifest::AuxiliaryTank::container, "Fuel/Cargo Container"});

static_assert(core::isInCaseOrder(auxiliaryTankNames) &&
              core::hasDistinctTexts(auxiliaryTankNames));

// "Drop Tank", "Collapsible Tank", "Fuel/Cargo Container".
constexpr std::string_view displayName(ShipManifest::AuxiliaryTank tank) {
    return core::textAt(auxiliaryTankNames, tank);
}

} // namespace velmora::trade
