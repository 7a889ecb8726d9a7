#include "app/running_app.h"
#include "core/file_io.h"
#include "support/sample_hex.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace velmora;
using velmora::testing::RunningApp;

namespace {

QStringList editMenuTexts(QMenuBar* bar) {
    for (QAction* menu : bar->actions()) {
        if (menu->text() == "&Edit") {
            QStringList texts;
            for (QAction* action : menu->menu()->actions())
                texts << action->text();
            return texts;
        }
    }
    return {};
}

} // namespace

TEST(EditMenu, NamesTheEditItWouldUndoAndRedoAndFollowsTheUniverse) {
    RunningApp running;
    running.window().show();
    EXPECT_EQ(editMenuTexts(running.window().menuBar()), (QStringList{"Undo", "Redo"}));
    EXPECT_FALSE(running.undo()->isEnabled());
    EXPECT_EQ(running.undo()->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(running.redo()->shortcut(), QKeySequence("Ctrl+Shift+Z"));

    // The generator saves a subsector; the menu names it.
    running.window().sidebar()->select({ui::Destination::generator, std::nullopt});
    QWidget* generator = running.window().detailView();
    auto* subsector = generator->findChild<QComboBox*>("subsector");
    subsector->setCurrentIndex(subsector->findData(QStringLiteral("C")));
    generator->findChild<QPushButton*>("generateArea")->click();
    generator->findChild<QPushButton*>("saveArea")->click();
    const std::size_t saved = running.onDisk().data.size();
    ASSERT_GT(saved, 0u);
    EXPECT_EQ(editMenuTexts(running.window().menuBar()),
              (QStringList{"Undo Generate Subsector C", "Redo"}));

    running.undo()->trigger();
    EXPECT_TRUE(running.onDisk().data.empty()) << "an undo saves like any edit";
    EXPECT_EQ(running.redo()->text(), "Redo Generate Subsector C");
    EXPECT_FALSE(running.undo()->isEnabled());
    running.redo()->trigger();
    EXPECT_EQ(running.onDisk().data.size(), saved);
    EXPECT_EQ(running.undo()->text(), "Undo Generate Subsector C");

    // Another universe starts with a history of its own.
    running.app.manager().createUniverse("Elsewhere");
    EXPECT_EQ(editMenuTexts(running.window().menuBar()), (QStringList{"Undo", "Redo"}));
    EXPECT_FALSE(running.undo()->isEnabled());
}

TEST(EditMenu, AFailedSaveIsShownUntilATryAgainWorksAndClosingAsksFirst) {
    RunningApp running;
    running.window().show();
    auto full = std::make_shared<bool>(true);
    running.universe().setFileWriting(
        [full](const std::filesystem::path& path, const core::FileText& text) {
            if (*full)
                return core::FileResult{false, "Couldn't write \"" + path.string() +
                                                   ".saving\": No space left on device"};
            return core::writeFileAtomically(path, text);
        });
    auto* bar = running.window().findChild<QWidget*>("saveFailureBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());

    ASSERT_TRUE(
        running.universe().addHex(velmora::testing::sampleHex(), "Generate System Tessaly").ok());
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible(), 3000);
    const QString text = bar->findChild<QLabel*>("saveFailureText")->text();
    EXPECT_TRUE(text.startsWith("“My Universe” could not be saved: ")) << text.toStdString();
    EXPECT_TRUE(text.contains("No space left on device"));
    EXPECT_TRUE(running.onDisk().data.empty()) << "the file keeps what it held";
    EXPECT_EQ(running.universe().data().size(), 1u) << "and the edit is kept";

    // Closing asks; Cancel stays.
    int asked = 0;
    running.window().setCloseQuestion([&](QWidget*, const QString& question, const QString&) {
        ++asked;
        EXPECT_EQ(question, "“My Universe” could not be saved.");
        return ui::SaveAnswer::cancel;
    });
    EXPECT_FALSE(running.window().close());
    EXPECT_EQ(asked, 1);

    *full = false;
    bar->findChild<QPushButton*>("saveFailureRetry")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bar->isVisible(), 3000);
    EXPECT_EQ(running.onDisk().data.size(), 1u);
    EXPECT_TRUE(running.window().close());
    EXPECT_EQ(asked, 1) << "nothing left to ask about";
}
