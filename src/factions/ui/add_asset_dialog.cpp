#include "factions/ui/add_asset_dialog.h"

#include "factions/asset_catalogue.h"
#include "factions/base_of_influence.h"
#include "factions/custom_asset.h"
#include "factions/faction_editing.h"
#include "factions/faction_rules.h"
#include "factions/faction_texts.h"
#include "factions/ui/faction_ui_support.h"
#include "universe/ridivivev_izeviduv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::factions {

using universe::AssetCategory;
using universe::AssetType;

namespace {

constexpr int templateRole = Qt::UserRole + 1;

constexpr AssetCategory catalogueOrder[] = {AssetCategory::force, AssetCategory::cunning,
                                            AssetCategory::wealth};

QVariant coordinatesData(const core::GalacticCoordinates& c) {
    return QList<QVariant>{c.sectorX, c.sectorY, c.column, c.row};
}

core::GalacticCoordinates coordinatesOf(const QVariant& data) {
    const auto list = data.toList();
    if (list.size() != 4)
        return {};
    return {list[0].toInt(), list[1].toInt(), list[2].toInt(), list[3].toInt()};
}

QString templateDetails(const AssetTemplate& t) {
    QStringList lines;
    lines << QObject::tr("<b>%1</b> · %2 · needs %3 %4, TL %5 · %6 HP")
                 .arg(qt(t.name).toHtmlEscaped(), qt(universe::displayName(t.type)),
                      qt(displayName(t.category)))
                 .arg(t.ratingRequired)
                 .arg(qt(core::rawValue(t.tl)))
                 .arg(t.hp);
    lines << QObject::tr("Attack: %1 · Counter: %2")
                 .arg(t.attack.empty() ? QObject::tr("none") : qt(t.attack),
                      t.counter.empty() ? QObject::tr("none") : qt(t.counter));
    QStringList marks;
    if (t.maintenance > 0)
        marks << QObject::tr("Upkeep %1/turn").arg(t.maintenance);
    if (t.requiresPermission)
        marks << QObject::tr("Needs planetary government permission");
    if (t.startsStealthed)
        marks << QObject::tr("Stealthed");
    if (!marks.isEmpty())
        lines << marks.join(QStringLiteral(" · "));
    if (!t.note.empty())
        lines << QStringLiteral("<i>") + qt(t.note).toHtmlEscaped() + QStringLiteral("</i>");
    return lines.join(QStringLiteral("<br>"));
}

} // namespace

AddAssetDialog::AddAssetDialog(const universe::Faction& owner,
                               const universe::RidivivevIzeviduv& universe, QWidget* parent)
    : QDialog(parent), m_owner(owner), m_universe(universe), m_location(new QComboBox(this)),
      m_pages(new QTabWidget(this)), m_catalogue(new QTreeWidget(this)),
      m_details(new QLabel(this)), m_baseNote(nullptr), m_problem(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Add Asset"));
    setObjectName(QStringLiteral("addAssetDialog"));

    m_location->setObjectName(QStringLiteral("assetLocation"));
    fillLocations();
    auto* locationRow = new QFormLayout;
    locationRow->addRow(tr("Location"), m_location);

    buildCatalogue();
    auto* cataloguePage = new QWidget(this);
    auto* catalogueLayout = new QVBoxLayout(cataloguePage);
    catalogueLayout->addWidget(m_catalogue, 1);
    m_details->setWordWrap(true);
    m_details->setTextFormat(Qt::RichText);
    m_details->setMinimumHeight(72);
    m_details->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    catalogueLayout->addWidget(m_details);
    m_pages->addTab(cataloguePage, tr("Catalogue"));
    m_pages->addTab(buildHandMadeForm(), tr("Hand-made"));

    m_problem->setObjectName(QStringLiteral("assetProblem"));
    m_problem->setWordWrap(true);
    QPalette warning = m_problem->palette();
    warning.setColor(QPalette::WindowText, QColor(0xb0, 0x3a, 0x2e));
    m_problem->setPalette(warning);

    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("Add Asset"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(locationRow);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_location, &QComboBox::currentIndexChanged, this, &AddAssetDialog::refresh);
    connect(m_pages, &QTabWidget::currentChanged, this, &AddAssetDialog::refresh);
    connect(m_catalogue, &QTreeWidget::currentItemChanged, this, [this] {
        showTemplateDetails();
        refresh();
    });
    connect(m_catalogue, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_buttons->button(QDialogButtonBox::Ok)->isEnabled())
            accept();
    });
    resize(640, 620);
    followType();
    showTemplateDetails();
    refresh();
}

