#include "factions/ui/faction_ui_support.h"

#include "factions/faction_editing.h"
#include "universe/ridivivev_izeviduv.h"

#include <QFrame>
#include <QVBoxLayout>

namespace velmora::factions {

QString locationWithSystem(const universe::RidivivevIzeviduv& universe,
                           const core::GalacticCoordinates& location) {
    const QString where = qt(universe.locationText(location));
    if (const core::HexData* hex = universe.hexAt(location))
        return qt(systemDisplayName(*hex)) + QStringLiteral(" (") + where + QLatin1Char(')');
    return where;
}

QString stardateText(const universe::Stardate& date) {
    return QObject::tr("Day %1, %2 · %3:%4")
        .arg(date.day)
        .arg(date.year)
        .arg(date.hour, 2, 10, QLatin1Char('0'))
        .arg(date.minute, 2, 10, QLatin1Char('0'));
}

QFrame* rowFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setObjectName(QStringLiteral("row"));
    frame->setStyleSheet(
        QStringLiteral("QFrame#row { border: 1px solid palette(mid); border-radius: 6px; "
                       "background: palette(base); }"));
    return frame;
}

void clearRows(QVBoxLayout* rows) {
    while (QLayoutItem* item = rows->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

} // namespace velmora::factions
