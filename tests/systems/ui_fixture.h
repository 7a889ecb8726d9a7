#pragma once

#include "core/file_io.h"
#include "support/manual_delayed_call.h"
#include "support/memory_preferences.h"
#include "support/temporary_folder.h"
#include "systems/ui/ui_support.h"
#include "ui/view_context.h"
#include "ui/window_registry.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <QApplication>
#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// A real installation in a temporary folder: the stored universe, the manager that
// opens it and the window registry views open windows through. The user's answers
// to questions are scripted and every question asked is recorded.
struct ViewsInstallation {
    TemporaryFolder documents;
    MemoryPreferences preferences;
    ManualClock clock;
    std::unique_ptr<universe::UniverseManager> manager;
    ui::WindowRegistry windows;
    std::unique_ptr<ui::ViewContext> context;
    std::vector<QString> questions;
    std::vector<QString> notices;
    bool answer = true;
    QString typedText;

    explicit ViewsInstallation(universe::UniverseRecord record) {
        documents.write(std::filesystem::path("Universes") / (record.id.toString() + ".json"),
                        universe::encodeUniverse(record));
        preferences.setText("lastUniverseID", record.id.toString());
        preferences.setFlag("didMigrateToUniverses", true);
        universe::UniverseManager::Environment environment;
        environment.documentsFolder = documents.path();
        environment.preferences = &preferences;
        environment.delayedCalls = clock.factory();
        environment.log = [](const std::string&) {};
        environment.nameOrder = [](const std::string& a, const std::string& b) {
            return a.compare(b);
        };
        manager = std::make_unique<universe::UniverseManager>(std::move(environment));
        context = std::make_unique<ui::ViewContext>(ui::ViewContext{*manager, windows});
    }
    ~ViewsInstallation() { windows.closeAll(); }

    systems::UserQuestions scriptedAnswers() {
        systems::UserQuestions answers;
        answers.confirm = [this](QWidget*, const QString& title, const QString& text,
                                 const QString&) {
            questions.push_back(title + "\n" + text);
            return answer;
        };
        answers.askText = [this](QWidget*, const QString& title, const QString&) {
            questions.push_back(title);
            return typedText;
        };
        answers.inform = [this](QWidget*, const QString& title, const QString& text) {
            notices.push_back(title + "\n" + text);
        };
        return answers;
    }

    // The universe as its file on disk holds it now.
    universe::UniverseRecord stored() const {
        return universe::decodeUniverse(
            core::readWholeFile(manager->fileFor(manager->current().id()))
                .value_or(std::string("{}")));
    }
};

inline void processEvents() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace velmora::testing