void AddAssetDialog::fillLocations() {
    std::vector<const core::HexData*> hexes;
    for (const core::HexData& hex : m_universe.data())
        hexes.push_back(&hex);
    std::sort(hexes.begin(), hexes.end(), [](const core::HexData* a, const core::HexData* b) {
        return a->coordinates < b->coordinates;
    });
    for (const core::HexData* hex : hexes) {
        m_location->addItem(qt(systemDisplayName(*hex)) + QStringLiteral(" — ") +
                                qt(m_universe.locationText(hex->coordinates)),
                            coordinatesData(hex->coordinates));
    }
    if (m_location->count() == 0) {
        // Without systems an asset can still be recorded; it stands nowhere yet.
        m_location->addItem(tr("No systems in this universe"), coordinatesData({}));
    }
    chooseLocation(m_owner.homeworld);
}

void AddAssetDialog::chooseLocation(const core::GalacticCoordinates& location) {
    const int index = m_location->findData(coordinatesData(location));
    if (index >= 0)
        m_location->setCurrentIndex(index);
}

core::GalacticCoordinates AddAssetDialog::location() const {
    return coordinatesOf(m_location->currentData());
}

void AddAssetDialog::buildCatalogue() {
    m_catalogue->setObjectName(QStringLiteral("assetCatalogue"));
    m_catalogue->setColumnCount(5);
    m_catalogue->setHeaderLabels({tr("Asset"), tr("Rating"), tr("HP"), tr("TL"), tr("Type")});
    m_catalogue->setRootIsDecorated(true);
    m_catalogue->setUniformRowHeights(true);
    m_catalogue->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 5; ++column)
        m_catalogue->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_catalogue->header()->setStretchLastSection(false);

    for (AssetCategory category : catalogueOrder) {
        auto* group = new QTreeWidgetItem(m_catalogue, {qt(displayName(category))});
        group->setFlags(Qt::ItemIsEnabled);
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        for (const AssetTemplate& t : assetTemplates(category)) {
            const bool lacking = lacksRequiredRating(m_owner, t.category, t.ratingRequired);
            auto* item =
                new QTreeWidgetItem(group, {qt(catalogueEntryText(t)),
                                            QString::number(t.ratingRequired) +
                                                (lacking ? QStringLiteral(" ⚠") : QString()),
                                            QString::number(t.hp), qt(core::rawValue(t.tl)),
                                            qt(universe::displayName(t.type))});
            item->setData(0, templateRole, qt(t.name));
            item->setTextAlignment(1, Qt::AlignCenter);
            item->setTextAlignment(2, Qt::AlignCenter);
            item->setTextAlignment(3, Qt::AlignCenter);
            if (lacking) {
                item->setToolTip(
                    1, tr("The faction's %1 rating (%2) is below the %3 this asset needs.")
                           .arg(qt(displayName(t.category)))
                           .arg(rating(m_owner, t.category))
                           .arg(t.ratingRequired));
            }
        }
        group->setExpanded(true);
    }
}

QWidget* AddAssetDialog::buildHandMadeForm() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    m_name = new QLineEdit(page);
    m_name->setObjectName(QStringLiteral("assetName"));
    m_name->setPlaceholderText(tr("Asset name"));
    m_category = new QComboBox(page);
    for (AssetCategory category : catalogueOrder)
        m_category->addItem(qt(displayName(category)), static_cast<int>(category));
    m_type = new QComboBox(page);
    for (const auto& [type, name] : universe::assetTypeNameTable.entries)
        m_type->addItem(qt(name), static_cast<int>(type));
    m_type->setCurrentIndex(m_type->findData(static_cast<int>(AssetType::special)));
    m_tl = new QComboBox(page);
    for (const auto& [level, label] : core::technologyLevelTable.entries)
        m_tl->addItem(qt(label), static_cast<int>(level));
    m_maxHP = new QSpinBox(page);
    m_maxHP->setRange(1, 999);
    m_maxHP->setValue(1);
    m_cost = new QSpinBox(page);
    m_cost->setRange(0, 999);
    m_cost->setSuffix(tr(" FacCreds"));
    m_maintenance = new QSpinBox(page);
    m_maintenance->setRange(0, 99);
    m_maintenance->setSuffix(tr(" FacCred/turn"));
    m_rating = new QSpinBox(page);
    m_rating->setRange(minimumRating, maximumRating);
    m_stealthed = new QCheckBox(tr("Stealthed"), page);
    m_permission = new QCheckBox(tr("Needs planetary government permission"), page);
    m_attack = new QLineEdit(page);
    m_attack->setPlaceholderText(tr("e.g. Force vs. Force, 1d6 dmg"));
    m_counter = new QLineEdit(page);
    m_counter->setPlaceholderText(tr("e.g. 1d4"));
    m_note = new QPlainTextEdit(page);
    m_note->setFixedHeight(64);
    m_baseNote = quietNote(qt(baseOfInfluenceRulesText), page);
    m_baseNote->setObjectName(QStringLiteral("baseOfInfluenceNote"));

    for (QSpinBox* spin : {m_maxHP, m_cost, m_maintenance, m_rating})
        spin->setMaximumWidth(180);
    m_tl->setMaximumWidth(180);
    form->addRow(tr("Name"), m_name);
    form->addRow(tr("Category"), m_category);
    form->addRow(tr("Type"), m_type);
    form->addRow(m_baseNote);
    form->addRow(tr("Tech Level"), m_tl);
    form->addRow(tr("Max HP: "), m_maxHP);
    form->addRow(tr("Cost"), m_cost);
    form->addRow(tr("Maintenance: "), m_maintenance);
    form->addRow(tr("Rating Required"), m_rating);
    form->addRow(QString(), m_stealthed);
    form->addRow(QString(), m_permission);
    form->addRow(tr("Attack"), m_attack);
    form->addRow(tr("Counter"), m_counter);
    form->addRow(tr("Note"), m_note);

    connect(m_type, &QComboBox::currentIndexChanged, this, [this] {
        followType();
        refresh();
    });
    connect(m_maxHP, &QSpinBox::valueChanged, this, [this] {
        if (m_type->currentData().toInt() == static_cast<int>(AssetType::baseOfInfluence))
            m_cost->setValue(m_maxHP->value());
        refresh();
    });
    connect(m_name, &QLineEdit::textChanged, this, &AddAssetDialog::refresh);
    return page;
}

