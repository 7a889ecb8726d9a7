#pragma once

#include "travel/route_plan.h"

#include <QWidget>

class QVBoxLayout;

namespace velmora::travel {

// A planned route as the referee reads it: each stop with its fuel and refuelling,
// each jump between them, and the totals. Rows are named "stop_<n>", "leg_<n>" and
// "processing_<n>", the totals "routeSummary".
class RoutePlanPanel : public QWidget {
    Q_OBJECT
public:
    explicit RoutePlanPanel(QWidget* parent = nullptr);

    void setPlan(const RoutePlan& plan);
    void clear();

private:
    QVBoxLayout* m_rows;
};

} // namespace velmora::travel
