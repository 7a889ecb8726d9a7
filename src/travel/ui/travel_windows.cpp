#include "travel/ui/travel_windows.h"

#include "travel/travel_texts.h"
#include "travel/ui/travel_time_table.h"
#include "travel/ui/travel_ui_support.h"
#include "ui/empty_state_view.h"
#include "ui/view_context.h"
#include "ui/view_helpers.h"
#include "ui/window_registry.h"
#include "universe/universe_manager.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace velmora::travel {

namespace {

// The figure alone, for a column that is all distances.
QString distanceFigure(double km) {
    QString text = qt(distanceText(km));
    const QString prefix = QStringLiteral("Distance ");
    return text.startsWith(prefix) ? text.mid(prefix.size()) : text;
}

QString coordinatesKey(const core::GalacticCoordinates& hex) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(hex.sectorX)
        .arg(hex.sectorY)
        .arg(hex.column)
        .arg(hex.row);
}

} // namespace

TravelWindow::TravelWindow(ui::ViewContext& context, core::GalacticCoordinates hex,
                           std::optional<core::Uuid> fromWorldID, bool interplanetary,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_hex(hex), m_interplanetary(interplanetary),
      m_fromID(std::move(fromWorldID)), m_stack(new QStackedLayout(this)),
      m_notFound(new ui::EmptyStateView(qt(systemNotFoundText), QString(), this)),
      m_title(new QLabel(this)),
      m_thrust(new ThrustSpinBox(minimumCustomThrust, maximumCustomThrust, customThrustStep, this)),
      m_tooFewBodies(ui::quietNote(qt(tooFewBodiesText), this)), m_pickers(new QWidget(this)),
      m_from(new QComboBox(m_pickers)), m_to(new QComboBox(m_pickers)),
      m_transitTable(new TravelTimeTable(context.campaigns, this)),
      m_feedback(ui::messageLine(QStringLiteral("travelFeedback"), false)) {
    setObjectName(interplanetary ? QStringLiteral("interplanetaryTravel")
                                 : QStringLiteral("systemTravel"));
    setWindowTitle(interplanetary ? tr("Interplanetary Travel") : tr("System Travel"));
    m_notFound->setObjectName(QStringLiteral("systemNotFound"));

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(18, 14, 18, 14);
    m_title->setObjectName(QStringLiteral("travelTitle"));
    m_title->setWordWrap(true);
    ui::makeTitle(m_title);
    layout->addWidget(m_title);
    auto* help =
        ui::quietNote(qt(interplanetary ? interplanetaryTravelHelp : systemTravelHelp), content);
    help->setObjectName(QStringLiteral("travelHelp"));
    layout->addWidget(help);

    m_thrust->setObjectName(QStringLiteral("customThrust"));
    m_thrust->setValue(1.0);
    auto* thrustRow = new QHBoxLayout;
    thrustRow->addWidget(new QLabel(qt(customThrustLabel), content));
    thrustRow->addWidget(m_thrust);
    thrustRow->addStretch();
    layout->addLayout(thrustRow);
    layout->addWidget(m_feedback);

    if (!interplanetary) {
        m_jumpSection = new QWidget(content);
        auto* jump = new QVBoxLayout(m_jumpSection);
        jump->setContentsMargins(0, 0, 0, 0);
        jump->addWidget(ui::sectionHeading(qt(jumpPointsTitle), m_jumpSection));
        m_jumpTable = new TravelTimeTable(context.campaigns, m_jumpSection);
        m_jumpTable->setObjectName(QStringLiteral("jumpPointTable"));
        jump->addWidget(m_jumpTable);
        m_noSurface = ui::quietNote(qt(noSurfaceText), m_jumpSection);
        m_noSurface->setObjectName(QStringLiteral("noSurfaceNote"));
        jump->addWidget(m_noSurface);
        layout->addWidget(m_jumpSection);
        connect(m_jumpTable, &TravelTimeTable::timeAdded, this,
                [this](const QString& report) { ui::showMessage(m_feedback, report); });
    }

    layout->addWidget(ui::sectionHeading(qt(interplanetaryTitle), content));
    m_tooFewBodies->setObjectName(QStringLiteral("tooFewBodiesNote"));
    layout->addWidget(m_tooFewBodies);
    m_from->setObjectName(QStringLiteral("transitFrom"));
    m_to->setObjectName(QStringLiteral("transitTo"));
    auto* pickers = new QFormLayout(m_pickers);
    pickers->setContentsMargins(0, 0, 0, 0);
    pickers->addRow(tr("From"), m_from);
    pickers->addRow(tr("To"), m_to);
    layout->addWidget(m_pickers);
    m_transitTable->setObjectName(QStringLiteral("transitTable"));
    layout->addWidget(m_transitTable);
    layout->addStretch();

    m_stack->addWidget(ui::scrollingPage(content, this));
    m_stack->addWidget(m_notFound);

    connect(m_thrust, &QDoubleSpinBox::valueChanged, this, [this](double thrust) {
        if (m_jumpTable)
            m_jumpTable->setCustomThrust(thrust);
        m_transitTable->setCustomThrust(thrust);
    });
    connect(m_transitTable, &TravelTimeTable::timeAdded, this,
            [this](const QString& report) { ui::showMessage(m_feedback, report); });
    const auto picked = [this](QComboBox* box, std::optional<core::Uuid>& id) {
        if (m_filling)
            return;
        id = core::Uuid::fromString(box->currentData().toString().toStdString());
        showTransit();
    };
    connect(m_from, &QComboBox::currentIndexChanged, this,
            [this, picked] { picked(m_from, m_fromID); });
    connect(m_to, &QComboBox::currentIndexChanged, this, [this, picked] { picked(m_to, m_toID); });

    m_universeChanged = m_context.manager.current().changed().subscribe([this] { refresh(); });
    m_universeReplaced = m_context.manager.currentReplaced().subscribe([this] {
        m_universeChanged.reset();
        close();
    });
    resize(interplanetary ? 820 : 920, interplanetary ? 440 : 700);
    refresh();
}

TravelWindow::~TravelWindow() = default;

void TravelWindow::refresh() {
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    const core::HexData* hex = universe.hexAt(m_hex);
    if (!hex) {
        m_stack->setCurrentWidget(m_notFound);
        return;
    }
    m_stack->setCurrentIndex(0);
    m_title->setText(qt(travelWindowTitle(universe.locationText(m_hex), m_interplanetary)));

    if (m_jumpTable) {
        std::vector<TravelTimeTable::Row> rows;
        for (const TravelRow& row : jumpPointRows(*hex))
            rows.push_back(
                {qt(row.title), qt(row.subtitle), distanceFigure(row.distanceKm), row.distanceKm});
        m_jumpTable->setVisible(!rows.empty());
        m_noSurface->setVisible(rows.empty());
        m_jumpTable->setRows(std::move(rows));
    }
    fillBodies(*hex);
}

void TravelWindow::fillBodies(const core::HexData& hex) {
    m_bodies = travelBodies(hex);
    const bool enough = m_bodies.size() >= 2;
    m_tooFewBodies->setVisible(!enough);
    m_pickers->setVisible(enough);
    m_transitTable->setVisible(enough);
    if (!enough)
        return;
    // The picks stay on their bodies while they exist; a new window departs from
    // the given world, or the first body, and arrives at the next one.
    if (!m_fromID || !findBody(m_bodies, *m_fromID))
        m_fromID = m_bodies.front().id;
    if (!m_toID || !findBody(m_bodies, *m_toID)) {
        m_toID = m_bodies.front().id == *m_fromID ? m_bodies[1].id : m_bodies.front().id;
    }
    m_filling = true;
    for (QComboBox* box : {m_from, m_to}) {
        box->clear();
        for (const TravelBodyChoice& body : m_bodies)
            box->addItem(qt(body.title + " \u2014 " + body.subtitle), qt(body.id.toString()));
    }
    m_from->setCurrentIndex(m_from->findData(qt(m_fromID->toString())));
    m_to->setCurrentIndex(m_to->findData(qt(m_toID->toString())));
    m_filling = false;
    showTransit();
}

void TravelWindow::showTransit() {
    const TravelBodyChoice* from = m_fromID ? findBody(m_bodies, *m_fromID) : nullptr;
    const TravelBodyChoice* to = m_toID ? findBody(m_bodies, *m_toID) : nullptr;
    if (!from || !to) {
        m_transitTable->setRows({});
        return;
    }
    const double km = interplanetaryDistanceKm(from->body, to->body);
    m_transitTable->setRows(
        {{qt(transitHeading(*from, *to)), QString(), qt(distanceText(km)), km}});
}

SystemTravelWindow::SystemTravelWindow(ui::ViewContext& context, core::GalacticCoordinates hex,
                                       QWidget* parent)
    : TravelWindow(context, hex, std::nullopt, false, parent) {}

InterplanetaryTravelWindow::InterplanetaryTravelWindow(ui::ViewContext& context,
                                                       const InterplanetaryTravelTarget& target,
                                                       QWidget* parent)
    : TravelWindow(context, target.coordinates, target.fromWorldID, true, parent) {}

QWidget* openSystemTravel(ui::ViewContext& context, const core::GalacticCoordinates& hex) {
    return context.windows.open(QString::fromLatin1(systemTravelWindowIdentifier),
                                coordinatesKey(hex),
                                [&context, hex] { return new SystemTravelWindow(context, hex); });
}

QWidget* openInterplanetaryTravel(ui::ViewContext& context,
                                  const InterplanetaryTravelTarget& target) {
    const QString value = coordinatesKey(target.coordinates) + QLatin1Char('/') +
                          (target.fromWorldID ? qt(target.fromWorldID->toString()) : QString());
    return context.windows.open(
        QString::fromLatin1(interplanetaryTravelWindowIdentifier), value,
        [&context, target] { return new InterplanetaryTravelWindow(context, target); });
}

} // namespace velmora::travel
