#include "systems/ui/world_form.h"

#include "core/profile_texts.h"
#include "core/trade_classification.h"
#include "core/uwp.h"
#include "systems/profile_code.h"
#include "systems/system_texts.h"
#include "systems/system_validation.h"
#include "systems/ui/ui_support.h"
#include "systems/world_info.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::systems {

namespace {

// Spin boxes take every value a profile digit can write, so an out-of-range value
// reaches the checks and is explained instead of being silently refused.
constexpr int largestDigit = 33;

QSpinBox* makeSpin(QWidget* parent, const QString& name, int minimum, int maximum) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setMinimumWidth(64);
    return spin;
}

QString tradeClassLabel(core::TradeClass tradeClass) {
    return qt(core::code(tradeClass)) + QStringLiteral(" ") + qt(core::displayName(tradeClass));
}

} // namespace

WorldForm::WorldForm(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(buildIdentity());
    layout->addWidget(buildProfile());
    layout->addWidget(buildTradeClasses());
    layout->addWidget(buildTagsAndFactions());
    // Long entries ("Close satellite orbiting a GG") must not make the form wider
    // than the editor beside the systems list.
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(std::max(8, combo->minimumContentsLength()));
    }
    scrollPastFields(this);
    showWorld();
}

QWidget* WorldForm::buildIdentity() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(makeSectionTitle(tr("World"), box), 0, 0, 1, 4);

    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("worldName"));
    m_name->setPlaceholderText(tr("World name"));
    m_mainWorld = new QCheckBox(tr("Main world"), box);
    m_mainWorld->setObjectName(QStringLiteral("worldMainWorld"));
    m_type = new QComboBox(box);
    m_type->setObjectName(QStringLiteral("worldType"));
    for (const auto& [type, text] : core::worldTypeTable.entries)
        m_type->addItem(qt(text), static_cast<int>(type));
    m_sunOrbit = new QComboBox(box);
    m_sunOrbit->setObjectName(QStringLiteral("worldSunOrbit"));
    for (int orbit = core::firstOrbitNumber; orbit <= core::lastOrbitNumber; ++orbit)
        m_sunOrbit->addItem(orbit < 0 ? tr("P (close)") : QString::number(orbit), orbit);
    m_satelliteOrbit = new QComboBox(box);
    m_satelliteOrbit->setObjectName(QStringLiteral("worldSatelliteOrbit"));
    for (const auto& [orbit, text] : core::planetOrbitsTable.entries)
        m_satelliteOrbit->addItem(
            orbit == core::PlanetOrbits::planetOrbit0 ? tr("None (orbits the star)") : qt(text),
            static_cast<int>(orbit));
    m_hzOffset = makeSpin(box, QStringLiteral("worldHzOffset"), -30, 30);
    m_hzOffset->setToolTip(
        tr("Orbits from the habitable zone: negative is inside (hotter), positive outside."));
    m_dayLength = makeSpin(box, QStringLiteral("worldDayLength"), 0, 1000000);
    m_dayLength->setSuffix(tr(" h"));
    m_dayLength->setSpecialValueText(tr("Not set"));
    m_yearLength = makeSpin(box, QStringLiteral("worldYearLength"), 0, 9999999);
    m_yearLength->setSuffix(tr(" h"));
    m_yearLength->setSpecialValueText(tr("Not set"));
    m_tideLocked = new QCheckBox(tr("Tide locked"), box);
    m_tideLocked->setObjectName(QStringLiteral("worldTideLocked"));
    m_race = new QComboBox(box);
    m_race->setObjectName(QStringLiteral("worldRace"));
    m_image = new QLineEdit(box);
    m_image->setObjectName(QStringLiteral("worldImage"));
    m_image->setPlaceholderText(tr("Picture name (optional)"));

    auto* left = new QFormLayout;
    left->addRow(tr("Name"), m_name);
    left->addRow(QString(), m_mainWorld);
    left->addRow(tr("Type"), m_type);
    auto* newRace = new QPushButton(tr("New Race…"), box);
    newRace->setObjectName(QStringLiteral("newCustomRace"));
    newRace->setToolTip(
        tr("A species of your own, kept in this universe's list of races once saved."));
    auto* raceRow = new QHBoxLayout;
    raceRow->addWidget(m_race, 1);
    raceRow->addWidget(newRace);
    left->addRow(tr("Race"), raceRow);
    connect(newRace, &QPushButton::clicked, this, &WorldForm::addCustomRace);
    left->addRow(tr("Image"), m_image);
    auto* right = new QFormLayout;
    right->addRow(tr("Orbit"), m_sunOrbit);
    right->addRow(tr("Satellite orbit"), m_satelliteOrbit);
    right->addRow(tr("Habitable zone offset"), m_hzOffset);
    right->addRow(tr("Day length"), m_dayLength);
    right->addRow(tr("Year length"), m_yearLength);
    right->addRow(QString(), m_tideLocked);
    grid->addLayout(left, 1, 0, 1, 2);
    grid->addLayout(right, 1, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(m_name, &QLineEdit::textEdited, this, &WorldForm::commit);
    connect(m_mainWorld, &QCheckBox::toggled, this, &WorldForm::commit);
    connect(m_tideLocked, &QCheckBox::toggled, this, &WorldForm::commit);
    connect(m_image, &QLineEdit::textEdited, this, &WorldForm::commit);
    for (QComboBox* combo : {m_type, m_sunOrbit, m_satelliteOrbit, m_race})
        connect(combo, &QComboBox::currentIndexChanged, this, &WorldForm::commit);
    for (QSpinBox* spin : {m_hzOffset, m_dayLength, m_yearLength})
        connect(spin, &QSpinBox::valueChanged, this, &WorldForm::commit);
    return box;
}

