#pragma once

#include <QStyledItemDelegate>

namespace velmora::wiki {

// A search result as a title in bold over its snippet in a quieter colour, both
// wrapped to the list's width. The item's text holds the title, a line break and
// the snippet.
class WikiResultDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace velmora::wiki
