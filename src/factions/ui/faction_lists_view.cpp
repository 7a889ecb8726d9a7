#include "factions/ui/faction_lists_view.h"

#include "factions/faction_lists.h"
#include "factions/faction_texts.h"
#include "ui/empty_state_view.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::factions {

namespace {
constexpr int idRole = Qt::UserRole + 1;
}

FactionListsView::FactionListsView(ui::ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_lists(new QListWidget(this)), m_noLists(nullptr),
      m_new(new QPushButton(tr("New Faction List"), this)),
      m_delete(new QPushButton(tr("Delete"), this)), m_detail(new QStackedWidget(this)),
      m_empty(new ui::EmptyStateView(tr("No List Selected"),
                                     tr("Choose a faction list or create a new one."), this)),
      m_editor(new QWidget(this)), m_title(new QLabel(this)), m_name(new QLineEdit(this)),
      m_ticks(new QListWidget(this)), m_count(new QLabel(this)), m_noFactions(nullptr),
      m_save(new QPushButton(this)) {
    setObjectName(QStringLiteral("factionListsView"));

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(12, 12, 6, 12);
    sideLayout->addWidget(sectionHeading(tr("Faction Lists"), side));
    m_lists->setObjectName(QStringLiteral("factionLists"));
    m_lists->setAlternatingRowColors(true);
    m_lists->setSpacing(1);
    sideLayout->addWidget(m_lists, 1);
    m_noLists = quietNote(tr("No faction lists"), side);
    m_noLists->setAlignment(Qt::AlignCenter);
    sideLayout->addWidget(m_noLists, 1);
    auto* sideButtons = new QHBoxLayout;
    sideButtons->addWidget(m_new);
    sideButtons->addWidget(m_delete);
    sideLayout->addLayout(sideButtons);

    auto* form = new QVBoxLayout(m_editor);
    form->setContentsMargins(24, 18, 24, 18);
    makeTitle(m_title);
    form->addWidget(m_title);
    form->addWidget(sectionHeading(tr("Name"), m_editor));
    m_name->setPlaceholderText(tr("List name"));
    m_name->setObjectName(QStringLiteral("listName"));
    form->addWidget(m_name);
    auto* factionsHeading = new QHBoxLayout;
    factionsHeading->addWidget(sectionHeading(tr("Factions"), m_editor));
    factionsHeading->addStretch();
    m_count->setObjectName(QStringLiteral("selectedCount"));
    factionsHeading->addWidget(m_count, 0, Qt::AlignBottom);
    form->addLayout(factionsHeading);
    m_ticks->setObjectName(QStringLiteral("factionTicks"));
    form->addWidget(m_ticks, 1);
    m_noFactions =
        quietNote(tr("No factions yet — create factions first to add them to a list."), m_editor);
    m_noFactions->setObjectName(QStringLiteral("noFactions"));
    form->addWidget(m_noFactions);
    auto* footer = new QHBoxLayout;
    footer->addStretch();
    m_save->setDefault(true);
    m_save->setMinimumWidth(130);
    footer->addWidget(m_save);
    form->addLayout(footer);

    m_detail->addWidget(m_empty);
    m_detail->addWidget(m_editor);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(side);
    splitter->addWidget(m_detail);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 560});
    splitter->setChildrenCollapsible(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(m_new, &QPushButton::clicked, this, &FactionListsView::startNewList);
    connect(m_delete, &QPushButton::clicked, this, &FactionListsView::deleteSelectedList);
    connect(m_save, &QPushButton::clicked, this, &FactionListsView::saveList);
    auto* saveShortcut = new QShortcut(QKeySequence::Save, this);
    connect(saveShortcut, &QShortcut::activated, this, [this] {
        if (m_editing && m_save->isEnabled())
            saveList();
    });
    connect(m_lists, &QListWidget::itemSelectionChanged, this, [this] {
        if (const auto id = selectedListID())
            selectList(*id);
        m_delete->setEnabled(selectedListID().has_value());
    });
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_draft.name = text.trimmed().toStdString();
        refreshEditorState();
    });
    connect(m_ticks, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const auto id = core::Uuid::fromString(item->data(idRole).toString().toStdString());
        if (id)
            setFactionTicked(*id, item->checkState() == Qt::Checked);
    });

    m_universeChanged = m_context.manager.current().changed().subscribe([this] {
        rebuildLists();
        if (m_editing)
            rebuildTicks();
    });
    rebuildLists();
    m_detail->setCurrentWidget(m_empty);
    m_delete->setEnabled(false);
}

FactionListsView::~FactionListsView() = default;

std::optional<core::Uuid> FactionListsView::selectedListID() const {
    const auto items = m_lists->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return core::Uuid::fromString(items.front()->data(idRole).toString().toStdString());
}

