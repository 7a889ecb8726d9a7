#pragma once

#include "universe/universe_change.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::universe {

// One named edit of the open universe, put together before it is made: the hexes
// it adds, replaces and removes, and working copies of the other fields it changes.
// Nothing reaches the universe until the document applies the edit, which checks
// it, makes it in one step and keeps what it needs to take it back.
class UniverseEdit {
public:
    UniverseEdit(const UniverseRecord& universe, std::string label);

    const std::string& label() const { return m_label; }
    void setLabel(std::string label) { m_label = std::move(label); }

    // Hexes, found by their id.
    void addHex(core::HexData hex);
    void replaceHex(core::HexData hex);
    void removeHex(const core::Uuid& id);
    // A whole new list of hexes in place of the old one, as an import makes it;
    // only what differs is kept for undo.
    void setHexes(std::vector<core::HexData> hexes);

    // A working copy of a stored field, taken on first use. What is left in it
    // when the edit is applied becomes the field.
    template <typename Field>
    Field& field(Field UniverseRecord::*member);
    // The fields the record has from its view settings, such as the highlighted factions.
    template <typename Field>
    Field& field(Field MapViewSettings::*member) {
        return field(static_cast<Field UniverseRecord::*>(member));
    }
    std::vector<Faction>& factions() { return field(&UniverseRecord::factions); }
    std::vector<FactionList>& factionLists() { return field(&UniverseRecord::factionLists); }
    std::vector<Rutter>& rutters() { return field(&UniverseRecord::rutters); }
    std::vector<Region>& regions() { return field(&UniverseRecord::regions); }
    std::vector<StarmapLabel>& starmapLabels() { return field(&UniverseRecord::starmapLabels); }
    std::vector<SectorInfo>& sectors() { return field(&UniverseRecord::sectors); }
    std::vector<std::string>& customRaces() { return field(&UniverseRecord::customRaces); }

    // What the edit changes, checked against the universe; or why it cannot be made.
    struct Outcome {
        std::optional<UniverseChange> change;
        std::string error;
    };
    Outcome finish() &&;

private:
    struct WorkingField {
        std::string_view key;
        std::shared_ptr<void> value;
        std::function<std::optional<FieldChange>(const UniverseRecord&)> changeFrom;
    };
    std::optional<std::size_t> positionOf(const core::Uuid& id) const;
    void fail(std::string error);
    HexChange hexChange() const;
    HexChange hexListChange() const;

    const UniverseRecord& m_universe;
    std::string m_label;
    std::string m_error;
    // Hexes of the universe the edit replaces (with their new value) or removes
    // (with none), by id, with their position.
    std::unordered_map<core::Uuid, std::pair<std::size_t, std::optional<core::HexData>>> m_touched;
    std::vector<core::HexData> m_added;
    std::optional<std::vector<core::HexData>> m_allHexes;
    std::vector<WorkingField> m_fields;
};

template <typename Field>
Field& UniverseEdit::field(Field UniverseRecord::*member) {
    const std::string_view key = fieldKey(member);
    for (WorkingField& working : m_fields) {
        if (working.key == key)
            return *static_cast<Field*>(working.value.get());
    }
    auto value = std::make_shared<Field>(m_universe.*member);
    Field& copy = *value;
    m_fields.push_back(
        {key, value,
         [member, key, value](const UniverseRecord& universe) -> std::optional<FieldChange> {
             if (universe.*member == *value)
                 return std::nullopt;
             return FieldChange(member, key, universe.*member, *value);
         }});
    return copy;
}

} // namespace velmora::universe
