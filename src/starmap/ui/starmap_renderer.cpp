#include "starmap/ui/starmap_renderer.h"

#include "core/star_system.h"
#include "core/uwp.h"
#include "starmap/ui/grid_picture.h"
#include "starmap/ui/map_text_cache.h"
#include "starmap/ui/name_placement.h"
#include "starmap/ui/route_layer.h"
#include "starmap/ui/system_glyph.h"
#include "ui/qt_text.h"
#include "universe/faction_color.h"
#include "universe/system_disclosure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace velmora::starmap {

namespace {

// Everything the layers share for one frame.
struct Canvas {
    QPainter& painter;
    const universe::MapTransform& transform;
    MapRect visible;  // in map units
    QSizeF size;      // of the frame, on screen
    double hexRadius; // on screen
    MapTextCache& text;
    bool sprites; // a pixel device, where cached pictures may stand in for shapes
    // The zoom is the last frame's: pictures drawn for it (region outlines, the grid)
    // will serve again. While zooming they would be drawn for one frame only.
    bool settled;
    bool background; // the frame was filled with deep space
    bool hexNumbers; // wanted, and the hexes are large enough
    const std::unordered_set<const core::HexData*>* highlighted;
    // The region and subsector names placed so far in this frame: a later one keeps off them.
    std::vector<LabelBox>* placedNames;

    QPointF placeName(const StarMapModel& model, QPointF preferred, QSizeF size) const {
        const QPointF at =
            placeNameAmongSystems(model, transform, hexRadius, preferred, size, *placedNames);
        placedNames->push_back(LabelBox::centredOn({at.x(), at.y()}, size.width(), size.height()));
        return at;
    }

    QPointF toScreen(core::PointF p) const {
        return {p.x * transform.scale + transform.offsetWidth,
                p.y * transform.scale + transform.offsetHeight};
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
    color.setRgbF(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b),
                  static_cast<float>(alpha));
    return color;
}

QPolygonF hexPolygon(QPointF center, double radius) {
    QPolygonF polygon;
    polygon.reserve(6);
    for (const QPointF& corner : unitHexCorners())
        polygon << center + corner * radius;
    return polygon;
}

// Nebulae of each kind in the colours they glow (or block) in.
QColor nebulaColor(universe::NebulaType type) {
    switch (type) {
    case universe::NebulaType::emission:
        return QColor(214, 76, 128, 70);
    case universe::NebulaType::reflection:
        return QColor(82, 132, 230, 70);
    case universe::NebulaType::dark:
        return QColor(2, 3, 6, 170);
    case universe::NebulaType::planetary:
        return QColor(64, 196, 170, 70);
    case universe::NebulaType::supernovaRemnant:
        return QColor(235, 140, 60, 70);
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
                !canvas.visible.intersects({c.x - mapHexRadius, c.y - mapHexRadius,
                                            c.x + mapHexRadius, c.y + mapHexRadius}))
                continue;
            p.drawPolygon(hexPolygon(canvas.toScreen(c), radius));
        }
    }
}

