#include "starmap/ui/system_card.h"

#include "core/star_system.h"
#include "core/world_tag.h"
#include "factions/faction_texts.h"
#include "starmap/system_summary.h"
#include "ui/qt_text.h"
#include "universe/ridivivev_izeviduv.h"

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

    auto* heading = new QLabel(QString::fromLatin1(profileLineHeading), this);
    QFont small = heading->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    heading->setFont(small);
    heading->setForegroundRole(QPalette::PlaceholderText);
    m_profile->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_profile->setObjectName(QStringLiteral("profileLine"));
    m_tags->setObjectName(QStringLiteral("cardTags"));

    m_travel->setEnabled(false);
    m_travel->setToolTip(tr("Travel times arrive with the travel calculators in a later version."));
    m_wiki->setEnabled(false);
    m_wiki->setToolTip(tr("The Traveller Wiki lookup arrives in a later version."));
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
    layout->addWidget(heading);
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
    const QString name = system.name.empty() ? tr("Unnamed System") : qt(system.name);
    m_name->setText(name);
    const std::string location = universe.locationText(hex.coordinates);
    m_location->setText(qt(location));
    const core::WorldData* main = core::mainWorld(system);
    m_profile->setText(main ? qt(profileLine(system)) : tr("No main world"));

    QStringList tags;
    QStringList factionNames;
    if (main) {
        for (const core::WorldTag tag : main->worldTags)
            tags << qt(core::worldTagDisplayName(tag));
        for (const core::Uuid& id : main->factionIDs)
            factionNames << qt(factions::factionDisplayName(universe.factions(), id));
    }
    m_tags->setText(tags.isEmpty() ? tr("Tags: none")
                                   : tr("Tags: %1").arg(tags.join(QStringLiteral(", "))));
    m_factions->setText(factionNames.isEmpty()
                            ? tr("Factions: none")
                            : tr("Factions: %1").arg(factionNames.join(QStringLiteral(", "))));
    m_wiki->setText(tr("Look up “%1” in the Traveller Wiki").arg(name));
    m_copy->setEnabled(main != nullptr);
    m_summary = qt(mainWorldSummary(hex, location));
    QFrame::show();
}

QString SystemCard::profileText() const {
    return m_profile->text();
}

} // namespace velmora::starmap
