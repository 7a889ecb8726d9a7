#pragma once

#include "core/uuid.h"
#include "universe/universe_record.h"

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velmora::campaign {

class Gamemastering;

// The "New Campaign" and "Edit Campaign" sheets. A refused name or code keeps the
// sheet open with the reason under the fields.
class CampaignSheet : public QDialog {
    Q_OBJECT
public:
    // Edits the campaign with `editedCode`, or makes a new one without it. The
    // universe picker lists `universes`; a new campaign starts in `currentUniverse`.
    CampaignSheet(Gamemastering& store, std::vector<universe::UniverseHeader> universes,
                  std::optional<core::Uuid> currentUniverse, std::optional<std::string> editedCode,
                  QWidget* parent = nullptr);

Q_SIGNALS:
    // A new campaign was made under this code.
    void created(const QString& code);

private:
    void submit();
    std::optional<core::Uuid> chosenUniverse() const;

    Gamemastering& m_store;
    std::optional<std::string> m_editedCode;
    QLineEdit* m_name;
    QLineEdit* m_code;
    QComboBox* m_universe;
    QPlainTextEdit* m_description;
    QLabel* m_problem;
};

} // namespace velmora::campaign
