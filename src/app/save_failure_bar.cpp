#include "app/save_failure_bar.h"

#include "ui/view_helpers.h"
#include "universe/universe_manager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace velmora::app {

SaveFailureBar::SaveFailureBar(universe::UniverseManager& manager, QWidget* parent)
    : QFrame(parent), m_manager(manager), m_text(new QLabel(this)),
      m_retry(new QPushButton(tr("Try Again"), this)) {
    setObjectName(QStringLiteral("saveFailureBar"));
    setStyleSheet(
        QStringLiteral("#saveFailureBar { background: #fdecea; border-bottom: 1px solid #e0a8a0; }"
                       "#saveFailureBar QLabel { color: #8a1c12; }"));
    m_text->setObjectName(QStringLiteral("saveFailureText"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_retry->setObjectName(QStringLiteral("saveFailureRetry"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 8, 14, 8);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_retry);
    connect(m_retry, &QPushButton::clicked, this, [this] { m_manager.current().saveSoon(); });
    m_universeReplaced = manager.currentReplaced().subscribe([this] { follow(); });
    follow();
}

void SaveFailureBar::follow() {
    m_statusChanged = m_manager.current().saveStatusChanged().subscribe([this] { refresh(); });
    refresh();
}

void SaveFailureBar::refresh() {
    const auto& universe = m_manager.current();
    const bool failed = universe.saveStatus() == universe::RidivivevIzeviduv::SaveStatus::failed;
    if (failed) {
        m_text->setText(tr("“%1” could not be saved: %2. Your changes are kept while Velmora is "
                           "open; try again "
                           "once the disk has room or the folder can be written.")
                            .arg(qt(universe.name()), qt(universe.saveError())));
    }
    setVisible(failed);
}

} // namespace velmora::app
