#include "app/cli/starmap_commands.h"

#include "starmap/ui/map_export.h"
#include "universe/ridivivev_izeviduv.h"

#include <QString>
#include <ostream>

namespace velmora::cli {

namespace {

std::vector<int> numbersIn(const std::string& text, std::size_t count, const std::string& option) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (numbers.size() < count) {
        const std::size_t comma = text.find(',', start);
        const std::string part =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        try {
            std::size_t used = 0;
            numbers.push_back(std::stoi(part, &used));
            if (used != part.size())
                throw std::invalid_argument(part);
        } catch (const std::exception&) {
            throw CliError{
                option + " \"" + text + "\" is not in the form " +
                    (option == "--sector" ? "X,Y, for example 0,0" : "X,Y,L, for example 0,0,C"),
                2};
        }
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return numbers;
}

int renderMap(CliContext& context, const std::vector<std::string>& arguments) {
    std::string universeId;
    std::string out;
    std::optional<std::string> sector;
    std::optional<std::string> subsector;
    bool playerView = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= arguments.size())
                throw CliError{argument + " needs a value", 2};
            return arguments[++i];
        };
        if (argument == "--universe")
            universeId = value();
        else if (argument == "--out")
            out = value();
        else if (argument == "--sector")
            sector = value();
        else if (argument == "--subsector")
            subsector = value();
        else if (argument == "--player-view")
            playerView = true;
        else
            throw CliError{"render-map does not know \"" + argument + "\"", 2};
    }
    if (out.empty())
        throw CliError{"render-map needs --out FILE.png, FILE.svg or FILE.pdf", 2};
    if (sector && subsector)
        throw CliError{"render-map takes --sector or --subsector, not both", 2};

    starmap::MapExportArea area;
    if (sector) {
        const auto numbers = numbersIn(*sector, 2, "--sector");
        if (numbers.size() != 2)
            throw CliError{"--sector \"" + *sector + "\" is not in the form X,Y, for example 0,0",
                           2};
        area.kind = starmap::MapExportArea::Kind::sector;
        area.sectorX = numbers[0];
        area.sectorY = numbers[1];
    } else if (subsector) {
        const std::size_t last = subsector->rfind(',');
        const std::string letter =
            last == std::string::npos ? std::string() : subsector->substr(last + 1);
        const auto numbers =
            numbersIn(subsector->substr(0, last == std::string::npos ? 0 : last), 2, "--subsector");
        if (numbers.size() != 2 || letter.size() != 1 || std::toupper(letter[0]) < 'A' ||
            std::toupper(letter[0]) > 'P')
            throw CliError{"--subsector \"" + *subsector +
                               "\" is not in the form X,Y,L with L from A to P",
                           2};
        area.kind = starmap::MapExportArea::Kind::subsector;
        area.sectorX = numbers[0];
        area.sectorY = numbers[1];
        area.subsector = static_cast<char>(std::toupper(letter[0]));
    }

    // The player view is drawn from a copy: the universe's own setting is not changed.
    universe::UniverseRecord record = universeNamed(context, universeId).record();
    if (playerView)
        record.mapViewMode = universe::MapViewMode::player;
    if (const auto error = starmap::exportMap(record, area, QString::fromStdString(out)))
        throw CliError{error->toStdString()};
    context.out() << "Wrote " << out << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> starmapCommands() {
    return {{"render-map",
             "[--universe ID] [--sector X,Y | --subsector X,Y,L] [--player-view] --out FILE",
             "Draw the star map as PNG, SVG or PDF (by the file's extension).", renderMap}};
}

} // namespace velmora::cli
