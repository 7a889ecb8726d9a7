#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace velmora::campaign {

class Gamemastering;
struct Campaign;

// The campaign clock: "Time & Date", the buttons that move it on or back, the
// rounding to ten minutes, and the year, month, week, weekday and day set
// directly. Every move reports on the campaign's feedback line.
class ClockPanel : public QWidget {
    Q_OBJECT
public:
    explicit ClockPanel(Gamemastering& store, QWidget* parent = nullptr);

    void showCampaign(const Campaign& campaign);

private:
    void advance(std::int64_t minutes);
    void rewind(std::int64_t minutes);
    void round();
    void setYear(int year);
    void setDay(int day);
    void setPosition();

    Gamemastering& m_store;
    std::string m_code;
    QLabel* m_time;
    QLabel* m_place;
    QPushButton* m_round;
    QSpinBox* m_year;
    QSpinBox* m_day;
    QComboBox* m_month;
    QComboBox* m_week;
    QComboBox* m_weekday;
};

} // namespace velmora::campaign
