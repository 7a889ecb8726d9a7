#include "overlays/ui/region_editing_view.h"

#include "overlays/overlay_rows.h"
#include "overlays/ui/corner_diagram.h"
#include "overlays/ui/faction_color_picker.h"
#include "overlays/ui/hex_picker.h"
#include "overlays/ui/overlay_ui_support.h"
#include "overlays/ui/paint_on_map_button.h"
#include "overlays/ui/removable_row_list.h"
#include "starmap/painted_area.h"
#include "universe/ridivivev_izeviduv.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::overlays {

namespace {

// Where a new anchor or label position starts: the first system of the
// universe, so that the referee begins inside the charted area.
core::GalacticCoordinates startingHex(const universe::RidivivevIzeviduv& universe) {
    if (!universe.data().empty())
        return universe.data().front().coordinates;
    return {0, 0, 1, 1};
}

} // namespace

RegionEditingView::RegionEditingView(universe::UniverseManager& manager, QWidget* parent)
    : RegionEditingBase(manager, parent), m_name(new QLineEdit(this)),
      m_color(new FactionColorPicker(this)), m_anchors(new RemovableRowList(this)),
      m_noAnchors(nullptr), m_anchorHex(new HexPicker(this)), m_corner(new CornerDiagram(this)),
      m_addAnchor(new QPushButton(tr("Add Anchor"), this)),
      m_customLabel(new QCheckBox(tr("Custom label position"), this)), m_centerNote(nullptr),
      m_labelHex(new HexPicker(this)),
      m_paint(new PaintOnMapButton(
          {[this]() -> universe::RidivivevIzeviduv& { return this->universe(); },
           [this] { return m_draft.id; }, [this] { return startPainting(); },
           [this] {
               // Undo and redo of strokes: the anchors follow the stored region.
               const auto& regions = this->universe().regions();
               const auto it =
                   std::find_if(regions.begin(), regions.end(),
                                [this](const universe::Region& r) { return r.id == m_draft.id; });
               if (it == regions.end() || it->anchors == m_draft.anchors)
                   return;
               m_draft.anchors = it->anchors;
               m_draft.closed = it->closed;
               refreshAnchors();
               refreshState();
           }},
          this)) {
    setObjectName(QStringLiteral("regionEditor"));
    addSection(tr("Name"));
    m_name->setPlaceholderText(tr("Region name"));
    m_name->setObjectName(QStringLiteral("regionName"));
    addToForm(m_name);
    addSection(tr("Color"));
    addToForm(m_color);

    addSection(tr("Anchors"));
    m_anchors->setObjectName(QStringLiteral("anchorList"));
    m_anchors->setMinimumHeight(150);
    addToForm(m_anchors, 1);
    m_noAnchors = quietNote(tr("No anchors yet — add at least two to trace a border."), this);
    m_noAnchors->setObjectName(QStringLiteral("noAnchors"));
    addToForm(m_noAnchors);
    auto* painting = new QWidget(this);
    auto* paintingLayout = new QHBoxLayout(painting);
    paintingLayout->setContentsMargins(0, 0, 0, 0);
    paintingLayout->addWidget(m_paint);
    paintingLayout->addWidget(
        quietNote(tr("Paint the area on the map; its outline becomes the anchors."), painting), 1);
    addToForm(painting);
    auto* adder = new QWidget(this);
    auto* adderLayout = new QHBoxLayout(adder);
    adderLayout->setContentsMargins(0, 6, 0, 0);
    adderLayout->setSpacing(16);
    adderLayout->addWidget(m_corner, 0, Qt::AlignTop);
    auto* hexColumn = new QVBoxLayout;
    hexColumn->addWidget(m_anchorHex);
    hexColumn->addWidget(
        quietNote(tr("Pick the hex, then the corner of it the border passes through."), adder));
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(m_addAnchor);
    addRow->addStretch();
    hexColumn->addLayout(addRow);
    hexColumn->addStretch();
    adderLayout->addLayout(hexColumn, 1);
    addToForm(adder);

    addSection(tr("Name Label"));
    addToForm(m_customLabel);
    m_centerNote = quietNote(tr("Name drawn at the center of the anchors."), this);
    addToForm(m_centerNote);
    addToForm(m_labelHex);
    // Takes the spare height while the list above is hidden, so the sections stay together.
    form()->addStretch();

    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_draft.name = text.trimmed().toStdString();
        refreshState();
    });
    connect(m_color, &FactionColorPicker::colorChanged, this, [this](universe::FactionColor color) {
        m_draft.color = color;
        refreshState();
    });
    connect(m_addAnchor, &QPushButton::clicked, this, &RegionEditingView::addAnchor);
    connect(m_anchors, &RemovableRowList::deleteRequested, this, &RegionEditingView::removeAnchor);
    connect(m_customLabel, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_draft.labelCoordinates = m_labelHex->coordinates();
        else
            m_draft.labelCoordinates.reset();
        refreshLabelPosition();
        refreshState();
    });
    connect(m_labelHex, &HexPicker::coordinatesChanged, this,
            [this](const core::GalacticCoordinates& hex) {
                if (m_customLabel->isChecked())
                    m_draft.labelCoordinates = hex;
                refreshState();
            });
    startNew();
}

