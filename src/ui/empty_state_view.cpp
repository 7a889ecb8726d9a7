#include "ui/empty_state_view.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velmora::ui {

EmptyStateView::EmptyStateView(const QString& title, const QString& message, QWidget* parent)
    : QWidget(parent), m_title(new QLabel(title, this)), m_message(new QLabel(message, this)) {
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setObjectName(QStringLiteral("emptyStateTitle"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setObjectName(QStringLiteral("emptyStateMessage"));
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    m_message->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_title);
    layout->addWidget(m_message);
    layout->addStretch();
}

void EmptyStateView::setTitle(const QString& title) {
    m_title->setText(title);
}
void EmptyStateView::setMessage(const QString& message) {
    m_message->setText(message);
}
QString EmptyStateView::title() const {
    return m_title->text();
}
QString EmptyStateView::message() const {
    return m_message->text();
}

} // namespace velmora::ui
