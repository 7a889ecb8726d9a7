#include "generator/ui/star_reference_window.h"

#include "generator/star_tables.h"
#include "ui/qt_text.h"
#include "ui/reference_table.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace velmora::generator {

namespace {

constexpr std::array allTypes{SpectralType::O, SpectralType::B, SpectralType::A, SpectralType::F,
                              SpectralType::G, SpectralType::K, SpectralType::M};
constexpr std::array allClasses{LuminosityClass::Ia,  LuminosityClass::Ib, LuminosityClass::II,
                                LuminosityClass::III, LuminosityClass::IV, LuminosityClass::V,
                                LuminosityClass::VI,  LuminosityClass::D};

QString typeDescription(SpectralType type) {
    switch (type) {
    case SpectralType::O:
        return QObject::tr("Blue; hotter than 30,000 K");
    case SpectralType::B:
        return QObject::tr("Blue-white; 10,000–30,000 K");
    case SpectralType::A:
        return QObject::tr("White; 7,500–10,000 K");
    case SpectralType::F:
        return QObject::tr("Yellow-white; 6,000–7,500 K");
    case SpectralType::G:
        return QObject::tr("Yellow, like the Sun; 5,200–6,000 K");
    case SpectralType::K:
        return QObject::tr("Orange; 3,700–5,200 K");
    case SpectralType::M:
        return QObject::tr("Red; cooler than 3,700 K");
    }
    return {};
}

QString classDescription(LuminosityClass luminosity) {
    switch (luminosity) {
    case LuminosityClass::Ia:
        return QObject::tr("Bright supergiant");
    case LuminosityClass::Ib:
        return QObject::tr("Supergiant");
    case LuminosityClass::II:
        return QObject::tr("Bright giant");
    case LuminosityClass::III:
        return QObject::tr("Giant");
    case LuminosityClass::IV:
        return QObject::tr("Subgiant");
    case LuminosityClass::V:
        return QObject::tr("Main sequence (dwarf)");
    case LuminosityClass::VI:
        return QObject::tr("Subdwarf");
    case LuminosityClass::D:
        return QObject::tr("White dwarf");
    }
    return {};
}

QString mass(double value) {
    return QString::number(value, 'g', 3);
}

} // namespace

StarReferenceWindow::StarReferenceWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_tabs(new QTabWidget(this)) {
    setWindowTitle(tr("Star Reference"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);

    std::vector<QStringList> types;
    for (SpectralType type : allTypes) {
        const MassRange range = spectralMassRange(type);
        types.push_back({qt(core::rawValue(type)), typeDescription(type),
                         tr("%1–%2").arg(mass(range.low), mass(range.high))});
    }
    m_tabs->addTab(ui::makeReferencePage(
                       tr("A star is written as its type, its subclass 0–9 (0 hottest) and its "
                          "class: G2 V is a "
                          "yellow main-sequence star like the Sun."),
                       ui::makeReferenceTable(
                           {tr("Type"), tr("Colour and temperature"), tr("Mass (V)")}, types)),
                   tr("Spectral Types"));

    std::vector<QStringList> classes;
    for (LuminosityClass luminosity : allClasses) {
        classes.push_back({qt(core::rawValue(luminosity)), classDescription(luminosity),
                           luminosity == LuminosityClass::D
                               ? tr("0.6–1.1 solar masses")
                               : tr("× %1").arg(luminosityMassFactor(luminosity))});
    }
    m_tabs->addTab(ui::makeReferencePage(
                       tr("The class scales the type's mass; white dwarfs have their own range."),
                       ui::makeReferenceTable({tr("Class"), tr("Kind"), tr("Mass")}, classes)),
                   tr("Luminosity Classes"));

    QStringList rollHeaders{tr("Type")};
    for (int roll = 0; roll <= 12; ++roll)
        rollHeaders << QString::number(roll);
    std::vector<QStringList> typeRoll{{tr("Type")}};
    for (SpectralType type : spectralTypeByFlux)
        typeRoll.front() << qt(core::rawValue(type));
    for (SpectralType type :
         {SpectralType::O, SpectralType::B, SpectralType::A, SpectralType::F, SpectralType::M}) {
        QStringList row{type == SpectralType::F ? tr("Class of F, G, K")
                                                : tr("Class of %1").arg(qt(core::rawValue(type)))};
        for (LuminosityClass luminosity : luminosityRow(type))
            row << qt(core::rawValue(luminosity));
        typeRoll.push_back(row);
    }
    rollHeaders[0] = tr("Flux + 7");
    m_tabs->addTab(
        ui::makeReferencePage(
            tr("Flux is one die minus another (−5 to +5). Flux + 7 picks the type, a second Flux + "
               "7 "
               "the class. A K5–K9 rolled as IV becomes V; an F0–F4 rolled as VI becomes V."),
            ui::makeReferenceTable(rollHeaders, typeRoll)),
        tr("Star Generation"));

    QStringList zoneHeaders{tr("Type")};
    for (LuminosityClass luminosity : allClasses)
        zoneHeaders << qt(core::rawValue(luminosity));
    std::vector<QStringList> zones;
    for (SpectralType type : allTypes) {
        QStringList row{qt(core::rawValue(type))};
        for (LuminosityClass luminosity : allClasses)
            row << QString::number(hzOrbit(type, luminosity));
        zones.push_back(row);
    }
    m_tabs->addTab(ui::makeReferencePage(
                       tr("The orbit number of the habitable zone. Worlds inside it are hotter, "
                          "worlds outside colder."),
                       ui::makeReferenceTable(zoneHeaders, zones)),
                   tr("Habitable Zone"));
    resize(760, 480);
}

} // namespace velmora::generator
