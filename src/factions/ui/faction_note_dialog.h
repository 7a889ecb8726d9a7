#pragma once

#include "universe/faction_note.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace velmora::factions {

// Writes or rewrites one dated entry of a faction's log.
class FactionNoteDialog : public QDialog {
    Q_OBJECT
public:
    FactionNoteDialog(const universe::FactionNote& note, bool isNew, QWidget* parent = nullptr);

    universe::FactionNote note() const;

    QLineEdit* titleField() const { return m_title; }
    QPlainTextEdit* contentField() const { return m_content; }
    QSpinBox* yearField() const { return m_year; }
    QSpinBox* dayField() const { return m_day; }

private:
    universe::FactionNote m_note;
    QLineEdit* m_title;
    QSpinBox* m_year;
    QSpinBox* m_day;
    QSpinBox* m_hour;
    QSpinBox* m_minute;
    QPlainTextEdit* m_content;
};

} // namespace velmora::factions
