#include "factions/ui/faction_editing_view.h"

#include "factions/base_of_influence.h"
#include "factions/faction_editing.h"
#include "factions/faction_rules.h"
#include "factions/faction_texts.h"
#include "factions/ui/add_asset_dialog.h"
#include "factions/ui/color_swatch_picker.h"
#include "factions/ui/faction_asset_list.h"
#include "factions/ui/faction_info_window.h"
#include "factions/ui/faction_note_dialog.h"
#include "factions/ui/faction_note_list.h"
#include "ui/empty_state_view.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::factions {

using universe::AssetCategory;
using universe::Faction;
using universe::FactionAsset;
using universe::FactionNote;
using universe::FactionTag;

namespace {

constexpr AssetCategory statOrder[] = {AssetCategory::force, AssetCategory::cunning,
                                       AssetCategory::wealth};
constexpr int tagColumns = 4;

QVariant coordinatesData(const core::GalacticCoordinates& c) {
    return QList<QVariant>{c.sectorX, c.sectorY, c.column, c.row};
}

core::GalacticCoordinates coordinatesOf(const QVariant& data) {
    const auto list = data.toList();
    if (list.size() != 4)
        return {};
    return {list[0].toInt(), list[1].toInt(), list[2].toInt(), list[3].toInt()};
}

QString perTurn(const char* label, int figure) {
    return QObject::tr(label) + QString::number(figure) + QObject::tr(" FacCreds/turn");
}

QLabel* warningLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xb0, 0x3a, 0x2e));
    label->setPalette(palette);
    return label;
}

} // namespace

FactionEditingView::FactionEditingView(ui::ViewContext& context,
                                       std::optional<core::Uuid> factionID, QWidget* parent)
    : QWidget(parent), m_context(context), m_creating(!factionID) {
    setObjectName(QStringLiteral("factionEditingView"));
    auto& universe = m_context.manager.current();
    if (factionID) {
        if (const Faction* stored = universe.faction(*factionID))
            m_draft = *stored;
        else
            m_deleted = true;
    } else {
        m_draft = newFaction(core::Uuid::generate());
        m_blank = m_draft;
    }

    m_pages = new QStackedLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    content->setMaximumWidth(860);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(24, 18, 24, 24);
    column->setSpacing(6);

    auto* header = new QHBoxLayout;
    m_title = new QLabel(content);
    m_title->setObjectName(QStringLiteral("factionEditorTitle"));
    makeTitle(m_title);
    m_info = new QPushButton(tr("Info"), content);
    m_info->setObjectName(QStringLiteral("factionInfo"));
    m_info->setToolTip(tr("Open the faction's summary in its own window"));
    m_delete = new QPushButton(tr("Delete Faction…"), content);
    m_delete->setObjectName(QStringLiteral("deleteFaction"));
    header->addWidget(m_title);
    header->addStretch();
    header->addWidget(m_info);
    header->addWidget(m_delete);
    column->addLayout(header);

    column->addWidget(sectionHeading(tr("Identity"), content));
    column->addWidget(buildIdentity(content));
    column->addWidget(sectionHeading(tr("Stats"), content));
    column->addWidget(buildStats(content));
    column->addWidget(sectionHeading(tr("Tags"), content));
    column->addWidget(buildTags(content));
    column->addWidget(sectionHeading(tr("Assets"), content));
    m_assets = new FactionAssetList(content);
    column->addWidget(m_assets);
    column->addWidget(sectionHeading(tr("Notes"), content));
    m_notes = new FactionNoteList(content);
    column->addWidget(m_notes);

    auto* footer = new QHBoxLayout;
    m_savedNote = quietNote(QString(), content);
    m_save = new QPushButton(content);
    m_save->setObjectName(QStringLiteral("saveFaction"));
    m_save->setDefault(true);
    m_save->setMinimumWidth(140);
    footer->addWidget(m_savedNote, 1);
    footer->addWidget(m_save);
    column->addSpacing(12);
    column->addLayout(footer);
    column->addStretch();

    auto* centred = new QWidget(scroll);
    auto* centring = new QHBoxLayout(centred);
    centring->setContentsMargins(0, 0, 0, 0);
    centring->addWidget(content, 1, Qt::AlignHCenter | Qt::AlignTop);
    scroll->setWidget(centred);
    m_pages->addWidget(scroll);
    m_pages->addWidget(new ui::EmptyStateView(
        tr("No Faction"), tr("This faction is no longer in the universe."), this));

    connect(m_save, &QPushButton::clicked, this, &FactionEditingView::saveFaction);
    auto* saveShortcut = new QShortcut(QKeySequence::Save, this);
    connect(saveShortcut, &QShortcut::activated, this, [this] {
        if (m_save->isEnabled())
            saveFaction();
    });
    connect(m_delete, &QPushButton::clicked, this, &FactionEditingView::deleteFaction);
    connect(m_info, &QPushButton::clicked, this, &FactionEditingView::openInfoWindow);
    connect(m_assets, &FactionAssetList::addRequested, this,
            &FactionEditingView::openAddAssetDialog);
    connect(m_assets, &FactionAssetList::removeRequested, this, &FactionEditingView::removeAsset);
    connect(m_assets, &FactionAssetList::hitPointsChanged, this,
            [this](std::size_t index, int hitPoints) {
                if (index < m_draft.assets.size()) {
                    m_draft.assets[index].hp = hitPoints;
                    refreshMode();
                }
            });
    connect(m_notes, &FactionNoteList::addRequested, this,
            [this] { openNoteDialog(std::nullopt); });
    connect(m_notes, &FactionNoteList::editRequested, this,
            [this](std::size_t index) { openNoteDialog(index); });
    connect(m_notes, &FactionNoteList::removeRequested, this, &FactionEditingView::removeNote);

    loadDraftIntoFields();
    refreshMode();

    // Systems come and go while the editor is open, and another window may
    // delete the faction; the draft itself stays as the user left it.
    m_universeChanged = universe.changed().subscribe([this] {
        if (!m_creating && !m_context.manager.current().faction(m_draft.id))
            m_deleted = true;
        fillHomeworlds();
        refreshMode();
    });
}

