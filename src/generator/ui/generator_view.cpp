#include "generator/ui/generator_view.h"

#include "core/uwp.h"
#include "generator/name_generator.h"
#include "generator/secure_random_pool.h"
#include "generator/star_generation.h"
#include "generator/star_tables.h"
#include "generator/system_filler.h"
#include "generator/system_generator.h"
#include "generator/system_naming.h"
#include "generator/system_text.h"
#include "ui/qt_text.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace velmora::generator {

namespace {

constexpr std::array allTypes{core::SpectralType::O, core::SpectralType::B, core::SpectralType::A,
                              core::SpectralType::F, core::SpectralType::G, core::SpectralType::K,
                              core::SpectralType::M};
constexpr std::array allClasses{core::LuminosityClass::Ia, core::LuminosityClass::Ib,
                                core::LuminosityClass::II, core::LuminosityClass::III,
                                core::LuminosityClass::IV, core::LuminosityClass::V,
                                core::LuminosityClass::VI, core::LuminosityClass::D};

QString plural(std::size_t count, const QString& noun) {
    return QStringLiteral("%1 %2%3").arg(count).arg(noun,
                                                    count == 1 ? QString() : QStringLiteral("s"));
}

bool defaultsToTraveller(const universe::RidivivevIzeviduv& universe) {
    return universe.data().empty() || universe.usesTravellerTechLevels();
}

// Reads a hex coordinate typed by hand: a whole number within 1...last.
std::optional<int> readCoordinate(const QLineEdit* field, const QString& what, int last,
                                  QString& error) {
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    if (!ok) {
        error = QObject::tr("%1 must be a number from 1 to %2.").arg(what).arg(last);
        return std::nullopt;
    }
    if (value < 1 || value > last) {
        error = QObject::tr("%1 %2 is out of range: %3s run from 1 to %4.")
                    .arg(what)
                    .arg(value)
                    .arg(what.toLower())
                    .arg(last);
        return std::nullopt;
    }
    return value;
}

// Columns read from what a referee looks for first: where the body is, its
// profile and codes, then the rest.
QTreeWidgetItem* worldItem(const core::Star& star, const core::WorldData& world) {
    QString type = qt(worldTypeLabel(world.type));
    if (core::isGasGiant(world.type))
        type += QStringLiteral(", ") + qt(gasGiantDiameterText(world.uwp.size));
    QString day = qt(dayText(world.dayLength));
    if (world.tideLocked)
        day += QObject::tr(", locked");
    auto* item = new QTreeWidgetItem(
        QStringList{qt(world.name), qt(orbitText(world)), qt(core::uwpCode(world.uwp)),
                    qt(tradeCodesText(world.tradeClasses)), qt(zoneText(star, world)), type, day,
                    qt(yearText(world.yearLength))});
    if (world.mainWorld) {
        QFont bold = item->font(0);
        bold.setBold(true);
        for (int column = 0; column < item->columnCount(); ++column)
            item->setFont(column, bold);
        item->setToolTip(0, QObject::tr("Main world"));
    }
    return item;
}

} // namespace

