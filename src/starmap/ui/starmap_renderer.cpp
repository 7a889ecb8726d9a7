#include "starmap/ui/starmap_renderer.h"

#include "core/star_system.h"
#include "core/uwp.h"
#include "core/world_tag.h"
#include "universe/faction_color.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::starmap {

namespace {

// Everything the layers share for one frame.
struct Canvas {
    QPainter& painter;
    const universe::MapTransform& transform;
    MapRect visible;   // in map units
    double hexRadius;  // on screen

    QPointF toScreen(core::PointF p) const {
        return {p.x * transform.scale + transform.offsetWidth, p.y * transform.scale + transform.offsetHeight};
    }
    QPointF centerOf(const core::GalacticCoordinates& hex) const {
        return toScreen(core::HexLayout{mapHexRadius}.center(hex));
    }
    QPointF centerOfGlobal(int q, int r) const {
        return toScreen(core::HexLayout{mapHexRadius}.centerOfGlobal(q, r));
    }
};

QColor fromRgb(double r, double g, double b, double alpha = 1.0) {
    QColor color;
    color.setRgbF(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), static_cast<float>(alpha));
    return color;
}

QPolygonF hexPolygon(QPointF center, double radius) {
    QPolygonF polygon;
    for (int i = 0; i < 6; ++i) {
        const double angle = std::numbers::pi / 3.0 * i;
        polygon << QPointF(center.x() + radius * std::cos(angle), center.y() + radius * std::sin(angle));
    }
    return polygon;
}

