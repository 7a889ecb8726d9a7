#pragma once

#include "universe/faction.h"

#include <QWidget>
#include <cstddef>

class QVBoxLayout;

namespace velmora::factions {

// A faction's log: each note with its title, date and text, Edit and Delete; and
// "Add Note" beneath them. The list shows a faction it is given and asks for every
// change through its signals.
class FactionNoteList : public QWidget {
    Q_OBJECT
public:
    explicit FactionNoteList(QWidget* parent = nullptr);

    void show(const universe::Faction& faction);

signals:
    void addRequested();
    void editRequested(std::size_t index);
    void removeRequested(std::size_t index);

private:
    QWidget* m_list;
    QVBoxLayout* m_rows;
};

} // namespace velmora::factions