universe::Region RegionEditingView::blank() const {
    universe::Region region;
    // A region drawn by hand is an area: its border comes back to the start.
    region.closed = true;
    return region;
}

void RegionEditingView::load() {
    const auto& universe = this->universe();
    m_anchorHex->setUniverse(&universe);
    m_labelHex->setUniverse(&universe);
    m_name->setText(qt(m_draft.name));
    m_color->setColor(m_draft.color);
    const core::GalacticCoordinates start =
        m_draft.anchors.empty() ? startingHex(universe) : m_draft.anchors.back().hex;
    m_anchorHex->setCoordinates(start);
    m_corner->setSelected(0);
    m_labelHex->setCoordinates(m_draft.labelCoordinates.value_or(start));
    {
        const QSignalBlocker blocker(m_customLabel);
        m_customLabel->setChecked(m_draft.labelCoordinates.has_value());
    }
    refreshAnchors();
    refreshLabelPosition();
    refreshState();
    m_paint->refresh();
}

void RegionEditingView::addAnchor() {
    m_draft.anchors.push_back({m_anchorHex->coordinates(), m_corner->selected()});
    refreshAnchors();
    m_anchors->scrollToBottom();
    refreshState();
}

void RegionEditingView::removeAnchor(int index) {
    if (index < 0 || index >= static_cast<int>(m_draft.anchors.size()))
        return;
    m_draft.anchors.erase(m_draft.anchors.begin() + index);
    refreshAnchors();
    refreshState();
}

void RegionEditingView::refreshAnchors() {
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(m_draft.anchors.size()));
    for (const universe::RegionAnchor& anchor : m_draft.anchors)
        rows.push_back(qt(anchorRowText(anchor)));
    m_anchors->setRows(rows);
    m_anchors->setVisible(!m_draft.anchors.empty());
    m_noAnchors->setVisible(m_draft.anchors.empty());
}

void RegionEditingView::refreshLabelPosition() {
    const bool custom = m_draft.labelCoordinates.has_value();
    m_centerNote->setVisible(!custom);
    m_labelHex->setVisible(custom);
}

std::optional<ui::MapPaintTarget> RegionEditingView::startPainting() {
    if (isCreating() || hasChanges())
        save();
    if (isCreating() || hasChanges())
        return std::nullopt;
    return regionPaintTarget(manager(), m_draft.id);
}

std::string RegionEditingView::recordName(const universe::Region& record) const {
    return "Region " + regionDisplayName(record);
}

QString RegionEditingView::titleText() const {
    return isCreating() ? tr("Region Creation") : tr("Edit Region");
}

QString RegionEditingView::buttonText() const {
    return isCreating() ? tr("Create Region") : tr("Save Changes");
}

} // namespace velmora::overlays
