#include "systems/ui/world_info_window.h"

#include "core/trade_classification.h"
#include "core/uwp.h"
#include "factions/faction_texts.h"
#include "systems/system_texts.h"
#include "systems/ui/ui_support.h"
#include "systems/universe_statistics.h"
#include "ui/travel_openers.h"
#include "ui/view_context.h"
#include "ui/wiki_lookup.h"
#include "ui/window_registry.h"
#include "universe/system_disclosure.h"
#include "universe/universe_manager.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmora::systems {

namespace {

QString escaped(const std::string& text) {
    return qt(text).toHtmlEscaped();
}

QString row(const QString& label, const QString& value) {
    return QStringLiteral("<tr><td class='label'>%1</td><td>%2</td></tr>").arg(label, value);
}

const char* const pageStyle = R"(
<style>
  h1 { margin-bottom: 0; }
  h2 { margin-top: 18px; margin-bottom: 4px; font-size: large; }
  .muted { color: #6b6b6b; }
  .code { font-family: monospace; font-size: x-large; font-weight: bold; }
  td { padding: 2px 10px 2px 0; vertical-align: top; }
  td.label { color: #555555; }
  td.digit { font-family: monospace; font-weight: bold; text-align: center; }
</style>)";

} // namespace

WorldInfoWindow::WorldInfoWindow(universe::UniverseManager& manager, WorldInfoTarget target,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), m_manager(manager), m_target(std::move(target)),
      m_page(new QTextBrowser(this)) {
    setWindowTitle(tr("World Info"));
    m_page->setObjectName(QStringLiteral("worldInfoPage"));
    m_page->setOpenLinks(false);
    m_page->setFrameShape(QFrame::NoFrame);
    m_page->document()->setDocumentMargin(18);
    // Looks the world up by name; the page's refresh keeps the name current.
    auto* wiki = new QPushButton(this);
    wiki->setObjectName(QStringLiteral("wikiLookup"));
    connect(wiki, &QPushButton::clicked, this,
            [wiki] { ui::lookUpInWiki(wiki->property("wikiName").toString()); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    // The system's travel calculators; the transit one departs from this world.
    auto* travel = new QPushButton(tr("System Travel"), this);
    travel->setObjectName(QStringLiteral("systemTravel"));
    travel->setEnabled(ui::canOpenTravelWindows());
    connect(travel, &QPushButton::clicked, this,
            [this] { ui::openSystemTravel(m_target.coordinates); });
    auto* transit = new QPushButton(tr("Interplanetary Travel"), this);
    transit->setObjectName(QStringLiteral("interplanetaryTravel"));
    transit->setEnabled(ui::canOpenTravelWindows());
    connect(transit, &QPushButton::clicked, this, [this] {
        const auto subject = findWorldInfoSubject(m_manager.current(), m_target);
        ui::openInterplanetaryTravel(m_target.coordinates,
                                     subject ? std::optional(subject->world->id) : std::nullopt);
    });
    auto* actions = new QHBoxLayout;
    actions->setContentsMargins(8, 4, 8, 6);
    actions->addWidget(wiki);
    actions->addWidget(travel);
    actions->addWidget(transit);
    actions->addStretch();
    layout->addLayout(actions);
    resize(560, 760);

    m_universeChanged = m_manager.current().changed().subscribe([this] { refresh(); });
    // The window belongs to the universe it was opened in.
    m_universeReplaced = m_manager.currentReplaced().subscribe([this] {
        m_universeChanged.reset();
        close();
    });
    refresh();
}

QString WorldInfoWindow::text() const {
    return m_page->toPlainText();
}

void WorldInfoWindow::refresh() {
    m_page->setHtml(pageHtml());
    if (auto* wiki = findChild<QPushButton*>(QStringLiteral("wikiLookup"))) {
        const auto subject = findWorldInfoSubject(m_manager.current(), m_target);
        const std::string name = subject ? subject->world->name : std::string();
        wiki->setText(tr("Look up “%1” in the Traveller Wiki")
                          .arg(subject ? qt(worldDisplayName(*subject->world)) : QString()));
        wiki->setProperty("wikiName", qt(name));
        wiki->setVisible(subject.has_value());
        wiki->setEnabled(ui::canLookUpInWiki() && !name.empty());
    }
}

QString WorldInfoWindow::pageHtml() const {
    const universe::RidivivevIzeviduv& universe = m_manager.current();
    const auto subject = findWorldInfoSubject(universe, m_target);
    QString html = QString::fromLatin1(pageStyle);
    if (!subject) {
        html += QStringLiteral("<h1>%1</h1><p class='muted'>%2</p>")
                    .arg(tr("World Not Found"), tr("This world is no longer in the universe."));
        return html;
    }
    const core::HexData& hex = *subject->hex;
    const core::Star& star = *subject->star;
    const core::WorldData& world = *subject->world;

    html += QStringLiteral("<h1>%1</h1>").arg(escaped(worldDisplayName(world)));
    html += QStringLiteral("<p><b>%1</b><br><span class='muted'>%2%3</span></p>")
                .arg(escaped(worldHexHeader(universe, hex.coordinates)),
                     tr("In the %1 system").arg(escaped(systemDisplayName(hex.starSystem))),
                     world.mainWorld ? tr(" · Main world") : QString());

    // In the player view the page holds only what the players may know.
    const universe::SystemDisclosure seen =
        universe::systemDisclosure(universe.mapView(), hex.starSystem);
    if (seen.profile)
        html += profileHtml(hex, star, world);
    else
        html += withheldHtml(world, seen);
    if (seen.factions)
        html += factionsHtml(universe, world);
    if (seen.notes)
        html += notesHtml(world);
    return html;
}

QString WorldInfoWindow::withheldHtml(const core::WorldData& world,
                                      const universe::SystemDisclosure& seen) {
    QString html = QStringLiteral("<h2>%1</h2><p class='code'>%2</p><p class='muted'>%3</p>")
                       .arg(tr("Profile"), escaped(std::string(seen.withheldReason)),
                            tr("The players know only where this world is, its name and any "
                               "travel advisory."));
    const auto zone = universe::travelZone(world);
    html += QStringLiteral("<table>%1</table>")
                .arg(row(tr("Travel advisory"),
                         zone ? escaped(worldTagDisplayName(*zone)) : tr("None")));
    return html;
}

QString WorldInfoWindow::profileHtml(const core::HexData& hex, const core::Star& star,
                                     const core::WorldData& world) {
    QString html = QStringLiteral("<h2>%1</h2><p class='code'>%2</p><table>")
                       .arg(tr("Profile"), escaped(core::uwpCode(world.uwp)));
    for (const ProfileLine& line : profileExplanation(world.uwp))
        html +=
            QStringLiteral("<tr><td class='label'>%1</td><td class='digit'>%2</td><td>%3</td></tr>")
                .arg(escaped(line.label), escaped(line.digit), escaped(line.meaning));
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h2>%1</h2><table>").arg(tr("World"));
    html += row(tr("Type"), escaped(std::string(core::rawValue(world.type))));
    html += row(tr("Orbit"), escaped(worldOrbitText(world)));
    html += row(tr("Habitable zone"), escaped(habitableZoneText(world.hzOffset)));
    html += row(tr("Climate"), escaped(climateText(world)));
    html += row(tr("Day"), escaped(hoursText(world.dayLength)));
    html += row(tr("Year"), escaped(hoursText(world.yearLength)));
    html += row(tr("Tide locked"), world.tideLocked ? tr("Yes") : tr("No"));
    html += row(tr("Density"), QString::number(world.uwp.density, 'f', 2));
    html += row(tr("Population"), escaped(populationFigureText(worldPopulation(world.uwp))));
    html += row(tr("Race"), escaped(std::string(world.prevalentRace.displayName())));
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h2>%1</h2>").arg(tr("Trade Classes"));
    const auto groups = tradeClassesByCategory(world.tradeClasses);
    if (groups.empty()) {
        html += QStringLiteral("<p class='muted'>%1</p>").arg(tr("None"));
    } else {
        html += QStringLiteral("<table>");
        for (const TradeClassGroup& group : groups) {
            QStringList entries;
            for (const core::TradeClass tradeClass : group.classes)
                entries << QStringLiteral("<b>%1</b> %2")
                               .arg(qt(core::code(tradeClass)),
                                    qt(core::displayName(tradeClass)).toHtmlEscaped());
            html += row(qt(core::displayName(group.category)), entries.join(QStringLiteral(", ")));
        }
        html += QStringLiteral("</table>");
    }

    html += QStringLiteral("<h2>%1</h2><table>").arg(tr("Star"));
    const bool primary = !hex.starSystem.stars.empty() && &hex.starSystem.stars.front() == &star;
    QString starName = escaped(star.name);
    if (star.properName && !star.properName->empty())
        starName += QStringLiteral(" “%1”").arg(escaped(*star.properName));
    html += row(tr("Name"), starName);
    html += row(tr("Spectrum"), escaped(spectrumText(star)));
    html += row(tr("Mass"), tr("%1 solar masses").arg(QString::number(star.mass, 'f', 2)));
    html += row(tr("Orbit"), escaped(starOrbitText(star, primary)));
    if (hex.starSystem.stars.size() > 1) {
        QStringList others;
        for (const core::Star& other : hex.starSystem.stars) {
            if (&other != &star)
                others << escaped(other.name) + QStringLiteral(" (") +
                              escaped(spectrumText(other)) + QStringLiteral(")");
        }
        html += row(tr("Other stars"), others.join(QStringLiteral(", ")));
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h2>%1</h2>").arg(tr("Tags"));
    QStringList tags;
    for (const core::WorldTag tag : world.worldTags)
        tags << escaped(worldTagDisplayName(tag));
    for (const core::WorldTag tag : world.uwp.tags) {
        const QString name = escaped(worldTagDisplayName(tag));
        if (!tags.contains(name))
            tags << name;
    }
    html += tags.isEmpty() ? QStringLiteral("<p class='muted'>%1</p>").arg(tr("None"))
                           : QStringLiteral("<p>%1</p>").arg(tags.join(QStringLiteral(" · ")));
    return html;
}

QString WorldInfoWindow::factionsHtml(const universe::RidivivevIzeviduv& universe,
                                      const core::WorldData& world) {
    QString html = QStringLiteral("<h2>%1</h2>").arg(tr("Factions"));
    QStringList factionNames;
    for (const core::Uuid& id : world.factionIDs)
        factionNames << escaped(factions::factionDisplayName(universe.factions(), id));
    html += factionNames.isEmpty()
                ? QStringLiteral("<p class='muted'>%1</p>").arg(tr("None"))
                : QStringLiteral("<p>%1</p>").arg(factionNames.join(QStringLiteral("<br>")));
    return html;
}

QString WorldInfoWindow::notesHtml(const core::WorldData& world) {
    QString html = QStringLiteral("<h2>%1</h2>").arg(tr("Notes"));
    html += world.notes.empty()
                ? QStringLiteral("<p class='muted'>%1</p>").arg(tr("No notes"))
                : QStringLiteral("<p>%1</p>")
                      .arg(escaped(world.notes).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    return html;
}

QWidget* openWorldInfo(ui::ViewContext& context, const WorldInfoTarget& target) {
    return context.windows.open(
        QString::fromLatin1(worldInfoWindowIdentifier), qt(target.key()),
        [&context, target] { return new WorldInfoWindow(context.manager, target); });
}

} // namespace velmora::systems
