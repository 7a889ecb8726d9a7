#include "systems/ui/systems_view.h"

#include "systems/system_texts.h"
#include "systems/ui/system_editor.h"
#include "systems/ui/world_info_window.h"
#include "ui/empty_state_view.h"
#include "ui/travel_openers.h"
#include "ui/view_context.h"
#include "universe/system_pattern.h"
#include "universe/universe_manager.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::systems {

namespace {

constexpr int hexIdRole = Qt::UserRole;

QString subsectorData(const SubsectorKey& key) {
    return QStringLiteral("%1,%2,%3")
        .arg(key.sectorX)
        .arg(key.sectorY)
        .arg(QChar::fromLatin1(key.letter));
}

std::optional<SubsectorKey> subsectorFromData(const QString& data) {
    const QStringList parts = data.split(QLatin1Char(','));
    if (parts.size() != 3 || parts[2].size() != 1)
        return std::nullopt;
    return SubsectorKey{parts[0].toInt(), parts[1].toInt(), parts[2].at(0).toLatin1()};
}

} // namespace

SystemsView::SystemsView(ui::ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter = splitter;
    splitter->setObjectName(QStringLiteral("systemsSplitter"));
    splitter->setChildrenCollapsible(false);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(splitter);

    auto* listPanel = new QWidget(splitter);
    auto* listLayout = new QVBoxLayout(listPanel);
    listLayout->setContentsMargins(10, 10, 6, 10);
    auto* title = makeSectionTitle(tr("Systems"), listPanel);
    listLayout->addWidget(title);
    m_search = new QLineEdit(listPanel);
    m_search->setObjectName(QStringLiteral("systemSearch"));
    m_search->setPlaceholderText(tr("Search names, hexes, profiles or patterns"));
    m_search->setToolTip(
        QString::fromUtf8(universe::systemPatternHelp.data(),
                          static_cast<qsizetype>(universe::systemPatternHelp.size())));
    m_search->setClearButtonEnabled(true);
    listLayout->addWidget(m_search);
    auto* controls = new QHBoxLayout;
    m_sort = new QComboBox(listPanel);
    m_sort->setObjectName(QStringLiteral("systemSort"));
    m_sort->addItem(tr("Coordinates"), static_cast<int>(SystemSortOrder::coordinates));
    m_sort->addItem(tr("Name"), static_cast<int>(SystemSortOrder::name));
    m_sort->addItem(tr("Main World"), static_cast<int>(SystemSortOrder::mainWorld));
    m_subsector = new QComboBox(listPanel);
    m_subsector->setObjectName(QStringLiteral("subsectorFilter"));
    m_subsector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_subsector->setMinimumContentsLength(12);
    controls->addWidget(new QLabel(tr("Sort by"), listPanel));
    controls->addWidget(m_sort);
    controls->addWidget(m_subsector, 1);
    listLayout->addLayout(controls);
    m_list = new QTreeWidget(listPanel);
    m_list->setObjectName(QStringLiteral("systemList"));
    m_list->setHeaderLabels({tr("Hex"), tr("System"), tr("Main World")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setToolTip(tr("Double-click a system to see its main world in full."));
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    listLayout->addWidget(m_list, 1);
    m_count = makeMutedLabel(QString(), listPanel);
    m_count->setObjectName(QStringLiteral("systemCount"));
    listLayout->addWidget(m_count);

    auto* detailPanel = new QWidget(splitter);
    m_detailLayout = new QVBoxLayout(detailPanel);
    m_detailLayout->setContentsMargins(0, 0, 0, 0);
    splitter->addWidget(listPanel);
    splitter->addWidget(detailPanel);
    // Both sides grow with the window: a wide window shows long names in full and
    // still leaves the editor most of the room.
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({400, 600});

    connect(m_search, &QLineEdit::textChanged, this, &SystemsView::refreshList);
    connect(m_sort, &QComboBox::currentIndexChanged, this, &SystemsView::refreshList);
    connect(m_subsector, &QComboBox::currentIndexChanged, this, &SystemsView::refreshList);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &SystemsView::selectionChanged);
    // A double-click (or Return) shows the main world's full profile.
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const auto id = core::Uuid::fromString(std8(item->data(0, hexIdRole).toString()));
        for (const core::HexData& hex : m_context.manager.current().data()) {
            if (id && hex.id == *id && core::mainWorld(hex.starSystem))
                openWorldInfo(m_context, WorldInfoTarget{hex.coordinates, std::nullopt});
        }
    });

    // The travel calculators of a listed system, from its context menu.
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QTreeWidgetItem* item = m_list->itemAt(at);
        const auto id =
            item ? core::Uuid::fromString(std8(item->data(0, hexIdRole).toString())) : std::nullopt;
        const core::HexData* hex = id ? m_context.manager.current().hex(*id) : nullptr;
        if (!hex || !ui::canOpenTravelWindows())
            return;
        const core::GalacticCoordinates coordinates = hex->coordinates;
        QMenu menu(this);
        menu.addAction(tr("System Travel"), this,
                       [coordinates] { ui::openSystemTravel(coordinates); });
        menu.addAction(tr("Interplanetary Travel"), this,
                       [coordinates] { ui::openInterplanetaryTravel(coordinates, std::nullopt); });
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });

    m_universeChanged = m_context.manager.current().changed().subscribe([this] {
        refreshSubsectors();
        refreshList();
        // The system shown was deleted, here or elsewhere.
        const auto& data = m_context.manager.current().data();
        if (m_selected && std::none_of(data.begin(), data.end(), [&](const core::HexData& hex) {
                return hex.id == *m_selected;
            }))
            showEditorFor(std::nullopt);
    });
    refreshSubsectors();
    refreshList();
    showEditorFor(std::nullopt);
}

