#pragma once

#include "ships/saved_ship_design.h"

#include <QImage>
#include <QWidget>

class QLabel;

namespace velmora::ui {
class WindowRegistry;
}

namespace velmora::ships {

class SavedShipDesignsStore;

// One picture of a saved ship in a window of its own, scaled to fit.
class ShipImageWindow : public QWidget {
    Q_OBJECT
public:
    ShipImageWindow(const SavedShipDesignsStore& store, const ShipImageReference& reference,
                    QWidget* parent = nullptr);

    bool hasImage() const { return !m_image.isNull(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showScaled();

    QImage m_image;
    QLabel* m_picture;
};

// Opens the image's window, or brings it forward when it is open already.
QWidget* openShipImage(ui::WindowRegistry& windows, const SavedShipDesignsStore& store,
                       const ShipImageReference& reference);

} // namespace velmora::ships
