#include "app/cli/sector_io_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "app/platform/qt_http_client.h"
#include "generator/secure_random_pool.h"
#include "sector_io/allegiance_answer.h"
#include "sector_io/sec_export.h"
#include "sector_io/sec_import.h"
#include "sector_io/travellermap_apply.h"
#include "sector_io/travellermap_fetch.h"
#include "universe/universe_manager.h"

#include <QEventLoop>
#include <algorithm>
#include <cctype>
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

// Velmora counts sector rows downwards (rimward); the map service counts them
// upwards, so its (x, y) is Velmora's (x, -y). --tm-sector takes the service's.
std::pair<int, int> importSector(const Options& options) {
    const auto service = options.value("--tm-sector");
    if (service && options.value("--sector"))
        throw CliError{"--sector and --tm-sector cannot be used together", 2};
    if (!service)
        return sectorOption(options, "sec-import");
    const auto parts = splitCommas(*service);
    if (parts.size() != 2)
        throw CliError{"--tm-sector \"" + *service + "\" is not X,Y, for example --tm-sector -4,-1",
                       2};
    const auto [x, y] = parseSector("--tm-sector", parts, *service, "--tm-sector -4,-1");
    return {x, -y};
}

int secImport(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("sec-import", arguments,
                          {"--sector", "--tm-sector", "--new", "--universe", "--name"},
                          {"--overwrite", "--json"},
                          /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{
            "sec-import needs one SEC file, for example: sec-import sector.sec --sector 0,0", 2};
    const auto [x, y] = importSector(options);
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

    context.holdWriterLock();
    auto& store = context.universes();
    if (universeID) {
        // The import goes into the named universe, which becomes the current one.
        const auto id = core::Uuid::fromString(*universeID);
        if (!id)
            throw CliError{"Not a universe id: " + *universeID};
        store.switchTo(*id);
        if (store.current().id() != *id)
            throw CliError{
                store.loadError().value_or("No universe with the id " + *universeID + ".")};
    }
    const auto outcome = sector_io::importSecFile(options.positionals().front(), request, store,
                                                  generator::generatorRandomSource());
    if (!outcome.succeeded)
        throw CliError{outcome.message};
    if (options.flag("--json"))
        printJson(context.out(), {{"message", outcome.message},
                                  {"universeID", store.current().id().toString()},
                                  {"unreadableLines", outcome.unreadableLines}});
    else
        context.out() << outcome.message << '\n';
    return 0;
}

int secExport(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("sec-export", arguments, {"--universe", "--sector", "--out", "--format"},
                          {});
    const auto [x, y] = sectorOption(options, "sec-export");
    const auto out = options.value("--out");
    if (!out || out->empty())
        throw CliError{"sec-export needs --out FILE", 2};
    const std::string formatName = options.value("--format").value_or("legacy");
    const auto format = sector_io::secExportFormatTable.value(formatName);
    if (!format)
        throw CliError{"--format \"" + formatName + "\" is not legacy or tab", 2};
    const auto& universe = universeNamed(context, options.value("--universe").value_or(""));

    // The sector's own record names the file's sector; a sector nobody named is
    // written under no name, with its coordinates for the region block.
    const universe::SectorInfo* info = universe.sector(x, y);
    std::vector<core::HexData> hexes;
    std::copy_if(universe.data().begin(), universe.data().end(), std::back_inserter(hexes),
                 [&](const core::HexData& hex) {
                     return hex.coordinates.sectorX == x && hex.coordinates.sectorY == y;
                 });
    sector_io::SecSector sector{x, y, info ? std::optional(info->name) : std::nullopt,
                                info ? info->abbreviation : std::string()};
    const std::string text = sector_io::secExportTextAs(*format, hexes, sector, universe.regions());
    if (const auto error = sector_io::writeSecFile(*out, text))
        throw CliError{*error};
    context.out() << sector_io::secExportMessage(sector_io::exportedWorldCount(hexes), *out)
                  << '\n';
    return 0;
}

std::string subsectorOption(const Options& options) {
    std::string letter = options.value("--subsector").value_or("");
    if (letter.size() == 1)
        letter[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0])));
    if (!letter.empty() && (letter.size() != 1 ||
                            sector_io::subsectorLetters.find(letter[0]) == std::string_view::npos))
        throw CliError{"--subsector \"" + letter + "\" is not a letter from A to P", 2};
    return letter;
}