FactionEditingView::~FactionEditingView() = default;

QWidget* FactionEditingView::buildIdentity(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("factionName"));
    m_name->setPlaceholderText(tr("Faction name"));
    m_short = new QLineEdit(box);
    m_short->setObjectName(QStringLiteral("factionShortName"));
    m_short->setPlaceholderText(tr("e.g. ImDd"));
    m_short->setMaximumWidth(120);
    m_category = new QComboBox(box);
    m_category->setObjectName(QStringLiteral("factionCategory"));
    for (const auto& [category, raw] : universe::factionCategoryTable.entries)
        m_category->addItem(qt(displayName(category)), static_cast<int>(category));
    m_color = new ColorSwatchPicker(box);
    m_color->setObjectName(QStringLiteral("factionColor"));
    m_description = new QPlainTextEdit(box);
    m_description->setFixedHeight(84);
    m_description->setPlaceholderText(tr("Who they are, what they want"));
    m_homeworld = new QComboBox(box);
    m_homeworld->setObjectName(QStringLiteral("homeworld"));
    m_homeworld->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    form->addRow(tr("Faction name"), m_name);
    form->addRow(tr("Short"), m_short);
    form->addRow(tr("Category"), m_category);
    form->addRow(tr("Color"), m_color);
    form->addRow(tr("Description"), m_description);
    form->addRow(tr("Homeworld: "), m_homeworld);

    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_draft.name = text.toStdString();
        refreshMode();
    });
    connect(m_short, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_draft.shortName = text.toStdString();
        refreshMode();
    });
    connect(m_category, &QComboBox::activated, this, [this] {
        m_draft.category =
            static_cast<universe::FactionCategory>(m_category->currentData().toInt());
        refreshMode();
    });
    connect(m_color, &ColorSwatchPicker::colorChanged, this, [this](universe::FactionColor color) {
        m_draft.color = color;
        refreshMode();
    });
    connect(m_description, &QPlainTextEdit::textChanged, this, [this] {
        m_draft.description = m_description->toPlainText().toStdString();
        refreshMode();
    });
    connect(m_homeworld, &QComboBox::activated, this, [this] {
        m_draft.homeworld = coordinatesOf(m_homeworld->currentData());
        refreshMode();
    });
    return box;
}

