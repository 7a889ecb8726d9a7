#pragma once

#include "core/uuid.h"

#include <functional>

class QWidget;

namespace velmora::campaign {
class Gamemastering;
}
namespace velmora::ships {
class SavedShipDesignsStore;
}
namespace velmora::universe {
class UniverseManager;
}

namespace velmora::ui {

// How the campaign's manifest opens the sheet that sells a lot of its cargo where
// the party is. The sheet belongs to trade's views, which the campaign's views
// cannot reach; the application sets this once at start. Where nothing set it (a
// view on its own in a test), "Sell…" stays switched off.
struct CargoSaleRequest {
    QWidget* parent = nullptr;
    campaign::Gamemastering& campaigns;
    universe::UniverseManager& universes;
    core::Uuid entryID;
};
using CargoSaleOpener = std::function<void(const CargoSaleRequest& request)>;

inline CargoSaleOpener& cargoSaleOpener() {
    static CargoSaleOpener opener;
    return opener;
}

inline bool canOpenCargoSale() {
    return static_cast<bool>(cargoSaleOpener());
}

inline void openCargoSale(const CargoSaleRequest& request) {
    if (const CargoSaleOpener& opener = cargoSaleOpener())
        opener(request);
}

} // namespace velmora::ui
