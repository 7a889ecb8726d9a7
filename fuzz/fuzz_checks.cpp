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
#include "universe/universe_codec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <set>
#include <string>
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

} // namespace velmora::fuzz
