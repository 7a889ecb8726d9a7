#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace velmora::ui {

// Auxiliary windows by identifier and value: opening one that is already open
// brings it forward instead of making a second.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    // `value` tells apart windows of one identifier opened with different values
    // (a world, a faction); empty for windows that exist once.
    QWidget* open(const QString& identifier, const QString& value, const Factory& make);
    QWidget* find(const QString& identifier, const QString& value = {}) const;
    // Files the open window of `oldValue` under `newValue`, for a window whose
    // subject got an identity of its own (a new design saved for the first time):
    // opening with the new value then brings it forward. False, and nothing moved,
    // when no window is open under the old value or another one holds the new.
    bool refile(const QString& identifier, const QString& oldValue, const QString& newValue);
    void closeAll();

private:
    static QString keyOf(const QString& identifier, const QString& value);
    QHash<QString, QPointer<QWidget>> m_windows;
};

} // namespace velmora::ui
