#pragma once

#include "core/uuid.h"
#include "core/world_data.h"
#include "systems/ui/ui_support.h"

#include <QWidget>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;

namespace velmora::systems {

// Every field of one world and its profile, typed in by hand. The form edits its own
// copy and reports each change; trade classes are derived again from every edit,
// keeping the secondary, political and special classes the referee ticked.
class WorldForm : public QWidget {
    Q_OBJECT
public:
    // What the pickers offer besides the fixed tables.
    struct Choices {
        std::vector<std::pair<core::Uuid, std::string>> factions; // id and display name
        std::vector<std::string> customRaces;
        bool travellerScale = true;
    };

    explicit WorldForm(QWidget* parent = nullptr);

    void setChoices(Choices choices);
    void setQuestions(UserQuestions questions) { m_questions = std::move(questions); }
    // Shows a world without reporting it as an edit.
    void setWorld(const core::WorldData& world);
    const core::WorldData& world() const { return m_world; }

Q_SIGNALS:
    void worldEdited(const core::WorldData& world);

private:
    QWidget* buildIdentity();
    QWidget* buildProfile();
    QWidget* buildTradeClasses();
    QWidget* buildTagsAndFactions();
    void fillRaces();
    void fillFactions();
    void showWorld();
    void showTags();
    void readFields();
    void commit();
    void refreshReadouts();
    void applyProfileCode();

    void addCustomRace();

    Choices m_choices;
    UserQuestions m_questions = UserQuestions::messageBoxes();
    core::WorldData m_world;
    bool m_loading = false;

    QLineEdit* m_name;
    QCheckBox* m_mainWorld;
    QComboBox* m_type;
    QComboBox* m_sunOrbit;
    QComboBox* m_satelliteOrbit;
    QSpinBox* m_hzOffset;
    QSpinBox* m_dayLength;
    QSpinBox* m_yearLength;
    QCheckBox* m_tideLocked;
    QComboBox* m_race;
    QLineEdit* m_image;

    QLineEdit* m_profileCode;
    QLabel* m_profileCodeError;
    QComboBox* m_starport;
    QSpinBox* m_size;
    QDoubleSpinBox* m_density;
    QSpinBox* m_atmosphere;
    QSpinBox* m_hydrographics;
    QSpinBox* m_population;
    QSpinBox* m_populationMultiplier;
    QSpinBox* m_government;
    QSpinBox* m_lawLevel;
    QComboBox* m_techLevel;
    std::vector<QCheckBox*> m_bases;
    std::map<QSpinBox*, QLabel*> m_meanings;
    QLabel* m_hydrographicsHint;
    QLabel* m_issues;

    QLabel* m_derivedClasses;
    std::vector<QCheckBox*> m_refereeClasses;

    QListWidget* m_tags;
    QComboBox* m_tagPicker;
    QListWidget* m_factions;
    QPlainTextEdit* m_notes;
};

} // namespace velmora::systems
