#include "ships/ship_labels.h"
#include "ships/ship_texts.h"
#include "ships/systems_rules.h"
#include "ships/tech_level_gates.h"
#include "ships/ui/ship_designer_form.h"
#include "ships/ui/ship_designer_steps.h"
#include "ships/weapon_rules.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velmora::ships {

namespace {

// The list of mounts: one box per mount, made again whenever a mount is added or
// removed, and brought in step with the design on every refresh.
class WeaponMountsEditor {
public:
    WeaponMountsEditor(DesignForm& form, QVBoxLayout* list) : m_form(form), m_list(list) {}

    void refresh() {
        if (m_rows.size() != m_form.design().weaponMounts.size())
            rebuild();
        for (const auto& refreshRow : m_rows)
            refreshRow();
    }

private:
    WeaponMount& mount(std::size_t index) { return m_form.design().weaponMounts.at(index); }

    void rebuild() {
        // A box may be going because its own "Remove Mount" was clicked: it leaves the
        // window now and is deleted once that click is over.
        while (QLayoutItem* item = m_list->takeAt(0)) {
            if (QWidget* box = item->widget()) {
                box->hide();
                box->setParent(nullptr);
                box->deleteLater();
            }
            delete item;
        }
        m_rows.clear();
        for (std::size_t index = 0; index < m_form.design().weaponMounts.size(); ++index)
            addRow(index);
    }

    // Writes a change and lets the window work the figures out again.
    template <typename Write>
    void edit(std::size_t index, Write write) {
        if (m_updating)
            return;
        write(mount(index));
        m_form.edited();
    }

    template <typename Enum>
    QComboBox* picker(QFormLayout* layout, const QString& label, const QString& name) {
        auto* box = new QComboBox;
        box->setObjectName(name);
        addEnumItems<Enum>(box);
        layout->addRow(label, box);
        return box;
    }

