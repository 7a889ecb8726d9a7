#pragma once

#include "overlays/ui/overlay_editor.h"
#include "universe/rutter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QStackedWidget;

namespace velmora::ui {
class EmptyStateView;
}

namespace velmora::overlays {

class HexPicker;

// Creates or edits one rutter: the owning faction, its two ends, whether it is
// a main trade route and how old its charts are. A universe without factions
// gets a notice instead, since every rutter belongs to a faction.
using RutterEditingBase = OverlayRecordEditor<universe::Rutter, &universe::UniverseRecord::rutters>;

class RutterEditingView : public RutterEditingBase {
    Q_OBJECT
public:
    std::string recordName(const universe::Rutter& record) const override;
    RutterEditingView(universe::UniverseManager& manager, QWidget* parent = nullptr);

    // Re-reads the factions and the rule set's nouns after the universe changed.
    void refreshFactions();
    void setFaction(const core::Uuid& id);

    bool showsNoFactionsNotice() const;

    ui::EmptyStateView* noFactionsNotice() const { return m_noFactions; }
    QComboBox* factionPicker() const { return m_faction; }
    HexPicker* fromPicker() const { return m_from; }
    HexPicker* toPicker() const { return m_to; }
    QLabel* lengthLabel() const { return m_length; }
    QCheckBox* mainTradeRouteSwitch() const { return m_mainTradeRoute; }
    QComboBox* agePicker() const { return m_age; }

protected:
    QString titleText() const override;
    QString buttonText() const override;
    universe::Rutter blank() const override;
    bool canSave() const override;

private:
    void load() override;
    void refreshLength();
    QString noun() const;

    QStackedWidget* m_pages;
    ui::EmptyStateView* m_noFactions;
    QWidget* m_form;
    QComboBox* m_faction;
    HexPicker* m_from;
    HexPicker* m_to;
    QLabel* m_length;
    QCheckBox* m_mainTradeRoute;
    QComboBox* m_age;
};

} // namespace velmora::overlays
