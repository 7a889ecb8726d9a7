#include "travel/ui/travel_time_table.h"

#include "campaign/gamemastering.h"
#include "travel/route_texts.h"
#include "travel/travel_durations.h"
#include "travel/travel_geometry.h"
#include "travel/travel_tables.h"
#include "travel/ui/travel_ui_support.h"
#include "ui/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::travel {

namespace {

QLabel* headerLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

TravelTimeTable::TravelTimeTable(campaign::Gamemastering* campaigns, QWidget* parent)
    : QWidget(parent), m_campaigns(campaigns), m_grid(new QGridLayout(this)) {
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(6);
    m_grid->setVerticalSpacing(4);
    m_grid->setColumnStretch(0, 1);
    if (m_campaigns)
        m_campaignsChanged = m_campaigns->changed().subscribe([this] { refreshCells(); });
    rebuild();
}

TravelTimeTable::~TravelTimeTable() = default;

double TravelTimeTable::thrustOf(int column) const {
    return column < static_cast<int>(thrustColumns.size())
               ? thrustColumns[static_cast<std::size_t>(column)]
               : m_customThrust;
}

void TravelTimeTable::setRows(std::vector<Row> rows) {
    m_rows = std::move(rows);
    rebuild();
}

void TravelTimeTable::setCustomThrust(double thrustG) {
    m_customThrust = thrustG;
    rebuild();
}

QPushButton* TravelTimeTable::cell(int row, int column) const {
    const auto index = static_cast<std::size_t>(row * columnCount + column);
    return row >= 0 && column >= 0 && column < columnCount && index < m_cells.size()
               ? m_cells[index]
               : nullptr;
}

void TravelTimeTable::rebuild() {
    for (QWidget* part : m_parts)
        delete part;
    m_parts.clear();
    m_cells.clear();

    const auto place = [this](QWidget* widget, int row, int column, Qt::Alignment alignment = {}) {
        m_grid->addWidget(widget, row, column, alignment);
        m_parts.push_back(widget);
    };
    place(new QLabel(this), 0, 0);
    for (int column = 0; column < columnCount; ++column) {
        const QString title = column + 1 < columnCount
                                  ? tr("%1 G").arg(column + 1)
                                  : tr("Custom %1").arg(qt(thrustText(m_customThrust)));
        place(headerLabel(title, this), 0, column + 1);
    }
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const Row& row = m_rows[r];
        const int gridRow = static_cast<int>(r) + 1;
        auto* body = new QLabel(this);
        body->setTextFormat(Qt::RichText);
        body->setWordWrap(true);
        body->setObjectName(QStringLiteral("body_%1").arg(r));
        body->setText(QStringLiteral("<b>%1</b> &nbsp;<span>%2</span><br><small "
                                     "style='color:#8a8f98'>%3</small>")
                          .arg(row.title.toHtmlEscaped(), row.distance.toHtmlEscaped(),
                               row.subtitle.toHtmlEscaped()));
        body->setMinimumWidth(280);
        place(body, gridRow, 0);
        for (int column = 0; column < columnCount; ++column) {
            const double seconds = transitSeconds(row.distanceKm, thrustOf(column));
            auto* button = new QPushButton(qt(formatTransit(seconds)), this);
            button->setObjectName(QStringLiteral("time_%1_%2").arg(r).arg(column));
            button->setFlat(true);
            button->setProperty("seconds", seconds);
            button->setMinimumWidth(64);
            if (seconds > 0)
                button->setStyleSheet(accentStyle());
            connect(button, &QPushButton::clicked, this, [this, seconds] {
                const QString report = addTimeToSelectedCampaign(m_campaigns, seconds);
                if (!report.isEmpty())
                    emit timeAdded(report);
            });
            place(button, gridRow, column + 1);
            m_cells.push_back(button);
        }
    }
    refreshCells();
}

void TravelTimeTable::refreshCells() {
    const bool selected = m_campaigns && m_campaigns->selectedCampaign();
    const QString help = qt(addTravelTimeHelp(selected));
    for (QPushButton* button : m_cells) {
        button->setEnabled(selected && button->property("seconds").toDouble() > 0);
        button->setToolTip(help);
    }
}

} // namespace velmora::travel
