#include "systems/ui/system_editor.h"

#include "core/stellar.h"
#include "core/uwp.h"
#include "factions/faction_texts.h"
#include "systems/system_editing.h"
#include "systems/system_edits.h"
#include "systems/system_move.h"
#include "systems/system_refill.h"
#include "systems/system_texts.h"
#include "systems/system_validation.h"
#include "systems/ui/star_form.h"
#include "systems/ui/world_form.h"
#include "systems/ui/world_info_window.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::systems {

namespace {

constexpr int worldIdRole = Qt::UserRole;
constexpr int starIndexRole = Qt::UserRole + 1;

QFrame* makeCard(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QString worldTradeCodes(const core::WorldData& world) {
    QStringList codes;
    for (const core::TradeClass tradeClass : world.tradeClasses)
        codes << qt(core::code(tradeClass));
    return codes.join(QLatin1Char(' '));
}

QString starRowText(const core::Star& star, bool primary) {
    QString text = qt(star.name.empty() ? std::string("Unnamed star") : star.name) +
                   QStringLiteral("  ") + qt(spectrumText(star));
    if (primary)
        text += QObject::tr("  (primary)");
    return text;
}

} // namespace

SystemEditor::SystemEditor(ui::ViewContext& context, const core::Uuid& hexID, QWidget* parent)
    : QWidget(parent), m_context(context), m_hexID(hexID) {
    for (const core::HexData& hex : m_context.manager.current().data()) {
        if (hex.id == hexID)
            m_original = hex;
    }
    m_draft = m_original;

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(buildHeader());
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    layout->setSpacing(14);
    layout->addWidget(buildSystemSection());
    layout->addWidget(buildStarsSection());
    layout->addWidget(buildWorldsSection());
    layout->addStretch();
    scroll->setWidget(content);
    outer->addWidget(scroll, 1);
    for (QComboBox* combo : content->findChildren<QComboBox*>()) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(6);
    }
    scrollPastFields(content);

    if (!m_draft.starSystem.stars.empty())
        m_starIndex = 0;
    if (const core::WorldData* main = core::mainWorld(m_draft.starSystem))
        m_worldID = main->id;
    else if (!m_draft.starSystem.stars.empty() && !m_draft.starSystem.stars.front().worlds.empty())
        m_worldID = m_draft.starSystem.stars.front().worlds.front().id;
    showDraft();
    m_universeChanged =
        m_context.manager.current().changed().subscribe([this] { universeChanged(); });
}

void SystemEditor::setQuestions(UserQuestions questions) {
    m_questions = std::move(questions);
    m_worldForm->setQuestions(m_questions);
}

void SystemEditor::universeChanged() {
    // Another view (the generator, an import) rewrote this system: follow it while
    // there is nothing of the referee's own to lose.
    if (hasUnsavedChanges())
        return;
    for (const core::HexData& hex : m_context.manager.current().data()) {
        if (hex.id == m_hexID && hex != m_original) {
            m_original = hex;
            m_draft = hex;
            if (m_worldID && !findWorld(m_draft.starSystem, *m_worldID))
                m_worldID.reset();
            showDraft();
            return;
        }
    }
}

