#pragma once

#include "universe/faction.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::factions {

struct AssetTemplate;

// "Add Asset": a template from the catalogue, listed by category and rating
// with its cost, or an asset made by hand; either stands on the chosen world.
class AddAssetDialog : public QDialog {
    Q_OBJECT
public:
    AddAssetDialog(const universe::Faction& owner, const universe::RidivivevIzeviduv& universe,
                   QWidget* parent = nullptr);

    // The asset as it would be added now; empty while nothing is chosen.
    std::optional<universe::FactionAsset> asset() const;

    // For the catalogue page: chooses the template of that name.
    bool chooseTemplate(const QString& name);
    void chooseLocation(const core::GalacticCoordinates& location);
    void showHandMadeForm();

    QTabWidget* pages() const { return m_pages; }
    QTreeWidget* catalogue() const { return m_catalogue; }
    QLineEdit* nameField() const { return m_name; }
    QComboBox* typeField() const { return m_type; }
    QComboBox* categoryField() const { return m_category; }
    QSpinBox* maxHPField() const { return m_maxHP; }
    QSpinBox* costField() const { return m_cost; }
    QSpinBox* maintenanceField() const { return m_maintenance; }
    QLabel* baseOfInfluenceNote() const { return m_baseNote; }
    QLabel* problem() const { return m_problem; }

private:
    void buildCatalogue();
    QWidget* buildHandMadeForm();
    void fillLocations();
    void showTemplateDetails();
    void followType();
    void refresh();
    const AssetTemplate* chosenTemplate() const;
    core::GalacticCoordinates location() const;

    universe::Faction m_owner;
    const universe::RidivivevIzeviduv& m_universe;
    QComboBox* m_location;
    QTabWidget* m_pages;
    QTreeWidget* m_catalogue;
    QLabel* m_details;
    QLineEdit* m_name;
    QComboBox* m_category;
    QComboBox* m_type;
    QComboBox* m_tl;
    QSpinBox* m_maxHP;
    QSpinBox* m_cost;
    QSpinBox* m_maintenance;
    QSpinBox* m_rating;
    QCheckBox* m_stealthed;
    QCheckBox* m_permission;
    QLineEdit* m_attack;
    QLineEdit* m_counter;
    QPlainTextEdit* m_note;
    QLabel* m_baseNote;
    QLabel* m_problem;
    QDialogButtonBox* m_buttons;
};

} // namespace velmora::factions
