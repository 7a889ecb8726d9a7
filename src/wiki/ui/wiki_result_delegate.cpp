#include "wiki/ui/wiki_result_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace velmora::wiki {

namespace {

constexpr int margin = 6;

struct Parts {
    QString title;
    QString snippet;
};

Parts partsOf(const QModelIndex& index) {
    const QString text = index.data(Qt::DisplayRole).toString();
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0)
        return {text, {}};
    return {text.left(lineBreak), text.mid(lineBreak + 1)};
}

QFont boldOf(QFont font) {
    font.setBold(true);
    return font;
}

int wrappedHeight(const QFont& font, int width, const QString& text) {
    if (text.isEmpty())
        return 0;
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text)
        .height();
}

} // namespace

void WikiResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem base = option;
    initStyleOption(&base, index);
    base.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &base, painter, widget);

    const Parts parts = partsOf(index);
    const QRect area = option.rect.adjusted(margin, margin / 2, -margin, -margin / 2);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    const QFont title = boldOf(option.font);
    const int titleHeight = wrappedHeight(title, area.width(), parts.title);
    painter->setFont(title);
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRect(area.left(), area.top(), area.width(), titleHeight), Qt::TextWordWrap,
                      parts.title);
    painter->setFont(option.font);
    painter->setPen(
        palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    painter->drawText(
        QRect(area.left(), area.top() + titleHeight, area.width(), area.height() - titleHeight),
        Qt::TextWordWrap, parts.snippet);
    painter->restore();
}

QSize WikiResultDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const Parts parts = partsOf(index);
    const int width = std::max(option.rect.width(), 200) - 2 * margin;
    const int height = wrappedHeight(boldOf(option.font), width, parts.title) +
                       wrappedHeight(option.font, width, parts.snippet) + margin;
    return {width + 2 * margin, height};
}

} // namespace velmora::wiki