    void addRow(std::size_t index) {
        const QString prefix = QStringLiteral("mount%1.").arg(index);
        auto* box = new QGroupBox(QObject::tr("Mount %1").arg(index + 1));
        box->setObjectName(prefix + QStringLiteral("box"));
        auto* layout = new QFormLayout(box);
        layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        auto* type = picker<WeaponMountType>(layout, QObject::tr("Mount"), prefix + "mountType");
        auto* popUp = new QCheckBox(qt(labels::popUpMounting));
        popUp->setObjectName(prefix + "popUpMounting");
        layout->addRow(popUp);
        auto* turret = picker<TurretWeapon>(layout, QObject::tr("Weapon"),
                                            prefix + QStringLiteral("turretWeapon"));
        auto* count = new QSpinBox;
        count->setObjectName(prefix + "turretWeaponCount");
        count->setKeyboardTracking(true);
        layout->addRow(QObject::tr("Weapons"), count);
        auto* barbette =
            picker<BarbetteWeapon>(layout, QObject::tr("Barbette"), prefix + "barbetteWeapon");
        auto* bay = picker<BayWeaponType>(layout, QObject::tr("Bay Weapon"), prefix + "bayWeapon");
        auto* figures = new QLabel;
        figures->setObjectName(prefix + "figures");
        layout->addRow(QObject::tr("Mount Figures"), figures);
        auto* remove = new QPushButton(QObject::tr("Remove Mount"));
        remove->setObjectName(prefix + "remove");
        layout->addRow(remove);
        m_list->addWidget(box);

        QObject::connect(type, &QComboBox::currentIndexChanged, box, [this, index, type] {
            edit(index, [type](WeaponMount& m) {
                m.mountType = static_cast<WeaponMountType>(type->currentData().toInt());
            });
        });
        QObject::connect(popUp, &QCheckBox::toggled, box, [this, index](bool on) {
            edit(index, [on](WeaponMount& m) { m.popUpMounting = on; });
        });
        QObject::connect(turret, &QComboBox::currentIndexChanged, box, [this, index, turret] {
            edit(index, [turret](WeaponMount& m) {
                m.turretWeapon = static_cast<TurretWeapon>(turret->currentData().toInt());
            });
        });
        QObject::connect(count, &QSpinBox::valueChanged, box, [this, index](int value) {
            edit(index, [value](WeaponMount& m) { m.turretWeaponCount = value; });
        });
        QObject::connect(barbette, &QComboBox::currentIndexChanged, box, [this, index, barbette] {
            edit(index, [barbette](WeaponMount& m) {
                m.barbetteWeapon = static_cast<BarbetteWeapon>(barbette->currentData().toInt());
            });
        });
        QObject::connect(bay, &QComboBox::currentIndexChanged, box, [this, index, bay] {
            edit(index, [bay](WeaponMount& m) {
                m.bayWeapon = static_cast<BayWeaponType>(bay->currentData().toInt());
            });
        });
        QObject::connect(remove, &QPushButton::clicked, box, [this, index] {
            auto& mounts = m_form.design().weaponMounts;
            mounts.erase(mounts.begin() + static_cast<std::ptrdiff_t>(index));
            m_form.edited();
        });

        m_rows.push_back([this, index, layout, type, popUp, turret, count, barbette, bay, figures] {
            m_updating = true;
            const WeaponMount& m = mount(index);
            const int techLevel = m_form.design().techLevel;
            showComboValue(
                type, static_cast<int>(m.mountType),
                [](int value) { return requiredTechLevel(static_cast<WeaponMountType>(value)); },
                techLevel);
            const bool turreted = holdsTurretWeapons(m.mountType);
            const QSignalBlocker blockPopUp(popUp);
            popUp->setChecked(m.popUpMounting);
            const auto popUpReason = techLevelReason(popUpTechLevel, techLevel);
            popUp->setEnabled(!popUpReason || m.popUpMounting);
            popUp->setToolTip(popUpReason.value_or(QString()));
            showComboValue(
                turret, static_cast<int>(m.turretWeapon),
                [](int value) { return requiredTechLevel(static_cast<TurretWeapon>(value)); },
                techLevel);
            {
                const QSignalBlocker blockCount(count);
                count->setRange(0, std::max(rulesFor(m.mountType).capacity, m.turretWeaponCount));
                count->setValue(m.turretWeaponCount);
            }
            showComboValue(
                barbette, static_cast<int>(m.barbetteWeapon),
                [](int value) { return requiredTechLevel(static_cast<BarbetteWeapon>(value)); },
                techLevel);
            const WeaponMountType bayType = m.mountType;
            showComboValue(
                bay, static_cast<int>(m.bayWeapon),
                [bayType](int value) {
                    return requiredTechLevel(static_cast<BayWeaponType>(value), bayType);
                },
                techLevel);
            for (QWidget* row : {static_cast<QWidget*>(popUp), static_cast<QWidget*>(turret),
                                 static_cast<QWidget*>(count)})
                layout->setRowVisible(row, turreted);
            layout->setRowVisible(barbette, m.mountType == WeaponMountType::barbette);
            layout->setRowVisible(bay, isBay(m.mountType));
            figures->setText(QObject::tr("%1, %2, Power %3, TL%4")
                                 .arg(tonsReadOut(mountTonnage(m)),
                                      megaCreditsReadOut(mountCost(m)), powerReadOut(mountPower(m)))
                                 .arg(mountTechLevel(m)));
            m_updating = false;
        });
    }

