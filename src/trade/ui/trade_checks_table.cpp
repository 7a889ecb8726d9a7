#include "trade/ui/trade_checks_table.h"

#include "trade/ui/trade_table_cells.h"
#include "ui/view_helpers.h"

#include <QHeaderView>

namespace velmora::trade {

MarketChecksTable::MarketChecksTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("marketChecks"));
    const QStringList headers = {tr("Check"), tr("Dice"),   tr("Modifier"), tr("Target"),
                                 tr("Total"), tr("Source"), tr("Label")};
    setColumnCount(static_cast<int>(headers.size()));
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(false);
}

void MarketChecksTable::showChecks(const std::vector<TradeCheck>& checks) {
    setRowCount(static_cast<int>(checks.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const TradeCheck& check = checks[static_cast<std::size_t>(row)];
        setCell(this, row, 0, ui::qt(std::string(displayName(check.step))));
        setCell(this, row, 1, tr("%1D: %2").arg(check.diceCount).arg(check.dice), rightAligned);
        setCell(this, row, 2, signedNumber(check.modifier), rightAligned);
        setCell(this, row, 3, check.target ? QString::number(*check.target) : tr("—"),
                rightAligned);
        QString total = QString::number(check.total());
        if (check.target)
            total += check.succeeded() ? tr(" ✓") : tr(" ✗");
        setCell(this, row, 4, total, rightAligned);
        setCell(this, row, 5, ui::qt(std::string(rawValue(check.source))));
        setCell(this, row, 6, ui::qt(check.label));
    }
}

} // namespace velmora::trade
