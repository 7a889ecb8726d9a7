#include "universe/ui/universe_bar.h"

#include "ui/qt_text.h"
#include "universe/universe_manager.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>
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
    // Every save keeps the version it replaced; a universe whose file was damaged
    // comes back from there.
    m_previousMenu = menu->addMenu(tr("Restore Previous Version"));
    m_previousMenu->setObjectName(QStringLiteral("previousVersionMenu"));
    menu->addSeparator();
    // Any stored universe can be deleted, not only the open one.
    m_deleteMenu = menu->addMenu(tr("Delete Universe"));
    m_deleteMenu->setObjectName(QStringLiteral("deleteUniverseMenu"));
    m_menuButton->setMenu(menu);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    m_menuButton->setText(QStringLiteral("⋯"));
    m_menuButton->setToolTip(tr("Universe commands"));
    m_menuButton->setObjectName(QStringLiteral("universeCommands"));

    // Said where the referee looks first, and kept until dismissed.
    m_notice = new QFrame(this);
    m_notice->setObjectName(QStringLiteral("unopenedUniverseNotice"));
    m_notice->setFrameShape(QFrame::StyledPanel);
    m_notice->setStyleSheet(QStringLiteral(
        "#unopenedUniverseNotice { background: #fdecea; border: 1px solid #d93025; }"));
    m_noticeText = new QLabel(m_notice);
    m_noticeText->setWordWrap(true);
    m_noticeText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* restoreButton = new QPushButton(tr("Restore Previous Version…"), m_notice);
    restoreButton->setObjectName(QStringLiteral("restorePreviousVersion"));
    auto* dismissButton = new QPushButton(tr("Dismiss"), m_notice);
    dismissButton->setObjectName(QStringLiteral("dismissNotice"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restoreButton);
    buttons->addWidget(dismissButton);
    buttons->addStretch();
    auto* noticeLayout = new QVBoxLayout(m_notice);
    noticeLayout->addWidget(m_noticeText);
    noticeLayout->addLayout(buttons);
    connect(restoreButton, &QPushButton::clicked, this, [this] {
        if (const auto& unopened = m_manager.notReopened())
            restorePreviousVersion(unopened->id);
    });
    connect(dismissButton, &QPushButton::clicked, this, [this] { m_manager.dismissNotReopened(); });

    auto* row = new QHBoxLayout;
    row->addWidget(m_picker, 1);
    row->addWidget(m_menuButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(row);
    layout->addWidget(m_notice);

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
    // The files that could not be read stay in sight, marked and not choosable.
    auto* model = qobject_cast<QStandardItemModel*>(m_picker->model());
    for (const auto& unreadable : m_manager.unreadable()) {
        const QString name =
            unreadable.lastKnownName.empty() ? qt(unreadable.id) : qt(unreadable.lastKnownName);
        m_picker->addItem(tr("%1 (unreadable)").arg(name), qt(unreadable.id));
        const int row = m_picker->count() - 1;
        m_picker->setItemData(row,
                              tr("%1\n%2").arg(qt(unreadable.file.string()), qt(unreadable.error)),
                              Qt::ToolTipRole);
        if (model)
            model->item(row)->setEnabled(false);
    }
    m_picker->setCurrentIndex(currentIndex);
    m_refreshing = false;

    m_previousMenu->clear();
    for (const auto& unreadable : m_manager.unreadable()) {
        if (!unreadable.hasPreviousVersion)
            continue;
        const QString name =
            unreadable.lastKnownName.empty() ? qt(unreadable.id) : qt(unreadable.lastKnownName);
        m_previousMenu->addAction(tr("%1 (unreadable)…").arg(name), this,
                                  [this, id = unreadable.id] { restorePreviousVersion(id); });
    }
    for (const auto& header : m_manager.headers()) {
        const std::string id = header.id.toString();
        if (m_manager.hasPreviousVersion(id))
            m_previousMenu->addAction(tr("%1…").arg(qt(header.name)), this,
                                      [this, id] { restorePreviousVersion(id); });
    }
    m_previousMenu->setEnabled(!m_previousMenu->isEmpty());
    refreshNotice();

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

void UniverseBar::refreshNotice() {
    const auto& unopened = m_manager.notReopened();
    m_notice->setVisible(unopened.has_value());
    if (!unopened)
        return;
    m_noticeText->setText(qt(UniverseManager::unreadableMessage(*unopened)));
    m_notice->findChild<QPushButton*>(QStringLiteral("restorePreviousVersion"))
        ->setVisible(unopened->hasPreviousVersion);
}

void UniverseBar::restorePreviousVersion(const std::string& id) {
    const QString name = nameOf(id);
    QMessageBox box(QMessageBox::Question, tr("Restore the Previous Version of \"%1\"?").arg(name),
                    tr("The version of \"%1\" that its last save replaced comes back and opens. "
                       "What its file holds now becomes the previous version in turn, so doing "
                       "this again switches back.")
                        .arg(name),
                    QMessageBox::Cancel, window());
    QPushButton* restore = box.addButton(tr("Restore"), QMessageBox::AcceptRole);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() != restore || !mayLeave())
        return;
    if (const auto error = m_manager.restorePreviousVersion(id))
        QMessageBox::warning(window(), tr("Restore Failed"), qt(*error));
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

QString UniverseBar::nameOf(const std::string& id) const {
    if (m_manager.current().id().toString() == id)
        return qt(m_manager.current().name());
    for (const auto& header : m_manager.headers())
        if (header.id.toString() == id)
            return qt(header.name);
    for (const auto& unreadable : m_manager.unreadable())
        if (unreadable.id == id)
            return unreadable.lastKnownName.empty() ? qt(id) : qt(unreadable.lastKnownName);
    return qt(id);
}

void UniverseBar::deleteUniverse(const core::Uuid& id) {
    const QString name = nameOf(id.toString());
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
