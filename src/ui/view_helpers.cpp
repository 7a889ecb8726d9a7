#include "ui/view_helpers.h"

#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

namespace velmora::ui {

QColor qtColor(universe::FactionColor color) {
    const universe::RgbColor c = universe::rgb(color);
    return QColor::fromRgbF(static_cast<float>(c.red), static_cast<float>(c.green),
                            static_cast<float>(c.blue));
}

QIcon swatchIcon(universe::FactionColor color, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.setBrush(qtColor(color));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
    return QIcon(pixmap);
}

QString colorDisplayName(universe::FactionColor color) {
    const QString raw = qt(universe::rawValue(color));
    QString text;
    for (const QChar c : raw) {
        if (c.isUpper())
            text += QLatin1Char(' ');
        text += text.isEmpty() ? c.toUpper() : c;
    }
    return text;
}

Confirmation askWithMessageBox() {
    return [](QWidget* parent, const QString& title, const QString& message) {
        QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Cancel, parent);
        QPushButton* destroy = box.addButton(QObject::tr("Delete"), QMessageBox::DestructiveRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == destroy;
    };
}

SaveQuestion askToSaveWithMessageBox() {
    return [](QWidget* parent, const QString& question, const QString& detail) {
        QMessageBox box(QMessageBox::Warning, question, question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setInformativeText(detail);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save:
            return SaveAnswer::save;
        case QMessageBox::Discard:
            return SaveAnswer::discard;
        default:
            return SaveAnswer::cancel;
        }
    };
}

QWidget* scrollingPage(QWidget* content, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    return scroll;
}

QLabel* sectionHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    label->setContentsMargins(0, 10, 0, 2);
    return label;
}

QLabel* quietNote(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    return label;
}

QLabel* messageLine(const QString& objectName, bool error) {
    auto* label = new QLabel;
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (error)
        label->setStyleSheet(QStringLiteral("color: #d04040;"));
    label->hide();
    return label;
}

void showMessage(QLabel* line, const QString& text) {
    line->setText(text);
    line->setVisible(!text.isEmpty());
}

void makeTitle(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    label->setFont(font);
}

void showEditFailure(QWidget* parent, const QString& title, const std::string& error) {
    if (error.empty())
        return;
    auto* box = new QMessageBox(QMessageBox::Warning, title, qt(error), QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("editFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace velmora::ui
