#include "ships/ui/ship_summary_panel.h"

#include "ships/ship_labels.h"
#include "ships/ship_texts.h"
#include "ships/ui/ship_designer_form.h"
#include "ui/qt_text.h"
#include "ui/view_helpers.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::ships {

namespace {

QTableWidget* makeTable(const QString& objectName, const QStringList& headings, int givingColumn) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()));
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // One column gives way, so the figures always show whole.
    table->horizontalHeader()->setSectionResizeMode(givingColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setStretchLastSection(false);
    table->setTextElideMode(Qt::ElideRight);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return table;
}

// Figures line up on the right; a bold row closes a table.
void setRow(QTableWidget* table, int row, const QStringList& cells, bool bold = false) {
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setToolTip(cells[column]);
        if (column > 0 && column + 2 >= table->columnCount())
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (bold) {
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
        }
        table->setItem(row, column, item);
    }
}

// The table's height follows its rows, so the panel scrolls as one.
void fitHeight(QTableWidget* table) {
    table->resizeRowsToContents();
    int height = table->horizontalHeader()->height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
}

QString tons(double value) {
    return qt(tonsText(value));
}

QString megaCredits(double credits) {
    return qt(megaCreditsText(credits));
}

QString perMonth(double credits) {
    return qt(perMonthText(credits));
}

QString statusText(PowerAllocationEntry::Status status) {
    switch (status) {
    case PowerAllocationEntry::Status::full:
        return QObject::tr("Full");
    case PowerAllocationEntry::Status::half:
        return QObject::tr("Half");
    case PowerAllocationEntry::Status::off:
        break;
    }
    return QObject::tr("Off");
}

bool isJumpNote(const std::string& note) {
    return note == texts::jumpPowerCut || note == texts::jumpPowerSuggestion ||
           note == texts::jumpBasicSystemsOff;
}

} // namespace

