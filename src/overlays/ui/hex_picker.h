#pragma once

#include "core/galactic_coordinates.h"

#include <QWidget>

class QLabel;
class QSpinBox;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::overlays {

// Picks one hex by sector X, sector Y, column and row, and shows the system
// standing there ("Unnamed System" when it has no name or there is none) with
// the hex as the universe writes locations.
class HexPicker : public QWidget {
    Q_OBJECT
public:
    explicit HexPicker(QWidget* parent = nullptr);

    // A text before the fields, such as "From: ".
    void setLeadingText(const QString& text);
    QLabel* leadingLabel() const { return m_lead; }

    // Where the system names come from; none shows no system.
    void setUniverse(const universe::RidivivevIzeviduv* universe);

    core::GalacticCoordinates coordinates() const;
    // Columns and rows outside the sector are brought inside it. Does not emit
    // coordinatesChanged: only the user's edits do.
    void setCoordinates(const core::GalacticCoordinates& coordinates);

    // The text under the fields: the system there, then the location.
    QString systemText() const;
    bool hasSystem() const;

    QSpinBox* sectorXField() const { return m_sectorX; }
    QSpinBox* sectorYField() const { return m_sectorY; }
    QSpinBox* columnField() const { return m_column; }
    QSpinBox* rowField() const { return m_row; }
    QLabel* systemLabel() const { return m_system; }

signals:
    void coordinatesChanged(const velmora::core::GalacticCoordinates& coordinates);

private:
    void refreshSystem();

    const universe::RidivivevIzeviduv* m_universe = nullptr;
    QSpinBox* m_sectorX;
    QSpinBox* m_sectorY;
    QSpinBox* m_column;
    QSpinBox* m_row;
    QLabel* m_system;
    QLabel* m_lead;
    bool m_hasSystem = false;
};

} // namespace velmora::overlays