QWidget* WorldForm::buildProfile() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeSectionTitle(tr("Profile"), box));

    auto* codeRow = new QHBoxLayout;
    m_profileCode = new QLineEdit(box);
    m_profileCode->setObjectName(QStringLiteral("profileCode"));
    m_profileCode->setPlaceholderText(tr("A788899-C NS"));
    m_profileCode->setToolTip(
        tr("Type a whole profile code and press Return to fill in the digits below."));
    QFont mono = m_profileCode->font();
    mono.setFamily(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(mono.pointSizeF() * 1.2);
    m_profileCode->setFont(mono);
    m_profileCode->setMaximumWidth(220);
    auto* apply = new QPushButton(tr("Apply Code"), box);
    apply->setObjectName(QStringLiteral("applyProfileCode"));
    codeRow->addWidget(new QLabel(tr("Profile code"), box));
    codeRow->addWidget(m_profileCode);
    codeRow->addWidget(apply);
    codeRow->addStretch();
    layout->addLayout(codeRow);
    m_profileCodeError = new QLabel(box);
    m_profileCodeError->setObjectName(QStringLiteral("profileCodeError"));
    setErrorStyle(m_profileCodeError);
    m_profileCodeError->hide();
    layout->addWidget(m_profileCodeError);
    connect(m_profileCode, &QLineEdit::returnPressed, this, &WorldForm::applyProfileCode);
    connect(apply, &QPushButton::clicked, this, &WorldForm::applyProfileCode);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    m_starport = new QComboBox(box);
    m_starport->setObjectName(QStringLiteral("worldStarport"));
    for (const auto& [starport, text] : core::starportTable.entries)
        m_starport->addItem(QString(QChar::fromLatin1(core::letter(starport))) +
                                QStringLiteral(" — ") + qt(text),
                            static_cast<int>(starport));
    m_size = makeSpin(box, QStringLiteral("worldSize"), 0, 99);
    m_density = new QDoubleSpinBox(box);
    m_density->setObjectName(QStringLiteral("worldDensity"));
    m_density->setRange(0.0, 20.0);
    m_density->setDecimals(2);
    m_density->setSingleStep(0.05);
    m_atmosphere = makeSpin(box, QStringLiteral("worldAtmosphere"), 0, largestDigit);
    m_hydrographics = makeSpin(box, QStringLiteral("worldHydrographics"), 0, largestDigit);
    m_population = makeSpin(box, QStringLiteral("worldPopulation"), 0, largestDigit);
    m_populationMultiplier = makeSpin(box, QStringLiteral("worldPopulationMultiplier"), 0, 9);
    m_populationMultiplier->setSpecialValueText(tr("Not given"));
    m_government = makeSpin(box, QStringLiteral("worldGovernment"), 0, largestDigit);
    m_lawLevel = makeSpin(box, QStringLiteral("worldLawLevel"), 0, largestDigit);
    m_techLevel = new QComboBox(box);
    m_techLevel->setObjectName(QStringLiteral("worldTechLevel"));
    for (const auto& [level, text] : core::technologyLevelTable.entries)
        m_techLevel->addItem(qt(text), static_cast<int>(level));

    int row = 0;
    const auto addDigit = [&](const QString& label, QSpinBox* spin) {
        auto* meaning = makeMutedLabel(QString(), box);
        meaning->setWordWrap(true);
        m_meanings[spin] = meaning;
        grid->addWidget(new QLabel(label, box), row, 0);
        grid->addWidget(spin, row, 1);
        grid->addWidget(meaning, row, 2);
        ++row;
        connect(spin, &QSpinBox::valueChanged, this, &WorldForm::commit);
    };
    grid->addWidget(new QLabel(tr("Starport"), box), row, 0);
    grid->addWidget(m_starport, row, 1, 1, 2);
    ++row;
    addDigit(tr("Size"), m_size);
    addDigit(tr("Atmosphere"), m_atmosphere);
    addDigit(tr("Hydrographics"), m_hydrographics);
    m_hydrographicsHint = makeMutedLabel(QString(), box);
    m_hydrographicsHint->setObjectName(QStringLiteral("hydrographicsHint"));
    grid->addWidget(m_hydrographicsHint, row++, 2);
    addDigit(tr("Population"), m_population);
    grid->addWidget(new QLabel(tr("Population multiplier"), box), row, 0);
    grid->addWidget(m_populationMultiplier, row++, 1);
    addDigit(tr("Government"), m_government);
    addDigit(tr("Law level"), m_lawLevel);
    grid->addWidget(new QLabel(tr("Tech level"), box), row, 0);
    grid->addWidget(m_techLevel, row++, 1);
    grid->addWidget(new QLabel(tr("Density"), box), row, 0);
    grid->addWidget(m_density, row++, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    connect(m_starport, &QComboBox::currentIndexChanged, this, &WorldForm::commit);
    connect(m_techLevel, &QComboBox::currentIndexChanged, this, &WorldForm::commit);
    connect(m_density, &QDoubleSpinBox::valueChanged, this, &WorldForm::commit);

    auto* basesRow = new QGridLayout;
    basesRow->addWidget(new QLabel(tr("Bases"), box), 0, 0);
    int column = 1;
    int baseRow = 0;
    for (const auto& [base, letter] : core::baseTable.entries) {
        auto* check =
            new QCheckBox(qt(letter) + QStringLiteral(" ") + qt(baseDisplayName(base)), box);
        check->setObjectName(QStringLiteral("base") + qt(letter));
        m_bases.push_back(check);
        basesRow->addWidget(check, baseRow, column);
        connect(check, &QCheckBox::toggled, this, &WorldForm::commit);
        if (++column > 3) {
            column = 1;
            ++baseRow;
        }
    }
    layout->addLayout(basesRow);

    m_issues = new QLabel(box);
    m_issues->setObjectName(QStringLiteral("worldIssues"));
    m_issues->setWordWrap(true);
    setErrorStyle(m_issues);
    layout->addWidget(m_issues);
    return box;
}

QWidget* WorldForm::buildTradeClasses() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeSectionTitle(tr("Trade Classes"), box));
    m_derivedClasses = new QLabel(box);
    m_derivedClasses->setObjectName(QStringLiteral("derivedTradeClasses"));
    m_derivedClasses->setWordWrap(true);
    layout->addWidget(m_derivedClasses);
    layout->addWidget(makeMutedLabel(tr("Derived from the profile and climate. The referee's own "
                                        "classes, kept through every edit:"),
                                     box));
    auto* grid = new QGridLayout;
    int index = 0;
    for (const auto& [tradeClass, code] : core::tradeClassTable.entries) {
        if (core::category(tradeClass) < core::TradeClassCategory::secondary)
            continue;
        auto* check = new QCheckBox(tradeClassLabel(tradeClass), box);
        check->setObjectName(QStringLiteral("tradeClass") + qt(code));
        check->setProperty("tradeClass", static_cast<int>(tradeClass));
        m_refereeClasses.push_back(check);
        grid->addWidget(check, index / 3, index % 3);
        ++index;
        connect(check, &QCheckBox::toggled, this, &WorldForm::commit);
    }
    layout->addLayout(grid);
    return box;
}