GeneratorView::GeneratorView(universe::UniverseManager& manager, QWidget* parent)
    : QWidget(parent), m_manager(manager), m_random(&generatorRandomSource()) {
    m_confirmReplace = [this](const QString& title, const QString& text) {
        return QMessageBox::warning(this, title, text, QMessageBox::Yes | QMessageBox::Cancel,
                                    QMessageBox::Cancel) == QMessageBox::Yes;
    };

    // Location.
    m_sectorX = new QSpinBox;
    m_sectorY = new QSpinBox;
    for (QSpinBox* box : {m_sectorX, m_sectorY})
        box->setRange(-999, 999);
    m_sectorX->setObjectName(QStringLiteral("sectorX"));
    m_sectorY->setObjectName(QStringLiteral("sectorY"));
    m_column = new QLineEdit(QStringLiteral("1"));
    m_column->setObjectName(QStringLiteral("column"));
    m_column->setPlaceholderText(tr("1–32"));
    m_row = new QLineEdit(QStringLiteral("1"));
    m_row->setObjectName(QStringLiteral("row"));
    m_row->setPlaceholderText(tr("1–40"));
    auto* location = new QGroupBox(tr("Location"));
    auto* locationForm = new QFormLayout(location);
    locationForm->addRow(tr("Sector X"), m_sectorX);
    locationForm->addRow(tr("Sector Y"), m_sectorY);
    locationForm->addRow(tr("Column"), m_column);
    locationForm->addRow(tr("Row"), m_row);

    // The system.
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setPlaceholderText(tr("System name"));
    m_randomName = new QPushButton(tr("Random Name"));
    m_randomName->setObjectName(QStringLiteral("randomName"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_randomName);
    m_spectralType = new QComboBox;
    m_spectralType->setObjectName(QStringLiteral("spectralType"));
    m_spectralType->addItem(tr("Random"));
    for (const auto type : allTypes)
        m_spectralType->addItem(qt(core::rawValue(type)));
    m_subclass = new QSpinBox;
    m_subclass->setObjectName(QStringLiteral("subclass"));
    m_subclass->setRange(0, 9);
    m_luminosity = new QComboBox;
    m_luminosity->setObjectName(QStringLiteral("luminosity"));
    for (const auto luminosity : allClasses)
        m_luminosity->addItem(qt(core::rawValue(luminosity)));
    m_luminosity->setCurrentIndex(static_cast<int>(core::LuminosityClass::V));
    auto* starRow = new QHBoxLayout;
    starRow->addWidget(m_spectralType, 1);
    starRow->addWidget(m_subclass);
    starRow->addWidget(m_luminosity);
    m_binary = new QCheckBox(tr("Binary"));
    m_binary->setObjectName(QStringLiteral("binary"));
    auto* systemBox = new QGroupBox(tr("System"));
    auto* systemForm = new QFormLayout(systemBox);
    systemForm->addRow(tr("Name"), nameRow);
    systemForm->addRow(tr("Spectral Type"), starRow);
    systemForm->addRow(QString(), m_binary);

    // Tech level.
    m_scale = new QComboBox;
    m_scale->setObjectName(QStringLiteral("scale"));
    m_scale->addItem(tr("Traveller (TL0–TL22)"));
    m_scale->addItem(tr("Short scale (0–6)"));
    m_techLevel = new QComboBox;
    m_techLevel->setObjectName(QStringLiteral("techLevel"));
    m_rollTechLevel = new QCheckBox(tr("Max TL"));
    m_rollTechLevel->setObjectName(QStringLiteral("maxTL"));
    // Rolled by default: a fixed level would give an X-port rock the same TL as a capital.
    m_rollTechLevel->setChecked(true);
    m_rollTechLevel->setToolTip(
        tr("Roll every world's tech level; the chosen level is the highest it can reach."));
    auto* techBox = new QGroupBox(tr("Tech Level"));
    auto* techForm = new QFormLayout(techBox);
    techForm->addRow(tr("Scale"), m_scale);
    techForm->addRow(tr("Level"), m_techLevel);
    techForm->addRow(QString(), m_rollTechLevel);

    // Awareness and survey.
    m_starfarers = new QCheckBox;
    m_starfarers->setObjectName(QStringLiteral("starfarers"));
    m_starfarers->setChecked(true);
    m_sathar = new QCheckBox;
    m_sathar->setObjectName(QStringLiteral("sathar"));
    m_other = new QCheckBox(tr("Other"));
    m_other->setObjectName(QStringLiteral("other"));
    auto* awareness = new QGroupBox(tr("System Awareness"));
    auto* awarenessRow = new QHBoxLayout(awareness);
    awarenessRow->addWidget(m_starfarers);
    awarenessRow->addWidget(m_sathar);
    awarenessRow->addWidget(m_other);
    awarenessRow->addStretch();
    m_surveyed = new QCheckBox(tr("Surveyed"));
    m_surveyed->setObjectName(QStringLiteral("surveyed"));
    auto* survey = new QGroupBox(tr("Survey Status"));
    auto* surveyRow = new QHBoxLayout(survey);
    surveyRow->addWidget(m_surveyed);
    surveyRow->addStretch();

    m_generate = new QPushButton(tr("Generate"));
    m_generate->setObjectName(QStringLiteral("generate"));
    m_generate->setDefault(true);
    m_save = new QPushButton(tr("Save"));
    m_save->setObjectName(QStringLiteral("save"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_generate);
    buttons->addWidget(m_save);
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);

    // Areas.
    m_subsector = new QComboBox;
    m_subsector->setObjectName(QStringLiteral("subsector"));
    m_subsector->addItem(tr("Whole Sector"));
    for (char letter = 'A'; letter <= 'P'; ++letter)
        m_subsector->addItem(tr("Subsector %1").arg(QChar(letter)), QString(QChar(letter)));
    m_density = new QSpinBox;
    m_density->setObjectName(QStringLiteral("density"));
    m_density->setRange(0, 100);
    m_density->setValue(50);
    m_density->setSuffix(QStringLiteral(" %"));
    m_generateArea = new QPushButton(tr("Generate Area"));
    m_generateArea->setObjectName(QStringLiteral("generateArea"));
    m_saveArea = new QPushButton(tr("Save Area"));
    m_saveArea->setObjectName(QStringLiteral("saveArea"));
    m_saveArea->setEnabled(false);
    auto* areaBox = new QGroupBox(tr("Area"));
    auto* areaForm = new QFormLayout(areaBox);
    areaForm->addRow(tr("Area"), m_subsector);
    areaForm->addRow(tr("Density"), m_density);
    auto* areaButtons = new QHBoxLayout;
    areaButtons->addWidget(m_generateArea);
    areaButtons->addWidget(m_saveArea);
    areaForm->addRow(areaButtons);
    auto* areaNote =
        new QLabel(tr("Fills the empty hexes of the chosen sector (above) with this chance each; "
                      "occupied hexes are left alone."));
    areaNote->setWordWrap(true);
    areaForm->addRow(areaNote);

    auto* form = new QWidget;
    auto* formLayout = new QVBoxLayout(form);
    formLayout->addWidget(location);
    formLayout->addWidget(systemBox);
    formLayout->addWidget(techBox);
    formLayout->addWidget(awareness);
    formLayout->addWidget(survey);
    formLayout->addLayout(buttons);
    formLayout->addWidget(m_message);
    formLayout->addWidget(areaBox);
    formLayout->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(form);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(340);
    scroll->setMaximumWidth(420);

    // Results.
    m_summary = new QLabel(tr("Choose a hex and the options, then Generate."));
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::RichText);
    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("systemTree"));
    m_tree->setHeaderLabels({tr("Body"), tr("Orbit"), tr("UWP"), tr("Trade Codes"), tr("Zone"),
                             tr("Type"), tr("Day"), tr("Year")});
    m_tree->setAlternatingRowColors(true);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* systemPage = new QWidget;
    auto* systemLayout = new QVBoxLayout(systemPage);
    systemLayout->addWidget(m_summary);
    systemLayout->addWidget(m_tree, 1);

    m_areaMessage = new QLabel(tr("No area generated yet."));
    m_areaMessage->setObjectName(QStringLiteral("areaMessage"));
    m_areaMessage->setWordWrap(true);
    m_areaTable = new QTreeWidget;
    m_areaTable->setObjectName(QStringLiteral("areaTable"));
    m_areaTable->setRootIsDecorated(false);
    m_areaTable->setAlternatingRowColors(true);
    m_areaTable->setHeaderLabels(
        {tr("Hex"), tr("Name"), tr("UWP"), tr("Stars"), tr("Trade Codes")});
    m_areaTable->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* areaPage = new QWidget;
    auto* areaLayout = new QVBoxLayout(areaPage);
    areaLayout->addWidget(m_areaMessage);
    areaLayout->addWidget(m_areaTable, 1);

    m_tabs = new QTabWidget;
    m_tabs->addTab(systemPage, tr("System"));
    m_tabs->addTab(areaPage, tr("Area"));

    auto* splitter = new QSplitter;
    splitter->addWidget(scroll);
    splitter->addWidget(m_tabs);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    // The scale follows the universe: a new one starts on the Traveller scale.
    m_scale->setCurrentIndex(defaultsToTraveller(universe()) ? 0 : 1);
    fillTechLevels();
    updateRuleSetTexts();
    updateSpectralControls();
    updateSaveButton();

    connect(m_generate, &QPushButton::clicked, this, &GeneratorView::generate);
    connect(m_save, &QPushButton::clicked, this, &GeneratorView::save);
    connect(m_generateArea, &QPushButton::clicked, this, &GeneratorView::generateArea);
    connect(m_saveArea, &QPushButton::clicked, this, &GeneratorView::saveArea);
    connect(m_randomName, &QPushButton::clicked, this,
            [this] { m_name->setText(qt(generateName(*m_random))); });
    connect(m_scale, &QComboBox::currentIndexChanged, this, &GeneratorView::fillTechLevels);
    connect(m_spectralType, &QComboBox::currentIndexChanged, this,
            &GeneratorView::updateSpectralControls);
    for (QSpinBox* box : {m_sectorX, m_sectorY})
        connect(box, &QSpinBox::valueChanged, this, &GeneratorView::updateSaveButton);
    for (QLineEdit* field : {m_column, m_row})
        connect(field, &QLineEdit::textChanged, this, &GeneratorView::updateSaveButton);
    // A rename shows at once; the rolls stay as they are.
    connect(m_name, &QLineEdit::textChanged, this, [this] {
        if (m_system && !m_name->text().trimmed().isEmpty()) {
            nameSystem(*m_system, m_name->text().trimmed().toStdString());
            showSystem();
        }
    });

    const auto watchUniverse = [this] {
        m_universeChanged = universe().changed().subscribe([this] {
            updateRuleSetTexts();
            updateSaveButton();
        });
        updateRuleSetTexts();
        updateSaveButton();
    };
    watchUniverse();
    m_universeReplaced = m_manager.currentReplaced().subscribe(watchUniverse);
}

