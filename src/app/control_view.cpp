#include "app/control_view.h"

#include "factions/faction_groups.h"
#include "factions/faction_texts.h"
#include "ui/qt_text.h"
#include "universe/ui/universe_bar.h"
#include "universe/universe_manager.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora::app {

namespace {

constexpr int destinationRole = Qt::UserRole + 1;
constexpr int factionRole = Qt::UserRole + 2;

QTreeWidgetItem* sectionItem(const QString& title) {
    auto* item = new QTreeWidgetItem(QStringList{title});
    item->setFlags(Qt::ItemIsEnabled);
    QFont font = item->font(0);
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 0.9);
    item->setFont(0, font);
    return item;
}

QTreeWidgetItem* destinationItem(ui::Destination destination, const QString& label = {}) {
    auto* item = new QTreeWidgetItem(
        QStringList{label.isEmpty() ? ui::destinationLabel(destination) : label});
    item->setData(0, destinationRole, static_cast<int>(destination));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

std::optional<ui::SidebarSelection> selectionOf(const QTreeWidgetItem* item) {
    if (!item || !item->data(0, destinationRole).isValid())
        return std::nullopt;
    ui::SidebarSelection selection;
    selection.destination = static_cast<ui::Destination>(item->data(0, destinationRole).toInt());
    if (const QVariant faction = item->data(0, factionRole); faction.isValid())
        selection.factionID = core::Uuid::fromString(faction.toString().toStdString());
    return selection;
}

} // namespace

ControlView::ControlView(universe::UniverseManager& manager, QWidget* parent)
    : QWidget(parent), m_manager(manager), m_universeBar(new universe::UniverseBar(manager, this)),
      m_tree(new QTreeWidget(this)) {
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setIndentation(14);
    m_tree->setUniformRowHeights(true);
    m_tree->setObjectName(QStringLiteral("sidebar"));
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_universeBar);
    layout->addWidget(m_tree, 1);

    buildFixedRows();
    sidebarContentChanged();
    rebuildFactions();
    watchCurrentUniverse();

    m_managerSubscription = m_manager.currentReplaced().subscribe([this] {
        watchCurrentUniverse();
        sidebarContentChanged();
        rebuildFactions();
    });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &ControlView::emitSelection);
}

ControlView::~ControlView() = default;

void ControlView::buildFixedRows() {
    for (ui::Destination destination :
         {ui::Destination::starmap, ui::Destination::campaign, ui::Destination::trade,
          ui::Destination::starships, ui::Destination::routePlanner, ui::Destination::systems,
          ui::Destination::information, ui::Destination::rutters, ui::Destination::nebulae,
          ui::Destination::regions, ui::Destination::labels}) {
        m_tree->addTopLevelItem(destinationItem(destination));
    }
    auto* tools = sectionItem(QStringLiteral("Tools"));
    m_tree->addTopLevelItem(tools);
    for (ui::Destination destination :
         {ui::Destination::generator, ui::Destination::importTravellerMap,
          ui::Destination::importExportSEC})
        tools->addChild(destinationItem(destination));
    tools->setExpanded(true);

    m_factionsSection = sectionItem(QStringLiteral("FACTIONS"));
    m_tree->addTopLevelItem(m_factionsSection);
    m_factionsSection->setExpanded(true);
}

void ControlView::watchCurrentUniverse() {
    m_universeSubscription = m_manager.current().changed().subscribe([this] {
        // Every map pan tells the universe's observers too: the rows are only
        // rebuilt when what they show changed.
        if (sidebarContentChanged())
            rebuildFactions();
    });
}

bool ControlView::sidebarContentChanged() {
    const auto& universe = m_manager.current();
    QStringList content{universe.usesTravellerTechLevels() ? QStringLiteral("traveller")
                                                           : QString()};
    for (const universe::Faction& faction : universe.factions()) {
        content << QString::fromStdString(faction.id.toString()) +
                       QString::fromStdString(faction.name) +
                       QString::number(static_cast<int>(faction.category));
    }
    if (content == m_shownContent)
        return false;
    m_shownContent = content;
    return true;
}

void ControlView::updateRuleSetTexts() {
    // A universe on Traveller tech levels calls its rutters routes.
    if (QTreeWidgetItem* rutters = itemFor({ui::Destination::rutters, std::nullopt}))
        rutters->setText(
            0, qt(universe::rutterListTitle(m_manager.current().usesTravellerTechLevels())));
}

void ControlView::rebuildFactions() {
    updateRuleSetTexts();
    const auto previous = selection();
    const QSignalBlocker blocker(m_tree);
    // Keep the groups the user folded folded.
    QSet<QString> collapsed;
    for (int i = 0; i < m_factionsSection->childCount(); ++i) {
        QTreeWidgetItem* child = m_factionsSection->child(i);
        if (child->childCount() > 0 && !child->isExpanded())
            collapsed.insert(child->text(0));
    }
    qDeleteAll(m_factionsSection->takeChildren());

    m_factionsSection->addChild(destinationItem(ui::Destination::factionLists));
    m_factionsSection->addChild(destinationItem(ui::Destination::newFaction));
    const auto& factions = m_manager.current().factions();
    for (const factions::FactionGroup& group : factions::groupFactionsByCategory(factions)) {
        const auto heading = factions::groupHeading(group.category);
        const QString title = QString::fromUtf8(heading.data(), static_cast<int>(heading.size()));
        auto* groupItem = sectionItem(title);
        m_factionsSection->addChild(groupItem);
        for (const std::size_t index : group.factionIndices) {
            const universe::Faction& faction = factions[index];
            const QString name = QString::fromStdString(factions::factionDisplayName(faction));
            auto* item = destinationItem(ui::Destination::faction, name);
            item->setData(0, factionRole, QString::fromStdString(faction.id.toString()));
            item->setToolTip(0, name);
            groupItem->addChild(item);
        }
        groupItem->setExpanded(!collapsed.contains(title));
    }
    if (previous) {
        if (QTreeWidgetItem* item = itemFor(*previous))
            item->setSelected(true);
    }
    if (selection() != previous)
        emitSelection();
}

std::optional<ui::SidebarSelection> ControlView::selection() const {
    const auto items = m_tree->selectedItems();
    return items.isEmpty() ? std::nullopt : selectionOf(items.front());
}

QTreeWidgetItem* ControlView::itemFor(const ui::SidebarSelection& wanted) const {
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (selectionOf(*it) == wanted)
            return *it;
    }
    return nullptr;
}

void ControlView::select(const ui::SidebarSelection& wanted) {
    if (QTreeWidgetItem* item = itemFor(wanted))
        m_tree->setCurrentItem(item);
}

void ControlView::clearSelection() {
    m_tree->clearSelection();
}

void ControlView::restoreSelection(const std::optional<ui::SidebarSelection>& wanted) {
    const QSignalBlocker blocker(m_tree);
    QTreeWidgetItem* item = wanted ? itemFor(*wanted) : nullptr;
    if (item)
        m_tree->setCurrentItem(item);
    else
        m_tree->clearSelection();
}

void ControlView::emitSelection() {
    emit selectionChanged(selection());
}

} // namespace velmora::app
