#pragma once

#include "core/signal.h"
#include "core/uuid.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QToolButton;
class QAction;
class QMenu;
class QLabel;
class QFrame;

namespace velmora::universe {

class UniverseManager;

// The universe picker and its commands (new, rename, delete, back up, restore),
// at the top of the sidebar. Files that could not be read stay in the list,
// marked, and a notice says when the universe of the last session could not be
// opened again.
class UniverseBar : public QWidget {
    Q_OBJECT
public:
    explicit UniverseBar(UniverseManager& manager, QWidget* parent = nullptr);
    ~UniverseBar() override;

    QComboBox* picker() const { return m_picker; }
    QAction* newAction() const { return m_new; }
    QAction* renameAction() const { return m_rename; }
    QAction* backupAction() const { return m_backup; }
    QAction* restoreAction() const { return m_restore; }

    void createUniverse();
    void renameUniverse();
    // Asks, then deletes the open universe, or the stored one with this id.
    void deleteUniverse();
    void deleteUniverse(const core::Uuid& id);
    void backUpUniverse();
    void restoreUniverse();
    // Asks, then brings back the version of a universe its last save replaced
    // (an unreadable file's id, or a universe's).
    void restorePreviousVersion(const std::string& id);

    // Asked before another universe replaces the open one (switching, creating,
    // restoring); false keeps the open one. Deleting the open universe does not
    // ask: its unsaved edits go with it.
    void setLeaveCheck(std::function<bool()> mayLeave) { m_mayLeave = std::move(mayLeave); }

private:
    bool mayLeave() const { return !m_mayLeave || m_mayLeave(); }
    // A universe's name, or an unreadable file's last known name, else its id.
    QString nameOf(const std::string& id) const;

    void refresh();
    void refreshNotice();
    void showErrors();

    UniverseManager& m_manager;
    QComboBox* m_picker;
    QToolButton* m_menuButton;
    QAction* m_new;
    QAction* m_rename;
    QMenu* m_deleteMenu;
    QMenu* m_previousMenu;
    QFrame* m_notice;
    QLabel* m_noticeText;
    QAction* m_backup;
    QAction* m_restore;
    core::Signal<>::Subscription m_subscription;
    std::function<bool()> m_mayLeave;
    bool m_refreshing = false;
};

} // namespace velmora::universe