QFont mapFont(double pixelSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Nebulae of each kind in the colours they glow (or block) in.
QColor nebulaColor(universe::NebulaType type) {
    switch (type) {
    case universe::NebulaType::emission: return QColor(214, 76, 128, 70);
    case universe::NebulaType::reflection: return QColor(82, 132, 230, 70);
    case universe::NebulaType::dark: return QColor(2, 3, 6, 170);
    case universe::NebulaType::planetary: return QColor(64, 196, 170, 70);
    case universe::NebulaType::supernovaRemnant: return QColor(235, 140, 60, 70);
    }
    return QColor(120, 120, 160, 60);
}

void drawNebulae(const Canvas& canvas, const universe::UniverseRecord& universe) {
    if (!universe.mapShowNebulae)
        return;
    QPainter& p = canvas.painter;
    p.setPen(Qt::NoPen);
    const double radius = canvas.hexRadius * 1.02; // overlap a hair so fills join without seams
    for (const universe::Nebula& nebula : universe.nebulae) {
        p.setBrush(nebulaColor(nebula.type));
        for (const core::GalacticCoordinates& hex : nebula.hexes) {
            const core::PointF c = core::HexLayout{mapHexRadius}.center(hex);
            if (!canvas.visible.contains(c) &&
                !canvas.visible.intersects({c.x - mapHexRadius, c.y - mapHexRadius, c.x + mapHexRadius, c.y + mapHexRadius}))
                continue;
            p.drawPolygon(hexPolygon(canvas.toScreen(c), radius));
        }
    }
}

void drawGrid(const Canvas& canvas, const StarMapModel& model, const universe::UniverseRecord& universe) {
    QPainter& p = canvas.painter;
    const HexRange range = model.gridRangeIn(canvas.visible);
    if (range.isEmpty())
        return;
    const double r = canvas.hexRadius;
    if (r >= StarMapRenderer::dotThreshold) {
        // Three edges per hex (upper right, top, upper left) draw every shared edge once;
        // the last row closes the bottom.
        QVector<QLineF> lines;
        lines.reserve(static_cast<qsizetype>((range.lastColumn - range.firstColumn + 1) *
                                             (range.lastRow - range.firstRow + 1) * 3 + 64));
        for (int q = range.firstColumn; q <= range.lastColumn; ++q) {
            for (int row = range.firstRow; row <= range.lastRow; ++row) {
                const QPointF c = canvas.centerOfGlobal(q, row);
                const QPolygonF h = hexPolygon(c, r);
                lines << QLineF(h[0], h[5]) << QLineF(h[5], h[4]) << QLineF(h[4], h[3]);
                if (row == range.lastRow)
                    lines << QLineF(h[0], h[1]) << QLineF(h[1], h[2]) << QLineF(h[2], h[3]);
                else if (q == range.lastColumn)
                    lines << QLineF(h[0], h[1]);
            }
        }
        QPen gridPen(QColor(70, 92, 130, r < 8 ? 90 : 150));
        gridPen.setWidthF(r < 8 ? 0.5 : 0.8);
        p.setPen(gridPen);
        p.drawLines(lines);
    }

    // Sector outlines and, when there is room, their names.
    const core::GalacticCoordinates low = core::GalacticCoordinates::fromGlobal(range.firstColumn, range.firstRow);
    const core::GalacticCoordinates high = core::GalacticCoordinates::fromGlobal(range.lastColumn, range.lastRow);
    QPen sectorPen(QColor(120, 150, 200, 170));
    sectorPen.setWidthF(r < StarMapRenderer::dotThreshold ? 0.8 : 1.4);
    p.setBrush(Qt::NoBrush);
    for (int sx = low.sectorX; sx <= high.sectorX; ++sx) {
        for (int sy = high.sectorY; sy <= low.sectorY; ++sy) {
            const MapRect bounds = StarMapModel::boundsOfSector(sx, sy);
            const QRectF rect(canvas.toScreen({bounds.left, bounds.top}), canvas.toScreen({bounds.right, bounds.bottom}));
            p.setPen(sectorPen);
            p.drawRect(rect);
            if (r >= 3 && r < 2 * StarMapRenderer::nameThreshold) {
                const auto* info = [&]() -> const universe::SectorInfo* {
                    for (const auto& s : universe.sectors) {
                        if (s.sectorX == sx && s.sectorY == sy)
                            return &s;
                    }
                    return nullptr;
                }();
                if (info && !info->name.empty()) {
                    p.setFont(mapFont(std::clamp(r * 2.2, 10.0, 48.0), true));
                    p.setPen(QColor(150, 175, 220, 110));
                    p.drawText(rect, Qt::AlignCenter, qt(info->name));
                }
            }
            // Subsector lines help at the middle zooms.
            if (r >= StarMapRenderer::dotThreshold && r < StarMapRenderer::profileThreshold) {
                QPen subsectorPen(QColor(110, 135, 180, 90));
                subsectorPen.setStyle(Qt::DashLine);
                subsectorPen.setWidthF(0.8);
                p.setPen(subsectorPen);
                for (int i = 1; i < 4; ++i) {
                    const double x = bounds.left + (bounds.right - bounds.left) * i / 4.0;
                    const double y = bounds.top + (bounds.bottom - bounds.top) * i / 4.0;
                    p.drawLine(canvas.toScreen({x, bounds.top}), canvas.toScreen({x, bounds.bottom}));
                    p.drawLine(canvas.toScreen({bounds.left, y}), canvas.toScreen({bounds.right, y}));
                }
            }
        }
    }
}

void drawRegions(const Canvas& canvas, const universe::UniverseRecord& universe, RegionBorderCache& cache) {
    if (!universe.mapShowRegions)
        return;
    QPainter& p = canvas.painter;
    for (const universe::Region& region : universe.regions) {
        const auto& points = cache.points(region, mapHexRadius);
        if (points.size() < 2)
            continue;
        QPainterPath path;
        path.moveTo(canvas.toScreen(points.front()));
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(canvas.toScreen(points[i]));
        const QColor color = StarMapRenderer::paletteColor(region.color);
        if (region.closed) {
            path.closeSubpath();
            p.fillPath(path, StarMapRenderer::paletteColor(region.color, 0.25));
        }
        const double width = std::clamp(canvas.hexRadius * 0.12, 1.0, 4.0);
        QPen under(QColor(0, 0, 0, 140), width * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        QPen over(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(path, under);
        p.strokePath(path, over);

        if (!region.name.empty()) {
            const QPointF at = canvas.toScreen(regionLabelPoint(region, mapHexRadius));
            p.setFont(mapFont(std::clamp(canvas.hexRadius * 0.7, 9.0, 26.0), true));
            p.setPen(color);
            const QRectF box(at.x() - 400, at.y() - 60, 800, 120);
            p.drawText(box, Qt::AlignCenter, qt(region.name));
        }
    }
}

QColor factionColorOf(const universe::UniverseRecord& universe, const core::Uuid& id) {
    for (const universe::Faction& faction : universe.factions) {
        if (faction.id == id)
            return StarMapRenderer::paletteColor(faction.color);
    }
    return QColor(200, 200, 200);
}

void drawRutters(const Canvas& canvas, const universe::UniverseRecord& universe) {
    if (!universe.mapShowRutters)
        return;
    QPainter& p = canvas.painter;
    const double r = canvas.hexRadius;
    for (const universe::Rutter& rutter : universe.rutters) {
        const core::PointF a = core::HexLayout{mapHexRadius}.center(rutter.start);
        const core::PointF b = core::HexLayout{mapHexRadius}.center(rutter.end);
        const MapRect box{std::min(a.x, b.x) - mapHexRadius, std::min(a.y, b.y) - mapHexRadius,
                          std::max(a.x, b.x) + mapHexRadius, std::max(a.y, b.y) + mapHexRadius};
        if (!canvas.visible.intersects(box))
            continue;
        QColor color = factionColorOf(universe, rutter.factionID);
        color.setAlphaF(0.85f);
        // Main routes are wide; a route's age shows in its dash: uncharted routes are
        // dotted, fresh ones dashed, established ones solid.
        QPen pen(color, std::clamp(r * (rutter.mainTradeRoute ? 0.16 : 0.09), 1.0, 6.0));
        pen.setCapStyle(Qt::RoundCap);
        if (rutter.age == universe::RutterAge::uncharted)
            pen.setStyle(Qt::DotLine);
        else if (rutter.age == universe::RutterAge::recent)
            pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        const QPointF from = canvas.toScreen(a);
        const QPointF to = canvas.toScreen(b);
        p.drawLine(from, to);
        if (universe.mapShowRouteDistances && r >= StarMapRenderer::nameThreshold) {
            const QString parsecs = QString::number(core::distance(rutter.start, rutter.end));
            const QPointF middle = (from + to) / 2;
            p.setFont(mapFont(std::clamp(r * 0.3, 8.0, 16.0), true));
            const QRectF box(middle.x() - 20, middle.y() - 10, 40, 20);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(10, 14, 28, 200));
            const double w = QFontMetricsF(p.font()).horizontalAdvance(parsecs) + 6;
            p.drawRoundedRect(QRectF(middle.x() - w / 2, middle.y() - 8, w, 16), 3, 3);
            p.setPen(color.lighter(130));
            p.drawText(box, Qt::AlignCenter, parsecs);
        }
    }
}

// The colour of a world at a glance: its water, its air or the lack of both.
QColor worldColor(const core::UWP& uwp) {
    if (uwp.size == 0)
        return QColor(170, 160, 150);
    if (uwp.atmosphere == 0)
        return QColor(165, 170, 180);
    if (uwp.hydrographics >= 6)
        return QColor(70, 150, 255);
    if (uwp.hydrographics >= 3)
        return QColor(90, 190, 140);
    if (uwp.atmosphere >= 10)
        return QColor(205, 150, 80);
    return QColor(220, 185, 120);
}

bool hasTag(const core::WorldData& world, core::WorldTag tag) {
    return std::find(world.worldTags.begin(), world.worldTags.end(), tag) != world.worldTags.end() ||
           std::find(world.uwp.tags.begin(), world.uwp.tags.end(), tag) != world.uwp.tags.end();
}

bool hasBase(const core::UWP& uwp, std::initializer_list<core::Base> bases) {
    return std::any_of(bases.begin(), bases.end(), [&](core::Base b) { return uwp.bases.count(b) > 0; });
}

void drawSystem(const Canvas& canvas, const core::HexData& hex, const universe::UniverseRecord& universe) {
    QPainter& p = canvas.painter;
    const double r = canvas.hexRadius;
    const QPointF c = canvas.centerOf(hex.coordinates);
    const core::StarSystem& system = hex.starSystem;
    const core::WorldData* main = core::mainWorld(system);
    // Players see a system's profile only once it has been surveyed and the
    // surveyed data is switched on; the referee always sees it.
    const bool profileKnown = universe.mapViewMode == universe::MapViewMode::referee ||
                              (universe.mapShowSurveyedData && system.surveyed);

    const double glyph = r * 0.22;
    if (main) {
        // Zone rings lie under the world.
        if (hasTag(*main, core::WorldTag::redZone) || hasTag(*main, core::WorldTag::amberZone)) {
            const bool red = hasTag(*main, core::WorldTag::redZone);
            p.setPen(QPen(red ? QColor(230, 60, 60) : QColor(240, 180, 40), std::max(1.0, r * 0.06)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, r * 0.5, r * 0.5);
        }
        if (main->uwp.size == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(worldColor(main->uwp));
            for (int i = 0; i < 5; ++i) {
                const double angle = i * 2.4;
                p.drawEllipse(QPointF(c.x() + glyph * std::cos(angle), c.y() + glyph * std::sin(angle)),
                              glyph * 0.28, glyph * 0.28);
            }
        } else {
            p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
            p.setBrush(worldColor(main->uwp));
            p.drawEllipse(c, glyph, glyph);
        }
    } else {
        p.setPen(QPen(QColor(200, 200, 210), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, glyph * 0.7, glyph * 0.7);
    }

    if (system.gasGiant > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(225, 200, 160));
        p.drawEllipse(QPointF(c.x() + r * 0.42, c.y() - r * 0.32), r * 0.08, r * 0.08);
    }
    if (main && profileKnown) {
        if (hasBase(main->uwp, {core::Base::imperialNavalBase, core::Base::navalBase, core::Base::navalDepot,
                                core::Base::militaryBase})) {
            QPolygonF triangle;
            const QPointF at(c.x() - r * 0.45, c.y() - r * 0.3);
            const double s = r * 0.1;
            triangle << QPointF(at.x(), at.y() - s) << QPointF(at.x() + s, at.y() + s) << QPointF(at.x() - s, at.y() + s);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(240, 210, 90));
            p.drawPolygon(triangle);
        }
        if (hasBase(main->uwp, {core::Base::scoutBase, core::Base::wayStation, core::Base::explorationBase})) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 220, 255));
            const double s = r * 0.08;
            p.drawRect(QRectF(c.x() - r * 0.45 - s, c.y() + r * 0.12 - s, 2 * s, 2 * s));
        }
    }
    if (universe.mapShowSurveyedData && system.surveyed && universe.mapViewMode == universe::MapViewMode::referee) {
        // A small survey tick at the lower right.
        QPen tick(QColor(140, 230, 150), std::max(1.0, r * 0.05));
        p.setPen(tick);
        const QPointF at(c.x() + r * 0.38, c.y() + r * 0.22);
        p.drawLine(at, at + QPointF(r * 0.06, r * 0.06));
        p.drawLine(at + QPointF(r * 0.06, r * 0.06), at + QPointF(r * 0.18, -r * 0.1));
    }

    if (r < StarMapRenderer::nameThreshold)
        return;
    const double fontSize = std::clamp(r * 0.27, 7.0, 15.0);
    if (main && profileKnown) {
        p.setFont(mapFont(fontSize, true));
        p.setPen(QColor(235, 235, 245));
        p.drawText(QRectF(c.x() - r, c.y() - r * 0.85, 2 * r, r * 0.5), Qt::AlignCenter,
                   QString(QChar::fromLatin1(core::letter(main->uwp.starport))));
    }
    QString name = system.name.empty() ? QString() : qt(system.name);
    // Worlds of a billion or more are written in capitals, as referees expect.
    if (main && main->uwp.population >= 9)
        name = name.toUpper();
    p.setFont(mapFont(fontSize));
    p.setPen(QColor(230, 232, 240));
    p.drawText(QRectF(c.x() - r * 1.5, c.y() + r * 0.3, 3 * r, r * 0.45), Qt::AlignHCenter | Qt::AlignTop, name);
    if (main && profileKnown && r >= StarMapRenderer::profileThreshold) {
        p.setFont(mapFont(fontSize * 0.85));
        p.setPen(QColor(170, 185, 210));
        p.drawText(QRectF(c.x() - r * 1.5, c.y() + r * 0.62, 3 * r, r * 0.4), Qt::AlignHCenter | Qt::AlignTop,
                   qt(core::uwpCode(main->uwp)).section(QLatin1Char(' '), 0, 0));
    }
}

