#include "overlays/ui/paint_on_map_button.h"

#include "overlays/ui/overlay_ui_support.h"
#include "starmap/painted_area.h"
#include "ui/map_openers.h"
#include "universe/overlay_texts.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_manager.h"

#include <algorithm>

namespace velmora::overlays {

PaintOnMapButton::PaintOnMapButton(Hooks hooks, QWidget* parent)
    : QPushButton(tr("Paint on Map"), parent), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("paintOnMap"));
    setCheckable(true);
    setToolTip(tr("Paint hexes on the star map: click or drag to add them, Shift to remove "
                  "them; each stroke is one edit. A record not yet created is created first."));
    connect(this, &QPushButton::toggled, this, [this](bool on) { setPainting(on); });
    m_session = ui::mapPaintSession().changed().subscribe([this] { refresh(); });
}

// The brush stays on: the referee left the editor to paint on the map.
PaintOnMapButton::~PaintOnMapButton() = default;

bool PaintOnMapButton::isPainting() const {
    return ui::mapPaintSession().isPainting(m_hooks.recordID());
}

void PaintOnMapButton::setPainting(bool on) {
    if (on == isPainting()) {
        refresh();
        return;
    }
    if (!on) {
        ui::mapPaintSession().stop();
        return;
    }
    std::optional<ui::MapPaintTarget> target = m_hooks.start();
    if (!target) {
        refresh();
        return;
    }
    ui::mapPaintSession().start(std::move(*target));
    if (const auto& showMap = ui::mapOpeners().showMap)
        showMap();
}

void PaintOnMapButton::refresh() {
    const bool painting = isPainting();
    if (painting && !m_following) {
        m_universe = m_hooks.universe().changed().subscribe([this] {
            if (isPainting() && m_hooks.follow)
                m_hooks.follow();
        });
        m_following = true;
    } else if (!painting) {
        m_universe.reset();
        m_following = false;
    }
    const QSignalBlocker blocker(this);
    setChecked(painting);
    setText(painting ? tr("Stop Painting") : tr("Paint on Map"));
}

namespace {

template <typename Record>
const Record* findRecord(const std::vector<Record>& records, const core::Uuid& id) {
    const auto it = std::find_if(records.begin(), records.end(),
                                 [&id](const Record& record) { return record.id == id; });
    return it == records.end() ? nullptr : &*it;
}

QString report(const universe::EditResult& result) {
    return result ? QString() : qt(result.error);
}

} // namespace

ui::MapPaintTarget regionPaintTarget(universe::UniverseManager& manager, const core::Uuid& id) {
    universe::RidivivevIzeviduv& universe = manager.current();
    ui::MapPaintTarget target;
    target.universeID = universe.id();
    target.recordID = id;
    if (const universe::Region* region = findRecord(universe.regions(), id)) {
        target.title =
            QObject::tr("Painting Region %1").arg(qt(universe::regionDisplayName(*region)));
        target.color = qtColor(region->color);
    }
    target.paint = [&manager, id](const std::vector<core::GalacticCoordinates>& hexes,
                                  bool removing) -> QString {
        universe::RidivivevIzeviduv& universe = manager.current();
        const universe::Region* region = findRecord(universe.regions(), id);
        if (!region)
            return QObject::tr("The region is no longer in this universe.");
        const std::vector<core::GalacticCoordinates> area =
            starmap::paintedArea(*region, hexes, removing);
        universe::Region painted = *region;
        painted.anchors = starmap::outlineAnchors(area);
        painted.closed = true;
        // A region has one border: a stroke that would leave a second patch, or a
        // hole, is not made rather than quietly changed.
        if (!starmap::outlineKeeps(painted, area, hexes, removing))
            return removing ? QObject::tr("Not removed: a region is one area without holes, "
                                          "so remove hexes from its edge.")
                            : QObject::tr("Not added: a region is one area, so paint hexes "
                                          "that touch it.");
        if (painted == *region)
            return {};
        return report(universe.putRecord(&universe::UniverseRecord::regions, painted,
                                         "Paint Region " + universe::regionDisplayName(painted)));
    };
    return target;
}

ui::MapPaintTarget nebulaPaintTarget(universe::UniverseManager& manager, const core::Uuid& id) {
    universe::RidivivevIzeviduv& universe = manager.current();
    ui::MapPaintTarget target;
    target.universeID = universe.id();
    target.recordID = id;
    target.color = QColor(160, 130, 240);
    if (const universe::Nebula* nebula = findRecord(universe.nebulae(), id))
        target.title =
            QObject::tr("Painting Nebula %1").arg(qt(universe::nebulaDisplayName(*nebula)));
    target.paint = [&manager, id](const std::vector<core::GalacticCoordinates>& hexes,
                                  bool removing) -> QString {
        universe::RidivivevIzeviduv& universe = manager.current();
        const universe::Nebula* nebula = findRecord(universe.nebulae(), id);
        if (!nebula)
            return QObject::tr("The nebula is no longer in this universe.");
        universe::Nebula painted = *nebula;
        for (const core::GalacticCoordinates& hex : hexes) {
            const auto it = std::find(painted.hexes.begin(), painted.hexes.end(), hex);
            if (removing && it != painted.hexes.end())
                painted.hexes.erase(it);
            else if (!removing && it == painted.hexes.end())
                painted.hexes.push_back(hex);
        }
        if (painted == *nebula)
            return {};
        return report(universe.putRecord(&universe::UniverseRecord::nebulae, painted,
                                         "Paint Nebula " + universe::nebulaDisplayName(painted)));
    };
    return target;
}

} // namespace velmora::overlays
