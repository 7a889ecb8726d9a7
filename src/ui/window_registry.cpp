#include "ui/window_registry.h"

#include <QKeySequence>
#include <QShortcut>

namespace velmora::ui {

QString WindowRegistry::keyOf(const QString& identifier, const QString& value) {
    return value.isEmpty() ? identifier : identifier + QLatin1Char('\x1f') + value;
}

QWidget* WindowRegistry::find(const QString& identifier, const QString& value) const {
    const auto it = m_windows.find(keyOf(identifier, value));
    return it == m_windows.end() ? nullptr : it->data();
}

QWidget* WindowRegistry::open(const QString& identifier, const QString& value,
                              const Factory& make) {
    QWidget* window = find(identifier, value);
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(identifier);
        // Tool windows go as they came: Esc or the platform's close keys (Ctrl+W).
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
            auto* shortcut = new QShortcut(keys, window);
            QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
        }
        m_windows.insert(keyOf(identifier, value), window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool WindowRegistry::refile(const QString& identifier, const QString& oldValue,
                            const QString& newValue) {
    QWidget* window = find(identifier, oldValue);
    if (!window)
        return false;
    if (oldValue == newValue)
        return true;
    QWidget* holder = find(identifier, newValue);
    if (holder && holder != window)
        return false;
    m_windows.remove(keyOf(identifier, oldValue));
    m_windows.insert(keyOf(identifier, newValue), window);
    return true;
}

void WindowRegistry::closeAll() {
    for (const auto& window : std::as_const(m_windows)) {
        if (window)
            window->close();
    }
    m_windows.clear();
}

} // namespace velmora::ui
