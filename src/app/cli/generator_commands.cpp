#include "app/cli/generator_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "core/uwp.h"
#include "core/world_json.h"
#include "generator/area_generation.h"
#include "generator/name_generator.h"
#include "generator/secure_random_pool.h"
#include "generator/star_generation.h"
#include "generator/star_tables.h"
#include "generator/system_generator.h"
#include "generator/system_naming.h"
#include "generator/system_text.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <set>

namespace velmora::cli {

namespace {

core::TechnologyLevel parseTechLevel(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (const auto level = core::technologyLevelTable.value(text))
        return *level;
    throw CliError{"Unknown tech level \"" + text +
                       "\": use TL0 to TL22, or 0 to 6 and 4+ on the short scale.",
                   2};
}

// The scale a universe already uses; a new, empty universe starts on the Traveller scale.
bool travellerScale(const universe::RidivivevIzeviduv& universe) {
    return universe.data().empty() || universe.usesTravellerTechLevels();
}

// Pads to a number of characters, counting a UTF-8 sequence as one.
std::string padded(const std::string& text, std::size_t width) {
    const auto characters = static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; }));
    return characters >= width ? text + " " : text + std::string(width - characters, ' ');
}

void printSystem(std::ostream& out, const core::HexData& hex, const std::string& location) {
    const core::StarSystem& system = hex.starSystem;
    out << system.name << " \u2014 " << location << '\n';
    for (const core::Star& star : system.stars) {
        out << "Star " << star.name << ": " << generator::starSummary(star);
        if (star.orbit != core::Orbits::starOrbitP)
            out << ", orbit " << core::rawValue(star.orbit);
        out << ", habitable zone at orbit "
            << generator::hzOrbit(star.spectralType, star.luminosity) << '\n';
    }
    out << "Gas giants: " << system.gasGiant << "  Planetoid belts: " << system.planetoidBelts
        << "  Worlds: " << system.totalNumberOfWorlds << '\n';
    for (const core::Star& star : system.stars) {
        out << '\n'
            << "Star " << star.name << '\n'
            << "  " << padded("Orbit", 8) << padded("Body", 24) << padded("Type", 28)
            << padded("UWP", 14) << padded("Zone", 11) << "Trade codes\n";
        for (const std::size_t index : generator::worldsInOrbitOrder(star)) {
            const core::WorldData& world = star.worlds[index];
            std::string name = world.name + (world.mainWorld ? " *" : "");
            if (core::isSatelliteOrbit(world.satelliteOrbit))
                name = "  " + name;
            out << "  " << padded(generator::orbitText(world), 8) << padded(name, 24)
                << padded(generator::worldTypeLabel(world.type), 28)
                << padded(core::uwpCode(world.uwp), 14)
                << padded(generator::zoneText(star, world), 11)
                << generator::tradeCodesText(world.tradeClasses) << '\n';
        }
    }
    out << "\n* main world\n";
}

int generate(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("generate", arguments, {"--hex", "--name", "--tl"},
                          {"--binary", "--roll-tl", "--save", "--replace", "--json"});
    const bool json = options.flag("--json");
    const auto hexText = options.value("--hex");
    if (!hexText)
        throw CliError{"generate needs --hex SX,SY,CCRR, for example --hex 0,0,1910", 2};
    const core::GalacticCoordinates coordinates = parseHex(*hexText);
    const bool save = options.flag("--save");
    const bool replace = options.flag("--replace");
    if (replace && !save)
        throw CliError{"--replace only applies together with --save", 2};

    std::string name;
    if (const auto given = options.value("--name")) {
        name = *given;
        if (name.find_first_not_of(" \t") == std::string::npos)
            throw CliError{"The system name cannot be empty.", 2};
    }

    if (save)
        context.holdWriterLock();
    auto& universe = context.universes().current();
    const bool rollTechLevel = options.flag("--roll-tl");
    core::TechnologyLevel techLevel;
    if (const auto given = options.value("--tl"))
        techLevel = parseTechLevel(*given);
    else if (travellerScale(universe))
        techLevel = rollTechLevel ? core::TechnologyLevel::ttl15 : core::TechnologyLevel::ttl12;
    else
        techLevel = rollTechLevel ? core::TechnologyLevel::tl6 : core::TechnologyLevel::tl4;

    // Refuse before rolling anything, so a refused run changes nothing.
    const core::HexData* existing = universe.hexAt(coordinates);
    if (save && existing && !replace)
        throw CliError{"Hex " + coordinates.description() + " already holds " +
                           existing->starSystem.name + ". Add --replace to overwrite it.",
                       1};

    auto& random = generator::generatorRandomSource();
    if (name.empty())
        name = generator::generateName(random);
    core::HexData hex;
    hex.id = existing ? existing->id : core::Uuid::generate();
    hex.coordinates = coordinates;
    hex.starSystem = generator::generateSystem(std::nullopt, options.flag("--binary"), techLevel,
                                               rollTechLevel, random);
    generator::nameSystem(hex.starSystem, name);
    if (!json)
        printSystem(context.out(), hex, universe.locationText(coordinates));
    // With --json: the hex as the universe file stores it, and what became of it.
    const auto printHex = [&](bool saved) {
        printJson(context.out(), {{"hex", hex},
                                  {"location", universe.locationText(coordinates)},
                                  {"saved", saved},
                                  {"replaced", saved && existing != nullptr}});
    };

    if (!save) {
        if (json) {
            printHex(false);
            return 0;
        }
        if (existing)
            context.out() << "\nHex " << coordinates.description() << " holds "
                          << existing->starSystem.name
                          << ": add --save --replace to put this system there instead.\n";
        return 0;
    }
    const bool replacing = existing != nullptr;
    const universe::EditResult result = replacing
                                            ? universe.replaceHex(hex, "Replace System " + name)
                                            : universe.addHex(hex, "Generate System " + name);
    if (!result)
        throw CliError{"The universe was not changed: " + result.error};
    if (json) {
        printHex(true);
        return 0;
    }
    context.out() << '\n'
                  << (replacing ? "Replaced " : "Saved ") << name << " at "
                  << coordinates.description() << " in " << universe.name() << ".\n";
    return 0;
}

