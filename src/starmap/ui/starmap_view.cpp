#include "starmap/ui/starmap_view.h"

#include "starmap/map_filter.h"
#include "starmap/ui/hex_context_menu.h"
#include "starmap/ui/map_export_dialog.h"
#include "starmap/ui/map_legend.h"
#include "starmap/ui/map_menus.h"
#include "starmap/ui/map_paint_tool.h"
#include "starmap/ui/starmap_canvas.h"
#include "starmap/ui/system_card.h"
#include "ui/empty_state_view.h"
#include "ui/pinned_route.h"
#include "universe/system_pattern.h"
#include "universe/universe_manager.h"

#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <variant>

namespace velmora::starmap {

namespace {

StarMapView::WorldInfoOpener& worldInfoOpener() {
    static StarMapView::WorldInfoOpener opener;
    return opener;
}

QToolButton* menuButton(const QString& text, QMenu* menu, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

void StarMapView::setWorldInfoOpener(WorldInfoOpener opener) {
    worldInfoOpener() = std::move(opener);
}

StarMapView::StarMapView(ui::ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_universe(context.manager.current()),
      m_canvas(new StarMapCanvas(this)), m_card(new SystemCard(m_canvas)),
      m_empty(new ui::EmptyStateView(QString(), QString(), this)), m_stack(new QStackedLayout),
      m_search(new QLineEdit(this)), m_status(new QLabel(this)), m_menus(new MapMenus(this)) {
    setObjectName(QStringLiteral("starmap"));
    m_menus->setUniverse(&m_universe);

    auto* viewMenu = new QMenu(this);
    auto* factionMenu = new QMenu(this);
    auto* tradeMenu = new QMenu(this);
    auto* labelMenu = new QMenu(this);
    auto* exportMenu = new QMenu(this);
    connect(viewMenu, &QMenu::aboutToShow, this, [this, viewMenu] {
        m_menus->fillViewMenu(viewMenu);
        viewMenu->addSeparator();
        viewMenu->addAction(tr("Legend"), this, [this] {
            showMapLegend(m_context.windows, m_universe.usesTravellerTechLevels());
        });
    });
    connect(factionMenu, &QMenu::aboutToShow, this,
            [this, factionMenu] { m_menus->fillFactionMenu(factionMenu); });
    connect(tradeMenu, &QMenu::aboutToShow, this,
            [this, tradeMenu] { m_menus->fillTradeCodeMenu(tradeMenu); });
    connect(labelMenu, &QMenu::aboutToShow, this,
            [this, labelMenu] { m_menus->fillLabelMenu(labelMenu); });
    exportMenu->addAction(tr("Export Map…"), this, [this] {
        MapExportDialog dialog(m_universe, m_canvas->transform(), m_canvas->size(), this);
        dialog.exec();
    });
    m_viewButton = menuButton(tr("View"), viewMenu, this);
    m_viewButton->setObjectName(QStringLiteral("mapViewMenu"));

    m_search->setPlaceholderText(tr("Find a system"));
    m_search->setObjectName(QStringLiteral("mapSearch"));
    m_search->setToolTip(
        QString::fromUtf8(universe::systemPatternHelp.data(),
                          static_cast<qsizetype>(universe::systemPatternHelp.size())) +
        tr("\nReturn goes to each system found in turn."));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(260);
    m_status->setObjectName(QStringLiteral("mapSearchStatus"));
    connect(m_search, &QLineEdit::returnPressed, this, [this] { findSystem(m_search->text()); });
    connect(m_search, &QLineEdit::textChanged, this, &StarMapView::updateSearch);
    auto* fit = new QToolButton(this);
    fit->setText(tr("Fit"));
    fit->setToolTip(tr("Show the whole universe"));
    connect(fit, &QToolButton::clicked, this, [this] {
        m_canvas->setTransform(m_canvas->fitting(m_model->bounds()));
        storeTransform();
    });

    auto* toolbar = new QHBoxLayout;
    toolbar->setContentsMargins(6, 4, 6, 4);
    toolbar->addWidget(m_viewButton);
    toolbar->addWidget(menuButton(tr("Factions"), factionMenu, this));
    toolbar->addWidget(menuButton(tr("Trade Codes"), tradeMenu, this));
    toolbar->addWidget(menuButton(tr("Labels"), labelMenu, this));
    toolbar->addWidget(fit);
    toolbar->addWidget(menuButton(tr("Export"), exportMenu, this));
    toolbar->addStretch();
    toolbar->addWidget(m_status);
    toolbar->addWidget(m_search);

    m_stack->addWidget(m_canvas);
    m_stack->addWidget(m_empty);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(toolbar);
    layout->addLayout(m_stack, 1);

    m_card->hide();
    connect(m_card, &SystemCard::closeRequested, this, [this] {
        m_card->hide();
        m_canvas->setSelected(std::nullopt);
    });
    connect(m_card, &SystemCard::worldInfoRequested, this, &StarMapView::openWorldInfo);
    connect(m_canvas, &StarMapCanvas::hexClicked, this, &StarMapView::selectHex);
    connect(m_canvas, &StarMapCanvas::doubleClicked, this, &StarMapView::openWorldInfo);
    connect(m_canvas, &StarMapCanvas::transformChanged, this, &StarMapView::storeTransform);
    // Right click on a hex: its menu. An editor's "Paint on Map" lays the brush over the map.
    new HexContextMenu(m_universe, *m_canvas,
                       {[] { return static_cast<bool>(worldInfoOpener()); },
                        [this](const core::GalacticCoordinates& hex) {
                            selectHex(hex);
                            openWorldInfo();
                        }});
    new MapPaintTool(*m_canvas, m_universe.id());

    m_subscription = m_universe.changed().subscribe([this] {
        if (!m_ownChange)
            rebuild();
    });
    // The route the planner pinned in this universe is drawn until another replaces it.
    const auto followRoute = [this] {
        m_canvas->setRoute(ui::pinnedRoutes().hexes(m_universe.id()));
    };
    m_pinnedRoute = ui::pinnedRoutes().changed().subscribe(followRoute);
    followRoute();
    rebuild();
}

StarMapView::~StarMapView() = default;

void StarMapView::rebuild() {
    m_model = std::make_unique<StarMapModel>(m_universe.record());
    m_canvas->setContent(&m_universe.record(), m_model.get());
    const auto empty = emptyMapState(m_universe.record(), m_universe.usesTravellerTechLevels());
    if (empty) {
        m_empty->setTitle(QString::fromStdString(empty->title));
        m_empty->setMessage(QString::fromStdString(empty->message));
        m_stack->setCurrentWidget(m_empty);
    } else {
        m_stack->setCurrentWidget(m_canvas);
    }
    QStringList names;
    for (const core::HexData* hex : m_model->systems()) {
        if (!hex->starSystem.name.empty())
            names << QString::fromStdString(hex->starSystem.name);
    }
    auto* completer = new QCompleter(names, m_search);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    m_search->setCompleter(completer);
    // The marks point into the universe just replaced.
    updateSearch();
    // The card follows the system it shows, or goes when the system does.
    if (const auto& selected = m_canvas->selected()) {
        if (const core::HexData* hex = m_model->systemAt(*selected))
            m_card->show(*hex, m_universe);
        else {
            m_card->hide();
            m_canvas->setSelected(std::nullopt);
        }
    }
}

void StarMapView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // The last zoom and pan come back; a universe never moved starts fitted.
    const auto& stored = m_universe.record().mapTransform;
    m_canvas->setTransform(stored ? *stored : m_canvas->fitting(m_model->bounds()));
}

void StarMapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeCard();
}

void StarMapView::placeCard() {
    m_card->adjustSize();
    m_card->move(m_canvas->width() - m_card->width() - 12, 12);
}

void StarMapView::storeTransform() {
    m_ownChange = true;
    universe::MapViewSettings view = m_universe.mapView();
    view.mapTransform = m_canvas->transform();
    m_universe.setMapView(view);
    m_ownChange = false;
}

void StarMapView::selectHex(const core::GalacticCoordinates& hex) {
    const core::HexData* system = m_model->systemAt(hex);
    if (!system) {
        m_card->hide();
        m_canvas->setSelected(std::nullopt);
        return;
    }
    m_canvas->setSelected(hex);
    m_card->show(*system, m_universe);
    placeCard();
    m_card->raise();
}

StarMapView::Search StarMapView::search(const QString& text) const {
    Search result;
    auto parsed = universe::parseSystemPattern(text.trimmed().toStdString());
    if (const auto* error = std::get_if<universe::SystemPatternError>(&parsed)) {
        result.error = QString::fromStdString(error->message);
        return result;
    }
    auto& pattern = std::get<universe::SystemPattern>(parsed);
    result.onlyNames = pattern.onlyNames();
    // Asked with the map's own view, so the players' view finds only what they may know.
    const universe::SystemPatternMatcher matcher(std::move(pattern), m_universe.factions(),
                                                 &m_universe.mapView());
    for (const core::HexData* hex : m_model->systems()) {
        if (matcher.matches(*hex))
            result.found.push_back(hex);
    }
    return result;
}

void StarMapView::updateSearch() {
    const QString text = m_search->text().trimmed();
    if (text.isEmpty()) {
        m_status->clear();
        m_canvas->setHighlighted(std::nullopt);
        return;
    }
    const Search found = search(text);
    if (!found.error.isEmpty()) {
        m_status->setText(found.error);
        m_canvas->setHighlighted(std::nullopt);
        return;
    }
    m_canvas->setHighlighted(
        std::unordered_set<const core::HexData*>(found.found.begin(), found.found.end()));
    const auto count = static_cast<long long>(found.found.size());
    m_status->setText(count == 0   ? tr("No system found")
                      : count == 1 ? tr("1 system found")
                                   : tr("%1 systems found").arg(count));
}

bool StarMapView::findSystem(const QString& text) {
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return false;
    const Search found = search(wanted);
    if (!found.error.isEmpty()) {
        m_status->setText(found.error);
        return false;
    }
    if (found.found.empty()) {
        m_status->setText(found.onlyNames ? tr("No system named “%1” on the map").arg(wanted)
                                          : tr("No system on the map matches “%1”").arg(wanted));
        return false;
    }
    std::size_t index = 0;
    if (wanted == m_lastFound) {
        index = (m_foundIndex + 1) % found.found.size();
    } else if (found.onlyNames) {
        // A name typed in full wins over names that merely contain it.
        const auto named = [&](auto test) {
            for (std::size_t i = 0; i < found.found.size(); ++i) {
                if (test(QString::fromStdString(found.found[i]->starSystem.name)))
                    return std::optional<std::size_t>(i);
            }
            return std::optional<std::size_t>();
        };
        index = named([&](const QString& name) {
                    return name.compare(wanted, Qt::CaseInsensitive) == 0;
                }).value_or(named([&](const QString& name) {
                                return name.startsWith(wanted, Qt::CaseInsensitive);
                            }).value_or(0));
    }
    m_lastFound = wanted;
    m_foundIndex = index;
    const core::HexData* hex = found.found[index];
    if (found.found.size() > 1)
        m_status->setText(tr("System %1 of %2 found").arg(index + 1).arg(found.found.size()));
    m_canvas->centerOn(hex->coordinates);
    selectHex(hex->coordinates);
    return true;
}

void StarMapView::openWorldInfo() {
    const auto& selected = m_canvas->selected();
    if (selected && worldInfoOpener())
        worldInfoOpener()(m_context, *selected);
}

void registerStarMapViews(ui::DetailViewRegistry& registry) {
    registry.add(ui::Destination::starmap,
                 [](ui::ViewContext& context, const ui::SidebarSelection&, QWidget* parent) {
                     return new StarMapView(context, parent);
                 });
}

} // namespace velmora::starmap
