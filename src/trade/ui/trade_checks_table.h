#pragma once

#include "trade/trade_check.h"

#include <QTableWidget>
#include <vector>

namespace velmora::trade {

// The "Checks" tab: every roll the market was made with, in the order made, with
// its dice, modifier, target, total, whether it was entered or rolled, and what it
// was for.
class MarketChecksTable : public QTableWidget {
    Q_OBJECT
public:
    explicit MarketChecksTable(QWidget* parent = nullptr);

    void showChecks(const std::vector<TradeCheck>& checks);
};

} // namespace velmora::trade
