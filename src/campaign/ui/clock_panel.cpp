#include "campaign/ui/clock_panel.h"

#include "campaign/calendar_position.h"
#include "campaign/campaign_clock.h"
#include "campaign/gamemastering.h"
#include "ui/view_helpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::campaign {

namespace {

QPushButton* stepButton(std::string_view label, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(qt(label), parent);
    button->setObjectName(objectName);
    button->setMinimumWidth(64);
    return button;
}

// "Wonday, week 2 of month 3", or the holiday that belongs to no month.
QString placeInCalendar(int day) {
    const auto position = calendarPosition(day);
    if (!position)
        return QObject::tr("Holiday — the first day of the year, in no month");
    return QObject::tr("%1, week %2 of month %3")
        .arg(qt(core::weekdayName(day)))
        .arg(position->week)
        .arg(position->month);
}

} // namespace

ClockPanel::ClockPanel(Gamemastering& store, QWidget* parent)
    : QWidget(parent), m_store(store), m_time(new QLabel(this)), m_place(new QLabel(this)),
      m_round(new QPushButton(tr("Round to 10 Minutes"), this)), m_year(new QSpinBox(this)),
      m_day(new QSpinBox(this)), m_month(new QComboBox(this)), m_week(new QComboBox(this)),
      m_weekday(new QComboBox(this)) {
    setObjectName(QStringLiteral("clockPanel"));

    m_time->setObjectName(QStringLiteral("timeAndDate"));
    m_time->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = m_time->font();
    big.setPointSizeF(big.pointSizeF() * 1.7);
    big.setBold(true);
    m_time->setFont(big);
    m_place->setObjectName(QStringLiteral("calendarPlace"));
    m_round->setObjectName(QStringLiteral("roundTime"));
    m_round->setToolTip(qt(roundTimeHelp));
    auto* roundRow = new QHBoxLayout;
    roundRow->addWidget(m_round);
    roundRow->addWidget(ui::quietNote(qt(roundTimeHelp), this), 1);

    auto* clockSteps = new QGroupBox(tr("Move the Clock"), this);
    auto* grid = new QGridLayout(clockSteps);
    grid->addWidget(new QLabel(tr("Back"), clockSteps), 0, 0);
    auto* back = stepButton(rewindStep.label, QStringLiteral("rewind-%1").arg(rewindStep.minutes),
                            clockSteps);
    back->setToolTip(tr("Rewinds the clock ten minutes."));
    grid->addWidget(back, 0, 1);
    connect(back, &QPushButton::clicked, this, [this] { rewind(rewindStep.minutes); });
    // The short steps in one row, the long ones below them.
    grid->addWidget(new QLabel(tr("Forward"), clockSteps), 1, 0);
    grid->addWidget(new QLabel(tr("Days"), clockSteps), 2, 0);
    int shortColumn = 1;
    int longColumn = 1;
    // Shortest first along each row.
    auto ordered = advanceSteps;
    std::sort(ordered.begin(), ordered.end(),
              [](const ClockStep& a, const ClockStep& b) { return a.minutes < b.minutes; });
    for (const ClockStep& step : ordered) {
        auto* button =
            stepButton(step.label, QStringLiteral("advance-%1").arg(step.minutes), clockSteps);
        const bool isLong = step.minutes >= core::minutesPerDay;
        grid->addWidget(button, isLong ? 2 : 1, isLong ? longColumn++ : shortColumn++);
        const std::int64_t minutes = step.minutes;
        connect(button, &QPushButton::clicked, this, [this, minutes] { advance(minutes); });
    }
    grid->setColumnStretch(grid->columnCount(), 1);

    m_year->setObjectName(QStringLiteral("clockYear"));
    m_day->setObjectName(QStringLiteral("clockDay"));
    m_month->setObjectName(QStringLiteral("clockMonth"));
    m_week->setObjectName(QStringLiteral("clockWeek"));
    m_weekday->setObjectName(QStringLiteral("clockWeekday"));
    m_year->setRange(-99'999, 99'999);
    m_day->setRange(1, core::daysPerYear);
    // Typed numbers count once the referee is done typing them.
    m_year->setKeyboardTracking(false);
    m_day->setKeyboardTracking(false);
    m_month->addItem(tr("Holiday"));
    for (int month = 1; month <= core::monthsPerYear; ++month)
        m_month->addItem(tr("Month %1").arg(month));
    for (int week = 1; week <= core::daysPerMonth / core::daysPerWeek; ++week)
        m_week->addItem(tr("Week %1").arg(week));
    for (int weekday = 1; weekday <= core::daysPerWeek; ++weekday)
        m_weekday->addItem(qt(weekdayNameInWeek(weekday)));

    auto* setDate = new QGroupBox(tr("Set the Date"), this);
    auto* dateRow = new QGridLayout(setDate);
    dateRow->addWidget(new QLabel(tr("Year"), setDate), 0, 0);
    dateRow->addWidget(m_year, 0, 1);
    dateRow->addWidget(new QLabel(tr("Day of the year"), setDate), 0, 2);
    dateRow->addWidget(m_day, 0, 3);
    dateRow->addWidget(new QLabel(tr("Month"), setDate), 1, 0);
    dateRow->addWidget(m_month, 1, 1);
    dateRow->addWidget(new QLabel(tr("Week"), setDate), 1, 2);
    dateRow->addWidget(m_week, 1, 3);
    dateRow->addWidget(new QLabel(tr("Weekday"), setDate), 1, 4);
    dateRow->addWidget(m_weekday, 1, 5);
    dateRow->setColumnStretch(6, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_time);
    layout->addWidget(m_place);
    layout->addLayout(roundRow);
    layout->addSpacing(6);
    layout->addWidget(clockSteps);
    layout->addWidget(setDate);
    layout->addStretch();

    connect(m_round, &QPushButton::clicked, this, &ClockPanel::round);
    connect(m_year, &QSpinBox::valueChanged, this, &ClockPanel::setYear);
    connect(m_day, &QSpinBox::valueChanged, this, &ClockPanel::setDay);
    connect(m_month, &QComboBox::activated, this, &ClockPanel::setPosition);
    connect(m_week, &QComboBox::activated, this, &ClockPanel::setPosition);
    connect(m_weekday, &QComboBox::activated, this, &ClockPanel::setPosition);
}

