#include "app/cli/cli_context.h"

#include "app/platform/universe_store.h"

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
    store.switchTo(*id);
    if (store.current().id() != *id)
        throw CliError{store.loadError().value_or("No universe with the id " + idText + ".")};
    return store.current();
}

} // namespace velmora::cli
