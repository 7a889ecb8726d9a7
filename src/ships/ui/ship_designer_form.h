#pragma once

// The designer's controls, each bound to one field of the design being edited: a
// change writes the field and asks the window to work the figures out again; a
// refresh puts every control back in step with the design (its value, whether the
// tech level allows it, whether it applies at all) and every read-out and warning
// in step with the figures.

#include "ships/ship_design.h"
#include "ships/ship_design_codes.h"
#include "ships/ship_design_fields.h"
#include "ships/ship_summary.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QSpinBox;
class QVBoxLayout;
class QWidget;

namespace velmora::ships {

// Why an option cannot be chosen now ("Needs TL 10"), or nothing when it can.
using Availability = std::function<std::optional<QString>()>;
// The tech level a choice needs; 0 when it needs none.
template <typename Enum>
using TechLevelOf = std::function<int(Enum)>;

std::optional<QString> techLevelReason(int required, int designTechLevel);
// The label of a switch that names its tech level ("Jump Drive (TL9)").
QString optionLabel(std::string_view field);

// Puts a picker on `value`, with the items the tech level does not allow disabled
// and their reason in their tooltips.
void showComboValue(QComboBox* box, int value, const std::function<int(int)>& techLevelOfItem,
                    int designTechLevel);

template <typename Enum>
void addEnumItems(QComboBox* box) {
    for (const auto& [value, text] : displayNames(Enum{}).entries)
        box->addItem(qt(text), static_cast<int>(value));
}

class DesignForm {
public:
    DesignForm(ShipDesign& design, std::function<void()> edited);

    ShipDesign& design() { return m_design; }
    const ShipSummary& summary() const { return m_summary; }

    // The figures are worked out again, then every control follows.
    void recompute();
    void refresh();

    // A step's box in the column, with its heading; rows are added to the box.
    QFormLayout* step(QVBoxLayout* column, const QString& heading, const QString& objectName);
    QGroupBox* stepBox(const QString& objectName) const;
    const std::vector<QGroupBox*>& steps() const { return m_steps; }
    // A sub-heading inside a step.
    void subheading(QFormLayout* form, const QString& text);

    QSpinBox* number(QFormLayout* form, const QString& label, const QString& objectName, int* field,
                     Range range, const QString& suffix = {});
    // The highest value follows the design (armour protection by material and TL).
    QSpinBox* number(QFormLayout* form, const QString& label, const QString& objectName, int* field,
                     std::function<int()> highest);
    QCheckBox* toggle(QFormLayout* form, const QString& label, const QString& objectName,
                      bool* field, Availability availability = {});
    // A switch whose label names its tech level, gated by the rules' table of them.
    QCheckBox* gatedToggle(QFormLayout* form, std::string_view field, const QString& objectName,
                           bool* value);
    // A rating picked from `lowest`..`highest`; ratings the tech level does not build
    // are shown but cannot be chosen.
    QComboBox* rating(QFormLayout* form, const QString& label, const QString& objectName,
                      int* field, int lowest, int highest,
                      std::function<std::optional<int>(int)> techLevelOfRating);

    template <typename Enum>
    QComboBox* choice(QFormLayout* form, const QString& label, const QString& objectName,
                      Enum* field, TechLevelOf<Enum> techLevel = {}) {
        QComboBox* box = makeCombo(form, label, objectName);
        addEnumItems<Enum>(box);
        bindCombo(
            box, [field] { return static_cast<int>(*field); },
            [field](int value) { *field = static_cast<Enum>(value); },
            techLevel ? std::function<int(int)>(
                            [techLevel](int value) { return techLevel(static_cast<Enum>(value)); })
                      : std::function<int(int)>());
        return box;
    }

    // A figure worked out from the design, shown beside its label.
    QLabel* readOut(QFormLayout* form, const QString& label, const QString& objectName,
                    std::function<QString()> value);
    QLabel* note(QFormLayout* form, const QString& text, const QString& objectName = {});
    // A note whose text follows the design; hidden while it is empty.
    QLabel* dynamicNote(QFormLayout* form, const QString& objectName,
                        std::function<QString()> text);
    // One of the rules' warnings, shown beside its step while the design breaks it.
    QLabel* warning(QFormLayout* form, const QString& objectName, std::string_view text);

    // Shows the row of `widget` only while `when` holds.
    void showRowWhen(QFormLayout* form, QWidget* widget, std::function<bool()> when);
    // Anything else a refresh must do.
    void onRefresh(std::function<void()> refresh) { m_refreshers.push_back(std::move(refresh)); }
    // Tells the window the design changed.
    void edited() { m_edited(); }

private:
    QSpinBox* makeNumber(QFormLayout* form, const QString& label, const QString& objectName,
                         int* field, int lowest, std::function<int()> highest,
                         const QString& suffix);
    QComboBox* makeCombo(QFormLayout* form, const QString& label, const QString& objectName);
    void bindCombo(QComboBox* box, std::function<int()> read, std::function<void(int)> write,
                   std::function<int(int)> techLevelOfItem);

    ShipDesign& m_design;
    ShipSummary m_summary;
    std::function<void()> m_edited;
    std::vector<std::function<void()>> m_refreshers;
    std::vector<QGroupBox*> m_steps;
    bool m_refreshing = false;
};

// Figures as the read-outs show them.
QString tonsReadOut(double tons);
QString megaCreditsReadOut(double credits);
QString powerReadOut(double power);

} // namespace velmora::ships
