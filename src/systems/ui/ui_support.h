#pragma once

#include "systems/system_list.h"
#include "ui/qt_text.h"

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QWidget;
class QLabel;
class QComboBox;
class QGroupBox;
class QVariant;

namespace velmora::systems {

inline std::string std8(const QString& text) {
    return text.toStdString();
}

// Chooses the combo box's item holding the value, when there is one.
void selectData(QComboBox* combo, const QVariant& value);

// Names in the order a file browser lists them: without regard to case, runs of
// digits by value ("9" before "10").
NameOrder naturalNameOrder();

// The answers a view asks the user for. The views use message boxes; tests answer
// for the user.
struct UserQuestions {
    // A yes-or-no question; true when the user takes the action named `accept`.
    std::function<bool(QWidget* parent, const QString& title, const QString& text,
                       const QString& accept)>
        confirm;
    // A line of text, such as a name; nothing when the user cancels.
    std::function<QString(QWidget* parent, const QString& title, const QString& label)> askText;
    // A notice with only an OK button.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> inform;

    static UserQuestions messageBoxes();
};

// A bold section title, a little larger than the text below it.
QLabel* makeSectionTitle(const QString& text, QWidget* parent);
// A label in the muted colour of secondary text.
QLabel* makeMutedLabel(const QString& text, QWidget* parent);
// Spin boxes and pickers inside a scrolling page turn with the mouse wheel only once
// clicked into; until then the wheel scrolls the page, so scrolling past a field never
// changes it. Applies to every such field under `root` at the time of the call.
void scrollPastFields(QWidget* root);

// Text coloured as a warning (orange) or an error (red).
void setWarningStyle(QLabel* label);
void setErrorStyle(QLabel* label);

} // namespace velmora::systems
