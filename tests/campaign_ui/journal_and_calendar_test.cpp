// The journal and the calendar: notes written through their sheet, searched,
// sorted and deleted, and the ones marked for the calendar on their days.

#include "campaign/campaign_clock.h"
#include "campaign/ui/note_sheet.h"
#include "campaign_ui/campaign_desk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::testing;
using campaign::Campaign;

namespace {

struct JournalDesk : CampaignDesk {
    JournalDesk() {
        createCampaign("Spinward Run", "SPIN");
        part<QTabWidget>("campaignTabs")->setCurrentIndex(2);
        settle();
    }

    // The open note sheet filled in and submitted.
    void fillNote(campaign::NoteSheet* sheet, const QString& title, int day, int hour,
                  const QString& content, bool onCalendar) {
        ASSERT_NE(sheet, nullptr);
        child<QLineEdit>(*sheet, "noteTitle")->setText(title);
        child<QSpinBox>(*sheet, "noteDay")->setValue(day);
        child<QSpinBox>(*sheet, "noteHour")->setValue(hour);
        child<QCheckBox>(*sheet, "noteShowOnCalendar")->setChecked(onCalendar);
        child<QPlainTextEdit>(*sheet, "noteContent")->setPlainText(content);
        click(child<QPushButton>(*sheet, "submitNote"));
    }
    void writeNote(const QString& title, int day, int hour, const QString& content = {},
                   bool onCalendar = false) {
        click(button("newNote"));
        fillNote(sheet<campaign::NoteSheet>(), title, day, hour, content, onCalendar);
    }
    QStringList rows(int column = 1) const {
        QStringList texts;
        auto* list = part<QTreeWidget>("noteList");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(column);
        return texts;
    }
};

} // namespace

TEST(JournalPanel, WritesNumberedNotesThroughTheSheet) {
    JournalDesk desk;
    EXPECT_EQ(desk.text("noteListEmpty"), "No notes yet");
    EXPECT_EQ(desk.text("sessionSummary"), "Session ended on 12:00-001-1105");

    click(desk.button("newNote"));
    auto* sheet = desk.sheet<campaign::NoteSheet>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), "New Campaign Note");
    // A new note is dated now in the campaign, hour and minute with two digits.
    EXPECT_EQ(child<QSpinBox>(*sheet, "noteYear")->value(), 1105);
    EXPECT_EQ(child<QSpinBox>(*sheet, "noteMinute")->text(), "00");
    EXPECT_EQ(child<QPushButton>(*sheet, "submitNote")->text(), "Create");
    EXPECT_FALSE(child<QPushButton>(*sheet, "submitNote")->isEnabled()) << "no title yet";
    desk.fillNote(sheet, "  Arrived at Regina ", 12, 9, "Docked at the highport.", false);
    desk.writeNote("Bought cargo", 14, 15);

    EXPECT_EQ(desk.rows(), (QStringList{"Bought cargo", "Arrived at Regina"})) << "newest first";
    EXPECT_EQ(desk.rows(0), (QStringList{"2", "1"}));
    EXPECT_EQ(desk.rows(2), (QStringList{"15:00-014-1105", "09:00-012-1105"}));
    // The note just written is the one read; one without content says so.
    EXPECT_EQ(desk.text("noteDetailTitle"), "#2 Bought cargo");
    EXPECT_TRUE(desk.part<QTextBrowser>("noteDetailContent")
                    ->toPlainText()
                    .contains("This note has no content."));
    const auto stored = desk.onDisk()[0].notes;
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].title, "Arrived at Regina");
    EXPECT_EQ(stored[0].campaignCode, "SPIN");
    EXPECT_EQ(stored[0].content, "Docked at the highport.");

    // Editing keeps the number.
    desk.part<QTreeWidget>("noteList")
        ->setCurrentItem(desk.part<QTreeWidget>("noteList")->topLevelItem(1));
    click(desk.button("editNote"));
    auto* edit = desk.sheet<campaign::NoteSheet>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->windowTitle(), "Edit Campaign Note");
    EXPECT_EQ(child<QLabel>(*edit, "noteNumber")->text(), "Note #1");
    EXPECT_EQ(child<QPushButton>(*edit, "submitNote")->text(), "Save");
    EXPECT_EQ(child<QLineEdit>(*edit, "noteTitle")->text(), "Arrived at Regina");
    desk.fillNote(edit, "Arrived at Regina Highport", 12, 9, "Docked.", true);
    EXPECT_EQ(desk.selected().notes[0].number, 1);
    EXPECT_EQ(desk.selected().notes[0].title, "Arrived at Regina Highport");
    EXPECT_TRUE(desk.selected().notes[0].showOnCalendar);
    EXPECT_EQ(desk.rows(3), (QStringList{"", "✓"}));
}

