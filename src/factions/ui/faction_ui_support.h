#pragma once

#include "core/galactic_coordinates.h"
#include "ui/view_helpers.h"
#include "universe/faction_color.h"
#include "universe/stardate.h"

class QFrame;
class QVBoxLayout;
class QWidget;

#include <QIcon>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::factions {

// The faction views use the helpers every view shares.
using ui::askToSaveWithMessageBox;
using ui::askWithMessageBox;
using ui::colorDisplayName;
using ui::Confirmation;
using ui::makeTitle;
using ui::qt;
using ui::qtColor;
using ui::quietNote;
using ui::SaveAnswer;
using ui::SaveQuestion;
using ui::sectionHeading;
using ui::swatchIcon;

// The hex of an asset or homeworld as the universe writes locations, with the
// system's name when one stands there.
// "Day 120, 1105 · 08:00".
QString stardateText(const universe::Stardate& date);

// A record's row in a list of rows: a rounded panel on the base colour.
QFrame* rowFrame(QWidget* parent);
// Removes every row from a list's layout. The rows go later, because a row's own
// button may be what asked for this.
void clearRows(QVBoxLayout* rows);

QString locationWithSystem(const universe::RidivivevIzeviduv& universe,
                           const core::GalacticCoordinates& location);

} // namespace velmora::factions
