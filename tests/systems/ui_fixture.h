#pragma once

#include "support/universe_installation.h"
#include "systems/ui/ui_support.h"

#include <QApplication>
#include <QString>
#include <vector>

namespace velmora::testing {

// A real installation in a temporary folder (see UniverseInstallation) whose user's
// answers to questions are scripted, and every question asked is recorded.
struct ViewsInstallation : UniverseInstallation {
    std::vector<QString> questions;
    std::vector<QString> notices;
    bool answer = true;
    QString typedText;

    using UniverseInstallation::UniverseInstallation;

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
};

inline void processEvents() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace velmora::testing
