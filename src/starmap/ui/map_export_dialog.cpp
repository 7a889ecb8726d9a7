#include "starmap/ui/map_export_dialog.h"

#include "starmap/ui/map_export.h"
#include "universe/ridivivev_izeviduv.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>

namespace velmora::starmap {

MapExportDialog::MapExportDialog(const universe::RidivivevIzeviduv& universe,
                                 const universe::MapTransform& view, QSize viewSize,
                                 QWidget* parent)
    : QDialog(parent), m_universe(universe), m_view(view), m_viewSize(viewSize),
      m_area(new QComboBox(this)), m_sectorX(new QSpinBox(this)), m_sectorY(new QSpinBox(this)),
      m_subsector(new QComboBox(this)), m_format(new QComboBox(this)) {
    setWindowTitle(tr("Export Map"));
    m_area->addItems({tr("Current View"), tr("Whole Universe"), tr("Sector"), tr("Subsector")});
    m_area->setCurrentIndex(1);
    for (QSpinBox* box : {m_sectorX, m_sectorY})
        box->setRange(-999, 999);
    if (!universe.data().empty()) {
        m_sectorX->setValue(universe.data().front().coordinates.sectorX);
        m_sectorY->setValue(universe.data().front().coordinates.sectorY);
    }
    for (char letter = 'A'; letter <= 'P'; ++letter)
        m_subsector->addItem(QString(QChar::fromLatin1(letter)));
    m_format->addItems({QStringLiteral("PNG"), QStringLiteral("SVG"), QStringLiteral("PDF")});

    const auto updateFields = [this] {
        const int area = m_area->currentIndex();
        m_sectorX->setEnabled(area >= 2);
        m_sectorY->setEnabled(area >= 2);
        m_subsector->setEnabled(area == 3);
    };
    connect(m_area, &QComboBox::currentIndexChanged, this, updateFields);
    updateFields();

    auto* form = new QFormLayout(this);
    form->addRow(tr("Area"), m_area);
    form->addRow(tr("Sector X"), m_sectorX);
    form->addRow(tr("Sector Y"), m_sectorY);
    form->addRow(tr("Subsector"), m_subsector);
    form->addRow(tr("Format"), m_format);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("Export…"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &MapExportDialog::exportTo);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void MapExportDialog::exportTo() {
    MapExportArea area;
    area.kind = static_cast<MapExportArea::Kind>(m_area->currentIndex());
    area.sectorX = m_sectorX->value();
    area.sectorY = m_sectorY->value();
    area.subsector = static_cast<char>('A' + m_subsector->currentIndex());
    area.viewTransform = m_view;
    area.viewSize = m_viewSize;
    const QString suffix = m_format->currentText().toLower();
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
            .filePath(QString::fromStdString(m_universe.name()) + QStringLiteral(".") + suffix);
    const QString file = QFileDialog::getSaveFileName(this, tr("Export Map"), suggested,
                                                      m_format->currentText() +
                                                          QStringLiteral(" (*.") + suffix + ")");
    if (file.isEmpty())
        return;
    if (const auto error = exportMap(m_universe.record(), area, file)) {
        QMessageBox::warning(this, tr("Export Failed"), *error);
        return;
    }
    accept();
}

} // namespace velmora::starmap
