#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace velmora::ships {

// The names and description a referee gives a saved ship.
struct ShipDetails {
    std::string configurationName;
    std::string typeLabel;
    std::string shipName;
    std::string description;
};

// The sheet that names a ship before it is saved: "Save Ship" for a new one,
// "Edit Ship Details" for one already in the library.
class ShipSaveSheet : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { saveNew, editDetails };

    ShipSaveSheet(Purpose purpose, const ShipDetails& details, QWidget* parent = nullptr);

    ShipDetails details() const;

private:
    QLineEdit* m_configurationName;
    QLineEdit* m_type;
    QLineEdit* m_shipName;
    QPlainTextEdit* m_description;
};

} // namespace velmora::ships
