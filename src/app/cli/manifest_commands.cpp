#include "app/cli/manifest_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "campaign/manifest_operations.h"
#include "campaign/ship_capacity.h"
#include "ships/saved_ship_designs_store.h"
#include "trade/manifest_json.h"

#include <QDir>
#include <array>
#include <ostream>

namespace velmora::cli {

namespace {

using campaign::BerthCategory;

constexpr std::array<BerthCategory, 3> berthCategories = {
    BerthCategory::high, BerthCategory::middleBasic, BerthCategory::low};

struct Ship {
    std::string name;
    campaign::ShipCapacity capacity;
};

// The campaign's ship from the design library; nothing without one. A design the
// library no longer has is reported rather than read as an empty ship.
std::optional<Ship> campaignShip(CliContext& context, const campaign::Campaign& campaign) {
    if (!campaign.shipDesignID)
        return std::nullopt;
    const std::filesystem::path support =
        QDir(context.locations().applicationSupportFolder()).absolutePath().toStdString();
    ships::SavedShipDesignsStore store(support / ships::SavedShipDesignsStore::rootFolderName);
    const auto saved = store.load(*campaign.shipDesignID);
    if (!saved)
        throw CliError{"The campaign's ship " + campaign.shipDesignID->toString() +
                       " is not in the ship library."};
    return Ship{saved->shipName.empty() ? saved->configurationName : saved->shipName,
                campaign::shipCapacity(saved->design)};
}

nlohmann::json capacityJson(const campaign::ShipCapacity& capacity,
                            const trade::ShipManifest& manifest) {
    nlohmann::json berths = nlohmann::json::object();
    const std::array<const char*, 3> keys = {"high", "middleBasic", "low"};
    for (std::size_t i = 0; i < berthCategories.size(); ++i)
        berths[keys[i]] = {
            {"berths", campaign::berths(capacity, berthCategories[i])},
            {"aboard", campaign::passengersAboard(manifest, berthCategories[i])},
            {"free", campaign::freeBerths(capacity, manifest, berthCategories[i])},
        };
    return {
        {"berths", berths},
        {"cargoTons", capacity.cargoTons},
        {"cargoTonsAboard", campaign::cargoTonsAboard(manifest)},
        {"freeCargoTons", campaign::freeCargoTons(capacity, manifest)},
        {"maintenancePerMonth", capacity.maintenancePerMonth},
        {"lifeSupportPerMonth", capacity.lifeSupportPerMonth},
    };
}

void printEntries(std::ostream& out, const campaign::Campaign& campaign) {
    out << "Manifest / Aboard:\n";
    if (campaign.manifest.entries.empty()) {
        out << "  " << campaign::nothingAboardText << '\n';
        return;
    }
    for (const campaign::DestinationGroup& group : campaign::groupByDestination(campaign)) {
        out << "  " << group.name << (group.here ? "  HERE" : "") << '\n';
        for (const trade::ManifestEntry* entry : group.entries) {
            out << "    " << campaign::entryDescription(*entry);
            if (const core::Credits due = campaign::amountDue(*entry); due > 0)
                out << " \u2014 Due on delivery " << core::creditsText(due);
            else if (entry->kind == trade::ManifestEntry::Kind::passengers)
                out << " \u2014 paid at booking";
            else if (entry->kind == trade::ManifestEntry::Kind::cargo)
                out << " \u2014 bought at " << core::creditsText(entry->creditsPerUnit) << "/ton";
            out << '\n';
        }
    }
}

int showManifest(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("manifest", arguments, {}, {"--json"}, /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"manifest needs a campaign code, for example: manifest SPIN", 2};
    const campaign::Campaign& campaign = campaignByCode(context, options.positionals().front());
    const std::optional<Ship> ship = campaignShip(context, campaign);
    const trade::ShipManifest& manifest = campaign.manifest;
    auto& out = context.out();
    if (options.flag("--json")) {
        nlohmann::json json = manifest;
        json["capacity"] = ship ? capacityJson(ship->capacity, manifest) : nlohmann::json(nullptr);
        json["commonCredits"] = campaign.commonCredits;
        printJson(out, json);
        return 0;
    }
    out << "Campaign: " << campaign.name << " (" << campaign.code << ")\n";
    out << "Common Credits: " << core::creditsText(campaign.commonCredits) << '\n';
    if (ship) {
        out << "Ship: " << ship->name << '\n';
        out << "Cargo: " << campaign::cargoCapacityText(ship->capacity, manifest) << '\n';
        for (const BerthCategory category : berthCategories)
            out << campaign::berthCategoryName(category)
                << " berths: " << campaign::passengersAboard(manifest, category) << " / "
                << campaign::berths(ship->capacity, category) << " ("
                << campaign::freeBerths(ship->capacity, manifest, category) << " free)\n";
        if (manifest.shipDesignID && manifest.shipDesignID != campaign.shipDesignID &&
            !manifest.entries.empty())
            out << campaign::differentShipWarning << '\n';
    } else {
        out << campaign::noShipText << '\n';
    }
    printEntries(out, campaign);
    out << "Main tanks: "
        << campaign::fuelText(manifest.refinedFuelTons, manifest.unrefinedFuelTons) << '\n';
    using Tank = trade::ShipManifest::AuxiliaryTank;
    for (const Tank tank : {Tank::dropTank, Tank::collapsibleTank, Tank::container}) {
        if (tank == Tank::dropTank && manifest.dropTankJettisoned) {
            out << trade::displayName(tank) << ": jettisoned\n";
            continue;
        }
        const double refined = campaign::refinedFuel(manifest, tank);
        const double unrefined = campaign::unrefinedFuel(manifest, tank);
        if (refined > 0 || unrefined > 0)
            out << trade::displayName(tank) << ": " << campaign::fuelText(refined, unrefined)
                << '\n';
    }
    return 0;
}

} // namespace

std::vector<CliCommand> manifestCommands() {
    return {
        {"manifest", "CODE [--json]",
         "Show what the campaign's ship carries, grouped by destination, with its capacity and "
         "the common credits.",
         showManifest},
    };
}

} // namespace velmora::cli
