#include "sector_io/ui/import_travellermap_view.h"

#include "sector_io/allegiance_answer.h"
#include "sector_io/travellermap_apply.h"
#include "ui/view_helpers.h"
#include "universe/preferences.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace velmora::sector_io {

// --- The memory -------------------------------------------------------------

TravellerMapViewMemory::TravellerMapViewMemory(core::RandomSource& random) : m_random(random) {}

TravellerMapViewMemory::~TravellerMapViewMemory() = default;

void TravellerMapViewMemory::startImport(universe::UniverseManager& manager, core::HttpClient& http,
                                         TravellerMapEndpoints endpoints) {
    if (m_importing)
        return;
    importResult.clear();
    importError.clear();
    m_running = options;
    m_importing = true;
    m_fetch = std::make_unique<TravellerMapFetch>(http, std::move(endpoints), m_running, m_random);
    m_universeReplaced = manager.currentReplaced().subscribe([this] { cancelImport(); });
    // An empty name ends the fetch inside start(), before it returns.
    m_fetch->start([this, &manager](TravellerMapFetchResult result) {
        finishImport(manager, std::move(result));
    });
    if (m_importing)
        notify();
}

void TravellerMapViewMemory::cancelImport() {
    if (!m_importing)
        return;
    m_fetch->cancel();
    m_universeReplaced.reset();
    m_importing = false;
    importResult.clear();
    importError.clear();
    notify();
}

void TravellerMapViewMemory::finishImport(universe::UniverseManager& manager,
                                          TravellerMapFetchResult result) {
    m_importing = false;
    m_universeReplaced.reset();
    if (result.download) {
        keepAllegianceAnswer(manager.dataFolder(), result.download->allegiancesAnswer);
        const TravellerMapApplied applied = applyTravellerMapImport(
            std::move(*result.download), m_running, manager.current(), m_random);
        importResult = qt(applied.message);
        importError = qt(applied.error);
    } else {
        importResult.clear();
        importError = result.error ? qt(std::string(result.error->what())) : QString();
    }
    notify();
}

// --- The view ---------------------------------------------------------------

namespace {

// A check box's explanation, set in under its text.
QLabel* helpText(const QString& text, const QString& objectName) {
    QLabel* label = ui::quietNote(text, nullptr);
    label->setObjectName(objectName);
    // The check box's indicator and its gap.
    label->setContentsMargins(24, 0, 0, 6);
    return label;
}

QCheckBox* checkBox(const QString& text, const QString& objectName) {
    auto* box = new QCheckBox(text);
    box->setObjectName(objectName);
    return box;
}

} // namespace

