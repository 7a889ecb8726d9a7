#include "travel/ui/travel_ui_support.h"

#include "campaign/gamemastering.h"
#include "travel/route_actions.h"
#include "travel/route_texts.h"
#include "ui/qt_text.h"

#include <QApplication>

namespace velmora::travel {

ThrustSpinBox::ThrustSpinBox(double minimum, double maximum, double step, QWidget* parent)
    : QDoubleSpinBox(parent) {
    setDecimals(1);
    setRange(minimum, maximum);
    setSingleStep(step);
    setKeyboardTracking(false);
}

QString ThrustSpinBox::textFromValue(double value) const {
    return qt(thrustText(value));
}

double ThrustSpinBox::valueFromText(const QString& text) const {
    QString number = text.trimmed();
    if (number.endsWith(QLatin1Char('G'), Qt::CaseInsensitive))
        number.chop(1);
    return number.trimmed().toDouble();
}

QValidator::State ThrustSpinBox::validate(QString& text, int&) const {
    QString number = text.trimmed();
    if (number.endsWith(QLatin1Char('G'), Qt::CaseInsensitive))
        number.chop(1);
    number = number.trimmed();
    if (number.isEmpty() || number == QLatin1String("."))
        return QValidator::Intermediate;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return QValidator::Invalid;
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}

QString addTimeToSelectedCampaign(campaign::Gamemastering* campaigns, double seconds) {
    if (!campaigns || !campaigns->selectedCampaignCode() || seconds <= 0)
        return {};
    const auto report =
        campaigns->edit(*campaigns->selectedCampaignCode(), [&](campaign::Campaign& campaign) {
            return addTravelTime(campaign, seconds);
        });
    if (!report)
        return {};
    QApplication::beep();
    return qt(*report);
}

QString accentStyle() {
    // Paler while it cannot be booked, so a time still reads as a time.
    return QStringLiteral("QPushButton { color: #2a7fc9; font-weight: 600; }"
                          "QPushButton:disabled { color: #93b7d8; }"
                          "QPushButton:hover:enabled { text-decoration: underline; }");
}

} // namespace velmora::travel