FactionEditingView::StatField FactionEditingView::makeStatField(QWidget* parent, int minimum,
                                                                int maximum) {
    StatField field;
    field.spin = new QSpinBox(parent);
    // Wider than the rules allow: an out-of-range number typed in is taken and
    // brought within the rules with a note, instead of being silently refused.
    field.spin->setRange(minimum, maximum);
    field.spin->setMinimumWidth(72);
    field.note = warningLabel(QString(), parent);
    field.note->hide();
    return field;
}

QWidget* FactionEditingView::buildStats(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    int row = 0;
    for (AssetCategory category : statOrder) {
        StatField field = makeStatField(box, -999, 999);
        field.spin->setObjectName(QStringLiteral("rating-") + qt(universe::rawValue(category)));
        field.note->setObjectName(QStringLiteral("ratingNote-") + qt(universe::rawValue(category)));
        grid->addWidget(new QLabel(qt(displayName(category)) + QStringLiteral(": "), box), row, 0);
        grid->addWidget(field.spin, row, 1);
        grid->addWidget(field.note, row, 2, 1, 2);
        connect(field.spin, &QSpinBox::valueChanged, this,
                [this, category](int value) { setRatingFromField(category, value); });
        m_ratings[category] = field;
        ++row;
    }

    StatField hp = makeStatField(box, -9999, 9999);
    m_hp = hp.spin;
    m_hp->setObjectName(QStringLiteral("hitPoints"));
    m_hpNote = hp.note;
    m_hpNote->setObjectName(QStringLiteral("hitPointsNote"));
    m_maxHP = new QLabel(box);
    auto* fullHP = new QPushButton(tr("Full HP"), box);
    fullHP->setObjectName(QStringLiteral("fullHP"));
    auto* hpRow = new QHBoxLayout;
    hpRow->addWidget(m_hp);
    hpRow->addWidget(m_maxHP);
    hpRow->addWidget(fullHP);
    hpRow->addStretch();
    grid->addWidget(new QLabel(tr("HP: "), box), row, 0);
    grid->addLayout(hpRow, row, 1, 1, 2);
    grid->addWidget(m_hpNote, row + 1, 1, 1, 3);
    row += 2;

    StatField credits = makeStatField(box, -999999, 999999);
    m_credits = credits.spin;
    m_credits->setObjectName(QStringLiteral("credits"));
    m_creditsNote = credits.note;
    m_creditsNote->setObjectName(QStringLiteral("creditsNote"));
    m_credits->setSuffix(tr(" FC"));
    grid->addWidget(new QLabel(tr("Credits"), box), row, 0);
    grid->addWidget(m_credits, row, 1);
    grid->addWidget(m_creditsNote, row, 2, 1, 2);
    ++row;

    m_income = new QLabel(box);
    m_income->setObjectName(QStringLiteral("income"));
    m_maintenance = new QLabel(box);
    m_maintenance->setObjectName(QStringLiteral("maintenance"));
    auto* readOuts = new QHBoxLayout;
    readOuts->addWidget(m_income);
    readOuts->addSpacing(24);
    readOuts->addWidget(m_maintenance);
    readOuts->addStretch();
    grid->addLayout(readOuts, row, 0, 1, 4);
    grid->setColumnStretch(3, 1);

    connect(m_hp, &QSpinBox::valueChanged, this, &FactionEditingView::setHitPointsFromField);
    connect(m_credits, &QSpinBox::valueChanged, this, &FactionEditingView::setCreditsFromField);
    connect(fullHP, &QPushButton::clicked, this, [this] {
        restoreFullHitPoints(m_draft);
        m_hpNote->hide();
        refreshDerived();
        refreshMode();
    });
    return box;
}

QWidget* FactionEditingView::buildTags(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tagsSummary = new QLabel(box);
    m_tagsSummary->setObjectName(QStringLiteral("tagsSummary"));
    m_tagsSummary->setWordWrap(true);
    layout->addWidget(m_tagsSummary);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    const bool traveller = m_context.manager.current().usesTravellerTechLevels();
    int index = 0;
    for (const auto& [tag, raw] : universe::factionTagTable.entries) {
        auto* check = new QCheckBox(qt(displayName(tag, traveller)), box);
        check->setObjectName(QStringLiteral("tag-") + qt(raw));
        grid->addWidget(check, index / tagColumns, index % tagColumns);
        m_tagBoxes[tag] = check;
        connect(check, &QCheckBox::toggled, this, [this, tag = tag](bool on) {
            if (hasTag(m_draft, tag) != on)
                toggleTag(m_draft, tag);
            refreshTagsSummary();
            refreshMode();
        });
        ++index;
    }
    layout->addLayout(grid);
    return box;
}

