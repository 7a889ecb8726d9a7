#pragma once

#include "ships/ship_summary.h"

#include <QWidget>

class QFormLayout;
class QLabel;
class QTableWidget;

namespace velmora::ships {

// The designer's figures at a glance, beside the steps: the tonnage and cost
// table, power with its share-out during a jump, the crew by role with their
// salaries, life support, the running costs, the tonnage left and the warnings.
// It shows whatever summary it is given; the designer hands it a new one on
// every change.
class ShipSummaryPanel : public QWidget {
    Q_OBJECT
public:
    explicit ShipSummaryPanel(QWidget* parent = nullptr);

    void showSummary(const ShipSummary& summary);

private:
    QLabel* figure(QFormLayout* form, const QString& label, const QString& objectName);

    QTableWidget* m_table;
    QLabel* m_tonnageUsed;
    QLabel* m_cargoSpace;
    QLabel* m_hullPoints;
    QLabel* m_totalCost;
    QLabel* m_purchaseCost;
    QLabel* m_powerOutput;
    QLabel* m_powerRequirement;
    QLabel* m_jumpPower;
    QWidget* m_jumpSection;
    QTableWidget* m_jumpTable;
    QLabel* m_jumpNotes;
    QTableWidget* m_crewTable;
    QLabel* m_crewTotal;
    QLabel* m_salaries;
    QLabel* m_lifeSupportStaterooms;
    QLabel* m_lifeSupportCrew;
    QLabel* m_lifeSupportLowBerths;
    QLabel* m_lifeSupportHighGuard;
    QLabel* m_lifeSupport;
    QLabel* m_maintenance;
    QLabel* m_monthlyCosts;
    QLabel* m_software;
    QLabel* m_warnings;
    QLabel* m_notes;
};

} // namespace velmora::ships
