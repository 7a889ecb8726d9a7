#pragma once

#include "core/signal.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace velmora::campaign {

class Gamemastering;

// "Common Credits": the party's pooled money, and moving money into it from every
// player ("Pool In Funds") or out of it to every player ("Distribute Funds").
// Salaried NPCs take no part. Stays open for more until "Done".
class CommonCreditsSheet : public QDialog {
    Q_OBJECT
public:
    CommonCreditsSheet(Gamemastering& store, std::string code, QWidget* parent = nullptr);

private:
    void showCampaign();
    void showTotals();
    void poolIn();
    void distribute();

    Gamemastering& m_store;
    std::string m_code;
    QLabel* m_current;
    QLabel* m_poolDescription;
    QLineEdit* m_poolAmount;
    QLabel* m_poolTotal;
    QLabel* m_distributeDescription;
    QLineEdit* m_distributeAmount;
    QLabel* m_distributeShare;
    QLabel* m_problem;
    core::Signal<>::Subscription m_storeChanged;
};

} // namespace velmora::campaign
