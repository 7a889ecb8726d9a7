#pragma once

#include "universe/map_view_settings.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::starmap {

// Chooses what to export (the view, the whole universe, a sector or a subsector)
// and where; the file's extension chooses PNG, SVG or PDF.
class MapExportDialog : public QDialog {
    Q_OBJECT
public:
    MapExportDialog(const universe::RidivivevIzeviduv& universe, const universe::MapTransform& view,
                    QSize viewSize, QWidget* parent = nullptr);

private:
    void exportTo();

    const universe::RidivivevIzeviduv& m_universe;
    universe::MapTransform m_view;
    QSize m_viewSize;
    QComboBox* m_area;
    QSpinBox* m_sectorX;
    QSpinBox* m_sectorY;
    QComboBox* m_subsector;
    QComboBox* m_format;
};

} // namespace velmora::starmap
