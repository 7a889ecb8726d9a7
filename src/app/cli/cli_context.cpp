#include "app/cli/cli_context.h"

#include "app/platform/universe_store.h"

#include <filesystem>
#include <ostream>
#include <stdexcept>

namespace velmora::cli {

CliContext::CliContext(app::DataLocations locations, std::ostream& out, std::ostream& err)
    : m_locations(std::move(locations)), m_preferences(m_locations), m_out(out), m_err(err) {}

CliContext::~CliContext() {
    // Whatever the command did, the referee hears that the universe of the last
    // session, or the campaigns file, could not be opened, and where the file is.
    if (m_universes && m_universes->notReopened())
        m_err << "velmora-cli: "
              << universe::UniverseManager::unreadableMessage(*m_universes->notReopened()) << '\n';
    if (m_campaigns && m_campaigns->loadProblem())
        m_err << "velmora-cli: "
              << campaign::Gamemastering::loadProblemMessage(*m_campaigns->loadProblem()) << '\n';
}

universe::UniverseManager& CliContext::universes() {
    if (!m_universes)
        m_universes = app::openUniverseStore(m_locations, m_preferences, /*delayedSaves=*/false);
    return *m_universes;
}

void CliContext::holdWriterLock() {
    if (m_writerLock && m_writerLock->isLocked())
        return;
    // Taken later, the lock would guard saves of a universe read before another
    // writer's last save, and those saves would undo that writer's work.
    if (m_universes)
        throw std::logic_error("the writer lock is taken before the universes are opened");
    m_writerLock = std::make_unique<app::DataFolderLock>(m_locations.documentsFolder());
    if (!m_writerLock->tryLock()) {
        m_err << "Waiting for another Velmora to finish writing to "
              << m_writerLock->folder().toStdString() << "\u2026" << std::endl;
        if (!m_writerLock->tryLock(app::DataFolderLock::writerWait))
            throw CliError{m_writerLock->busyMessage().toStdString(), 1};
    }
    // The writer before may have switched universes since the preferences were read.
    m_preferences.reload();
}

campaign::Gamemastering& CliContext::campaigns() {
    if (!m_campaigns) {
        campaign::Gamemastering::Environment environment;
        environment.folder = m_locations.documentsFolder().toStdString(); // as the app does
        // Its routine lines ("Path to database is …") would only clutter a script's
        // output; a campaigns file that could not be read is reported below.
        m_campaigns = std::make_unique<campaign::Gamemastering>(std::move(environment));
        m_campaigns->load();
    }
    return *m_campaigns;
}

universe::RidivivevIzeviduv& universeNamed(CliContext& context, const std::string& idText) {
    auto& store = context.universes();
    if (idText.empty())
        return store.current();
    const auto id = core::Uuid::fromString(idText);
    if (!id)
        throw CliError{"Not a universe id: " + idText};
    const auto last = context.preferences().text(universe::lastUniverseIDKey);
    if (last && core::Uuid::fromString(*last) == id && store.current().id() == *id)
        return store.current();
    // Looking at another universe does not make it the one the application opens next.
    if (!std::filesystem::exists(store.fileFor(*id)))
        throw CliError{"No universe with the id " + idText + "."};
    std::string error;
    auto opened = store.openStored(*id, error);
    if (!opened)
        throw CliError{"Couldn\u2019t open that universe \u2014 its file may be corrupt: " + error};
    return context.keep(std::move(opened));
}

const campaign::Campaign& campaignByCode(CliContext& context, const std::string& code) {
    // Codes are stored in capitals; the referee may type them in either case.
    std::string upper = code;
    for (char& c : upper)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    const campaign::Campaign* found = context.campaigns().campaign(upper);
    if (!found)
        throw CliError{"No campaign with the code " + code + "."};
    return *found;
}

} // namespace velmora::cli
