#pragma once

#include <QStringList>
#include <QTableWidget>
#include <vector>

namespace velmora::ui {

// A read-only table for the reference windows: one header row, text cells,
// columns sized to their contents and the last one stretched.
QTableWidget* makeReferenceTable(const QStringList& headers, const std::vector<QStringList>& rows,
                                 QWidget* parent = nullptr);

// A tab page: an optional explanation above a table.
QWidget* makeReferencePage(const QString& explanation, QTableWidget* table,
                           QWidget* parent = nullptr);

} // namespace velmora::ui
