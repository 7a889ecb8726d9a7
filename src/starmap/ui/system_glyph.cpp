#include "starmap/ui/system_glyph.h"

#include "core/uwp.h"
#include "core/world_tag.h"
#include "universe/system_disclosure.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace velmora::starmap {

namespace {

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

bool hasBase(const core::UWP& uwp, std::initializer_list<core::Base> bases) {
    return std::any_of(bases.begin(), bases.end(),
                       [&](core::Base b) { return uwp.bases.count(b) > 0; });
}

} // namespace

GlyphSpec glyphOf(const core::StarSystem& system, const core::WorldData* main, bool profileKnown,
                  bool surveyTick) {
    GlyphSpec look;
    look.surveyed = surveyTick;
    // Travel advisories are public: the ring shows whatever else is withheld.
    if (main) {
        if (const auto zone = universe::travelZone(*main))
            look.zone = *zone == core::WorldTag::redZone ? 2 : 1;
    }
    if (!profileKnown) {
        look.world = GlyphSpec::World::unknown;
        return look;
    }
    if (main) {
        look.world = main->uwp.size == 0 ? GlyphSpec::World::belt : GlyphSpec::World::body;
        look.color = worldColor(main->uwp).rgba();
        look.navalBase = hasBase(main->uwp, {core::Base::imperialNavalBase, core::Base::navalBase,
                                             core::Base::navalDepot, core::Base::militaryBase});
        look.scoutBase = hasBase(main->uwp, {core::Base::scoutBase, core::Base::wayStation,
                                             core::Base::explorationBase});
    }
    look.gasGiant = system.gasGiant > 0;
    return look;
}

void paintGlyph(QPainter& p, double r, const GlyphSpec& look) {
    if (look.dimmed)
        p.setOpacity(dimmedGlyphOpacity);
    const QPointF c(0, 0);
    const double glyph = r * 0.22;
    if (look.zone > 0) {
        // Zone rings lie under the world.
        p.setPen(QPen(look.zone == 2 ? QColor(230, 60, 60) : QColor(240, 180, 40),
                      std::max(1.0, r * 0.06)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r * 0.5, r * 0.5);
    }
    switch (look.world) {
    case GlyphSpec::World::belt:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgba(look.color));
        for (int i = 0; i < 5; ++i) {
            const double angle = i * 2.4;
            p.drawEllipse(QPointF(glyph * std::cos(angle), glyph * std::sin(angle)), glyph * 0.28,
                          glyph * 0.28);
        }
        break;
    case GlyphSpec::World::body:
        p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
        p.setBrush(QColor::fromRgba(look.color));
        p.drawEllipse(c, glyph, glyph);
        break;
    case GlyphSpec::World::none:
        p.setPen(QPen(QColor(200, 200, 210), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, glyph * 0.7, glyph * 0.7);
        break;
    case GlyphSpec::World::unknown:
        // The same grey disc for every such system, with or without a main world.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(175, 180, 195));
        p.drawEllipse(c, glyph * 0.6, glyph * 0.6);
        break;
    }
    if (look.gasGiant) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(225, 200, 160));
        p.drawEllipse(QPointF(r * 0.42, -r * 0.32), r * 0.08, r * 0.08);
    }
    if (look.navalBase) {
        QPolygonF triangle;
        const QPointF at(-r * 0.45, -r * 0.3);
        const double s = r * 0.1;
        triangle << QPointF(at.x(), at.y() - s) << QPointF(at.x() + s, at.y() + s)
                 << QPointF(at.x() - s, at.y() + s);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 210, 90));
        p.drawPolygon(triangle);
    }
    if (look.scoutBase) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 220, 255));
        const double s = r * 0.08;
        p.drawRect(QRectF(-r * 0.45 - s, r * 0.12 - s, 2 * s, 2 * s));
    }
    if (look.surveyed) {
        // A small survey tick at the lower right.
        p.setPen(QPen(QColor(140, 230, 150), std::max(1.0, r * 0.05)));
        const QPointF at(r * 0.38, r * 0.22);
        p.drawLine(at, at + QPointF(r * 0.06, r * 0.06));
        p.drawLine(at + QPointF(r * 0.06, r * 0.06), at + QPointF(r * 0.18, -r * 0.1));
    }
}

} // namespace velmora::starmap
