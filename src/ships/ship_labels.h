#pragma once

// The designer's headings, control labels and read-out labels, word for word, so
// that the designer, the summary panel, the ship sheet and the command line name
// things alike.

#include <array>
#include <string_view>

namespace velmora::ships::labels {

inline constexpr std::array<std::string_view, 15> stepHeadings{
    "Step 1: Hull",
    "1b. Armour",
    "1c. Hull Options",
    "Step 2: Install Drives",
    "Step 3: Install Power Plant",
    "Step 4: Install Fuel Tanks",
    "Step 5: Install Bridge",
    "Step 6: Install Computer",
    "Step 7: Install Sensors",
    "Step 8: Install Weapons",
    "Step 9: Install Optional Systems",
    "Step 10: Determine Crew",
    "Step 11: Install Staterooms",
    "Step 12: Allocate Cargo Space",
    "Step 13: Finalize Design",
};
inline constexpr std::string_view highGuardHeading = "High Guard Options";
inline constexpr std::string_view softwareHeading = "Ship Software";
inline constexpr std::string_view advancedSoftwareHeading = "Advanced Software";

// Step 1.
inline constexpr std::string_view hullPoints = "Hull Points";
inline constexpr std::string_view hullCost = "Hull Cost";
inline constexpr std::string_view streamlining = "Streamlining";
inline constexpr std::string_view hullOptionsCost = "Hull Options Cost";

// Step 2.
inline constexpr std::string_view manoeuvreCost = "Manoeuvre Cost";
inline constexpr std::string_view jumpTonnage = "Jump Tonnage";
inline constexpr std::string_view jumpCost = "Jump Cost";
inline constexpr std::string_view combinedThrust = "Combined Thrust";
inline constexpr std::string_view effectiveManoeuvreThrust = "Effective Manoeuvre Thrust";

// Steps 3 and 4.
inline constexpr std::string_view powerOutput = "Power Output";
inline constexpr std::string_view jumpFuel = "Jump Fuel";
inline constexpr std::string_view powerPlantRunway = "Power Plant Runway:";
inline constexpr std::string_view weeksSuffix = " weeks";
inline constexpr std::string_view reactionDriveHours = "Reaction Drive Hours:";
inline constexpr std::string_view halfPowerSuffix = " (half)";
inline constexpr std::string_view powerTotal = "Total";

// Step 5.
inline constexpr std::string_view useCockpit = "Use Cockpit Instead of Bridge";
inline constexpr std::string_view dualCockpit = "Dual Cockpit (extra crew seat)";
inline constexpr std::string_view smallerBridge = "Smaller Bridge (half cost, DM-1)";
inline constexpr std::string_view commandBridge = "Command Bridge (+40 tons, +Cr30M, DM+1 Tactics)";

// Step 6.
inline constexpr std::string_view jumpControlSpecialisation =
    "Jump Control Specialisation (/bis, +5 processing, +50% cost)";
inline constexpr std::string_view hardenedSystems =
    "Hardened Systems (/fib, immune to Ion, +50% cost)";
inline constexpr std::string_view installBackupComputer = "Install Backup Computer";
inline constexpr std::string_view primaryComputerCost = "Primary Computer Cost";
inline constexpr std::string_view backupComputerCost = "Backup Computer Cost";
inline constexpr std::string_view totalComputerCost = "Total Computer Cost";
inline constexpr std::string_view jumpProcessing = "Jump Processing";
inline constexpr std::string_view softwareBandwidthUsed = "Ship Software Bandwidth Used";

// Step 7.
inline constexpr std::string_view electronicsDM = "Electronics DM";
inline constexpr std::string_view sensorPower = "Sensor Power";
inline constexpr std::string_view sensorTonnage = "Sensor Tonnage";

// Step 8.
inline constexpr std::string_view addWeaponMount = "Add Weapon Mount";
inline constexpr std::string_view popUpMounting = "Pop-Up Mounting (TL10, +1 ton, +Cr1M)";
inline constexpr std::string_view hardpointsUsed = "Hardpoints Used";

// Step 9.
inline constexpr std::string_view aerofins = "Aerofins (5% tonnage, DM+2 Pilot in atmosphere)";
inline constexpr std::string_view collapsibleFuelTankCapacity = "Collapsible Fuel Tank Capacity";
inline constexpr std::string_view concealedCompartment = "Concealed Compartment";
inline constexpr std::string_view fuelScoop = "Fuel Scoop (free on Streamlined hulls)";
inline constexpr std::string_view airRaft = "Air/Raft (MCr0.25, carried in Docking Space)";
inline constexpr std::string_view holographicControls =
    "Holographic Controls (TL9, +25% bridge cost)";
inline constexpr std::string_view holographicHull = "Holographic Hull (TL10)";
inline constexpr std::string_view luxuryStaterooms = "Luxury Staterooms";
inline constexpr std::string_view optionalSystemsCost = "Optional Systems Cost";

// Steps 10 and 11.
inline constexpr std::string_view overrideActualCrewSize = "Override Actual Crew Size";
inline constexpr std::string_view totalCrew = "Total Crew";
inline constexpr std::string_view doubleOccupancy = "Double Occupancy (no extra cost, 2× capacity)";
inline constexpr std::string_view recommendedCommonArea = "Recommended Common Area";
inline constexpr std::string_view stateroomCapacity = "Stateroom Capacity";

// Step 13 and the running costs.
inline constexpr std::string_view totalShipCost = "Total Ship Cost";
inline constexpr std::string_view standardPurchaseDiscount = "Standard Purchase Discount (10%)";
inline constexpr std::string_view maintenanceCost = "Maintenance Cost";
inline constexpr std::string_view lifeSupportStaterooms = "Life Support (Staterooms)";
inline constexpr std::string_view lifeSupportCrewAndPassengers = "Life Support (Crew & Passengers)";
inline constexpr std::string_view lifeSupportLowBerths = "Life Support (Low Berths)";
inline constexpr std::string_view lifeSupportHighGuardHighAndLuxury =
    "Life Support (High Guard/High/Luxury)";
inline constexpr std::string_view totalLifeSupport = "Total Life Support";
inline constexpr std::string_view totalMonthlyCosts = "Total Monthly Costs";
inline constexpr std::string_view costColumn = "Cost (MCr)";

// The supplement's options.
inline constexpr std::string_view pressureHull =
    "Pressure Hull (25% tonnage, ×10 hull cost, intrinsic Armour +4)";
inline constexpr std::string_view modularPercentage = "Modular Percentage (0-75%):";
inline constexpr std::string_view modularTonnage = "Modular Tonnage / Cost";
inline constexpr std::string_view concealedManoeuvreDrive =
    "Concealed Manoeuvre Drive (+25% tonnage/cost, half Thrust)";
inline constexpr std::string_view emergencyPowerSystem =
    "Emergency Power System (10% of power plant tons/cost)";
inline constexpr std::string_view solarSail = "Solar Sail (5% tonnage, MCr0.2/ton)";
inline constexpr std::string_view metalHydrideStorage =
    "Metal Hydride Storage (doubles fuel tankage, MCr0.2/ton)";
inline constexpr std::string_view ramscoops = "Ramscoops (1% tonnage + 5, min 10, MCr0.25/ton)";
inline constexpr std::string_view towCable = "Tow Cable (1% tonnage, Cr5000/ton)";
inline constexpr std::string_view fuelTankCompartmentsCost =
    "Compartments Cost (deducted from fuel, not hull)";
inline constexpr std::string_view brigUnits = "Brig Units (4t/6 prisoners each)";
inline constexpr std::string_view militaryCountermeasuresSuite =
    "Military Countermeasures Suite (TL15)";
inline constexpr std::string_view lifeScannerAnalysisSuite = "Life Scanner Analysis Suite (TL14)";
inline constexpr std::string_view shallowPenetrationSuite = "Shallow Penetration Suite (TL10)";
inline constexpr std::string_view sensorStation = "Sensor Station (ships ≤7,500 tons)";
inline constexpr std::string_view fullHangar = "Full Hangar (craft tonnage)";
inline constexpr std::string_view launchTube = "Launch Tube (craft tonnage)";
inline constexpr std::string_view recoveryDeck = "Recovery Deck (craft tonnage)";
inline constexpr std::string_view trainingFacilitiesTrainees = "Training Facilities Trainees";
inline constexpr std::string_view entertainmentSystemCost = "Entertainment System Cost (Cr)";
inline constexpr std::string_view breweryDistilleryUnits = "Brewery/Distillery Units";
inline constexpr std::string_view gourmetKitchenDiners = "Gourmet Kitchen Diners";
inline constexpr std::string_view wetBar = "Wet Bar (Cr2000 flat, no tonnage)";
inline constexpr std::string_view zeroGRoomControls = "Zero-G Room Controls (Cr50000 flat)";
inline constexpr std::string_view maxBuildTonnage = "Max Build Tonnage";

} // namespace velmora::ships::labels