QWidget* WorldForm::buildTagsAndFactions() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    grid->addWidget(makeSectionTitle(tr("World Tags"), box), 0, 0);
    m_tags = new QListWidget(box);
    m_tags->setObjectName(QStringLiteral("worldTags"));
    m_tags->setMaximumHeight(120);
    grid->addWidget(m_tags, 1, 0);
    auto* tagRow = new QHBoxLayout;
    m_tagPicker = new QComboBox(box);
    m_tagPicker->setObjectName(QStringLiteral("worldTagPicker"));
    m_tagPicker->setMinimumContentsLength(18);
    std::vector<core::WorldTag> tags;
    for (const auto& [tag, text] : core::worldTagTable.entries)
        tags.push_back(tag);
    core::sortWorldTags(tags);
    for (const core::WorldTag tag : tags)
        m_tagPicker->addItem(qt(worldTagDisplayName(tag)), static_cast<int>(tag));
    auto* addTag = new QPushButton(tr("Add Tag"), box);
    addTag->setObjectName(QStringLiteral("addWorldTag"));
    auto* removeTag = new QPushButton(tr("Remove Tag"), box);
    removeTag->setObjectName(QStringLiteral("removeWorldTag"));
    tagRow->addWidget(m_tagPicker, 1);
    tagRow->addWidget(addTag);
    tagRow->addWidget(removeTag);
    grid->addLayout(tagRow, 2, 0);
    connect(addTag, &QPushButton::clicked, this, [this] {
        const auto tag = static_cast<core::WorldTag>(m_tagPicker->currentData().toInt());
        if (std::find(m_world.worldTags.begin(), m_world.worldTags.end(), tag) !=
            m_world.worldTags.end())
            return;
        m_world.worldTags.push_back(tag);
        core::sortWorldTags(m_world.worldTags);
        showTags();
        commit();
    });
    connect(removeTag, &QPushButton::clicked, this, [this] {
        const int row = m_tags->currentRow();
        if (row < 0 || row >= static_cast<int>(m_world.worldTags.size()))
            return;
        m_world.worldTags.erase(m_world.worldTags.begin() + row);
        showTags();
        commit();
    });

    grid->addWidget(makeSectionTitle(tr("Factions"), box), 0, 1);
    m_factions = new QListWidget(box);
    m_factions->setObjectName(QStringLiteral("worldFactions"));
    m_factions->setMaximumHeight(120);
    grid->addWidget(m_factions, 1, 1, 2, 1);
    connect(m_factions, &QListWidget::itemChanged, this, [this] { commit(); });

    grid->addWidget(makeSectionTitle(tr("Notes"), box), 3, 0, 1, 2);
    m_notes = new QPlainTextEdit(box);
    m_notes->setObjectName(QStringLiteral("worldNotes"));
    m_notes->setMaximumHeight(90);
    grid->addWidget(m_notes, 4, 0, 1, 2);
    connect(m_notes, &QPlainTextEdit::textChanged, this, &WorldForm::commit);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void WorldForm::setChoices(Choices choices) {
    m_choices = std::move(choices);
    const bool wasLoading = m_loading;
    m_loading = true;
    fillRaces();
    fillFactions();
    m_loading = wasLoading;
}

