#include "ships/ui/ship_sheet_renderer.h"

#include "ships/saved_ship_designs_store.h"
#include "ships/ui/ship_statistics_html.h"
#include "ui/qt_text.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>
#include <algorithm>

namespace velmora::ships {

namespace {

constexpr double contentWidth(double column) {
    return column - 2 * ShipSheetLayout::padding;
}

QString escaped(const std::string& text) {
    return qt(text).toHtmlEscaped();
}

void prepare(QTextDocument& document, double width, QPaintDevice* device) {
    if (device)
        document.documentLayout()->setPaintDevice(device);
    document.setDocumentMargin(ShipSheetLayout::padding);
    document.setTextWidth(width);
    QFont font = document.defaultFont();
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
}

// The left column: the names, the description and the pictures.
void fillSheetNames(QTextDocument& document, const SavedShipDesign& saved,
                    const QList<QImage>& images) {
    QTextCursor cursor(&document);
    const QString title =
        saved.shipName.empty() ? QObject::tr("Unnamed Ship") : escaped(saved.shipName);
    QString heading = QStringLiteral("<h1 style=\"margin-bottom:2px\">%1</h1>").arg(title);
    QStringList subtitle;
    if (!saved.configurationName.empty())
        subtitle << escaped(saved.configurationName);
    if (!saved.typeLabel.empty())
        subtitle << escaped(saved.typeLabel);
    if (!subtitle.isEmpty())
        heading += QStringLiteral("<p style=\"font-size:13pt; color:#444\">%1</p>")
                       .arg(subtitle.join(QStringLiteral(" — ")));
    cursor.insertHtml(heading);
    if (!saved.description.empty()) {
        QTextDocument description;
        description.setMarkdown(qt(saved.description));
        cursor.insertBlock();
        cursor.insertFragment(QTextDocumentFragment(&description));
    }
    const double width = contentWidth(ShipSheetLayout::leftColumnWidth);
    for (int i = 0; i < images.size(); ++i) {
        const QImage& image = images[i];
        if (image.isNull())
            continue;
        const QUrl name(QStringLiteral("sheet-image://%1").arg(i));
        document.addResource(QTextDocument::ImageResource, name, image);
        const double scale = std::min(1.0, width / std::max(1, image.width()));
        QTextImageFormat format;
        format.setName(name.toString());
        format.setWidth(image.width() * scale);
        format.setHeight(image.height() * scale);
        cursor.insertBlock();
        cursor.insertImage(format);
    }
}

} // namespace

QByteArray renderShipSheet(const SavedShipDesign& saved, const QList<QImage>& images) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    // One device unit a point: the columns' widths are the page's own units.
    writer.setResolution(72);
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setTitle(saved.shipName.empty() ? QStringLiteral("Ship") : qt(saved.shipName));

    QTextDocument left;
    prepare(left, ShipSheetLayout::leftColumnWidth, &writer);
    fillSheetNames(left, saved, images);
    QTextDocument right;
    prepare(right, ShipSheetLayout::rightColumnWidth, &writer);
    right.setHtml(shipStatisticsHtml(saved.design));

    const double width = ShipSheetLayout::leftColumnWidth + ShipSheetLayout::rightColumnWidth;
    const double height = std::max({left.size().height(), right.size().height(), 200.0});
    writer.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));

    QPainter painter(&writer);
    left.drawContents(&painter);
    painter.save();
    painter.translate(ShipSheetLayout::leftColumnWidth, 0);
    painter.setPen(QColor(0xcc, 0xcc, 0xcc));
    painter.drawLine(QPointF(0, ShipSheetLayout::padding),
                     QPointF(0, height - ShipSheetLayout::padding));
    right.drawContents(&painter);
    painter.restore();
    painter.end();
    return bytes;
}

QList<QImage> loadShipImages(const SavedShipDesignsStore& store, const SavedShipDesign& saved,
                             const QList<QString>& chosen) {
    QList<QImage> images;
    for (const auto& name : saved.imageFilenames) {
        if (!chosen.contains(qt(name)))
            continue;
        const auto bytes = store.readImage(saved.id, name);
        if (!bytes)
            continue;
        QImage image;
        if (image.loadFromData(QByteArray::fromStdString(*bytes)))
            images << image;
    }
    return images;
}

QString defaultSheetFileName(const SavedShipDesign& saved) {
    return qt(safeFileName(saved.shipName, "Ship")) + QStringLiteral(" Datasheet.pdf");
}

} // namespace velmora::ships
