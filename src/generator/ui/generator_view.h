#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "core/random_source.h"
#include "core/signal.h"
#include "core/star_system.h"
#include "generator/area_generation.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace velmora::universe {
class UniverseManager;
class RidivivevIzeviduv;
} // namespace velmora::universe

namespace velmora::generator {

// "Generator": the referee picks a hex and the options, rolls a system, looks it
// over, rolls again until it suits, and saves it into the current universe (or
// replaces what the hex held, after a warning). Whole subsectors and sectors are
// filled from the same view.
class GeneratorView : public QWidget {
    Q_OBJECT
public:
    // Asked before a save overwrites an occupied hex; true goes ahead.
    using Confirm = std::function<bool(const QString& title, const QString& text)>;

    explicit GeneratorView(universe::UniverseManager& manager, QWidget* parent = nullptr);
    ~GeneratorView() override;

    void setConfirmReplace(Confirm confirm) { m_confirmReplace = std::move(confirm); }
    // Rolls come from the generator's secure pool unless a test hands in its own dice.
    void setRandomSource(core::RandomSource& random) { m_random = &random; }

    // What is on show; empty before the first roll.
    const std::optional<core::StarSystem>& generatedSystem() const { return m_system; }
    const std::vector<core::HexData>& generatedArea() const { return m_area; }

    // Puts a hex into the location fields, as the map's "Generate System Here…" does.
    void setHex(const core::GalacticCoordinates& hex);

    void generate();
    void save();
    void generateArea();
    void saveArea();

private:
    universe::RidivivevIzeviduv& universe() const;
    std::optional<core::GalacticCoordinates> readHex();
    std::optional<core::Star> readChosenPrimary(bool& ok);
    core::TechnologyLevel chosenTechLevel() const;
    void applyFlags(core::StarSystem& system) const;
    void fillTechLevels();
    void updateRuleSetTexts();
    void updateSaveButton();
    void updateSpectralControls();
    void showSystem();
    void showArea();
    void showMessage(const QString& text, bool error);
    void showAreaMessage(const QString& text, bool error);

    universe::UniverseManager& m_manager;
    core::RandomSource* m_random;
    Confirm m_confirmReplace;
    core::Signal<>::Subscription m_universeChanged;
    core::Signal<>::Subscription m_universeReplaced;

    QSpinBox* m_sectorX;
    QSpinBox* m_sectorY;
    QLineEdit* m_column;
    QLineEdit* m_row;
    QLineEdit* m_name;
    QPushButton* m_randomName;
    QComboBox* m_spectralType;
    QSpinBox* m_subclass;
    QComboBox* m_luminosity;
    QCheckBox* m_binary;
    QComboBox* m_scale;
    QComboBox* m_techLevel;
    QCheckBox* m_rollTechLevel;
    QCheckBox* m_starfarers;
    QCheckBox* m_sathar;
    QCheckBox* m_other;
    QCheckBox* m_surveyed;
    QPushButton* m_generate;
    QPushButton* m_save;
    QLabel* m_message;
    QComboBox* m_subsector;
    QSpinBox* m_density;
    QPushButton* m_generateArea;
    QPushButton* m_saveArea;
    QTabWidget* m_tabs;
    QLabel* m_summary;
    QTreeWidget* m_tree;
    QLabel* m_areaMessage;
    QTreeWidget* m_areaTable;

    std::optional<core::StarSystem> m_system;
    std::vector<core::HexData> m_area;
    GenerationArea m_areaPlace;
};

} // namespace velmora::generator
