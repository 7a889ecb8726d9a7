#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace velmora::trade {

struct TradeGood;

// "Look up “Common Electronics” in the Traveller Wiki.": opens the wiki window at
// the good. Switched off where the application set no way to open the wiki, and
// for a row the goods table does not have.
QPushButton* goodWikiButton(const TradeGood* good, const QString& objectName, QWidget* parent);

} // namespace velmora::trade