QWidget* SystemEditor::buildHeader() {
    auto* header = new QWidget(this);
    auto* layout = new QGridLayout(header);
    layout->setContentsMargins(12, 10, 12, 6);
    m_title = new QLabel(header);
    m_title->setObjectName(QStringLiteral("systemTitle"));
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_location = makeMutedLabel(QString(), header);
    m_location->setObjectName(QStringLiteral("systemLocation"));
    m_status = new QLabel(header);
    m_status->setObjectName(QStringLiteral("editorStatus"));

    m_generate = new QPushButton(tr("Generate"), header);
    m_generate->setObjectName(QStringLiteral("generateBodies"));
    m_generate->setToolTip(
        tr("Roll every body but the main world again: gas giants, belts, other worlds and moons."));
    m_delete = new QPushButton(tr("Delete System…"), header);
    m_delete->setObjectName(QStringLiteral("deleteSystem"));
    m_revert = new QPushButton(tr("Revert"), header);
    m_revert->setObjectName(QStringLiteral("revertChanges"));
    m_save = new QPushButton(tr("Save Changes"), header);
    m_save->setObjectName(QStringLiteral("saveChanges"));
    m_save->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_generate);
    buttons->addWidget(m_delete);
    buttons->addSpacing(16);
    buttons->addWidget(m_revert);
    buttons->addWidget(m_save);
    layout->addWidget(m_title, 0, 0);
    layout->addLayout(buttons, 0, 1, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_location, 1, 0);
    layout->addWidget(m_status, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(m_save, &QPushButton::clicked, this, &SystemEditor::save);
    connect(m_revert, &QPushButton::clicked, this, &SystemEditor::revert);
    connect(m_delete, &QPushButton::clicked, this, &SystemEditor::deleteSystem);
    connect(m_generate, &QPushButton::clicked, this, &SystemEditor::generateBodies);
    return header;
}

QWidget* SystemEditor::buildSystemSection() {
    auto* card = makeCard(this);
    auto* layout = new QVBoxLayout(card);
    layout->addWidget(makeSectionTitle(tr("System"), card));
    auto* form = new QFormLayout;
    m_name = new QLineEdit(card);
    m_name->setObjectName(QStringLiteral("systemName"));
    m_name->setPlaceholderText(tr("System name"));
    form->addRow(tr("Name"), m_name);

    const auto spin = [card](const QString& name, int minimum, int maximum) {
        auto* box = new QSpinBox(card);
        box->setObjectName(name);
        box->setRange(minimum, maximum);
        return box;
    };
    m_sectorX = spin(QStringLiteral("sectorX"), -999, 999);
    m_sectorY = spin(QStringLiteral("sectorY"), -999, 999);
    m_column = spin(QStringLiteral("hexColumn"), 1, core::sectorColumns);
    m_row = spin(QStringLiteral("hexRow"), 1, core::sectorRows);
    auto* hexRow = new QHBoxLayout;
    hexRow->addWidget(new QLabel(tr("Sector X"), card));
    hexRow->addWidget(m_sectorX);
    hexRow->addWidget(new QLabel(tr("Sector Y"), card));
    hexRow->addWidget(m_sectorY);
    hexRow->addSpacing(12);
    hexRow->addWidget(new QLabel(tr("Column"), card));
    hexRow->addWidget(m_column);
    hexRow->addWidget(new QLabel(tr("Row"), card));
    hexRow->addWidget(m_row);
    hexRow->addStretch();
    form->addRow(tr("Hex"), hexRow);
    m_coordinateWarning = new QLabel(card);
    m_coordinateWarning->setObjectName(QStringLiteral("coordinateWarning"));
    m_coordinateWarning->setWordWrap(true);
    setWarningStyle(m_coordinateWarning);
    form->addRow(QString(), m_coordinateWarning);

    const AwarenessLabels labels =
        awarenessLabels(m_context.manager.current().usesTravellerTechLevels());
    m_starfarers = new QCheckBox(qt(labels.starfarers), card);
    m_starfarers->setObjectName(QStringLiteral("awarenessStarfarers"));
    m_sathar = new QCheckBox(qt(labels.sathar), card);
    m_sathar->setObjectName(QStringLiteral("awarenessSathar"));
    m_other = new QCheckBox(qt(labels.other), card);
    m_other->setObjectName(QStringLiteral("awarenessOther"));
    auto* awareness = new QHBoxLayout;
    awareness->addWidget(m_starfarers);
    awareness->addWidget(m_sathar);
    awareness->addWidget(m_other);
    awareness->addStretch();
    form->addRow(tr("System Awareness"), awareness);
    m_surveyed = new QCheckBox(tr("Surveyed"), card);
    m_surveyed->setObjectName(QStringLiteral("surveyed"));
    form->addRow(tr("Survey Status"), m_surveyed);

    m_gasGiants = spin(QStringLiteral("gasGiantCount"), 0, 99);
    m_belts = spin(QStringLiteral("beltCount"), 0, 99);
    m_worldCount = spin(QStringLiteral("worldCount"), 0, 999);
    auto* countBodiesButton = new QPushButton(tr("Count from Worlds"), card);
    countBodiesButton->setObjectName(QStringLiteral("countBodies"));
    countBodiesButton->setToolTip(tr("Set the three figures from the bodies listed below."));
    auto* counts = new QHBoxLayout;
    counts->addWidget(new QLabel(tr("Gas giants"), card));
    counts->addWidget(m_gasGiants);
    counts->addWidget(new QLabel(tr("Planetoid belts"), card));
    counts->addWidget(m_belts);
    counts->addWidget(new QLabel(tr("Worlds"), card));
    counts->addWidget(m_worldCount);
    counts->addStretch();
    form->addRow(tr("Bodies"), counts);
    auto* recount = new QHBoxLayout;
    recount->addWidget(countBodiesButton);
    recount->addStretch();
    form->addRow(QString(), recount);
    m_hexNotes = new QPlainTextEdit(card);
    m_hexNotes->setObjectName(QStringLiteral("hexNotes"));
    m_hexNotes->setMaximumHeight(70);
    form->addRow(tr("Notes"), m_hexNotes);
    layout->addLayout(form);

    connect(m_name, &QLineEdit::textEdited, this, &SystemEditor::readSystemFields);
    for (QSpinBox* box :
         {m_sectorX, m_sectorY, m_column, m_row, m_gasGiants, m_belts, m_worldCount})
        connect(box, &QSpinBox::valueChanged, this, &SystemEditor::readSystemFields);
    for (QCheckBox* box : {m_starfarers, m_sathar, m_other, m_surveyed})
        connect(box, &QCheckBox::toggled, this, &SystemEditor::readSystemFields);
    connect(m_hexNotes, &QPlainTextEdit::textChanged, this, &SystemEditor::readSystemFields);
    connect(countBodiesButton, &QPushButton::clicked, this, [this] {
        const BodyCounts counts = countBodies(m_draft.starSystem);
        m_draft.starSystem.gasGiant = counts.gasGiants;
        m_draft.starSystem.planetoidBelts = counts.planetoidBelts;
        m_draft.starSystem.totalNumberOfWorlds = counts.worlds;
        showDraft();
    });
    return card;
}

