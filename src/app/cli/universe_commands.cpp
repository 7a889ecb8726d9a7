#include "app/cli/universe_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"

#include <ostream>

namespace velmora::cli {

namespace {

int listUniverses(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("universes", arguments, {}, {"--json"}, /*takesPositionals=*/true);
    if (!options.positionals().empty())
        throw CliError{"universes takes no arguments", 2};
    const auto& headers = context.universes().headers();
    // Files that could not be read are listed after the others, by their ids: the
    // referee's work is still on disk and must not vanish from sight.
    const auto& unreadable = context.universes().unreadable();
    if (options.flag("--json")) {
        nlohmann::json list = nlohmann::json::array();
        for (const auto& header : headers)
            list.push_back(
                {{"id", header.id.toString()}, {"name", header.name}, {"unreadable", false}});
        for (const auto& file : unreadable)
            list.push_back({{"id", file.id},
                            {"name", file.lastKnownName},
                            {"unreadable", true},
                            {"file", file.file.string()},
                            {"error", file.error},
                            {"hasPreviousVersion", file.hasPreviousVersion}});
        printJson(context.out(), list);
        return 0;
    }
    for (const auto& header : headers)
        context.out() << header.id.toString() << '\t' << header.name << '\n';
    for (const auto& file : unreadable)
        context.out() << file.id << '\t' << "(unreadable) " << file.file.string()
                      << (file.hasPreviousVersion ? " \u2014 a previous version is kept" : "")
                      << '\n';
    return 0;
}

int restorePrevious(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("restore-previous-version", arguments, {}, {},
                          /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"restore-previous-version needs the universe's id", 2};
    context.holdWriterLock();
    auto& store = context.universes();
    if (const auto error = store.restorePreviousVersion(options.positionals().front()))
        throw CliError{*error};
    context.out() << "Restored the previous version of \u201c" << store.current().name()
                  << "\u201d.\n";
    return 0;
}

int showUniverse(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("show-universe", arguments, {}, {"--json"}, /*takesPositionals=*/true);
    if (options.positionals().size() > 1)
        throw CliError{"show-universe takes at most one universe id", 2};
    const auto& universe = universeNamed(
        context, options.positionals().empty() ? std::string() : options.positionals().front());
    auto& out = context.out();
    if (options.flag("--json")) {
        // The counts of the stored lists, each under its field's name.
        printJson(out, {{"id", universe.id().toString()},
                        {"name", universe.name()},
                        {"data", universe.data().size()},
                        {"factions", universe.factions().size()},
                        {"factionLists", universe.factionLists().size()},
                        {"rutters", universe.rutters().size()},
                        {"nebulae", universe.nebulae().size()},
                        {"regions", universe.regions().size()},
                        {"starmapLabels", universe.starmapLabels().size()},
                        {"sectors", universe.sectors().size()},
                        {"tradeMarkets", universe.record().tradeMarkets.size()}});
        return 0;
    }
    out << "Name: " << universe.name() << '\n';
    out << "ID: " << universe.id().toString() << '\n';
    out << "Hexes: " << universe.data().size() << '\n';
    out << "Factions: " << universe.factions().size() << '\n';
    out << "Rutters: " << universe.rutters().size() << '\n';
    out << "Regions: " << universe.regions().size() << '\n';
    out << "Labels: " << universe.starmapLabels().size() << '\n';
    out << "Markets: " << universe.record().tradeMarkets.size() << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> universeCommands() {
    return {
        {"universes", "[--json]",
         "List every stored universe: id and name, in name order, then the files that could not "
         "be read, marked unreadable.",
         listUniverses},
        {"restore-previous-version", "ID",
         "Bring back the version of a universe that its last save replaced (for a file that can "
         "no longer be read, its last good save); the replaced file becomes the previous "
         "version in turn.",
         restorePrevious},
        {"show-universe", "[ID] [--json]",
         "Name, id and counts of a universe (the current one without an id).", showUniverse},
    };
}

} // namespace velmora::cli
