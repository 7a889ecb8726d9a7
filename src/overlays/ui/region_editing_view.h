#pragma once

#include "overlays/ui/overlay_editor.h"
#include "ui/map_painting.h"
#include "universe/region.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::overlays {

class CornerDiagram;
class FactionColorPicker;
class HexPicker;
class PaintOnMapButton;
class RemovableRowList;

// Creates or edits one region: its name and colour, its anchors in border
// order (a hex and a corner each), and where its name is drawn.
using RegionEditingBase = OverlayRecordEditor<universe::Region, &universe::UniverseRecord::regions>;

class RegionEditingView : public RegionEditingBase {
    Q_OBJECT
public:
    std::string recordName(const universe::Region& record) const override;
    RegionEditingView(universe::UniverseManager& manager, QWidget* parent = nullptr);

    // Appends the hex in the anchor picker with the corner chosen on the diagram.
    void addAnchor();
    void removeAnchor(int index);

    QLineEdit* nameField() const { return m_name; }
    FactionColorPicker* colorPicker() const { return m_color; }
    RemovableRowList* anchorList() const { return m_anchors; }
    QLabel* noAnchorsNote() const { return m_noAnchors; }
    HexPicker* anchorHexPicker() const { return m_anchorHex; }
    CornerDiagram* cornerDiagram() const { return m_corner; }
    QPushButton* addAnchorButton() const { return m_addAnchor; }
    QCheckBox* customLabelSwitch() const { return m_customLabel; }
    QLabel* centerNote() const { return m_centerNote; }
    HexPicker* labelHexPicker() const { return m_labelHex; }
    PaintOnMapButton* paintButton() const { return m_paint; }

protected:
    QString titleText() const override;
    QString buttonText() const override;
    universe::Region blank() const override;

private:
    void load() override;
    // The brush paints the stored record: a new one, or one with typed changes, is
    // stored first.
    std::optional<ui::MapPaintTarget> startPainting();
    void refreshAnchors();
    void refreshLabelPosition();

    QLineEdit* m_name;
    FactionColorPicker* m_color;
    RemovableRowList* m_anchors;
    QLabel* m_noAnchors;
    HexPicker* m_anchorHex;
    CornerDiagram* m_corner;
    QPushButton* m_addAnchor;
    QCheckBox* m_customLabel;
    QLabel* m_centerNote;
    HexPicker* m_labelHex;
    PaintOnMapButton* m_paint;
};

} // namespace velmora::overlays