QWidget* SystemEditor::buildStarsSection() {
    auto* card = makeCard(this);
    auto* layout = new QVBoxLayout(card);
    layout->addWidget(makeSectionTitle(tr("Stars"), card));
    auto* row = new QHBoxLayout;
    auto* listColumn = new QVBoxLayout;
    m_stars = new QListWidget(card);
    m_stars->setObjectName(QStringLiteral("starList"));
    m_stars->setMaximumWidth(210);
    m_stars->setMaximumHeight(150);
    listColumn->addWidget(m_stars);
    auto* addStarButton = new QPushButton(tr("Add Star"), card);
    addStarButton->setObjectName(QStringLiteral("addStar"));
    m_removeStar = new QPushButton(tr("Remove Star"), card);
    m_removeStar->setObjectName(QStringLiteral("removeStar"));
    auto* starButtons = new QHBoxLayout;
    starButtons->addWidget(addStarButton);
    starButtons->addWidget(m_removeStar);
    listColumn->addLayout(starButtons);
    row->addLayout(listColumn);

    m_starForm = new StarForm(card);
    row->addWidget(m_starForm, 1);
    layout->addLayout(row);

    connect(m_stars, &QListWidget::currentRowChanged, this, [this](int star) {
        if (m_loading)
            return;
        m_starIndex = star;
        showStar();
    });
    connect(m_starForm, &StarForm::edited, this, &SystemEditor::starEdited);
    connect(addStarButton, &QPushButton::clicked, this, [this] {
        m_starIndex = static_cast<int>(addStar(m_draft.starSystem));
        showDraft();
    });
    connect(m_removeStar, &QPushButton::clicked, this, [this] {
        if (m_starIndex < 0 || m_starIndex >= static_cast<int>(m_draft.starSystem.stars.size()))
            return;
        const core::Star& star = m_draft.starSystem.stars[static_cast<std::size_t>(m_starIndex)];
        if (!star.worlds.empty() &&
            !m_questions.confirm(
                this, tr("Remove Star?"),
                tr("“%1” is orbited by %2. Removing the star removes them too.")
                    .arg(qt(star.name),
                         qt(countText(static_cast<long long>(star.worlds.size()), "world"))),
                tr("Remove Star")))
            return;
        removeStar(m_draft.starSystem, static_cast<std::size_t>(m_starIndex));
        m_starIndex = std::min(m_starIndex, static_cast<int>(m_draft.starSystem.stars.size()) - 1);
        if (m_worldID && !findWorld(m_draft.starSystem, *m_worldID))
            m_worldID.reset();
        showDraft();
    });
    return card;
}

