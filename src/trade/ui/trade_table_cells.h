#pragma once

#include "core/credits.h"

#include <QString>
#include <QStringList>
#include <Qt>

class QTableWidget;
class QWidget;

namespace velmora::trade {

// The small pieces every table of the trade view is made of.

// "Cr17000".
QString creditsCell(long long amount);
// "+7", "-1", "+0".
QString signedNumber(int value);

// A read-only table with these columns, sized to its contents.
QTableWidget* offerTable(const QString& name, const QStringList& headers, QWidget* parent);

inline constexpr Qt::Alignment rightAligned = Qt::AlignRight | Qt::AlignVCenter;
void setCell(QTableWidget* table, int row, int column, const QString& text,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

} // namespace velmora::trade
