#include "campaign/ui/ship_manifest_section.h"

#include "campaign/gamemastering.h"
#include "campaign/manifest_operations.h"
#include "core/credits.h"
#include "ships/saved_ship_designs_store.h"
#include "ui/cargo_sale.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace velmora::campaign {

namespace {

using Tank = trade::ShipManifest::AuxiliaryTank;
using trade::ManifestEntry;

QString credits(core::Credits amount) {
    return ui::qt(core::creditsText(amount));
}

// "**Cr40000 total**" in bold, as the journal writes it.
QString boldMarkup(const std::string& text) {
    const QStringList parts = ui::qt(text).split(QStringLiteral("**"));
    QString html;
    for (qsizetype i = 0; i < parts.size(); ++i)
        html += i % 2 == 1 ? QStringLiteral("<b>%1</b>").arg(parts[i].toHtmlEscaped())
                           : parts[i].toHtmlEscaped();
    return html;
}

QString entryStatus(const ManifestEntry& entry) {
    switch (entry.kind) {
    case ManifestEntry::Kind::passengers:
        return QObject::tr("Paid at booking (%1 each)").arg(credits(entry.creditsPerUnit));
    case ManifestEntry::Kind::cargo:
        return QObject::tr("Bought at %1/ton%2")
            .arg(credits(entry.creditsPerUnit),
                 entry.illegal ? QObject::tr(" · contraband") : QString());
    case ManifestEntry::Kind::freight:
    case ManifestEntry::Kind::mail:
        break;
    }
    const core::Credits due = amountDue(entry);
    return due > 0 ? QObject::tr("Due on delivery %1").arg(credits(due)) : QObject::tr("Paid");
}

} // namespace

ShipManifestSection::ShipManifestSection(Gamemastering& store, universe::UniverseManager& manager,
                                         QWidget* parent)
    : QWidget(parent), m_store(store), m_manager(manager), m_confirm(ui::askWithMessageBox()) {
    setObjectName(QStringLiteral("shipManifestSection"));
    m_error = ui::messageLine(QStringLiteral("manifestError"), true);
    m_done = ui::messageLine(QStringLiteral("manifestDone"), false);
    m_done->setTextFormat(Qt::RichText);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(8, 10, 8, 8);
    m_layout->addWidget(m_error);
    m_layout->addWidget(m_done);
}

void ShipManifestSection::setShipDesigns(ships::SavedShipDesignsStore* designs) {
    m_designs = designs;
    if (const Campaign* campaign = m_store.selectedCampaign())
        showCampaign(*campaign);
}

QPushButton* ShipManifestSection::button(const QString& text, const QString& name) {
    auto* made = new QPushButton(text, m_content);
    made->setObjectName(name);
    return made;
}

void ShipManifestSection::showCampaign(const Campaign& campaign) {
    m_capacity.reset();
    m_shipName.clear();
    if (m_designs && campaign.shipDesignID) {
        if (const auto saved = m_designs->load(*campaign.shipDesignID)) {
            m_capacity = shipCapacity(saved->design);
            m_shipName = saved->shipName.empty() ? saved->configurationName : saved->shipName;
        }
    }
    rebuild(campaign);
}

void ShipManifestSection::rebuild(const Campaign& campaign) {
    if (m_content) {
        m_layout->removeWidget(m_content);
        m_content->deleteLater();
    }
    m_content = new QWidget(this);
    m_contentLayout = new QVBoxLayout(m_content);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_layout->insertWidget(0, m_content, 1);

    auto* ship = new QLabel(m_content);
    ship->setObjectName(QStringLiteral("manifestShip"));
    ui::makeTitle(ship);
    ship->setText(m_capacity ? ui::qt(m_shipName) : ui::qt(std::string(noShipText)));
    m_contentLayout->addWidget(ship);
    auto* money =
        new QLabel(tr("Common Credits: %1").arg(credits(campaign.commonCredits)), m_content);
    money->setObjectName(QStringLiteral("manifestCredits"));
    m_contentLayout->addWidget(money);
    if (m_capacity) {
        const trade::ShipManifest& manifest = campaign.manifest;
        QStringList lines;
        lines << tr("Cargo: %1").arg(ui::qt(cargoCapacityText(*m_capacity, manifest)));
        for (const BerthCategory category :
             {BerthCategory::high, BerthCategory::middleBasic, BerthCategory::low})
            lines << tr("%1 berths: %2 / %3 (%4 free)")
                         .arg(ui::qt(std::string(berthCategoryName(category))))
                         .arg(passengersAboard(manifest, category))
                         .arg(berths(*m_capacity, category))
                         .arg(freeBerths(*m_capacity, manifest, category));
        auto* capacity = new QLabel(lines.join(QStringLiteral("\n")), m_content);
        capacity->setObjectName(QStringLiteral("manifestCapacity"));
        m_contentLayout->addWidget(capacity);
    }
    if (campaign.manifest.shipDesignID && campaign.manifest.shipDesignID != campaign.shipDesignID &&
        !campaign.manifest.entries.empty()) {
        auto* warning = new QLabel(tr(differentShipWarning), m_content);
        warning->setObjectName(QStringLiteral("manifestDifferentShip"));
        warning->setStyleSheet(QStringLiteral("color: #a05a00;"));
        m_contentLayout->addWidget(warning);
    }
    addEntries(campaign);
    addTanks(campaign);
    addUpkeep(campaign);
    m_contentLayout->addStretch(1);
}

