#include "core/race.h"

#include <utility>

namespace velmora::core {

Race Race::custom(std::string name) {
    Race race(Kind::custom);
    race.m_name = std::move(name);
    return race;
}

std::optional<Race> Race::fromIdentity(std::string_view text) {
    if (text.starts_with(customRacePrefix))
        return custom(std::string(text.substr(customRacePrefix.size())));
    const auto kind = raceIdentityTable.value(text);
    // "custom" alone names no race: a custom race is always written with its name.
    if (!kind || *kind == Kind::custom)
        return std::nullopt;
    return Race(*kind);
}

std::string Race::identity() const {
    if (isCustom())
        return std::string(customRacePrefix) + m_name;
    return std::string(textAt(raceIdentityTable, m_kind));
}

std::string_view Race::displayName() const {
    if (isCustom())
        return m_name;
    return textAt(raceDisplayNameTable, m_kind);
}

} // namespace velmora::core