void FactionEditingView::loadDraftIntoFields() {
    m_name->setText(qt(m_draft.name));
    m_short->setText(qt(m_draft.shortName));
    m_category->setCurrentIndex(m_category->findData(static_cast<int>(m_draft.category)));
    m_color->setColor(m_draft.color);
    {
        const QSignalBlocker blocker(m_description);
        m_description->setPlainText(qt(m_draft.description));
    }
    fillHomeworlds();
    for (auto& [tag, check] : m_tagBoxes) {
        const QSignalBlocker blocker(check);
        check->setChecked(hasTag(m_draft, tag));
    }
    refreshTagsSummary();
    refreshDerived();
    if (m_draft.hp > maxHP(m_draft) || m_draft.hp < 0) {
        // Files written elsewhere can hold any number; it stays until changed.
        m_hpNote->setText(
            tr("HP runs from 0 to the faction's maximum, %1; this faction's %2 is kept until "
               "you change it.")
                .arg(maxHP(m_draft))
                .arg(m_draft.hp));
        m_hpNote->show();
    }
    rebuildAssets();
    rebuildNotes();
}

void FactionEditingView::fillHomeworlds() {
    const auto& universe = m_context.manager.current();
    m_homeworld->clear();
    m_homeworld->addItem(tr("None"), coordinatesData({}));
    std::vector<const core::HexData*> hexes;
    for (const core::HexData& hex : universe.data())
        hexes.push_back(&hex);
    std::sort(hexes.begin(), hexes.end(), [](const core::HexData* a, const core::HexData* b) {
        return a->coordinates < b->coordinates;
    });
    for (const core::HexData* hex : hexes) {
        m_homeworld->addItem(qt(systemDisplayName(*hex)) + QStringLiteral(" — ") +
                                 qt(universe.locationText(hex->coordinates)),
                             coordinatesData(hex->coordinates));
    }
    int index = m_homeworld->findData(coordinatesData(m_draft.homeworld));
    if (index < 0) {
        // The system was removed after the faction chose it: keep the choice visible.
        m_homeworld->addItem(tr("System Not Found — ") +
                                 qt(universe.locationText(m_draft.homeworld)),
                             coordinatesData(m_draft.homeworld));
        index = m_homeworld->count() - 1;
    }
    m_homeworld->setCurrentIndex(index);
}

void FactionEditingView::setRatingFromField(AssetCategory category, int typed) {
    const StatField& field = m_ratings.at(category);
    const int kept = clampRating(typed);
    if (kept != typed) {
        const QString why = tr("Ratings run from %1 to %2; %3 became %4.")
                                .arg(minimumRating)
                                .arg(maximumRating)
                                .arg(typed)
                                .arg(kept);
        field.note->setText(why);
        field.note->show();
        field.spin->setToolTip(why);
    } else {
        field.note->hide();
        field.spin->setToolTip(tr("From %1 to %2").arg(minimumRating).arg(maximumRating));
    }
    const int hpBefore = m_draft.hp;
    setRating(m_draft, category, kept);
    if (m_draft.hp != hpBefore) {
        m_hpNote->setText(tr("HP lowered to the new maximum, %1.").arg(m_draft.hp));
        m_hpNote->show();
    }
    refreshDerived();
    rebuildAssets(); // the rating warnings follow the ratings
    refreshMode();
}

void FactionEditingView::setHitPointsFromField(int typed) {
    const int kept = clampHitPoints(m_draft, typed);
    if (kept != typed) {
        const QString why = tr("HP runs from 0 to the faction's maximum, %1; %2 became %3.")
                                .arg(maxHP(m_draft))
                                .arg(typed)
                                .arg(kept);
        m_hpNote->setText(why);
        m_hpNote->show();
        m_hp->setToolTip(why);
    } else {
        m_hpNote->hide();
        m_hp->setToolTip(QString());
    }
    m_draft.hp = kept;
    refreshDerived();
    refreshMode();
}

