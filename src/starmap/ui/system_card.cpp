#include "starmap/ui/system_card.h"

#include "core/star_system.h"
#include "core/world_tag.h"
#include "factions/faction_texts.h"
#include "starmap/system_summary.h"
#include "ui/qt_text.h"
#include "ui/travel_openers.h"
#include "ui/wiki_lookup.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/system_disclosure.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora::starmap {

namespace {

QLabel* wrapping(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

SystemCard::SystemCard(QWidget* parent)
    : QFrame(parent), m_name(new QLabel(this)), m_location(new QLabel(this)),
      m_heading(new QLabel(QString::fromLatin1(profileLineHeading), this)),
      m_profile(wrapping(this)), m_tags(wrapping(this)), m_factions(wrapping(this)),
      m_worldInfo(new QPushButton(tr("World Info"), this)),
      m_travel(new QPushButton(tr("Interplanetary && jump-point travel times"), this)),
      m_wiki(new QPushButton(this)),
      m_copy(new QPushButton(tr("Copy main world info to clipboard"), this)) {
    setObjectName(QStringLiteral("systemCard"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setFixedWidth(300);

    QFont nameFont = m_name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    nameFont.setBold(true);
    m_name->setFont(nameFont);
    m_name->setWordWrap(true);
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("✕"));
    close->setToolTip(tr("Close"));
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &SystemCard::closeRequested);

    QFont small = m_heading->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_heading->setFont(small);
    m_heading->setForegroundRole(QPalette::PlaceholderText);
    m_heading->setObjectName(QStringLiteral("profileHeading"));
    m_profile->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_profile->setObjectName(QStringLiteral("profileLine"));
    m_tags->setObjectName(QStringLiteral("cardTags"));
    m_factions->setObjectName(QStringLiteral("cardFactions"));

    m_travel->setObjectName(QStringLiteral("travelTimes"));
    connect(m_travel, &QPushButton::clicked, this, [this] {
        const QVariantList hex = m_travel->property("hex").toList();
        if (hex.size() == 4)
            ui::openSystemTravel(core::GalacticCoordinates{hex[0].toInt(), hex[1].toInt(),
                                                           hex[2].toInt(), hex[3].toInt()});
    });
    m_wiki->setObjectName(QStringLiteral("wikiLookup"));
    connect(m_wiki, &QPushButton::clicked, this,
            [this] { ui::lookUpInWiki(m_wiki->property("wikiName").toString()); });
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_summary); });
    connect(m_worldInfo, &QPushButton::clicked, this, &SystemCard::worldInfoRequested);

    auto* top = new QHBoxLayout;
    top->addWidget(m_name, 1);
    top->addWidget(close, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_location);
    layout->addSpacing(6);
    layout->addWidget(m_heading);
    layout->addWidget(m_profile);
    layout->addWidget(m_tags);
    layout->addWidget(m_factions);
    layout->addSpacing(6);
    for (QPushButton* button : {m_worldInfo, m_travel, m_wiki, m_copy})
        layout->addWidget(button);
    layout->addStretch();
}

void SystemCard::show(const core::HexData& hex, const universe::RidivivevIzeviduv& universe) {
    const core::StarSystem& system = hex.starSystem;
    const universe::SystemDisclosure seen = universe::systemDisclosure(universe.mapView(), system);
    const QString name = system.name.empty() ? tr("Unnamed System") : qt(system.name);
    m_name->setText(name);
    const std::string location = universe.locationText(hex.coordinates);
    m_location->setText(qt(location));
    const core::WorldData* main = core::mainWorld(system);

    m_heading->setVisible(seen.profile);
    if (seen.profile) {
        m_profile->setText(main ? qt(profileLine(system)) : tr("No main world"));
        QStringList tags;
        if (main) {
            for (const core::WorldTag tag : main->worldTags)
                tags << qt(core::worldTagDisplayName(tag));
        }
        m_tags->setText(tags.isEmpty() ? tr("Tags: none")
                                       : tr("Tags: %1").arg(tags.join(QStringLiteral(", "))));
    } else {
        // Said plainly, so a blank is never taken for a world without a profile.
        m_profile->setText(qt(seen.withheldReason));
        const auto zone = main ? universe::travelZone(*main) : std::nullopt;
        m_tags->setText(zone ? tr("Travel advisory: %1").arg(qt(core::worldTagDisplayName(*zone)))
                             : tr("No travel advisory"));
    }

    m_factions->setVisible(seen.factions);
    if (seen.factions) {
        QStringList factionNames;
        if (main) {
            for (const core::Uuid& id : main->factionIDs)
                factionNames << qt(factions::factionDisplayName(universe.factions(), id));
        }
        m_factions->setText(factionNames.isEmpty()
                                ? tr("Factions: none")
                                : tr("Factions: %1").arg(factionNames.join(QStringLiteral(", "))));
    } else {
        m_factions->clear();
    }
    m_wiki->setText(tr("Look up “%1” in the Traveller Wiki").arg(name));
    const core::GalacticCoordinates& at = hex.coordinates;
    m_travel->setProperty("hex", QVariantList{at.sectorX, at.sectorY, at.column, at.row});
    m_travel->setEnabled(ui::canOpenTravelWindows());
    // An unnamed system has nothing to look up.
    m_wiki->setProperty("wikiName", qt(system.name));
    m_wiki->setEnabled(ui::canLookUpInWiki() && !system.name.empty());
    // Whether there is a main world at all is part of what may be withheld.
    m_copy->setEnabled(main != nullptr || !seen.profile);
    m_summary = qt(mainWorldSummary(hex, location, seen));
    QFrame::show();
}

QString SystemCard::profileText() const {
    return m_profile->text();
}

} // namespace velmora::starmap
