#include "app/cli/ship_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "core/decode_error.h"
#include "core/file_io.h"
#include "ships/saved_ship_design_json.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ship_summary_json.h"
#include "ships/ui/ship_sheet_renderer.h"
#include "ships/ui/ship_summary_text.h"

#include <QDir>
#include <filesystem>
#include <ostream>

namespace velmora::cli {

namespace {

namespace fs = std::filesystem;
using ships::SavedShipDesign;
using ships::SavedShipDesignsStore;

// The library the application keeps: "ShipDesigns" in its support folder.
SavedShipDesignsStore openLibrary(CliContext& context) {
    const fs::path support =
        QDir(context.locations().applicationSupportFolder()).absolutePath().toStdString();
    SavedShipDesignsStore store(support / SavedShipDesignsStore::rootFolderName);
    if (const auto& error = store.lastError())
        throw CliError{*error};
    return store;
}

core::Uuid shipID(const SavedShipDesignsStore& store, const std::string& text) {
    const auto id = core::Uuid::fromString(text);
    if (!id)
        throw CliError{"Not a ship id: " + text, 2};
    if (!store.contains(*id))
        throw CliError{"No saved ship with the id " + id->toString() + "."};
    return *id;
}

SavedShipDesign loadShip(SavedShipDesignsStore& store, const core::Uuid& id) {
    auto saved = store.load(id);
    if (!saved)
        throw CliError{store.lastError().value_or("Couldn't open that ship.")};
    return *saved;
}

int listShips(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("ships", arguments, {}, {"--json"}, /*takesPositionals=*/true);
    if (!options.positionals().empty())
        throw CliError{"ships takes no arguments", 2};
    const SavedShipDesignsStore store = openLibrary(context);
    if (options.flag("--json")) {
        nlohmann::json list = nlohmann::json::array();
        for (const auto& header : store.headers())
            list.push_back(header);
        printJson(context.out(), list);
        return 0;
    }
    for (const auto& header : store.headers())
        context.out() << header.id.toString() << '\t' << header.configurationName << '\t'
                      << header.typeLabel << '\t' << header.shipName << '\t'
                      << core::iso8601Text(header.modifiedDate) << '\n';
    return 0;
}

int shipSummary(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("ship-summary", arguments, {}, {"--json"}, /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"ship-summary needs a design.json or a ship's folder, for example: "
                       "ship-summary ~/Exports/Beowulf",
                       2};
    fs::path file = options.positionals().front();
    std::error_code error;
    if (fs::is_directory(file, error))
        file /= SavedShipDesignsStore::designFileName;
    std::string why;
    const auto text = core::readWholeFile(file, &why);
    if (!text)
        throw CliError{why};
    SavedShipDesign saved;
    try {
        saved = ships::decodeDesignFile(*text);
    } catch (const core::DecodeError& failure) {
        throw CliError{"\"" + file.string() + "\" is not a saved ship design: " + failure.what()};
    }
    if (options.flag("--json")) {
        printJson(context.out(), ships::shipSummaryJson(saved.design));
        return 0;
    }
    context.out() << ships::shipSummaryText(saved);
    return 0;
}

int shipSheet(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("ship-sheet", arguments, {"--out", "--images"}, {},
                          /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"ship-sheet needs a ship's id, for example: ship-sheet ID --out "
                       "Beowulf.pdf",
                       2};
    const auto out = options.value("--out");
    if (!out)
        throw CliError{"ship-sheet needs --out FILE.pdf", 2};
    const std::string images = options.value("--images").value_or("all");
    if (images != "all" && images != "none")
        throw CliError{"--images takes all or none", 2};
    SavedShipDesignsStore store = openLibrary(context);
    const auto saved = loadShip(store, shipID(store, options.positionals().front()));
    QList<QString> chosen;
    if (images == "all")
        for (const auto& name : saved.imageFilenames)
            chosen << QString::fromStdString(name);
    const QByteArray pdf =
        ships::renderShipSheet(saved, ships::loadShipImages(store, saved, chosen));
    if (pdf.isEmpty())
        throw CliError{"Couldn't draw the ship sheet."};
    const auto written = core::writeFileAtomically(*out, pdf.toStdString());
    if (!written.ok)
        throw CliError{written.error};
    context.out() << *out << '\n';
    return 0;
}

int shipExport(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("ship-export", arguments, {"--out"}, {}, /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"ship-export needs a ship's id, for example: ship-export ID --out Beowulf",
                       2};
    const auto out = options.value("--out");
    if (!out)
        throw CliError{"ship-export needs --out FOLDER", 2};
    SavedShipDesignsStore store = openLibrary(context);
    const auto id = shipID(store, options.positionals().front());
    const auto render = [&store](const SavedShipDesign& saved) -> std::optional<std::string> {
        QList<QString> all;
        for (const auto& name : saved.imageFilenames)
            all << QString::fromStdString(name);
        const QByteArray pdf =
            ships::renderShipSheet(saved, ships::loadShipImages(store, saved, all));
        if (pdf.isEmpty())
            return std::nullopt;
        return pdf.toStdString();
    };
    if (!store.exportDocument(id, fs::absolute(*out), render))
        throw CliError{store.lastError().value_or("Couldn't export that ship.")};
    context.out() << *out << '\n';
    return 0;
}

int shipImport(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("ship-import", arguments, {}, {"--overwrite"},
                          /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"ship-import needs an exported ship's folder, for example: ship-import "
                       "~/Exports/Beowulf",
                       2};
    context.holdWriterLock();
    SavedShipDesignsStore store = openLibrary(context);
    auto read = store.readImport(fs::absolute(options.positionals().front()));
    if (const auto* message = std::get_if<std::string>(&read))
        throw CliError{"Couldn't Import Ship: " + *message};
    const auto& pending = std::get<SavedShipDesignsStore::PendingImport>(read);
    if (store.contains(pending.design.id) && !options.flag("--overwrite")) {
        const std::string name =
            pending.design.shipName.empty() ? "Unnamed Ship" : pending.design.shipName;
        throw CliError{"A ship named \"" + name +
                       "\" already exists and will be replaced with the contents of this "
                       "folder. Add --overwrite to replace it."};
    }
    if (!store.commitImport(pending))
        throw CliError{store.lastError().value_or("Couldn't import that ship.")};
    context.out() << pending.design.id.toString() << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> shipCommands() {
    return {
        {"ships", "[--json]",
         "List the saved ship designs: id, configuration, type, ship name and date.", listShips},
        {"ship-summary", "FILE_OR_FOLDER [--json]",
         "Every figure of a saved design (its design.json or its folder).", shipSummary},
        {"ship-sheet", "ID --out FILE.pdf [--images all|none]",
         "Write a saved ship's one-page PDF sheet.", shipSheet},
        {"ship-export", "ID --out FOLDER",
         "Export a saved ship as a folder: design.json, its images and the PDF sheet.", shipExport},
        {"ship-import", "FOLDER [--overwrite]", "Import a ship from an exported folder.",
         shipImport},
    };
}

} // namespace velmora::cli
