#pragma once

#include "core/star_system.h"
#include "core/world_data.h"

#include <QColor>
#include <QtGlobal>

class QPainter;

namespace velmora::starmap {

// How much of a system a search did not find still shows.
inline constexpr double dimmedGlyphOpacity = 0.3;

// Everything a system's glyph shows, so equal glyphs can share one sprite.
struct GlyphSpec {
    // `unknown` is the neutral mark of a system whose profile is withheld.
    enum class World { none, belt, body, unknown } world = World::none;
    QRgb color = 0;
    int zone = 0; // 0 none, 1 amber, 2 red
    bool gasGiant = false;
    bool navalBase = false;
    bool scoutBase = false;
    bool surveyed = false;
    bool dimmed = false; // faded back behind a search's matches

    // Packed into one number with the sprite's size, in quarter pixels.
    quint64 key(int quarterPixels) const {
        return static_cast<quint64>(color) | (static_cast<quint64>(world) << 32) |
               (static_cast<quint64>(zone) << 34) | (static_cast<quint64>(gasGiant) << 36) |
               (static_cast<quint64>(navalBase) << 37) | (static_cast<quint64>(scoutBase) << 38) |
               (static_cast<quint64>(surveyed) << 39) |
               (static_cast<quint64>(quarterPixels & 0xFFFF) << 40) |
               (static_cast<quint64>(dimmed) << 56);
    }
};

// The glyph of a system: its main world (when its profile may be shown), its zone
// (always public), gas giant, bases and survey tick.
GlyphSpec glyphOf(const core::StarSystem& system, const core::WorldData* main, bool profileKnown,
                  bool surveyTick);
// Draws a glyph centred on the origin for a hex of radius r.
void paintGlyph(QPainter& p, double r, const GlyphSpec& look);

} // namespace velmora::starmap
