#include "systems/ui/ui_support.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace velmora::systems {

void selectData(QComboBox* combo, const QVariant& value) {
    const int index = combo->findData(value);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

NameOrder naturalNameOrder() {
    // An explicit locale: under the C locale numeric mode does nothing.
    auto collator = std::make_shared<QCollator>(QLocale(QLocale::English));
    collator->setNumericMode(true);
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    return [collator](const std::string& a, const std::string& b) {
        return collator->compare(QString::fromStdString(a), QString::fromStdString(b));
    };
}

UserQuestions UserQuestions::messageBoxes() {
    UserQuestions questions;
    questions.confirm = [](QWidget* parent, const QString& title, const QString& text,
                           const QString& accept) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(accept, QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == yes;
    };
    questions.askText = [](QWidget* parent, const QString& title, const QString& label) {
        return QInputDialog::getText(parent, title, label).trimmed();
    };
    questions.inform = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::warning(parent, title, text);
    };
    return questions;
}

QLabel* makeSectionTitle(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    return label;
}

QLabel* makeMutedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    return label;
}

namespace {

class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Wheel || !widget || widget->hasFocus())
            return false;
        // Hand the turn to the page around the field instead.
        if (QWidget* parent = widget->parentWidget())
            QApplication::sendEvent(parent, event);
        return true;
    }
};

} // namespace

void scrollPastFields(QWidget* root) {
    auto* guard = new WheelGuard(root);
    const auto guardField = [guard](QWidget* field) {
        field->setFocusPolicy(Qt::StrongFocus);
        field->installEventFilter(guard);
    };
    for (QComboBox* combo : root->findChildren<QComboBox*>())
        guardField(combo);
    for (QAbstractSpinBox* spin : root->findChildren<QAbstractSpinBox*>())
        guardField(spin);
}

void setWarningStyle(QLabel* label) {
    label->setStyleSheet(QStringLiteral("color: #b35900;"));
}

void setErrorStyle(QLabel* label) {
    label->setStyleSheet(QStringLiteral("color: #c0262d;"));
}

} // namespace velmora::systems