QWidget* SystemEditor::buildWorldsSection() {
    auto* card = makeCard(this);
    auto* layout = new QVBoxLayout(card);
    layout->addWidget(makeSectionTitle(tr("Worlds"), card));
    m_worlds = new QTreeWidget(card);
    m_worlds->setObjectName(QStringLiteral("worldList"));
    m_worlds->setHeaderLabels(
        {tr("World"), tr("Orbit"), tr("Type"), tr("Profile"), tr("Trade Classes")});
    m_worlds->setRootIsDecorated(false);
    m_worlds->setMinimumHeight(180);
    m_worlds->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_worlds->header()->setStretchLastSection(true);
    layout->addWidget(m_worlds);

    auto* buttons = new QHBoxLayout;
    auto* addWorldButton = new QPushButton(tr("Add World"), card);
    addWorldButton->setObjectName(QStringLiteral("addWorld"));
    m_duplicateWorld = new QPushButton(tr("Duplicate"), card);
    m_duplicateWorld->setObjectName(QStringLiteral("duplicateWorld"));
    m_deleteWorld = new QPushButton(tr("Delete World"), card);
    m_deleteWorld->setObjectName(QStringLiteral("deleteWorld"));
    m_worldInfo = new QPushButton(tr("World Info"), card);
    m_worldInfo->setObjectName(QStringLiteral("openWorldInfo"));
    m_worldInfo->setToolTip(tr("The saved world's full profile, in a window of its own."));
    buttons->addWidget(addWorldButton);
    buttons->addWidget(m_duplicateWorld);
    buttons->addWidget(m_deleteWorld);
    buttons->addStretch();
    buttons->addWidget(m_worldInfo);
    layout->addLayout(buttons);

    m_noWorld = makeMutedLabel(tr("Choose a world above, or add one."), card);
    m_noWorld->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_noWorld);
    m_worldForm = new WorldForm(card);
    m_worldForm->setObjectName(QStringLiteral("worldForm"));
    layout->addWidget(m_worldForm);

    connect(m_worlds, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (m_loading || !item)
            return;
        m_worldID = core::Uuid::fromString(std8(item->data(0, worldIdRole).toString()));
        m_starIndex = item->data(0, starIndexRole).toInt();
        m_loading = true;
        m_stars->setCurrentRow(m_starIndex);
        m_loading = false;
        showStar();
        showWorldForm();
    });
    connect(m_worldForm, &WorldForm::worldEdited, this, &SystemEditor::worldEdited);
    connect(addWorldButton, &QPushButton::clicked, this, [this] {
        const auto star = starForNewWorld();
        if (!star)
            return;
        const WorldPosition added = addWorld(m_draft.starSystem, *star);
        m_worldID = m_draft.starSystem.stars[added.star].worlds[added.world].id;
        showDraft();
    });
    connect(m_duplicateWorld, &QPushButton::clicked, this, [this] {
        if (!m_worldID)
            return;
        if (const auto copy = duplicateWorld(m_draft.starSystem, *m_worldID))
            m_worldID = m_draft.starSystem.stars[copy->star].worlds[copy->world].id;
        showDraft();
    });
    connect(m_deleteWorld, &QPushButton::clicked, this, [this] {
        const core::WorldData* world = selectedWorld();
        if (!world)
            return;
        const auto position = findWorld(m_draft.starSystem, world->id);
        const std::size_t moons =
            endOfSatelliteRun(m_draft.starSystem.stars[position->star], position->world) -
            position->world - 1;
        if (moons > 0 && !m_questions.confirm(
                             this, tr("Delete World?"),
                             tr("“%1” takes its %2 with it.")
                                 .arg(qt(worldDisplayName(*world)),
                                      qt(countText(static_cast<long long>(moons), "satellite"))),
                             tr("Delete World")))
            return;
        deleteWorld(m_draft.starSystem, world->id);
        m_worldID.reset();
        showDraft();
    });
    connect(m_worldInfo, &QPushButton::clicked, this, [this] {
        if (m_worldID)
            openWorldInfo(m_context, WorldInfoTarget{m_original.coordinates, m_worldID});
    });
    return card;
}