GeneratorView::~GeneratorView() = default;

universe::RidivivevIzeviduv& GeneratorView::universe() const {
    return m_manager.current();
}

void GeneratorView::fillTechLevels() {
    const bool traveller = m_scale->currentIndex() == 0;
    const QString previous = m_techLevel->currentText();
    m_techLevel->clear();
    for (const auto& [level, text] : core::technologyLevelTable.entries) {
        if (core::isTravellerScale(level) == traveller)
            m_techLevel->addItem(qt(text), static_cast<int>(level));
    }
    const int kept = m_techLevel->findText(previous);
    m_techLevel->setCurrentIndex(
        kept >= 0
            ? kept
            : m_techLevel->findText(traveller ? QStringLiteral("TL12") : QStringLiteral("4")));
}

core::TechnologyLevel GeneratorView::chosenTechLevel() const {
    return static_cast<core::TechnologyLevel>(m_techLevel->currentData().toInt());
}

void GeneratorView::updateRuleSetTexts() {
    const bool traveller = universe().usesTravellerTechLevels();
    m_starfarers->setText(traveller ? tr("Imperium") : tr("Starfarers"));
    m_sathar->setText(traveller ? tr("Zhodani") : tr("Sathar"));
}

void GeneratorView::updateSpectralControls() {
    const bool fixed = m_spectralType->currentIndex() > 0;
    m_subclass->setEnabled(fixed);
    m_luminosity->setEnabled(fixed);
}

