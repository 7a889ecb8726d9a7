#include "ships/bridge_rules.h"
#include "ships/ship_labels.h"
#include "ships/ship_texts.h"
#include "ships/software_rules.h"
#include "ships/tech_level_gates.h"
#include "ships/ui/ship_designer_form.h"
#include "ships/ui/ship_designer_highguard.h"
#include "ships/ui/ship_designer_steps.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>

namespace velmora::ships {

namespace {

void addBridgeStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[6]), "bridgeStep");
    form.toggle(layout, qt(labels::useCockpit), "useCockpit", &design.useCockpit);
    const auto cockpit = [&design] { return design.useCockpit; };
    QCheckBox* dual =
        form.toggle(layout, qt(labels::dualCockpit), "dualCockpit", &design.dualCockpit);
    QCheckBox* ejector = form.toggle(layout, QObject::tr("Ejector Seat (+Cr5000)"),
                                     "cockpitEjectorSeat", &design.cockpitEjectorSeat);
    QLabel* lifeSupport = form.note(layout, qt(texts::cockpitLifeSupport), "cockpitNote");
    for (QWidget* row : {static_cast<QWidget*>(dual), static_cast<QWidget*>(ejector),
                         static_cast<QWidget*>(lifeSupport)})
        form.showRowWhen(layout, row, cockpit);
    QCheckBox* smaller = form.toggle(layout, qt(labels::smallerBridge), "smallerBridge",
                                     &design.smallerBridge, [&design]() -> std::optional<QString> {
                                         if (design.tonnage < smallestHullForSmallerBridge)
                                             return QObject::tr("Needs a hull of %1 tons or more")
                                                 .arg(smallestHullForSmallerBridge);
                                         return std::nullopt;
                                     });
    QCheckBox* command =
        form.toggle(layout, qt(labels::commandBridge), "commandBridge", &design.commandBridge);
    for (QWidget* row : {static_cast<QWidget*>(smaller), static_cast<QWidget*>(command)})
        form.showRowWhen(layout, row, [cockpit] { return !cockpit(); });
    form.readOut(layout, QObject::tr("Fitted"), "bridgeLabel",
                 [&design] { return qt(bridgeLabel(design)); });
    form.readOut(layout, QObject::tr("Bridge Tonnage"), "bridgeTonnage",
                 [&design] { return tonsReadOut(bridgeTonnage(design)); });
    form.readOut(layout, QObject::tr("Bridge Cost"), "bridgeCost",
                 [&design] { return megaCreditsReadOut(bridgeCost(design)); });
}

TechLevelOf<ComputerModel> computerTechLevel() {
    return [](ComputerModel model) { return requiredTechLevel(model); };
}

void addComputerStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[7]), "computerStep");
    form.note(layout, qt(texts::computersTakeNoTonnage));
    form.choice(layout, QObject::tr("Primary Computer"), "primaryComputer", &design.primaryComputer,
                computerTechLevel());
    form.toggle(layout, qt(labels::jumpControlSpecialisation),
                "primaryComputerJumpControlSpecialisation",
                &design.primaryComputerJumpControlSpecialisation);
    form.toggle(layout, qt(labels::hardenedSystems), "primaryComputerHardenedSystems",
                &design.primaryComputerHardenedSystems);
    form.toggle(layout, qt(labels::installBackupComputer), "hasBackupComputer",
                &design.hasBackupComputer);
    QComboBox* backup = form.choice(layout, QObject::tr("Backup Computer"), "backupComputer",
                                    &design.backupComputer, computerTechLevel());
    QCheckBox* backupBis = form.toggle(layout, qt(labels::jumpControlSpecialisation),
                                       "backupComputerJumpControlSpecialisation",
                                       &design.backupComputerJumpControlSpecialisation);
    QCheckBox* backupFib =
        form.toggle(layout, qt(labels::hardenedSystems), "backupComputerHardenedSystems",
                    &design.backupComputerHardenedSystems);
    for (QWidget* row : {static_cast<QWidget*>(backup), static_cast<QWidget*>(backupBis),
                         static_cast<QWidget*>(backupFib)})
        form.showRowWhen(layout, row, [&design] { return design.hasBackupComputer; });
    form.warning(layout, "backupComputerWarning", texts::backupComputerNotSmaller);
    form.readOut(layout, qt(labels::primaryComputerCost), "primaryComputerCost",
                 [&design] { return megaCreditsReadOut(primaryComputerCost(design)); });
    form.readOut(layout, qt(labels::backupComputerCost), "backupComputerCost",
                 [&design] { return megaCreditsReadOut(backupComputerCost(design)); });
    form.readOut(layout, qt(labels::totalComputerCost), "totalComputerCost",
                 [&design] { return megaCreditsReadOut(totalComputerCost(design)); });
    form.readOut(layout, qt(labels::jumpProcessing), "jumpProcessing",
                 [&design] { return QString::number(jumpProcessing(design)); });
}

