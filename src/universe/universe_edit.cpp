#include "universe/universe_edit.h"

#include <algorithm>
#include <unordered_set>

namespace velmora::universe {

namespace {

// Two hexes may not share coordinates or an id. Only the hexes an edit puts in are
// checked: a hand-edited file that already breaks the rule elsewhere still opens
// and can be edited.
std::string clashIn(const UniverseRecord& universe, const HexChange& change) {
    if (change.inserted.empty())
        return {};
    std::vector<bool> takenOut(universe.data.size(), false);
    for (const auto& [position, hex] : change.removed)
        takenOut[position] = true;
    std::unordered_set<core::GalacticCoordinates> places;
    std::unordered_set<core::Uuid> ids;
    const auto clash = [](const core::HexData& hex) {
        return "Hex " + hex.coordinates.description() + " already holds a system.";
    };
    for (const auto& [position, hex] : change.inserted) {
        if (!places.insert(hex.coordinates).second)
            return clash(hex);
        if (!ids.insert(hex.id).second)
            return "Two systems in this edit have the same id.";
    }
    for (std::size_t i = 0; i < universe.data.size(); ++i) {
        if (takenOut[i])
            continue;
        const core::HexData& hex = universe.data[i];
        if (places.count(hex.coordinates) != 0)
            return clash(hex);
        if (ids.count(hex.id) != 0)
            return "A system with the id " + hex.id.toString() + " is already in the universe.";
    }
    return {};
}

} // namespace

UniverseEdit::UniverseEdit(const UniverseRecord& universe, std::string label)
    : m_universe(universe), m_label(std::move(label)) {}

void UniverseEdit::fail(std::string error) {
    if (m_error.empty())
        m_error = std::move(error);
}

std::optional<std::size_t> UniverseEdit::positionOf(const core::Uuid& id) const {
    const auto& data = m_universe.data;
    const auto it = std::find_if(data.begin(), data.end(),
                                 [&](const core::HexData& hex) { return hex.id == id; });
    if (it == data.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - data.begin());
}

void UniverseEdit::addHex(core::HexData hex) {
    if (m_allHexes)
        m_allHexes->push_back(std::move(hex));
    else
        m_added.push_back(std::move(hex));
}

void UniverseEdit::replaceHex(core::HexData hex) {
    const auto sameId = [&](const core::HexData& h) { return h.id == hex.id; };
    auto& pending = m_allHexes ? *m_allHexes : m_added;
    if (const auto it = std::find_if(pending.begin(), pending.end(), sameId); it != pending.end()) {
        *it = std::move(hex);
        return;
    }
    if (m_allHexes) {
        fail("That system is no longer in the universe.");
        return;
    }
    if (const auto touched = m_touched.find(hex.id); touched != m_touched.end()) {
        if (!touched->second.second)
            fail("That system is no longer in the universe.");
        touched->second.second = std::move(hex);
        return;
    }
    const auto position = positionOf(hex.id);
    if (!position) {
        fail("That system is no longer in the universe.");
        return;
    }
    const core::Uuid id = hex.id;
    m_touched.emplace(id, std::pair{*position, std::optional<core::HexData>(std::move(hex))});
}

void UniverseEdit::removeHex(const core::Uuid& id) {
    const auto sameId = [&](const core::HexData& h) { return h.id == id; };
    auto& pending = m_allHexes ? *m_allHexes : m_added;
    if (std::erase_if(pending, sameId) > 0 || m_allHexes)
        return;
    if (const auto touched = m_touched.find(id); touched != m_touched.end()) {
        touched->second.second.reset();
        return;
    }
    const auto position = positionOf(id);
    if (!position) {
        fail("That system is no longer in the universe.");
        return;
    }
    m_touched.emplace(id, std::pair{*position, std::optional<core::HexData>()});
}

void UniverseEdit::setHexes(std::vector<core::HexData> hexes) {
    m_touched.clear();
    m_added.clear();
    m_allHexes = std::move(hexes);
}

HexChange UniverseEdit::hexChange() const {
    HexChange change;
    std::vector<std::pair<std::size_t, const core::HexData*>> replaced;
    std::vector<std::size_t> gone; // positions of the hexes removed for good
    for (const auto& [id, touched] : m_touched) {
        const auto& [position, value] = touched;
        change.removed.emplace_back(position, m_universe.data[position]);
        if (value)
            replaced.emplace_back(position, &*value);
        else
            gone.push_back(position);
    }
    std::sort(change.removed.begin(), change.removed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::sort(replaced.begin(), replaced.end());
    std::sort(gone.begin(), gone.end());
    // A replaced hex keeps its place among the hexes that stay; added ones go last.
    for (const auto& [position, hex] : replaced) {
        const auto goneBefore = std::lower_bound(gone.begin(), gone.end(), position) - gone.begin();
        change.inserted.emplace_back(position - static_cast<std::size_t>(goneBefore), *hex);
    }
    const std::size_t staying = m_universe.data.size() - gone.size();
    for (std::size_t k = 0; k < m_added.size(); ++k)
        change.inserted.emplace_back(staying + k, m_added[k]);
    return change;
}

HexChange UniverseEdit::hexListChange() const {
    const auto& before = m_universe.data;
    const auto& after = *m_allHexes;
    std::unordered_map<core::Uuid, std::size_t> positionBefore;
    positionBefore.reserve(before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        positionBefore.emplace(before[i].id, i);
    // A hex that is unchanged and in order with the hexes kept before it stays;
    // everything else is taken out and put in.
    std::vector<bool> kept(before.size(), false);
    HexChange change;
    std::size_t lastKept = 0;
    bool anyKept = false;
    for (std::size_t j = 0; j < after.size(); ++j) {
        const auto found = positionBefore.find(after[j].id);
        const bool stays = found != positionBefore.end() &&
                           (!anyKept || found->second > lastKept) && !kept[found->second] &&
                           before[found->second] == after[j];
        if (stays) {
            kept[found->second] = true;
            lastKept = found->second;
            anyKept = true;
        } else {
            change.inserted.emplace_back(j, after[j]);
        }
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!kept[i])
            change.removed.emplace_back(i, before[i]);
    }
    return change;
}

UniverseEdit::Outcome UniverseEdit::finish() && {
    if (!m_error.empty())
        return {std::nullopt, m_error};
    UniverseChange change;
    change.label = m_label;
    change.hexes = m_allHexes ? hexListChange() : hexChange();
    if (std::string clash = clashIn(m_universe, change.hexes); !clash.empty())
        return {std::nullopt, std::move(clash)};
    for (const WorkingField& working : m_fields) {
        if (auto fieldChange = working.changeFrom(m_universe))
            change.fields.push_back(std::move(*fieldChange));
    }
    return {std::move(change), {}};
}

} // namespace velmora::universe
