#pragma once

#include "core/galactic_coordinates.h"

#include <QObject>
#include <functional>

class QMenu;
class QWidget;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::starmap {

class StarMapCanvas;

// The menu of a hex on the map (right click, or the menu key): on an empty hex,
// generating a system there, a label and a nebula; on a system, its windows, the
// route planner, its editor and its location. Edits go through the same named
// edits as the list views, so the Edit menu undoes them; a window that this
// program cannot open here shows its action switched off, with the reason.
class HexContextMenu : public QObject {
    Q_OBJECT
public:
    struct WorldInfo {
        std::function<bool()> available;
        std::function<void(const core::GalacticCoordinates&)> open;
    };

    HexContextMenu(universe::RidivivevIzeviduv& universe, StarMapCanvas& canvas,
                   WorldInfo worldInfo);

    // A new menu for the hex, owned by the caller.
    QMenu* menuFor(const core::GalacticCoordinates& hex, QWidget* parent) const;

    // The edits behind "Add Label Here…" and "Add to Nebula…", after their questions.
    bool addLabel(const core::GalacticCoordinates& hex, const QString& text) const;
    // Adds the hex to the nebula at `index` of the universe's list, or to a new
    // nebula of that name when the index is past the list.
    bool addToNebula(const core::GalacticCoordinates& hex, int index,
                     const QString& newName = QString()) const;

    // The text "Copy Hex" puts on the clipboard.
    QString hexText(const core::GalacticCoordinates& hex) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askForLabel(const core::GalacticCoordinates& hex, QWidget* parent) const;
    void askForNebula(const core::GalacticCoordinates& hex, QWidget* parent) const;

    universe::RidivivevIzeviduv& m_universe;
    StarMapCanvas& m_canvas;
    WorldInfo m_worldInfo;
};

} // namespace velmora::starmap
