#pragma once

#include "overlays/ui/overlay_editor.h"
#include "ui/map_painting.h"
#include "universe/nebula.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::overlays {

class HexPicker;
class PaintOnMapButton;
class RemovableRowList;

// Creates or edits one nebula: its name, its type and the hexes it covers.
using NebulaEditingBase = OverlayRecordEditor<universe::Nebula, &universe::UniverseRecord::nebulae>;

class NebulaEditingView : public NebulaEditingBase {
    Q_OBJECT
public:
    std::string recordName(const universe::Nebula& record) const override;
    NebulaEditingView(universe::UniverseManager& manager, QWidget* parent = nullptr);

    // Adds the hex in the picker, once: a hex already covered is not listed twice.
    void addHex();
    void removeHex(int index);

    QLineEdit* nameField() const { return m_name; }
    QComboBox* typePicker() const { return m_type; }
    RemovableRowList* hexList() const { return m_hexes; }
    QLabel* noHexesNote() const { return m_noHexes; }
    QLabel* hexCount() const { return m_count; }
    HexPicker* hexPicker() const { return m_picker; }
    QPushButton* addHexButton() const { return m_addHex; }
    PaintOnMapButton* paintButton() const { return m_paint; }

protected:
    QString titleText() const override;
    QString buttonText() const override;

private:
    void load() override;
    // The brush paints the stored record: a new one, or one with typed changes, is
    // stored first.
    std::optional<ui::MapPaintTarget> startPainting();
    void refreshHexes();
    void refreshAddButton();

    QLineEdit* m_name;
    QComboBox* m_type;
    RemovableRowList* m_hexes;
    QLabel* m_noHexes;
    QLabel* m_count;
    HexPicker* m_picker;
    QPushButton* m_addHex;
    PaintOnMapButton* m_paint;
};

} // namespace velmora::overlays