void ShipManifestSection::addEntries(const Campaign& campaign) {
    m_contentLayout->addWidget(ui::sectionHeading(tr("Manifest / Aboard"), m_content));
    if (campaign.manifest.entries.empty()) {
        auto* nothing = ui::quietNote(tr(nothingAboardText), m_content);
        nothing->setObjectName(QStringLiteral("manifestEmpty"));
        m_contentLayout->addWidget(nothing);
        return;
    }
    int row = 0;
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int index = 0;
    for (const DestinationGroup& group : groupByDestination(campaign)) {
        auto* heading = new QLabel(m_content);
        heading->setTextFormat(Qt::RichText);
        heading->setText(
            QStringLiteral("<b>%1</b>%2")
                .arg(ui::qt(group.name).toHtmlEscaped(),
                     group.here
                         ? QStringLiteral(
                               "&nbsp;&nbsp;<span style=\"background:#2e7d32; color:white;\">"
                               "&nbsp;HERE&nbsp;</span>")
                         : QString()));
        heading->setObjectName(QStringLiteral("manifestGroup_%1").arg(row));
        grid->addWidget(heading, row++, 0, 1, 5);
        for (const ManifestEntry* entry : group.entries) {
            const core::Uuid id = entry->id;
            auto* description = new QLabel(ui::qt(entryDescription(*entry)), m_content);
            description->setObjectName(QStringLiteral("manifestEntry_%1").arg(index));
            description->setContentsMargins(16, 0, 0, 0);
            grid->addWidget(description, row, 0);
            grid->addWidget(new QLabel(entryStatus(*entry), m_content), row, 1);
            if (entry->kind == ManifestEntry::Kind::cargo) {
                auto* sell = button(tr("Sell…"), QStringLiteral("sell_%1").arg(index));
                sell->setEnabled(ui::canOpenCargoSale());
                connect(sell, &QPushButton::clicked, this, [this, id] {
                    ui::openCargoSale({this, m_store, m_manager, id});
                });
                grid->addWidget(sell, row, 2);
            } else {
                auto* deliver = button(tr("Deliver"), QStringLiteral("deliver_%1").arg(index));
                connect(deliver, &QPushButton::clicked, this, [this, id] {
                    if (const Campaign* now = m_store.selectedCampaign())
                        carryOut(deliverEntry(*now, id));
                });
                grid->addWidget(deliver, row, 2);
            }
            auto* jettison = button(tr("Jettison"), QStringLiteral("jettison_%1").arg(index));
            const QString question = ui::qt(jettisonQuestion(*entry));
            connect(jettison, &QPushButton::clicked, this, [this, id, question] {
                if (!m_confirm || !m_confirm(this, tr("Jettison"), question))
                    return;
                if (const Campaign* now = m_store.selectedCampaign())
                    carryOut(jettisonEntry(*now, id));
            });
            grid->addWidget(jettison, row, 3);
            ++row;
            ++index;
        }
    }
    m_contentLayout->addLayout(grid);
}

