#include "campaign/ui/note_sheet.h"

#include "campaign/campaign_journal.h"
#include "campaign/gamemastering.h"
#include "campaign/ui/campaign_ui_support.h"
#include "ui/view_helpers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velmora::campaign {

NoteSheet::NoteSheet(Gamemastering& store, std::string code, std::optional<core::Uuid> noteID,
                     QWidget* parent)
    : QDialog(parent), m_store(store), m_code(std::move(code)), m_noteID(noteID),
      m_title(new QLineEdit(this)), m_showOnCalendar(new QCheckBox(tr("Show on Calendar"), this)),
      m_year(new QSpinBox(this)), m_day(new QSpinBox(this)), m_hour(new TwoDigitSpinBox(this)),
      m_minute(new TwoDigitSpinBox(this)), m_content(new QPlainTextEdit(this)) {
    const Campaign* campaign = m_store.campaign(m_code);
    const CampaignNote* note = campaign && m_noteID ? findNote(*campaign, *m_noteID) : nullptr;
    NoteFields fields;
    if (note)
        fields = {note->title, note->date, note->showOnCalendar, note->content};
    else if (campaign)
        fields = newNoteFields(*campaign);
    m_dateID = fields.date.id;

    setObjectName(QStringLiteral("noteSheet"));
    setWindowTitle(m_noteID ? tr("Edit Campaign Note") : tr("New Campaign Note"));
    auto* title = new QLabel(windowTitle(), this);
    ui::makeTitle(title);

    m_title->setObjectName(QStringLiteral("noteTitle"));
    m_showOnCalendar->setObjectName(QStringLiteral("noteShowOnCalendar"));
    m_year->setObjectName(QStringLiteral("noteYear"));
    m_day->setObjectName(QStringLiteral("noteDay"));
    m_hour->setObjectName(QStringLiteral("noteHour"));
    m_minute->setObjectName(QStringLiteral("noteMinute"));
    m_content->setObjectName(QStringLiteral("noteContent"));
    m_year->setRange(-99'999, 99'999);
    m_day->setRange(1, core::daysPerYear);
    m_hour->setRange(0, core::hoursPerDay - 1);
    m_minute->setRange(0, core::minutesPerHour - 1);
    m_title->setText(qt(fields.title));
    m_showOnCalendar->setChecked(fields.showOnCalendar);
    m_year->setValue(fields.date.year);
    m_day->setValue(fields.date.day);
    m_hour->setValue(fields.date.hour);
    m_minute->setValue(fields.date.minute);
    m_content->setPlainText(qt(fields.content));
    m_content->setMinimumHeight(160);

    auto* date = new QGroupBox(tr("Date"), this);
    auto* dateRow = new QHBoxLayout(date);
    const std::pair<QString, QSpinBox*> dateFields[] = {{tr("Year: "), m_year},
                                                        {tr("Day: "), m_day},
                                                        {tr("Hour: "), m_hour},
                                                        {tr("Minute: "), m_minute}};
    for (const auto& [label, box] : dateFields) {
        dateRow->addWidget(new QLabel(label, date));
        dateRow->addWidget(box);
        dateRow->addSpacing(8);
    }
    dateRow->addStretch();

    auto* form = new QFormLayout;
    form->addRow(tr("Title"), m_title);
    form->addRow(QString(), m_showOnCalendar);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_submit = buttons->button(QDialogButtonBox::Ok);
    m_submit->setText(m_noteID ? tr("Save") : tr("Create"));
    m_submit->setObjectName(QStringLiteral("submitNote"));
    connect(buttons, &QDialogButtonBox::accepted, this, &NoteSheet::submit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A note is found again by its title.
    const auto needTitle = [this] { m_submit->setEnabled(!m_title->text().trimmed().isEmpty()); };
    connect(m_title, &QLineEdit::textChanged, this, needTitle);
    needTitle();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    if (note) {
        auto* number = ui::quietNote(qt(noteNumberText(*note)), this);
        number->setObjectName(QStringLiteral("noteNumber"));
        layout->addWidget(number);
    }
    layout->addLayout(form);
    layout->addWidget(date);
    layout->addWidget(new QLabel(tr("Content"), this));
    layout->addWidget(m_content, 1);
    layout->addWidget(buttons);
    resize(560, 460);
}

void NoteSheet::submit() {
    NoteFields fields;
    fields.title = m_title->text().toStdString();
    fields.showOnCalendar = m_showOnCalendar->isChecked();
    fields.date.id = m_dateID;
    fields.date.year = m_year->value();
    fields.date.day = m_day->value();
    fields.date.hour = m_hour->value();
    fields.date.minute = m_minute->value();
    fields.content = m_content->toPlainText().toStdString();
    std::optional<core::Uuid> saved = m_noteID;
    m_store.edit(m_code, [&](Campaign& campaign) {
        if (m_noteID)
            editNote(campaign, *m_noteID, fields);
        else
            saved = createNote(campaign, fields);
    });
    if (saved)
        Q_EMIT this->saved(*saved);
    accept();
}

} // namespace velmora::campaign