void SystemsView::setQuestions(UserQuestions questions) {
    m_questions = std::move(questions);
    if (m_editor)
        m_editor->setQuestions(m_questions);
}

void SystemsView::refreshSubsectors() {
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    const QString chosen = m_subsector->currentData().toString();
    m_refreshing = true;
    m_subsector->clear();
    m_subsector->addItem(tr("All Subsectors"), QString());
    for (const SubsectorKey& key : subsectorsInUse(universe.data()))
        m_subsector->addItem(qt(subsectorLabel(universe, key)), subsectorData(key));
    const int index = m_subsector->findData(chosen);
    m_subsector->setCurrentIndex(index >= 0 ? index : 0);
    m_refreshing = false;
}

void SystemsView::refreshList() {
    if (m_refreshing)
        return;
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    SystemListQuery query;
    query.search = std8(m_search->text());
    query.order = static_cast<SystemSortOrder>(m_sort->currentData().toInt());
    query.subsector = subsectorFromData(m_subsector->currentData().toString());
    const std::vector<SystemListRow> rows = listSystems(universe, query, m_nameOrder);

    m_refreshing = true;
    m_list->clear();
    QTreeWidgetItem* current = nullptr;
    for (const SystemListRow& row : rows) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, qt(row.location));
        item->setText(1, qt(row.name));
        item->setText(2, row.mainWorldProfile.empty() ? tr("No main world")
                                                      : qt(row.mainWorldProfile));
        if (row.mainWorldName != row.name && !row.mainWorldName.empty())
            item->setToolTip(1, tr("Main world: %1").arg(qt(row.mainWorldName)));
        QFont mono = item->font(2);
        mono.setFamily(QStringLiteral("monospace"));
        mono.setStyleHint(QFont::Monospace);
        item->setFont(2, mono);
        item->setData(0, hexIdRole, qt(row.hex->id.toString()));
        if (m_selected && row.hex->id == *m_selected)
            current = item;
    }
    if (current)
        m_list->setCurrentItem(current);
    m_refreshing = false;

    const long long total = static_cast<long long>(universe.data().size());
    const long long shown = static_cast<long long>(rows.size());
    widenListToFit();
    m_count->setText(shown == total
                         ? qt(countText(total, "system"))
                         : tr("%1 of %2").arg(shown).arg(qt(countText(total, "system"))));
}