void drawGrid(const Canvas& canvas, const StarMapModel& model,
              const universe::UniverseRecord& universe, HexGridPicture& picture) {
    QPainter& p = canvas.painter;
    const HexRange range = model.gridRangeIn(canvas.visible);
    if (range.isEmpty())
        return;
    const double r = canvas.hexRadius;
    const bool subsectorLines =
        r >= StarMapRenderer::dotThreshold && r < StarMapRenderer::profileThreshold;
    // Inside the grid's area, once the zoom rests, the lines come from the picture;
    // while zooming, across the grid's edges and on paper they are stroked.
    const bool pictured = canvas.sprites && canvas.settled && r >= StarMapRenderer::dotThreshold &&
                          range == StarMapModel::hexRangeOf(canvas.visible);
    if (pictured) {
        picture.draw(p, canvas.transform, canvas.size, subsectorLines);
    } else if (r >= StarMapRenderer::dotThreshold) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(hexGridPen(r));
        p.drawLines(hexGridLines(range, canvas.transform));
        p.restore();
    }

    // Sector outlines and, when there is room, their names.
    const core::GalacticCoordinates low =
        core::GalacticCoordinates::fromGlobal(range.firstColumn, range.firstRow);
    const core::GalacticCoordinates high =
        core::GalacticCoordinates::fromGlobal(range.lastColumn, range.lastRow);
    // Over deep space the outlines are drawn opaque in the colour their translucent
    // stroke would leave: an opaque fill is a plain copy, a translucent one is blended.
    const QColor sectorColor =
        canvas.sprites && canvas.background ? QColor(83, 104, 141) : QColor(120, 150, 200, 170);
    const double sectorLine = r < StarMapRenderer::dotThreshold ? 0.8 : 1.4;
    p.setBrush(Qt::NoBrush);
    for (int sx = low.sectorX; sx <= high.sectorX; ++sx) {
        for (int sy = high.sectorY; sy <= low.sectorY; ++sy) {
            const MapRect bounds = StarMapModel::boundsOfSector(sx, sy);
            const QRectF rect(canvas.toScreen({bounds.left, bounds.top}),
                              canvas.toScreen({bounds.right, bounds.bottom}));
            if (canvas.sprites) {
                // Outlines run along the axes: four thin fills cost far less than
                // stroking a frame as large as the window.
                const double half = sectorLine / 2;
                p.fillRect(QRectF(rect.left() - half, rect.top() - half, rect.width() + sectorLine,
                                  sectorLine),
                           sectorColor);
                p.fillRect(QRectF(rect.left() - half, rect.bottom() - half,
                                  rect.width() + sectorLine, sectorLine),
                           sectorColor);
                p.fillRect(QRectF(rect.left() - half, rect.top() + half, sectorLine,
                                  rect.height() - sectorLine),
                           sectorColor);
                p.fillRect(QRectF(rect.right() - half, rect.top() + half, sectorLine,
                                  rect.height() - sectorLine),
                           sectorColor);
            } else {
                QPen sectorPen(sectorColor);
                sectorPen.setWidthF(sectorLine);
                p.setPen(sectorPen);
                p.drawRect(rect);
            }
            if (r >= 3 && r < 2 * StarMapRenderer::nameThreshold) {
                const auto* info = [&]() -> const universe::SectorInfo* {
                    for (const auto& s : universe.sectors) {
                        if (s.sectorX == sx && s.sectorY == sy)
                            return &s;
                    }
                    return nullptr;
                }();
                if (info && !info->name.empty()) {
                    const QString name = qt(info->name);
                    const int font = canvas.text.fontId(std::clamp(r * 2.2, 10.0, 48.0), true);
                    p.setPen(QColor(150, 175, 220, 110));
                    canvas.text.drawCenteredOn(p,
                                               placeNameAmongSystems(model, canvas.transform, r,
                                                                     rect.center(),
                                                                     canvas.text.size(name, font)),
                                               name, font);
                }
            }
            if (subsectorLines && !pictured) {
                // Each subsector's edge dashed on its own, as the grid's picture draws them.
                p.setPen(subsectorPen());
                const double width = (bounds.right - bounds.left) / 4.0;
                const double height = (bounds.bottom - bounds.top) / 4.0;
                for (int i = 1; i < 4; ++i) {
                    for (int j = 0; j < 4; ++j) {
                        const double x = bounds.left + width * i;
                        const double y = bounds.top + height * j;
                        p.drawLine(canvas.toScreen({x, y}), canvas.toScreen({x, y + height}));
                        const double u = bounds.left + width * j;
                        const double v = bounds.top + height * i;
                        p.drawLine(canvas.toScreen({u, v}), canvas.toScreen({u + width, v}));
                    }
                }
            }
        }
    }
}

// Texts on a pixel device come from cached pictures; on paper and in SVG they stay text.
void drawCenteredText(const Canvas& canvas, QPointF topCenter, const QString& text, int font,
                      const QColor& color) {
    if (canvas.sprites) {
        canvas.text.blitCentered(canvas.painter, topCenter, text, font, color.rgba());
    } else {
        canvas.painter.setPen(color);
        canvas.text.drawCentered(canvas.painter, topCenter, text, font);
    }
}

// Where a hex number's text begins below its hex's centre, in hex radii: just under
// the top edge (at 0.866), clear of the outline a search draws inside it.
constexpr double hexNumberTop = 0.8;

// The font of hex numbers.
int hexNumberFont(const Canvas& canvas) {
    return canvas.text.fontId(std::clamp(canvas.hexRadius * 0.2, 6.0, 12.0));
}

