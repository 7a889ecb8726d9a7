#pragma once

#include "ships/saved_ship_design.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace velmora::ships {

class SavedShipDesignsStore;

// The ship sheet: one page of two columns, the ship's names, description and
// pictures on the left, its figures on the right, as real text.
struct ShipSheetLayout {
    static constexpr double leftColumnWidth = 560.0;  // points
    static constexpr double rightColumnWidth = 380.0; // points
    static constexpr double padding = 20.0;
};

// The page as PDF bytes, sized to what it holds. `images` are drawn in order.
QByteArray renderShipSheet(const SavedShipDesign& saved, const QList<QImage>& images);

// The ship's images that can be decoded, of those named in `chosen`, in the
// ship's order. An image whose file is missing or unreadable is left out.
QList<QImage> loadShipImages(const SavedShipDesignsStore& store, const SavedShipDesign& saved,
                             const QList<QString>& chosen);

// The default name of a sheet's file: the ship's name and " Datasheet.pdf".
QString defaultSheetFileName(const SavedShipDesign& saved);

} // namespace velmora::ships
