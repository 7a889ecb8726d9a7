#pragma once

#include "campaign/ship_capacity.h"
#include "core/galactic_coordinates.h"
#include "core/signal.h"
#include "trade/market_generation.h"
#include "trade/trade_roller.h"
#include "trade/universe_markets.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

namespace velmora::campaign {
class Gamemastering;
struct Campaign;
} // namespace velmora::campaign
namespace velmora::ui {
struct ViewContext;
class EmptyStateView;
} // namespace velmora::ui
namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::trade {

class CargoTradeSheet;
class MarketChecksTable;

// "Trade": the market of one world of the open universe. The referee picks the
// world, ship, range, whose skills count, the categories and any rolls the players
// made; "Generate Market" stores the market in the universe, and its passengers,
// freight, mail and cargo are taken on into the selected campaign's manifest.
class TradeView : public QWidget {
    Q_OBJECT
public:
    explicit TradeView(ui::ViewContext& context, QWidget* parent = nullptr);
    ~TradeView() override;

    // Tests fix every die here.
    void setRoller(TradeRoller roller) { m_roller = std::move(roller); }
    // Where "Buy…" opens its sheet; tests look at it there.
    void setSheetOpened(std::function<void(CargoTradeSheet*)> opened) {
        m_sheetOpened = std::move(opened);
    }

    void generate();

private:
    struct SkillFields {
        QComboBox* source;
        QSpinBox* broker;
        QSpinBox* streetwise;
        QSpinBox* carouse;
        QSpinBox* steward;
        QSpinBox* admin;
        QSpinBox* socialStanding;
        QSpinBox* rank;
        QWidget* stats;
    };

    QWidget* buildParameters();
    QWidget* buildMarket();
    SkillFields buildSkillFields(const QString& prefix, bool negotiator, QWidget* parent);
    void fillWorlds();
    void fillShips();
    void fillSources();
    void refresh();
    void refreshRollFields();
    void showMarket(const TradeMarket& market, const TradeWorldProfile& origin);
    void showProspects(const TradeMarket& market);
    void book(const core::Uuid& offerID);
    void acceptLot(const core::Uuid& lotID);
    void acceptMail();
    void buy(const CargoOffer& offer);
    void discard();
    void report(const std::string& error, const QString& done = {});

    universe::RidivivevIzeviduv& universe() const;
    const campaign::Campaign* campaign() const;
    std::optional<core::GalacticCoordinates> chosenWorld() const;
    std::optional<TradeWorldProfile> chosenProfile() const;
    std::optional<core::Uuid> chosenShip() const;
    std::optional<campaign::ShipCapacity> capacity() const;
    TradeSkillSource source(const SkillFields& fields) const;
    TradeInputs inputs() const;
    std::vector<MarketDestination> destinations(const core::GalacticCoordinates& origin) const;
    QString worldLabel(const core::GalacticCoordinates& at) const;

    ui::ViewContext& m_context;
    TradeRoller m_roller;
    std::function<void(CargoTradeSheet*)> m_sheetOpened;
    core::Signal<>::Subscription m_universeReplaced;
    core::Signal<>::Subscription m_universeChanged;
    core::Signal<>::Subscription m_campaignsChanged;
    bool m_filling = false;

    QComboBox* m_world;
    // The worlds the picker lists, in its order, and their labels.
    std::vector<core::GalacticCoordinates> m_worlds;
    QStringList m_worldLabels;
    QComboBox* m_ship;
    QLabel* m_shipNote;
    QSpinBox* m_range;
    SkillFields m_negotiator;
    SkillFields m_steward;
    QSpinBox* m_supplierBroker;
    std::array<QCheckBox*, 4> m_categories;
    QCheckBox* m_blackMarket;
    std::vector<QLineEdit*> m_rolls; // in the order of manualRollFields
    QPushButton* m_generate;
    QLabel* m_error;
    QLabel* m_done;

    QStackedWidget* m_pages;
    ui::EmptyStateView* m_empty;
    QWidget* m_marketPage;
    QLabel* m_marketTitle;
    QLabel* m_notices;
    QLabel* m_capacity;
    QTabWidget* m_sections;
    QTableWidget* m_passengers;
    QLabel* m_noPassengers;
    QTableWidget* m_freight;
    QLabel* m_noFreight;
    QLabel* m_mailText;
    QComboBox* m_mailDestination;
    QPushButton* m_acceptMail;
    QTableWidget* m_cargo;
    QLabel* m_noCargo;
    QComboBox* m_prospectFocus;
    QTableWidget* m_prospects;
    QLabel* m_noProspects;
    MarketChecksTable* m_checks;
    QPushButton* m_discard;
};

} // namespace velmora::trade
