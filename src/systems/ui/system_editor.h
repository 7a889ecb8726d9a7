#pragma once

#include "core/hex_data.h"
#include "core/signal.h"
#include "systems/ui/ui_support.h"
#include "systems/world_info.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora::ui {
struct ViewContext;
}

namespace velmora::systems {

class StarForm;
class WorldForm;

// The editor of one stored system. It works on a copy of the hex; nothing reaches the
// universe (and its file) before "Save Changes", and then only after the checks pass.
class SystemEditor : public QWidget {
    Q_OBJECT
public:
    // Edits the stored hex with this id.
    SystemEditor(ui::ViewContext& context, const core::Uuid& hexID, QWidget* parent = nullptr);

    void setQuestions(UserQuestions questions);

    const core::Uuid& hexID() const { return m_hexID; }
    const core::HexData& draft() const { return m_draft; }
    bool hasUnsavedChanges() const { return m_draft != m_original; }

    // Writes the copy into the universe, which saves it. Returns whether it was saved.
    bool save();
    // Drops every unsaved change.
    void revert();
    // Asks, then removes the system from the universe.
    bool deleteSystem();
    // Rolls every body but the main world again through the generator's filler.
    void generateBodies();
    // The worlds list: select a world by id.
    void selectWorld(const core::Uuid& id);

Q_SIGNALS:
    void savedAt(const core::Uuid& hexID);
    void systemDeleted();

private:
    QWidget* buildHeader();
    QWidget* buildSystemSection();
    QWidget* buildStarsSection();
    QWidget* buildWorldsSection();

    void showDraft();
    void showHeader();
    void showStars();
    void showStar();
    void showWorlds();
    void showWorldForm();
    void refreshState();
    void readSystemFields();
    void starEdited(const core::Star& edited);
    void worldEdited(const core::WorldData& world);
    void updateWorldItem(QTreeWidgetItem* item, const core::WorldData& world);
    core::WorldData* selectedWorld();
    std::optional<std::size_t> starForNewWorld() const;
    void universeChanged();

    ui::ViewContext& m_context;
    core::Uuid m_hexID;
    core::HexData m_original;
    core::HexData m_draft;
    std::optional<core::Uuid> m_worldID;
    int m_starIndex = -1;
    bool m_loading = false;
    UserQuestions m_questions = UserQuestions::messageBoxes();
    core::Signal<>::Subscription m_universeChanged;

    QLabel* m_title;
    QLabel* m_location;
    QLabel* m_status;
    QPushButton* m_generate;
    QPushButton* m_delete;
    QPushButton* m_revert;
    QPushButton* m_save;

    QLineEdit* m_name;
    QSpinBox* m_sectorX;
    QSpinBox* m_sectorY;
    QSpinBox* m_column;
    QSpinBox* m_row;
    QLabel* m_coordinateWarning;
    QCheckBox* m_starfarers;
    QCheckBox* m_sathar;
    QCheckBox* m_other;
    QCheckBox* m_surveyed;
    QSpinBox* m_gasGiants;
    QSpinBox* m_belts;
    QSpinBox* m_worldCount;
    QPlainTextEdit* m_hexNotes;

    QListWidget* m_stars;
    StarForm* m_starForm;
    QPushButton* m_removeStar;

    QTreeWidget* m_worlds;
    QPushButton* m_duplicateWorld;
    QPushButton* m_deleteWorld;
    QPushButton* m_worldInfo;
    WorldForm* m_worldForm;
    QLabel* m_noWorld;
};

} // namespace velmora::systems