// "CCRR" under the top edge of every hex, as printed sector maps number them. The
// texts are cached pictures, so a screen of two thousand numbers costs little.
void drawHexNumbers(const Canvas& canvas, const StarMapModel& model) {
    const HexRange range = model.gridRangeIn(canvas.visible);
    if (range.isEmpty())
        return;
    const int font = hexNumberFont(canvas);
    const QColor color(125, 145, 185);
    const double top = canvas.hexRadius * hexNumberTop;
    QString number(4, QLatin1Char('0'));
    const auto twoDigits = [&](int at, int value) {
        number[at] = QLatin1Char(static_cast<char>('0' + value / 10));
        number[at + 1] = QLatin1Char(static_cast<char>('0' + value % 10));
    };
    for (int q = range.firstColumn; q <= range.lastColumn; ++q) {
        twoDigits(0, core::floorMod(q, core::sectorColumns) + 1);
        for (int row = range.firstRow; row <= range.lastRow; ++row) {
            twoDigits(2, core::floorMod(row, core::sectorRows) + 1);
            const QPointF c = canvas.centerOfGlobal(q, row);
            drawCenteredText(canvas, QPointF(c.x(), c.y() - top), number, font, color);
        }
    }
}

// A name placed on the map, written once the lines it may cross are drawn.
struct PlacedName {
    QPointF center;
    QString text;
    int font = 0;
    QColor color;
};

void drawNames(const Canvas& canvas, const std::vector<PlacedName>& names) {
    for (const PlacedName& name : names) {
        canvas.painter.setPen(name.color);
        canvas.text.drawCenteredOn(canvas.painter, name.center, name.text, name.font);
    }
}

// Region borders and fills; their names are placed here and written later, over
// the routes.
void drawRegions(const Canvas& canvas, const StarMapModel& model,
                 const universe::UniverseRecord& universe, RegionBorderCache& cache,
                 std::vector<PlacedName>& names) {
    if (!universe.mapShowRegions)
        return;
    QPainter& p = canvas.painter;
    p.save();
    // Far out, borders are a pixel or two wide: smoothing them buys nothing.
    p.setRenderHint(QPainter::Antialiasing, canvas.hexRadius >= StarMapRenderer::dotThreshold);
    for (const universe::Region& region : universe.regions) {
        const auto& points = cache.points(region, mapHexRadius);
        if (points.size() < 2)
            continue;
        MapRect box{points.front().x, points.front().y, points.front().x, points.front().y};
        for (const core::PointF& point : points) {
            box.left = std::min(box.left, point.x);
            box.right = std::max(box.right, point.x);
            box.top = std::min(box.top, point.y);
            box.bottom = std::max(box.bottom, point.y);
        }
        if (!canvas.visible.intersects(box))
            continue;
        const QColor color = StarMapRenderer::paletteColor(region.color);
        const double scale = canvas.transform.scale;
        const double width = std::clamp(canvas.hexRadius * 0.12, 1.0, 4.0);
        // The border and fill, drawn around the origin at the bounding box's top left.
        const auto paintBorder = [&](QPainter& painter, QPointF origin) {
            QPainterPath path;
            path.moveTo(origin + QPointF((points.front().x - box.left) * scale,
                                         (points.front().y - box.top) * scale));
            for (std::size_t i = 1; i < points.size(); ++i)
                path.lineTo(origin + QPointF((points[i].x - box.left) * scale,
                                             (points[i].y - box.top) * scale));
            if (region.closed) {
                path.closeSubpath();
                painter.fillPath(path, StarMapRenderer::paletteColor(region.color, 0.25));
            }
            painter.strokePath(path, QPen(QColor(0, 0, 0, 140), width * 2.2, Qt::SolidLine,
                                          Qt::RoundCap, Qt::RoundJoin));
            painter.strokePath(path,
                               QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        };
        const QPointF topLeft = canvas.toScreen({box.left, box.top});
        const QSizeF size((box.right - box.left) * scale + 4 * width,
                          (box.bottom - box.top) * scale + 4 * width);
        // On pixel devices a region of modest size on screen is drawn once into a
        // sprite and blitted while the zoom stays the same.
        if (canvas.sprites && canvas.settled && size.width() < 2048 && size.height() < 2048) {
            std::size_t key = std::hash<core::Uuid>()(region.id);
            key = key * 31 + static_cast<std::size_t>(region.color);
            key = key * 31 + static_cast<std::size_t>(region.closed);
            key = key * 31 + static_cast<std::size_t>(std::lround(scale * 4096));
            for (const auto& anchor : region.anchors)
                key = key * 31 + std::hash<core::GalacticCoordinates>()(anchor.hex) +
                      static_cast<std::size_t>(anchor.corner);
            const QPointF margin(2 * width, 2 * width);
            const QPixmap& sprite = canvas.text.sprite(
                static_cast<quint64>(key), size, p.device()->devicePixelRatioF(),
                [&](QPainter& painter) {
                    painter.setRenderHint(QPainter::Antialiasing,
                                          canvas.hexRadius >= StarMapRenderer::dotThreshold);
                    paintBorder(painter, QPointF(-size.width() / 2, -size.height() / 2) + margin);
                });
            p.drawPixmap(QPoint(static_cast<int>(std::lround(topLeft.x() - margin.x())),
                                static_cast<int>(std::lround(topLeft.y() - margin.y()))),
                         sprite);
        } else {
            paintBorder(p, topLeft);
        }

        if (!region.name.empty()) {
            const QString name = qt(region.name);
            const int font =
                canvas.text.fontId(std::clamp(canvas.hexRadius * 0.7, 9.0, 26.0), true);
            // The name moves off the worlds it would cover, when there is room nearby.
            const QPointF at =
                canvas.placeName(model, canvas.toScreen(regionLabelPoint(region, mapHexRadius)),
                                 canvas.text.size(name, font));
            names.push_back({at, name, font, color});
        }
    }
    p.restore();
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
    p.save();
    p.setRenderHint(QPainter::Antialiasing, canvas.hexRadius >= StarMapRenderer::dotThreshold);
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
            const int font = canvas.text.fontId(std::clamp(r * 0.3, 8.0, 16.0), true);
            const QSizeF size = canvas.text.size(parsecs, font);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(10, 14, 28, 200));
            p.drawRoundedRect(QRectF(middle.x() - size.width() / 2 - 3,
                                     middle.y() - size.height() / 2 - 1, size.width() + 6,
                                     size.height() + 2),
                              3, 3);
            p.setPen(color.lighter(130));
            canvas.text.drawCenteredOn(p, middle, parsecs, font);
        }
    }
    p.restore();
}

