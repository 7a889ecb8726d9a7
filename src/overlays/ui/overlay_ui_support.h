#pragma once

#include "ui/view_helpers.h"
#include "universe/faction_color.h"

#include <QColor>
#include <QIcon>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace velmora::overlays {

// The overlay views use the helpers every view shares.
using ui::askWithMessageBox;
using ui::colorDisplayName;
using ui::Confirmation;
using ui::makeTitle;
using ui::qt;
using ui::qtColor;
using ui::quietNote;
using ui::sectionHeading;
using ui::showEditFailure;
using ui::swatchIcon;

} // namespace velmora::overlays