void GeneratorView::updateSaveButton() {
    QString ignored;
    const auto column = readCoordinate(m_column, tr("Column"), core::sectorColumns, ignored);
    const auto row = readCoordinate(m_row, tr("Row"), core::sectorRows, ignored);
    const bool occupied =
        column && row &&
        universe().hexAt({m_sectorX->value(), m_sectorY->value(), *column, *row}) != nullptr;
    m_save->setText(occupied ? tr("Replace") : tr("Save"));
    m_save->setEnabled(m_system.has_value());
    m_generate->setText(m_system ? tr("Regenerate") : tr("Generate"));
}

std::optional<core::GalacticCoordinates> GeneratorView::readHex() {
    QString error;
    const auto column = readCoordinate(m_column, tr("Column"), core::sectorColumns, error);
    const auto row =
        column ? readCoordinate(m_row, tr("Row"), core::sectorRows, error) : std::nullopt;
    if (!column || !row) {
        showMessage(error, true);
        return std::nullopt;
    }
    return core::GalacticCoordinates{m_sectorX->value(), m_sectorY->value(), *column, *row};
}

std::optional<core::Star> GeneratorView::readChosenPrimary(bool& ok) {
    ok = true;
    const int typeIndex = m_spectralType->currentIndex();
    if (typeIndex <= 0)
        return std::nullopt;
    const auto type = allTypes[static_cast<std::size_t>(typeIndex - 1)];
    const int subclass = m_subclass->value();
    const auto luminosity = allClasses[static_cast<std::size_t>(m_luminosity->currentIndex())];
    // Whatever the referee fixes is generated, even a star the dice would never
    // roll (a red supergiant, an M IV): every table covers every type and class.
    return chosenStar(type, subclass, luminosity, *m_random);
}

