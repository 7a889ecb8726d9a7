#include "trade/ui/trade_good_wiki.h"

#include "trade/trade_good.h"
#include "ui/view_helpers.h"
#include "ui/wiki_lookup.h"

#include <QPushButton>

namespace velmora::trade {

QPushButton* goodWikiButton(const TradeGood* good, const QString& objectName, QWidget* parent) {
    const QString name = good ? ui::qt(std::string(good->name)) : QString();
    auto* button =
        new QPushButton(good ? QPushButton::tr("Look up “%1” in the Traveller Wiki.").arg(name)
                             : QPushButton::tr("Unknown Good — nothing to look up."),
                        parent);
    button->setObjectName(objectName);
    button->setEnabled(good && ui::canLookUpInWiki());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [name] { ui::lookUpInWiki(name); });
    return button;
}

} // namespace velmora::trade
