#include "campaign/ui/journal_panel.h"

#include "campaign/gamemastering.h"
#include "campaign/note_search.h"
#include "campaign/ui/campaign_ui_support.h"
#include "campaign/ui/note_sheet.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora::campaign {

namespace {

constexpr int noteIDRole = Qt::UserRole;

enum Column { numberColumn, titleColumn, dateColumn, calendarColumn };

} // namespace

JournalPanel::JournalPanel(Gamemastering& store, JournalOrder& order, QWidget* parent)
    : QWidget(parent), m_store(store), m_order(order), m_confirm(ui::askWithMessageBox()),
      m_search(new QLineEdit(this)), m_sortOrder(new QComboBox(this)),
      m_direction(new QToolButton(this)), m_list(new QTreeWidget(this)), m_empty(new QLabel(this)),
      m_detailTitle(new QLabel(this)), m_detailDate(new QLabel(this)),
      m_detailContent(new QTextBrowser(this)), m_edit(new QPushButton(tr("Edit"), this)),
      m_delete(new QPushButton(tr("Delete"), this)), m_summary(new QLabel(this)) {
    setObjectName(QStringLiteral("journalPanel"));
    auto* newNote = new QPushButton(tr("New Note"), this);
    newNote->setObjectName(QStringLiteral("newNote"));
    m_search->setObjectName(QStringLiteral("noteSearch"));
    m_search->setPlaceholderText(qt(searchNotesPrompt));
    m_search->setClearButtonEnabled(true);
    m_sortOrder->setObjectName(QStringLiteral("noteSortOrder"));
    m_sortOrder->addItem(tr("Sort by Number"), static_cast<int>(NoteSortOrder::byNumber));
    m_sortOrder->addItem(tr("Sort by Date"), static_cast<int>(NoteSortOrder::byDate));
    m_direction->setObjectName(QStringLiteral("noteSortDirection"));
    m_direction->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_list->setObjectName(QStringLiteral("noteList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({tr("#"), tr("Title"), tr("Date"), tr("Calendar")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(titleColumn, QHeaderView::Stretch);
    for (const int column : {numberColumn, dateColumn, calendarColumn})
        m_list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_empty->setObjectName(QStringLiteral("noteListEmpty"));
    m_empty->setAlignment(Qt::AlignCenter);
    QPalette quiet = m_empty->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    m_empty->setPalette(quiet);

    m_detailTitle->setObjectName(QStringLiteral("noteDetailTitle"));
    ui::makeTitle(m_detailTitle);
    m_detailTitle->setWordWrap(true);
    m_detailDate->setObjectName(QStringLiteral("noteDetailDate"));
    m_detailContent->setObjectName(QStringLiteral("noteDetailContent"));
    m_detailContent->setOpenLinks(false);
    m_edit->setObjectName(QStringLiteral("editNote"));
    m_delete->setObjectName(QStringLiteral("deleteNote"));
    m_summary->setObjectName(QStringLiteral("sessionSummary"));

    auto* tools = new QHBoxLayout;
    tools->addWidget(newNote);
    tools->addWidget(m_search, 1);
    tools->addWidget(m_sortOrder);
    tools->addWidget(m_direction);

    auto* listColumn = new QWidget(this);
    auto* listLayout = new QVBoxLayout(listColumn);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(m_list, 1);
    listLayout->addWidget(m_empty, 1);

    auto* detail = new QWidget(this);
    auto* detailLayout = new QVBoxLayout(detail);
    detailLayout->setContentsMargins(8, 0, 0, 0);
    detailLayout->addWidget(m_detailTitle);
    detailLayout->addWidget(m_detailDate);
    detailLayout->addWidget(m_detailContent, 1);
    auto* detailButtons = new QHBoxLayout;
    detailButtons->addWidget(m_edit);
    detailButtons->addWidget(m_delete);
    detailButtons->addStretch();
    detailLayout->addLayout(detailButtons);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(listColumn);
    splitter->addWidget(detail);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(tools);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_summary);

    connect(newNote, &QPushButton::clicked, this, [this] {
        auto* sheet = new NoteSheet(m_store, m_code, std::nullopt, this);
        connect(sheet, &NoteSheet::saved, this, &JournalPanel::chooseNote);
        openSheet(sheet);
    });
    connect(m_search, &QLineEdit::textChanged, this, &JournalPanel::fillList);
    connect(m_sortOrder, &QComboBox::activated, this, [this] {
        m_order.order = static_cast<NoteSortOrder>(m_sortOrder->currentData().toInt());
        fillList();
    });
    connect(m_direction, &QToolButton::clicked, this, [this] {
        m_order.direction = m_order.direction == SortDirection::ascending
                                ? SortDirection::descending
                                : SortDirection::ascending;
        fillList();
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        m_chosen = core::Uuid::fromString(item->data(0, noteIDRole).toString().toStdString());
        showChosen();
    });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_chosen)
            editNote(*m_chosen);
    });
    connect(m_edit, &QPushButton::clicked, this, [this] {
        if (m_chosen)
            editNote(*m_chosen);
    });
    connect(m_delete, &QPushButton::clicked, this, &JournalPanel::deleteChosen);
}

