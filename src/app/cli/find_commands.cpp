#include "app/cli/find_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "core/star_system.h"
#include "core/uwp.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/system_pattern.h"

#include <ostream>
#include <variant>

namespace velmora::cli {

namespace {

// "A788899-C": the part of the profile a pattern is matched against.
std::string profileOf(const core::HexData& hex) {
    const core::WorldData* main = core::mainWorld(hex.starSystem);
    if (!main)
        return {};
    const std::string code = core::uwpCode(main->uwp);
    return code.substr(0, code.find(' '));
}

// "0,-1,1910": the sector and the hex, as the other commands take a hex.
std::string hexText(const core::GalacticCoordinates& c) {
    return std::to_string(c.sectorX) + ',' + std::to_string(c.sectorY) + ',' + c.hexNumber();
}

int find(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("find", arguments, {"--universe"}, {"--json", "--player-view"},
                          /*takesPositionals=*/true);
    // Unquoted words on the command line are the terms of one pattern.
    std::string text;
    for (const std::string& word : options.positionals())
        text += (text.empty() ? "" : " ") + word;
    if (text.empty())
        throw CliError{"find needs a pattern, for example: find \"A???9?\?-* TL>=12\"", 2};
    auto parsed = universe::parseSystemPattern(text);
    if (const auto* error = std::get_if<universe::SystemPatternError>(&parsed))
        throw CliError{error->message, 2};

    const auto& universe = universeNamed(context, options.value("--universe").value_or(""));
    // The players' view asks what the players may know; the universe's own setting stays.
    universe::MapViewSettings players = universe.mapView();
    players.mapViewMode = universe::MapViewMode::player;
    const universe::SystemPatternMatcher matcher(
        std::get<universe::SystemPattern>(parsed), universe.factions(),
        options.flag("--player-view") ? &players : nullptr);
    const auto found = universe::findSystems(universe.data(), matcher);

    auto& out = context.out();
    if (options.flag("--json")) {
        nlohmann::json list = nlohmann::json::array();
        for (const core::HexData* hex : found) {
            const std::string profile = profileOf(*hex);
            nlohmann::json entry = {{"hex", hexText(hex->coordinates)},
                                    {"name", hex->starSystem.name},
                                    {"profile", nullptr}};
            if (!profile.empty())
                entry["profile"] = profile;
            list.push_back(std::move(entry));
        }
        printJson(out, list);
        return 0;
    }
    for (const core::HexData* hex : found) {
        const std::string profile = profileOf(*hex);
        out << hexText(hex->coordinates) << '\t' << hex->starSystem.name << '\t'
            << (profile.empty() ? "no main world" : profile) << '\n';
    }
    out << found.size() << (found.size() == 1 ? " system" : " systems") << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> findCommands() {
    return {{"find", "PATTERN [--universe ID] [--player-view] [--json]",
             "Systems whose main world matches: names, \"A???9?\?-*\", TL>=12, pop<6, N, Ri, "
             "al:CODE; every term must hold.",
             find}};
}

} // namespace velmora::cli
