#include "universe/universe_text_cache.h"

#include "universe/parallel_blocks.h"

#include <algorithm>

namespace velmora::universe {

void UniverseTextCache::forget(std::size_t hexCount) {
    m_hexTexts.assign(hexCount, nullptr);
    m_listTexts.fill(nullptr);
}

void UniverseTextCache::changeApplied(const UniverseChange& change, ChangeDirection direction) {
    if (!change.hexes.empty()) {
        detail::takeOutAndPutIn(m_hexTexts, change.hexes.positionsOut(direction),
                                change.hexes.positionsIn(direction),
                                [](std::size_t) { return nullptr; });
    }
    for (const FieldChange& field : change.fields)
        fieldChanged(field.key());
}

void UniverseTextCache::fieldChanged(std::string_view key) {
    const auto kept = std::find(detail::keptListKeys.begin(), detail::keptListKeys.end(), key);
    if (kept != detail::keptListKeys.end())
        m_listTexts[static_cast<std::size_t>(kept - detail::keptListKeys.begin())].reset();
}

std::size_t UniverseTextCache::hexesToEncode() const {
    return static_cast<std::size_t>(std::count(m_hexTexts.begin(), m_hexTexts.end(), nullptr));
}

core::FileText UniverseTextCache::text(const UniverseRecord& universe) {
    if (m_hexTexts.size() != universe.data.size())
        m_hexTexts.assign(universe.data.size(),
                          nullptr); // out of step: start again rather than write wrong text
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i < m_hexTexts.size(); ++i) {
        if (!m_hexTexts[i])
            missing.push_back(i);
    }
    detail::inBlocks(missing.size(), [&](std::size_t from, std::size_t to, const auto&) {
        for (std::size_t k = from; k < to; ++k) {
            const std::size_t i = missing[k];
            m_hexTexts[i] =
                std::make_shared<const std::string>(detail::encodeHexForDocument(universe.data[i]));
        }
    });
    for (std::size_t k = 0; k < m_listTexts.size(); ++k) {
        if (!m_listTexts[k])
            m_listTexts[k] = std::make_shared<const std::string>(
                detail::encodeListForDocument(universe, detail::keptListKeys[k]));
    }
    return detail::assembleDocument(universe, m_hexTexts, m_listTexts);
}

} // namespace velmora::universe
