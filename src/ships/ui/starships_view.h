#pragma once

#include "core/signal.h"
#include "core/uuid.h"
#include "ships/saved_ship_design.h"
#include "ui/view_helpers.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

namespace velmora::ui {
class EmptyStateView;
class WindowRegistry;
} // namespace velmora::ui

namespace velmora::ships {

class SavedShipDesignsStore;

// The questions and choosers the view puts to the referee. Tests answer them
// without modal boxes; the defaults use the platform's dialogs.
struct StarshipsPrompts {
    ui::Confirmation confirm;
    // Asks "Overwrite Ship?" with the given text; true replaces.
    std::function<bool(QWidget* parent, const QString& message)> confirmOverwrite;
    std::function<QString(QWidget* parent)> chooseImageFile;
    // A folder to import from or export into; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& title)> chooseFolder;
    // Where to write the PDF, starting from the default name; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& defaultName)> chooseSheetFile;
    // The images to put on the sheet; nothing when cancelled.
    std::function<std::optional<QSet<QString>>(QWidget* parent, const SavedShipDesign& saved,
                                               const QHash<QString, QImage>& thumbnails)>
        chooseSheetImages;
    std::function<void(QWidget* parent, const QString& title, const QString& message)> alert;

    static StarshipsPrompts standard();
};

// The "Starships" view: the saved ships, and the chosen one's figures,
// description and pictures with what can be done with it.
class StarshipsView : public QWidget {
    Q_OBJECT
public:
    // Opens the designer on a saved ship; empty when there is no designer.
    using DesignerOpener = std::function<void(const core::Uuid&)>;

    StarshipsView(SavedShipDesignsStore& store, ui::WindowRegistry& windows,
                  DesignerOpener openDesigner, StarshipsPrompts prompts, QWidget* parent = nullptr);
    ~StarshipsView() override;

    std::optional<core::Uuid> selectedID() const { return m_selected; }
    void select(const core::Uuid& id);

private:
    void refreshList();
    void showSelected();
    void showStoreError(const QString& title);
    void editSelected();
    void duplicateSelected();
    void deleteSelected();
    void exportFolder();
    void importFolder();
    void exportPdf();
    void addImage();
    void removeImage();
    void openImage(const QString& filename);

    SavedShipDesignsStore& m_store;
    ui::WindowRegistry& m_windows;
    DesignerOpener m_openDesigner;
    StarshipsPrompts m_prompts;
    core::Signal<>::Subscription m_subscription;
    std::optional<core::Uuid> m_selected;
    std::optional<SavedShipDesign> m_shown;
    bool m_updating = false;

    QStackedWidget* m_listStack;
    QListWidget* m_list;
    QStackedWidget* m_detailStack;
    ui::EmptyStateView* m_noSelection;
    QLabel* m_title;
    QLabel* m_subtitle;
    QLabel* m_status;
    QTextBrowser* m_summary;
    QTextBrowser* m_description;
    QListWidget* m_images;
    QLabel* m_noImages;
    QPushButton* m_edit;
    QPushButton* m_removeImage;
};

} // namespace velmora::ships
