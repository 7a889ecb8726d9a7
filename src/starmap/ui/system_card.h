#pragma once

#include "core/hex_data.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::starmap {

// The card beside the map for the clicked system: name, location, the main
// world's profile line, tags and factions, and what can be done with it. In the
// player view it shows only what the players may know of the system.
class SystemCard : public QFrame {
    Q_OBJECT
public:
    explicit SystemCard(QWidget* parent = nullptr);

    void show(const core::HexData& hex, const universe::RidivivevIzeviduv& universe);
    QString profileText() const;

    QPushButton* travelButton() const { return m_travel; }
    QPushButton* wikiButton() const { return m_wiki; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* worldInfoButton() const { return m_worldInfo; }

signals:
    void closeRequested();
    void worldInfoRequested();

private:
    QLabel* m_name;
    QLabel* m_location;
    QLabel* m_heading;
    QLabel* m_profile;
    QLabel* m_tags;
    QLabel* m_factions;
    QPushButton* m_worldInfo;
    QPushButton* m_travel;
    QPushButton* m_wiki;
    QPushButton* m_copy;
    QString m_summary;
};

} // namespace velmora::starmap
