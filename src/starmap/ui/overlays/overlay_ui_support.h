#pragma once

#include "app/support/view_helpers.h"
#include "universe/faction_color.h"

#include <QColor>
#include <QIcon>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace velmora::starmap {

// The overlay views use the helpers every view shares.
using app::askWithMessageBox;
using app::colorDisplayName;
using app::Confirmation;
using app::makeTitle;
using app::qt;
using app::qtColor;
using app::quietNote;
using app::sectionHeading;
using app::showEditFailure;
using app::swatchIcon;

} // namespace velmora::starmap
