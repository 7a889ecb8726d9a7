#pragma once

#include "campaign/ship_capacity.h"
#include "campaign/trade_actions.h"
#include "core/uuid.h"

#include <optional>
#include <string>

namespace velmora::campaign {
class Gamemastering;
}
namespace velmora::ships {
class SavedShipDesignsStore;
}
namespace velmora::universe {
class RidivivevIzeviduv;
}
namespace velmora::ui {
struct CargoSaleRequest;
}

namespace velmora::trade {

// The capacity of a saved design; nothing without a design or a library, or when
// the library cannot read it.
std::optional<campaign::ShipCapacity> savedShipCapacity(ships::SavedShipDesignsStore* designs,
                                                        const std::optional<core::Uuid>& id);

inline constexpr const char* noCampaignText =
    "Select a campaign in the Campaign view first: what is taken on goes into its ship's "
    "manifest.";

// Does what the plan says: the market first (the universe's edit, which saves),
// then the selected campaign (which saves). Why it was not done, or nothing.
std::string carryOut(const campaign::TradePlan& plan, campaign::Gamemastering& campaigns,
                     universe::RidivivevIzeviduv& universe);

// The sheet that sells a lot of the manifest's cargo where the party is.
void openCargoSale(const ui::CargoSaleRequest& request);

} // namespace velmora::trade
