#pragma once

#include "app/platform/data_folder_lock.h"
#include "app/platform/data_locations.h"
#include "app/platform/qt_preferences.h"
#include "campaign/gamemastering.h"
#include "universe/universe_manager.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace velmora::cli {

// What every subcommand works with: the data folder, the preferences and the
// universe store, opened on first use exactly as the application opens them.
class CliContext {
public:
    CliContext(app::DataLocations locations, std::ostream& out, std::ostream& err);
    ~CliContext();

    universe::UniverseManager& universes();
    // The campaign store, loaded on first use from the same folder the application uses.
    campaign::Gamemastering& campaigns();
    // Every command that stores anything in the data folder calls this before it
    // first opens the universes: it then reads what the last writer left, and no
    // other writer (the application, another command) saves until it has ended.
    // Waits a few seconds for a writer that has the folder, then gives up with
    // a CliError naming the folder. Reading commands never call it.
    void holdWriterLock();
    std::ostream& out() { return m_out; }
    std::ostream& err() { return m_err; }
    const app::DataLocations& locations() const { return m_locations; }
    universe::Preferences& preferences() { return m_preferences; }
    // Holds a universe opened beside the current one for as long as the command runs.
    universe::RidivivevIzeviduv& keep(std::unique_ptr<universe::RidivivevIzeviduv> universe) {
        m_kept.push_back(std::move(universe));
        return *m_kept.back();
    }

private:
    app::DataLocations m_locations;
    // Declared before the stores, so that it is let go only after their last save.
    std::unique_ptr<app::DataFolderLock> m_writerLock;
    app::QtPreferences m_preferences;
    std::unique_ptr<universe::UniverseManager> m_universes;
    std::unique_ptr<campaign::Gamemastering> m_campaigns;
    std::vector<std::unique_ptr<universe::RidivivevIzeviduv>> m_kept;
    std::ostream& m_out;
    std::ostream& m_err;
};

// A failure to report on standard error with a non-zero exit.
struct CliError {
    std::string message;
    int exitCode = 1;
};

// One subcommand: `velmora-cli NAME ARGS...`.
struct CliCommand {
    std::string name;
    std::string usage;   // the arguments, as shown in the help
    std::string summary; // one line
    int (*run)(CliContext& context, const std::vector<std::string>& arguments);
};

// Looks up a universe by id text, or the current universe when the text is empty.
universe::RidivivevIzeviduv& universeNamed(CliContext& context, const std::string& idText);

// Looks up a campaign by its code, in any case; a CliError when there is none.
const campaign::Campaign& campaignByCode(CliContext& context, const std::string& code);

} // namespace velmora::cli
