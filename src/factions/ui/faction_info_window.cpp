#include "factions/ui/faction_info_window.h"

#include "factions/faction_editing.h"
#include "factions/faction_rules.h"
#include "factions/faction_texts.h"
#include "factions/ui/faction_ui_support.h"
#include "ui/view_context.h"
#include "ui/wiki_lookup.h"
#include "ui/window_registry.h"
#include "universe/universe_manager.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace velmora::factions {

using universe::Faction;

namespace {

QLabel* plain(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* bold(const QString& text, QWidget* parent) {
    auto* label = plain(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QWidget* statBox(const QString& caption, const QString& figure, QWidget* parent) {
    auto* box = new QFrame(parent);
    box->setObjectName(QStringLiteral("stat"));
    box->setStyleSheet(
        QStringLiteral("QFrame#stat { border: 1px solid palette(mid); border-radius: 6px; "
                       "background: palette(base); }"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(0);
    auto* top = new QLabel(caption, box);
    QFont small = top->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    small.setBold(true);
    top->setFont(small);
    top->setAlignment(Qt::AlignCenter);
    auto* value = new QLabel(figure, box);
    QFont big = value->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    value->setFont(big);
    value->setAlignment(Qt::AlignCenter);
    layout->addWidget(top);
    layout->addWidget(value);
    return box;
}

} // namespace

FactionInfoWindow::FactionInfoWindow(universe::UniverseManager& manager,
                                     const core::Uuid& factionID, QWidget* parent)
    : QWidget(parent), m_manager(manager), m_factionID(factionID) {
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Faction Info"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(m_scroll);
    resize(520, 640);

    watchCurrentUniverse();
    m_universeReplaced = m_manager.currentReplaced().subscribe([this] {
        // The faction belongs to the universe that was open; the window goes
        // with it. Closing waits for the event loop because the replacement is
        // still being announced.
        m_universeChanged.reset();
        QTimer::singleShot(0, this, &QWidget::close);
    });
    rebuild();
}

FactionInfoWindow::~FactionInfoWindow() = default;

void FactionInfoWindow::watchCurrentUniverse() {
    m_universeChanged = m_manager.current().changed().subscribe([this] { rebuild(); });
}

void FactionInfoWindow::rebuild() {
    // A fresh page each time; the scroll area deletes the previous one.
    m_content = new QWidget;
    auto* layout = new QVBoxLayout(m_content);
    m_scroll->setWidget(m_content);
    m_wiki = nullptr;
    layout->setContentsMargins(20, 16, 20, 20);
    layout->setSpacing(6);

    const auto& universe = m_manager.current();
    const Faction* faction = universe.faction(m_factionID);
    if (!faction) {
        auto* title = bold(tr("No Faction"), m_content);
        makeTitle(title);
        title->setAlignment(Qt::AlignCenter);
        layout->addStretch();
        layout->addWidget(title);
        layout->addWidget(quietNote(tr("This faction is no longer in the universe."), m_content));
        layout->addStretch();
        return;
    }
    const bool traveller = universe.usesTravellerTechLevels();

    auto* heading = new QHBoxLayout;
    auto* swatch = new QLabel(m_content);
    swatch->setPixmap(swatchIcon(faction->color, 28).pixmap(28, 28));
    swatch->setToolTip(colorDisplayName(faction->color));
    auto* name = bold(qt(factionDisplayName(*faction)), m_content);
    makeTitle(name);
    heading->addWidget(swatch);
    heading->addWidget(name, 1);
    layout->addLayout(heading);
    QString category = qt(displayName(faction->category));
    if (!faction->shortName.empty())
        category += QStringLiteral(" · ") + qt(faction->shortName);
    layout->addWidget(quietNote(category, m_content));
    layout->addWidget(plain(tr("Homeworld:") + QLatin1Char(' ') +
                                qt(homeworldText(universe.data(), faction->homeworld)),
                            m_content));

    auto* stats = new QGridLayout;
    stats->setSpacing(6);
    stats->addWidget(statBox(tr("FORCE"), QString::number(faction->force), m_content), 0, 0);
    stats->addWidget(statBox(tr("CUNNING"), QString::number(faction->cunning), m_content), 0, 1);
    stats->addWidget(statBox(tr("WEALTH"), QString::number(faction->wealth), m_content), 0, 2);
    stats->addWidget(
        statBox(tr("HP"), QStringLiteral("%1/%2").arg(faction->hp).arg(maxHP(*faction)), m_content),
        0, 3);
    stats->addWidget(statBox(tr("FACCREDS"), QString::number(faction->credits), m_content), 1, 0);
    stats->addWidget(statBox(tr("INCOME/TURN"), QString::number(income(*faction)), m_content), 1,
                     1);
    stats->addWidget(statBox(tr("UPKEEP/TURN"), QString::number(upkeep(*faction)), m_content), 1,
                     2);
    layout->addSpacing(6);
    layout->addLayout(stats);

    layout->addWidget(sectionHeading(tr("Tags"), m_content));
    QStringList tags;
    for (universe::FactionTag tag : faction->tags)
        tags << qt(displayName(tag, traveller));
    layout->addWidget(
        plain(tags.isEmpty() ? tr("None") : tags.join(QStringLiteral(", ")), m_content));

    layout->addWidget(sectionHeading(tr("Description"), m_content));
    layout->addWidget(faction->description.empty() ? quietNote(tr("No description"), m_content)
                                                   : plain(qt(faction->description), m_content));

    layout->addWidget(sectionHeading(tr("Assets"), m_content));
    if (faction->assets.empty())
        layout->addWidget(quietNote(tr("No assets"), m_content));
    for (const universe::FactionAsset& asset : faction->assets) {
        const bool lacking = lacksRequiredRating(*faction, asset);
        layout->addWidget(bold(qt(asset.name) + QStringLiteral("  ·  ") +
                                   qt(universe::displayName(asset.type)) + QStringLiteral(" · ") +
                                   qt(displayName(asset.category)) + QLatin1Char(' ') +
                                   QString::number(asset.ratingRequired) +
                                   (lacking ? QStringLiteral(" ⚠") : QString()),
                               m_content));
        QStringList lines;
        lines << tr("Location: ") + locationWithSystem(universe, asset.location);
        lines << tr("HP %1/%2").arg(asset.hp).arg(asset.maxHP);
        lines << tr("Attack: ") + (asset.attack.empty() ? tr("none") : qt(asset.attack));
        if (!asset.counter.empty())
            lines << tr("Counter: ") + qt(asset.counter);
        lines << tr("Upkeep: ") + QString::number(asset.maintenance) + tr("/turn");
        if (asset.stealthed)
            lines << tr("Stealthed");
        if (asset.requiresPermission)
            lines << tr("Needs planetary government permission");
        auto* details = plain(lines.join(QStringLiteral("\n")), m_content);
        details->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(details);
        if (!asset.note.empty()) {
            auto* note = quietNote(qt(asset.note), m_content);
            note->setContentsMargins(12, 0, 0, 4);
            layout->addWidget(note);
        }
    }

    layout->addWidget(sectionHeading(tr("Notes"), m_content));
    if (faction->notes.empty())
        layout->addWidget(quietNote(tr("No notes"), m_content));
    for (const universe::FactionNote& note : faction->notes) {
        layout->addWidget(bold((note.title.empty() ? tr("Untitled Note") : qt(note.title)) +
                                   QStringLiteral(" — ") + stardateText(note.date),
                               m_content));
        if (!note.content.empty())
            layout->addWidget(plain(qt(note.content), m_content));
    }

    layout->addSpacing(12);
    m_wiki = new QPushButton(
        tr("Look up “%1” in the Traveller Wiki.").arg(qt(factionDisplayName(*faction))), m_content);
    m_wiki->setObjectName(QStringLiteral("wikiLookup"));
    m_wiki->setEnabled(ui::canLookUpInWiki() && !faction->name.empty());
    connect(m_wiki, &QPushButton::clicked, this,
            [name = qt(faction->name)] { ui::lookUpInWiki(name); });
    layout->addWidget(m_wiki, 0, Qt::AlignLeft);
    layout->addStretch();
}

QString FactionInfoWindow::shownText() const {
    QStringList lines;
    for (const QLabel* label : m_content->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            lines << label->text();
    }
    if (m_wiki)
        lines << m_wiki->text();
    return lines.join(QLatin1Char('\n'));
}

QWidget* openFactionInfo(ui::ViewContext& context, const core::Uuid& factionID) {
    auto& manager = context.manager;
    return context.windows.open(
        FactionInfoWindow::identifier, qt(factionID.toString()),
        [&manager, factionID] { return new FactionInfoWindow(manager, factionID); });
}

void closeFactionInfo(ui::ViewContext& context, const core::Uuid& factionID) {
    if (QWidget* window =
            context.windows.find(FactionInfoWindow::identifier, qt(factionID.toString())))
        window->close();
}

} // namespace velmora::factions