void drawSystems(const Canvas& canvas, const StarMapModel& model, const universe::UniverseRecord& universe) {
    QPainter& p = canvas.painter;
    const auto systems = model.systemsIn(canvas.visible);
    if (canvas.hexRadius < StarMapRenderer::dotThreshold) {
        // At the widest zooms a system is a point: batch them all in one call.
        QVector<QPointF> points;
        points.reserve(static_cast<qsizetype>(systems.size()));
        for (const core::HexData* hex : systems)
            points << canvas.centerOf(hex->coordinates);
        p.setPen(QPen(QColor(230, 235, 255), std::max(1.0, canvas.hexRadius * 0.8), Qt::SolidLine, Qt::RoundCap));
        p.drawPoints(points);
        return;
    }
    for (const core::HexData* hex : systems)
        drawSystem(canvas, *hex, universe);
}

void drawSelection(const Canvas& canvas, const core::GalacticCoordinates& hex) {
    QPainter& p = canvas.painter;
    p.setPen(QPen(QColor(255, 220, 90), std::max(1.5, canvas.hexRadius * 0.08)));
    p.setBrush(QColor(255, 220, 90, 35));
    p.drawPolygon(hexPolygon(canvas.centerOf(hex), canvas.hexRadius * 0.92));
}

void drawLabels(const Canvas& canvas, const universe::UniverseRecord& universe) {
    if (!universe.mapShowLabels)
        return;
    QPainter& p = canvas.painter;
    for (const universe::StarmapLabel& label : universe.starmapLabels) {
        if (label.text.empty() || universe.hiddenLabelCategories.count(label.category))
            continue;
        const double pixelSize = label.size * canvas.transform.scale;
        // Too small to read, or so large it would only be a smear of colour.
        if (pixelSize < 3 || !std::isfinite(pixelSize))
            continue;
        const core::PointF at = core::HexLayout{mapHexRadius}.center(label.position);
        const double reach = label.size * std::max<std::size_t>(label.text.size(), 1);
        if (!canvas.visible.intersects({at.x - reach, at.y - reach, at.x + reach, at.y + reach}))
            continue;
        p.save();
        p.translate(canvas.toScreen(at));
        p.rotate(label.angle);
        p.setFont(mapFont(std::min(pixelSize, 4000.0), true));
        p.setPen(StarMapRenderer::paletteColor(label.color));
        const QString text = qt(label.text);
        const QFontMetricsF metrics(p.font());
        const double width = metrics.horizontalAdvance(text);
        p.drawText(QPointF(-width / 2, metrics.ascent() / 2 - metrics.descent() / 2), text);
        p.restore();
    }
}

} // namespace