void ClockPanel::showCampaign(const Campaign& campaign) {
    m_code = campaign.code;
    m_time->setText(qt(timeAndDateText(campaign)));
    m_place->setText(placeInCalendar(campaign.date.day));
    const auto position = calendarPosition(campaign.date.day);
    const QSignalBlocker blockYear(m_year), blockDay(m_day), blockMonth(m_month), blockWeek(m_week),
        blockWeekday(m_weekday);
    m_year->setValue(campaign.date.year);
    m_day->setValue(campaign.date.day);
    m_month->setCurrentIndex(position ? position->month : 0);
    m_week->setCurrentIndex(position ? position->week - 1 : 0);
    m_weekday->setCurrentIndex(position ? position->weekday - 1 : 0);
    // The holiday has no week or weekday to choose.
    m_week->setEnabled(position.has_value());
    m_weekday->setEnabled(position.has_value());
}

void ClockPanel::advance(std::int64_t minutes) {
    m_store.edit(m_code, [&](Campaign& campaign) { advanceTime(campaign, minutes); });
}

void ClockPanel::rewind(std::int64_t minutes) {
    m_store.edit(m_code, [&](Campaign& campaign) { rewindTime(campaign, minutes); });
}

void ClockPanel::round() {
    m_store.edit(m_code, [](Campaign& campaign) { roundTime(campaign); });
}

void ClockPanel::setYear(int year) {
    m_store.edit(m_code, [&](Campaign& campaign) {
        if (campaign.date.year != year)
            campaign::setYear(campaign, year);
    });
}

void ClockPanel::setDay(int day) {
    m_store.edit(m_code, [&](Campaign& campaign) {
        if (campaign.date.day != day)
            campaign::setDay(campaign, day);
    });
}

void ClockPanel::setPosition() {
    const int month = m_month->currentIndex();
    m_store.edit(m_code, [&](Campaign& campaign) {
        if (month == 0) {
            campaign::setDay(campaign, 1);
            return;
        }
        // Coming from the holiday, the month starts at its first day.
        const bool fromHoliday = !calendarPosition(campaign.date.day);
        const CalendarPosition position{month, fromHoliday ? 1 : m_week->currentIndex() + 1,
                                        fromHoliday ? 1 : m_weekday->currentIndex() + 1};
        setCalendarPosition(campaign, position);
    });
}

} // namespace velmora::campaign
