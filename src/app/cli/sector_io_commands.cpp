#include "app/cli/sector_io_commands.h"

#include "app/cli/cli_options.h"
#include "generator/secure_random_pool.h"
#include "sector_io/sec_export.h"
#include "sector_io/sec_import.h"
#include "universe/universe_manager.h"

#include <algorithm>
#include <ostream>

namespace velmora::cli {

namespace {

std::pair<int, int> sectorOption(const Options& options, const std::string& command) {
    const auto text = options.value("--sector");
    if (!text)
        throw CliError{command + " needs --sector X,Y, for example --sector 0,0", 2};
    const auto parts = splitCommas(*text);
    if (parts.size() != 2)
        throw CliError{"--sector \"" + *text + "\" is not X,Y, for example --sector 0,0", 2};
    return parseSector("--sector", parts, *text, "--sector 0,0");
}

int secImport(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("sec-import", arguments, {"--sector", "--new", "--universe", "--name"},
                          {"--overwrite"},
                          /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{
            "sec-import needs one SEC file, for example: sec-import sector.sec --sector 0,0", 2};
    const auto [x, y] = sectorOption(options, "sec-import");
    const auto newName = options.value("--new");
    const auto universeID = options.value("--universe");
    if (newName && universeID)
        throw CliError{"--new and --universe cannot be used together", 2};
    if (newName && newName->find_first_not_of(" \t") == std::string::npos)
        throw CliError{"--new needs a name for the new universe", 2};

    sector_io::SecImportRequest request;
    request.destination =
        newName ? sector_io::ImportDestination::newUniverse : sector_io::ImportDestination::current;
    request.universeName = newName.value_or("");
    request.sectorName = options.value("--name").value_or("");
    request.sectorX = x;
    request.sectorY = y;
    request.overwrite = options.flag("--overwrite");

    auto& store = context.universes();
    if (universeID)
        universeNamed(context, *universeID);
    const auto outcome = sector_io::importSecFile(options.positionals().front(), request, store,
                                                  generator::generatorRandomSource());
    if (!outcome.succeeded)
        throw CliError{outcome.message};
    context.out() << outcome.message << '\n';
    return 0;
}

int secExport(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("sec-export", arguments, {"--universe", "--sector", "--out"}, {});
    const auto [x, y] = sectorOption(options, "sec-export");
    const auto out = options.value("--out");
    if (!out || out->empty())
        throw CliError{"sec-export needs --out FILE", 2};
    const auto& universe = universeNamed(context, options.value("--universe").value_or(""));

    // The sector's own record names the file's sector; a sector nobody named is
    // written under no name, with its coordinates for the region block.
    const universe::SectorInfo* info = universe.sector(x, y);
    std::vector<core::HexData> hexes;
    std::copy_if(universe.data.begin(), universe.data.end(), std::back_inserter(hexes),
                 [&](const core::HexData& hex) {
                     return hex.coordinates.sectorX == x && hex.coordinates.sectorY == y;
                 });
    sector_io::SecSector sector{x, y, info ? std::optional(info->name) : std::nullopt};
    const std::string text = sector_io::secExportText(hexes, sector, universe.regions);
    if (const auto error = sector_io::writeSecFile(*out, text))
        throw CliError{*error};
    context.out() << sector_io::secExportMessage(sector_io::exportedWorldCount(hexes), *out)
                  << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> sectorIoCommands() {
    return {
        {"sec-import",
         "FILE --sector X,Y [--new NAME | --universe ID] [--name SECTORNAME] [--overwrite]",
         "Import a SEC file (fixed-column or tab-delimited) into the current, a named or a new "
         "universe.",
         secImport},
        {"sec-export", "[--universe ID] --sector X,Y --out FILE",
         "Write a sector's worlds and the universe's regions to a SEC file.", secExport},
    };
}

} // namespace velmora::cli