void ShipManifestSection::addTanks(const Campaign& campaign) {
    const trade::ShipManifest& manifest = campaign.manifest;
    m_contentLayout->addWidget(ui::sectionHeading(tr("Fuel"), m_content));
    auto* main =
        new QLabel(tr("Main tanks: %1")
                       .arg(ui::qt(fuelText(manifest.refinedFuelTons, manifest.unrefinedFuelTons))),
                   m_content);
    main->setObjectName(QStringLiteral("mainTanks"));
    m_contentLayout->addWidget(main);
    addFuelRow(campaign);
    const std::array<QString, 3> names = {
        QStringLiteral("dropTank"), QStringLiteral("collapsibleTank"), QStringLiteral("container")};
    for (const Tank tank : {Tank::dropTank, Tank::collapsibleTank, Tank::container}) {
        const double refined = refinedFuel(manifest, tank);
        const double unrefined = unrefinedFuel(manifest, tank);
        const int size = m_capacity ? auxiliaryTankCapacity(*m_capacity, tank) : 0;
        const bool jettisoned = tank == Tank::dropTank && manifest.dropTankJettisoned;
        if (size == 0 && refined <= 0 && unrefined <= 0 && !jettisoned)
            continue;
        const QString name = ui::qt(std::string(trade::displayName(tank)));
        const QString key = names[static_cast<std::size_t>(tank)];
        auto* row = new QHBoxLayout;
        auto* text = new QLabel(m_content);
        text->setObjectName(key + QStringLiteral("Fuel"));
        text->setText(jettisoned ? tr("%1: jettisoned").arg(name)
                                 : tr("%1 (%2 tons): %3")
                                       .arg(name)
                                       .arg(size)
                                       .arg(ui::qt(fuelText(refined, unrefined))));
        row->addWidget(text, 1);
        if (!jettisoned && tank != Tank::dropTank && m_capacity) {
            auto* move = button(tr("Move to Main Tanks"), key + QStringLiteral("Move"));
            move->setEnabled(refined > 0 || unrefined > 0);
            move->setToolTip(tr(moveFuelHelp));
            connect(move, &QPushButton::clicked, this, [this, tank] {
                if (const Campaign* now = m_store.selectedCampaign(); now && m_capacity)
                    carryOut(moveFuelToMainTanks(*now, *m_capacity, tank));
            });
            row->addWidget(move);
        }
        if (!jettisoned) {
            auto* dump = button(tr("Jettison Auxiliary Fuel"), key + QStringLiteral("Jettison"));
            dump->setEnabled(refined > 0 || unrefined > 0);
            const QString question = ui::qt(jettisonFuelQuestion(tank));
            connect(dump, &QPushButton::clicked, this, [this, tank, question] {
                if (!m_confirm || !m_confirm(this, tr("Jettison Auxiliary Fuel"), question))
                    return;
                if (const Campaign* now = m_store.selectedCampaign())
                    carryOut(jettisonAuxiliaryFuel(*now, tank));
            });
            row->addWidget(dump);
        }
        if (tank == Tank::dropTank && !jettisoned) {
            auto* drop = button(tr("Jettison Drop Tank"), QStringLiteral("jettisonDropTank"));
            connect(drop, &QPushButton::clicked, this, [this] {
                if (const Campaign* now = m_store.selectedCampaign())
                    carryOut(jettisonDropTank(*now));
            });
            row->addWidget(drop);
        }
        m_contentLayout->addLayout(row);
        const QString help = tank == Tank::dropTank
                                 ? ui::qt(dropTankHelp(m_capacity ? m_capacity->techLevel : 0))
                                 : tr(moveFuelHelp);
        if (!jettisoned)
            m_contentLayout->addWidget(ui::quietNote(help, m_content));
    }
}