int generateArea(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("generate-area", arguments, {"--sector", "--subsector", "--density"},
                          {"--save", "--json"});
    const auto sectorText = options.value("--sector");
    if (!sectorText)
        throw CliError{"generate-area needs --sector SX,SY, for example --sector 0,0", 2};
    const auto parts = splitCommas(*sectorText);
    if (parts.size() != 2)
        throw CliError{"--sector \"" + *sectorText + "\" is not SX,SY, for example --sector 0,0",
                       2};
    const auto [x, y] = parseSector("--sector", parts, *sectorText, "--sector 0,0");
    generator::GenerationArea area{x, y, std::nullopt};
    if (const auto letter = options.value("--subsector")) {
        const char upper =
            letter->size() == 1
                ? static_cast<char>(std::toupper(static_cast<unsigned char>((*letter)[0])))
                : '?';
        if (!generator::isSubsectorLetter(upper))
            throw CliError{
                "Unknown subsector \"" + *letter + "\": subsectors are the letters A to P.", 2};
        area.subsector = upper;
    }
    generator::AreaOptions areaOptions;
    if (const auto density = options.value("--density")) {
        std::string digits = *density;
        if (!digits.empty() && digits.back() == '%')
            digits.pop_back();
        const auto percent = wholeNumber(digits);
        if (!percent || *percent < 0 || *percent > 100)
            throw CliError{
                "--density \"" + *density + "\" must be a whole percentage from 0 to 100.", 2};
        areaOptions.densityPercent = *percent;
    }

    const bool save = options.flag("--save");
    if (save)
        context.holdWriterLock();
    auto& universe = context.universes().current();
    if (!travellerScale(universe))
        areaOptions.techLevel = core::TechnologyLevel::tl6;
    std::set<std::string> names;
    for (const core::HexData& hex : universe.data())
        names.insert(hex.starSystem.name);
    int occupied = 0;
    const auto hexes = generator::generateArea(
        area, areaOptions,
        [&](const core::GalacticCoordinates& c) {
            const bool taken = universe.hexAt(c) != nullptr;
            occupied += taken ? 1 : 0;
            return taken;
        },
        names, generator::generatorRandomSource());

    // Saved before anything is printed, so that --json reports what was kept.
    if (save) {
        const universe::SectorInfo* sector = universe.sector(area.sectorX, area.sectorY);
        universe::UniverseEdit edit =
            universe.beginEdit(generator::areaEditName(area, sector ? sector->name : ""));
        for (const core::HexData& hex : hexes)
            edit.addHex(hex);
        if (const universe::EditResult result = universe.apply(std::move(edit)); !result)
            throw CliError{"The universe was not changed: " + result.error};
    }

    auto& out = context.out();
    if (options.flag("--json")) {
        printJson(out, {{"data", hexes},
                        {"densityPercent", areaOptions.densityPercent},
                        {"occupied", occupied},
                        {"saved", save}});
        return 0;
    }
    for (const core::HexData& hex : hexes) {
        const core::WorldData* main = core::mainWorld(hex.starSystem);
        std::string stars;
        for (const core::Star& star : hex.starSystem.stars)
            stars += (stars.empty() ? "" : " ") + generator::spectralText(star);
        out << hex.coordinates.hexNumber() << "  " << padded(hex.starSystem.name, 16)
            << padded(main ? core::uwpCode(main->uwp) : std::string(), 14) << padded(stars, 16)
            << (main ? generator::tradeCodesText(main->tradeClasses) : std::string()) << '\n';
    }
    const auto count = hexes.size();
    out << "Generated " << count << (count == 1 ? " system" : " systems") << " in "
        << generator::areaDescription(area) << " at " << areaOptions.densityPercent << "% density";
    if (occupied > 0)
        out << ", leaving " << occupied << (occupied == 1 ? " occupied hex" : " occupied hexes")
            << " alone";
    out << ".\n";
    if (!save) {
        out << "Not saved: add --save to keep them.\n";
        return 0;
    }
    out << "Saved " << count << (count == 1 ? " system" : " systems") << " in " << universe.name()
        << ".\n";
    return 0;
}

} // namespace

std::vector<CliCommand> generatorCommands() {
    return {
        {"generate",
         "--hex SX,SY,CCRR [--name NAME] [--binary] [--tl TL12] [--roll-tl] [--save] [--replace] "
         "[--json]",
         "Generate a star system for one hex; --save keeps it in the current universe.", generate},
        {"generate-area", "--sector SX,SY [--subsector L] [--density PERCENT] [--save] [--json]",
         "Fill the empty hexes of a sector or subsector with systems (50% unless given).",
         generateArea},
    };
}

} // namespace velmora::cli
