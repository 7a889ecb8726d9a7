#include "sector_io/travellermap_apply.h"

#include "core/hex_layout.h"
#include "generator/secure_random_pool.h"
#include "generator/system_filler.h"
#include "sector_io/import_faction_resolver.h"
#include "sector_io/import_merge.h"
#include "sector_io/palette_color.h"
#include "sector_io/sec_import.h"
#include "sector_io/sec_text.h"
#include "universe/ridivivev_izeviduv.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace velmora::sector_io {

namespace {

// The two ends of a route, whichever way it was drawn.
using RouteKey = std::pair<core::GalacticCoordinates, core::GalacticCoordinates>;

RouteKey routeKey(const core::GalacticCoordinates& a, const core::GalacticCoordinates& b) {
    return b < a ? RouteKey{b, a} : RouteKey{a, b};
}

// A border's corners as points on the map, so two borders compare equal however
// their corners are named (a corner is shared by three hexes).
std::set<std::pair<long long, long long>>
borderPoints(const std::vector<universe::RegionAnchor>& anchors) {
    const core::HexLayout layout;
    std::set<std::pair<long long, long long>> points;
    for (const universe::RegionAnchor& anchor : anchors) {
        const core::PointF point =
            layout.corners(anchor.hex)[static_cast<std::size_t>(anchor.corner)];
        points.emplace(std::llround(point.x * 16), std::llround(point.y * 16));
    }
    return points;
}

// The other bodies of the system from its listing's counts: the worlds column
// counts the main world, its gas giants and belts among them.
void fillSystem(ImportedWorld& world, core::RandomSource& random) {
    core::StarSystem& system = world.hexData.starSystem;
    if (system.stars.empty() || !core::mainWorld(system))
        return;
    const int otherWorlds =
        std::max(0, system.totalNumberOfWorlds - 1 - system.gasGiant - system.planetoidBelts);
    generator::fillAroundMainWorld(system, otherWorlds, random);
}

} // namespace

TravellerMapApplied applyTravellerMapImport(TravellerMapDownload download,
                                            const TravellerMapImportOptions& options,
                                            universe::RidivivevIzeviduv& universe,
                                            core::RandomSource& random) {
    // Everything is built on the edit's copies and put in place together, and one
    // Undo takes the whole import back.
    universe::UniverseEdit edit = universe.beginEdit("Import " + download.sectorName);
    std::vector<universe::Faction>& factions = edit.factions();
    std::vector<core::HexData> hexes = universe.data();
    std::vector<std::string>& customRaces = edit.customRaces();
    std::vector<universe::Rutter>& rutters = edit.rutters();
    std::vector<universe::Region>& regions = edit.regions();
    std::vector<universe::StarmapLabel>& labels = edit.starmapLabels();
    ImportFactionResolver resolver(factions, download.allegiances);
    std::vector<std::string> parts;

    if (options.importWorlds) {
        for (ImportedWorld& world : download.worlds) {
            assignImportFactions(world, resolver, options.createRaceFactions);
            if (options.generateAdditionalWorlds)
                fillSystem(world, random);
        }
        const WorldMergeCounts counts = mergeImportedWorlds(hexes, std::move(download.worlds),
                                                            options.overwriteExisting, customRaces);
        std::string part = counted(counts.imported, "world");
        if (counts.skipped > 0)
            part += " (" + std::to_string(counts.skipped) + " existing skipped)";
        parts.push_back(std::move(part));
    }

    if (options.importRoutes) {
        std::set<RouteKey> known;
        for (const universe::Rutter& rutter : rutters)
            known.insert(routeKey(rutter.start, rutter.end));
        std::size_t added = 0;
        for (const ImportedRoute& route : download.routes) {
            if (!known.insert(routeKey(route.start, route.end)).second)
                continue;
            universe::Rutter rutter;
            rutter.id = core::Uuid::generate();
            rutter.factionID = resolver.resolveFaction(route.allegiance, route.start)
                                   .value_or(resolver.tradeRoutesFaction());
            rutter.start = route.start;
            rutter.end = route.end;
            // The service's routes are the charted trade lanes of the setting.
            rutter.mainTradeRoute = true;
            rutter.age = universe::RutterAge::lessThanOne;
            rutters.push_back(std::move(rutter));
            ++added;
        }
        parts.push_back(counted(added, "route"));
    }

    if (options.importBorders) {
        std::size_t added = 0;
        for (ImportedRegion& imported : download.regions) {
            const auto points = borderPoints(imported.anchors);
            const bool alreadyThere =
                std::any_of(regions.begin(), regions.end(), [&](const universe::Region& region) {
                    return region.name == imported.name && borderPoints(region.anchors) == points;
                });
            if (alreadyThere)
                continue;
            const core::GalacticCoordinates homeworld =
                imported.labelCoordinates.value_or(imported.anchors.front().hex);
            universe::Region region;
            region.id = core::Uuid::generate();
            region.name = imported.name;
            region.closed = true;
            region.labelCoordinates = imported.labelCoordinates;
            if (const auto id = resolver.resolveFaction(imported.allegiance, homeworld)) {
                const auto faction =
                    std::find_if(factions.begin(), factions.end(),
                                 [&](const universe::Faction& f) { return f.id == *id; });
                region.color = faction->color;
            } else {
                region.color = nearestPaletteColor(imported.colorHint);
            }
            region.anchors = std::move(imported.anchors);
            regions.push_back(std::move(region));
            ++added;
        }
        parts.push_back(counted(added, "region"));
    }

    if (options.importLabels) {
        std::size_t added = 0;
        for (universe::StarmapLabel& label : download.labels) {
            const bool alreadyThere =
                std::any_of(labels.begin(), labels.end(), [&](const universe::StarmapLabel& l) {
                    return l.text == label.text && l.position == label.position;
                });
            if (alreadyThere)
                continue;
            labels.push_back(std::move(label));
            ++added;
        }
        parts.push_back(counted(added, "label"));
    }

    if (options.importWorlds)
        edit.setHexes(std::move(hexes));
    if (download.metadataFetched) {
        // The service's own spelling of the name, whatever case it was typed in.
        const std::string name = !download.names.empty() && !download.names.front().empty()
                                     ? download.names.front()
                                     : download.sectorName;
        storeSectorInfo(edit.sectors(),
                        {download.sectorX, download.sectorY, name, download.abbreviation});
        edit.setLabel("Import " + name);
    }
    if (const universe::EditResult result = universe.apply(std::move(edit)); !result)
        return {{}, "Couldn't save the universe: " + result.error};

    std::string message;
    for (const std::string& part : parts)
        message += (message.empty() ? "" : ", ") + part;
    if (resolver.createdCount() > 0)
        message +=
            "; created " + counted(static_cast<std::size_t>(resolver.createdCount()), "faction");
    const std::size_t unreadable = options.importWorlds ? download.unreadableLines : 0;
    return {message + "." + unreadableLinesSentence(unreadable), {}, unreadable};
}

} // namespace velmora::sector_io
