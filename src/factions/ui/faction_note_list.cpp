#include "factions/ui/faction_note_list.h"

#include "factions/ui/faction_ui_support.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::factions {

using universe::FactionNote;

FactionNoteList::FactionNoteList(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QWidget(this);
    m_list->setObjectName(QStringLiteral("noteList"));
    m_rows = new QVBoxLayout(m_list);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(6);
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(tr("Add Note"), this);
    add->setObjectName(QStringLiteral("addNote"));
    connect(add, &QPushButton::clicked, this, &FactionNoteList::addRequested);
    buttons->addWidget(add);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void FactionNoteList::show(const universe::Faction& faction) {
    clearRows(m_rows);
    if (faction.notes.empty()) {
        m_rows->addWidget(quietNote(tr("No notes"), m_list));
        return;
    }
    for (std::size_t i = 0; i < faction.notes.size(); ++i) {
        const FactionNote& note = faction.notes[i];
        auto* row = rowFrame(m_list);
        auto* grid = new QGridLayout(row);
        grid->setContentsMargins(10, 6, 10, 6);
        const QString title = note.title.empty() ? tr("Untitled Note") : qt(note.title);
        auto* heading =
            new QLabel(QStringLiteral("<b>") + title.toHtmlEscaped() + QStringLiteral("</b>"), row);
        heading->setObjectName(QStringLiteral("noteTitle"));
        auto* date = quietNote(stardateText(note.date), row);
        date->setWordWrap(false);
        auto* content = new QLabel(qt(note.content), row);
        content->setWordWrap(true);
        content->setObjectName(QStringLiteral("noteContent"));
        auto* edit = new QPushButton(tr("Edit"), row);
        edit->setObjectName(QStringLiteral("editNote"));
        auto* remove = new QPushButton(tr("Delete"), row);
        remove->setObjectName(QStringLiteral("deleteNote"));
        connect(edit, &QPushButton::clicked, this, [this, i] { emit editRequested(i); });
        connect(remove, &QPushButton::clicked, this, [this, i] { emit removeRequested(i); });
        grid->addWidget(heading, 0, 0);
        grid->addWidget(date, 0, 1);
        grid->addWidget(edit, 0, 3);
        grid->addWidget(remove, 0, 4);
        grid->setColumnStretch(2, 1);
        if (!note.content.empty())
            grid->addWidget(content, 1, 0, 1, 5);
        else
            content->hide();
        m_rows->addWidget(row);
    }
}

} // namespace velmora::factions
