#pragma once

#include "core/uuid.h"

#include <QDialog>
#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace velmora::campaign {

class Gamemastering;

// "New Campaign Note" and "Edit Campaign Note": title, whether the note shows on
// the calendar, the campaign date it is about and its content.
class NoteSheet : public QDialog {
    Q_OBJECT
public:
    // Edits the note with `noteID`, or writes a new one without it.
    NoteSheet(Gamemastering& store, std::string code, std::optional<core::Uuid> noteID,
              QWidget* parent = nullptr);

Q_SIGNALS:
    void saved(const core::Uuid& noteID);

private:
    void submit();

    Gamemastering& m_store;
    std::string m_code;
    std::optional<core::Uuid> m_noteID;
    core::Uuid m_dateID;
    QLineEdit* m_title;
    QCheckBox* m_showOnCalendar;
    QSpinBox* m_year;
    QSpinBox* m_day;
    QSpinBox* m_hour;
    QSpinBox* m_minute;
    QPlainTextEdit* m_content;
    QPushButton* m_submit;
};

} // namespace velmora::campaign