void FactionEditingView::setCreditsFromField(int typed) {
    const int kept = clampCredits(typed);
    if (kept != typed) {
        const QString why = tr("FacCreds cannot fall below 0; %1 became %2.").arg(typed).arg(kept);
        m_creditsNote->setText(why);
        m_creditsNote->show();
        m_credits->setToolTip(why);
    } else {
        m_creditsNote->hide();
        m_credits->setToolTip(QString());
    }
    m_draft.credits = kept;
    refreshDerived();
    refreshMode();
}

void FactionEditingView::refreshDerived() {
    for (AssetCategory category : statOrder) {
        QSpinBox* spin = m_ratings.at(category).spin;
        const QSignalBlocker blocker(spin);
        spin->setValue(rating(m_draft, category));
    }
    {
        const QSignalBlocker blocker(m_hp);
        m_hp->setValue(m_draft.hp);
    }
    {
        const QSignalBlocker blocker(m_credits);
        m_credits->setValue(m_draft.credits);
    }
    m_maxHP->setText(tr("of %1").arg(maxHP(m_draft)));
    m_income->setText(perTurn("Income: ", income(m_draft)));
    m_maintenance->setText(perTurn("Maintenance: ", upkeep(m_draft)));
    QStringList excess;
    for (AssetCategory category : statOrder) {
        if (const int extra = excessAssetCount(m_draft, category); extra > 0)
            excess << tr("%1 %2 beyond the rating").arg(extra).arg(qt(displayName(category)));
    }
    m_maintenance->setToolTip(excess.isEmpty()
                                  ? tr("The assets' own upkeep")
                                  : tr("The assets' own upkeep, plus 1 for each asset ") +
                                        excess.join(QStringLiteral(", ")));
}

void FactionEditingView::refreshTagsSummary() {
    const bool traveller = m_context.manager.current().usesTravellerTechLevels();
    QStringList names;
    for (FactionTag tag : m_draft.tags)
        names << qt(displayName(tag, traveller));
    m_tagsSummary->setText(names.isEmpty() ? tr("None") : names.join(QStringLiteral(", ")));
}

void FactionEditingView::rebuildAssets() {
    m_assets->show(m_draft, m_context.manager.current());
}

void FactionEditingView::rebuildNotes() {
    m_notes->show(m_draft);
}

bool FactionEditingView::hasUnsavedChanges() const {
    if (m_creating)
        return true;
    const Faction* stored = m_context.manager.current().faction(m_draft.id);
    return !stored || *stored != m_draft;
}

bool FactionEditingView::hasEditsToKeep() const {
    if (m_deleted)
        return false;
    if (m_creating)
        return m_draft != m_blank;
    // A faction gone from the universe has nowhere to be saved to.
    const Faction* stored = m_context.manager.current().faction(m_draft.id);
    return stored && *stored != m_draft;
}

bool FactionEditingView::confirmLeave() {
    if (!hasEditsToKeep())
        return true;
    const QString question = tr("Save changes to “%1”?").arg(qt(factionDisplayName(m_draft)));
    const QString detail = m_creating
                               ? tr("The new faction is not created unless you save it.")
                               : tr("Your changes to this faction are lost unless you save them.");
    switch (m_askToSave(this, question, detail)) {
    case SaveAnswer::save:
        writeDraft();
        return true;
    case SaveAnswer::discard:
        revertDraft();
        return true;
    case SaveAnswer::cancel:
        return false;
    }
    return false;
}

void FactionEditingView::revertDraft() {
    if (m_creating) {
        m_draft = m_blank;
    } else if (const Faction* stored = m_context.manager.current().faction(m_draft.id)) {
        m_draft = *stored;
    }
    for (const auto& [category, field] : m_ratings)
        field.note->hide();
    m_hpNote->hide();
    m_creditsNote->hide();
    loadDraftIntoFields();
    refreshMode();
}

void FactionEditingView::refreshMode() {
    m_pages->setCurrentIndex(m_deleted ? 1 : 0);
    m_title->setText(m_creating ? tr("Faction Creation") : tr("Edit Faction"));
    m_save->setText(m_creating ? tr("Create Faction") : tr("Save Changes"));
    m_save->setEnabled(hasUnsavedChanges());
    m_delete->setVisible(!m_creating);
    m_info->setVisible(!m_creating);
    if (hasUnsavedChanges() && !m_creating)
        m_savedNote->setText(tr("Unsaved changes"));
    else if (!m_creating)
        m_savedNote->setText(tr("All changes saved"));
}

