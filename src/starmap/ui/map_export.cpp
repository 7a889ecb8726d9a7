#include "starmap/ui/map_export.h"

#include "starmap/ui/starmap_renderer.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace velmora::starmap {

namespace {

// A hex radius that keeps names and profiles readable on paper and screen.
double exportHexRadius(MapExportArea::Kind kind) {
    switch (kind) {
    case MapExportArea::Kind::subsector:
        return 40.0;
    case MapExportArea::Kind::sector:
        return 22.0;
    default:
        return 18.0;
    }
}

} // namespace

ExportFrame exportFrame(const StarMapModel& model, const MapExportArea& area) {
    if (area.kind == MapExportArea::Kind::currentView)
        return {area.viewTransform, area.viewSize};
    MapRect bounds;
    switch (area.kind) {
    case MapExportArea::Kind::sector:
        bounds = StarMapModel::boundsOfSector(area.sectorX, area.sectorY);
        break;
    case MapExportArea::Kind::subsector:
        bounds = StarMapModel::boundsOfSubsector(area.sectorX, area.sectorY, area.subsector);
        break;
    default:
        bounds = model.bounds();
        break;
    }
    if (bounds.isEmpty())
        bounds = StarMapModel::boundsOfSector(0, 0);
    const double margin = 16;
    double scale = exportHexRadius(area.kind) / mapHexRadius;
    // Whole universes are kept under about 8,000 pixels on their long side.
    const double longest = std::max(bounds.right - bounds.left, bounds.bottom - bounds.top);
    scale = std::min(scale, 8000.0 / longest);
    ExportFrame frame;
    frame.transform.scale = scale;
    frame.transform.offsetWidth = margin - bounds.left * scale;
    frame.transform.offsetHeight = margin - bounds.top * scale;
    frame.size =
        QSize(static_cast<int>(std::ceil((bounds.right - bounds.left) * scale + 2 * margin)),
              static_cast<int>(std::ceil((bounds.bottom - bounds.top) * scale + 2 * margin)));
    return frame;
}

std::optional<QString> exportMap(const universe::UniverseRecord& universe,
                                 const MapExportArea& area, const QString& file) {
    const StarMapModel model(universe);
    const ExportFrame frame = exportFrame(model, area);
    if (frame.size.isEmpty())
        return QObject::tr("There is nothing to export.");
    StarMapRenderer renderer;
    const QString suffix = QFileInfo(file).suffix().toLower();
    const StarMapRenderer::Frame drawing{frame.transform, QSizeF(frame.size), std::nullopt, true};

    if (suffix == QLatin1String("png")) {
        QImage image(frame.size, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        renderer.render(painter, model, universe, drawing);
        painter.end();
        if (!image.save(file, "PNG"))
            return QObject::tr("Couldn't write the image to %1.").arg(file);
        return std::nullopt;
    }
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(frame.size);
        svg.setViewBox(QRect(QPoint(0, 0), frame.size));
        svg.setTitle(QString::fromStdString(universe.name));
        svg.setDescription(QObject::tr("Star map exported by Velmora"));
        QPainter painter;
        if (!painter.begin(&svg))
            return QObject::tr("Couldn't write the drawing to %1.").arg(file);
        renderer.render(painter, model, universe, drawing);
        painter.end();
        return std::nullopt;
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(file);
        pdf.setTitle(QString::fromStdString(universe.name));
        pdf.setCreator(QStringLiteral("Velmora"));
        pdf.setResolution(72);
        // One page the size of the map, in points.
        pdf.setPageSize(QPageSize(QSizeF(frame.size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf))
            return QObject::tr("Couldn't write the document to %1.").arg(file);
        renderer.render(painter, model, universe, drawing);
        painter.end();
        return std::nullopt;
    }
    return QObject::tr("Choose a file ending in .png, .svg or .pdf.");
}

} // namespace velmora::starmap
