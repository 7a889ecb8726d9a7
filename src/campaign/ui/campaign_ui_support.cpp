#include "campaign/ui/campaign_ui_support.h"

#include "ui/view_helpers.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace velmora::campaign {

QString creditsQt(core::Credits amount) {
    return qt(core::creditsText(amount));
}

std::optional<core::Credits> readCredits(const QLineEdit* field, core::AmountSign sign,
                                         QLabel* problem) {
    const core::CreditsInput input = core::parseCredits(field->text().toStdString(), sign);
    if (problem)
        ui::showMessage(problem, qt(input.problem));
    return input.amount;
}

QWidget* fieldWithHelp(QWidget* field, const QString& help, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(field);
    column->addWidget(ui::quietNote(help, box));
    return box;
}

void openSheet(QDialog* sheet) {
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->open();
}

QString TwoDigitSpinBox::textFromValue(int value) const {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

void NotesEdit::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    Q_EMIT editingFinished();
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    setPalette(palette);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace velmora::campaign
