#include "ships/ui/ship_designer_highguard.h"

#include "ships/highguard_rules.h"
#include "ships/ship_labels.h"
#include "ships/ship_texts.h"
#include "ships/tech_level_gates.h"
#include "ships/ui/ship_designer_form.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>
#include <concepts>
#include <string>
#include <type_traits>

namespace velmora::ships {

namespace {

using Place = HighGuardPlace;

// Each option's place among the steps and its label; `group` starts a run of
// related options under a sub-heading in the supplement's own section.
struct FieldEntry {
    std::string_view key;
    Place place;
    std::string_view label;
    std::string_view group = {};
};

constexpr std::array<FieldEntry, 76> fieldEntries{{
    {"armouredBulkheadProtectedTonnage", Place::own, "Armoured Bulkhead (protected tons)",
     "Structure"},
    {"adjustableHullTier", Place::hullOptions, "Adjustable Hull"},
    {"hasPressureHull", Place::hullOptions, labels::pressureHull},
    {"modularHullPercentage", Place::hullOptions, labels::modularPercentage},
    {"moduleTonnage", Place::hullOptions, labels::modularTonnage},
    {"hasEmergencyPowerSystem", Place::power, labels::emergencyPowerSystem},
    {"batteryTier", Place::power, "High-Efficiency Batteries"},
    {"batteryTonnage", Place::power, "Battery Tonnage"},
    {"solarTier", Place::power, "Solar Power"},
    {"solarIsPanel", Place::power, "Solar Panels (take tonnage; otherwise a coating)"},
    {"solarUnits", Place::power, "Solar Units"},
    {"hasConcealedManoeuvreDrive", Place::drives, labels::concealedManoeuvreDrive},
    {"hasSolarSail", Place::drives, labels::solarSail},
    {"dropTankCapacityTons", Place::fuel, "Drop Tank Capacity (tons)"},
    {"fuelCargoContainerCapacityTons", Place::fuel, "Fuel/Cargo Container"},
    {"fuelTankCompartmentTons", Place::fuel, "Fuel Tank Compartments (tons)"},
    {"hasMetalHydrideStorage", Place::fuel, labels::metalHydrideStorage},
    {"mountableTankTons", Place::fuel, "Mountable Tanks (tons)"},
    {"hasRamscoops", Place::fuel, labels::ramscoops},
    {"accelerationBenchCount", Place::own, "Acceleration Benches", "Seating and Quarters"},
    {"accelerationSeatCount", Place::own, "Acceleration Seats"},
    {"barracksPassengerCount", Place::own, "Barracks (passengers)"},
    {"brigUnitCount", Place::own, labels::brigUnits},
    {"cabinSpaceTons", Place::own, "Cabin Space (tons)"},
    {"stableTons", Place::own, "Stables (tons)"},
    {"cargoNetCount", Place::own, "Cargo Nets", "Cargo Handling"},
    {"externalCargoMountTons", Place::own, "External Cargo Mount"},
    {"jumpNetTier", Place::own, "Jump Net"},
    {"jumpNetCargoTons", Place::own, "Jump Net Cargo (tons)"},
    {"loadingBeltTier", Place::own, "Loading Belt"},
    {"advancedProbeDronesTonnage", Place::own, "Advanced Probe Drones (tons)",
     "Sensors and Electronics"},
    {"hasCountermeasuresSuite", Place::own, "Countermeasures Suite"},
    {"hasMilitaryCountermeasuresSuite", Place::own, labels::militaryCountermeasuresSuite},
    {"deepPenetrationScannerTons", Place::own, "Deep Penetration Scanners (tons)"},
    {"sensorArrayEnhancement", Place::sensors, "Sensor Array Enhancement"},
    {"extensionNetTons", Place::own, "Extension Net (tons)"},
    {"hasLifeScanner", Place::own, "Life Scanner"},
    {"hasLifeScannerAnalysisSuite", Place::own, labels::lifeScannerAnalysisSuite},
    {"mailDistributionArrayTier", Place::own, "Mail Distribution Array"},
    {"hasMineralDetectionSuite", Place::own, "Mineral Detection Suite"},
    {"hasShallowPenetrationSuite", Place::own, labels::shallowPenetrationSuite},
    {"signalProcessingTier", Place::own, "Signal Processing"},
    {"hasSensorStation", Place::own, labels::sensorStation},
    {"hasBreachingTube", Place::own, "Breaching Tube", "Docking and Boarding"},
    {"dockingClampTier", Place::own, "Docking Clamps"},
    {"dockingClampCount", Place::own, "Docking Clamp Count"},
    {"grapplingArmCount", Place::own, "Grappling Arms"},
    {"heavyGrapplingArmCount", Place::own, "Heavy Grappling Arms"},
    {"hasTowCable", Place::own, labels::towCable},
    {"additionalAirlockTons", Place::own, "Additional Airlocks", "Ship Facilities"},
    {"armouryTons", Place::own, "Armoury (tons)"},
    {"biosphereTons", Place::own, "Biosphere (tons)"},
    {"boobyTrappedAirlockTier", Place::own, "Booby-Trapped Airlock"},
    {"briefingRoomCount", Place::own, "Briefing Rooms"},
    {"constructionDeckTons", Place::own, "Construction Deck"},
    {"fullHangarCraftTons", Place::own, labels::fullHangar},
    {"gravScreenTons", Place::own, "Grav Screen (tons)"},
    {"launchTubeCraftTons", Place::own, labels::launchTube},
    {"escapePodType", Place::own, "Escape Pods"},
    {"escapePodCount", Place::own, "Escape Pod Count"},
    {"recoveryDeckCraftTons", Place::own, labels::recoveryDeck},
    {"studioTons", Place::own, "Studio (tons)"},
    {"trainingFacilitiesTrainees", Place::own, labels::trainingFacilitiesTrainees},
    {"unrepSystemTons", Place::own, "UNREP System"},
    {"vaultTons", Place::own, "Vault (tons)"},
    {"workshopCount", Place::own, "Workshops"},
    {"advancedEntertainmentSystemCost", Place::own, labels::entertainmentSystemCost, "Luxuries"},
    {"breweryDistilleryUnits", Place::own, labels::breweryDistilleryUnits},
    {"gourmetKitchenDiners", Place::own, labels::gourmetKitchenDiners},
    {"hotTubCapacity", Place::own, "Hot Tub Capacity (persons)"},
    {"swimmingPoolType", Place::own, "Swimming Pool"},
    {"swimmingPoolTons", Place::own, "Swimming Pool (tons)"},
    {"theatreTier", Place::own, "Theatre"},
    {"theatreTons", Place::own, "Theatre (tons)"},
    {"hasWetBar", Place::own, labels::wetBar},
    {"hasZeroGRoomControls", Place::own, labels::zeroGRoomControls},
}};

const FieldEntry* entryFor(std::string_view key) {
    for (const auto& entry : fieldEntries) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

QString objectNameFor(std::string_view key) {
    return QStringLiteral("highGuard.") + qt(key);
}

template <typename Enum>
concept TechLevelTiered = requires(Enum value) {
    { requiredTechLevel(value) } -> std::same_as<int>;
};

// Builds the control of each option that belongs at one place.
struct FieldBuilder {
    DesignForm& form;
    QFormLayout* layout;
    Place place;

    const FieldEntry* wanted(std::string_view key) const {
        const FieldEntry* entry = entryFor(key);
        if (entry == nullptr || entry->place != place)
            return nullptr;
        if (!entry->group.empty())
            form.subheading(layout, qt(entry->group));
        return entry;
    }

    void operator()(std::string_view key, int& value, Range range) const {
        if (const FieldEntry* entry = wanted(key))
            form.number(layout, qt(entry->label), objectNameFor(key), &value, range);
    }

    void operator()(std::string_view key, bool& value) const {
        const FieldEntry* entry = wanted(key);
        if (entry == nullptr)
            return;
        const std::string field = "highGuard." + std::string(key);
        if (optionTechLevel(field))
            form.gatedToggle(layout, field, objectNameFor(key), &value);
        else
            form.toggle(layout, qt(entry->label), objectNameFor(key), &value);
    }

    template <typename Enum>
    requires std::is_enum_v<Enum>
    void operator()(std::string_view key, Enum& value) const {
        const FieldEntry* entry = wanted(key);
        if (entry == nullptr)
            return;
        TechLevelOf<Enum> techLevel;
        if constexpr (TechLevelTiered<Enum>)
            techLevel = [](Enum tier) { return requiredTechLevel(tier); };
        form.choice(layout, qt(entry->label), objectNameFor(key), &value, techLevel);
    }
};

// Like a full hangar, a construction deck holds a craft of half its own size.
int maxBuildTonnage(const HighGuardOptions& options) {
    return options.constructionDeckTons / 2;
}

} // namespace

void addHighGuardFields(DesignForm& form, QFormLayout* layout, HighGuardPlace place) {
    visitFields(form.design().highGuard, FieldBuilder{form, layout, place});
}

void addHighGuardStep(DesignForm& form, QVBoxLayout* column) {
    QFormLayout* layout = form.step(column, qt(labels::highGuardHeading), "highGuardStep");
    form.note(layout, qt(texts::highGuardSupersedes));
    addHighGuardFields(form, layout, HighGuardPlace::own);
    form.warning(layout, "externalCargoMountWarning", texts::externalCargoMountNotAllowed);
    const ShipDesign& design = form.design();
    QLabel* deck = form.readOut(layout, qt(labels::maxBuildTonnage), "maxBuildTonnage", [&design] {
        return tonsReadOut(maxBuildTonnage(design.highGuard));
    });
    form.showRowWhen(layout, deck, [&design] { return design.highGuard.constructionDeckTons > 0; });
    form.subheading(layout, QObject::tr("Totals"));
    form.readOut(layout, QObject::tr("High Guard Tonnage"), "highGuardTonnage",
                 [&form] { return tonsReadOut(highGuardTonnage(form.design())); });
    form.readOut(layout, QObject::tr("High Guard Cost"), "highGuardCost",
                 [&form] { return megaCreditsReadOut(highGuardCost(form.design())); });
    form.readOut(layout, QObject::tr("High Guard Power"), "highGuardPower",
                 [&form] { return powerReadOut(highGuardPower(form.design())); });
}

} // namespace velmora::ships
