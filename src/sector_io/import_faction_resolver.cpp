#include "sector_io/import_faction_resolver.h"

#include "generator/secure_random_pool.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velmora::sector_io {

namespace {

using Kind = core::Race::Kind;

constexpr std::array<std::pair<Kind, std::string_view>, 10> raceCodes{{
    {Kind::aslan, "Asla"},
    {Kind::vargr, "Varg"},
    {Kind::droyne, "Droy"},
    {Kind::hiver, "Hive"},
    {Kind::kkree, "Kkre"},
    {Kind::zhodani, "Zhod"},
    {Kind::solomani, "Solo"},
    {Kind::vilani, "Vila"},
    {Kind::human, "Huma"},
    {Kind::sathar, "Sath"},
}};

universe::Faction newFaction(std::string name, std::string shortName,
                             const core::GalacticCoordinates& homeworld,
                             universe::FactionCategory category, universe::FactionColor color,
                             std::string description) {
    universe::Faction faction;
    faction.id = core::Uuid::generate();
    faction.name = std::move(name);
    faction.shortName = std::move(shortName);
    faction.homeworld = homeworld;
    faction.category = category;
    faction.color = color;
    faction.description = std::move(description);
    faction.hp = 0;
    faction.force = 1;
    faction.cunning = 1;
    faction.wealth = 1;
    faction.credits = 0;
    faction.xp = 0;
    return faction;
}

} // namespace

std::string raceShortCode(const core::Race& race) {
    if (!race.isCustom()) {
        for (const auto& [kind, code] : raceCodes) {
            if (kind == race.kind())
                return std::string(code);
        }
    }
    return std::string(race.displayName());
}

ImportFactionResolver::ImportFactionResolver(std::vector<universe::Faction>& factions,
                                             AllegianceTable allegiances)
    : m_factions(factions), m_allegiances(std::move(allegiances)), m_colorIndex(factions.size()) {
    for (const universe::Faction& faction : m_factions) {
        if (!faction.shortName.empty())
            m_idByCode.try_emplace(faction.shortName, faction.id);
        if (faction.category == universe::FactionCategory::race)
            m_idByRaceName.try_emplace(faction.name, faction.id);
    }
}

universe::Faction& ImportFactionResolver::append(universe::Faction faction) {
    m_factions.push_back(std::move(faction));
    ++m_createdCount;
    return m_factions.back();
}

std::optional<core::Uuid>
ImportFactionResolver::resolveFaction(std::string_view code,
                                      const core::GalacticCoordinates& homeworld) {
    if (code.empty())
        return std::nullopt;
    if (const auto it = m_idByCode.find(code); it != m_idByCode.end())
        return it->second;
    const std::string text(code);
    // Codes that share a name (every "As.." reads "Aslan Hierate") stay apart: a
    // new faction whose name is taken gets its code after it. Factions already in
    // the universe keep their names.
    std::string name = allegianceName(code, m_allegiances);
    const bool taken = std::any_of(m_factions.begin(), m_factions.end(),
                                   [&](const universe::Faction& f) { return f.name == name; });
    if (taken)
        name += " (" + text + ")";
    const auto& faction =
        append(newFaction(std::move(name), text, homeworld, universe::FactionCategory::political,
                          universe::factionColorAt(m_colorIndex),
                          "Imported from Traveller Map (allegiance code " + text + ")."));
    ++m_colorIndex;
    m_idByCode.emplace(text, faction.id);
    return faction.id;
}

core::Uuid ImportFactionResolver::raceFaction(const core::Race& race,
                                              const core::GalacticCoordinates& homeworld) {
    const std::string name(race.displayName());
    if (const auto it = m_idByRaceName.find(name); it != m_idByRaceName.end())
        return it->second;
    const auto& faction =
        append(newFaction(name, raceShortCode(race), homeworld, universe::FactionCategory::race,
                          universe::factionColorAt(m_colorIndex),
                          "Imported from Traveller Map (prevalent race: " + name + ")."));
    ++m_colorIndex;
    m_idByRaceName.emplace(name, faction.id);
    return faction.id;
}

core::Uuid ImportFactionResolver::tradeRoutesFaction() {
    if (m_tradeRoutesID)
        return *m_tradeRoutesID;
    for (const universe::Faction& faction : m_factions) {
        if (faction.shortName == "TR" || faction.name == "Trade Routes") {
            m_tradeRoutesID = faction.id;
            return faction.id;
        }
    }
    const auto& faction = append(
        newFaction("Trade Routes", "TR", core::GalacticCoordinates{0, 0, 0, 0},
                   universe::FactionCategory::other, universe::FactionColor::grey,
                   "Trade routes imported from Traveller Map without a specific allegiance."));
    m_tradeRoutesID = faction.id;
    return faction.id;
}

} // namespace velmora::sector_io
