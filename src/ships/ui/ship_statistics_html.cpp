#include "ships/ui/ship_statistics_html.h"

#include "ships/ship_summary.h"
#include "ui/qt_text.h"

#include <QObject>
#include <QStringList>

namespace velmora::ships {

namespace {

QString cell(const QString& text, bool right = false, bool bold = false) {
    QString style = QStringLiteral("padding:1px 6px;");
    if (right)
        style += QStringLiteral(" text-align:right;");
    const QString content = bold ? "<b>" + text + "</b>" : text;
    return QStringLiteral("<td style=\"%1\"%2>%3</td>")
        .arg(style, right ? QStringLiteral(" align=\"right\"") : QString(), content);
}

QString escaped(const std::string& text) {
    return qt(text).toHtmlEscaped();
}

QString figureRow(const QString& label, const QString& value) {
    return "<tr>" + cell(label.toHtmlEscaped()) + cell(value.toHtmlEscaped(), true) + "</tr>";
}

QString count(double value) {
    return qt(tonsText(value));
}

} // namespace

QString shipStatisticsHtml(const ShipDesign& design) {
    const ShipSummary summary = summarize(design);
    QString html;
    html += QStringLiteral("<h3>%1</h3>").arg(QObject::tr("Statistics"));
    html += QStringLiteral("<table cellspacing=\"0\" width=\"100%\">");
    html += "<tr>" + cell(QObject::tr("Section"), false, true) + cell(QString(), false, true) +
            cell(QObject::tr("Tons"), true, true) + cell(QObject::tr("Cost (MCr)"), true, true) +
            "</tr>";
    for (const auto& row : summary.rows)
        html += "<tr>" + cell(escaped(row.section)) + cell(escaped(row.detail)) +
                cell(qt(tonsText(row.tons)), true) + cell(qt(megaCreditsText(row.cost)), true) +
                "</tr>";
    html += "<tr>" + cell(escaped(summary.total.section), false, true) +
            cell(escaped(summary.total.detail), false, true) +
            cell(qt(tonsText(summary.total.tons)), true, true) +
            cell(qt(megaCreditsText(summary.total.cost)), true, true) + "</tr>";
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h4>%1</h4><table cellspacing=\"0\" width=\"100%\">")
                .arg(QObject::tr("Figures"));
    html += figureRow(QObject::tr("Tonnage Used"),
                      count(summary.tonnageUsed) + " / " + QString::number(summary.tonnage));
    html += figureRow(QObject::tr("Cargo Space"), count(summary.cargoSpace) + " tons");
    html += figureRow(QObject::tr("Hull Points"), QString::number(summary.hullPoints));
    html += figureRow(QObject::tr("Power Output"), count(summary.powerOutput));
    html += figureRow(QObject::tr("Power Requirement"), count(summary.powerRequirement));
    if (summary.jumpPower > 0)
        html += figureRow(QObject::tr("Jump Power"), count(summary.jumpPower));
    html += figureRow(QObject::tr("Jump Fuel"), count(summary.jumpFuelTonnage) + " tons");
    html += figureRow(QObject::tr("Total Fuel"), count(summary.totalFuelTonnage) + " tons");
    html +=
        figureRow(QObject::tr("Hardpoints Used"),
                  QStringLiteral("%1 / %2").arg(summary.hardpointsUsed).arg(summary.hardpoints));
    html +=
        figureRow(QObject::tr("Total Ship Cost"), "MCr" + qt(megaCreditsText(summary.totalCost)));
    html +=
        figureRow(QObject::tr("Purchase Cost"), "MCr" + qt(megaCreditsText(summary.purchaseCost)));
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h4>%1</h4><table cellspacing=\"0\" width=\"100%\">")
                .arg(QObject::tr("Crew"));
    for (const auto& line : summary.crewByRole)
        html += figureRow(
            qt(line.label),
            QStringLiteral("%1 (%2)").arg(line.count).arg(qt(perMonthText(line.salaryPerMonth))));
    html += figureRow(QObject::tr("Total Crew"), QString::number(summary.crewTotal));
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h4>%1</h4><table cellspacing=\"0\" width=\"100%\">")
                .arg(QObject::tr("Running Costs"));
    html +=
        figureRow(QObject::tr("Maintenance Cost"), qt(perMonthText(summary.maintenancePerMonth)));
    html +=
        figureRow(QObject::tr("Total Life Support"), qt(perMonthText(summary.lifeSupportPerMonth)));
    html += figureRow(QObject::tr("Crew Salaries"), qt(perMonthText(summary.salariesPerMonth)));
    html +=
        figureRow(QObject::tr("Total Monthly Costs"), qt(perMonthText(summary.totalMonthlyCosts)));
    html += QStringLiteral("</table>");

    if (!summary.powerAllocationDuringJump.empty()) {
        html += QStringLiteral("<h4>%1</h4><table cellspacing=\"0\" width=\"100%\">")
                    .arg(QObject::tr("Power During Jump"));
        for (const auto& entry : summary.powerAllocationDuringJump) {
            QString label = qt(entry.label);
            if (entry.status == PowerAllocationEntry::Status::half)
                label += QObject::tr(" (half)");
            else if (entry.status == PowerAllocationEntry::Status::off)
                label += QObject::tr(" (off)");
            html += figureRow(label, count(entry.power()));
        }
        html += QStringLiteral("</table>");
    }

    if (!summary.warnings.empty()) {
        html += QStringLiteral("<h4>%1</h4><ul>").arg(QObject::tr("Warnings"));
        for (const auto& warning : summary.warnings)
            html += QStringLiteral("<li style=\"color:#b00020\">%1</li>").arg(escaped(warning));
        html += QStringLiteral("</ul>");
    }
    return html;
}

} // namespace velmora::ships
