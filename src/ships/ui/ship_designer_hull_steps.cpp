#include "ships/drive_rules.h"
#include "ships/fuel_rules.h"
#include "ships/highguard_rules.h"
#include "ships/hull_rules.h"
#include "ships/power_rules.h"
#include "ships/ship_labels.h"
#include "ships/ship_texts.h"
#include "ships/tech_level_gates.h"
#include "ships/ui/ship_designer_form.h"
#include "ships/ui/ship_designer_highguard.h"
#include "ships/ui/ship_designer_steps.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace velmora::ships {

namespace {

void addHullStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[0]), "hullStep");
    form.number(layout, QObject::tr("Hull Tonnage"), "tonnage", &design.tonnage, hullTons,
                QObject::tr(" tons"));
    form.number(layout, QObject::tr("Tech Level"), "techLevel", &design.techLevel, techLevels);
    form.choice(layout, QObject::tr("Configuration"), "configuration", &design.configuration);
    form.readOut(layout, qt(labels::hullPoints), "hullPoints",
                 [&design] { return QString::number(hullPoints(design)); });
    form.readOut(layout, qt(labels::hullCost), "hullCost",
                 [&design] { return megaCreditsReadOut(hullCost(design)); });
    form.readOut(layout, qt(labels::streamlining), "streamlining", [&design] {
        return design.configuration == HullConfiguration::streamlined ? QObject::tr("Yes")
                                                                      : QObject::tr("No");
    });
}

void addArmourStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[1]), "armourStep");
    const auto dispersed = [&design] {
        return design.configuration == HullConfiguration::dispersedStructure;
    };
    QComboBox* material = form.choice(layout, QObject::tr("Armour"), "armour", &design.armour);
    QSpinBox* protection =
        form.number(layout, QObject::tr("Protection"), "armourProtection", &design.armourProtection,
                    [&design] { return maximumArmourProtection(design); });
    QLabel* tons = form.readOut(layout, QObject::tr("Armour Tonnage"), "armourTonnage",
                                [&design] { return tonsReadOut(armourTonnage(design)); });
    QLabel* cost = form.readOut(layout, QObject::tr("Armour Cost"), "armourCost",
                                [&design] { return megaCreditsReadOut(armourCost(design)); });
    for (QWidget* control : {static_cast<QWidget*>(material), static_cast<QWidget*>(protection),
                             static_cast<QWidget*>(tons), static_cast<QWidget*>(cost)})
        form.showRowWhen(layout, control, [dispersed] { return !dispersed(); });
    QLabel* instead = form.note(layout, qt(texts::dispersedStructureArmour), "dispersedArmourNote");
    form.showRowWhen(layout, instead, dispersed);
}

void addHullOptionsStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[2]), "hullOptionsStep");
    form.gatedToggle(layout, "heatShielding", "heatShielding", &design.heatShielding);
    form.gatedToggle(layout, "radiationShielding", "radiationShielding",
                     &design.radiationShielding);
    form.gatedToggle(layout, "reflec", "reflec", &design.reflec);
    form.choice(layout, QObject::tr("Stealth"), "stealth", &design.stealth);
    form.readOut(layout, qt(labels::hullOptionsCost), "hullOptionsCost",
                 [&design] { return megaCreditsReadOut(hullOptionsCost(design)); });
    form.subheading(layout, qt(labels::highGuardHeading));
    addHighGuardFields(form, layout, HighGuardPlace::hullOptions);
    form.readOut(layout, QObject::tr("High Guard Hull Tonnage"), "highGuardHullTonnage",
                 [&design] { return tonsReadOut(highGuardHullEffects(design).hullTons()); });
    form.readOut(layout, QObject::tr("High Guard Hull Cost"), "highGuardHullCost",
                 [&design] { return megaCreditsReadOut(highGuardHullEffects(design).hullCost()); });
}

void addDrivesStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[3]), "drivesStep");
    form.rating(layout, QObject::tr("Manoeuvre Drive Thrust"), "manoeuvreDriveRating",
                &design.manoeuvreDriveRating, manoeuvreRatings.lowest, manoeuvreRatings.highest,
                manoeuvreRatingTechLevel);
    form.readOut(layout, QObject::tr("Manoeuvre Tonnage"), "manoeuvreTonnage",
                 [&design] { return tonsReadOut(manoeuvreDriveTonnage(design)); });
    form.readOut(layout, qt(labels::manoeuvreCost), "manoeuvreCost",
                 [&design] { return megaCreditsReadOut(manoeuvreDriveCost(design)); });
    addHighGuardFields(form, layout, HighGuardPlace::drives);
    QLabel* effective =
        form.readOut(layout, qt(labels::effectiveManoeuvreThrust), "effectiveManoeuvreThrust",
                     [&design] { return qt(tonsText(effectiveManoeuvreThrust(design))); });
    form.showRowWhen(layout, effective,
                     [&design] { return design.highGuard.hasConcealedManoeuvreDrive; });

    form.gatedToggle(layout, "hasReactionDrive", "hasReactionDrive", &design.hasReactionDrive);
    const auto reaction = [&design] { return design.hasReactionDrive; };
    QComboBox* reactionRating =
        form.rating(layout, QObject::tr("Reaction Drive Thrust"), "reactionDriveRating",
                    &design.reactionDriveRating, reactionRatings.lowest, reactionRatings.highest,
                    reactionRatingTechLevel);
    QLabel* reactionTons =
        form.readOut(layout, QObject::tr("Reaction Tonnage"), "reactionTonnage",
                     [&design] { return tonsReadOut(reactionDriveTonnage(design)); });
    QLabel* reactionCost =
        form.readOut(layout, QObject::tr("Reaction Cost"), "reactionCost",
                     [&design] { return megaCreditsReadOut(reactionDriveCost(design)); });
    for (QWidget* row : {static_cast<QWidget*>(reactionRating), static_cast<QWidget*>(reactionTons),
                         static_cast<QWidget*>(reactionCost)})
        form.showRowWhen(layout, row, reaction);

    // The jump drive needs both the tech level and a hull big enough for it.
    form.toggle(
        layout, optionLabel("hasJumpDrive"), "hasJumpDrive", &design.hasJumpDrive,
        [&design]() -> std::optional<QString> {
            if (auto reason = techLevelReason(*optionTechLevel("hasJumpDrive"), design.techLevel))
                return reason;
            if (design.tonnage < smallestJumpCapableHull)
                return QObject::tr("Needs a hull of %1 tons or more").arg(smallestJumpCapableHull);
            return std::nullopt;
        });
    const auto jump = [&design] { return design.hasJumpDrive; };
    QComboBox* jumpRating =
        form.rating(layout, QObject::tr("Jump Rating"), "jumpDriveRating", &design.jumpDriveRating,
                    1, jumpRatings.highest, jumpRatingTechLevel);
    QLabel* jumpTons = form.readOut(layout, qt(labels::jumpTonnage), "jumpTonnage",
                                    [&design] { return tonsReadOut(jumpDriveTonnage(design)); });
    QLabel* jumpCost = form.readOut(layout, qt(labels::jumpCost), "jumpCost", [&design] {
        return megaCreditsReadOut(jumpDriveCost(design));
    });
    for (QWidget* row : {static_cast<QWidget*>(jumpRating), static_cast<QWidget*>(jumpTons),
                         static_cast<QWidget*>(jumpCost)})
        form.showRowWhen(layout, row, jump);
    form.warning(layout, "jumpDriveWarning", texts::jumpDriveTooSmall);
    form.readOut(layout, qt(labels::combinedThrust), "combinedThrust",
                 [&design] { return qt(tonsText(combinedThrust(design))); });
}

void addPowerPlantStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[4]), "powerPlantStep");
    form.choice(
        layout, QObject::tr("Power Plant Type"), "powerPlantType", &design.powerPlantType,
        TechLevelOf<PowerPlantType>([](PowerPlantType type) { return requiredTechLevel(type); }));
    form.number(layout, QObject::tr("Power Plant Tonnage"), "powerPlantTonnage",
                &design.powerPlantTonnage, amounts, QObject::tr(" tons"));
    form.readOut(layout, qt(labels::powerOutput), "powerOutput",
                 [&design] { return powerReadOut(powerOutput(design)); });
    form.readOut(layout, QObject::tr("Power Requirement"), "powerRequirement",
                 [&form] { return powerReadOut(form.summary().powerRequirement); });
    form.readOut(layout, QObject::tr("Jump Power"), "jumpPower",
                 [&design] { return powerReadOut(jumpPower(design)); });
    form.readOut(layout, QObject::tr("Power Plant Cost"), "powerPlantCost",
                 [&design] { return megaCreditsReadOut(powerPlantCost(design)); });
    addHighGuardFields(form, layout, HighGuardPlace::power);
    form.warning(layout, "powerDayToDayWarning", texts::powerShortDayToDay);
    form.warning(layout, "powerForJumpWarning", texts::powerShortForJump);
}

void addFuelStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[5]), "fuelStep");
    form.note(layout, qt(texts::noFuelCost));
    QSpinBox* jumps = form.number(layout, QObject::tr("Jumps Carried"), "jumpsCarried",
                                  &design.jumpsCarried, jumpsOfFuel);
    QLabel* jumpFuel = form.readOut(layout, qt(labels::jumpFuel), "jumpFuel",
                                    [&design] { return tonsReadOut(jumpFuelTonnage(design)); });
    for (QWidget* row : {static_cast<QWidget*>(jumps), static_cast<QWidget*>(jumpFuel)})
        form.showRowWhen(layout, row, [&design] { return design.hasJumpDrive; });
    form.number(layout, qt(labels::powerPlantRunway), "powerPlantFuelWeeks",
                &design.powerPlantFuelWeeks, weeksOfFuel, qt(labels::weeksSuffix));
    form.readOut(layout, QObject::tr("Power Plant Fuel"), "powerPlantFuel",
                 [&design] { return tonsReadOut(powerPlantFuelTonnage(design)); });
    QSpinBox* hours =
        form.number(layout, qt(labels::reactionDriveHours), "reactionDriveOperatingHours",
                    &design.reactionDriveOperatingHours, hoursOfReactionFuel);
    QLabel* reactionFuel =
        form.readOut(layout, QObject::tr("Reaction Fuel"), "reactionFuel",
                     [&design] { return tonsReadOut(reactionFuelTonnage(design)); });
    for (QWidget* row : {static_cast<QWidget*>(hours), static_cast<QWidget*>(reactionFuel)})
        form.showRowWhen(layout, row, [&design] { return design.hasReactionDrive; });
    form.readOut(layout, QObject::tr("Total Fuel"), "totalFuel",
                 [&design] { return tonsReadOut(totalFuelTonnage(design)); });
    form.subheading(layout, qt(labels::highGuardHeading));
    addHighGuardFields(form, layout, HighGuardPlace::fuel);
    form.readOut(layout, qt(labels::fuelTankCompartmentsCost), "fuelTankCompartmentsCost",
                 [&design] {
                     double cost = 0;
                     for (const auto& line : highGuardFittings(design)) {
                         if (line.label == "Fuel Tank Compartments")
                             cost += line.cost;
                     }
                     return megaCreditsReadOut(cost);
                 });
}

} // namespace

void addHullSteps(DesignForm& form, QVBoxLayout* column) {
    addHullStep(form, column);
    addArmourStep(form, column);
    addHullOptionsStep(form, column);
    addDrivesStep(form, column);
    addPowerPlantStep(form, column);
    addFuelStep(form, column);
}

} // namespace velmora::ships
