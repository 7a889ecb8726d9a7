#include "ships/ui/ship_image_window.h"

#include "ships/saved_ship_designs_store.h"
#include "ui/empty_state_view.h"
#include "ui/qt_text.h"
#include "ui/window_registry.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velmora::ships {

ShipImageWindow::ShipImageWindow(const SavedShipDesignsStore& store,
                                 const ShipImageReference& reference, QWidget* parent)
    : QWidget(parent), m_picture(new QLabel(this)) {
    setWindowTitle(tr("Ship Image"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (const auto bytes = store.readImage(reference.designID, reference.filename))
        m_image.loadFromData(QByteArray::fromStdString(*bytes));
    if (m_image.isNull()) {
        m_picture->hide();
        auto* missing = new ui::EmptyStateView(tr("Image Not Found"), qt(reference.filename), this);
        missing->setObjectName(QStringLiteral("imageNotFound"));
        layout->addWidget(missing);
        resize(360, 240);
        return;
    }
    m_picture->setObjectName(QStringLiteral("shipImage"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(120, 90);
    // The picture follows the window, never the other way round.
    m_picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(m_picture);
    const QSize natural = m_image.size().boundedTo(QSize(1000, 750));
    resize(natural.expandedTo(QSize(240, 180)));
    showScaled();
}

void ShipImageWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showScaled();
}

void ShipImageWindow::showScaled() {
    if (m_image.isNull())
        return;
    const QSize room = m_picture->size();
    const QImage scaled = m_image.width() > room.width() || m_image.height() > room.height()
                              ? m_image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : m_image;
    m_picture->setPixmap(QPixmap::fromImage(scaled));
}

QWidget* openShipImage(ui::WindowRegistry& windows, const SavedShipDesignsStore& store,
                       const ShipImageReference& reference) {
    const QString value = qt(reference.designID.toString() + "/" + reference.filename);
    return windows.open(QStringLiteral("ship-image"), value,
                        [&store, reference] { return new ShipImageWindow(store, reference); });
}

} // namespace velmora::ships