    DesignForm& m_form;
    QVBoxLayout* m_list;
    std::vector<std::function<void()>> m_rows;
    bool m_updating = false;
};

// A carried craft is optional: a field left empty or at 0 is not stored.
void addCarriedCraft(DesignForm& form, QFormLayout* layout) {
    ShipDesign& design = form.design();
    auto* name = new QLineEdit;
    name->setObjectName("carriedCraftName");
    name->setPlaceholderText(QObject::tr("None"));
    layout->addRow(QObject::tr("Carried Craft"), name);
    QObject::connect(name, &QLineEdit::textEdited, name, [&form, &design](const QString& text) {
        if (text.isEmpty())
            design.carriedCraftName.reset();
        else
            design.carriedCraftName = text.toStdString();
        form.edited();
    });
    auto* tons = new QSpinBox;
    tons->setObjectName("carriedCraftTonnage");
    tons->setRange(amounts.lowest, amounts.highest);
    tons->setSuffix(QObject::tr(" tons"));
    layout->addRow(QObject::tr("Carried Craft Tonnage"), tons);
    QObject::connect(tons, &QSpinBox::valueChanged, tons, [&form, &design](int value) {
        if (value == design.carriedCraftTonnage.value_or(0))
            return;
        if (value == 0)
            design.carriedCraftTonnage.reset();
        else
            design.carriedCraftTonnage = value;
        form.edited();
    });
    auto* price = new QDoubleSpinBox;
    price->setObjectName("carriedCraftPrice");
    price->setDecimals(0);
    price->setRange(craftPrices.lowest, craftPrices.highest);
    price->setPrefix(QStringLiteral("Cr"));
    layout->addRow(QObject::tr("Carried Craft Price"), price);
    QObject::connect(price, &QDoubleSpinBox::valueChanged, price, [&form, &design](double value) {
        if (value == design.carriedCraftPrice.value_or(0))
            return;
        if (value == 0)
            design.carriedCraftPrice.reset();
        else
            design.carriedCraftPrice = value;
        form.edited();
    });
    form.onRefresh([name, tons, price, &design] {
        const QString shown = qt(design.carriedCraftName.value_or(std::string()));
        // Left alone while it says the same, so the cursor stays where the referee types.
        if (name->text() != shown) {
            const QSignalBlocker blocker(name);
            name->setText(shown);
        }
        const QSignalBlocker blockTons(tons);
        tons->setValue(design.carriedCraftTonnage.value_or(0));
        const QSignalBlocker blockPrice(price);
        price->setValue(design.carriedCraftPrice.value_or(0));
    });
    form.warning(layout, "carriedCraftWarning", texts::carriedCraftTooLarge);
}

} // namespace

void addWeaponStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[9]), "weaponsStep");
    form.note(layout, qt(texts::weaponsScope));
    auto* mounts = new QWidget;
    mounts->setObjectName("weaponMounts");
    auto* list = new QVBoxLayout(mounts);
    list->setContentsMargins(0, 0, 0, 0);
    layout->addRow(mounts);
    auto editor = std::make_shared<WeaponMountsEditor>(form, list);
    form.onRefresh([editor] { editor->refresh(); });
    auto* add = new QPushButton(qt(labels::addWeaponMount));
    add->setObjectName("addWeaponMount");
    layout->addRow(add);
    QObject::connect(add, &QPushButton::clicked, add, [&form, &design] {
        WeaponMount mount;
        mount.id = core::Uuid::generate();
        design.weaponMounts.push_back(mount);
        form.edited();
    });
    form.readOut(layout, qt(labels::hardpointsUsed), "hardpointsUsed", [&design] {
        return QObject::tr("%1 of %2").arg(hardpointsUsed(design)).arg(hardpointsAvailable(design));
    });
    form.readOut(layout, QObject::tr("Weapons Tonnage"), "weaponsTonnage",
                 [&design] { return tonsReadOut(weaponTonnage(design)); });
    form.readOut(layout, QObject::tr("Weapons Cost"), "weaponsCost",
                 [&design] { return megaCreditsReadOut(weaponCost(design)); });
    form.readOut(layout, QObject::tr("Weapons Power"), "weaponsPower",
                 [&design] { return powerReadOut(weaponPower(design)); });
    form.warning(layout, "hardpointsWarning", texts::hardpointsExceeded);
}

