#include "overlays/ui/removable_row_list.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace velmora::overlays {

namespace {

QString deleteText() {
    return RemovableRowList::tr("Delete");
}

QRect deleteRectIn(const QRect& row, const QFontMetrics& metrics) {
    const int width = metrics.horizontalAdvance(deleteText()) + 18;
    const int height = std::min(row.height() - 6, metrics.height() + 6);
    return {row.right() - width - 6, row.top() + (row.height() - height) / 2, width, height};
}

class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 14));
        return size;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem textOption = option;
        const QRect action = deleteRectIn(option.rect, option.fontMetrics);
        textOption.rect.setRight(action.left() - 6);
        textOption.rect.adjust(6, 0, 0, 0);
        // Draw the row background across the whole width, the text beside the action.
        QStyleOptionViewItem background = option;
        background.text.clear();
        initStyleOption(&background, index);
        background.text.clear();
        option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                            option.widget);
        painter->save();
        painter->setPen(option.palette.color(
            option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const QString text = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                           Qt::ElideRight, textOption.rect.width());
        painter->drawText(textOption.rect, Qt::AlignVCenter | Qt::AlignLeft, text);

        painter->setRenderHint(QPainter::Antialiasing);
        QColor red(200, 60, 60);
        painter->setPen(QPen(red, 1));
        QColor fill = red;
        fill.setAlphaF(option.state & QStyle::State_MouseOver ? 0.16f : 0.07f);
        painter->setBrush(fill);
        painter->drawRoundedRect(QRectF(action).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        painter->drawText(action, Qt::AlignCenter, deleteText());
        painter->restore();
    }
};

} // namespace

RemovableRowList::RemovableRowList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setItemDelegate(new RowDelegate(this));
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setAlternatingRowColors(true);
}

void RemovableRowList::setRows(const QStringList& rows) {
    setUpdatesEnabled(false);
    clear();
    addItems(rows);
    setUpdatesEnabled(true);
}

QStringList RemovableRowList::rows() const {
    QStringList result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result.push_back(item(i)->text());
    return result;
}

QRect RemovableRowList::deleteRect(int row) const {
    const QListWidgetItem* rowItem = item(row);
    if (!rowItem)
        return {};
    return deleteRectIn(visualItemRect(rowItem), fontMetrics());
}

void RemovableRowList::mousePressEvent(QMouseEvent* event) {
    m_pressedDelete = -1;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && deleteRect(index.row()).contains(event->position().toPoint())) {
        m_pressedDelete = index.row();
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void RemovableRowList::mouseReleaseEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const int pressed = m_pressedDelete;
    m_pressedDelete = -1;
    if (pressed >= 0 && index.isValid() && index.row() == pressed &&
        deleteRect(pressed).contains(event->position().toPoint())) {
        event->accept();
        emit deleteRequested(pressed);
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}

} // namespace velmora::overlays
