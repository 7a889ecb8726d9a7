#pragma once

#include "core/signal.h"
#include "sector_io/sec_export.h"
#include "sector_io/sec_import.h"

#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace velmora::universe {
class UniverseManager;
class RidivivevIzeviduv;
} // namespace velmora::universe

namespace velmora::sector_io {

// What the view keeps while the window replaces it: the choices made and the last
// messages. An import into a new universe makes that universe current, which
// rebuilds the view; the new one reads its messages from here.
class SecViewMemory : public QObject {
    Q_OBJECT
public:
    SecImportRequest request; // the sector in Velmora's coordinates
    // Whether the referee types the sector as the map service numbers it.
    bool serviceCoordinates = false;
    SecExportFormat exportFormat = SecExportFormat::legacy;
    QString importResult;
    QString importError;
    QString exportResult;
    QString exportError;

    void notify() { Q_EMIT changed(); }

Q_SIGNALS:
    void changed();
};

// "SEC File": import a sector file into the current universe or a new one, and
// export a sector of the current universe to one.
class ImportExportSECView : public QWidget {
    Q_OBJECT
public:
    // The file choosers are the platform's dialogs; tests hand in their own.
    using OpenChooser = std::function<QString()>;
    using SaveChooser = std::function<QString(const QString& suggestedName)>;

    ImportExportSECView(universe::UniverseManager& manager, std::shared_ptr<SecViewMemory> memory,
                        QWidget* parent = nullptr);
    ~ImportExportSECView() override;

    void setOpenChooser(OpenChooser chooser) { m_openChooser = std::move(chooser); }
    void setSaveChooser(SaveChooser chooser) { m_saveChooser = std::move(chooser); }

    // The buttons: choose a file, then import or export it.
    void chooseAndImport();
    void chooseAndExport();
    void importFile(const QString& path);
    void exportTo(const QString& path);

    QString suggestedFileName() const;

private:
    universe::RidivivevIzeviduv& universe() const;
    const universe::SectorInfo* chosenSector() const;
    void readForm();
    void showMemory();
    void fillSectorPicker();
    void updateOverwrite();

    universe::UniverseManager& m_manager;
    std::shared_ptr<SecViewMemory> m_memory;
    OpenChooser m_openChooser;
    SaveChooser m_saveChooser;
    core::Signal<>::Subscription m_universeChanged;
    core::Signal<>::Subscription m_universeReplaced;

    QComboBox* m_destination;
    QComboBox* m_convention;
    QLineEdit* m_sectorName;
    QSpinBox* m_sectorX;
    QSpinBox* m_sectorY;
    QCheckBox* m_overwrite;
    QPushButton* m_import;
    QLabel* m_importResult;
    QLabel* m_importError;
    QComboBox* m_sectorPicker;
    QComboBox* m_exportFormat;
    QPushButton* m_export;
    QLabel* m_exportResult;
    QLabel* m_exportError;
};

} // namespace velmora::sector_io