void ShipManifestSection::addFuelRow(const Campaign& campaign) {
    if (!m_capacity)
        return;
    auto* tank = new QComboBox(m_content);
    tank->setObjectName(QStringLiteral("fuelTank"));
    tank->addItem(ui::qt(fuelTankName(std::nullopt)), -1);
    for (const Tank aux : {Tank::dropTank, Tank::collapsibleTank, Tank::container}) {
        const bool gone = aux == Tank::dropTank && campaign.manifest.dropTankJettisoned;
        if (auxiliaryTankCapacity(*m_capacity, aux) > 0 && !gone)
            tank->addItem(ui::qt(fuelTankName(aux)), static_cast<int>(aux));
    }
    auto* source = new QComboBox(m_content);
    source->setObjectName(QStringLiteral("fuelSource"));
    for (const FuelSourceTerms& terms : fuelSources)
        source->addItem(
            terms.pricePerTon > 0
                ? tr("%1, %2/ton").arg(ui::qt(std::string(terms.label)), credits(terms.pricePerTon))
                : tr("%1, free").arg(ui::qt(std::string(terms.label))),
            static_cast<int>(terms.source));
    auto* tons = new QDoubleSpinBox(m_content);
    tons->setObjectName(QStringLiteral("fuelTons"));
    tons->setDecimals(1);
    tons->setSuffix(tr(" tons"));
    const auto chosenTank = [tank]() -> FuelTank {
        const int value = tank->currentData().toInt();
        return value < 0 ? FuelTank() : FuelTank(static_cast<Tank>(value));
    };
    // Up to the chosen tank's room, which is what a top-off takes.
    const auto fitRoom = [this, tons, chosenTank, manifest = campaign.manifest] {
        const double room = fuelRoom(*m_capacity, manifest, chosenTank());
        tons->setRange(0, room);
        tons->setValue(room);
    };
    fitRoom();
    connect(tank, &QComboBox::currentIndexChanged, this, fitRoom);
    auto* add = button(tr("Add Fuel"), QStringLiteral("addFuel"));
    connect(add, &QPushButton::clicked, this, [this, source, tons, chosenTank] {
        if (const Campaign* now = m_store.selectedCampaign(); now && m_capacity)
            carryOut(addFuel(*now, *m_capacity, chosenTank(),
                             static_cast<FuelSource>(source->currentData().toInt()),
                             tons->value()));
    });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Add"), m_content));
    row->addWidget(tons);
    row->addWidget(new QLabel(tr("to the"), m_content));
    row->addWidget(tank);
    row->addWidget(new QLabel(tr("from"), m_content));
    row->addWidget(source);
    row->addWidget(add);
    row->addStretch(1);
    m_contentLayout->addLayout(row);
}

void ShipManifestSection::addUpkeep(const Campaign& campaign) {
    (void)campaign;
    if (!m_capacity)
        return;
    m_contentLayout->addWidget(ui::sectionHeading(tr("Upkeep"), m_content));
    auto* row = new QHBoxLayout;
    auto* maintenance =
        button(tr("Pay Maintenance (%1)").arg(credits(m_capacity->maintenancePerMonth)),
               QStringLiteral("payMaintenance"));
    maintenance->setToolTip(tr(payMaintenanceHelp));
    connect(maintenance, &QPushButton::clicked, this, [this] {
        if (const Campaign* now = m_store.selectedCampaign(); now && m_capacity)
            carryOut(payMaintenance(*now, *m_capacity));
    });
    auto* lifeSupport =
        button(tr("Pay Life Support (%1)").arg(credits(m_capacity->lifeSupportPerMonth)),
               QStringLiteral("payLifeSupport"));
    lifeSupport->setToolTip(tr(payLifeSupportHelp));
    connect(lifeSupport, &QPushButton::clicked, this, [this] {
        if (const Campaign* now = m_store.selectedCampaign(); now && m_capacity)
            carryOut(payLifeSupport(*now, *m_capacity));
    });
    row->addWidget(maintenance);
    row->addWidget(lifeSupport);
    row->addStretch(1);
    m_contentLayout->addLayout(row);
    m_contentLayout->addWidget(
        ui::quietNote(tr("%1 %2").arg(tr(payMaintenanceHelp), tr(payLifeSupportHelp)), m_content));
}

void ShipManifestSection::carryOut(const TradePlan& plan) {
    if (!plan) {
        ui::showMessage(m_error, ui::qt(plan.refusal));
        ui::showMessage(m_done, QString());
        return;
    }
    // The store tells the campaign view, which shows this section again.
    const std::string message = plan.action->message;
    applyTradeAction(*plan.action, m_store);
    showDone(message);
}

void ShipManifestSection::carryOut(const RefuelPlan& refuel) {
    if (!refuel)
        return carryOut(refuel.plan);
    const std::string message = refuel.plan.action->message;
    applyRefuel(refuel, m_store);
    showDone(message);
}

void ShipManifestSection::showDone(const std::string& message) {
    const auto& failed = m_store.lastError();
    ui::showMessage(m_error, failed ? ui::qt(*failed) : QString());
    ui::showMessage(m_done, failed ? QString() : boldMarkup(message));
}

} // namespace velmora::campaign
