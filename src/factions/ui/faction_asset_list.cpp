#include "factions/ui/faction_asset_list.h"

#include "factions/faction_rules.h"
#include "factions/faction_texts.h"
#include "factions/ui/faction_ui_support.h"
#include "universe/ridivivev_izeviduv.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::factions {

using universe::FactionAsset;

namespace {

QString markText(const QString& text) {
    return QStringLiteral(
               "<span style='background:#e9e4f5; color:#3c2f6b; border-radius:3px;'>&nbsp;") +
           text.toHtmlEscaped() + QStringLiteral("&nbsp;</span>");
}

} // namespace

FactionAssetList::FactionAssetList(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QWidget(this);
    m_list->setObjectName(QStringLiteral("assetList"));
    m_rows = new QVBoxLayout(m_list);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(6);
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(tr("Add Asset"), this);
    add->setObjectName(QStringLiteral("addAsset"));
    connect(add, &QPushButton::clicked, this, &FactionAssetList::addRequested);
    buttons->addWidget(add);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void FactionAssetList::show(const universe::Faction& faction,
                            const universe::RidivivevIzeviduv& universe) {
    clearRows(m_rows);
    if (faction.assets.empty()) {
        auto* none = quietNote(tr("No assets"), m_list);
        none->setObjectName(QStringLiteral("noAssets"));
        m_rows->addWidget(none);
        return;
    }
    for (std::size_t i = 0; i < faction.assets.size(); ++i) {
        const FactionAsset& asset = faction.assets[i];
        auto* row = rowFrame(m_list);
        row->setProperty("assetIndex", static_cast<int>(i));
        auto* grid = new QGridLayout(row);
        grid->setContentsMargins(10, 6, 10, 6);
        grid->setHorizontalSpacing(10);

        auto* name = new QLabel(
            QStringLiteral("<b>") + qt(asset.name).toHtmlEscaped() + QStringLiteral("</b>"), row);
        name->setObjectName(QStringLiteral("assetName"));
        const bool lacking = lacksRequiredRating(faction, asset);
        QString kind = qt(universe::displayName(asset.type)) + QStringLiteral(" · ") +
                       qt(displayName(asset.category)) + QStringLiteral(" ") +
                       QString::number(asset.ratingRequired);
        auto* type = new QLabel(kind + (lacking ? QStringLiteral(" ⚠") : QString()), row);
        type->setObjectName(QStringLiteral("assetKind"));
        if (lacking) {
            type->setToolTip(tr("Needs %1 %2; the faction's rating is %3.")
                                 .arg(qt(displayName(asset.category)))
                                 .arg(asset.ratingRequired)
                                 .arg(rating(faction, asset.category)));
            QPalette palette = type->palette();
            palette.setColor(QPalette::WindowText, QColor(0xb0, 0x3a, 0x2e));
            type->setPalette(palette);
        }

        auto* hp = new QSpinBox(row);
        hp->setObjectName(QStringLiteral("assetHP"));
        hp->setRange(0, std::max(asset.maxHP, 0));
        hp->setValue(asset.hp);
        hp->setPrefix(tr("HP "));
        hp->setSuffix(QStringLiteral(" / ") + QString::number(asset.maxHP));
        connect(hp, &QSpinBox::valueChanged, this,
                [this, i](int value) { emit hitPointsChanged(i, value); });
        auto* remove = new QPushButton(tr("Delete"), row);
        remove->setObjectName(QStringLiteral("deleteAsset"));
        connect(remove, &QPushButton::clicked, this, [this, i] { emit removeRequested(i); });

        QStringList details;
        details << tr("Location: ") + locationWithSystem(universe, asset.location).toHtmlEscaped();
        if (asset.maintenance > 0)
            details << tr("Upkeep %1/turn").arg(asset.maintenance);
        if (asset.stealthed)
            details << markText(tr("Stealthed"));
        if (asset.requiresPermission)
            details << markText(tr("Needs planetary government permission"));
        auto* detail = new QLabel(details.join(QStringLiteral(" &nbsp; ")), row);
        detail->setObjectName(QStringLiteral("assetDetails"));
        detail->setTextFormat(Qt::RichText);
        detail->setWordWrap(true);
        if (!asset.note.empty())
            row->setToolTip(qt(asset.note));

        grid->addWidget(name, 0, 0);
        grid->addWidget(type, 0, 1);
        grid->addWidget(hp, 0, 3);
        grid->addWidget(remove, 0, 4);
        grid->addWidget(detail, 1, 0, 1, 5);
        grid->setColumnStretch(2, 1);
        m_rows->addWidget(row);
    }
}

} // namespace velmora::factions