void GeneratorView::applyFlags(core::StarSystem& system) const {
    system.starfarers = m_starfarers->isChecked();
    system.sathar = m_sathar->isChecked();
    system.other = m_other->isChecked();
    system.surveyed = m_surveyed->isChecked();
}

void GeneratorView::setHex(const core::GalacticCoordinates& hex) {
    m_sectorX->setValue(hex.sectorX);
    m_sectorY->setValue(hex.sectorY);
    m_column->setText(QString::number(hex.column));
    m_row->setText(QString::number(hex.row));
}

void GeneratorView::generate() {
    const auto coordinates = readHex();
    if (!coordinates)
        return;
    bool ok = true;
    auto primary = readChosenPrimary(ok);
    if (!ok)
        return;
    if (m_name->text().trimmed().isEmpty())
        m_name->setText(qt(generateName(*m_random)));
    core::StarSystem system =
        generateSystem(std::move(primary), m_binary->isChecked(), chosenTechLevel(),
                       m_rollTechLevel->isChecked(), *m_random);
    nameSystem(system, m_name->text().trimmed().toStdString());
    m_system = std::move(system);
    showSystem();
    updateSaveButton();
    m_tabs->setCurrentIndex(0);
    showMessage(universe().hexAt(*coordinates)
                    ? tr("Hex %1 already holds a system: saving replaces it.")
                          .arg(qt(coordinates->description()))
                    : QString(),
                false);
}