ShipSummaryPanel::ShipSummaryPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("shipSummaryPanel"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(ui::sectionHeading(tr("Summary"), this));

    m_table = makeTable(QStringLiteral("summaryTable"),
                        {tr("Section"), tr("Detail"), tr("Tons"), qt(labels::costColumn)}, 1);
    column->addWidget(m_table);

    auto* figures = new QFormLayout;
    m_tonnageUsed = figure(figures, tr("Tonnage Used"), QStringLiteral("tonnageUsedValue"));
    m_cargoSpace =
        figure(figures, tr("Remaining Tonnage (Cargo)"), QStringLiteral("cargoSpaceValue"));
    m_hullPoints = figure(figures, qt(labels::hullPoints), QStringLiteral("hullPointsValue"));
    m_totalCost = figure(figures, qt(labels::totalShipCost), QStringLiteral("totalCostValue"));
    m_purchaseCost = figure(figures, tr("Purchase Cost"), QStringLiteral("purchaseCostValue"));
    column->addLayout(figures);

    column->addWidget(ui::sectionHeading(tr("Power"), this));
    auto* power = new QFormLayout;
    m_powerOutput = figure(power, qt(labels::powerOutput), QStringLiteral("powerOutputValue"));
    m_powerRequirement =
        figure(power, tr("Power Requirement"), QStringLiteral("powerRequirementValue"));
    m_jumpPower = figure(power, tr("Jump Power"), QStringLiteral("jumpPowerValue"));
    column->addLayout(power);
    m_jumpSection = new QWidget(this);
    auto* jump = new QVBoxLayout(m_jumpSection);
    jump->setContentsMargins(0, 0, 0, 0);
    jump->addWidget(new QLabel(tr("Power During a Jump"), m_jumpSection));
    m_jumpTable =
        makeTable(QStringLiteral("jumpPowerTable"), {tr("System"), tr("Power"), tr("")}, 0);
    jump->addWidget(m_jumpTable);
    m_jumpNotes = ui::quietNote(QString(), m_jumpSection);
    m_jumpNotes->setObjectName(QStringLiteral("jumpPowerNotes"));
    m_jumpNotes->setWordWrap(true);
    jump->addWidget(m_jumpNotes);
    column->addWidget(m_jumpSection);

    column->addWidget(ui::sectionHeading(tr("Crew"), this));
    m_crewTable = makeTable(QStringLiteral("crewTable"), {tr("Role"), tr("Crew"), tr("Salary")}, 0);
    column->addWidget(m_crewTable);
    auto* crew = new QFormLayout;
    m_crewTotal = figure(crew, qt(labels::totalCrew), QStringLiteral("crewTotalValue"));
    m_salaries = figure(crew, tr("Salaries"), QStringLiteral("salariesValue"));
    column->addLayout(crew);

    column->addWidget(ui::sectionHeading(tr("Running Costs"), this));
    auto* running = new QFormLayout;
    m_lifeSupportStaterooms = figure(running, qt(labels::lifeSupportStaterooms),
                                     QStringLiteral("lifeSupportStateroomsValue"));
    m_lifeSupportCrew = figure(running, qt(labels::lifeSupportCrewAndPassengers),
                               QStringLiteral("lifeSupportCrewValue"));
    m_lifeSupportLowBerths = figure(running, qt(labels::lifeSupportLowBerths),
                                    QStringLiteral("lifeSupportLowBerthsValue"));
    m_lifeSupportHighGuard = figure(running, qt(labels::lifeSupportHighGuardHighAndLuxury),
                                    QStringLiteral("lifeSupportHighGuardValue"));
    m_lifeSupport =
        figure(running, qt(labels::totalLifeSupport), QStringLiteral("lifeSupportValue"));
    m_maintenance =
        figure(running, qt(labels::maintenanceCost), QStringLiteral("maintenanceValue"));
    m_monthlyCosts =
        figure(running, qt(labels::totalMonthlyCosts), QStringLiteral("monthlyCostsValue"));
    column->addLayout(running);

    m_software = ui::quietNote(QString(), this);
    m_software->setObjectName(QStringLiteral("softwareSummary"));
    m_software->setWordWrap(true);
    column->addWidget(m_software);

    m_warnings = new QLabel(this);
    m_warnings->setObjectName(QStringLiteral("summaryWarnings"));
    m_warnings->setWordWrap(true);
    m_warnings->setStyleSheet(QStringLiteral("color: #b3261e;"));
    column->addWidget(m_warnings);
    m_notes = ui::quietNote(QString(), this);
    m_notes->setObjectName(QStringLiteral("summaryNotes"));
    m_notes->setWordWrap(true);
    column->addWidget(m_notes);
    column->addStretch(1);
}

QLabel* ShipSummaryPanel::figure(QFormLayout* form, const QString& label,
                                 const QString& objectName) {
    auto* value = new QLabel(this);
    value->setObjectName(objectName);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A label of its own: "&" in "Crew & Passengers" is text, not a shortcut.
    auto* caption = new QLabel(this);
    caption->setTextFormat(Qt::PlainText);
    caption->setText(label);
    form->addRow(caption, value);
    return value;
}

