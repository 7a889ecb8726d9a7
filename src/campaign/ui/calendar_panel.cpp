#include "campaign/ui/calendar_panel.h"

#include "campaign/calendar_position.h"
#include "campaign/gamemastering.h"
#include "campaign/ui/campaign_ui_support.h"
#include "ui/view_helpers.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::campaign {

namespace {

QString pageTitle(const CalendarPage& page) {
    if (page.page == holidayPage)
        return QObject::tr("Holiday, %1 — day 001").arg(page.year);
    const int first = page.days.front().day;
    const int last = page.days.back().day;
    return QObject::tr("Month %1, %2 — days %3–%4")
        .arg(page.page)
        .arg(page.year)
        .arg(first, 3, 10, QLatin1Char('0'))
        .arg(last, 3, 10, QLatin1Char('0'));
}

PageAddress pageOf(const Campaign& campaign) {
    const auto position = calendarPosition(campaign.date.day);
    return {campaign.date.year, position ? position->month : holidayPage};
}

} // namespace

CalendarPanel::CalendarPanel(Gamemastering& store, QWidget* parent)
    : QWidget(parent), m_store(store), m_title(new QLabel(this)),
      m_thisMonth(new QPushButton(tr("This Month"), this)), m_grid(new QWidget(this)),
      m_gridLayout(new QGridLayout(m_grid)) {
    setObjectName(QStringLiteral("calendarPanel"));
    m_title->setObjectName(QStringLiteral("calendarTitle"));
    ui::makeTitle(m_title);
    auto* previous = new QPushButton(tr("◀ Previous"), this);
    auto* next = new QPushButton(tr("Next ▶"), this);
    previous->setObjectName(QStringLiteral("previousMonth"));
    next->setObjectName(QStringLiteral("nextMonth"));
    m_thisMonth->setObjectName(QStringLiteral("thisMonth"));
    m_thisMonth->setToolTip(tr("Back to the month of the campaign's date"));
    m_grid->setObjectName(QStringLiteral("calendarGrid"));
    m_gridLayout->setSpacing(4);
    m_gridLayout->setContentsMargins(0, 0, 0, 0);

    auto* heading = new QHBoxLayout;
    heading->addWidget(previous);
    heading->addWidget(m_title, 1, Qt::AlignCenter);
    heading->addWidget(m_thisMonth);
    heading->addWidget(next);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(heading);
    layout->addWidget(m_grid, 1);

    connect(previous, &QPushButton::clicked, this,
            [this] { turnTo(previousCalendarPage(m_page)); });
    connect(next, &QPushButton::clicked, this, [this] { turnTo(nextCalendarPage(m_page)); });
    connect(m_thisMonth, &QPushButton::clicked, this, [this] {
        m_following = true;
        if (const Campaign* campaign = m_store.campaign(m_code))
            m_page = pageOf(*campaign);
        showPage();
    });
}

void CalendarPanel::showCampaign(const Campaign& campaign) {
    if (campaign.code != m_code)
        m_following = true;
    m_code = campaign.code;
    if (m_following)
        m_page = pageOf(campaign);
    showPage();
}

void CalendarPanel::turnTo(PageAddress page) {
    m_page = page;
    const Campaign* campaign = m_store.campaign(m_code);
    m_following = campaign && page == pageOf(*campaign);
    showPage();
}

void CalendarPanel::showPage() {
    const Campaign* campaign = m_store.campaign(m_code);
    if (!campaign)
        return;
    const CalendarPage page = calendarPage(*campaign, m_page.year, m_page.page);
    m_title->setText(pageTitle(page));
    m_thisMonth->setEnabled(!(m_page == pageOf(*campaign)));

    // Out of the grid at once, so the new page never shares it with the old one;
    // deleted later, as one of them may be the button being clicked.
    for (QWidget* cell : m_cells) {
        cell->hide();
        cell->setParent(nullptr);
        cell->deleteLater();
    }
    m_cells.clear();
    if (page.page == holidayPage) {
        QFrame* cell = dayCell(page.days.front());
        m_gridLayout->addWidget(cell, 1, 0, 1, core::daysPerWeek);
        m_cells.push_back(cell);
    } else {
        for (int weekday = 1; weekday <= core::daysPerWeek; ++weekday) {
            auto* name = new QLabel(qt(weekdayNameInWeek(weekday)), m_grid);
            name->setAlignment(Qt::AlignCenter);
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
            m_gridLayout->addWidget(name, 0, weekday - 1);
            m_cells.push_back(name);
        }
        for (std::size_t i = 0; i < page.days.size(); ++i) {
            QFrame* cell = dayCell(page.days[i]);
            const int index = static_cast<int>(i);
            m_gridLayout->addWidget(cell, 1 + index / core::daysPerWeek, index % core::daysPerWeek);
            m_cells.push_back(cell);
        }
    }
    for (int column = 0; column < core::daysPerWeek; ++column)
        m_gridLayout->setColumnStretch(column, 1);
    for (int row = 1; row <= core::daysPerMonth / core::daysPerWeek; ++row)
        m_gridLayout->setRowStretch(row, 1);
}

QFrame* CalendarPanel::dayCell(const CalendarDay& day) {
    auto* cell = new QFrame(m_grid);
    cell->setObjectName(QStringLiteral("calendarDay-%1").arg(day.day));
    cell->setFrameShape(QFrame::StyledPanel);
    cell->setMinimumSize(96, 72);
    // The campaign's day stands out.
    if (day.isToday) {
        cell->setStyleSheet(QStringLiteral("QFrame#%1 { border: 2px solid palette(highlight); "
                                           "border-radius: 3px; }")
                                .arg(cell->objectName()));
    }
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(5, 3, 5, 3);
    layout->setSpacing(1);
    QString number = QStringLiteral("%1").arg(day.day, 3, 10, QLatin1Char('0'));
    if (day.day == 1)
        number += tr("  Holiday");
    auto* dayNumber = new QLabel(number, cell);
    dayNumber->setObjectName(QStringLiteral("calendarDayNumber"));
    QFont font = dayNumber->font();
    font.setBold(day.isToday);
    dayNumber->setFont(font);
    layout->addWidget(dayNumber);
    for (const CalendarNoteMark& mark : day.notes) {
        auto* note =
            new ClickableLabel(QStringLiteral("#%1 %2").arg(mark.number).arg(qt(mark.title)), cell);
        note->setObjectName(QStringLiteral("calendarNote"));
        note->setToolTip(tr("Open note #%1").arg(mark.number));
        const core::Uuid id = mark.noteID;
        connect(note, &ClickableLabel::clicked, this, [this, id] {
            if (m_openNote)
                m_openNote(id);
        });
        layout->addWidget(note);
    }
    layout->addStretch();
    return cell;
}

} // namespace velmora::campaign
