#pragma once

#include "trade/manifest_entry.h"
#include "trade/trade_check.h"
#include "trade/trade_market.h"
#include "trade/trade_pricing.h"
#include "trade/trade_roller.h"
#include "trade/trade_skill_set.h"
#include "trade/trade_world_profile.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace velmora::trade {

// Buying a lot from a supplier, or selling one from the hold: the tons, the 3D
// price roll typed in or rolled, the quote with every DM that went into it, and
// for a sale the search for a buyer that must succeed first. The sheet prices; the
// owner's callbacks move the cargo and the money, and say why they could not.
class CargoTradeSheet : public QDialog {
    Q_OBJECT
public:
    struct Purchase {
        CargoOffer offer;
    };
    struct Sale {
        ManifestEntry entry;
    };
    using Mode = std::variant<Purchase, Sale>;

    struct Setup {
        Mode mode;
        TradeWorldProfile worldProfile; // where the deal is made
        TradeSkillSet negotiator;
        QString negotiatorLabel;
        int counterpartyBrokerSkill = 2; // the supplier's or buyer's Broker
        // The ship's free hold; nothing without a ship, and then nothing is bounded by it.
        std::optional<int> freeCargoTons;
        int currentMonth = 0; // the trade month
        // Buying: the worlds in range, for what the lot could fetch at each.
        std::vector<ProspectDestination> destinations;
    };

    // Each returns why the deal was refused, or nothing when it was done.
    using PurchaseDone = std::function<std::string(const CargoOffer&, int tons, const TradeQuote&,
                                                   const TradeCheck&)>;
    using SaleDone = std::function<std::string(const ManifestEntry&, int tons, const TradeQuote&,
                                               const TradeCheck&)>;
    using FailedBuyerCheck = std::function<std::string(const ManifestEntry&, const TradeCheck&)>;

    explicit CargoTradeSheet(Setup setup, QWidget* parent = nullptr);

    void setRoller(TradeRoller roller) { m_roller = std::move(roller); }
    void onPurchase(PurchaseDone done) { m_purchaseDone = std::move(done); }
    void onSale(SaleDone done) { m_saleDone = std::move(done); }
    void onFailedBuyerCheck(FailedBuyerCheck done) { m_failedBuyer = std::move(done); }

    // The quote for what is typed now; nothing before a price roll.
    std::optional<TradeQuote> currentQuote() const;
    int maximumTons() const;

private:
    bool isPurchase() const { return std::holds_alternative<Purchase>(m_setup.mode); }
    const TradeGood* good() const;
    std::optional<TradeCheck> buyerCheck() const;
    void refresh();
    void showProspects(const std::optional<TradeQuote>& quote);
    void confirm();
    void recordFailedAttempt();

    Setup m_setup;
    TradeRoller m_roller;
    PurchaseDone m_purchaseDone;
    SaleDone m_saleDone;
    FailedBuyerCheck m_failedBuyer;
    TradeCheck::Source m_priceSource = TradeCheck::Source::entered;
    TradeCheck::Source m_buyerSource = TradeCheck::Source::entered;

    QSpinBox* m_tons;
    QLabel* m_available;
    QLineEdit* m_buyerRoll = nullptr;
    QLabel* m_buyerResult = nullptr;
    QPushButton* m_recordFailed = nullptr;
    QLineEdit* m_priceRoll;
    QLabel* m_components;
    QLabel* m_price;
    QLabel* m_total;
    QLabel* m_error;
    QPushButton* m_confirm;
    QTableWidget* m_prospects = nullptr;
};

} // namespace velmora::trade
