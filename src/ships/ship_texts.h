#pragma once

// What the designer says about a design, word for word: the warnings shown beside
// a step when the design breaks a rule, and the notes that explain a figure.

#include <string_view>

namespace velmora::ships::texts {

inline constexpr std::string_view designerHeader =
    "Mongoose Traveller 2nd Edition — basic design (hulls up to ~2,000 tons).";

// Warnings.
inline constexpr std::string_view jumpDriveTooSmall =
    "A jump drive must be a minimum of 10 tons — increase hull tonnage or Jump rating.";
inline constexpr std::string_view powerShortDayToDay =
    "Power output doesn't cover basic systems + manoeuvre drive — increase the power plant's "
    "tonnage or drop to a higher-output type.";
inline constexpr std::string_view powerShortForJump =
    "Power output covers day-to-day systems but not the jump drive as well — other systems will "
    "need to power down to jump.";
inline constexpr std::string_view backupComputerNotSmaller =
    "The backup computer must have a lower Processing score than the primary.";
inline constexpr std::string_view softwareBandwidthExceeded =
    "Not enough computer Bandwidth for the installed software (Jump Control gets +5 with /bis).";
inline constexpr std::string_view hardpointsExceeded =
    "Not enough Hardpoints (or Firmpoints) available for the installed mounts.";
inline constexpr std::string_view carriedCraftTooLarge =
    "Carried craft tonnage exceeds the Docking Space bought above.";
inline constexpr std::string_view tonnageExceeded =
    "This design exceeds the hull's tonnage budget — reduce components or increase hull tonnage.";
inline constexpr std::string_view autoRepairNeedsDrones =
    "Auto-Repair requires the ship to carry repair drones (Step 9).";
inline constexpr std::string_view externalCargoMountNotAllowed =
    "External cargo mounts aren't allowed on streamlined or dispersed-structure hulls.";

// Notes.
inline constexpr std::string_view dispersedStructureArmour =
    "Dispersed Structure hulls cannot be given increased armour.";
inline constexpr std::string_view noFuelCost =
    "No cost is associated with fuel tank space — only tonnage.";
inline constexpr std::string_view cockpitLifeSupport =
    "Cockpits only have 24 hours of life support and aren't designed for long-term use.";
inline constexpr std::string_view computersTakeNoTonnage =
    "Computers don't consume tonnage — only cost.";
inline constexpr std::string_view weaponsScope =
    "Scoped to mount/weapon tonnage, cost, and Power — damage, traits, ammunition, screens, "
    "spinal mounts, and Black Globe generators aren't modeled. A ship can carry several mounts, "
    "each drawing on the same pool of Hardpoints below.";
inline constexpr std::string_view optionalSystemsScope =
    "Core Rulebook set only — High Guard has many more, deferred for now.";
inline constexpr std::string_view cargoCraneBefore =
    "The crane's own tonnage/cost depends on the cargo hold it services, which in turn depends on "
    "everything else installed (including the crane) — so this can't be computed automatically. "
    "Set it to the ship's current Cargo Space, ";
inline constexpr std::string_view cargoCraneAfter =
    " tons (Step 12, below), left at 0 this undercounts the crane.";
inline constexpr std::string_view middlePassengers =
    "Ordinary Stateroom capacity (Step 11) not needed to bunk the crew — billed as Middle Passage "
    "passengers per the Passengers chapter, and factored into Steward and Medic requirements "
    "below.";
inline constexpr std::string_view bayGunners =
    "Bay weapons always use military gunner crewing, regardless of crew type.";
inline constexpr std::string_view crewOverride =
    "Overrides the crew headcount used for Middle Passengers and Life Support below, to reflect "
    "real crew doubling up roles. Doesn't change the per-role breakdown or salaries below, which "
    "the rulebook doesn't give a role-combination formula for.";
inline constexpr std::string_view crewMultiplierAfter =
    " applied to Engineer, Maintenance, Gunner, Administrator, and Sensor Operator.";
inline constexpr std::string_view freeCargo =
    "No cost is associated with cargo space — whatever tonnage isn't consumed elsewhere is free "
    "for cargo.";
inline constexpr std::string_view lifeSupportBasis =
    "Cr1000/stateroom + Cr1000/person not in a low berth + Cr100/occupied low berth (Core "
    "Rulebook); High Guard's Barracks/Brig/Cabin Space/Stable/High/Luxury Stateroom figures "
    "supersede this baseline for those room types.";
inline constexpr std::string_view biosphereBefore = "Biosphere offsets life support for ";
inline constexpr std::string_view biosphereAfter =
    " passengers — no baseline per-passenger cost is available to subtract, so this isn't "
    "reflected in the total above.";
inline constexpr std::string_view jumpPowerCut =
    "The power plant can't run day-to-day systems and the Jump Drive at once — systems must be "
    "powered down for the duration of the jump.";
inline constexpr std::string_view jumpPowerSuggestion =
    "Manoeuvre Drive is switched off (not needed in jump space); other systems are suggested "
    "cuts — adjust to taste. There's no rulebook-specified priority order for this.";
inline constexpr std::string_view jumpBasicSystemsOff =
    "Even at half power, Basic Ship Systems can't be sustained during the jump: life support "
    "becomes unsurvivable in D3+3 days, doors/irises lock, most terminals and shipboard comms "
    "stop, and grav plating fails.";
inline constexpr std::string_view highGuardSupersedes =
    "These supersede the Core Rulebook options above where the two disagree.";
inline constexpr std::string_view softwareFree =
    "Manoeuvre, Intellect and Library are free/Included and aren't shown. Programs are gated by "
    "Bandwidth, not tonnage.";

} // namespace velmora::ships::texts