void SystemsView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    widenListToFit();
}

void SystemsView::widenListToFit() {
    if (!isVisible())
        return;
    // What the rows need: each column at its widest text, the frame and a scroll bar.
    int needed = m_list->frameWidth() * 2 + m_list->verticalScrollBar()->sizeHint().width() + 16;
    for (int column = 0; column < m_list->columnCount(); ++column) {
        // The longest text stands for the widest: measuring every row of a large
        // universe on each keystroke would cost more than the list itself.
        const QTreeWidgetItem* longest = nullptr;
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = m_list->topLevelItem(i);
            if (!longest || item->text(column).size() > longest->text(column).size())
                longest = item;
        }
        int widest = m_list->header()->sectionSizeHint(column);
        if (longest) {
            const QFontMetrics metrics(longest->font(column));
            widest = std::max(widest, metrics.horizontalAdvance(longest->text(column)) +
                                          metrics.averageCharWidth() * 2);
        }
        needed += widest + 2 * m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    }
    QList<int> sizes = m_splitter->sizes();
    if (sizes.size() != 2)
        return;
    const int wanted = needed + std::max(0, sizes[0] - m_list->width()); // the panel's margins
    if (sizes[0] >= wanted)
        return;
    // The editor keeps what it needs to show its fields.
    const int total = sizes[0] + sizes[1];
    const int editorNeeds = m_splitter->widget(1)->minimumSizeHint().width();
    sizes[0] = std::min(wanted, std::max(sizes[0], total - editorNeeds));
    sizes[1] = total - sizes[0];
    m_splitter->setSizes(sizes);
}

std::vector<core::Uuid> SystemsView::listedSystems() const {
    std::vector<core::Uuid> ids;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (const auto id = core::Uuid::fromString(
                std8(m_list->topLevelItem(i)->data(0, hexIdRole).toString())))
            ids.push_back(*id);
    }
    return ids;
}

void SystemsView::selectSystem(const core::Uuid& hexID) {
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        if (item->data(0, hexIdRole).toString() == qt(hexID.toString())) {
            m_list->setCurrentItem(item);
            return;
        }
    }
}

void SystemsView::selectionChanged() {
    if (m_refreshing)
        return;
    QTreeWidgetItem* item = m_list->currentItem();
    const auto id =
        item ? core::Uuid::fromString(std8(item->data(0, hexIdRole).toString())) : std::nullopt;
    if (id == m_selected)
        return;
    if (m_editor && m_editor->hasUnsavedChanges() &&
        !m_questions.confirm(this, tr("Discard Changes?"),
                             tr("“%1” has changes that were not saved.")
                                 .arg(qt(systemDisplayName(m_editor->draft().starSystem))),
                             tr("Discard"))) {
        // Stay on the system being edited.
        m_refreshing = true;
        selectSystem(*m_selected);
        m_refreshing = false;
        return;
    }
    showEditorFor(id);
}

void SystemsView::showEditorFor(const std::optional<core::Uuid>& hexID) {
    m_selected = hexID;
    if (m_detail) {
        m_detailLayout->removeWidget(m_detail);
        m_detail->deleteLater();
    }
    m_editor = nullptr;
    if (hexID) {
        m_editor = new SystemEditor(m_context, *hexID, this);
        m_editor->setQuestions(m_questions);
        connect(m_editor, &SystemEditor::systemDeleted, this,
                [this] { showEditorFor(std::nullopt); });
        m_detail = m_editor;
    } else if (m_context.manager.current().data().empty()) {
        m_detail = new ui::EmptyStateView(
            tr("No Systems"), tr("Generate systems with the Generator, or import a sector."), this);
    } else {
        m_detail = new ui::EmptyStateView(tr("No System Selected"),
                                          tr("Choose a system from the list."), this);
    }
    m_detailLayout->addWidget(m_detail);
}

} // namespace velmora::systems
