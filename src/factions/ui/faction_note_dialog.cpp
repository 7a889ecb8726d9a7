#include "factions/ui/faction_note_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace velmora::factions {

namespace {

QSpinBox* spin(int minimum, int maximum, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

FactionNoteDialog::FactionNoteDialog(const universe::FactionNote& note, bool isNew, QWidget* parent)
    : QDialog(parent), m_note(note), m_title(new QLineEdit(note.title.c_str(), this)),
      m_year(spin(-9999, 99999, note.date.year, this)), m_day(spin(1, 365, note.date.day, this)),
      m_hour(spin(0, 23, note.date.hour, this)), m_minute(spin(0, 59, note.date.minute, this)),
      m_content(new QPlainTextEdit(QString::fromStdString(note.content), this)) {
    setWindowTitle(isNew ? tr("New Note") : tr("Edit Note"));
    setObjectName(QStringLiteral("factionNoteDialog"));
    m_title->setText(QString::fromStdString(note.title));
    m_title->setPlaceholderText(tr("Title"));

    auto* date = new QHBoxLayout;
    date->addWidget(new QLabel(tr("Day"), this));
    date->addWidget(m_day);
    date->addWidget(new QLabel(tr("Year"), this));
    date->addWidget(m_year);
    date->addSpacing(12);
    m_hour->setPrefix(tr("Hour "));
    m_minute->setPrefix(tr("Minute "));
    date->addWidget(m_hour);
    date->addWidget(m_minute);
    date->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(isNew ? tr("Add Note") : tr("Save Note"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Title"), m_title);
    form->addRow(tr("Date"), date);
    form->addRow(tr("Note"), m_content);
    form->addRow(buttons);
    resize(520, 360);
}

universe::FactionNote FactionNoteDialog::note() const {
    universe::FactionNote note = m_note;
    note.title = m_title->text().trimmed().toStdString();
    note.date = {m_year->value(), m_day->value(), m_hour->value(), m_minute->value()};
    note.content = m_content->toPlainText().toStdString();
    return note;
}

} // namespace velmora::factions
