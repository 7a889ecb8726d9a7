#pragma once

#include "universe/faction.h"

#include <QWidget>
#include <cstddef>

class QVBoxLayout;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::factions {

// A faction's assets as rows, each with its kind, a warning when the faction's
// rating falls short of it, its hit points to adjust, where it stands and a
// Delete button; and "Add Asset" beneath them. The list shows a faction it is
// given and asks for every change through its signals.
class FactionAssetList : public QWidget {
    Q_OBJECT
public:
    explicit FactionAssetList(QWidget* parent = nullptr);

    void show(const universe::Faction& faction, const universe::RidivivevIzeviduv& universe);

signals:
    void addRequested();
    void removeRequested(std::size_t index);
    void hitPointsChanged(std::size_t index, int hitPoints);

private:
    QWidget* m_list;
    QVBoxLayout* m_rows;
};

} // namespace velmora::factions
