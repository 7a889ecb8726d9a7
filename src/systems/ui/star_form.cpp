#include "systems/ui/star_form.h"

#include "core/orbits.h"
#include "core/stellar.h"
#include "systems/ui/ui_support.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace velmora::systems {

StarForm::StarForm(QWidget* parent)
    : QWidget(parent), m_name(new QLineEdit(this)), m_properName(new QLineEdit(this)),
      m_spectralType(new QComboBox(this)), m_subclass(new QSpinBox(this)),
      m_luminosity(new QComboBox(this)), m_mass(new QDoubleSpinBox(this)),
      m_orbit(new QComboBox(this)) {
    auto* form = new QFormLayout(this);
    m_name->setObjectName(QStringLiteral("starName"));
    m_properName->setObjectName(QStringLiteral("starProperName"));
    m_properName->setPlaceholderText(tr("None"));
    m_spectralType->setObjectName(QStringLiteral("starSpectralType"));
    for (const auto& [type, text] : core::spectralTypeTable.entries)
        m_spectralType->addItem(qt(text), static_cast<int>(type));
    m_subclass->setObjectName(QStringLiteral("starSubclass"));
    m_subclass->setRange(0, 9);
    m_luminosity->setObjectName(QStringLiteral("starLuminosity"));
    for (const auto& [luminosity, text] : core::luminosityClassTable.entries)
        m_luminosity->addItem(luminosity == core::LuminosityClass::D ? tr("D (white dwarf)")
                                                                     : qt(text),
                              static_cast<int>(luminosity));
    m_mass->setObjectName(QStringLiteral("starMass"));
    m_mass->setRange(0.01, 500.0);
    m_mass->setDecimals(2);
    m_mass->setSingleStep(0.05);
    m_mass->setSuffix(tr(" solar masses"));
    m_orbit->setObjectName(QStringLiteral("starOrbit"));
    for (int orbit = core::firstOrbitNumber; orbit <= core::lastOrbitNumber; ++orbit)
        m_orbit->addItem(orbit < 0 ? tr("Primary or close") : QString::number(orbit), orbit);
    auto* spectrum = new QHBoxLayout;
    spectrum->addWidget(m_spectralType);
    spectrum->addWidget(m_subclass);
    spectrum->addWidget(m_luminosity);
    spectrum->addStretch();
    form->addRow(tr("Name"), m_name);
    form->addRow(tr("Proper name"), m_properName);
    form->addRow(tr("Spectrum"), spectrum);
    form->addRow(tr("Mass"), m_mass);
    form->addRow(tr("Orbit"), m_orbit);

    connect(m_name, &QLineEdit::textEdited, this, &StarForm::readFields);
    connect(m_properName, &QLineEdit::textEdited, this, &StarForm::readFields);
    for (QComboBox* combo : {m_spectralType, m_luminosity, m_orbit})
        connect(combo, &QComboBox::currentIndexChanged, this, &StarForm::readFields);
    connect(m_subclass, &QSpinBox::valueChanged, this, &StarForm::readFields);
    connect(m_mass, &QDoubleSpinBox::valueChanged, this, &StarForm::readFields);
}

void StarForm::setStar(const core::Star& star) {
    m_loading = true;
    m_star = star;
    m_name->setText(qt(star.name));
    m_properName->setText(qt(star.properName.value_or(std::string())));
    selectData(m_spectralType, static_cast<int>(star.spectralType));
    m_subclass->setValue(star.temperature);
    selectData(m_luminosity, static_cast<int>(star.luminosity));
    m_mass->setValue(star.mass);
    selectData(m_orbit, core::rawValue(star.orbit));
    m_loading = false;
}

void StarForm::readFields() {
    if (m_loading)
        return;
    m_star.name = std8(m_name->text());
    const QString proper = m_properName->text().trimmed();
    m_star.properName = proper.isEmpty() ? std::nullopt : std::optional(std8(proper));
    m_star.spectralType = static_cast<core::SpectralType>(m_spectralType->currentData().toInt());
    m_star.temperature = m_subclass->value();
    m_star.luminosity = static_cast<core::LuminosityClass>(m_luminosity->currentData().toInt());
    m_star.mass = m_mass->value();
    m_star.orbit =
        core::orbitsFromRawValue(m_orbit->currentData().toInt()).value_or(core::Orbits::starOrbitP);
    emit edited(m_star);
}

} // namespace velmora::systems
