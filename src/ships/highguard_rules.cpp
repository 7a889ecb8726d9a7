#include "ships/highguard_rules.h"

#include "ships/fuel_rules.h"
#include "ships/hull_rules.h"
#include "ships/power_rules.h"
#include "ships/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora::ships {

namespace {

template <typename Enum, std::size_t Count>
double byTier(const std::array<double, Count>& table, Enum tier) {
    return table[static_cast<std::size_t>(tier)];
}

constexpr std::array<double, 3> batteryCostPerTon{0, 100'000, 200'000};
constexpr std::array<double, 5> solarCostPerUnit{0, 100'000, 200'000, 300'000, 400'000};
constexpr std::array<double, 3> jumpNetCostPerHundredTons{0, 100'000, 300'000};
constexpr std::array<double, 3> loadingBeltCost{0, 3'000, 10'000};
constexpr std::array<double, 3> mailArrayTons{0, 10, 20};
constexpr std::array<double, 3> mailArrayCost{0, 20'000'000, 10'000'000};
constexpr std::array<double, 3> signalProcessingTons{0, 1, 2};
constexpr std::array<double, 3> signalProcessingCost{0, 4'000'000, 8'000'000};
constexpr std::array<double, 3> signalProcessingPower{0, 1, 2};
constexpr std::array<double, 5> dockingClampCost{0, 50'000, 75'000, 100'000, 500'000};
constexpr std::array<double, 5> boobyTrapCost{0, 100'000, 300'000, 500'000, 1'000'000};
constexpr std::array<double, 5> escapePodTons{0, 0.5, 0.5, 0.5, 1.0};
constexpr std::array<double, 5> escapePodCost{0, 20'000, 50'000, 100'000, 150'000};
constexpr std::array<double, 3> swimmingPoolCostPerTon{0, 20'000, 50'000};
constexpr std::array<double, 3> theatreCostPerTon{0, 100'000, 200'000};

} // namespace

HighGuardHullEffects highGuardHullEffects(const ShipDesign& design) {
    const HighGuardOptions& options = design.highGuard;
    const double tons = design.tonnage;
    const double hull = hullCost(design);
    HighGuardHullEffects effects;
    switch (options.adjustableHullTier) {
    case AdjustableHullTier::none:
        break;
    case AdjustableHullTier::tl12:
        effects.adjustableHullTons = 0.05 * tons;
        effects.adjustableHullCost = 0.10 * hull;
        break;
    case AdjustableHullTier::tl15:
        effects.adjustableHullTons = 0.01 * tons;
        effects.adjustableHullCost = 1.0 * hull;
        break;
    }
    if (options.hasPressureHull) {
        effects.pressureHullTons = 0.25 * tons;
        effects.pressureHullCost = 10 * hull;
    }
    effects.modularHullCost = hull * options.modularHullPercentage / 100.0;
    if (options.hasEmergencyPowerSystem) {
        effects.emergencyPowerTons = 0.1 * design.powerPlantTonnage;
        effects.emergencyPowerCost = 0.1 * powerPlantCost(design);
    }
    if (options.hasSolarSail) {
        effects.solarSailTons = 0.05 * tons;
        effects.solarSailCost = effects.solarSailTons * 200'000;
    }
    if (options.hasMetalHydrideStorage) {
        effects.metalHydrideTons = totalFuelTonnage(design);
        effects.metalHydrideCost = effects.metalHydrideTons * 200'000;
    }
    if (options.hasRamscoops) {
        const double sized = 0.01 * tons + 5;
        effects.ramscoopTons = std::max(10.0, sized);
        effects.ramscoopCost = sized <= 10 ? 2'500'000 : sized * 250'000;
    }
    if (options.hasTowCable) {
        effects.towCableTons = 0.01 * tons;
        effects.towCableCost = effects.towCableTons * 5'000;
    }
    return effects;
}

std::vector<SystemLine> highGuardFittings(const ShipDesign& design) {
    const HighGuardOptions& o = design.highGuard;
    std::vector<SystemLine> lines;
    const auto add = [&](bool fitted, std::string_view label, double tons, double cost,
                         double power = 0) {
        if (fitted)
            lines.push_back({label, tons, cost, power});
    };
    const auto perTon = [&](int amount, std::string_view label, double tonsEach, double costEach,
                            double powerEach = 0) {
        add(amount > 0, label, amount * tonsEach, amount * costEach, amount * powerEach);
    };

    const double bulkhead = o.armouredBulkheadProtectedTonnage;
    add(bulkhead > 0, "Armoured Bulkhead", 0.1 * bulkhead, 20'000 * bulkhead);
    perTon(o.moduleTonnage, "Modular Tonnage", 1, 25'000);
    perTon(o.batteryTonnage, "High-Efficiency Batteries", 1,
           byTier(batteryCostPerTon, o.batteryTier));
    add(o.solarUnits > 0, "Solar Power", o.solarIsPanel ? o.solarUnits : 0.0,
        o.solarUnits * byTier(solarCostPerUnit, o.solarTier));
    const double dropTank = o.dropTankCapacityTons;
    add(dropTank > 0, "Drop Tanks", 0.004 * dropTank,
        0.004 * dropTank * 500'000 + 25'000 * dropTank);
    perTon(o.fuelCargoContainerCapacityTons, "Fuel/Cargo Container", 1.05, 5'000);
    perTon(o.fuelTankCompartmentTons, "Fuel Tank Compartments", 0, 4'000);
    perTon(o.mountableTankTons, "Mountable Tanks", 1, 1'000);
    perTon(o.accelerationBenchCount, "Acceleration Benches", 1, 10'000);
    perTon(o.accelerationSeatCount, "Acceleration Seats", 0.5, 30'000);
    perTon(o.barracksPassengerCount, "Barracks", 1, 50'000);
    perTon(o.brigUnitCount, "Brig", 4, 250'000);
    perTon(o.cabinSpaceTons, "Cabin Space", 1, 50'000);
    perTon(o.stableTons, "Stables", 1, 2'500);
    perTon(o.cargoNetCount, "Cargo Nets", 5, 1'000'000);
    perTon(o.externalCargoMountTons, "External Cargo Mount", 1, 1'000);
    const double netHundreds = o.jumpNetCargoTons / 100.0;
    add(o.jumpNetCargoTons > 0, "Jump Net", netHundreds,
        netHundreds * byTier(jumpNetCostPerHundredTons, o.jumpNetTier));
    add(o.loadingBeltTier != LoadingBeltTier::none, "Loading Belt", 1,
        byTier(loadingBeltCost, o.loadingBeltTier), 1);
    perTon(o.advancedProbeDronesTonnage, "Advanced Probe Drones", 1, 750'000);
    add(o.hasCountermeasuresSuite, "Countermeasures Suite", 2, 4'000'000, 1);
    add(o.hasMilitaryCountermeasuresSuite, "Military Countermeasures Suite", 15, 28'000'000, 2);
    perTon(o.deepPenetrationScannerTons, "Deep Penetration Scanner", 1, 1'000'000, 1);
    perTon(o.extensionNetTons, "Extension Net", 1, 1'000'000);
    add(o.hasLifeScanner, "Life Scanner", 1, 2'000'000, 1);
    add(o.hasLifeScannerAnalysisSuite, "Life Scanner Analysis Suite", 1, 4'000'000, 1);
    add(o.mailDistributionArrayTier != MailDistributionArrayTier::none, "Mail Distribution Array",
        byTier(mailArrayTons, o.mailDistributionArrayTier),
        byTier(mailArrayCost, o.mailDistributionArrayTier));
    add(o.hasMineralDetectionSuite, "Mineral Detection Suite", 1, 5'000'000);
    add(o.hasShallowPenetrationSuite, "Shallow Penetration Suite", 10, 5'000'000, 1);
    add(o.signalProcessingTier != SignalProcessingTier::none, "Signal Processing",
        byTier(signalProcessingTons, o.signalProcessingTier),
        byTier(signalProcessingCost, o.signalProcessingTier),
        byTier(signalProcessingPower, o.signalProcessingTier));
    add(o.hasSensorStation, "Sensor Station", 1, 500'000);
    add(o.hasBreachingTube, "Breaching Tube", 3, 3'000'000);
    add(o.dockingClampCount > 0, "Docking Clamps", 2.0 * o.dockingClampCount,
        o.dockingClampCount * byTier(dockingClampCost, o.dockingClampTier));
    perTon(o.grapplingArmCount, "Grappling Arms", 2, 1'000'000);
    perTon(o.heavyGrapplingArmCount, "Heavy Grappling Arms", 6, 3'000'000);
    perTon(o.additionalAirlockTons, "Additional Airlocks", 1, 100'000);
    perTon(o.armouryTons, "Armoury", 1, 250'000);
    perTon(o.biosphereTons, "Biosphere", 1, 200'000, 1);
    add(o.boobyTrappedAirlockTier != BoobyTrappedAirlockTier::none, "Booby-Trapped Airlock", 0,
        byTier(boobyTrapCost, o.boobyTrappedAirlockTier));
    perTon(o.briefingRoomCount, "Briefing Rooms", 4, 500'000);
    add(o.constructionDeckTons > 0, "Construction Deck", o.constructionDeckTons, 500'000,
        o.constructionDeckTons);
    const double hangarTons = roundedUp(2.0 * o.fullHangarCraftTons);
    add(o.fullHangarCraftTons > 0, "Full Hangar", hangarTons, hangarTons * 200'000);
    perTon(o.gravScreenTons, "Grav Screen", 1, 1'000'000, 2);
    perTon(o.launchTubeCraftTons, "Launch Tube", 10, 10 * 500'000.0, 10);
    add(o.escapePodCount > 0 && o.escapePodType != EscapePodType::none, "Escape Pods",
        o.escapePodCount * byTier(escapePodTons, o.escapePodType),
        o.escapePodCount * byTier(escapePodCost, o.escapePodType));
    perTon(o.recoveryDeckCraftTons, "Recovery Deck", 10, 10 * 500'000.0, 10);
    perTon(o.studioTons, "Studio", 1, 100'000);
    perTon(o.trainingFacilitiesTrainees, "Training Facilities", 2, 2 * 200'000.0);
    perTon(o.unrepSystemTons, "UNREP System", 1, 500'000, 1);
    perTon(o.vaultTons, "Vault", 1, 500'000);
    perTon(o.workshopCount, "Workshops", 6, 900'000);
    add(o.advancedEntertainmentSystemCost > 0, "Advanced Entertainment System", 0,
        o.advancedEntertainmentSystemCost);
    perTon(o.breweryDistilleryUnits, "Brewery/Distillery", 0.5, 100'000);
    perTon(o.gourmetKitchenDiners, "Gourmet Kitchen", 1, 200'000);
    perTon(o.hotTubCapacity, "Hot Tub", 0.25, 3'000);
    add(o.swimmingPoolTons > 0, "Swimming Pool", o.swimmingPoolTons,
        o.swimmingPoolTons * byTier(swimmingPoolCostPerTon, o.swimmingPoolType));
    add(o.theatreTons > 0, "Theatre", o.theatreTons,
        o.theatreTons * byTier(theatreCostPerTon, o.theatreTier));
    add(o.hasWetBar, "Wet Bar", 0, 2'000);
    add(o.hasZeroGRoomControls, "Zero-G Room Controls", 0, 50'000);
    return lines;
}

double highGuardTonnage(const ShipDesign& design) {
    return totalOf(highGuardFittings(design), &SystemLine::tons);
}

double highGuardCost(const ShipDesign& design) {
    return totalOf(highGuardFittings(design), &SystemLine::cost);
}

double highGuardPower(const ShipDesign& design) {
    return totalOf(highGuardFittings(design), &SystemLine::power);
}

int biospherePassengers(const ShipDesign& design) {
    return design.highGuard.biosphereTons / 4;
}

} // namespace velmora::ships