void FactionListsView::rebuildLists() {
    const auto& universe = m_context.manager.current();
    const QSignalBlocker blocker(m_lists);
    const auto previous = m_editing && !m_creating ? std::optional(m_draft.id) : std::nullopt;
    m_lists->clear();
    for (const universe::FactionList& list : universe.factionLists()) {
        const auto count = factionsInList(list, universe.factions()).size();
        auto* item = new QListWidgetItem(
            qt(listDisplayName(list)) + QLatin1Char('\n') + qt(factionCountText(count)), m_lists);
        item->setData(idRole, qt(list.id.toString()));
        if (previous && *previous == list.id)
            item->setSelected(true);
    }
    const bool none = universe.factionLists().empty();
    m_lists->setVisible(!none);
    m_noLists->setVisible(none);
    m_delete->setEnabled(selectedListID().has_value());
}

void FactionListsView::startNewList() {
    m_draft = universe::FactionList{core::Uuid::generate(), {}, {}};
    m_creating = true;
    m_editing = true;
    m_lists->clearSelection();
    showEditor();
}

void FactionListsView::selectList(const core::Uuid& id) {
    const auto& lists = m_context.manager.current().factionLists();
    const auto it = std::find_if(lists.begin(), lists.end(),
                                 [&id](const universe::FactionList& l) { return l.id == id; });
    if (it == lists.end())
        return;
    m_draft = *it;
    m_creating = false;
    m_editing = true;
    for (int row = 0; row < m_lists->count(); ++row) {
        QListWidgetItem* item = m_lists->item(row);
        if (item->data(idRole).toString() == qt(id.toString()) && !item->isSelected()) {
            const QSignalBlocker blocker(m_lists);
            m_lists->setCurrentItem(item);
        }
    }
    m_delete->setEnabled(true);
    showEditor();
}

void FactionListsView::showEditor() {
    m_name->setText(qt(m_draft.name));
    rebuildTicks();
    m_detail->setCurrentWidget(m_editor);
    m_name->setFocus();
}

void FactionListsView::rebuildTicks() {
    const auto& factions = m_context.manager.current().factions();
    const QSignalBlocker blocker(m_ticks);
    m_ticks->clear();
    for (const universe::Faction& faction : factions) {
        auto* item = new QListWidgetItem(swatchIcon(faction.color), qt(factionDisplayName(faction)),
                                         m_ticks);
        item->setData(idRole, qt(faction.id.toString()));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(listContains(m_draft, faction.id) ? Qt::Checked : Qt::Unchecked);
    }
    m_ticks->setVisible(!factions.empty());
    m_noFactions->setVisible(factions.empty());
    refreshEditorState();
}

void FactionListsView::setFactionTicked(const core::Uuid& factionID, bool ticked) {
    if (listContains(m_draft, factionID) != ticked)
        toggleFaction(m_draft, factionID);
    for (int row = 0; row < m_ticks->count(); ++row) {
        QListWidgetItem* item = m_ticks->item(row);
        if (item->data(idRole).toString() == qt(factionID.toString())) {
            const QSignalBlocker blocker(m_ticks);
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        }
    }
    refreshEditorState();
}

void FactionListsView::refreshEditorState() {
    const auto& universe = m_context.manager.current();
    m_title->setText(m_creating ? tr("Faction List Creation") : tr("Edit Faction List"));
    m_save->setText(m_creating ? tr("Create List") : tr("Save Changes"));
    m_count->setText(QString::number(factionsInList(m_draft, universe.factions()).size()) +
                     tr(" selected"));
    bool changed = m_creating;
    if (!m_creating) {
        const auto& lists = universe.factionLists();
        const auto it =
            std::find_if(lists.begin(), lists.end(),
                         [this](const universe::FactionList& l) { return l.id == m_draft.id; });
        changed = it == lists.end() || *it != m_draft;
    }
    m_save->setEnabled(changed);
}

void FactionListsView::saveList() {
    if (!m_editing)
        return;
    auto& universe = m_context.manager.current();
    const std::string name =
        (m_creating ? "New Faction List " : "Edit Faction List ") + listDisplayName(m_draft);
    // Saving rebuilds the rows, keeping this list selected.
    const universe::EditResult result =
        universe.putRecord(&universe::UniverseRecord::factionLists, m_draft, name);
    if (!result) {
        ui::showEditFailure(this, tr("Can't Save Faction List"), result.error);
        return;
    }
    m_creating = false;
    selectList(m_draft.id);
}

void FactionListsView::deleteSelectedList() {
    const auto id = selectedListID();
    if (!id)
        return;
    auto& universe = m_context.manager.current();
    const auto& lists = universe.factionLists();
    const auto it = std::find_if(lists.begin(), lists.end(),
                                 [&id](const universe::FactionList& l) { return l.id == *id; });
    if (it == lists.end())
        return;
    const std::string name = listDisplayName(*it);
    if (!m_confirm(this, tr("Delete Faction List?"),
                   tr("“%1” will be deleted. Its factions stay in the universe.").arg(qt(name))))
        return;
    m_editing = false;
    m_creating = false;
    m_detail->setCurrentWidget(m_empty);
    ui::showEditFailure(this, tr("Can't Delete Faction List"),
                        universe
                            .removeRecord(&universe::UniverseRecord::factionLists, *id,
                                          "Delete Faction List " + name)
                            .error);
}

} // namespace velmora::factions