void SystemEditor::showDraft() {
    m_loading = true;
    const core::HexData& hex = m_draft;
    if (m_name->text() != qt(hex.starSystem.name))
        m_name->setText(qt(hex.starSystem.name));
    m_sectorX->setValue(hex.coordinates.sectorX);
    m_sectorY->setValue(hex.coordinates.sectorY);
    m_column->setValue(hex.coordinates.column);
    m_row->setValue(hex.coordinates.row);
    m_starfarers->setChecked(hex.starSystem.starfarers);
    m_sathar->setChecked(hex.starSystem.sathar);
    m_other->setChecked(hex.starSystem.other);
    m_surveyed->setChecked(hex.starSystem.surveyed);
    m_gasGiants->setValue(hex.starSystem.gasGiant);
    m_belts->setValue(hex.starSystem.planetoidBelts);
    m_worldCount->setValue(hex.starSystem.totalNumberOfWorlds);
    if (m_hexNotes->toPlainText() != qt(hex.notes))
        m_hexNotes->setPlainText(qt(hex.notes));
    m_loading = false;
    showStars();
    showWorlds();
    refreshState();
}

void SystemEditor::showHeader() {
    m_title->setText(qt(systemDisplayName(m_draft.starSystem)));
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    m_location->setText(
        qt(universe.locationText(m_draft.coordinates)) + QStringLiteral("  ·  ") +
        qt(countText(static_cast<long long>(m_draft.starSystem.stars.size()), "star")) +
        QStringLiteral(", ") + qt(countText(countBodies(m_draft.starSystem).worlds, "world")));
}

void SystemEditor::showStars() {
    m_loading = true;
    m_stars->clear();
    const auto& stars = m_draft.starSystem.stars;
    for (std::size_t i = 0; i < stars.size(); ++i)
        m_stars->addItem(starRowText(stars[i], i == 0));
    if (m_starIndex >= static_cast<int>(stars.size()))
        m_starIndex = static_cast<int>(stars.size()) - 1;
    m_stars->setCurrentRow(m_starIndex);
    m_loading = false;
    showStar();
}

void SystemEditor::showStar() {
    const bool valid =
        m_starIndex >= 0 && m_starIndex < static_cast<int>(m_draft.starSystem.stars.size());
    m_starForm->setEnabled(valid);
    m_removeStar->setEnabled(valid);
    if (valid)
        m_starForm->setStar(m_draft.starSystem.stars[static_cast<std::size_t>(m_starIndex)]);
}