// Text of a system a search did not find fades back as its glyph does.
QColor dimmedIf(bool dimmed, QColor color) {
    if (dimmed)
        color.setAlphaF(color.alphaF() * static_cast<float>(dimmedGlyphOpacity));
    return color;
}

void drawSystem(const Canvas& canvas, const core::HexData& hex,
                const universe::UniverseRecord& universe, bool dimmed = false) {
    QPainter& p = canvas.painter;
    const double r = canvas.hexRadius;
    const QPointF c = canvas.centerOf(hex.coordinates);
    const core::StarSystem& system = hex.starSystem;
    const core::WorldData* main = core::mainWorld(system);
    const bool profileKnown = universe::systemDisclosure(universe, system).profile;
    const bool surveyTick = universe.mapShowSurveyedData && system.surveyed &&
                            universe.mapViewMode == universe::MapViewMode::referee;
    GlyphSpec look = glyphOf(system, main, profileKnown, surveyTick);
    look.dimmed = dimmed;

    if (canvas.highlighted && canvas.highlighted->contains(&hex)) {
        // A search's match: the hex tinted and outlined, under everything written in it.
        QColor tint = StarMapRenderer::highlightColor();
        tint.setAlpha(45);
        p.setPen(QPen(StarMapRenderer::highlightColor(), std::clamp(r * 0.04, 1.2, 2.5)));
        p.setBrush(tint);
        p.drawPolygon(hexPolygon(c, r * 0.95));
    }

    if (canvas.sprites) {
        // Sprites are drawn at a quarter-pixel step of radius, so zooming reuses them.
        const int quarters = static_cast<int>(std::lround(r * 4));
        const double step = quarters / 4.0;
        const QSizeF size(2 * step, 2 * step);
        const QPixmap& sprite =
            canvas.text.sprite(look.key(quarters), size, p.device()->devicePixelRatioF(),
                               [&](QPainter& painter) { paintGlyph(painter, step, look); });
        // Whole pixels keep the blit on its fast path.
        p.drawPixmap(QPoint(static_cast<int>(std::lround(c.x() - step)),
                            static_cast<int>(std::lround(c.y() - step))),
                     sprite);
    } else {
        p.save();
        p.translate(c);
        paintGlyph(p, r, look);
        p.restore();
    }

    if (r < StarMapRenderer::nameThreshold)
        return;
    const double fontSize = std::clamp(r * 0.27, 7.0, 15.0);
    if (main && profileKnown) {
        const int font = canvas.text.fontId(fontSize, true);
        const double height = canvas.text.size(QStringLiteral("A"), font).height();
        // Under a hex number the letter moves down to sit on the world.
        const double top =
            canvas.hexNumbers
                ? std::max(
                      c.y() - r * hexNumberTop +
                          canvas.text.size(QStringLiteral("0"), hexNumberFont(canvas)).height() *
                              0.8,
                      c.y() - r * 0.22 - height * 0.9)
                : c.y() - r * 0.6 - height / 2;
        drawCenteredText(canvas, QPointF(c.x(), top),
                         QString(QChar::fromLatin1(core::letter(main->uwp.starport))), font,
                         dimmedIf(dimmed, QColor(235, 235, 245)));
    }
    QString name = system.name.empty() ? QString() : qt(system.name);
    // Worlds of a billion or more are written in capitals, as referees expect; the
    // capitals would tell players the population, so a withheld profile keeps the name as written.
    if (main && profileKnown && main->uwp.population >= 9)
        name = name.toUpper();
    if (!name.isEmpty())
        drawCenteredText(canvas, QPointF(c.x(), c.y() + r * 0.3), name,
                         canvas.text.fontId(fontSize), dimmedIf(dimmed, QColor(230, 232, 240)));
    if (main && profileKnown && r >= StarMapRenderer::profileThreshold) {
        drawCenteredText(canvas, QPointF(c.x(), c.y() + r * 0.62),
                         qt(core::uwpCode(main->uwp)).section(QLatin1Char(' '), 0, 0),
                         canvas.text.fontId(fontSize * 0.85),
                         dimmedIf(dimmed, QColor(170, 185, 210)));
    }
}

