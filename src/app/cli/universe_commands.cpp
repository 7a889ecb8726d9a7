#include "app/cli/universe_commands.h"

#include <ostream>

namespace velmora::cli {

namespace {

int listUniverses(CliContext& context, const std::vector<std::string>& arguments) {
    if (!arguments.empty())
        throw CliError{"universes takes no arguments", 2};
    for (const auto& header : context.universes().headers())
        context.out() << header.id.toString() << '\t' << header.name << '\n';
    return 0;
}

int showUniverse(CliContext& context, const std::vector<std::string>& arguments) {
    if (arguments.size() > 1)
        throw CliError{"show-universe takes at most one universe id", 2};
    const auto& universe =
        universeNamed(context, arguments.empty() ? std::string() : arguments.front());
    auto& out = context.out();
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
        {"universes", "", "List every stored universe: id and name, in name order.", listUniverses},
        {"show-universe", "[ID]",
         "Name, id and counts of a universe (the current one without an id).", showUniverse},
    };
}

} // namespace velmora::cli