void ShipSummaryPanel::showSummary(const ShipSummary& summary) {
    m_table->setRowCount(static_cast<int>(summary.rows.size()) + 1);
    int row = 0;
    for (const auto& line : summary.rows)
        setRow(m_table, row++,
               {qt(line.section), qt(line.detail), tons(line.tons), megaCredits(line.cost)});
    setRow(m_table, row,
           {qt(summary.total.section), qt(summary.total.detail), tons(summary.total.tons),
            megaCredits(summary.total.cost)},
           true);
    fitHeight(m_table);

    m_tonnageUsed->setText(tr("%1 of %2 tons").arg(tons(summary.tonnageUsed)).arg(summary.tonnage));
    m_cargoSpace->setText(tonsReadOut(summary.cargoSpace));
    m_hullPoints->setText(QString::number(summary.hullPoints));
    m_totalCost->setText(QStringLiteral("MCr") + megaCredits(summary.totalCost));
    m_purchaseCost->setText(QStringLiteral("MCr") + megaCredits(summary.purchaseCost));

    m_powerOutput->setText(tons(summary.powerOutput));
    m_powerRequirement->setText(tons(summary.powerRequirement));
    m_jumpPower->setText(tons(summary.jumpPower));
    const auto& allocation = summary.powerAllocationDuringJump;
    m_jumpSection->setVisible(!allocation.empty());
    m_jumpTable->setRowCount(static_cast<int>(allocation.size()) + (allocation.empty() ? 0 : 1));
    double drawn = 0;
    row = 0;
    for (const auto& entry : allocation) {
        QString label = qt(entry.label);
        if (entry.status == PowerAllocationEntry::Status::half)
            label += qt(labels::halfPowerSuffix);
        // What a system cut down would have drawn shows beside its status.
        QString status = statusText(entry.status);
        if (entry.status != PowerAllocationEntry::Status::full)
            status += tr(" (of %1)").arg(tons(entry.fullPower));
        setRow(m_jumpTable, row++, {label, tons(entry.power()), status});
        drawn += entry.power();
    }
    if (!allocation.empty())
        setRow(m_jumpTable, row,
               {qt(labels::powerTotal), tons(drawn), tr("of %1").arg(tons(summary.powerOutput))},
               true);
    fitHeight(m_jumpTable);
    QStringList jumpNotes;
    QStringList otherNotes;
    for (const auto& note : summary.notes)
        (isJumpNote(note) ? jumpNotes : otherNotes) << qt(note);
    m_jumpNotes->setText(jumpNotes.join(QStringLiteral("\n\n")));
    m_jumpNotes->setVisible(!jumpNotes.isEmpty());

    m_crewTable->setRowCount(static_cast<int>(summary.crewByRole.size()));
    row = 0;
    for (const auto& line : summary.crewByRole)
        setRow(m_crewTable, row++,
               {qt(line.label), QString::number(line.count), perMonth(line.salaryPerMonth)});
    fitHeight(m_crewTable);
    m_crewTotal->setText(QString::number(summary.crewTotal));
    m_salaries->setText(perMonth(summary.salariesPerMonth));

    m_lifeSupportStaterooms->setText(perMonth(summary.lifeSupport.staterooms));
    m_lifeSupportCrew->setText(perMonth(summary.lifeSupport.crewAndPassengers));
    m_lifeSupportLowBerths->setText(perMonth(summary.lifeSupport.lowBerths));
    m_lifeSupportHighGuard->setText(perMonth(summary.lifeSupport.highGuardHighAndLuxury));
    m_lifeSupport->setText(perMonth(summary.lifeSupportPerMonth));
    m_maintenance->setText(perMonth(summary.maintenancePerMonth));
    m_monthlyCosts->setText(perMonth(summary.totalMonthlyCosts));

    QStringList software;
    for (const auto& name : summary.basicSoftware)
        software << qt(name);
    if (!summary.advancedSoftware.empty()) {
        QStringList advanced;
        for (const auto& name : summary.advancedSoftware)
            advanced << qt(name);
        software << qt(labels::advancedSoftwareHeading) + QStringLiteral(": ") +
                        advanced.join(QStringLiteral(", "));
    }
    m_software->setText(software.isEmpty() ? QString()
                                           : tr("Software: %1").arg(software.join(", ")));
    m_software->setVisible(!software.isEmpty());

    QStringList warnings;
    for (const auto& warning : summary.warnings)
        warnings << QStringLiteral("⚠ ") + qt(warning);
    m_warnings->setText(warnings.join('\n'));
    m_warnings->setVisible(!warnings.isEmpty());
    m_notes->setText(otherNotes.join(QStringLiteral("\n\n")));
    m_notes->setVisible(!otherNotes.isEmpty());
}

} // namespace velmora::ships
