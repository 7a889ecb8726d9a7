#pragma once

#include "core/uuid.h"
#include "ships/saved_ship_design.h"
#include "ships/ship_design.h"
#include "ui/view_helpers.h"

#include <QWidget>
#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace velmora::ui {
class WindowRegistry;
}

namespace velmora::ships {

class DesignForm;
class SavedShipDesignsStore;
class ShipSummaryPanel;
struct ShipDetails;

// The ship designer: the thirteen steps in a scrolling column with a list that
// jumps to each, and the summary beside them, worked out again on every change.
// Opened on a saved ship it saves back into it; "Save As New Ship…" always makes
// a new one. Without a store (a test, or the library failed to open) it designs
// but cannot save. Closing it with changes not saved asks first.
class ShipDesignerWindow : public QWidget {
    Q_OBJECT
public:
    ShipDesignerWindow(SavedShipDesignsStore* store, std::optional<core::Uuid> savedId,
                       ui::SaveQuestion askToSave = ui::askToSaveWithMessageBox(),
                       QWidget* parent = nullptr);
    ~ShipDesignerWindow() override;

    const ShipDesign& design() const { return m_design; }
    // The saved ship this window edits, once there is one.
    std::optional<core::Uuid> savedId() const;

    // Scrolls the steps to the one with this object name ("armourStep").
    void showStep(const QString& objectName);

signals:
    // The window now edits another saved ship than before: its first save, or
    // "Save As New Ship…". The ids as text; the previous one empty for a new design.
    void savedShipChanged(const QString& previousId, const QString& newId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void designEdited();
    void saveAsNew();
    void saveChanges();
    void editDetails();
    bool store(SavedShipDesign& saved, const QString& done);
    bool saveChangesNow();
    void updateActions();
    void followScroll();

    SavedShipDesignsStore* m_store;
    ui::SaveQuestion m_askToSave;
    ShipDesign m_design;
    std::optional<SavedShipDesign> m_saved;
    bool m_unsaved = false;
    std::unique_ptr<DesignForm> m_form;
    ShipSummaryPanel* m_summary;
    QListWidget* m_stepList;
    QScrollArea* m_stepsArea;
    QLabel* m_shipLine;
    QLabel* m_message;
    QPushButton* m_saveAsNew;
    QPushButton* m_save;
    QPushButton* m_editDetails;
};

// Opens the designer, on a saved ship or on a new design, or brings forward the
// window already open for it. A window that saves its design as a ship is filed
// under that ship from then on, so "Edit" on it brings the same window forward.
QWidget* openShipDesigner(ui::WindowRegistry& windows, SavedShipDesignsStore* store,
                          std::optional<core::Uuid> savedId = std::nullopt);

} // namespace velmora::ships