// The software's rating pickers come from the rules' own list of programs.
void addProgram(DesignForm& form, QFormLayout* layout, const SoftwareProgram& program) {
    SoftwareSuite& software = form.design().software;
    const QString name = QStringLiteral("software.") + qt(program.name);
    const int highest = program.firstRating + static_cast<int>(program.tiers.size()) - 1;
    const auto techLevelOf = [&program](int rating) -> std::optional<int> {
        if (const auto tier = softwareTier(program, rating))
            return tier->minimumTechLevel;
        return std::nullopt;
    };
    if (program.installed == nullptr) {
        form.rating(layout, qt(program.label), name, &(software.*program.rating), 0, highest,
                    techLevelOf);
        return;
    }
    const int& rating = software.*program.rating;
    const ShipDesign& design = form.design();
    form.toggle(layout, qt(program.name), name + QStringLiteral(".installed"),
                &(software.*program.installed), [&design, &rating, techLevelOf] {
                    return techLevelReason(techLevelOf(rating).value_or(0), design.techLevel);
                });
    QComboBox* picker = form.rating(layout, qt(program.label), name, &(software.*program.rating),
                                    program.firstRating, highest, techLevelOf);
    form.showRowWhen(layout, picker, [&software, &program] { return software.*program.installed; });
}

void addSoftwareStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::softwareHeading), "softwareStep");
    form.note(layout, qt(texts::softwareFree));
    // Jump Control, Evade, Fire Control and Auto-Repair come first; the rest are
    // the advanced programs.
    constexpr std::size_t basicProgramCount = 4;
    std::size_t index = 0;
    for (const SoftwareProgram& program : softwarePrograms()) {
        if (index++ == basicProgramCount)
            form.subheading(layout, qt(labels::advancedSoftwareHeading));
        addProgram(form, layout, program);
    }
    form.toggle(layout, QObject::tr("Broad Spectrum EW"), "software.hasBroadSpectrumEW",
                &design.software.hasBroadSpectrumEW);
    form.toggle(layout, QObject::tr("Screen Optimiser"), "software.hasScreenOptimiser",
                &design.software.hasScreenOptimiser);
    form.readOut(layout, qt(labels::softwareBandwidthUsed), "softwareBandwidth", [&design] {
        return QObject::tr("%1 of %2")
            .arg(softwareBandwidth(design.software))
            .arg(computerProcessing(design.primaryComputer,
                                    design.primaryComputerJumpControlSpecialisation));
    });
    form.readOut(layout, QObject::tr("Software Cost"), "softwareCost",
                 [&design] { return megaCreditsReadOut(softwareCost(design.software)); });
    form.warning(layout, "softwareBandwidthWarning", texts::softwareBandwidthExceeded);
    form.warning(layout, "autoRepairWarning", texts::autoRepairNeedsDrones);
}

void addSensorsStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[8]), "sensorsStep");
    form.choice(
        layout, QObject::tr("Sensor Suite"), "sensorSuite", &design.sensorSuite,
        TechLevelOf<SensorSuite>([](SensorSuite suite) { return requiredTechLevel(suite); }));
    addHighGuardFields(form, layout, HighGuardPlace::sensors);
    form.readOut(layout, QObject::tr("Equipment"), "sensorEquipment",
                 [&design] { return qt(rulesFor(design.sensorSuite).equipment); });
    form.readOut(layout, qt(labels::electronicsDM), "electronicsDM", [&design] {
        const int dm = rulesFor(design.sensorSuite).electronicsDM;
        return (dm > 0 ? QStringLiteral("+") : QString()) + QString::number(dm);
    });
    form.readOut(layout, qt(labels::sensorPower), "sensorPower",
                 [&design] { return powerReadOut(sensorPower(design)); });
    form.readOut(layout, qt(labels::sensorTonnage), "sensorTonnage",
                 [&design] { return tonsReadOut(sensorTonnage(design)); });
    form.readOut(layout, QObject::tr("Sensor Cost"), "sensorCost",
                 [&design] { return megaCreditsReadOut(sensorCost(design)); });
}

} // namespace

void addControlSteps(DesignForm& form, QVBoxLayout* column) {
    addBridgeStep(form, column);
    addComputerStep(form, column);
    addSoftwareStep(form, column);
    addSensorsStep(form, column);
}

} // namespace velmora::ships
