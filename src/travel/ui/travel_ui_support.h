#pragma once

#include <QDoubleSpinBox>
#include <QString>

class QWidget;

namespace velmora::campaign {
class Gamemastering;
}

namespace velmora::travel {

// A thrust in G with at most one decimal: "1G", "2.5G".
class ThrustSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    ThrustSpinBox(double minimum, double maximum, double step, QWidget* parent = nullptr);

protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
};

// Adds a travel time to the selected campaign's clock, which the store saves, and
// gives the campaign's own report of it; empty when there is no campaign to add to.
QString addTimeToSelectedCampaign(campaign::Gamemastering* campaigns, double seconds);

// How a positive time looks: in the accent colour, paler while it cannot be booked.
QString accentStyle();

} // namespace velmora::travel
