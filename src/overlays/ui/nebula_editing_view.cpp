#include "overlays/ui/nebula_editing_view.h"

#include "overlays/overlay_rows.h"
#include "overlays/ui/hex_picker.h"
#include "overlays/ui/overlay_ui_support.h"
#include "overlays/ui/paint_on_map_button.h"
#include "overlays/ui/removable_row_list.h"
#include "universe/ridivivev_izeviduv.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace velmora::overlays {

namespace {

constexpr universe::NebulaType types[] = {
    universe::NebulaType::emission, universe::NebulaType::reflection, universe::NebulaType::dark,
    universe::NebulaType::planetary, universe::NebulaType::supernovaRemnant};

} // namespace

NebulaEditingView::NebulaEditingView(universe::UniverseManager& manager, QWidget* parent)
    : NebulaEditingBase(manager, parent), m_name(new QLineEdit(this)), m_type(new QComboBox(this)),
      m_hexes(new RemovableRowList(this)), m_noHexes(nullptr), m_count(new QLabel(this)),
      m_picker(new HexPicker(this)), m_addHex(new QPushButton(tr("Add Hex"), this)),
      m_paint(new PaintOnMapButton(
          {[this]() -> universe::RidivivevIzeviduv& { return this->universe(); },
           [this] { return m_draft.id; }, [this] { return startPainting(); },
           [this] {
               // Undo and redo of strokes: the hexes follow the stored nebula.
               const auto& nebulae = this->universe().nebulae();
               const auto it =
                   std::find_if(nebulae.begin(), nebulae.end(),
                                [this](const universe::Nebula& n) { return n.id == m_draft.id; });
               if (it == nebulae.end() || it->hexes == m_draft.hexes)
                   return;
               m_draft.hexes = it->hexes;
               refreshHexes();
               refreshState();
           }},
          this)) {
    setObjectName(QStringLiteral("nebulaEditor"));
    addSection(tr("Name"));
    m_name->setPlaceholderText(tr("Nebula name"));
    m_name->setObjectName(QStringLiteral("nebulaName"));
    addToForm(m_name);
    addSection(tr("Type"));
    for (universe::NebulaType type : types)
        m_type->addItem(qt(universe::displayName(type)), static_cast<int>(type));
    m_type->setObjectName(QStringLiteral("nebulaType"));
    addToForm(m_type);
    form()->setAlignment(m_type, Qt::AlignLeft);

    auto* heading = new QWidget(this);
    auto* headingLayout = new QHBoxLayout(heading);
    headingLayout->setContentsMargins(0, 0, 0, 0);
    headingLayout->addWidget(sectionHeading(tr("Hexes"), heading));
    headingLayout->addStretch();
    m_count->setObjectName(QStringLiteral("hexCount"));
    headingLayout->addWidget(m_count, 0, Qt::AlignBottom);
    addToForm(heading);
    m_hexes->setObjectName(QStringLiteral("nebulaHexes"));
    m_hexes->setMinimumHeight(180);
    addToForm(m_hexes, 1);
    m_noHexes = quietNote(tr("No hexes yet — add at least one hex to define the nebula."), this);
    m_noHexes->setObjectName(QStringLiteral("noHexes"));
    addToForm(m_noHexes);
    auto* adder = new QWidget(this);
    auto* adderLayout = new QHBoxLayout(adder);
    adderLayout->setContentsMargins(0, 6, 0, 0);
    adderLayout->addWidget(m_picker, 1);
    adderLayout->addWidget(m_addHex, 0, Qt::AlignBottom);
    addToForm(adder);
    auto* painting = new QWidget(this);
    auto* paintingLayout = new QHBoxLayout(painting);
    paintingLayout->setContentsMargins(0, 6, 0, 0);
    paintingLayout->addWidget(m_paint);
    paintingLayout->addWidget(quietNote(tr("Or paint the hexes on the map."), painting), 1);
    addToForm(painting);
    // Takes the spare height while the list above is hidden, so the sections stay together.
    form()->addStretch();

    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_draft.name = text.trimmed().toStdString();
        refreshState();
    });
    connect(m_type, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_draft.type = static_cast<universe::NebulaType>(m_type->itemData(index).toInt());
        refreshState();
    });
    connect(m_picker, &HexPicker::coordinatesChanged, this, [this] { refreshAddButton(); });
    connect(m_addHex, &QPushButton::clicked, this, &NebulaEditingView::addHex);
    connect(m_hexes, &RemovableRowList::deleteRequested, this, &NebulaEditingView::removeHex);
    startNew();
}

void NebulaEditingView::load() {
    const auto& universe = this->universe();
    m_picker->setUniverse(&universe);
    m_name->setText(qt(m_draft.name));
    {
        const QSignalBlocker blocker(m_type);
        m_type->setCurrentIndex(m_type->findData(static_cast<int>(m_draft.type)));
    }
    if (!m_draft.hexes.empty())
        m_picker->setCoordinates(m_draft.hexes.back());
    else if (!universe.data().empty())
        m_picker->setCoordinates(universe.data().front().coordinates);
    refreshHexes();
    refreshState();
    m_paint->refresh();
}

void NebulaEditingView::addHex() {
    const core::GalacticCoordinates hex = m_picker->coordinates();
    if (std::find(m_draft.hexes.begin(), m_draft.hexes.end(), hex) != m_draft.hexes.end())
        return;
    m_draft.hexes.push_back(hex);
    refreshHexes();
    m_hexes->scrollToBottom();
    refreshState();
}

void NebulaEditingView::removeHex(int index) {
    if (index < 0 || index >= static_cast<int>(m_draft.hexes.size()))
        return;
    m_draft.hexes.erase(m_draft.hexes.begin() + index);
    // Removing one row keeps the list where the referee was looking.
    delete m_hexes->takeItem(index);
    m_hexes->setVisible(!m_draft.hexes.empty());
    m_noHexes->setVisible(m_draft.hexes.empty());
    m_count->setText(qt(hexCountText(m_draft.hexes.size())));
    refreshAddButton();
    refreshState();
}

void NebulaEditingView::refreshHexes() {
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(m_draft.hexes.size()));
    for (const std::string& text : hexRowTexts(universe(), m_draft.hexes))
        rows.push_back(qt(text));
    m_hexes->setRows(rows);
    m_hexes->setVisible(!m_draft.hexes.empty());
    m_noHexes->setVisible(m_draft.hexes.empty());
    m_count->setText(qt(hexCountText(m_draft.hexes.size())));
    refreshAddButton();
}

void NebulaEditingView::refreshAddButton() {
    const core::GalacticCoordinates hex = m_picker->coordinates();
    m_addHex->setEnabled(std::find(m_draft.hexes.begin(), m_draft.hexes.end(), hex) ==
                         m_draft.hexes.end());
}

std::optional<ui::MapPaintTarget> NebulaEditingView::startPainting() {
    if (isCreating() || hasChanges())
        save();
    if (isCreating() || hasChanges())
        return std::nullopt;
    return nebulaPaintTarget(manager(), m_draft.id);
}

std::string NebulaEditingView::recordName(const universe::Nebula& record) const {
    return "Nebula " + nebulaDisplayName(record);
}

QString NebulaEditingView::titleText() const {
    return isCreating() ? tr("Nebula Creation") : tr("Edit Nebula");
}

QString NebulaEditingView::buttonText() const {
    return isCreating() ? tr("Create Nebula") : tr("Save Changes");
}

} // namespace velmora::overlays