void WorldForm::setWorld(const core::WorldData& world) {
    m_world = world;
    showWorld();
}

void WorldForm::fillRaces() {
    m_race->clear();
    for (const auto& [kind, identity] : core::raceIdentityTable.entries) {
        if (kind == core::Race::Kind::custom)
            continue;
        const core::Race race(kind);
        m_race->addItem(qt(race.displayName()), qt(race.identity()));
    }
    std::vector<std::string> custom = m_choices.customRaces;
    if (m_world.prevalentRace.isCustom() &&
        std::find(custom.begin(), custom.end(), m_world.prevalentRace.customName()) == custom.end())
        custom.push_back(m_world.prevalentRace.customName());
    for (const std::string& name : custom) {
        const core::Race race = core::Race::custom(name);
        m_race->addItem(qt(name), qt(race.identity()));
    }
    selectData(m_race, qt(m_world.prevalentRace.identity()));
}

void WorldForm::addCustomRace() {
    const QString name = m_questions.askText(this, tr("New Race"), tr("Name of the race:"));
    if (name.isEmpty())
        return;
    const core::Race race = core::Race::custom(std8(name));
    if (m_race->findData(qt(race.identity())) < 0)
        m_race->addItem(name, qt(race.identity()));
    // Selecting it reports the edit.
    m_race->setCurrentIndex(m_race->findData(qt(race.identity())));
}

