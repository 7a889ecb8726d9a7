#pragma once

#include "campaign/gamemastering.h"
#include "campaign/players.h"
#include "core/credits.h"
#include "ui/qt_text.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QString>
#include <optional>
#include <string>

class QDialog;
class QLineEdit;

namespace velmora::campaign {

// What the campaign panels share: money as the views write it, the sheets'
// opening, and edits of one player through the store.

QString creditsQt(core::Credits amount);

// The amount typed into the field, or nothing with the problem shown in `problem`
// (cleared when the amount reads).
std::optional<core::Credits> readCredits(const QLineEdit* field, core::AmountSign sign,
                                         QLabel* problem);

// A sheet's field with its explanation under it.
QWidget* fieldWithHelp(QWidget* field, const QString& help, QWidget* parent);

// Sheets are window-modal and delete themselves once closed.
void openSheet(QDialog* sheet);

// Changes one player of the campaign through the store, which saves; nothing
// happens when either is gone.
template <typename Change>
void editPlayer(Gamemastering& store, const std::string& code, const core::Uuid& playerID,
                Change&& change) {
    store.edit(code, [&](Campaign& campaign) {
        if (PlayerInfo* player = findPlayer(campaign, playerID))
            change(campaign, *player);
    });
}

// Hour and minute with two digits, as a clock shows them.
class TwoDigitSpinBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

protected:
    QString textFromValue(int value) const override;
};

// A text box for free notes that says when the referee leaves it, as a line edit
// does, so that a note is stored once rather than at every keystroke.
class NotesEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

Q_SIGNALS:
    void editingFinished();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// Text that acts when clicked, for the notes on the calendar: their titles wrap
// where a button would cut them short.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velmora::campaign
