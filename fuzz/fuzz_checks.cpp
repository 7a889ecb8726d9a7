#include "fuzz_checks.h"

#include "campaign/campaigns_codec.h"
#include "core/decode_error.h"
#include "core/galactic_coordinates.h"
#include "core/random_source.h"
#include "sector_io/imported_world.h"
#include "sector_io/sec_import.h"
#include "sector_io/sec_regions.h"
#include "sector_io/sec_rows.h"
#include "sector_io/sec_text.h"
#include "sector_io/travellermap_importer.h"
#include "ships/saved_ship_design_json.h"
#include "ships/ship_design.h"
#include "ships/ship_design_json.h"
#include "ships/ship_summary.h"
#include "trade/trade_market.h"
#include "trade/trade_market_json.h"
#include "travel/route_plan_json.h"
#include "universe/system_pattern.h"
#include "universe/universe_codec.h"
#include "wiki/wiki_error.h"
#include "wiki/wiki_html.h"
#include "wiki/wiki_records_json.h"
#include "wiki/wiki_responses.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace velmora::fuzz {

namespace {

using core::GalacticCoordinates;
using sector_io::ImportError;
using universe::UniverseRecord;

[[noreturn]] void fail(std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "Fuzz check failed: %.*s%s%.*s\n", static_cast<int>(what.size()),
                 what.data(), detail.empty() ? "" : ": ", static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// Draws that are the same on every run, so that an input replays exactly.
class ReplayableRandom final : public core::RandomSource {
public:
    std::uint64_t next64() override {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t m_state = 0x5EC7'0F11'E000'0001u;
};

// Imports land in a sector off the origin on both axes, so that an offset or a
// sign taken the wrong way shows.
constexpr int importSectorX = -4;
constexpr int importSectorY = 1;

bool isHexOfSector(const GalacticCoordinates& hex, int sectorX, int sectorY) {
    return hex.sectorX == sectorX && hex.sectorY == sectorY && hex.column >= 1 &&
           hex.column <= core::sectorColumns && hex.row >= 1 && hex.row <= core::sectorRows;
}

bool isHex(const GalacticCoordinates& hex) {
    return isHexOfSector(hex, hex.sectorX, hex.sectorY);
}

// What an import or a decoder gave is kept in a universe file: saving it and
// opening the file again must give it back unchanged.
void checkSavedAlike(const UniverseRecord& record, std::string_view what) {
    // Most inputs give nothing, and saving nothing takes longer than reading them.
    if (record.data.empty() && record.regions.empty() && record.starmapLabels.empty())
        return;
    std::string text;
    try {
        text = universe::encodeUniverse(record);
    } catch (const std::exception& error) {
        fail(std::string(what) + " cannot be saved", error.what());
    }
    UniverseRecord reopened;
    try {
        reopened = universe::decodeUniverse(text);
    } catch (const std::exception& error) {
        fail(std::string(what) + " is saved to a file that does not open", error.what());
    }
    if (!(reopened == record))
        fail(std::string(what) + " comes back changed from a save");
}

void checkImportedWorld(const sector_io::ImportedWorld& world) {
    if (!isHexOfSector(world.coordinates, importSectorX, importSectorY))
        fail("An imported world lies outside the sector it was imported into",
             world.coordinates.description());
    if (world.hexData.coordinates != world.coordinates)
        fail("An imported hex is stored at other coordinates than its world's");
    const auto& stars = world.hexData.starSystem.stars;
    if (stars.empty() || stars.front().worlds.size() != 1 || !stars.front().worlds[0].mainWorld)
        fail("An imported system has no primary holding its main world");
}

void checkImportedWorlds(const std::vector<sector_io::ImportedWorld>& worlds,
                         UniverseRecord& record) {
    for (const sector_io::ImportedWorld& world : worlds) {
        checkImportedWorld(world);
        record.data.push_back(world.hexData);
    }
}

void expectKind(const ImportError& error, ImportError::Kind kind) {
    if (error.kind() != kind)
        fail("A map service answer failed with an unexpected kind of error", error.what());
}

} // namespace

void checkUniverseFile(std::string_view bytes) {
    UniverseRecord first;
    try {
        first = universe::decodeUniverse(bytes);
    } catch (const core::DecodeError&) {
        return;
    } catch (const std::exception& error) {
        fail("decodeUniverse threw something other than DecodeError", error.what());
    }
    // The list of universes reads the header alone; when it can, it agrees.
    try {
        const universe::UniverseHeader header = universe::decodeUniverseHeader(bytes);
        if (header.id != first.id || header.name != first.name)
            fail("The header of a universe file disagrees with the file");
    } catch (const core::DecodeError&) {
    } catch (const std::exception& error) {
        fail("decodeUniverseHeader threw something other than DecodeError", error.what());
    }

    // Legacy keys are read, never written: what they meant comes back in the new keys.
    std::string saved;
    try {
        saved = universe::encodeUniverse(first);
    } catch (const std::exception& error) {
        fail("A decoded universe cannot be saved", error.what());
    }
    UniverseRecord second;
    try {
        second = universe::decodeUniverse(saved);
    } catch (const std::exception& error) {
        fail("A saved universe does not open", error.what());
    }
    if (!(second == first))
        fail("A universe comes back changed from a save");
    if (universe::encodeUniverse(second) != saved)
        fail("Saving a universe twice gives two different files");
    try {
        const universe::UniverseHeader header = universe::decodeUniverseHeader(saved);
        if (header.id != first.id || header.name != first.name)
            fail("A saved universe is listed under another id or name");
    } catch (const std::exception& error) {
        fail("A saved universe has no header to list it by", error.what());
    }
}

void checkSecFile(std::string_view bytes) {
    // Bytes as they come first: the readers cope with any text, cleaned or not.
    (void)sector_io::readSecTable(bytes);

    // Then as an import reads a file.
    const std::string text = sector_io::cleanUtf8(bytes);
    ReplayableRandom random;
    const sector_io::SecImportPlan plan =
        sector_io::planSecImport(text, importSectorX, importSectorY, random);
    UniverseRecord record;
    checkImportedWorlds(plan.worlds, record);
    record.regions = plan.regions;
    checkSavedAlike(record, "A SEC import");
}

void checkSecRegions(std::string_view bytes) {
    const std::string text = sector_io::cleanUtf8(bytes);
    const std::vector<universe::Region> moved =
        sector_io::regionsFromSECText(text, importSectorX, importSectorY);
    const std::vector<universe::Region> atOrigin = sector_io::regionsFromSECText(text, 0, 0);
    if (moved.size() != atOrigin.size())
        fail("A region block gives more regions in one sector than in another");
    // Sums in wider integers, brought back as the region's own int would wrap.
    const auto shifted = [](GalacticCoordinates hex) {
        hex.sectorX = static_cast<int>(std::int64_t{hex.sectorX} + importSectorX);
        hex.sectorY = static_cast<int>(std::int64_t{hex.sectorY} + importSectorY);
        return hex;
    };
    // A block that names the sector it was written for moves with the import; one
    // that does not is taken as written for wherever it is read.
    bool allStayed = true;
    bool allMoved = true;
    for (std::size_t i = 0; i < moved.size(); ++i) {
        universe::Region expected = atOrigin[i];
        for (universe::RegionAnchor& anchor : expected.anchors)
            anchor.hex = shifted(anchor.hex);
        if (expected.labelCoordinates)
            expected.labelCoordinates = shifted(*expected.labelCoordinates);
        allStayed = allStayed && moved[i] == atOrigin[i];
        allMoved = allMoved && moved[i] == expected;
    }
    if (!allStayed && !allMoved)
        fail("The regions read into another sector do not move with it as one");
    UniverseRecord record;
    record.regions = moved;
    checkSavedAlike(record, "A region block");
}

void checkCoordinatesAnswer(std::string_view bytes) {
    sector_io::Coordinates coordinates;
    try {
        coordinates = sector_io::decodeCoordinates(bytes);
    } catch (const ImportError& error) {
        expectKind(error, ImportError::Kind::badResponse);
        return;
    }
    const GalacticCoordinates origin = sector_io::sectorOrigin(coordinates);
    // The sector's corner hexes, as the import places worlds, routes and labels.
    struct Corner {
        std::string_view hex;
        int column;
        int row;
    };
    for (const Corner& corner : {Corner{"0101", 1, 1}, Corner{"3240", 32, 40}}) {
        const auto hex = sector_io::hexInSector(corner.hex, origin.sectorX, origin.sectorY);
        if (!hex ||
            *hex != GalacticCoordinates{origin.sectorX, origin.sectorY, corner.column, corner.row})
            fail("A hex of the answered sector lands elsewhere", corner.hex);
    }
}

void checkAllegiancesAnswer(std::string_view bytes) {
    std::vector<sector_io::T5Allegiance> allegiances;
    try {
        allegiances = sector_io::decodeAllegiances(bytes);
    } catch (const ImportError& error) {
        expectKind(error, ImportError::Kind::badResponse);
        return;
    }
    const sector_io::AllegianceTable table = sector_io::allegianceTable(allegiances);
    std::set<std::string> seen;
    for (const sector_io::T5Allegiance& allegiance : allegiances) {
        if (allegiance.code.empty() || !seen.insert(allegiance.code).second)
            continue;
        const auto entry = table.find(allegiance.code);
        if (entry == table.end() || entry->second != allegiance.name)
            fail("An allegiance is not named by the first entry of its code", allegiance.code);
        if (!allegiance.name.empty() &&
            sector_io::allegianceName(allegiance.code, table) != allegiance.name)
            fail("An allegiance the service names is called something else", allegiance.code);
    }
    if (table.size() != seen.size())
        fail("The allegiance table holds codes the answer does not");
}

void checkWorldRowsAnswer(std::string_view bytes) {
    static const sector_io::AllegianceTable allegiances{{"ImDd", "Domain of Deneb"}, {"Zh", ""}};
    ReplayableRandom random;
    sector_io::ImportedWorlds read;
    try {
        read = sector_io::importedWorldsFromTab(sector_io::cleanUtf8(bytes), importSectorX,
                                                importSectorY, allegiances, random);
    } catch (const ImportError& error) {
        expectKind(error, ImportError::Kind::noWorlds);
        return;
    }
    if (read.worlds.empty())
        fail("World rows that give no world are not reported as such");
    UniverseRecord record;
    checkImportedWorlds(read.worlds, record);
    checkSavedAlike(record, "A map service import");
}

void checkMetadataAnswer(std::string_view bytes) {
    sector_io::SectorMetadata metadata;
    try {
        metadata = sector_io::decodeSectorMetadata(bytes);
    } catch (const ImportError& error) {
        expectKind(error, ImportError::Kind::badResponse);
        return;
    }
    for (const sector_io::ImportedRoute& route :
         sector_io::importedRoutes(metadata, importSectorX, importSectorY)) {
        if (!isHex(route.start) || !isHex(route.end))
            fail("An imported route ends outside every hex");
    }

    UniverseRecord record;
    record.starmapLabels = sector_io::importedLabels(metadata, importSectorX, importSectorY);
    for (universe::StarmapLabel& label :
         sector_io::subsectorLabels(metadata, importSectorX, importSectorY))
        record.starmapLabels.push_back(std::move(label));
    for (const universe::StarmapLabel& label : record.starmapLabels) {
        if (!isHex(label.position))
            fail("An imported label stands outside every hex");
    }
    checkSavedAlike(record, "Imported labels");

    for (const sector_io::ImportedRegion& region :
         sector_io::importedRegions(metadata, importSectorX, importSectorY)) {
        if (region.cells.empty())
            fail("An imported region has no cells");
        // The border walk stops at six edges a cell when it never closes.
        if (region.anchors.size() < 6 || region.anchors.size() > region.cells.size() * 6)
            fail("An imported region's border does not close");
        for (const universe::RegionAnchor& anchor : region.anchors) {
            if (!isHex(anchor.hex) || anchor.corner < 0 || anchor.corner > 5 ||
                !region.cells.contains(anchor.hex.cube()))
                fail("An imported region's border leaves its cells");
        }
        if (region.labelCoordinates && !isHex(*region.labelCoordinates))
            fail("An imported region's label stands outside every hex");
    }
}

void checkCampaignsFile(std::string_view bytes) {
    // Campaigns without a creation date are made now: the same moment every run.
    const core::Timestamp now{std::chrono::seconds(1'700'000'000)};
    campaign::CampaignsFile first;
    try {
        first = campaign::decodeCampaignsFile(bytes, now);
    } catch (const core::DecodeError&) {
        return;
    } catch (const std::exception& error) {
        fail("decodeCampaignsFile threw something other than DecodeError", error.what());
    }
    // Legacy keys are read, never written: what they meant comes back in the new keys.
    std::string saved;
    try {
        saved = campaign::encodeCampaignsFile(first);
    } catch (const std::exception& error) {
        fail("Decoded campaigns cannot be saved", error.what());
    }
    campaign::CampaignsFile second;
    try {
        second = campaign::decodeCampaignsFile(saved, now);
    } catch (const std::exception& error) {
        fail("A saved campaigns file does not open", error.what());
    }
    if (!(second == first))
        fail("Campaigns come back changed from a save");
    if (campaign::encodeCampaignsFile(second) != saved)
        fail("Saving campaigns twice gives two different files");
}

void checkTradeMarket(std::string_view bytes) {
    trade::TradeMarket first;
    try {
        first = trade::decodeTradeMarket(bytes);
    } catch (const core::DecodeError&) {
        return;
    } catch (const std::exception& error) {
        fail("decodeTradeMarket threw something other than DecodeError", error.what());
    }
    std::string saved;
    try {
        saved = trade::encodeTradeMarket(first);
    } catch (const std::exception& error) {
        fail("A decoded market cannot be saved", error.what());
    }
    trade::TradeMarket second;
    try {
        second = trade::decodeTradeMarket(saved);
    } catch (const std::exception& error) {
        fail("A saved market does not read back", error.what());
    }
    if (!(second == first))
        fail("A market comes back changed from a save");
    if (trade::encodeTradeMarket(second) != saved)
        fail("Saving a market twice gives two different texts");
}

namespace {

// The ways a wiki answer may fail; anything else thrown is a fault.
template <typename Decode>
bool decodesOrFailsAsTheWiki(Decode decode, std::initializer_list<wiki::WikiError::Kind> kinds,
                             const char* what) {
    try {
        decode();
        return true;
    } catch (const wiki::WikiError& error) {
        for (const wiki::WikiError::Kind kind : kinds) {
            if (error.kind() == kind)
                return false;
        }
        fail(what, "a WikiError of an unexpected kind");
    } catch (const std::exception& error) {
        fail(what, error.what());
    }
}

// Kept as a saved copy and read back, a record is the same.
template <typename T>
void checkKeptAlike(const T& record, const char* what) {
    T back;
    try {
        back = nlohmann::json::parse(nlohmann::json(record).dump()).get<T>();
    } catch (const std::exception& error) {
        fail(what, error.what());
    }
    if (!(back == record))
        fail(what, "changed by a save");
}

bool holdsScript(const std::string& html) {
    std::string folded = html;
    for (char& c : folded)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    for (std::size_t at = folded.find("<script"); at != std::string::npos;
         at = folded.find("<script", at + 1)) {
        const std::size_t next = at + 7;
        if (next >= folded.size() || folded[next] == '>' || folded[next] == '/' ||
            folded[next] == ' ' || folded[next] == '\t' || folded[next] == '\n' ||
            folded[next] == '\r' || folded[next] == '\f')
            return true;
    }
    return false;
}

} // namespace

void checkWikiSearchAnswer(std::string_view bytes) {
    using Kind = wiki::WikiError::Kind;
    std::vector<wiki::SearchResult> results;
    if (!decodesOrFailsAsTheWiki([&] { results = wiki::decodeSearchResponse(bytes); },
                                 {Kind::apiError, Kind::badResponse},
                                 "A search answer failed in another way"))
        return;
    for (const wiki::SearchResult& result : results) {
        if (wiki::cleanedSnippet(result.snippet).size() > result.snippet.size())
            fail("Cleaning a snippet made it longer");
    }
    checkKeptAlike(results, "Search results kept as a saved copy");
}

void checkWikiParseAnswer(std::string_view bytes) {
    using Kind = wiki::WikiError::Kind;
    wiki::Article article;
    if (!decodesOrFailsAsTheWiki([&] { article = wiki::decodeParseResponse(bytes, "Title"); },
                                 {Kind::noResults, Kind::apiError, Kind::badResponse},
                                 "A parse answer failed in another way"))
        return;
    checkKeptAlike(article, "An article kept as a saved copy");
    const std::string shown = wiki::sanitizedArticleHtml(article.html);
    if (holdsScript(shown))
        fail("A script survived in an article's HTML");
    if (wiki::sanitizedArticleHtml(shown) != shown)
        fail("Cleaning an article's HTML twice changed it again");
    (void)wiki::articlePlainText(article.html);
}

void checkShipDesignFile(std::string_view bytes) {
    ships::SavedShipDesign first;
    try {
        first = ships::decodeDesignFile(bytes);
    } catch (const core::DecodeError&) {
        return;
    } catch (const std::exception& error) {
        fail("decodeDesignFile threw something other than DecodeError", error.what());
    }
    // The library lists ships from their headers alone: they must agree with the ship.
    try {
        if (!(ships::decodeDesignFileHeader(bytes) == first.header()))
            fail("A design's header reads differently on its own");
    } catch (const std::exception& error) {
        fail("A design that opens has a header that does not", error.what());
    }
    std::string saved;
    try {
        saved = ships::designFileText(first);
    } catch (const std::exception& error) {
        fail("A decoded design cannot be saved", error.what());
    }
    ships::SavedShipDesign second;
    try {
        second = ships::decodeDesignFile(saved);
    } catch (const std::exception& error) {
        fail("A saved design does not open", error.what());
    }
    if (!(second == first))
        fail("A design comes back changed from a save");
    if (ships::designFileText(second) != saved)
        fail("Saving a design twice gives two different files");
}

void checkShipDesign(std::string_view bytes) {
    const nlohmann::json document = nlohmann::json::parse(bytes, nullptr, false);
    if (document.is_discarded())
        return;
    ships::ShipDesign first;
    try {
        first = ships::shipDesignFromJson(document);
    } catch (const core::DecodeError&) {
        return;
    } catch (const std::exception& error) {
        fail("shipDesignFromJson threw something other than DecodeError", error.what());
    }
    const ships::ShipSummary summary = ships::summarize(first);
    if (!std::isfinite(summary.totalCost) || !std::isfinite(summary.tonnageUsed) ||
        !std::isfinite(summary.powerRequirement))
        fail("A decoded design has figures that are not numbers");
    const std::string saved = ships::toJson(first).dump(2);
    ships::ShipDesign second;
    try {
        second = ships::shipDesignFromJson(nlohmann::json::parse(saved));
    } catch (const std::exception& error) {
        fail("A written design does not read back", error.what());
    }
    if (!(second == first))
        fail("A design comes back changed from being written");
    if (ships::toJson(second).dump(2) != saved)
        fail("Writing a design twice gives two different texts");
}

void checkRouteHexArgument(std::string_view bytes) {
    const auto hex = travel::parseHexArgument(bytes);
    if (!hex)
        return;
    if (hex->column < 1 || hex->column > core::sectorColumns || hex->row < 1 ||
        hex->row > core::sectorRows)
        fail("A hex argument reads as a hex outside its sector");
    if (travel::parseHexArgument(travel::hexArgumentText(*hex)) != hex)
        fail("A hex argument does not read back the same once written");
}

void checkSearchPattern(std::string_view bytes) {
    auto parsed = universe::parseSystemPattern(bytes);
    if (const auto* error = std::get_if<universe::SystemPatternError>(&parsed)) {
        if (error->message.empty())
            fail("A search is refused without a word of why");
        return;
    }
    const auto& pattern = std::get<universe::SystemPattern>(parsed);
    const bool blank = std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r';
    });
    if (blank != pattern.isEmpty() && bytes.find('"') == std::string_view::npos)
        fail("A search has terms without text, or text without terms");
    for (const universe::PatternTerm& term : pattern.terms) {
        if (term.kind == universe::PatternTerm::Kind::profile &&
            (term.text.empty() || term.text.size() > 9))
            fail("A profile pattern is longer than a profile");
        if (term.kind == universe::PatternTerm::Kind::allegiance && term.text.empty())
            fail("An allegiance term names no code");
        if (term.kind == universe::PatternTerm::Kind::name &&
            std::any_of(term.text.begin(), term.text.end(),
                        [](char c) { return c >= 'A' && c <= 'Z'; }))
            fail("A name term keeps capitals, so it cannot ignore case");
    }
    // Systems of every kind: with a main world, without one, unsurveyed.
    universe::UniverseRecord record;
    universe::Faction faction;
    faction.id = core::Uuid::generate();
    faction.shortName = "ImDd";
    record.factions.push_back(faction);
    for (int i = 0; i < 3; ++i) {
        core::HexData hex;
        hex.coordinates = {0, 0, 1 + i, 1};
        hex.starSystem.name = "Regina";
        core::Star star;
        if (i < 2) {
            core::WorldData world;
            world.mainWorld = true;
            world.uwp.size = 7 * i;
            world.uwp.lawLevel = 20;
            world.uwp.bases = {core::Base::navalBase};
            world.tradeClasses = {core::TradeClass::rich};
            world.factionIDs = {faction.id};
            star.worlds.push_back(world);
        }
        hex.starSystem.stars.push_back(star);
        record.data.push_back(hex);
    }
    universe::MapViewSettings players;
    players.mapViewMode = universe::MapViewMode::player;
    const universe::SystemPatternMatcher referee(pattern, record.factions);
    const universe::SystemPatternMatcher player(pattern, record.factions, &players);
    for (const core::HexData& hex : record.data) {
        if (player.matches(hex) && !referee.matches(hex))
            fail("The players find a system the referee does not");
    }
    if (pattern.isEmpty() && universe::findSystems(record.data, referee).size() != 3)
        fail("An empty search does not find every system");
}

} // namespace velmora::fuzz
