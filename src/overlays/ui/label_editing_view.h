#pragma once

#include "overlays/ui/overlay_editor.h"
#include "universe/starmap_label.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace velmora::overlays {

class FactionColorPicker;
class HexPicker;
class LabelPreview;

// Creates or edits one map label: its text and optional category, the hex it
// is centred on, its colour, size and angle, with a preview of the result.
using LabelEditingBase =
    OverlayRecordEditor<universe::StarmapLabel, &universe::UniverseRecord::starmapLabels>;

class LabelEditingView : public LabelEditingBase {
    Q_OBJECT
public:
    std::string recordName(const universe::StarmapLabel& record) const override;
    LabelEditingView(universe::UniverseManager& manager, QWidget* parent = nullptr);

    // The categories offered under "Existing" follow the universe's labels.
    void refreshCategories();

    static constexpr int smallestSize = 6;
    static constexpr int largestSize = 96;

    QLineEdit* textField() const { return m_text; }
    QLineEdit* categoryField() const { return m_category; }
    QToolButton* existingCategories() const { return m_existing; }
    HexPicker* positionPicker() const { return m_position; }
    FactionColorPicker* colorPicker() const { return m_color; }
    QSlider* sizeSlider() const { return m_size; }
    QLabel* sizeValue() const { return m_sizeValue; }
    QSlider* angleSlider() const { return m_angle; }
    QLabel* angleValue() const { return m_angleValue; }
    QPushButton* resetAngleButton() const { return m_resetAngle; }
    LabelPreview* preview() const { return m_preview; }

protected:
    QString titleText() const override;
    QString buttonText() const override;
    universe::StarmapLabel blank() const override;

private:
    void load() override;
    void refreshValues();

    QLineEdit* m_text;
    QLineEdit* m_category;
    QToolButton* m_existing;
    HexPicker* m_position;
    FactionColorPicker* m_color;
    QSlider* m_size;
    QLabel* m_sizeValue;
    QSlider* m_angle;
    QLabel* m_angleValue;
    QPushButton* m_resetAngle;
    LabelPreview* m_preview;
};

} // namespace velmora::overlays
