#pragma once

#include "core/signal.h"

#include <QString>
#include <QWidget>
#include <vector>

class QGridLayout;
class QPushButton;

namespace velmora::campaign {
class Gamemastering;
}

namespace velmora::travel {

// Times to cross distances at 1 to 6 G and at a custom thrust, one row a distance.
// A time pressed is added to the selected campaign's clock.
class TravelTimeTable : public QWidget {
    Q_OBJECT
public:
    struct Row {
        QString title;
        QString subtitle;
        QString distance; // as shown beside the title
        double distanceKm = 0;
    };

    // Cells are named "time_<row>_<column>", columns 0-5 for 1-6 G and 6 for the
    // custom thrust.
    TravelTimeTable(campaign::Gamemastering* campaigns, QWidget* parent = nullptr);
    ~TravelTimeTable() override;

    void setRows(std::vector<Row> rows);
    void setCustomThrust(double thrustG);
    double customThrust() const { return m_customThrust; }

    static constexpr int columnCount = 7;
    QPushButton* cell(int row, int column) const;

signals:
    // The campaign's report of the time it was given.
    void timeAdded(const QString& report);

private:
    double thrustOf(int column) const;
    void rebuild();
    void refreshCells();

    campaign::Gamemastering* m_campaigns;
    std::vector<Row> m_rows;
    double m_customThrust = 1.0;
    QGridLayout* m_grid;
    std::vector<QPushButton*> m_cells;
    std::vector<QWidget*> m_parts;
    core::Signal<>::Subscription m_campaignsChanged;
};

} // namespace velmora::travel
