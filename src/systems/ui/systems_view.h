#pragma once

#include "core/signal.h"
#include "core/uuid.h"
#include "systems/system_list.h"
#include "systems/ui/ui_support.h"

#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QSplitter;
class QTreeWidget;
class QVBoxLayout;

namespace velmora::ui {
struct ViewContext;
}

namespace velmora::systems {

class SystemEditor;

// "Systems": the universe's systems in a searchable list, sorted by coordinates, name
// or main world and narrowed to one subsector; the chosen system's editor beside it.
class SystemsView : public QWidget {
    Q_OBJECT
public:
    explicit SystemsView(ui::ViewContext& context, QWidget* parent = nullptr);

    void setQuestions(UserQuestions questions);
    // Selects a system in the list and opens its editor.
    void selectSystem(const core::Uuid& hexID);
    SystemEditor* editor() const { return m_editor; }
    // The hex ids of the listed rows, top to bottom.
    std::vector<core::Uuid> listedSystems() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshSubsectors();
    void refreshList();
    void showEditorFor(const std::optional<core::Uuid>& hexID);
    void selectionChanged();
    // Gives the list the width its longest row needs, as far as the editor can spare it.
    void widenListToFit();

    ui::ViewContext& m_context;
    NameOrder m_nameOrder = naturalNameOrder();
    UserQuestions m_questions = UserQuestions::messageBoxes();
    std::optional<core::Uuid> m_selected;
    bool m_refreshing = false;

    QLineEdit* m_search;
    QComboBox* m_sort;
    QComboBox* m_subsector;
    QTreeWidget* m_list;
    QSplitter* m_splitter;
    QLabel* m_count;
    QVBoxLayout* m_detailLayout;
    QWidget* m_detail = nullptr;
    SystemEditor* m_editor = nullptr;
    core::Signal<>::Subscription m_universeChanged;
};

} // namespace velmora::systems
