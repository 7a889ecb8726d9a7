#include "starmap/ui/hex_context_menu.h"

#include "starmap/ui/starmap_canvas.h"
#include "ui/map_openers.h"
#include "ui/travel_openers.h"
#include "ui/view_helpers.h"
#include "universe/overlay_texts.h"
#include "universe/ridivivev_izeviduv.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <algorithm>

namespace velmora::starmap {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// An action whose window cannot be opened here stays in the menu, switched off,
// with the reason as its tip, so the referee learns it exists.
QAction* addAction(QMenu* menu, const QString& text, bool available, const QString& whyNot,
                   std::function<void()> run) {
    QAction* action = menu->addAction(text);
    action->setEnabled(available);
    if (!available)
        action->setToolTip(whyNot);
    else
        QObject::connect(action, &QAction::triggered, menu, std::move(run));
    return action;
}

} // namespace

HexContextMenu::HexContextMenu(universe::RidivivevIzeviduv& universe, StarMapCanvas& canvas,
                               WorldInfo worldInfo)
    : QObject(&canvas), m_universe(universe), m_canvas(canvas), m_worldInfo(std::move(worldInfo)) {
    canvas.installEventFilter(this);
}

bool HexContextMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_canvas && event->type() == QEvent::ContextMenu) {
        auto* request = static_cast<QContextMenuEvent*>(event);
        QMenu* menu = menuFor(m_canvas.hexAt(request->pos()), &m_canvas);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(request->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QMenu* HexContextMenu::menuFor(const core::GalacticCoordinates& hex, QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("hexMenu"));
    menu->setToolTipsVisible(true);
    const core::HexData* system = m_universe.hexAt(hex);
    const QString where = hexText(hex);
    QAction* heading = menu->addAction(system && !system->starSystem.name.empty()
                                           ? tr("%1 · %2").arg(qt(system->starSystem.name), where)
                                           : where);
    heading->setEnabled(false);
    menu->addSeparator();

    const ui::MapOpeners& openers = ui::mapOpeners();
    if (!system) {
        addAction(menu, tr("Generate System Here…"), static_cast<bool>(openers.generateAt),
                  tr("The generator is not available in this window."),
                  [hex] { ui::mapOpeners().generateAt(hex); });
        addAction(menu, tr("Add Label Here…"), true, QString(),
                  [this, hex, parent] { askForLabel(hex, parent); });
        addAction(menu, tr("Add to Nebula…"), true, QString(),
                  [this, hex, parent] { askForNebula(hex, parent); });
    } else {
        addAction(menu, tr("World Info"), m_worldInfo.available && m_worldInfo.available(),
                  tr("World Info is not available in this window."),
                  [this, hex] { m_worldInfo.open(hex); });
        addAction(menu, tr("System Travel"), ui::canOpenTravelWindows(),
                  tr("The travel windows are not available in this window."),
                  [hex] { ui::openSystemTravel(hex); });
        menu->addSeparator();
        const bool canPlan = static_cast<bool>(openers.planRoute);
        const QString noPlanner = tr("The route planner is not available in this window.");
        addAction(menu, tr("Plan Route From Here"), canPlan, noPlanner,
                  [hex] { ui::mapOpeners().planRoute(hex, std::nullopt); });
        addAction(menu, tr("Plan Route To Here"), canPlan, noPlanner,
                  [hex] { ui::mapOpeners().planRoute(std::nullopt, hex); });
        menu->addSeparator();
        addAction(menu, tr("Edit System"), static_cast<bool>(openers.editSystem),
                  tr("The systems list is not available in this window."),
                  [hex] { ui::mapOpeners().editSystem(hex); });
    }
    addAction(menu, tr("Copy Hex"), true, QString(),
              [where] { QApplication::clipboard()->setText(where); });
    return menu;
}

QString HexContextMenu::hexText(const core::GalacticCoordinates& hex) const {
    return qt(m_universe.locationText(hex));
}

bool HexContextMenu::addLabel(const core::GalacticCoordinates& hex, const QString& text) const {
    const std::string trimmed = text.trimmed().toStdString();
    if (trimmed.empty())
        return false;
    universe::StarmapLabel label;
    label.id = core::Uuid::generate();
    label.text = trimmed;
    label.position = hex;
    const universe::EditResult result =
        m_universe.putRecord(&universe::UniverseRecord::starmapLabels, label,
                             "New Label " + universe::labelDisplayName(label));
    if (!result)
        ui::showEditFailure(&m_canvas, tr("Can't Add Label"), result.error);
    return static_cast<bool>(result);
}

bool HexContextMenu::addToNebula(const core::GalacticCoordinates& hex, int index,
                                 const QString& newName) const {
    const auto& nebulae = m_universe.nebulae();
    universe::Nebula nebula;
    std::string label;
    if (index >= 0 && index < static_cast<int>(nebulae.size())) {
        nebula = nebulae[static_cast<std::size_t>(index)];
        if (std::find(nebula.hexes.begin(), nebula.hexes.end(), hex) != nebula.hexes.end())
            return false;
        label = "Edit Nebula " + universe::nebulaDisplayName(nebula);
    } else {
        nebula.id = core::Uuid::generate();
        nebula.name = newName.trimmed().toStdString();
        label = "New Nebula " + universe::nebulaDisplayName(nebula);
    }
    nebula.hexes.push_back(hex);
    const universe::EditResult result =
        m_universe.putRecord(&universe::UniverseRecord::nebulae, nebula, label);
    if (!result)
        ui::showEditFailure(&m_canvas, tr("Can't Add to Nebula"), result.error);
    return static_cast<bool>(result);
}

void HexContextMenu::askForLabel(const core::GalacticCoordinates& hex, QWidget* parent) const {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, tr("Add Label Here"),
                                               tr("Label text for %1:").arg(hexText(hex)),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok)
        addLabel(hex, text);
}

void HexContextMenu::askForNebula(const core::GalacticCoordinates& hex, QWidget* parent) const {
    QStringList choices;
    for (const universe::Nebula& nebula : m_universe.nebulae())
        choices << qt(universe::nebulaDisplayName(nebula));
    const QString newNebula = tr("New Nebula");
    choices << newNebula;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, tr("Add to Nebula"),
                                                 tr("Add %1 to the nebula:").arg(hexText(hex)),
                                                 choices, 0, false, &ok);
    if (!ok)
        return;
    const int index = static_cast<int>(choices.indexOf(chosen));
    if (index < static_cast<int>(m_universe.nebulae().size())) {
        addToNebula(hex, index);
        return;
    }
    const QString name = QInputDialog::getText(parent, tr("New Nebula"), tr("Nebula name:"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok)
        addToNebula(hex, index, name);
}

} // namespace velmora::starmap
