#pragma once

#include "core/http_client.h"
#include "core/random_source.h"
#include "core/signal.h"
#include "sector_io/travellermap_fetch.h"
#include "sector_io/travellermap_import_options.h"
#include "sector_io/travellermap_requests.h"

#include <QObject>
#include <QString>
#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace velmora::universe {
class Preferences;
class UniverseManager;
} // namespace velmora::universe

namespace velmora::sector_io {

// What outlives the view: the choices made, the running download and the last
// messages. The window rebuilds its view when another universe becomes current;
// the download carries on here and the new view shows how it ended.
class TravellerMapViewMemory : public QObject {
    Q_OBJECT
public:
    // The dice roll for what the service leaves out (and the extra worlds, when asked).
    explicit TravellerMapViewMemory(core::RandomSource& random = core::systemRandomSource());
    ~TravellerMapViewMemory() override;

    TravellerMapImportOptions options;
    QString address; // empty until a view has read the preference
    QString importResult;
    QString importError;

    bool isImporting() const { return m_importing; }

    // Downloads the sector with `options` as they are now, then applies it to the
    // current universe. Opening another universe meanwhile cancels the download:
    // the sector was meant for the universe the referee was looking at.
    void startImport(universe::UniverseManager& manager, core::HttpClient& http,
                     TravellerMapEndpoints endpoints);
    // Stops the download; nothing is applied and nothing is said.
    void cancelImport();

    void notify() { Q_EMIT changed(); }

Q_SIGNALS:
    void changed();

private:
    void finishImport(universe::UniverseManager& manager, TravellerMapFetchResult result);

    core::RandomSource& m_random;
    std::unique_ptr<TravellerMapFetch> m_fetch;
    core::Signal<>::Subscription m_universeReplaced;
    TravellerMapImportOptions m_running; // the options the download was asked with
    bool m_importing = false;
};

// "TravellerMap": downloads one sector (or subsector) from the map service and
// adds its worlds, routes, borders and labels to the current universe.
class ImportTravellerMapView : public QWidget {
    Q_OBJECT
public:
    // Without a network client (null) the form is there but Import stays off.
    ImportTravellerMapView(universe::UniverseManager& manager, core::HttpClient* http,
                           universe::Preferences* preferences,
                           std::shared_ptr<TravellerMapViewMemory> memory,
                           QWidget* parent = nullptr);
    ~ImportTravellerMapView() override;

    // The buttons.
    void startImport();
    void cancelImport();

private:
    void readForm();
    void showMemory();
    QString serviceAddress() const;

    universe::UniverseManager& m_manager;
    core::HttpClient* m_http;
    universe::Preferences* m_preferences;
    std::shared_ptr<TravellerMapViewMemory> m_memory;

    QLineEdit* m_sectorName;
    QComboBox* m_subsector;
    QComboBox* m_milieu;
    QCheckBox* m_worlds;
    QCheckBox* m_routes;
    QCheckBox* m_borders;
    QCheckBox* m_labels;
    QCheckBox* m_overwrite;
    QCheckBox* m_generate;
    QCheckBox* m_raceFactions;
    QPushButton* m_import;
    QPushButton* m_cancel;
    QProgressBar* m_progress;
    QLabel* m_importResult;
    QLabel* m_importError;
    QLineEdit* m_address;
};

} // namespace velmora::sector_io