std::string milieuOption(const Options& options) {
    const std::string milieu =
        options.value("--milieu").value_or(std::string(sector_io::defaultMilieu));
    const auto& known = sector_io::travellerMapMilieux;
    if (std::find(known.begin(), known.end(), milieu) == known.end()) {
        std::string list;
        for (const std::string_view name : known)
            list += (list.empty() ? "" : ", ") + std::string(name);
        throw CliError{"--milieu \"" + milieu + "\" is not one of " + list, 2};
    }
    return milieu;
}

int travellerMapImport(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options(
        "travellermap-import", arguments, {"--subsector", "--milieu", "--base-url"},
        {"--no-worlds", "--no-routes", "--no-borders", "--no-labels", "--overwrite",
         "--generate-additional-worlds", "--race-factions", "--json"},
        /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"travellermap-import needs one sector name, for example: "
                       "travellermap-import \"Spinward Marches\"",
                       2};
    sector_io::TravellerMapImportOptions import;
    import.sectorName = options.positionals().front();
    import.subsector = subsectorOption(options);
    import.milieu = milieuOption(options);
    import.importWorlds = !options.flag("--no-worlds");
    import.importRoutes = !options.flag("--no-routes");
    import.importBorders = !options.flag("--no-borders");
    import.importLabels = !options.flag("--no-labels");
    import.overwriteExisting = options.flag("--overwrite");
    import.generateAdditionalWorlds = options.flag("--generate-additional-worlds");
    import.createRaceFactions = options.flag("--race-factions");
    if (!import.wantsAnything())
        throw CliError{"Nothing to import: leave out one of --no-worlds, --no-routes, "
                       "--no-borders or --no-labels",
                       2};

    sector_io::TravellerMapEndpoints endpoints;
    if (const auto address = options.value("--base-url"))
        endpoints.address = *address;
    else if (const auto preferred = context.preferences().text(sector_io::travellerMapAddressKey);
             preferred && !preferred->empty())
        endpoints.address = *preferred;

    // Held through the download too: the folder is refused at once while the
    // application has it, rather than after a download that could not be kept.
    context.holdWriterLock();
    auto& universe = context.universes().current();
    app::QtHttpClient http;
    sector_io::TravellerMapFetch fetch(http, endpoints, import, generator::generatorRandomSource());
    sector_io::TravellerMapFetchResult result;
    QEventLoop loop;
    bool finished = false;
    fetch.start([&](sector_io::TravellerMapFetchResult answer) {
        result = std::move(answer);
        finished = true;
        loop.quit();
    });
    if (!finished)
        loop.exec();
    if (result.error)
        throw CliError{result.error->what()};
    // SEC imports name factions by the service's answer from now on.
    sector_io::keepAllegianceAnswer(context.universes().dataFolder(),
                                    result.download->allegiancesAnswer);
    const sector_io::TravellerMapApplied applied = sector_io::applyTravellerMapImport(
        std::move(*result.download), import, universe, generator::generatorRandomSource());
    if (!applied.error.empty())
        throw CliError{applied.error};
    if (options.flag("--json"))
        printJson(context.out(), {{"message", applied.message},
                                  {"universeID", universe.id().toString()},
                                  {"unreadableLines", applied.unreadableLines}});
    else
        context.out() << applied.message << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> sectorIoCommands() {
    return {
        {"sec-import",
         "FILE (--sector X,Y | --tm-sector X,Y) [--new NAME | --universe ID] [--name SECTORNAME] "
         "[--overwrite] [--json]",
         "Import a SEC file (fixed-column or tab-delimited) into the current, a named or a new "
         "universe. --sector is Velmora's sector (rows count rimward); --tm-sector the map "
         "service's (Spinward Marches is -4,-1 there, -4,1 here).",
         secImport},
        {"sec-export", "[--universe ID] --sector X,Y --out FILE [--format legacy|tab]",
         "Write a sector's worlds and the universe's regions to a SEC file: the classic fixed "
         "columns (legacy, the default), or the tab-delimited listing, which keeps every field "
         "whole (tab).",
         secExport},
        {"travellermap-import",
         "NAME [--subsector L] [--milieu M1105] [--base-url URL] "
         "[--no-worlds|--no-routes|--no-borders|--no-labels] [--overwrite] "
         "[--generate-additional-worlds] [--race-factions] [--json]",
         "Import a sector (or one subsector) from Traveller Map into the current universe: "
         "worlds, trade routes, borders and labels.",
         travellerMapImport},
    };
}

} // namespace velmora::cli