ImportTravellerMapView::ImportTravellerMapView(universe::UniverseManager& manager,
                                               core::HttpClient* http,
                                               universe::Preferences* preferences,
                                               std::shared_ptr<TravellerMapViewMemory> memory,
                                               QWidget* parent)
    : QWidget(parent), m_manager(manager), m_http(http), m_preferences(preferences),
      m_memory(std::move(memory)) {
    auto* title = new QLabel(tr("Import from Traveller Map"), this);
    ui::makeTitle(title);

    // The sector.
    m_sectorName = new QLineEdit;
    m_sectorName->setObjectName(QStringLiteral("sectorName"));
    m_sectorName->setPlaceholderText(tr("Sector name (e.g. Spinward Marches)"));
    m_sectorName->setMinimumWidth(320);
    m_subsector = new QComboBox;
    m_subsector->setObjectName(QStringLiteral("subsector"));
    m_subsector->addItem(tr("Whole sector"), QString());
    for (const char letter : subsectorLetters)
        m_subsector->addItem(QString(QChar::fromLatin1(letter)),
                             QString(QChar::fromLatin1(letter)));
    m_milieu = new QComboBox;
    m_milieu->setObjectName(QStringLiteral("milieu"));
    for (const std::string_view milieu : travellerMapMilieux)
        m_milieu->addItem(qt(milieu));

    auto* sectorForm = new QFormLayout;
    sectorForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    sectorForm->addRow(tr("Sector"), m_sectorName);
    sectorForm->addRow(tr("Subsector"), m_subsector);
    sectorForm->addRow(tr("Milieu"), m_milieu);

    // What to import.
    m_worlds = checkBox(tr("Worlds"), QStringLiteral("importWorlds"));
    m_routes = checkBox(tr("Trade routes"), QStringLiteral("importRoutes"));
    m_borders = checkBox(tr("Borders (regions)"), QStringLiteral("importBorders"));
    m_labels = checkBox(tr("Labels (incl. subsector names)"), QStringLiteral("importLabels"));
    auto* partsBox = new QGroupBox(tr("What to import"));
    partsBox->setObjectName(QStringLiteral("whatToImport"));
    auto* parts = new QVBoxLayout(partsBox);
    for (QCheckBox* box : {m_worlds, m_routes, m_borders, m_labels})
        parts->addWidget(box);

    // Options.
    m_overwrite = checkBox(tr("Overwrite existing hexes"), QStringLiteral("overwrite"));
    m_generate =
        checkBox(tr("Generate additional worlds"), QStringLiteral("generateAdditionalWorlds"));
    m_raceFactions = checkBox(tr("Create race factions"), QStringLiteral("createRaceFactions"));
    auto* optionsBox = new QGroupBox(tr("Options"));
    auto* optionsLayout = new QVBoxLayout(optionsBox);
    optionsLayout->addWidget(m_overwrite);
    optionsLayout->addWidget(m_generate);
    optionsLayout->addWidget(helpText(
        tr("TravellerMap only provides each system's main world. Enable this to procedurally "
           "fill in the additional bodies (gas giants, belts, other worlds) from the imported "
           "PBG/W counts, keeping each main world's UWP canonical."),
        QStringLiteral("generateHelp")));
    optionsLayout->addWidget(m_raceFactions);
    optionsLayout->addWidget(helpText(
        tr("Creates a \"Race\"-category faction for each non-Human prevalent sophont found "
           "among the imported main worlds (e.g. Aslan, Vargr, or a custom sophont from "
           "Remarks), and adds it to that world's factions alongside its allegiance faction. "
           "Human is skipped \u2014 it's already covered by the allegiance-based political "
           "factions."),
        QStringLiteral("raceFactionsHelp")));

    // Whose data this is, and what it does to a universe.
    auto* credit = ui::quietNote(
        tr("Sector data from Traveller Map (travellermap.com). Traveller is a registered "
           "trademark of Mongoose Publishing; the setting's data is copyright its authors and "
           "Mongoose Publishing, used here for personal, non-commercial use."),
        this);
    credit->setObjectName(QStringLiteral("dataCredit"));
    auto* notice = ui::quietNote(
        tr("Imported worlds use Traveller tech levels (TL0\u201322), so import into an empty or "
           "Traveller-based universe. Routes without an allegiance are grouped under a "
           "\u201cTrade Routes\u201d faction; subsectors become map labels."),
        this);
    notice->setObjectName(QStringLiteral("importNotice"));

    // Import, and how it is going.
    m_import = new QPushButton(tr("Import"));
    m_import->setObjectName(QStringLiteral("importButton"));
    m_import->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 0); // the service does not say how long it will take
    m_progress->setTextVisible(false);
    m_progress->setMaximumWidth(200);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_import);
    buttons->addWidget(m_progress);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    m_importResult = ui::messageLine(QStringLiteral("importResult"), false);
    m_importError = ui::messageLine(QStringLiteral("importError"), true);

    // Where the service is; a mirror's address replaces the public one.
    m_address = new QLineEdit;
    m_address->setObjectName(QStringLiteral("serviceAddress"));
    m_address->setMinimumWidth(280);
    auto* addressLabel = new QLabel(tr("Service address"));
    for (QWidget* small : std::initializer_list<QWidget*>{addressLabel, m_address}) {
        QFont font = small->font();
        font.setPointSizeF(font.pointSizeF() * 0.9);
        small->setFont(font);
    }
    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(addressLabel);
    addressRow->addWidget(m_address);
    addressRow->addStretch();

    auto* column = new QWidget(this);
    // Help texts and notices wrap at a width that reads as a paragraph.
    column->setMaximumWidth(680);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->addWidget(title);
    columnLayout->addLayout(sectorForm);
    columnLayout->addWidget(partsBox);
    columnLayout->addWidget(optionsBox);
    columnLayout->addWidget(credit);
    columnLayout->addWidget(notice);
    columnLayout->addLayout(buttons);
    columnLayout->addWidget(m_importResult);
    columnLayout->addWidget(m_importError);
    if (!m_http) {
        auto* offline =
            ui::quietNote(tr("Importing needs the network, which isn't available."), this);
        offline->setObjectName(QStringLiteral("offlineNote"));
        columnLayout->addWidget(offline);
    }
    columnLayout->addSpacing(12);
    columnLayout->addLayout(addressRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(column);
    layout->addStretch();

    // The form starts where the last view left it.
    const TravellerMapImportOptions& remembered = m_memory->options;
    m_sectorName->setText(qt(remembered.sectorName));
    m_subsector->setCurrentIndex(std::max(0, m_subsector->findData(qt(remembered.subsector))));
    m_milieu->setCurrentIndex(std::max(0, m_milieu->findText(qt(remembered.milieu))));
    m_worlds->setChecked(remembered.importWorlds);
    m_routes->setChecked(remembered.importRoutes);
    m_borders->setChecked(remembered.importBorders);
    m_labels->setChecked(remembered.importLabels);
    m_overwrite->setChecked(remembered.overwriteExisting);
    m_generate->setChecked(remembered.generateAdditionalWorlds);
    m_raceFactions->setChecked(remembered.createRaceFactions);
    if (m_memory->address.isEmpty()) {
        const auto stored =
            m_preferences ? m_preferences->text(travellerMapAddressKey) : std::nullopt;
        m_memory->address =
            qt(stored && !stored->empty() ? *stored : std::string(defaultTravellerMapAddress));
    }
    m_address->setText(m_memory->address);
    showMemory();

    connect(m_sectorName, &QLineEdit::textEdited, this, &ImportTravellerMapView::readForm);
    connect(m_address, &QLineEdit::textEdited, this, &ImportTravellerMapView::readForm);
    connect(m_sectorName, &QLineEdit::returnPressed, this, [this] {
        if (m_import->isEnabled())
            startImport();
    });
    connect(m_subsector, &QComboBox::currentIndexChanged, this, &ImportTravellerMapView::readForm);
    connect(m_milieu, &QComboBox::currentIndexChanged, this, &ImportTravellerMapView::readForm);
    for (QCheckBox* box :
         {m_worlds, m_routes, m_borders, m_labels, m_overwrite, m_generate, m_raceFactions})
        connect(box, &QCheckBox::toggled, this, &ImportTravellerMapView::readForm);
    connect(m_import, &QPushButton::clicked, this, &ImportTravellerMapView::startImport);
    connect(m_cancel, &QPushButton::clicked, this, &ImportTravellerMapView::cancelImport);
    connect(m_memory.get(), &TravellerMapViewMemory::changed, this,
            &ImportTravellerMapView::showMemory);
}

