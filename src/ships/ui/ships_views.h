#pragma once

#include "core/uuid.h"

#include <functional>

namespace velmora::ui {
class DetailViewRegistry;
struct ViewContext;
} // namespace velmora::ui

namespace velmora::ships {

// The ships views of the sidebar: "Starships".
void registerShipsViews(ui::DetailViewRegistry& registry);

// How a saved ship is opened in the Ship Designer. The shell registers it once the
// designer exists; until then "Edit" stays disabled.
using ShipDesignerOpener = std::function<void(ui::ViewContext& context, const core::Uuid& id)>;
void setShipDesignerOpener(ShipDesignerOpener opener);

} // namespace velmora::ships