void AddAssetDialog::followType() {
    const bool base = m_type->currentData().toInt() == static_cast<int>(AssetType::baseOfInfluence);
    m_baseNote->setVisible(base);
    // A base's cost is its maximum hit points, which the faction's own maximum caps.
    m_cost->setEnabled(!base);
    m_maxHP->setMaximum(base ? baseOfInfluenceHPLimit(m_owner) : 999);
    if (base)
        m_cost->setValue(m_maxHP->value());
}

void AddAssetDialog::showHandMadeForm() {
    m_pages->setCurrentIndex(1);
}

bool AddAssetDialog::chooseTemplate(const QString& name) {
    for (QTreeWidgetItemIterator it(m_catalogue); *it; ++it) {
        if ((*it)->data(0, templateRole).toString() == name) {
            m_pages->setCurrentIndex(0);
            m_catalogue->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

const AssetTemplate* AddAssetDialog::chosenTemplate() const {
    const QTreeWidgetItem* item = m_catalogue->currentItem();
    if (!item || !item->data(0, templateRole).isValid())
        return nullptr;
    return findAssetTemplate(item->data(0, templateRole).toString().toStdString());
}

void AddAssetDialog::showTemplateDetails() {
    const AssetTemplate* t = chosenTemplate();
    m_details->setText(t ? templateDetails(*t) : tr("Choose an asset from the catalogue."));
}

std::optional<universe::FactionAsset> AddAssetDialog::asset() const {
    if (m_pages->currentIndex() == 0) {
        const AssetTemplate* t = chosenTemplate();
        if (!t)
            return std::nullopt;
        return makeAsset(*t, location());
    }
    if (m_name->text().trimmed().isEmpty())
        return std::nullopt;
    universe::FactionAsset draft;
    draft.name = m_name->text().trimmed().toStdString();
    draft.category = static_cast<AssetCategory>(m_category->currentData().toInt());
    draft.type = static_cast<AssetType>(m_type->currentData().toInt());
    draft.tl = static_cast<core::TechnologyLevel>(m_tl->currentData().toInt());
    draft.maxHP = m_maxHP->value();
    draft.cost = m_cost->value();
    draft.maintenance = m_maintenance->value();
    draft.ratingRequired = m_rating->value();
    draft.stealthed = m_stealthed->isChecked();
    draft.requiresPermission = m_permission->isChecked();
    draft.attack = m_attack->text().trimmed().toStdString();
    draft.counter = m_counter->text().trimmed().toStdString();
    draft.note = m_note->toPlainText().trimmed().toStdString();
    draft.location = location();
    return makeCustomAsset(std::move(draft), m_owner);
}

void AddAssetDialog::refresh() {
    const auto candidate = asset();
    QString problem;
    if (candidate && !canAddAsset(m_owner, *candidate))
        problem = tr("The faction already has a base of influence on this world; it may hold one "
                     "per world.");
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(candidate && problem.isEmpty());
}

} // namespace velmora::factions
