#include "sector_io/sec_import.h"

#include "core/file_io.h"
#include "generator/secure_random_pool.h"
#include "sector_io/import_faction_resolver.h"
#include "sector_io/import_merge.h"
#include "sector_io/sec_regions.h"
#include "sector_io/sec_rows.h"
#include "sector_io/sec_text.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::sector_io {

namespace {

std::string chosenSectorName(const SecImportRequest& request, const std::string& fileStem) {
    const std::string name(trimmed(request.sectorName));
    return name.empty() ? fileStem : name;
}

SecImportOutcome importIntoNewUniverse(SecImportPlan plan, const std::string& sectorName,
                                       const SecImportRequest& request,
                                       universe::UniverseManager& manager) {
    universe::UniverseRecord record;
    record.id = core::Uuid::generate();
    const std::string universeName(trimmed(request.universeName));
    record.name = universeName.empty() ? sectorName : universeName;
    ImportFactionResolver resolver(record.factions);
    std::set<core::GalacticCoordinates> placed;
    std::size_t worlds = 0;
    for (ImportedWorld& world : plan.worlds) {
        assignImportFactions(world, resolver);
        // A file that lists a hex twice keeps its first line.
        if (!placed.insert(world.coordinates).second)
            continue;
        noteCustomRaces(world.hexData, record.customRaces);
        record.data.push_back(std::move(world.hexData));
        ++worlds;
    }
    const std::size_t regions = plan.regions.size();
    record.regions = std::move(plan.regions);
    storeSectorInfo(record.sectors, {request.sectorX, request.sectorY, sectorName, ""});

    const core::FileResult written =
        core::writeFileAtomically(manager.fileFor(record.id), universe::encodeUniverse(record));
    if (!written.ok)
        return {false, "Couldn't save the new universe: " + written.error};
    manager.refreshHeaders();
    manager.switchTo(record.id);
    if (manager.current().id() != record.id)
        return {false, manager.loadError().value_or("Couldn't open the new universe.")};

    std::string message =
        "Created universe \"" + record.name + "\" with " + counted(worlds, "world");
    if (regions > 0)
        message += " and " + counted(regions, "region");
    return {true, message + "."};
}

SecImportOutcome importIntoCurrent(SecImportPlan plan, const std::string& sectorName,
                                   const SecImportRequest& request,
                                   universe::RidivivevIzeviduv& universe) {
    // Everything is built on the edit's copies and put in place together, so a
    // universe is never left half imported, and one Undo takes the whole import back.
    universe::UniverseEdit edit = universe.beginEdit("Import " + sectorName);
    std::vector<core::HexData> hexes = universe.data();
    std::vector<universe::Region>& regions = edit.regions();
    ImportFactionResolver resolver(edit.factions());

    for (ImportedWorld& world : plan.worlds)
        assignImportFactions(world, resolver);
    const WorldMergeCounts counts =
        mergeImportedWorlds(hexes, std::move(plan.worlds), request.overwrite, edit.customRaces());
    std::size_t regionCount = 0;
    for (universe::Region& region : plan.regions) {
        const auto existing =
            std::find_if(regions.begin(), regions.end(),
                         [&](const universe::Region& r) { return r.id == region.id; });
        if (existing != regions.end()) {
            if (!request.overwrite)
                continue;
            *existing = std::move(region);
        } else {
            regions.push_back(std::move(region));
        }
        ++regionCount;
    }
    edit.setHexes(std::move(hexes));
    storeSectorInfo(edit.sectors(), {request.sectorX, request.sectorY, sectorName, ""});
    if (const universe::EditResult result = universe.apply(std::move(edit)); !result)
        return {false, "Couldn't save the universe: " + result.error};

    std::string message =
        "Imported " + counted(counts.imported, "world") + " into \"" + universe.name() + "\"";
    if (counts.skipped > 0)
        message += " (" + std::to_string(counts.skipped) + " existing skipped)";
    if (regionCount > 0)
        message += ", " + counted(regionCount, "region");
    return {true, message + "."};
}

} // namespace

SecFileText readSecFile(const std::filesystem::path& file) {
    const auto failure = [&file](int error) -> SecFileText {
        if (error == EACCES || error == EPERM)
            return {std::nullopt, std::string(accessRefusedMessage)};
        return {std::nullopt, "Couldn't read \u201c" + file.filename().string() +
                                  "\u201d: " + std::string(std::strerror(error))};
    };
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failure(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        const int error = S_ISDIR(status.st_mode) ? EISDIR : errno;
        ::close(fd);
        return failure(error);
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return failure(error);
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return {cleanUtf8(bytes), {}};
}

SecImportPlan planSecImport(std::string_view text, int sectorX, int sectorY,
                            core::RandomSource& random) {
    SecImportPlan plan;
    const AllegianceTable none;
    for (const SecRow& row : secRows(text)) {
        if (auto world = importedWorld(row, sectorX, sectorY, none, random))
            plan.worlds.push_back(std::move(*world));
    }
    if (!plan.worlds.empty())
        plan.regions = regionsFromSECText(text, sectorX, sectorY);
    return plan;
}

SecImportOutcome importSecText(std::string_view text, const std::string& fileStem,
                               const SecImportRequest& request, universe::UniverseManager& manager,
                               core::RandomSource& random) {
    const std::string clean = cleanUtf8(text);
    SecImportPlan plan = planSecImport(clean, request.sectorX, request.sectorY, random);
    if (plan.worlds.empty())
        return {false, std::string(noWorldsMessage)};
    const std::string sectorName = chosenSectorName(request, fileStem);
    if (request.destination == ImportDestination::newUniverse)
        return importIntoNewUniverse(std::move(plan), sectorName, request, manager);
    return importIntoCurrent(std::move(plan), sectorName, request, manager.current());
}

SecImportOutcome importSecFile(const std::filesystem::path& file, const SecImportRequest& request,
                               universe::UniverseManager& manager, core::RandomSource& random) {
    const SecFileText read = readSecFile(file);
    if (!read.text)
        return {false, read.error};
    return importSecText(*read.text, file.stem().string(), request, manager, random);
}

void storeSectorInfo(std::vector<universe::SectorInfo>& sectors, universe::SectorInfo info) {
    std::erase_if(sectors, [&](const universe::SectorInfo& s) {
        return s.sectorX == info.sectorX && s.sectorY == info.sectorY;
    });
    sectors.push_back(std::move(info));
}

std::optional<std::string> writeSecFile(const std::filesystem::path& file, std::string_view text) {
    const core::FileResult result = core::writeFileAtomically(file, text);
    if (!result.ok)
        return "SEC export write failed: " + result.error;
    return std::nullopt;
}

} // namespace velmora::sector_io
