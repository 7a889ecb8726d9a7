#include "app/cli/faction_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "factions/faction_groups.h"
#include "factions/faction_lists.h"
#include "factions/faction_rules.h"
#include "factions/faction_texts.h"
#include "universe/faction_json.h"
#include "universe/faction_list_json.h"

#include <ostream>

namespace velmora::cli {

namespace {

int listFactions(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("factions", arguments, {}, {"--json"}, /*takesPositionals=*/true);
    if (options.positionals().size() > 1)
        throw CliError{"factions takes at most one universe id", 2};
    const auto& universe = universeNamed(
        context, options.positionals().empty() ? std::string() : options.positionals().front());
    auto& out = context.out();
    if (options.flag("--json")) {
        // Each faction as the universe file stores it, with the figures the rules derive.
        nlohmann::json list = nlohmann::json::array();
        for (const universe::Faction& f : universe.factions()) {
            nlohmann::json faction = f;
            faction["maxHP"] = factions::maxHP(f);
            faction["income"] = factions::income(f);
            faction["upkeep"] = factions::upkeep(f);
            list.push_back(std::move(faction));
        }
        printJson(out, list);
        return 0;
    }
    for (const auto& group : factions::groupFactionsByCategory(universe.factions())) {
        out << factions::groupHeading(group.category) << '\n';
        for (const std::size_t index : group.factionIndices) {
            const universe::Faction& f = universe.factions()[index];
            out << "  " << f.id.toString() << '\t' << factions::factionDisplayName(f) << '\t' << "F"
                << f.force << " C" << f.cunning << " W" << f.wealth << '\t' << "HP " << f.hp << '/'
                << factions::maxHP(f) << '\t' << f.credits << " FC\tincome " << factions::income(f)
                << "\tupkeep " << factions::upkeep(f) << '\t' << f.assets.size()
                << (f.assets.size() == 1 ? " asset" : " assets") << '\n';
        }
    }
    return 0;
}

int listFactionLists(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("faction-lists", arguments, {}, {"--json"}, /*takesPositionals=*/true);
    if (options.positionals().size() > 1)
        throw CliError{"faction-lists takes at most one universe id", 2};
    const auto& universe = universeNamed(
        context, options.positionals().empty() ? std::string() : options.positionals().front());
    auto& out = context.out();
    if (options.flag("--json")) {
        printJson(out, universe.factionLists());
        return 0;
    }
    for (const auto& list : universe.factionLists()) {
        const auto members = factions::factionsInList(list, universe.factions());
        out << list.id.toString() << '\t' << factions::listDisplayName(list) << '\t'
            << factions::factionCountText(members.size()) << '\n';
        for (const universe::Faction* f : members)
            out << "  " << factions::factionDisplayName(*f) << '\n';
    }
    return 0;
}

} // namespace

std::vector<CliCommand> factionCommands() {
    return {
        {"factions", "[ID] [--json]",
         "A universe's factions by group: ratings, hit points, FacCreds, income, upkeep and "
         "assets.",
         listFactions},
        {"faction-lists", "[ID] [--json]",
         "A universe's faction lists and the factions each one names.", listFactionLists},
    };
}

} // namespace velmora::cli
