#pragma once

#include "ui/qt_text.h"
#include "universe/faction_color.h"

#include <QColor>
#include <QIcon>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace velmora::ui {

// Small pieces every subsystem's views share.

using velmora::qt;

QColor qtColor(universe::FactionColor color);

// A filled, rounded square of a palette colour with a thin outline, so that
// white and black stay visible on any background.
QIcon swatchIcon(universe::FactionColor color, int size = 16);

// The palette case name as the referee reads it: "orangeRed" reads "Orange Red".
QString colorDisplayName(universe::FactionColor color);

// Asks before something is destroyed; answers true to go ahead. Views take one
// so that tests can answer without a modal box.
using Confirmation =
    std::function<bool(QWidget* parent, const QString& title, const QString& message)>;
Confirmation askWithMessageBox();

// What becomes of edits not saved yet when the referee leaves them: saved first,
// dropped, or kept by staying where they are.
enum class SaveAnswer { save, discard, cancel };
// Asks whether to save edits before leaving them, with Save, Discard and Cancel.
// Views take one so that tests can answer without a modal box.
using SaveQuestion =
    std::function<SaveAnswer(QWidget* parent, const QString& question, const QString& detail)>;
SaveQuestion askToSaveWithMessageBox();

// Tells the referee why an edit of the universe was not made, in a box that does
// not hold up the window. Does nothing when the edit was made.
void showEditFailure(QWidget* parent, const QString& title, const std::string& error);

// A page that scrolls when the window is smaller than its content, without a
// frame of its own: `content` goes inside it.
QWidget* scrollingPage(QWidget* content, QWidget* parent);

// Section headings, quiet notes and titles, styled once for every view.
QLabel* sectionHeading(const QString& text, QWidget* parent);
QLabel* quietNote(const QString& text, QWidget* parent);
// The line that tells how an action went, hidden until there is something to
// say; an error line reads in red. Text in it can be selected and copied.
QLabel* messageLine(const QString& objectName, bool error);
// Shows the text, or hides the line when there is none.
void showMessage(QLabel* line, const QString& text);
void makeTitle(QLabel* label);

} // namespace velmora::ui