void GeneratorView::save() {
    if (!m_system) {
        showMessage(tr("Generate a system first."), true);
        return;
    }
    const auto coordinates = readHex();
    if (!coordinates)
        return;
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        showMessage(tr("Enter a name for the system."), true);
        return;
    }

    auto& document = universe();
    const core::HexData* existing = document.hexAt(*coordinates);
    if (existing) {
        const QString question =
            tr("Hex %1 already holds %2. Replacing it discards that system, its worlds and "
               "its notes.")
                .arg(qt(document.locationText(*coordinates)), qt(existing->starSystem.name));
        if (!m_confirmReplace(tr("Replace System?"), question)) {
            showMessage(tr("Not saved: %1 still holds %2.")
                            .arg(qt(coordinates->description()), qt(existing->starSystem.name)),
                        false);
            return;
        }
    }

    core::HexData hex;
    hex.id = existing ? existing->id : core::Uuid::generate();
    hex.coordinates = *coordinates;
    hex.starSystem = *m_system;
    nameSystem(hex.starSystem, name.toStdString());
    applyFlags(hex.starSystem);

    const bool replacing = existing != nullptr;
    const universe::EditResult result =
        replacing ? document.replaceHex(hex, tr("Replace System %1").arg(name).toStdString())
                  : document.addHex(hex, tr("Generate System %1").arg(name).toStdString());
    if (!result) {
        showMessage(tr("Nothing was saved: %1").arg(qt(result.error)), true);
        return;
    }
    showMessage(tr("%1 %2 at %3.")
                    .arg(replacing ? tr("Replaced the system with") : tr("Saved"), name,
                         qt(document.locationText(*coordinates))),
                false);
    // The next hex gets a name of its own.
    m_name->clear();
    updateSaveButton();
}

void GeneratorView::generateArea() {
    GenerationArea area{m_sectorX->value(), m_sectorY->value(), std::nullopt};
    if (m_subsector->currentIndex() > 0)
        area.subsector = m_subsector->currentData().toString().at(0).toLatin1();
    AreaOptions options;
    options.densityPercent = m_density->value();
    options.techLevel = chosenTechLevel();
    options.rollTechLevel = m_rollTechLevel->isChecked();

    auto& document = universe();
    std::set<std::string> names;
    for (const core::HexData& hex : document.data())
        names.insert(hex.starSystem.name);
    std::size_t occupied = 0;
    m_area = generator::generateArea(
        area, options,
        [&](const core::GalacticCoordinates& c) {
            const bool taken = document.hexAt(c) != nullptr;
            occupied += taken ? 1 : 0;
            return taken;
        },
        std::move(names), *m_random);
    for (core::HexData& hex : m_area)
        applyFlags(hex.starSystem);
    m_areaPlace = area;
    showArea();
    QString text = tr("Generated %1 in %2 at %3 % density")
                       .arg(plural(m_area.size(), tr("system")), qt(areaDescription(area)))
                       .arg(options.densityPercent);
    if (occupied == 1)
        text += tr(", leaving 1 occupied hex alone");
    else if (occupied > 1)
        text += tr(", leaving %1 occupied hexes alone").arg(occupied);
    showAreaMessage(text + tr(". Save Area keeps them."), false);
    m_saveArea->setEnabled(!m_area.empty());
    m_tabs->setCurrentIndex(1);
}

void GeneratorView::saveArea() {
    if (m_area.empty())
        return;
    auto& document = universe();
    // Anything saved into the area since it was rolled keeps its hex.
    std::size_t skipped = 0;
    const universe::SectorInfo* sector = document.sector(m_areaPlace.sectorX, m_areaPlace.sectorY);
    universe::UniverseEdit edit =
        document.beginEdit(areaEditName(m_areaPlace, sector ? sector->name : ""));
    for (const core::HexData& hex : m_area) {
        if (document.hexAt(hex.coordinates)) {
            ++skipped;
            continue;
        }
        edit.addHex(hex);
    }
    const std::size_t added = m_area.size() - skipped;
    if (const universe::EditResult result = document.apply(std::move(edit)); !result) {
        showAreaMessage(tr("Nothing was saved: %1").arg(qt(result.error)), true);
        return;
    }
    QString text =
        tr("Saved %1 in %2.").arg(plural(added, tr("system")), qt(areaDescription(m_areaPlace)));
    if (skipped > 0)
        text += tr(" %1 had been filled meanwhile and kept their systems.").arg(skipped);
    m_area.clear();
    m_areaTable->clear();
    m_saveArea->setEnabled(false);
    showAreaMessage(text, false);
    updateSaveButton();
}