void drawSystems(const Canvas& canvas, const StarMapModel& model,
                 const universe::UniverseRecord& universe) {
    QPainter& p = canvas.painter;
    const auto systems = model.systemsIn(canvas.visible);
    if (canvas.hexRadius < StarMapRenderer::dotThreshold) {
        // At the widest zooms a system is a point: batch them all in one call.
        QVector<QPointF> points;
        QVector<QPointF> found;
        points.reserve(static_cast<qsizetype>(systems.size()));
        for (const core::HexData* hex : systems) {
            if (canvas.highlighted && canvas.highlighted->contains(hex))
                found << canvas.centerOf(hex->coordinates);
            else
                points << canvas.centerOf(hex->coordinates);
        }
        // Square, unsmoothed points: tens of thousands of them cost next to nothing.
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        const double size = canvas.hexRadius < 2 ? 1.0 : 2.0;
        p.setPen(QPen(QColor(230, 235, 255, canvas.highlighted ? 70 : 255), size, Qt::SolidLine,
                      Qt::SquareCap));
        p.drawPoints(points);
        // A search's matches stand out even where systems are a pixel each.
        p.setPen(QPen(StarMapRenderer::highlightColor(), size + 2, Qt::SolidLine, Qt::SquareCap));
        p.drawPoints(found);
        p.restore();
        return;
    }
    if (!canvas.highlighted) {
        for (const core::HexData* hex : systems)
            drawSystem(canvas, *hex, universe);
        return;
    }
    // While a search is shown, what it did not find fades back: in its own sprites
    // and text colours, so the blits stay on their fast path.
    for (const core::HexData* hex : systems)
        drawSystem(canvas, *hex, universe, !canvas.highlighted->contains(hex));
}

void drawSelection(const Canvas& canvas, const core::GalacticCoordinates& hex) {
    QPainter& p = canvas.painter;
    p.setPen(QPen(QColor(255, 220, 90), std::max(1.5, canvas.hexRadius * 0.08)));
    p.setBrush(QColor(255, 220, 90, 35));
    // Over a hex number the outline runs along the hex's own edge, clear of the number.
    p.drawPolygon(
        hexPolygon(canvas.centerOf(hex), canvas.hexRadius * (canvas.hexNumbers ? 1.0 : 0.92)));
}

