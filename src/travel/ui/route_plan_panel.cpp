#include "travel/ui/route_plan_panel.h"

#include "travel/route_texts.h"
#include "ui/qt_text.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velmora::travel {

namespace {

QLabel* rowLabel(const QString& name, const QString& html, QWidget* parent) {
    auto* label = new QLabel(html, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString escaped(const std::string& text) {
    return qt(text).toHtmlEscaped();
}

} // namespace

RoutePlanPanel::RoutePlanPanel(QWidget* parent) : QWidget(parent), m_rows(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("routePlan"));
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(3);
}

void RoutePlanPanel::clear() {
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void RoutePlanPanel::setPlan(const RoutePlan& plan) {
    clear();
    // The totals first: they are what the referee plans by.
    auto* summary = rowLabel(QStringLiteral("routeSummary"),
                             QStringLiteral("<b>%1</b>").arg(escaped(summaryText(plan))), this);
    summary->setContentsMargins(0, 0, 0, 6);
    m_rows->addWidget(summary);
    const std::size_t count = plan.stops.size();
    for (std::size_t i = 0; i < count; ++i) {
        const RouteStop& stop = plan.stops[i];
        const bool end = i == 0 || i + 1 == count;
        m_rows->addWidget(
            rowLabel(QStringLiteral("stop_%1").arg(i),
                     QStringLiteral("<span style='color:%1'>●</span> "
                                    "<b>%2</b> &nbsp;%3")
                         .arg(end ? QStringLiteral("#e8a33d") : QStringLiteral("#6fa8dc"),
                              escaped(stopTitle(i, count)), escaped(stopText(stop))),
                     this));
        if (const auto processing = processingText(stop))
            m_rows->addWidget(rowLabel(QStringLiteral("processing_%1").arg(i),
                                       QStringLiteral("<span style='margin-left:18px'>"
                                                      "&nbsp;&nbsp;&nbsp;&nbsp;<i>%1</i></span>")
                                           .arg(escaped(*processing)),
                                       this));
        if (i < plan.legs.size())
            m_rows->addWidget(rowLabel(QStringLiteral("leg_%1").arg(i),
                                       QStringLiteral("<span style='color:#8a8f98'>"
                                                      "&nbsp;&nbsp;│&nbsp;&nbsp;↓ %1</span>")
                                           .arg(escaped(legText(plan.legs[i]))),
                                       this));
    }
}

} // namespace velmora::travel
