#include "starmap/ui/map_legend.h"

#include "core/hex_layout.h"
#include "core/world_tag.h"
#include "ui/window_registry.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <unordered_set>

namespace velmora::starmap {

namespace {

// Samples stand well inside sector 0,0, away from its subsector lines.
constexpr core::GalacticCoordinates home{0, 0, 5, 5};

core::PointF centerOf(const core::GalacticCoordinates& hex) {
    return core::HexLayout{mapHexRadius}.center(hex);
}

core::PointF between(const core::GalacticCoordinates& a, const core::GalacticCoordinates& b) {
    const core::PointF pa = centerOf(a);
    const core::PointF pb = centerOf(b);
    return {(pa.x + pb.x) / 2, (pa.y + pb.y) / 2};
}

core::GalacticCoordinates offset(const core::GalacticCoordinates& hex, int columns, int rows) {
    return core::GalacticCoordinates::fromGlobal(hex.globalColumn() + columns,
                                                 hex.globalRow() + rows);
}

core::UWP profile(core::Starport port, std::array<int, 6> digits, int techLevel) {
    core::UWP uwp;
    uwp.starport = port;
    uwp.size = digits[0];
    uwp.atmosphere = digits[1];
    uwp.hydrographics = digits[2];
    uwp.population = digits[3];
    uwp.government = digits[4];
    uwp.lawLevel = digits[5];
    uwp.techLevel = core::travellerTechLevel(techLevel);
    return uwp;
}

// An ordinary inhabited world: a garden with some water.
const core::UWP garden = profile(core::Starport::typeC, {6, 6, 4, 5, 4, 4}, 8);

core::HexData systemAt(const core::GalacticCoordinates& at, std::optional<core::UWP> main,
                       const std::string& name = {}) {
    core::HexData hex;
    hex.coordinates = at;
    hex.starSystem.name = name;
    hex.starSystem.starfarers = true;
    core::Star star;
    if (main) {
        core::WorldData world;
        world.mainWorld = true;
        world.name = name;
        world.uwp = *main;
        star.worlds.push_back(world);
    }
    hex.starSystem.stars.push_back(star);
    return hex;
}

core::WorldData& mainWorldOf(universe::UniverseRecord& sample) {
    return sample.data.front().starSystem.stars.front().worlds.front();
}

// A legend line showing one system at `home`.
LegendEntry worldEntry(const QString& caption, std::optional<core::UWP> main,
                       const std::string& name = {}) {
    LegendEntry entry;
    entry.caption = caption;
    entry.sample.data.push_back(systemAt(home, main, name));
    entry.center = centerOf(home);
    return entry;
}

LegendEntry routeEntry(const QString& caption, bool main, universe::RutterAge age,
                       bool distance = false) {
    LegendEntry entry;
    entry.caption = caption;
    const core::GalacticCoordinates end = offset(home, 3, 0);
    universe::Faction owner;
    owner.id = core::Uuid::generate();
    owner.color = universe::FactionColor::orange;
    entry.sample.factions.push_back(owner);
    universe::Rutter rutter;
    rutter.factionID = owner.id;
    rutter.start = home;
    rutter.end = end;
    rutter.mainTradeRoute = main;
    rutter.age = age;
    entry.sample.rutters.push_back(rutter);
    entry.sample.mapShowRouteDistances = distance;
    entry.sample.data = {systemAt(home, garden), systemAt(end, garden)};
    entry.center = between(home, end);
    entry.hexRadius = 12;
    entry.size = QSize(96, 40);
    return entry;
}

LegendEntry nebulaEntry(const QString& caption, universe::NebulaType type) {
    LegendEntry entry;
    entry.caption = caption;
    universe::Nebula nebula;
    nebula.type = type;
    nebula.hexes = {home, offset(home, 1, 0), offset(home, 0, 1), offset(home, 1, 1),
                    offset(home, 2, 0)};
    entry.sample.nebulae.push_back(nebula);
    entry.center = between(home, offset(home, 1, 1));
    entry.hexRadius = 10;
    entry.size = QSize(64, 40);
    return entry;
}

LegendSection worlds() {
    using core::Starport;
    LegendSection section{QObject::tr("Worlds"), {}};
    auto& e = section.entries;
    e.push_back(worldEntry(QObject::tr("A main world with much water (hydrographics 6 or more)"),
                           profile(Starport::typeC, {7, 6, 8, 5, 4, 4}, 8)));
    e.push_back(
        worldEntry(QObject::tr("A main world with some water (hydrographics 3 to 5)"), garden));
    e.push_back(worldEntry(QObject::tr("A dry world with air (hydrographics 0 to 2)"),
                           profile(Starport::typeC, {5, 5, 1, 5, 4, 4}, 8)));
    e.push_back(worldEntry(
        QObject::tr("Exotic, corrosive or insidious air (atmosphere A or more) on a dry world"),
        profile(Starport::typeC, {8, 11, 1, 3, 0, 0}, 9)));
    e.push_back(worldEntry(QObject::tr("No atmosphere: a vacuum world"),
                           profile(Starport::typeC, {4, 0, 0, 3, 0, 0}, 9)));
    e.push_back(worldEntry(QObject::tr("An asteroid belt as the main world"),
                           profile(Starport::typeC, {0, 0, 0, 3, 0, 0}, 9)));
    e.push_back(worldEntry(QObject::tr("A system with no main world recorded"), std::nullopt));

    LegendEntry unknown = worldEntry(
        QObject::tr("Player view: a system not yet surveyed; its profile is withheld"), garden);
    unknown.sample.mapViewMode = universe::MapViewMode::player;
    e.push_back(unknown);

    LegendEntry far;
    far.caption = QObject::tr("Far out, each system is a dot");
    for (const auto& [columns, rows] : {std::pair{0, 0}, std::pair{2, 1}, std::pair{5, -1},
                                        std::pair{7, 2}, std::pair{3, 4}, std::pair{9, 4}})
        far.sample.data.push_back(systemAt(offset(home, columns, rows), garden));
    far.center = between(home, offset(home, 9, 4));
    far.hexRadius = 3;
    far.size = QSize(64, 40);
    e.push_back(far);
    return section;
}

LegendSection marks() {
    using core::Starport;
    LegendSection section{QObject::tr("Marks"), {}};
    auto& e = section.entries;
    e.push_back(worldEntry(QObject::tr("The starport's class, from A (excellent) to X (none)"),
                           profile(Starport::typeA, {6, 6, 4, 5, 4, 4}, 12)));
    e.push_back(worldEntry(QObject::tr("The system's name"), garden, "Mora"));
    e.push_back(worldEntry(QObject::tr("Name in capitals: a billion people or more (population "
                                       "9 or more)"),
                           profile(Starport::typeA, {6, 4, 6, 9, 3, 0}, 13), "Efate"));

    LegendEntry code = worldEntry(QObject::tr("The main world's profile, at close zoom"),
                                  profile(Starport::typeA, {7, 8, 8, 8, 9, 9}, 12), "Regina");
    code.hexRadius = 36;
    code.size = QSize(84, 72);
    e.push_back(code);

    LegendEntry giant = worldEntry(QObject::tr("A gas giant in the system"), garden);
    giant.sample.data.front().starSystem.gasGiant = 2;
    e.push_back(giant);

    LegendEntry naval =
        worldEntry(QObject::tr("A naval base, naval depot or military base"), garden);
    mainWorldOf(naval.sample).uwp.bases = {core::Base::navalBase};
    e.push_back(naval);

    LegendEntry scout =
        worldEntry(QObject::tr("A scout base, way station or exploration base"), garden);
    mainWorldOf(scout.sample).uwp.bases = {core::Base::scoutBase};
    e.push_back(scout);

    LegendEntry surveyed =
        worldEntry(QObject::tr("Surveyed (referee view, with Surveyed switched on)"), garden);
    surveyed.sample.data.front().starSystem.surveyed = true;
    e.push_back(surveyed);

    LegendEntry amber = worldEntry(QObject::tr("Amber zone: travellers should take care"), garden);
    mainWorldOf(amber.sample).worldTags = {core::WorldTag::amberZone};
    e.push_back(amber);

    LegendEntry red = worldEntry(QObject::tr("Red zone: travel is forbidden"), garden);
    mainWorldOf(red.sample).worldTags = {core::WorldTag::redZone};
    e.push_back(red);

    LegendEntry selected =
        worldEntry(QObject::tr("The selected system, whose card is open"), garden);
    selected.selected = home;
    e.push_back(selected);

    LegendEntry found = worldEntry(
        QObject::tr("Found by the search; the systems it does not find are dimmed"), garden);
    found.sample.data.push_back(systemAt(offset(home, 1, 0), garden));
    found.found = {home};
    found.center = between(home, offset(home, 1, 0));
    found.size = QSize(108, 64);
    e.push_back(found);
    return section;
}

LegendSection lines(bool travellerUniverse) {
    LegendSection section{QObject::tr("Lines and Areas"), {}};
    auto& e = section.entries;

    LegendEntry number = worldEntry(
        QObject::tr("Hex number: column and row in the sector, once hexes are large enough"),
        std::nullopt);
    number.center = centerOf(offset(home, 0, 1));
    number.hexNumbers = true;
    e.push_back(number);

    LegendEntry grid =
        worldEntry(QObject::tr("The hex grid: each hex is one parsec across"), std::nullopt);
    grid.hexRadius = 10;
    grid.size = QSize(64, 40);
    e.push_back(grid);

    // A border between the two hexes either side of a corner where it runs.
    const auto borderEntry = [](const QString& caption, const core::GalacticCoordinates& corner) {
        LegendEntry entry = worldEntry(caption, std::nullopt);
        entry.sample.data = {systemAt(corner, std::nullopt),
                             systemAt(offset(corner, 1, 1), std::nullopt)};
        entry.center = between(corner, offset(corner, 1, 1));
        entry.hexRadius = 6;
        entry.size = QSize(64, 40);
        return entry;
    };
    e.push_back(borderEntry(QObject::tr("A sector's border"), {0, 0, 32, 40}));
    e.push_back(borderEntry(QObject::tr("A subsector's border, at middle zooms"), {0, 0, 8, 10}));

    // Names of areas: the sector's faint across its middle, a subsector's where it
    // covers no world.
    const core::GalacticCoordinates sectorMiddle{0, 0, 16, 20};
    LegendEntry sectorName =
        worldEntry(QObject::tr("A sector's name, across its middle at wide zooms"), std::nullopt);
    // Worlds at two corners spread the grid over the whole sector, leaving its middle free.
    sectorName.sample.data = {systemAt({0, 0, 1, 1}, std::nullopt),
                              systemAt({0, 0, 32, 40}, std::nullopt)};
    sectorName.sample.sectors = {universe::SectorInfo{0, 0, "Marches", "Mar"}};
    sectorName.center = between(sectorMiddle, offset(sectorMiddle, 1, 1));
    sectorName.hexRadius = 6;
    sectorName.size = QSize(96, 40);
    e.push_back(sectorName);

    LegendEntry subsectorName = worldEntry(
        QObject::tr("A subsector's name, moved off the worlds it would cover"), std::nullopt);
    universe::StarmapLabel named;
    named.text = "Regina";
    named.size = 20;
    named.color = universe::FactionColor::grey;
    named.position = {0, 0, 20, 5};
    named.category = universe::subsectorNameCategory;
    subsectorName.sample.data.clear();
    subsectorName.sample.starmapLabels.push_back(named);
    subsectorName.center = centerOf(named.position);
    subsectorName.hexRadius = 10;
    subsectorName.size = QSize(96, 40);
    e.push_back(subsectorName);

    const QString route = travellerUniverse ? QObject::tr("route") : QObject::tr("rutter");
    e.push_back(routeEntry(QObject::tr("A main trade %1: wide, in its faction's colour").arg(route),
                           true, universe::RutterAge::fivePlus));
    e.push_back(routeEntry(QObject::tr("An established %1: solid").arg(route), false,
                           universe::RutterAge::fivePlus));
    e.push_back(routeEntry(QObject::tr("A recent %1: dashed").arg(route), false,
                           universe::RutterAge::recent));
    e.push_back(routeEntry(QObject::tr("An uncharted %1: dotted").arg(route), false,
                           universe::RutterAge::uncharted));
    e.push_back(routeEntry(
        QObject::tr("The length of a %1 in parsecs, with Distance switched on").arg(route), false,
        universe::RutterAge::fivePlus, true));

    LegendEntry pinned =
        routeEntry(QObject::tr("A planned journey pinned to the map, stop by stop"), false,
                   universe::RutterAge::fivePlus);
    pinned.sample.rutters.clear();
    const core::GalacticCoordinates stop = offset(home, 1, 1);
    pinned.sample.data.push_back(systemAt(stop, garden));
    pinned.route = {home, stop, offset(home, 3, 0)};
    pinned.center = {pinned.center.x, (centerOf(home).y + centerOf(stop).y) / 2};
    pinned.size = QSize(96, 64);
    e.push_back(pinned);

    LegendEntry region = worldEntry(
        QObject::tr("A region: its border, filled when closed, and its name"), std::nullopt);
    universe::Region border;
    border.id = core::Uuid::generate();
    border.name = "Domain";
    border.color = universe::FactionColor::green;
    border.closed = true;
    border.anchors = {{offset(home, -1, -1), 4}, {offset(home, 3, -1), 0}, {offset(home, 1, 2), 2}};
    region.sample.regions.push_back(border);
    region.center = centerOf(offset(home, 1, 0));
    region.hexRadius = 9;
    region.size = QSize(96, 64);
    e.push_back(region);

    LegendEntry label = worldEntry(QObject::tr("A map label"), std::nullopt);
    universe::StarmapLabel text;
    text.text = "Spinward";
    text.size = 30;
    text.angle = -12;
    text.color = universe::FactionColor::yellow;
    text.position = home;
    label.sample.data.clear();
    label.sample.starmapLabels.push_back(text);
    label.hexRadius = 10;
    label.size = QSize(96, 40);
    e.push_back(label);

    e.push_back(nebulaEntry(QObject::tr("Emission nebula"), universe::NebulaType::emission));
    e.push_back(nebulaEntry(QObject::tr("Reflection nebula"), universe::NebulaType::reflection));
    e.push_back(nebulaEntry(QObject::tr("Dark nebula"), universe::NebulaType::dark));
    e.push_back(nebulaEntry(QObject::tr("Planetary nebula"), universe::NebulaType::planetary));
    e.push_back(
        nebulaEntry(QObject::tr("Supernova remnant"), universe::NebulaType::supernovaRemnant));
    return section;
}

} // namespace

std::vector<LegendSection> mapLegend(bool travellerUniverse) {
    return {worlds(), marks(), lines(travellerUniverse)};
}

QImage legendPicture(const LegendEntry& entry, StarMapRenderer& renderer) {
    QImage image(entry.size, QImage::Format_ARGB32_Premultiplied);
    const double scale = entry.hexRadius / mapHexRadius;
    StarMapRenderer::Frame frame{{scale, entry.size.width() / 2.0 - entry.center.x * scale,
                                  entry.size.height() / 2.0 - entry.center.y * scale},
                                 QSizeF(entry.size),
                                 entry.selected,
                                 true};
    frame.hexNumbers = entry.hexNumbers;
    std::unordered_set<const core::HexData*> found;
    for (const core::HexData& hex : entry.sample.data) {
        if (std::find(entry.found.begin(), entry.found.end(), hex.coordinates) != entry.found.end())
            found.insert(&hex);
    }
    if (!entry.found.empty())
        frame.highlighted = &found;
    if (!entry.route.empty())
        frame.route = &entry.route;
    const StarMapModel model(entry.sample);
    QPainter painter(&image);
    renderer.render(painter, model, entry.sample, frame);
    return image;
}

MapLegendWindow::MapLegendWindow(bool travellerUniverse, QWidget* parent) : QWidget(parent) {
    setWindowTitle(tr("Map Legend"));
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    StarMapRenderer renderer;
    int row = 0;
    for (const LegendSection& section : mapLegend(travellerUniverse)) {
        auto* title = new QLabel(section.title, content);
        QFont bold = title->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.15);
        title->setFont(bold);
        title->setContentsMargins(0, row == 0 ? 0 : 10, 0, 2);
        grid->addWidget(title, row++, 0, 1, 2);
        for (const LegendEntry& entry : section.entries) {
            auto* picture = new QLabel(content);
            picture->setObjectName(QStringLiteral("legendPicture"));
            picture->setPixmap(QPixmap::fromImage(legendPicture(entry, renderer)));
            auto* caption = new QLabel(entry.caption, content);
            caption->setObjectName(QStringLiteral("legendCaption"));
            caption->setWordWrap(true);
            grid->addWidget(picture, row, 0, Qt::AlignCenter);
            grid->addWidget(caption, row++, 1, Qt::AlignVCenter);
        }
    }
    grid->setRowStretch(row, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    resize(460, 640);
}

QWidget* showMapLegend(ui::WindowRegistry& windows, bool travellerUniverse) {
    return windows.open(QStringLiteral("map-legend"), {},
                        [travellerUniverse] { return new MapLegendWindow(travellerUniverse); });
}

} // namespace velmora::starmap