void drawLabels(const Canvas& canvas, const StarMapModel& model,
                const universe::UniverseRecord& universe) {
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
        const QString text = qt(label.text);
        const int font = canvas.text.fontId(std::min(pixelSize, 4000.0), true);
        const QColor color = StarMapRenderer::paletteColor(label.color);
        const auto paintLabel = [&](QPainter& painter) {
            painter.rotate(label.angle);
            painter.setPen(color);
            canvas.text.drawCenteredOn(painter, QPointF(0, 0), text, font);
        };
        const QSizeF textSize = canvas.text.size(text, font);
        // A subsector's name moves off the worlds it would cover; every other label
        // stays where the referee put it.
        const QPointF centre = label.category == universe::subsectorNameCategory && label.angle == 0
                                   ? canvas.placeName(model, canvas.toScreen(at), textSize)
                                   : canvas.toScreen(at);
        const double diagonal = std::hypot(textSize.width(), textSize.height()) + 4;
        if (canvas.sprites && diagonal < 2048) {
            // Rotated text is slow to draw: each label is drawn turned once and blitted.
            const std::size_t key = qHashMulti(0, text, font, color.rgba(),
                                               static_cast<int>(std::lround(label.angle * 10)));
            const QPixmap& sprite = canvas.text.sprite(
                static_cast<quint64>(key) ^ 0x9e3779b97f4a7c15ULL, QSizeF(diagonal, diagonal),
                p.device()->devicePixelRatioF(), paintLabel);
            p.drawPixmap(QPoint(static_cast<int>(std::lround(centre.x() - diagonal / 2)),
                                static_cast<int>(std::lround(centre.y() - diagonal / 2))),
                         sprite);
        } else {
            p.save();
            p.translate(centre);
            paintLabel(p);
            p.restore();
        }
    }
}

} // namespace

StarMapRenderer::StarMapRenderer()
    : m_text(std::make_unique<MapTextCache>()), m_grid(std::make_unique<HexGridPicture>()) {}
StarMapRenderer::~StarMapRenderer() = default;

QColor StarMapRenderer::backgroundColor() {
    return QColor(9, 12, 24);
}

QColor StarMapRenderer::highlightColor() {
    return QColor(80, 235, 255);
}

QColor StarMapRenderer::paletteColor(universe::FactionColor color, double alpha) {
    const auto [r, g, b] = universe::rgb(color);
    return fromRgb(r, g, b, alpha);
}

void StarMapRenderer::render(QPainter& painter, const StarMapModel& model,
                             const universe::UniverseRecord& universe, const Frame& frame) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (frame.background)
        painter.fillRect(QRectF(QPointF(0, 0), frame.size), backgroundColor());

    const auto& t = frame.transform;
    const MapRect visible{(0 - t.offsetWidth) / t.scale, (0 - t.offsetHeight) / t.scale,
                          (frame.size.width() - t.offsetWidth) / t.scale,
                          (frame.size.height() - t.offsetHeight) / t.scale};
    // Vector devices (PDF, SVG) keep every shape and text as it is.
    const bool pixels =
        painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    std::vector<LabelBox> placedNames;
    const double hexRadius = mapHexRadius * t.scale;
    const bool settled = t.scale == m_lastScale;
    m_lastScale = t.scale;
    m_provisional = pixels && !settled;
    const Canvas canvas{painter,
                        t,
                        visible,
                        frame.size,
                        hexRadius,
                        *m_text,
                        pixels,
                        settled,
                        frame.background,
                        frame.hexNumbers && hexRadius >= hexNumberThreshold,
                        frame.highlighted,
                        &placedNames};

    drawNebulae(canvas, universe);
    drawGrid(canvas, model, universe, *m_grid);
    if (canvas.hexNumbers)
        drawHexNumbers(canvas, model);
    std::vector<PlacedName> regionNames;
    drawRegions(canvas, model, universe, m_borders, regionNames);
    drawRutters(canvas, universe);
    if (frame.route)
        drawPinnedRoute(painter, t, visible, hexRadius, *frame.route);
    drawNames(canvas, regionNames);
    drawSystems(canvas, model, universe);
    if (frame.selected)
        drawSelection(canvas, *frame.selected);
    drawLabels(canvas, model, universe);
    painter.restore();
}

} // namespace velmora::starmap
