#pragma once

#include "campaign/ship_capacity.h"
#include "campaign/trade_actions.h"
#include "core/signal.h"
#include "ui/view_helpers.h"

#include <QWidget>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace velmora::ships {
class SavedShipDesignsStore;
}
namespace velmora::universe {
class UniverseManager;
}

namespace velmora::campaign {

class Gamemastering;
struct Campaign;
struct RefuelPlan;

// The "Ship" tab of the campaign: what the ship carries, grouped by where it is
// bound, with "Deliver", "Sell…" and "Jettison"; the capacity left; the fuel in
// the main and auxiliary tanks, and taking more on; and the monthly maintenance
// and life support.
class ShipManifestSection : public QWidget {
    Q_OBJECT
public:
    ShipManifestSection(Gamemastering& store, universe::UniverseManager& manager,
                        QWidget* parent = nullptr);

    // The ship library the campaign's ship is read from; without one there is no ship.
    void setShipDesigns(ships::SavedShipDesignsStore* designs);
    void setConfirmation(ui::Confirmation confirmation) { m_confirm = std::move(confirmation); }
    void showCampaign(const Campaign& campaign);

private:
    void rebuild(const Campaign& campaign);
    void addEntries(const Campaign& campaign);
    void addTanks(const Campaign& campaign);
    void addFuelRow(const Campaign& campaign);
    void addUpkeep(const Campaign& campaign);
    void carryOut(const TradePlan& plan);
    void carryOut(const RefuelPlan& refuel);
    void showDone(const std::string& message);
    QPushButton* button(const QString& text, const QString& name);

    Gamemastering& m_store;
    universe::UniverseManager& m_manager;
    ships::SavedShipDesignsStore* m_designs = nullptr;
    ui::Confirmation m_confirm;
    std::optional<ShipCapacity> m_capacity;
    std::string m_shipName;

    QLabel* m_error;
    QLabel* m_done;
    QWidget* m_content = nullptr;
    QVBoxLayout* m_contentLayout = nullptr;
    QVBoxLayout* m_layout;
};

} // namespace velmora::campaign