void addSystemsStep(DesignForm& form, QVBoxLayout* column) {
    ShipDesign& design = form.design();
    QFormLayout* layout = form.step(column, qt(labels::stepHeadings[10]), "systemsStep");
    form.note(layout, qt(texts::optionalSystemsScope));
    form.toggle(layout, qt(labels::aerofins), "hasAerofins", &design.hasAerofins);
    form.toggle(layout, QObject::tr("Cargo Crane"), "hasCargoCrane", &design.hasCargoCrane);
    QSpinBox* crane =
        form.number(layout, QObject::tr("Cargo Space the Crane Serves"), "cargoCraneCargoSpaceTons",
                    &design.cargoCraneCargoSpaceTons, amounts, QObject::tr(" tons"));
    form.showRowWhen(layout, crane, [&design] { return design.hasCargoCrane; });
    form.dynamicNote(layout, "cargoCraneNote", [&form] {
        if (!form.design().hasCargoCrane)
            return QString();
        return qt(texts::cargoCraneBefore) + qt(tonsText(form.summary().cargoSpace)) +
               qt(texts::cargoCraneAfter);
    });
    form.toggle(layout, QObject::tr("Cargo Scoop"), "hasCargoScoop", &design.hasCargoScoop);
    form.number(layout, qt(labels::collapsibleFuelTankCapacity), "collapsibleFuelTankCapacityTons",
                &design.collapsibleFuelTankCapacityTons, amounts, QObject::tr(" tons"));
    form.number(layout, qt(labels::concealedCompartment), "concealedCompartmentTonnage",
                &design.concealedCompartmentTonnage, amounts, QObject::tr(" tons"));
    form.number(layout, QObject::tr("Docking Space"), "dockingSpaceTonnage",
                &design.dockingSpaceTonnage, amounts, QObject::tr(" tons"));
    addCarriedCraft(form, layout);
    form.number(layout, QObject::tr("Mining Drones"), "miningDronesTonnage",
                &design.miningDronesTonnage, amounts, QObject::tr(" tons"));
    form.number(layout, QObject::tr("Probe Drones"), "probeDronesTonnage",
                &design.probeDronesTonnage, amounts, QObject::tr(" tons"));
    form.number(layout, QObject::tr("Repair Drones"), "repairDronesTonnage",
                &design.repairDronesTonnage, amounts, QObject::tr(" tons"));
    form.number(layout, QObject::tr("Fuel Processor"), "fuelProcessorTonnage",
                &design.fuelProcessorTonnage, amounts, QObject::tr(" tons"));
    form.toggle(layout, qt(labels::fuelScoop), "hasFuelScoop", &design.hasFuelScoop);
    form.toggle(layout, qt(labels::airRaft), "hasAirRaft", &design.hasAirRaft);
    form.number(layout, QObject::tr("High Staterooms"), "highStateroomCount",
                &design.highStateroomCount, amounts);
    form.gatedToggle(layout, "hasHolographicControls", "hasHolographicControls",
                     &design.hasHolographicControls);
    form.gatedToggle(layout, "hasHolographicHull", "hasHolographicHull",
                     &design.hasHolographicHull);
    form.number(layout, QObject::tr("Laboratory"), "laboratoryTonnage", &design.laboratoryTonnage,
                amounts, QObject::tr(" tons"));
    form.gatedToggle(layout, "hasLibrary", "hasLibrary", &design.hasLibrary);
    form.number(layout, qt(labels::luxuryStaterooms), "luxuryStateroomCount",
                &design.luxuryStateroomCount, amounts);
    form.number(layout, QObject::tr("Medical Bays"), "medicalBayCount", &design.medicalBayCount,
                amounts);
    form.number(layout, QObject::tr("Multi-Environment Space"), "multiEnvironmentTonnage",
                &design.multiEnvironmentTonnage, amounts, QObject::tr(" tons"));
    form.readOut(layout, QObject::tr("Optional Systems Tonnage"), "optionalSystemsTonnage",
                 [&design] { return tonsReadOut(optionalSystemsTonnage(design)); });
    form.readOut(layout, qt(labels::optionalSystemsCost), "optionalSystemsCost",
                 [&design] { return megaCreditsReadOut(optionalSystemsCost(design)); });
}

} // namespace velmora::ships
