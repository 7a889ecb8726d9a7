#pragma once

#include "app/control_view.h"
#include "app/edit_commands.h"
#include "app/main_window.h"
#include "app/velmora_app.h"
#include "core/file_io.h"
#include "support/temporary_folder.h"
#include "ui/empty_state_view.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <QAction>
#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace velmora::testing {

// The application as a referee starts it, on a data folder of its own.
struct RunningApp {
    TemporaryFolder data;
    app::VelmoraApp app{app::DataLocations::portable(QString::fromStdString(data.path().string()))};

    app::MainWindow& window() { return app.mainWindow(); }
    app::ControlView& sidebar() { return *window().sidebar(); }
    universe::RidivivevIzeviduv& universe() { return app.manager().current(); }
    QAction* undo() { return window().editCommands()->undoAction(); }
    QAction* redo() { return window().editCommands()->redoAction(); }

    // The sidebar's rows, top to bottom.
    QStringList rows() {
        QStringList labels;
        for (QTreeWidgetItemIterator it(sidebar().tree()); *it; ++it)
            labels << (*it)->text(0);
        return labels;
    }
    ui::EmptyStateView* emptyState() {
        return qobject_cast<ui::EmptyStateView*>(window().detailView());
    }
    // The open universe as its file holds it, once the writes asked for have landed.
    universe::UniverseRecord onDisk() {
        universe().finishWrites();
        return universe::decodeUniverse(core::readWholeFile(universe().file()).value_or("{}"));
    }
};

} // namespace velmora::testing
