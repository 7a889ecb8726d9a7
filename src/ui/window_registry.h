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
    void closeAll();

private:
    static QString keyOf(const QString& identifier, const QString& value);
    QHash<QString, QPointer<QWidget>> m_windows;
};

} // namespace velmora::ui