void SystemEditor::showWorlds() {
    m_loading = true;
    m_worlds->clear();
    QTreeWidgetItem* current = nullptr;
    const auto& stars = m_draft.starSystem.stars;
    for (std::size_t s = 0; s < stars.size(); ++s) {
        for (const core::WorldData& world : stars[s].worlds) {
            auto* item = new QTreeWidgetItem(m_worlds);
            item->setData(0, worldIdRole, qt(world.id.toString()));
            item->setData(0, starIndexRole, static_cast<int>(s));
            updateWorldItem(item, world);
            if (m_worldID && world.id == *m_worldID)
                current = item;
        }
    }
    if (current)
        m_worlds->setCurrentItem(current);
    else
        m_worldID.reset();
    m_loading = false;
    showWorldForm();
}

void SystemEditor::updateWorldItem(QTreeWidgetItem* item, const core::WorldData& world) {
    QString name = qt(worldDisplayName(world));
    if (core::isSatelliteOrbit(world.satelliteOrbit))
        name = QStringLiteral("    ↳ ") + name;
    item->setText(0, name);
    QFont font = item->font(0);
    font.setBold(world.mainWorld);
    item->setFont(0, font);
    item->setToolTip(0, world.mainWorld ? tr("Main world") : QString());
    QString orbit = QString::number(core::rawValue(world.sunOrbit));
    if (core::isSatelliteOrbit(world.satelliteOrbit))
        orbit += QStringLiteral(" ") + qt(core::rawValue(world.satelliteOrbit));
    const int star = item->data(0, starIndexRole).toInt();
    if (star > 0)
        orbit = qt(m_draft.starSystem.stars[static_cast<std::size_t>(star)].name) +
                QStringLiteral(" · ") + orbit;
    item->setText(1, orbit);
    item->setText(2, qt(core::rawValue(world.type)));
    item->setText(3, qt(core::uwpCode(world.uwp)));
    QFont mono = item->font(3);
    mono.setFamily(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::Monospace);
    item->setFont(3, mono);
    item->setText(4, worldTradeCodes(world));
    const bool flawed = !checkWorld(world).empty();
    item->setForeground(3, flawed ? QBrush(QColor(0xc0, 0x26, 0x2d)) : QBrush());
}

void SystemEditor::showWorldForm() {
    const core::WorldData* world = selectedWorld();
    m_worldForm->setVisible(world != nullptr);
    m_noWorld->setVisible(world == nullptr);
    m_duplicateWorld->setEnabled(world != nullptr);
    m_deleteWorld->setEnabled(world != nullptr);
    // The window shows what is stored: a world that was never saved has none yet.
    bool stored = false;
    if (world) {
        for (const core::Star& star : m_original.starSystem.stars) {
            for (const core::WorldData& candidate : star.worlds)
                stored = stored || candidate.id == world->id;
        }
    }
    m_worldInfo->setEnabled(stored);
    if (!world)
        return;
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    WorldForm::Choices choices;
    for (const universe::Faction& faction : universe.factions())
        choices.factions.emplace_back(faction.id, factions::factionDisplayName(faction));
    choices.customRaces = universe.customRaces();
    choices.travellerScale = core::isTravellerScale(world->uwp.techLevel);
    m_worldForm->setChoices(std::move(choices));
    m_worldForm->setWorld(*world);
}

core::WorldData* SystemEditor::selectedWorld() {
    if (!m_worldID)
        return nullptr;
    const auto position = findWorld(m_draft.starSystem, *m_worldID);
    return position ? &m_draft.starSystem.stars[position->star].worlds[position->world] : nullptr;
}