void JournalPanel::showCampaign(const Campaign& campaign) {
    m_code = campaign.code;
    m_summary->setText(qt(sessionSummary(campaign)));
    fillList();
}

void JournalPanel::chooseNote(const core::Uuid& noteID) {
    m_chosen = noteID;
    fillList();
}

void JournalPanel::editNote(const core::Uuid& noteID) {
    chooseNote(noteID);
    openSheet(new NoteSheet(m_store, m_code, noteID, this));
}

void JournalPanel::fillList() {
    const Campaign* campaign = m_store.campaign(m_code);
    if (!campaign)
        return;
    m_sortOrder->setCurrentIndex(m_sortOrder->findData(static_cast<int>(m_order.order)));
    const bool ascending = m_order.direction == SortDirection::ascending;
    m_direction->setText(ascending ? tr("▲ Ascending") : tr("▼ Descending"));
    m_direction->setToolTip(ascending ? tr("Lowest first; click for highest first")
                                      : tr("Highest first; click for lowest first"));

    const auto& notes = campaign->notes;
    const NoteSearch search(notes);
    const std::vector<std::size_t> shown = search.filter(
        sortedNoteIndexes(notes, m_order.order, m_order.direction), m_search->text().toStdString());
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const std::size_t index : shown) {
            const CampaignNote& note = notes[index];
            auto* item = new QTreeWidgetItem(m_list);
            item->setText(numberColumn, QString::number(note.number));
            item->setText(titleColumn, qt(note.title));
            item->setText(dateColumn, qt(note.date.timeText()));
            item->setText(calendarColumn, note.showOnCalendar ? tr("✓") : QString());
            item->setTextAlignment(numberColumn, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(calendarColumn, Qt::AlignCenter);
            item->setData(0, noteIDRole, QString::fromStdString(note.id.toString()));
            if (m_chosen && note.id == *m_chosen)
                m_list->setCurrentItem(item);
        }
    }
    // The chosen note stays chosen while it is shown; otherwise the first one is.
    if (!m_list->currentItem() && m_list->topLevelItemCount() > 0) {
        const QSignalBlocker block(m_list);
        m_list->setCurrentItem(m_list->topLevelItem(0));
        m_chosen = core::Uuid::fromString(
            m_list->topLevelItem(0)->data(0, noteIDRole).toString().toStdString());
    }
    const bool none = shown.empty();
    m_list->setVisible(!none);
    m_empty->setVisible(none);
    m_empty->setText(notes.empty() ? qt(noNotesText) : qt(noMatchingNotesText));
    showChosen();
}

void JournalPanel::showChosen() {
    const Campaign* campaign = m_store.campaign(m_code);
    const CampaignNote* note =
        campaign && m_chosen && m_list->currentItem() ? findNote(*campaign, *m_chosen) : nullptr;
    m_edit->setEnabled(note != nullptr);
    m_delete->setEnabled(note != nullptr);
    if (!note) {
        m_detailTitle->clear();
        m_detailDate->clear();
        m_detailContent->clear();
        m_detailContent->setVisible(false);
        return;
    }
    m_detailContent->setVisible(true);
    m_detailTitle->setText(tr("#%1 %2").arg(note->number).arg(qt(note->title)));
    QString date = qt(note->date.timeText());
    if (note->showOnCalendar)
        date += tr("  ·  on the calendar");
    m_detailDate->setText(date);
    if (note->content.empty()) {
        m_detailContent->setHtml(
            QStringLiteral("<i>%1</i>").arg(qt(emptyNoteText).toHtmlEscaped()));
    } else {
        m_detailContent->setPlainText(qt(note->content));
    }
}

void JournalPanel::deleteChosen() {
    const Campaign* campaign = m_store.campaign(m_code);
    const CampaignNote* note = campaign && m_chosen ? findNote(*campaign, *m_chosen) : nullptr;
    if (!note)
        return;
    if (!m_confirm(this, tr("Delete Note"),
                   tr("Delete note #%1, “%2”? This can't be undone.")
                       .arg(note->number)
                       .arg(qt(note->title))))
        return;
    const core::Uuid id = note->id;
    m_chosen.reset();
    m_store.edit(m_code, [&](Campaign& c) { deleteNote(c, id); });
}

} // namespace velmora::campaign
