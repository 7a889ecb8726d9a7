#include "app/cli/travel_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "campaign/campaign.h"
#include "core/random_source.h"
#include "ships/saved_ship_designs_store.h"
#include "travel/route_plan_json.h"
#include "travel/route_planner.h"
#include "travel/route_texts.h"
#include "travel/ship_profile.h"

#include <QDir>
#include <charconv>
#include <ostream>

namespace velmora::cli {

namespace {

core::GalacticCoordinates hexOption(const Options& options, const std::string& name) {
    const auto text = options.value(name);
    if (!text)
        throw CliError{"route needs " + name + " SX,SY,CCRR, for example: " + name + " 0,0,1910",
                       2};
    const auto hex = travel::parseHexArgument(*text);
    if (!hex)
        throw CliError{name +
                           " takes a hex as SX,SY,CCRR (column 01-32, row 01-40), for "
                           "example 0,0,1910, not \"" +
                           *text + "\"",
                       2};
    return *hex;
}

int jumpOption(const Options& options) {
    const auto text = options.value("--jump");
    if (!text)
        return 2;
    const auto rating = wholeNumber(*text);
    if (!rating || *rating < 1 || *rating > 6)
        throw CliError{"--jump takes a jump rating from 1 to 6, not \"" + *text + "\"", 2};
    return *rating;
}

double thrustOption(const Options& options) {
    const auto text = options.value("--thrust");
    if (!text)
        return 1.0;
    double thrust = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), thrust);
    if (error != std::errc() || end != text->data() + text->size() || !(thrust >= 0.1) ||
        thrust > 12.0)
        throw CliError{"--thrust takes a thrust in G from 0.1 to 12, not \"" + *text + "\"", 2};
    return thrust;
}

// The saved ship, from the library the application keeps in its support folder.
travel::ShipProfile shipOption(CliContext& context, const std::string& text) {
    const auto id = core::Uuid::fromString(text);
    if (!id)
        throw CliError{"Not a ship id: " + text, 2};
    const std::filesystem::path support =
        QDir(context.locations().applicationSupportFolder()).absolutePath().toStdString();
    ships::SavedShipDesignsStore store(support / ships::SavedShipDesignsStore::rootFolderName);
    if (!store.header(*id))
        throw CliError{"No saved ship with the id " + id->toString() + "."};
    const auto saved = store.load(*id);
    if (!saved)
        throw CliError{store.lastError().value_or("Couldn't open that ship.")};
    return travel::shipProfile(*saved);
}

int route(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options(
        "route", arguments,
        {"--from", "--to", "--universe", "--jump", "--thrust", "--ship", "--campaign"},
        {"--scoop", "--json"});
    const auto from = hexOption(options, "--from");
    const auto to = hexOption(options, "--to");
    const auto shipText = options.value("--ship");
    if (shipText &&
        (options.value("--jump") || options.value("--thrust") || options.flag("--scoop")))
        throw CliError{"route: with --ship the ship decides the jump rating, thrust and scooping; "
                       "leave out --jump, --thrust and --scoop",
                       2};
    travel::RouteRequest request;
    request.start = from;
    request.destination = to;
    request.jumpRating = jumpOption(options);
    request.thrustG = thrustOption(options);
    request.canScoop = options.flag("--scoop");

    auto& universe = universeNamed(context, options.value("--universe").value_or(""));
    for (const auto& end : {from, to})
        if (!universe.hexAt(end))
            throw CliError{"No system at " + travel::hexArgumentText(end) + " in " +
                           universe.name() + "."};
    if (from == to)
        throw CliError{std::string(travel::sameSystemMessage)};
    if (shipText)
        request.ship = shipOption(context, *shipText);
    if (const auto code = options.value("--campaign"))
        request.campaign = &campaignByCode(context, *code);

    const auto plan = travel::planRoute(universe.data(), request, core::systemRandomSource());
    if (!plan) {
        const bool canScoop = request.ship ? request.ship->canScoop : request.canScoop;
        const int rating = request.ship ? request.ship->jumpRating : request.jumpRating;
        throw CliError{travel::noRouteMessage(rating, canScoop, request.ship.has_value())};
    }
    if (options.flag("--json")) {
        printJson(context.out(), travel::routePlanJson(*plan));
        return 0;
    }
    if (request.ship)
        context.out() << *plan->shipName << ": " << travel::shipSummaryText(*request.ship) << '\n';
    for (const std::string& line : travel::planLines(*plan))
        context.out() << line << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> travelCommands() {
    return {
        {"route",
         "--from SX,SY,CCRR --to SX,SY,CCRR [--universe ID] [--jump N] [--thrust G] [--scoop] "
         "[--ship ID] [--campaign CODE] [--json]",
         "Plan a jump route between two systems: its stops, fuel, times and costs.", route},
    };
}

} // namespace velmora::cli