void FactionEditingView::addAsset(const FactionAsset& asset) {
    if (!canAddAsset(m_draft, asset))
        return;
    m_draft.assets.push_back(asset);
    refreshDerived();
    rebuildAssets();
    refreshMode();
}

void FactionEditingView::removeAsset(std::size_t index) {
    if (index >= m_draft.assets.size())
        return;
    m_draft.assets.erase(m_draft.assets.begin() + static_cast<std::ptrdiff_t>(index));
    refreshDerived();
    rebuildAssets();
    refreshMode();
}

void FactionEditingView::addNote(const FactionNote& note) {
    FactionNote added = note;
    added.id = nextNoteID(m_draft);
    m_draft.notes.push_back(added);
    rebuildNotes();
    refreshMode();
}

void FactionEditingView::replaceNote(std::size_t index, const FactionNote& note) {
    if (index >= m_draft.notes.size())
        return;
    const int id = m_draft.notes[index].id;
    m_draft.notes[index] = note;
    m_draft.notes[index].id = id;
    rebuildNotes();
    refreshMode();
}

void FactionEditingView::removeNote(std::size_t index) {
    if (index >= m_draft.notes.size())
        return;
    m_draft.notes.erase(m_draft.notes.begin() + static_cast<std::ptrdiff_t>(index));
    rebuildNotes();
    refreshMode();
}

void FactionEditingView::openAddAssetDialog() {
    auto* dialog = new AddAssetDialog(m_draft, m_context.manager.current(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (const auto asset = dialog->asset())
            addAsset(*asset);
    });
    dialog->open();
}

void FactionEditingView::openNoteDialog(std::optional<std::size_t> index) {
    FactionNote note;
    if (index && *index < m_draft.notes.size())
        note = m_draft.notes[*index];
    else if (!m_draft.notes.empty())
        note.date = m_draft.notes.back().date; // a log usually goes on from its last entry
    auto* dialog = new FactionNoteDialog(note, !index, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, index] {
        if (index)
            replaceNote(*index, dialog->note());
        else
            addNote(dialog->note());
    });
    dialog->open();
}

void FactionEditingView::openInfoWindow() {
    if (!m_creating)
        openFactionInfo(m_context, m_draft.id);
}

void FactionEditingView::saveFaction() {
    const bool created = m_creating;
    if (!writeDraft() || !created)
        return;
    emit factionCreated(qt(m_draft.id.toString()));
    if (m_context.select)
        m_context.select({ui::Destination::faction, m_draft.id});
}

bool FactionEditingView::writeDraft() {
    if (m_deleted)
        return false;
    auto& universe = m_context.manager.current();
    if (!m_creating && !universe.faction(m_draft.id)) {
        m_deleted = true;
        refreshMode();
        return false;
    }
    const std::string name = factionDisplayName(m_draft);
    // Saving tells the sidebar, which rebuilds its faction rows.
    const universe::EditResult result =
        universe.putRecord(&universe::UniverseRecord::factions, m_draft,
                           (m_creating ? "New Faction " : "Edit Faction ") + name);
    if (!result) {
        ui::showEditFailure(this, tr("Can't Save Faction"), result.error);
        return false;
    }
    m_creating = false;
    refreshMode();
    return true;
}

void FactionEditingView::deleteFaction() {
    if (m_creating || m_deleted)
        return;
    const QString name = qt(factionDisplayName(m_draft));
    if (!m_confirm(
            this, tr("Delete Faction?"),
            tr("“%1” will be removed from this universe. Worlds and lists that name it keep the "
               "reference and show it as “Unknown Faction”.")
                .arg(name)))
        return;
    auto& universe = m_context.manager.current();
    const QString id = qt(m_draft.id.toString());
    closeFactionInfo(m_context, m_draft.id);
    m_deleted = true;
    refreshMode();
    universe::UniverseEdit edit =
        universe.beginEdit("Delete Faction " + factionDisplayName(m_draft));
    if (removeFaction(edit, m_draft.id))
        ui::showEditFailure(this, tr("Can't Delete Faction"),
                            universe.apply(std::move(edit)).error);
    emit factionDeleted(id);
}

} // namespace velmora::factions
