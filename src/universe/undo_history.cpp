#include "universe/undo_history.h"

namespace velmora::universe {

void UndoHistory::record(UniverseChange change) {
    m_undone.clear();
    m_done.push_back(std::move(change));
    while (m_done.size() > m_limit)
        m_done.pop_front();
}

void UndoHistory::clear() {
    m_done.clear();
    m_undone.clear();
}

void UndoHistory::markUndone() {
    m_undone.push_back(std::move(m_done.back()));
    m_done.pop_back();
}

void UndoHistory::markRedone() {
    m_done.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
}

} // namespace velmora::universe
