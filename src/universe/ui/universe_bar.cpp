#include "universe/ui/universe_bar.h"

#include "ui/qt_text.h"
#include "universe/universe_manager.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <algorithm>

namespace velmora::universe {

UniverseBar::UniverseBar(UniverseManager& manager, QWidget* parent)
    : QWidget(parent), m_manager(manager), m_picker(new QComboBox(this)),
      m_menuButton(new QToolButton(this)) {
    m_picker->setObjectName(QStringLiteral("universePicker"));
    m_picker->setToolTip(tr("The universe you are working in"));
    m_picker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_picker->setMinimumContentsLength(12);

    auto* menu = new QMenu(this);
    m_new = menu->addAction(tr("New Universe…"), this, &UniverseBar::createUniverse);
    m_rename = menu->addAction(tr("Rename Universe…"), this, &UniverseBar::renameUniverse);
    menu->addSeparator();
    m_backup = menu->addAction(tr("Back Up Universe…"), this, &UniverseBar::backUpUniverse);
    m_restore = menu->addAction(tr("Restore from Backup…"), this, &UniverseBar::restoreUniverse);
    menu->addSeparator();
    // Any stored universe can be deleted, not only the open one.
    m_deleteMenu = menu->addMenu(tr("Delete Universe"));
    m_deleteMenu->setObjectName(QStringLiteral("deleteUniverseMenu"));
    m_menuButton->setMenu(menu);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    m_menuButton->setText(QStringLiteral("⋯"));
    m_menuButton->setToolTip(tr("Universe commands"));
    m_menuButton->setObjectName(QStringLiteral("universeCommands"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(m_picker, 1);
    layout->addWidget(m_menuButton);

    connect(m_picker, &QComboBox::activated, this, [this](int index) {
        if (m_refreshing || index < 0)
            return;
        const auto id = core::Uuid::fromString(m_picker->itemData(index).toString().toStdString());
        if (id && *id != m_manager.current().id() && !mayLeave()) {
            refresh(); // back to the universe that stays open
            return;
        }
        if (id)
            m_manager.switchTo(*id);
        showErrors();
    });
    m_subscription = m_manager.changed().subscribe([this] { refresh(); });
    refresh();
}

UniverseBar::~UniverseBar() = default;

void UniverseBar::refresh() {
    m_refreshing = true;
    const QSignalBlocker blocker(m_picker);
    m_picker->clear();
    const auto currentId = m_manager.current().id();
    int currentIndex = -1;
    for (const auto& header : m_manager.headers()) {
        if (header.id == currentId)
            currentIndex = m_picker->count();
        m_picker->addItem(qt(header.name), qt(header.id.toString()));
    }
    if (currentIndex < 0) {
        // The open universe could not be written to disk: still show it.
        currentIndex = m_picker->count();
        m_picker->addItem(qt(m_manager.current().name()), qt(currentId.toString()));
    }
    m_picker->setCurrentIndex(currentIndex);
    m_refreshing = false;

    m_deleteMenu->clear();
    for (int i = 0; i < m_picker->count(); ++i) {
        const auto id = core::Uuid::fromString(m_picker->itemData(i).toString().toStdString());
        if (!id)
            continue;
        const QString text =
            i == currentIndex ? tr("%1 (open)").arg(m_picker->itemText(i)) : m_picker->itemText(i);
        m_deleteMenu->addAction(text, this, [this, id = *id] { deleteUniverse(id); });
    }
}

void UniverseBar::showErrors() {
    if (const auto& error = m_manager.loadError()) {
        QMessageBox::warning(window(), tr("Couldn’t Open Universe"), qt(*error));
        m_manager.clearLoadError();
    }
    if (const auto& error = m_manager.deleteError()) {
        QMessageBox::warning(window(), tr("Couldn't Delete Universe"), qt(*error));
        m_manager.clearDeleteError();
    }
}

void UniverseBar::createUniverse() {
    bool accepted = false;
    const QString name =
        QInputDialog::getText(window(), tr("New Universe"), tr("Name of the new universe:"),
                              QLineEdit::Normal, QString(), &accepted);
    if (accepted && mayLeave())
        m_manager.createUniverse(name.toStdString());
}

void UniverseBar::renameUniverse() {
    bool accepted = false;
    const QString name =
        QInputDialog::getText(window(), tr("Rename Universe"), tr("New name:"), QLineEdit::Normal,
                              qt(m_manager.current().name()), &accepted);
    if (accepted)
        m_manager.renameCurrent(name.trimmed().isEmpty() ? "Untitled Universe"
                                                         : name.trimmed().toStdString());
}

void UniverseBar::deleteUniverse() {
    deleteUniverse(m_manager.current().id());
}

void UniverseBar::deleteUniverse(const core::Uuid& id) {
    const auto& headers = m_manager.headers();
    const auto header =
        std::find_if(headers.begin(), headers.end(), [&](const auto& h) { return h.id == id; });
    const QString name =
        header != headers.end() ? qt(header->name) : qt(m_manager.current().name());
    QMessageBox box(
        QMessageBox::Warning, tr("Delete \"%1\"?").arg(name),
        tr("The universe \"%1\" and everything in it will be removed. This cannot be undone.")
            .arg(name),
        QMessageBox::Cancel, window());
    QPushButton* confirm =
        box.addButton(tr("Delete \"%1\"").arg(name), QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() != confirm)
        return;
    // Another universe goes without touching the open one or its edits.
    m_manager.deleteUniverse(id);
    showErrors();
}

void UniverseBar::backUpUniverse() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(qt(m_manager.suggestedBackupName()));
    const QString path = QFileDialog::getSaveFileName(window(), tr("Back Up Universe"), suggested,
                                                      tr("Universe files (*.json)"));
    if (path.isEmpty())
        return;
    if (const auto error = m_manager.backup(path.toStdString()))
        QMessageBox::warning(window(), tr("Backup Failed"),
                             tr("Universe backup failed: %1").arg(qt(*error)));
}

void UniverseBar::restoreUniverse() {
    const QString path = QFileDialog::getOpenFileName(
        window(), tr("Restore Universe"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Universe files (*.json);;All files (*)"));
    if (path.isEmpty() || !mayLeave())
        return;
    const auto confirm = [this](const UniverseManager::OverwriteQuestion& question) {
        QMessageBox box(QMessageBox::Question, qt(question.title), qt(question.message),
                        QMessageBox::Cancel, window());
        QPushButton* overwrite = box.addButton(tr("Overwrite"), QMessageBox::DestructiveRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == overwrite;
    };
    if (const auto error = m_manager.restoreBackup(path.toStdString(), confirm))
        QMessageBox::warning(window(), tr("Restore Failed"), qt(*error));
}

} // namespace velmora::universe