ImportTravellerMapView::~ImportTravellerMapView() = default;

void ImportTravellerMapView::readForm() {
    TravellerMapImportOptions& options = m_memory->options;
    options.sectorName = m_sectorName->text().toStdString();
    options.subsector = m_subsector->currentData().toString().toStdString();
    options.milieu = m_milieu->currentText().toStdString();
    options.importWorlds = m_worlds->isChecked();
    options.importRoutes = m_routes->isChecked();
    options.importBorders = m_borders->isChecked();
    options.importLabels = m_labels->isChecked();
    options.overwriteExisting = m_overwrite->isChecked();
    options.generateAdditionalWorlds = m_generate->isChecked();
    options.createRaceFactions = m_raceFactions->isChecked();
    m_memory->address = m_address->text();
    showMemory();
}

QString ImportTravellerMapView::serviceAddress() const {
    const QString address = m_address->text().trimmed();
    return address.isEmpty() ? qt(defaultTravellerMapAddress) : address;
}

void ImportTravellerMapView::showMemory() {
    const bool importing = m_memory->isImporting();
    // A button that is disabled or hidden hands the focus on to the address field;
    // keep it on whichever of the two buttons is there now.
    const bool buttonHadFocus = m_import->hasFocus() || m_cancel->hasFocus();
    m_import->setText(importing ? tr("Importing\u2026") : tr("Import"));
    m_import->setEnabled(m_http && !importing && m_memory->options.wantsAnything());
    m_progress->setVisible(importing);
    m_cancel->setVisible(importing);
    if (buttonHadFocus)
        (importing ? m_cancel : m_import)->setFocus();
    ui::showMessage(m_importResult, m_memory->importResult);
    ui::showMessage(m_importError, m_memory->importError);
}

void ImportTravellerMapView::startImport() {
    if (!m_http || m_memory->isImporting())
        return;
    readForm();
    const QString address = serviceAddress();
    m_address->setText(address);
    m_memory->address = address;
    if (m_preferences)
        m_preferences->setText(travellerMapAddressKey, address.toStdString());
    TravellerMapEndpoints endpoints;
    endpoints.address = address.toStdString();
    // Keep the memory alive: the completion may come after this view is gone.
    const std::shared_ptr<TravellerMapViewMemory> memory = m_memory;
    memory->startImport(m_manager, *m_http, std::move(endpoints));
}

void ImportTravellerMapView::cancelImport() {
    m_memory->cancelImport();
}

} // namespace velmora::sector_io
