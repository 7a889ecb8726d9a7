#pragma once

#include "universe/universe_change.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace velmora::universe {

// The edits that can be taken back and made again, newest last. Making a new edit
// forgets what was undone; past the limit the oldest edit is forgotten.
class UndoHistory {
public:
    static constexpr std::size_t defaultLimit = 200;
    explicit UndoHistory(std::size_t limit = defaultLimit) : m_limit(limit) {}

    void record(UniverseChange change);
    void clear();

    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    // The change that undo takes back and the one redo makes again.
    const UniverseChange& nextUndo() const { return m_done.back(); }
    const UniverseChange& nextRedo() const { return m_undone.back(); }
    // Once the change was taken back (or made again), it moves to the other side.
    void markUndone();
    void markRedone();

    std::size_t undoCount() const { return m_done.size(); }
    std::size_t redoCount() const { return m_undone.size(); }

private:
    std::size_t m_limit;
    std::deque<UniverseChange> m_done;
    std::vector<UniverseChange> m_undone;
};

} // namespace velmora::universe
