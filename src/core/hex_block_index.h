#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velmora::core {

// The occupied hexes of a universe filed by square blocks of the global hex grid,
// so that "every hex within N parsecs" looks at a few blocks instead of every hex.
// Hexes are referred to by their position in the list the index was built from;
// queries give positions in ascending order, which is the universe's own order.
// The index holds positions only: rebuild it when the list changes.
class HexBlockIndex {
public:
    static constexpr int blockSize = 8;

    HexBlockIndex() = default;
    explicit HexBlockIndex(std::span<const HexData> hexes) {
        m_entries.reserve(hexes.size());
        m_cubes.reserve(hexes.size());
        for (std::size_t i = 0; i < hexes.size(); ++i) {
            const GalacticCoordinates& c = hexes[i].coordinates;
            m_entries.push_back({blockKey(c.globalColumn(), c.globalRow()), i});
            m_cubes.push_back(c.cube());
        }
        std::sort(m_entries.begin(), m_entries.end());
    }

    std::size_t size() const { return m_cubes.size(); }

    // Positions of the hexes at most `parsecs` from `centre` (the centre's own hex
    // included when it is occupied), ascending.
    std::vector<std::size_t> within(const GalacticCoordinates& centre, int parsecs) const {
        std::vector<std::size_t> found;
        if (parsecs < 0 || m_cubes.empty())
            return found;
        const int column = centre.globalColumn();
        const int row = centre.globalRow();
        const Cube middle = centre.cube();
        // A step across columns moves the row by half a hex, so rows reach further.
        const int rowReach = parsecs + (parsecs + 1) / 2;
        for (int bx = floorDiv(column - parsecs, blockSize);
             bx <= floorDiv(column + parsecs, blockSize); ++bx) {
            for (int by = floorDiv(row - rowReach, blockSize);
                 by <= floorDiv(row + rowReach, blockSize); ++by) {
                const std::int64_t key = packed(bx, by);
                auto it = std::lower_bound(m_entries.begin(), m_entries.end(), Entry{key, 0});
                for (; it != m_entries.end() && it->key == key; ++it)
                    if (distance(middle, m_cubes[it->position]) <= parsecs)
                        found.push_back(it->position);
            }
        }
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    struct Entry {
        std::int64_t key;
        std::size_t position;
        friend auto operator<=>(const Entry&, const Entry&) = default;
    };

    static std::int64_t packed(int blockX, int blockY) {
        return (static_cast<std::int64_t>(blockX) << 32) ^
               static_cast<std::int64_t>(static_cast<std::uint32_t>(blockY));
    }
    static std::int64_t blockKey(int globalColumn, int globalRow) {
        return packed(floorDiv(globalColumn, blockSize), floorDiv(globalRow, blockSize));
    }

    std::vector<Entry> m_entries; // by block, then by position
    std::vector<Cube> m_cubes;    // by position
};

} // namespace velmora::core