void WorldForm::fillFactions() {
    m_factions->clear();
    std::vector<std::pair<core::Uuid, std::string>> entries = m_choices.factions;
    // Ids no faction has any more stay visible, so the referee can clear them.
    for (const core::Uuid& id : m_world.factionIDs) {
        if (std::none_of(entries.begin(), entries.end(),
                         [&](const auto& entry) { return entry.first == id; }))
            entries.emplace_back(id, "Unknown Faction");
    }
    for (const auto& [id, name] : entries) {
        auto* item = new QListWidgetItem(qt(name), m_factions);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setData(Qt::UserRole, qt(id.toString()));
        const bool present = std::find(m_world.factionIDs.begin(), m_world.factionIDs.end(), id) !=
                             m_world.factionIDs.end();
        item->setCheckState(present ? Qt::Checked : Qt::Unchecked);
    }
    if (entries.empty()) {
        auto* item = new QListWidgetItem(tr("No factions in this universe"), m_factions);
        item->setFlags(Qt::NoItemFlags);
    }
}

void WorldForm::showTags() {
    m_tags->clear();
    for (const core::WorldTag tag : m_world.worldTags)
        m_tags->addItem(qt(worldTagDisplayName(tag)));
}

void WorldForm::showWorld() {
    const bool wasLoading = m_loading;
    m_loading = true;
    const core::WorldData& w = m_world;
    m_name->setText(qt(w.name));
    m_mainWorld->setChecked(w.mainWorld);
    selectData(m_type, static_cast<int>(w.type));
    selectData(m_sunOrbit, core::rawValue(w.sunOrbit));
    selectData(m_satelliteOrbit, static_cast<int>(w.satelliteOrbit));
    m_hzOffset->setValue(w.hzOffset);
    m_dayLength->setValue(w.dayLength);
    m_yearLength->setValue(w.yearLength);
    m_tideLocked->setChecked(w.tideLocked);
    m_image->setText(qt(w.image));
    fillRaces();
    fillFactions();

    selectData(m_starport, static_cast<int>(w.uwp.starport));
    m_size->setValue(w.uwp.size);
    m_density->setValue(w.uwp.density);
    m_atmosphere->setValue(w.uwp.atmosphere);
    m_hydrographics->setValue(w.uwp.hydrographics);
    m_population->setValue(w.uwp.population);
    m_populationMultiplier->setValue(w.uwp.populationMultiplier);
    m_government->setValue(w.uwp.government);
    m_lawLevel->setValue(w.uwp.lawLevel);
    selectData(m_techLevel, static_cast<int>(w.uwp.techLevel));
    for (std::size_t i = 0; i < m_bases.size(); ++i)
        m_bases[i]->setChecked(w.uwp.bases.count(static_cast<core::Base>(i)) > 0);
    for (QCheckBox* check : m_refereeClasses) {
        const auto tradeClass =
            static_cast<core::TradeClass>(check->property("tradeClass").toInt());
        check->setChecked(std::find(w.tradeClasses.begin(), w.tradeClasses.end(), tradeClass) !=
                          w.tradeClasses.end());
    }
    showTags();
    if (m_notes->toPlainText() != qt(w.notes))
        m_notes->setPlainText(qt(w.notes));
    m_profileCode->setText(qt(core::uwpCode(w.uwp)));
    m_profileCodeError->hide();
    refreshReadouts();
    m_loading = wasLoading;
}