TEST(JournalPanel, SearchesWhileTypingSortsEitherWayAndDeletesAfterAsking) {
    JournalDesk desk;
    desk.writeNote("Arrived at Regina", 40, 9, "Met the broker Helga.");
    desk.writeNote("Jumped to Efate", 20, 8);
    desk.writeNote("Sold the cargo", 30, 12, "Helga paid well.");

    auto* search = desk.part<QLineEdit>("noteSearch");
    EXPECT_EQ(search->placeholderText(), "Search notes...");
    QTest::keyClicks(search, "hel");
    EXPECT_EQ(desk.rows(), (QStringList{"Sold the cargo", "Arrived at Regina"}));
    QTest::keyClicks(search, "ga EFATE");
    EXPECT_TRUE(desk.rows().isEmpty());
    EXPECT_EQ(desk.text("noteListEmpty"), "No notes match your search");
    search->clear();
    EXPECT_EQ(desk.rows().size(), 3);

    // By date, oldest first, then newest first.
    auto* order = desk.part<QComboBox>("noteSortOrder");
    order->setCurrentIndex(1);
    emit order->activated(1);
    EXPECT_EQ(desk.rows(), (QStringList{"Arrived at Regina", "Sold the cargo", "Jumped to Efate"}));
    click(desk.part<QToolButton>("noteSortDirection"));
    EXPECT_EQ(desk.rows(), (QStringList{"Jumped to Efate", "Sold the cargo", "Arrived at Regina"}));
    order->setCurrentIndex(0);
    emit order->activated(0);
    EXPECT_EQ(desk.rows(0), (QStringList{"1", "2", "3"}));
    // The order outlives the view.
    desk.openView();
    EXPECT_EQ(desk.rows(0), (QStringList{"1", "2", "3"}));

    auto* list = desk.part<QTreeWidget>("noteList");
    list->setCurrentItem(list->topLevelItem(1));
    desk.confirm = false;
    click(desk.button("deleteNote"));
    ASSERT_EQ(desk.questions.size(), 1u);
    EXPECT_TRUE(desk.questions[0].contains("Jumped to Efate"));
    EXPECT_EQ(desk.selected().notes.size(), 3u);
    desk.confirm = true;
    click(desk.button("deleteNote"));
    EXPECT_EQ(desk.rows(0), (QStringList{"1", "3"}));
    // Numbers are never used twice.
    desk.writeNote("Refuelled", 41, 10);
    EXPECT_EQ(desk.rows(0), (QStringList{"1", "3", "4"}));
    EXPECT_EQ(desk.onDisk()[0].notes.size(), 3u);
}

