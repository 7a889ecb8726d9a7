#pragma once

#include "core/file_text.h"
#include "universe/universe_change.h"
#include "universe/universe_encoding.h"

#include <array>
#include <string_view>
#include <vector>

namespace velmora::universe {

// The encoded text of each hex and each long list of an open universe, kept from
// one save to the next. Edits say what they touched; a save encodes only that and
// hands back everything else as it was, so after a pan of a universe of fifty
// thousand hexes the window's thread encodes a few small fields and no hex.
class UniverseTextCache {
public:
    // Nothing kept: the next text() encodes everything.
    void forget(std::size_t hexCount);
    // After `change` was applied in `direction`.
    void changeApplied(const UniverseChange& change, ChangeDirection direction);
    // After a stored field other than the hexes changed.
    void fieldChanged(std::string_view key);

    // The file's pieces for the universe as it is now. Byte for byte a whole encode.
    core::FileText text(const UniverseRecord& universe);

    std::size_t hexesToEncode() const;

private:
    std::vector<detail::SharedText> m_hexTexts; // one per hex; empty where it must be encoded
    std::array<detail::SharedText, detail::keptListKeys.size()> m_listTexts;
};

} // namespace velmora::universe