void WorldForm::readFields() {
    core::WorldData& w = m_world;
    w.name = std8(m_name->text());
    w.mainWorld = m_mainWorld->isChecked();
    w.type = static_cast<core::WorldType>(m_type->currentData().toInt());
    w.sunOrbit = core::orbitsFromRawValue(m_sunOrbit->currentData().toInt())
                     .value_or(core::Orbits::starOrbit0);
    w.satelliteOrbit = static_cast<core::PlanetOrbits>(m_satelliteOrbit->currentData().toInt());
    w.hzOffset = m_hzOffset->value();
    w.dayLength = m_dayLength->value();
    w.yearLength = m_yearLength->value();
    w.tideLocked = m_tideLocked->isChecked();
    w.image = std8(m_image->text());
    if (const auto race = core::Race::fromIdentity(std8(m_race->currentData().toString())))
        w.prevalentRace = *race;

    w.uwp.starport = static_cast<core::Starport>(m_starport->currentData().toInt());
    w.uwp.size = m_size->value();
    w.uwp.density = m_density->value();
    w.uwp.atmosphere = m_atmosphere->value();
    w.uwp.hydrographics = m_hydrographics->value();
    w.uwp.population = m_population->value();
    w.uwp.populationMultiplier = m_populationMultiplier->value();
    w.uwp.government = m_government->value();
    w.uwp.lawLevel = m_lawLevel->value();
    w.uwp.techLevel = static_cast<core::TechnologyLevel>(m_techLevel->currentData().toInt());
    w.uwp.bases.clear();
    for (std::size_t i = 0; i < m_bases.size(); ++i) {
        if (m_bases[i]->isChecked())
            w.uwp.bases.insert(static_cast<core::Base>(i));
    }

    w.factionIDs.clear();
    for (int row = 0; row < m_factions->count(); ++row) {
        const QListWidgetItem* item = m_factions->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        if (const auto id = core::Uuid::fromString(std8(item->data(Qt::UserRole).toString())))
            w.factionIDs.push_back(*id);
    }
    w.notes = std8(m_notes->toPlainText());

    // Only the referee's own classes are kept; everything else follows the profile.
    w.tradeClasses.clear();
    for (QCheckBox* check : m_refereeClasses) {
        if (check->isChecked())
            w.tradeClasses.push_back(
                static_cast<core::TradeClass>(check->property("tradeClass").toInt()));
    }
    w.tradeClasses = core::rederiveTradeClasses(w);
}

void WorldForm::commit() {
    if (m_loading)
        return;
    readFields();
    if (!m_profileCode->hasFocus()) {
        m_profileCode->setText(qt(core::uwpCode(m_world.uwp)));
        m_profileCodeError->hide();
    }
    refreshReadouts();
    Q_EMIT worldEdited(m_world);
}

void WorldForm::refreshReadouts() {
    const core::UWP& uwp = m_world.uwp;
    m_meanings[m_size]->setText(core::isGasGiant(m_world.type) ? tr("Gas giant")
                                                               : qt(core::sizeText(uwp.size)));
    m_meanings[m_atmosphere]->setText(qt(core::atmosphereText(uwp.atmosphere)));
    m_meanings[m_hydrographics]->setText(qt(core::hydrographicsText(uwp.hydrographics)));
    m_meanings[m_population]->setText(qt(core::populationText(uwp.population)));
    m_meanings[m_government]->setText(qt(core::governmentText(uwp.government)));
    m_meanings[m_lawLevel]->setText(qt(core::lawLevelText(uwp.lawLevel)));
    if (core::isGasGiant(m_world.type)) {
        m_hydrographicsHint->setText(tr("A gas giant has no surface to hold seas."));
    } else {
        const core::HydrographicsRange range = core::hydrographicsRange(uwp.size, uwp.atmosphere);
        m_hydrographicsHint->setText(tr("Possible for size %1 and atmosphere %2: %3–%4")
                                         .arg(uwp.size)
                                         .arg(uwp.atmosphere)
                                         .arg(range.minimum)
                                         .arg(range.maximum));
    }

    QStringList derived;
    for (const core::TradeClass tradeClass : m_world.tradeClasses) {
        if (core::category(tradeClass) < core::TradeClassCategory::secondary)
            derived << tradeClassLabel(tradeClass);
    }
    m_derivedClasses->setText(derived.isEmpty() ? tr("No derived classes")
                                                : derived.join(QStringLiteral(" · ")));

    QStringList issues;
    for (const EditIssue& issue : checkWorld(m_world))
        issues << qt(issue.message);
    m_issues->setText(issues.join(QLatin1Char('\n')));
    m_issues->setVisible(!issues.isEmpty());
}

void WorldForm::applyProfileCode() {
    const auto scale = m_choices.travellerScale ? core::TechnologyLevelSystem::traveller
                                                : core::TechnologyLevelSystem::swn;
    const auto result = readProfileCode(std8(m_profileCode->text()), m_world.uwp, scale);
    if (const auto* error = std::get_if<ProfileCodeError>(&result)) {
        m_profileCodeError->setText(qt(error->message));
        m_profileCodeError->show();
        return;
    }
    m_world.uwp = std::get<core::UWP>(result);
    showWorld();
    m_profileCode->setText(qt(core::uwpCode(m_world.uwp)));
    commit();
}

} // namespace velmora::systems