void GeneratorView::showSystem() {
    m_tree->clear();
    if (!m_system)
        return;
    const core::StarSystem& system = *m_system;
    QString location;
    if (const auto coordinates = [this]() -> std::optional<core::GalacticCoordinates> {
            QString ignored;
            const auto column =
                readCoordinate(m_column, tr("Column"), core::sectorColumns, ignored);
            const auto row = readCoordinate(m_row, tr("Row"), core::sectorRows, ignored);
            if (!column || !row)
                return std::nullopt;
            return core::GalacticCoordinates{m_sectorX->value(), m_sectorY->value(), *column, *row};
        }())
        location = qt(universe().locationText(*coordinates));
    QString summary =
        QStringLiteral("<b>%1</b> — %2<br>").arg(qt(system.name).toHtmlEscaped(), location);
    summary +=
        tr("%1 · %2 · %3 · %4")
            .arg(plural(system.stars.size(), tr("star")), plural(system.gasGiant, tr("gas giant")),
                 plural(system.planetoidBelts, tr("planetoid belt")),
                 plural(system.totalNumberOfWorlds, tr("world")));
    if (const core::WorldData* main = core::mainWorld(system)) {
        summary += QStringLiteral("<br>") + tr("Main world %1 %2, orbit %3")
                                                .arg(qt(core::uwpCode(main->uwp)),
                                                     qt(tradeCodesText(main->tradeClasses)),
                                                     qt(orbitText(*main)));
    }
    m_summary->setText(summary);

    for (const core::Star& star : system.stars) {
        const QString place = star.orbit == core::Orbits::starOrbitP
                                  ? tr("primary")
                                  : tr("orbit %1").arg(core::rawValue(star.orbit));
        auto* starItem = new QTreeWidgetItem(
            m_tree, QStringList{tr("Star %1 · %2 · %3 · habitable zone at orbit %4")
                                    .arg(qt(star.name), qt(starSummary(star)), place)
                                    .arg(hzOrbit(star.spectralType, star.luminosity))});
        starItem->setFirstColumnSpanned(true);
        // Each moon stays under the body it circles.
        const std::vector<std::size_t> order = worldsInOrbitOrder(star);
        QTreeWidgetItem* parent = nullptr;
        for (const std::size_t index : order) {
            const core::WorldData& world = star.worlds[index];
            QTreeWidgetItem* item = worldItem(star, world);
            if (core::isSatelliteOrbit(world.satelliteOrbit) && parent) {
                parent->addChild(item);
            } else {
                starItem->addChild(item);
                parent = item;
            }
        }
    }
    m_tree->expandAll();
}

void GeneratorView::showArea() {
    m_areaTable->clear();
    for (const core::HexData& hex : m_area) {
        const core::WorldData* main = core::mainWorld(hex.starSystem);
        QStringList stars;
        for (const core::Star& star : hex.starSystem.stars)
            stars << qt(spectralText(star));
        new QTreeWidgetItem(m_areaTable,
                            QStringList{qt(hex.coordinates.hexNumber()), qt(hex.starSystem.name),
                                        main ? qt(core::uwpCode(main->uwp)) : QString(),
                                        stars.join(QStringLiteral(" + ")),
                                        main ? qt(tradeCodesText(main->tradeClasses)) : QString()});
    }
}

void GeneratorView::showMessage(const QString& text, bool error) {
    m_message->setText(text);
    m_message->setStyleSheet(error ? QStringLiteral("color: #b3261e;") : QString());
}

void GeneratorView::showAreaMessage(const QString& text, bool error) {
    m_areaMessage->setText(text);
    m_areaMessage->setStyleSheet(error ? QStringLiteral("color: #b3261e;") : QString());
}

} // namespace velmora::generator
