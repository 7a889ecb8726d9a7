#pragma once

#include "core/star.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace velmora::systems {

// The fields of one star: name, proper name, spectrum, mass and orbit. It shows a
// star it is given and hands back the star as edited after every change.
class StarForm : public QWidget {
    Q_OBJECT
public:
    explicit StarForm(QWidget* parent = nullptr);

    void setStar(const core::Star& star);

signals:
    void edited(const core::Star& star);

private:
    void readFields();

    core::Star m_star;
    bool m_loading = false;
    QLineEdit* m_name;
    QLineEdit* m_properName;
    QComboBox* m_spectralType;
    QSpinBox* m_subclass;
    QComboBox* m_luminosity;
    QDoubleSpinBox* m_mass;
    QComboBox* m_orbit;
};

} // namespace velmora::systems
