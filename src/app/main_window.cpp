#include "app/main_window.h"

#include "app/app_links.h"
#include "app/control_view.h"
#include "app/detail_views.h"
#include "app/edit_commands.h"
#include "app/save_failure_bar.h"
#include "app/velmora_app.h"
#include "starmap/ui/map_legend.h"
#include "ui/leave_guard.h"
#include "universe/ui/universe_bar.h"
#include "universe/universe_manager.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace velmora::app {

MainWindow::MainWindow(VelmoraApp& app, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_sidebar(new ControlView(app.manager(), this)),
      m_detail(new QStackedWidget(this)), m_editCommands(new EditCommands(app.manager(), this)) {
    setWindowTitle(QStringLiteral("Velmora"));
    setObjectName(QStringLiteral("main"));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_sidebar);
    splitter->addWidget(m_detail);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    m_sidebar->setMinimumWidth(200);
    splitter->setSizes({240, 860});
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(new SaveFailureBar(app.manager(), central));
    column->addWidget(splitter, 1);
    setCentralWidget(central);

    connect(m_sidebar, &ControlView::selectionChanged, this, &MainWindow::followSidebar);
    app.viewContext().select = [this](const ui::SidebarSelection& selection) {
        m_sidebar->select(selection);
    };
    m_sidebar->universeBar()->setLeaveCheck([this] { return mayLeaveDetailView(); });
    // Views hold the universe they show: another universe gets fresh views.
    m_universeSwitch = app.manager().currentReplaced().subscribe(
        [this] { showSelection(m_sidebar->selection()); });
    showSelection(std::nullopt);
    buildMenus();
    resize(1180, 760);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::detailView() const {
    return m_detail->currentWidget();
}

bool MainWindow::mayLeaveDetailView() {
    if (m_shownUniverse != &m_app.manager().current())
        return true;
    auto* guard = dynamic_cast<ui::LeaveGuard*>(detailView());
    return !guard || guard->confirmLeave();
}

void MainWindow::followSidebar(const std::optional<ui::SidebarSelection>& selection) {
    if (!mayLeaveDetailView()) {
        // The referee stays: so does the sidebar's highlight.
        m_sidebar->restoreSelection(m_shown);
        return;
    }
    showSelection(selection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayLeaveDetailView() || !mayCloseUnsaved()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::mayCloseUnsaved() {
    auto& universe = m_app.manager().current();
    while (universe.saveStatus() == universe::RidivivevIzeviduv::SaveStatus::failed) {
        const ui::SaveAnswer answer = m_closeQuestion(
            this, tr("“%1” could not be saved.").arg(qt(universe.name())),
            tr("%1\n\nSave tries once more; Discard quits and loses the changes since the last "
               "save.")
                .arg(qt(universe.saveError())));
        if (answer == ui::SaveAnswer::discard)
            return true;
        if (answer == ui::SaveAnswer::cancel)
            return false;
        universe.save();
    }
    return true;
}

void MainWindow::showSelection(const std::optional<ui::SidebarSelection>& selection) {
    m_shown = selection;
    m_shownUniverse = &m_app.manager().current();
    QWidget* view = makeDetailView(m_app.viewContext(), m_app.detailViews(), selection, m_detail);
    // One working view at a time: the previous one goes.
    while (m_detail->count() > 0) {
        QWidget* old = m_detail->widget(0);
        m_detail->removeWidget(old);
        old->deleteLater();
    }
    m_detail->addWidget(view);
    m_detail->setCurrentWidget(view);
}

void MainWindow::buildMenus() {
    QMenu* velmora = menuBar()->addMenu(tr("&Velmora"));
    QAction* about = velmora->addAction(tr("About Velmora"), &m_app, &VelmoraApp::showAbout);
    about->setMenuRole(QAction::AboutRole);
    QAction* checkForUpdates =
        velmora->addAction(tr("Check for Updates…"), &m_app, &VelmoraApp::checkForUpdates);
    checkForUpdates->setMenuRole(QAction::ApplicationSpecificRole);
    checkForUpdates->setEnabled(m_app.canCheckForUpdates());
    connect(&m_app, &VelmoraApp::canCheckForUpdatesChanged, checkForUpdates, &QAction::setEnabled);
    velmora->addSeparator();
    QAction* quit = velmora->addAction(tr("Quit Velmora"), qApp, &QApplication::closeAllWindows);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    m_editCommands->addTo(menuBar()->addMenu(tr("&Edit")));

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    window->addAction(tr("Minimize"), QKeySequence(tr("Ctrl+M")), this, &QWidget::showMinimized);
    window->addSeparator();
    // Qt's Ctrl is the Command key on macOS.
    window->addAction(tr("UWP Reference"), QKeySequence(tr("Ctrl+Shift+U")), &m_app,
                      &VelmoraApp::showUwpReference);
    window->addAction(tr("Star Reference"), QKeySequence(tr("Ctrl+Shift+R")), &m_app,
                      &VelmoraApp::showStarReference);
    window->addAction(tr("Ship Designer"), QKeySequence(tr("Ctrl+Shift+S")), &m_app,
                      &VelmoraApp::showShipDesigner);
    window->addAction(tr("Traveller Wiki"), QKeySequence(tr("Ctrl+Shift+W")), &m_app,
                      &VelmoraApp::showWiki);
    window->addAction(tr("Map Legend"), this, [this] {
        starmap::showMapLegend(m_app.windows(),
                               m_app.manager().current().usesTravellerTechLevels());
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("Velmora Help"), this,
                    [] { QDesktopServices::openUrl(QUrl(documentationUrl())); });
}

} // namespace velmora::app