TEST(CalendarPanel, ShowsFlaggedNotesOnTheirDaysAndPagesThroughTheYear) {
    JournalDesk desk;
    // Day 45 is in month 2 (days 30-57); day 1 is the holiday.
    desk.writeNote("Jump to Efate", 45, 8, {}, true);
    desk.writeNote("Private thoughts", 45, 9, {}, false);
    desk.writeNote("New year", 1, 0, {}, true);
    desk.part<QTabWidget>("campaignTabs")->setCurrentIndex(3);
    settle();

    // The campaign stands on the holiday of 1105.
    EXPECT_EQ(desk.text("calendarTitle"), "Holiday, 1105 — day 001");
    auto* holiday = desk.part<QWidget>("calendarDay-1");
    QStringList marks;
    for (const QLabel* note : holiday->findChildren<QLabel*>("calendarNote"))
        marks << note->text();
    EXPECT_EQ(marks, QStringList{"#3 New year"});
    EXPECT_FALSE(desk.button("thisMonth")->isEnabled());

    click(desk.button("nextMonth"));
    click(desk.button("nextMonth"));
    EXPECT_EQ(desk.text("calendarTitle"), "Month 2, 1105 — days 030–057");
    EXPECT_EQ(desk.view->findChild<QWidget*>("calendarDay-1"), nullptr);
    auto* day = desk.part<QWidget>("calendarDay-45");
    marks.clear();
    for (const QLabel* note : day->findChildren<QLabel*>("calendarNote"))
        marks << note->text();
    EXPECT_EQ(marks, QStringList{"#1 Jump to Efate"}) << "only notes marked for the calendar";
    EXPECT_EQ(desk.view->findChildren<QLabel*>("calendarNote").size(), 1);

    // Past the last month comes the next year's holiday, and back again.
    for (int i = 0; i < 12; ++i)
        click(desk.button("nextMonth"));
    EXPECT_EQ(desk.text("calendarTitle"), "Holiday, 1106 — day 001");
    click(desk.button("previousMonth"));
    EXPECT_EQ(desk.text("calendarTitle"), "Month 13, 1105 — days 338–365");
    click(desk.button("thisMonth"));
    EXPECT_EQ(desk.text("calendarTitle"), "Holiday, 1105 — day 001");

    // The page follows the clock until the referee pages away.
    desk.store->edit("SPIN", [](Campaign& c) { campaign::advanceTime(c, 44 * 1440); });
    EXPECT_EQ(desk.text("calendarTitle"), "Month 2, 1105 — days 030–057");
    // A note on the calendar opens in the journal.
    auto* mark = desk.part<QWidget>("calendarDay-45")->findChild<QLabel*>("calendarNote");
    ASSERT_NE(mark, nullptr);
    QTest::mouseClick(mark, Qt::LeftButton);
    auto* sheet = desk.sheet<campaign::NoteSheet>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(child<QLineEdit>(*sheet, "noteTitle")->text(), "Jump to Efate");
    EXPECT_EQ(desk.part<QTabWidget>("campaignTabs")->currentIndex(), 2);
    sheet->reject();
}

TEST(CampaignView, TheCampaignSurvivesARestart) {
    JournalDesk desk;
    desk.writeNote("Arrived at Regina", 12, 9, "Docked.", true);
    desk.store->edit("SPIN", [](Campaign& c) { campaign::advanceTime(c, 240); });
    desk.part<QTabWidget>("campaignTabs")->setCurrentIndex(1);
    click(desk.button("addPlayer"));
    auto* sheet = desk.view->findChild<QDialog*>("newPlayerSheet");
    ASSERT_NE(sheet, nullptr);
    child<QLineEdit>(*sheet, "playerName")->setText("Ana");
    child<QLineEdit>(*sheet, "playerCharacterName")->setText("Ilse");
    click(child<QPushButton>(*sheet, "submitPlayer"));

    desk.restart();
    EXPECT_EQ(desk.text("campaignTitle"), "Spinward Run (SPIN)");
    EXPECT_EQ(desk.part<QLabel>("timeAndDate")->text(), "Time & Date: 16:00-001-1105");
    EXPECT_EQ(desk.text("feedback"), "Time advanced by 4h");
    EXPECT_EQ(desk.text("ledgerTitle"), "Ilse — played by Ana");
    desk.part<QTabWidget>("campaignTabs")->setCurrentIndex(2);
    EXPECT_EQ(desk.rows(), QStringList{"Arrived at Regina"});
}
