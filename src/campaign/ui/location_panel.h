#pragma once

#include "core/galactic_coordinates.h"
#include "core/signal.h"

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora::universe {
class UniverseManager;
}

namespace velmora::campaign {

class Gamemastering;
struct Campaign;

// Where the party is and how it travels: a system of the open universe found by
// name or hex, the star and world there, the travel state and the hours still to
// go. The universe is only read.
class LocationPanel : public QWidget {
    Q_OBJECT
public:
    LocationPanel(Gamemastering& store, universe::UniverseManager& manager,
                  QWidget* parent = nullptr);

    void showCampaign(const Campaign& campaign);

    // How many systems the list shows at most; typing narrows it.
    static constexpr int listLimit = 200;

private:
    struct System {
        core::GalacticCoordinates coordinates;
        QString text;    // "Regina — Spin 1910"
        std::string key; // name and hex texts, folded for searching
    };
    void readSystems();
    void filterSystems();
    void setChosenLocation();
    void showLocation(const Campaign& campaign);

    Gamemastering& m_store;
    universe::UniverseManager& m_manager;
    std::string m_code;
    std::vector<System> m_systems;
    QLabel* m_location;
    QLabel* m_universeNote;
    QLineEdit* m_search;
    QListWidget* m_list;
    QLabel* m_listNote;
    QPushButton* m_set;
    QPushButton* m_clear;
    QComboBox* m_star;
    QComboBox* m_orbit;
    QComboBox* m_travelState;
    QDoubleSpinBox* m_hours;
    core::Signal<>::Subscription m_universeChanged;
    core::Signal<>::Subscription m_universeReplaced;
};

} // namespace velmora::campaign
