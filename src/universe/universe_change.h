#pragma once

#include "core/hex_data.h"
#include "universe/universe_record.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::universe {

// Which way a change is applied: to make it, or to take it back.
enum class ChangeDirection { forward, backward };

// The hexes one edit took out of the universe's "data" list and put into it, each
// with its position: `removed` positions count in the list as it was before the
// edit, `inserted` positions in the list after it. The hexes the edit did not touch
// keep their order, so the change can be taken back and made again exactly.
// A hex replaced in place is removed and inserted at the same position.
struct HexChange {
    std::vector<std::pair<std::size_t, core::HexData>> removed;
    std::vector<std::pair<std::size_t, core::HexData>> inserted;

    bool empty() const { return removed.empty() && inserted.empty(); }
    // The positions taken out and put in when applied in `direction`, ascending.
    std::vector<std::size_t> positionsOut(ChangeDirection direction) const;
    std::vector<std::size_t> positionsIn(ChangeDirection direction) const;
};

// One stored field other than the hexes, as it was before an edit and after it.
class FieldChange {
public:
    template <typename Field>
    FieldChange(Field UniverseRecord::*member, std::string_view key, Field before, Field after)
        : m_key(key), m_restore(makeRestore(member, std::move(before), std::move(after))) {}

    // The field's JSON key, which also tells a save what to encode again.
    std::string_view key() const { return m_key; }
    void apply(UniverseRecord& universe, ChangeDirection direction) const {
        m_restore(universe, direction);
    }

private:
    using Restore = std::function<void(UniverseRecord&, ChangeDirection)>;
    template <typename Field>
    static Restore makeRestore(Field UniverseRecord::*member, Field before, Field after) {
        auto values =
            std::make_shared<const std::pair<Field, Field>>(std::move(before), std::move(after));
        return [member, values](UniverseRecord& universe, ChangeDirection direction) {
            universe.*member =
                direction == ChangeDirection::forward ? values->second : values->first;
        };
    }

    std::string_view m_key;
    Restore m_restore;
};

// Everything one named edit changed, enough to make it again and to take it back.
struct UniverseChange {
    std::string label; // what the Edit menu names: "Generate Subsector C"
    HexChange hexes;
    std::vector<FieldChange> fields;

    bool empty() const { return hexes.empty() && fields.empty(); }
};

// Puts the universe in the state after the change (forward) or before it (backward).
// The universe must be in the state before (forward) or after (backward).
void applyChange(UniverseRecord& universe, const UniverseChange& change, ChangeDirection direction);

// The JSON key of a stored field, from its member. Members of different types are
// told apart by where they lie in one record kept for the purpose.
const UniverseRecord& fieldProbe();
std::string_view fieldKeyAt(const void* fieldOfProbe);
template <typename Field>
std::string_view fieldKey(Field UniverseRecord::*member) {
    return fieldKeyAt(static_cast<const void*>(&(fieldProbe().*member)));
}

namespace detail {

// Takes the elements at `out` (ascending, positions before) out of `list` and puts
// valueAt(k) at the k-th position of `in` (ascending, positions after), moving each
// untouched element once at most. Elements before the first touched position stay.
template <typename T, typename ValueAt>
void takeOutAndPutIn(std::vector<T>& list, const std::vector<std::size_t>& out,
                     const std::vector<std::size_t>& in, ValueAt valueAt) {
    if (out == in) {
        // Replaced in place: nothing moves.
        for (std::size_t k = 0; k < in.size(); ++k)
            list[in[k]] = valueAt(k);
        return;
    }
    if (!out.empty()) {
        std::size_t write = out.front();
        std::size_t next = 0;
        for (std::size_t read = out.front(); read < list.size(); ++read) {
            if (next < out.size() && out[next] == read) {
                ++next;
                continue;
            }
            if (write != read)
                list[write] = std::move(list[read]);
            ++write;
        }
        list.resize(write);
    }
    if (!in.empty()) {
        const std::size_t kept = list.size();
        list.resize(kept + in.size());
        // From the back: each kept element moves up by the insertions after it.
        std::size_t read = kept;
        std::size_t k = in.size();
        for (std::size_t write = list.size(); k > 0 && write-- > 0;) {
            if (in[k - 1] == write)
                list[write] = valueAt(--k);
            else
                list[write] = std::move(list[--read]);
        }
    }
}

} // namespace detail

} // namespace velmora::universe
