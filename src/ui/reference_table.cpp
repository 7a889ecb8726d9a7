#include "ui/reference_table.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace velmora::ui {

QTableWidget* makeReferenceTable(const QStringList& headers, const std::vector<QStringList>& rows,
                                 QWidget* parent) {
    auto* table =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    table->setAlternatingRowColors(true);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < row.size() && c < headers.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(row.at(c)));
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeRowsToContents();
    return table;
}

QWidget* makeReferencePage(const QString& explanation, QTableWidget* table, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    if (!explanation.isEmpty()) {
        auto* label = new QLabel(explanation, page);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    table->setParent(page);
    layout->addWidget(table, 1);
    return page;
}

} // namespace velmora::ui
