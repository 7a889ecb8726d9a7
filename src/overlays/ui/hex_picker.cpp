#include "overlays/ui/hex_picker.h"

#include "overlays/overlay_rows.h"
#include "overlays/ui/overlay_ui_support.h"
#include "universe/ridivivev_izeviduv.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

namespace velmora::overlays {

namespace {

// Sector numbers far beyond any charted space still fit, and a typo cannot
// reach the integer limits of the hex arithmetic.
constexpr int sectorLimit = 9999;

QSpinBox* makeField(int minimum, int maximum, const QString& name, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(minimum, maximum);
    field->setAccessibleName(name);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(64);
    return field;
}

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.88);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    return label;
}

} // namespace

HexPicker::HexPicker(QWidget* parent)
    : QWidget(parent), m_sectorX(makeField(-sectorLimit, sectorLimit, tr("Sector X"), this)),
      m_sectorY(makeField(-sectorLimit, sectorLimit, tr("Sector Y"), this)),
      m_column(makeField(1, core::sectorColumns, tr("Column"), this)),
      m_row(makeField(1, core::sectorRows, tr("Row"), this)), m_system(new QLabel(this)),
      m_lead(new QLabel(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    m_lead->hide();
    grid->addWidget(m_lead, 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(caption(tr("Sector X"), this), 0, 1);
    grid->addWidget(caption(tr("Sector Y"), this), 0, 2);
    grid->addWidget(caption(tr("Column"), this), 0, 3);
    grid->addWidget(caption(tr("Row"), this), 0, 4);
    grid->addWidget(m_sectorX, 1, 1);
    grid->addWidget(m_sectorY, 1, 2);
    grid->addWidget(m_column, 1, 3);
    grid->addWidget(m_row, 1, 4);
    m_system->setObjectName(QStringLiteral("systemThere"));
    m_system->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Under the fields rather than beside them, so the picker fits a narrow editor.
    grid->addWidget(m_system, 2, 1, 1, 5);
    grid->setColumnStretch(5, 1);
    m_column->setValue(1);
    m_row->setValue(1);

    for (QSpinBox* field : {m_sectorX, m_sectorY, m_column, m_row}) {
        connect(field, &QSpinBox::valueChanged, this, [this] {
            refreshSystem();
            emit coordinatesChanged(coordinates());
        });
    }
    refreshSystem();
}

void HexPicker::setLeadingText(const QString& text) {
    m_lead->setText(text);
    m_lead->setVisible(!text.isEmpty());
}

void HexPicker::setUniverse(const universe::RidivivevIzeviduv* universe) {
    m_universe = universe;
    refreshSystem();
}

core::GalacticCoordinates HexPicker::coordinates() const {
    return {m_sectorX->value(), m_sectorY->value(), m_column->value(), m_row->value()};
}

void HexPicker::setCoordinates(const core::GalacticCoordinates& coordinates) {
    for (QSpinBox* field : {m_sectorX, m_sectorY, m_column, m_row})
        field->blockSignals(true);
    m_sectorX->setValue(std::clamp(coordinates.sectorX, -sectorLimit, sectorLimit));
    m_sectorY->setValue(std::clamp(coordinates.sectorY, -sectorLimit, sectorLimit));
    m_column->setValue(std::clamp(coordinates.column, 1, core::sectorColumns));
    m_row->setValue(std::clamp(coordinates.row, 1, core::sectorRows));
    for (QSpinBox* field : {m_sectorX, m_sectorY, m_column, m_row})
        field->blockSignals(false);
    refreshSystem();
}

QString HexPicker::systemText() const {
    return m_system->text();
}

bool HexPicker::hasSystem() const {
    return m_hasSystem;
}

void HexPicker::refreshSystem() {
    const core::GalacticCoordinates here = coordinates();
    m_hasSystem = m_universe && m_universe->hexAt(here) != nullptr;
    const QString name = m_universe ? qt(systemNameAt(*m_universe, here)) : tr("Unnamed System");
    const QString where = m_universe ? qt(m_universe->locationText(here)) : qt(here.description());
    m_system->setText(QStringLiteral("%1  ·  %2").arg(name, where));
    // A hex with no system at all reads quieter than a system without a name.
    QFont font = m_system->font();
    font.setBold(m_hasSystem);
    font.setItalic(!m_hasSystem);
    m_system->setFont(font);
    QPalette palette = this->palette();
    if (!m_hasSystem)
        palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    m_system->setPalette(palette);
}

} // namespace velmora::overlays
