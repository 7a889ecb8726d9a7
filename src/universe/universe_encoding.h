#pragma once

#include "core/file_text.h"
#include "universe/universe_record.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::universe::detail {

// The pieces a universe file is written from. Nearly all of a large file is its
// hexes and a few long lists; each is encoded on its own, so a document that
// keeps them can hand back the pieces an edit did not touch.

using SharedText = std::shared_ptr<const std::string>;

// The top-level lists whose text is kept between saves; every other field but
// "data" is small and written afresh each time.
inline constexpr std::array<std::string_view, 9> keptListKeys{
    "customRaces", "factionLists", "factions",      "nebulae",     "regions",
    "rutters",     "sectors",      "starmapLabels", "tradeMarkets"};

// One hex as it stands inside the "data" array of the whole document.
std::string encodeHexForDocument(const core::HexData& hex);

// The value of one of keptListKeys as it stands in the whole document.
std::string encodeListForDocument(const UniverseRecord& universe, std::string_view key);

// The file from its pieces: `hexTexts` line up with the universe's hexes and
// `listTexts` with keptListKeys. The bytes are those of a whole encode.
core::FileText assembleDocument(const UniverseRecord& universe, std::vector<SharedText> hexTexts,
                                const std::array<SharedText, keptListKeys.size()>& listTexts);

} // namespace velmora::universe::detail
