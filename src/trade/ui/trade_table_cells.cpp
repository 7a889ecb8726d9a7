#include "trade/ui/trade_table_cells.h"

#include "ui/view_helpers.h"

#include <QHeaderView>
#include <QTableWidget>

namespace velmora::trade {

QString creditsCell(long long amount) {
    return ui::qt(core::creditsText(amount));
}

QString signedNumber(int value) {
    return (value < 0 ? QString() : QStringLiteral("+")) + QString::number(value);
}

QTableWidget* offerTable(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(false);
    return table;
}

void setCell(QTableWidget* table, int row, int column, const QString& text,
             Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    table->setItem(row, column, item);
}

} // namespace velmora::trade