std::optional<std::size_t> SystemEditor::starForNewWorld() const {
    if (m_draft.starSystem.stars.empty())
        return std::nullopt;
    if (m_starIndex >= 0 && m_starIndex < static_cast<int>(m_draft.starSystem.stars.size()))
        return static_cast<std::size_t>(m_starIndex);
    return 0;
}

void SystemEditor::readSystemFields() {
    if (m_loading)
        return;
    core::HexData& hex = m_draft;
    hex.starSystem.name = std8(m_name->text());
    hex.coordinates = {m_sectorX->value(), m_sectorY->value(), m_column->value(), m_row->value()};
    hex.starSystem.starfarers = m_starfarers->isChecked();
    hex.starSystem.sathar = m_sathar->isChecked();
    hex.starSystem.other = m_other->isChecked();
    hex.starSystem.surveyed = m_surveyed->isChecked();
    hex.starSystem.gasGiant = m_gasGiants->value();
    hex.starSystem.planetoidBelts = m_belts->value();
    hex.starSystem.totalNumberOfWorlds = m_worldCount->value();
    hex.notes = std8(m_hexNotes->toPlainText());
    refreshState();
}

void SystemEditor::starEdited(const core::Star& edited) {
    if (m_starIndex < 0 || m_starIndex >= static_cast<int>(m_draft.starSystem.stars.size()))
        return;
    core::Star& star = m_draft.starSystem.stars[static_cast<std::size_t>(m_starIndex)];
    // The worlds stay the draft's: the form edits only the star's own fields.
    std::vector<core::WorldData> worlds = std::move(star.worlds);
    star = edited;
    star.worlds = std::move(worlds);
    if (QListWidgetItem* item = m_stars->item(m_starIndex))
        item->setText(starRowText(star, m_starIndex == 0));
    refreshState();
}

void SystemEditor::worldEdited(const core::WorldData& edited) {
    core::WorldData* world = selectedWorld();
    if (!world)
        return;
    const bool becameMain = edited.mainWorld && !world->mainWorld;
    *world = edited;
    if (becameMain) {
        // One main world per system: ticking another moves the mark.
        setMainWorld(m_draft.starSystem, edited.id);
        showWorlds();
    } else if (QTreeWidgetItem* item = m_worlds->currentItem()) {
        updateWorldItem(item, edited);
    }
    refreshState();
}

void SystemEditor::refreshState() {
    showHeader();
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    const core::HexData* occupant = universe.hexAt(m_draft.coordinates);
    if (occupant && occupant->id != m_hexID) {
        m_coordinateWarning->setText(tr("%1 already holds “%2”. Saving here replaces that system.")
                                         .arg(qt(universe.locationText(m_draft.coordinates)),
                                              qt(systemDisplayName(occupant->starSystem))));
        m_coordinateWarning->show();
    } else {
        m_coordinateWarning->hide();
    }
    const bool changed = hasUnsavedChanges();
    m_save->setEnabled(changed);
    m_revert->setEnabled(changed);
    const auto issues = checkSystemEdit(m_original, m_draft);
    if (!issues.empty()) {
        m_status->setText(
            tr("Not ready to save: %1").arg(qt(issues.front().text())) +
            (issues.size() > 1 ? tr(" (and %1 more)").arg(issues.size() - 1) : QString()));
        setErrorStyle(m_status);
    } else if (changed) {
        m_status->setText(tr("Unsaved changes"));
        setWarningStyle(m_status);
    } else {
        m_status->setText(QString());
    }
    m_status->setVisible(!m_status->text().isEmpty());
    const bool canRefill = core::mainWorld(m_draft.starSystem) != nullptr;
    m_generate->setEnabled(canRefill);
    m_generate->setToolTip(
        canRefill ? tr("Roll every body but the main world again: gas giants, belts, other "
                       "worlds and moons.")
                  : tr("Mark a main world first: the other bodies are rolled around it."));
}

