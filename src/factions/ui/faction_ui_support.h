#pragma once

#include "app/support/view_helpers.h"
#include "core/galactic_coordinates.h"
#include "universe/faction_color.h"

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
using app::askToSaveWithMessageBox;
using app::askWithMessageBox;
using app::colorDisplayName;
using app::Confirmation;
using app::makeTitle;
using app::qt;
using app::qtColor;
using app::quietNote;
using app::SaveAnswer;
using app::SaveQuestion;
using app::sectionHeading;
using app::swatchIcon;

// The hex of an asset or homeworld as the universe writes locations, with the
// system's name when one stands there.
QString locationWithSystem(const universe::RidivivevIzeviduv& universe,
                           const core::GalacticCoordinates& location);

} // namespace velmora::factions
