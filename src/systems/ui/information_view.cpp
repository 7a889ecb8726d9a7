#include "systems/ui/information_view.h"

#include "systems/system_texts.h"
#include "systems/ui/ui_support.h"
#include "systems/universe_statistics.h"
#include "universe/universe_manager.h"

#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora::systems {

namespace {

// One figure as a small card: the value large, its caption under it.
QFrame* figureCard(const QString& name, const QString& value, const QString& caption,
                   const QString& detail, QWidget* parent) {
    auto* card = new QFrame(parent);
    card->setFrameShape(QFrame::StyledPanel);
    card->setMinimumWidth(170);
    auto* layout = new QVBoxLayout(card);
    auto* number = new QLabel(value, card);
    number->setObjectName(QStringLiteral("figure") + name);
    QFont font = number->font();
    font.setPointSizeF(font.pointSizeF() * 1.7);
    font.setBold(true);
    number->setFont(font);
    layout->addWidget(number);
    layout->addWidget(new QLabel(caption, card));
    if (!detail.isEmpty()) {
        auto* note = makeMutedLabel(detail, card);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    return card;
}

QTableWidget* makeTable(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setAlternatingRowColors(true);
    table->setShowGrid(false);
    // The name column takes the room; the figures stay next to it.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(headers.size() > 3 ? 1 : 0,
                                                    QHeaderView::Stretch);
    table->setMaximumWidth(680);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    return table;
}

// Cells from `firstFigure` on are figures, set flush right.
void addRow(QTableWidget* table, const QStringList& cells, int firstFigure) {
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column >= firstFigure)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

// Tables that show every row at once: the page scrolls, not each table.
void fitHeight(QTableWidget* table) {
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
}

QString count(long long value) {
    return qt(groupedDigits(static_cast<std::uint64_t>(value)));
}

} // namespace

InformationView::InformationView(universe::UniverseManager& manager, QWidget* parent)
    : QWidget(parent), m_manager(manager) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget(scroll);
    m_layout = new QVBoxLayout(page);
    m_layout->setContentsMargins(20, 16, 20, 16);
    scroll->setWidget(page);
    outer->addWidget(scroll);
    m_universeChanged = m_manager.current().changed().subscribe([this] { refresh(); });
    refresh();
}

void InformationView::refresh() {
    if (m_content) {
        m_layout->removeWidget(m_content);
        delete m_content;
    }
    m_content = new QWidget(this);
    auto* layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    m_layout->insertWidget(0, m_content);

    const universe::RidivivevIzeviduv& universe = m_manager.current();
    const UniverseStatistics stats = computeStatistics(universe.record());

    auto* title = new QLabel(tr("Information"), m_content);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);
    layout->addWidget(
        makeMutedLabel(tr("Figures of the universe “%1”.").arg(qt(universe.name())), m_content));

    auto* figures = new QGridLayout;
    figures->setSpacing(10);
    const QString highest =
        stats.highestTechLevel ? qt(core::rawValue(stats.highestTechLevel->level)) : tr("—");
    const QString highestWhere = stats.highestTechLevel
                                     ? tr("on %1 (%2)")
                                           .arg(qt(stats.highestTechLevel->worldName),
                                                qt(stats.highestTechLevel->systemName))
                                     : tr("No inhabited worlds");
    QFrame* const cards[] = {
        figureCard(QStringLiteral("Systems"), count(stats.systems), tr("Systems"), {}, m_content),
        figureCard(QStringLiteral("InhabitedSystems"), count(stats.inhabitedSystems),
                   tr("Inhabited systems"), {}, m_content),
        figureCard(QStringLiteral("Worlds"), count(stats.worlds), tr("Worlds"),
                   tr("Every body, moons included"), m_content),
        figureCard(QStringLiteral("InhabitedWorlds"), count(stats.inhabitedWorlds),
                   tr("Inhabited worlds"), {}, m_content),
        figureCard(QStringLiteral("Population"), qt(populationFigureText(stats.totalPopulation)),
                   tr("Total population"), {}, m_content),
        figureCard(QStringLiteral("HighestTechLevel"), highest, tr("Highest tech level"),
                   highestWhere, m_content),
        figureCard(QStringLiteral("NavalBases"), count(stats.navalBases), tr("Naval bases"),
                   tr("Worlds with a naval base or depot"), m_content),
        figureCard(QStringLiteral("ScoutBases"), count(stats.scoutBases), tr("Scout bases"),
                   tr("Worlds with a scout base or way station"), m_content),
    };
    int index = 0;
    for (QFrame* card : cards) {
        figures->addWidget(card, index / 4, index % 4);
        ++index;
    }
    layout->addLayout(figures);

    layout->addSpacing(8);
    layout->addWidget(makeSectionTitle(tr("Trade Classes Present"), m_content));
    if (stats.tradeClasses.empty()) {
        layout->addWidget(makeMutedLabel(tr("No world carries a trade class yet."), m_content));
    } else {
        auto* table = makeTable(QStringLiteral("tradeClassTable"),
                                {tr("Code"), tr("Name"), tr("Category"), tr("Worlds")}, m_content);
        for (const TradeClassCount& entry : stats.tradeClasses)
            addRow(table,
                   {qt(core::code(entry.tradeClass)), qt(core::displayName(entry.tradeClass)),
                    qt(core::displayName(core::category(entry.tradeClass))), count(entry.worlds)},
                   3);
        fitHeight(table);
        layout->addWidget(table);
    }

    const auto presenceTable = [&](const QString& name, const QString& heading,
                                   const QString& firstColumn,
                                   const std::vector<std::pair<QString, Presence>>& rows,
                                   const QString& empty) {
        layout->addSpacing(8);
        layout->addWidget(makeSectionTitle(heading, m_content));
        if (rows.empty()) {
            layout->addWidget(makeMutedLabel(empty, m_content));
            return;
        }
        auto* table = makeTable(name, {firstColumn, tr("Worlds"), tr("Population")}, m_content);
        for (const auto& [label, presence] : rows)
            addRow(table,
                   {label, count(presence.worlds), qt(populationFigureText(presence.population))},
                   1);
        fitHeight(table);
        layout->addWidget(table);
    };
    std::vector<std::pair<QString, Presence>> factionRows;
    for (const FactionPresence& entry : stats.factions)
        factionRows.emplace_back(qt(entry.name), entry.presence);
    presenceTable(QStringLiteral("factionTable"), tr("Factions"), tr("Faction"), factionRows,
                  tr("This universe has no factions."));
    std::vector<std::pair<QString, Presence>> raceRows;
    for (const RacePresence& entry : stats.races)
        raceRows.emplace_back(qt(entry.race.displayName()), entry.presence);
    presenceTable(QStringLiteral("raceTable"), tr("Races"), tr("Race"), raceRows,
                  tr("No inhabited worlds yet."));
    layout->addStretch();
}

} // namespace velmora::systems