bool SystemEditor::save() {
    universe::RidivivevIzeviduv& universe = m_context.manager.current();
    auto issues = checkSystemEdit(m_original, m_draft);
    if (!issues.empty()) {
        const bool clampable = std::all_of(issues.begin(), issues.end(),
                                           [](const EditIssue& issue) { return issue.clampable; });
        const QString list = qt(issuesText(issues));
        if (!clampable) {
            m_questions.inform(this, tr("Can't Save Changes"), list);
            return false;
        }
        if (!m_questions.confirm(this, tr("Can't Save Changes"),
                                 tr("Some values are out of range:\n\n%1\n\nClamp them to the "
                                    "nearest allowed values "
                                    "and save?")
                                     .arg(list),
                                 tr("Clamp and Save")))
            return false;
        m_draft = clampSystemEdit(m_original, m_draft);
    }

    const core::HexData* occupant = universe.hexAt(m_draft.coordinates);
    std::optional<core::Uuid> replaced;
    if (occupant && occupant->id != m_hexID) {
        if (!m_questions.confirm(
                this, tr("Replace System?"),
                tr("%1 already holds “%2”. Saving moves “%3” there and deletes “%2”.")
                    .arg(qt(universe.locationText(m_draft.coordinates)),
                         qt(systemDisplayName(occupant->starSystem)),
                         qt(systemDisplayName(m_draft.starSystem))),
                tr("Replace")))
            return false;
        replaced = occupant->id;
    }
    if (const universe::EditResult result = saveSystem(universe, m_draft, replaced); !result) {
        m_questions.inform(this, tr("Can't Save Changes"), qt(result.error));
        return false;
    }
    m_original = m_draft;
    showDraft();
    Q_EMIT savedAt(m_hexID);
    return true;
}

void SystemEditor::revert() {
    m_draft = m_original;
    if (m_worldID && !findWorld(m_draft.starSystem, *m_worldID))
        m_worldID.reset();
    showDraft();
}

bool SystemEditor::deleteSystem() {
    auto& current = m_context.manager.current();
    const QString name = qt(systemDisplayName(m_original.starSystem));
    QString message =
        tr("The system, its stars and all its worlds will be removed from the universe.");
    // A route to an empty hex leads nowhere: the system's routes go with it.
    const std::size_t routes = ruttersAt(current.rutters(), m_original.coordinates);
    const QString noun = qt(universe::rutterNoun(current.usesTravellerTechLevels())).toLower();
    if (routes == 1)
        message += tr(" The %1 that ends there goes with it.").arg(noun);
    else if (routes > 1)
        message += tr(" The %1 %2s that end there go with it.").arg(routes).arg(noun);
    if (!m_questions.confirm(this, tr("Delete “%1”?").arg(name), message, tr("Delete")))
        return false;
    if (const universe::EditResult result = systems::deleteSystem(current, m_hexID); !result) {
        m_questions.inform(this, tr("Can't Delete “%1”").arg(name), qt(result.error));
        return false;
    }
    Q_EMIT systemDeleted();
    return true;
}

void SystemEditor::generateBodies() {
    const int replaced = bodiesReplacedByRefill(m_draft.starSystem);
    if (replaced > 0 &&
        !m_questions.confirm(
            this, tr("Replace Worlds?"),
            tr("Generate rolls every body but the main world again. The %1 now in this system, "
               "whether entered by hand or generated before, will be replaced. The main world "
               "keeps its "
               "profile and trade codes; its day and year are rolled again.")
                .arg(qt(countText(replaced, "other world"))),
            tr("Generate")))
        return;
    if (const auto error = refillSystem(m_draft.starSystem, core::systemRandomSource())) {
        m_questions.inform(this, tr("Can't Generate"), qt(*error));
        return;
    }
    if (const core::WorldData* main = core::mainWorld(m_draft.starSystem))
        m_worldID = main->id;
    showDraft();
}

void SystemEditor::selectWorld(const core::Uuid& id) {
    m_worldID = id;
    showWorlds();
}

} // namespace velmora::systems
