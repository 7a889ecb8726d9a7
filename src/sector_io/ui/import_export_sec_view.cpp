#include "sector_io/ui/import_export_sec_view.h"

#include "generator/secure_random_pool.h"
#include "sector_io/sec_export.h"
#include "ui/view_helpers.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace velmora::sector_io {

namespace {

using ui::qt;

QLabel* messageLabel(const QString& objectName, bool error) {
    QLabel* label = ui::messageLine(objectName, error);
    // The form keeps fields at their natural width; a message needs room to read as a sentence.
    label->setMinimumWidth(480);
    return label;
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

ImportExportSECView::ImportExportSECView(universe::UniverseManager& manager,
                                         std::shared_ptr<SecViewMemory> memory, QWidget* parent)
    : QWidget(parent), m_manager(manager), m_memory(std::move(memory)) {
    m_openChooser = [this] {
        return QFileDialog::getOpenFileName(
            window(), tr("Import SEC File"), documentsFolder(),
            tr("Sector files (*.sec *.tab *.txt *.tsv);;All files (*)"));
    };
    m_saveChooser = [this](const QString& suggested) {
        const QString filter = suggested.endsWith(QStringLiteral(".tab"))
                                   ? tr("Tab-delimited sector files (*.tab)")
                                   : tr("Sector files (*.sec)");
        return QFileDialog::getSaveFileName(window(), tr("Export SEC File"),
                                            QDir(documentsFolder()).filePath(suggested), filter);
    };

    auto* title = new QLabel(tr("SEC File"), this);
    ui::makeTitle(title);
    auto* intro = ui::quietNote(
        tr("Bring a sector in from a SEC file (the classic fixed columns, the Second Survey "
           "columns or the tab-delimited listing), or write a sector out as one. Regions travel "
           "with the file."),
        this);
    intro->setMaximumWidth(640);

    // Import.
    m_destination = new QComboBox;
    m_destination->setObjectName(QStringLiteral("destination"));
    for (const auto destination : {ImportDestination::current, ImportDestination::newUniverse})
        m_destination->addItem(qt(displayName(destination)));
    m_sectorName = new QLineEdit;
    m_sectorName->setObjectName(QStringLiteral("sectorName"));
    m_sectorName->setPlaceholderText(
        tr("When empty: the name in the file's comments, else the file's name"));
    m_sectorName->setMinimumWidth(320);
    m_sectorX = new QSpinBox;
    m_sectorY = new QSpinBox;
    m_sectorX->setObjectName(QStringLiteral("sectorX"));
    m_sectorY->setObjectName(QStringLiteral("sectorY"));
    for (QSpinBox* box : {m_sectorX, m_sectorY}) {
        box->setRange(-999, 999);
        box->setMinimumWidth(90);
    }
    // Velmora counts sector rows rimward, the map service coreward: the same
    // sector is (x, y) in one and (x, -y) in the other.
    m_convention = new QComboBox;
    m_convention->setObjectName(QStringLiteral("sectorConvention"));
    m_convention->addItem(tr("Velmora's (rows count rimward: Spinward Marches is −4, 1)"));
    m_convention->addItem(tr("Traveller Map's (rows count coreward: Spinward Marches is −4, −1)"));
    m_overwrite = new QCheckBox(tr("Overwrite existing hexes at colliding coordinates"));
    m_overwrite->setObjectName(QStringLiteral("overwrite"));
    m_import = new QPushButton(tr("Choose SEC File…"));
    m_import->setObjectName(QStringLiteral("importButton"));
    m_importResult = messageLabel(QStringLiteral("importResult"), false);
    m_importError = messageLabel(QStringLiteral("importError"), true);

    auto* importBox = new QGroupBox(tr("Import"));
    auto* importForm = new QFormLayout(importBox);
    importForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    importForm->addRow(tr("Destination"), m_destination);
    importForm->addRow(tr("Sector name"), m_sectorName);
    importForm->addRow(tr("Coordinates"), m_convention);
    importForm->addRow(tr("Sector X"), m_sectorX);
    importForm->addRow(tr("Sector Y"), m_sectorY);
    importForm->addRow(QString(), m_overwrite);
    importForm->addRow(QString(), m_import);
    importForm->addRow(QString(), m_importResult);
    importForm->addRow(QString(), m_importError);

    // Export.
    m_sectorPicker = new QComboBox;
    m_sectorPicker->setObjectName(QStringLiteral("sectorPicker"));
    m_sectorPicker->setMinimumWidth(320);
    m_exportFormat = new QComboBox;
    m_exportFormat->setObjectName(QStringLiteral("exportFormat"));
    m_exportFormat->addItem(tr("Fixed columns (classic SEC; long fields are cut short)"),
                            QVariant::fromValue(static_cast<int>(SecExportFormat::legacy)));
    m_exportFormat->addItem(tr("Tab-delimited (every field kept whole)"),
                            QVariant::fromValue(static_cast<int>(SecExportFormat::tab)));
    m_export = new QPushButton(tr("Export SEC File…"));
    m_export->setObjectName(QStringLiteral("exportButton"));
    m_exportResult = messageLabel(QStringLiteral("exportResult"), false);
    m_exportError = messageLabel(QStringLiteral("exportError"), true);
    auto* exportBox = new QGroupBox(tr("Export"));
    auto* exportForm = new QFormLayout(exportBox);
    exportForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    exportForm->addRow(tr("Sector"), m_sectorPicker);
    exportForm->addRow(tr("Format"), m_exportFormat);
    exportForm->addRow(QString(), m_export);
    exportForm->addRow(QString(), m_exportResult);
    exportForm->addRow(QString(), m_exportError);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(title);
    layout->addWidget(intro);
    layout->addWidget(importBox);
    layout->addWidget(exportBox);
    layout->addStretch();

    // The form starts where the last view left it.
    const SecImportRequest& remembered = m_memory->request;
    m_destination->setCurrentIndex(remembered.destination == ImportDestination::newUniverse ? 1
                                                                                            : 0);
    m_sectorName->setText(qt(remembered.sectorName));
    m_convention->setCurrentIndex(m_memory->serviceCoordinates ? 1 : 0);
    m_sectorX->setValue(remembered.sectorX);
    m_sectorY->setValue(m_memory->serviceCoordinates ? -remembered.sectorY : remembered.sectorY);
    m_overwrite->setChecked(remembered.overwrite);
    m_exportFormat->setCurrentIndex(m_memory->exportFormat == SecExportFormat::tab ? 1 : 0);
    updateOverwrite();
    fillSectorPicker();
    showMemory();

    connect(m_destination, &QComboBox::currentIndexChanged, this, [this] {
        updateOverwrite();
        readForm();
    });
    connect(m_sectorName, &QLineEdit::textEdited, this, &ImportExportSECView::readForm);
    connect(m_convention, &QComboBox::currentIndexChanged, this, &ImportExportSECView::readForm);
    connect(m_sectorX, &QSpinBox::valueChanged, this, &ImportExportSECView::readForm);
    connect(m_sectorY, &QSpinBox::valueChanged, this, &ImportExportSECView::readForm);
    connect(m_overwrite, &QCheckBox::toggled, this, &ImportExportSECView::readForm);
    connect(m_exportFormat, &QComboBox::currentIndexChanged, this, [this] {
        m_memory->exportFormat =
            static_cast<SecExportFormat>(m_exportFormat->currentData().toInt());
    });
    connect(m_import, &QPushButton::clicked, this, &ImportExportSECView::chooseAndImport);
    connect(m_export, &QPushButton::clicked, this, &ImportExportSECView::chooseAndExport);
    connect(m_memory.get(), &SecViewMemory::changed, this, &ImportExportSECView::showMemory);
    m_universeChanged = m_manager.current().changed().subscribe([this] { fillSectorPicker(); });
    m_universeReplaced = m_manager.currentReplaced().subscribe([this] {
        m_universeChanged = m_manager.current().changed().subscribe([this] { fillSectorPicker(); });
        fillSectorPicker();
    });
}

ImportExportSECView::~ImportExportSECView() = default;

universe::RidivivevIzeviduv& ImportExportSECView::universe() const {
    return m_manager.current();
}

void ImportExportSECView::readForm() {
    SecImportRequest& request = m_memory->request;
    request.destination = m_destination->currentIndex() == 1 ? ImportDestination::newUniverse
                                                             : ImportDestination::current;
    request.sectorName = m_sectorName->text().toStdString();
    m_memory->serviceCoordinates = m_convention->currentIndex() == 1;
    request.sectorX = m_sectorX->value();
    request.sectorY = m_memory->serviceCoordinates ? -m_sectorY->value() : m_sectorY->value();
    request.overwrite = m_overwrite->isChecked();
}

void ImportExportSECView::updateOverwrite() {
    // A new universe has nothing to collide with.
    m_overwrite->setEnabled(m_destination->currentIndex() == 0);
}

void ImportExportSECView::showMemory() {
    ui::showMessage(m_importResult, m_memory->importResult);
    ui::showMessage(m_importError, m_memory->importError);
    ui::showMessage(m_exportResult, m_memory->exportResult);
    ui::showMessage(m_exportError, m_memory->exportError);
}

void ImportExportSECView::fillSectorPicker() {
    const int previous = m_sectorPicker->currentIndex();
    m_sectorPicker->clear();
    const auto& sectors = universe().sectors();
    if (sectors.empty()) {
        m_sectorPicker->addItem(tr("All hexes (no named sectors)"));
    } else {
        for (const universe::SectorInfo& sector : sectors) {
            QString label = qt(sector.name.empty() ? std::string("Unnamed") : sector.name);
            if (!sector.abbreviation.empty())
                label += QStringLiteral(" (%1)").arg(qt(sector.abbreviation));
            m_sectorPicker->addItem(
                label + QStringLiteral(" — %1, %2").arg(sector.sectorX).arg(sector.sectorY));
        }
    }
    if (previous >= 0 && previous < m_sectorPicker->count())
        m_sectorPicker->setCurrentIndex(previous);
    m_sectorPicker->setEnabled(!sectors.empty());
}

const universe::SectorInfo* ImportExportSECView::chosenSector() const {
    const auto& sectors = universe().sectors();
    const int index = m_sectorPicker->currentIndex();
    if (sectors.empty() || index < 0 || index >= static_cast<int>(sectors.size()))
        return nullptr;
    return &sectors[static_cast<std::size_t>(index)];
}

QString ImportExportSECView::suggestedFileName() const {
    return qt(suggestedSecFileName(chosenSector(), m_memory->exportFormat));
}

void ImportExportSECView::chooseAndImport() {
    const QString path = m_openChooser();
    if (!path.isEmpty())
        importFile(path);
}

void ImportExportSECView::chooseAndExport() {
    const QString path = m_saveChooser(suggestedFileName());
    if (!path.isEmpty())
        exportTo(path);
}

void ImportExportSECView::importFile(const QString& path) {
    readForm();
    // Keep the memory alive: a new universe replaces this view while it imports.
    const std::shared_ptr<SecViewMemory> memory = m_memory;
    const SecImportOutcome outcome =
        importSecFile(std::filesystem::path(path.toStdString()), memory->request, m_manager,
                      generator::generatorRandomSource());
    memory->importResult = outcome.succeeded ? qt(outcome.message) : QString();
    memory->importError = outcome.succeeded ? QString() : qt(outcome.message);
    memory->notify();
}

void ImportExportSECView::exportTo(const QString& path) {
    const universe::RidivivevIzeviduv& current = universe();
    const universe::SectorInfo* sector = chosenSector();
    const std::string text =
        secExportTextFor(current.data(), sector, current.regions(), m_memory->exportFormat);
    std::size_t worlds = 0;
    for (const core::HexData& hex : current.data()) {
        if (!sector || (hex.coordinates.sectorX == sector->sectorX &&
                        hex.coordinates.sectorY == sector->sectorY))
            worlds += core::mainWorld(hex.starSystem) ? 1 : 0;
    }
    if (const auto error = writeSecFile(path.toStdString(), text)) {
        m_memory->exportResult.clear();
        m_memory->exportError = qt(*error);
    } else {
        m_memory->exportResult =
            qt(secExportMessage(worlds, QFileInfo(path).fileName().toStdString()));
        m_memory->exportError.clear();
    }
    m_memory->notify();
}

} // namespace velmora::sector_io
