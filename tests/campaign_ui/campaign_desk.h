#pragma once

// A referee's desk for the campaign views: a universe installed in a temporary
// folder (see UniverseInstallation) with a real campaign store beside it, and the
// "Campaign" view on them with the file dialogs and questions answered by the test.

#include "campaign/campaign_backup.h"
#include "campaign/campaigns_codec.h"
#include "campaign/gamemastering.h"
#include "campaign/ui/campaign_view.h"
#include "support/universe_installation.h"
#include "support/widget_lookup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// Closed sheets delete themselves and rebuilt parts go from the event loop; let
// that happen before looking.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

// Replaces a line edit's text as a user does, then leaves the field.
inline void typeInto(QLineEdit* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    settle();
}

inline void typeInto(QSpinBox* spin, int value) {
    ASSERT_NE(spin, nullptr);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
    QTest::keyClick(spin, Qt::Key_Return);
    settle();
}

// The shown text of a label, or nothing while it is hidden.
inline QString shownText(const QLabel* label) {
    return label && label->isVisibleTo(label->window()) ? label->text() : QString();
}

// The universe a first run of the program makes.
inline universe::UniverseRecord myUniverse() {
    universe::UniverseRecord record;
    record.name = "My Universe";
    return record;
}

struct CampaignDesk : UniverseInstallation {
    // The campaign store keeps its files beside the universes.
    TemporaryFolder& folder = documents;
    std::unique_ptr<campaign::Gamemastering> store;
    std::shared_ptr<campaign::CampaignViewMemory> memory =
        std::make_shared<campaign::CampaignViewMemory>();
    std::unique_ptr<campaign::CampaignView> view;

    // What the file dialogs and questions answer.
    QString chosenFile;
    QString suggestedFile;
    bool confirm = true;
    std::vector<QString> questions;
    std::optional<campaign::ImportRequest> conflictAnswer;

    CampaignDesk() : UniverseInstallation(myUniverse()) { restart(); }
    // The windows and the view go before the campaign store they show.
    ~CampaignDesk() {
        windows.closeAll();
        view.reset();
        settle();
    }

    // A fresh store on the same folder, as the next run of the program opens it,
    // and a fresh view on it.
    void restart() {
        view.reset();
        settle();
        campaign::Gamemastering::Environment environment;
        environment.folder = folder.path();
        environment.log = [](const std::string&) {};
        store = std::make_unique<campaign::Gamemastering>(std::move(environment));
        store->load();
        context->campaigns = store.get();
        openView();
    }

    void openView() {
        view = std::make_unique<campaign::CampaignView>(*store, *manager, memory);
        view->setOpenChooser([this] { return chosenFile; });
        view->setSaveChooser([this](const QString& suggested) {
            suggestedFile = suggested;
            return chosenFile;
        });
        view->setConfirmation([this](QWidget*, const QString&, const QString& message) {
            questions.push_back(message);
            return confirm;
        });
        view->setConflictQuestion([this](QWidget*, const QString& message) {
            questions.push_back(message);
            return conflictAnswer;
        });
        view->resize(1100, 800);
        view->show();
        settle();
    }

    template <typename T>
    T* part(const QString& name) const {
        return child<T>(*view, name);
    }
    QPushButton* button(const QString& name) const { return part<QPushButton>(name); }
    QString text(const QString& name) const { return shownText(part<QLabel>(name)); }

    // The sheet the last click opened.
    template <typename Sheet>
    Sheet* sheet() const {
        settle();
        auto* found = view->findChild<Sheet*>();
        EXPECT_NE(found, nullptr);
        return found;
    }

    // "New Campaign" filled in and submitted; the sheet when it stays open.
    QDialog* createCampaign(const QString& name, const QString& code,
                            const QString& description = {}) {
        const bool none = store->campaigns().empty();
        QTest::mouseClick(
            button(none ? QStringLiteral("newCampaignBelow") : QStringLiteral("newCampaign")),
            Qt::LeftButton);
        auto* dialog = view->findChild<QDialog*>(QStringLiteral("campaignSheet"));
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return nullptr;
        child<QLineEdit>(*dialog, QStringLiteral("campaignName"))->setText(name);
        child<QLineEdit>(*dialog, QStringLiteral("campaignCode"))->setText(code);
        if (!description.isEmpty())
            child<QPlainTextEdit>(*dialog, QStringLiteral("campaignDescription"))
                ->setPlainText(description);
        QTest::mouseClick(child<QPushButton>(*dialog, QStringLiteral("submitCampaign")),
                          Qt::LeftButton);
        settle();
        return view->findChild<QDialog*>(QStringLiteral("campaignSheet"));
    }

    const campaign::Campaign& selected() const {
        const campaign::Campaign* campaign = store->selectedCampaign();
        EXPECT_NE(campaign, nullptr);
        static const campaign::Campaign none;
        return campaign ? *campaign : none;
    }

    // The campaigns as the file on disk holds them.
    std::vector<campaign::Campaign> onDisk() const {
        return campaign::decodeCampaignsFile(
                   folder.read(campaign::Gamemastering::campaignsFileName), core::systemNow())
            .campaigns;
    }
};

} // namespace velmora::testing
