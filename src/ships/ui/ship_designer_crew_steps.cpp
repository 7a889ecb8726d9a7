#include "ships/crew_rules.h"
#include "ships/highguard_rules.h"
#include "ships/ship_labels.h"
#include "ships/ship_texts.h"
#include "ships/ui/ship_designer_form.h"
#include "ships/ui/ship_designer_steps.h"
#include "ships/weapon_rules.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace velmora::ships {

namespace {

QString perMonthReadOut(double credits) {
    return qt(perMonthText(credits));
}

void addCrewStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[11]), "crewStep");
    form.choice(layout, QObject::tr("Crew Type"), "crewType", &design.crewType);
    for (std::size_t role = 0; role < crewRoleCount; ++role) {
        const QString label = qt(crewRoleLabels[role]);
        form.readOut(layout, label, QStringLiteral("crew.") + label, [&form, role] {
            const int count = form.summary().crew.byRole[role];
            const double salary =
                count * salaryPerMonth(static_cast<CrewRole>(role), form.design().crewType);
            return count == 0 ? QStringLiteral("0")
                              : QObject::tr("%1 (%2)").arg(count).arg(perMonthReadOut(salary));
        });
    }
    form.dynamicNote(layout, "crewMultiplierNote", [&design] {
        if (crewMultiplierPercent(design.tonnage) == 100)
            return QString();
        return qt(crewMultiplierText(design.tonnage)) + qt(texts::crewMultiplierAfter);
    });
    form.dynamicNote(layout, "bayGunnersNote", [&design] {
        return hasBayWeapons(design) ? qt(texts::bayGunners) : QString();
    });
    QLabel* middle =
        form.readOut(layout, QObject::tr("Middle Passengers"), "middlePassengers",
                     [&form] { return QString::number(form.summary().crew.middlePassengers); });
    QLabel* middleNote = form.note(layout, qt(texts::middlePassengers), "middlePassengersNote");
    for (QWidget* row : {static_cast<QWidget*>(middle), static_cast<QWidget*>(middleNote)})
        form.showRowWhen(layout, row, [&form] { return form.summary().crew.middlePassengers > 0; });
    form.toggle(layout, qt(labels::overrideActualCrewSize), "overrideActualCrewCount",
                &design.overrideActualCrewCount);
    form.note(layout, qt(texts::crewOverride));
    QSpinBox* actual = form.number(layout, QObject::tr("Actual Crew Size"), "actualCrewCount",
                                   &design.actualCrewCount, amounts);
    form.showRowWhen(layout, actual, [&design] { return design.overrideActualCrewCount; });
    form.readOut(layout, qt(labels::totalCrew), "totalCrew",
                 [&form] { return QString::number(form.summary().crewTotal); });
    form.readOut(layout, QObject::tr("Crew Salaries"), "crewSalaries",
                 [&form] { return perMonthReadOut(form.summary().salariesPerMonth); });
}

void addStateroomsStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[12]), "stateroomsStep");
    form.number(layout, QObject::tr("Staterooms"), "stateroomCount", &design.stateroomCount,
                amounts);
    form.toggle(layout, qt(labels::doubleOccupancy), "doubleOccupancy", &design.doubleOccupancy);
    form.readOut(layout, qt(labels::stateroomCapacity), "stateroomCapacity",
                 [&design] { return QString::number(stateroomCapacity(design)); });
    form.number(layout, QObject::tr("Common Areas"), "commonAreaTonnage", &design.commonAreaTonnage,
                amounts, QObject::tr(" tons"));
    form.readOut(layout, qt(labels::recommendedCommonArea), "recommendedCommonArea",
                 [&design] { return tonsReadOut(recommendedCommonArea(design)); });
    form.number(layout, QObject::tr("Low Berths"), "lowBerthCount", &design.lowBerthCount, amounts);
    form.number(layout, QObject::tr("Emergency Low Berths"), "emergencyLowBerthCount",
                &design.emergencyLowBerthCount, amounts);
    form.readOut(layout, QObject::tr("Passengers"), "passengers", [&design] {
        QStringList lines;
        for (const auto& line : passengers(design))
            lines << QObject::tr("%1: %2").arg(qt(line.label)).arg(line.count);
        return lines.isEmpty() ? QObject::tr("None") : lines.join('\n');
    });
}

void addCargoStep(DesignForm& form, QVBoxLayout* column) {
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[13]), "cargoStep");
    form.note(layout, qt(texts::freeCargo));
    form.readOut(layout, QObject::tr("Tonnage Used"), "tonnageUsed", [&form] {
        return QObject::tr("%1 of %2 tons")
            .arg(qt(tonsText(form.summary().tonnageUsed)))
            .arg(form.summary().tonnage);
    });
    form.readOut(layout, QObject::tr("Cargo Space"), "cargoSpace",
                 [&form] { return tonsReadOut(form.summary().cargoSpace); });
    form.warning(layout, "tonnageWarning", texts::tonnageExceeded);
}

void addFinalizeStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[14]), "finalizeStep");
    const ShipSummary& s = form.summary();
    form.readOut(layout, qt(labels::totalShipCost), "totalShipCost",
                 [&s] { return megaCreditsReadOut(s.totalCost); });
    form.toggle(layout, qt(labels::standardPurchaseDiscount), "applyTenPercentDiscount",
                &design.applyTenPercentDiscount);
    form.readOut(layout, QObject::tr("Purchase Cost"), "purchaseCost",
                 [&s] { return megaCreditsReadOut(s.purchaseCost); });
    form.readOut(layout, qt(labels::maintenanceCost), "maintenanceCost",
                 [&s] { return perMonthReadOut(s.maintenancePerMonth); });
    form.readOut(layout, qt(labels::lifeSupportStaterooms), "lifeSupportStaterooms",
                 [&s] { return perMonthReadOut(s.lifeSupport.staterooms); });
    form.readOut(layout, qt(labels::lifeSupportCrewAndPassengers), "lifeSupportCrewAndPassengers",
                 [&s] { return perMonthReadOut(s.lifeSupport.crewAndPassengers); });
    form.readOut(layout, qt(labels::lifeSupportLowBerths), "lifeSupportLowBerths",
                 [&s] { return perMonthReadOut(s.lifeSupport.lowBerths); });
    form.readOut(layout, qt(labels::lifeSupportHighGuardHighAndLuxury),
                 "lifeSupportHighGuardHighAndLuxury",
                 [&s] { return perMonthReadOut(s.lifeSupport.highGuardHighAndLuxury); });
    form.readOut(layout, qt(labels::totalLifeSupport), "totalLifeSupport",
                 [&s] { return perMonthReadOut(s.lifeSupportPerMonth); });
    form.note(layout, qt(texts::lifeSupportBasis));
    form.dynamicNote(layout, "biosphereNote", [&design] {
        if (design.highGuard.biosphereTons <= 0)
            return QString();
        return qt(texts::biosphereBefore) + QString::number(biospherePassengers(design)) +
               qt(texts::biosphereAfter);
    });
    form.readOut(layout, qt(labels::totalMonthlyCosts), "totalMonthlyCosts",
                 [&s] { return perMonthReadOut(s.totalMonthlyCosts); });
    form.readOut(layout, QObject::tr("Crew Salaries"), "finalSalaries",
                 [&s] { return perMonthReadOut(s.salariesPerMonth); });
}

} // namespace

void addCrewSteps(DesignForm& form, QVBoxLayout* column) {
    addCrewStep(form, column);
    addStateroomsStep(form, column);
    addCargoStep(form, column);
    addFinalizeStep(form, column);
}

} // namespace velmora::ships