QColor StarMapRenderer::backgroundColor() {
    return QColor(9, 12, 24);
}

QColor StarMapRenderer::paletteColor(universe::FactionColor color, double alpha) {
    const auto [r, g, b] = universe::rgb(color);
    return fromRgb(r, g, b, alpha);
}

void StarMapRenderer::render(QPainter& painter, const StarMapModel& model, const universe::UniverseRecord& universe,
                             const Frame& frame) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (frame.background)
        painter.fillRect(QRectF(QPointF(0, 0), frame.size), backgroundColor());

    const auto& t = frame.transform;
    const MapRect visible{(0 - t.offsetWidth) / t.scale, (0 - t.offsetHeight) / t.scale,
                          (frame.size.width() - t.offsetWidth) / t.scale,
                          (frame.size.height() - t.offsetHeight) / t.scale};
    const Canvas canvas{painter, t, visible, mapHexRadius * t.scale};

    drawNebulae(canvas, universe);
    drawGrid(canvas, model, universe);
    drawRegions(canvas, universe, m_borders);
    drawRutters(canvas, universe);
    drawSystems(canvas, model, universe);
    if (frame.selected)
        drawSelection(canvas, *frame.selected);
    drawLabels(canvas, universe);
    painter.restore();
}

} // namespace velmora::starmap
