// velmora-cli: the same domain code as the application, without a window, so
// referees can script their universes.

#include "app/cli/campaign_commands.h"
#include "app/cli/cli_context.h"
#include "app/cli/faction_commands.h"
#include "app/cli/find_commands.h"
#include "app/cli/generator_commands.h"
#include "app/cli/manifest_commands.h"
#include "app/cli/sector_io_commands.h"
#include "app/cli/ship_commands.h"
#include "app/cli/starmap_commands.h"
#include "app/cli/trade_commands.h"
#include "app/cli/travel_commands.h"
#include "app/cli/universe_commands.h"
#include "app/cli/wiki_commands.h"

#include <QGuiApplication>
#include <csignal>
#include <iostream>

using namespace velmora;

namespace {

std::vector<cli::CliCommand> allCommands() {
    std::vector<cli::CliCommand> commands;
    for (auto& command : cli::universeCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::factionCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::campaignCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::starmapCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::travelCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::findCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::generatorCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::sectorIoCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::tradeCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::shipCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::manifestCommands())
        commands.push_back(std::move(command));
    for (auto& command : cli::wikiCommands())
        commands.push_back(std::move(command));
    return commands;
}

void printUsage(std::ostream& out, const std::vector<cli::CliCommand>& commands) {
    out << "Usage: velmora-cli [--data-dir DIR] COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const auto& command : commands) {
        std::string line = "  " + command.name + (command.usage.empty() ? "" : " " + command.usage);
        if (line.size() < 34)
            line.resize(34, ' ');
        else
            line += "  ";
        out << line << command.summary << '\n';
    }
    out << "\n--data-dir DIR keeps universes, campaigns, designs and preferences in DIR.\n";
}

} // namespace

int main(int argc, char* argv[]) {
    // A file grown past the size limit must fail its write, which is reported and
    // leaves the previous file whole, rather than end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Maps are drawn with fonts, which need a GUI application; no window is ever
    // shown, so the offscreen platform serves where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Velmora"));

    const auto commands = allCommands();
    std::vector<std::string> arguments;
    QString dataDir;
    const QStringList all = QGuiApplication::arguments();
    for (int i = 1; i < all.size(); ++i) {
        if (all[i] == QLatin1String("--data-dir")) {
            if (i + 1 >= all.size()) {
                std::cerr << "velmora-cli: --data-dir needs a folder\n";
                return 2;
            }
            dataDir = all[++i];
        } else if (all[i].startsWith(QLatin1String("--data-dir="))) {
            dataDir = all[i].mid(11);
        } else {
            arguments.push_back(all[i].toStdString());
        }
    }
    if (arguments.empty() || arguments.front() == "help" || arguments.front() == "--help" ||
        arguments.front() == "-h") {
        printUsage(arguments.empty() ? std::cerr : std::cout, commands);
        return arguments.empty() ? 2 : 0;
    }

    const auto locations =
        dataDir.isEmpty() ? app::DataLocations::standard() : app::DataLocations::portable(dataDir);
    cli::CliContext context(locations, std::cout, std::cerr);
    const std::string name = arguments.front();
    arguments.erase(arguments.begin());
    for (const auto& command : commands) {
        if (command.name != name)
            continue;
        try {
            return command.run(context, arguments);
        } catch (const cli::CliError& error) {
            std::cerr << "velmora-cli: " << error.message << '\n';
            return error.exitCode;
        } catch (const std::exception& error) {
            std::cerr << "velmora-cli: " << error.what() << '\n';
            return 1;
        }
    }
    std::cerr << "velmora-cli: unknown command \"" << name << "\"\n\n";
    printUsage(std::cerr, commands);
    return 2;
}
