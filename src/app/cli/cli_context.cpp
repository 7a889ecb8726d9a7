#include "app/cli/cli_context.h"

#include "app/platform/universe_store.h"

#include <filesystem>

namespace velmora::cli {

CliContext::CliContext(app::DataLocations locations, std::ostream& out, std::ostream& err)
    : m_locations(std::move(locations)), m_preferences(m_locations), m_out(out), m_err(err) {}

CliContext::~CliContext() = default;

universe::UniverseManager& CliContext::universes() {
    if (!m_universes)
        m_universes = app::openUniverseStore(m_locations, m_preferences, /*delayedSaves=*/false);
    return *m_universes;
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

} // namespace velmora::cli
