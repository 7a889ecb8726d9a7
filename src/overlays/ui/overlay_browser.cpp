#include "overlays/ui/overlay_browser.h"

#include "ui/empty_state_view.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace velmora::overlays {

namespace {

constexpr int idRole = Qt::UserRole + 1;
constexpr int detailRole = Qt::UserRole + 2;

// A bold title over quieter detail lines, with the record's colour as a dot.
// Every row has the same height, so the list can lay out thousands at once.
class RecordRowDelegate : public QStyledItemDelegate {
public:
    RecordRowDelegate(int detailLines, bool swatches, QObject* parent)
        : QStyledItemDelegate(parent), m_detailLines(detailLines), m_swatches(swatches) {}

    int detailLines() const { return m_detailLines; }
    bool swatches() const { return m_swatches; }
    void setDetailLines(int lines) { m_detailLines = lines; }
    void setSwatches(bool swatches) { m_swatches = swatches; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const int line = option.fontMetrics.height();
        return {200, line * (1 + m_detailLines) + 14};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        background.icon = QIcon();
        background.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        const QRect area = option.rect.adjusted(10, 7, -10, -7);
        int left = area.left();
        if (m_swatches) {
            const int size = option.fontMetrics.height() - 2;
            const QRect swatch(left, area.top() + 1, size, size);
            const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
            if (!icon.isNull()) {
                icon.paint(painter, swatch);
            } else {
                // No colour to show (the owner is gone): an empty outline keeps the column.
                painter->setRenderHint(QPainter::Antialiasing);
                painter->setPen(
                    QPen(option.palette.color(QPalette::PlaceholderText), 1, Qt::DashLine));
                painter->setBrush(Qt::NoBrush);
                painter->drawRoundedRect(QRectF(swatch).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
            }
            left += size + 8;
        }
        const int line = option.fontMetrics.height();
        QFont titleFont = option.font;
        titleFont.setBold(true);
        painter->setFont(titleFont);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect titleRect(left, area.top(), area.right() - left, line);
        painter->drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(titleFont).elidedText(index.data(Qt::DisplayRole).toString(),
                                                             Qt::ElideRight, titleRect.width()));
        painter->setFont(option.font);
        QColor quiet =
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText);
        if (selected)
            quiet.setAlphaF(0.8f);
        painter->setPen(quiet);
        const QStringList details = index.data(detailRole).toString().split(QLatin1Char('\n'));
        for (int i = 0; i < std::min<int>(m_detailLines, static_cast<int>(details.size())); ++i) {
            const QRect detailRect(left, area.top() + line * (i + 1), area.right() - left, line);
            painter->drawText(
                detailRect, Qt::AlignLeft | Qt::AlignVCenter,
                option.fontMetrics.elidedText(details[i], Qt::ElideRight, detailRect.width()));
        }
        painter->restore();
    }

private:
    int m_detailLines;
    bool m_swatches;
};

} // namespace

OverlayBrowser::OverlayBrowser(ui::ViewContext& context, const Texts& texts, QWidget* parent)
    : QWidget(parent), m_context(context), m_heading(new QLabel(texts.heading, this)),
      m_sideLayout(nullptr), m_search(new QLineEdit(this)), m_list(new QListWidget(this)),
      m_noMatches(nullptr), m_new(new QPushButton(texts.newButton, this)),
      m_delete(new QPushButton(tr("Delete"), this)), m_detail(new QStackedWidget(this)),
      m_empty(new ui::EmptyStateView(texts.emptyTitle, texts.emptyMessage, this)),
      m_scroll(new QScrollArea(this)) {
    auto* side = new QWidget(this);
    m_sideLayout = new QVBoxLayout(side);
    m_sideLayout->setContentsMargins(12, 12, 6, 12);
    m_sideLayout->setSpacing(6);
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    m_heading->setFont(headingFont);
    m_heading->setObjectName(QStringLiteral("overlayHeading"));
    m_sideLayout->addWidget(m_heading);
    m_search->setPlaceholderText(texts.searchPrompt);
    m_search->setClearButtonEnabled(true);
    m_search->setObjectName(QStringLiteral("overlaySearch"));
    m_sideLayout->addWidget(m_search);
    m_list->setObjectName(QStringLiteral("overlayList"));
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(new RecordRowDelegate(texts.detailLines, texts.swatches, m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sideLayout->addWidget(m_list, 1);
    m_noMatches = quietNote(QString(), side);
    m_noMatches->setAlignment(Qt::AlignCenter);
    m_noMatches->hide();
    m_sideLayout->addWidget(m_noMatches);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_new, 1);
    buttons->addWidget(m_delete);
    m_sideLayout->addLayout(buttons);
    m_new->setObjectName(QStringLiteral("overlayNew"));
    m_delete->setObjectName(QStringLiteral("overlayDelete"));

    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_detail->addWidget(m_empty);
    m_detail->addWidget(m_scroll);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(side);
    splitter->addWidget(m_detail);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({340, 700});
    splitter->setChildrenCollapsible(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    m_list->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, [this] { rebuildRows(); });
    connect(m_new, &QPushButton::clicked, this, &OverlayBrowser::startNew);
    connect(m_delete, &QPushButton::clicked, this, &OverlayBrowser::deleteSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const auto id = selectedID();
        m_delete->setEnabled(id.has_value());
        if (id && id != m_shownID)
            selectRecord(*id);
    });

    m_universeChanged = m_context.manager.current().changed().subscribe([this] {
        universeChanged();
        if (m_shownID && !hasRecord(*m_shownID)) {
            // Deleted elsewhere: there is nothing left to edit.
            m_shownID.reset();
            showEmpty();
        }
        rebuildRows();
    });
    m_detail->setCurrentWidget(m_empty);
    m_delete->setEnabled(false);
}

OverlayBrowser::~OverlayBrowser() = default;

bool OverlayBrowser::eventFilter(QObject* watched, QEvent* event) {
    // Delete (or Backspace, as laptops have it) on the list deletes the selected
    // record, after the same question as the button.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && selectedID()) {
            deleteSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OverlayBrowser::setEditor(QWidget* editor) {
    m_scroll->setWidget(editor);
}

void OverlayBrowser::addFilter(QWidget* filter) {
    m_sideLayout->insertWidget(1, filter);
}

void OverlayBrowser::setTexts(const Texts& texts) {
    m_heading->setText(texts.heading);
    m_new->setText(texts.newButton);
    m_search->setPlaceholderText(texts.searchPrompt);
    m_empty->setTitle(texts.emptyTitle);
    m_empty->setMessage(texts.emptyMessage);
    auto* delegate = dynamic_cast<RecordRowDelegate*>(m_list->itemDelegate());
    if (delegate &&
        (delegate->detailLines() != texts.detailLines || delegate->swatches() != texts.swatches)) {
        delegate->setDetailLines(texts.detailLines);
        delegate->setSwatches(texts.swatches);
        // Uniform rows are measured once; a new height needs a new layout.
        m_list->reset();
    }
}

universe::RidivivevIzeviduv& OverlayBrowser::universe() const {
    return m_context.manager.current();
}

std::optional<core::Uuid> OverlayBrowser::selectedID() const {
    const auto items = m_list->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return core::Uuid::fromString(items.front()->data(idRole).toString().toStdString());
}

bool OverlayBrowser::isEditorShown() const {
    return m_detail->currentWidget() == m_scroll;
}

QStringList OverlayBrowser::rowTitles() const {
    QStringList titles;
    for (int i = 0; i < m_list->count(); ++i)
        titles.push_back(m_list->item(i)->text());
    return titles;
}

QStringList OverlayBrowser::rowDetails() const {
    QStringList details;
    for (int i = 0; i < m_list->count(); ++i)
        details.push_back(m_list->item(i)->data(detailRole).toString());
    return details;
}

void OverlayBrowser::rebuildRows() {
    const QSignalBlocker blocker(m_list);
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    const std::vector<Row> found = rows(m_search->text());
    const QString shown = m_shownID ? qt(m_shownID->toString()) : QString();
    for (const Row& row : found) {
        auto* item = new QListWidgetItem(qt(row.text.title), m_list);
        const QString id = qt(row.text.id.toString());
        item->setData(idRole, id);
        item->setData(detailRole, qt(row.text.detail));
        item->setToolTip(qt(row.text.title) + QLatin1Char('\n') + qt(row.text.detail));
        if (row.color)
            item->setData(Qt::DecorationRole, swatchIcon(*row.color, 14));
        if (id == shown) {
            item->setSelected(true);
            m_list->setCurrentItem(item);
        }
    }
    m_list->setUpdatesEnabled(true);
    const bool filteredOut = found.empty() && !m_search->text().trimmed().isEmpty();
    m_noMatches->setText(tr("No matches for “%1”").arg(m_search->text().trimmed()));
    m_noMatches->setVisible(filteredOut);
    m_delete->setEnabled(selectedID().has_value());
}

void OverlayBrowser::startNew() {
    m_shownID.reset();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clearSelection();
    }
    m_delete->setEnabled(false);
    openNewRecord();
    showEditor();
}

void OverlayBrowser::selectRecord(const core::Uuid& id) {
    if (!hasRecord(id))
        return;
    m_shownID = id;
    const QString text = qt(id.toString());
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        if (item->data(idRole).toString() == text && !item->isSelected()) {
            const QSignalBlocker blocker(m_list);
            m_list->setCurrentItem(item);
            item->setSelected(true);
            m_list->scrollToItem(item);
        }
    }
    m_delete->setEnabled(selectedID().has_value());
    openRecord(id);
    showEditor();
}

void OverlayBrowser::recordSaved(const core::Uuid& id) {
    m_shownID = id;
    rebuildRows();
    if (QListWidgetItem* item = m_list->currentItem())
        m_list->scrollToItem(item);
}

void OverlayBrowser::deleteSelected() {
    const auto id = selectedID();
    if (!id || !hasRecord(*id))
        return;
    if (!m_confirm(this, deleteTitle(), deleteMessage(*id)))
        return;
    if (const universe::EditResult result = eraseRecord(*id); !result) {
        showEditFailure(this, deleteTitle(), result.error);
        return;
    }
    if (m_shownID == id) {
        m_shownID.reset();
        showEmpty();
    }
}

void OverlayBrowser::showEmpty() {
    m_detail->setCurrentWidget(m_empty);
}

void OverlayBrowser::showEditor() {
    m_detail->setCurrentWidget(m_scroll);
}

} // namespace velmora::overlays
